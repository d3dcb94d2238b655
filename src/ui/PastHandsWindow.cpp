#include "ui/PastHandsWindow.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

#include "game/Replay.h"
#include "ui/HistoryParts.h"
#include "ui/ReplayView.h"
#include "ui/WindowFit.h"

namespace solo::ui {

// The hands listed, a row each, read from their records only as the list shows them: years of
// hands list at once (20,000 made into cells of their own took half a second).
class PastHandsWindow::Rows : public QAbstractTableModel {
 public:
  explicit Rows(QObject* parent) : QAbstractTableModel(parent) {}
  const std::vector<HandRecord>& hands() const { return hands_; }
  // The hands to list now, the view told before and after.
  void Renew(std::vector<HandRecord> hands) {
    beginResetModel();
    hands_ = std::move(hands);
    endResetModel();
  }
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(hands_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 5; }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    static const char* const kHeadings[5] = {"When", "Dealer", "Contract", "Declarer", "Result"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 5) return {};
    return QString(kHeadings[section]);
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= static_cast<int>(hands_.size())) return {};
    const HandRecord& h = hands_[index.row()];
    if (role == Qt::ToolTipRole && !h.damage.empty())
      return "This hand's record is damaged (" + QString::fromStdString(h.damage) +
             "): it cannot be replayed or exported.";
    if (role != Qt::DisplayRole) return {};
    if (!h.damage.empty() && index.column() > 0) return QString(index.column() == 4 ? "damaged" : "\u2013");
    switch (index.column()) {
      case 0: return LocalTime(h.when);
      case 1: return QString::fromStdString(SeatName(h, h.dealer));
      case 2: return QString::fromStdString(ContractWords(h));
      case 3: return h.contract > 0 ? QString::fromStdString(SeatName(h, h.declarer)) : QString("\u2013");
      default: return QString::fromStdString(ResultWords(h));
    }
  }

 private:
  std::vector<HandRecord> hands_;
};

PastHandsWindow::PastHandsWindow(QWidget* parent, History* history) : QDialog(parent), history_(history) {
  setWindowTitle("Past Hands");
  auto* layout = new QVBoxLayout(this);
  filter_ = AddHandsFilter(layout, "Hands listed");
  rows_ = new Rows(this);
  list_ = new QTableView;
  list_->setModel(rows_);
  // The short columns as wide as they need; the result, which may say more, takes the rest.
  list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->verticalHeader()->hide();
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setAccessibleName("Past hands");
  layout->addWidget(list_);
  auto* buttons = new QDialogButtonBox;
  replay_ = buttons->addButton("Replay", QDialogButtonBox::ActionRole);
  QPushButton* exportButton = buttons->addButton("Export\u2026", QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Close);
  layout->addWidget(buttons);
  connect(replay_, &QPushButton::clicked, this, &PastHandsWindow::ReplayChosen);
  connect(exportButton, &QPushButton::clicked, this, &PastHandsWindow::Export);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QTableView::doubleClicked, this, [this] { ReplayChosen(); });
  // Replay shows one chosen hand: until one is chosen the button says so rather than doing nothing.
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &PastHandsWindow::OfferReplay);
  connect(filter_, &QComboBox::currentIndexChanged, this, [this](int i) { Show(static_cast<HandsWanted>(i)); });
  resize(WithinScreen(this, {720, 480}));
  Show(HandsWanted::ThisRun);
}

void PastHandsWindow::Show(HandsWanted wanted) {
  if (filter_->currentIndex() != static_cast<int>(wanted)) {
    filter_->setCurrentIndex(static_cast<int>(wanted));
    return;
  }
  rows_->Renew(history_ ? history_->Hands(wanted) : std::vector<HandRecord>{});
  if (!rows_->hands().empty()) list_->scrollToBottom();
  list_->clearSelection();  // the rows hold other hands now
  OfferReplay();
}

void PastHandsWindow::OfferReplay() {
  const bool chosen = list_->selectionModel()->hasSelection();
  replay_->setEnabled(chosen);
  replay_->setToolTip(chosen ? QString() : "Choose a hand in the list to replay it.");
}

std::vector<HandRecord> PastHandsWindow::Chosen() const {
  std::set<int> rows;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) rows.insert(index.row());
  const std::vector<HandRecord>& hands = rows_->hands();
  if (rows.empty()) return hands;
  std::vector<HandRecord> chosen;
  for (int row : rows)
    if (row < static_cast<int>(hands.size())) chosen.push_back(hands[row]);
  return chosen;
}

void PastHandsWindow::ReplayChosen() {
  // The hand last clicked, or else the first chosen.
  int row = list_->currentIndex().row();
  const QModelIndexList chosen = list_->selectionModel()->selectedRows();
  if (!list_->selectionModel()->isRowSelected(row)) row = chosen.empty() ? -1 : chosen.front().row();
  const std::vector<HandRecord>& hands = rows_->hands();
  if (row < 0 || row >= static_cast<int>(hands.size())) return;
  if (!hands[row].damage.empty()) {
    QMessageBox::information(this, "Replay", "This hand's record is damaged, so it cannot be replayed.");
    return;
  }
  auto* view = new ReplayView(this, hands[row]);
  view->setAttribute(Qt::WA_DeleteOnClose);
  view->show();
}

namespace {
// Writes `hands` to `path`; a message on failure, else empty.
QString WriteHands(const std::vector<HandRecord>& hands, const QString& path) {
  const std::string lines = ExportLines(hands);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(lines.data(), static_cast<qint64>(lines.size())) < 0 ||
      !file.commit())
    return "The hands could not be exported to " + path + ": " + file.errorString();
  return {};
}
}  // namespace

QString PastHandsWindow::ExportTo(const QString& path) const { return WriteHands(Chosen(), path); }

void PastHandsWindow::Export() {
  const std::vector<HandRecord> chosen = Chosen();
  const auto damaged = std::count_if(chosen.begin(), chosen.end(), [](const HandRecord& h) { return !h.damage.empty(); });
  // An empty file is no answer: say why there is nothing to export (a new run has no hands yet).
  if (damaged == static_cast<std::ptrdiff_t>(chosen.size())) {
    QMessageBox::information(this, "Export Hands",
                             "There is no hand to export in this list. \"The last 100 hands\" or \"All time\" above "
                             "lists the hands of earlier runs too.");
    return;
  }
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = QFileDialog::getSaveFileName(this, "Export Hands", folder + "/solo-whist-hands.jsonl",
                                                    "JSON lines (*.jsonl);;All files (*)");
  if (path.isEmpty()) return;
  const QString problem = WriteHands(chosen, path);  // the hands counted above, not chosen again
  if (!problem.isEmpty()) {
    QMessageBox::warning(this, "Export Hands", problem);
    return;
  }
  if (damaged > 0)
    QMessageBox::information(this, "Export Hands",
                             QString("%1 damaged hand record%2 left out.").arg(damaged).arg(damaged == 1 ? " was" : "s were"));
}

}  // namespace solo::ui
