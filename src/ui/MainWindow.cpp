#include "ui/MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>

#include "bidding/UserBid.h"
#include "play/CardQueries.h"
#include "play/TrickPlay.h"
#include "game/GameStart.h"
#include "game/Hints.h"
#include "game/NameCommands.h"
#include "table/Messages.h"
#include "table/TableLayout.h"
#include "ui/CardArt.h"
#include "ui/AboutWindow.h"
#include "ui/HelpWindow.h"
#include "ui/PastHandsWindow.h"
#include "ui/StatisticsWindow.h"
#include "ui/QtHost.h"
#include "ui/TableAccessible.h"
#include "ui/TableView.h"
#include "game/ClaimCommand.h"
#include "ui/WindowFit.h"

namespace solo::ui {

MainWindow::MainWindow(Game& game, QtHost& host) : g_(game), host_(host) {
  TableAccessible::Install();
  setWindowTitle("Solo Whist");
  setWindowIcon(CardArt::AppIcon());
  view_ = new TableView(g_.t, this);
  setCentralWidget(view_);

  panel1_ = new QLabel(this);
  panel2_ = new QLabel(this);
  // Names are the players' own text: never read as markup.
  for (QLabel* panel : {panel1_, panel2_}) {
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(120);
  }
  statusBar()->addWidget(panel1_, 3);
  statusBar()->addWidget(panel2_, 2);
  // Which rules are in play, shown only once the Standard rules are chosen (the Classic table
  // stays as it always was), and what the next hand changes.
  rules_ = new QLabel(this);
  rules_->setTextFormat(Qt::PlainText);
  rules_->setFrameShape(QFrame::Panel);
  rules_->setFrameShadow(QFrame::Sunken);
  rules_->hide();
  statusBar()->addPermanentWidget(rules_);
  connect(statusBar(), &QStatusBar::messageChanged, this, [this] { FitStatusBar(); });
  statusBar()->setSizeGripEnabled(true);

  BuildMenus();
  view_->optionClicked = [this](int i) { Handle([this, i] { BidSelected(g_, i); }); };
  view_->confirmClicked = [this] { Handle([this] { BidConfirmed(g_); }); };
  view_->suitClicked = [this](int i) { Handle([this, i] { TrumpsChosen(g_, i); }); };
  view_->cardClicked = [this](int card) {
    // A card of South's that the rules refuse (South must follow suit) shakes.
    const bool refused = g_.flow.Awaits(Waiting::Card) && g_.s.Pack[card].Owner == kSouth &&
                         !(LegalCards(g_.s, kSouth, UsersPosition(g_.s.leader)) & CardBit(card));
    Handle([this, card] { CardClicked(g_, card); });
    if (refused) view_->Shake(card);
  };
  view_->cardChosenByKey = view_->cardClicked;
  view_->nextCard = [this](int current, int step) { return NextSouthCard(g_.s, current, step); };
  view_->firstPlayable = [this] { return g_.flow.Awaits(Waiting::Card) ? FirstPlayableSouthCard(g_.s) : 0; };
  host_.Attach(this, [this] { Mirror(); }, [this] { return BoxPlace(); });

  PlaceOnScreen();
}

void MainWindow::PlaceOnScreen() {
  // The window opens exactly where the person left it (frame and all), unless the screen or its
  // scale has changed since or the place no longer fits; then as large as fits, centred.
  QSettings settings;
  const QRect available = screen() ? screen()->availableGeometry() : QRect();
  const double scale = screen() ? screen()->devicePixelRatio() : 1.0;
  const QByteArray kept = settings.value("window/state").toByteArray();
  if (!kept.isEmpty() && MayRestore(settings.value("window/frame").toRect(), settings.value("window/scale").toDouble(),
                                    settings.value("window/screen").toSize(), available, scale) &&
      restoreGeometry(kept))
    return;
  const QRect first = FirstPlace(view_->sizeHint(), menuBar()->sizeHint().height() + statusBar()->sizeHint().height(),
                                 available);
  resize(first.size());
  move(first.topLeft());
}

void MainWindow::KeepPlace() {
  QSettings settings;
  settings.setValue("window/state", saveGeometry());
  settings.setValue("window/frame", frameGeometry());
  settings.setValue("window/scale", screen() ? screen()->devicePixelRatio() : 1.0);
  settings.setValue("window/screen", screen() ? screen()->availableGeometry().size() : QSize());
  settings.remove("window/geometry");  // the older way, which drifted by the frame each run
}

void MainWindow::SetPace(int pace) {
  pace = std::clamp(pace, 0, 3);
  QSettings().setValue("options/speed", pace);
  host_.SetSpeed(fixedPace_ > 0 ? fixedPace_ : kPaces[pace]);
}

void MainWindow::SetExpertOpponents(bool expert) {
  QSettings().setValue("options/opponents", expert ? "expert" : "classic");
  if (experts_.Choose(g_, expert) && keeper_) keeper_->Watch();
  Mirror();
}

void MainWindow::SetKeeper(HandKeeper* keeper) {
  keeper_ = keeper;
  if (keeper_) keeper_->Watch();
}

void MainWindow::TakeBack() {
  Handle([this] {
    if (!keeper_ || !keeper_->TakeBackChosen())
      host_.ShowStatus("There is nothing to take back now: only your last card while its trick is not complete, "
                       "or your bid while the bidding goes on.");
  });
}

void MainWindow::ShowHint() {
  // The hint is what the opponents at the table would do: a change of opponents chosen in the
  // middle of a hand takes effect, for the hints too, with the next hand.
  ExpertPlayer* adviser = experts_.seatedExpert ? &experts_.Adviser(g_) : nullptr;
  const auto show = [this](const solo::Hint& hint) {
    // A passing note (say, that there was nothing to take back) would hide the hint asked for.
    if (!hint.text.empty()) statusBar()->clearMessage();
    if (hint.card) view_->Highlight(hint.card);
  };
  if (!adviser) {
    solo::Hint hint;
    Handle([this, &hint] { hint = HintChosen(g_); });
    show(hint);
    return;
  }
  Errand([this, adviser, show] {
    // On a busy machine the search may take a while: once it has taken a moment, a note says so
    // until it ends, however it ends.
    struct Note {
      explicit Note(QStatusBar* shownOn) : bar(shownOn) {}
      ~Note() {
        if (!timer.isActive()) bar->clearMessage();
      }
      QStatusBar* bar;
      QTimer timer;
    } note(statusBar());
    note.timer.setSingleShot(true);
    connect(&note.timer, &QTimer::timeout, this, [this] { statusBar()->showMessage("Hint: thinking\u2026"); });
    note.timer.start(250);
    const solo::Hint hint = HintChosen(g_, adviser);
    Mirror();
    show(hint);
  });
}

void MainWindow::Errand(std::function<void()> work) {
  // A search takes a while: the hand's wait runs it off the window's thread (a handler may not
  // wait), and the window stays free meanwhile. One at a time, and only while the person is
  // still to answer.
  if (g_.flow.waiting == Waiting::Nothing || g_.flow.answer != kNoAnswer || g_.flow.errand) return;
  g_.flow.errand = std::move(work);
  host_.Wake();
}

template <typename F>
void MainWindow::Handle(F&& handler) {
  Next next = Next::Stay;
  {
    QtHost::HandlerScope scope(host_);
    if constexpr (std::is_same_v<decltype(handler()), Next>)
      next = handler();
    else
      handler();
  }
  Mirror();
  // The hand's wait re-tests what it waits for.
  host_.Wake();
  Act(next);
}

void MainWindow::AddToggle(QMenu* menu, const QString& caption, const QString& key, bool byDefault,
                           const std::function<void(bool)>& apply) {
  QAction* action = menu->addAction(caption);
  action->setCheckable(true);
  action->setChecked(QSettings().value(key, byDefault).toBool());
  apply(action->isChecked());
  connect(action, &QAction::toggled, this, [key, apply](bool on) {
    QSettings().setValue(key, on);
    apply(on);
  });
}

QActionGroup* MainWindow::AddChoices(QMenu* menu, const QStringList& names, int checked,
                                     const std::function<void(int)>& chosen) {
  // One of several, as radio items: choosing one unchecks the others.
  auto* group = new QActionGroup(this);
  for (int i = 0; i < names.size(); ++i) {
    QAction* a = menu->addAction(names[i]);
    a->setCheckable(true);
    a->setChecked(i == checked);
    group->addAction(a);
    connect(a, &QAction::triggered, this, [chosen, i] { chosen(i); });
  }
  return group;
}

void MainWindow::BuildMenus() {
  QMenu* game = menuBar()->addMenu("&Game");
  QAction* newGame = game->addAction("New Game");
  newGame->setShortcut(QKeySequence(Qt::Key_F2));
  connect(newGame, &QAction::triggered, this, [this] { Handle([this] { return NewGameChosen(g_); }); });
  QAction* exitGame = game->addAction("Exit Game");
  exitGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
  connect(exitGame, &QAction::triggered, this, [this] { Handle([this] { return ExitChosen(g_); }); });

  game->addSeparator();
  QAction* hint = game->addAction("Hint");
  hint->setShortcut(QKeySequence(Qt::Key_H));
  connect(hint, &QAction::triggered, this, [this] { ShowHint(); });
  QAction* takeBack = game->addAction("Take Back");
  takeBack->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(takeBack, &QAction::triggered, this, [this] { TakeBack(); });
  QAction* claim = game->addAction("Claim the Rest");
  connect(claim, &QAction::triggered, this, [this] { Errand([this] { ClaimChosen(g_); }); });
  QAction* lastTrick = game->addAction("Show Last Trick\tL");
  connect(lastTrick, &QAction::triggered, this, [this] { view_->ShowLastTrick(); });
  QAction* statistics = game->addAction("Statistics");
  connect(statistics, &QAction::triggered, this, [this] { ShowStatistics(); });

  QMenu* history = menuBar()->addMenu("Histor&y");
  QAction* pastHands = history->addAction("Past Hands\u2026");
  connect(pastHands, &QAction::triggered, this, [this] { ShowPastHands(); });
  QAction* exportHands = history->addAction("Export\u2026");
  connect(exportHands, &QAction::triggered, this, [this] {
    // The hands chosen in the past hands' list, or every hand of the list's choice.
    PastHandsWindow* past = ShowPastHands();
    QMetaObject::invokeMethod(past, "Export", Qt::QueuedConnection);
  });

  QMenu* help = menuBar()->addMenu("&Help-F1");
  QAction* rules = help->addAction("Help and Rules");
  rules->setShortcut(QKeySequence(Qt::Key_F1));
  rules->setObjectName("helpMenu");
  connect(rules, &QAction::triggered, this, [this] { ShowHelp(); });

  BuildOptionsMenu();

  QAction* about = menuBar()->addAction("About");
  about->setObjectName("aboutMenu");
  connect(about, &QAction::triggered, this, [this] { ShowAbout(); });
}

void MainWindow::BuildOptionsMenu() {
  QMenu* options = menuBar()->addMenu("&Options");
  QMenu* enter = options->addMenu("Enter Names");
  const auto nameItem = [&](const char* caption, void (*handler)(Game&)) {
    QAction* a = enter->addAction(caption);
    connect(a, &QAction::triggered, this, [this, handler] { Handle([this, handler] { handler(g_); }); });
  };
  nameItem("Enter your name", &RenameSouthChosen);
  nameItem("Enter West Name", &RenameWestChosen);
  nameItem("Enter North Name", &RenameNorthChosen);
  nameItem("Enter East Name", &RenameEastChosen);
  QAction* erase = options->addAction("Erase Points");
  connect(erase, &QAction::triggered, this, [this] { Handle([this] { ErasePointsChosen(g_); }); });

  options->addSeparator();
  QMenu* speed = options->addMenu("Speed");
  const int pace = std::clamp(QSettings().value("options/speed", 1).toInt(), 0, 3);
  AddChoices(speed, {kPaceNames[0], kPaceNames[1], kPaceNames[2], kPaceNames[3]}, pace,
             [this](int i) { SetPace(i); });
  SetPace(pace);
  const bool expert = QSettings().value("options/opponents", "classic").toString() == "expert";
  AddChoices(options->addMenu("Opponents"), {"Classic", "Expert"}, expert ? 1 : 0,
             [this](int i) { SetExpertOpponents(i == 1); });
  SetExpertOpponents(expert);
  // The rules chosen take effect from the next hand.
  const bool standard = QSettings().value("options/rules", "classic").toString() == "standard";
  g_.options.standardRules = standard;
  AddChoices(options->addMenu("Rules"), {"Classic", "Standard"}, standard ? 1 : 0, [this](int i) {
    QSettings().setValue("options/rules", i == 1 ? "standard" : "classic");
    g_.options.standardRules = i == 1;
    Mirror();
  });
  AddToggle(options, "Show playable cards", "options/showPlayable", true, [this](bool on) {
    g_.t.ShowPlayable = on;
    if (!on) g_.t.Dimmed = 0;
    Mirror();
  });
  AddToggle(options, "Sound", "options/sound", true, [this](bool on) { host_.SetSound(on); });
  AddToggle(options, "Next hand without asking", "options/nextHandWithoutAsking", false,
            [this](bool on) { g_.options.nextHandWithoutAsking = on; });
  AddToggle(options, "Play a forced card by itself", "options/playForcedCard", false,
            [this](bool on) { g_.options.playForcedCard = on; });
}

void MainWindow::Mirror() {
  panel1_->setText(QString::fromStdString(g_.t.status.prompt));
  panel2_->setText(QString::fromStdString(g_.t.status.bidding));
  // The bids' panel takes no more room than its words need, so a long prompt or hint is whole.
  panel2_->setMaximumWidth(std::max(panel2_->minimumWidth(), panel2_->sizeHint().width()));
  // The rules in play, and what the next hand changes (the rules, the opponents), in one note.
  const bool inPlay = g_.flow.handRunning ? g_.s.standard : g_.options.standardRules;
  const bool rulesLater = inPlay != g_.options.standardRules;
  const bool opponentsLater = experts_.chosenExpert != experts_.seatedExpert;
  const std::string rules = g_.options.standardRules ? "Standard rules" : "Classic rules";
  const std::string opponents = experts_.chosenExpert ? "Expert opponents" : "Classic opponents";
  std::string note = rules;
  if (rulesLater) note = rules + (opponentsLater ? ", " + opponents : "") + " from the next hand";
  else if (opponentsLater) note = (inPlay ? rules + " · " : "") + opponents + " from the next hand";
  rulesNoted_ = g_.s.standard || g_.options.standardRules || opponentsLater;
  rules_->setText(QString::fromStdString(" " + note + " "));
  FitStatusBar();
  view_->Mirror();
}

void MainWindow::FitStatusBar() {
  // The prompt (a hint runs long) is whole: where the window is too narrow for all three, the
  // bids' panel gives way, then the rules' note; the table shows the calls and the contract too.
  // A passing note covers both panels meanwhile, and they are fitted again once it goes.
  if (!statusBar()->currentMessage().isEmpty()) return;
  const auto needs = [](const QLabel* label) {
    return label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->frameWidth() + 8;
  };
  const int room = width() - 32;  // the size grip and the gaps between panels
  const int prompt = needs(panel1_);
  const int bids = std::max(panel2_->minimumWidth(), needs(panel2_));
  const int rules = rulesNoted_ ? needs(rules_) : 0;
  const bool bidsShown = prompt + bids + rules <= room;
  panel2_->setVisible(bidsShown);
  rules_->setVisible(rulesNoted_ && (bidsShown || prompt + rules <= room));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FitStatusBar();
}

QPoint MainWindow::BoxPlace() const {
  const QRectF r = view_->ToPixels(3400, 3100, 0, 0);
  return view_->mapToGlobal(r.topLeft().toPoint());
}

HelpWindow* MainWindow::ShowHelp() {
  if (!help_) {
    help_ = new HelpWindow(this);
    // The first time it opens over the left of the table, kept on the screen; afterwards where
    // it was left.
    const QRect wanted(frameGeometry().topLeft() + QPoint(40, 60), help_->size());
    help_->move(screen() ? FitToScreen(wanted, screen()->availableGeometry()).topLeft() : wanted.topLeft());
  }
  help_->text()->setReadOnly(true);
  help_->show();
  help_->raise();
  help_->activateWindow();
  return help_;
}

void MainWindow::ShowAbout() {
  // One About window at a time: asking again brings it to the front.
  if (!about_) {
    about_ = new AboutWindow(this, SOLO_VERSION_MAJOR, SOLO_VERSION_MINOR, SOLO_VERSION_PATCH);
    about_->setAttribute(Qt::WA_DeleteOnClose);
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

// One window of each kind: made on first use, brought up to date and to the front after.
template <typename Window>
Window* MainWindow::ShowHistoryWindow(QPointer<Window>& window) {
  if (!window)
    window = new Window(this, history_ ? history_->history() : nullptr);
  else
    window->Show(HandsWanted::ThisRun);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void MainWindow::SetHistory(HandHistory* history) {
  history_ = history;
  // Hands that wait for a database another program holds are written as soon as it is free,
  // not only when the next hand ends.
  constexpr int kRetryMs = 2000;
  auto* retry = new QTimer(this);
  connect(retry, &QTimer::timeout, this, [this] {
    if (history_ && history_->waiting() > 0) history_->WriteWaiting();
  });
  retry->start(kRetryMs);
}

StatisticsWindow* MainWindow::ShowStatistics() { return ShowHistoryWindow(statistics_); }

PastHandsWindow* MainWindow::ShowPastHands() { return ShowHistoryWindow(pastHands_); }

void MainWindow::Start() {
  // What the history has to tell (a damaged file set aside, say) comes before the game.
  if (history_) {
    const std::string notice = history_->TakeNotice();
    if (!notice.empty()) Tell(g_.host, notice, BoxIcon::Warning);
  }
  Next next = StartGame(g_, keeper_);
  if (keeper_ && g_.flow.restart) SeatResumedHand(g_, experts_, *keeper_);
  Mirror();
  Act(next);
}

void MainWindow::Act(Next next) {
  if (next == Next::StartHands && !g_.flow.handRunning && !loopScheduled_) {
    // The hand loop runs from the main event loop, never from inside a handler.
    loopScheduled_ = true;
    QTimer::singleShot(0, this, [this] { RunHandLoop(); });
  } else if (next == Next::Quit) {
    quitting_ = true;
    close();
  }
}

void MainWindow::RunHandLoop() {
  loopScheduled_ = false;
  const Next next = RunHands(g_, [this] {
    if (experts_.SeatChoice(g_) && keeper_) keeper_->Watch();
    Mirror();
  });
  Mirror();
  Act(next);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  KeepPlace();
  if (quitting_) {
    event->accept();
    QApplication::closeAllWindows();
    return;
  }
  bool cancel = false;
  const Next next = CloseAsked(g_, 0, cancel);
  host_.Wake();
  if (cancel) {
    event->ignore();
    return;
  }
  quitting_ = next == Next::Quit;
  event->accept();
  QApplication::closeAllWindows();
}

}  // namespace solo::ui
