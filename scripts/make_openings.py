#!/usr/bin/env python3
"""Writes the solver's opening positions: the first lead of real hands of Solo, Misere,
Abundance and Abundance Declared, taken from seeded simulator hands, one position a line:

    declarer contract trumps leader hand0 hand1 hand2 hand3

(trumps 0-3 Diamonds to Spades or -1 for none; each hand a hexadecimal bit set, bit n - 1 for
card n). Four Experts would bid too seldom; the Classic players' contracts are the positions.

    scripts/make_openings.py solo-sim out.txt [count] [seed]     (default 1000 positions, seed 77)
"""
import json
import subprocess
import sys
import tempfile


def main():
    sim, out = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 1000
    seed = sys.argv[4] if len(sys.argv) > 4 else "77"
    with tempfile.NamedTemporaryFile(suffix=".jsonl") as trace:
        subprocess.run([sim, "--hands", str(count * 3), "--seed", seed, "--trace", trace.name, "--quiet"],
                       check=True, stdout=subprocess.DEVNULL)
        lines = []
        for line in open(trace.name, encoding="utf-8"):
            hand = json.loads(line)
            if hand["contract"] == 0 or not hand["tricks"]:
                continue
            trumps = hand["trumps"] - 4 if 4 <= hand["trumps"] <= 7 else -1
            bits = [sum(1 << (card - 1) for card in cards) for cards in hand["hands"]]
            lines.append(f"{hand['declarer']} {hand['contract']} {trumps} {hand['tricks'][0]['leader']} " +
                         " ".join(f"{b:013x}" for b in bits))
            if len(lines) == count:
                break
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    print(f"{len(lines)} positions written to {out}")


if __name__ == "__main__":
    main()
