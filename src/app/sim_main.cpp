// solo-sim: plays Solo Whist without a window, as fast as the rules allow.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "sim/Simulator.h"

namespace {

void Usage() {
  std::cerr << "usage: solo-sim [--hands N] [--seed S] [--trace FILE] [--data-dir DIR] [--quiet]\n"
               "  --hands N      hands to play (default 1000)\n"
               "  --seed S       the random seed of the deals (default 1)\n"
               "  --trace FILE   write one JSON object per hand to FILE\n"
               "  --data-dir DIR keep the names and points files in DIR (default: a temporary folder)\n"
               "  --quiet        print the summary only\n";
}

bool ParseNumber(const char* text, unsigned long long& value) {
  errno = 0;
  char* end = nullptr;
  value = std::strtoull(text, &end, 10);
  return errno == 0 && end && *end == '\0' && *text != '-' && *text != '\0';
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  solo::SimulationOptions options;
  std::string traceFile, dataDir;
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> const char* {
      if (i + 1 >= argc) {
        std::cerr << "solo-sim: " << arg << " needs a value\n";
        std::exit(2);
      }
      return argv[++i];
    };
    unsigned long long n = 0;
    if (arg == "--hands") {
      if (!ParseNumber(value(), n) || n > 1000000000ull) return Usage(), 2;
      options.hands = static_cast<long>(n);
    } else if (arg == "--seed") {
      if (!ParseNumber(value(), n)) return Usage(), 2;
      options.seed = n;
    } else if (arg == "--trace") {
      traceFile = value();
    } else if (arg == "--data-dir") {
      dataDir = value();
    } else if (arg == "--quiet") {
      quiet = true;
    } else {
      Usage();
      return arg == "--help" || arg == "-h" ? 0 : 2;
    }
  }

  std::error_code ec;
  const bool temporary = dataDir.empty();
  if (temporary) {
    // A fresh folder of our own, so the player's files are never touched.
    std::random_device random;
    for (int attempt = 0; attempt < 100 && dataDir.empty(); ++attempt) {
      const fs::path candidate = fs::temp_directory_path(ec) / ("solo-sim-" + std::to_string(random()));
      if (fs::create_directory(candidate, ec)) dataDir = candidate.string();
    }
    if (dataDir.empty()) {
      std::cerr << "solo-sim: cannot make a temporary folder\n";
      return 1;
    }
  }
  fs::create_directories(dataDir, ec);
  if (ec) {
    std::cerr << "solo-sim: cannot use the folder " << dataDir << ": " << ec.message() << "\n";
    return 1;
  }
  options.dataDir = dataDir;

  std::ofstream trace;
  if (!traceFile.empty()) {
    trace.open(traceFile, std::ios::binary | std::ios::trunc);
    if (!trace) {
      std::cerr << "solo-sim: cannot write " << traceFile << ": " << std::strerror(errno) << "\n";
      return 1;
    }
    options.trace = [&trace](const std::string& line) { trace << line; };
  }
  if (!quiet) std::cerr << "Playing " << options.hands << " hands from seed " << options.seed << "...\n";
  const solo::SimulationResult result = solo::Simulate(options);
  if (temporary) fs::remove_all(dataDir, ec);
  if (trace.is_open()) {
    trace.close();
    if (!trace) {
      std::cerr << "solo-sim: the trace " << traceFile << " could not be written completely\n";
      return 1;
    }
  }
  std::cout << solo::FormatSummary(options, result);
  if (!result.saveError.empty()) {
    std::cerr << "solo-sim: " << result.saveError << "\n";
    return 1;
  }
  return 0;
}
