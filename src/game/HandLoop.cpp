#include "game/HandLoop.h"

#include "bidding/BiddingRound.h"
#include "game/StandardHand.h"
#include "play/TrickPlay.h"
#include "table/NewHand.h"
#include "table/HandObserver.h"

namespace solo {

HandEnd PlayHand(Game& g) {
  if (g.s.standard) return PlayStandardHand(g);
  if (g.observer) g.observer->HandStarts(g);
  NewHand(g);
  if (g.observer) g.observer->Dealt(g);
  if (Bids(g) == BidOutcome::PassedOut) {
    if (g.observer) g.observer->HandEnded(g, "passed");
    return HandEnd::NextHand;
  }
  if (g.observer) g.observer->PlayStarts(g);
  g.show->ContractShown(g);
  return PlayTricks(g) == TrickResult::ExitGame ? HandEnd::Exit : HandEnd::NextHand;
}

}  // namespace solo
