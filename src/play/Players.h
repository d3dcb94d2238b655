#pragma once
// The seat players: the computer's fixed rules, and the person at South's panels and cards.
#include "table/Game.h"
#include "table/SeatPlayer.h"

namespace solo {

// Bids by its point count and plays by the fixed card rules of its position in the trick.
// At the user's place it bids what its count gives, passing when that would be refused, and
// names its longest suit for an Abundance Open.
class ComputerPlayer final : public SeatPlayer {
 public:
  int OfferBid(Game& g, int seat) override;
  int Bid(Game& g, int seat) override;
  int Trumps(Game& g, int seat) override;
  int Card(Game& g, int seat, int position, bool playToLose) override;
  int AuctionCall(Game& g, int seat, const Auction& auction) override;
  int StandardCard(Game& g, int seat, int position, bool playToLose) override;
  const char* Level() const override { return "classic"; }
};

// The person: the bid panel, the trump panel and a click on a card, each through the host's
// wait, answered by the handlers the window calls (BidSelected, BidConfirmed,
// TrumpsChosen, CardClicked).
class HumanPlayer final : public SeatPlayer {
 public:
  int OfferBid(Game&, int) override { return 0; }
  int Bid(Game& g, int seat) override;
  int Trumps(Game& g, int seat) override;
  int Card(Game& g, int seat, int position, bool playToLose) override;
  int AuctionCall(Game& g, int seat, const Auction& auction) override;
  const char* Level() const override { return "person"; }
};


// The usual table: the person at South, the computer at West, North and East; or the computer
// at every seat (the simulator). The players are shared: they keep nothing of their own.
void SeatPlayers(Game& g, bool computerSouth = false);

}  // namespace solo
