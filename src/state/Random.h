#pragma once
// The game's random numbers. The same seed gives the same game on every machine: the
// generators and the conversions below are fully specified.
#include <cstdint>
#include <random>

#include "state/Types.h"

namespace solo {

// The game's own generator, seeded once at start-up: it draws the first dealer.
class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  // A uniform number in [0, 1) from the top 53 bits of one draw.
  double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

 private:
  std::mt19937_64 engine_;
};

// The generator of one hand's deal (SplitMix64), its own stream started from the game's seed
// and the hand's number: every hand is dealt the same for the same seed, however the hands
// before it were bid or played.
class DealStream {
 public:
  DealStream(std::uint64_t gameSeed, std::uint64_t hand);

  std::uint64_t Next();
  // A whole number from 0 to n - 1, every one equally likely (n at least 1): one draw,
  // multiplied and shifted (Lemire's method), drawn again only in the rare case that would
  // favour some numbers (less than once in 10^17 draws for a pack of cards).
  std::uint32_t Below(std::uint32_t n);
  // A uniform number in [0, 1) from the top 53 bits of one draw.
  double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // Draws taken from this stream so far.
  long draws() const { return draws_; }

 private:
  std::uint64_t state_;
  long draws_ = 0;
};

// Rounds to the nearest whole number, a half to the even neighbour (2.5 gives 2, 3.5 gives 4).
inline int RoundHalfEven(double x) {
  long long n = static_cast<long long>(x);  // towards zero
  if (static_cast<double>(n) > x) --n;      // so n is the floor
  const double above = x - static_cast<double>(n);
  if (above > 0.5 || (above == 0.5 && (n & 1) != 0)) ++n;
  return n;
}

// A seed from the clock and the system's entropy, for a game that is not replayed.
std::uint64_t FreshSeed();

}  // namespace solo
