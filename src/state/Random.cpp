#include "state/Random.h"

#include <chrono>

namespace solo {

std::uint64_t FreshSeed() {
  std::random_device device;
  const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ now;
}

}  // namespace solo
