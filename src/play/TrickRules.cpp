#include "play/TrickRules.h"

namespace solo {

namespace {

// A trick card that is not on the table yet reads as the blank record 0, which matches nothing.
const Card& At(const GameState& s, int card) { return s.Pack[card >= 1 && card <= kCards ? card : 0]; }

// With no trump suit (8 or -1) no card is a trump.
bool IsTrump(const GameState& s, int card) { return IsSuit(s.trumps) && At(s, card).Suit == s.trumps; }

// "a beats b" for the tests whose off-suit result is "a is a trump".
bool BeatsUnlessOffSuit(const GameState& s, int a, int b, bool offSuitResult) {
  if (At(s, a).Suit == At(s, b).Suit) return At(s, a).Value > At(s, b).Value;
  return offSuitResult;
}

}  // namespace

int GetWinner(const GameState& s) {
  std::array<int, 4> bits{};
  for (int i = 0; i < 4; ++i) {
    const int c = s.trick[i].card;
    if (c < 1 || c > kCards) return kNoSeat;
    bits[i] = c - 1;
  }
  return s.trick[WinningPlace(bits, 4, SuitPlace(s.trumps))].seat;
}

int ResolveTrick(GameState& s) {
  const int w = GetWinner(s);
  s.leader = w;
  ++s.tricksPlayed;
  ++s.tricksWon[w];
  return w;
}

void RecordVoids(GameState& s) {
  const int led = (s.trick[0].card - 1) / kCardsPerSuit;
  if (led < 0 || led > 3) return;
  for (int i = 1; i < 4; ++i) {
    const int card = s.trick[i].card;
    if (card >= 1 && card <= kCards && (card - 1) / kCardsPerSuit != led)
      s.Voids[s.trick[i].seat] |= static_cast<std::uint8_t>(1 << led);
  }
}

bool SecondBeatsFirst(const GameState& s) {
  return BeatsUnlessOffSuit(s, s.trick[1].card, s.trick[0].card, IsTrump(s, s.trick[1].card));
}

bool ThirdBeatsFirst(const GameState& s) {
  return BeatsUnlessOffSuit(s, s.trick[2].card, s.trick[0].card, IsTrump(s, s.trick[2].card));
}

bool ThirdBeatsSecond(const GameState& s) {
  return BeatsUnlessOffSuit(s, s.trick[2].card, s.trick[1].card, IsTrump(s, s.trick[2].card));
}

// Off suit it is always False, even when the first card is a trump.
bool FirstBeatsSecond(const GameState& s) { return BeatsUnlessOffSuit(s, s.trick[0].card, s.trick[1].card, false); }

// Off suit it is True whenever the third card is not a trump.
bool FirstBeatsThird(const GameState& s) {
  return BeatsUnlessOffSuit(s, s.trick[0].card, s.trick[2].card, !IsTrump(s, s.trick[2].card));
}

bool SecondBeatsThird(const GameState& s) {
  const Card& first = At(s, s.trick[0].card);
  const Card& second = At(s, s.trick[1].card);
  const Card& third = At(s, s.trick[2].card);
  // A second card that followed suit is compared by value alone, whatever the third card is.
  if (second.Suit == first.Suit) return second.Value > third.Value;
  if (!IsTrump(s, s.trick[1].card)) return false;
  if (!IsTrump(s, s.trick[2].card)) return true;
  return second.Value > third.Value;
}

bool SecondIsTrump(const GameState& s) { return At(s, s.trick[1].card).Suit == s.trumps; }
bool ThirdIsTrump(const GameState& s) { return At(s, s.trick[2].card).Suit == s.trumps; }

}  // namespace solo
