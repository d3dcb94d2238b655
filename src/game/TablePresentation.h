#pragma once
// The hand shown on the table, as the window shows it: every card moved, caption written and
// pause taken as the game has always done.
#include "table/Game.h"
#include "table/Presentation.h"

namespace solo {

class TablePresentation : public Presentation {
 public:
  void NewHandShown(Game& g) override;
  void TableCleared(Game& g) override;
  void PackGathered(Game& g, int x, int y) override;
  void DealerMoved(Game& g) override;
  void CardDealt(Game& g, int seat, int card, int pause) override;
  void PacketDealt(Game& g, int pause) override;
  void TrumpsShown(Game& g, int suit, bool onBidPanel) override;
  void NowBidding(Game& g, int seat) override;
  void PassShown(Game& g, int seat) override;
  void ComputerBidShown(Game& g, int seat, int code) override;
  void UsersBidShown(Game& g, int code) override;
  void BidWithdrawn(Game& g, int seat, const char* label) override;
  void PassedOutShown(Game& g) override;
  void TurnShown(Game& g, int seat) override;
  void ContractShown(Game& g) override;
  void CardPlayed(Game& g, int seat, int card) override;
  void TrickWonShown(Game& g, int winner) override;
  void TrickGathered(Game& g, const Trick& trick, int winner, int pile) override;
  void ResultShown(Game& g) override;
  void PointsShown(Game& g) override;
  void TurnedUpShown(Game& g) override;
  void CallShown(Game& g, int seat, int call) override;
  void HandExposed(Game& g, int seat) override;
};

// A game at the table: the person at South, the computer at the other seats, shown on the table.
void SetUpTable(Game& g);
// A game without a window: the computer at every seat, nothing shown.
void SetUpHeadless(Game& g);

}  // namespace solo
