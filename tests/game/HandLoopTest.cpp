#include <gtest/gtest.h>

#include <algorithm>

#include "GameFixture.h"
#include "play/CardQueries.h"
#include "Players.h"
#include "game/GameStart.h"

namespace solo {
namespace {

using test::TestGame;

TEST(LeavingAndNewGame, OnlyAConfirmationLeavesOrStartsAfresh) {
  TestGame tg;
  Game& g = tg.g;
  tg.host.deluxeAnswers = {1};
  StartGame(g);
  tg.host.messageAnswers = {BoxAnswer::No};
  EXPECT_EQ(NewGameChosen(g), Next::Stay);
  EXPECT_EQ(NewGameChosen(g), Next::StartHands);
  tg.host.messageAnswers = {BoxAnswer::Cancel};
  EXPECT_EQ(ExitChosen(g), Next::Stay);
  EXPECT_EQ(ExitChosen(g), Next::Quit);
  bool cancel = false;
  tg.host.messageAnswers = {BoxAnswer::Cancel};
  EXPECT_EQ(CloseAsked(g, 0, cancel), Next::Stay);
  EXPECT_TRUE(cancel);
  const auto shown = tg.host.boxes.size();
  EXPECT_EQ(CloseAsked(g, 1, cancel), Next::Quit) << "a close for another reason is not questioned";
  EXPECT_FALSE(cancel);
  EXPECT_EQ(tg.host.boxes.size(), shown);
}

TEST(HandLoop, NewGameDuringAPauseOfTheDealAbandonsTheHandAndTheNextDealsCleanly) {
  TestGame tg(21);
  Game& g = tg.g;
  StartGame(g);
  const int firstDealer = (g.s.dealer + 1) % 4;
  int pauses = 0;
  int heldWhenAbandoned = 0;
  tg.host.onPause = [&](int) {
    // Pause 1 is the shuffle; pause 30 lies in the middle of the first deal.
    if (++pauses != 30) return;
    for (int seat = 0; seat < 4; ++seat) heldWhenAbandoned += CountCards(g.s.Hand[seat]);
    EXPECT_EQ(NewGameChosen(g), Next::Stay);
  };
  int rests = 0;
  tg.host.player = [&] {
    // The next hand rests after its deal: whole and clean, dealt by the next seat.
    ++rests;
    for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(CountCards(g.s.Hand[seat]), 13);
    EXPECT_EQ(g.s.dealer, (firstDealer + 1) % 4);
    EXPECT_EQ(g.t.playedList.size(), 0u);
    EXPECT_EQ(ExitChosen(g), Next::Stay);
  };
  EXPECT_EQ(RunHands(g), Next::Quit);
  EXPECT_GT(heldWhenAbandoned, 0);
  EXPECT_LT(heldWhenAbandoned, 52);
  EXPECT_EQ(rests, 1) << "the abandoned hand never resumed";
  EXPECT_FALSE(g.flow.handRunning);
}

TEST(HandLoop, AThousandHandsStartedInARowMoveTheDealEachTimeAndKeepTheCallDepth) {
  TestGame tg(5);
  Game& g = tg.g;
  tg.host.recordBoxes = false;
  StartGame(g);
  const int firstDealer = (g.s.dealer + 1) % 4;
  // A hand begins with the shuffle sound; its dealer is known from its first pause of the deal.
  std::vector<int> dealers;
  std::size_t shuffles = tg.host.shuffleStack.size();
  int pausesInHand = 0;
  tg.host.onPause = [&](int) {
    if (tg.host.shuffleStack.size() != shuffles) {
      shuffles = tg.host.shuffleStack.size();
      pausesInHand = 0;
    }
    if (++pausesInHand == 2) dealers.push_back(g.s.dealer);
    // Every other hand is abandoned in the middle of its deal.
    if (pausesInHand == 40 && dealers.size() % 2 == 1) NewGameChosen(g);
  };
  // The others are bid: thrown in, or abandoned once they are bid.
  tg.host.player = [&] {
    if (test::AnswerBidding(g)) return;
    if (dealers.size() >= 1000) ExitChosen(g);
    else NewGameChosen(g);
  };
  EXPECT_EQ(RunHands(g), Next::Quit);
  ASSERT_GE(dealers.size(), 1000u);
  for (std::size_t i = 0; i < dealers.size(); ++i)
    ASSERT_EQ(dealers[i], static_cast<int>((firstDealer + i) % 4)) << i;
  // The shuffle of every hand is played from the same depth: the stack does not grow.
  const auto [lo, hi] = std::minmax_element(tg.host.shuffleStack.begin() + 1, tg.host.shuffleStack.end());
  EXPECT_EQ(*lo, *hi);
}

}  // namespace
}  // namespace solo
