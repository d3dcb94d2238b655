#include "play/CardQueries.h"

namespace solo {

namespace {

bool Holds(const GameState& s, int seat, int card) { return s.Pack[card].Owner == seat; }

// The card of the given suit and value: the pack runs Two to Ace within each suit.
int CardOf(int suit, int value) { return (suit - kDiamonds) * kCardsPerSuit + (value - 1); }

bool HoldsSuitValue(const GameState& s, int seat, int suit, int value) {
  return Holds(s, seat, CardOf(suit, value));
}

// The seat's card of `value` in the suit, provided the cards of values firstGone..lastGone are played.
Integer MasterCard(const GameState& s, int seat, int suit, int value, int firstGone, int lastGone) {
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
Integer IntMasterKing(const GameState& s, int seat, int suit) { return MasterCard(s, seat, suit, kKing, kAce, kAce); }
Integer IntMasterQueen(const GameState& s, int seat, int suit) { return MasterCard(s, seat, suit, kQueen, kKing, kAce); }
Integer IntMasterJack(const GameState& s, int seat, int suit) { return MasterCard(s, seat, suit, kJack, kQueen, kKing); }

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

}  // namespace solo
