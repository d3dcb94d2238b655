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
Integer HighestBelowElseHighest(const GameState& s, int seat, int suit, int limit) {
  const std::uint64_t cards = s.Hand[seat] & SuitMask(suit);
  const std::uint64_t below = limit > 2 ? cards & ((RankBit(std::min(limit, kAce + 1)) - 1) << SuitShift(suit)) : 0;
  if (below) return static_cast<Integer>(64 - std::countl_zero(below));
  return IntHighestOfSuit(s, seat, suit);
}

// The seat's lowest card of the suit whose value is above every one of the limits.
Integer LowestAbove(const GameState& s, int seat, int suit, int limit) {
  if (!IsSuit(suit) || limit >= kAce) return 0;
  const std::uint64_t above = limit < 2 ? SuitMask(suit) : ~((RankBit(limit + 1) - 1)) << SuitShift(suit);
  const std::uint64_t cards = s.Hand[seat] & SuitMask(suit) & above;
  return cards ? static_cast<Integer>(std::countr_zero(cards) + 1) : 0;
}

Integer FirstOf(std::initializer_list<Integer> cards) {
  for (Integer c : cards)
    if (c) return c;
  return 0;
}

}  // namespace

Integer ChooseFirstCardLose(const GameState& s, int seat) { return IntLowestCard(s, seat); }

Integer ChooseFirstCard(const GameState& s, int seat) {
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
    if (cards) return static_cast<Integer>(std::countr_zero(cards) + 1);
  if (const Integer longest = IntLongestSuit(s, seat)) return IntLowestOfSuit(s, seat, longest);
  return IntLowestCard(s, seat);
}

Integer ChooseSecondCardLose(const GameState& s, int seat) {
  const int led = LedSuit(s);
  if (BlnHasSuit(s, seat, led)) {
    const Integer under = seat == s.IntBidder ? HighestCardUnderCardPlayed(s, seat, s.trick[0].card)
                                              : GetCardUnderCardPlayed(s, seat, s.trick[0].card);
    return under ? under : IntLowestOfSuit(s, seat, led);
  }
  return IntHighestCard(s, seat);
}

Integer ChooseSecondCard(const GameState& s, int seat) {
  const int led = LedSuit(s);
  const bool declarer = seat == s.IntBidder;
  const bool declarerLed = s.IntBidderCard == s.trick[0].card;
  if (BlnHasSuit(s, seat, led)) {
    const Integer lowest = IntLowestOfSuit(s, seat, led);
    if (ValueOf(s, s.trick[0].card) == kAce) return lowest;
    if (declarerLed)
      if (const Integer c = IntHasCardBeatPrevious(s, seat, s.trick[0].card)) return c;
    if (declarer)
      return FirstOf({IntMasterAce(s, seat, led), IntMasterKing(s, seat, led), IntMasterQueen(s, seat, led),
                      IntMasterJack(s, seat, led), lowest});
    return lowest;
  }
  if ((declarer || declarerLed) && led != s.IntTrumps) {
    const Integer trump = IntLowestOfSuit(s, seat, s.IntTrumps);
    return trump ? trump : IntLowestCard(s, seat);
  }
  if (const Integer longest = IntLongestSuit(s, seat)) return IntLowestOfSuit(s, seat, longest);
  return IntLowestCard(s, seat);
}

Integer ChooseThirdCardLose(const GameState& s, int seat) {
  const int led = LedSuit(s);
  const int v1 = ValueOf(s, s.trick[0].card), v2 = ValueOf(s, s.trick[1].card);
  if (!BlnHasSuit(s, seat, led)) return IntHighestCard(s, seat);
  // The second card's value counts whatever its suit.
  if (seat == s.IntBidder) return HighestBelowElseHighest(s, seat, led, std::max(v1, v2));
  if (s.IntBidder == s.trick[0].seat && BlnSecondBeatsFirst(s)) return IntHighestOfSuit(s, seat, led);
  if (s.IntBidder == s.trick[1].seat && BlnFirstBeatsSecond(s))
    if (const Integer c = GetCardUnderCardPlayed(s, seat, s.trick[0].card)) return c;
  return IntLowestOfSuit(s, seat, led);
}

Integer ChooseFourthCardLose(const GameState& s, int seat) {
  const int led = LedSuit(s);
  if (!BlnHasSuit(s, seat, led)) return IntHighestCard(s, seat);
  const int highest = std::max({ValueOf(s, s.trick[0].card), ValueOf(s, s.trick[1].card), ValueOf(s, s.trick[2].card)});
  return HighestBelowElseHighest(s, seat, led, highest);
}

Integer ChooseThirdCard(const GameState& s, int seat) {
  const int led = LedSuit(s);
  const bool declarer = seat == s.IntBidder;
  const bool declarerFirst = s.IntBidderCard == s.trick[0].card;
  const bool declarerSecond = s.IntBidderCard == s.trick[1].card;
  const bool secondBeatsFirst = BlnSecondBeatsFirst(s);
  const bool secondIsTrump = BlnSecondIsTrump(s);
  if (BlnHasSuit(s, seat, led)) {
    const Integer lowest = IntLowestOfSuit(s, seat, led);
    // The suit of the second card is not looked at for its Ace.
    if (ValueOf(s, s.trick[0].card) == kAce || ValueOf(s, s.trick[1].card) == kAce) return lowest;
    if (declarerFirst) {
      if (secondBeatsFirst) return lowest;
      if (const Integer c = IntHasCardBeatPrevious(s, seat, s.trick[0].card)) return c;
    }
    if (declarerSecond && secondBeatsFirst && !secondIsTrump)
      if (const Integer c = IntHasCardBeatPrevious(s, seat, s.trick[1].card)) return c;
    if (declarer) {
      if (!secondBeatsFirst) {
        if (const Integer c = IntHasCardBeatPrevious(s, seat, s.trick[0].card)) return c;
      } else if (!secondIsTrump) {
        if (const Integer c = IntHasCardBeatPrevious(s, seat, s.trick[1].card)) return c;
      }
    }
    return lowest;
  }
  const Integer longest = IntLongestSuit(s, seat);
  if (declarerFirst && secondBeatsFirst && longest && longest != s.IntTrumps) return IntLowestOfSuit(s, seat, longest);
  if (declarer || declarerFirst || declarerSecond) {
    if (!secondIsTrump) {
      if (const Integer trump = IntLowestOfSuit(s, seat, s.IntTrumps)) return trump;
    } else {
      if (const Integer c = LowestAbove(s, seat, s.IntTrumps, ValueOf(s, s.trick[1].card))) return c;
    }
  }
  if (longest) return IntLowestOfSuit(s, seat, longest);
  return IntFirstCardInPackOrder(s, seat);
}

Integer ChooseFourthCard(const GameState& s, int seat) {
  const int led = LedSuit(s);
  const bool declarer = seat == s.IntBidder;
  const int v1 = ValueOf(s, s.trick[0].card), v2 = ValueOf(s, s.trick[1].card), v3 = ValueOf(s, s.trick[2].card);
  if (BlnHasSuit(s, seat, led)) {
    const Integer lowest = IntLowestOfSuit(s, seat, led);
    if (v1 == kAce || v2 == kAce || v3 == kAce) return lowest;
    if (s.IntBidderCard == s.trick[0].card && (BlnSecondBeatsFirst(s) || BlnThirdBeatsFirst(s))) return lowest;
    if (s.IntBidderCard == s.trick[1].card && (BlnFirstBeatsSecond(s) || BlnThirdBeatsSecond(s))) return lowest;
    if (s.IntBidderCard == s.trick[2].card && (BlnFirstBeatsThird(s) || BlnSecondBeatsThird(s))) return lowest;
    // The values of the second and third cards count whatever their suits.
    if (declarer)
      if (const Integer c = LowestAbove(s, seat, led, std::max({v1, v2, v3}))) return c;
    return lowest;
  }
  if (declarer && led != s.IntTrumps) {
    const bool secondIsTrump = BlnSecondIsTrump(s), thirdIsTrump = BlnThirdIsTrump(s);
    Integer trump = 0;
    if (!secondIsTrump && !thirdIsTrump)
      trump = IntLowestOfSuit(s, seat, s.IntTrumps);
    else if (secondIsTrump && !thirdIsTrump)
      trump = IntHasCardBeatPrevious(s, seat, s.trick[1].card);
    else if (thirdIsTrump && !secondIsTrump)
      trump = IntHasCardBeatPrevious(s, seat, s.trick[2].card);
    if (trump) return trump;
  }
  if (const Integer longest = IntLongestSuit(s, seat)) return IntLowestOfSuit(s, seat, longest);
  return IntFirstCardInPackOrder(s, seat);
}

Integer ChooseCard(const GameState& s, int seat, int position, bool playToLose) {
  switch (position) {
    case 1: return playToLose ? ChooseFirstCardLose(s, seat) : ChooseFirstCard(s, seat);
    case 2: return playToLose ? ChooseSecondCardLose(s, seat) : ChooseSecondCard(s, seat);
    case 3: return playToLose ? ChooseThirdCardLose(s, seat) : ChooseThirdCard(s, seat);
    case 4: return playToLose ? ChooseFourthCardLose(s, seat) : ChooseFourthCard(s, seat);
    default: return 0;
  }
}

}  // namespace solo
