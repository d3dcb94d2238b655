#pragma once
// The game's one random generator, seeded once: the same seed gives the same deals on every
// machine (the 64-bit Mersenne Twister is fully specified, and so is the conversion below).
#include <cstdint>
#include <random>

#include "state/Types.h"

namespace solo {

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  // A uniform number in [0, 1) from the top 53 bits of one draw.
  double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

 private:
  std::mt19937_64 engine_;
};

// Rounds to the nearest whole number, a half to the even neighbour (2.5 gives 2, 3.5 gives 4).
inline Integer RoundHalfEven(double x) {
  long long n = static_cast<long long>(x);  // towards zero
  if (static_cast<double>(n) > x) --n;      // so n is the floor
  const double above = x - static_cast<double>(n);
  if (above > 0.5 || (above == 0.5 && (n & 1) != 0)) ++n;
  return static_cast<Integer>(n);
}

// A seed from the clock and the system's entropy, for a game that is not replayed.
std::uint64_t FreshSeed();

}  // namespace solo
