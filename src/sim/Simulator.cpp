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

namespace {

// The simulator's hand history keeps the hands in large transactions: one per hand would cost
// more than the hand itself. The points file stays the file of record: it is saved before each
// batch is committed, so the history never holds a hand the points file does not, and the run
// stops at the first failure of either.
class BatchedHistory {
 public:
  // False (with why) when the history asked for cannot be opened; one that cannot begin its
  // run is off for the run, said once.
  bool Open(const SimulationOptions& options, std::string& why) {
    if (options.history.empty()) return true;
    History::Opened opened = History::Open(options.history);
    history_ = std::move(opened.history);
    if (!history_) {
      why = opened.message;
      return false;
    }
    if (!opened.message.empty() && options.tell) options.tell(opened.message);
    if (!history_->BeginRun(options.seed)) {
      if (options.tell)
        options.tell("The hand history could not be written (" + history_->error() +
                     "), so hands are not kept in this run.");
      history_.reset();
      return true;
    }
    batch_ = std::max(1, options.historyBatch);
    history_->SetBatch(batch_ + 1);  // committed here, after the points
    return true;
  }
  bool open() const { return history_ != nullptr; }
  // Why the run must stop, once it must.
  const std::string& stopped() const { return stopped_; }

  void Keep(const HandRecord& hand, DeferredStorage& storage) {
    if (!stopped_.empty()) return;
    if (!history_->Append(hand)) {
      stopped_ = "The hand history: " + history_->error();
    } else if (history_->pending() >= batch_) {
      const std::string saved = storage.Flush();
      if (!saved.empty()) {
        history_->Discard();
        stopped_ = saved;
      } else if (!history_->Flush()) {
        stopped_ = "The hand history: " + history_->error();
      }
    }
  }

  // The end of the run, once the points have been saved (`pointsError` empty) or not: the last
  // batch is committed only after them. Returns everything that went wrong, said once each.
  std::string Finish(const std::string& pointsError, long hands) {
    if (history_ && pointsError.empty() && stopped_.empty() && !history_->Flush())
      stopped_ = "The hand history: " + history_->error();
    if (history_) history_->Discard();
    if (stopped_.empty()) return pointsError;
    // The final save may fail for the same reason as the one that stopped the run.
    const std::string alsoFinal = pointsError == stopped_ ? "" : pointsError;
    return stopped_ + " (the run stopped after " + std::to_string(hands) + " hands)" +
           (alsoFinal.empty() ? "" : " " + alsoFinal);
  }

 private:
  std::unique_ptr<History> history_;
  int batch_ = 1;
  std::string stopped_;
};

}  // namespace

SimulationResult Simulate(const SimulationOptions& options) {
  SimGame sim(options.dataDir, options.seed);
  sim.experts.Seat(sim.g, options.expert, options.samples,
                   options.confidence >= 0 ? options.confidence : ExpertPlayer::kBidConfidence);
  Game& g = sim.g;
  SimHost& host = sim.host;
  HandRecorder trace(options.seed);
  if (options.trace) trace.SetSink(options.trace);
  g.observer = &trace;
  BatchedHistory history;
  std::string startError;
  if (!history.Open(options, startError)) {
    SimulationResult failed;
    failed.startError = startError;
    return failed;
  }
  if (history.open()) trace.SetKeeper([&](const HandRecord& hand) { history.Keep(hand, sim.storage); });

  SimulationResult result;
  Long southBefore = 0;
  const auto tally = [&] {
    ++result.hands;
    // South's units won or lost in each hand, for comparing runs over the same deals.
    result.southUnits.push_back(g.s.points[kSouth] - southBefore);
    southBefore = g.s.points[kSouth];
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
    const auto done = [&] { return result.hands >= options.hands || !history.stopped().empty(); };
    if (box.purpose == BoxPurpose::NewGameOrExit) {
      tally();
      return done() ? 1 : 0;
    }
    if (box.purpose == BoxPurpose::PassedOut) {
      tally();
      if (done()) ExitChosen(g);
    }
    return 0;
  };

  host.tell = options.tell;
  const auto start = std::chrono::steady_clock::now();
  if (options.hands > 0 && StartGame(g) == Next::StartHands) {
    southBefore = g.s.points[kSouth];
    result.startError = options.ready ? options.ready() : std::string();
    if (!result.startError.empty()) return result;
    RunHands(g);
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  result.saveError = history.Finish(sim.storage.Flush(), result.hands);
  for (int i = 0; i < kSeats; ++i) result.points[i] = g.s.points[i];
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
    std::snprintf(row, sizeof row, "  %-18s %8ld %8ld", ContractOf(code).name, r.contracts[code].bid, r.contracts[code].made);
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
