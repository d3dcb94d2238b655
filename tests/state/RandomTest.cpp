#include <gtest/gtest.h>

#include "state/Random.h"

namespace solo {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, int> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4},   {51.5, 52},
                                          {0.49, 0}, {0.51, 1}, {25.0, 25}, {34.5, 34}, {33.5, 34},
                                          {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {-2.6, -3}};
  for (auto [x, n] : cases) EXPECT_EQ(RoundHalfEven(x), n) << x;
}

// The deals of a seed must be the same on every machine: the generator and the conversion to
// [0, 1) are fully specified, so these first numbers never change.
TEST(Random, ASeedGivesTheSameNumbersEverywhere) {
  Random a(1), b(1);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(a.Uniform(), b.Uniform());
  Random r(1);
  const double first = r.Uniform();
  EXPECT_GE(first, 0.0);
  EXPECT_LT(first, 1.0);
  EXPECT_DOUBLE_EQ(first, static_cast<double>(std::mt19937_64(1)() >> 11) / 9007199254740992.0);
}

}  // namespace
}  // namespace solo
