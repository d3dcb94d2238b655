#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "TestCards.h"
#include "play/CardQueries.h"

// The card queries answer from bit sets of the hands. Here they are checked against the plain
// scans of the pack that define them, on many random positions.
namespace solo {
namespace reference {

// The seat's cards in pack order, as a scan of the pack meets them.
std::vector<int> Cards(const GameState& s, int seat, int suit = 0) {
  std::vector<int> out;
  for (int n = 1; n <= kCards; ++n)
    if (s.Pack[n].Owner == seat && (suit == 0 || s.Pack[n].Suit == suit)) out.push_back(n);
  return out;
}
int First(const std::vector<int>& c) { return c.empty() ? 0 : c.front(); }
int Last(const std::vector<int>& c) { return c.empty() ? 0 : c.back(); }
std::vector<int> Where(std::vector<int> c, const std::function<bool(int)>& keep) {
  std::erase_if(c, [&](int n) { return !keep(n); });
  return c;
}
// Lowest (or highest) value first, then the first suit in pack order.
int ByValue(const GameState& s, int seat, bool lowest) {
  for (int step = 0; step < 13; ++step) {
    const int v = lowest ? 2 + step : 14 - step;
    const auto c = Where(Cards(s, seat), [&](int n) { return s.Pack[n].Value == v; });
    if (!c.empty()) return First(c);
  }
  return 0;
}
int Longest(const GameState& s, int seat) {
  for (int suit = 4; suit <= 7; ++suit) {
    bool longest = true;
    for (int other = 4; other <= 7; ++other)
      if (other != suit && Cards(s, seat, other).size() >= Cards(s, seat, suit).size()) longest = false;
    if (longest) return suit;
  }
  return 0;
}
// The seat's card of `value` in the suit if every card of the values `gone` has been played.
int Master(const GameState& s, int seat, int suit, int value, std::initializer_list<int> gone) {
  if (suit < 4 || suit > 7) return 0;
  const int card = (suit - 4) * 13 + value - 1;
  if (s.Pack[card].Owner != seat) return 0;
  for (int v : gone)
    if (!s.Pack[(suit - 4) * 13 + v - 1].Played) return 0;
  return card;
}

}  // namespace reference

namespace {

TEST(CardQueries, AgreeWithPlainScansOfThePack) {
  std::mt19937 rng(77);
  for (int round = 0; round < 3000; ++round) {
    GameState s = test::FreshState();
    for (int card = 1; card <= 52; ++card) {
      const int where = static_cast<int>(rng() % 6);  // seats 0-3, or played, or still in the pack
      SetOwner(s, card, where < 4 ? where : kOwnerNone);
      SetPlayed(s, card, where == 4);
    }
    s.trick[0].card = (1 + rng() % 52);
    const int seat = static_cast<int>(rng() % 4);
    const int suit = 4 + static_cast<int>(rng() % 5);  // a suit, or no trumps
    const int card = static_cast<int>(1 + rng() % 52);
    SCOPED_TRACE(round);
    using namespace reference;
    const auto ofSuit = Cards(s, seat, suit);
    const Card& given = s.Pack[card];
    const int led = s.Pack[s.trick[0].card].Suit;
    ASSERT_EQ(HasSuit(s, seat, suit), !ofSuit.empty());
    ASSERT_EQ(LowestOfSuit(s, seat, suit), First(ofSuit));
    ASSERT_EQ(HighestOfSuit(s, seat, suit), Last(ofSuit));
    ASSERT_EQ(LowestCard(s, seat), ByValue(s, seat, true));
    ASSERT_EQ(HighestCard(s, seat), ByValue(s, seat, false));
    ASSERT_EQ(StrictlyLongestSuit(s, seat), Longest(s, seat));
    ASSERT_EQ(MasterAce(s, seat, suit), Master(s, seat, suit, 14, {}));
    ASSERT_EQ(MasterKing(s, seat, suit), Master(s, seat, suit, 13, {14}));
    ASSERT_EQ(MasterQueen(s, seat, suit), Master(s, seat, suit, 12, {13, 14}));
    ASSERT_EQ(MasterJack(s, seat, suit), Master(s, seat, suit, 11, {12, 13}));
    ASSERT_EQ(LowestCardAbove(s, seat, card),
              First(Where(Cards(s, seat, given.Suit), [&](int n) { return s.Pack[n].Value > given.Value; })));
    ASSERT_EQ(HighestCardUnderCardPlayed(s, seat, card),
              Last(Where(Cards(s, seat, given.Suit), [&](int n) { return s.Pack[n].Value < given.Value; })));
    ASSERT_EQ(GetCardUnderCardPlayed(s, seat, card),
              Last(Where(Cards(s, seat, led), [&](int n) { return s.Pack[n].Value < given.Value; })));
    ASSERT_EQ(FirstCardInPackOrder(s, seat), First(Cards(s, seat)));
    ASSERT_EQ(CountCards(s.Hand[seat]), static_cast<int>(Cards(s, seat).size()));
  }
}

}  // namespace
}  // namespace solo
