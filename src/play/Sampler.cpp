#include "play/Sampler.h"

#include "state/Contracts.h"
#include "table/Deal.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <vector>

namespace solo {

std::vector<KnownLayout> GoulashLayouts(const GameState& s, int seat) {
  std::vector<KnownLayout> layouts;
  if (!s.goulash || s.standard || seat < 0 || seat >= kSeats) return layouts;
  for (int cut = kGoulashCutFrom; cut <= kGoulashCutTo; ++cut) {
    const std::array<std::uint64_t, kSeats> dealt = GoulashHands(s.dealer, cut);
    if (dealt[seat] != (s.Hand[seat] | s.playedBy[seat])) continue;
    KnownLayout layout{{}, cut == kGoulashCutFrom || cut == kGoulashCutTo ? 1 : 2};
    bool fits = true;
    for (int other = 0; other < kSeats; ++other) {
      // What every seat has played came from its hand, and a suit it showed out of is gone.
      layout.hands[other] = dealt[other] & ~s.PlayedCards;
      fits = fits && (s.playedBy[other] & ~dealt[other]) == 0 &&
             CountCards(layout.hands[other]) == CountCards(s.Hand[other]);
      for (int suit = 0; suit < 4; ++suit)
        fits = fits && !((s.Voids[other] >> suit & 1) && (layout.hands[other] & SuitBits(suit)));
    }
    if (fits) layouts.push_back(layout);
  }
  return layouts;
}

bool SampleLayout(const GameState& s, int seat, std::mt19937_64& random, std::array<std::uint64_t, 4>& hands,
                  const LayoutFit& fits) {
  constexpr std::uint64_t kPack = (std::uint64_t{1} << kCards) - 1;
  // Cards every seat can see in another's hand under the Standard rules: the card turned up,
  // while the dealer still holds it, and a Misere Ouverte declarer's hand once laid open.
  std::array<std::uint64_t, 4> shown{};
  if (s.standard) {
    const int turned = s.turnedUp;
    if (turned >= 1 && turned <= kCards && s.Pack[turned].Owner == s.dealer) shown[s.dealer] |= CardBit(turned);
    if (s.standardContract == kMisereOuverte && s.tricksPlayed >= 1 && s.declarer >= 0)
      shown[s.declarer] |= s.Hand[s.declarer];
    shown[seat] = 0;
  }
  const std::uint64_t unseen = kPack & ~s.Hand[seat] & ~s.PlayedCards & ~(shown[0] | shown[1] | shown[2] | shown[3]);
  std::array<int, kCards> cards{};
  int count = 0;
  for (std::uint64_t rest = unseen; rest; rest &= rest - 1) cards[count++] = std::countr_zero(rest);
  std::array<int, 4> wanted{};
  for (int other = 0; other < kSeats; ++other)
    wanted[other] = other == seat ? 0 : CountCards(s.Hand[other]) - CountCards(shown[other]);

  constexpr int kTries = 300;
  std::array<std::uint64_t, 4> unfit{};
  bool anyUnfit = false;
  // The tries not kept that fit at all, with their fits, for choosing among them should none be.
  std::vector<std::pair<double, std::array<std::uint64_t, 4>>> likely;
  for (int attempt = 0; attempt < kTries; ++attempt) {
    std::shuffle(cards.begin(), cards.begin() + count, random);
    hands = shown;
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
    const double fit = fits ? fits(hands) : 1;
    // A share kept: a draw of 53 bits below it.
    if (fit >= 1 || (fit > 0 && static_cast<double>(random() >> 11) * 0x1.0p-53 < fit)) return true;
    if (fit > 0) likely.emplace_back(fit, hands);
    unfit = hands, anyUnfit = true;
  }
  if (!anyUnfit) return false;
  // No try was kept: one of those that fit at all is taken as often as it fits (else the last).
  hands = unfit;
  double fitNow = 0, total = 0;
  for (const auto& [fit, layout] : likely) total += fit;
  double draw = static_cast<double>(random() >> 11) * 0x1.0p-53 * total;
  if (!likely.empty()) {
    auto chosen = likely.begin();  // the last one, should rounding leave the draw unspent
    while ((draw -= chosen->first) >= 0 && std::next(chosen) != likely.end()) ++chosen;
    fitNow = chosen->first, hands = chosen->second;
  }
  // One that still contradicts what was seen is mended: a card of one other seat changes places
  // with one of another's (the voids kept), each change kept when the layout fits no worse, until
  // it contradicts nothing or the changes run out. Cards a seat has played by a fixed rule can
  // tie its hand down so that hardly a layout drawn at random fits them.
  const auto anyCard = [&](std::uint64_t cards) {
    for (int skip = static_cast<int>(random() % static_cast<std::uint64_t>(CountCards(cards))); skip > 0; --skip)
      cards &= cards - 1;
    return std::countr_zero(cards);
  };
  constexpr int kMends = 1000;
  for (int step = 0; step < kMends && fitNow <= kSeenOtherwise; ++step) {
    const int a = static_cast<int>(random() % kSeats), b = static_cast<int>(random() % kSeats);
    if (a == b || a == seat || b == seat || !(hands[a] & unseen) || !(hands[b] & unseen)) continue;
    const int fromA = anyCard(hands[a] & unseen), fromB = anyCard(hands[b] & unseen);
    if ((s.Voids[b] >> (fromA / kCardsPerSuit) & 1) || (s.Voids[a] >> (fromB / kCardsPerSuit) & 1)) continue;
    const std::uint64_t swap = (std::uint64_t{1} << fromA) | (std::uint64_t{1} << fromB);
    hands[a] ^= swap, hands[b] ^= swap;
    const double fit = fits(hands);
    if (fit >= fitNow)
      fitNow = fit;
    else
      hands[a] ^= swap, hands[b] ^= swap;
  }
  return true;
}

}  // namespace solo
