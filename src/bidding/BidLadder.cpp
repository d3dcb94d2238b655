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

namespace {
// Each bid code's flags in the state, found by one load rather than a branch: the settlement
// asks after every trick.
constexpr PerSeat<bool> GameState::*kKindFlags[kBidKinds] = {
    &GameState::bidAbundanceDeclared,  // a code outside the table reads as the highest
    &GameState::bidSolo,          &GameState::bidMisere,     &GameState::bidAbundanceOpen,
    &GameState::bidAbundanceTrumps, &GameState::bidMisereOpen, &GameState::bidAbundanceDeclared,
};
}  // namespace

PerSeat<bool>& KindFlags(GameState& s, int code) {
  return s.*kKindFlags[code > 0 && code < kBidKinds ? code : 0];
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
