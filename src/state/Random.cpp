#include "state/Random.h"

#include <chrono>
#include <cmath>

namespace solo {

Integer RoundHalfEven(double x) {
  const double floor = std::floor(x);
  const double diff = x - floor;
  double r = floor;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0)) r = floor + 1.0;
  return static_cast<Integer>(r);
}

std::uint64_t FreshSeed() {
  std::random_device device;
  const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ now;
}

}  // namespace solo
