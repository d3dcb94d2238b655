#include "ui/WindowFit.h"

#include <QScreen>
#include <QWidget>

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

QRect FirstPlace(QSize table, int bars, const QRect& available) {
  if (available.isEmpty() || table.isEmpty()) return QRect(QPoint(0, 0), table + QSize(0, bars));
  const double scale = std::min(available.width() * 0.85 / table.width(),
                                (available.height() * 0.85 - bars) / table.height());
  const QSize size(static_cast<int>(table.width() * scale), static_cast<int>(table.height() * scale) + bars);
  QRect place(QPoint(0, 0), size);
  place.moveCenter(available.center());
  return FitToScreen(place, available);
}

QSize WithinScreen(const QWidget* window, QSize wanted) {
  const QWidget* shown = window->parentWidget() ? window->parentWidget() : window;
  const QScreen* screen = shown->screen();
  return screen ? FitToScreen(QRect(QPoint(0, 0), wanted), screen->availableGeometry()).size() : wanted;
}

bool MayRestore(const QRect& kept, double keptScale, const QSize& keptScreen, const QRect& screen, double scale) {
  if (!kept.isValid() || keptScale != scale || keptScreen != screen.size()) return false;
  return screen.contains(kept.topLeft()) && kept.width() <= screen.width() && kept.height() <= screen.height();
}

}  // namespace solo::ui
