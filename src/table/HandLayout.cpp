#include "table/HandLayout.h"

#include <algorithm>
#include <bit>

#include "table/TableLayout.h"

namespace solo {

namespace {

struct HandRow {
  int left, top;
  int stepLeft, stepTop;
  bool faceUp;
};
constexpr HandRow kRows[kSeats] = {
    {3500, 6600, 300, 0, true},    // South
    {1700, 2700, 0, 175, false},   // West
    {3840, 1080, 175, 0, false},   // North
    {8550, 2700, 0, 175, false}};  // East

}  // namespace

void ShowHand(Table& t, const GameState& s, int seat) {
  const HandRow& row = kRows[seat];
  int left = row.left, top = row.top;
  // Under the Standard rules the dealer's turned-up card lies last in a hand shown face down,
  // wholly in view while it is face up, and stays there for the rest of the hand: in its place
  // in card order it would show how many of the dealer's cards come before it, and only the edge
  // of its face would show.
  const std::uint64_t turned = s.turnedUp >= 1 && s.turnedUp <= kCards ? CardBit(s.turnedUp) : 0;
  const bool hidden = !row.faceUp && (s.Hand[seat] & ~t.FaceUp) != 0;
  const std::uint64_t last =
      s.standard && seat == s.dealer && hidden && ((t.FaceUp & turned) || s.tricksPlayed > 0) ? s.Hand[seat] & turned : 0;
  const auto place = [&](int card) {
    CardBox& box = t.cards[card];
    box.Picture = row.faceUp || (t.FaceUp & CardBit(card)) ? card : kPictureBack;
    box.Left = left;
    box.Top = top;
    // Cards are raised in the order laid, so each overlaps the one before it.
    t.BringToFront(box);
    left += row.stepLeft;
    top += row.stepTop;
  };
  // The seat's cards in card order (the bits of its hand from the lowest up), that one last.
  for (std::uint64_t hand = s.Hand[seat] & ~last; hand; hand &= hand - 1) place(std::countr_zero(hand) + 1);
  if (last) place(s.turnedUp);
  // West's column lies two thirds under the open bid panel: while the turned-up card is face up
  // there, it stands out of the hand to the left, whole, as a dealer would show it.
  if (last && seat == kWest && (t.FaceUp & turned)) {
    CardBox& box = t.cards[s.turnedUp];
    box.Left = std::min(box.Left, layout::kBidPanel.left - layout::kCardWidth - 60);
  }
}

}  // namespace solo
