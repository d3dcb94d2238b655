#include "sim/Simulator.h"

#include <map>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "bidding/BidLadder.h"
#include "bidding/StandardBidding.h"
#include "state/CardSets.h"
#include "sim/SimGame.h"
#include "store/History.h"
#include "game/HandAnalysis.h"
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

using LastBids = std::array<std::pair<int, double>, kSeats>;

// Seats the Experts the options ask for; each one's last bid of the hand, with the share of the
// layouts it was made in, is kept in `lastBid`.
void SeatExperts(SimGame& sim, const SimulationOptions& options, LastBids& lastBid) {
  if (options.expertBudget >= 0) sim.experts.timeBudget = options.expertBudget;
  sim.experts.threads = options.expertThreads;
  sim.experts.Seat(sim.g, options.expert, options.samples,
                   options.confidence >= 0 ? options.confidence : ExpertPlayer::kBidConfidence);
  for (int seat = 0; seat < kSeats; ++seat) {
    ExpertPlayer* expert = sim.experts.experts[seat].get();
    if (!expert) continue;
    expert->ExploreSolos(options.exploreSolos);
    if (options.bidOutcome) expert->bidWatch = [&lastBid, seat](int code, double share) { lastBid[seat] = {code, share}; };
  }
}

// Counts each finished hand into the result.
struct HandTally {
  const SimulationOptions& options;
  SimulationResult& result;
  const Game& g;
  const HandRecorder& trace;
  LastBids& lastBid;
  PerSeat<Long> pointsBefore{};  // the points before the hand being played

  void operator()() {
    ++result.hands;
    // South's units won or lost in each hand, for comparing runs over the same deals.
    result.southUnits.push_back(g.s.points[kSouth] - pointsBefore[kSouth]);
    Long moved = 0;
    for (int seat = 0; seat < kSeats; ++seat) moved += g.s.points[seat] - pointsBefore[seat];
    result.unbalanced += moved != 0;
    pointsBefore = g.s.points;
    const HandRecord& last = trace.last();
    const int contract = last.contract;
    if (options.handByHand) {
      std::uint64_t deal = Mix64(static_cast<std::uint64_t>(last.dealer) + 1);
      for (const auto& hand : last.hands)
        for (const int card : hand) deal = Mix64(deal ^ static_cast<std::uint64_t>(card));
      result.deals.push_back(deal);
      result.handContracts.push_back(contract);
    }
    result.shuffled += !last.goulash;
    result.shuffledBid += !last.goulash && contract != 0;
    if (contract == 0) {
      ++result.throwIns;
      return;
    }
    const bool made = last.result == "made";
    ++result.contracts[contract].bid;
    result.contracts[contract].made += made;
    const int declarer = last.declarer;
    if (declarer >= 0 && declarer < kSeats && options.expert[declarer]) {
      ++result.expertContracts[contract].bid;
      result.expertContracts[contract].made += made;
      // The Expert values the contracts of the Classic ladder; under the Standard rules it calls
      // their counterparts. Logged by the contract it valued, as the scripts read it.
      const int valued = lastBid[declarer].first;
      if (options.bidOutcome && (g.s.standard ? StandardCallFor(valued) : valued) == contract)
        options.bidOutcome(valued, lastBid[declarer].second, made, last.goulash,
                           !last.tricks.empty() && last.tricks.front().leader == declarer);
    }
    if (options.bidOutcome) lastBid = {};
  }
};

// The Experts' decisions, card ties and decision times.
void AddExpertFigures(const ExpertSeats& experts, SimulationResult& result) {
  std::vector<float> times;
  for (const auto& expert : experts.experts)
    if (expert) {
      result.expertDecisions += expert->decisions();
      result.cardSearches += expert->cardSearches();
      result.classicTies += expert->classicTies();
      result.knownSearches += expert->knownSearches();
      result.knownTies += expert->knownTies();
      result.settledTies += expert->settledTies();
      result.slowestDecision = std::max(result.slowestDecision, expert->slowest());
      times.insert(times.end(), expert->times().begin(), expert->times().end());
    }
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  result.medianDecision = times[times.size() / 2];
  result.decision99 = times[std::min(times.size() - 1, times.size() * 99 / 100)];
}

}  // namespace

SimulationResult Simulate(const SimulationOptions& options) {
  SimGame sim(options.dataDir, options.seed);
  LastBids lastBid{};
  SeatExperts(sim, options, lastBid);
  Game& g = sim.g;
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
  HandTally tally{options, result, g, trace, lastBid};
  // Each hand is counted at its last box; once enough are played, the game is left there.
  sim.host.answer = [&](const DeluxeBox& box) {
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

  sim.host.tell = options.tell;
  const auto start = std::chrono::steady_clock::now();
  g.options.standardRules = options.standard;
  if (options.hands > 0 && StartGame(g) == Next::StartHands) {
    tally.pointsBefore = g.s.points;
    result.startError = options.ready ? options.ready() : std::string();
    if (!result.startError.empty()) return result;
    RunHands(g);
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  result.saveError = history.Finish(sim.storage.Flush(), result.hands);
  for (int i = 0; i < kSeats; ++i) result.points[i] = g.s.points[i];
  AddExpertFigures(sim.experts, result);
  result.fingerprint = trace.fingerprint();
  return result;
}

namespace {

// The mean of the differences and the half-width of its 95 % interval.
Difference Summarise(const std::vector<double>& differences) {
  Difference d;
  d.hands = static_cast<long>(differences.size());
  if (d.hands == 0) return d;
  double sum = 0, squares = 0;
  for (const double x : differences) sum += x, squares += x * x;
  d.mean = sum / static_cast<double>(d.hands);
  if (d.hands < 2) return d;
  const double variance = (squares - sum * d.mean) / static_cast<double>(d.hands - 1);
  d.halfWidth = 1.96 * std::sqrt(std::max(0.0, variance) / static_cast<double>(d.hands));
  return d;
}

}  // namespace

SimulationOptions AllClassic(const SimulationOptions& options, const std::string& dataDir) {
  SimulationOptions baseline;
  baseline.hands = options.hands;
  baseline.seed = options.seed;
  baseline.standard = options.standard;
  baseline.handByHand = true;
  baseline.dataDir = dataDir;
  return baseline;
}

Comparison CompareSouth(const SimulationResult& tried, const SimulationResult& baseline) {
  Comparison c;
  const std::size_t n = std::min(tried.southUnits.size(), baseline.southUnits.size());
  c.compared = static_cast<long>(n);
  std::vector<double> all;
  std::array<std::vector<double>, kStandardContracts.size()> byContract;
  for (std::size_t i = 0; i < n; ++i) {
    // Deals not known to be the same are never compared.
    if (i >= tried.deals.size() || i >= baseline.deals.size() || tried.deals[i] != baseline.deals[i]) continue;
    const double d = tried.southUnits[i] - baseline.southUnits[i];
    all.push_back(d);
    const int contract = i < tried.handContracts.size() ? tried.handContracts[i] : 0;
    byContract[contract >= 0 && contract < static_cast<int>(byContract.size()) ? contract : 0].push_back(d);
  }
  static_cast<Difference&>(c) = Summarise(all);
  for (std::size_t code = 0; code < byContract.size(); ++code) c.byContract[code] = Summarise(byContract[code]);
  return c;
}

std::string FormatComparison(const Comparison& c, bool standard) {
  char line[200];
  std::snprintf(line, sizeof line,
                "  duplicate           South %+.3f units a hand against all Classic (95 %% interval %+.3f to "
                "%+.3f, %ld identical deals of %ld)\n",
                c.mean, c.mean - c.halfWidth, c.mean + c.halfWidth, c.hands, c.compared);
  std::string out = line;
  for (int code = 0; code < static_cast<int>(c.byContract.size()); ++code) {
    const Difference& d = c.byContract[code];
    if (d.hands == 0) continue;
    const char* name = code == 0 ? "thrown in" : ContractOf(code, standard).name;
    std::snprintf(line, sizeof line, "    %-23s %+.3f (%+.3f to %+.3f, %ld deals)\n", name, d.mean,
                  d.mean - d.halfWidth, d.mean + d.halfWidth, d.hands);
    out += line;
  }
  return out;
}

std::string FormatSummary(const SimulationOptions& options, const SimulationResult& r) {
  std::ostringstream out;
  out << "Solo Whist simulation: " << r.hands << " hands from seed " << options.seed
      << (options.standard ? ", Standard rules" : "") << "\n";
  out << "  throw-ins           " << r.throwIns << "\n";
  // A goulash, its cards gathered in suits, is bid far more often than a shuffled deal.
  char shuffled[96];
  std::snprintf(shuffled, sizeof shuffled, "  shuffled deals      %ld, %ld bid (%.1f %%)\n", r.shuffled, r.shuffledBid,
                r.shuffled ? 100.0 * r.shuffledBid / r.shuffled : 0.0);
  out << shuffled;
  const bool experts = std::find(options.expert.begin(), options.expert.end(), true) != options.expert.end();
  out << (options.standard ? "  contract                   bid     made" : "  contract              bid     made") << (experts ? "   by Experts: bid     made   rate" : "") << "\n";
  // A Proposal nobody accepted is never played: the Standard rules' rows begin with its Acceptance.
  const int first = options.standard ? kAcceptance : 1, last = options.standard ? kStandardAbundanceDeclared : 6;
  for (int code = first; code <= last; ++code) {
    char row[128];
    const ContractTally& e = r.expertContracts[code];
    std::snprintf(row, sizeof row, "  %-*s %8ld %8ld", options.standard ? 23 : 18,
                  ContractOf(code, options.standard).name, r.contracts[code].bid,
                  r.contracts[code].made);
    out << row;
    if (experts) {
      std::snprintf(row, sizeof row, "  %16ld %8ld %5.0f%%", e.bid, e.made, e.bid ? 100.0 * e.made / e.bid : 0.0);
      out << row;
    }
    out << "\n";
  }
  if (r.expertDecisions > 0) {
    char line[160];
    std::snprintf(line, sizeof line, "  expert decisions    %ld: median %.1f ms, 99th percentile %.0f ms, the slowest %.0f ms\n",
                  r.expertDecisions, r.medianDecision * 1000, r.decision99 * 1000, r.slowestDecision * 1000);
    out << line;
    std::snprintf(line, sizeof line, "  card ties           %ld of %ld card choices settled by the Classic card (%.1f %%)\n",
                  r.classicTies, r.cardSearches, r.cardSearches ? 100.0 * r.classicTies / r.cardSearches : 0.0);
    out << line;
    const long searches = r.cardSearches - r.knownSearches, ties = r.classicTies - r.knownTies;
    // The Standard rules deal no goulash: then every choice was on a shuffled deal.
    std::snprintf(line, sizeof line, "    on shuffled deals %ld of %ld (%.1f %%%s)\n", ties, searches,
                  searches ? 100.0 * ties / searches : 0.0,
                  r.knownSearches > 0 ? "; the rest on goulashes, every hand known" : "");
    out << line;
    std::snprintf(line, sizeof line, "      of those, %ld where the tied cards reached the goal in every layout or in none\n",
                  r.settledTies);
    out << line;
  }
  if (r.unbalanced) out << "  units not summing to zero in " << r.unbalanced << " hands\n";
  out << "  final points        South " << r.points[0] << ", West " << r.points[1] << ", North " << r.points[2]
      << ", East " << r.points[3] << "\n";
  char speed[64];
  // Experts searching every card play a hand in seconds: their rate keeps a decimal, not "0".
  const double rate = r.seconds > 0 ? r.hands / r.seconds : 0.0;
  std::snprintf(speed, sizeof speed, "%.*f", rate < 10 ? 1 : 0, rate);
  out << "  speed               " << speed << " hands per second\n";
  out << "  fingerprint         " << FingerprintText(r.fingerprint) << "\n";
  return out.str();
}

std::string FingerprintText(std::uint64_t fingerprint) {
  char print[32];
  std::snprintf(print, sizeof print, "%016llx", static_cast<unsigned long long>(fingerprint));
  return print;
}

std::string AnalyseHistory(const std::string& path) {
  auto history = History::OpenToRead(path);
  if (!history) return "the hand history " + path + " cannot be read\n";
  struct Count {
    long hands = 0, errors = 0;
  };
  // By role (declarer, defender) and level.
  std::map<std::string, Count> counts;
  long analysed = 0, complete = 0;
  Solver solver;
  for (const HandRecord& hand : history->Hands(HandsWanted::All)) {
    const HandAnalysis analysis = AnalyseHand(hand, solver);
    if (analysis.cards.empty()) continue;
    ++analysed;
    if (!analysis.complete) continue;
    ++complete;
    for (int seat = 0; seat < kSeats; ++seat) {
      // A defender's errors are told apart by who declared: the contracts differ with the declarer.
      const std::string role = Declares(hand, seat)
                                   ? "declarer " + hand.levels[seat]
                                   : "defender " + hand.levels[seat] + " against " + hand.levels[hand.declarer];
      Count& c = counts[role];
      ++c.hands;
      // With every card known no card can turn the answer its own side's way: each that
      // changed it is an error of the seat that played it.
      for (const CardVerdict& v : analysis.cards) c.errors += v.seat == seat && v.changed();
    }
  }
  std::string out = "hands analysed        " + std::to_string(analysed) + " (" + std::to_string(complete) +
                    " solved throughout)\n";
  for (const auto& [role, c] : counts) {
    char line[160];
    std::snprintf(line, sizeof line, "  %-34s %6ld seat-hands, %6ld errors, %.3f a seat-hand\n", role.c_str(), c.hands,
                  c.errors, c.hands ? static_cast<double>(c.errors) / c.hands : 0.0);
    out += line;
  }
  return out;
}

}  // namespace solo
