#pragma once
// Every picture of the game, drawn by our own code at the size and pixel density asked for:
// card faces (pips for Two to Ten, a court figure for Jack, Queen and King), the upright and
// sideways backs, the five trump signs, the message box's three pictures and the program's
// icon. Pictures are cached per size, so the table stays crisp at any scale.
#include <QColor>
#include <QHash>
#include <QIcon>
#include <QPainterPath>
#include <QPixmap>
#include <QSize>

class QPainter;

namespace solo::ui {

class CardArt {
 public:
  // Picture numbers as the game uses them: 1-52 faces, 53 back, 57 gathered (sideways back),
  // 60-64 trump signs (Hearts, Clubs, Diamonds, Spades, no trumps). `size` is in logical
  // pixels; `dpr` is the screen's device pixel ratio.
  QPixmap Picture(int picture, QSize size, qreal dpr);
  // The message box's pictures: 1 question, 2 the "Solo" banner, 3 information.
  static QPixmap BoxPicture(int icon, int side, qreal dpr);
  static QIcon AppIcon();
  // The icon drawn at one size, for the package's icon files.
  static QPixmap IconPicture(int side);

  // A suit's shape in the unit square, for any painter.
  static QPainterPath SuitPath(int suit);
  static QColor SuitColour(int suit);
  // A suit's sign filling `r`, turned round when `upsideDown`.
  static void DrawSuit(QPainter& p, int suit, const QRectF& r, bool upsideDown = false);

  // Paints a picture into a rectangle (used by the cache and by tests).
  static void Paint(QPainter& p, int picture, const QRectF& r);

 private:
  QHash<quint64, QPixmap> cache_;
  QSize cachedFor_;
};

}  // namespace solo::ui
