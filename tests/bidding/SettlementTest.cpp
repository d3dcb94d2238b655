#include <gtest/gtest.h>

#include <fstream>

#include "GameFixture.h"
#include "bidding/BidLadder.h"
#include "bidding/Settlement.h"
#include "game/GameStart.h"
#include "store/DataFiles.h"

namespace solo {
namespace {

using test::TestGame;

struct Case {
  const char* what;
  int declarer;
  int code;
  PerSeat<int> tricksWon;
  bool settles;
  PerSeat<Long> points;  // after, from 0, 0, 0, 0
  const char* title;
  const char* prompt;
  int icon = 2;
};

TEST(EndOfHand, SettlesAsSoonAsTheContractIsDecided) {
  const Case cases[] = {
      {"West's Solo made at its fifth trick", kWest, kSolo, {0, 5, 0, 0}, true, {-1, 3, -1, -1}, "Solo made",
       "West Bot made Solo bid and receives 1 unit from each player"},
      {"a Solo of 4 against 8 is still open", kWest, kSolo, {3, 4, 3, 2}, false, {}, "", ""},
      {"a Solo fails when the others reach nine", kWest, kSolo, {3, 4, 3, 3}, true, {1, -3, 1, 1}, "Solo bid failed",
       "West Bot failed in Solo bid and must pay 1 unit to each player"},
      {"the user's Misere fails at the first trick taken", kSouth, kMisere, {1, 2, 0, 0}, true, {-6, 2, 2, 2},
       "Misere bid failed", "Player failed in Misere bid and must pay 2 units to each player."},
      {"a Misere without a trick after twelve is still open", kSouth, kMisere, {0, 4, 4, 4}, false, {}, "", ""},
      {"a Misere is made only after trick 13", kSouth, kMisere, {0, 5, 4, 4}, true, {6, -2, -2, -2}, "Misere made",
       "Player made Misere bid and receives 2 units from each player"},
      {"North's Abundance Declared made", kNorth, kAbundanceDeclared, {0, 0, 13, 0}, true, {-6, -6, 18, -6},
       "Abundance Declared made.", "North Bot made Abundance Declared bid and receives 6 units from each player."},
      {"an Abundance Declared is lost at the first trick lost", kNorth, kAbundanceDeclared, {0, 1, 0, 0}, true,
       {6, 6, -18, 6}, "Abundance Declared bid fails.",
       "North Bot failed in Abundance Declared bid and must pay 6 units to each player."},
      {"Abundance Open made, with the question picture", kSouth, kAbundanceOpen, {9, 0, 0, 0}, true, {9, -3, -3, -3},
       "Abundance Open made", "Player made Abundance Open bid and receives 3 units from each player", 1},
      {"Abundance Trumps fails at five tricks lost", kEast, kAbundanceTrumps, {2, 2, 1, 3}, true, {3, 3, 3, -9},
       "Abundance Trumps bid fails.", "East Bot failed in Abundance Trumps bid and must pay 3 units to each player"},
      {"Misere Open made, with its spelling", kSouth, kMisereOpen, {0, 13, 0, 0}, true, {12, -4, -4, -4},
       "Misere Open bid made.", "Player made Miser Open bid and receives 4 units from each player."},
      {"Misere Open fails at a trick taken", kSouth, kMisereOpen, {1, 0, 0, 0}, true, {-12, 4, 4, 4},
       "Misere Open bid fails.", "Player failed in Misere Open bid and must pay 4 units to each player"},
      {"Abundance Open fails at five tricks lost", kSouth, kAbundanceOpen, {8, 5, 0, 0}, true, {-9, 3, 3, 3},
       "Abundance Open bid fails.", "Player failed in Abundance Open bid and must pay 3 units to each player"},
      {"Abundance Trumps made at nine", kEast, kAbundanceTrumps, {1, 1, 1, 9}, true, {-3, -3, -3, 9},
       "Abundance Trumps made.", "East Bot made Abundance Trumps bid and receives 3 units from each player."},
      {"a Solo of 4 needs five, not four", kWest, kSolo, {0, 4, 0, 0}, false, {}, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestGame tg;
    Game& g = tg.g;
    StartGame(g);
    tg.host.boxes.clear();
    KindFlags(g.s, c.code)[c.declarer] = true;
    g.s.declarer = c.declarer;
    g.s.tricksWon = c.tricksWon;
    g.s.tricksPlayed = c.tricksWon[0] + c.tricksWon[1] + c.tricksWon[2] + c.tricksWon[3];
    g.t.status.bidding = "a bid";
    const Settled settled = EndOfHand(g, c.declarer);
    if (!c.settles) {
      EXPECT_EQ(settled, Settled::No);
      EXPECT_TRUE(tg.host.boxes.empty());
      continue;
    }
    EXPECT_EQ(settled, Settled::NewRound);
    EXPECT_EQ(g.s.points, c.points);
    ASSERT_EQ(tg.host.boxes.size(), 2u);
    EXPECT_EQ(tg.host.boxes[0].title, c.title);
    EXPECT_EQ(tg.host.boxes[0].prompt, c.prompt);
    EXPECT_EQ(tg.host.boxes[0].icon, c.icon);
    // The labels hold the new points (the file's are checked at the limits below).
    for (int i = 0; i < 4; ++i) EXPECT_EQ(g.t.pointsShown[i], std::to_string(c.points[i]));
  }
}

TEST(EndOfHand, ExitGameAndAnUnwritablePointsFile) {
  TestGame tg;
  Game& g = tg.g;
  StartGame(g);
  g.s.bidSolo[kWest] = true;
  g.s.tricksWon = {0, 5, 0, 0};
  FolderStorage gone((tg.dir / "gone").string());
  g.files.storage = &gone;
  tg.host.deluxeAnswers = {0, 1};
  EXPECT_EQ(EndOfHand(g, kWest), Settled::ExitGame);
  // The failure is told in plain words, and the settlement still asks its question.
  ASSERT_GE(tg.host.boxes.size(), 3u);
  const auto& n = tg.host.boxes.size();
  EXPECT_NE(tg.host.boxes[n - 2].prompt.find("could not be saved"), std::string::npos);
  // ...without claiming the points are saved.
  EXPECT_NE(tg.host.boxes[n - 1].prompt.find("Your points could not be saved."), std::string::npos);
  EXPECT_EQ(g.t.pointsShown[kWest], "3");
}

// Without asking, the result stays on the contract panel and in the status bar through a pause,
// no box is shown, the points are saved and the next hand follows.
TEST(EndOfHand, WithoutAskingTheResultIsShownAndTheNextHandFollows) {
  TestGame tg;
  Game& g = tg.g;
  StartGame(g);
  tg.host.boxes.clear();
  g.options.nextHandWithoutAsking = true;
  g.s.declarer = kEast;
  g.s.bidMisere[kEast] = true;
  g.s.tricksWon = {2, 0, 1, 1};
  g.s.tricksPlayed = 4;
  g.show->ContractShown(g);
  std::string onPanel;
  tg.host.onPause = [&](int) { onPanel = g.t.ContractVisible ? g.t.Contract[2] : ""; };
  EXPECT_EQ(EndOfHand(g, kEast), Settled::NewRound);
  EXPECT_TRUE(tg.host.boxes.empty());
  EXPECT_EQ(onPanel, "East Bot failed in Misere bid and must pay 2 units to each player.");
  EXPECT_EQ(tg.host.statusLines, std::vector<std::string>{onPanel});
  EXPECT_FALSE(g.t.ContractVisible);
  EXPECT_EQ(ReadPointsFile(tg.dir.string()).points, (SeatPoints{2, 2, 2, -6}));
}

TEST(EndOfHand, PointsStopAtTheLimitsOfTheFile) {
  TestGame tg;
  Game& g = tg.g;
  StartGame(g);
  // West makes Abundance Declared (18 units in, 6 out of each other seat) from totals at the edges.
  g.s.points = {INT32_MIN + 2, INT32_MAX - 1, 5, INT32_MIN};
  g.s.bidAbundanceDeclared[kWest] = true;
  g.s.tricksWon = {0, 13, 0, 0};
  g.s.tricksPlayed = 13;
  tg.host.deluxeAnswers = {0, 1};
  EXPECT_EQ(EndOfHand(g, kWest), Settled::ExitGame);
  EXPECT_EQ(g.s.points, (SeatPoints{INT32_MIN, INT32_MAX, -1, INT32_MIN}));
  EXPECT_EQ(g.t.pointsShown[kWest], "2147483647");
  std::ifstream in(tg.dir / "Points.dat", std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}), "-2147483648,2147483647,-1,-2147483648\r\n");
}

}  // namespace
}  // namespace solo
