#include "table/NewHand.h"

#include "table/Deal.h"

namespace solo {

void Welcome(Game& g) {
  const GameState& s = g.s;
  g.t.nameCaptions[kSouth] = s.userName;
  SetText(g.t.nameCaptions[kWest], {s.playerNames[kWest], "- Welcome ", s.userName});
  SetText(g.t.nameCaptions[kNorth], {s.playerNames[kNorth], " - Hello and Welcome ", s.userName});
  SetText(g.t.nameCaptions[kEast], {s.playerNames[kEast], " - Hi "});
  g.t.pointsNames[kSouth] = s.userName;
  for (int seat = kWest; seat <= kEast; ++seat) g.t.pointsNames[seat] = s.playerNames[seat];
}

void ShowNewHand(Game& g) {
  for (int seat = kWest; seat <= kEast; ++seat) g.t.nameCaptions[seat] = g.s.playerNames[seat];
  g.t.nameCaptions[kSouth] = g.s.userName;
  g.t.trumpsSignVisible = false;
}

void NewHand(Game& g) {
  ++g.handNumber;
  ++g.deals;
  if (g.claimed) {
    g.claimed = false;
    g.pacing = g.paceBeforeClaim;
  }
  g.deal = DealStream(g.seed, static_cast<std::uint64_t>(g.handNumber));
  g.show->NewHandShown(g);
  g.s.trumps = kTrumpsNotSet;
  ClearForNextRound(g);
  ShuffleThePack(g);
  NextDealer(g);
  DealCards(g);
}

void ClearTable(Game& g) {
  Table& t = g.t;
  t.bidPanelVisible = false;
  // A trump choice left open by an abandoned hand must not linger into the next one.
  t.trumpsPanelVisible = false;
  for (int n = 1; n <= 13; ++n) t.trickPiles[n].Visible = false;
  t.southPileLeft = 3360;
  t.westPileTop = 2280;
  t.northPileLeft = 3360;
  t.eastPileTop = 2280;
  t.playedList.Clear();
  for (int card = 1; card <= kCards; ++card) t.cards[card].Visible = true;
  t.status.prompt.clear();
  t.status.bidding.clear();
  t.trumpsCaption = "Trumps";
  t.trumpsSignVisible = false;
}

void ClearForNextRound(Game& g) {
  GameState& s = g.s;
  for (Play& play : s.trick) play.seat = kNoSeat;
  s.tricksPlayed = 0;
  s.newTrumps = -1;
  for (int seat = kWest; seat <= kEast; ++seat) s.bidPoints[seat] = -1;
  for (int seat = 0; seat < kSeats; ++seat) {
    s.tricksWon[seat] = 0;
    s.hasBid[seat] = s.passed[seat] = s.bidMisere[seat] = s.bidMisereOpen[seat] = false;
    s.bidSolo[seat] = s.bidAbundanceOpen[seat] = s.bidAbundanceDeclared[seat] = s.bidAbundanceTrumps[seat] = false;
  }
  GatherAllCards(s);
  s.Voids = {};
  for (Play& play : s.trick) play.card = 0;
  s.declarersCard = 0;
  s.declarer = kNoSeat;
  g.show->TableCleared(g);
}

}  // namespace solo
