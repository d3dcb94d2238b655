#pragma once
// Watches a hand as it is played, for a record of it (the simulator's trace, the history).
// Every call is made after the game has done what it reports; none may change the game.
#include "table/Game.h"

namespace solo {

class HandObserver {
 public:
  virtual ~HandObserver() = default;
  // A hand begins, before the table is cleared (the goulash flag still tells how it is dealt).
  virtual void HandStarts(const Game&) {}
  // All 52 cards are dealt and the first trumps fixed.
  virtual void Dealt(const Game&) {}
  // The computer seats' counts are made and the computer bidder chosen.
  virtual void BiddingStarts(const Game&) {}
  // A seat was shown bidding `code` (0 for a pass).
  virtual void BidShown(const Game&, int /*seat*/, int /*code*/) {}
  // The round is over and the contract's trumps are fixed; play begins.
  virtual void PlayStarts(const Game&) {}
  // A trick is complete: its cards in playing order and its winner (before the cards leave the centre).
  virtual void TrickWon(const Game&, int /*winner*/) {}
  // The hand is over: "made" or "failed" (once the points are saved), "passed", or
  // "abandoned" (New Game or leaving during the hand; also called when no hand was running).
  virtual void HandEnded(const Game&, const char* /*result*/) {}
  // The points were erased (Options > Erase Points), perhaps in the middle of a hand.
  virtual void PointsErased(const Game&) {}
};

}  // namespace solo
