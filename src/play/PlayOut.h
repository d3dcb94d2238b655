#pragma once
// Layouts played out by the Classic card rules at every seat, or with every seat looking ahead
// one card: what a contract to lose is worth against defenders who cannot see the cards, which
// the exact solver (every card seen by every seat) cannot tell, and how cards the solver finds
// alike fare against such players.
#include <array>
#include <cstdint>
#include <functional>

#include "state/GameState.h"

namespace solo {

// The tricks the declarer `seat` takes in contract `code` when the hands are `hands` and `start`
// gives the leader and the trumps of the deal.
int ClassicPlayOut(const GameState& start, const std::array<std::uint64_t, 4>& hands, int seat, int code);
// The same with each card chosen by `choose(now, player, position)`, `now` the hand in play.
using CardChooser = std::function<int(const GameState& now, int player, int position)>;
int PlayOutBy(const GameState& start, const std::array<std::uint64_t, 4>& hands, int seat, int code,
              const CardChooser& choose);
// The same when every seat, at each of its cards, plays the hand on with each card it may play
// (by the computer's card rules from there) and keeps the one that fares best for its side, the
// computer's card when none fares better: how the Experts play where their solver finds every
// card alike, as in a Misere, which defenders who see every card all but always beat.
int LookaheadPlayOut(const GameState& start, const std::array<std::uint64_t, 4>& hands, int seat, int code);

// The tricks the declaring side has at the end of the hand in play, `now`, when the unseen cards
// lie as in `hands`, the seat to play (at `position` 1-4 of the trick) plays `card` and every
// seat plays on by the computer's card rules (to lose tricks, `lose`): how a line fares against
// players who cannot see the cards. `scratch` is a copy of `now`, reused from call to call (a
// copy of the whole state costs more than the play).
int PlayedOnTricks(GameState& scratch, const GameState& now, const std::array<std::uint64_t, 4>& hands, int position,
                   int card, bool lose);

}  // namespace solo
