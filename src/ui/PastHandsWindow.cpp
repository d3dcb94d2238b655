#include "ui/PastHandsWindow.h"

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
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

#include "game/Replay.h"
#include "ui/HistoryParts.h"
#include "ui/ReplayView.h"
#include "ui/WindowFit.h"

namespace solo::ui {

PastHandsWindow::PastHandsWindow(QWidget* parent, History* history) : QDialog(parent), history_(history) {
  setWindowTitle("Past Hands");
  auto* layout = new QVBoxLayout(this);
  filter_ = AddHandsFilter(layout, "Hands listed");
  list_ = new QTableWidget(0, 5);
  list_->setHorizontalHeaderLabels({"When", "Dealer", "Contract", "Declarer", "Result"});
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
  connect(list_, &QTableWidget::cellDoubleClicked, this, [this] { ReplayChosen(); });
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
  hands_ = history_ ? history_->Hands(wanted) : std::vector<HandRecord>{};
  list_->setRowCount(static_cast<int>(hands_.size()));
  for (int row = 0; row < static_cast<int>(hands_.size()); ++row) {
    const HandRecord& h = hands_[row];
    const QString cells[5] = {LocalTime(h.when), QString::fromStdString(SeatName(h, h.dealer)),
                              QString::fromStdString(ContractWords(h)),
                              h.contract > 0 ? QString::fromStdString(SeatName(h, h.declarer)) : QString("\u2013"),
                              QString::fromStdString(ResultWords(h))};
    for (int column = 0; column < 5; ++column) {
      auto* item = new QTableWidgetItem(h.damage.empty() || column == 0 ? cells[column] : QString("\u2013"));
      if (!h.damage.empty()) {
        if (column == 4) item->setText("damaged");
        item->setToolTip("This hand's record is damaged (" + QString::fromStdString(h.damage) +
                         "): it cannot be replayed or exported.");
      }
      list_->setItem(row, column, item);
    }
  }
  if (!hands_.empty()) list_->scrollToBottom();
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
  if (rows.empty()) return hands_;
  std::vector<HandRecord> chosen;
  for (int row : rows)
    if (row < static_cast<int>(hands_.size())) chosen.push_back(hands_[row]);
  return chosen;
}

void PastHandsWindow::ReplayChosen() {
  // The hand last clicked, or else the first chosen.
  int row = list_->currentRow();
  const QModelIndexList chosen = list_->selectionModel()->selectedRows();
  if (!list_->selectionModel()->isRowSelected(row)) row = chosen.empty() ? -1 : chosen.front().row();
  if (row < 0 || row >= static_cast<int>(hands_.size())) return;
  if (!hands_[row].damage.empty()) {
    QMessageBox::information(this, "Replay", "This hand's record is damaged, so it cannot be replayed.");
    return;
  }
  auto* view = new ReplayView(this, hands_[row]);
  view->setAttribute(Qt::WA_DeleteOnClose);
  view->show();
}

QString PastHandsWindow::ExportTo(const QString& path) const {
  const std::string lines = ExportLines(Chosen());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(lines.data(), static_cast<qint64>(lines.size())) < 0 ||
      !file.commit())
    return "The hands could not be exported to " + path + ": " + file.errorString();
  return {};
}

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
  const QString problem = ExportTo(path);
  if (!problem.isEmpty()) {
    QMessageBox::warning(this, "Export Hands", problem);
    return;
  }
  if (damaged > 0)
    QMessageBox::information(this, "Export Hands",
                             QString("%1 damaged hand record%2 left out.").arg(damaged).arg(damaged == 1 ? " was" : "s were"));
}

}  // namespace solo::ui
