#include "game/HandAnalysis.h"

#include "game/Replay.h"
#include "play/ExpertPlayer.h"

namespace solo {

HandAnalysis AnalyseHand(const HandRecord& hand, Solver& solver, long nodeLimit, const std::atomic<bool>* stop) {
  HandAnalysis analysis;
  const Contract& contract = ContractOf(hand);
  if (!hand.damage.empty() || hand.declarer < 0 || hand.declarer >= kSeats || hand.contract <= 0 ||
      contract.code == kPass || hand.tricks.empty())
    return analysis;
  const SolverGoal goal{contract.toLose, contract.target};
  SolverPosition p;
  for (int seat = 0; seat < kSeats; ++seat)
    for (int card : hand.hands[seat])
      if (card >= 1 && card <= kCards) p.hands[seat] |= std::uint64_t{1} << (card - 1);
  p.trumps = SuitPlace(hand.trumps);
  p.declarer = hand.declarer;
  p.partner = hand.partner >= 0 && hand.partner < kSeats ? hand.partner : -1;
  solver.SetNodeLimit(nodeLimit);
  solver.SetStop(stop);
  analysis.complete = true;
  bool known = true;  // whether the last answer was found
  const auto solve = [&](const SolverPosition& at) {
    const bool reaches = solver.Reaches(at, goal);
    known = !solver.aborted();
    analysis.complete = analysis.complete && known;
    return reaches;
  };
  for (std::size_t t = 0; t < hand.tricks.size(); ++t) {
    if (stop && stop->load(std::memory_order_relaxed)) {
      analysis.complete = false;
      break;
    }
    const TrickRecord& trick = hand.tricks[t];
    p.leader = trick.leader;
    p.played = 0;
    bool reaches = solve(p);
    for (int place = 0; place < 4; ++place) {
      CardVerdict v;
      v.trick = static_cast<int>(t), v.place = place;
      v.seat = (trick.leader + place) % kSeats;
      v.card = trick.cards[place];
      v.before = reaches;
      v.known = known;
      const SolverPosition at = p;
      p.hands[v.seat] &= ~(std::uint64_t{1} << (v.card - 1));
      if (place < 3) {
        p.trick[place] = v.card - 1;
        p.played = place + 1;
      } else {
        p.leader = trick.winner;
        p.played = 0;
        p.declarerTricks += SideOf(p) >> trick.winner & 1;
      }
      v.after = solve(p);
      v.known = v.known && known;
      if (v.changed()) {
        for (const Solver::CardResult& r : solver.Cards(at, goal))
          if (r.reaches == v.before) {
            v.better = r.card + 1;
            break;
          }
        // With no card found the search for one was cut short: not every position was solved.
        analysis.complete = analysis.complete && v.better != 0;
      }
      reaches = v.after;
      analysis.cards.push_back(v);
    }
  }
  solver.SetStop(nullptr);
  return analysis;
}

std::string VerdictWords(const HandRecord& hand, const CardVerdict& v) {
  const std::string name = SeatName(hand, v.seat);
  const std::string contract = ContractOf(hand).name;
  const bool declarer = Declares(hand, v.seat);
  std::string words = name + "'s " + CardWords(v.card) + (declarer ? " lost the " : " let the ") + contract +
                      (declarer ? "" : " through");
  if (v.better) words += ": the " + CardWords(v.better) + (declarer ? " makes it" : " beats it");
  return words;
}

}  // namespace solo
