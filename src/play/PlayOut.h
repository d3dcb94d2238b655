#pragma once
// Layouts played out by the Classic card rules at every seat: what a contract to lose is worth
// against defenders who cannot see the cards, which the exact solver (every card seen by every
// seat) cannot tell, and how cards the solver finds alike fare against such players.
#include <array>
#include <cstdint>

#include "state/GameState.h"

namespace solo {

// The tricks the declarer `seat` takes in contract `code` when the hands are `hands` and `start`
// gives the leader and the trumps of the deal.
int ClassicPlayOut(const GameState& start, const std::array<std::uint64_t, 4>& hands, int seat, int code);

// The tricks the declaring side has at the end of the hand in play, `now`, when the unseen cards
// lie as in `hands`, the seat to play (at `position` 1-4 of the trick) plays `card` and every
// seat plays on by the computer's card rules (to lose tricks, `lose`): how a line fares against
// players who cannot see the cards. `scratch` is a copy of `now`, reused from call to call (a
// copy of the whole state costs more than the play).
int PlayedOnTricks(GameState& scratch, const GameState& now, const std::array<std::uint64_t, 4>& hands, int position,
                   int card, bool lose);

}  // namespace solo
