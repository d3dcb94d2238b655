#include <gtest/gtest.h>

#include "GameFixture.h"
#include "Players.h"
#include "table/Deal.h"

namespace solo {
namespace {

using test::TestGame;

// The seat after the dealer holds the goulash order's positions 1-5, 21-25 and 41-43 for
// some cut between 15 and 50.
bool LooksLikeAGoulash(const Game& g) {
  const int first = NextSeat(g.s.dealer);
  for (int cut = 15; cut <= 50; ++cut) {
    const auto order = GoulashOrder(cut);
    bool all = true;
    for (int position : {1, 2, 3, 4, 5, 21, 22, 23, 24, 25, 41, 42, 43})
      all = all && g.s.Pack[order[position]].Owner == first;
    if (all) return true;
  }
  return false;
}

TEST(ThrowIn, WhenEverybodyPassesTheNextDealIsAGoulashByTheNextDealer) {
  TestGame tg(2024);
  Game& g = tg.g;
  StartGame(g);
  test::DealWatch watch;
  g.observer = &watch;
  bool passedOut = false, checked = false;
  tg.host.onBox = [&](const ScriptedHost::Box& box) {
    if (box.purpose == BoxPurpose::PassedOut) passedOut = true;
  };
  watch.onDealt = [&](const Game& game) {
    if (!passedOut || checked) return;
    checked = true;
    EXPECT_TRUE(LooksLikeAGoulash(game));
    EXPECT_FALSE(game.s.noShuffle) << "the goulash clears its own flag";
    const auto& d = watch.dealers;
    EXPECT_EQ(d[d.size() - 1], (d[d.size() - 2] + 1) % 4);
  };
  tg.host.player = [&] {
    if (test::AnswerBidding(g)) return;
    // A hand that was bid: start another until a throw-in has been seen.
    if (checked || watch.dealers.size() > 400)
      ExitChosen(g);
    else
      NewGameChosen(g);
  };
  RunHands(g);
  EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace solo
