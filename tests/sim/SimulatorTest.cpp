#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "GameFixture.h"
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
  SimulationOptions options;
  options.hands = hands;
  options.seed = seed;
  options.dataDir = dir.string();
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
  char print[32];
  std::snprintf(print, sizeof print, "%016llx", static_cast<unsigned long long>(r.fingerprint));
  EXPECT_STREQ(print, "28b5cdbdc3fe6f45");
}

// Runs over the same deals compare hand by hand: the mean difference of South's units and the
// half-width of its 95 % interval.
TEST(Simulator, DuplicateComparison) {
  SimulationResult tried, baseline;
  tried.southUnits = {3, -1, 0, 2, 1};
  baseline.southUnits = {1, -1, -2, 0, 1, 5};  // the longer run's extra hand is left out
  const Comparison c = CompareSouth(tried, baseline);
  EXPECT_EQ(c.hands, 5);
  EXPECT_DOUBLE_EQ(c.mean, 1.2);  // differences 2, 0, 2, 2, 0
  EXPECT_NEAR(c.halfWidth, 1.96 * std::sqrt(1.2 / 5), 1e-12);
  // A run of South's units follows the points: their sum is South's final total.
  SimulationResult r;
  TraceOf(5, 200, &r);
  long total = 0;
  for (int u : r.southUnits) total += u;
  EXPECT_EQ(r.southUnits.size(), 200u);
  EXPECT_EQ(total, r.points[0]);
}

}  // namespace
}  // namespace solo
