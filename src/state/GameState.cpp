#include "state/GameState.h"

namespace solo {

namespace {

// The rank texts end in two blanks; King and Ace also have two blanks before "of".
constexpr const char* kRankNames[kCardsPerSuit] = {
    "Two of  ", "Three of  ", "Four of  ", "Five of  ", "Six of  ",  "Seven of  ", "Eight of  ",
    "Nine of  ", "Ten of  ",  "Jack of  ", "Queen of  ", "King  of  ", "Ace  of  "};

constexpr const char* kSuitNames[4] = {"Diamonds", "Clubs", "Hearts", "Spades"};

}  // namespace

std::string CardWords(int card) {
  static constexpr const char* kRanks[kCardsPerSuit] = {"Two", "Three", "Four", "Five", "Six", "Seven", "Eight",
                                                         "Nine", "Ten", "Jack", "Queen", "King", "Ace"};
  if (card < 1 || card > kCards) return {};
  return std::string(kRanks[(card - 1) % kCardsPerSuit]) + " of " + kSuitNames[(card - 1) / kCardsPerSuit];
}

void BuildPack(GameState& s) {
  for (int n = 1; n <= kCards; ++n) {
    Card& c = s.Pack[n];
    c.Number = n;
    c.Value = (2 + (n - 1) % kCardsPerSuit);
    c.RankName = kRankNames[(n - 1) % kCardsPerSuit];
  }
  for (int n = 1; n <= kCards; ++n) {
    const int suitIndex = (n - 1) / kCardsPerSuit;
    s.Pack[n].SuitName = kSuitNames[suitIndex];
    s.Pack[n].Suit = kDiamonds + suitIndex;
  }
  for (int n = 1; n <= kCards; ++n) {
    s.Pack[n].FullName = s.Pack[n].RankName + s.Pack[n].SuitName;
    SetOwner(s, n, kOwnerNone);
  }
}

}  // namespace solo
