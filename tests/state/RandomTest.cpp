#include <gtest/gtest.h>

#include "state/GameState.h"
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

// The deal's stream is fixed by the seed and the hand's number alone, and its bounded draws stay
// in range and come out evenly.
TEST(DealStream, StreamsAndBoundedDraws) {
  DealStream a(7, 3), b(7, 3), other(7, 4);
  EXPECT_EQ(a.Next(), b.Next());
  EXPECT_NE(a.Next(), other.Next());
  std::array<int, 13> counts{};
  for (int round = 0; round < 130000; ++round) {
    const std::uint32_t n = a.Below(13);
    ASSERT_LT(n, 13u);
    ++counts[n];
  }
  for (int c : counts) EXPECT_NEAR(c, 10000, 400);
}

}  // namespace
}  // namespace solo
