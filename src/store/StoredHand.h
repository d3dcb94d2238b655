#pragma once
// One row of the history's hands table, column by column, and how a HandRecord is written into
// one and read back. A row read back is checked field by field: the database may have been
// edited or damaged, and a row that does not hold together is marked so (HandRecord::damage)
// rather than trusted by the replay, the export or the statistics.
#include <array>
#include <string>

#include "store/HandRecord.h"

namespace solo {

struct StoredHand {
  long long id = 0, run = 0;
  std::string played;
  long long seed = 0, hand = 0, dealer = 0, goulash = 0;
  std::string dealt;  // the 52 cards dealt, South's 13 first, as numbers parted by blanks
  long long trumpsDealt = 0;
  std::string counts, bids;  // three counts; seat and bid code pairs
  long long declarer = 0, contract = 0, trumps = 0;
  std::string tricks;  // leader, four cards, winner for each trick
  std::string result, pointsAfter;
  std::array<std::string, 4> names;
  std::string levels;
  long long takeBacks = 0;
  std::string rules = "classic";
  long long partner = -1, turnedUp = 0;
};

// Fills `row` from the hand (its text fields are cleared first, so one row can be reused).
void EncodeHand(const HandRecord& hand, StoredHand& row);
// The hand a row holds; HandRecord::damage says what is wrong with it, if anything.
HandRecord DecodeHand(const StoredHand& row);
// What is wrong with a hand (empty when nothing): every card, seat, bid, trick and result in
// range and consistent with the deal.
std::string CheckHand(const HandRecord& hand);

}  // namespace solo
