#pragma once
// The points are kept in 32 bits, the points file's range (Long); everything else is a plain
// int or bool.
#include <array>
#include <bit>
#include <cstdint>

namespace solo {

using Long = std::int32_t;

// Seats, clockwise: the seat after s is s + 1, and after East comes South again.
enum Seat : int { kSouth = 0, kWest = 1, kNorth = 2, kEast = 3, kNoSeat = -1 };
constexpr int kSeats = 4;
constexpr int NextSeat(int seat) { return (seat + 1) % kSeats; }

// Suit codes, shared with the trump code (which adds 8 for no trumps and -1 for not set).
enum SuitCode : int { kDiamonds = 4, kClubs = 5, kHearts = 6, kSpades = 7, kNoTrumps = 8, kTrumpsNotSet = -1 };
constexpr bool IsSuit(int code) { return code >= kDiamonds && code <= kSpades; }

// Where a card is when it is in no hand: in the pack before the deal, or played.
constexpr int kOwnerNone = 9;
// Drawn from the pack during the deal, for the instant before the receiver is written.
constexpr int kOwnerDrawn = 10;

// A change of a points total. Totals are kept in 32 bits (the points file's range), so a
// total at the limit stays there rather than wrapping round to the other sign.
constexpr Long AddPoints(Long total, long long change) {
  const long long sum = static_cast<long long>(total) + change;
  return static_cast<Long>(sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : sum);
}

// The number of cards in a set of card bits. Written out rather than std::popcount: a build
// for any x86-64 has no POPCNT instruction, and the library call it falls back on is slow.
constexpr int CountCards(std::uint64_t bits) {
  bits -= (bits >> 1) & 0x5555555555555555ull;
  bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
  bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<int>((bits * 0x0101010101010101ull) >> 56);
}

// How many cards a suit's thirteen bits hold, looked up: the point count and the card choices
// ask it of every suit many times a hand.
inline constexpr auto kSuitLengths = [] {
  std::array<std::uint8_t, 1 << 13> lengths{};
  for (int bits = 0; bits < (1 << 13); ++bits) lengths[bits] = static_cast<std::uint8_t>(CountCards(bits));
  return lengths;
}();

constexpr int kCards = 52;
constexpr int kCardsPerSuit = 13;
constexpr int kAce = 14, kKing = 13, kQueen = 12, kJack = 11;

}  // namespace solo
