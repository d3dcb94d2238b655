#include "bidding/BidLadder.h"

namespace solo {

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

int WithdrawBid(GameState& s, int code) {
  PerSeat<bool>& flags = KindFlags(s, code);
  for (int seat = 0; seat < kSeats; ++seat) {
    if (!flags[seat] || !s.hasBid[seat]) continue;
    flags[seat] = false;
    s.hasBid[seat] = false;
    s.passed[seat] = true;
    return seat;
  }
  return kNoSeat;
}

void PassOtherBots(GameState& s, int bidder) {
  if (bidder < kWest || bidder > kEast) return;
  for (int seat = kWest; seat <= kEast; ++seat)
    if (seat != bidder) s.passed[seat] = true;
}

}  // namespace solo
