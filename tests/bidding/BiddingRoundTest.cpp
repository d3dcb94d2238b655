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
    if (g.Awaits(Waiting::Bid) && !queue->empty()) {
      BidSelected(g, queue->front());
      queue->erase(queue->begin());
      BidConfirmed(g);
    }
  };
}

TEST(BiddingRound, SpeakingOrderAndWhoHasNotYetBidByDealer) {
  struct Case {
    int dealer;
    std::vector<std::string> speakers;
    std::array<const char*, 4> notYet;  // otherBids at the user's turn, "" if set otherwise
  };
  const Case cases[] = {
      {0, {"West Bot", "North Bot", "East Bot", "Player"}, {"", "", "", ""}},
      {1, {"North Bot", "East Bot", "Player", "West Bot"}, {"", "West Bot has not yet bid", "", ""}},
      {2, {"East Bot", "Player", "West Bot", "North Bot"},
       {"", "West Bot has not yet bid", "North Bot has not yet bid", ""}},
      {3, {"Player", "West Bot", "North Bot", "East Bot"},
       {"", "West Bot has not yet bid", "North Bot has not yet bid", "East Bot has not yet bid"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dealer);
    TestGame tg;
    Game& g = tg.g;
    PrepareRound(g, c.dealer);
    std::vector<std::string> speakers;
    const auto noteSpeaker = [&] {
      const std::string& panel = g.t.status.prompt;
      speakers.push_back(panel.substr(0, panel.size() - std::string(" now bidding.").size()));
    };
    tg.host.onPause = [&](int ms) {
      EXPECT_EQ(ms, 750);
      noteSpeaker();
    };
    tg.host.player = [&] {
      noteSpeaker();
      for (int seat = 1; seat <= 3; ++seat)
        if (*c.notYet[seat]) {
          EXPECT_EQ(g.t.otherBids[seat], c.notYet[seat]);
        }
      EXPECT_TRUE(g.t.bidPanelVisible);
      EXPECT_EQ(g.t.bidButton, "PASS");
      EXPECT_EQ(g.s.usersBid, kPass);
      BidConfirmed(g);
    };
    EXPECT_EQ(MakeTheBids(g), BidOutcome::PassedOut);
    EXPECT_EQ(speakers, c.speakers);
    EXPECT_EQ(tg.host.beeps, 3 + 1) << "one beep per computer pass and one for the box";
    EXPECT_EQ(g.t.nameCaptions[kSouth], "Player has passed.");
    EXPECT_EQ(g.t.status.prompt, " Everybody passed so there will be a new dea.l");
    const auto& box = tg.host.LastBox();
    EXPECT_EQ(box.title, "New Deal with no shuffle");
    EXPECT_EQ(box.prompt, "Everybody passed so there will be a new deal with no shuffle of cards.");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"Right", "", ""}));
    EXPECT_EQ(box.icon, 3);
    EXPECT_TRUE(g.s.noShuffle);
    // Pass texts: they differ only when West deals.
    const bool westDeals = c.dealer == 1;
    EXPECT_EQ(g.t.nameCaptions[kEast], westDeals ? "East Bot Passes" : "East Bot Passes.");
    EXPECT_EQ(g.t.otherBids[kNorth], westDeals ? "North BotPasses." : "North BotPassed.");
    EXPECT_EQ(g.t.otherBids[kWest], "West BotPassed.");
    EXPECT_EQ(g.t.nameCaptions[kWest], "West Bot Passes.");
  }
}

TEST(BiddingRound, AComputerBidIsAnnouncedWithItsTexts) {
  struct Case {
    int code;
    const char* name;
    const char* status;
    const char* otherBids;
  };
  const Case cases[] = {
      {kSolo, "North Bot bids Solo", "North Bot bids 5 tricks - current trumps.", "North Bot bid Solo."},
      {kMisere, "North Bot bids Misere.", "North Bot bids make no tricks-no trumps.", "North Bot bid Misere."},
      {kAbundanceTrumps, "North Bot bids Abundance Trumps.", "North Bot bids 9 tricks. Current Trumps.",
       "North Bot bid Abundance Trumps."},
      {kAbundanceDeclared, "North Bot bids Abundance Declared.", "North Bot bids 13 tricks - no trumps.",
       "North Bot bid Abundance Declared"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    TestGame tg;
    Game& g = tg.g;
    PrepareRound(g, kSouth, kNorth, c.code);
    UserBids(tg, {kPass});
    const BidOutcome outcome = MakeTheBids(g);
    EXPECT_EQ(g.t.nameCaptions[kNorth], c.name);
    EXPECT_EQ(g.t.status.bidding, c.status);
    EXPECT_EQ(g.t.otherBids[kNorth], c.otherBids);
    EXPECT_TRUE(g.s.hasBid[kNorth]);
    EXPECT_EQ(g.s.declarer, kNorth);
    EXPECT_EQ(outcome, c.code == kMisere ? BidOutcome::PlayToLose : BidOutcome::PlayToWin);
    // Misere and Abundance Declared turn the trumps to no trumps, announced in a box.
    const bool noTrumps = c.code == kMisere || c.code == kAbundanceDeclared;
    EXPECT_EQ(g.s.trumps, noTrumps ? kNoTrumps : kHearts);
    EXPECT_EQ(CountBoxes(tg.host, "There are no trumps - NT."), noTrumps ? 1 : 0);
    EXPECT_EQ(g.t.bidPanelTrumpsSign, kSignHearts);
  }
}

TEST(UsersBid, RefusalsAndAcceptancesByDealer) {
  const std::string rest =
      " or a higher bid has already been made and you must bid higher or Pass. You can see what bid has been made "
      "above.";
  struct Case {
    const char* what;
    int dealer;
    int computerSeat;
    int computerCode;
    std::vector<int> userTries;
    std::vector<std::string> refusals;
    int accepted;
  };
  const Case cases[] = {
      {"dealer 0: Solo over West's Solo refused, Misere accepted", kSouth, kWest, kSolo, {kSolo, kMisere},
       {"Player" "Solo" + rest}, kMisere},
      {"dealer 2: Abundance Trumps over East's refused with two blanks, Misere Open accepted", kNorth, kEast,
       kAbundanceTrumps, {kAbundanceTrumps, kMisereOpen}, {"PlayerAbundance Trumps " + rest}, kMisereOpen},
      {"dealer 0: Abundance Trumps refused with one blank", kSouth, kNorth, kAbundanceTrumps,
       {kAbundanceTrumps, kAbundanceOpen, kAbundanceDeclared}, {"PlayerAbundance Trumps" + rest,
       "PlayerAbundance Open" + rest}, kAbundanceDeclared},
      {"dealer 0: nothing but a pass over Abundance Declared", kSouth, kWest, kAbundanceDeclared,
       {kMisereOpen, kAbundanceDeclared, kPass},
       {"PlayerMisere Open" + rest,
        "PlayerAbundance Declared has been bid and you must Pass. You can see what bid has been made above."},
       kPass},
      {"dealer 1: West speaks after the user and is not looked at", kWest, kWest, kAbundanceDeclared, {kSolo}, {},
       kSolo},
      {"dealer 3: the user speaks first and everything is accepted", kEast, kEast, kAbundanceDeclared,
       {kAbundanceDeclared}, {}, kAbundanceDeclared},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestGame tg;
    Game& g = tg.g;
    PrepareRound(g, c.dealer, c.computerSeat, c.computerCode);
    UserBids(tg, c.userTries);
    tg.host.onBox = [&](const ScriptedHost::Box& box) {
      if (box.purpose != BoxPurpose::HigherBidOrPass) return;
      EXPECT_EQ(box.title, "Make higher bid or Pass");
      // A refusal leaves the panel open and the user still to bid.
      EXPECT_TRUE(g.t.bidPanelVisible);
      EXPECT_TRUE(g.Awaits(Waiting::Bid));
      EXPECT_EQ(box.buttons, (std::vector<std::string>{"Right", "", ""}));
      EXPECT_EQ(box.icon, 3);
    };
    MakeTheBids(g);
    std::vector<std::string> refusals;
    for (const auto& b : tg.host.boxes)
      if (b.purpose == BoxPurpose::HigherBidOrPass) refusals.push_back(b.prompt);
    EXPECT_EQ(refusals, c.refusals);
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

TEST(UsersBid, BeatenBidLabelsAndTexts) {
  TestGame tg;
  Game& g = tg.g;
  PrepareRound(g, kSouth, kWest, kSolo);
  UserBids(tg, {kMisere});
  EXPECT_EQ(MakeTheBids(g), BidOutcome::PlayToLose);
  EXPECT_EQ(g.t.nameCaptions[kWest], "West Bot bid beaten");
  EXPECT_EQ(g.t.otherBids[kWest], "West Bot bid Solo.");
  EXPECT_EQ(g.t.nameCaptions[kSouth], "Player bids no tricks");
  EXPECT_EQ(g.t.status.bidding, "Player bids Misere - no tricks, no trumps");
  EXPECT_EQ(g.s.trumps, kNoTrumps);
  EXPECT_EQ(CountBoxes(tg.host, "There are no trumps - NT."), 1);

  // A Misere beaten by an Abundance leaves the plain name.
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
  EXPECT_EQ(CountBoxes(tg.host, "There are no trumps - NT."), 0);
  EXPECT_FALSE(g.s.bidMisere[kWest]);
  EXPECT_TRUE(g.s.passed[kWest]);
  EXPECT_EQ(g.t.nameCaptions[kWest], "West Bot Passes.");
  EXPECT_EQ(g.s.declarer, kSouth);
}

TEST(UsersBid, AbundanceOpenWaitsForTheTrumpPanel) {
  TestGame tg;
  Game& g = tg.g;
  PrepareRound(g, kNorth);
  int trumpWaits = 0;
  tg.host.player = [&] {
    if (g.waiting == Waiting::Bid) {
      BidSelected(g, kAbundanceOpen);
      EXPECT_EQ(g.t.bidButton, "Choose trumps-9 tricks");
      EXPECT_TRUE(g.t.bidConfirmVisible);
      BidConfirmed(g);
      // Clicks on the trump panel before it is open do nothing.
      TrumpsChosen(g, 2);
      EXPECT_EQ(g.s.trumps, kClubs);
      return;
    }
    ASSERT_TRUE(g.Awaits(Waiting::Trumps));
    ++trumpWaits;
    EXPECT_TRUE(g.t.trumpsPanelVisible);
    EXPECT_EQ(g.t.status.prompt, "Player choose your trumps please");
    TrumpsChosen(g, 4);
  };
  EXPECT_EQ(MakeTheBids(g), BidOutcome::PlayToWin);
  EXPECT_EQ(trumpWaits, 1);
  EXPECT_EQ(g.s.trumps, kSpades);
  EXPECT_EQ(g.s.newTrumps, kSpades);
  EXPECT_FALSE(g.t.trumpsPanelVisible);
  EXPECT_EQ(g.waiting, Waiting::Nothing);
  EXPECT_EQ(tg.host.LastBox().title, "Spades are trumps.");
  EXPECT_EQ(g.t.bidPanelTrumpsSign, kSignClubs);
}

TEST(UsersBid, TheBidPanelAcceptsNothingWhileTheRoundIsNotWaiting) {
  TestGame tg;
  Game& g = tg.g;
  PrepareRound(g, kSouth);
  BidSelected(g, kSolo);
  BidConfirmed(g);
  EXPECT_EQ(g.answer, kNoAnswer);
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
