#include "play/Sampler.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace solo {

bool SampleLayout(const GameState& s, int seat, std::mt19937_64& random, std::array<std::uint64_t, 4>& hands,
                  const LayoutFit& fits) {
  constexpr std::uint64_t kPack = (std::uint64_t{1} << kCards) - 1;
  const std::uint64_t unseen = kPack & ~s.Hand[seat] & ~s.PlayedCards;
  std::array<int, kCards> cards{};
  int count = 0;
  for (std::uint64_t rest = unseen; rest; rest &= rest - 1) cards[count++] = std::countr_zero(rest);
  std::array<int, 4> wanted{};
  for (int other = 0; other < kSeats; ++other) wanted[other] = other == seat ? 0 : CountCards(s.Hand[other]);

  constexpr int kTries = 300;
  std::array<std::uint64_t, 4> unfit{};
  bool anyUnfit = false;
  for (int attempt = 0; attempt < kTries; ++attempt) {
    std::shuffle(cards.begin(), cards.begin() + count, random);
    hands = {};
    hands[seat] = s.Hand[seat];
    std::array<int, 4> left = wanted;
    bool dealt = true;
    for (int i = 0; i < count && dealt; ++i) {
      const int card = cards[i], suit = card / kCardsPerSuit;
      // Each seat that may hold the card is chosen as often as it has places left.
      int room = 0;
      for (int other = 0; other < kSeats; ++other)
        if (left[other] > 0 && !(s.Voids[other] >> suit & 1)) room += left[other];
      if (room == 0) {
        dealt = false;
        break;
      }
      int pick = static_cast<int>(random() % static_cast<std::uint64_t>(room));
      for (int other = 0; other < kSeats; ++other) {
        if (left[other] <= 0 || (s.Voids[other] >> suit & 1)) continue;
        if (pick < left[other]) {
          hands[other] |= std::uint64_t{1} << card;
          --left[other];
          break;
        }
        pick -= left[other];
      }
    }
    if (!dealt) continue;
    if (!fits || fits(hands)) return true;
    unfit = hands, anyUnfit = true;
  }
  if (anyUnfit) hands = unfit;
  return anyUnfit;
}

}  // namespace solo
