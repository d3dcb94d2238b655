#!/usr/bin/env python3
"""Compares two simulator runs of one seed deal by deal: the code before and after a change, say.

    solo-sim --hands 2000 --seed S --west expert --north expert --east expert --trace before.jsonl
    (the same with the changed build into after.jsonl)
    scripts/pair_traces.py before.jsonl after.jsonl

(Traces of several seeds may be joined, each file's seeds in the same order.)

Hand n of the two runs is compared only when both dealt it alike (the same dealer and hands):
South's units in the second run less those in the first, as a mean a hand with its 95 %
interval. Most deals play out the same in both, so the interval is far narrower than a
comparison of either run with an all-Classic table. Then where the difference comes from: the
deals grouped by South's part in each run (alone, a proposer or an acceptor, defending, thrown
in), with what each group adds to the mean.
"""
import json
import math
import sys


def south_part(hand):
    """South's part in the contract played: alone, proposer, acceptor, defending or thrown in."""
    if not hand.get("contract"):
        return "thrown in"
    # Only a Proposal and Acceptance has a partner (-1 or no field otherwise).
    pair = hand.get("partner", -1) >= 0
    if hand["declarer"] == 0:
        return "proposer" if pair else "alone"
    if pair and hand["partner"] == 0:
        return "acceptor"
    return "defending"


def hands_of(path):
    """Each hand's deal (dealer and hands dealt), South's units, whether it was a goulash and
    South's part."""
    out, before = [], 0
    with open(path) as trace:
        for line in trace:
            hand = json.loads(line)
            if hand["hand"] == 1:  # traces of several seeds run one after another
                before = 0
            south = hand["points_after"][0]
            out.append(((hand["dealer"], json.dumps(hand["hands"])), south - before, hand["goulash"],
                        south_part(hand)))
            before = south
    return out


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    first, second = hands_of(sys.argv[1]), hands_of(sys.argv[2])
    diffs, goulashes, by_part = [], 0, {}
    for (deal, units, goulash, part), (other_deal, other_units, _, other_part) in zip(first, second):
        if deal == other_deal:
            diffs.append(other_units - units)
            goulashes += goulash
            by_part.setdefault((part, other_part), []).append(diffs[-1])
    n = len(diffs)
    if n < 2:
        sys.exit("fewer than two deals dealt alike: not the same seed?")
    mean = sum(diffs) / n
    half = 1.96 * math.sqrt(sum((d - mean) ** 2 for d in diffs) / (n - 1) / n)
    print(f"{n} deals dealt alike of {min(len(first), len(second))} ({goulashes} goulashes), "
          f"{sum(1 for d in diffs if d)} ending differently; South {mean:+.3f} units a hand "
          f"(95 % {mean - half:+.3f} to {mean + half:+.3f})")
    print("South's part, first run -> second: deals, units a deal, share of the mean")
    for (part, other_part), group in sorted(by_part.items(), key=lambda kv: -abs(sum(kv[1]))):
        print(f"  {part:>9} -> {other_part:<9} {len(group):6} {sum(group) / len(group):+7.2f} "
              f"{sum(group) / n:+7.3f}")


if __name__ == "__main__":
    main()
