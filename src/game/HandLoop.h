#pragma once
// One hand, from the clearing of the table to its end.
#include "table/Game.h"

namespace solo {

enum class HandEnd { NextHand, Exit };

HandEnd PlayHand(Game& g);

}  // namespace solo
