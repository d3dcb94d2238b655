#include "ui/StatisticsWindow.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScrollArea>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

#include "bidding/BidLadder.h"
#include "game/HandHistory.h"
#include "game/Replay.h"
#include "ui/HistoryParts.h"
#include "ui/WindowFit.h"

namespace solo::ui {

namespace {

const QColor kSeatColours[4] = {QColor(0x1f, 0x6f, 0xb4), QColor(0xc0, 0x39, 0x2b), QColor(0x27, 0x8e, 0x3c),
                                QColor(0xb9, 0x77, 0x0e)};

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

// The hands' scale: from 0 to the first round number at or past `hands`, in at most eight
// steps of 2 or 5 times a power of ten, so the lines reach most of the way across (Qt's own round
// numbers gave 60 hands a scale of 80).
void ScaleHands(QValueAxis* x, std::size_t hands) {
  const long long end = std::max<long long>(10, static_cast<long long>(hands));
  long long step = 1;
  for (int i = 0; (end + step - 1) / step > 8; ++i) step = i % 3 == 1 ? step * 5 / 2 : step * 2;  // 2, 5, 10, 20...
  const long long count = (end + step - 1) / step;
  x->setRange(0, static_cast<qreal>(count * step));
  x->setTickCount(static_cast<int>(count) + 1);
}

// The running points of each seat, with a dashed upright line where each run of the game began.
QChart* PointsChart(const Statistics& stats, const std::array<QString, 4>& names, const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(title);
  auto* x = new QValueAxis;
  auto* y = new QValueAxis;
  x->setTitleText("Hand");
  x->setLabelFormat("%d");
  y->setTitleText("Points");
  y->setLabelFormat("%d");
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  long long low = 0, high = 0;
  for (int seat = 0; seat < 4; ++seat) {
    auto* line = new QLineSeries;
    line->setName(names[seat].toHtmlEscaped());  // the legend reads markup; a name is plain text
    line->setPen(QPen(kSeatColours[seat], 2));
    // Over a few hands each hand is marked too: a single hand is a point, which no line shows.
    line->setPointsVisible(stats.points.size() <= 20);
    for (std::size_t i = 0; i < stats.points.size(); ++i) {
      line->append(static_cast<qreal>(i + 1), static_cast<qreal>(stats.points[i][seat]));
      low = std::min(low, stats.points[i][seat]);
      high = std::max(high, stats.points[i][seat]);
    }
    chart->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
  }
  const qreal margin = std::max<qreal>(2, static_cast<qreal>(high - low) / 12);
  y->setRange(static_cast<qreal>(low) - margin, static_cast<qreal>(high) + margin);
  ScaleHands(x, stats.points.size());
  // Round numbers on the points' scale.
  y->applyNiceNumbers();
  // Where a run of the game began: a dashed upright line before its first hand.
  for (const int start : stats.runStarts) {
    auto* mark = new QLineSeries;
    mark->setPen(QPen(Qt::gray, 1, Qt::DashLine));
    mark->append(start + 0.5, y->min());
    mark->append(start + 0.5, y->max());
    chart->addSeries(mark);
    mark->attachAxis(x);
    mark->attachAxis(y);
  }
  const auto markers = chart->legend()->markers();
  for (int i = 4; i < markers.size(); ++i) markers[i]->setVisible(false);
  chart->legend()->setAlignment(Qt::AlignBottom);
  return chart;
}

// One seat's table: each contract's bids, made, failed, rate and units, and a row for them all.
void FillTable(QTableWidget* table, const std::array<ContractFigures, kStatisticsRows>& rows) {
  const auto fill = [table](int row, const ContractFigures& f) {
    table->setItem(row, 0, Cell(QString::number(f.bid)));
    table->setItem(row, 1, Cell(QString::number(f.made)));
    table->setItem(row, 2, Cell(QString::number(f.failed)));
    table->setItem(row, 3, Cell(f.bid ? QString::number(100.0 * f.made / f.bid, 'f', 0) + " %" : "–"));
    const auto units = [](long long n) { return Cell(QString("%1%2").arg(n > 0 ? "+" : "").arg(n)); };
    table->setItem(row, 4, units(f.declaring));
    table->setItem(row, 5, units(f.defending));
  };
  // The last row covers every hand, thrown-in and abandoned ones too (they carry no units).
  ContractFigures all;
  for (int row = 0; row < kStatisticsRows; ++row) {
    const ContractFigures& f = rows[row];
    all.bid += f.bid, all.made += f.made, all.failed += f.failed, all.units += f.units;
    all.declaring += f.declaring, all.defending += f.defending;
    if (row > 0) fill(row - 1, f);
  }
  fill(kStatisticsRows - 1, all);
  // The width every heading and figure needs, measured with the last column unstretched (as
  // stretched, it is as wide as the table happens to be).
  QHeaderView* header = table->horizontalHeader();
  header->setStretchLastSection(false);
  table->resizeColumnsToContents();
  table->setMinimumWidth(table->verticalHeader()->sizeHint().width() + header->length() + 2 * table->frameWidth() + 4);
  header->setStretchLastSection(true);
}

}  // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent, History* history) : QDialog(parent), history_(history) {
  setWindowTitle("Statistics");
  auto* layout = new QVBoxLayout(this);
  filter_ = AddHandsFilter(layout, "Hands shown");
  leaveOutTakeBacks_ = new QCheckBox("Leave out hands with a take-back");
  leaveOutTakeBacks_->setChecked(QSettings().value("statistics/leaveOutTakeBacks", false).toBool());
  layout->addWidget(leaveOutTakeBacks_);
  connect(leaveOutTakeBacks_, &QCheckBox::toggled, this, [this](bool on) {
    QSettings().setValue("statistics/leaveOutTakeBacks", on);
    Show(static_cast<HandsWanted>(filter_->currentIndex()));
  });

  // Narrow side margins, and below them the chart and the tables, which scroll where the screen
  // is too small for them all (1024 x 768).
  layout->setContentsMargins(6, layout->contentsMargins().top(), 6, layout->contentsMargins().bottom());
  auto* scroll = new QScrollArea;
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* figures = new QWidget;
  auto* inside = new QVBoxLayout(figures);
  inside->setContentsMargins(0, 0, 0, 0);
  scroll->setWidget(figures);
  layout->addWidget(scroll);

  chart_ = new QChartView;
  chart_->setRenderHint(QPainter::Antialiasing);
  chart_->setMinimumHeight(240);
  chart_->setAccessibleName("Running points");
  inside->addWidget(chart_, 3);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  for (int seat = 0; seat < 4; ++seat) {
    auto* box = new QGroupBox;
    auto* inner = new QVBoxLayout(box);
    // Narrow margins, so that two tables fit side by side on a screen 1024 wide.
    inner->setContentsMargins(2, inner->contentsMargins().top(), 2, inner->contentsMargins().bottom());
    auto* table = new QTableWidget(kStatisticsRows, 6);
    // Units are shown apart as the declarer and as a defender: a contract the seat never bid
    // still wins or loses it units when the others bid it.
    table->setHorizontalHeaderLabels({"Bid", "Made", "Failed", "Made %", "Units as\ndeclarer", "Units as\ndefender"});
    table->horizontalHeaderItem(4)->setToolTip("Units won (+) or lost (-) in the contracts this seat bid");
    table->horizontalHeaderItem(5)->setToolTip("Units won (+) or lost (-) defending against the others' contracts");
    QStringList rows;
    for (int code = 1; code < kBidKinds; ++code) rows << ContractOf(code).name;
    rows << "Proposal and Acceptance" << "All hands";
    table->setVerticalHeaderLabels(rows);
    // Every heading shows whole: the columns are as wide as their headings and figures need,
    // and the table asks for that width.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    // Every row shows, with no room left for scroll bars.
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The Standard rules' Abundance, Royal Abundance and Misere Ouverte count with the Classic
    // contracts they are played like.
    table->verticalHeaderItem(kAbundanceOpen - 1)->setToolTip("With the Standard rules' Abundance");
    table->verticalHeaderItem(kAbundanceTrumps - 1)->setToolTip("With the Standard rules' Royal Abundance");
    table->verticalHeaderItem(kMisereOpen - 1)->setToolTip("With the Standard rules' Misere Ouverte");
    table->setFixedHeight(table->verticalHeader()->defaultSectionSize() * kStatisticsRows +
                          table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth());
    inner->addWidget(table);
    tables_[seat] = table;
    grid->addWidget(box, seat / 2, seat % 2);
  }
  inside->addLayout(grid, 2);
  connect(filter_, &QComboBox::currentIndexChanged, this,
          [this](int index) { Show(static_cast<HandsWanted>(index)); });
  resize(WithinScreen(this, {1120, 880}));
  Show(HandsWanted::ThisRun);
}

void StatisticsWindow::Show(HandsWanted wanted) {
  if (filter_->currentIndex() != static_cast<int>(wanted)) {
    filter_->setCurrentIndex(static_cast<int>(wanted));  // shows through the signal
    return;
  }
  const std::vector<HandRecord> hands = history_ ? history_->Hands(wanted) : std::vector<HandRecord>{};
  const Statistics stats = ComputeStatistics(hands, leaveOutTakeBacks_->isChecked());
  // The names are those of the latest hand shown.
  std::array<QString, 4> names = {"South", "West", "North", "East"};
  if (!hands.empty())
    for (int seat = 0; seat < 4; ++seat) names[seat] = QString::fromStdString(SeatName(hands.back(), seat));

  const auto count = stats.points.size();
  const QString title = hands.empty() ? (history_ ? "No hands kept yet" : "No hand history in this run")
                                      : QString("Running points over %1 hand%2").arg(count).arg(count == 1 ? "" : "s");
  QChart* old = chart_->chart();
  chart_->setChart(PointsChart(stats, names, title));
  delete old;
  for (int seat = 0; seat < 4; ++seat) {
    static_cast<QGroupBox*>(tables_[seat]->parentWidget())->setTitle(names[seat]);
    FillTable(tables_[seat], stats.seats[seat]);
  }
}

}  // namespace solo::ui
