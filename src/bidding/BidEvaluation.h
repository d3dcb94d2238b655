#pragma once
// How a computer player values its hand: one fixed point count against the trumps of the deal.
#include "table/Game.h"

namespace solo {

struct BidPointCount {
  int points = 0;
  // The suit of ten or more cards the seat holds, or -1.
  int longSuit = -1;
};

// The count for any seat's hand, changing nothing; and for any 13 cards against any trumps.
BidPointCount CountBidPoints(const GameState& s, int seat);
BidPointCount CountBidPoints(std::uint64_t hand, int trumps);
// Counts a computer seat's hand into bidPoints, and records a suit of ten or more cards in
// newTrumps.
void BotsBidsPoints(GameState& s, int seat);
// The bid a count gives: 14 or more Abundance Declared, 9-13 Abundance Trumps, 5-8 Solo,
// 0 or less Misere, 1-4 none.
int BidForPoints(int points);
// The suit the seat holds most cards of (the lowest suit on a tie): the trumps the computer
// names for an Abundance.
int LongestSuit(const GameState& s, int seat);
int LongestSuit(std::uint64_t hand);

}  // namespace solo
