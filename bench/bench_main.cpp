// Benchmarks of the rules engine: a complete hand, the computer players' point count, each
// card choice and the card queries. Run: build/bench/solo_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include "bidding/BidEvaluation.h"
#include "play/CardQueries.h"
#include "play/ExpertPlayer.h"
#include "play/Solver.h"
#include "Openings.h"
#include "play/Strategy.h"
#include "play/TrickRules.h"
#include "sim/SimGame.h"
#include "game/GameStart.h"
#include "game/HandRecorder.h"
#include "store/History.h"
#include "game/HandLoop.h"
#include "table/NewHand.h"

namespace solo {
namespace {

// A game ready to play hands, its files in a folder of its own.
struct BenchGame {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "solo-bench";
  SimGame sim{(std::filesystem::create_directories(dir), dir.string()), 1};
  BenchGame() { StartGame(sim.g); }
  ~BenchGame() { std::filesystem::remove_all(dir); }
};

void BM_CompleteHand(benchmark::State& state) {
  BenchGame bench;
  for (auto _ : state) benchmark::DoNotOptimize(PlayHand(bench.sim.g));
}
BENCHMARK(BM_CompleteHand);

// Positions met in play: a random deal, some tricks already gone, and a trick under way up to
// the seat about to play. The same positions every run.
struct Position {
  GameState s;
  int seat;
  int place;  // 1-4 in the trick
};

std::vector<Position> MakePositions(int count, int place) {
  std::mt19937 rng(2024 + place);
  std::vector<Position> out;
  GameState base;
  BuildPack(base);
  for (int i = 0; i < count; ++i) {
    GameState s = base;
    std::vector<int> pack(52);
    for (int n = 0; n < 52; ++n) pack[n] = n + 1;
    std::shuffle(pack.begin(), pack.end(), rng);
    for (int n = 0; n < 52; ++n) SetOwner(s, pack[n], n % 4);
    s.trumps = (4 + rng() % 5);
    s.declarer = (rng() % 4);
    // Some tricks already played: one card from each seat.
    const int gone = static_cast<int>(rng() % 9);
    for (int t = 0; t < gone; ++t)
      for (int seat = 0; seat < 4; ++seat) {
        const int card = LowestCard(s, seat);
        SetOwner(s, card, kOwnerNone);
        SetPlayed(s, card, true);
      }
    const int leader = static_cast<int>(rng() % 4);
    int* cards[4] = {&s.trick[0].card, &s.trick[1].card, &s.trick[2].card, &s.trick[3].card};
    int* players[4] = {&s.trick[0].seat, &s.trick[1].seat, &s.trick[2].seat, &s.trick[3].seat};
    s.declarersCard = 0;
    for (int k = 0; k < 4; ++k) {
      *players[k] = (leader + k) % 4;
      *cards[k] = -1;
    }
    for (int k = 0; k < place - 1; ++k) {
      const int seat = *players[k];
      int card = k == 0 ? HighestCard(s, seat) : LowestOfSuit(s, seat, s.Pack[s.trick[0].card].Suit);
      if (!card) card = LowestCard(s, seat);
      *cards[k] = card;
      SetOwner(s, card, kOwnerNone);
      SetPlayed(s, card, true);
      if (seat == s.declarer) s.declarersCard = card;
    }
    out.push_back({s, *players[place - 1], place});
  }
  return out;
}

void BM_Choose(benchmark::State& state) {
  const int place = static_cast<int>(state.range(0));
  const bool lose = state.range(1) != 0;
  const auto positions = MakePositions(256, place);
  std::size_t i = 0;
  for (auto _ : state) {
    const Position& p = positions[i++ & 255];
    benchmark::DoNotOptimize(ChooseCard(p.s, p.seat, p.place, lose));
  }
}
BENCHMARK(BM_Choose)->ArgNames({"place", "lose"})->ArgsProduct({{1, 2, 3, 4}, {0, 1}});

void BM_BotsBidsPoints(benchmark::State& state) {
  auto positions = MakePositions(256, 1);
  std::size_t i = 0;
  for (auto _ : state) {
    GameState& s = positions[i++ & 255].s;
    BotsBidsPoints(s, kWest);
    benchmark::DoNotOptimize(s.bidPoints[kWest]);
  }
}
BENCHMARK(BM_BotsBidsPoints);

void BM_CardQueries(benchmark::State& state) {
  const auto positions = MakePositions(256, 2);
  std::size_t i = 0;
  for (auto _ : state) {
    const Position& p = positions[i++ & 255];
    const int led = p.s.Pack[p.s.trick[0].card].Suit;
    benchmark::DoNotOptimize(HasSuit(p.s, p.seat, led));
    benchmark::DoNotOptimize(LowestOfSuit(p.s, p.seat, led));
    benchmark::DoNotOptimize(HighestOfSuit(p.s, p.seat, led));
    benchmark::DoNotOptimize(LowestCard(p.s, p.seat));
    benchmark::DoNotOptimize(HighestCard(p.s, p.seat));
    benchmark::DoNotOptimize(StrictlyLongestSuit(p.s, p.seat));
    benchmark::DoNotOptimize(MasterKing(p.s, p.seat, led));
    benchmark::DoNotOptimize(LowestCardAbove(p.s, p.seat, p.s.trick[0].card));
    benchmark::DoNotOptimize(HighestCardUnderCardPlayed(p.s, p.seat, p.s.trick[0].card));
  }
}
BENCHMARK(BM_CardQueries);

// The exact solver on whole 13-card layouts: the same eight random deals every run, South
// declaring, West on lead, for the goal given by the benchmark's argument (5 tricks, 9 tricks,
// or no trick). Each iteration solves all eight with a fresh solver.
void BM_SolverFullLayouts(benchmark::State& state) {
  std::mt19937_64 rng(7);
  std::vector<SolverPosition> layouts;
  for (int i = 0; i < 8; ++i) {
    std::array<int, 52> pack{};
    for (int c = 0; c < 52; ++c) pack[c] = c;
    std::shuffle(pack.begin(), pack.end(), rng);
    SolverPosition p;
    for (int c = 0; c < 52; ++c) p.hands[c / 13] |= std::uint64_t{1} << pack[c];
    p.trumps = i % 4;
    p.leader = 1;
    layouts.push_back(p);
  }
  const SolverGoal goal = state.range(0) == 0 ? SolverGoal{true, 0} : SolverGoal{false, static_cast<int>(state.range(0))};
  long nodes = 0;
  for (auto _ : state) {
    for (const SolverPosition& p : layouts) {
      Solver solver;
      benchmark::DoNotOptimize(solver.Reaches(p, goal));
      nodes += solver.nodes();
    }
  }
  state.counters["nodes per layout"] = benchmark::Counter(static_cast<double>(nodes) / (8.0 * state.iterations()));
}
BENCHMARK(BM_SolverFullLayouts)->Arg(5)->Arg(9)->Arg(0)->Unit(benchmark::kMillisecond);

// The opening positions: the file the environment's SOLO_OPENINGS names (another set made by
// scripts/make_openings.py, to check a change on positions it was not tuned on), else the
// committed thousand.
std::vector<Opening> BenchOpenings() {
  const char* path = std::getenv("SOLO_OPENINGS");
  return ReadOpenings(path && *path ? path : SOLO_OPENINGS);
}

// The opening positions of real hands, each solved with a limit of a million positions: the
// median and the most positions one took, how many reached the limit, and the total. `fresh`:
// a new solver for each (else one kept through them, as a player keeps one); `pair`: each
// trump contract played instead as a Proposal and Acceptance (the declarer's partner opposite,
// eight tricks to take), the Misere and no-trump ones left out.
void BM_SolverOpenings(benchmark::State& state) {
  const bool fresh = state.range(0) != 0, pair = state.range(1) != 0;
  const std::vector<Opening> openings = BenchOpenings();
  std::vector<long> counts;
  for (auto _ : state) {
    counts.clear();
    Solver solver;
    solver.SetNodeLimit(1000000);
    for (Opening o : openings) {
      if (pair && (o.goal.toLose || o.position.trumps < 0)) continue;
      if (pair) o.position.partner = (o.position.declarer + 2) % 4, o.goal.target = 8;
      if (fresh) solver.Forget();  // then it searches as a new one
      const long before = solver.nodes();
      benchmark::DoNotOptimize(solver.Reaches(o.position, o.goal));
      counts.push_back(solver.aborted() ? 1000001 : solver.nodes() - before);
    }
  }
  std::vector<long> sorted = counts;
  std::sort(sorted.begin(), sorted.end());
  long total = 0, limited = 0;
  for (long n : counts) total += n, limited += n > 1000000;
  state.counters["positions"] = static_cast<double>(counts.size());
  state.counters["median nodes"] = sorted.empty() ? 0 : static_cast<double>(sorted[sorted.size() / 2]);
  state.counters["90% nodes"] = sorted.empty() ? 0 : static_cast<double>(sorted[sorted.size() * 9 / 10]);
  state.counters["most nodes"] = sorted.empty() ? 0 : static_cast<double>(sorted.back());
  state.counters["over 1M"] = static_cast<double>(limited);
  state.counters["total nodes"] = static_cast<double>(total);
}
BENCHMARK(BM_SolverOpenings)
    ->ArgNames({"fresh", "pair"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// What an Expert asks of the solver in play: each card's answer and tricks (Cards), at every
// third card along a random line from each opening and at every card of the last four tricks,
// one solver kept through a hand and forgotten at the next, a hundred thousand positions a call
// (an Expert's limit a layout). The positions are the same for any solver; a call cut short
// counts as "cut".
void BM_SolverCardsInPlay(benchmark::State& state) {
  const std::vector<Opening> openings = BenchOpenings();
  long calls = 0, cut = 0, nodes = 0;
  for (auto _ : state) {
    std::mt19937_64 random(99);
    Solver solver;
    solver.SetNodeLimit(100000);
    calls = cut = 0;
    const long start = solver.nodes();
    for (const Opening& o : openings) {
      SolverPosition p = o.position;
      solver.Forget();
      for (int step = 0;; ++step) {
        const int left = std::popcount(p.hands[0] | p.hands[1] | p.hands[2] | p.hands[3]);
        if (left < 8) break;
        if (step % 3 == 2 || left <= 16) ++calls, cut += solver.Cards(p, o.goal).empty();
        const int seat = (p.leader + p.played) % 4;
        const std::uint64_t legal = Playable(p.hands[seat], p.played ? SuitOfBit(p.trick[0]) : -1);
        std::uint64_t pick = legal;
        for (auto skip = random() % static_cast<unsigned>(std::popcount(legal)); skip > 0; --skip) pick &= pick - 1;
        p = AfterCard(p, std::countr_zero(pick));
      }
    }
    nodes = solver.nodes() - start;
  }
  state.counters["calls"] = static_cast<double>(calls);
  state.counters["cut"] = static_cast<double>(cut);
  state.counters["total nodes"] = static_cast<double>(nodes);
}
BENCHMARK(BM_SolverCardsInPlay)->Iterations(1)->Unit(benchmark::kMillisecond);

// One Expert decision at the first lead of a hand: South to lead against West's Solo, with ten
// imagined layouts (the default when it was written, kept so that its figures still compare; the
// default is now kExpertSamples). The deal is the same every run.
void BM_ExpertDecision(benchmark::State& state) {
  BenchGame bench;
  Game& g = bench.sim.g;
  NewHand(g);
  g.s.declarer = kWest;
  g.s.bidSolo[kWest] = true;
  g.s.leader = kSouth;
  for (int i = 0; i < 4; ++i) g.s.trick[i] = {i, -1};
  ExpertPlayer expert(1, 10);
  for (auto _ : state) benchmark::DoNotOptimize(expert.Card(g, kSouth, 1, false));
}
BENCHMARK(BM_ExpertDecision)->Unit(benchmark::kMillisecond);

// Keeping one hand in the history as the window does after every hand: its own transaction in
// a write-ahead database (the time the window's thread spends on it).
void BM_HistoryKeepOneHand(benchmark::State& state) {
  BenchGame bench;
  HandRecorder recorder(1);
  HandRecord last;
  recorder.SetKeeper([&](const HandRecord& hand) { last = hand; });
  bench.sim.g.observer = &recorder;
  PlayHand(bench.sim.g);
  bench.sim.g.observer = nullptr;
  const auto path = bench.dir / "History.sqlite";
  History::Opened opened = History::Open(path);
  opened.history->BeginRun(1);
  for (auto _ : state) benchmark::DoNotOptimize(opened.history->Append(last));
}
BENCHMARK(BM_HistoryKeepOneHand)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace solo

BENCHMARK_MAIN();
