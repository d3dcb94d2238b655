#include "ui/TableView.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "table/TableLayout.h"

namespace solo::ui {

namespace {

constexpr double kTw = layout::kTwipsPerPixel;

// The bid options: caption, tooltip. The index is the bid's code.
struct OptionText {
  const char* caption;
  const char* tooltip;
};
constexpr OptionText kOptions[7] = {
    {"PASS- make no bid.", "Click this option button to Pass"},
    {"SOLO - win five tricks - 1 Unit", "Click this option button to bid 5 tricks"},
    {"MISERE - win no tricks - no trumps - 2 Units", "Click here bid Misere"},
    {"ABUNDANCE OPEN-Nine tricks-choose trumps-3 Units", "Click here to bid Abundance Open"},
    {"ABUNDANCE TRUMPS-Nine tricks-current trumps-3 Units", "Click here to bid Abundance Trumps"},
    {"MISERE OVERTE-No  tricks - no trumps, face up - 4 Units", "Click here to bid Misere Open"},
    {"ABUNDANCE DECLARED-Win all tricks-no trumps-6 Units", "Click here to bid Abundance Declared"},
};

struct SuitButtonText {
  const char* caption;
  const char* tooltip;
};
constexpr SuitButtonText kSuitButtons[5] = {
    {"", ""},
    {"Di&amonds", "Click here to make Diamonds as trumps"},
    {"C&lubs", "Click here to make Clubs trumps"},
    {"&Hearts", "Click here to make Hearts trumps"},
    {"Spa&des", "Click here to make Spades Trumps"},
};

// Places inside the bid panel and the trump panel (twips, relative to the frame).
constexpr layout::Rect OptionRect(int i) { return {180, 330 + 390 * i, 5160, 360}; }
constexpr layout::Rect kPictrumps2 = {5280, 300, 615, 495};
constexpr layout::Rect kBidButton = {3960, 3180, 1860, 540};
constexpr layout::Rect kLblconfirm = {180, 3120, 3660, 720};
constexpr layout::Rect OtherBidsRect(int seat) { return {180, 3930 + 480 * (seat - 1), 5640, 420}; }
constexpr layout::Rect MarriageRect(int i) { return {180 + ((i - 1) % 2) * 1320, 540 + ((i - 1) / 2) * 780, 1200, 600}; }

const QColor kFeltTop(22, 110, 52), kFeltBottom(10, 78, 36), kMargin(6, 52, 24);
const QColor kNameColour(255, 244, 190);
const QColor kTurnColour(255, 215, 0);
// Where each seat's card lies in the centre of the table (as the trick is played).
constexpr layout::Rect kCentre[4] = {{5040, 4920, 0, 0}, {3000, 3720, 0, 0}, {5040, 2880, 0, 0}, {7080, 3720, 0, 0}};
// The contract panel, in the free space above the trump sign.
constexpr layout::Rect kContractPanel = {180, 8120, 3180, 900};
const QColor kPanelColour(236, 233, 216);

// The frames stand in front of the table: opaque, with dark text.
void MakeOpaque(QWidget* frame) {
  QPalette pal = frame->palette();
  pal.setColor(QPalette::Window, kPanelColour);
  pal.setColor(QPalette::WindowText, Qt::black);
  frame->setPalette(pal);
  frame->setAutoFillBackground(true);
}

}  // namespace

TableView::TableView(const Table& table, QWidget* parent) : QWidget(parent), t_(table) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  setMinimumSize(480, 334);

  list_ = new QListWidget(this);
  list_->setFocusPolicy(Qt::NoFocus);
  list_->setSelectionMode(QAbstractItemView::NoSelection);
  // A line too long for the list is cut short rather than scrolled sideways.
  list_->setTextElideMode(Qt::ElideRight);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  money_ = new QGroupBox("Points or Money", this);
  MakeOpaque(money_);
  for (int seat = 0; seat < 4; ++seat) {
    monName_[seat] = new QLabel(money_);
    moneyLabel_[seat] = new QLabel(money_);
    moneyLabel_[seat]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  BuildBidPanel();
  BuildTrumpPanel();
  shakeTimer_ = new QTimer(this);
  shakeTimer_->setInterval(30);
  connect(shakeTimer_, &QTimer::timeout, this, [this] {
    if (++shakeStep_ >= 10) {
      shaking_ = 0;
      shakeTimer_->stop();
    }
    update();
  });
  setAccessibleName("Card table");
  list_->setAccessibleName("Cards played");
  money_->setAccessibleName("Points");
  Mirror();
}

void TableView::Highlight(int card) {
  highlighted_ = card;
  setFocus();
  update();
}

void TableView::Shake(int card) {
  shaking_ = card;
  shakeStep_ = 0;
  shakeTimer_->start();
}

void TableView::ShowLastTrick() {
  if (t_.LastTrickWinner < 0) return;
  lastTrickShown_ = true;
  update();
}

void TableView::HideLastTrick() {
  lastTrickShown_ = false;
  update();
}

QSize TableView::sizeHint() const {
  return QSize(qRound(layout::kTableWidth / kTw), qRound(layout::kTableHeight / kTw));
}

void TableView::BuildBidPanel() {
  biding_ = new QGroupBox("Select your bid by clicking circle on left and then The Bid button", this);
  biding_->setObjectName("bidPanel");
  MakeOpaque(biding_);
  auto* group = new QButtonGroup(biding_);
  for (int i = 0; i < 7; ++i) {
    optBid_[i] = new QRadioButton(kOptions[i].caption, biding_);
    optBid_[i]->setToolTip(kOptions[i].tooltip);
    group->addButton(optBid_[i], i);
    // A click, or the arrow keys moving the choice, selects the option.
    connect(optBid_[i], &QRadioButton::clicked, this, [this, i] {
      if (optionClicked) optionClicked(i);
    });
    connect(optBid_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on && optionClicked) optionClicked(i);
    });
  }
  cnfBid_ = new QPushButton(biding_);
  cnfBid_->setObjectName("bidButton");
  connect(cnfBid_, &QPushButton::clicked, this, [this] {
    if (confirmClicked) confirmClicked();
  });
  confirm_ = new QLabel("Click Bid button on right to  confirm your bid or go back and select a different bid.", biding_);
  confirm_->setWordWrap(true);
  pictrumps2_ = new QLabel(biding_);
  for (int seat = 1; seat <= 3; ++seat) otherBids_[seat] = new QLabel(biding_);
  biding_->hide();
}

void TableView::BuildTrumpPanel() {
  trumps_ = new QGroupBox("Select your suit for trumps", this);
  trumps_->setObjectName("trumpsPanel");
  MakeOpaque(trumps_);
  for (int i = 1; i <= 4; ++i) {
    marriage_[i] = new QPushButton(kSuitButtons[i].caption, trumps_);
    marriage_[i]->setToolTip(kSuitButtons[i].tooltip);
    connect(marriage_[i], &QPushButton::clicked, this, [this, i] {
      if (suitClicked) suitClicked(i);
    });
  }
  trumps_->hide();
}

QFont TableView::ScaledFont(double pixelsAtOne, bool bold, bool serif) const {
  // A narrow sans-serif face (Arial's metrics) keeps the captions within their places.
  QFont f(serif ? "Times New Roman" : "Arial");
  f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
  f.setPixelSize(std::max(7, static_cast<int>(pixelsAtOne * scale_ + 0.5)));
  f.setBold(bold);
  return f;
}

QRectF TableView::ToPixels(int left, int top, int width, int height) const {
  return QRectF(origin_.x() + left / kTw * scale_, origin_.y() + top / kTw * scale_, width / kTw * scale_,
                height / kTw * scale_);
}

void TableView::Place(QWidget* w, int left, int top, int width, int height, QWidget* frame) {
  // Inside a frame the position is relative to the frame; the frame's own origin is the
  // table's, so only the scale applies.
  QRectF r = frame ? QRectF(left / kTw * scale_, top / kTw * scale_, width / kTw * scale_, height / kTw * scale_)
                   : ToPixels(left, top, width, height);
  w->setGeometry(r.toAlignedRect());
}

void TableView::PlaceAll() {
  const double sx = width() / (layout::kTableWidth / kTw), sy = height() / (layout::kTableHeight / kTw);
  scale_ = std::min(sx, sy);
  origin_ = QPointF((width() - layout::kTableWidth / kTw * scale_) / 2,
                    (height() - layout::kTableHeight / kTw * scale_) / 2);

  const QFont normal = ScaledFont(12), bold = ScaledFont(12, true);
  Place(list_, layout::kLstCardsPlayed.left, layout::kLstCardsPlayed.top, layout::kLstCardsPlayed.width,
        layout::kLstCardsPlayed.height);
  list_->setFont(ScaledFont(11));
  Place(money_, layout::kFramMoney.left, layout::kFramMoney.top, layout::kFramMoney.width, layout::kFramMoney.height);
  money_->setFont(bold);
  for (int seat = 0; seat < 4; ++seat) {
    const auto n = layout::pointsNames(seat), m = layout::pointsShown(seat);
    Place(monName_[seat], n.left, n.top, n.width, n.height, money_);
    Place(moneyLabel_[seat], m.left, m.top, m.width, m.height, money_);
    monName_[seat]->setFont(normal);
    moneyLabel_[seat]->setFont(bold);
  }

  Place(biding_, layout::kFramBiding.left, layout::kFramBiding.top, layout::kFramBiding.width,
        layout::kFramBiding.height);
  biding_->setFont(ScaledFont(10));
  for (int i = 0; i < 7; ++i) {
    const auto r = OptionRect(i);
    Place(optBid_[i], r.left, r.top, r.width, r.height, biding_);
    optBid_[i]->setFont(ScaledFont(10.5));
  }
  Place(cnfBid_, kBidButton.left, kBidButton.top, kBidButton.width, kBidButton.height, biding_);
  cnfBid_->setFont(ScaledFont(12, true));
  Place(confirm_, kLblconfirm.left, kLblconfirm.top, kLblconfirm.width, kLblconfirm.height, biding_);
  confirm_->setFont(ScaledFont(11, false));
  Place(pictrumps2_, kPictrumps2.left, kPictrumps2.top, kPictrumps2.width, kPictrumps2.height, biding_);
  for (int seat = 1; seat <= 3; ++seat) {
    const auto r = OtherBidsRect(seat);
    Place(otherBids_[seat], r.left, r.top, r.width, r.height, biding_);
    otherBids_[seat]->setFont(ScaledFont(11.5, true));
  }

  Place(trumps_, layout::kFramTrumps.left, layout::kFramTrumps.top, layout::kFramTrumps.width,
        layout::kFramTrumps.height);
  trumps_->setFont(ScaledFont(11.5, true));
  for (int i = 1; i <= 4; ++i) {
    const auto r = MarriageRect(i);
    Place(marriage_[i], r.left, r.top, r.width, r.height, trumps_);
    marriage_[i]->setFont(ScaledFont(12, true));
  }
}

void TableView::resizeEvent(QResizeEvent*) {
  PlaceAll();
  Mirror();
}

void TableView::Mirror() {
  // The played-cards list only grows during a hand and is emptied for the next one.
  if (t_.playedList.size() < listShown_) {
    list_->clear();
    listShown_ = 0;
  }
  if (t_.playedList.size() > listShown_) {
    for (; listShown_ < t_.playedList.size(); ++listShown_)
      list_->addItem(QString::fromStdString(t_.playedList[listShown_]));
    list_->scrollToBottom();
  }
  for (int seat = 0; seat < 4; ++seat) {
    // A long name ends in "…" rather than being cut off.
    const QString name = QString::fromStdString(t_.pointsNames[seat]);
    monName_[seat]->setText(monName_[seat]->fontMetrics().elidedText(name, Qt::ElideRight, monName_[seat]->width()));
    monName_[seat]->setToolTip(name);
    moneyLabel_[seat]->setText(QString::fromStdString(t_.pointsShown[seat]));
  }

  const bool bidOpening = t_.bidPanelVisible && !biding_->isVisible();
  biding_->setVisible(t_.bidPanelVisible);
  if (t_.bidPanelVisible) {
    biding_->raise();
    for (int i = 0; i < 7; ++i) {
      QSignalBlocker block(optBid_[i]);
      optBid_[i]->setChecked(t_.selectedBid == i);
    }
    // The caption is never clipped: its font shrinks until it fits the button.
    const QString caption = QString::fromStdString(t_.bidButton);
    QFont font = ScaledFont(12, true);
    while (font.pixelSize() > 7 && QFontMetrics(font).horizontalAdvance(caption) > cnfBid_->width() - 8)
      font.setPixelSize(font.pixelSize() - 1);
    cnfBid_->setFont(font);
    cnfBid_->setText(caption);
    cnfBid_->setAccessibleName(caption);
    confirm_->setVisible(t_.bidConfirmVisible);
    const QRectF sign = QRectF(0, 0, kPictrumps2.width / kTw * scale_, kPictrumps2.height / kTw * scale_);
    pictrumps2_->setPixmap(t_.bidPanelTrumpsSign ? art_.Picture(t_.bidPanelTrumpsSign, sign.size().toSize(), devicePixelRatioF())
                                         : QPixmap());
    for (int seat = 1; seat <= 3; ++seat) otherBids_[seat]->setText(QString::fromStdString(t_.otherBids[seat]));
    if (bidOpening && t_.selectedBid >= 0) optBid_[t_.selectedBid]->setFocus();
  }
  const bool trumpsOpening = t_.trumpsPanelVisible && !trumps_->isVisible();
  trumps_->setVisible(t_.trumpsPanelVisible);
  if (t_.trumpsPanelVisible) {
    trumps_->raise();
    if (trumpsOpening) marriage_[1]->setFocus();
  }
  // Once the panels are closed the keys go to the table again, for keyboard play.
  if (!t_.bidPanelVisible && !t_.trumpsPanelVisible && !hasFocus()) setFocus();
  // A highlighted card that has left South's hand is forgotten.
  if (highlighted_ && (!t_.cards[highlighted_].Visible || t_.cards[highlighted_].Picture != highlighted_)) highlighted_ = 0;
  update();
}

std::vector<TableView::Described> TableView::Describe() const {
  std::vector<Described> shown;
  constexpr int kSouthRowTop = 6600;  // South's hand lies face up along this row
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
    const auto& c = kContractPanel;
    for (const std::string& line : t_.Contract)
      shown.push_back({QString::fromStdString(line), ToPixels(c.left, c.top, c.width, c.height).toAlignedRect()});
  }
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
  p.fillRect(rect(), kMargin);
  const QRectF table = ToPixels(0, 0, layout::kTableWidth, layout::kTableHeight);
  QLinearGradient felt(table.topLeft(), table.bottomLeft());
  felt.setColorAt(0, kFeltTop);
  felt.setColorAt(1, kFeltBottom);
  p.fillRect(table, felt);

  // The centre of the table, where the tricks are played.
  const auto& c = layout::kShape1;
  p.setPen(QPen(QColor(255, 255, 255, 60), std::max(1.0, 2 * scale_)));
  p.setBrush(QColor(0, 0, 0, 28));
  p.drawRoundedRect(ToPixels(c.left, c.top, c.width, c.height), 18 * scale_, 18 * scale_);

  const qreal dpr = devicePixelRatioF();
  // The trick piles, then the cards, each in stacking order.
  std::vector<const PileBox*> piles;
  for (int n = 1; n <= 13; ++n)
    if (t_.trickPiles[n].Visible) piles.push_back(&t_.trickPiles[n]);
  std::sort(piles.begin(), piles.end(), [](auto a, auto b) { return a->Z < b->Z; });
  for (const PileBox* pile : piles) {
    const QRectF r = ToPixels(pile->Left, pile->Top, layout::kCardHeight, layout::kCardWidth);
    p.drawPixmap(r.topLeft(), art_.Picture(kPictureGathered, r.size().toSize(), dpr));
  }
  std::vector<int> cards;
  for (int n = 1; n <= kCards; ++n)
    if (t_.cards[n].Visible) cards.push_back(n);
  std::sort(cards.begin(), cards.end(), [this](int a, int b) { return t_.cards[a].Z < t_.cards[b].Z; });
  for (int n : cards) {
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
  PaintTurn(p);
  PaintContract(p);
  // Names and the trump display, above the cards so the start-up pile does not hide a name;
  // a soft shadow keeps them readable where they cross a card.
  p.setFont(ScaledFont(13, true));
  const auto caption = [&](const QRectF& box, const std::string& text) {
    const QString s = QString::fromStdString(text);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const qreal d = std::max(1.0, scale_);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(box.translated(d, d), flags, s);
    p.setPen(kNameColour);
    p.drawText(box, flags, s);
  };
  for (int seat = 0; seat < 4; ++seat) {
    const auto& r = layout::kLblName[seat];
    caption(ToPixels(r.left, r.top, 20000, r.height), t_.nameCaptions[seat]);
  }
  if (t_.trumpsCaptionVisible) {
    const auto& r = layout::kLblTrumps;
    caption(ToPixels(r.left, r.top, r.width + 200, r.height), t_.trumpsCaption);
  }
  if (t_.trumpsSignVisible && t_.trumpsSign) {
    const auto& r = layout::kImgTrumps;
    const QRectF sign = ToPixels(r.left, r.top, r.width, r.height);
    p.drawPixmap(sign.topLeft(), art_.Picture(t_.trumpsSign, sign.size().toSize(), dpr));
  }

  if (lastTrickShown_) PaintLastTrick(p, dpr);

  if (highlighted_ && hasFocus()) {
    // The card picked with the keyboard is lifted out of the row, whole, with a gold edge.
    const QRectF r = CardRect(t_.cards[highlighted_], highlighted_).translated(0, -14 * scale_);
    p.drawPixmap(r.topLeft(), art_.Picture(highlighted_, r.size().toSize(), dpr));
    p.setPen(QPen(QColor(255, 215, 0), std::max(2.0, 3 * scale_)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(-1, -1, 1, 1), 5 * scale_, 5 * scale_);
  }
}

void TableView::PaintTurn(QPainter& p) {
  if (t_.Turn < 0 || t_.Turn > 3) return;
  // A soft gold glow behind the name of the seat that is to bid or play; South's is stronger.
  const auto& r = layout::kLblName[t_.Turn];
  p.setFont(ScaledFont(13, true));
  const int textWidth = p.fontMetrics().horizontalAdvance(QString::fromStdString(t_.nameCaptions[t_.Turn]));
  const QRectF box = ToPixels(r.left, r.top, 0, r.height).adjusted(-6 * scale_, -3 * scale_, 0, 3 * scale_);
  const QRectF glow(box.topLeft(), QSizeF(textWidth + 12 * scale_, box.height()));
  const bool south = t_.Turn == 0;
  p.setPen(QPen(kTurnColour, (south ? 3 : 2) * scale_));
  p.setBrush(QColor(255, 215, 0, south ? 90 : 50));
  p.drawRoundedRect(glow, 8 * scale_, 8 * scale_);
}

void TableView::PaintContract(QPainter& p) {
  if (!t_.ContractVisible) return;
  const auto& c = kContractPanel;
  const QRectF box = ToPixels(c.left, c.top, c.width, c.height);
  p.setPen(QPen(QColor(255, 255, 255, 90), std::max(1.0, scale_)));
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(box, 6 * scale_, 6 * scale_);
  p.setFont(ScaledFont(11, true));
  p.setPen(kNameColour);
  const QRectF inner = box.adjusted(6 * scale_, 3 * scale_, -6 * scale_, -3 * scale_);
  const qreal line = inner.height() / 3;
  for (int i = 0; i < 3; ++i) {
    const QRectF row(inner.left(), inner.top() + i * line, inner.width(), line);
    const QString text = p.fontMetrics().elidedText(QString::fromStdString(t_.Contract[i]), Qt::ElideRight,
                                                    static_cast<int>(row.width()));
    p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, text);
  }
}

void TableView::PaintLastTrick(QPainter& p, qreal dpr) {
  // Over the centre of the table: the four cards where they were played, who played each, and
  // who won the trick.
  const auto& c = layout::kShape1;
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
    p.drawText(name, Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(t_.pointsNames[play.seat]));
  }
  p.setPen(kNameColour);
  const std::string& winner = t_.pointsNames[t_.LastTrickWinner];
  p.drawText(centre.adjusted(8 * scale_, 6 * scale_, -8 * scale_, 0), Qt::AlignLeft | Qt::AlignTop,
             QString::fromStdString("Last trick \u2014 won by " + winner));
}

int TableView::CardAt(QPoint point) const {
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
  if (card && cardClicked) cardClicked(card);
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
      if (biding_->isVisible()) {
        if (confirmClicked) confirmClicked();
        return;
      }
      [[fallthrough]];
    case Qt::Key_Space:
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
