#include "game/Opponents.h"

#include "game/HandKeeper.h"

namespace solo {

namespace {

// Each Expert's stream comes from the game's seed and its place, apart from the deal's streams
// (which come from the seed and the hand's number), so a game replays exactly.
std::uint64_t ExpertSeed(std::uint64_t gameSeed, int place) {
  return gameSeed ^ (0x5EEDull * static_cast<std::uint64_t>(place + 1) * 0x9E3779B97F4A7C15ull);
}

}  // namespace

void ExpertSeats::Seat(Game& g, const std::array<bool, kSeats>& expert, int samples, double confidence) {
  for (int seat = 0; seat < kSeats; ++seat) {
    if (!expert[seat]) continue;
    if (!experts[seat]) {
      experts[seat] = std::make_unique<ExpertPlayer>(ExpertSeed(g.draw.seed, seat), samples, confidence);
      experts[seat]->SetTimeBudget(timeBudget);
      experts[seat]->ShareHelpers(helpers);
      experts[seat]->SetThreads(threads);
    }
    g.players[seat] = experts[seat].get();
    g.s.KeepVoids = true;
  }
}

ExpertPlayer& ExpertSeats::Adviser(const Game& g) {
  if (!adviser) {
    adviser = std::make_unique<ExpertPlayer>(ExpertSeed(g.draw.seed, kSeats), kExpertSamples);
    adviser->SetTimeBudget(timeBudget);
  }
  return *adviser;
}

void SeatOpponents(Game& g, ExpertSeats& seats, bool expert) {
  SeatPlayers(g);
  g.s.KeepVoids = false;
  if (expert) seats.Seat(g, {false, true, true, true}, seats.samples);
  seats.seatedExpert = expert;
}

void SeatResumedHand(Game& g, ExpertSeats& seats, HandKeeper& keeper) {
  for (auto& player : seats.experts) player.reset();
  seats.adviser.reset();
  SeatOpponents(g, seats, keeper.levels()[kWest] == "expert");
  keeper.Watch();
}

bool ExpertSeats::Choose(Game& g, bool expert) {
  chosenExpert = expert;
  if (g.flow.handRunning) return false;
  SeatOpponents(g, *this, expert);
  return true;
}

bool ExpertSeats::SeatChoice(Game& g) {
  if (chosenExpert == seatedExpert) return false;
  SeatOpponents(g, *this, chosenExpert);
  return true;
}

}  // namespace solo
