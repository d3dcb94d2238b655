#include "table/NewHand.h"

#include "table/Deal.h"

namespace solo {

void Welcome(Table& t, const GameState& s) {
  t.nameCaptions[kSouth] = s.userName;
  SetText(t.nameCaptions[kWest], {s.playerNames[kWest], "- Welcome ", s.userName});
  SetText(t.nameCaptions[kNorth], {s.playerNames[kNorth], " - Hello and Welcome ", s.userName});
  SetText(t.nameCaptions[kEast], {s.playerNames[kEast], " - Hi "});
  t.pointsNames[kSouth] = s.userName;
  for (int seat = kWest; seat <= kEast; ++seat) t.pointsNames[seat] = s.playerNames[seat];
}

void ShowNewHand(Table& t, const GameState& s) {
  for (int seat = kWest; seat <= kEast; ++seat) t.nameCaptions[seat] = s.playerNames[seat];
  t.nameCaptions[kSouth] = s.userName;
  t.trumpsSignVisible = false;
}

void NewHand(Game& g) {
  ++g.draw.handNumber;
  ++g.draw.deals;
  if (g.claimed) {
    g.claimed = false;
    g.pacing = g.paceBeforeClaim;
  }
  g.draw.deal = DealStream(g.draw.seed, static_cast<std::uint64_t>(g.draw.handNumber));
  g.show->NewHandShown(g);
  g.s.trumps = kTrumpsNotSet;
  ClearForNextRound(g);
  ShuffleThePack(g);
  NextDealer(g);
  DealCards(g);
}

void ClearTable(Table& t) {
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
  t.turnedUpNote.clear();
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
