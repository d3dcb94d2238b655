#include "bidding/StandardBidding.h"

#include "bidding/BidEvaluation.h"
#include "table/Pacing.h"

namespace solo {

namespace {

struct CallWords {
  const char* caption;  // after the seat's name
  const char* label;    // on the person's panel
};
constexpr CallWords kCallWords[] = {
    {" passes.", "PASS - make no bid"},
    {" proposes.", "PROPOSAL - a partner and 8 tricks together - 1 Unit"},
    {" accepts the Proposal.", "ACCEPT the Proposal - 8 tricks together - 1 Unit"},
    {" bids Solo.", "SOLO - win five tricks - 1 Unit"},
    {" bids Misere.", "MISERE - win no tricks - no trumps - 2 Units"},
    {" bids Abundance.", "ABUNDANCE - nine tricks - name trumps - 3 Units"},
    {" bids Royal Abundance.", "ROYAL ABUNDANCE - nine tricks - turned-up trumps - 3 Units"},
    {" bids Misere Ouverte.", "MISERE OUVERTE - no tricks - hand face up - 4 Units"},
    {" bids Abundance Declared.", "ABUNDANCE DECLARED - all 13 tricks - you lead - 6 Units"},
};

}  // namespace

int StandardCallFor(int classicBid) {
  switch (classicBid) {
    case kSolo: return kStandardSolo;
    case kAbundanceOpen: return kAbundance;
    case kMisere: return kStandardMisere;
    case kAbundanceTrumps: return kRoyalAbundance;
    case kMisereOpen: return kMisereOuverte;
    case kAbundanceDeclared: return kStandardAbundanceDeclared;
    default: return kStandardPass;
  }
}

int ComputerCall(const GameState& s, int seat, const Auction& auction) {
  return ComputerCall(seat >= 0 && seat < kSeats ? s.Hand[seat] : 0, s.trumps, auction);
}

int ComputerCall(std::uint64_t hand, int trumps, const Auction& auction) {
  const int points = CountBidPoints(hand, trumps).points;
  int bid = StandardCallFor(BidForPoints(points));
  if (bid == kStandardSolo && points < kSoloFrom) bid = kStandardPass;
  // The nine tricks of an Abundance ask more than the count's 9, and no hand counting to an
  // Abundance Declared made its thirteen tricks: an Abundance is bid from a count of 13 with
  // the longest suit as trumps, as Royal when that suit is turned up, else naming it; below, a
  // Solo.
  if (bid == kRoyalAbundance || bid == kStandardAbundanceDeclared) bid = kStandardSolo;
  const int longest = LongestSuit(hand);
  if (bid < kAbundance && CountBidPoints(hand, longest).points >= kAbundanceFrom)
    bid = longest == trumps ? kRoyalAbundance : kAbundance;
  // A Misere hand with nothing above a Nine is laid open: such hands made their Misere half the
  // time (17 of 35 in 40,000 hands), three times as often as the others.
  if (bid == kStandardMisere) {
    bool low = true;
    for (int suit = kDiamonds; suit <= kSpades; ++suit)
      low = low && (hand & SuitMask(suit)) >> SuitShift(suit) < RankBit(10);
    if (low) bid = kMisereOuverte;
  }
  if (auction.proposerToRaise) return points >= kRaiseProposalFrom ? kStandardSolo : kStandardPass;
  if (bid != kStandardPass && auction.Allows(bid)) return bid;
  if (points >= kAcceptFrom && points < kSoloFrom && auction.Allows(kAcceptance)) return kAcceptance;
  if (points >= kProposeFrom && points < kSoloFrom && auction.Allows(kProposal)) return kProposal;
  return kStandardPass;
}

const char* CallCaption(int call) { return kCallWords[call >= 0 && call <= kStandardAbundanceDeclared ? call : 0].caption; }
const char* CallLabel(int call) { return kCallWords[call >= 0 && call <= kStandardAbundanceDeclared ? call : 0].label; }

void OpenAuctionPanel(Table& t, GameState& s, const Auction& auction) {
  t.callLabels.clear();
  t.callsAllowed = 0;
  for (int call = kStandardPass; call <= kStandardAbundanceDeclared; ++call) {
    t.callLabels.push_back(CallLabel(call));
    if (auction.Allows(call)) t.callsAllowed |= 1u << call;
  }
  // The other seats' latest calls, under the calls.
  for (int seat = kWest; seat <= kEast; ++seat)
    SetText(t.otherBids[seat], {s.playerNames[seat], s.spoke[seat] >= 0 ? CallCaption(s.spoke[seat]) : " has not yet called."});
  // The card turned up, which every player at the table has seen: among South's own cards it
  // shows no different, and a computer dealer's hand may lie under the panel (North's).
  t.turnedUpNote.clear();
  if (s.turnedUp >= 1 && s.turnedUp <= kCards && s.Pack[s.turnedUp].Owner == s.dealer)
    SetText(t.turnedUpNote, {s.dealer == kSouth ? "You" : "The dealer", " turned up the ", CardWords(s.turnedUp), "."});
  t.bidPanelVisible = true;
  t.selectedBid = kStandardPass;
  s.usersBid = kStandardPass;
  t.bidButton = "PASS";
  t.bidConfirmVisible = false;
}

void ShowCall(Game& g, int seat, int call) {
  const std::string& name = seat == kSouth ? g.s.userName : g.s.playerNames[seat];
  SetText(g.t.nameCaptions[seat], {name, CallCaption(call)});
  SetText(g.t.status.bidding, {name, CallCaption(call)});
  g.t.bidPanelVisible = false;
  g.t.Turn = kNoSeat;
  Pause(g.host, g.flow, g.pacing.bidding);
}

int ClassicLike(int standardContract) {
  switch (standardContract) {
    case kAcceptance:
    case kStandardSolo: return kSolo;
    case kStandardMisere: return kMisere;
    case kAbundance: return kAbundanceOpen;
    case kRoyalAbundance: return kAbundanceTrumps;
    case kMisereOuverte: return kMisereOpen;
    case kStandardAbundanceDeclared: return kAbundanceDeclared;
    default: return kPass;
  }
}

}  // namespace solo
