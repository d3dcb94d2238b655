#pragma once
// The seven bid kinds, their order and what they are worth; the per-seat bid records; and the
// procedures that withdraw a bid once a higher one has beaten it.
#include "state/GameState.h"
#include "store/HandRecord.h"
#include "table/Game.h"

namespace solo {

// A bid's code is also the index of its option on the user's bid panel; a higher code is a
// higher bid.
enum BidCode : int {
  kPass = 0,
  kSolo = 1,
  kMisere = 2,
  kAbundanceOpen = 3,
  kAbundanceTrumps = 4,
  kMisereOpen = 5,
  kAbundanceDeclared = 6,
};
constexpr int kBidKinds = 7;
static_assert(kBidKinds == kHighestBidCode + 1, "the hand history checks bid codes against the ladder");

// The contracts' names, for statistics and summaries.
constexpr const char* kContractNames[kBidKinds] = {"Pass",           "Solo",        "Misere",
                                                   "Abundance Open", "Abundance Trumps", "Misere Open",
                                                   "Abundance Declared"};

// Units won from (or paid to) each other seat.
constexpr int kUnits[kBidKinds] = {0, 1, 2, 3, 3, 4, 6};

// The kind flags of a bid code (1-6).
PerSeat<bool>& KindFlags(GameState& s, int code);
const PerSeat<bool>& KindFlags(const GameState& s, int code);
// The highest kind the seat holds, or kPass.
int HighestKind(const GameState& s, int seat);

void RemoveSoloBid(Game& g);
void RemoveMisereBid(Game& g);
void RemoveAbundanceOpenBid(Game& g);
void RemoveAbundanceTrumpsBid(Game& g);
// Marks the other two computer seats as out of the bidding.
void PassOtherBots(GameState& s, int bidder);

}  // namespace solo
