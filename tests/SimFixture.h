#pragma once
// Plays a number of whole hands of a simulator's game, then leaves it.
#include "game/GameStart.h"
#include "sim/SimGame.h"

namespace solo::test {

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
