#pragma once
// What the person sees and hears of a hand. The flow of the hand changes the state itself and
// then asks the presentation to show it: the window's presentation moves cards, writes
// captions and the played-cards list, plays sounds and pauses; a game without a window (the
// simulator) shows nothing, so one flow of the hand serves both.
#include "state/GameState.h"

namespace solo {

struct Game;

class Presentation {
 public:
  virtual ~Presentation() = default;

  // A new hand: the seats' names back on their labels, the trump sign hidden.
  virtual void NewHandShown(Game& g) = 0;
  // The table cleared for the hand: piles, panels, the played-cards list, the status bar.
  virtual void TableCleared(Game& g) = 0;
  // The pack gathered face down at (x, y) with the shuffle sound.
  virtual void PackGathered(Game& g, int x, int y) = 0;
  virtual void DealerMoved(Game& g) = 0;
  // A card handed to a seat during the deal, and the end of a packet; `pause` is the deal's pace.
  virtual void CardDealt(Game& g, int seat, int card, int pause) = 0;
  virtual void PacketDealt(Game& g, int pause) = 0;
  // The trump sign of `suit`; `onBidPanel` also sets the sign on the bid panel.
  virtual void TrumpsShown(Game& g, int suit, bool onBidPanel) = 0;

  virtual void NowBidding(Game& g, int seat) = 0;
  virtual void PassShown(Game& g, int seat) = 0;
  virtual void ComputerBidShown(Game& g, int seat, int code) = 0;
  virtual void UsersBidShown(Game& g, int code) = 0;
  // A computer bid beaten by the user's: its seat's label says so.
  virtual void BidWithdrawn(Game& g, int seat, const char* label) = 0;
  virtual void PassedOutShown(Game& g) = 0;

  // The seat whose turn it is to bid or play (-1: nobody's).
  virtual void TurnShown(Game& g, int seat) = 0;
  // The bidding is over and play begins; a trick has been counted.
  virtual void ContractShown(Game& g) = 0;

  // A card put in the centre, before it leaves the hand.
  virtual void CardPlayed(Game& g, int seat, int card) = 0;
  // The trick's winner announced, then the trick gathered and carried to the winner's pile.
  virtual void TrickWonShown(Game& g, int winner) = 0;
  virtual void TrickGathered(Game& g, const Trick& trick, int winner, int pile) = 0;

  // The hand is decided (before its result box); the new points.
  virtual void ResultShown(Game& g) = 0;
  virtual void PointsShown(Game& g) = 0;
  // The Standard rules: the dealer's last card, face up for trumps until the first trick is over
  // (shown again then, turned down), a seat's call in the auction, and a declarer's hand laid
  // face up.
  virtual void TurnedUpShown(Game&) {}
  virtual void CallShown(Game&, int /*seat*/, int /*call*/) {}
  virtual void HandExposed(Game&, int /*seat*/) {}
};

// Shows nothing: for games played without a window.
class NoPresentation final : public Presentation {
 public:
  void NewHandShown(Game&) override {}
  void TableCleared(Game&) override {}
  void PackGathered(Game&, int, int) override {}
  void DealerMoved(Game&) override {}
  void CardDealt(Game&, int, int, int) override {}
  void PacketDealt(Game&, int) override {}
  void TrumpsShown(Game&, int, bool) override {}
  void NowBidding(Game&, int) override {}
  void PassShown(Game&, int) override {}
  void ComputerBidShown(Game&, int, int) override {}
  void UsersBidShown(Game&, int) override {}
  void BidWithdrawn(Game&, int, const char*) override {}
  void PassedOutShown(Game&) override {}
  void TurnShown(Game&, int) override {}
  void ContractShown(Game&) override {}
  void CardPlayed(Game&, int, int) override {}
  void TrickWonShown(Game&, int) override {}
  void TrickGathered(Game&, const Trick&, int, int) override {}
  void ResultShown(Game&) override {}
  void PointsShown(Game&) override {}
};

}  // namespace solo
