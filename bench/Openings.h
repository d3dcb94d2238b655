#pragma once
// The solver's opening positions (tests/data/openings.txt, made by scripts/make_openings.py):
// the first lead of real hands, one a line, read into positions and goals.
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "play/ExpertPlayer.h"
#include "play/Solver.h"

namespace solo {

struct Opening {
  SolverPosition position;
  SolverGoal goal;
};

inline std::vector<Opening> ReadOpenings(const std::string& path) {
  std::vector<Opening> openings;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    Opening o;
    int contract = 0;
    fields >> o.position.declarer >> contract >> o.position.trumps >> o.position.leader;
    for (std::uint64_t& hand : o.position.hands) fields >> std::hex >> hand >> std::dec;
    if (!fields) continue;
    o.goal = GoalOf(contract);
    openings.push_back(o);
  }
  return openings;
}

}  // namespace solo
