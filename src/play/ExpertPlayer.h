#pragma once
// The Expert computer player: it chooses its card by imagining layouts of the cards it cannot
// see (consistent with all it knows), solving each exactly for the contract's goal, and playing
// the card that reaches its side's goal in the most layouts; on a tie, the Classic rule's card.
// It bids the same way: it values each contract a computer may bid by the share of imagined
// layouts in which it would make it, and bids the highest one it makes often enough.
#include <cstdint>
#include <random>

#include "play/Players.h"
#include "play/Solver.h"

namespace solo {

class ExpertPlayer : public SeatPlayer {
 public:
  // `seed` starts its own random stream (apart from the deal's); `samples` is its strength:
  // the layouts it imagines for each decision.
  ExpertPlayer(std::uint64_t seed, int samples) : random_(seed), samples_(samples < 1 ? 1 : samples) {
    // A layout too hard to solve within this many positions is left out of the decision.
    solver_.SetNodeLimit(100000);
  }

  int OfferBid(Game& g, int seat) override;
  int Bid(Game& g, int seat) override;
  int Trumps(Game& g, int seat) override { return classic_.Trumps(g, seat); }
  int Card(Game& g, int seat, int position, bool playToLose) override;
  // Decisions made, and the longest one took, in seconds (for the measurements).
  long decisions() const { return decisions_; }
  double slowest() const { return slowest_; }

  // A contract is bid when it is made in at least this share of the imagined layouts.
  static constexpr double kBidConfidence = 0.6;

 private:
  // The highest contract the seat would make often enough (0 to pass).
  int ValueHand(Game& g, int seat);

  ComputerPlayer classic_;
  std::mt19937_64 random_;
  int samples_;
  Solver solver_;
  long decisions_ = 0;
  double slowest_ = 0;
};

// The goal of the contract the declarer `seat` plays: at least 5, 9 or 13 tricks, or none.
SolverGoal GoalOf(const GameState& s, int declarer);

}  // namespace solo
