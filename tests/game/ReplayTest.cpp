// A past hand replayed step by step: the cards held, the trick shown and the tricks won.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "GameFixture.h"
#include "SimFixture.h"
#include "game/HandAnalysis.h"
#include "game/Replay.h"
#include "sim/Simulator.h"
#include "store/History.h"

namespace solo {
namespace {

TEST(Replay, EachStepShowsItsTrickTheCardsLeftAndTheTricksWon) {
  HandRecord h;
  for (int card = 1; card <= 52; ++card) h.hands[(card - 1) % 4][(card - 1) / 4] = card;
  h.names = {"Ann", "", "North Bot", "East Bot"};
  h.bids = {{1, 0}, {2, 1}, {3, 0}, {0, 0}};
  h.declarer = 2;
  h.contract = 1;
  h.result = "made";
  // West leads 2, North 3, East 4, South 1 (cards dealt round from South); North wins; then North leads.
  h.tricks = {{1, {2, 3, 4, 1}, 2}, {2, {7, 8, 5, 6}, 3}};
  struct Case {
    int step, shown;
    std::array<int, 4> played, won;
    std::size_t southHolds;
  };
  const Case cases[] = {
      {-3, 0, {0, 0, 0, 0}, {0, 0, 0, 0}, 13},
      {0, 0, {0, 0, 0, 0}, {0, 0, 0, 0}, 13},
      {1, 1, {1, 2, 3, 4}, {0, 0, 1, 0}, 12},
      {2, 2, {5, 6, 7, 8}, {0, 0, 1, 1}, 11},
      {9, 2, {5, 6, 7, 8}, {0, 0, 1, 1}, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.step);
    const ReplayStep at = ReplayAt(h, c.step);
    EXPECT_EQ(at.trick, c.shown);
    EXPECT_EQ(at.played, c.played);
    EXPECT_EQ(at.tricksWon, c.won);
    EXPECT_EQ(at.held[0].size(), c.southHolds);
    for (int seat = 0; seat < 4; ++seat)
      for (int card : at.held[seat]) EXPECT_NE(card, at.played[seat]) << "a card played is no longer held";
  }
  EXPECT_EQ(ReplaySteps(h), 3);
  EXPECT_EQ(BidsWords(h), "West passes, North Bot: Solo, East Bot passes, Ann passes");
  EXPECT_EQ(ContractWords(h), "Solo");
  h.contract = 0;
  h.result = "passed";
  EXPECT_EQ(ContractWords(h), "none");
  EXPECT_EQ(ResultWords(h), "thrown in");
}

}  // namespace
}  // namespace solo

namespace solo {
namespace {

// The analysis of real hands holds together: each card's answer after it is the next card's
// answer before it, the last answer is the hand's result, and a card that changed the answer had
// another that would not have (the card named in its words).
TEST(HandAnalysis, AnswersChainAndEndInTheResult) {
  const auto dir = test::FreshFolder();
  const SimulationOptions options = test::SimWithHistory(dir, 30, 9602);
  ASSERT_EQ(Simulate(options).saveError, "");
  Solver solver;
  int complete = 0, changed = 0, noTurn = 0;
  for (const HandRecord& hand : History::OpenToRead(options.history)->Hands(HandsWanted::All)) {
    const HandAnalysis a = AnalyseHand(hand, solver, 300000);
    if (!a.complete) continue;
    ++complete;
    for (std::size_t i = 0; i + 1 < a.cards.size(); ++i) EXPECT_EQ(a.cards[i].after, a.cards[i + 1].before);
    // Settled as soon as certain: the last card played decided nothing the result does not say.
    EXPECT_EQ(a.cards.back().after, hand.result == "made") << hand.hand;
    // A hand no card turned: the goal was as reachable at the first card as the result says.
    bool turned = false;
    for (const CardVerdict& v : a.cards) turned = turned || v.changed();
    if (!turned) {
      ++noTurn;
      EXPECT_EQ(a.cards.front().before, hand.result == "made") << hand.hand;
    }
    for (const CardVerdict& v : a.cards) {
      if (!v.changed()) continue;
      ++changed;
      EXPECT_NE(v.better, 0);
      EXPECT_NE(VerdictWords(hand, v).find(v.seat == hand.declarer ? " lost the " : " through: the "), std::string::npos)
          << VerdictWords(hand, v);
    }
  }
  EXPECT_GT(complete, 10);
  EXPECT_GT(changed, 3);
  EXPECT_GT(noTurn, 0);

  // Stopped (its window closed), an analysis gives up at once and says it is not complete; the
  // solver then searches as before.
  const std::atomic<bool> stop{true};
  const auto hands = History::OpenToRead(options.history)->Hands(HandsWanted::All);
  const auto played = std::find_if(hands.begin(), hands.end(), [](const HandRecord& h) { return h.tricks.size() > 4; });
  ASSERT_NE(played, hands.end());
  const HandRecord& hand = *played;
  const long before = solver.nodes();
  EXPECT_FALSE(AnalyseHand(hand, solver, kAnalysisNodeLimit, &stop).complete);
  EXPECT_LT(solver.nodes() - before, 2048);
  EXPECT_EQ(AnalyseHand(hand, solver, 300000).cards.size(), 4 * hand.tricks.size());
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace solo
