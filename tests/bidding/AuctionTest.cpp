#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "TestCards.h"
#include "bidding/Auction.h"
#include "bidding/StandardBidding.h"

namespace solo {
namespace {

constexpr int P = kStandardPass, Prop = kProposal, Acc = kAcceptance, Solo = kStandardSolo, Mis = kStandardMisere,
              Ab = kAbundance, Royal = kRoyalAbundance, Ouv = kMisereOuverte, Decl = kStandardAbundanceDeclared;

// Sequences of calls, from the dealer's left, and what the hand is played as. Hearts are turned up.
TEST(Auction, SequencesOfCallsGiveTheContract) {
  struct Case {
    const char* what;
    int dealer;
    std::vector<int> calls;
    StandardDeal deal;  // contract kStandardPass: thrown in
  };
  const Case cases[] = {
      {"everybody passes", kSouth, {P, P, P, P}, {}},
      {"a Proposal accepted at once", kSouth, {Prop, Acc, P, P}, {Acc, kWest, kNorth, kHearts, kWest}},
      {"the dealer's left accepts late", kSouth, {P, Prop, P, P, Acc}, {Acc, kNorth, kWest, kHearts, kWest}},
      {"declined late, then raised", kSouth, {P, Prop, P, P, P, Solo}, {Solo, kNorth, kNoSeat, kHearts, kWest}},
      {"declined late, then dropped", kSouth, {P, Prop, P, P, P, P}, {}},
      {"unaccepted, raised to Abundance", kSouth, {Prop, P, P, P, Ab}, {Ab, kWest, kNoSeat, kTrumpsNotSet, kWest}},
      {"Royal Abundance over Abundance", kSouth, {Ab, Royal, P, P, P}, {Royal, kNorth, kNoSeat, kHearts, kWest}},
      {"Abundance Declared leads", kSouth, {P, P, Decl, P}, {Decl, kEast, kNoSeat, kNoTrumps, kEast}},
      {"Misere Ouverte", kWest, {Ouv, P, P, P}, {Ouv, kNorth, kNoSeat, kNoTrumps, kNorth}},
      {"a Solo over the partnership", kSouth, {Prop, Acc, Solo, P, P, P}, {Solo, kEast, kNoSeat, kHearts, kWest}},
      {"a Solo ends the late chance", kSouth, {P, Prop, Solo, P, P}, {Solo, kEast, kNoSeat, kHearts, kWest}},
      {"round and round", kEast, {Solo, Mis, P, P, Ab, P}, {Ab, kSouth, kNoSeat, kTrumpsNotSet, kSouth}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Auction a(c.dealer);
    for (int call : c.calls) ASSERT_TRUE(a.Call(call)) << "call " << call << " refused";
    ASSERT_TRUE(a.over());
    const StandardDeal d = AuctionResult(a, kHearts);
    EXPECT_EQ(a.thrownIn(), c.deal.contract == kStandardPass);
    EXPECT_EQ(d.contract, c.deal.contract);
    EXPECT_EQ(d.declarer, c.deal.declarer);
    EXPECT_EQ(d.partner, c.deal.partner);
    EXPECT_EQ(d.trumps, c.deal.trumps);
    EXPECT_EQ(d.leader, c.deal.leader);
  }
}

// A call that is not higher, an Acceptance with no Proposal, a second Proposal, a late acceptance
// after a Solo, and a Proposal raised to less than a Solo are refused; the turn stays.
TEST(Auction, CallsThatMayNotBeMadeAreRefused) {
  struct Case {
    const char* what;
    std::vector<int> before;
    int refused;
  };
  const Case cases[] = {
      {"not higher", {Solo}, Solo},
      {"lower", {Mis}, Solo},
      {"nothing to accept", {}, Acc},
      {"a second Proposal", {Prop}, Prop},
      {"accepting over a Solo", {Prop, Solo}, Acc},
      {"the proposer raising to less than a Solo", {Prop, P, P, P}, Prop},
      {"the dealer's left coming back with a bid", {P, Prop, P, P}, Solo},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Auction a(kSouth);
    for (int call : c.before) ASSERT_TRUE(a.Call(call));
    const int turn = a.turn;
    EXPECT_FALSE(a.Allows(c.refused));
    EXPECT_FALSE(a.Call(c.refused));
    EXPECT_EQ(a.turn, turn);
    EXPECT_TRUE(a.Allows(P)) << "a pass is always allowed";
  }
}

// Every contract is settled once its result is certain, the partners' tricks as one side's, and
// the units of every hand sum to zero.
TEST(Auction, SettlementOfEveryStandardContract) {
  struct Case {
    int contract, declarer, partner;
    std::array<int, kSeats> tricks;  // South, West, North, East
    StandardOutcome outcome;
    std::array<int, kSeats> units;  // when settled
  };
  const Case cases[] = {
      {Acc, kNorth, kWest, {2, 4, 4, 1}, StandardOutcome::Made, {-1, 1, 1, -1}},
      {Acc, kNorth, kWest, {3, 3, 4, 2}, StandardOutcome::Open, {}},
      {Acc, kNorth, kWest, {3, 3, 4, 3 + 1}, StandardOutcome::Failed, {1, -1, -1, 1}},
      {Solo, kSouth, kNoSeat, {5, 0, 0, 0}, StandardOutcome::Made, {3, -1, -1, -1}},
      {Solo, kSouth, kNoSeat, {4, 3, 3, 2}, StandardOutcome::Open, {}},
      {Solo, kSouth, kNoSeat, {4, 3, 3, 3}, StandardOutcome::Failed, {-3, 1, 1, 1}},
      {Mis, kEast, kNoSeat, {4, 4, 4, 1}, StandardOutcome::Failed, {2, 2, 2, -6}},
      {Mis, kEast, kNoSeat, {5, 4, 4, 0}, StandardOutcome::Made, {-2, -2, -2, 6}},
      {Ab, kWest, kNoSeat, {2, 9, 0, 0}, StandardOutcome::Made, {-3, 9, -3, -3}},
      {Royal, kWest, kNoSeat, {2, 6, 1, 2}, StandardOutcome::Failed, {3, -9, 3, 3}},
      {Ouv, kNorth, kNoSeat, {0, 0, 1, 0}, StandardOutcome::Failed, {4, 4, -12, 4}},
      {Decl, kSouth, kNoSeat, {12, 1, 0, 0}, StandardOutcome::Failed, {-18, 6, 6, 6}},
      {Decl, kSouth, kNoSeat, {13, 0, 0, 0}, StandardOutcome::Made, {18, -6, -6, -6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(StandardContractOf(c.contract).name) + " " + std::to_string(c.tricks[c.declarer]));
    StandardDeal deal;
    deal.contract = c.contract;
    deal.declarer = c.declarer;
    deal.partner = c.partner;
    const StandardOutcome outcome = DecideStandard(deal, c.tricks);
    EXPECT_EQ(outcome, c.outcome);
    if (outcome == StandardOutcome::Open) continue;
    const auto units = StandardUnits(deal, outcome == StandardOutcome::Made);
    EXPECT_EQ(units, c.units);
    EXPECT_EQ(std::accumulate(units.begin(), units.end(), 0), 0);
  }
}

// A computer player's first call with Hearts turned up: an Abundance only from a count of 13
// with its longest suit as trumps, Royal when that suit is Hearts; never Abundance Declared.
TEST(ComputerCall, AbundancesNeedTheirLongSuit) {
  struct Case {
    const char* what;
    std::initializer_list<std::string_view> hand;
    int call;
  };
  const Case cases[] = {
      {"thirteen Spades name Spades", {"2S", "3S", "4S", "5S", "6S", "7S", "8S", "9S", "10S", "JS", "QS", "KS", "AS"}, Ab},
      {"ten Hearts and three Aces", {"5H", "6H", "7H", "8H", "9H", "10H", "JH", "QH", "KH", "AH", "AS", "AD", "AC"}, Royal},
      {"a Solo hand", {"AH", "KH", "QH", "JH", "10H", "AS", "KS", "2S", "AD", "3D", "4D", "2C", "3C"}, Solo},
      {"nothing above a Nine", {"2H", "4H", "6H", "3S", "5S", "7S", "2D", "4D", "9D", "3C", "5C", "7C", "9C"}, Ouv},
  };
  for (const Case& c : cases) {
    GameState s = test::FreshState();
    s.trumps = kHearts;
    test::Give(s, kWest, c.hand);
    EXPECT_EQ(ComputerCall(s, kWest, Auction(kSouth)), c.call) << c.what;
  }
}

}  // namespace
}  // namespace solo
