#include "play/PlayOut.h"

#include <bit>

#include "bidding/BidLadder.h"
#include "play/CardQueries.h"
#include "play/StandardPlay.h"
#include "play/Strategy.h"
#include "play/TrickRules.h"

namespace solo {

namespace {

// Plays the hand in `s` to its end, each card chosen by `choose(player, position)`, from the card
// at `position` (1-4) of the trick in progress; `first`, when not 0, is the card played there.
// A Standard hand (`standard`) keeps the suit each seat led first, which its partners' rules read.
template <class Choose>
void PlayToEnd(GameState& s, int position, int first, bool standard, Choose choose) {
  while (s.tricksPlayed < kTricksInHand) {
    for (; position <= 4; ++position) {
      const int player = s.trick[position - 1].seat;
      const int card = first ? first : choose(player, position);
      first = 0;
      if (card < 1 || card > kCards) return;  // never in a sound layout
      s.trick[position - 1].card = card;
      if (player == s.declarer) s.declarersCard = card;
      PlayCardStep(s, card);
    }
    const int leader = s.trick[0].seat;
    if (standard && s.ledFirst[leader] < 0) s.ledFirst[leader] = s.Pack[s.trick[0].card].Suit;
    const int winner = ResolveTrick(s);
    for (int i = 0; i < 4; ++i) s.trick[i] = {(winner + i) % kSeats, -1};
    position = 1;
  }
}

// `s` with the cards of `hands` in their holders' hands.
void PlaceCards(GameState& s, const std::array<std::uint64_t, 4>& hands) {
  for (int holder = 0; holder < kSeats; ++holder)
    for (std::uint64_t rest = hands[holder]; rest; rest &= rest - 1) SetOwner(s, std::countr_zero(rest) + 1, holder);
}

// `start` dealt anew as `hands`, with `seat` declaring `code` and the first trick to lead.
GameState StartOfPlay(const GameState& start, const std::array<std::uint64_t, 4>& hands, int seat, int code) {
  GameState s = start;
  GatherAllCards(s);
  PlaceCards(s, hands);
  for (int kind = kSolo; kind < kBidKinds; ++kind) KindFlags(s, kind) = {};
  KindFlags(s, code)[seat] = true;
  s.declarer = seat;
  if (ContractOf(code).trumps == TrumpRule::None) s.trumps = kNoTrumps;
  s.tricksPlayed = 0;
  s.tricksWon = {};
  s.KeepVoids = false;
  const int leader = s.leader >= 0 && s.leader < kSeats ? s.leader : NextSeat(seat);
  for (int i = 0; i < 4; ++i) s.trick[i] = {(leader + i) % kSeats, -1};
  return s;
}

}  // namespace

int ClassicPlayOut(const GameState& start, const std::array<std::uint64_t, 4>& hands, int seat, int code) {
  GameState s = StartOfPlay(start, hands, seat, code);
  const bool lose = ContractOf(code).toLose;
  PlayToEnd(s, 1, 0, false, [&](int player, int position) { return ChooseCard(s, player, position, lose); });
  return s.tricksWon[seat];
}

int PlayOutBy(const GameState& start, const std::array<std::uint64_t, 4>& hands, int seat, int code,
              const CardChooser& choose) {
  GameState s = StartOfPlay(start, hands, seat, code);
  PlayToEnd(s, 1, 0, false, [&](int player, int position) { return choose(s, player, position); });
  return s.tricksWon[seat];
}

int LookaheadPlayOut(const GameState& start, const std::array<std::uint64_t, 4>& hands, int seat, int code) {
  GameState s = StartOfPlay(start, hands, seat, code);
  const bool lose = ContractOf(code).toLose;
  GameState scratch = s;
  PlayToEnd(s, 1, 0, false, [&](int player, int position) {
    // The declarer wants its tricks (none, to lose them); the defenders the other way.
    const bool more = lose != (player == seat);
    const int classic = ChooseCard(s, player, position, lose);
    int best = classic;
    int bestTricks = PlayedOnTricks(scratch, s, s.Hand, position, classic, lose);
    for (std::uint64_t rest = LegalCards(s, player, position); rest; rest &= rest - 1) {
      const int card = std::countr_zero(rest) + 1;
      if (card == classic) continue;
      const int tricks = PlayedOnTricks(scratch, s, s.Hand, position, card, lose);
      if (more ? tricks > bestTricks : tricks < bestTricks) best = card, bestTricks = tricks;
    }
    return best;
  });
  return s.tricksWon[seat];
}

int PlayedOnTricks(GameState& scratch, const GameState& now, const std::array<std::uint64_t, 4>& hands, int position,
                   int card, bool lose) {
  if (position < 1 || position > 4) return 0;
  // Put back what an earlier play-on changed: the cards' places, the trick and the count.
  GameState& s = scratch;
  for (int c = 1; c <= kCards; ++c) s.Pack[c].Owner = now.Pack[c].Owner, s.Pack[c].Played = now.Pack[c].Played;
  s.Hand = now.Hand;
  s.Unowned = now.Unowned;
  s.UnownedCount = now.UnownedCount;
  s.PlayedCards = now.PlayedCards;
  s.trick = now.trick;
  s.declarersCard = now.declarersCard;
  s.ledFirst = now.ledFirst;
  s.leader = now.leader;
  s.tricksPlayed = now.tricksPlayed;
  s.tricksWon = now.tricksWon;
  s.KeepVoids = false;
  PlaceCards(s, hands);
  for (int i = position - 1; i < 4; ++i) s.trick[i] = {(s.trick[0].seat + i) % kSeats, -1};
  PlayToEnd(s, position, card, s.standard, [&](int player, int at) {
    return s.standard ? ChooseStandardCard(s, player, at, lose) : ChooseCard(s, player, at, lose);
  });
  const int declarer = s.declarer >= 0 && s.declarer < kSeats ? s.declarer : 0;
  return s.tricksWon[declarer] + (s.partner >= 0 && s.partner < kSeats ? s.tricksWon[s.partner] : 0);
}

}  // namespace solo
