#include "table/Deal.h"

#include <bit>

#include "table/HandLayout.h"
#include "table/Pacing.h"
#include "table/Trumps.h"

namespace solo {

namespace {

// A dealt card rests at a point near the centre on the receiver's side, then jumps to a
// second point towards the receiver before the hand is laid out again. South's second point
// keeps the first point's top.
struct DealPoints {
  int firstLeft, firstTop, secondLeft, secondTop;
};
constexpr DealPoints kDealPoints[kSeats] = {
    {4400, 4400, 3841, 4400}, {3720, 3840, 2400, 3240}, {4560, 3000, 3840, 1920}, {6240, 3480, 8520, 2900}};

// The pack back together, in no hand, before it is shown gathered.
void GatherPack(Game& g, int x, int y) {
  if (g.s.Unowned != (std::uint64_t{1} << kCards) - 1)
    for (int card = 1; card <= kCards; ++card)
      if (g.s.Pack[card].Owner != kOwnerNone) SetOwner(g.s, card, kOwnerNone);
  g.show->PackGathered(g, x, y);
}

}  // namespace

void ShowPackOnTable(Game& g, int x, int y) {
  g.host.PlaySound(Sound::Shuffle);
  Pause(g.host, g.flow, g.pacing.shuffle);
  for (int card = 1; card <= kCards; ++card) {
    CardBox& box = g.t.cards[card];
    box.Picture = kPictureBack;
    box.Left = x;
    box.Top = y;
    box.Visible = true;
    g.t.BringToFront(box);
    x += 2;
    y -= 2;
  }
}

// A dealt card rests at the first point for a pause, jumps to the second, and the seat's hand
// is laid out again.
void ShowCardDealt(Game& g, int seat, int card, int pause) {
  const DealPoints& p = kDealPoints[seat];
  g.t.Move(card, p.firstLeft, p.firstTop);
  Pause(g.host, g.flow, pause);
  g.t.Move(card, p.secondLeft, p.secondTop);
  ShowHand(g.t, g.s, seat);
}

void ShowPacketDealt(Game& g, int pause) { CardSoundAndPause(g.host, g.flow, pause); }

void ShowDealer(Table& t, const GameState& s) {
  const std::string& leader = s.leader == kSouth ? s.userName : s.playerNames[s.leader];
  const std::string& dealer = s.dealer == kSouth ? s.userName : s.playerNames[s.dealer];
  // When East deals the text ends with a double quote.
  SetText(t.status.prompt, {dealer, " is dealing and ", leader, " will lead", s.dealer == kEast ? "\"" : ""});
}

namespace {

// Hands one card to a seat.
void HandOver(Game& g, int seat, int card, int pause) {
  SetOwner(g.s, card, seat);
  g.show->CardDealt(g, seat, card, pause);
}

// Returns the last card dealt.
int DealTo(Game& g, int seat, int count) {
  int card = 0;
  for (int i = 0; i < count; ++i) HandOver(g, seat, card = DrawRandomCard(g.draw, g.s), g.pacing.deal);
  g.show->PacketDealt(g, g.pacing.deal);
  return card;
}

void GoulashTo(Game& g, int seat, int card) { HandOver(g, seat, card, g.pacing.goulash); }

// The last card of the pack goes to the dealer: the card the Standard rules turn up.
void DealNormally(Game& g) {
  g.s.goulash = false;
  const int first = NextSeat(g.s.dealer);
  for (int round = 0; round < 4; ++round)
    for (int i = 0; i < kSeats; ++i) DealTo(g, (first + i) % kSeats, 3);
  int last = 0;
  for (int i = 0; i < kSeats; ++i) last = DealTo(g, (first + i) % kSeats, 1);
  g.s.turnedUp = last;
}

void DealGoulash(Game& g) {
  const int cut = RoundHalfEven(g.draw.deal.Uniform() * (kGoulashCutTo - kGoulashCutFrom)) + kGoulashCutFrom;
  const auto order = GoulashOrder(cut);
  const auto seats = GoulashSeats(g.s.dealer);
  g.s.noShuffle = false;
  g.s.goulash = true;
  for (int position = 1; position <= kCards; ++position) {
    GoulashTo(g, seats[position], order[position]);
    // A packet ends where the next card goes to another seat.
    if (position == kCards || seats[position + 1] != seats[position]) g.show->PacketDealt(g, g.pacing.goulash);
  }
}

}  // namespace

// At the start the pack lies in the top corner, clear of the greetings beside it.
void ShuffleThePackAtStart(Game& g) { GatherPack(g, 480, 360); }
void ShuffleThePack(Game& g) { GatherPack(g, 5040, 3720); }

void NextDealer(Game& g) {
  GameState& s = g.s;
  s.dealer = NextSeat(s.dealer);
  s.leader = NextSeat(s.dealer);
  g.show->DealerMoved(g);
}

void DealCards(Game& g) {
  if (g.s.noShuffle)
    DealGoulash(g);
  else
    DealNormally(g);
  DecideTrumps(g);
}


int DrawRandomCard(DealSource& draw, GameState& s) {
  // Every card still in the pack is equally likely: one draw chooses its place in the list of
  // them, and the last of the list takes the drawn card's place.
  DealSource::PackList& pack = draw.packList;
  if (pack.set != s.Unowned || pack.left != s.UnownedCount) {
    // The whole pack, as every deal begins, is the list in order: copied, not counted out.
    static constexpr std::array<int, kCards> kWholePack = [] {
      std::array<int, kCards> cards{};
      for (int i = 0; i < kCards; ++i) cards[i] = i + 1;
      return cards;
    }();
    if (s.UnownedCount == kCards) {
      pack.cards = kWholePack;
      pack.left = kCards;
    } else {
      pack.left = 0;
      for (std::uint64_t rest = s.Unowned; rest; rest &= rest - 1)
        pack.cards[pack.left++] = (std::countr_zero(rest) + 1);
    }
  }
  if (pack.left <= 0) return 0;
  const std::uint32_t place = draw.deal.Below(static_cast<std::uint32_t>(pack.left));
  const int card = pack.cards[place];
  pack.cards[place] = pack.cards[--pack.left];
  pack.set = s.Unowned & ~CardBit(card);
  SetOwner(s, card, kOwnerDrawn);
  return card;
}


std::array<int, kCards + 1> GoulashSeats(int dealer) {
  std::array<int, kCards + 1> seats{};
  const int first = NextSeat(dealer);
  int position = 1;
  for (int packet : {5, 5, 3})
    for (int i = 0; i < kSeats; ++i)
      for (int k = 0; k < packet; ++k) seats[position++] = (first + i) % kSeats;
  return seats;
}

std::array<std::uint64_t, kSeats> GoulashHands(int dealer, int cut) {
  const auto order = GoulashOrder(cut);
  const auto seats = GoulashSeats(dealer);
  std::array<std::uint64_t, kSeats> hands{};
  for (int position = 1; position <= kCards; ++position) hands[seats[position]] |= CardBit(order[position]);
  return hands;
}

std::array<int, kCards + 1> GoulashOrder(int cut) {
  std::array<int, kCards + 1> order{};
  for (int position = 1; position <= cut; ++position) order[position] = cut + 1 - position;
  for (int position = cut + 1; position <= kCards; ++position) order[position] = position;
  return order;
}

}  // namespace solo
