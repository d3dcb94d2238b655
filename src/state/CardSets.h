#pragma once
// The rules of a trick on sets of cards, written once for the game, the card questions, the
// solver and the sampler. A card is a bit: bit n - 1 for card n, so a suit's thirteen cards are
// neighbouring bits, Two to Ace, and the suits follow in pack order. Here a suit is its place
// 0-3 (Diamonds, Clubs, Hearts, Spades), and -1 stands for none (no trumps, nothing led).
#include <array>
#include <bit>
#include <cstdint>

#include "state/Types.h"

namespace solo {

inline constexpr std::uint64_t kSuitBits = (std::uint64_t{1} << kCardsPerSuit) - 1;

// The suit (0-3) of a card's bit.
constexpr int SuitOfBit(int bit) { return bit / kCardsPerSuit; }
// The cards of a suit (0-3); none for -1.
constexpr std::uint64_t SuitBits(int suit) { return suit >= 0 && suit < 4 ? kSuitBits << (suit * kCardsPerSuit) : 0; }

// The highest card of a set, as a set of its one bit (none for none): in a suit, its top card.
constexpr std::uint64_t TopOf(std::uint64_t cards) { return cards ? std::uint64_t{1} << (63 - std::countl_zero(cards)) : 0; }
// The first and the last card of a set in pack order, numbered as the game numbers cards (1-52;
// 0 for none).
constexpr int FirstCardOf(std::uint64_t cards) { return cards ? std::countr_zero(cards) + 1 : 0; }
constexpr int LastCardOf(std::uint64_t cards) { return cards ? 64 - std::countl_zero(cards) : 0; }

// Following suit: the cards of `hand` that may be played when `led` was led (-1 when leading):
// the led suit when the hand holds any, otherwise every card.
constexpr std::uint64_t Playable(std::uint64_t hand, int led) {
  const std::uint64_t follow = hand & SuitBits(led);
  return follow ? follow : hand;
}

// Whether card `a` (a bit) takes the lead from `b`, the card winning the trick so far: a higher
// card of the same suit, or a trump over a card that is not one.
constexpr bool Beats(int a, int b, int trumps) {
  return SuitOfBit(a) == SuitOfBit(b) ? a > b : SuitOfBit(a) == trumps;
}

// The place (0 to count - 1) of the card winning the first `count` cards of a trick, led from
// place 0.
constexpr int WinningPlace(const std::array<int, 4>& bits, int count, int trumps) {
  int best = 0;
  for (int i = 1; i < count; ++i)
    if (Beats(bits[i], bits[best], trumps)) best = i;
  return best;
}

// The SplitMix64 finaliser: spreads the bits of a number over all 64, for seeds and hash keys.
constexpr std::uint64_t Mix64(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace solo
