#include "play/ExpertPlayer.h"

#include <algorithm>
#include <bit>
#include <chrono>

#include "bidding/BidLadder.h"
#include "bidding/UserBid.h"
#include "play/CardQueries.h"
#include "play/Sampler.h"

namespace solo {

namespace {

// A decision starts no new layout once this much time has gone.
constexpr double kBudgetSeconds = 0.15;

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

SolverGoal GoalOf(const GameState& s, int declarer) {
  switch (declarer >= 0 && declarer < kSeats ? HighestKind(s, declarer) : kPass) {
    case kSolo: return {false, 5};
    case kMisere:
    case kMisereOpen: return {true, 0};
    case kAbundanceOpen:
    case kAbundanceTrumps: return {false, 9};
    case kAbundanceDeclared: return {false, 13};
    default: return {false, 0};
  }
}

int ExpertPlayer::ValueHand(Game& g, int seat) {
  GameState& s = g.s;
  const auto start = std::chrono::steady_clock::now();
  // The contracts a computer seat may bid, from the highest: the trumps each would play with,
  // and its goal.
  struct Contract {
    int code, trumps;
    SolverGoal goal;
  };
  const int trumps = IsSuit(s.IntTrumps) ? s.IntTrumps - kDiamonds : -1;
  const Contract contracts[] = {{kAbundanceDeclared, -1, {false, 13}},
                                {kAbundanceTrumps, trumps, {false, 9}},
                                {kMisere, -1, {true, 0}},
                                {kSolo, trumps, {false, 5}}};
  std::array<int, 4> made{};
  int layouts = 0;
  SolverPosition p;
  p.leader = s.IntLeader;
  p.declarer = seat;
  for (int sample = 0; sample < samples_; ++sample) {
    if (sample > 0 && Seconds(start) > kBudgetSeconds) break;
    if (!SampleLayout(s, seat, random_, p.hands)) break;
    ++layouts;
    for (int i = 0; i < 4; ++i) {
      p.trumps = contracts[i].trumps;
      const bool reaches = solver_.Reaches(p, contracts[i].goal);
      if (!solver_.aborted() && reaches) ++made[i];
    }
  }
  slowest_ = std::max(slowest_, Seconds(start));
  for (int i = 0; i < 4; ++i)
    if (layouts > 0 && made[i] >= kBidConfidence * layouts) return contracts[i].code;
  return kPass;
}

int ExpertPlayer::OfferBid(Game& g, int seat) {
  // The point count is still made: the table shows it, and it finds the long suit.
  classic_.OfferBid(g, seat);
  return ValueHand(g, seat);
}

int ExpertPlayer::Bid(Game& g, int seat) {
  const int bid = ValueHand(g, seat);
  return UsersBidRefused(g.s, bid) ? kPass : bid;
}

int ExpertPlayer::Card(Game& g, int seat, int position, bool playToLose) {
  const GameState& s = g.s;
  const int classic = classic_.Card(g, seat, position, playToLose);
  const std::uint64_t legal = LegalCards(s, seat, position);
  const int declarer = s.IntBidder;
  if (std::popcount(legal) <= 1 || declarer < 0 || declarer >= kSeats) return classic;
  ++decisions_;
  const auto start = std::chrono::steady_clock::now();
  const SolverGoal goal = GoalOf(s, declarer);
  const bool declaring = seat == declarer;

  // How often each legal card (by bit) keeps this seat's side on course for its goal.
  std::array<int, kCards> score{};
  SolverPosition p;
  p.trumps = IsSuit(s.IntTrumps) ? s.IntTrumps - kDiamonds : -1;
  p.leader = s.trick[0].seat;
  p.played = position - 1;
  for (int i = 0; i < p.played; ++i) p.trick[i] = s.trick[i].card - 1;
  p.declarer = declarer;
  p.declarerTricks = s.IntTricksWon[declarer];
  // The decision keeps to its time: once the budget is spent no further layout is begun.
  for (int sample = 0; sample < samples_; ++sample) {
    if (sample > 0 && Seconds(start) > kBudgetSeconds) break;
    if (!SampleLayout(s, seat, random_, p.hands)) break;
    std::uint64_t inPlay = p.hands[0] | p.hands[1] | p.hands[2] | p.hands[3];
    for (int i = 0; i < p.played; ++i) inPlay |= std::uint64_t{1} << p.trick[i];
    for (const Solver::CardResult& r : solver_.Cards(p, goal)) {
      if (r.reaches != declaring) continue;
      // The solver answers once for a run of cards that play alike: the seat's cards below it
      // in the suit down to the next card held by another seat or lying on the table.
      const int suitBase = r.card / kCardsPerSuit * kCardsPerSuit;
      for (int c = r.card; c >= suitBase; --c) {
        const std::uint64_t bit = std::uint64_t{1} << c;
        if (p.hands[seat] & bit)
          ++score[c];
        else if (inPlay & bit)
          break;
      }
    }
  }
  int best = classic >= 1 && (legal >> (classic - 1) & 1) ? classic - 1 : std::countr_zero(legal);
  for (std::uint64_t rest = legal; rest; rest &= rest - 1) {
    const int c = std::countr_zero(rest);
    if (score[c] > score[best]) best = c;
  }
  slowest_ = std::max(slowest_, Seconds(start));
  return best + 1;
}

}  // namespace solo
