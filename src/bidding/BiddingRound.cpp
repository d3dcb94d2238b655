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
    if (!s.passed[seat]) return false;
  return true;
}

bool AnySeat(const PerSeat<bool>& flags) { return flags[0] || flags[1] || flags[2] || flags[3]; }

}  // namespace

// The pass texts differ when West deals: North's bid label reads "Passes." and East's name
// label has no full stop.
void ShowPass(Table& t, const GameState& s, int seat) {
  const std::string& name = s.playerNames[seat];
  const bool westDeals = s.dealer == kWest;
  SetText(t.nameCaptions[seat], {name, westDeals && seat == kEast ? " Passes" : " Passes."});
  SetText(t.otherBids[seat], {name, westDeals && seat != kWest ? "Passes." : "Passed."});
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
    s.passed[kWest] = s.passed[kEast] = s.passed[kNorth] = true;
  } else {
    s.declarer = bid.seat;
    KindFlags(s, bid.code)[bid.seat] = true;
    PassOtherBots(s, bid.seat);
  }
  if (g.observer) g.observer->BiddingStarts(g);
  return MakeTheBids(g);
}

BidOutcome MakeTheBids(Game& g) {
  GameState& s = g.s;
  const auto order = SpeakingOrder(s.dealer);
  const auto shown = [&](int seat, int code) {
    s.spoke[seat] = code;
    if (g.observer) g.observer->BidShown(g, seat, code);
  };
  for (int seat : order) {
    g.show->NowBidding(g, seat);
    if (seat == kSouth) {
      AcceptUsersBid(g, g.players[kSouth]->Bid(g, kSouth));
      shown(kSouth, s.passed[kSouth] ? kPass : HighestKind(s, kSouth));
    } else if (seat == s.declarer) {
      CheckAnnounceBid(g, seat);
      shown(seat, HighestKind(s, seat));
    } else {
      // A seat chosen to bid, but speaking after the user's accepted bid, is shown passing; its
      // bid must not stay behind, or it would still change the trumps and the way of play.
      if (HighestKind(s, seat) != kPass) {
        for (int code = kSolo; code <= kAbundanceDeclared; ++code) KindFlags(s, code)[seat] = false;
        s.passed[seat] = true;
      }
      g.show->PassShown(g, seat);
      shown(seat, kPass);
    }
  }

  if (AllPassed(s)) {
    g.show->PassedOutShown(g);
    DeluxeMsgBox(g.host, BoxPurpose::PassedOut, {"Everybody passed so there will be a new deal with no shuffle of cards."}, "Right", "", "", 3,
                 "New Deal with no shuffle");
    s.noShuffle = true;
    return BidOutcome::PassedOut;
  }

  if (s.bidAbundanceDeclared[kWest] || s.bidAbundanceDeclared[kNorth] || s.bidAbundanceDeclared[kEast])
    AnnounceTrumps(g, s.newTrumps);
  if (s.bidAbundanceOpen[kSouth]) {
    s.trumps = (g.players[kSouth]->Trumps(g, kSouth));
    s.newTrumps = s.trumps;
    AnnounceTrumps(g, s.newTrumps);
    g.t.trumpsPanelVisible = false;
  }
  if (AnySeat(s.bidMisere)) {
    s.newTrumps = kNoTrumps;
    AnnounceTrumps(g, kNoTrumps);
  }
  if (s.bidMisereOpen[kSouth]) {
    s.newTrumps = kNoTrumps;
    AnnounceTrumps(g, kNoTrumps);
  }
  if (AnySeat(s.bidAbundanceDeclared)) {
    s.newTrumps = kNoTrumps;
    AnnounceTrumps(g, kNoTrumps);
  }
  return AnySeat(s.bidMisere) || AnySeat(s.bidMisereOpen) ? BidOutcome::PlayToLose : BidOutcome::PlayToWin;
}

void CheckAnnounceBid(Game& g, int seat) {
  GameState& s = g.s;
  for (int code : {kSolo, kMisere, kAbundanceTrumps, kAbundanceDeclared}) {
    if (!KindFlags(s, code)[seat]) continue;
    s.hasBid[seat] = true;
    s.passed[seat] = false;
    g.show->ComputerBidShown(g, seat, code);
    return;
  }
}

void ShowNowBidding(Game& g, int seat) { SetText(g.t.status.prompt, {g.s.playerNames[seat], " now bidding."}); }

void ShowComputerBid(Game& g, int seat, int code) {
  const AnnounceTexts texts = TextsFor(code);
  const std::string& name = g.s.playerNames[seat];
  SetText(g.t.nameCaptions[seat], {name, texts.name});
  SetText(g.t.status.bidding, {name, texts.status});
  SetText(g.t.otherBids[seat], {name, texts.otherBids});
  Pause(g.host, g.flow, g.pacing.bidding);
}

void ShowPassOnTable(Game& g, int seat) {
  ShowPass(g.t, g.s, seat);
  g.host.Beep();
  Pause(g.host, g.flow, g.pacing.bidding);
}

void ShowPassedOut(Game& g) { g.t.status.prompt = " Everybody passed so there will be a new dea.l"; }

}  // namespace solo
