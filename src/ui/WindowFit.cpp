#include "ui/WindowFit.h"

#include <algorithm>

namespace solo::ui {

QRect FitToScreen(QRect wanted, const QRect& available) {
  if (available.isEmpty()) return wanted;
  // Room is left for the window's frame and title bar, which the available area does not know.
  const QRect room = available.adjusted(0, 0, -16, -48);
  wanted.setWidth(std::min(wanted.width(), room.width()));
  wanted.setHeight(std::min(wanted.height(), room.height()));
  wanted.moveLeft(std::clamp(wanted.left(), room.left(), room.right() - wanted.width() + 1));
  wanted.moveTop(std::clamp(wanted.top(), room.top(), room.bottom() - wanted.height() + 1));
  return wanted;
}

}  // namespace solo::ui
