#include <gtest/gtest.h>

#include "TestCards.h"
#include "play/TrickRules.h"

namespace solo {
namespace {

using test::Card;

// A trick led by West: West, North, East, South.
GameState Trick(int trumps, const char* a, const char* b, const char* c, const char* d = nullptr) {
  GameState s = test::FreshState();
  s.trumps = trumps;
  s.trick[0].seat = kWest, s.trick[1].seat = kNorth, s.trick[2].seat = kEast, s.trick[3].seat = kSouth;
  s.trick[0].card = Card(a), s.trick[1].card = Card(b), s.trick[2].card = Card(c), s.trick[3].card = d ? Card(d) : -1;
  return s;
}

TEST(GetWinner, TrumpsThenLedSuitDiscardsNeverWin) {
  struct Case {
    const char* what;
    int trumps;
    const char* cards[4];
    int winner;
  };
  const Case cases[] = {
      {"a low trump beats the Aces", kHearts, {"KS", "AS", "2H", "AD"}, kEast},
      {"no trumps: the Ace of the led suit; the Ace of Diamonds is a discard", kNoTrumps, {"KS", "AS", "2H", "AD"}, kNorth},
      {"trumps not set count as no trumps", kTrumpsNotSet, {"KS", "AS", "2H", "AD"}, kNorth},
      {"the last card can win", kNoTrumps, {"5C", "7C", "2C", "JC"}, kSouth},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(GetWinner(Trick(c.trumps, c.cards[0], c.cards[1], c.cards[2], c.cards[3])), c.winner);
  }
}

// A seat that does not follow the led suit has shown it holds none, in any place of the trick.
TEST(RecordVoids, EveryPlaceThatDoesNotFollowIsVoid) {
  struct Case {
    const char* cards[4];
    std::array<std::uint8_t, 4> voids;  // West, North, East, South
  };
  const Case cases[] = {
      {{"KS", "AS", "2S", "3S"}, {0, 0, 0, 0}},
      {{"KS", "2H", "2S", "3S"}, {0, 0x8, 0, 0}},  // the second player
      {{"KS", "2S", "2D", "3S"}, {0, 0, 0x8, 0}},
      {{"KS", "2S", "3S", "2C"}, {0, 0, 0, 0x8}},
      {{"2D", "2H", "2C", "2S"}, {0, 0x1, 0x1, 0x1}},
  };
  for (const Case& c : cases) {
    GameState s = Trick(kHearts, c.cards[0], c.cards[1], c.cards[2], c.cards[3]);
    RecordVoids(s);
    EXPECT_EQ((std::array<std::uint8_t, 4>{s.Voids[kWest], s.Voids[kNorth], s.Voids[kEast], s.Voids[kSouth]}), c.voids)
        << c.cards[1] << c.cards[2] << c.cards[3];
  }
}

}  // namespace
}  // namespace solo
