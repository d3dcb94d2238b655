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

using test::CountBoxes;
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

TEST(BiddingRound, AComputerBidDecidesThePlayAndItsTrumps) {
  for (int code : {kSolo, kMisere, kAbundanceTrumps, kAbundanceDeclared}) {
    SCOPED_TRACE(code);
    TestGame tg;
    Game& g = tg.g;
    PrepareRound(g, kSouth, kNorth, code);
    UserBids(tg, {kPass});
    const BidOutcome outcome = MakeTheBids(g);
    EXPECT_TRUE(g.s.hasBid[kNorth]);
    EXPECT_EQ(g.s.declarer, kNorth);
    EXPECT_EQ(outcome, code == kMisere ? BidOutcome::PlayToLose : BidOutcome::PlayToWin);
    // Misere and Abundance Declared turn the trumps to no trumps, announced in a box.
    const bool noTrumps = code == kMisere || code == kAbundanceDeclared;
    EXPECT_EQ(g.s.trumps, noTrumps ? kNoTrumps : kHearts);
    EXPECT_EQ(CountBoxes(tg.host, "There are no trumps - NT."), noTrumps ? 1 : 0);
    EXPECT_EQ(g.t.bidPanelTrumpsSign, kSignHearts);
  }
}

TEST(UsersBid, RefusalsAndAcceptancesByDealer) {
  struct Case {
    const char* what;
    int dealer;
    int computerSeat;
    int computerCode;
    std::vector<int> userTries;
    int refusals;
    int accepted;
  };
  const Case cases[] = {
      {"dealer 0: Solo over West's Solo refused, Misere accepted", kSouth, kWest, kSolo, {kSolo, kMisere}, 1, kMisere},
      {"dealer 2: Abundance Trumps over East's refused, Misere Open accepted", kNorth, kEast, kAbundanceTrumps,
       {kAbundanceTrumps, kMisereOpen}, 1, kMisereOpen},
      {"dealer 0: Abundance Trumps and Open refused", kSouth, kNorth, kAbundanceTrumps,
       {kAbundanceTrumps, kAbundanceOpen, kAbundanceDeclared}, 2, kAbundanceDeclared},
      {"dealer 0: nothing but a pass over Abundance Declared", kSouth, kWest, kAbundanceDeclared,
       {kMisereOpen, kAbundanceDeclared, kPass}, 2, kPass},
      {"dealer 1: West speaks after the user and is not looked at", kWest, kWest, kAbundanceDeclared, {kSolo}, 0,
       kSolo},
      {"dealer 3: the user speaks first and everything is accepted", kEast, kEast, kAbundanceDeclared,
       {kAbundanceDeclared}, 0, kAbundanceDeclared},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestGame tg;
    Game& g = tg.g;
    PrepareRound(g, c.dealer, c.computerSeat, c.computerCode);
    UserBids(tg, c.userTries);
    tg.host.onBox = [&](const ScriptedHost::Box& box) {
      if (box.purpose != BoxPurpose::HigherBidOrPass) return;
      // A refusal leaves the panel open and the user still to bid.
      EXPECT_TRUE(g.t.bidPanelVisible);
      EXPECT_TRUE(g.flow.Awaits(Waiting::Bid));
    };
    MakeTheBids(g);
    EXPECT_EQ(CountBoxes(tg.host, "Make higher bid or Pass"), c.refusals);
    EXPECT_FALSE(g.t.bidPanelVisible);
    if (c.accepted == kPass) {
      EXPECT_EQ(g.s.declarer, c.computerSeat);
      continue;
    }
    EXPECT_EQ(g.s.declarer, kSouth);
    EXPECT_TRUE(KindFlags(g.s, c.accepted)[kSouth]);
    EXPECT_TRUE(g.s.hasBid[kSouth]);
    // Every computer seat ends out of the bidding, its bid withdrawn or never shown.
    for (int seat = 1; seat <= 3; ++seat) {
      EXPECT_TRUE(g.s.passed[seat]) << seat;
      EXPECT_EQ(HighestKind(g.s, seat), kPass) << seat;
    }
  }
}

TEST(UsersBid, ABeatenComputerBidGivesWayAndTheTrumpsFollowTheWinningBid) {
  TestGame tg;
  PrepareRound(tg.g, kSouth, kWest, kSolo);
  UserBids(tg, {kMisere});
  EXPECT_EQ(MakeTheBids(tg.g), BidOutcome::PlayToLose);
  EXPECT_EQ(tg.g.t.nameCaptions[kWest], "West Bot bid beaten");
  EXPECT_EQ(tg.g.s.trumps, kNoTrumps);

  // A Misere beaten by an Abundance leaves the plain name and the dealer's trumps.
  TestGame tg2;
  PrepareRound(tg2.g, kSouth, kEast, kMisere);
  UserBids(tg2, {kAbundanceTrumps});
  EXPECT_EQ(MakeTheBids(tg2.g), BidOutcome::PlayToWin);
  EXPECT_EQ(tg2.g.t.nameCaptions[kEast], "East Bot");
  EXPECT_EQ(tg2.g.s.trumps, kHearts);
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
