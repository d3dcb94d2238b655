#include "game/TablePresentation.h"

#include "bidding/BiddingRound.h"
#include "bidding/Settlement.h"
#include "bidding/UserBid.h"
#include "play/Players.h"
#include "play/TrickPlay.h"
#include "table/CardMovement.h"
#include "table/Deal.h"
#include "table/NewHand.h"
#include "table/Trumps.h"

namespace solo {

void TablePresentation::NewHandShown(Game& g) { ShowNewHand(g); }
void TablePresentation::TableCleared(Game& g) { ClearTable(g); }
void TablePresentation::PackGathered(Game& g, int x, int y) { ShowPackOnTable(g, x, y); }
void TablePresentation::DealerMoved(Game& g) { ShowDealer(g); }
void TablePresentation::CardDealt(Game& g, int seat, int card, int pause) { ShowCardDealt(g, seat, card, pause); }
void TablePresentation::PacketDealt(Game& g, int pause) { ShowPacketDealt(g, pause); }
void TablePresentation::TrumpsShown(Game& g, int suit, bool onBidPanel) { ShowTrumps(g, suit, onBidPanel); }
void TablePresentation::NowBidding(Game& g, int seat) { ShowNowBidding(g, seat); }
void TablePresentation::PassShown(Game& g, int seat) { ShowPassOnTable(g, seat); }
void TablePresentation::ComputerBidShown(Game& g, int seat, int code) { ShowComputerBid(g, seat, code); }
void TablePresentation::UsersBidShown(Game& g, int code) { ShowUsersBid(g, code); }
void TablePresentation::BidWithdrawn(Game& g, int seat, const char* label) {
  SetText(g.t.LblName[seat], {g.s.StrPlayerName[seat], label});
}
void TablePresentation::PassedOutShown(Game& g) { ShowPassedOut(g); }
void TablePresentation::CardPlayed(Game& g, int seat, int card) { ShowCardPlayed(g, seat, card); }
void TablePresentation::TrickWonShown(Game& g, int winner) { ShowTrickWon(g, winner); }
void TablePresentation::TrickGathered(Game& g, const Trick& trick, int winner, int pile) {
  ShowTrickGathered(g, trick, winner, pile);
}
void TablePresentation::ResultShown(Game& g) { ShowResult(g); }
void TablePresentation::PointsShown(Game& g) { ShowPoints(g); }

void SetUpTable(Game& g) {
  static TablePresentation table;
  SeatPlayers(g);
  g.show = &table;
}

void SetUpHeadless(Game& g) {
  static NoPresentation nothing;
  SeatPlayers(g, true);
  g.show = &nothing;
}

}  // namespace solo
