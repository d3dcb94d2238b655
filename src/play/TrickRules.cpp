#include "play/TrickRules.h"

namespace solo {

namespace {

// A trick card that is not on the table yet reads as the blank record 0, which matches nothing.
const Card& At(const GameState& s, int card) { return s.Pack[card >= 1 && card <= kCards ? card : 0]; }

// With no trump suit (8 or -1) no card is a trump.
bool IsTrump(const GameState& s, int card) { return IsSuit(s.IntTrumps) && At(s, card).Suit == s.IntTrumps; }

// "a beats b" for the tests whose off-suit result is "a is a trump".
bool BeatsUnlessOffSuit(const GameState& s, int a, int b, bool offSuitResult) {
  if (At(s, a).Suit == At(s, b).Suit) return At(s, a).Value > At(s, b).Value;
  return offSuitResult;
}

}  // namespace

Integer GetWinner(const GameState& s) {
  const int cards[4] = {s.IntFirstCard, s.IntSecondCard, s.IntThirdCard, s.IntFourthCard};
  const Integer seats[4] = {s.IntFirstPlayer, s.IntSecondPlayer, s.IntThirdPlayer, s.IntFourthPlayer};
  for (int c : cards)
    if (c < 1 || c > kCards) return kNoSeat;
  bool trumped = false;
  for (int c : cards) trumped = trumped || IsTrump(s, c);
  const int winningSuit = trumped ? s.IntTrumps : At(s, cards[0]).Suit;
  int best = -1;
  for (int i = 0; i < 4; ++i) {
    if (At(s, cards[i]).Suit != winningSuit) continue;
    if (best < 0 || At(s, cards[i]).Value > At(s, cards[best]).Value) best = i;
  }
  return seats[best];
}

bool BlnSecondBeatsFirst(const GameState& s) {
  return BeatsUnlessOffSuit(s, s.IntSecondCard, s.IntFirstCard, IsTrump(s, s.IntSecondCard));
}

bool BlnThirdBeatsFirst(const GameState& s) {
  return BeatsUnlessOffSuit(s, s.IntThirdCard, s.IntFirstCard, IsTrump(s, s.IntThirdCard));
}

bool BlnThirdBeatsSecond(const GameState& s) {
  return BeatsUnlessOffSuit(s, s.IntThirdCard, s.IntSecondCard, IsTrump(s, s.IntThirdCard));
}

// Off suit it is always False, even when the first card is a trump.
bool BlnFirstBeatsSecond(const GameState& s) { return BeatsUnlessOffSuit(s, s.IntFirstCard, s.IntSecondCard, false); }

// Off suit it is True whenever the third card is not a trump.
bool BlnFirstBeatsThird(const GameState& s) {
  return BeatsUnlessOffSuit(s, s.IntFirstCard, s.IntThirdCard, !IsTrump(s, s.IntThirdCard));
}

bool BlnSecondBeatsThird(const GameState& s) {
  const Card& first = At(s, s.IntFirstCard);
  const Card& second = At(s, s.IntSecondCard);
  const Card& third = At(s, s.IntThirdCard);
  // A second card that followed suit is compared by value alone, whatever the third card is.
  if (second.Suit == first.Suit) return second.Value > third.Value;
  if (!IsTrump(s, s.IntSecondCard)) return false;
  if (!IsTrump(s, s.IntThirdCard)) return true;
  return second.Value > third.Value;
}

bool BlnSecondIsTrump(const GameState& s) { return At(s, s.IntSecondCard).Suit == s.IntTrumps; }
bool BlnThirdIsTrump(const GameState& s) { return At(s, s.IntThirdCard).Suit == s.IntTrumps; }

}  // namespace solo
