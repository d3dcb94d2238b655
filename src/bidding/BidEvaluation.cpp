#include "bidding/BidEvaluation.h"

#include "bidding/BidLadder.h"

namespace solo {

namespace {

// A half point keeps the total whole: it is rounded at once, a half to the even neighbour, so
// it raises an odd total by one and leaves an even one.
Integer AddHalf(Integer p) { return RoundHalfEven(p + 0.5); }

bool Holds(const GameState& s, int seat, int suit, int value) {
  return s.Pack[(suit - kDiamonds) * kCardsPerSuit + value - 1].Owner == seat;
}

}  // namespace

BidPointCount CountBidPoints(const GameState& s, int seat) {
  const int trumps = s.IntTrumps;
  int length[4] = {0, 0, 0, 0};
  for (int n = 1; n <= kCards; ++n)
    if (s.Pack[n].Owner == seat) ++length[s.Pack[n].Suit - kDiamonds];
  const int trumpLength = IsSuit(trumps) ? length[trumps - kDiamonds] : 0;

  Integer p = 0;
  for (int n = 1; n <= kCards; ++n) {
    if (s.Pack[n].Owner != seat) continue;
    const int v = s.Pack[n].Value;
    if (v == kAce || v == kKing || v == kQueen) ++p;
    if (v == kJack) p = AddHalf(p);
  }
  for (int suit = kDiamonds; suit <= kSpades; ++suit) {
    if (Holds(s, seat, suit, kJack) && Holds(s, seat, suit, kQueen) && Holds(s, seat, suit, kKing) &&
        Holds(s, seat, suit, kAce))
      p += suit == trumps ? 2 : 1;
  }
  for (int suit = kDiamonds; suit <= kSpades; ++suit) {
    if (suit == trumps) continue;
    if (length[suit - kDiamonds] == 1) p += 1;
    if (length[suit - kDiamonds] == 0) p += 2;
  }
  for (int suit = kDiamonds; suit <= kSpades; ++suit)
    if (suit != trumps && length[suit - kDiamonds] == 2) p = AddHalf(p);
  if (IsSuit(trumps) && Holds(s, seat, trumps, kAce) && Holds(s, seat, trumps, kKing) &&
      Holds(s, seat, trumps, kQueen))
    p += 1;
  if (trumpLength >= 5) p += trumpLength - 4;
  if (trumpLength >= 10) p += 4;

  BidPointCount count;
  for (int suit = kDiamonds; suit <= kSpades; ++suit) {
    if (length[suit - kDiamonds] < 10) continue;
    if (trumpLength <= 2) p -= 2;
  }
  for (int suit = kDiamonds; suit <= kSpades; ++suit) {
    if (length[suit - kDiamonds] < 10) continue;
    // In effect a ten-card trump suit gains one here and a ten-card side suit loses one.
    p -= 2;
    if (suit == trumps) p += 2;
    p += 1;
    count.longSuit = static_cast<Integer>(suit);
  }
  count.points = p;
  return count;
}

void BotsBidsPoints(GameState& s, int seat) {
  s.StrPlayerName[kSouth] = s.StrUserName;
  const BidPointCount count = CountBidPoints(s, seat);
  s.IntBidPoints[seat] = count.points;
  if (count.longSuit >= 0) s.IntNewTrumps = count.longSuit;
}

int BidForPoints(int points) {
  if (points >= 14) return kAbundanceDeclared;
  if (points >= 9) return kAbundanceTrumps;
  if (points >= 5) return kSolo;
  if (points <= 0) return kMisere;
  return kPass;
}

}  // namespace solo
