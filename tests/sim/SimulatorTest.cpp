#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "GameFixture.h"
#include "game/TablePresentation.h"
#include "sim/SimGame.h"
#include "sim/Simulator.h"
#include "game/HandRecorder.h"
#include "game/GameStart.h"

namespace solo {
namespace {

std::vector<std::string> TraceOf(std::uint64_t seed, long hands, SimulationResult* result = nullptr) {
  const auto dir = test::FreshFolder();
  std::vector<std::string> lines;
  SimulationOptions options;
  options.hands = hands;
  options.seed = seed;
  options.dataDir = dir.string();
  options.trace = [&](const std::string& line) { lines.push_back(line); };
  const SimulationResult r = Simulate(options);
  if (result) *result = r;
  std::filesystem::remove_all(dir);
  return lines;
}

TEST(Simulator, TheSameSeedGivesTheSameTraceAndFingerprint) {
  SimulationResult a, b, c;
  const auto first = TraceOf(42, 300, &a);
  const auto second = TraceOf(42, 300, &b);
  const auto other = TraceOf(43, 300, &c);
  ASSERT_EQ(first.size(), 300u);
  EXPECT_EQ(first, second);
  EXPECT_EQ(a.fingerprint, b.fingerprint);
  EXPECT_NE(first, other);
  EXPECT_NE(a.fingerprint, c.fingerprint);
  // Every hand is a throw-in or one counted contract.
  long contracts = a.throwIns;
  for (const ContractTally& t : a.contracts) contracts += t.bid;
  EXPECT_EQ(a.hands, 300);
  EXPECT_EQ(contracts, 300);
  EXPECT_EQ(a.contracts[3].bid + a.contracts[5].bid, 0) << "South never bids the open contracts";
  long total = 0;
  for (long p : a.points) total += p;
  EXPECT_EQ(total, 0);
}

// The fingerprint of a fixed run pins every result of the rules: a change of any card choice,
// bid, trick or settlement changes it. Change the number only in a commit that says why the
// results change.
TEST(Simulator, TheFingerprintOfSeedOneIsPinned) {
  SimulationResult r;
  TraceOf(1, 5000, &r);
  char print[32];
  std::snprintf(print, sizeof print, "%016llx", static_cast<unsigned long long>(r.fingerprint));
  EXPECT_STREQ(print, "28b5cdbdc3fe6f45");
}

// Runs over the same deals compare hand by hand: the mean difference of South's units and the
// half-width of its 95 % interval.
TEST(Simulator, DuplicateComparison) {
  SimulationResult tried, baseline;
  tried.southUnits = {3, -1, 0, 2, 1};
  baseline.southUnits = {1, -1, -2, 0, 1, 5};  // the longer run's extra hand is left out
  const Comparison c = CompareSouth(tried, baseline);
  EXPECT_EQ(c.hands, 5);
  EXPECT_DOUBLE_EQ(c.mean, 1.2);  // differences 2, 0, 2, 2, 0
  EXPECT_NEAR(c.halfWidth, 1.96 * std::sqrt(1.2 / 5), 1e-12);
  // A run of South's units follows the points: their sum is South's final total.
  SimulationResult r;
  TraceOf(5, 200, &r);
  long total = 0;
  for (int u : r.southUnits) total += u;
  EXPECT_EQ(r.southUnits.size(), 200u);
  EXPECT_EQ(total, r.points[0]);
}

// Watches the flow beside the trace: the played-cards list the table shows, turned back into
// seats and card numbers, must match the tricks of the trace line of the same hand.
struct Tee : HandObserver {
  HandRecorder& trace;
  std::vector<std::string> expected;
  explicit Tee(HandRecorder& t) : trace(t) {}
  void HandStarts(const Game& g) override { trace.HandStarts(g); }
  void Dealt(const Game& g) override { trace.Dealt(g); }
  void BiddingStarts(const Game& g) override { trace.BiddingStarts(g); }
  void BidShown(const Game& g, int seat, int code) override { trace.BidShown(g, seat, code); }
  void PlayStarts(const Game& g) override { trace.PlayStarts(g); }
  void TrickWon(const Game& g, int winner) override { trace.TrickWon(g, winner); }
  void HandEnded(const Game& g, const char* result) override {
    std::map<std::string, int> seatOf, cardOf;
    for (int seat = 0; seat < 4; ++seat) seatOf[g.s.playerNames[seat]] = seat;
    for (int card = 1; card <= 52; ++card) cardOf[g.s.Pack[card].FullName] = card;
    std::string tricks;
    std::vector<int> cards;
    int leader = -1;
    for (std::size_t i = 0; i < g.t.playedList.size(); ++i) {
      const std::string& line = g.t.playedList[i];
      const auto played = line.find(" played ");
      const auto won = line.find(" won the trick.");
      if (played != std::string::npos) {
        if (cards.empty()) leader = seatOf.at(line.substr(0, played));
        cards.push_back(cardOf.at(line.substr(played + 8)));
      } else if (won != std::string::npos) {
        ASSERT_EQ(cards.size(), 4u);
        tricks += std::string(tricks.empty() ? "" : ",") + "{\"leader\":" + std::to_string(leader) + ",\"cards\":[" +
                  std::to_string(cards[0]) + "," + std::to_string(cards[1]) + "," + std::to_string(cards[2]) + "," +
                  std::to_string(cards[3]) + "],\"winner\":" + std::to_string(seatOf.at(line.substr(0, won))) + "}";
        cards.clear();
      }
    }
    std::string points;
    for (int i = 0; i < 4; ++i) points += (i ? "," : "") + std::to_string(g.s.points[i]);
    expected.push_back("\"tricks\":[" + tricks + "],\"result\":\"" + result + "\",\"points_after\":[" + points +
                       "]}\n");
    trace.HandEnded(g, result);
  }
};

TEST(Simulator, TheTraceRecordsWhatTheTableShowed) {
  const auto dir = test::FreshFolder();
  SimGame sim(dir.string(), 7);
  // The simulator shows nothing; here the table is kept, to compare with what it shows.
  TablePresentation table;
  sim.g.show = &table;
  HandRecorder trace(7);
  std::vector<std::string> lines;
  trace.SetSink([&](const std::string& line) { lines.push_back(line); });
  Tee tee(trace);
  sim.g.observer = &tee;
  // Stop at the question after a settlement, or after a throw-in, once enough hands are recorded.
  sim.host.answer = [&](const DeluxeBox& box) {
    if (lines.size() < 40) return 0;
    if (box.purpose == BoxPurpose::PassedOut) ExitChosen(sim.g);
    return box.purpose == BoxPurpose::NewGameOrExit ? 1 : 0;
  };
  StartGame(sim.g);
  RunHands(sim.g);
  ASSERT_GE(lines.size(), 40u);
  ASSERT_EQ(tee.expected.size(), lines.size());
  int played = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_NE(lines[i].find(tee.expected[i]), std::string::npos) << lines[i] << "\n" << tee.expected[i];
    played += lines[i].find("\"result\":\"passed\"") == std::string::npos;
  }
  EXPECT_GT(played, 20);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace solo
