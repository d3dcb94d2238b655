#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "GameFixture.h"
#include "bidding/Auction.h"
#include "bidding/UserBid.h"
#include "game/GameStart.h"
#include "game/HandAnalysis.h"
#include "game/HandHistory.h"
#include "game/HandRecorder.h"
#include "play/CardQueries.h"
#include "play/TrickPlay.h"
#include "store/StoredHand.h"
#include "table/HandObserver.h"
#include "table/TableLayout.h"

namespace solo {
namespace {

// Watches a Standard game: the card turned up, the exposed hand, the units of every hand.
struct StandardAudit : HandObserver {
  Game* g = nullptr;
  HandRecorder recorder{0};
  PerSeat<Long> before{};
  int hands = 0, settled = 0, exposed = 0, partnerships = 0, wanted = 60;
  std::vector<HandRecord> records;
  void HandStarts(const Game& game) override { recorder.HandStarts(game); }
  void Dealt(const Game& game) override {
    recorder.Dealt(game);
    const GameState& s = game.s;
    before = s.points;
    // The dealer's last card is turned up: the dealer holds it, it names trumps, and it shows.
    EXPECT_TRUE(s.Hand[s.dealer] & CardBit(s.turnedUp));
    EXPECT_EQ(s.trumps, s.Pack[s.turnedUp].Suit);
    EXPECT_TRUE(s.dealer == kSouth || (game.t.FaceUp & CardBit(s.turnedUp)));
    EXPECT_TRUE(TurnedUpLaidLast(game));
    // Beside the open bid panel, not under it (North's hand lies under it: the panel names the card).
    const CardBox& up = game.t.cards[s.turnedUp];
    if (s.dealer == kWest || s.dealer == kEast) {
      EXPECT_TRUE(up.Left + layout::kCardWidth <= layout::kBidPanel.left ||
                  up.Left >= layout::kBidPanel.left + layout::kBidPanel.width);
    }
  }
  // In a dealer's hand shown face down the turned-up card lies last, wholly in view, and stays
  // there: in card order its place would tell how many of the dealer's cards come before it.
  static bool TurnedUpLaidLast(const Game& game) {
    const GameState& s = game.s;
    const std::uint64_t hand = s.Hand[s.dealer];
    const CardBox& up = game.t.cards[s.turnedUp];
    bool last = true;
    for (std::uint64_t rest = hand; rest; rest &= rest - 1) {
      const CardBox& box = game.t.cards[std::countr_zero(rest) + 1];
      last = last && (&box == &up || box.Left < up.Left || box.Top < up.Top);  // laid rightwards or downwards
    }
    return last || s.dealer == kSouth || !(hand & CardBit(s.turnedUp)) || (game.t.FaceUp & hand) == hand;
  }
  void BiddingStarts(const Game& game) override { recorder.BiddingStarts(game); }
  void BidShown(const Game& game, int seat, int code) override { recorder.BidShown(game, seat, code); }
  void PlayStarts(const Game& game) override { recorder.PlayStarts(game); }
  void TrickWon(const Game& game, int winner) override {
    recorder.TrickWon(game, winner);
    const GameState& s = game.s;
    EXPECT_TRUE(s.tricksPlayed != 2 || TurnedUpLaidLast(game));
    if (s.tricksPlayed == 2 && s.standardContract == kMisereOuverte) {
      // The declarer's cards have been face up since the first trick.
      EXPECT_EQ(game.t.FaceUp & s.Hand[s.declarer], s.Hand[s.declarer]);
      ++exposed;
    }
  }
  void HandEnded(const Game& game, const char* result) override {
    recorder.HandEnded(game, result);
    const std::string_view r(result);
    if (r == "abandoned") return;  // the game left after the last hand
    ++hands;
    if (r == "made" || r == "failed") {
      ++settled;
      partnerships += game.s.partner >= 0;
      Long moved = 0;
      for (int seat = 0; seat < kSeats; ++seat) moved += game.s.points[seat] - before[seat];
      EXPECT_EQ(moved, 0) << "the units of a hand sum to zero";
      std::string problem = CheckHand(recorder.last());
      EXPECT_EQ(problem, "") << "the hand's record holds together";
      records.push_back(recorder.last());
    }
    if (hands >= wanted) g->flow.request = Request::Exit;
  }
};

// A whole game by the Standard rules with a South that makes any call the panel allows and plays
// any legal card: the panel offers only what the auction allows, a call it greys is never taken,
// and every hand keeps the rules.
TEST(StandardHand, AWholeGameByTheStandardRulesKeepsEveryRule) {
  test::TestGame tg(31);
  Game& g = tg.g;
  g.options.standardRules = true;
  g.options.nextHandWithoutAsking = true;
  StandardAudit audit;
  audit.g = &g;
  g.observer = &audit;
  std::mt19937 random(5);
  int calls = 0, refused = 0;
  tg.host.player = [&] {
    if (g.flow.Awaits(Waiting::Bid)) {
      ASSERT_EQ(g.t.callLabels.size(), 9u);
      ASSERT_TRUE(g.t.callsAllowed & 1u) << "a pass is always allowed";
      // The card turned up is named on the panel, which may cover the dealer's hand.
      EXPECT_NE(g.t.turnedUpNote.find(" the " + CardWords(g.s.turnedUp)), std::string::npos);
      // A call the panel greys is not taken.
      for (int call = 1; call < 9; ++call)
        if (!(g.t.callsAllowed >> call & 1u)) {
          BidSelected(g, call);
          refused += g.t.selectedBid != call;
        }
      std::vector<int> allowed;
      for (int call = 0; call < 9; ++call)
        if (g.t.callsAllowed >> call & 1u) allowed.push_back(call);
      // Mostly a pass, so the computer players' calls decide most hands.
      const int call = random() % 3 ? 0 : allowed[random() % allowed.size()];
      BidSelected(g, call);
      BidConfirmed(g);
      ++calls;
      return;
    }
    if (g.flow.Awaits(Waiting::Trumps)) return TrumpsChosen(g, 1 + static_cast<int>(random() % 4));
    ASSERT_TRUE(g.flow.Awaits(Waiting::Card));
    const std::uint64_t legal = LegalCards(g.s, kSouth, UsersPosition(g.s.trick[0].seat));
    ASSERT_NE(legal, 0u);
    int pick = static_cast<int>(random() % std::popcount(legal));
    std::uint64_t rest = legal;
    while (pick-- > 0) rest &= rest - 1;
    CardClicked(g, std::countr_zero(rest) + 1);
  };
  ASSERT_EQ(StartGame(g), Next::StartHands);
  RunHands(g);
  EXPECT_EQ(audit.hands, audit.wanted);
  EXPECT_GT(audit.settled, audit.wanted / 2);
  EXPECT_GT(audit.partnerships, 0) << "a Proposal was accepted in some hand";
  EXPECT_GT(audit.exposed, 0) << "a Misere Ouverte was played past its first trick";
  EXPECT_GT(calls, audit.wanted);
  // The statistics count a partnership's contract for both partners, and every unit is paid.
  const Statistics stats = ComputeStatistics(audit.records);
  long partnerBids = 0, units = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    partnerBids += stats.seats[seat][kPartnershipRow].bid;
    for (const ContractFigures& f : stats.seats[seat]) units += f.units;
  }
  EXPECT_EQ(partnerBids, 2 * audit.partnerships);
  EXPECT_EQ(units, 0);
  // The analysis solves a partnership's goal of eight tricks too: its answers chain from card
  // to card and end in the hand's result.
  Solver solver;
  int analysed = 0;
  for (const HandRecord& hand : audit.records) {
    if (hand.partner < 0) continue;
    const HandAnalysis a = AnalyseHand(hand, solver, 300000);
    if (!a.complete) continue;
    ++analysed;
    for (std::size_t i = 0; i + 1 < a.cards.size(); ++i) EXPECT_EQ(a.cards[i].after, a.cards[i + 1].before);
    EXPECT_EQ(a.cards.back().after, hand.result == "made") << hand.hand;
    // Every card known, no card turns the answer its own side's way, the partner's neither.
    for (const CardVerdict& v : a.cards) {
      if (v.changed()) {
        EXPECT_EQ(v.before, Declares(hand, v.seat)) << hand.hand;
      }
    }
  }
  EXPECT_GT(analysed, 0);
  EXPECT_GT(refused, 0);
  EXPECT_EQ(g.options.standardRules, g.s.standard);
}

}  // namespace
}  // namespace solo
