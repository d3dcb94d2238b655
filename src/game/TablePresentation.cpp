#include "game/TablePresentation.h"

#include "bidding/BidLadder.h"
#include "bidding/BiddingRound.h"
#include "bidding/Settlement.h"
#include "bidding/StandardBidding.h"
#include "bidding/UserBid.h"
#include "play/Players.h"
#include "play/TrickPlay.h"
#include "table/CardMovement.h"
#include "table/Deal.h"
#include "table/HandLayout.h"
#include "table/NewHand.h"
#include "table/Trumps.h"

namespace solo {

namespace {

// The contract panel's three lines: the declarer and the contract's target, the trumps, and
// the tricks taken so far by the declarer and by the defenders.
void WriteContract(Table& t, const GameState& s) {
  static constexpr const char* kContracts[kBidKinds] = {
      "", "Solo: 5 tricks", "Misere: no tricks", "Abundance Open: 9 tricks", "Abundance Trumps: 9 tricks",
      "Misere Open: no tricks", "Abundance Declared: 13 tricks"};
  static constexpr const char* kSuits[4] = {"Diamonds", "Clubs", "Hearts", "Spades"};
  const int seat = s.declarer;
  if (seat < 0 || seat >= kSeats) return;
  const int code = HighestKind(s, seat);
  std::string name = seat == kSouth ? s.userName : s.playerNames[seat];
  int own = s.tricksWon[seat];
  if (s.standard) {
    // Both partners of a Proposal and Acceptance are named, and their tricks counted together.
    if (s.partner >= 0) {
      name += " & " + (s.partner == kSouth ? s.userName : s.playerNames[s.partner]);
      own += s.tricksWon[s.partner];
    }
    const Contract& contract = StandardContractOf(s.standardContract);
    t.Contract[0] = name + " \u2014 " + contract.name + ": " +
                      (contract.toLose ? std::string("no tricks") : std::to_string(contract.target) + " tricks");
  } else {
    t.Contract[0] = name + " \u2014 " + kContracts[code];
  }
  t.Contract[1] = IsSuit(s.trumps) ? std::string("Trumps: ") + kSuits[s.trumps - kDiamonds] : "No trumps";
  // Partners are named on the first line already: named again, the line would be too long to
  // show either name whole.
  t.Contract[2] = "Tricks: " + (s.standard && s.partner >= 0 ? std::string("partners") : name) + " " +
                  std::to_string(own) + ", defenders " +
                  std::to_string(s.tricksPlayed - own);
  t.ContractVisible = true;
}

}  // namespace

void TablePresentation::NewHandShown(Game& g) { ShowNewHand(g.t, g.s); }
void TablePresentation::TableCleared(Game& g) {
  ClearTable(g.t);
  g.t.Turn = kNoSeat;
  g.t.Dimmed = 0;
  g.t.ContractVisible = false;
  g.t.FaceUp = 0;
  g.t.callLabels.clear();
  g.t.LastTrickWinner = kNoSeat;
  g.t.LastPile = 0;
}
void TablePresentation::PackGathered(Game& g, int x, int y) { ShowPackOnTable(g, x, y); }
void TablePresentation::DealerMoved(Game& g) { ShowDealer(g.t, g.s); }
void TablePresentation::CardDealt(Game& g, int seat, int card, int pause) { ShowCardDealt(g, seat, card, pause); }
void TablePresentation::PacketDealt(Game& g, int pause) { ShowPacketDealt(g, pause); }
void TablePresentation::TrumpsShown(Game& g, int suit, bool onBidPanel) { ShowTrumps(g.t, suit, onBidPanel); }
void TablePresentation::NowBidding(Game& g, int seat) {
  g.t.Turn = seat;
  ShowNowBidding(g, seat);
}
void TablePresentation::PassShown(Game& g, int seat) {
  ShowPassOnTable(g, seat);
  g.t.Turn = kNoSeat;
}
void TablePresentation::ComputerBidShown(Game& g, int seat, int code) {
  ShowComputerBid(g, seat, code);
  g.t.Turn = kNoSeat;
}
void TablePresentation::UsersBidShown(Game& g, int code) {
  ShowUsersBid(g.t, g.s, code);
  g.t.Turn = kNoSeat;
}
void TablePresentation::BidWithdrawn(Game& g, int seat, const char* label) {
  SetText(g.t.nameCaptions[seat], {g.s.playerNames[seat], label});
}
void TablePresentation::PassedOutShown(Game& g) { ShowPassedOut(g); }
void TablePresentation::TurnShown(Game& g, int seat) { g.t.Turn = seat; }
void TablePresentation::ContractShown(Game& g) { WriteContract(g.t, g.s); }
void TablePresentation::CardPlayed(Game& g, int seat, int card) {
  ShowCardPlayed(g, seat, card);
  g.t.Turn = kNoSeat;
}
void TablePresentation::TrickWonShown(Game& g, int winner) { ShowTrickWon(g.t, g.s, winner); }
void TablePresentation::TrickGathered(Game& g, const Trick& trick, int winner, int pile) {
  g.t.LastTrick = trick;
  g.t.LastTrickWinner = winner;
  g.t.LastPile = pile;
  ShowTrickGathered(g, trick, winner, pile);
  if (g.t.ContractVisible) WriteContract(g.t, g.s);
}
void TablePresentation::ResultShown(Game& g) {
  ShowResult(g.t);
  g.t.ContractVisible = false;
}
void TablePresentation::PointsShown(Game& g) { ShowPoints(g.t, g.s); }
void TablePresentation::TurnedUpShown(Game& g) {
  const GameState& s = g.s;
  if (s.turnedUp < 1 || s.turnedUp > kCards) return;
  if (s.tricksPlayed == 0)
    g.t.FaceUp |= CardBit(s.turnedUp);
  else
    g.t.FaceUp &= ~CardBit(s.turnedUp);
  if (s.Pack[s.turnedUp].Owner == s.dealer) ShowHand(g.t, g.s, s.dealer);
}
void TablePresentation::CallShown(Game& g, int seat, int call) { ShowCall(g, seat, call); }
void TablePresentation::HandExposed(Game& g, int seat) {
  g.t.FaceUp |= g.s.Hand[seat];
  ShowHand(g.t, g.s, seat);
}

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
