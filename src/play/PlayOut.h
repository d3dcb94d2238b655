#pragma once
// A layout played out from its first lead by the Classic card rules at every seat: what a
// contract to lose is worth against defenders who cannot see the cards, which the exact solver
// (every card seen by every seat) cannot tell.
#include <array>
#include <cstdint>

#include "state/GameState.h"

namespace solo {

// The tricks the declarer `seat` takes in contract `code` when the hands are `hands` and `start`
// gives the leader and the trumps of the deal.
int ClassicPlayOut(const GameState& start, const std::array<std::uint64_t, 4>& hands, int seat, int code);

}  // namespace solo
