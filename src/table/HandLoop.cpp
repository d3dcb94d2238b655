#include "table/HandLoop.h"

#include "table/GameStart.h"
#include "table/Pacing.h"

namespace solo {

HandEnd PlayHand(Game& g) {
  NewHand(g);
  // The hand rests here, trumps shown, until New Game or leaving abandons it.
  WaitUntil(g, [] { return false; });
  return HandEnd::NextHand;
}

}  // namespace solo
