#include "ui/ReplayView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "game/HandAnalysis.h"
#include "game/Replay.h"
#include "table/Trumps.h"
#include "ui/HistoryParts.h"
#include "ui/WindowFit.h"

namespace solo::ui {

// The table of the replay: it paints one step of the hand.
class ReplayTable : public QWidget {
 public:
  explicit ReplayTable(const HandRecord& hand) : hand_(hand) {
    // As tall as 560 where there is room; no less than the fans and the trick need.
    setMinimumSize(860, 480);
    setAccessibleName("The replayed hand");
  }
  QSize sizeHint() const override { return {860, 560}; }
  void Set(const ReplayStep& step) {
    step_ = step;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0x0b, 0x6b, 0x32));
    const QSize card(58, 82);
    const int overlap = 19;
    const qreal dpr = devicePixelRatioF();
    const int fan = overlap * 12 + card.width();
    const int w = width(), h = height();
    // Where each seat's fan of cards begins, and where its card lies in the trick.
    const QPoint hands[4] = {{(w - fan) / 2, h - card.height() - 34},
                             {16, (h - card.height()) / 2},
                             {(w - fan) / 2, 30},
                             {w - fan - 16, (h - card.height()) / 2}};
    const QPoint centre(w / 2 - card.width() / 2, h / 2 - card.height() / 2);
    const QPoint trick[4] = {centre + QPoint(0, 52), centre + QPoint(-72, 0), centre + QPoint(0, -52),
                             centre + QPoint(72, 0)};
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    for (int seat = 0; seat < 4; ++seat) {
      const auto& held = step_.held[seat];
      int x = hands[seat].x();
      for (int c : held) {
        p.drawPixmap(QPoint(x, hands[seat].y()), art_.Picture(c, card, dpr));
        x += overlap;
      }
      const QString rest = QString("%1 \u2014 %2 trick%3")
                               .arg(seat == hand_.declarer  ? " (declarer)"
                                    : seat == hand_.partner ? " (partner)"
                                                            : "")
                               .arg(step_.tricksWon[seat])
                               .arg(step_.tricksWon[seat] == 1 ? "" : "s");
      // South's and North's labels may take the view's width, West's and East's stay over their
      // cards; a long name is shortened to fit, never the rest of the label (it was cut at both
      // ends).
      const int left = seat % 2 == 0 ? 16 : hands[seat].x(), room = seat % 2 == 0 ? w - 32 : fan;
      const QString label = p.fontMetrics().elidedText(QString::fromStdString(SeatName(hand_, seat)), Qt::ElideRight,
                                                       room - p.fontMetrics().horizontalAdvance(rest)) +
                            rest;
      const QRect under(left, hands[seat].y() + card.height() + 2, room, 22);
      const QRect over(left, hands[seat].y() - 24, room, 22);
      p.setPen(seat == step_.winner ? QColor(0xff, 0xd7, 0x4a) : Qt::white);
      p.drawText(seat == 2 ? under : over, Qt::AlignCenter, label);
      if (step_.played[seat]) {
        p.drawPixmap(trick[seat], art_.Picture(step_.played[seat], card, dpr));
        if (seat == step_.winner) {
          p.setPen(QPen(QColor(0xff, 0xd7, 0x4a), 3));
          p.drawRoundedRect(QRect(trick[seat], card).adjusted(-3, -3, 3, 3), 6, 6);
        }
      }
    }
  }

 private:
  const HandRecord& hand_;
  ReplayStep step_;
  CardArt art_;
};

ReplayView::ReplayView(QWidget* parent, HandRecord hand) : QDialog(parent), hand_(std::move(hand)) {
  setWindowTitle(QString("Replay: hand %1").arg(hand_.hand));
  auto* layout = new QVBoxLayout(this);
  const QString contract = QString::fromStdString(ContractWords(hand_));
  const QString summary =
      hand_.contract > 0
          ? QString("%1 \u2014 %2 by %3, %4 (trumps: %5). Dealt by %6.")
                .arg(LocalTime(hand_.when), contract,
                     QString::fromStdString(SeatName(hand_, hand_.declarer) +
                                            (hand_.partner >= 0 ? " and " + SeatName(hand_, hand_.partner) : "")),
                     QString::fromStdString(ResultWords(hand_)), SuitWords(hand_.trumps),
                     QString::fromStdString(SeatName(hand_, hand_.dealer)))
          : QString("%1 \u2014 %2. Dealt by %3.")
                .arg(LocalTime(hand_.when), QString::fromStdString(ResultWords(hand_)),
                     QString::fromStdString(SeatName(hand_, hand_.dealer)));
  // Under the Standard rules every player saw the trump card turned up in the dealer's hand.
  const QString turnedUp = hand_.turnedUp >= 1 && hand_.turnedUp <= kCards
                               ? QString(" The %1 was turned up.").arg(QString::fromStdString(CardWords(hand_.turnedUp)))
                               : QString();
  // The lines name the players: their own text, never read as markup.
  auto* title = new QLabel(summary + turnedUp);
  title->setTextFormat(Qt::PlainText);
  title->setWordWrap(true);
  layout->addWidget(title);
  auto* bids = new QLabel("Bids: " + QString::fromStdString(BidsWords(hand_)));
  bids->setTextFormat(Qt::PlainText);
  bids->setWordWrap(true);
  layout->addWidget(bids);
  table_ = new ReplayTable(hand_);
  layout->addWidget(table_, 1);
  auto* row = new QHBoxLayout;
  back_ = new QPushButton("\u25c0 Back");
  forward_ = new QPushButton("Forward \u25b6");
  caption_ = new QLabel;
  caption_->setTextFormat(Qt::PlainText);
  for (QPushButton* b : {back_, forward_}) b->setFocusPolicy(Qt::NoFocus);
  row->addWidget(back_);
  row->addWidget(caption_, 1, Qt::AlignCenter);
  row->addWidget(forward_);
  layout->addLayout(row);
  // The arrow keys step the tricks: no button or scrolled line may take the focus and use them
  // to move the focus or scroll. The window holds it, and the analysis has its Alt+W.
  analyse_ = new QPushButton("&Where was it lost?");
  analyse_->setFocusPolicy(Qt::NoFocus);
  analyse_->setToolTip("Every card checked with all four hands known: the cards that decided the hand");
  analyse_->setEnabled(hand_.damage.empty() && hand_.contract > 0 && !hand_.tricks.empty());

  analysis_ = new QLabel;
  analysis_->setTextFormat(Qt::PlainText);
  analysis_->setWordWrap(true);
  analysis_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  analysis_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(analyse_, 0, Qt::AlignLeft);
  // A hand turned by many cards has many lines: they scroll within four, so that the window does
  // not grow past a small screen's edge.
  auto* lines = new QScrollArea;
  lines->setWidget(analysis_);
  lines->setWidgetResizable(true);
  lines->setFrameShape(QFrame::NoFrame);
  lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lines->setFixedHeight(4 * fontMetrics().lineSpacing() + 4);
  lines->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(lines);
  setFocusPolicy(Qt::StrongFocus);
  setFocus();
  connect(analyse_, &QPushButton::clicked, this, [this] { Analyse(); });
  connect(back_, &QPushButton::clicked, this, [this] { ShowStep(step_ - 1); });
  connect(forward_, &QPushButton::clicked, this, [this] { ShowStep(step_ + 1); });
  ShowStep(0);
  resize(WithinScreen(this, sizeHint()));
}

QString ReplayView::caption() const { return caption_->text(); }

QString ReplayView::analysisText() const { return analysis_->text(); }

ReplayView::~ReplayView() {
  stopAnalysis_ = true;
  if (analyser_.joinable()) analyser_.join();
}

void ReplayView::Analyse(std::function<void()> done) {
  if (analyser_.joinable()) return;  // one analysis a view
  analyse_->setEnabled(false);
  analysis_->setText("Checking every card with all four hands known\u2026");
  // The work has its own copy of the hand and reports on the window's thread. The view waits
  // for it when it closes, so the report, queued to the view, is dropped with it.
  analyser_ = std::thread([this, hand = hand_, done = std::move(done)] {
    Solver solver;
    const HandAnalysis analysis = AnalyseHand(hand, solver, kAnalysisNodeLimit, &stopAnalysis_);
    if (stopAnalysis_) return;
    QStringList lines;
    for (const CardVerdict& v : analysis.cards)
      if (v.changed())
        lines << QString("Trick %1: %2.").arg(v.trick + 1).arg(QString::fromStdString(VerdictWords(hand, v)));
    if (lines.isEmpty())
      lines << (analysis.complete ? "No card changed the outcome: the deal decided it, whatever was played."
                                  : "No card was found to change the outcome.");
    if (!analysis.complete) lines << "(Some early positions were too large to solve exactly and are left out.)";
    QMetaObject::invokeMethod(this, [this, text = lines.join("\n"), done] {
      analysis_->setText(text);
      if (done) done();
    }, Qt::QueuedConnection);
  });
}

void ReplayView::ShowStep(int step) {
  const ReplayStep at = ReplayAt(hand_, step);
  step_ = at.trick;
  table_->Set(at);
  const int tricks = ReplaySteps(hand_) - 1;
  if (step_ == 0)
    caption_->setText(tricks ? QString("The deal \u2014 %1 tricks follow").arg(tricks) : "The deal \u2014 no trick was played");
  else
    caption_->setText(QString("Trick %1 of %2: led by %3, won by %4")
                          .arg(step_)
                          .arg(tricks)
                          .arg(QString::fromStdString(SeatName(hand_, at.leader)),
                               QString::fromStdString(SeatName(hand_, at.winner))));
  back_->setEnabled(step_ > 0);
  forward_->setEnabled(step_ < tricks);
}

void ReplayView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left: ShowStep(step_ - 1); break;
    case Qt::Key_Right: ShowStep(step_ + 1); break;
    case Qt::Key_Home: ShowStep(0); break;
    case Qt::Key_End: ShowStep(ReplaySteps(hand_) - 1); break;
    default: QDialog::keyPressEvent(event);
  }
}

}  // namespace solo::ui
