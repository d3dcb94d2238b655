#pragma once
// History > Past Hands: the hands kept in the history (when, dealer, contract, declarer,
// result), newest last. Replay opens the chosen hand; Export writes the chosen hands (all of
// those listed when none is chosen) as JSON lines in the simulator's trace format.
#include <QDialog>

#include <vector>

#include "store/History.h"

class QComboBox;
class QPushButton;
class QTableView;

namespace solo::ui {

class PastHandsWindow : public QDialog {
  Q_OBJECT
 public:
  PastHandsWindow(QWidget* parent, History* history);
  void Show(HandsWanted wanted);
  QTableView* list() const { return list_; }
  // The hands chosen in the list, or all of those listed when none is.
  std::vector<HandRecord> Chosen() const;
  // Writes the chosen hands to `path`; a message on failure, else empty.
  QString ExportTo(const QString& path) const;
  // Opens the chosen hand (the one last clicked among several).
  void ReplayChosen();

 public slots:
  // Asks where, then exports the chosen hands.
  void Export();

 private:
  // Replay is offered only while a hand is chosen.
  void OfferReplay();
  // The hands listed, which the list reads as it shows them.
  class Rows;
  History* history_;
  QComboBox* filter_;
  Rows* rows_;
  QTableView* list_;
  QPushButton* replay_;
};

}  // namespace solo::ui
