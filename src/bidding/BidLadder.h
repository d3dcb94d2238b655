#pragma once
// The per-seat bid records, and the procedures that withdraw a bid once a higher one has beaten
// it. The contracts themselves are rows of state/Contracts.h.
#include "state/GameState.h"
#include "state/Contracts.h"

namespace solo {

// The kind flags of a bid code (1-6).
PerSeat<bool>& KindFlags(GameState& s, int code);
const PerSeat<bool>& KindFlags(const GameState& s, int code);
// The highest kind the seat holds, or kPass.
int HighestKind(const GameState& s, int seat);

// The rule step of a beaten bid: the first seat, South to East, that announced a bid of the
// kind withdraws it and is out of the bidding. Returns that seat, or kNoSeat.
int WithdrawBid(GameState& s, int code);
// Marks the other two computer seats as out of the bidding.
void PassOtherBots(GameState& s, int bidder);

}  // namespace solo
