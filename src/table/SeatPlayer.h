#pragma once
// A seat's decisions during a hand. The hand asks the seat's player and then carries the
// decision out itself, the same way whoever decided: the computer's rules answer at once, the
// person answers through the host's wait.

namespace solo {

struct Game;
struct Auction;

class SeatPlayer {
 public:
  virtual ~SeatPlayer() = default;

  // Before the bidding round is shown, each computer seat says which contract it would bid
  // (a bid code, 0 to pass); the table then takes at most one of these offers.
  virtual int OfferBid(Game& g, int seat) = 0;
  // At the user's place in the round: the bid (0 to pass). A bid that does not beat one already
  // made is never given: the panel refuses it, and a computer passes instead.
  virtual int Bid(Game& g, int seat) = 0;
  // The trump suit (4-7) for the seat's Abundance Open.
  virtual int Trumps(Game& g, int seat) = 0;
  // The card to play at `position` (1-4) of the trick; 0 if the seat has none to give.
  virtual int Card(Game& g, int seat, int position, bool playToLose) = 0;
  // The Standard rules: the seat's call in the auction (a StandardCall the auction allows; any
  // other is taken as a pass), and its card, by default as under the Classic rules.
  virtual int AuctionCall(Game& g, int seat, const Auction& auction) = 0;
  virtual int StandardCard(Game& g, int seat, int position, bool playToLose) {
    return Card(g, seat, position, playToLose);
  }
  // Who decides, as the hand history keeps it: "person", "classic" or "expert".
  virtual const char* Level() const = 0;
};

}  // namespace solo
