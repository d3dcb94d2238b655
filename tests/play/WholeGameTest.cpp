#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>

#include "GameFixture.h"
#include "Players.h"
#include "bidding/BidLadder.h"
#include "play/CardQueries.h"
#include "play/TrickPlay.h"
#include "game/GameStart.h"

namespace solo {
namespace {

// A South that bids at random (a refused bid becomes a pass) and plays a random card,
// following suit when it can.
struct RandomSouth {
  Game& g;
  std::mt19937 rng{12345};

  void Act() {
    if (test::AnswerBidding(g, static_cast<int>(rng() % 7))) return;
    ASSERT_TRUE(g.flow.Awaits(Waiting::Card)) << "the game waits for something South cannot give";
    std::vector<int> legal;
    const bool leading = g.s.leader == kSouth;
    const int led = leading ? 0 : g.s.Pack[g.s.trick[0].card].Suit;
    const bool canFollow = !leading && HasSuit(g.s, kSouth, led);
    for (int card = 1; card <= kCards; ++card)
      if (g.s.Pack[card].Owner == kSouth && (!canFollow || g.s.Pack[card].Suit == led)) legal.push_back(card);
    ASSERT_FALSE(legal.empty());
    CardClicked(g, legal[rng() % legal.size()]);
  }
};

// Checks every hand as it ends.
struct HandAudit : HandObserver {
  const std::filesystem::path* dir = nullptr;
  std::set<int> played;
  int tricks = 0;
  int hands = 0;
  bool ended = false;
  PerSeat<Long> before{};

  void Dealt(const Game& g) override {
    played.clear();
    tricks = 0;
    ended = false;
    before = g.s.points;
    for (int seat = 0; seat < 4; ++seat) ASSERT_EQ(CountCards(g.s.Hand[seat]), 13);
  }
  void TrickWon(const Game& g, int) override {
    ASSERT_FALSE(ended) << "a trick after the settlement";
    // The hands kept as bit sets agree with every card's owner.
    for (int card = 1; card <= kCards; ++card)
      for (int seat = 0; seat < 4; ++seat)
        ASSERT_EQ((g.s.Hand[seat] >> (card - 1)) & 1, g.s.Pack[card].Owner == seat ? 1u : 0u);
    ++tricks;
    for (int card : {g.s.trick[0].card, g.s.trick[1].card, g.s.trick[2].card, g.s.trick[3].card})
      ASSERT_TRUE(played.insert(card).second) << "card " << card << " played twice";
  }
  void HandEnded(const Game& g, const char* result) override {
    ++hands;
    ended = true;
    ASSERT_LE(tricks, 13);
    ASSERT_EQ(static_cast<int>(played.size()), 4 * tricks);
    Long change = 0;
    for (int i = 0; i < 4; ++i) change += g.s.points[i] - before[i];
    ASSERT_EQ(change, 0) << result;
    if (std::string(result) == "passed") {
      ASSERT_EQ(tricks, 0);
    }
    // A hand ends early only when its contract is decided: Misere is only made after 13.
    const int bidder = g.s.declarer;
    if (std::string(result) == "made" && bidder >= 0 && (g.s.bidMisere[bidder] || g.s.bidMisereOpen[bidder])) {
      ASSERT_EQ(tricks, 13);
    }
  }
};

TEST(WholeGame, TwoThousandSeededHandsPlayByTheRules) {
  test::TestGame tg(99);
  Game& g = tg.g;
  tg.host.recordBoxes = false;
  tg.host.recordSounds = false;
  StartGame(g);
  RandomSouth south{g};
  HandAudit audit;
  g.observer = &audit;
  tg.host.player = [&] { south.Act(); };
  int settlements = 0;
  tg.host.onBox = [&](const ScriptedHost::Box& box) {
    if (box.purpose != BoxPurpose::NewGameOrExit) return;
    ++settlements;
    // The points file holds what the labels show.
    std::ifstream in(tg.dir / "Points.dat", std::ios::binary);
    std::string line((std::istreambuf_iterator<char>(in)), {});
    ASSERT_EQ(line, g.t.pointsShown[0] + "," + g.t.pointsShown[1] + "," + g.t.pointsShown[2] + "," + g.t.pointsShown[3] + "\r\n");
    if (audit.hands >= 2000) tg.host.deluxeAnswers.push_back(1);  // Exit Game
  };
  EXPECT_EQ(RunHands(g), Next::Quit);
  EXPECT_GE(audit.hands, 2000);
  EXPECT_GT(settlements, 1000);
  // The shuffle of every hand is played from the same depth as the first hand's.
  const auto& depth = tg.host.shuffleStack;
  ASSERT_GT(depth.size(), 2000u);
  for (std::size_t i = 2; i < depth.size(); ++i) ASSERT_EQ(depth[i], depth[1]) << i;
}

}  // namespace
}  // namespace solo
