#include "play/CardQueries.h"

#include <bit>

namespace solo {

namespace {

// Answers come from the seat's hand as a set of bits in pack order, so the lowest bit of a set
// is the first card a scan of the pack would meet and the highest bit the last.

std::uint64_t HandOf(const GameState& s, int seat) { return seat >= 0 && seat < kSeats ? s.Hand[seat] : 0; }

// The card of the given suit and value: the pack runs Two to Ace within each suit.
int CardOf(int suit, int value) { return SuitShift(suit) + value - 1; }

bool Holds(const GameState& s, int seat, int card) { return (HandOf(s, seat) & CardBit(card)) != 0; }

// The seat's card of `value` in the suit, provided the cards of values firstGone..lastGone are played.
int MasterCard(const GameState& s, int seat, int suit, int value, int firstGone, int lastGone) {
  if (!IsSuit(suit) || !Holds(s, seat, CardOf(suit, value))) return 0;
  // The bits of the cards firstGone..lastGone of the suit.
  const std::uint64_t gone = ((RankBit(lastGone) << 1) - RankBit(firstGone)) << SuitShift(suit);
  if ((s.PlayedCards & gone) != gone) return 0;
  return CardOf(suit, value);
}

bool ValidCard(int card) { return card >= 1 && card <= kCards; }

}  // namespace


int LowestCard(const GameState& s, int seat) {
  // The lowest value of each suit; among equal values the earlier suit keeps its place.
  const std::uint64_t hand = HandOf(s, seat);
  int best = 0, bestRank = kCardsPerSuit;
  for (int suit = kDiamonds; suit <= kSpades; ++suit) {
    const std::uint64_t cards = (hand >> SuitShift(suit)) & kSuitBits;
    if (!cards) continue;
    const int rank = std::countr_zero(cards);
    if (rank < bestRank) bestRank = rank, best = SuitShift(suit) + rank + 1;
  }
  return best;
}

int HighestCard(const GameState& s, int seat) {
  const std::uint64_t hand = HandOf(s, seat);
  int best = 0, bestRank = -1;
  for (int suit = kDiamonds; suit <= kSpades; ++suit) {
    const std::uint64_t cards = (hand >> SuitShift(suit)) & kSuitBits;
    if (!cards) continue;
    const int rank = 63 - std::countl_zero(cards);
    if (rank > bestRank) bestRank = rank, best = SuitShift(suit) + rank + 1;
  }
  return best;
}

int StrictlyLongestSuit(const GameState& s, int seat) {
  const std::uint64_t hand = HandOf(s, seat);
  int best = 0, most = -1;
  bool shared = false;
  for (int i = 0; i < 4; ++i) {
    const int count = kSuitLengths[(hand >> SuitShift(kDiamonds + i)) & kSuitBits];
    if (count > most)
      best = i, most = count, shared = false;
    else if (count == most)
      shared = true;
  }
  return shared ? 0 : (kDiamonds + best);
}

int MasterAce(const GameState& s, int seat, int suit) {
  return IsSuit(suit) && Holds(s, seat, CardOf(suit, kAce)) ? CardOf(suit, kAce) : 0;
}
int MasterKing(const GameState& s, int seat, int suit) { return MasterCard(s, seat, suit, kKing, kAce, kAce); }
int MasterQueen(const GameState& s, int seat, int suit) { return MasterCard(s, seat, suit, kQueen, kKing, kAce); }
int MasterJack(const GameState& s, int seat, int suit) { return MasterCard(s, seat, suit, kJack, kQueen, kKing); }

int LowestCardAbove(const GameState& s, int seat, int card) {
  if (!ValidCard(card)) return 0;
  // The cards above `card` are the bits from index `card` up.
  const std::uint64_t above = ~(CardBit(card) | (CardBit(card) - 1));
  return FirstCardOf(HandOf(s, seat) & SuitMask(s.Pack[card].Suit) & above);
}

int HighestCardUnderCardPlayed(const GameState& s, int seat, int card) {
  if (!ValidCard(card)) return 0;
  return LastCardOf(HandOf(s, seat) & SuitMask(s.Pack[card].Suit) & (CardBit(card) - 1));
}

int GetCardUnderCardPlayed(const GameState& s, int seat, int card) {
  if (!ValidCard(card) || !ValidCard(s.trick[0].card)) return 0;
  const int led = s.Pack[s.trick[0].card].Suit;
  // The led suit's cards whose value is below the given card's.
  const std::uint64_t below = ((std::uint64_t{1} << (s.Pack[card].Value - 2)) - 1) << SuitShift(led);
  return LastCardOf(HandOf(s, seat) & below);
}

int FirstCardInPackOrder(const GameState& s, int seat) { return FirstCardOf(HandOf(s, seat)); }


}  // namespace solo
