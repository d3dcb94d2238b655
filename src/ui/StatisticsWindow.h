#pragma once
// Game > Statistics: the four seats' running points over the hands kept in the history (a line
// chart, with a dashed mark where each run of the game began), and for each seat its contracts
// bid, made and failed with the make rate, and the units won or lost in hands of each contract.
// The hands shown: this run of the game, the last 100, or all; with or without the hands in
// which the person took back a card or a bid.
#include <QDialog>

#include "store/History.h"

class QCheckBox;
class QComboBox;
class QTableWidget;

class QChartView;

namespace solo::ui {

class StatisticsWindow : public QDialog {
  Q_OBJECT
 public:
  // `history` may be null: the window then says there is no history to show.
  StatisticsWindow(QWidget* parent, History* history);
  // Shows the hands wanted (also what the filter box does).
  void Show(HandsWanted wanted);
  QChartView* chartView() const { return chart_; }
  QTableWidget* table(int seat) const { return tables_[seat]; }

 private:
  History* history_;
  QComboBox* filter_;
  QCheckBox* leaveOutTakeBacks_;
  QChartView* chart_;
  QTableWidget* tables_[4];
};

}  // namespace solo::ui
