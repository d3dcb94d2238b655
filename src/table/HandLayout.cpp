#include "table/HandLayout.h"

#include <bit>

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
  // The seat's cards in card order: the bits of its hand from the lowest up.
  for (std::uint64_t hand = s.Hand[seat]; hand; hand &= hand - 1) {
    const int card = std::countr_zero(hand) + 1;
    CardBox& box = t.cards[card];
    box.Picture = row.faceUp || (t.FaceUp & (std::uint64_t{1} << (card - 1))) ? card : kPictureBack;
    box.Left = left;
    box.Top = top;
    // Cards are raised in card order, so each overlaps the one before it.
    t.BringToFront(box);
    left += row.stepLeft;
    top += row.stepTop;
  }
}

}  // namespace solo
