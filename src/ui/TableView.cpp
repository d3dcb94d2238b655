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
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "table/TableLayout.h"

namespace solo::ui {

namespace {

constexpr double kTw = layout::kTwipsPerPixel;

// A tooltip that shows `text` as it stands: a tooltip that looks like markup is read as markup,
// and a name may look like it.
QString PlainTip(const QString& text) {
  return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}

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
// The auction's nine calls stand closer, above the bid button.
constexpr layout::Rect CallRect(int i) { return {180, 330 + 300 * i, 5160, 300}; }
constexpr layout::Rect kBidPanelSign = {5280, 300, 615, 495};
// Under the sign, right of the auction's calls (their longest caption ends near 4300).
constexpr layout::Rect kTurnedUpNote = {4500, 900, 1395, 2100};
constexpr layout::Rect kBidButton = {3960, 3180, 1860, 540};
constexpr layout::Rect kBidConfirm = {180, 3120, 3660, 720};
constexpr layout::Rect OtherBidsRect(int seat) { return {180, 3930 + 480 * (seat - 1), 5640, 420}; }
constexpr layout::Rect TrumpButtonRect(int i) { return {180 + ((i - 1) % 2) * 1320, 540 + ((i - 1) / 2) * 780, 1200, 600}; }

const QColor kPanelColour(236, 233, 216);

// The frames stand in front of the table: opaque, with dark text.
void MakeOpaque(QWidget* frame) {
  QPalette pal = frame->palette();
  pal.setColor(QPalette::Window, kPanelColour);
  pal.setColor(QPalette::WindowText, Qt::black);
  // A call that may not be made now is greyed.
  pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 150));
  pal.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 150, 150));
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
  // A line too long for the list wraps rather than losing its end (never scrolled sideways).
  list_->setWordWrap(true);
  list_->setTextElideMode(Qt::ElideNone);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  pointsPanel_ = new QGroupBox("Points or Money", this);
  MakeOpaque(pointsPanel_);
  for (int seat = 0; seat < 4; ++seat) {
    pointsName_[seat] = new QLabel(pointsPanel_);
    pointsName_[seat]->setTextFormat(Qt::PlainText);  // a name, never read as markup
    pointsLabel_[seat] = new QLabel(pointsPanel_);
    pointsLabel_[seat]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
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
  pointsPanel_->setAccessibleName("Points");
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

void TableView::PlaceBidOptions() {
  for (int i = 0; i < 9; ++i) {
    const auto r = auctionPanel_ ? CallRect(i) : OptionRect(i);
    Place(bidOptions_[i], r.left, r.top, r.width, r.height, bidPanel_);
    bidOptions_[i]->setFont(ScaledFont(auctionPanel_ ? 9.5 : 10.5));
  }
}

void TableView::BuildBidPanel() {
  bidPanel_ = new QGroupBox("Select your bid by clicking circle on left and then The Bid button", this);
  bidPanel_->setObjectName("bidPanel");
  MakeOpaque(bidPanel_);
  auto* group = new QButtonGroup(bidPanel_);
  for (int i = 0; i < 9; ++i) {
    bidOptions_[i] = new QRadioButton(i < 7 ? kOptions[i].caption : "", bidPanel_);
    bidOptions_[i]->setToolTip(i < 7 ? kOptions[i].tooltip : "");
    bidOptions_[i]->setVisible(i < 7);
    group->addButton(bidOptions_[i], i);
    // A click, or the arrow keys moving the choice, selects the option.
    connect(bidOptions_[i], &QRadioButton::clicked, this, [this, i] {
      if (optionClicked) optionClicked(i);
    });
    connect(bidOptions_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on && optionClicked) optionClicked(i);
    });
  }
  bidButton_ = new QPushButton(bidPanel_);
  bidButton_->setObjectName("bidButton");
  connect(bidButton_, &QPushButton::clicked, this, [this] {
    if (confirmClicked) confirmClicked();
  });
  confirm_ = new QLabel("Click Bid button on right to  confirm your bid or go back and select a different bid.", bidPanel_);
  confirm_->setWordWrap(true);
  bidPanelSign_ = new QLabel(bidPanel_);
  turnedUpNote_ = new QLabel(bidPanel_);
  turnedUpNote_->setTextFormat(Qt::PlainText);
  turnedUpNote_->setWordWrap(true);
  turnedUpNote_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  // A click there still selects the call whose row it lies on.
  turnedUpNote_->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (int seat = 1; seat <= 3; ++seat) {
    otherBids_[seat] = new QLabel(bidPanel_);
    otherBids_[seat]->setTextFormat(Qt::PlainText);
  }
  bidPanel_->hide();
}

void TableView::BuildTrumpPanel() {
  trumps_ = new QGroupBox("Select your suit for trumps", this);
  trumps_->setObjectName("trumpsPanel");
  MakeOpaque(trumps_);
  for (int i = 1; i <= 4; ++i) {
    trumpButtons_[i] = new QPushButton(kSuitButtons[i].caption, trumps_);
    trumpButtons_[i]->setToolTip(kSuitButtons[i].tooltip);
    connect(trumpButtons_[i], &QPushButton::clicked, this, [this, i] {
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
  Place(list_, layout::kPlayedList.left, layout::kPlayedList.top, layout::kPlayedList.width,
        layout::kPlayedList.height);
  list_->setFont(ScaledFont(11));
  Place(pointsPanel_, layout::kPointsPanel.left, layout::kPointsPanel.top, layout::kPointsPanel.width, layout::kPointsPanel.height);
  pointsPanel_->setFont(bold);
  for (int seat = 0; seat < 4; ++seat) {
    // The names are placed as they are written (by their points' width).
    const auto m = layout::PointsRect(seat);
    Place(pointsLabel_[seat], m.left, m.top, m.width, m.height, pointsPanel_);
    pointsName_[seat]->setFont(normal);
    pointsLabel_[seat]->setFont(bold);
  }

  Place(bidPanel_, layout::kBidPanel.left, layout::kBidPanel.top, layout::kBidPanel.width,
        layout::kBidPanel.height);
  bidPanel_->setFont(ScaledFont(10));
  PlaceBidOptions();
  Place(bidButton_, kBidButton.left, kBidButton.top, kBidButton.width, kBidButton.height, bidPanel_);
  bidButton_->setFont(ScaledFont(12, true));
  Place(confirm_, kBidConfirm.left, kBidConfirm.top, kBidConfirm.width, kBidConfirm.height, bidPanel_);
  confirm_->setFont(ScaledFont(11, false));
  Place(bidPanelSign_, kBidPanelSign.left, kBidPanelSign.top, kBidPanelSign.width, kBidPanelSign.height, bidPanel_);
  Place(turnedUpNote_, kTurnedUpNote.left, kTurnedUpNote.top, kTurnedUpNote.width, kTurnedUpNote.height, bidPanel_);
  turnedUpNote_->setFont(ScaledFont(11, false));
  for (int seat = 1; seat <= 3; ++seat) {
    const auto r = OtherBidsRect(seat);
    Place(otherBids_[seat], r.left, r.top, r.width, r.height, bidPanel_);
    otherBids_[seat]->setFont(ScaledFont(11.5, true));
  }

  Place(trumps_, layout::kTrumpsPanel.left, layout::kTrumpsPanel.top, layout::kTrumpsPanel.width,
        layout::kTrumpsPanel.height);
  trumps_->setFont(ScaledFont(11.5, true));
  for (int i = 1; i <= 4; ++i) {
    const auto r = TrumpButtonRect(i);
    Place(trumpButtons_[i], r.left, r.top, r.width, r.height, trumps_);
    trumpButtons_[i]->setFont(ScaledFont(12, true));
  }
}

void TableView::resizeEvent(QResizeEvent*) {
  PlaceAll();
  Mirror();
}

// The played-cards list (it only grows during a hand and is emptied for the next one) and the
// points panel.
void TableView::MirrorListAndPoints() {
  if (t_.playedList.size() < listShown_) {
    list_->clear();
    listShown_ = 0;
  }
  if (t_.playedList.size() > listShown_) {
    for (; listShown_ < t_.playedList.size(); ++listShown_) {
      const QString line = QString::fromStdString(t_.playedList[listShown_]);
      list_->addItem(line);
      list_->item(list_->count() - 1)->setToolTip(PlainTip(line));
    }
    list_->scrollToBottom();
  }
  for (int seat = 0; seat < 4; ++seat) {
    const QString points = QString::fromStdString(t_.pointsShown[seat]);
    pointsLabel_[seat]->setText(points);
    // A long name takes the room its points leave beside it, and only beyond that ends in "…"
    // rather than being cut off.
    QLabel* name = pointsName_[seat];
    const auto own = layout::PointsNameRect(seat), figure = layout::PointsRect(seat);
    const qreal room = (figure.left + figure.width - own.left) / kTw * scale_ -
                       pointsLabel_[seat]->fontMetrics().horizontalAdvance(points) -
                       2 * name->fontMetrics().horizontalAdvance(' ');
    Place(name, own.left, own.top, own.width, own.height, pointsPanel_);
    if (room > name->width()) name->resize(static_cast<int>(room), name->height());
    const QString full = QString::fromStdString(t_.pointsNames[seat]);
    name->setText(name->fontMetrics().elidedText(full, Qt::ElideRight, name->width()));
    name->setToolTip(PlainTip(full));
  }
}

// The bid panel's calls or bids, its button and sign, and the others' bids under them.
void TableView::MirrorBidPanel(bool opening) {
  bidPanel_->raise();
  // The auction's calls, or the Classic bids: what the panel offers follows the table.
  const bool auction = !t_.callLabels.empty();
  if (auction != auctionPanel_) {
    auctionPanel_ = auction;
    PlaceBidOptions();
  }
  for (int i = 0; i < 9; ++i) {
    QSignalBlocker block(bidOptions_[i]);
    if (auction) {
      const QString label = i < static_cast<int>(t_.callLabels.size()) ? QString::fromStdString(t_.callLabels[i]) : "";
      bidOptions_[i]->setText(label);
      bidOptions_[i]->setToolTip(PlainTip(label));
      bidOptions_[i]->setEnabled(t_.callsAllowed >> i & 1u);
    } else if (i < 7) {
      bidOptions_[i]->setText(kOptions[i].caption);
      bidOptions_[i]->setToolTip(kOptions[i].tooltip);
      bidOptions_[i]->setEnabled(true);
    }
    bidOptions_[i]->setVisible(auction || i < 7);
    bidOptions_[i]->setChecked(t_.selectedBid == i);
  }
  // The caption is never clipped: its font shrinks until it fits the button.
  const QString caption = QString::fromStdString(t_.bidButton);
  QFont font = ScaledFont(12, true);
  while (font.pixelSize() > 7 && QFontMetrics(font).horizontalAdvance(caption) > bidButton_->width() - 8)
    font.setPixelSize(font.pixelSize() - 1);
  bidButton_->setFont(font);
  bidButton_->setText(caption);
  bidButton_->setAccessibleName(caption);
  confirm_->setVisible(t_.bidConfirmVisible);
  const QRectF sign = QRectF(0, 0, kBidPanelSign.width / kTw * scale_, kBidPanelSign.height / kTw * scale_);
  bidPanelSign_->setPixmap(t_.bidPanelTrumpsSign ? art_.Picture(t_.bidPanelTrumpsSign, sign.size().toSize(), devicePixelRatioF())
                                       : QPixmap());
  for (int seat = 1; seat <= 3; ++seat) otherBids_[seat]->setText(QString::fromStdString(t_.otherBids[seat]));
  turnedUpNote_->setText(auction ? QString::fromStdString(t_.turnedUpNote) : QString());
  // The keys follow the selected bid, wherever it was selected from (a click, the keys, a
  // hint): what is highlighted is what Enter sends.
  if (t_.selectedBid >= 0 && (opening || t_.selectedBid != focusedBid_)) bidOptions_[t_.selectedBid]->setFocus();
  focusedBid_ = t_.selectedBid;
}

void TableView::Mirror() {
  MirrorListAndPoints();
  const bool bidOpening = t_.bidPanelVisible && !bidPanel_->isVisible();
  bidPanel_->setVisible(t_.bidPanelVisible);
  if (t_.bidPanelVisible) MirrorBidPanel(bidOpening);
  const bool trumpsOpening = t_.trumpsPanelVisible && !trumps_->isVisible();
  trumps_->setVisible(t_.trumpsPanelVisible);
  if (t_.trumpsPanelVisible) {
    trumps_->raise();
    if (trumpsOpening) trumpButtons_[1]->setFocus();
  }
  // Once the panels are closed the keys go to the table again, for keyboard play.
  if (!t_.bidPanelVisible && !t_.trumpsPanelVisible && !hasFocus()) setFocus();
  // A highlighted card that has left South's hand is forgotten.
  if (highlighted_ && (!t_.cards[highlighted_].Visible || t_.cards[highlighted_].Picture != highlighted_)) highlighted_ = 0;
  update();
}

}  // namespace solo::ui
