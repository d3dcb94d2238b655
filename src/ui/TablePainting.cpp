// How the table is painted: the felt, the piles and cards in their stacking order, the turn
// glow, the contract panel, the captions, the last trick and the card lifted by the keyboard;
// and what a screen reader is told of it.
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

#include "table/TableLayout.h"
#include "ui/TableView.h"

namespace solo::ui {

namespace {

constexpr double kTw = layout::kTwipsPerPixel;
const QColor kFeltTop(22, 110, 52), kFeltBottom(10, 78, 36), kMargin(6, 52, 24);
const QColor kNameColour(255, 244, 190);
const QColor kTurnColour(255, 215, 0);
// Where each seat's card lies in the centre of the table (as the trick is played).
constexpr layout::Rect kCentre[4] = {{5040, 4920, 0, 0}, {3000, 3720, 0, 0}, {5040, 2880, 0, 0}, {7080, 3720, 0, 0}};
// The contract panel, in the free space above the trump sign: this is its smallest size; it
// grows upwards when its lines need more room.
constexpr layout::Rect kContractPanel = {180, 8120, 3420, 900};
constexpr double kContractPadding = 6;  // pixels at a scale of one, round the panel's lines
constexpr int kSouthRowTop = 6600;  // South's hand lies face up along this row
// Where each seat's caption must end: short of the next caption, the cards or the played list.
constexpr int kCaptionEnds[4] = {10900, 3780, 8040, 11160};
// A trick pile is drawn at this share of a card's size, so that North's piles along the top
// edge stay clear of North's caption below them.
constexpr double kPileScale = 0.6;

}  // namespace

std::vector<TableView::Described> TableView::Describe() const {
  std::vector<Described> shown;
  for (int n = 1; n <= kCards; ++n) {
    const CardBox& box = t_.cards[n];
    if (box.Visible && box.Picture == n && box.Top == kSouthRowTop)
      shown.push_back({QString::fromStdString(CardWords(n)), CardRect(box, n).toAlignedRect()});
  }
  for (int seat = 0; seat < 4; ++seat)
    for (int n = 1; n <= kCards; ++n) {
      const CardBox& box = t_.cards[n];
      if (box.Visible && box.Picture == n && box.Left == kCentre[seat].left && box.Top == kCentre[seat].top)
        shown.push_back({QString::fromStdString(t_.pointsNames[seat] + " played " + CardWords(n)),
                         CardRect(box, n).toAlignedRect()});
    }
  if (t_.ContractVisible) {
    const QRect panel = LayOutContract().box.toAlignedRect();
    for (const std::string& line : t_.Contract) shown.push_back({QString::fromStdString(line), panel});
  }
  // The seats' captions: their names, and what each bid.
  for (int seat = 0; seat < 4; ++seat)
    if (!t_.nameCaptions[seat].empty())
      shown.push_back({QString::fromStdString(t_.nameCaptions[seat]), CaptionBox(seat).toAlignedRect()});
  return shown;
}

QRectF TableView::CardRect(const CardBox& box, int picture) const {
  const bool sideways = picture == kPictureGathered;
  return ToPixels(box.Left, box.Top, sideways ? layout::kCardHeight : layout::kCardWidth,
                  sideways ? layout::kCardWidth : layout::kCardHeight);
}

void TableView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal dpr = devicePixelRatioF();
  PaintFelt(p);
  PaintCards(p, dpr);
  PaintTurn(p);
  PaintContract(p);
  PaintCaptions(p, dpr);
  if (lastTrickShown_) PaintLastTrick(p, dpr);
  PaintLiftedCard(p, dpr);
}

void TableView::PaintFelt(QPainter& p) {
  p.fillRect(rect(), kMargin);
  const QRectF table = ToPixels(0, 0, layout::kTableWidth, layout::kTableHeight);
  QLinearGradient felt(table.topLeft(), table.bottomLeft());
  felt.setColorAt(0, kFeltTop);
  felt.setColorAt(1, kFeltBottom);
  p.fillRect(table, felt);
  // The centre of the table, where the tricks are played.
  const auto& c = layout::kTrickArea;
  p.setPen(QPen(QColor(255, 255, 255, 60), std::max(1.0, 2 * scale_)));
  p.setBrush(QColor(0, 0, 0, 28));
  p.drawRoundedRect(ToPixels(c.left, c.top, c.width, c.height), 18 * scale_, 18 * scale_);
}

// The trick piles, then the cards, each in stacking order.
void TableView::PaintCards(QPainter& p, qreal dpr) {
  std::vector<const PileBox*> piles;
  for (int n = 1; n <= 13; ++n)
    if (t_.trickPiles[n].Visible) piles.push_back(&t_.trickPiles[n]);
  std::sort(piles.begin(), piles.end(), [](auto a, auto b) { return a->Z < b->Z; });
  for (const PileBox* pile : piles) {
    const QRectF r = ToPixels(pile->Left, pile->Top, layout::kCardHeight * kPileScale, layout::kCardWidth * kPileScale);
    p.drawPixmap(r.topLeft(), art_.Picture(kPictureGathered, r.size().toSize(), dpr));
  }
  std::vector<int> cards;
  for (int n = 1; n <= kCards; ++n)
    if (t_.cards[n].Visible) cards.push_back(n);
  std::sort(cards.begin(), cards.end(), [this](int a, int b) { return t_.cards[a].Z < t_.cards[b].Z; });
  for (int n : cards) {
    if (n == Lifted()) continue;  // drawn lifted, above everything
    const CardBox& box = t_.cards[n];
    QRectF r = CardRect(box, box.Picture);
    if (n == shaking_) r.translate((shakeStep_ % 2 ? 1 : -1) * (10 - shakeStep_) * 0.8 * scale_, 0);
    p.drawPixmap(r.topLeft(), art_.Picture(box.Picture, r.size().toSize(), dpr));
    // A card South may not play now is dimmed.
    if (t_.Dimmed & CardBit(n)) {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 110));
      p.drawRoundedRect(r, 4 * scale_, 4 * scale_);
    }
  }
}

// A caption too long for its space is written smaller, and only then shortened: sets the font
// and gives the words to write.
QString TableView::FitCaption(QPainter& p, const QRectF& box, const std::string& text) const {
  const QString s = QString::fromStdString(text);
  int points = 13;
  p.setFont(ScaledFont(points, true));
  while (points > 9 && p.fontMetrics().horizontalAdvance(s) > box.width()) p.setFont(ScaledFont(--points, true));
  return p.fontMetrics().elidedText(s, Qt::ElideRight, static_cast<int>(box.width()));
}

QRectF TableView::CaptionBox(int seat) const {
  const auto& r = layout::kNameCaptions[seat];
  // West's caption runs under the bid panel's left edge: while the panel is open it ends short
  // of it (a long name was hidden under it).
  const int end = seat == kWest && t_.bidPanelVisible ? std::min(kCaptionEnds[seat], layout::kBidPanel.left - 60)
                                                      : kCaptionEnds[seat];
  return ToPixels(r.left, r.top, end - r.left, r.height);
}

// Names and the trump display, above the cards so the start-up pile does not hide a name; a
// soft shadow keeps them readable where they cross a card.
void TableView::PaintCaptions(QPainter& p, qreal dpr) {
  const auto caption = [&](const QRectF& box, const std::string& text) {
    const QString s = FitCaption(p, box, text);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const qreal d = std::max(1.0, scale_);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(box.translated(d, d), flags, s);
    p.setPen(kNameColour);
    p.drawText(box, flags, s);
  };
  for (int seat = 0; seat < 4; ++seat) caption(CaptionBox(seat), t_.nameCaptions[seat]);
  if (t_.trumpsCaptionVisible) {
    const auto& r = layout::kTrumpsCaption;
    caption(ToPixels(r.left, r.top, r.width + 200, r.height), t_.trumpsCaption);
  }
  if (t_.trumpsSignVisible && t_.trumpsSign) {
    const auto& r = layout::kTrumpsSign;
    const QRectF sign = ToPixels(r.left, r.top, r.width, r.height);
    p.drawPixmap(sign.topLeft(), art_.Picture(t_.trumpsSign, sign.size().toSize(), dpr));
  }
}

// The card picked with the keyboard is lifted out of the row, whole, with a gold edge.
int TableView::Lifted() const {
  if (!highlighted_ || !hasFocus()) return 0;
  const CardBox& box = t_.cards[highlighted_];
  return box.Visible && box.Picture == highlighted_ && box.Top == kSouthRowTop ? highlighted_ : 0;
}

QRectF TableView::LiftedRect() const { return CardRect(t_.cards[highlighted_], highlighted_).translated(0, -14 * scale_); }

void TableView::PaintLiftedCard(QPainter& p, qreal dpr) {
  if (!Lifted()) return;
  const QRectF r = LiftedRect();
  p.drawPixmap(r.topLeft(), art_.Picture(highlighted_, r.size().toSize(), dpr));
  p.setPen(QPen(QColor(255, 215, 0), std::max(2.0, 3 * scale_)));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(-1, -1, 1, 1), 5 * scale_, 5 * scale_);
}

void TableView::PaintTurn(QPainter& p) {
  if (t_.Turn < 0 || t_.Turn > 3) return;
  // A soft gold glow behind the name of the seat that is to bid or play; South's is stronger.
  // As wide as the caption is written.
  const QRectF caption = CaptionBox(t_.Turn);
  // The caption first: fitting it sets the font it is measured in.
  const QString text = FitCaption(p, caption, t_.nameCaptions[t_.Turn]);
  const QRectF written(caption.topLeft(), QSizeF(p.fontMetrics().horizontalAdvance(text), caption.height()));
  const QRectF glow = written.adjusted(-6 * scale_, -3 * scale_, 6 * scale_, 3 * scale_);
  const bool south = t_.Turn == 0;
  p.setPen(QPen(kTurnColour, (south ? 3 : 2) * scale_));
  p.setBrush(QColor(255, 215, 0, south ? 90 : 50));
  p.drawRoundedRect(glow, 8 * scale_, 8 * scale_);
}

TableView::ContractPanel TableView::LayOutContract() const {
  // The panel keeps its bottom edge and grows upwards to show every line whole, wrapped if need
  // be; a name is shortened first, so the numbers always show. It may not grow into South's
  // cards above it: then the names are shortened further, and only then is the writing smaller.
  const auto& c = kContractPanel;
  const QRectF least = ToPixels(c.left, c.top, c.width, c.height);
  const qreal highest = ToPixels(0, kSouthRowTop + layout::kCardHeight, 0, 0).top() + 2 * scale_;
  const qreal pad = kContractPadding * scale_;
  const qreal width = least.width() - 2 * pad;
  ContractPanel panel;
  qreal total = 0;
  struct Try {
    int points, nameShare;  // the font's size, and a name's least width as a share of the line
  };
  for (const Try& attempt : {Try{11, 4}, Try{11, 7}, Try{10, 7}, Try{9, 7}, Try{8, 7}}) {
    panel.font = ScaledFont(attempt.points, true);
    const QFontMetricsF metrics(panel.font);
    auto& lines = panel.lines;
    total = 0;
    for (int i = 0; i < 3; ++i) lines[i] = QString::fromStdString(t_.Contract[i]);
    // The tricks line, too wide, shortens the name in it by the excess, down to its share of the
    // line at most; every line shows it shortened alike.
    for (const std::string& name : t_.pointsNames) {
      const qreal over = metrics.horizontalAdvance(lines[2]) - width;
      const QString full = QString::fromStdString(name);
      if (over <= 0 || full.isEmpty() || !lines[2].contains(full)) continue;
      const qreal room = std::max(width / attempt.nameShare, metrics.horizontalAdvance(full) - over - 2);
      const QString shown = metrics.elidedText(full, Qt::ElideRight, room);
      for (QString& line : lines) line.replace(full, shown);
    }
    for (int i = 0; i < 3; ++i) {
      // A name wider than the whole panel is cut to fit it; a figure stays on the line of the
      // word before it ("defenders 4", not "4" alone).
      for (const std::string& name : t_.pointsNames) {
        const QString full = QString::fromStdString(name);
        if (!full.isEmpty() && metrics.horizontalAdvance(full) > width)
          lines[i].replace(full, metrics.elidedText(full, Qt::ElideRight, width));
      }
      static const QRegularExpression beforeFigure(" (?=\\d)");
      lines[i].replace(beforeFigure, QStringLiteral("\u00a0"));
      panel.heights[i] = metrics.boundingRect(QRectF(0, 0, width, 1000), Qt::TextWordWrap, lines[i]).height();
      total += panel.heights[i];
    }
    if (least.bottom() - total - pad >= highest) break;
  }
  panel.box = least;
  panel.box.setTop(std::min(least.top(), least.bottom() - total - pad));
  return panel;
}

void TableView::PaintContract(QPainter& p) {
  if (!t_.ContractVisible) return;
  const ContractPanel panel = LayOutContract();
  const QRectF& box = panel.box;
  p.setPen(QPen(QColor(255, 255, 255, 90), std::max(1.0, scale_)));
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(box, 6 * scale_, 6 * scale_);
  p.setPen(kNameColour);
  p.setFont(panel.font);
  const qreal pad = kContractPadding * scale_;
  qreal top = box.top() + (box.height() - panel.heights[0] - panel.heights[1] - panel.heights[2]) / 2;
  for (int i = 0; i < 3; ++i) {
    p.drawText(QRectF(box.left() + pad, top, box.width() - 2 * pad, panel.heights[i]),
               Qt::AlignLeft | Qt::TextWordWrap, panel.lines[i]);
    top += panel.heights[i];
  }
}

void TableView::PaintLastTrick(QPainter& p, qreal dpr) {
  // Over the centre of the table: the four cards where they were played, who played each, and
  // who won the trick.
  const auto& c = layout::kTrickArea;
  const QRectF centre = ToPixels(c.left, c.top, c.width, c.height);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(8, 60, 28, 235));
  p.drawRoundedRect(centre, 18 * scale_, 18 * scale_);
  p.setFont(ScaledFont(11, true));
  for (const Play& play : t_.LastTrick) {
    if (play.seat < 0 || play.seat > 3 || play.card < 1 || play.card > kCards) continue;
    const auto& at = kCentre[play.seat];
    const QRectF r = ToPixels(at.left, at.top, layout::kCardWidth, layout::kCardHeight);
    p.drawPixmap(r.topLeft(), art_.Picture(play.card, r.size().toSize(), dpr));
    if (play.seat == t_.LastTrickWinner) {
      p.setPen(QPen(kTurnColour, 3 * scale_));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(r.adjusted(-2, -2, 2, 2), 5 * scale_, 5 * scale_);
    }
    p.setPen(kNameColour);
    const QRectF name(r.left() - 40 * scale_, r.bottom(), r.width() + 80 * scale_, 16 * scale_);
    p.drawText(name, Qt::AlignHCenter | Qt::AlignTop,
               p.fontMetrics().elidedText(QString::fromStdString(t_.pointsNames[play.seat]), Qt::ElideRight,
                                          static_cast<int>(name.width())));
  }
  // In the top left corner, clear of North's card: wrapped, a long name shortened.
  p.setPen(kNameColour);
  const QRectF north = ToPixels(kCentre[kNorth].left, kCentre[kNorth].top, layout::kCardWidth, layout::kCardHeight);
  const QRectF corner(centre.left() + 8 * scale_, centre.top() + 6 * scale_,
                      north.left() - centre.left() - 16 * scale_, north.height());
  const QString winner = p.fontMetrics().elidedText(QString::fromStdString(t_.pointsNames[t_.LastTrickWinner]),
                                                    Qt::ElideRight, static_cast<int>(corner.width()));
  p.drawText(corner, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, "Last trick \u2014 won by " + winner);
}

}  // namespace solo::ui
