#pragma once
// The settlement of a hand: as soon as the contract is certainly made or lost, the units move,
// the result and the new points are shown and saved, and the user chooses the next hand or
// leaving the game.
#include "table/Game.h"

namespace solo {

enum class Settled { No, NewRound, ExitGame };

// The rule step of the settlement: whether the declarer `seat`'s contract `code` is made,
// failed, or still open after the tricks so far. Touches nothing.
enum class Outcome { Open, Made, Failed };
Outcome DecideContract(const GameState& s, int code, int seat);

// Settles the hand if the declarer's contract is decided; No while it is still open.
Settled EndOfHand(Game& g, int seat);
// The same for a hand of the Standard rules.
struct StandardDeal;
Settled SettleStandard(Game& g, const StandardDeal& deal);

// What the table shows (the window's presentation): the status bar cleared for the result, and
// the new points.
void ShowResult(Table& t);
void ShowPoints(Table& t, const GameState& s);

}  // namespace solo
