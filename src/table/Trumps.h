#pragma once
// The trump suit: the first one follows the dealer's seat; a contract may change it, and the
// change is announced.
#include "table/Game.h"

namespace solo {

// The sign picture of a trump code (4-8), or 0.
int TrumpSign(int trumps);
// The trump sign on the table, and on the bid panel too when `onBidPanel`.
void ShowTrumps(Table& t, int suit, bool onBidPanel);
// The trumps a deal by `dealer` starts with.
int DealersTrumps(int dealer);
void DecideTrumps(Game& g);
// Sets and announces the trump suit; a code other than 4-8 does nothing at all.
void AnnounceTrumps(Game& g, int suit);
// The suit's name in words ("Hearts"; "No Trumps - NT" for any other code).
const char* SuitWords(int suit);
// The title of the box announcing the trumps ("Hearts are trumps.").
const char* SuitTitle(int suit);

}  // namespace solo
