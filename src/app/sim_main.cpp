// solo-sim: plays Solo Whist without a window, as fast as the rules allow.
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "sim/Simulator.h"
#include "store/DataFiles.h"
#include "store/FolderLock.h"

namespace {

void Usage(std::ostream& out) {
  out << "usage: solo-sim [--hands N] [--seed S] [--trace FILE] [--data-dir DIR] [--quiet]\n"
               "  --hands N      hands to play (default 1000)\n"
               "  --seed S       the random seed of the deals (default 1)\n"
               "  --rules R      classic (the default) or standard: an auction with Proposal and\n"
               "                 Acceptance, the dealer's last card turned up for trumps\n"
               "  --trace FILE   write one JSON object per hand to FILE\n"
               "  --data-dir DIR keep the names and points files in DIR (default: a temporary folder)\n"
               "  --quiet        print the summary only\n"
               "  --south LEVEL  classic or expert (also --west, --north, --east; default classic)\n"
               "  --history FILE keep every hand in FILE, an SQLite hand history as the game keeps\n"
               "  --samples N    layouts an Expert imagines for each decision (default "
      << solo::kExpertSamples << ")\n"
               "  --confidence P an Expert bids the highest contract it makes in P % of those layouts\n"
               "                 (default: the contract that wins most units by its calibrated chance)\n"
               "  --bid-log      print a line for every contract an Expert bid:\n"
               "                 bid CODE SHARE MADE GOULASH LED (1 or 0: a goulash; the declarer led)\n"
               "  --explore-solos with --confidence: a Solo at any share when nothing higher qualifies\n"
               "  --analyse FILE for every hand of the hand history FILE, count the cards that decided it\n"
               "                 against their own side, by every card known (errors), by role and level\n"
               "  --threads N    the threads each Expert decision solves on (default 0: every core)\n"
               "  --no-time-budget  Experts do all their layouts, however long (the same game on any machine)\n"
               "  --duplicate    also play the same deals with every seat Classic and report South's\n"
               "                 units per hand against them, with a 95 % confidence interval\n"
               "  --help         show this help and exit\n"
               "  --version      show the version and exit\n";
}

// A whole number written in digits only (no sign, no blanks), at most `max`.
bool ParseNumber(const char* text, unsigned long long max, unsigned long long& value) {
  const std::string_view digits(text);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return false;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return ec == std::errc() && end == digits.data() + digits.size() && value <= max;
}

// Whether two paths name the same file, by any spelling: links, "..", or a hard link.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  namespace fs = std::filesystem;
  std::error_code ec1, ec2, ec3;
  const fs::path x = fs::weakly_canonical(a, ec1), y = fs::weakly_canonical(b, ec2);
  return (!ec1 && !ec2 && x == y) || fs::equivalent(a, b, ec3);
}

using Paths = std::vector<std::filesystem::path>;

// The names, points and lock files of a data folder.
Paths DataFiles(const std::filesystem::path& folder) {
  return {folder / solo::kNamesFileName, folder / solo::kPointsFileName, folder / solo::kLockFileName};
}

// A hand history and the files SQLite keeps beside it (none for no history).
Paths HistoryFiles(const std::string& history) {
  Paths files;
  if (!history.empty())
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) files.push_back(history + suffix);
  return files;
}

bool IsOneOf(const std::filesystem::path& file, const Paths& files) {
  for (const auto& kept : files)
    if (SameFile(file, kept)) return true;
  return false;
}

// What the command line asks for.
struct CommandLine {
  solo::SimulationOptions options;
  std::string traceFile, dataDir;
  bool quiet = false, duplicate = false;
};

[[noreturn]] void Refuse(const std::string& why) {
  std::cerr << "solo-sim: " << why << "\n";
  std::exit(2);
}

// Reads the command line; --help and --version end the program here, and so does a wrong
// argument, with one line and status 2.
CommandLine Parse(int argc, char** argv) {
  CommandLine line;
  solo::SimulationOptions& options = line.options;
  std::string &traceFile = line.traceFile, &dataDir = line.dataDir;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> const char* {
      if (i + 1 >= argc) Refuse(arg + " needs a value");
      return argv[++i];
    };
    unsigned long long n = 0;
    const auto number = [&](unsigned long long max) {
      const char* text = value();
      if (!ParseNumber(text, max, n))
        Refuse(arg + " takes a whole number from 0 to " + std::to_string(max) + ", not \"" + text + "\"");
      return n;
    };
    if (arg == "--hands") {
      options.hands = static_cast<long>(number(1000000000ull));
    } else if (arg == "--seed") {
      options.seed = number(UINT64_MAX);
    } else if (arg == "--rules") {
      const std::string rules = value();
      if (rules != "classic" && rules != "standard") Refuse("--rules takes classic or standard, not \"" + rules + "\"");
      options.standard = rules == "standard";
    } else if (arg == "--trace") {
      traceFile = value();
    } else if (arg == "--data-dir") {
      dataDir = value();
      if (dataDir.empty()) Refuse("--data-dir needs a folder");
    } else if (arg == "--history") {
      options.history = value();
    } else if (arg == "--quiet") {
      line.quiet = true;
    } else if (arg == "--south" || arg == "--west" || arg == "--north" || arg == "--east") {
      const int seat = arg == "--south" ? 0 : arg == "--west" ? 1 : arg == "--north" ? 2 : 3;
      const std::string level = value();
      if (level != "classic" && level != "expert") Refuse(arg + " takes classic or expert, not \"" + level + "\"");
      options.expert[seat] = level == "expert";
    } else if (arg == "--threads") {
      options.expertThreads = static_cast<int>(number(64));
    } else if (arg == "--no-time-budget") {
      options.expertBudget = 0;
    } else if (arg == "--duplicate") {
      line.duplicate = true;
    } else if (arg == "--samples") {
      options.samples = static_cast<int>(number(1000));
      if (options.samples < 1) Refuse("--samples takes a whole number from 1 to 1000");
    } else if (arg == "--confidence") {
      const long percent = static_cast<long>(number(100));
      if (percent < 1) Refuse("--confidence takes a whole number from 1 to 100");
      options.confidence = static_cast<double>(percent) / 100;
    } else if (arg == "--analyse") {
      std::cout << solo::AnalyseHistory(value());
      std::exit(0);
    } else if (arg == "--explore-solos") {
      options.exploreSolos = true;
    } else if (arg == "--bid-log") {
      options.bidOutcome = [](int code, double share, bool made, bool goulash, bool led) {
        std::printf("bid %d %.3f %d %d %d\n", code, share, made ? 1 : 0, goulash ? 1 : 0, led ? 1 : 0);
      };
    } else if (arg == "--help" || arg == "-h") {
      Usage(std::cout);
      std::exit(0);
    } else if (arg == "--version") {
      std::cout << "solo-sim (Solo Whist) " << SOLO_VERSION << "\n";
      std::exit(0);
    } else {
      Refuse("unknown option " + arg + " (solo-sim --help lists the options)");
    }
  }
  return line;
}


// Nothing the game keeps may be overwritten by the trace or the history, whatever the path
// says: checked before anything is made or opened.
void RefuseOverwriting(const CommandLine& line) {
  const std::string& history = line.options.history;
  if (!line.dataDir.empty()) {
    Paths kept = DataFiles(line.dataDir);
    if (!history.empty() && IsOneOf(history, kept))
      Refuse("the history " + history + " would overwrite a data file of " + line.dataDir);
    for (const auto& file : HistoryFiles((std::filesystem::path(line.dataDir) / solo::kHistoryFileName).string()))
      kept.push_back(file);
    if (!line.traceFile.empty() && IsOneOf(line.traceFile, kept))
      Refuse("the trace " + line.traceFile + " would overwrite a file of " + line.dataDir + " or the hand history");
  }
  if (!line.traceFile.empty() && IsOneOf(line.traceFile, HistoryFiles(history)))
    Refuse("the trace and the history are the same file");
}

// The folder asked for, made if need be, or a fresh one of our own so that the player's files
// are never touched; empty (and said why) when neither can be had.
std::string MakeFolder(std::string dataDir) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (dataDir.empty()) {
    std::random_device random;
    for (int attempt = 0; attempt < 100 && dataDir.empty(); ++attempt) {
      const fs::path candidate = fs::temp_directory_path(ec) / ("solo-sim-" + std::to_string(random()));
      if (fs::create_directory(candidate, ec)) dataDir = candidate.string();
    }
    if (dataDir.empty()) std::cerr << "solo-sim: cannot make a temporary folder\n";
    return dataDir;
  }
  fs::create_directories(dataDir, ec);
  if (!ec) return dataDir;
  std::cerr << "solo-sim: cannot use the folder " << dataDir << ": " << ec.message() << "\n";
  return {};
}


}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  CommandLine line = Parse(argc, argv);
  RefuseOverwriting(line);
  solo::SimulationOptions& options = line.options;
  const std::string& traceFile = line.traceFile;
  const bool temporary = line.dataDir.empty();
  const std::string dataDir = MakeFolder(line.dataDir);
  if (dataDir.empty()) return 1;
  options.dataDir = dataDir;
  // Another program saving into the same folder would undo the points of this run.
  const solo::FolderLock lock(dataDir);
  if (lock.state() == solo::FolderLock::State::Busy) {
    std::cerr << "solo-sim: the folder " << dataDir << " is in use by another copy of Solo Whist or solo-sim\n";
    return 2;
  }

  // The trace is opened only once the data files have been read.
  std::ofstream trace;
  if (!traceFile.empty()) {
    options.ready = [&]() -> std::string {
      trace.open(traceFile, std::ios::binary | std::ios::trunc);
      if (!trace) return "cannot write " + traceFile + ": " + std::strerror(errno);
      return {};
    };
    options.trace = [&trace](const std::string& line) { trace << line; };
  }
  options.tell = [](const std::string& text) { std::cerr << "solo-sim: " << text << "\n"; };
  options.handByHand = line.duplicate;
  if (!line.quiet) std::cerr << "Playing " << options.hands << " hands from seed " << options.seed << "...\n";
  const solo::SimulationResult result = solo::Simulate(options);
  // With --duplicate, the same deals again with every seat Classic, in a folder of their own.
  solo::Comparison comparison;
  std::error_code ec;
  if (line.duplicate && result.startError.empty()) {
    const solo::SimulationOptions baseline = solo::AllClassic(options, (fs::path(dataDir) / "duplicate").string());
    fs::create_directories(baseline.dataDir, ec);
    comparison = solo::CompareSouth(result, solo::Simulate(baseline));
    fs::remove_all(baseline.dataDir, ec);
  }
  if (temporary) fs::remove_all(dataDir, ec);
  if (!result.startError.empty()) {
    std::cerr << "solo-sim: " << result.startError << "\n";
    return 1;
  }
  if (trace.is_open()) {
    trace.close();
    if (!trace) {
      std::cerr << "solo-sim: the trace " << traceFile << " could not be written completely\n";
      return 1;
    }
  }
  std::cout << solo::FormatSummary(options, result);
  if (line.duplicate) std::cout << solo::FormatComparison(comparison, options.standard);

  if (!result.saveError.empty()) {
    std::cerr << "solo-sim: " << result.saveError << "\n";
    return 1;
  }
  return 0;
}
