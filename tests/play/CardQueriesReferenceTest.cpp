#include <gtest/gtest.h>

#include <random>

#include "TestCards.h"
#include "play/CardQueries.h"

// The card queries answer from bit sets of the hands. Here they are checked against the plain
// scans of the pack that define them, on many random positions.
namespace solo {
namespace reference {

namespace {

bool Holds(const GameState& s, int seat, int card) { return s.Pack[card].Owner == seat; }

// The card of the given suit and value: the pack runs Two to Ace within each suit.
int CardOf(int suit, int value) { return (suit - kDiamonds) * kCardsPerSuit + (value - 1); }

bool HoldsSuitValue(const GameState& s, int seat, int suit, int value) {
  return Holds(s, seat, CardOf(suit, value));
}

// The seat's card of `value` in the suit, provided the cards of values firstGone..lastGone are played.
Integer MasterCardRef(const GameState& s, int seat, int suit, int value, int firstGone, int lastGone) {
  if (!IsSuit(suit) || !HoldsSuitValue(s, seat, suit, value)) return 0;
  for (int v = firstGone; v <= lastGone; ++v)
    if (!s.Pack[CardOf(suit, v)].Played) return 0;
  return static_cast<Integer>(CardOf(suit, value));
}

}  // namespace

bool BlnHasSuit(const GameState& s, int seat, int suit) { return IntLowestOfSuit(s, seat, suit) != 0; }

Integer IntLowestOfSuit(const GameState& s, int seat, int suit) {
  for (int n = 1; n <= kCards; ++n)
    if (Holds(s, seat, n) && s.Pack[n].Suit == suit) return static_cast<Integer>(n);
  return 0;
}

Integer IntHighestOfSuit(const GameState& s, int seat, int suit) {
  for (int n = kCards; n >= 1; --n)
    if (Holds(s, seat, n) && s.Pack[n].Suit == suit) return static_cast<Integer>(n);
  return 0;
}

Integer IntLowestCard(const GameState& s, int seat) {
  for (int v = 2; v <= kAce; ++v)
    for (int n = 1; n <= kCards; ++n)
      if (Holds(s, seat, n) && s.Pack[n].Value == v) return static_cast<Integer>(n);
  return 0;
}

Integer IntHighestCard(const GameState& s, int seat) {
  for (int v = kAce; v >= 2; --v)
    for (int n = 1; n <= kCards; ++n)
      if (Holds(s, seat, n) && s.Pack[n].Value == v) return static_cast<Integer>(n);
  return 0;
}

Integer IntLongestSuit(const GameState& s, int seat) {
  int count[4] = {0, 0, 0, 0};
  for (int n = 1; n <= kCards; ++n)
    if (Holds(s, seat, n)) ++count[s.Pack[n].Suit - kDiamonds];
  for (int i = 0; i < 4; ++i) {
    bool longest = true;
    for (int j = 0; j < 4; ++j)
      if (j != i && count[j] >= count[i]) longest = false;
    if (longest) return static_cast<Integer>(kDiamonds + i);
  }
  return 0;
}

Integer IntMasterAce(const GameState& s, int seat, int suit) {
  return IsSuit(suit) && HoldsSuitValue(s, seat, suit, kAce) ? static_cast<Integer>(CardOf(suit, kAce)) : 0;
}
Integer IntMasterKing(const GameState& s, int seat, int suit) { return MasterCardRef(s, seat, suit, kKing, kAce, kAce); }
Integer IntMasterQueen(const GameState& s, int seat, int suit) { return MasterCardRef(s, seat, suit, kQueen, kKing, kAce); }
Integer IntMasterJack(const GameState& s, int seat, int suit) { return MasterCardRef(s, seat, suit, kJack, kQueen, kKing); }

Integer IntHasCardBeatPrevious(const GameState& s, int seat, int card) {
  if (card < 1 || card > kCards) return 0;
  const Card& given = s.Pack[card];
  for (int n = 1; n <= kCards; ++n)
    if (Holds(s, seat, n) && s.Pack[n].Suit == given.Suit && s.Pack[n].Value > given.Value)
      return static_cast<Integer>(n);
  return 0;
}

Integer HighestCardUnderCardPlayed(const GameState& s, int seat, int card) {
  if (card < 1 || card > kCards) return 0;
  const Card& given = s.Pack[card];
  for (int n = kCards; n >= 1; --n)
    if (Holds(s, seat, n) && s.Pack[n].Suit == given.Suit && s.Pack[n].Value < given.Value)
      return static_cast<Integer>(n);
  return 0;
}

Integer GetCardUnderCardPlayed(const GameState& s, int seat, int card) {
  if (card < 1 || card > kCards || s.IntFirstCard < 1 || s.IntFirstCard > kCards) return 0;
  const int ledSuit = s.Pack[s.IntFirstCard].Suit;
  const int value = s.Pack[card].Value;
  for (int n = kCards; n >= 1; --n)
    if (Holds(s, seat, n) && s.Pack[n].Suit == ledSuit && s.Pack[n].Value < value) return static_cast<Integer>(n);
  return 0;
}

Integer IntFirstCardInPackOrder(const GameState& s, int seat) {
  for (int n = 1; n <= kCards; ++n)
    if (Holds(s, seat, n)) return static_cast<Integer>(n);
  return 0;
}

int CardsHeld(const GameState& s, int seat) {
  int count = 0;
  for (int n = 1; n <= kCards; ++n)
    if (Holds(s, seat, n)) ++count;
  return count;
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
      s.Pack[card].Played = where == 4;
    }
    s.IntFirstCard = static_cast<Integer>(1 + rng() % 52);
    const int seat = static_cast<int>(rng() % 4);
    const int suit = 4 + static_cast<int>(rng() % 5);  // a suit, or no trumps
    const int card = static_cast<int>(1 + rng() % 52);
    SCOPED_TRACE(round);
    ASSERT_EQ(BlnHasSuit(s, seat, suit), reference::BlnHasSuit(s, seat, suit));
    ASSERT_EQ(IntLowestOfSuit(s, seat, suit), reference::IntLowestOfSuit(s, seat, suit));
    ASSERT_EQ(IntHighestOfSuit(s, seat, suit), reference::IntHighestOfSuit(s, seat, suit));
    ASSERT_EQ(IntLowestCard(s, seat), reference::IntLowestCard(s, seat));
    ASSERT_EQ(IntHighestCard(s, seat), reference::IntHighestCard(s, seat));
    ASSERT_EQ(IntLongestSuit(s, seat), reference::IntLongestSuit(s, seat));
    ASSERT_EQ(IntMasterAce(s, seat, suit), reference::IntMasterAce(s, seat, suit));
    ASSERT_EQ(IntMasterKing(s, seat, suit), reference::IntMasterKing(s, seat, suit));
    ASSERT_EQ(IntMasterQueen(s, seat, suit), reference::IntMasterQueen(s, seat, suit));
    ASSERT_EQ(IntMasterJack(s, seat, suit), reference::IntMasterJack(s, seat, suit));
    ASSERT_EQ(IntHasCardBeatPrevious(s, seat, card), reference::IntHasCardBeatPrevious(s, seat, card));
    ASSERT_EQ(HighestCardUnderCardPlayed(s, seat, card), reference::HighestCardUnderCardPlayed(s, seat, card));
    ASSERT_EQ(GetCardUnderCardPlayed(s, seat, card), reference::GetCardUnderCardPlayed(s, seat, card));
    ASSERT_EQ(IntFirstCardInPackOrder(s, seat), reference::IntFirstCardInPackOrder(s, seat));
    ASSERT_EQ(CardsHeld(s, seat), reference::CardsHeld(s, seat));
  }
}

}  // namespace
}  // namespace solo
