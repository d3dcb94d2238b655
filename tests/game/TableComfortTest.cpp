// What the table shows beyond the original controls: whose turn it is, the cards South may not
// play, the contract panel, the last trick, and hints that follow the computer's rules.
#include <gtest/gtest.h>

#include <regex>

#include "GameFixture.h"
#include "SimFixture.h"
#include "game/GameStart.h"
#include "bidding/BidLadder.h"
#include "bidding/UserBid.h"
#include "game/Hints.h"
#include "game/TablePresentation.h"
#include "play/CardQueries.h"
#include "play/TrickPlay.h"
#include "sim/Simulator.h"

namespace solo {
namespace {

// Shows the hand on the table as the window does, checking the comforts at every step.
struct Watch : TablePresentation {
  int cardsChecked = 0, tricks = 0, settlements = 0;
  std::vector<std::array<std::string, 3>> contracts;

  void NowBidding(Game& g, int seat) override {
    TablePresentation::NowBidding(g, seat);
    EXPECT_EQ(g.t.Turn, seat);
  }
  void PassShown(Game& g, int seat) override {
    EXPECT_EQ(g.t.Turn, seat) << "marked until it has acted";
    TablePresentation::PassShown(g, seat);
    EXPECT_EQ(g.t.Turn, kNoSeat);
  }
  void CardPlayed(Game& g, int seat, int card) override {
    EXPECT_EQ(g.t.Turn, seat);
    EXPECT_TRUE(g.t.ContractVisible) << "the contract shows throughout play";
    TablePresentation::CardPlayed(g, seat, card);
    EXPECT_EQ(g.t.Turn, kNoSeat);
    ++cardsChecked;
  }
  void TrickGathered(Game& g, const Trick& trick, int winner, int pile) override {
    TablePresentation::TrickGathered(g, trick, winner, pile);
    ++tricks;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(g.t.LastTrick[i].card, trick[i].card);
    EXPECT_EQ(g.t.LastTrickWinner, winner);
    EXPECT_EQ(g.t.LastPile, pile);
    contracts.push_back(g.t.Contract);
  }
  void ResultShown(Game& g) override {
    TablePresentation::ResultShown(g);
    EXPECT_FALSE(g.t.ContractVisible) << "the panel goes at the settlement";
    ++settlements;
  }
};

// A South that plays by the hints: it bids and plays what the computer's rules would (or the
// Expert `adviser`, when given).
void FollowHints(Game& g, ExpertPlayer* adviser = nullptr) {
  const Hint hint = HintChosen(g, adviser);
  ASSERT_FALSE(hint.text.empty()) << "a hint whenever South is to act";
  EXPECT_EQ(g.t.Turn, kSouth);
  if (hint.bid >= 0) {
    EXPECT_EQ(g.t.selectedBid, hint.bid) << "the hinted bid is selected on the panel";
    BidConfirmed(g);
    return;
  }
  if (hint.trumps) return TrumpsChosen(g, SuitPlace(hint.trumps) + 1);
  // The dimmed cards are exactly those South may not play.
  const int position = UsersPosition(g.s.leader);
  EXPECT_EQ(g.t.Dimmed, g.s.Hand[kSouth] & ~LegalCards(g.s, kSouth, position));
  CardClicked(g, hint.card);
}

// Plays `count` hands (one thrown in counts too), then leaves the game; returns the hands played.
int PlayHands(test::TestGame& tg, int count) {
  int hands = 0;
  tg.host.onBox = [&](const ScriptedHost::Box& box) {
    if (box.purpose == BoxPurpose::NewGameOrExit && ++hands == count) tg.host.deluxeAnswers.push_back(1);
    if (box.purpose == BoxPurpose::PassedOut && ++hands == count) ExitChosen(tg.g);
  };
  if (StartGame(tg.g) == Next::StartHands) RunHands(tg.g);
  return hands;
}

TEST(TableComfort, TurnsPanelLastTrickAndHintsThroughWholeHands) {
  test::TestGame tg(3);
  Game& g = tg.g;
  Watch watch;
  g.show = &watch;
  tg.host.recordBoxes = false;
  tg.host.recordSounds = false;
  tg.host.player = [&] { FollowHints(g); };
  EXPECT_EQ(PlayHands(tg, 200), 200);
  EXPECT_GT(watch.cardsChecked, 1000);
  EXPECT_GT(watch.settlements, 100);
  EXPECT_EQ(g.t.Dimmed, 0u);

  // South playing by the hints plays as the simulator's computer South: the same points.
  const SimulationOptions options = test::SimIn(test::FreshFolder(), 200, 3);
  const SimulationResult sim = Simulate(options);
  std::filesystem::remove_all(options.dataDir);
  for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(g.s.points[seat], sim.points[seat]) << seat;
}

// With Expert opponents the hints are the Expert's, with how often its choice reached the goal
// (under the Standard rules in the auction too), and a hint asked again at the same moment is the
// same hint.
TEST(TableComfort, ExpertHintsSayHowOftenTheirChoiceReachesTheGoal) {
  for (const bool standard : {false, true}) {
    SCOPED_TRACE(standard ? "Standard rules" : "Classic rules");
    test::TestGame tg(5);
    Game& g = tg.g;
    g.options.standardRules = standard;
    ExpertPlayer adviser(7, 3);
    adviser.SetTimeBudget(0);
    // On a goulash every hand is known; cards alike over the three layouts are looked at over
    // three more, up to three times.
    const std::string chance = "( in ([0-9]|1[0-2]) of ([1-9]|1[0-2]) layouts|, every hand known)";
    const std::regex form(
        "Hint: (pass( \u2014 (a Solo is made in only [0-3] of [1-3] layouts|no Solo is made, every hand known))?|"
        "bid [A-Za-z ]+ \u2014 (nothing )?made" + chance +
        "|(propose|accept the Proposal|Solo|Misere|Abundance|Royal Abundance|Misere Ouverte|Abundance Declared)"
        "( \u2014 made" + chance + ")?|choose [A-Za-z]+ \u2014 (nothing )?made" + chance + "|play the [A-Za-z]+ of [A-Za-z]+" +
        "( \u2014 (nothing )?(makes your|beats [A-Za-z ]+'s) [A-Za-z ]+" + chance + ")?)");
    int hints = 0, chances = 0, calls = 0;
    tg.host.player = [&] {
      const std::string first = HintFor(g, &adviser).text;
      FollowHints(g, &adviser);
      const std::string& text = g.t.status.prompt;
      EXPECT_EQ(text, first) << "the same moment, the same hint";
      EXPECT_TRUE(std::regex_match(text, form)) << text;
      ++hints;
      const bool counted = text.find("layouts") != std::string::npos || text.find("known") != std::string::npos;
      chances += counted;
      calls += counted && text.find("Hint: play") == std::string::npos;
    };
    PlayHands(tg, 8);
    EXPECT_GT(hints, 30);
    EXPECT_GT(chances, 10);
    if (standard) { EXPECT_GT(calls, 0) << "the auction's hints are the Expert's too"; }
  }
}

}  // namespace
}  // namespace solo
