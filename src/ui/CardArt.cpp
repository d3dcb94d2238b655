#include "ui/CardArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "state/Types.h"
#include "table/Table.h"

namespace solo::ui {

namespace {

const QColor kRed(196, 16, 32);
const QColor kBlack(24, 24, 28);
const QColor kGold(214, 170, 50);
const QColor kBackBlue(24, 52, 120);

QString RankText(int value) {
  switch (value) {
    case kAce: return "A";
    case kKing: return "K";
    case kQueen: return "Q";
    case kJack: return "J";
    default: return QString::number(value);
  }
}


// The flared stem of a Spade or a Club, from `top` down to the foot of the unit square.
QPainterPath Stem(qreal top) {
  QPainterPath stem;
  stem.moveTo(0.47, top);
  stem.quadTo(0.45, 0.88, 0.3, 0.99);
  stem.lineTo(0.7, 0.99);
  stem.quadTo(0.55, 0.88, 0.53, top);
  stem.closeSubpath();
  return stem;
}

// Pip positions for Two to Ten, in a 3-column grid: x in {0, 0.5, 1}, y from 0 (top) to 1.
struct Pip {
  qreal x, y;
};
QVector<Pip> PipLayout(int value) {
  const qreal third = 1.0 / 3, sixth = 1.0 / 6;
  switch (value) {
    case 2: return {{0.5, 0}, {0.5, 1}};
    case 3: return {{0.5, 0}, {0.5, 0.5}, {0.5, 1}};
    case 4: return {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    case 5: return {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}};
    case 6: return {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}};
    case 7: return {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}};
    case 8: return {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}};
    case 9: return {{0, 0}, {1, 0}, {0, third}, {1, third}, {0.5, 0.5}, {0, 2 * third}, {1, 2 * third}, {0, 1}, {1, 1}};
    case 10:
      return {{0, 0},     {1, 0},     {0.5, sixth}, {0, third},   {1, third},
              {0, 2 * third}, {1, 2 * third}, {0.5, 5 * sixth}, {0, 1}, {1, 1}};
    default: return {};
  }
}

void DrawCornerIndex(QPainter& p, int suit, int value, const QRectF& card) {
  const qreal w = card.width(), h = card.height();
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(qMax(6, qRound(h * 0.155)));
  if (value == 10) font.setLetterSpacing(QFont::PercentageSpacing, 85);
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    p.translate(card.center());
    if (corner == 1) p.rotate(180);
    p.translate(-w / 2, -h / 2);
    p.setFont(font);
    p.setPen(CardArt::SuitColour(suit));
    const QRectF rankBox(w * 0.015, h * 0.03, w * 0.22, h * 0.17);
    p.drawText(rankBox, Qt::AlignHCenter | Qt::AlignVCenter, RankText(value));
    CardArt::DrawSuit(p, suit, QRectF(w * 0.045, h * 0.205, w * 0.16, h * 0.12));
    p.restore();
  }
}

void DrawPips(QPainter& p, int suit, int value, const QRectF& card) {
  const qreal w = card.width(), h = card.height();
  if (value == kAce) {
    const qreal side = suit == kSpades ? w * 0.5 : w * 0.38;
    CardArt::DrawSuit(p, suit, QRectF(card.center().x() - side / 2, card.center().y() - side * 0.55, side, side * 1.1));
    return;
  }
  // The pips keep clear of the corner indexes, which must stay readable on a covered card.
  const QRectF area(card.left() + w * 0.32, card.top() + h * 0.18, w * 0.36, h * 0.64);
  const qreal pipW = w * 0.16, pipH = h * 0.13;
  for (const Pip& pip : PipLayout(value)) {
    const QPointF c(area.left() + pip.x * area.width(), area.top() + pip.y * area.height());
    CardArt::DrawSuit(p, suit, QRectF(c.x() - pipW / 2, c.y() - pipH / 2, pipW, pipH), pip.y > 0.5);
  }
}

// One half of a court card: the head with its crown or cap and the shoulders of the robe.
// The other half is the same figure turned round, as on a real court card.
void DrawCourtHalf(QPainter& p, int suit, int value, const QRectF& half) {
  const qreal w = half.width(), h = half.height();
  const QColor robe = suit == kDiamonds || suit == kHearts ? QColor(190, 30, 40) : QColor(30, 55, 130);
  const QColor trim = kGold;
  const QPointF head(half.left() + w * 0.5, half.top() + h * 0.52);
  const qreal headR = w * 0.15;

  // Shoulders and robe, cut off by the card's middle.
  QPainterPath body;
  body.moveTo(half.left() + w * 0.08, half.bottom());
  body.cubicTo(half.left() + w * 0.1, head.y() + headR * 1.1, half.left() + w * 0.3, head.y() + headR * 0.9,
               head.x(), head.y() + headR * 0.95);
  body.cubicTo(half.right() - w * 0.3, head.y() + headR * 0.9, half.right() - w * 0.1, head.y() + headR * 1.1,
               half.right() - w * 0.08, half.bottom());
  body.closeSubpath();
  p.setPen(QPen(kBlack, qMax(0.6, w * 0.012)));
  p.setBrush(robe);
  p.drawPath(body);
  // A gold collar and a sash.
  p.setBrush(trim);
  p.drawEllipse(QPointF(head.x(), head.y() + headR * 1.05), headR * 0.95, headR * 0.35);
  QPainterPath sash;
  sash.moveTo(half.left() + w * 0.28, half.bottom());
  sash.lineTo(half.left() + w * 0.62, head.y() + headR * 1.3);
  sash.lineTo(half.left() + w * 0.72, head.y() + headR * 1.45);
  sash.lineTo(half.left() + w * 0.42, half.bottom());
  sash.closeSubpath();
  p.drawPath(sash);

  // The face.
  p.setBrush(QColor(250, 222, 190));
  p.drawEllipse(head, headR, headR * 1.12);
  p.setBrush(kBlack);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(head.x() - headR * 0.38, head.y() - headR * 0.1), headR * 0.11, headR * 0.11);
  p.drawEllipse(QPointF(head.x() + headR * 0.38, head.y() - headR * 0.1), headR * 0.11, headR * 0.11);
  p.setPen(QPen(QColor(150, 40, 40), qMax(0.5, w * 0.01)));
  p.drawArc(QRectF(head.x() - headR * 0.35, head.y() + headR * 0.1, headR * 0.7, headR * 0.45), 200 * 16, 140 * 16);
  if (value == kKing) {
    // A beard.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 40));
    QPainterPath beard;
    beard.moveTo(head.x() - headR * 0.85, head.y() + headR * 0.25);
    beard.quadTo(head.x(), head.y() + headR * 1.9, head.x() + headR * 0.85, head.y() + headR * 0.25);
    beard.quadTo(head.x(), head.y() + headR * 0.95, head.x() - headR * 0.85, head.y() + headR * 0.25);
    p.drawPath(beard);
  }

  // Headwear: a crown for King and Queen, a feathered cap for the Jack.
  p.setPen(QPen(kBlack, qMax(0.5, w * 0.01)));
  const qreal top = head.y() - headR * 1.05;
  if (value == kJack) {
    QPainterPath cap;
    cap.moveTo(head.x() - headR * 1.15, top + headR * 0.25);
    cap.quadTo(head.x() - headR * 0.2, top - headR * 0.9, head.x() + headR * 1.2, top + headR * 0.1);
    cap.lineTo(head.x() + headR * 1.0, top + headR * 0.4);
    cap.closeSubpath();
    p.setBrush(robe);
    p.drawPath(cap);
    p.setBrush(trim);
    QPainterPath feather;
    feather.moveTo(head.x() + headR * 0.6, top - headR * 0.05);
    feather.quadTo(head.x() + headR * 1.6, top - headR * 1.2, head.x() + headR * 1.9, top - headR * 0.2);
    feather.quadTo(head.x() + headR * 1.3, top - headR * 0.2, head.x() + headR * 0.6, top - headR * 0.05);
    p.drawPath(feather);
  } else {
    const int points = value == kKing ? 3 : 5;
    const qreal left = head.x() - headR * 1.0, right = head.x() + headR * 1.0;
    const qreal rise = value == kKing ? headR * 0.95 : headR * 0.6;
    QPainterPath crown;
    crown.moveTo(left, top + headR * 0.3);
    for (int i = 0; i <= points * 2; ++i) {
      const qreal x = left + (right - left) * i / (points * 2);
      crown.lineTo(x, i % 2 == 0 ? top - rise : top - rise * 0.3);
    }
    crown.lineTo(right, top + headR * 0.3);
    crown.closeSubpath();
    p.setBrush(trim);
    p.drawPath(crown);
    p.setBrush(value == kKing ? kRed : QColor(70, 120, 210));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(head.x(), top - headR * 0.05), headR * 0.14, headR * 0.14);
  }
}

void DrawCourt(QPainter& p, int suit, int value, const QRectF& card) {
  const qreal w = card.width(), h = card.height();
  const QRectF frame(card.left() + w * 0.25, card.top() + h * 0.12, w * 0.5, h * 0.76);
  p.save();
  p.setClipRect(frame);
  p.fillRect(frame, QColor(252, 244, 214));
  const QRectF half(frame.left(), frame.top(), frame.width(), frame.height() / 2);
  DrawCourtHalf(p, suit, value, half);
  p.translate(frame.center());
  p.rotate(180);
  p.translate(-frame.center());
  DrawCourtHalf(p, suit, value, half);
  p.restore();
  // The frame, its middle line and a suit sign in the upper left of the picture.
  p.setPen(QPen(CardArt::SuitColour(suit), qMax(0.6, w * 0.015)));
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame);
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
  const qreal s = frame.width() * 0.26;
  CardArt::DrawSuit(p, suit, QRectF(frame.left() + s * 0.15, frame.top() + s * 0.15, s, s));
  CardArt::DrawSuit(p, suit, QRectF(frame.right() - s * 1.15, frame.bottom() - s * 1.15, s, s), true);
}

void DrawFace(QPainter& p, int card, const QRectF& r) {
  const int suit = kDiamonds + (card - 1) / kCardsPerSuit;
  const int value = 2 + (card - 1) % kCardsPerSuit;
  const qreal radius = r.width() * 0.07;
  p.setPen(QPen(QColor(90, 90, 90), qMax(0.75, r.width() * 0.012)));
  p.setBrush(Qt::white);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  DrawCornerIndex(p, suit, value, r);
  if (value >= kJack && value <= kKing)
    DrawCourt(p, suit, value, r);
  else
    DrawPips(p, suit, value, r);
}

void DrawBack(QPainter& p, const QRectF& r) {
  const qreal radius = qMin(r.width(), r.height()) * 0.07;
  p.setPen(QPen(QColor(90, 90, 90), qMax(0.75, r.width() * 0.012)));
  p.setBrush(Qt::white);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  const qreal margin = qMin(r.width(), r.height()) * 0.08;
  const QRectF inner = r.adjusted(margin, margin, -margin, -margin);
  p.setPen(Qt::NoPen);
  p.setBrush(kBackBlue);
  p.drawRoundedRect(inner, radius * 0.6, radius * 0.6);
  // A lattice of fine diagonal lines.
  p.save();
  p.setClipRect(inner);
  p.setPen(QPen(QColor(90, 130, 210), qMax(0.5, inner.width() * 0.012)));
  const qreal step = qMax(3.0, qMin(inner.width(), inner.height()) / 9);
  for (qreal d = -inner.height(); d < inner.width() + inner.height(); d += step) {
    p.drawLine(QPointF(inner.left() + d, inner.top()), QPointF(inner.left() + d - inner.height(), inner.bottom()));
    p.drawLine(QPointF(inner.left() + d, inner.top()), QPointF(inner.left() + d + inner.height(), inner.bottom()));
  }
  p.restore();
  p.setPen(QPen(QColor(230, 200, 120), qMax(0.5, inner.width() * 0.02)));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(inner.adjusted(margin * 0.5, margin * 0.5, -margin * 0.5, -margin * 0.5), radius * 0.4,
                    radius * 0.4);
}

void DrawSign(QPainter& p, int picture, const QRectF& r) {
  p.setPen(QPen(QColor(80, 80, 80), qMax(0.75, r.height() * 0.03)));
  p.setBrush(QColor(255, 252, 238));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), r.height() * 0.18, r.height() * 0.18);
  const qreal side = r.height() * 0.72;
  const QRectF glyph(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
  int suit = 0;
  switch (picture) {
    case kSignHearts: suit = kHearts; break;
    case kSignClubs: suit = kClubs; break;
    case kSignDiamonds: suit = kDiamonds; break;
    case kSignSpades: suit = kSpades; break;
    default: break;
  }
  if (suit) {
    CardArt::DrawSuit(p, suit, glyph);
    return;
  }
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(qMax(6, qRound(r.height() * 0.5)));
  p.setFont(font);
  p.setPen(QColor(20, 60, 140));
  p.drawText(r, Qt::AlignCenter, "NT");
}

}  // namespace

void CardArt::DrawSuit(QPainter& p, int suit, const QRectF& r, bool upsideDown) {
  p.save();
  p.translate(r.center());
  if (upsideDown) p.rotate(180);
  p.translate(-r.width() / 2, -r.height() / 2);
  p.scale(r.width(), r.height());
  p.setPen(Qt::NoPen);
  p.setBrush(CardArt::SuitColour(suit));
  p.drawPath(CardArt::SuitPath(suit));
  p.restore();
}

QColor CardArt::SuitColour(int suit) { return suit == kDiamonds || suit == kHearts ? kRed : kBlack; }

QPainterPath CardArt::SuitPath(int suit) {
  QPainterPath path;
  switch (suit) {
    case kDiamonds:
      path.moveTo(0.5, 0.0);
      path.quadTo(0.68, 0.3, 0.92, 0.5);
      path.quadTo(0.68, 0.7, 0.5, 1.0);
      path.quadTo(0.32, 0.7, 0.08, 0.5);
      path.quadTo(0.32, 0.3, 0.5, 0.0);
      break;
    case kHearts:
      path.moveTo(0.5, 0.97);
      path.cubicTo(0.2, 0.72, -0.02, 0.5, 0.06, 0.27);
      path.cubicTo(0.14, 0.02, 0.44, 0.0, 0.5, 0.24);
      path.cubicTo(0.56, 0.0, 0.86, 0.02, 0.94, 0.27);
      path.cubicTo(1.02, 0.5, 0.8, 0.72, 0.5, 0.97);
      break;
    case kSpades: {
      QPainterPath leaf;
      leaf.moveTo(0.5, 0.02);
      leaf.cubicTo(0.8, 0.28, 1.02, 0.45, 0.95, 0.64);
      leaf.cubicTo(0.88, 0.84, 0.6, 0.84, 0.5, 0.66);
      leaf.cubicTo(0.4, 0.84, 0.12, 0.84, 0.05, 0.64);
      leaf.cubicTo(-0.02, 0.45, 0.2, 0.28, 0.5, 0.02);
      path = leaf.united(Stem(0.62));
      break;
    }
    case kClubs: {
      QPainterPath leaves;
      leaves.addEllipse(QPointF(0.5, 0.26), 0.22, 0.22);
      leaves.addEllipse(QPointF(0.25, 0.58), 0.22, 0.22);
      leaves.addEllipse(QPointF(0.75, 0.58), 0.22, 0.22);
      leaves.addEllipse(QPointF(0.5, 0.5), 0.14, 0.14);
      leaves.setFillRule(Qt::WindingFill);
      path = leaves.united(Stem(0.55));
      break;
    }
    default: break;
  }
  return path;
}

void CardArt::Paint(QPainter& p, int picture, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (picture >= 1 && picture <= kCards) {
    DrawFace(p, picture, r);
  } else if (picture == kPictureBack) {
    DrawBack(p, r);
  } else if (picture == kPictureGathered) {
    // The same back lying sideways.
    p.save();
    p.translate(r.center());
    p.rotate(90);
    DrawBack(p, QRectF(-r.height() / 2, -r.width() / 2, r.height(), r.width()));
    p.restore();
  } else if (picture >= kSignHearts && picture <= kSignNoTrumps) {
    DrawSign(p, picture, r);
  }
}

QPixmap CardArt::Picture(int picture, QSize size, qreal dpr) {
  if (size.isEmpty()) return {};
  // Keep only the pictures of the size in use, so resizing does not pile up old ones.
  if (cachedFor_ != size) {
    cache_.clear();
    cachedFor_ = size;
  }
  const quint64 key = (quint64(picture) << 48) | (quint64(size.width()) << 32) | (quint64(size.height()) << 16) |
                      quint64(qRound(dpr * 100));
  auto it = cache_.constFind(key);
  if (it != cache_.constEnd()) return *it;
  QPixmap pixmap(size * dpr);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::transparent);
  {
    QPainter p(&pixmap);
    Paint(p, picture, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  cache_.insert(key, pixmap);
  return pixmap;
}

}  // namespace solo::ui
