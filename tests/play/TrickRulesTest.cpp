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
  s.trick[0].card = Card(a);
  s.trick[1].card = Card(b);
  s.trick[2].card = Card(c);
  s.trick[3].card = (d ? Card(d) : -1);
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
      {"only the lead follows and nobody trumps", kClubs, {"3D", "AS", "KH", "QS"}, kWest},
      {"the higher of two trumps", kSpades, {"AD", "2S", "9S", "KD"}, kEast},
      {"a trump lead wins over side-suit Aces", kDiamonds, {"2D", "AC", "AH", "AS"}, kWest},
      {"the last card can win", kNoTrumps, {"5C", "7C", "2C", "JC"}, kSouth},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(GetWinner(Trick(c.trumps, c.cards[0], c.cards[1], c.cards[2], c.cards[3])), c.winner);
  }
}

// The pairwise tests differ from the trick rule when the two cards are of different suits;
// the computer players depend on exactly these results.
TEST(TrickComparisons, ResultsIncludingTheOffRuleCases) {
  enum Fn { S_B_F, T_B_F, T_B_S, F_B_S, F_B_T, S_B_T, S_TRUMP, T_TRUMP };
  const auto eval = [](const GameState& s, Fn f) {
    switch (f) {
      case S_B_F: return SecondBeatsFirst(s);
      case T_B_F: return ThirdBeatsFirst(s);
      case T_B_S: return ThirdBeatsSecond(s);
      case F_B_S: return FirstBeatsSecond(s);
      case F_B_T: return FirstBeatsThird(s);
      case S_B_T: return SecondBeatsThird(s);
      case S_TRUMP: return SecondIsTrump(s);
      case T_TRUMP: return ThirdIsTrump(s);
    }
    return false;
  };
  struct Case {
    const char* what;
    int trumps;
    const char* cards[3];
    Fn fn;
    bool expected;
  };
  const Case cases[] = {
      {"same suit by value", kHearts, {"9C", "10C", "2C"}, S_B_F, true},
      {"a trump second beats the lead", kHearts, {"AC", "2H", "3C"}, S_B_F, true},
      {"a discard second does not", kHearts, {"2C", "AS", "3C"}, S_B_F, false},
      {"no trumps: nothing off suit beats", kNoTrumps, {"2C", "AS", "3C"}, S_B_F, false},
      {"third trump beats the first", kSpades, {"AD", "3D", "2S"}, T_B_F, true},
      {"third trump beats a second of the led suit", kSpades, {"AD", "3D", "2S"}, T_B_S, true},
      {"third discard does not beat the second", kSpades, {"AD", "3D", "KH"}, T_B_S, false},
      {"first never beats an off-suit second, even the Ace of trumps", kHearts, {"AH", "2C", "3H"}, F_B_S, false},
      {"first never beats a discard second", kHearts, {"KD", "2C", "3D"}, F_B_S, false},
      {"first beats second of its suit by value", kHearts, {"KD", "2D", "3D"}, F_B_S, true},
      {"first beats a non-trump discard third whatever the values", kHearts, {"2D", "3D", "AC"}, F_B_T, true},
      {"first does not beat a trump third", kHearts, {"AD", "3D", "2H"}, F_B_T, false},
      {"first against third of the same suit by value", kHearts, {"9D", "3D", "10D"}, F_B_T, false},
      {"second followed: by value, third trumped", kHearts, {"5S", "KS", "2H"}, S_B_T, true},
      {"second followed: by value, third discarded high", kHearts, {"5S", "2S", "AD"}, S_B_T, false},
      {"second discarded: never beats", kHearts, {"5S", "AD", "2C"}, S_B_T, false},
      {"second trumped, third did not", kHearts, {"5S", "2H", "AS"}, S_B_T, true},
      {"both trumped: by value", kHearts, {"5S", "2H", "9H"}, S_B_T, false},
      {"second is trump", kClubs, {"5S", "2C", "9H"}, S_TRUMP, true},
      {"third is not trump", kClubs, {"5S", "2C", "9H"}, T_TRUMP, false},
      {"nothing is trump with no trumps", kNoTrumps, {"5S", "2C", "9H"}, S_TRUMP, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(eval(Trick(c.trumps, c.cards[0], c.cards[1], c.cards[2]), c.fn), c.expected);
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
