#pragma once
// The user's bid panel and trump panel. They act only while the bidding round waits for them.
#include "table/Game.h"

namespace solo {

// An option of the bid panel was clicked (0 Pass ... 6 Abundance Declared).
void OptBid_Click(Game& g, int index);
// The bid button: refuses a bid that does not beat one already made, else records it.
void CmdCnfBid_Click(Game& g);
// A suit button of the trump panel (1 Diamonds, 2 Clubs, 3 Hearts, 4 Spades).
void CmdMarriage_Click(Game& g, int index);

// The computer seats that speak before the user, by dealer.
std::vector<int> SeatsBeforeUser(int dealer);

}  // namespace solo
