#pragma once
// Scripted users for whole hands: what South does at each wait of the game.
#include <functional>

#include "bidding/UserBid.h"
#include "table/Game.h"
#include "game/GameStart.h"
#include "table/HandObserver.h"

namespace solo::test {

// Passes every bid; names Diamonds if ever asked for trumps.
inline bool AnswerBidding(Game& g, int bid = 0) {
  if (g.flow.Awaits(Waiting::Bid)) {
    BidSelected(g, bid);
    BidConfirmed(g);
    if (g.flow.answer == kNoAnswer) {  // refused: pass instead
      BidSelected(g, 0);
      BidConfirmed(g);
    }
    return true;
  }
  if (g.flow.Awaits(Waiting::Trumps)) {
    TrumpsChosen(g, 1);
    return true;
  }
  return false;
}

// Counts the deals and remembers each hand's dealer.
struct DealWatch : HandObserver {
  std::vector<int> dealers;
  std::function<void(const Game&)> onDealt;
  void Dealt(const Game& g) override {
    dealers.push_back(g.s.dealer);
    if (onDealt) onDealt(g);
  }
};

}  // namespace solo::test
