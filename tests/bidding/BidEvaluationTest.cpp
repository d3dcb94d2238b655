#include <gtest/gtest.h>

#include "TestCards.h"
#include "bidding/BidEvaluation.h"
#include "bidding/BidLadder.h"
#include "bidding/BiddingRound.h"

namespace solo {
namespace {

using test::Give;

TEST(BotsBidsPoints, CountsAsTheRulesSay) {
  struct Case {
    const char* what;
    int trumps;
    std::initializer_list<std::string_view> hand;
    int points;
    int newTrumps;
  };
  const Case cases[] = {
      {"honours, trump run, singleton, five trumps", kDiamonds,
       {"AD", "KD", "QD", "JD", "5D", "7C", "AH", "9H", "4H", "KS", "8S", "6S", "3S"}, 10, -1},
      {"void and doubleton after an even Jack", kSpades,
       {"AD", "KD", "QH", "JH", "9H", "8H", "7H", "10S", "9S", "8S", "7S", "6S", "5S"}, 8, -1},
      {"a Jack met at an odd total adds one", kSpades,
       {"AD", "2D", "3D", "JH", "2H", "3H", "2C", "3C", "4C", "2S", "3S", "4S", "5S"}, 2, -1},
      {"a Jack met at an even total adds nothing", kSpades,
       {"AD", "KD", "2D", "JH", "2H", "3H", "2C", "3C", "4C", "2S", "3S", "4S", "5S"}, 2, -1},
      {"two doubletons at an even total add nothing", kSpades,
       {"2D", "3D", "2C", "3C", "2H", "3H", "4H", "2S", "3S", "4S", "5S", "6S", "7S"}, 2, -1},
      {"two doubletons at an odd total: the first adds one", kSpades,
       {"AS", "2D", "3D", "2C", "3C", "2H", "3H", "4H", "2S", "3S", "4S", "5S", "6S"}, 4, -1},
      {"no honours, no short suits, four trumps: zero", kHearts,
       {"2D", "3D", "4D", "2C", "3C", "4C", "2S", "3S", "4S", "2H", "3H", "4H", "5H"}, 0, -1},
      {"a trump void earns nothing", kHearts,
       {"2D", "3D", "4D", "5D", "2C", "3C", "4C", "5C", "6C", "2S", "3S", "4S", "5S"}, 0, -1},
      {"eleven Spades beside Hearts trumps", kHearts,
       {"2S", "3S", "4S", "5S", "6S", "7S", "8S", "9S", "10S", "JS", "QS", "2H", "2D"}, 1, kSpades},
      {"ten trumps with all honours", kSpades,
       {"AS", "KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "AH", "AD", "AC"}, 24, kSpades},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameState s = test::FreshState();
    s.trumps = c.trumps;
    s.newTrumps = -1;
    Give(s, kNorth, c.hand);
    BotsBidsPoints(s, kNorth);
    EXPECT_EQ(s.bidPoints[kNorth], c.points);
    EXPECT_EQ(s.newTrumps, c.newTrumps);
  }
}

TEST(ChooseComputerBid, TheCategoryDecidesBeforeTheSeat) {
  struct Case {
    int west, north, east;
    int seat;
    int code;
  };
  const Case cases[] = {
      {3, 4, 1, kNoSeat, kPass},
      {7, 12, -1, kNorth, kAbundanceTrumps},
      {9, 13, 2, kWest, kAbundanceTrumps},
      {6, 2, 0, kEast, kMisere},
      {5, 8, 2, kWest, kSolo},
      {13, 14, 20, kNorth, kAbundanceDeclared},
      {1, 4, 5, kEast, kSolo},
  };
  for (const Case& c : cases) {
    const ComputerBid bid = ChooseComputerBid({kPass, BidForPoints(c.west), BidForPoints(c.north), BidForPoints(c.east)});
    EXPECT_EQ(bid.seat, c.seat) << c.west << "," << c.north << "," << c.east;
    EXPECT_EQ(bid.code, c.code) << c.west << "," << c.north << "," << c.east;
  }
}

TEST(BidForPoints, Thresholds) {
  const std::pair<int, int> cases[] = {{-3, kMisere}, {0, kMisere}, {1, kPass},   {4, kPass},
                                       {5, kSolo},    {8, kSolo},   {9, kAbundanceTrumps},
                                       {13, kAbundanceTrumps}, {14, kAbundanceDeclared}};
  for (auto [points, code] : cases) EXPECT_EQ(BidForPoints(points), code) << points;
}

}  // namespace
}  // namespace solo
