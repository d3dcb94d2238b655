#pragma once
// The start of every hand on the table: the greetings, the table cleared, shuffled and dealt.
#include "table/Game.h"

namespace solo {

// Every seat's name label greets the user; the points panel shows the names.
void Welcome(Table& t, const GameState& s);
// Clears the table, shows the shuffle, moves the deal on and deals.
void NewHand(Game& g);
void ClearForNextRound(Game& g);

// What the table shows of them (the window's presentation).
void ShowNewHand(Table& t, const GameState& s);
void ClearTable(Table& t);

}  // namespace solo
