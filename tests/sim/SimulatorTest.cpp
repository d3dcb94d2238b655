#include <gtest/gtest.h>

#include <cmath>

#include "GameFixture.h"
#include "SimFixture.h"
#include "game/TablePresentation.h"
#include "sim/SimGame.h"
#include "sim/Simulator.h"
#include "game/HandRecorder.h"
#include "game/GameStart.h"

namespace solo {
namespace {

std::vector<std::string> TraceOf(std::uint64_t seed, long hands, SimulationResult* result = nullptr) {
  const auto dir = test::FreshFolder();
  std::vector<std::string> lines;
  SimulationOptions options = test::SimIn(dir, hands, seed);
  options.handByHand = true;
  options.trace = [&](const std::string& line) { lines.push_back(line); };
  const SimulationResult r = Simulate(options);
  if (result) *result = r;
  std::filesystem::remove_all(dir);
  return lines;
}

// The fingerprint of a fixed run pins every result of the rules: a change of any card choice,
// bid, trick or settlement changes it. Change the number only in a commit that says why the
// results change.
TEST(Simulator, TheFingerprintOfSeedOneIsPinned) {
  SimulationResult r;
  TraceOf(1, 5000, &r);
  EXPECT_EQ(FingerprintText(r.fingerprint), "28b5cdbdc3fe6f45");
}

// Four Experts with no time budget play a fixed game whatever the machine's speed or load: its
// fingerprint is pinned like the Classic one (change it only in a commit that says why).
TEST(Simulator, AFourExpertRunWithoutATimeBudgetIsPinned) {
  const auto dir = test::FreshFolder();
  const SimulationResult r = Simulate(test::ReproducibleExperts(dir, 6, 4242, {true, true, true, true}, 3, 2));
  std::filesystem::remove_all(dir);
  EXPECT_EQ(FingerprintText(r.fingerprint), "77a140d8793b4aed");
}

// Runs over the same seed compare hand by hand on identical deals only: the mean difference of
// South's units and the half-width of its 95 % interval, in all and by contract.
TEST(Simulator, DuplicateComparisonPairsOnlyIdenticalDeals) {
  SimulationResult tried, baseline;
  tried.southUnits = {3, -1, 0, 2, 1, 9};
  tried.handContracts = {1, 1, 0, 2, 1, 6};
  tried.deals = {10, 11, 12, 13, 14, 15};
  baseline.southUnits = {1, -1, -2, 0, 1, 0, 5};  // the longer run's extra hand is left out
  baseline.deals = {10, 11, 12, 13, 14, 99, 16};  // the sixth deal differs: a goulash, say
  const Comparison c = CompareSouth(tried, baseline);
  EXPECT_EQ(c.compared, 6);
  EXPECT_EQ(c.hands, 5);
  EXPECT_DOUBLE_EQ(c.mean, 1.2);  // differences 2, 0, 2, 2, 0
  EXPECT_NEAR(c.halfWidth, 1.96 * std::sqrt(1.2 / 5), 1e-12);
  EXPECT_EQ(c.byContract[1].hands, 3);
  EXPECT_DOUBLE_EQ(c.byContract[1].mean, 2.0 / 3);
  EXPECT_EQ(c.byContract[0].hands, 1);
  // A Standard run is compared with one of the Standard rules too, which deals every deal alike
  // (the Classic rules gather a goulash after a throw-in), its contracts named as they are
  // called; South's units follow its points.
  const auto dir = test::FreshFolder();
  SimulationOptions standard = test::SimIn(dir, 200, 5, true);
  standard.handByHand = true;
  const SimulationResult r = Simulate(standard);
  const Comparison same = CompareSouth(r, Simulate(AllClassic(standard, (dir / "baseline").string())));
  std::filesystem::remove_all(dir);
  EXPECT_EQ(same.hands, 200);
  EXPECT_NE(FormatComparison(same, true).find("Proposal and Acceptance"), std::string::npos);
  long total = 0;
  for (int u : r.southUnits) total += u;
  EXPECT_EQ(total, r.points[0]);
}

}  // namespace
}  // namespace solo
