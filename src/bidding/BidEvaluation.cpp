#include "bidding/BidEvaluation.h"

#include <bit>

#include "bidding/BidLadder.h"


namespace solo {

namespace {

// A half point keeps the total whole: it is rounded at once, a half to the even neighbour, so
// it raises an odd total by one and leaves an even one.
int AddHalf(int p) { return (p + (p & 1)); }

constexpr std::uint64_t kHonours = RankBit(kJack) | RankBit(kQueen) | RankBit(kKing) | RankBit(kAce);
constexpr std::uint64_t kTopThree = RankBit(kQueen) | RankBit(kKing) | RankBit(kAce);

}  // namespace

BidPointCount CountBidPoints(const GameState& s, int seat) {
  return CountBidPoints(seat >= 0 && seat < kSeats ? s.Hand[seat] : 0, s.trumps);
}

BidPointCount CountBidPoints(std::uint64_t hand, int trumps) {
  std::uint64_t suitCards[4];
  int length[4];
  for (int i = 0; i < 4; ++i) {
    suitCards[i] = (hand >> SuitShift(kDiamonds + i)) & kSuitBits;
    length[i] = kSuitLengths[suitCards[i]];
  }
  const int trumpLength = IsSuit(trumps) ? length[trumps - kDiamonds] : 0;

  int p = 0;
  // High cards in pack order: within a suit the Jack comes before Queen, King and Ace, so its
  // half point meets the total of the suits before it only.
  for (int i = 0; i < 4; ++i) {
    if (suitCards[i] & RankBit(kJack)) p = AddHalf(p);
    p += kSuitLengths[suitCards[i] & kTopThree];
  }
  for (int i = 0; i < 4; ++i)
    if ((suitCards[i] & kHonours) == kHonours) p += kDiamonds + i == trumps ? 2 : 1;
  for (int i = 0; i < 4; ++i) {
    if (kDiamonds + i == trumps) continue;
    if (length[i] == 1) p += 1;
    if (length[i] == 0) p += 2;
  }
  for (int i = 0; i < 4; ++i)
    if (kDiamonds + i != trumps && length[i] == 2) p = AddHalf(p);
  if (IsSuit(trumps) && (suitCards[trumps - kDiamonds] & kTopThree) == kTopThree) p += 1;
  if (trumpLength >= 5) p += trumpLength - 4;
  if (trumpLength >= 10) p += 4;

  BidPointCount count;
  for (int i = 0; i < 4; ++i)
    if (length[i] >= 10 && trumpLength <= 2) p -= 2;
  for (int i = 0; i < 4; ++i) {
    if (length[i] < 10) continue;
    // In effect a ten-card trump suit gains one here and a ten-card side suit loses one.
    p -= 2;
    if (kDiamonds + i == trumps) p += 2;
    p += 1;
    count.longSuit = kDiamonds + i;
  }
  count.points = p;
  return count;
}

void BotsBidsPoints(GameState& s, int seat) {
  const BidPointCount count = CountBidPoints(s, seat);
  s.bidPoints[seat] = count.points;
  if (count.longSuit >= 0) s.newTrumps = count.longSuit;
}

int BidForPoints(int points) {
  if (points >= 14) return kAbundanceDeclared;
  if (points >= 9) return kAbundanceTrumps;
  if (points >= 5) return kSolo;
  if (points <= 0) return kMisere;
  return kPass;
}

int LongestSuit(const GameState& s, int seat) { return LongestSuit(seat >= 0 && seat < kSeats ? s.Hand[seat] : 0); }

int LongestSuit(std::uint64_t hand) {
  int best = kDiamonds;
  for (int suit = kClubs; suit <= kSpades; ++suit)
    if (std::popcount(hand & SuitMask(suit)) > std::popcount(hand & SuitMask(best))) best = suit;
  return best;
}

}  // namespace solo
