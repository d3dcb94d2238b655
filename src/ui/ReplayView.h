#pragma once
// A past hand replayed, read-only: all four hands face up, the bids, and the table trick by
// trick. Back and Forward (or the arrow keys, Home and End) step through it.
#include <QDialog>

#include <atomic>
#include <functional>
#include <thread>

#include "store/HandRecord.h"
#include "ui/CardArt.h"

class QLabel;
class QPushButton;

namespace solo::ui {

class ReplayTable;

class ReplayView : public QDialog {
  Q_OBJECT
 public:
  ReplayView(QWidget* parent, HandRecord hand);
  // Stops an analysis still running and waits for it (a moment: the solver gives up soon).
  ~ReplayView() override;
  // Shows step `step` (0: the deal and the bids; n: the n-th trick).
  void ShowStep(int step);
  int step() const { return step_; }
  QString caption() const;
  // Where was it lost? Analyses the hand off the window's thread (the history is not touched);
  // `done` is called on the window's thread once its words are shown.
  void Analyse(std::function<void()> done = {});
  QString analysisText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  HandRecord hand_;
  int step_ = 0;
  ReplayTable* table_;
  QLabel* caption_;
  QPushButton *back_, *forward_, *analyse_;
  QLabel* analysis_;
  // The analysis runs on a thread of the view's own, never outliving it.
  std::atomic<bool> stopAnalysis_{false};
  std::thread analyser_;
};

}  // namespace solo::ui
