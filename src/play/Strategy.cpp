#include "play/Strategy.h"

#include <algorithm>
#include <bit>

#include "play/CardQueries.h"
#include "play/TrickRules.h"

namespace solo {

namespace {

int SuitOf(const GameState& s, int card) { return s.Pack[card].Suit; }
int ValueOf(const GameState& s, int card) { return card >= 1 && card <= kCards ? s.Pack[card].Value : 0; }
int LedSuit(const GameState& s) { return s.trick[0].card >= 1 ? SuitOf(s, s.trick[0].card) : 0; }

// The first of the seat's cards of a suit, going from the highest value down, whose value is
// below `limit`; its highest card of the suit if none is.
int HighestBelowElseHighest(const GameState& s, int seat, int suit, int limit) {
  const std::uint64_t cards = s.Hand[seat] & SuitMask(suit);
  const std::uint64_t below = limit > 2 ? cards & ((RankBit(std::min(limit, kAce + 1)) - 1) << SuitShift(suit)) : 0;
  if (below) return LastCardOf(below);
  return HighestOfSuit(s, seat, suit);
}

// The seat's lowest card of the suit whose value is above every one of the limits.
int LowestAbove(const GameState& s, int seat, int suit, int limit) {
  if (!IsSuit(suit) || limit >= kAce) return 0;
  const std::uint64_t above = limit < 2 ? SuitMask(suit) : ~((RankBit(limit + 1) - 1)) << SuitShift(suit);
  const std::uint64_t cards = s.Hand[seat] & SuitMask(suit) & above;
  return FirstCardOf(cards);
}

int FirstOf(std::initializer_list<int> cards) {
  for (int c : cards)
    if (c) return c;
  return 0;
}

}  // namespace

int ChooseFirstCardLose(const GameState& s, int seat) { return LowestCard(s, seat); }

int ChooseFirstCard(const GameState& s, int seat) {
  // The trump suit plays no part in the lead. The master Aces, then Kings, Queens and Jacks of
  // all four suits are found at once, one bit per card; the first suit in pack order wins.
  constexpr std::uint64_t kEverySuit = 1 | 1ull << 13 | 1ull << 26 | 1ull << 39;
  constexpr std::uint64_t kAces = RankBit(kAce) * kEverySuit, kKings = RankBit(kKing) * kEverySuit;
  constexpr std::uint64_t kQueens = RankBit(kQueen) * kEverySuit, kJacks = RankBit(kJack) * kEverySuit;
  const std::uint64_t hand = seat >= 0 && seat < kSeats ? s.Hand[seat] : 0;
  const std::uint64_t played = s.PlayedCards;
  const std::uint64_t masters[4] = {
      hand & kAces,
      hand & kKings & (played & kAces) >> 1,
      hand & kQueens & (played & kKings) >> 1 & (played & kAces) >> 2,
      hand & kJacks & (played & kQueens) >> 1 & (played & kKings) >> 2,
  };
  for (std::uint64_t cards : masters)
    if (cards) return FirstCardOf(cards);
  if (const int longest = StrictlyLongestSuit(s, seat)) return LowestOfSuit(s, seat, longest);
  return LowestCard(s, seat);
}

int ChooseSecondCardLose(const GameState& s, int seat) {
  const int led = LedSuit(s);
  if (HasSuit(s, seat, led)) {
    const int under = seat == s.declarer ? HighestCardUnderCardPlayed(s, seat, s.trick[0].card)
                                              : GetCardUnderCardPlayed(s, seat, s.trick[0].card);
    return under ? under : LowestOfSuit(s, seat, led);
  }
  return HighestCard(s, seat);
}

int ChooseSecondCard(const GameState& s, int seat) {
  const int led = LedSuit(s);
  const bool declarer = seat == s.declarer;
  const bool declarerLed = s.declarersCard == s.trick[0].card;
  if (HasSuit(s, seat, led)) {
    const int lowest = LowestOfSuit(s, seat, led);
    if (ValueOf(s, s.trick[0].card) == kAce) return lowest;
    if (declarerLed)
      if (const int c = LowestCardAbove(s, seat, s.trick[0].card)) return c;
    if (declarer)
      return FirstOf({MasterAce(s, seat, led), MasterKing(s, seat, led), MasterQueen(s, seat, led),
                      MasterJack(s, seat, led), lowest});
    return lowest;
  }
  if ((declarer || declarerLed) && led != s.trumps) {
    const int trump = LowestOfSuit(s, seat, s.trumps);
    return trump ? trump : LowestCard(s, seat);
  }
  if (const int longest = StrictlyLongestSuit(s, seat)) return LowestOfSuit(s, seat, longest);
  return LowestCard(s, seat);
}

int ChooseThirdCardLose(const GameState& s, int seat) {
  const int led = LedSuit(s);
  const int v1 = ValueOf(s, s.trick[0].card), v2 = ValueOf(s, s.trick[1].card);
  if (!HasSuit(s, seat, led)) return HighestCard(s, seat);
  // The second card's value counts whatever its suit.
  if (seat == s.declarer) return HighestBelowElseHighest(s, seat, led, std::max(v1, v2));
  if (s.declarer == s.trick[0].seat && SecondBeatsFirst(s)) return HighestOfSuit(s, seat, led);
  if (s.declarer == s.trick[1].seat && FirstBeatsSecond(s))
    if (const int c = GetCardUnderCardPlayed(s, seat, s.trick[0].card)) return c;
  return LowestOfSuit(s, seat, led);
}

int ChooseFourthCardLose(const GameState& s, int seat) {
  const int led = LedSuit(s);
  if (!HasSuit(s, seat, led)) return HighestCard(s, seat);
  const int highest = std::max({ValueOf(s, s.trick[0].card), ValueOf(s, s.trick[1].card), ValueOf(s, s.trick[2].card)});
  return HighestBelowElseHighest(s, seat, led, highest);
}

int ChooseThirdCard(const GameState& s, int seat) {
  const int led = LedSuit(s);
  const bool declarer = seat == s.declarer;
  const bool declarerFirst = s.declarersCard == s.trick[0].card;
  const bool declarerSecond = s.declarersCard == s.trick[1].card;
  const bool secondBeatsFirst = SecondBeatsFirst(s);
  const bool secondIsTrump = SecondIsTrump(s);
  if (HasSuit(s, seat, led)) {
    const int lowest = LowestOfSuit(s, seat, led);
    // The suit of the second card is not looked at for its Ace.
    if (ValueOf(s, s.trick[0].card) == kAce || ValueOf(s, s.trick[1].card) == kAce) return lowest;
    if (declarerFirst) {
      if (secondBeatsFirst) return lowest;
      if (const int c = LowestCardAbove(s, seat, s.trick[0].card)) return c;
    }
    if (declarerSecond && secondBeatsFirst && !secondIsTrump)
      if (const int c = LowestCardAbove(s, seat, s.trick[1].card)) return c;
    if (declarer) {
      if (!secondBeatsFirst) {
        if (const int c = LowestCardAbove(s, seat, s.trick[0].card)) return c;
      } else if (!secondIsTrump) {
        if (const int c = LowestCardAbove(s, seat, s.trick[1].card)) return c;
      }
    }
    return lowest;
  }
  const int longest = StrictlyLongestSuit(s, seat);
  if (declarerFirst && secondBeatsFirst && longest && longest != s.trumps) return LowestOfSuit(s, seat, longest);
  if (declarer || declarerFirst || declarerSecond) {
    if (!secondIsTrump) {
      if (const int trump = LowestOfSuit(s, seat, s.trumps)) return trump;
    } else {
      if (const int c = LowestAbove(s, seat, s.trumps, ValueOf(s, s.trick[1].card))) return c;
    }
  }
  if (longest) return LowestOfSuit(s, seat, longest);
  return FirstCardInPackOrder(s, seat);
}

int ChooseFourthCard(const GameState& s, int seat) {
  const int led = LedSuit(s);
  const bool declarer = seat == s.declarer;
  const int v1 = ValueOf(s, s.trick[0].card), v2 = ValueOf(s, s.trick[1].card), v3 = ValueOf(s, s.trick[2].card);
  if (HasSuit(s, seat, led)) {
    const int lowest = LowestOfSuit(s, seat, led);
    if (v1 == kAce || v2 == kAce || v3 == kAce) return lowest;
    if (s.declarersCard == s.trick[0].card && (SecondBeatsFirst(s) || ThirdBeatsFirst(s))) return lowest;
    if (s.declarersCard == s.trick[1].card && (FirstBeatsSecond(s) || ThirdBeatsSecond(s))) return lowest;
    if (s.declarersCard == s.trick[2].card && (FirstBeatsThird(s) || SecondBeatsThird(s))) return lowest;
    // The values of the second and third cards count whatever their suits.
    if (declarer)
      if (const int c = LowestAbove(s, seat, led, std::max({v1, v2, v3}))) return c;
    return lowest;
  }
  if (declarer && led != s.trumps) {
    const bool secondIsTrump = SecondIsTrump(s), thirdIsTrump = ThirdIsTrump(s);
    int trump = 0;
    if (!secondIsTrump && !thirdIsTrump)
      trump = LowestOfSuit(s, seat, s.trumps);
    else if (secondIsTrump && !thirdIsTrump)
      trump = LowestCardAbove(s, seat, s.trick[1].card);
    else if (thirdIsTrump && !secondIsTrump)
      trump = LowestCardAbove(s, seat, s.trick[2].card);
    if (trump) return trump;
  }
  if (const int longest = StrictlyLongestSuit(s, seat)) return LowestOfSuit(s, seat, longest);
  return FirstCardInPackOrder(s, seat);
}

}  // namespace solo
