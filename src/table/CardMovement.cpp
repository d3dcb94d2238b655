#include "table/CardMovement.h"

#include <charconv>

#include "table/HandLayout.h"
#include "table/Messages.h"
#include "table/Pacing.h"

namespace solo {

namespace {

struct Point {
  int left, top;
};

// Each seat's place in the centre of the table.
constexpr Point kCentre[kSeats] = {{5040, 4920}, {3000, 3720}, {5040, 2880}, {7080, 3720}};
// A gathered trick is stacked here before it goes to the winner.
constexpr Point kGathered = {5160, 3780};
// The two steps of the carried trick towards each winner.
constexpr Point kCarryStep1[kSeats] = {{5520, 5400}, {3360, 3720}, {5520, 2040}, {8040, 3480}};
constexpr Point kCarryStep2[kSeats] = {{5640, 6960}, {1320, 3720}, {5520, 600}, {10080, 3360}};
constexpr int kPileStep = 360;

void Carry(Table& t, int card, Point to) {
  t.Move(card, to.left, to.top);
  t.BringToFront(t.cards[card]);
}

}  // namespace

int& TrickCard(GameState& s, int position) { return s.trick[position >= 1 && position <= 4 ? position - 1 : 3].card; }

int TrickCard(const GameState& s, int position) { return TrickCard(const_cast<GameState&>(s), position); }

void PlayEm(Game& g, int seat, int position) {
  if (position < 1 || position > 4) return;
  const int card = TrickCard(g.s, position);
  if (card < 1 || card > kCards) return;
  PlayCard(g, seat, card);
  if (seat == g.s.declarer) g.s.declarersCard = card;
}

void ShowCardPlayed(Game& g, int seat, int card) {
  GameState& s = g.s;
  g.t.cards[card].Picture = card;
  g.t.Move(card, kCentre[seat].left, kCentre[seat].top);
  CardSoundAndPause(g.host, g.flow, g.pacing.cardPlay);
  g.t.playedList.Add(s.playerNames[seat], " played ", s.Pack[card].FullName);
  g.t.status.prompt = g.t.playedList.back();
}

void PlayCard(Game& g, int seat, int card) {
  // Only once the card has landed does it leave the hand.
  g.show->CardPlayed(g, seat, card);
  g.s.playedBy[seat] |= CardBit(card);
  if (g.s.playsMade < kCards) g.s.playOrder[static_cast<std::size_t>(g.s.playsMade++)] = static_cast<std::uint8_t>(card);
  PlayCardStep(g.s, card);
}

void ShowTrickGathered(Game& g, const Trick& trick, int winner, int pile) {
  GameState& s = g.s;
  Table& t = g.t;
  const int cards[4] = {trick[0].card, trick[1].card, trick[2].card, trick[3].card};
  for (int card : cards) t.cards[card].Picture = kPictureGathered;
  for (int card : cards) t.Move(card, kGathered.left, kGathered.top);
  for (int i = 0; i < 3; ++i) t.cards[cards[i]].Visible = false;

  const int carried = cards[3];
  Carry(g.t, carried, kCarryStep1[winner]);
  Pause(g.host, g.flow, g.pacing.gather);
  Carry(g.t, carried, kCarryStep2[winner]);
  CardSoundAndPause(g.host, g.flow, g.pacing.gather);

  if (pile >= 1 && pile <= 13) {
    PileBox& box = t.trickPiles[pile];
    switch (winner) {
      case kSouth:
        t.southPileLeft += kPileStep;
        box.Left = t.southPileLeft, box.Top = 8520;
        break;
      case kWest:
        t.westPileTop += kPileStep;
        box.Left = 0, box.Top = t.westPileTop;
        break;
      case kNorth:
        t.northPileLeft += kPileStep;
        box.Left = t.northPileLeft, box.Top = 0;
        break;
      default:
        t.eastPileTop += kPileStep;
        // Clear of the played-cards list, which begins at 11280, so the whole pile shows.
        box.Left = 9840, box.Top = t.eastPileTop;
        break;
    }
    box.Visible = true;
    t.BringToFront(box);
  }
  t.cards[carried].Visible = false;
  for (int seat : {kWest, kNorth, kSouth, kEast}) ShowHand(t, s, seat);
  char number[8];
  const auto end = std::to_chars(number, number + sizeof number, s.tricksPlayed).ptr;
  SetText(t.status.prompt, {s.playerNames[winner], " won trick number ", std::string_view(number, end - number)});
}

void JustMoveCardsOut(Game& g, int winner) {
  GameState& s = g.s;
  for (const Play& play : s.trick) {
    if (play.card <= 0 || play.card > kCards) {
      // A trick without its four cards cannot be gathered.
      Tell(g.host, "error here one of the card is zero or below");
      return;
    }
  }
  const int pile = s.tricksWon[0] + s.tricksWon[1] + s.tricksWon[2] + s.tricksWon[3];
  const Trick trick = s.trick;
  // The cards left their hands as they were played; they are all played now.
  for (Play& play : s.trick) {
    if (s.Pack[play.card].Owner != kOwnerNone) SetOwner(s, play.card, kOwnerNone);
    SetPlayed(s, play.card, true);
    play.card = -1;
  }
  g.show->TrickGathered(g, trick, winner, pile);
}

}  // namespace solo
