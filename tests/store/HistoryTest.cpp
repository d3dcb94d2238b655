// The hand history against a real SQLite file: what is kept is what was played, old and damaged
// databases, failing writes, a writer killed at any moment, and the statistics drawn from it.
#include <gtest/gtest.h>

#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <chrono>
#include <fstream>
#include <random>
#include <regex>

#include "ChildProcess.h"
#include "GameFixture.h"
#include "SimFixture.h"
#include "Players.h"
#include "game/GameStart.h"
#include "game/Hints.h"
#include "play/TrickPlay.h"
#include "game/HandHistory.h"
#include "sim/Simulator.h"
#include "store/DataFiles.h"
#include "store/History.h"

namespace solo {
namespace {

namespace fs = std::filesystem;

// A small hand to keep, different for each number.
HandRecord SomeHand(long number) {
  HandRecord r;
  r.seed = 42;
  r.hand = number;
  r.dealer = static_cast<int>(number % 4);
  for (int card = 1; card <= 52; ++card) r.hands[(card - 1) % 4][(card - 1) / 4] = card;
  r.bids = {{1, 0}, {2, 1}, {3, 0}, {0, 0}};
  r.declarer = 2;
  r.contract = 1;
  r.trumps = 6;
  r.tricks = {{1, {2, 3, 4, 1}, 1}, {1, {6, 7, 8, 5}, 0}};
  r.result = "made";
  r.pointsAfter = {-number, -number, 3 * number, -number};
  r.names = {"Ann \"the\" 'Player'", "West Bot", "North Bot", "East Bot"};
  r.levels = {"person", "classic", "expert", "classic"};
  r.takeBacks = static_cast<int>(number % 2);
  return r;
}

long long Count(const fs::path& path) {
  sqlite3* db = nullptr;
  long long n = -1;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT count(*) FROM hands", -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
      n = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
  }
  sqlite3_close(db);
  return n;
}

std::string Line(const HandRecord& r) {
  std::string line;
  AppendTraceLine(r, line);
  return line;
}

// 200 seeded hands kept by the simulator: every row is the hand as its trace line tells it, and
// the statistics equal those counted straight from the trace.
TEST(History, KeepsEveryHandAsPlayedAndItsStatisticsMatchTheTrace) {
  const fs::path dir = test::FreshFolder();
  SimulationOptions options = test::SimWithHistory(dir, 200, 8);
  std::vector<std::string> trace;
  options.trace = [&](const std::string& line) { trace.push_back(line); };
  const SimulationResult result = Simulate(options);
  ASSERT_EQ(result.saveError, "");

  auto history = History::OpenToRead(options.history);
  ASSERT_TRUE(history);
  const std::vector<HandRecord> hands = history->Hands(HandsWanted::All);
  ASSERT_EQ(hands.size(), trace.size());
  for (std::size_t i = 0; i < hands.size(); ++i) {
    EXPECT_EQ(Line(hands[i]), trace[i]) << i;
    EXPECT_EQ(hands[i].levels, (std::array<std::string, 4>{"classic", "classic", "classic", "classic"}));
  }

  // Counted again from the trace's own words, with the units of each contract.
  const int kWorth[7] = {0, 1, 2, 3, 3, 4, 6};
  const std::regex fields("\"declarer\":(-?\\d+),\"contract\":(\\d+).*\"result\":\"(\\w+)\"");
  std::array<std::array<ContractFigures, 7>, 4> expected{};
  for (const std::string& line : trace) {
    std::smatch m;
    ASSERT_TRUE(std::regex_search(line, m, fields));
    const int declarer = std::stoi(m[1]), contract = std::stoi(m[2]);
    const std::string outcome = m[3];
    if (outcome != "made" && outcome != "failed") continue;
    ContractFigures& f = expected[declarer][contract];
    ++f.bid;
    ++(outcome == "made" ? f.made : f.failed);
    const int each = kWorth[contract] * (outcome == "made" ? 1 : -1);
    for (int seat = 0; seat < 4; ++seat) expected[seat][contract].units += seat == declarer ? 3 * each : -each;
  }
  const Statistics stats = ComputeStatistics(hands);
  long long total = 0;
  for (int seat = 0; seat < 4; ++seat)
    for (int contract = 0; contract < 7; ++contract) {
      const ContractFigures &got = stats.seats[seat][contract], &want = expected[seat][contract];
      EXPECT_EQ(got.bid, want.bid) << seat << contract;
      EXPECT_EQ(got.made, want.made) << seat << contract;
      EXPECT_EQ(got.failed, want.failed) << seat << contract;
      EXPECT_EQ(got.units, want.units) << seat << contract;
      total += got.units;
    }
  EXPECT_EQ(total, 0) << "every unit won is paid by someone";
  EXPECT_EQ(stats.points.back(), (std::array<long long, 4>{result.points[0], result.points[1], result.points[2],
                                                          result.points[3]}));
  EXPECT_EQ(stats.runStarts, std::vector<int>{0});
  fs::remove_all(dir);
}

// New, empty and version-1 databases are brought to the current schema with nothing lost; a
// damaged one is kept aside and a new one begun; one from a newer program is left alone.
TEST(History, MigratesOldDatabasesAndSetsDamagedOnesAside) {
  struct Case {
    const char* what;
    std::function<void(const fs::path&)> make;  // what lies there before the game opens it
    const char* says;                           // part of the message ("" for none)
    long long rowsAfter;                        // hands readable after one more is kept (-1: no history)
  };
  const auto v1 = [](const fs::path& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, kHistorySchemaVersion1, nullptr, nullptr, nullptr);
    sqlite3_exec(db,
                 "INSERT INTO runs VALUES (1, '2025-01-01 10:00:00', 5);"
                 "INSERT INTO hands VALUES (NULL, 1, '2025-01-01 10:01:00', 5, 1, 0, 0, '', 7, '1 2 3', '1 0', 1, 1, "
                 "7, '', 'made', '-1 3 -1 -1', 'Me', 'W', 'N', 'E');",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
  };
  const Case cases[] = {
      {"none yet", [](const fs::path&) {}, "", 1},
      {"an empty file", [](const fs::path& p) { std::ofstream(p).flush(); }, "", 1},
      {"version 1 with a hand", v1, "", 2},
      {"not a database", [](const fs::path& p) { std::ofstream(p) << "Points: 1, 2, 3\n" << std::string(5000, 'x'); },
       "was damaged. It has been kept as History.sqlite.bad", 1},
      {"damaged inside",
       [&](const fs::path& p) {
         v1(p);
         std::fstream f(p, std::ios::in | std::ios::out | std::ios::binary);
         f.seekp(4096 + 8);
         f << std::string(300, '\xee');
       },
       "was damaged", 1},
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }, "was damaged", 1},
      {"held by another program",
       [&](const fs::path& p) {
         v1(p);
         static sqlite3* holder = nullptr;
         sqlite3_open(p.c_str(), &holder);
         sqlite3_exec(holder, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; DELETE FROM runs WHERE id = 0;", nullptr,
                      nullptr, nullptr);
       },
       "could not be opened", -1},
      {"from a newer program",
       [](const fs::path& p) {
         sqlite3* db = nullptr;
         sqlite3_open(p.c_str(), &db);
         sqlite3_exec(db, "CREATE TABLE schema_version (version INTEGER); INSERT INTO schema_version VALUES (99);",
                      nullptr, nullptr, nullptr);
         sqlite3_close(db);
       },
       "made by a newer Solo Whist", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path dir = test::FreshFolder();
    const fs::path path = dir / kHistoryFileName;
    c.make(path);
    History::Opened opened = History::Open(path);
    if (*c.says)
      EXPECT_NE(opened.message.find(c.says), std::string::npos) << opened.message;
    else
      EXPECT_EQ(opened.message, "");
    if (c.rowsAfter < 0) {
      EXPECT_FALSE(opened.history);
      EXPECT_FALSE(fs::exists(dir / "History.sqlite.bad")) << "a sound file is never set aside";
      fs::remove_all(dir);
      continue;
    }
    ASSERT_TRUE(opened.history);
    ASSERT_TRUE(opened.history->BeginRun(9));
    ASSERT_TRUE(opened.history->Append(SomeHand(1)));
    const std::vector<HandRecord> hands = opened.history->Hands(HandsWanted::All);
    ASSERT_EQ(static_cast<long long>(hands.size()), c.rowsAfter);
    EXPECT_EQ(Line(hands.back()), Line(SomeHand(1)));
    EXPECT_EQ(hands.back().names, SomeHand(1).names);
    EXPECT_EQ(hands.back().levels, SomeHand(1).levels);
    EXPECT_EQ(hands.back().takeBacks, 1);
    EXPECT_EQ(ComputeStatistics(hands, true).points.size() + 1, ComputeStatistics(hands).points.size())
        << "its take-back leaves it out";
    if (c.rowsAfter == 2) {
      EXPECT_EQ(hands[0].names[0], "Me");
      EXPECT_EQ(hands[0].takeBacks, 0) << "hands kept before take-backs had none";
      EXPECT_EQ(hands[0].levels[1], "classic") << "hands kept before the levels were Classic";
      EXPECT_EQ(hands[0].pointsAfter, (std::array<long long, 4>{-1, 3, -1, -1}));
    }
    EXPECT_EQ(opened.history->Hands(HandsWanted::ThisRun).size(), 1u);
    if (std::string(c.says).find("damaged") != std::string::npos) {
      EXPECT_TRUE(fs::exists(dir / "History.sqlite.bad"));
    }
    fs::remove_all(dir);
  }
}

// New Game in the middle of a hand keeps that hand as abandoned, with its deal and the tricks
// played so far; the hands after it are kept as usual.
TEST(History, AHandLeftByNewGameIsKeptAsAbandoned) {
  test::TestGame tg(6);
  tg.host.recordBoxes = false;
  HandHistory history(tg.g, tg.dir, false);
  ASSERT_EQ(history.TakeNotice(), "");
  int tricks = 0, hands = 0;
  struct Tricks : HandObserver {
    HandObserver* next;
    std::function<void()> onTrick;
    void HandStarts(const Game& g) override { next->HandStarts(g); }
    void Dealt(const Game& g) override { next->Dealt(g); }
    void BiddingStarts(const Game& g) override { next->BiddingStarts(g); }
    void BidShown(const Game& g, int seat, int code) override { next->BidShown(g, seat, code); }
    void PlayStarts(const Game& g) override { next->PlayStarts(g); }
    void TrickWon(const Game& g, int winner) override {
      next->TrickWon(g, winner);
      onTrick();
    }
    void HandEnded(const Game& g, const char* result) override { next->HandEnded(g, result); }
  } watch;
  watch.next = tg.g.observer;
  tg.g.observer = &watch;
  std::array<std::uint64_t, 4> dealt{};
  watch.onTrick = [&] {
    if (++tricks == 3 && hands == 0) {
      dealt = {tg.g.s.Hand[0], tg.g.s.Hand[1], tg.g.s.Hand[2], tg.g.s.Hand[3]};  // held after 3 tricks
      NewGameChosen(tg.g);
    }
  };
  tg.host.onBox = [&](const ScriptedHost::Box& box) {
    if (box.purpose == BoxPurpose::NewGameOrExit || box.purpose == BoxPurpose::PassedOut) ++hands;
    if (box.purpose == BoxPurpose::NewGameOrExit && hands >= 3) tg.host.deluxeAnswers.push_back(1);
    if (box.purpose == BoxPurpose::PassedOut && hands >= 3) ExitChosen(tg.g);
  };
  tg.host.player = [&] {
    if (!test::AnswerBidding(tg.g, 1)) CardClicked(tg.g, HintFor(tg.g).card);
  };
  if (StartGame(tg.g) == Next::StartHands) RunHands(tg.g);

  const std::vector<HandRecord> kept = history.history()->Hands(HandsWanted::ThisRun);
  ASSERT_GE(kept.size(), 4u);
  const HandRecord& left = kept[0];
  EXPECT_EQ(left.result, "abandoned");
  EXPECT_EQ(left.tricks.size(), 3u);
  // What each seat still held at the third trick, and the cards it played, make its deal.
  for (int seat = 0; seat < 4; ++seat) {
    std::uint64_t deal = 0;
    for (int card : left.hands[seat]) deal |= std::uint64_t{1} << (card - 1);
    std::uint64_t held = dealt[seat];
    for (const TrickRecord& t : left.tricks)
      for (int i = 0; i < 4; ++i)
        if ((t.leader + i) % 4 == seat) held |= std::uint64_t{1} << (t.cards[i] - 1);
    EXPECT_EQ(deal, held) << seat;
  }
  EXPECT_NE(kept[1].result, "abandoned");
  EXPECT_EQ(kept[1].levels[0], "person");
}

// A history that cannot be written is told once; the game goes on, and the points file is
// written as always. A full disk is a file size limit in a child; an unwritable folder, a
// child that has given up root.
TEST(History, AWriteFailureIsToldOnceAndTheGameGoesOn) {
  const fs::path dir = test::FreshFolder();
  const std::string answer = test::InChild(
      [] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
      },
      [&] {
        test::TestGame tg(4);
        tg.host.recordSounds = false;
        HandHistory history(tg.g, tg.dir, false);
        int hands = 0, told = 0, handsAfterTold = 0;
        tg.host.onBox = [&](const ScriptedHost::Box& box) {
          if (box.kind == ScriptedHost::Box::Message) told += box.prompt.find("hand history") != std::string::npos;
          if (box.purpose == BoxPurpose::NewGameOrExit || box.purpose == BoxPurpose::PassedOut) {
            ++hands;
            if (told) ++handsAfterTold;
            if (box.purpose == BoxPurpose::NewGameOrExit && hands >= 400) tg.host.deluxeAnswers.push_back(1);
            if (box.purpose == BoxPurpose::PassedOut && hands >= 400) ExitChosen(tg.g);
          }
        };
        tg.host.player = [&] {
          if (!test::AnswerBidding(tg.g)) CardClicked(tg.g, HintFor(tg.g).card);
        };
        if (StartGame(tg.g) == Next::StartHands) RunHands(tg.g);
        const PointsRead saved = ReadPointsFile(tg.dir.string());
        return std::to_string(told) + " " + std::to_string(handsAfterTold > 10) + " " +
               std::to_string(saved.points == tg.g.s.points);
      });
  EXPECT_EQ(answer, "1 1 1") << "told once, the game went on, the points file holds the points";

  const fs::path folder = dir / "locked";
  fs::create_directories(folder);
  fs::permissions(dir, fs::perms::all);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  const std::string unwritable = test::AsUnprivilegedUser([&] {
    History::Opened opened = History::Open(folder / kHistoryFileName);
    return (opened.history ? std::string("a history") : std::string("none")) + ": " + opened.message;
  });
  EXPECT_NE(unwritable.find("none: The hand history (History.sqlite) could not be created"), std::string::npos)
      << unwritable;
  fs::remove_all(dir);
}

// A writer killed at any moment leaves a database that opens and holds every hand committed.
TEST(History, AWriterKilledAtAnyMomentLosesNothingCommitted) {
  const fs::path dir = test::FreshFolder();
  const fs::path path = dir / kHistoryFileName;
  std::mt19937 random(3);
  long long committed = 0;
  for (int round = 0; round < 12; ++round) {
    int pipes[2];
    ASSERT_EQ(::pipe(pipes), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(pipes[0]);
      History::Opened opened = History::Open(path);
      if (!opened.history || !opened.message.empty() || !opened.history->BeginRun(1)) ::_exit(1);
      for (long n = 1;; ++n) {
        if (!opened.history->Append(SomeHand(n))) ::_exit(2);
        const long long sent = n;
        if (::write(pipes[1], &sent, sizeof sent) != sizeof sent) ::_exit(3);
      }
    }
    ::close(pipes[1]);
    // Let it write for a moment, then kill it wherever it is.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(5 + random() % 60);
    long long last = 0, value = 0;
    while (std::chrono::steady_clock::now() < until && ::read(pipes[0], &value, sizeof value) == sizeof value)
      last = value;
    ::kill(child, SIGKILL);
    while (::read(pipes[0], &value, sizeof value) == sizeof value) last = value;
    ::close(pipes[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ran until it was killed";
    committed += last;

    History::Opened reopened = History::Open(path);
    EXPECT_EQ(reopened.message, "") << "round " << round;
    ASSERT_TRUE(reopened.history);
    EXPECT_GE(static_cast<long long>(reopened.history->Hands(HandsWanted::All).size()), committed);
    committed = static_cast<long long>(reopened.history->Hands(HandsWanted::All).size());
  }
  EXPECT_GT(committed, 12);
  EXPECT_EQ(Count(path), committed);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace solo
