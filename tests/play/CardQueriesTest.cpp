#include <gtest/gtest.h>

#include "TestCards.h"
#include "play/CardQueries.h"

namespace solo {
namespace {

using test::Card;
using test::FreshState;
using test::Give;
using test::MarkPlayed;

TEST(CardQueries, LowestAndHighestCardBreakTiesByPackOrder) {
  struct Case {
    const char* what;
    std::initializer_list<std::string_view> hand;
    const char* lowest;
    const char* highest;
  };
  const Case cases[] = {
      {"two Twos: the Club comes before the Spade", {"2S", "2C", "9H", "KD"}, "2C", "KD"},
      {"two Aces: the Diamond comes before the Heart", {"AH", "AD", "5S", "3C"}, "3C", "AD"},
      {"a single card", {"7H"}, "7H", "7H"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameState s = FreshState();
    Give(s, kWest, c.hand);
    EXPECT_EQ(LowestCard(s, kWest), Card(c.lowest));
    EXPECT_EQ(HighestCard(s, kWest), Card(c.highest));
  }
}

TEST(CardQueries, AnEmptyHandOrMissingSuitGivesNoCard) {
  GameState s = FreshState();
  EXPECT_EQ(LowestCard(s, kNorth), 0);
  EXPECT_EQ(HighestCard(s, kNorth), 0);
  EXPECT_EQ(StrictlyLongestSuit(s, kNorth), 0);
  Give(s, kNorth, {"5C", "9C"});
  EXPECT_FALSE(HasSuit(s, kNorth, kHearts));
  EXPECT_EQ(LowestOfSuit(s, kNorth, kHearts), 0);
  EXPECT_EQ(HighestOfSuit(s, kNorth, kHearts), 0);
  EXPECT_EQ(MasterAce(s, kNorth, kHearts), 0);
  // A trump code of no trumps matches no card.
  EXPECT_EQ(LowestOfSuit(s, kNorth, kNoTrumps), 0);
  EXPECT_EQ(LowestOfSuit(s, kNorth, kClubs), Card("5C"));
  EXPECT_EQ(HighestOfSuit(s, kNorth, kClubs), Card("9C"));
}

TEST(CardQueries, LongestSuitMustBeStrictlyLongest) {
  GameState s = FreshState();
  Give(s, kEast, {"2S", "3S", "4S", "5S", "2H", "3H", "4H", "5H", "2C", "3C", "4C", "2D", "3D"});
  EXPECT_EQ(StrictlyLongestSuit(s, kEast), 0);
  GameState t = FreshState();
  Give(t, kEast, {"2S", "3S", "4S", "5S", "6S", "2H", "3H", "4H", "5H", "2C", "3C", "4C", "5C"});
  EXPECT_EQ(StrictlyLongestSuit(t, kEast), kSpades);
}

TEST(CardQueries, MasterCardsNeedTheHigherCardsPlayed) {
  GameState s = FreshState();
  Give(s, kWest, {"KH", "JC", "QS"});
  Give(s, kNorth, {"AH"});
  EXPECT_EQ(MasterKing(s, kWest, kHearts), 0) << "the Ace of Hearts is still in a hand";
  MarkPlayed(s, {"AH"});
  EXPECT_EQ(MasterKing(s, kWest, kHearts), 38);

  // The Jack is master once Queen and King are gone, even with the Ace still out.
  EXPECT_EQ(MasterJack(s, kWest, kClubs), 0);
  MarkPlayed(s, {"QC", "KC"});
  EXPECT_EQ(MasterJack(s, kWest, kClubs), 23);

  // The Queen needs both King and Ace played.
  MarkPlayed(s, {"KS"});
  EXPECT_EQ(MasterQueen(s, kWest, kSpades), 0);
  MarkPlayed(s, {"AS"});
  EXPECT_EQ(MasterQueen(s, kWest, kSpades), Card("QS"));
}

TEST(CardQueries, CardsJustAboveAndJustBelow) {
  GameState s = FreshState();
  Give(s, kSouth, {"5S", "9S", "QS", "2H", "6H", "JH"});
  EXPECT_EQ(LowestCardAbove(s, kSouth, Card("8S")), Card("9S"));
  EXPECT_EQ(HighestCardUnderCardPlayed(s, kSouth, Card("8S")), Card("5S"));
  EXPECT_EQ(LowestCardAbove(s, kSouth, Card("KS")), 0);
  EXPECT_EQ(HighestCardUnderCardPlayed(s, kSouth, Card("4S")), 0);

  // Hearts led; the given card is a Spade, yet the answer is the highest Heart under its value.
  s.trick[0].card = Card("8H");
  EXPECT_EQ(GetCardUnderCardPlayed(s, kSouth, Card("10S")), Card("6H"));
  EXPECT_EQ(GetCardUnderCardPlayed(s, kSouth, Card("2S")), 0);
}

}  // namespace
}  // namespace solo
