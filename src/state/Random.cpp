#include "state/Random.h"

#include <chrono>

namespace solo {

std::uint64_t FreshSeed() {
  std::random_device device;
  const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ now;
}

namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

constexpr std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

DealStream::DealStream(std::uint64_t gameSeed, std::uint64_t hand) {
  // The seed and the hand's number are mixed apart before they fill the state, so neighbouring
  // hands (and neighbouring seeds) start far apart.
  std::uint64_t x = gameSeed;
  std::uint64_t mixed = SplitMix(x) ^ (hand * 0xD1B54A32D192ED03ull);
  for (std::uint64_t& word : s_) word = SplitMix(mixed);
}

std::uint64_t DealStream::Next() {
  ++draws_;
  const std::uint64_t result = RotateLeft(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = RotateLeft(s_[3], 45);
  return result;
}

std::uint32_t DealStream::Below(std::uint32_t n) {
  // The high half of the 128-bit product of a draw and n is the number; its low half tells
  // whether the draw fell in the sliver that would favour some numbers.
  __extension__ using Product = unsigned __int128;
  Product m = static_cast<Product>(Next()) * n;
  if (static_cast<std::uint64_t>(m) < n) {
    const std::uint64_t threshold = (0 - static_cast<std::uint64_t>(n)) % n;
    while (static_cast<std::uint64_t>(m) < threshold) m = static_cast<Product>(Next()) * n;
  }
  return static_cast<std::uint32_t>(m >> 64);
}

}  // namespace solo
