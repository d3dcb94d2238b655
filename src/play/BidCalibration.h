#pragma once
// How often a contract an Expert bid was made in real play, against the share of the layouts it
// imagined in which the contract was made when it bid: solved exactly for the contracts to win
// (where the defenders see every card, so the share understates the chance), played out by the
// Classic rules for Misere. Measured by scripts/calibrate_bids.sh from the self-play of four
// Experts bidding at a low share; each row gives the rate at shares 0, 0.1, ... 1.0, and the
// chance at a share between two of them is read off the line joining them.
#include <array>

#include "state/Contracts.h"

namespace solo {

struct BidCalibration {
  int code;
  std::array<float, 11> made;
};

// Written by scripts/calibrate_bids.sh.
inline constexpr std::array<BidCalibration, 4> kBidCalibration = {{
    {kSolo, {0.30f, 0.55f, 0.75f, 0.85f, 0.90f, 0.93f, 0.95f, 0.97f, 0.98f, 0.99f, 1.00f}},
    {kMisere, {0.05f, 0.10f, 0.20f, 0.30f, 0.40f, 0.50f, 0.60f, 0.70f, 0.80f, 0.90f, 0.97f}},
    {kAbundanceTrumps, {0.10f, 0.40f, 0.60f, 0.75f, 0.85f, 0.90f, 0.93f, 0.95f, 0.97f, 0.99f, 1.00f}},
    {kAbundanceDeclared, {0.00f, 0.30f, 0.50f, 0.65f, 0.75f, 0.85f, 0.90f, 0.95f, 0.97f, 0.99f, 1.00f}},
}};

// The chance that contract `code` is made in play when it was made in `share` of the layouts
// (Abundance Open reads as Abundance Trumps; a contract with no row, as its share).
constexpr double MadeInPlay(int code, double share) {
  const int row = code == kAbundanceOpen ? kAbundanceTrumps : code;
  for (const BidCalibration& c : kBidCalibration) {
    if (c.code != row) continue;
    const double at = (share < 0 ? 0 : share > 1 ? 1 : share) * 10;
    const int below = at >= 10 ? 9 : static_cast<int>(at);
    return c.made[below] + (c.made[below + 1] - c.made[below]) * (at - below);
  }
  return share;
}

}  // namespace solo
