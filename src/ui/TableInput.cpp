// What the person does at the table: a click on a card or on the latest trick pile, and the
// keys that pick and play a card, confirm a bid and show the last trick.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QGroupBox>

#include "table/TableLayout.h"
#include "ui/TableView.h"

namespace solo::ui {

int TableView::CardAt(QPoint point) const {
  // The lifted card (a hint's, or the keys') is drawn whole above the row: a click on it is on
  // it, not on the neighbour it covers.
  if (Lifted() && LiftedRect().contains(point)) return highlighted_;
  int best = 0;
  std::uint32_t bestZ = 0;
  for (int n = 1; n <= kCards; ++n) {
    const CardBox& box = t_.cards[n];
    if (!box.Visible || !CardRect(box, box.Picture).contains(point)) continue;
    if (!best || box.Z > bestZ) best = n, bestZ = box.Z;
  }
  return best;
}

void TableView::mousePressEvent(QMouseEvent* event) {
  setFocus();
  if (event->button() != Qt::LeftButton) return;
  // The last trick stays shown until the next click, which does nothing else.
  if (lastTrickShown_) {
    HideLastTrick();
    return;
  }
  // A click on the latest trick pile shows that trick.
  if (t_.LastPile >= 1 && t_.LastPile <= 13 && t_.trickPiles[t_.LastPile].Visible) {
    const PileBox& pile = t_.trickPiles[t_.LastPile];
    if (ToPixels(pile.Left, pile.Top, layout::kCardHeight, layout::kCardWidth).contains(event->position())) {
      ShowLastTrick();
      return;
    }
  }
  const int card = CardAt(event->position().toPoint());
  if (!card) return;
  // A card chosen by the mouse ends the pick of the keys (or a hint's): no card stays lifted
  // once another is played.
  highlighted_ = 0;
  update();
  if (cardClicked) cardClicked(card);
}

void TableView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (nextCard) {
        highlighted_ = nextCard(highlighted_, event->key() == Qt::Key_Left ? -1 : 1);
        update();
      }
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Enter on the bid panel confirms the selected bid.
      if (bidPanel_->isVisible()) {
        if (confirmClicked) confirmClicked();
        return;
      }
      [[fallthrough]];
    case Qt::Key_Space:
      // With nothing picked yet, the first card South may play is picked (and lifted).
      if (!highlighted_ && firstPlayable) {
        highlighted_ = firstPlayable();
        update();
        return;
      }
      if (highlighted_ && cardChosenByKey) cardChosenByKey(highlighted_);
      return;
    case Qt::Key_L:
      // Held down, L shows the last trick; released, the table again.
      if (!event->isAutoRepeat()) ShowLastTrick();
      return;
    default: QWidget::keyPressEvent(event);
  }
}

void TableView::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_L && !event->isAutoRepeat()) {
    HideLastTrick();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

}  // namespace solo::ui
