#include <gtest/gtest.h>

#include <fstream>

#include "GameFixture.h"
#include "game/GameStart.h"
#include "game/NameCommands.h"
#include "store/DataFiles.h"
#include "table/Trumps.h"

namespace solo {
namespace {

using test::TestGame;

TEST(StartUp, ADamagedPointsFileIsReportedAndPlayGoesOn) {
  TestGame tg;
  {
    std::ofstream(tg.dir / "Points.dat") << "12,x,3,4\r\n";
  }
  StartGame(tg.g);
  ASSERT_GE(tg.host.boxes.size(), 2u);
  EXPECT_EQ(tg.host.boxes[0].kind, ScriptedHost::Box::Message);
  EXPECT_NE(tg.host.boxes[0].prompt.find("Points.dat"), std::string::npos);
  EXPECT_EQ(tg.g.s.points, (PerSeat<Long>{0, 0, 0, 0}));
  EXPECT_TRUE(std::filesystem::exists(tg.dir / "Points.dat.bad"));
}

// A trump code outside the suits and no trumps changes nothing.
TEST(Trumps, CodesOutsideTheSuitsDoNothing) {
  for (int code : {0, -1, 3, 9}) {
    TestGame tg;
    tg.g.s.trumps = kSpades;
    AnnounceTrumps(tg.g, code);
    EXPECT_TRUE(tg.host.boxes.empty());
    EXPECT_EQ(tg.g.s.trumps, kSpades);
  }
}

TEST(NameCommands, EraseAsksAndOnlyYesErases) {
  TestGame tg;
  Game& g = tg.g;
  StartGame(g);
  g.s.points = {-6, 2, 2, 2};
  tg.host.deluxeAnswers = {1};
  ErasePointsChosen(g);
  EXPECT_EQ(g.s.points[0], -6);
  tg.host.deluxeAnswers = {0};
  ErasePointsChosen(g);
  EXPECT_EQ(g.s.points, (PerSeat<Long>{0, 0, 0, 0}));
  for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(g.t.pointsShown[seat], "0");
  EXPECT_EQ(ReadPointsFile(tg.dir.string()).points, (SeatPoints{0, 0, 0, 0}));
}

TEST(NameCommands, AFailedWriteIsToldAndTheGameGoesOn) {
  TestGame tg;
  Game& g = tg.g;
  StartGame(g);
  FolderStorage gone((tg.dir / "no-such-folder").string());
  g.files.storage = &gone;
  tg.host.inputAnswers = {std::string("Ann")};
  RenameSouthChosen(g);
  EXPECT_EQ(g.s.userName, "Ann");
  EXPECT_EQ(tg.host.LastBox().kind, ScriptedHost::Box::Message);
  EXPECT_NE(tg.host.LastBox().prompt.find("could not be saved"), std::string::npos);
}

}  // namespace
}  // namespace solo
