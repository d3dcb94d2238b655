#pragma once
// One hand by the Standard rules: dealt as usual with the dealer's last card turned up for
// trumps, bid in an auction round the table, played and settled by the Standard contracts.
#include "game/HandLoop.h"

namespace solo {

HandEnd PlayStandardHand(Game& g);

}  // namespace solo
