#include "table/NewHand.h"

#include "table/Deal.h"

namespace solo {

void Welcome(Game& g) {
  const GameState& s = g.s;
  g.t.LblName[kSouth] = s.StrUserName;
  SetText(g.t.LblName[kWest], {s.StrPlayerName[kWest], "- Welcome ", s.StrUserName});
  SetText(g.t.LblName[kNorth], {s.StrPlayerName[kNorth], " - Hello and Welcome ", s.StrUserName});
  SetText(g.t.LblName[kEast], {s.StrPlayerName[kEast], " - Hi "});
  g.t.LblMonName[kSouth] = s.StrUserName;
  for (int seat = kWest; seat <= kEast; ++seat) g.t.LblMonName[seat] = s.StrPlayerName[seat];
}

void ShowNewHand(Game& g) {
  for (int seat = kWest; seat <= kEast; ++seat) g.t.LblName[seat] = g.s.StrPlayerName[seat];
  g.t.LblName[kSouth] = g.s.StrUserName;
  g.t.imgtrumpsVisible = false;
}

void NewHand(Game& g) {
  ++g.handNumber;
  g.deal = DealStream(g.seed, static_cast<std::uint64_t>(g.handNumber));
  g.show->NewHandShown(g);
  g.s.IntTrumps = kTrumpsNotSet;
  ClearForNextRound(g);
  ShuffleThePack(g);
  NextDealer(g);
  DealCards(g);
}

void ClearTable(Game& g) {
  Table& t = g.t;
  t.FramBidingVisible = false;
  // A trump choice left open by an abandoned hand must not linger into the next one.
  t.FramTrumpsVisible = false;
  for (int n = 1; n <= 13; ++n) t.ImgBack[n].Visible = false;
  t.IntSouthPileLeft = 3360;
  t.IntWestPileTop = 2280;
  t.IntNorthPileLeft = 3360;
  t.IntEastPileTop = 2280;
  t.LstCardsPlayed.Clear();
  for (int card = 1; card <= kCards; ++card) t.Cds[card].Visible = true;
  t.StatusBar1.Panel1.clear();
  t.StatusBar1.Panel2.clear();
  t.LblTrumps = "Trumps";
  t.imgtrumpsVisible = false;
}

void ClearForNextRound(Game& g) {
  GameState& s = g.s;
  for (Play& play : s.trick) play.seat = kNoSeat;
  s.IntTricksPlayed = 0;
  s.IntNewTrumps = -1;
  for (int seat = kWest; seat <= kEast; ++seat) s.IntBidPoints[seat] = -1;
  for (int seat = 0; seat < kSeats; ++seat) {
    s.IntTricksWon[seat] = 0;
    s.BlnHasBid[seat] = s.BlnPassed[seat] = s.BlnMisere[seat] = s.BlnMisereOpen[seat] = false;
    s.BlnSolo[seat] = s.BlnAbundanceOpen[seat] = s.BlnAbundanceDeclared[seat] = s.BlnAbundanceTrumps[seat] = false;
  }
  GatherAllCards(s);
  s.Voids = {};
  for (Play& play : s.trick) play.card = 0;
  s.IntBidderCard = 0;
  s.IntBidder = kNoSeat;
  g.show->TableCleared(g);
}

}  // namespace solo
