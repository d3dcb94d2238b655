#pragma once
// Plays whole games without a window, through the same flow as the window: South too is
// played by the computer rules, bidding through the bid panel's own handlers (the bid its
// point count gives; a refused bid becomes a pass) and playing with the computer players'
// card choice. Nothing waits: the game's pauses take no time.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/Opponents.h"
#include "state/Contracts.h"

namespace solo {

struct SimulationOptions {
  long hands = 1000;
  std::uint64_t seed = 1;
  // The Standard rules instead of the Classic ones (--rules standard).
  bool standard = false;
  // Where the names and points files are kept; created there.
  std::string dataDir;
  // The seats (0 South, 1 West, 2 North, 3 East) played by the Expert player instead of the
  // Classic rules, and the layouts the Expert imagines for each decision.
  std::array<bool, 4> expert{};
  int samples = kExpertSamples;
  // The share of imagined layouts in which an Expert must make a contract before bidding it
  // (unset: the Expert bids by its calibrated expectation).
  double confidence = -1;
  // Told of every contract an Expert bid and played: its code, the share of the layouts in
  // which the Expert made it when it bid, whether it was made, whether the deal was a goulash
  // and whether the declarer led to the first trick (the bids' calibration).
  std::function<void(int code, double share, bool made, bool goulash, bool led)> bidOutcome;
  // With a confidence set: Experts bid a Solo at any share when no higher contract qualifies.
  bool exploreSolos = false;
  // The Experts' time budget a decision (unset: their own) and threads (0: every core); with no
  // budget a run plays the same on any machine at any load, for a given number of threads.
  double expertBudget = -1;
  int expertThreads = 0;
  // Whether to keep each hand's deal and contract, to compare two runs hand by hand
  // (--duplicate); off, a run pays nothing for them.
  bool handByHand = false;
  // The hand history to keep every hand in (an SQLite file), when set, and how many hands are
  // committed to it at a time (the points file is saved before each commit).
  std::string history;
  int historyBatch = 10000;
  // Receives every line of the trace, when set.
  std::function<void(const std::string&)> trace;
  // Receives what the game tells the person (a damaged data file, say), when set.
  std::function<void(const std::string&)> tell;
  // Called once the names and points files have been read, before the first hand; a
  // non-empty answer stops the run with that error (a trace file that can't be opened, say).
  std::function<std::string()> ready;
};

struct ContractTally {
  long bid = 0;
  long made = 0;
};

struct SimulationResult {
  long hands = 0;
  long throwIns = 0;
  // Deals shuffled afresh (not gathered from a hand thrown in, a goulash), and those bid.
  long shuffled = 0, shuffledBid = 0;
  // By bid code (the Classic codes, or the Standard rules' calls); 0 unused.
  std::array<ContractTally, 9> contracts{};
  std::array<ContractTally, 9> expertContracts{};  // those of them an Expert seat declared
  // Hands whose units did not sum to zero (there should be none).
  long unbalanced = 0;
  std::array<long, 4> points{};
  std::uint64_t fingerprint = 0;
  double seconds = 0;
  // Why the names or points files could not be written at the end, if they could not.
  std::string saveError;
  // What `ready` answered, when it stopped the run.
  std::string startError;
  // For each hand, in order: South's units won (or lost, below 0), the contract played (0 for a
  // throw-in) and a hash of its deal (the dealer and the four hands dealt), by which two runs
  // tell whether they dealt the same hand.
  std::vector<int> southUnits, handContracts;
  std::vector<std::uint64_t> deals;
  // The Expert seats' card decisions, and the slowest of them in seconds.
  long expertDecisions = 0;
  double slowestDecision = 0;
  // Expert card choices among two or more cards, and those a tie left to the Classic card.
  long cardSearches = 0, classicTies = 0;
  // Of those, the ones on goulashes, every hand known.
  long knownSearches = 0, knownTies = 0;
  // Of the others, the ties whose cards reached the goal in every layout or in none.
  long settledTies = 0;
  // The median and the 99th percentile of the decisions' times, in seconds.
  double medianDecision = 0, decision99 = 0;
};

SimulationResult Simulate(const SimulationOptions& options);

// The run --duplicate compares `options` with: the same seed, hands and rules, every seat
// Classic, its files kept in `dataDir`.
SimulationOptions AllClassic(const SimulationOptions& options, const std::string& dataDir);

// Two runs of the same seed compared hand by hand, on the deals they both dealt alike only (a
// hand dealt after a throw-in is made from the thrown-in hand's cards, so it differs when the
// runs bid differently): South's units per hand in `tried` less those in `baseline`, with the
// half-width of a 95 % confidence interval of that mean; also by the contract `tried` played
// (its code under the rules played).
struct Difference {
  long hands = 0;
  double mean = 0, halfWidth = 0;
};
struct Comparison : Difference {
  long compared = 0;  // hands in the shorter run, paired or not
  std::array<Difference, kStandardContracts.size()> byContract{};  // index 0: thrown in
};
Comparison CompareSouth(const SimulationResult& tried, const SimulationResult& baseline);
// The comparison as the simulator prints it, its contracts named as the rules played name them.
std::string FormatComparison(const Comparison& c, bool standard);

// The summary as the simulator prints it.
std::string FormatSummary(const SimulationOptions& options, const SimulationResult& result);
// A run's fingerprint as the summary prints it: sixteen hexadecimal digits.
std::string FingerprintText(std::uint64_t fingerprint);

// For every played hand of a hand history: the cards after which the declarer's goal went from
// reachable to not (the declarer's errors) or back (the defenders'), by every card known, counted
// by the level of the seat that played them; the report's lines, or why the file can't be read.
std::string AnalyseHistory(const std::string& path);

}  // namespace solo
