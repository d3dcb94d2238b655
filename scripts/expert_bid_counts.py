#!/usr/bin/env python3
"""Measures how often an Expert computer seat shows each bid at each point count, and prints the
rows of kExpertShownBids (src/play/Inference.h): four Experts play, and for West, North and East
every hand's count (16 standing for 16 or more) and the bid it showed are tallied. Each share is
taken of the most often.

    scripts/expert_bid_counts.py solo-sim [hands] [seed ...]     (default 500 hands, seed 9943)
    scripts/expert_bid_counts.py --rules standard solo-sim [hands] [seed ...]
    scripts/expert_bid_counts.py --rules standard --traces TRACE ...

Under the Classic rules the count is the Classic rules' count and the bid a Solo or a Misere;
under the Standard rules (the rows of kExpertShownCalls) the count is taken with the suit turned
up, and a seat's call is the highest it made in the auction: a Proposal, an Acceptance, a Solo or
a Misere. `--traces` reads traces of four Experts already played (`solo-sim --trace`) instead of
playing.

A seat shows its bid only when no other computer seat's offer beats it, which its own count
barely changes, so the share a count shows a bid is in proportion to how likely that bid makes
the count: what the layouts an Expert imagines are kept by.
"""
import json
import subprocess
import sys
import tempfile
from collections import Counter

CODES = {"classic": {1: "kSolo", 2: "kMisere"},
         "standard": {1: "kProposal", 2: "kAcceptance", 3: "kStandardSolo", 4: "kStandardMisere"}}


def tally_trace(path, seen, shown, pooled_from=17):
    for line in open(path, encoding="utf-8"):
        hand = json.loads(line)
        # Each seat's highest bid or call (under the Classic rules a seat speaks once).
        highest = {}
        for seat, code in hand["bids"]:
            highest[seat] = max(highest.get(seat, 0), code)
        for place, seat in enumerate((1, 2, 3)):
            count = min(hand["points"][place], 16, pooled_from)
            seen[count] += 1
            shown[highest.get(seat, 0), count] += 1


def tally(sim, rules, hands, seed, seen, shown, pooled_from):
    with tempfile.NamedTemporaryFile(suffix=".jsonl") as trace:
        subprocess.run([sim, "--rules", rules, "--hands", str(hands), "--seed", str(seed), "--trace", trace.name,
                        "--quiet", "--south", "expert", "--west", "expert", "--north", "expert", "--east", "expert"],
                       check=True, stdout=subprocess.DEVNULL)
        tally_trace(trace.name, seen, shown, pooled_from)


def main():
    args = sys.argv[1:]
    rules = "classic"
    if args[:1] == ["--rules"]:
        rules, args = args[1], args[2:]
    # Under the Standard rules few hands count 12 or more (9 in 4,800): they are measured together.
    pooled_from = 12 if rules == "standard" else 17
    seen, shown = Counter(), Counter()
    if args[:1] == ["--traces"]:
        for path in args[1:]:
            tally_trace(path, seen, shown, pooled_from)
    else:
        sim = args[0]
        hands = int(args[1]) if len(args) > 1 else 500
        for seed in args[2:] or ["9943"]:
            tally(sim, rules, hands, seed, seen, shown, pooled_from)
    codes = CODES[rules]
    print(f"{sum(seen.values())} seat-hands; " +
          ", ".join(f"{sum(n for (c, _), n in shown.items() if c == code)} {name} shown" for code, name in codes.items()))
    for code, name in codes.items():
        share = [shown[code, c] / seen[c] if seen[c] else 0 for c in (min(count, pooled_from) for count in range(17))]
        top = max(share) or 1
        print(f"    {{{name}, {{" + ", ".join(f"{s / top:.3g}" for s in share) + "}},")


if __name__ == "__main__":
    main()
