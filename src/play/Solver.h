#pragma once
// An exact solver for a hand whose cards are all known (a "double-dummy" position): can the
// declarer reach the contract's goal against the best defence, whatever is left to play?
// The strongest card-game programs decide by solving many such layouts of the unseen cards;
// this is the solver they ask. Pure: it works on its own compact position, not on the game.
#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "state/CardSets.h"

namespace solo {

// A position for the solver. Cards are bits 0-51 in pack order (bit n - 1 for card n): a suit's
// thirteen cards are neighbouring bits, Two to Ace; suits 0-3 are Diamonds, Clubs, Hearts, Spades.
struct SolverPosition {
  std::array<std::uint64_t, 4> hands{};  // the cards each seat still holds
  int trumps = -1;                       // the trump suit 0-3, or -1 for no trumps
  int leader = 0;                        // the seat that led (or is to lead) the current trick
  int played = 0;                        // cards already in the current trick (0-3)
  std::array<int, 3> trick{};            // those cards' bit numbers, in playing order
  int declarer = 0;
  int partner = -1;                      // the declarer's partner in a contract of two, or -1
  int declarerTricks = 0;                // tricks the declarer (and partner) have taken so far
};

// The seats of the declaring side, one bit each.
constexpr int SideOf(const SolverPosition& p) { return (1 << p.declarer) | (p.partner >= 0 ? 1 << p.partner : 0); }

// The position once the seat to play has played `card` (a bit number): the trick grows, or,
// complete, goes to its winner, who leads the next.
SolverPosition AfterCard(const SolverPosition& p, int card);

// The declarer's goal: to take at least `target` tricks in all (Solo 5, Abundance 9, Abundance
// Declared 13), or, to lose, to take no trick at all (Misere, Misere Open).
struct SolverGoal {
  bool toLose = false;
  int target = 0;
};

class Solver {
 public:
  Solver();
  // Whether the declarer reaches the goal with best play from both sides.
  bool Reaches(const SolverPosition& position, const SolverGoal& goal);
  // For the seat to play now: each card it may play (one of each run of equivalent cards),
  // whether the goal is still reached after it, with best play afterwards, and the declarer's
  // tricks in all then, known exactly within `kTrickMargin` of the target (beyond that, the
  // margin's edge). A goal to take no trick has no tricks to count (-1).
  static constexpr int kTrickMargin = 1;
  struct CardResult {
    int card;  // bit number
    bool reaches;
    int tricks = -1;
  };
  std::vector<CardResult> Cards(const SolverPosition& position, const SolverGoal& goal);
  // Positions searched since the solver was made (for the benchmarks).
  long nodes() const { return nodes_; }
  // A limit on the positions one call may search (0: none). A call that reaches it gives up:
  // aborted() is then true until the next call, and its answer means nothing.
  void SetNodeLimit(long limit) { limit_ = limit; }
  // With a limit set, no call searches on once nodes() passes `nodes` (0: no such bound), so
  // that several calls together stay within one budget.
  void SetNodeCeiling(long nodes) { ceiling_ = nodes; }
  bool aborted() const { return aborted_; }
  // While `stop` is set, any call gives up soon, as at its limit (a window closed meanwhile).
  void SetStop(const std::atomic<bool>* stop) { stop_ = stop; }
  // Forgets every position it has solved, and from then on searches exactly as a new solver
  // would. What it remembers changes how many positions a later search visits, so a player whose
  // searches are cut short by a node limit forgets at each deal to decide the same way whenever
  // the hand is played (again after a card is taken back, or resumed in a new run).
  void Forget();

 private:
  // A fact learnt of a position, for every position of its shape whose top cards lie the same.
  struct Entry {
    std::uint64_t shape = 0;
    // The owners of each suit's top cards the fact depends on, and how many those are (four
    // bits a suit).
    std::array<std::uint32_t, 4> owners{};
    std::uint16_t depths = 0;
    std::int8_t tricks = 0;  // the declarer's further tricks: at least this, or at most
    bool atLeast = false;
    // The lead that settled it (its suit, and its place from the top among the suit's cards in
    // play), or -1: tried first in a position of the same shape the fact does not settle.
    std::int8_t lead = -1;
  };
  // `side`: the declaring side's seats, one bit each. `relevant` gets the cards in play whose
  // owners the answer depends on (with every card above them in their suit).
  bool Search(std::array<std::uint64_t, 4>& hands, int leader, int played, std::array<int, 4>& trick, int toLose,
              int need, int side, int trumps, std::uint64_t& relevant);
  std::vector<std::uint16_t> tags_;  // a few bits of each entry's shape
  std::vector<Entry> table_;
  // The places each bucket has filled since the solver last forgot: a bucket fills from its
  // first place, so a search reads no further than this.
  std::vector<std::uint8_t> filled_;
  long nodes_ = 0;
  long forgotAt_ = 0;  // `nodes_` when it last forgot: the table's places are taken in turn from there
  long limit_ = 0, stopAt_ = 0, ceiling_ = 0;
  bool aborted_ = false;
  const std::atomic<bool>* stop_ = nullptr;
};

}  // namespace solo
