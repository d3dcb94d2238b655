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

// The trick-card variable of a position (1-4).
Integer& TrickCard(GameState& s, int position);
Integer TrickCard(const GameState& s, int position);

}  // namespace solo
