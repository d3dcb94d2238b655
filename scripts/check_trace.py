#!/usr/bin/env python3
"""Checks every trick of a hand trace (solo-sim --trace) against the rules, independently of
the game's code: each card was in its player's hand and not played before, every player
followed suit when able, and the trick went to the highest trump or the highest card of the
suit led. A hand of the Standard rules is checked further: the turned-up card is the dealer's and
names the trumps dealt, every call of the auction was allowed and the auction ends in the
contract recorded, the first trick is led by the right seat, and the result and the units agree
with the tricks (units summing to zero). Prints a summary; exits 1 on the first broken rule.

    scripts/check_trace.py trace.jsonl
"""
import json
import sys


def suit(card):
    return (card - 1) // 13


PASS, PROPOSAL, ACCEPTANCE, SOLO = 0, 1, 2, 3
# Target tricks (None: to take none), units, trumps ("up": turned up, "none", "named").
CONTRACTS = {2: (8, 1, "up"), 3: (5, 1, "up"), 4: (None, 2, "none"), 5: (9, 3, "named"),
             6: (9, 3, "up"), 7: (None, 4, "none"), 8: (13, 6, "none")}


def auction(dealer, calls):
    """Plays the calls by the Standard rules; returns (contract, declarer, partner) or an error."""
    eldest = (dealer + 1) % 4
    out, standing, declarer, partner = [False] * 4, PASS, None, None
    late, raising = False, False
    turn = eldest

    def may_call(seat):
        if raising:
            return seat == declarer
        if seat in (declarer, partner):
            return False
        return not out[seat] or (seat == eldest and late and standing == PROPOSAL)

    for seat, call in calls:
        if turn is None or seat != turn:
            return f"seat {seat} called out of turn"
        if call == PASS:
            ok = True
        elif raising:
            ok = call >= SOLO
        elif out[seat]:
            ok = call == ACCEPTANCE
        elif call == ACCEPTANCE:
            ok = standing == PROPOSAL
        elif call == PROPOSAL:
            ok = standing == PASS
        else:
            ok = SOLO <= call <= 8 and call > standing
        if not ok:
            return f"seat {seat} may not call {call}"
        if call == PASS:
            if raising:
                declarer, standing, raising = None, PASS, False
                out[seat] = True
            elif out[seat]:
                late = False
            else:
                out[seat] = True
                late = late or (seat == eldest and standing == PASS)
        elif call == ACCEPTANCE:
            partner, standing, late, out[seat] = seat, ACCEPTANCE, False, False
        else:
            if not raising:
                declarer, partner = seat, None
            raising, standing = False, call
            late = late and call == PROPOSAL
        turn = next((s for s in ((seat + k) % 4 for k in range(1, 5)) if may_call(s)), None)
        if turn is None and standing == PROPOSAL and not raising:
            raising, turn = True, declarer
    if turn is not None:
        return "the auction is not over"
    return standing, declarer, partner


def check_standard(hand, where, before):
    dealer, up = hand["dealer"], hand["turned_up"]
    if up not in hand["hands"][dealer] or suit(up) != hand["trumps_dealt"] - 4:
        return "the turned-up card is not the dealer's, or not the trumps dealt"
    result = auction(dealer, hand["bids"])
    if isinstance(result, str):
        return result
    contract, declarer, partner = result
    if declarer is None:
        return None if hand["result"] == "passed" and hand["contract"] == 0 else "a thrown-in hand was played"
    if (contract, declarer, -1 if partner is None else partner) != (hand["contract"], hand["declarer"], hand["partner"]):
        return f"the auction gives {contract} by {declarer} and {partner}, not what was recorded"
    target, units, trumps = CONTRACTS[contract]
    wanted = {"up": hand["trumps_dealt"], "none": 8}.get(trumps)
    if wanted is not None and hand["trumps"] != wanted:
        return f"played in trumps {hand['trumps']}"
    first = declarer if contract == 8 else (dealer + 1) % 4
    if hand["tricks"] and hand["tricks"][0]["leader"] != first:
        return f"the first trick was led by {hand['tricks'][0]['leader']}, not {first}"
    side = sum(1 for t in hand["tricks"] if t["winner"] in (declarer, partner))
    others = len(hand["tricks"]) - side
    if target is None:
        made = side == 0 and len(hand["tricks"]) == 13
        settled = made or side > 0
    else:
        made = side >= target
        settled = made or others > 13 - target
    if not settled or hand["result"] != ("made" if made else "failed"):
        return f"the tricks give {'made' if made else 'failed' if settled else 'no result'}, not {hand['result']}"
    each = units if made else -units
    expected = [-each] * 4
    expected[declarer] = each if partner is not None else 3 * each
    if partner is not None:
        expected[partner] = each
    if before is not None and [a - b for a, b in zip(hand["points_after"], before)] != expected:
        return f"units {[a - b for a, b in zip(hand['points_after'], before)]}, not {expected}"
    return None


def check(path):
    hands = tricks = standard = 0
    before = None
    with open(path, encoding="utf-8") as trace:
        for number, line in enumerate(trace, 1):
            hand = json.loads(line)
            if hand.get("rules") == "standard":
                problem = check_standard(hand, number, before)
                if problem:
                    sys.exit(f"line {number}, hand {hand['hand']}: {problem}")
                standard += 1
            before = hand["points_after"]
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
    rules = f" ({standard} by the Standard rules: auction, trumps, leader, result and units)" if standard else ""
    print(f"{path}: {hands} hands{rules}, {tricks} tricks, every card legal and every trick to its winner")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    check(sys.argv[1])
