#include "sim/Simulator.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "bidding/BidLadder.h"
#include "sim/SimGame.h"
#include "store/History.h"
#include "game/HandRecorder.h"
#include "game/GameStart.h"

namespace solo {

SimulationResult Simulate(const SimulationOptions& options) {
  SimGame sim(options.dataDir, options.seed);
  sim.experts.Seat(sim.g, options.expert, options.samples,
                   options.confidence >= 0 ? options.confidence : ExpertPlayer::kBidConfidence);
  Game& g = sim.g;
  SimHost& host = sim.host;
  HandRecorder trace(options.seed);
  if (options.trace) trace.SetSink(options.trace);
  g.observer = &trace;
  // The history, when asked for, keeps the hands in large transactions: one per hand would
  // cost more than the hand itself.
  std::unique_ptr<History> history;
  std::string historyError;
  if (!options.history.empty()) {
    History::Opened opened = History::Open(options.history);
    if (!opened.message.empty() && options.tell) options.tell(opened.message);
    history = std::move(opened.history);
    if (!history) {
      SimulationResult failed;
      failed.startError = opened.message;
      return failed;
    }
    history->SetBatch(10000);
    history->BeginRun(options.seed);
    trace.SetKeeper([&](const HandRecord& hand) {
      if (!history->Append(hand) && historyError.empty()) historyError = history->error();
    });
  }

  SimulationResult result;
  Long southBefore = 0;
  const auto tally = [&] {
    ++result.hands;
    // South's units won or lost in each hand, for comparing runs over the same deals.
    result.southUnits.push_back(g.s.LngPoints[kSouth] - southBefore);
    southBefore = g.s.LngPoints[kSouth];
    const int contract = trace.last().contract;
    if (contract == 0) {
      ++result.throwIns;
      return;
    }
    const bool made = trace.last().result == "made";
    ++result.contracts[contract].bid;
    result.contracts[contract].made += made;
    const int declarer = trace.last().declarer;
    if (declarer >= 0 && declarer < kSeats && options.expert[declarer]) {
      ++result.expertContracts[contract].bid;
      result.expertContracts[contract].made += made;
    }
  };
  // Each hand is counted at its last box; once enough are played, the game is left there.
  host.answer = [&](const DeluxeBox& box) {
    if (box.purpose == BoxPurpose::NewGameOrExit) {
      tally();
      return result.hands >= options.hands ? 1 : 0;
    }
    if (box.purpose == BoxPurpose::PassedOut) {
      tally();
      if (result.hands >= options.hands) MnuExit_Click(g);
    }
    return 0;
  };

  host.tell = options.tell;
  const auto start = std::chrono::steady_clock::now();
  if (options.hands > 0 && Form_Load(g) == Next::StartHands) {
    southBefore = g.s.LngPoints[kSouth];
    result.startError = options.ready ? options.ready() : std::string();
    if (!result.startError.empty()) return result;
    RunHands(g);
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  result.saveError = sim.storage.Flush();
  if (history && !history->Flush() && historyError.empty()) historyError = history->error();
  if (!historyError.empty())
    result.saveError += (result.saveError.empty() ? "" : " ") + ("The hand history: " + historyError);
  for (int i = 0; i < kSeats; ++i) result.points[i] = g.s.LngPoints[i];
  for (const auto& expert : sim.experts.experts)
    if (expert) {
      result.expertDecisions += expert->decisions();
      result.slowestDecision = std::max(result.slowestDecision, expert->slowest());
    }
  result.fingerprint = trace.fingerprint();
  return result;
}

Comparison CompareSouth(const SimulationResult& tried, const SimulationResult& baseline) {
  const std::size_t n = std::min(tried.southUnits.size(), baseline.southUnits.size());
  Comparison c;
  c.hands = static_cast<long>(n);
  if (n < 2) return c;
  double sum = 0, squares = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double d = tried.southUnits[i] - baseline.southUnits[i];
    sum += d;
    squares += d * d;
  }
  c.mean = sum / static_cast<double>(n);
  const double variance = (squares - sum * c.mean) / static_cast<double>(n - 1);
  c.halfWidth = 1.96 * std::sqrt(std::max(0.0, variance) / static_cast<double>(n));
  return c;
}

std::string FormatSummary(const SimulationOptions& options, const SimulationResult& r) {
  std::ostringstream out;
  out << "Solo Whist simulation: " << r.hands << " hands from seed " << options.seed << "\n";
  out << "  throw-ins           " << r.throwIns << "\n";
  const bool experts = std::find(options.expert.begin(), options.expert.end(), true) != options.expert.end();
  out << "  contract              bid     made" << (experts ? "   by Experts: bid     made   rate" : "") << "\n";
  for (int code = 1; code <= 6; ++code) {
    char row[128];
    const ContractTally& e = r.expertContracts[code];
    std::snprintf(row, sizeof row, "  %-18s %8ld %8ld", kContractNames[code], r.contracts[code].bid, r.contracts[code].made);
    out << row;
    if (experts) {
      std::snprintf(row, sizeof row, "  %16ld %8ld %5.0f%%", e.bid, e.made, e.bid ? 100.0 * e.made / e.bid : 0.0);
      out << row;
    }
    out << "\n";
  }
  if (r.expertDecisions > 0) {
    char line[96];
    std::snprintf(line, sizeof line, "  expert decisions    %ld, the slowest %.0f ms\n", r.expertDecisions,
                  r.slowestDecision * 1000);
    out << line;
  }
  out << "  final points        South " << r.points[0] << ", West " << r.points[1] << ", North " << r.points[2]
      << ", East " << r.points[3] << "\n";
  char speed[64];
  std::snprintf(speed, sizeof speed, "%.0f", r.seconds > 0 ? r.hands / r.seconds : 0.0);
  out << "  speed               " << speed << " hands per second\n";
  char print[32];
  std::snprintf(print, sizeof print, "%016llx", static_cast<unsigned long long>(r.fingerprint));
  out << "  fingerprint         " << print << "\n";
  return out.str();
}

}  // namespace solo
