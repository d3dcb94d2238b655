#pragma once
// The person's claim of the rest of a hand: all the remaining tricks for their side, or, as the
// declarer of a contract to lose, none. It is checked with the exact solver on the real cards,
// against every defence; once it holds, the person's cards are played for them so that it
// still does.
#include "play/Solver.h"
#include "state/GameState.h"

namespace solo {

enum class ClaimCheck { Holds, Fails, NotChecked, NothingToClaim };

// Whether South's claim holds now (NotChecked: beyond the solver's limit; NothingToClaim: no
// contract in play, or South defends a contract to lose).
ClaimCheck CheckClaim(const GameState& s, Solver& solver);
// Whether `seat` plays on South's side in the hand: the declaring side when South declares or
// partners the declarer, the defenders otherwise.
bool OnSouthsSide(const GameState& s, int seat);
// The card of the seat to play, when it is on South's side, that keeps a claim that holds (0 if
// none does, or the seat is on the other side). A claim is played out by the whole side: South's
// fellow defenders, or the partner of a Proposal and Acceptance, play it as South does.
int CardKeepingClaim(const GameState& s, Solver& solver);

}  // namespace solo
