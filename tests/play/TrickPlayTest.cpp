#include <gtest/gtest.h>

#include "GameFixture.h"
#include "TestCards.h"
#include "bidding/BidLadder.h"
#include "play/TrickPlay.h"
#include "table/CardMovement.h"
#include "game/ClaimCommand.h"
#include "game/GameStart.h"
#include "table/Messages.h"

namespace solo {
namespace {

using test::Card;
using test::TestGame;

// A hand in play: names, a cleared table with every card in no hand, and the declarer.
void PrepareHand(Game& g, int declarer, int code) {
  g.s.userName = g.s.playerNames[0] = "Player";
  g.s.playerNames[1] = "West Bot", g.s.playerNames[2] = "North Bot", g.s.playerNames[3] = "East Bot";
  BuildPack(g.s);
  ClearForNextRound(g);
  g.s.trumps = kHearts;
  g.s.declarer = declarer;
  KindFlags(g.s, code)[declarer] = true;
}

// Lays four cards in the centre as a trick led by `leader`.
void LayTrick(Game& g, int leader, std::array<const char*, 4> cards) {
  int* slots[4] = {&g.s.trick[0].card, &g.s.trick[1].card, &g.s.trick[2].card, &g.s.trick[3].card};
  int* players[4] = {&g.s.trick[0].seat, &g.s.trick[1].seat, &g.s.trick[2].seat, &g.s.trick[3].seat};
  for (int i = 0; i < 4; ++i) {
    *slots[i] = Card(cards[i]);
    *players[i] = (leader + i) % 4;
    g.t.cards[Card(cards[i])].Visible = true;
  }
}

TEST(CheckWinnerOfTrick, AnnouncesCountsAndCarriesTheTrickToTheWinner) {
  TestGame tg;
  Game& g = tg.g;
  PrepareHand(g, kWest, kSolo);
  g.s.tricksPlayed = 2;
  g.s.tricksWon = {1, 1, 0, 0};
  LayTrick(g, kWest, {"5S", "KS", "2S", "9S"});  // North's King wins
  EXPECT_EQ(CheckWinnerOfTrick(g), TrickResult::NextTrick);
  EXPECT_EQ(g.s.leader, kNorth);
  EXPECT_EQ(g.s.tricksPlayed, 3);
  EXPECT_EQ(g.s.tricksWon[kNorth], 1);
  // The third trick of the hand is the third pile.
  EXPECT_TRUE(g.t.trickPiles[3].Visible);
  for (const char* c : {"5S", "KS", "2S", "9S"}) {
    EXPECT_FALSE(g.t.cards[Card(c)].Visible);
    EXPECT_EQ(g.s.Pack[Card(c)].Owner, kOwnerNone);
    EXPECT_TRUE(g.s.Pack[Card(c)].Played);
  }
  EXPECT_EQ(g.s.trick[0].card, -1);
  EXPECT_EQ(g.s.trick[3].card, -1);
  // A silent pause and a card-sound pause while the trick is carried away.
  EXPECT_EQ(tg.host.clock, 1000);
  EXPECT_EQ(tg.host.sounds, std::vector<Sound>{Sound::Card});
}

TEST(PlayCard, TheUsersCardLandsBeforeTheTrickMayGoOn) {
  TestGame tg;
  Game& g = tg.g;
  PrepareHand(g, kWest, kSolo);
  test::Give(g.s, kSouth, {"QH", "2C"});
  tg.host.onPause = [&](int ms) {
    EXPECT_EQ(ms, 500);
    EXPECT_EQ(g.t.cards[Card("QH")].Left, 5040);
    EXPECT_EQ(g.t.cards[Card("QH")].Top, 4920);
    EXPECT_EQ(g.s.Pack[Card("QH")].Owner, kSouth) << "the card leaves the hand once it has landed";
  };
  PlayCard(g, kSouth, Card("QH"));
  EXPECT_EQ(tg.host.clock, 500);
  EXPECT_EQ(g.s.Pack[Card("QH")].Owner, kOwnerNone);

  // A computer player's card turns face up in the centre; the declarer's card is remembered.
  tg.host.onPause = nullptr;
  test::Give(g.s, kWest, {"KS"});
  g.s.trick[0].card = Card("KS");
  PlayEm(g, kWest, 1);
  EXPECT_EQ(g.t.cards[Card("KS")].Picture, Card("KS"));
  EXPECT_EQ(g.t.cards[Card("KS")].Left, 3000);
  EXPECT_EQ(g.s.declarersCard, Card("KS"));
}

// A whole trick with South in each place: an off-suit click is refused while South can follow,
// one card is taken per wait, and a click on another seat's card or out of turn does nothing.
TEST(CardClicked, SouthFollowsSuitInEveryPosition) {
  struct Case {
    int leader;
    const char* played;  // South's card in the trick
  };
  const Case cases[] = {{kSouth, "2C"}, {kEast, "9H"}, {kNorth, "9H"}, {kWest, "9H"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.leader);
    TestGame tg;
    Game& g = tg.g;
    PrepareHand(g, kWest, kSolo);
    test::Give(g.s, kSouth, {"2C", "9H"});
    test::Give(g.s, kWest, {"3H"});
    test::Give(g.s, kNorth, {"4H"});
    test::Give(g.s, kEast, {"5H"});
    CardClicked(g, Card("9H"));
    EXPECT_EQ(g.flow.answer, kNoAnswer) << "not waiting for a card";
    int waits = 0;
    tg.host.player = [&] {
      ++waits;
      // While South chooses, the cards it may not play are dimmed: the Two of Clubs, unless it leads.
      EXPECT_EQ(g.t.Dimmed, c.leader == kSouth ? 0 : CardBit(Card("2C")));
      CardClicked(g, Card("3H"));
      EXPECT_EQ(g.flow.answer, kNoAnswer) << "not the user's card";
      CardClicked(g, Card("2C"));
      if (c.leader != kSouth) {
        EXPECT_EQ(g.flow.answer, kNoAnswer);
        CardClicked(g, Card("9H"));
      }
      CardClicked(g, Card(c.leader == kSouth ? "9H" : "2C"));  // one card per wait
    };
    g.s.leader = c.leader;
    PlayRoundWin(g, c.leader);
    EXPECT_EQ(waits, 1);
    EXPECT_EQ(TrickCard(g.s, UsersPosition(c.leader)), Card(c.played));
    EXPECT_EQ(g.s.Pack[Card(c.played)].Owner, kOwnerNone);
    EXPECT_EQ(g.flow.waiting, Waiting::Nothing);
    EXPECT_EQ(g.t.Dimmed, 0u);
  }
}

// With the option on, a single legal card is played for the person after the usual pause; with
// a choice, or the option off, the game waits. The first playable card is the keys' first pick.
TEST(PlayRound, AForcedCardPlaysItselfOnlyWhenAskedFor) {
  for (bool option : {false, true}) {
    TestGame tg;
    Game& g = tg.g;
    PrepareHand(g, kWest, kSolo);
    g.options.playForcedCard = option;
    test::Give(g.s, kSouth, {"2C", "9H", "3S"});
    test::Give(g.s, kWest, {"3H"});
    test::Give(g.s, kNorth, {"4H"});
    test::Give(g.s, kEast, {"5H"});
    int waits = 0;
    tg.host.player = [&] {
      ++waits;
      EXPECT_EQ(FirstPlayableSouthCard(g.s), Card("9H"));
      CardClicked(g, Card("9H"));
    };
    PlayRoundWin(g, kWest);
    EXPECT_EQ(waits, option ? 0 : 1);
    EXPECT_EQ(g.s.trick[3].card, Card("9H"));
  }
}

// South's claim of the last two tricks (hearts trumps): with the two top trumps it holds and the
// rest is played for South; with a small spade beside the Ace it fails, is told, and South plays
// on. With the two top spades it fails too, though West must follow to the first: only West's
// ruff of the second, a defence the claimer overlooked, beats it.
TEST(Claim, HoldsOnlyAgainstEveryDefence) {
  struct Case {
    bool holds;
    std::array<const char*, 2> south, west;
  };
  const Case cases[] = {{true, {"AH", "KH"}, {"2C", "QS"}},
                        {false, {"AH", "2S"}, {"2C", "QS"}},
                        {false, {"AS", "KS"}, {"2S", "3H"}}};
  for (const Case& c : cases) {
    const bool holds = c.holds;
    SCOPED_TRACE(c.south[0]);
    TestGame tg;
    Game& g = tg.g;
    PrepareHand(g, kSouth, kSolo);
    test::Give(g.s, kSouth, {c.south[0], c.south[1]});
    test::Give(g.s, kWest, {c.west[0], c.west[1]});
    test::Give(g.s, kNorth, {"4C", "5C"});
    test::Give(g.s, kEast, {"6C", "7C"});
    g.s.tricksPlayed = 11;
    g.s.tricksWon = {3, 3, 3, 2};
    g.s.leader = kSouth;
    int waits = 0;
    tg.host.player = [&] {
      ++waits;
      ClaimChosen(g);
      if (g.flow.answer == kNoAnswer) CardClicked(g, FirstPlayableSouthCard(g.s));
    };
    EXPECT_EQ(PlayTricks(g), TrickResult::NewRound);
    EXPECT_EQ(g.claimed, holds);
    EXPECT_EQ(waits, holds ? 1 : 2);
    EXPECT_EQ(g.s.tricksWon[kSouth], holds ? 5 : 4);
    EXPECT_EQ(test::CountBoxes(tg.host, kAppTitle), holds ? 0 : 2) << "each failed claim is told";
  }

  // South defends North's Solo (Diamonds trumps; North has four tricks) and claims that North
  // takes no more. It holds if East, once in, leads the Queen of trumps, drawing North's King to
  // South's Ace; East by its own rules leads the Seven of Hearts for North to ruff (in a game,
  // North's Solo was then made). A claim that holds is played out by the whole side.
  TestGame tg;
  Game& g = tg.g;
  PrepareHand(g, kNorth, kSolo);
  g.s.trumps = kDiamonds;
  test::Give(g.s, kSouth, {"AD", "QS", "KS"});
  test::Give(g.s, kWest, {"10D", "5S", "7S"});
  test::Give(g.s, kNorth, {"KD", "8C", "6C"});
  test::Give(g.s, kEast, {"QD", "7H", "JD"});
  g.s.tricksPlayed = 10, g.s.tricksWon = {0, 3, 4, 3}, g.s.leader = kNorth;
  tg.host.player = [&] {
    if (!g.claimed) ClaimChosen(g);
    if (g.flow.answer == kNoAnswer) CardClicked(g, FirstPlayableSouthCard(g.s));
  };
  PlayTricks(g);
  EXPECT_TRUE(g.t.playedList.size() > 6 && g.t.playedList[6] == "East Bot played Queen of  Diamonds");
  EXPECT_EQ(g.s.tricksWon[kNorth], 4);
}

TEST(PlayRound, TheTrickWaitsForTheUserInTurn) {
  TestGame tg;
  Game& g = tg.g;
  PrepareHand(g, kWest, kSolo);
  test::Give(g.s, kSouth, {"2H", "9C"});
  test::Give(g.s, kWest, {"3C", "4H"});
  test::Give(g.s, kNorth, {"5C", "6H"});
  test::Give(g.s, kEast, {"7C", "8H"});
  std::size_t playedBeforeUser = 0;
  tg.host.player = [&] {
    EXPECT_TRUE(g.flow.Awaits(Waiting::Card));
    playedBeforeUser = g.t.playedList.size();
    CardClicked(g, Card("9C"));
  };
  g.s.leader = kNorth;
  PlayRoundWin(g, kNorth);
  EXPECT_EQ(playedBeforeUser, 2u) << "North and East play before the user";
  EXPECT_EQ(g.s.trick[3].card, Card("3C")) << "West plays after the user";
  EXPECT_EQ(g.s.trick[2].card, Card("9C"));
  EXPECT_EQ(g.flow.waiting, Waiting::Nothing);

  // Where voids are kept, one is known from the card that shows it: East's discard is known to
  // South when South is asked in the same trick.
  TestGame again;
  PrepareHand(again.g, kWest, kSolo);
  again.g.s.KeepVoids = true;
  test::Give(again.g.s, kSouth, {"2C", "9C"});
  test::Give(again.g.s, kWest, {"3C", "4H"});
  test::Give(again.g.s, kNorth, {"5C", "6H"});
  test::Give(again.g.s, kEast, {"7D", "8H"});
  again.host.player = [&] {
    EXPECT_EQ(again.g.s.Voids[kEast], 0x2) << "East showed out of Clubs";
    CardClicked(again.g, Card("9C"));
  };
  PlayRoundWin(again.g, kNorth);
}

}  // namespace
}  // namespace solo
