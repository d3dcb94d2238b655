#pragma once
// Each seat's hand on the table: South face up in a row along the bottom, North face down
// along the top, West and East face down in columns. A layout is rebuilt from scratch in card
// order (a turned-up card last in a dealer's hand shown face down), so it closes the gaps of
// played cards; a later card lies above an earlier one.
#include "state/GameState.h"
#include "table/Table.h"

namespace solo {

void ShowHand(Table& t, const GameState& s, int seat);

}  // namespace solo
