// The history's windows: the statistics shown are the history's figures, the past hands list
// what was kept, Export writes the trace's own lines, and the replay steps through a hand.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "SimFixture.h"
#include "game/HandHistory.h"
#include "game/Replay.h"
#include "sim/Simulator.h"
#include "store/DataFiles.h"
#include "ui/PastHandsWindow.h"
#include "ui/StatisticsWindow.h"
#include "ui/ReplayView.h"

namespace solo::ui {
namespace {

namespace fs = std::filesystem;

TEST(HistoryWindows, StatisticsPastHandsExportAndReplayShowWhatWasKept) {
  // Two runs of the simulator keep 30 and 20 hands.
  const fs::path dir = test::FreshFolder();
  std::string trace;
  for (const auto& [seed, hands] : {std::pair{21, 30}, std::pair{22, 20}}) {
    SimulationOptions options = test::SimWithHistory(dir, hands, static_cast<std::uint64_t>(seed));
    options.trace = [&](const std::string& line) { trace += line; };
    ASSERT_EQ(Simulate(options).saveError, "");
  }
  auto history = History::OpenToRead(dir / kHistoryFileName);
  ASSERT_TRUE(history);

  // The latest run is "this run" for a reader: it has read them all; runs are told apart.
  StatisticsWindow stats(nullptr, history.get());
  stats.Show(HandsWanted::All);
  const Statistics expected = ComputeStatistics(history->Hands(HandsWanted::All));
  EXPECT_EQ(expected.runStarts, (std::vector<int>{0, 30}));
  // Four seats' lines and one mark for each run.
  EXPECT_EQ(stats.chartView()->chart()->series().size(), 4 + 2);
  for (int seat = 0; seat < 4; ++seat)
    for (int code = 1; code < 7; ++code) {
      const ContractFigures& f = expected.seats[seat][code];
      QTableWidget* table = stats.table(seat);
      EXPECT_EQ(table->item(code - 1, 0)->text(), QString::number(f.bid));
      EXPECT_EQ(table->item(code - 1, 1)->text(), QString::number(f.made));
      // The units as declarer and as defender make the seat's units in that contract.
      EXPECT_EQ(table->item(code - 1, 4)->text().toLongLong() + table->item(code - 1, 5)->text().toLongLong(), f.units);
      if (f.bid == 0) EXPECT_EQ(table->item(code - 1, 4)->text(), "0");
    }
  stats.Show(HandsWanted::Last100);
  EXPECT_EQ(stats.chartView()->chart()->title(), "Running points over 50 hands");
  // It fits the screen (here the headless one's 800 x 600), its figures scrolling: it was as
  // large as its tables and chart, and ran off a 1024 x 768 screen.
  const QSize screen = stats.screen()->availableGeometry().size();
  for (const QSize size : {stats.size(), stats.minimumSizeHint()}) {
    EXPECT_LE(size.width(), screen.width());
    EXPECT_LE(size.height(), screen.height());
  }
  StatisticsWindow none(nullptr, nullptr);
  EXPECT_EQ(none.chartView()->chart()->title(), "No hand history in this run");

  // Every hand listed; Export writes exactly the trace's lines (all of them, or those chosen).
  PastHandsWindow past(nullptr, history.get());
  past.Show(HandsWanted::All);
  ASSERT_EQ(past.list()->model()->rowCount(), 50);
  const QString file = QString::fromStdString((dir / "hands.jsonl").string());
  EXPECT_EQ(past.ExportTo(file), "");
  QFile written(file);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll().toStdString(), trace);
  written.close();
  // Replay is offered only while a hand is chosen (a click on it did nothing before), and a new
  // list chooses none.
  const auto replayOffered = [&past] {
    for (QPushButton* button : past.findChildren<QPushButton*>())
      if (button->text() == "Replay") return button->isEnabled();
    return false;
  };
  EXPECT_FALSE(replayOffered());
  past.list()->selectRow(3);
  EXPECT_TRUE(replayOffered());
  ASSERT_EQ(past.Chosen().size(), 1u);
  EXPECT_EQ(past.Chosen()[0].hand, 4);
  EXPECT_NE(past.ExportTo(QString::fromStdString((dir / "no such folder" / "x.jsonl").string())), "")
      << "a file that cannot be written is told";
  past.Show(HandsWanted::Last100);
  EXPECT_FALSE(replayOffered());

  // The replay of a hand played to the end steps trick by trick, by keys and within its ends.
  const std::vector<HandRecord> hands = history->Hands(HandsWanted::All);
  const auto played = std::find_if(hands.begin(), hands.end(), [](const HandRecord& h) { return h.tricks.size() >= 5; });
  ASSERT_NE(played, hands.end());
  ReplayView replay(nullptr, *played);
  // The keys go where the open window sends them: to whatever holds its focus.
  replay.show();
  QApplication::setActiveWindow(&replay);
  QApplication::processEvents();
  const auto press = [&](Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &replay, &event);
  };
  press(Qt::Key_Left);
  EXPECT_EQ(replay.step(), 0);
  press(Qt::Key_Right);
  press(Qt::Key_Right);
  EXPECT_EQ(replay.step(), 2);
  EXPECT_TRUE(replay.caption().startsWith(QString("Trick 2 of %1: led by ").arg(played->tricks.size())));
  press(Qt::Key_End);
  EXPECT_EQ(replay.step(), static_cast<int>(played->tricks.size()));
  press(Qt::Key_Right);
  EXPECT_EQ(replay.step(), static_cast<int>(played->tricks.size()));

  // The analysis runs off the window's thread and leaves the history as it was.
  const auto before = history->Hands(HandsWanted::All).size();
  QEventLoop wait;
  replay.Analyse([&] { wait.quit(); });
  QTimer::singleShot(60000, &wait, &QEventLoop::quit);
  wait.exec();
  EXPECT_TRUE(replay.analysisText().startsWith("Trick ") || replay.analysisText().startsWith("No card"))
      << replay.analysisText().toStdString();
  EXPECT_EQ(history->Hands(HandsWanted::All).size(), before);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace solo::ui
