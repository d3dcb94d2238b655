#include "game/StandardHand.h"

#include "bidding/Auction.h"
#include "bidding/BidEvaluation.h"
#include "bidding/BidLadder.h"
#include "bidding/StandardBidding.h"
#include "play/TrickPlay.h"
#include "table/HandObserver.h"
#include "table/Messages.h"
#include "table/NewHand.h"
#include "table/Trumps.h"

namespace solo {

namespace {

// The auction, each seat's call asked of its player; a call the auction does not allow is a pass.
Auction RunAuction(Game& g) {
  GameState& s = g.s;
  Auction auction(s.dealer);
  // The hints read the auction while the person is asked; an abandoned hand leaves none behind.
  struct Showing {
    Game& g;
    ~Showing() { g.auction = nullptr; }
  } showing{g};
  g.auction = &auction;
  while (!auction.over()) {
    const int seat = auction.turn;
    g.show->NowBidding(g, seat);
    int call = g.players[seat]->AuctionCall(g, seat, auction);
    if (!auction.Call(call)) {
      call = kStandardPass;
      auction.Call(call);
    }
    s.spoke[seat] = call;
    s.calls.push_back({seat, call});
    g.show->CallShown(g, seat, call);
    if (g.observer) g.observer->BidShown(g, seat, call);
  }
  return auction;
}

// The contract recorded on the state: the declarer's bid flag of the Classic contract it is
// played like (which the card rules read), the others passed.
void RecordContract(GameState& s, const StandardDeal& deal) {
  s.declarer = deal.declarer;
  s.partner = deal.partner;
  s.standardContract = deal.contract;
  s.leader = deal.leader;
  for (int seat = 0; seat < kSeats; ++seat) s.passed[seat] = seat != deal.declarer;
  s.hasBid[deal.declarer] = true;
  KindFlags(s, ClassicLike(deal.contract))[deal.declarer] = true;
}

}  // namespace

HandEnd PlayStandardHand(Game& g) {
  GameState& s = g.s;
  s.noShuffle = false;  // a hand thrown in is dealt afresh, never a goulash
  if (g.observer) g.observer->HandStarts(g);
  NewHand(g);
  s.partner = kNoSeat;
  s.standardContract = kStandardPass;
  s.ledFirst = {-1, -1, -1, -1};
  s.trumps = s.Pack[s.turnedUp].Suit;
  g.show->TrumpsShown(g, s.trumps, true);
  g.show->TurnedUpShown(g);
  if (g.observer) g.observer->Dealt(g);
  // The computer seats' counts, as the hand's record keeps them.
  for (int seat = kWest; seat <= kEast; ++seat) BotsBidsPoints(s, seat);
  if (g.observer) g.observer->BiddingStarts(g);

  const Auction auction = RunAuction(g);
  if (auction.thrownIn()) {
    g.show->PassedOutShown(g);
    DeluxeMsgBox(g.host, BoxPurpose::PassedOut,
                 {"Everybody passed, so the hand is thrown in and the next dealer deals a new hand."}, "Right", "", "",
                 3, "Hand thrown in");
    if (g.observer) g.observer->HandEnded(g, "passed");
    return HandEnd::NextHand;
  }
  StandardDeal deal = AuctionResult(auction, s.trumps);
  RecordContract(s, deal);
  // An Abundance's declarer names trumps now.
  if (deal.trumps == kTrumpsNotSet) {
    deal.trumps = g.players[deal.declarer]->Trumps(g, deal.declarer);
    g.t.trumpsPanelVisible = false;
  }
  if (deal.trumps != s.trumps) {
    s.trumps = deal.trumps;
    g.show->TrumpsShown(g, s.trumps, false);
    DeluxeMsgBox(g.host, BoxPurpose::TrumpsChanged,
                 {IsSuit(s.trumps) ? "The contract is played with trumps of " : "The contract is played without trumps",
                  IsSuit(s.trumps) ? SuitWords(s.trumps) : "", "."},
                 "O.K", "", "", 2, SuitTitle(s.trumps));
  }
  if (g.observer) g.observer->PlayStarts(g);
  g.show->ContractShown(g);
  return PlayStandardTricks(g, deal) == TrickResult::ExitGame ? HandEnd::Exit : HandEnd::NextHand;
}

}  // namespace solo
