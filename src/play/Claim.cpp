#include "play/Claim.h"

#include "bidding/BidLadder.h"
#include "play/ExpertPlayer.h"

namespace solo {

namespace {

// The position as it stands, every card known, and the goal South claims to reach: the declarer
// taking every trick left, or none at all; for a defending South, the declarer taking no more.
// A defending South claims by the declarer falling short, so its search is for the declarer's
// next trick, which must fail.
bool ClaimPosition(const GameState& s, SolverPosition& p, SolverGoal& goal, bool& southDeclares) {
  const int declarer = s.declarer;
  if (declarer < 0 || declarer >= kSeats) return false;
  const SolverGoal contract = GoalOf(s, declarer);
  southDeclares = OnSouthsSide(s, declarer);
  if (contract.toLose && !southDeclares) return false;
  p = PositionNow(s);
  const int left = kTricksInHand - s.tricksPlayed;
  goal = contract.toLose ? contract : SolverGoal{false, southDeclares ? p.declarerTricks + left : p.declarerTricks + 1};
  return true;
}

}  // namespace

bool OnSouthsSide(const GameState& s, int seat) {
  const auto declaring = [&](int who) { return who == s.declarer || (s.partner >= 0 && who == s.partner); };
  return declaring(seat) == declaring(kSouth);
}

ClaimCheck CheckClaim(const GameState& s, Solver& solver) {
  SolverPosition p;
  SolverGoal goal;
  bool southDeclares = false;
  if (!ClaimPosition(s, p, goal, southDeclares)) return ClaimCheck::NothingToClaim;
  const bool reaches = solver.Reaches(p, goal);
  if (solver.aborted()) return ClaimCheck::NotChecked;
  return reaches == southDeclares ? ClaimCheck::Holds : ClaimCheck::Fails;
}

int CardKeepingClaim(const GameState& s, Solver& solver) {
  SolverPosition p;
  SolverGoal goal;
  bool southDeclares = false;
  if (!ClaimPosition(s, p, goal, southDeclares) || !OnSouthsSide(s, (p.leader + p.played) % kSeats)) return 0;
  for (const Solver::CardResult& r : solver.Cards(p, goal))
    if (r.reaches == southDeclares) return r.card + 1;
  return 0;
}

}  // namespace solo
