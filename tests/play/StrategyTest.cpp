#include <gtest/gtest.h>

#include <vector>

#include "TestCards.h"
#include "bidding/BidLadder.h"
#include "play/Strategy.h"

namespace solo {
namespace {

using test::Card;

// A moment in a trick: the cards already played (led first), who the declarer is, and the
// hand of the seat about to play.
struct Spot {
  const char* what;
  int trumps;
  int declarer;
  int seat;
  std::vector<const char*> trick;
  std::initializer_list<std::string_view> hand;
  const char* expected;
  std::initializer_list<std::string_view> played = {};
};

int Choose(const Spot& spot, bool lose) {
  GameState s = test::FreshState();
  s.trumps = spot.trumps;
  s.declarer = spot.declarer;
  const int position = static_cast<int>(spot.trick.size()) + 1;
  const int leader = (spot.seat - (position - 1) + 4) % 4;
  int* cards[4] = {&s.trick[0].card, &s.trick[1].card, &s.trick[2].card, &s.trick[3].card};
  int* players[4] = {&s.trick[0].seat, &s.trick[1].seat, &s.trick[2].seat, &s.trick[3].seat};
  for (int i = 0; i < 4; ++i) {
    *players[i] = (leader + i) % 4;
    *cards[i] = -1;
  }
  s.declarersCard = 0;
  for (std::size_t i = 0; i < spot.trick.size(); ++i) {
    *cards[i] = Card(spot.trick[i]);
    test::MarkPlayed(s, {spot.trick[i]});
    if (*players[i] == spot.declarer) s.declarersCard = *cards[i];
  }
  test::MarkPlayed(s, spot.played);
  test::Give(s, spot.seat, spot.hand);
  return ChooseCard(s, spot.seat, position, lose);
}

void Check(const std::vector<Spot>& spots, bool lose) {
  for (const Spot& spot : spots) {
    SCOPED_TRACE(spot.what);
    EXPECT_EQ(Choose(spot, lose), Card(spot.expected));
  }
}

TEST(Strategy, LeadingAndSecondHandToLose) {
  Check({
            {"lead: the lowest card, Clubs before Hearts", kNoTrumps, kWest, kWest, {}, {"2H", "2C", "9S", "5D"}, "2C"},
            {"second: highest under the led card", kNoTrumps, kWest, kNorth, {"10C"}, {"4C", "9C", "QC"}, "9C"},
            {"second: declarer, highest under the led card", kNoTrumps, kNorth, kNorth, {"10C"}, {"4C", "9C", "QC"},
             "9C"},
            {"second: nothing under it, the lowest of the suit", kNoTrumps, kWest, kNorth, {"10C"}, {"QC", "KC"}, "QC"},
            {"second: void, the highest card, Diamond first", kNoTrumps, kWest, kNorth, {"10C"}, {"AD", "AS", "2H"},
             "AD"},
        },
        true);
}

TEST(Strategy, LeadingAndSecondHandToWin) {
  Check({
            {"lead: Aces first, in suit order", kSpades, kWest, kWest, {}, {"AS", "AH", "2C"}, "AH"},
            {"lead: the trump Ace waits its turn too", kClubs, kWest, kWest, {}, {"AS", "AH", "2C"}, "AH"},
            {"lead: a King whose Ace is gone", kHearts, kWest, kWest, {}, {"KD", "KC", "2H"}, "KC", {"AC"}},
            {"lead: five Hearts, the lowest Heart", kSpades, kWest, kWest, {},
             {"3H", "5H", "8H", "10H", "QH", "2D", "3D", "4D", "2S", "3S", "4S", "5C", "6C"}, "3H"},
            {"lead: two suits of four, the lowest card", kSpades, kWest, kWest, {},
             {"3H", "5H", "8H", "10H", "6D", "7D", "8D", "9D", "4S", "3C", "6C"}, "3C"},
            {"second: the declarer led, beat it cheaply", kHearts, kWest, kNorth, {"10S"}, {"9S", "JS", "KS"}, "JS"},
            {"second: a defender led, play low", kHearts, kEast, kNorth, {"10S"}, {"9S", "JS", "KS"}, "9S"},
            {"second: after an Ace, the declarer plays low too", kHearts, kNorth, kNorth, {"AD"}, {"KD", "3D"}, "3D"},
            {"second: the declarer takes with its Ace", kHearts, kNorth, kNorth, {"10C"}, {"AC", "4C"}, "AC"},
            {"second: the declarer void trumps low", kHearts, kNorth, kNorth, {"10C"}, {"3H", "9H", "5D"}, "3H"},
            {"second: a defender void after a defender's lead, longest suit", kHearts, kEast, kNorth, {"10C"},
             {"3H", "9H", "5D", "6D", "7D"}, "5D"},
            {"second: a defender void, nothing longest, the lowest card", kHearts, kEast, kNorth, {"10C"},
             {"3H", "9H", "5D", "6D"}, "3H"},
            {"second: no trumps, the declarer void plays its lowest card", kNoTrumps, kNorth, kNorth, {"10C"},
             {"9H", "5D", "6S"}, "5D"},
        },
        false);
}

TEST(Strategy, ThirdAndFourthHandToLose) {
  Check({
            {"third: declarer, the first under the higher of the two", kNoTrumps, kNorth, kNorth, {"9H", "5H"},
             {"3H", "8H", "JH"}, "8H"},
            {"third: declarer, nothing under, the highest", kNoTrumps, kNorth, kNorth, {"9H", "5H"}, {"JH", "QH"},
             "QH"},
            {"third: the declarer led and was beaten, the highest", kNoTrumps, kSouth, kNorth, {"6C", "10C"},
             {"2C", "JC", "KC"}, "KC"},
            {"third: the declarer played under the lead, highest under it", kNoTrumps, kWest, kNorth, {"10C", "6C"},
             {"2C", "9C", "QC"}, "9C"},
            {"third: the declarer played under the lead, none under it, the lowest", kNoTrumps, kWest, kNorth,
             {"10C", "6C"}, {"JC", "QC"}, "JC"},
            {"fourth: a discard's value counts", kNoTrumps, kWest, kNorth, {"4D", "QS", "7D"}, {"10D", "KD"}, "10D"},
            {"fourth: void, the highest card, Diamond first", kNoTrumps, kWest, kNorth, {"4D", "QS", "7D"},
             {"AS", "AD", "2C"}, "AD"},
        },
        true);
}

TEST(Strategy, ThirdAndFourthHandToWin) {
  Check({
            {"third: beat the declarer's lead cheaply", kHearts, kWest, kEast, {"10S", "2S"}, {"9S", "QS", "AS"}, "QS"},
            {"third: after an Ace second, play low", kClubs, kWest, kEast, {"KD", "AD"}, {"3D", "QD"}, "3D"},
            {"third: the declarer void trumps over a trump", kHearts, kEast, kEast, {"10C", "5H"}, {"4H", "7H", "JH"},
             "7H"},
            {"third: a defender void after the declarer was beaten, longest suit", kHearts, kWest, kEast,
             {"9C", "KC"}, {"2S", "5S", "8S", "JS", "2H", "3D"}, "2S"},
            {"fourth: the declarer takes as cheaply as it can", kHearts, kSouth, kSouth, {"2D", "8D", "9D"},
             {"6D", "10D", "KD"}, "10D"},
            {"fourth: a defender plays low even when the declarer is winning", kHearts, kWest, kSouth,
             {"KD", "8D", "9D"}, {"AD", "3D"}, "3D"},
            {"fourth: the declarer void trumps over the second card", kHearts, kSouth, kSouth, {"9C", "5H", "10C"},
             {"4H", "7H", "2D"}, "7H"},
            {"fourth: no trump above it, the longest suit", kHearts, kSouth, kSouth, {"9C", "JH", "10C"},
             {"4H", "7H", "2D", "3D", "4D"}, "2D"},
            {"fourth: nothing longest, the first card in card order", kHearts, kSouth, kSouth, {"9C", "JH", "10C"},
             {"4H", "2D", "3S"}, "2D"},
            {"fourth: a defender void, nothing longest, first card in card order", kHearts, kWest, kSouth,
             {"9C", "2C", "10C"}, {"4H", "7H", "QD", "3D"}, "3D"},
        },
        false);
}

}  // namespace
}  // namespace solo
