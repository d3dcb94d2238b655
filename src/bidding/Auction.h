#pragma once
// The auction of the Standard rules: from the dealer's left each seat in turn bids higher than
// the standing bid or passes, round and round, until the last bid has been passed by the others.
// A seat that has passed is out, except that the seat on the dealer's left, having passed before
// anybody proposed, may still accept a Proposal while nothing but the Proposal has been bid. A
// Proposal nobody accepts comes back to its proposer, who raises it to Solo or higher or drops
// it. When every seat passes the hand is thrown in. Pure rules on plain data: the table, the
// players and the simulator all call them.
#include <array>
#include <vector>

#include "state/Contracts.h"
#include "state/Types.h"

namespace solo {

struct Auction {
  explicit Auction(int dealerSeat);

  int dealer;
  int turn;                       // the seat to call now; kNoSeat once the auction is over
  int standing = kStandardPass;   // the highest bid made so far (kAcceptance once accepted)
  int declarer = kNoSeat;         // who made it (the proposer of a Proposal)
  int partner = kNoSeat;          // who accepted a Proposal
  std::array<bool, kSeats> out{};  // passed, and so out of the auction
  // The dealer's left passed before any Proposal and may still accept one.
  bool lateAcceptance = false;
  // An unaccepted Proposal has come back to its proposer, who must raise it or drop it.
  bool proposerToRaise = false;
  std::vector<std::array<int, 2>> calls;  // seat and call, in order

  bool over() const { return turn == kNoSeat; }
  bool thrownIn() const { return over() && declarer == kNoSeat; }
  // Whether the seat to call may make `call` now.
  bool Allows(int call) const;
  // Makes the call of the seat whose turn it is; a call it may not make is refused (false).
  bool Call(int call);

 private:
  int eldest() const { return NextSeat(dealer); }
  bool MayCall(int seat) const;
  void PassTurn();
};

// What the hand is played as once the auction is over (the trumps of an Abundance are named by
// its declarer afterwards: `trumps` is then kTrumpsNotSet).
struct StandardDeal {
  int contract = kStandardPass;  // kStandardPass: thrown in
  int declarer = kNoSeat, partner = kNoSeat;
  int trumps = kTrumpsNotSet;
  int leader = kNoSeat;
};
StandardDeal AuctionResult(const Auction& auction, int turnedUpSuit);

// Whether the declaring side (the declarer, and the partner of a Proposal and Acceptance) has
// made or failed its contract with the tricks taken so far, or it is still open.
enum class StandardOutcome { Open, Made, Failed };
StandardOutcome DecideStandard(const StandardDeal& deal, const std::array<int, kSeats>& tricksWon);
// The units each seat wins (or pays, below 0) for a settled contract: every defender pays the
// declarer, or the declarer each defender; in a Proposal and Acceptance each defender pays one
// partner. They always sum to zero.
std::array<int, kSeats> StandardUnits(const StandardDeal& deal, bool made);

}  // namespace solo
