#include "play/Players.h"


#include <bit>

#include "bidding/BidEvaluation.h"
#include "bidding/BidLadder.h"
#include "bidding/StandardBidding.h"
#include "bidding/UserBid.h"
#include "play/CardQueries.h"
#include "play/Claim.h"
#include "play/StandardPlay.h"
#include "play/Strategy.h"
#include "table/Pacing.h"

namespace solo {

int ComputerPlayer::OfferBid(Game& g, int seat) {
  BotsBidsPoints(g.s, seat);
  return BidForPoints(g.s.bidPoints[seat]);
}

int ComputerPlayer::Bid(Game& g, int seat) {
  const int bid = BidForPoints(CountBidPoints(g.s, seat).points);
  return UsersBidRefused(g.s, bid) ? kPass : bid;
}

int ComputerPlayer::Trumps(Game& g, int seat) { return LongestSuit(g.s, seat); }

int ComputerPlayer::Card(Game& g, int seat, int position, bool playToLose) {
  return ChooseCard(g.s, seat, position, playToLose);
}

int ComputerPlayer::AuctionCall(Game& g, int seat, const Auction& auction) {
  return ComputerCall(g.s, seat, auction);
}

int ComputerPlayer::StandardCard(Game& g, int seat, int position, bool playToLose) {
  return ChooseStandardCard(g.s, seat, position, playToLose);
}

int HumanPlayer::AuctionCall(Game& g, int, const Auction& auction) {
  OpenAuctionPanel(g.t, g.s, auction);
  const int call = WaitForAnswer(g.host, g.flow, Waiting::Bid);
  EndWait(g.flow);
  return call;
}

int HumanPlayer::Bid(Game& g, int) {
  OpenBidPanel(g.t, g.s);
  const int bid = WaitForAnswer(g.host, g.flow, Waiting::Bid);
  EndWait(g.flow);
  return bid;
}

int HumanPlayer::Trumps(Game& g, int seat) {
  g.t.trumpsPanelVisible = true;
  SetText(g.t.status.prompt, {g.s.userName, " choose your trumps please"});
  // The person is to act: marked as at a bid or a card, until the suit is named.
  g.show->TurnShown(g, seat);
  const int suit = WaitForAnswer(g.host, g.flow, Waiting::Trumps);
  EndWait(g.flow);
  g.show->TurnShown(g, kNoSeat);
  return suit;
}

int HumanPlayer::Card(Game& g, int seat, int position, bool) {
  SetText(g.t.status.prompt, {g.s.userName, " click on the card you wish to play"});
  const std::uint64_t legal = LegalCards(g.s, seat, position);
  if (g.claimed) {
    Solver solver;
    const int card = CardKeepingClaim(g.s, solver);
    Pause(g.host, g.flow, g.pacing.cardPlay);
    if (card) return card;
  }
  if (g.options.playForcedCard && std::popcount(legal) == 1) {
    // As long as a computer player would take over the card, so the person sees it coming.
    Pause(g.host, g.flow, g.pacing.cardPlay);
    return std::countr_zero(legal) + 1;
  }
  // The cards that may not be played are shown dimmed while the person chooses.
  if (g.t.ShowPlayable) g.t.Dimmed = g.s.Hand[seat] & ~LegalCards(g.s, seat, position);
  // Once the wait ends no further click is taken: the chosen card moves in the trick, and the
  // trick goes on only once it has landed.
  const int card = WaitForAnswer(g.host, g.flow, Waiting::Card);
  EndWait(g.flow);
  g.t.Dimmed = 0;
  return card;
}

void SeatPlayers(Game& g, bool computerSouth) {
  static ComputerPlayer computer;
  static HumanPlayer human;
  for (int seat = kWest; seat <= kEast; ++seat) g.players[seat] = &computer;
  g.players[kSouth] = computerSouth ? static_cast<SeatPlayer*>(&computer) : &human;
}

}  // namespace solo
