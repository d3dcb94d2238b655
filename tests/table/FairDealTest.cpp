// The deal is fair: every card is equally likely to go to each seat, whatever the seat's place
// after the dealer; each card costs one draw of the generator; and a hand's deal depends only
// on the game's seed and the hand's number, not on how earlier hands were played.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "GameFixture.h"
#include "SimFixture.h"
#include "game/GameStart.h"
#include "play/Players.h"
#include "sim/SimGame.h"
#include "table/HandObserver.h"
#include "table/NewHand.h"

namespace solo {
namespace {

// Chi-square of the 52 x 4 table of how often each card went to the seat 1, 2, 3 or 4 places
// after the dealer, against a quarter each. 156 degrees of freedom: a fair deal lies near 156
// and above 211 one time in a thousand.
double DealChiSquare(std::uint64_t seed, int deals, int* mostDraws = nullptr) {
  const auto dir = test::FreshFolder();
  SimGame sim(dir.string(), seed);
  Game& g = sim.g;
  BuildPack(g.s);
  std::array<std::array<long, kSeats>, kCards + 1> count{};
  for (int deal = 0; deal < deals; ++deal) {
    NewHand(g);
    if (mostDraws) *mostDraws = std::max(*mostDraws, static_cast<int>(g.draw.deal.draws()));
    for (int card = 1; card <= kCards; ++card)
      ++count[card][(g.s.Pack[card].Owner - g.s.dealer + 3) % kSeats];
  }
  const double expected = deals / 4.0;
  double chi = 0;
  for (int card = 1; card <= kCards; ++card)
    for (long n : count[card]) chi += (n - expected) * (n - expected) / expected;
  std::printf("seed %llu: %d deals, the dealer holds the Ace of Spades in %.1f %%, chi-square %.1f\n",
              static_cast<unsigned long long>(seed), deals, 100.0 * count[kCards][3] / deals, chi);
  std::filesystem::remove_all(dir);
  return chi;
}

TEST(FairDeal, EveryCardGoesToEverySeatAQuarterOfTheTime) {
  for (std::uint64_t seed : {1u, 2u}) {
    int mostDraws = 0;
    EXPECT_LT(DealChiSquare(seed, 40000, &mostDraws), 211.0);
    EXPECT_LE(mostDraws, 52) << "one draw of the generator per card";
  }
}

// Remembers each hand's deal by its number, and whether it was a goulash (as the hand in play
// tells the players).
struct DealRecord : HandObserver {
  std::map<long, std::pair<bool, PerSeat<std::uint64_t>>> deals;
  void Dealt(const Game& g) override { deals[g.draw.handNumber] = {g.s.goulash, g.s.Hand}; }
};

// A South that passes every hand.
struct PassingPlayer : SeatPlayer {
  ComputerPlayer computer;
  int OfferBid(Game& g, int seat) override { return computer.OfferBid(g, seat); }
  int Bid(Game&, int) override { return 0; }
  int AuctionCall(Game&, int, const Auction&) override { return 0; }
  int Trumps(Game& g, int seat) override { return computer.Trumps(g, seat); }
  int Card(Game& g, int seat, int position, bool lose) override { return computer.Card(g, seat, position, lose); }
  const char* Level() const override { return "person"; }
};

TEST(FairDeal, TheSameSeedDealsTheSameHandsWhateverSouthDoes) {
  std::map<long, std::pair<bool, PerSeat<std::uint64_t>>> runs[2];
  for (int run = 0; run < 2; ++run) {
    const auto dir = test::FreshFolder();
    SimGame sim(dir.string(), 11);
    PassingPlayer passing;
    if (run == 1) sim.g.players[kSouth] = &passing;
    DealRecord record;
    sim.g.observer = &record;
    test::PlayHands(sim, 500);
    runs[run] = record.deals;
    std::filesystem::remove_all(dir);
  }
  int compared = 0, goulashes = 0;
  for (const auto& [hand, deal] : runs[0]) {
    const auto other = runs[1].find(hand);
    if (other == runs[1].end()) continue;
    if (deal.first || other->second.first) {
      ++goulashes;
      continue;
    }
    ++compared;
    EXPECT_EQ(deal.second, other->second.second) << "hand " << hand;
  }
  EXPECT_GT(compared, 300);
  EXPECT_GT(goulashes, 10) << "the passing South makes throw-ins, so the runs differ";
}

}  // namespace
}  // namespace solo
