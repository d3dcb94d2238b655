#!/usr/bin/env python3
"""Checks every trick of a hand trace (solo-sim --trace) against the rules, independently of
the game's code: each card was in its player's hand and not played before, every player
followed suit when able, and the trick went to the highest trump or the highest card of the
suit led. Prints a summary; exits 1 on the first broken rule.

    scripts/check_trace.py trace.jsonl
"""
import json
import sys


def suit(card):
    return (card - 1) // 13


def check(path):
    hands = tricks = 0
    with open(path, encoding="utf-8") as trace:
        for number, line in enumerate(trace, 1):
            hand = json.loads(line)
            held = [set(cards) for cards in hand["hands"]]
            trumps = hand["trumps"] - 4 if 4 <= hand["trumps"] <= 7 else None
            for trick in hand["tricks"]:
                leader, cards = trick["leader"], trick["cards"]
                led = suit(cards[0])
                for i, card in enumerate(cards):
                    seat = (leader + i) % 4
                    where = f"line {number}, hand {hand['hand']}, seat {seat}, card {card}"
                    if card not in held[seat]:
                        sys.exit(f"{where}: not in the player's hand")
                    if i > 0 and suit(card) != led and any(suit(c) == led for c in held[seat]):
                        sys.exit(f"{where}: did not follow suit")
                    held[seat].discard(card)

                def strength(i):
                    card = cards[i]
                    if trumps is not None and suit(card) == trumps:
                        return 100 + card
                    return card if suit(card) == led else -1

                winner = (leader + max(range(4), key=strength)) % 4
                if winner != trick["winner"]:
                    sys.exit(f"line {number}, hand {hand['hand']}: the trick went to {trick['winner']}, not {winner}")
                tricks += 1
            hands += 1
    print(f"{path}: {hands} hands, {tricks} tricks, every card legal and every trick to its winner")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    check(sys.argv[1])
