#include <gtest/gtest.h>

#include "GameFixture.h"
#include "TestCards.h"
#include "bidding/BidLadder.h"
#include "bidding/BiddingRound.h"
#include "bidding/UserBid.h"
#include "game/GameStart.h"
#include "table/Trumps.h"

namespace solo {
namespace {

using test::TestGame;

// A round about to start: names, a cleared table, the dealer's trumps, and the computer
// bidder as Bids would have chosen it (seat -1: all three computers pass).
void PrepareRound(Game& g, int dealer, int computerSeat = kNoSeat, int code = kPass) {
  g.s.userName = g.s.playerNames[0] = "Player";
  g.s.playerNames[1] = "West Bot", g.s.playerNames[2] = "North Bot", g.s.playerNames[3] = "East Bot";
  BuildPack(g.s);
  ClearForNextRound(g);
  g.s.dealer = dealer;
  DecideTrumps(g);
  if (computerSeat == kNoSeat) {
    g.s.passed[1] = g.s.passed[2] = g.s.passed[3] = true;
  } else {
    g.s.declarer = computerSeat;
    KindFlags(g.s, code)[computerSeat] = true;
    PassOtherBots(g.s, computerSeat);
  }
}

// A user who tries the bids in turn, one per wait of the bid panel.
void UserBids(TestGame& tg, std::vector<int> bids) {
  auto queue = std::make_shared<std::vector<int>>(std::move(bids));
  tg.host.player = [&tg, queue] {
    Game& g = tg.g;
    if (g.flow.Awaits(Waiting::Bid) && !queue->empty()) {
      BidSelected(g, queue->front());
      queue->erase(queue->begin());
      BidConfirmed(g);
    }
  };
}

TEST(UsersBid, ALeftOverComputerBidAfterTheUsersIsCleared) {
  // West deals and is chosen with Misere, but speaks after the user, who bids Solo.
  TestGame tg;
  Game& g = tg.g;
  PrepareRound(g, kWest, kWest, kMisere);
  UserBids(tg, {kSolo});
  EXPECT_EQ(MakeTheBids(g), BidOutcome::PlayToWin);
  EXPECT_EQ(g.s.trumps, kDiamonds) << "the dealer's suit stays trumps";
  EXPECT_FALSE(g.s.bidMisere[kWest]);
  EXPECT_TRUE(g.s.passed[kWest]);
  EXPECT_EQ(g.s.declarer, kSouth);
}

TEST(UsersBid, AbundanceOpenWaitsForTheTrumpPanel) {
  TestGame tg;
  Game& g = tg.g;
  PrepareRound(g, kNorth);
  int trumpWaits = 0;
  tg.host.player = [&] {
    if (g.flow.waiting == Waiting::Bid) {
      BidSelected(g, kAbundanceOpen);
      EXPECT_TRUE(g.t.bidConfirmVisible);
      BidConfirmed(g);
      // Clicks on the trump panel before it is open do nothing.
      TrumpsChosen(g, 2);
      EXPECT_EQ(g.s.trumps, kClubs);
      return;
    }
    ASSERT_TRUE(g.flow.Awaits(Waiting::Trumps));
    ++trumpWaits;
    EXPECT_TRUE(g.t.trumpsPanelVisible);
    EXPECT_EQ(g.t.Turn, kSouth) << "marked as the seat to act";
    TrumpsChosen(g, 4);
  };
  EXPECT_EQ(MakeTheBids(g), BidOutcome::PlayToWin);
  EXPECT_EQ(trumpWaits, 1);
  EXPECT_EQ(g.s.trumps, kSpades);
  EXPECT_EQ(g.s.newTrumps, kSpades);
  EXPECT_FALSE(g.t.trumpsPanelVisible);
  EXPECT_EQ(g.flow.waiting, Waiting::Nothing);
  EXPECT_EQ(tg.host.LastBox().title, "Spades are trumps.");
  EXPECT_EQ(g.t.bidPanelTrumpsSign, kSignClubs);
}

TEST(UsersBid, TheBidPanelAcceptsNothingWhileTheRoundIsNotWaiting) {
  TestGame tg;
  Game& g = tg.g;
  PrepareRound(g, kSouth);
  BidSelected(g, kSolo);
  BidConfirmed(g);
  EXPECT_EQ(g.flow.answer, kNoAnswer);
  EXPECT_FALSE(g.s.bidSolo[kSouth]);
  EXPECT_EQ(g.s.declarer, kNoSeat);
}

TEST(BiddingRound, AComputerAbundanceDeclaredAnnouncesItsLongSuitThenNoTrumps) {
  TestGame tg;
  Game& g = tg.g;
  PrepareRound(g, kSouth, kEast, kAbundanceDeclared);
  g.s.newTrumps = kClubs;
  UserBids(tg, {kPass});
  EXPECT_EQ(MakeTheBids(g), BidOutcome::PlayToWin);
  std::vector<std::string> titles;
  for (const auto& b : tg.host.boxes) titles.push_back(b.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Clubs are trumps.", "There are no trumps - NT."}));
  EXPECT_EQ(g.s.trumps, kNoTrumps);
}

}  // namespace
}  // namespace solo
