#include "bidding/BidLadder.h"

namespace solo {

namespace {

// Withdraws the first announced bid of the kind, scanning South to East.
void Withdraw(Game& g, int code, const char* labelText) {
  PerSeat<bool>& flags = KindFlags(g.s, code);
  for (int seat = 0; seat < kSeats; ++seat) {
    if (!flags[seat] || !g.s.hasBid[seat]) continue;
    flags[seat] = false;
    g.s.hasBid[seat] = false;
    g.s.passed[seat] = true;
    g.show->BidWithdrawn(g, seat, labelText);
    return;
  }
}

}  // namespace

PerSeat<bool>& KindFlags(GameState& s, int code) {
  switch (code) {
    case kSolo: return s.bidSolo;
    case kMisere: return s.bidMisere;
    case kAbundanceOpen: return s.bidAbundanceOpen;
    case kAbundanceTrumps: return s.bidAbundanceTrumps;
    case kMisereOpen: return s.bidMisereOpen;
    default: return s.bidAbundanceDeclared;
  }
}

const PerSeat<bool>& KindFlags(const GameState& s, int code) { return KindFlags(const_cast<GameState&>(s), code); }

int HighestKind(const GameState& s, int seat) {
  for (int code = kAbundanceDeclared; code >= kSolo; --code)
    if (KindFlags(s, code)[seat]) return code;
  return kPass;
}

void RemoveSoloBid(Game& g) { Withdraw(g, kSolo, " bid beaten"); }
// A beaten Misere leaves its bidder's plain name.
void RemoveMisereBid(Game& g) { Withdraw(g, kMisere, ""); }
void RemoveAbundanceOpenBid(Game& g) { Withdraw(g, kAbundanceOpen, " bid beaten"); }
void RemoveAbundanceTrumpsBid(Game& g) { Withdraw(g, kAbundanceTrumps, " bid beaten"); }

void PassOtherBots(GameState& s, int bidder) {
  if (bidder < kWest || bidder > kEast) return;
  for (int seat = kWest; seat <= kEast; ++seat)
    if (seat != bidder) s.passed[seat] = true;
}

}  // namespace solo
