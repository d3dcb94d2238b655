#include "bidding/BiddingRound.h"

#include "bidding/BidEvaluation.h"
#include "bidding/BidLadder.h"
#include "bidding/UserBid.h"
#include "table/HandObserver.h"
#include "table/Messages.h"
#include "table/Pacing.h"
#include "table/Trumps.h"

namespace solo {

namespace {

struct AnnounceTexts {
  const char* name;
  const char* status;
  const char* otherBids;
};

// A computer seat's announcement, by bid. The second status text of Abundance Declared is ours.
AnnounceTexts TextsFor(int code) {
  switch (code) {
    case kSolo: return {" bids Solo", " bids 5 tricks - current trumps.", " bid Solo."};
    case kMisere: return {" bids Misere.", " bids make no tricks-no trumps.", " bid Misere."};
    case kAbundanceTrumps:
      return {" bids Abundance Trumps.", " bids 9 tricks. Current Trumps.", " bid Abundance Trumps."};
    default: return {" bids Abundance Declared.", " bids 13 tricks - no trumps.", " bid Abundance Declared"};
  }
}

bool AllPassed(const GameState& s) {
  for (int seat = 0; seat < kSeats; ++seat)
    if (!s.BlnPassed[seat]) return false;
  return true;
}

bool AnySeat(const PerSeat<bool>& flags) { return flags[0] || flags[1] || flags[2] || flags[3]; }

}  // namespace

// The pass texts differ when West deals: North's bid label reads "Passes." and East's name
// label has no full stop.
void ShowPass(Game& g, int seat) {
  const std::string& name = g.s.StrPlayerName[seat];
  const bool westDeals = g.s.IntDealer == kWest;
  SetText(g.t.LblName[seat], {name, westDeals && seat == kEast ? " Passes" : " Passes."});
  SetText(g.t.LblOtherBids[seat], {name, westDeals && seat != kWest ? "Passes." : "Passed."});
}

std::array<int, kSeats> SpeakingOrder(int dealer) {
  std::array<int, kSeats> order{};
  for (int i = 0; i < kSeats; ++i) order[i] = (dealer + 1 + i) % kSeats;
  return order;
}

ComputerBid ChooseComputerBid(const PerSeat<int>& offers) {
  ComputerBid chosen;
  for (int seat = kWest; seat <= kEast; ++seat)
    if (offers[seat] > chosen.code) chosen = {seat, offers[seat]};
  return chosen;
}

BidOutcome Bids(Game& g) {
  GameState& s = g.s;
  PerSeat<int> offers{};
  for (int seat = kWest; seat <= kEast; ++seat) offers[seat] = g.players[seat]->OfferBid(g, seat);
  const ComputerBid bid = ChooseComputerBid(offers);
  if (bid.seat == kNoSeat) {
    s.BlnPassed[kWest] = s.BlnPassed[kEast] = s.BlnPassed[kNorth] = true;
  } else {
    s.IntBidder = static_cast<Integer>(bid.seat);
    KindFlags(s, bid.code)[bid.seat] = true;
    PassOtherBots(s, bid.seat);
  }
  if (g.observer) g.observer->BiddingStarts(g);
  return MakeTheBids(g);
}

BidOutcome MakeTheBids(Game& g) {
  GameState& s = g.s;
  const auto order = SpeakingOrder(s.IntDealer);
  for (int seat : order) {
    g.show->NowBidding(g, seat);
    if (seat == kSouth) {
      AcceptUsersBid(g, g.players[kSouth]->Bid(g, kSouth));
      if (g.observer) g.observer->BidShown(g, kSouth, s.BlnPassed[kSouth] ? kPass : HighestKind(s, kSouth));
    } else if (seat == s.IntBidder) {
      CheckAnnounceBid(g, seat);
      if (g.observer) g.observer->BidShown(g, seat, HighestKind(s, seat));
    } else {
      // A seat chosen to bid, but speaking after the user's accepted bid, is shown passing; its
      // bid must not stay behind, or it would still change the trumps and the way of play.
      if (HighestKind(s, seat) != kPass) {
        for (int code = kSolo; code <= kAbundanceDeclared; ++code) KindFlags(s, code)[seat] = false;
        s.BlnPassed[seat] = true;
      }
      g.show->PassShown(g, seat);
      if (g.observer) g.observer->BidShown(g, seat, kPass);
    }
  }

  if (AllPassed(s)) {
    g.show->PassedOutShown(g);
    DeluxeMsgBox(g, BoxPurpose::PassedOut, {"Everybody passed so there will be a new deal with no shuffle of cards."}, "Right", "", "", 3,
                 "New Deal with no shuffle");
    s.BlnNoShuffle = true;
    return BidOutcome::PassedOut;
  }

  if (s.BlnAbundanceDeclared[kWest] || s.BlnAbundanceDeclared[kNorth] || s.BlnAbundanceDeclared[kEast])
    AnnounceTrumps(g, s.IntNewTrumps);
  if (s.BlnAbundanceOpen[kSouth]) {
    s.IntTrumps = static_cast<Integer>(g.players[kSouth]->Trumps(g, kSouth));
    s.IntNewTrumps = s.IntTrumps;
    AnnounceTrumps(g, s.IntNewTrumps);
    g.t.FramTrumpsVisible = false;
  }
  if (AnySeat(s.BlnMisere)) {
    s.IntNewTrumps = kNoTrumps;
    AnnounceTrumps(g, kNoTrumps);
  }
  if (s.BlnMisereOpen[kSouth]) {
    s.IntNewTrumps = kNoTrumps;
    AnnounceTrumps(g, kNoTrumps);
  }
  if (AnySeat(s.BlnAbundanceDeclared)) {
    s.IntNewTrumps = kNoTrumps;
    AnnounceTrumps(g, kNoTrumps);
  }
  return AnySeat(s.BlnMisere) || AnySeat(s.BlnMisereOpen) ? BidOutcome::PlayToLose : BidOutcome::PlayToWin;
}

void CheckAnnounceBid(Game& g, int seat) {
  GameState& s = g.s;
  for (int code : {kSolo, kMisere, kAbundanceTrumps, kAbundanceDeclared}) {
    if (!KindFlags(s, code)[seat]) continue;
    s.BlnHasBid[seat] = true;
    s.BlnPassed[seat] = false;
    g.show->ComputerBidShown(g, seat, code);
    return;
  }
}

void ShowNowBidding(Game& g, int seat) { SetText(g.t.StatusBar1.Panel1, {g.s.StrPlayerName[seat], " now bidding."}); }

void ShowComputerBid(Game& g, int seat, int code) {
  const AnnounceTexts texts = TextsFor(code);
  const std::string& name = g.s.StrPlayerName[seat];
  SetText(g.t.LblName[seat], {name, texts.name});
  SetText(g.t.StatusBar1.Panel2, {name, texts.status});
  SetText(g.t.LblOtherBids[seat], {name, texts.otherBids});
  g.s.IntPauseLength = g.pacing.bidding;
  JustPause(g);
  g.s.IntPauseLength = g.s.IntNormalPause;
}

void ShowPassOnTable(Game& g, int seat) {
  ShowPass(g, seat);
  g.host.Beep();
  g.s.IntPauseLength = g.pacing.bidding;
  JustPause(g);
  g.s.IntPauseLength = g.s.IntNormalPause;
}

void ShowPassedOut(Game& g) { g.t.StatusBar1.Panel1 = " Everybody passed so there will be a new dea.l"; }

}  // namespace solo
