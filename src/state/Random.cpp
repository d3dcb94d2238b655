#include "state/Random.h"

#include <chrono>

#include "state/CardSets.h"

namespace solo {

std::uint64_t FreshSeed() {
  std::random_device device;
  const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  return (static_cast<std::uint64_t>(device()) << 32) ^ device() ^ now;
}

DealStream::DealStream(std::uint64_t gameSeed, std::uint64_t hand)
    // The seed and the hand's number are mixed apart, so neighbouring hands (and neighbouring
    // seeds) start at unrelated places of the sequence.
    : state_(Mix64(Mix64(gameSeed) ^ (hand * 0xD1B54A32D192ED03ull))) {}

std::uint64_t DealStream::Next() {
  ++draws_;
  return Mix64(state_ += 0x9E3779B97F4A7C15ull);
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
