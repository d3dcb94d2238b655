#include "bidding/UserBid.h"

#include "bidding/BidLadder.h"
#include "bidding/BiddingRound.h"
#include "table/Messages.h"
#include "table/Trumps.h"

namespace solo {

namespace {

constexpr const char* kConfirmCaptions[kBidKinds] = {"PASS",         "Win 5 tricks", "No trumps lose all",
                                                     "Choose trumps-9 tricks", "Win 9 tricks", "No trumps lose all",
                                                     "Win all - no trumps"};

struct Acceptance {
  const char* label;
  const char* status;
};
constexpr Acceptance kAccepted[kBidKinds] = {
    {"", ""},
    {" bids 5 tricks", " bids Solo - 5 tricks"},
    {" bids no tricks", " bids Misere - no tricks, no trumps"},
    {" bids 9 tricks", " bids Abundance Open - 9 tricks"},
    {" bids 9 tricks", " bids Abundance Trumps - 9 tricks"},
    {" bids no tricks", " bids Misere Open - No tricks - face up."},
    {" bids 13 tricks", " bids Abundance Declared - all 13 tricks- no trumps"},
};

constexpr const char* kRest =
    " or a higher bid has already been made and you must bid higher or Pass. You can see what bid has been made above.";

std::string RefusalText(int code, int dealer) {
  switch (code) {
    case kSolo: return std::string("Solo") + kRest;
    case kMisere: return std::string("Misere") + kRest;
    case kAbundanceOpen: return std::string("Abundance Open") + kRest;
    // When North deals the text has two blanks after "Trumps".
    case kAbundanceTrumps: return std::string(dealer == kNorth ? "Abundance Trumps " : "Abundance Trumps") + kRest;
    case kMisereOpen: return std::string("Misere Open") + kRest;
    default: return "Abundance Declared has been bid and you must Pass. You can see what bid has been made above.";
  }
}

}  // namespace

std::vector<int> SeatsBeforeUser(int dealer) {
  std::vector<int> seats;
  for (int seat = NextSeat(dealer); seat != kSouth; seat = NextSeat(seat)) seats.push_back(seat);
  return seats;
}

void BidSelected(Game& g, int index) {
  if (!g.flow.Awaits(Waiting::Bid)) return;
  if (g.s.standard) {
    // The auction's panel: only a call allowed now can be chosen.
    if (index < 0 || index >= static_cast<int>(g.t.callLabels.size()) || !(g.t.callsAllowed >> index & 1u)) return;
    g.t.bidConfirmVisible = true;
    g.s.usersBid = g.t.selectedBid = index;
    g.t.bidButton = index == kStandardPass ? "PASS" : "The Bid";
    return;
  }
  g.t.bidConfirmVisible = true;
  if (index < 0 || index >= kBidKinds) return;
  g.s.usersBid = index;
  g.t.selectedBid = index;
  g.t.bidButton = kConfirmCaptions[index];
}

bool UsersBidRefused(const GameState& s, int bid) {
  if (bid == kPass) return false;
  // Only the computer seats that have already spoken are looked at.
  for (int seat : SeatsBeforeUser(s.dealer))
    if (HighestKind(s, seat) >= bid) return true;
  return false;
}

void OpenBidPanel(Table& t, GameState& s) {
  bool afterUser = false;
  for (int seat : SpeakingOrder(s.dealer)) {
    if (afterUser) SetText(t.otherBids[seat], {s.playerNames[seat], " has not yet bid"});
    if (seat == kSouth) afterUser = true;
  }
  t.bidPanelVisible = true;
  t.selectedBid = kPass;
  s.usersBid = kPass;
  t.bidButton = "PASS";
  t.bidConfirmVisible = false;
}

void BidConfirmed(Game& g) {
  if (!g.flow.Awaits(Waiting::Bid)) return;
  const GameState& s = g.s;
  const int bid = s.usersBid;
  if (s.standard) {
    if (g.t.callsAllowed >> bid & 1u) g.flow.answer = bid;
    return;
  }
  if (UsersBidRefused(s, bid)) {
    DeluxeMsgBox(g.host, BoxPurpose::HigherBidOrPass, {s.userName, RefusalText(bid, s.dealer)}, "Right", "", "", 3,
                 "Make higher bid or Pass");
    return;
  }
  g.flow.answer = bid;
}

void ShowUsersBid(Table& t, const GameState& s, int bid) {
  t.bidPanelVisible = false;
  if (bid == kPass) {
    SetText(t.nameCaptions[kSouth], {s.userName, " has passed."});
    return;
  }
  SetText(t.nameCaptions[kSouth], {s.userName, kAccepted[bid].label});
  SetText(t.status.bidding, {s.userName, kAccepted[bid].status});
}

namespace {
// The computer bids a bid of the person's beats (from `beatenFrom` up), lowest first, and how
// the caption of a beaten one reads (a beaten Misere leaves its bidder's plain name).
struct Beaten {
  int code, beatenFrom;
  const char* label;
};
constexpr Beaten kBeaten[] = {{kSolo, kMisere, " bid beaten"},
                              {kMisere, kAbundanceOpen, ""},
                              {kAbundanceOpen, kAbundanceTrumps, " bid beaten"},
                              {kAbundanceTrumps, kMisereOpen, " bid beaten"}};
}  // namespace

std::array<int, 4> RecordUsersBid(GameState& s, int bid) {
  std::array<int, 4> withdrawn{kNoSeat, kNoSeat, kNoSeat, kNoSeat};
  if (bid == kPass) {
    s.passed[kSouth] = true;
    return withdrawn;
  }
  KindFlags(s, bid)[kSouth] = true;
  s.passed[kSouth] = false;
  s.declarer = kSouth;
  s.hasBid[kSouth] = true;
  for (int i = 0; i < 4; ++i) {
    const PerSeat<bool>& flags = KindFlags(s, kBeaten[i].code);
    if (bid >= kBeaten[i].beatenFrom && (flags[kWest] || flags[kNorth] || flags[kEast]))
      withdrawn[i] = WithdrawBid(s, kBeaten[i].code);
  }
  return withdrawn;
}

void AcceptUsersBid(Game& g, int bid) {
  const std::array<int, 4> withdrawn = RecordUsersBid(g.s, bid);
  for (int i = 0; i < 4; ++i)
    if (withdrawn[i] != kNoSeat) g.show->BidWithdrawn(g, withdrawn[i], kBeaten[i].label);
  g.show->UsersBidShown(g, bid);
}

void TrumpsChosen(Game& g, int index) {
  if (!g.flow.Awaits(Waiting::Trumps) || index < 1 || index > 4) return;
  constexpr int kSuitOfButton[5] = {0, kDiamonds, kClubs, kHearts, kSpades};
  g.flow.answer = kSuitOfButton[index];
}

}  // namespace solo
