#pragma once
// Plays a number of whole hands of a simulator's game, then leaves it.
#include <filesystem>

#include "game/GameStart.h"
#include "sim/SimGame.h"
#include "sim/Simulator.h"
#include "store/History.h"

namespace solo::test {

// A simulator run of `hands` hands from `seed` (by the Standard rules if told) keeping its
// files in `dir`.
inline SimulationOptions SimIn(const std::filesystem::path& dir, long hands, std::uint64_t seed, bool standard = false) {
  SimulationOptions options;
  options.hands = hands;
  options.seed = seed;
  options.dataDir = dir.string();
  options.standard = standard;
  return options;
}

// The same, keeping its hand history there too.
inline SimulationOptions SimWithHistory(const std::filesystem::path& dir, long hands, std::uint64_t seed,
                                        bool standard = false) {
  SimulationOptions options = SimIn(dir, hands, seed, standard);
  options.history = (dir / kHistoryFileName).string();
  return options;
}

// A run of Expert seats (`expert`, imagining `samples` layouts a decision) that plays the same
// on any machine at any load: no time budget, `threads` threads a decision.
inline SimulationOptions ReproducibleExperts(const std::filesystem::path& dir, long hands, std::uint64_t seed,
                                             std::array<bool, 4> expert, int samples, int threads) {
  SimulationOptions options = SimIn(dir, hands, seed);
  options.expert = expert;
  options.samples = samples;
  options.expertBudget = 0;
  options.expertThreads = threads;
  return options;
}

// A throw-in counts as a hand; the game is left at the question after the last one.
inline void PlayHands(SimGame& sim, int count) {
  int hands = 0;
  sim.host.answer = [&sim, &hands, count](const DeluxeBox& box) {
    if (box.purpose == BoxPurpose::NewGameOrExit) return ++hands >= count ? 1 : 0;
    if (box.purpose == BoxPurpose::PassedOut && ++hands >= count) ExitChosen(sim.g);
    return 0;
  };
  if (StartGame(sim.g) == Next::StartHands) RunHands(sim.g);
  sim.host.answer = nullptr;
}

}  // namespace solo::test
