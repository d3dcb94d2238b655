#pragma once
// Each seat's hand on the table: South face up in a row along the bottom, North face down
// along the top, West and East face down in columns. A layout is rebuilt from scratch in card
// order, so it closes the gaps of played cards; a later card lies above an earlier one.
#include "table/Game.h"

namespace solo {

void ShowSouthHand(Game& g);
void ShowWestHand(Game& g);
void ShowNorthHand(Game& g);
void ShowEastHand(Game& g);
void ShowHand(Game& g, int seat);

}  // namespace solo
