#pragma once
// How often a contract an Expert bid was made in real play, against the share of the layouts it
// imagined in which the contract was made when it bid: solved exactly for the contracts to win
// (where the defenders see every card, so the share understates the chance), played out for
// Misere (every seat looking ahead, or against three Classic seats by the Classic rules).
// Measured by scripts/calibrate_bids.sh: from the self-play of four Experts bidding at a low
// share, and again for an Expert bidding against three Classic seats, whose play lets far more
// contracts through.
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
    // Misere measured again once its layouts were played out looking ahead as the Experts do:
    // scripts/calibrate_bids.sh 300 5001 4, seeds 5001-5004.
    {kMisere, {0.10f, 0.21f, 0.25f, 0.51f, 0.55f, 0.55f, 0.55f, 0.55f, 0.71f, 0.71f}},
    // 19/182 32/155 14/56 25/48 17/28 5/10 4/8 2/9 0/0 2/5
    {kAbundanceTrumps, {0.03f, 0.32f, 0.40f, 0.48f, 0.63f, 0.63f, 0.63f, 0.75f, 0.77f, 0.77f}},
    // 0/2 1/1 1/1 1/1 3/3 2/3 1/2 0/0 0/0 9/13
    {kAbundanceDeclared, {0.05f, 0.15f, 0.25f, 0.35f, 0.45f, 0.55f, 0.65f, 0.75f, 0.85f, 0.95f}},
}};

// Against three Classic seats: written by scripts/calibrate_bids.sh with defenders "classic"
// (600 hands from each of the seeds 5101-5104, the last two bidding a Solo at any share). An
// Expert's Solo is made in nearly none or nearly all of its layouts: the tenths between hold
// almost no bids, and read close to the share itself.
inline constexpr std::array<BidCalibration, 4> kClassicDefenceCalibration = {{
    {kSolo, {0.25f, 0.32f, 0.40f, 0.47f, 0.47f, 0.55f, 0.69f, 0.69f, 0.85f, 0.97f}},
    // 170/683 1/1 1/1 1/1 0/0 0/0 1/1 1/2 0/0 42/43
    {kMisere, {0.05f, 0.10f, 0.21f, 0.30f, 0.35f, 0.39f, 0.78f, 0.78f, 0.78f, 0.97f}},
    // 9/176 12/127 12/59 8/27 7/21 4/12 12/13 7/10 2/4 2/2
    {kAbundanceTrumps, {0.04f, 0.12f, 0.20f, 0.35f, 0.45f, 0.64f, 0.72f, 0.83f, 0.85f, 0.97f}},
    // 0/1 0/1 0/1 0/0 0/0 1/1 1/1 2/2 0/0 2/2
    {kAbundanceDeclared, {0.05f, 0.15f, 0.25f, 0.35f, 0.45f, 0.55f, 0.65f, 0.75f, 0.85f, 0.95f}},
}};

// Expert defenders beat far more Misere on a deal shuffled afresh than the row above says:
// measured in play, four Experts bidding by their expectation (600 hands from each of the seeds
// 9948-9949 and 9955-9958), such a Misere was made 52 times in 124. Its row, read on such deals
// in place of the one above, is made as calibrate_bids.sh makes its rows (four imagined bids at
// the share itself, then never decreasing; none was bid below the fourth tenth), and never above
// the row above (its top tenths hold few bids). A goulash needs no row: its hands are known.
// Measured under the Classic rules; the Standard rules, which shuffle every deal, read it too.
enum class MisereDeal { Other, Shuffled };
struct DealCalibration {
  MisereDeal deal;
  std::array<float, 10> made;
};
inline constexpr std::array<DealCalibration, 1> kMisereByDeal = {{
    {MisereDeal::Shuffled, {0.05f, 0.15f, 0.25f, 0.33f, 0.39f, 0.44f, 0.44f, 0.55f, 0.70f, 0.71f}},
    // - - - 14/42 12/31 10/22 3/10 7/10 2/4 4/5
}};

// The chance that contract `code` is made in play when it was made in `share` of the layouts
// (Abundance Open reads as Abundance Trumps; a contract with no row, as its share), against
// Expert defenders (a Misere on the `deal` it is bid on), or, `classicDefence`, against Classic
// ones: never less than against Experts, who let less through (where a tenth of the Classic
// table holds few bids, its reading is no better).
constexpr double MadeInPlay(int code, double share, bool classicDefence = false, MisereDeal deal = MisereDeal::Other) {
  const int row = code == kAbundanceOpen ? kAbundanceTrumps : code;
  const int tenth = share <= 0 ? 0 : share >= 1 ? 9 : static_cast<int>(share * 10);
  double chance = share;
  for (const BidCalibration& c : kBidCalibration)
    if (c.code == row) chance = c.made[tenth];
  if (classicDefence) {
    for (const BidCalibration& c : kClassicDefenceCalibration)
      if (c.code == row && c.made[tenth] > chance) chance = c.made[tenth];
  } else if (row == kMisere) {
    for (const DealCalibration& c : kMisereByDeal)
      if (c.deal == deal) chance = c.made[tenth];
  }
  return chance;
}

}  // namespace solo
