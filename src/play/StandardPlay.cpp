#include "play/StandardPlay.h"

#include <bit>

#include "play/CardQueries.h"
#include "play/Strategy.h"

namespace solo {

namespace {

// The place in the trick of the card winning it so far (the first `played` cards).
int WinningSoFar(const GameState& s, int played) {
  std::array<int, 4> bits{};
  for (int i = 0; i < played; ++i) bits[i] = s.trick[i].card - 1;
  return WinningPlace(bits, played, SuitPlace(s.trumps));
}

}  // namespace

int PartnerOf(const GameState& s, int seat) {
  if (s.partner < 0) return kNoSeat;
  if (seat == s.declarer) return s.partner;
  if (seat == s.partner) return s.declarer;
  for (int other = 0; other < kSeats; ++other)
    if (other != seat && other != s.declarer && other != s.partner) return other;
  return kNoSeat;
}

int ChooseStandardCard(const GameState& s, int seat, int position, bool playToLose) {
  const int mate = PartnerOf(s, seat);
  if (mate == kNoSeat) return ChooseCard(s, seat, position, playToLose);
  const std::uint64_t legal = LegalCards(s, seat, position);
  if (position > 1) {
    const int winning = WinningSoFar(s, position - 1);
    if (s.trick[winning].seat == mate) {
      // The partner has the trick: follow low, or throw a low card that is not a trump.
      const std::uint64_t nonTrumps = legal & ~SuitMask(s.trumps);
      return FirstCardOf(nonTrumps ? nonTrumps : legal);
    }
  } else {
    const int suit = s.ledFirst[mate];
    const std::uint64_t back = IsSuit(suit) ? legal & SuitMask(suit) : 0;
    if (back) return LastCardOf(back);
  }
  return ChooseCard(s, seat, position, playToLose);
}

}  // namespace solo
