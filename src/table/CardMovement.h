#pragma once
// Putting a chosen card on the table, and carrying a finished trick to its winner's side.
#include "table/Game.h"

namespace solo {

// Plays the card already stored in the trick-card variable of `position` (1-4) for `seat`.
void PlayEm(Game& g, int seat, int position);
// The visible play: face up, to the seat's place in the centre, sound and pause, announced.
void PlayCard(Game& g, int seat, int card);
// Gathers the finished trick face down and carries it to `winner`, where it becomes a pile.
void JustMoveCardsOut(Game& g, int winner);

// What the table shows of them (the window's presentation): the card moved to the seat's place
// in the centre with its sound and pause, and announced; the trick gathered and carried to its
// winner's pile, the hands laid out again, the trick's number announced.
void ShowCardPlayed(Game& g, int seat, int card);
void ShowTrickGathered(Game& g, const Trick& trick, int winner, int pile);

// The trick-card variable of a position (1-4).
int& TrickCard(GameState& s, int position);
int TrickCard(const GameState& s, int position);

}  // namespace solo
