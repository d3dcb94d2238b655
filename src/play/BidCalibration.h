#pragma once
// How often a contract an Expert bid was made in real play, against the share of the layouts it
// imagined in which the contract was made when it bid: solved exactly for the contracts to win
// (where the defenders see every card, so the share understates the chance), played out by the
// Classic rules for Misere. Measured by scripts/calibrate_bids.sh from the self-play of four
// Experts bidding at a low share.
#include <array>

#include "state/Contracts.h"

namespace solo {

struct BidCalibration {
  int code;
  std::array<float, 10> made;  // by the tenth of the share: [0, 0.1), [0.1, 0.2), ... [0.9, 1]
};

// Written by scripts/calibrate_bids.sh (600 hands from each of the seeds 5001-5004); below each
// row, the bids made and logged in each tenth. No Abundance Declared was bid: its row is the
// share itself.
inline constexpr std::array<BidCalibration, 4> kBidCalibration = {{
    {kSolo, {0.05f, 0.43f, 0.62f, 0.62f, 0.71f, 0.79f, 0.79f, 0.86f, 0.91f, 0.98f}},
    // 0/0 2/2 4/4 6/8 6/7 7/7 4/5 3/3 3/3 48/49
    {kMisere, {0.07f, 0.14f, 0.27f, 0.35f, 0.50f, 0.59f, 0.66f, 0.66f, 0.66f, 0.84f}},
    // 27/379 37/272 39/144 27/76 34/68 23/39 18/27 7/11 5/9 8/10
    {kAbundanceTrumps, {0.03f, 0.32f, 0.40f, 0.48f, 0.63f, 0.63f, 0.63f, 0.75f, 0.77f, 0.77f}},
    // 0/2 1/1 1/1 1/1 3/3 2/3 1/2 0/0 0/0 9/13
    {kAbundanceDeclared, {0.05f, 0.15f, 0.25f, 0.35f, 0.45f, 0.55f, 0.65f, 0.75f, 0.85f, 0.95f}},
}};

// The chance that contract `code` is made in play when it was made in `share` of the layouts
// (Abundance Open reads as Abundance Trumps; a contract with no row, as its share).
constexpr double MadeInPlay(int code, double share) {
  const int row = code == kAbundanceOpen ? kAbundanceTrumps : code;
  for (const BidCalibration& c : kBidCalibration)
    if (c.code == row) return c.made[share <= 0 ? 0 : share >= 1 ? 9 : static_cast<int>(share * 10)];
  return share;
}

}  // namespace solo
