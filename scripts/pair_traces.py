#!/usr/bin/env python3
"""Compares two simulator runs of one seed deal by deal: the code before and after a change, say.

    solo-sim --hands 2000 --seed S --west expert --north expert --east expert --trace before.jsonl
    (the same with the changed build into after.jsonl)
    scripts/pair_traces.py before.jsonl after.jsonl

Hand n of the two runs is compared only when both dealt it alike (the same dealer and hands):
South's units in the second run less those in the first, as a mean a hand with its 95 %
interval. Most deals play out the same in both, so the interval is far narrower than a
comparison of either run with an all-Classic table.
"""
import json
import math
import sys


def hands_of(path):
    """Each hand's deal (dealer and hands dealt), South's units and whether it was a goulash."""
    out, before = [], 0
    with open(path) as trace:
        for line in trace:
            hand = json.loads(line)
            south = hand["points_after"][0]
            out.append(((hand["dealer"], json.dumps(hand["hands"])), south - before, hand["goulash"]))
            before = south
    return out


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    first, second = hands_of(sys.argv[1]), hands_of(sys.argv[2])
    diffs, goulashes = [], 0
    for (deal, units, goulash), (other_deal, other_units, _) in zip(first, second):
        if deal == other_deal:
            diffs.append(other_units - units)
            goulashes += goulash
    n = len(diffs)
    if n < 2:
        sys.exit("fewer than two deals dealt alike: not the same seed?")
    mean = sum(diffs) / n
    half = 1.96 * math.sqrt(sum((d - mean) ** 2 for d in diffs) / (n - 1) / n)
    print(f"{n} deals dealt alike of {min(len(first), len(second))} ({goulashes} goulashes), "
          f"{sum(1 for d in diffs if d)} ending differently; South {mean:+.3f} units a hand "
          f"(95 % {mean - half:+.3f} to {mean + half:+.3f})")


if __name__ == "__main__":
    main()
