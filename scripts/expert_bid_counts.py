#!/usr/bin/env python3
"""Measures how often an Expert computer seat shows a Solo and a Misere at each point count,
and prints the rows of kExpertShownBids (src/play/Inference.h): four Experts play, and for
West, North and East every hand's count (the Classic rules' count, 16 standing for 16 or more)
and the bid it showed are tallied. Each share is taken of the most often.

    scripts/expert_bid_counts.py solo-sim [hands] [seed ...]     (default 500 hands, seed 9943)

A seat shows its bid only when no other computer seat's offer beats it, which its own count
barely changes, so the share a count shows a bid is in proportion to how likely that bid makes
the count: what the layouts an Expert imagines are kept by.
"""
import json
import subprocess
import sys
import tempfile
from collections import Counter

CODES = {1: "kSolo", 2: "kMisere"}


def tally(sim, hands, seed, seen, shown):
    with tempfile.NamedTemporaryFile(suffix=".jsonl") as trace:
        subprocess.run([sim, "--hands", str(hands), "--seed", str(seed), "--trace", trace.name, "--quiet",
                        "--south", "expert", "--west", "expert", "--north", "expert", "--east", "expert"],
                       check=True, stdout=subprocess.DEVNULL)
        for line in open(trace.name, encoding="utf-8"):
            hand = json.loads(line)
            bids = dict((seat, bid) for seat, bid in hand["bids"])
            for place, seat in enumerate((1, 2, 3)):
                count = min(hand["points"][place], 16)
                seen[count] += 1
                if bids.get(seat) in CODES:
                    shown[bids[seat], count] += 1


def main():
    sim = sys.argv[1]
    hands = int(sys.argv[2]) if len(sys.argv) > 2 else 500
    seeds = sys.argv[3:] or ["9943"]
    seen, shown = Counter(), Counter()
    for seed in seeds:
        tally(sim, hands, seed, seen, shown)
    print(f"{sum(seen.values())} seat-hands; " +
          ", ".join(f"{sum(n for (c, _), n in shown.items() if c == code)} {name} shown" for code, name in CODES.items()))
    for code, name in CODES.items():
        share = [shown[code, count] / seen[count] if seen[count] else 0 for count in range(17)]
        top = max(share) or 1
        print(f"    {{{name}, {{" + ", ".join(f"{s / top:.3g}" for s in share) + "}},")


if __name__ == "__main__":
    main()
