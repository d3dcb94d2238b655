#pragma once
// A seat's decisions during a hand. The hand asks the seat's player and then carries the
// decision out itself, the same way whoever decided: the computer's rules answer at once, the
// person answers through the host's wait.

namespace solo {

struct Game;

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
  // Who decides, as the hand history keeps it: "person", "classic" or "expert".
  virtual const char* Level() const = 0;
};

}  // namespace solo
