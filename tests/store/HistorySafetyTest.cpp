// The hand history where things go wrong: rows damaged by hand, a database another program
// holds, a run killed at any moment, and saves that keep failing.
#include <gtest/gtest.h>

#include <signal.h>
#include <sqlite3.h>

#include <chrono>
#include <random>
#include <thread>

#include "GameFixture.h"
#include "SimFixture.h"
#include "Players.h"
#include "fuzz/StoredHandCheck.h"
#include "game/GameStart.h"
#include "game/HandHistory.h"
#include "game/Hints.h"
#include "game/Replay.h"
#include "play/TrickPlay.h"
#include "sim/Simulator.h"
#include "store/DataFiles.h"
#include "store/History.h"
#include "table/Messages.h"

namespace solo {
namespace {

namespace fs = std::filesystem;

// Another program's connection to the database: it runs SQL, and may hold the write lock.
struct OtherProgram {
  explicit OtherProgram(const fs::path& path) { sqlite3_open(path.c_str(), &db); }
  ~OtherProgram() { sqlite3_close(db); }
  bool Run(const std::string& sql) { return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK; }
  long long Count(const char* sql) {
    sqlite3_stmt* s = nullptr;
    long long n = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
      n = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
    return n;
  }
  sqlite3* db = nullptr;
};

// Plays hands of a scripted game (South passes and plays the hint) until `more(hands)` says stop.
void PlayHands(test::TestGame& tg, const std::function<bool(int hands)>& more) {
  int hands = 0;
  tg.host.recordSounds = false;
  tg.host.onBox = [&](const ScriptedHost::Box& box) {
    if (box.purpose != BoxPurpose::NewGameOrExit && box.purpose != BoxPurpose::PassedOut) return;
    if (more(++hands)) return;
    if (box.purpose == BoxPurpose::NewGameOrExit) tg.host.deluxeAnswers.push_back(1);
    if (box.purpose == BoxPurpose::PassedOut) ExitChosen(tg.g);
  };
  tg.host.player = [&] {
    if (!test::AnswerBidding(tg.g)) CardClicked(tg.g, HintFor(tg.g).card);
  };
  if (StartGame(tg.g) == Next::StartHands) RunHands(tg.g);
}

using test::SimWithHistory;

// A row edited by hand (or damaged) is shown as damaged: never stepped through, exported or
// counted, and nothing reads outside the hand.
TEST(HistorySafety, DamagedRowsAreMarkedAndNeverReplayedOrExported) {
  const fs::path dir = test::FreshFolder();
  ASSERT_EQ(Simulate(SimWithHistory(dir, 8, 2)).saveError, "");
  const fs::path path = dir / kHistoryFileName;
  struct Case {
    const char* edit;  // SQL on the first row that has tricks
    const char* damage;
  };
  const Case cases[] = {
      {"", ""},
      {"tricks = '-1' || substr(tricks, 2)", "the tricks"},
      {"tricks = tricks || tricks", "the tricks"},
      {"tricks = 'four'", "the tricks"},
      {"tricks = '0 1 2 3'", "the tricks"},
      {"dealt = substr(dealt, 3)", "the deal"},
      {"dealt = '52 ' || dealt", "the deal"},
      {"dealer = -1", "the dealer"},
      {"bids = '7 1'", "the bids"},
      {"contract = 9", "the contract"},
      {"declarer = 4", "the contract"},
      {"trumps = 99", "the trumps"},
      {"counts = '1 2'", "the counts"},
      {"points_after = 'x'", "the points"},
      {"result = 'made\",\"x'", "the result"},
  };
  for (const Case& c : cases) {
    fs::copy_file(path, dir / "edited.sqlite", fs::copy_options::overwrite_existing);
    OtherProgram edit(dir / "edited.sqlite");
    const long long id = edit.Count("SELECT min(id) FROM hands WHERE tricks <> ''");
    if (*c.edit) {
      ASSERT_TRUE(edit.Run(std::string("UPDATE hands SET ") + c.edit + " WHERE id = " + std::to_string(id))) << c.edit;
    }
    const auto hands = History::OpenToRead(dir / "edited.sqlite")->Hands(HandsWanted::All);
    const HandRecord& edited = hands.at(static_cast<std::size_t>(id - 1));
    EXPECT_EQ(edited.damage, c.damage) << c.edit;
    const std::size_t sound = hands.size() - (*c.damage ? 1 : 0);
    for (int step = 0; step < ReplaySteps(edited) + 2; ++step) ReplayAt(edited, step);
    EXPECT_EQ(ReplaySteps(edited) == 1, *c.damage != '\0') << c.edit;
    const std::string lines = ExportLines(hands);
    EXPECT_EQ(static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n')), sound) << c.edit;
    EXPECT_EQ(ResultWords(edited) == "damaged", *c.damage != '\0') << c.edit;
    EXPECT_EQ(ComputeStatistics(hands).points.size(), sound) << c.edit;
  }
  fs::remove_all(dir);
}

// Rows made from real hands (of the Standard rules, some thrown in: each reads back sound) and
// mutated in the ways a damaged file or a hand edit would: whatever the bytes, reading is safe
// and the verdict holds together.
TEST(HistorySafety, GeneratedRowsReadSafely) {
  const fs::path dir = test::FreshFolder();
  ASSERT_EQ(Simulate(SimWithHistory(dir, 30, 9, true)).saveError, "");
  std::vector<std::string> rows;
  for (const HandRecord& hand : History::OpenToRead(dir / kHistoryFileName)->Hands(HandsWanted::All)) {
    EXPECT_EQ(hand.damage, "") << hand.hand << ' ' << hand.result;
    StoredHand row;
    EncodeHand(hand, row);
    rows.push_back(fuzz::BytesFromRow(row));
  }
  fs::remove_all(dir);
  static const std::string kPieces[] = {"-1", "53", "0", "4", " ", "|", "99999999999999999999", "-", "13", "x", ""};
  std::mt19937_64 random(20261206);
  int sound = 0, damaged = 0;
  for (int i = 0; i < 60000; ++i) {
    std::string bytes = rows[random() % rows.size()];
    for (int edits = 1 + static_cast<int>(random() % 3); edits > 0; --edits) {
      const std::size_t at = random() % (bytes.size() + 1);
      const std::string& piece = kPieces[random() % std::size(kPieces)];
      if (random() % 2 && at < bytes.size()) bytes.erase(at, 1 + random() % 3);
      bytes.insert(std::min(at, bytes.size()), piece);
    }
    const StoredHand row = fuzz::RowFromBytes(bytes);
    ASSERT_EQ(fuzz::CheckStoredRow(row), "") << bytes;
    ++(DecodeHand(row).damage.empty() ? sound : damaged);
  }
  // Both verdicts must be reached, not only refusals.
  EXPECT_GT(sound, 1000);
  EXPECT_GT(damaged, 1000);
}

// While another program holds the database the hands wait, in order, and are written once it
// is free; a hand is lost only if the game ends while it is still held, and then it is told.
TEST(HistorySafety, ABusyDatabaseDelaysHandsButLosesNone) {
  test::TestGame tg(5);
  const fs::path path = tg.dir / kHistoryFileName;
  { HandHistory make(tg.g, tg.dir, false); }
  OtherProgram other(path);
  ASSERT_TRUE(other.Run("BEGIN IMMEDIATE"));  // held from before the run begins
  HandHistory history(tg.g, tg.dir, false);
  EXPECT_EQ(history.TakeNotice(), "");
  PlayHands(tg, [&](int hands) {
    if (hands == 3) {
      EXPECT_GE(history.waiting(), 2u);  // a thrown-in hand is kept after its box
      EXPECT_TRUE(other.Run("COMMIT"));
    }
    if (hands == 5) {
      EXPECT_TRUE(other.Run("BEGIN IMMEDIATE"));
    }
    return hands < 6;
  });
  EXPECT_EQ(test::CountBoxes(tg.host, kAppTitle), 0) << "a busy database asks for no click";
  ASSERT_FALSE(tg.host.statusLines.empty());
  EXPECT_EQ(tg.host.statusLines[0], "The hand history is in use by another program: 1 hand waits to be kept.");
  const std::size_t lost = history.waiting();
  ASSERT_GE(lost, 1u);
  EXPECT_EQ(history.Close(), (lost == 1 ? std::string("The last hand") : "The last " + std::to_string(lost) + " hands") +
                                 " could not be kept in the hand history (keeping a hand: database is locked).");
  ASSERT_TRUE(other.Run("COMMIT"));
  const auto kept = history.history()->Hands(HandsWanted::All);
  ASSERT_EQ(kept.size() + lost, 6u);
  for (std::size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(kept[i].hand, static_cast<long>(i) + 1) << "in order";
  EXPECT_EQ(other.Count("SELECT count(*) FROM pragma_foreign_key_check"), 0);
  EXPECT_EQ(other.Count("SELECT count(DISTINCT run) FROM hands"), 1);
}

// A save that keeps failing is told once a run, then in the status bar; the history's own
// failure never says the points are saved when they are not.
TEST(HistorySafety, ARepeatedSaveFailureIsToldOnceAndNeverContradicted) {
  test::TestGame tg(4);
  HandHistory history(tg.g, tg.dir, false);
  OtherProgram other(tg.dir / kHistoryFileName);
  PlayHands(tg, [&](int hands) {
    if (hands == 1) {
      // From now on neither can be written: the points file is a folder, the history has no table.
      fs::remove(tg.dir / kPointsFileName);
      fs::create_directories(tg.dir / kPointsFileName / "x");
      EXPECT_TRUE(other.Run("DROP TABLE hands"));
    }
    return hands < 10;
  });
  int pointsBoxes = 0, historyBoxes = 0;
  for (const auto& box : tg.host.boxes) {
    if (box.kind != ScriptedHost::Box::Message) continue;
    pointsBoxes += box.prompt.find(kPointsFileName) != std::string::npos;
    if (box.prompt.find("hand history") != std::string::npos) {
      ++historyBoxes;
      EXPECT_EQ(box.prompt.find("saved as usual"), std::string::npos) << box.prompt;
    }
  }
  EXPECT_EQ(pointsBoxes, 1);
  EXPECT_EQ(historyBoxes, 1);
  EXPECT_GE(tg.host.statusLines.size(), 2u);
}

// The simulator saves the points before each batch of the history is committed: killed at any
// moment, the history holds no hand the points file does not. The same seed played again tells
// which hands' points the file may hold.
TEST(HistorySafety, KilledSimulatorsHistoryNeverRunsAheadOfItsPoints) {
  const fs::path dir = test::FreshFolder();
  std::mt19937 random(11);
  for (int round = 0; round < 4; ++round) {
    const fs::path run = dir / ("killed" + std::to_string(round));
    fs::create_directories(run);
    const pid_t child = ::fork();
    if (child == 0) {
      SimulationOptions options = SimWithHistory(run, 1000000, 21);
      options.historyBatch = 25;
      Simulate(options);
      ::_exit(0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100 + random() % 300));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::size_t kept = History::Open(run / kHistoryFileName).history->Hands(HandsWanted::All).size();
    const SeatPoints points = ReadPointsFile(run.string()).points;
    // The points file is saved at most one batch ahead of the history.
    const fs::path again = dir / ("again" + std::to_string(round));
    fs::create_directories(again);
    ASSERT_EQ(Simulate(SimWithHistory(again, static_cast<long>(kept) + 30, 21)).saveError, "");
    const auto played = History::OpenToRead(again / kHistoryFileName)->Hands(HandsWanted::All);
    bool held = kept == 0;
    for (std::size_t k = kept == 0 ? 0 : kept - 1; k < played.size() && !held; ++k)
      held = std::equal(points.begin(), points.end(), played[k].pointsAfter.begin());
    EXPECT_TRUE(held) << "round " << round << ": " << kept << " hands kept beyond the points file";
  }
  fs::remove_all(dir);
}

// A history held by another program when the simulator starts is off for that run, said once;
// no hand is kept without its run.
TEST(HistorySafety, ASimulatorThatCannotBeginItsRunKeepsNoHands) {
  const fs::path dir = test::FreshFolder();
  ASSERT_EQ(Simulate(SimWithHistory(dir, 2, 3)).saveError, "");
  OtherProgram other(dir / kHistoryFileName);
  ASSERT_TRUE(other.Run("BEGIN IMMEDIATE"));
  SimulationOptions options = SimWithHistory(dir, 50, 4);
  std::vector<std::string> told;
  options.tell = [&](const std::string& text) { told.push_back(text); };
  const SimulationResult result = Simulate(options);
  ASSERT_TRUE(other.Run("COMMIT"));
  EXPECT_EQ(result.hands, 50);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("hands are not kept in this run"), std::string::npos) << told[0];
  EXPECT_EQ(other.Count("SELECT count(*) FROM hands"), 2);
  EXPECT_EQ(other.Count("SELECT count(*) FROM pragma_foreign_key_check"), 0);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace solo
