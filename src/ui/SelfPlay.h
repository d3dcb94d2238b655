#pragma once
// A test of the real window over many hands: the computer plays South, every box is answered
// at once, and every 50 hands a line on standard error tells the hands played, the memory in
// use and at its peak, and the longest time the window's thread went without serving events.
// After the hands asked for it leaves the game by its own Exit Game button.
#include <QElapsedTimer>
#include <QObject>

#include "play/Players.h"
#include "table/Game.h"

namespace solo::ui {

class QtHost;

class SelfPlay : public QObject {
 public:
  SelfPlay(Game& g, QtHost& host, long hands);
  ~SelfPlay() override;

 private:
  void HandEnded();
  void Report(const char* when) const;

  Game& g_;
  QtHost& host_;
  long wanted_, hands_ = 0;
  ComputerPlayer south_;
  QElapsedTimer sinceTick_;
  qint64 longestBlockMs_ = 0;
};

}  // namespace solo::ui
