#!/usr/bin/env python3
"""Synthesises the game's two sounds into assets/: Card.wav (a card snapped onto the table)
and shuffle.wav (a riffle of the pack). Standard library only; the noise is seeded, so the
files come out the same every time. Run: python3 scripts/make_sounds.py"""
import math
import os
import random
import struct
import wave

RATE = 22050


def write(path, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.7 * 32767 / peak
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(s * scale)) for s in samples))


def lowpass(samples, cutoff):
    """One-pole low-pass: softens white noise into the papery hiss of a card."""
    a = math.exp(-2 * math.pi * cutoff / RATE)
    out, y = [], 0.0
    for x in samples:
        y = (1 - a) * x + a * y
        out.append(y)
    return out


def snap(rng, length, brightness, thump):
    """One card hitting felt: a burst of filtered noise over a short, low thump."""
    n = int(length * RATE)
    noise = lowpass([rng.uniform(-1, 1) for _ in range(n)], brightness)
    out = []
    for i, x in enumerate(noise):
        t = i / RATE
        attack = min(1.0, t / 0.002)
        body = x * math.exp(-t / (length / 5))
        low = thump * math.sin(2 * math.pi * 140 * t) * math.exp(-t / 0.012)
        out.append(attack * (body + low))
    return out


def card(rng):
    return snap(rng, 0.11, 3500, 0.35) + [0.0] * int(0.02 * RATE)


def shuffle(rng):
    """About forty cards falling from two halves, quick at first and slowing at the end."""
    total = int(0.85 * RATE)
    out = [0.0] * total
    t = 0.03
    while t < 0.78:
        start = int(t * RATE)
        click = snap(rng, 0.025, 2500 + rng.uniform(-600, 600), 0.1)
        gain = rng.uniform(0.45, 0.8)
        for i, x in enumerate(click):
            if start + i < total:
                out[start + i] += gain * x
        t += 0.012 + 0.018 * (t / 0.78) ** 2 + rng.uniform(0, 0.004)
    # The final squaring of the pack.
    end = snap(rng, 0.06, 1800, 0.5)
    start = total - len(end) - int(0.01 * RATE)
    for i, x in enumerate(end):
        out[start + i] += 0.8 * x
    return out


def main():
    rng = random.Random(20261206)
    assets = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")
    write(os.path.join(assets, "Card.wav"), card(rng))
    write(os.path.join(assets, "shuffle.wav"), shuffle(rng))


if __name__ == "__main__":
    main()
