#pragma once
// Which computer players sit at the table: the Classic rules everywhere, or Expert players at
// chosen seats. The Expert players are kept here, so each keeps its own random stream for the
// whole game.
#include <array>
#include <cstdint>
#include <memory>

#include "play/ExpertPlayer.h"
#include "table/Game.h"

namespace solo {

class HandKeeper;

// The layouts an Expert imagines for each decision unless told otherwise. Forty leave fewer
// choices to the Classic card than twenty (a fifth or less on shuffled deals) and cost a Classic
// declarer a little more, while the slowest decisions stay as quick: a decision's counted work
// (ExpertPlayer's node budget) bounds them whatever the number of layouts, so only the cheap
// decisions late in a hand take all forty.
constexpr int kExpertSamples = 40;

struct ExpertSeats {
  // Seats an Expert at each seat marked (made on first use), leaving the other seats' players
  // as they are. Voids are recorded from then on: the Experts reason with them.
  void Seat(Game& g, const std::array<bool, kSeats>& expert, int samples = kExpertSamples,
            double confidence = ExpertPlayer::kBidConfidence);
  // An Expert that advises South (the hints) without touching the opponents' random streams.
  ExpertPlayer& Adviser(const Game& g);

  // The time budget each Expert made from now on gets (0: none, for the same work anywhere).
  double timeBudget = ExpertPlayer::kTimeBudget;
  int threads = 0;  // each decision's threads (0: every core)
  int samples = kExpertSamples;  // the layouts of the opponents' decisions
  std::array<std::unique_ptr<ExpertPlayer>, kSeats> experts;
  // The seats decide one at a time, so their extra threads' solvers are shared (the adviser,
  // which may search while a seat does, has its own).
  std::shared_ptr<ExpertPlayer::SolverPool> helpers = std::make_shared<ExpertPlayer::SolverPool>();
  std::unique_ptr<ExpertPlayer> adviser;

  // The opponents the person chose, and those at the table. A choice made while hands are
  // being played waits for the next hand: a hand is played to its end, and played again for a
  // take-back or a resume, by the players it began with (and an Expert seated mid-hand would
  // not know the voids shown before it sat down).
  bool chosenExpert = false, seatedExpert = false;
  // Takes the person's choice; seats it at once when no hand is being played. True when the
  // players at the table changed.
  bool Choose(Game& g, bool expert);
  // As a new hand begins: seats the choice if another is at the table. True when it did.
  bool SeatChoice(Game& g);
};

// The person at South against Classic or Expert opponents.
void SeatOpponents(Game& g, ExpertSeats& seats, bool expert);

// A resumed hand is played on by the players it began with, their streams drawn again from the
// hand's own seed (the keeper has made it the game's), so it ends as it would have without the
// interruption; the opponents chosen in the menu sit down at the next hand.
void SeatResumedHand(Game& g, ExpertSeats& seats, HandKeeper& keeper);

}  // namespace solo
