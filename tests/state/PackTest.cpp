#include <gtest/gtest.h>

#include <set>

#include "state/GameState.h"

namespace solo {
namespace {

TEST(Pack, CardsHaveTheirSuitRankAndExactNames) {
  GameState s;
  BuildPack(s);
  struct Case {
    int card;
    int suit;
    int value;
    const char* fullName;
  };
  const Case cases[] = {
      {1, kDiamonds, 2, "Two of  Diamonds"},  {12, kDiamonds, 13, "King  of  Diamonds"},
      {13, kDiamonds, 14, "Ace  of  Diamonds"}, {14, kClubs, 2, "Two of  Clubs"},
      {23, kClubs, 11, "Jack of  Clubs"},     {38, kHearts, 13, "King  of  Hearts"},
      {48, kSpades, 10, "Ten of  Spades"},    {52, kSpades, 14, "Ace  of  Spades"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.card);
    const Card& card = s.Pack[c.card];
    EXPECT_EQ(card.Number, c.card);
    EXPECT_EQ(card.Suit, c.suit);
    EXPECT_EQ(card.Value, c.value);
    EXPECT_EQ(card.FullName, c.fullName);
    EXPECT_EQ(card.FullName, card.RankName + card.SuitName);
  }
}

TEST(Pack, EverySuitHoldsEachValueOnceAndNoCardIsInAHand) {
  GameState s;
  BuildPack(s);
  std::set<std::pair<int, int>> seen;
  for (int n = 1; n <= kCards; ++n) {
    EXPECT_EQ(s.Pack[n].Owner, kOwnerNone);
    EXPECT_FALSE(s.Pack[n].Played);
    EXPECT_TRUE(seen.insert({s.Pack[n].Suit, s.Pack[n].Value}).second);
    // The rank text always ends in two blanks.
    EXPECT_EQ(s.Pack[n].RankName.substr(s.Pack[n].RankName.size() - 3), "f  ");
  }
  EXPECT_EQ(seen.size(), 52u);
}

}  // namespace
}  // namespace solo
