#include <gtest/gtest.h>

#include <set>

#include "state/GameState.h"

namespace solo {
namespace {

TEST(Pack, EverySuitHoldsEachValueOnceAndNoCardIsInAHand) {
  GameState s;
  BuildPack(s);
  std::set<std::pair<int, int>> seen;
  for (int n = 1; n <= kCards; ++n) {
    EXPECT_EQ(s.Pack[n].Owner, kOwnerNone);
    EXPECT_FALSE(s.Pack[n].Played);
    EXPECT_TRUE(seen.insert({s.Pack[n].Suit, s.Pack[n].Value}).second);
    // The card numbers run through the suits in order, two to ace.
    EXPECT_EQ(s.Pack[n].Value, (n - 1) % 13 + 2);
    EXPECT_EQ(s.Pack[n].FullName, s.Pack[n].RankName + s.Pack[n].SuitName);
  }
  EXPECT_EQ(seen.size(), 52u);
}

}  // namespace
}  // namespace solo
