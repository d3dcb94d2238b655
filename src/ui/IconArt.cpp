// The program's own pictures that are not cards: the message box's three pictures and the
// application icon (two aces fanned on baize), drawn at whatever size is asked.
#include <QFont>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>

#include "state/Types.h"
#include "ui/CardArt.h"

namespace solo::ui {

QPixmap CardArt::BoxPicture(int icon, int side, qreal dpr) {
  QPixmap pixmap(QSize(side, side) * dpr);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF r(0.5, 0.5, side - 1, side - 1);
  QFont font("Liberation Serif");
  font.setBold(true);
  if (icon == 2) {
    // A banner with the word "Solo" in yellow on dark blue.
    p.setPen(QPen(QColor(230, 200, 60), 1));
    p.setBrush(QColor(10, 20, 90));
    p.drawRoundedRect(r.adjusted(0, side * 0.2, 0, -side * 0.2), 3, 3);
    font.setPixelSize(qRound(side * 0.42));
    p.setFont(font);
    p.setPen(QColor(255, 220, 40));
    p.drawText(r, Qt::AlignCenter, "Solo");
  } else {
    // 1: a white question mark on a green disc; 3: a white letter i on a dark blue disc.
    p.setPen(QPen(QColor(255, 255, 255, 180), 1));
    p.setBrush(icon == 1 ? QColor(20, 140, 50) : QColor(15, 35, 120));
    p.drawEllipse(r);
    font.setPixelSize(qRound(side * 0.72));
    if (icon == 3) font.setItalic(false);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, icon == 1 ? "?" : "i");
  }
  return pixmap;
}

QIcon CardArt::AppIcon() {
  QIcon icon;
  for (int side : {16, 32, 48, 64, 128, 256}) icon.addPixmap(IconPicture(side));
  return icon;
}

QPixmap CardArt::IconPicture(int side) {
  {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A green baize tile with two cards fanned on it: the Ace of Spades over the Ace of Hearts.
    p.setPen(Qt::NoPen);
    QLinearGradient felt(0, 0, 0, side);
    felt.setColorAt(0, QColor(30, 130, 60));
    felt.setColorAt(1, QColor(10, 80, 35));
    p.setBrush(felt);
    p.drawRoundedRect(QRectF(0, 0, side, side), side * 0.18, side * 0.18);
    const QRectF card(side * 0.28, side * 0.14, side * 0.46, side * 0.64);
    for (int i = 0; i < 2; ++i) {
      p.save();
      p.translate(side * 0.5, side * 0.86);
      p.rotate(i == 0 ? -14 : 12);
      p.translate(-side * 0.5, -side * 0.86);
      p.setPen(QPen(QColor(60, 60, 60), qMax(0.75, side / 64.0)));
      p.setBrush(Qt::white);
      p.drawRoundedRect(card, side * 0.05, side * 0.05);
      const int suit = i == 0 ? kHearts : kSpades;
      const qreal s = card.width() * 0.62;
      DrawSuit(p, suit, QRectF(card.center().x() - s / 2, card.center().y() - s / 2, s, s));
      p.restore();
    }
    p.end();
    return pixmap;
  }
}

}  // namespace solo::ui
