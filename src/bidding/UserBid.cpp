#include "bidding/UserBid.h"

#include "bidding/BidLadder.h"
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

void OptBid_Click(Game& g, int index) {
  if (!g.Awaits(Waiting::Bid)) return;
  g.t.LblconfirmVisible = true;
  if (index < 0 || index >= kBidKinds) return;
  g.s.IntUsersBid = static_cast<Integer>(index);
  g.t.OptBid = index;
  g.t.CmdCnfBid = kConfirmCaptions[index];
}

void CmdCnfBid_Click(Game& g) {
  if (!g.Awaits(Waiting::Bid)) return;
  GameState& s = g.s;
  const int bid = s.IntUsersBid;
  if (bid == kPass) {
    s.BlnPassed[kSouth] = true;
    g.t.FramBidingVisible = false;
    g.answer = kPass;
    SetText(g.t.LblName[kSouth], {s.StrUserName, " has passed."});
    return;
  }
  // Only the computer seats that have already spoken are looked at.
  for (int seat : SeatsBeforeUser(s.IntDealer)) {
    if (HighestKind(s, seat) < bid) continue;
    DeluxeMsgBox(g, BoxPurpose::HigherBidOrPass, s.StrUserName + RefusalText(bid, s.IntDealer), "Right", "", "", 3, "Make higher bid or Pass");
    return;
  }
  KindFlags(s, bid)[kSouth] = true;
  s.BlnPassed[kSouth] = false;
  s.IntBidder = kSouth;
  s.BlnHasBid[kSouth] = true;
  g.answer = bid;
  const auto anyComputer = [&s](int code) {
    const PerSeat<bool>& flags = KindFlags(s, code);
    return flags[kWest] || flags[kNorth] || flags[kEast];
  };
  if (bid >= kMisere && anyComputer(kSolo)) RemoveSoloBid(g);
  if (bid >= kAbundanceOpen && anyComputer(kMisere)) RemoveMisereBid(g);
  if (bid >= kAbundanceTrumps && anyComputer(kAbundanceOpen)) RemoveAbundanceOpenBid(g);
  if (bid >= kMisereOpen && anyComputer(kAbundanceTrumps)) RemoveAbundanceTrumpsBid(g);
  g.t.FramBidingVisible = false;
  SetText(g.t.LblName[kSouth], {s.StrUserName, kAccepted[bid].label});
  SetText(g.t.StatusBar1.Panel2, {s.StrUserName, kAccepted[bid].status});
}

void CmdMarriage_Click(Game& g, int index) {
  if (!g.Awaits(Waiting::Trumps) || index < 1 || index > 4) return;
  constexpr Integer kSuitOfButton[5] = {0, kDiamonds, kClubs, kHearts, kSpades};
  g.s.IntTrumps = kSuitOfButton[index];
  g.s.IntNewTrumps = g.s.IntTrumps;
  AnnounceTrumps(g, g.s.IntNewTrumps);
  g.t.FramTrumpsVisible = false;
  g.answer = index;
}

}  // namespace solo
