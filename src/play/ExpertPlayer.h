#pragma once
// The Expert computer player: it chooses its card by imagining layouts of the cards it cannot
// see (consistent with all it knows), solving each exactly for the contract's goal, and playing
// the card that reaches its side's goal in the most layouts; on a tie, the Classic rule's card.
// It bids as the Classic player does.
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

  int OfferBid(Game& g, int seat) override { return classic_.OfferBid(g, seat); }
  int Bid(Game& g, int seat) override { return classic_.Bid(g, seat); }
  int Trumps(Game& g, int seat) override { return classic_.Trumps(g, seat); }
  int Card(Game& g, int seat, int position, bool playToLose) override;
  // Decisions made, and the longest one took, in seconds (for the measurements).
  long decisions() const { return decisions_; }
  double slowest() const { return slowest_; }

 private:
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
