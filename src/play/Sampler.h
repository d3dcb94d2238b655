#pragma once
// Layouts of the cards a seat cannot see, for a player that decides by solving many possible
// layouts: each is consistent with what the seat knows — its own hand, the cards played, how
// many cards every other seat still holds, the suits each seat has shown to be void in, and on
// a goulash, how the pack was dealt.
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "state/GameState.h"

namespace solo {

// A goulash is not shuffled: the pack lies in order, is cut and dealt in packets, so the
// seat's own hand as dealt tells where the pack was cut (all but always exactly), and so every
// hand. The hands as they are now for each cut the seat's hand and the play so far allow, each
// with how likely its cut is (1 or 2); none when the hand was shuffled.
struct KnownLayout {
  std::array<std::uint64_t, 4> hands{};
  int weight = 0;
};
std::vector<KnownLayout> GoulashLayouts(const GameState& s, int seat);

// Fills `hands` with a layout as `seat` may imagine it: its own hand as it is, the other seats'
// from the unseen cards. False when no consistent layout turned up in a few hundred tries (the
// constraints are then all but impossible to meet, which the game's own play never produces).
// `fits`, when given, says how well a layout also fits what the bidding and the play showed: 0
// not at all, 1 surely, and between, the share of such layouts to keep (so that layouts come as
// often as the bids and cards make them likely); kSeenOtherwise or less, it contradicts something
// seen (a card a seat would not have played). When none of the tries is kept, one of those that
// fit at all is taken as often as it fits, and mended card by card while it contradicts what was
// seen; with none, the last try.
inline constexpr double kSeenOtherwise = 0.001;
using LayoutFit = std::function<double(const std::array<std::uint64_t, 4>&)>;
bool SampleLayout(const GameState& s, int seat, std::mt19937_64& random, std::array<std::uint64_t, 4>& hands,
                  const LayoutFit& fits = {});

}  // namespace solo
