#include "table/HandLoop.h"

#include "bidding/BiddingRound.h"
#include "table/GameStart.h"
#include "table/HandObserver.h"
#include "table/Pacing.h"

namespace solo {

HandEnd PlayHand(Game& g) {
  NewHand(g);
  if (g.observer) g.observer->Dealt(g);
  if (Bids(g) == BidOutcome::PassedOut) {
    if (g.observer) g.observer->HandEnded(g, "passed");
    return HandEnd::NextHand;
  }
  if (g.observer) g.observer->PlayStarts(g);
  // The hand rests here, the contract fixed, until New Game or leaving abandons it.
  WaitUntil(g, [] { return false; });
  return HandEnd::NextHand;
}

}  // namespace solo
