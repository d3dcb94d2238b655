#include "play/PlayOut.h"

#include <bit>

#include "bidding/BidLadder.h"
#include "play/Strategy.h"
#include "play/TrickRules.h"

namespace solo {

int ClassicPlayOut(const GameState& start, const std::array<std::uint64_t, 4>& hands, int seat, int code) {
  GameState s = start;
  GatherAllCards(s);
  for (int holder = 0; holder < kSeats; ++holder)
    for (std::uint64_t rest = hands[holder]; rest; rest &= rest - 1) SetOwner(s, std::countr_zero(rest) + 1, holder);
  for (int kind = kSolo; kind < kBidKinds; ++kind) KindFlags(s, kind) = {};
  KindFlags(s, code)[seat] = true;
  s.declarer = seat;
  if (ContractOf(code).trumps == TrumpRule::None) s.trumps = kNoTrumps;
  s.tricksPlayed = 0;
  s.tricksWon = {};
  s.KeepVoids = false;
  const bool lose = ContractOf(code).toLose;
  int leader = s.leader >= 0 && s.leader < kSeats ? s.leader : NextSeat(seat);
  for (int trick = 0; trick < kTricksInHand; ++trick) {
    for (int i = 0; i < 4; ++i) s.trick[i] = {(leader + i) % kSeats, -1};
    for (int position = 1; position <= 4; ++position) {
      const int player = s.trick[position - 1].seat;
      const int card = ChooseCard(s, player, position, lose);
      if (card < 1 || card > kCards) return s.tricksWon[seat];  // never in a sound layout
      s.trick[position - 1].card = card;
      if (player == seat) s.declarersCard = card;
      PlayCardStep(s, card);
    }
    leader = ResolveTrick(s);
  }
  return s.tricksWon[seat];
}

}  // namespace solo
