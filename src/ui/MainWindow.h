#pragma once
// The main window: menus, the table view and the status bar with its two panels. It holds no
// game state: it mirrors the game's Table and passes menu commands, clicks and keys to the
// game's handlers, then acts on what they say comes next.
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>

#include "game/HandHistory.h"
#include "game/HandKeeper.h"
#include "game/Opponents.h"
#include "table/Game.h"

class QActionGroup;
class QLabel;
class QMenu;

namespace solo::ui {

class QtHost;
class TableView;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(Game& game, QtHost& host);

  // Start-up: run once the window is shown.
  void Start();
  void Mirror();
  TableView* view() const { return view_; }
  // Where the program's message box goes: over the centre of the table.
  QPoint BoxPlace() const;
  // Help and Rules: one window, created on first use, shown again where it was left.
  class HelpWindow* ShowHelp();
  void ShowAbout();
  // Options > Speed (0 slow to 3 very fast), kept between runs; a fixed factor from the
  // command line (--fast) overrides it.
  void SetPace(int pace);
  void FixPace(double factor) { fixedPace_ = factor; }
  // Options > Opponents: Classic (the default) or Expert computer players, kept between runs;
  // the change takes effect at the next decision. Expert hints come with Expert opponents.
  void SetExpertOpponents(bool expert);
  // The hand history the Statistics and History menus show (none: they say so).
  void SetHistory(HandHistory* history);
  // The keeper of the hand in play (none: hands are neither kept, resumed nor taken back).
  void SetKeeper(HandKeeper* keeper);
  class StatisticsWindow* ShowStatistics();
  class PastHandsWindow* ShowPastHands();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenus();
  void BuildOptionsMenu();
  // Adds `names` to `menu` as radio items, `checked` ticked; `chosen` gets the index picked.
  // An option that is on or off, kept in the settings under `key`: `apply` is told its state
  // now and at every change.
  void AddToggle(QMenu* menu, const QString& caption, const QString& key, bool byDefault,
                 const std::function<void(bool)>& apply);
  QActionGroup* AddChoices(QMenu* menu, const QStringList& names, int checked, const std::function<void(int)>& chosen);
  void Act(Next next);
  void RunHandLoop();
  // Runs a handler of the game, then shows its effects and does what comes next.
  template <typename F>
  void Handle(F&& handler);
  template <typename Window>
  Window* ShowHistoryWindow(QPointer<Window>& window);

  Game& g_;
  QtHost& host_;
  TableView* view_;
  QLabel* panel1_;
  QLabel* panel2_;
  QLabel* rules_;
  bool rulesNoted_ = false;  // the rules' note has something to say
  // Shows the status bar's panels that fit beside the whole prompt.
  void FitStatusBar();
  class HelpWindow* help_ = nullptr;
  QPointer<class AboutWindow> about_;
  double fixedPace_ = 0;
  ExpertSeats experts_;
  HandHistory* history_ = nullptr;
  HandKeeper* keeper_ = nullptr;
  void TakeBack();
  QPointer<class StatisticsWindow> statistics_;
  QPointer<class PastHandsWindow> pastHands_;
  void PlaceOnScreen();
  // Keeps where the window is, and on what screen, for the next run.
  void KeepPlace();
  void ShowHint();
  // Work that searches (an Expert hint, a claim's check), handed to the hand's wait to run.
  void Errand(std::function<void()> work);
  bool quitting_ = false;
  bool loopScheduled_ = false;
};

}  // namespace solo::ui
