#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

#include "GameFixture.h"
#include "bidding/BidLadder.h"
#include "game/GameStart.h"
#include "game/Hints.h"
#include "table/Messages.h"
#include "table/NewHand.h"
#include "table/TableLayout.h"
#include "ui/AboutWindow.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/DeluxeBoxWindow.h"
#include "ui/QtHost.h"
#include "ui/TableView.h"
#include "ui/WindowFit.h"

namespace solo::ui {
namespace {

TEST(DeluxeBox, ButtonsSitAroundTheCentreEnterTakesTheFirstAndEscapeDeclines) {
  DeluxeBoxWindow box(nullptr);
  const DeluxeBox cases[] = {{BoxPurpose::Notice, "Once.", "O.K", "", "", 2, "t"},
                             {BoxPurpose::Notice, "Twice.", "Yes", "No", "", 1, "t"},
                             {BoxPurpose::Notice, "Thrice.", "A", "B", "C", 1, "t"}};
  for (const DeluxeBox& c : cases) {
    // Layout only: the box answers at once when shown, so it is arranged through a timer.
    QTimer::singleShot(0, &box, [&] {
      const int shown = 1 + box.ButtonShown(1) + box.ButtonShown(2);
      EXPECT_EQ(shown, 1 + !c.button2.empty() + !c.button3.empty());
      // The first button's left edge and the last one's right edge lie as far from the centre.
      const int right = box.ButtonLeftTwips(shown - 1) + 1275;
      EXPECT_NEAR(2250 - box.ButtonLeftTwips(0), right - 2250, 2) << c.prompt;
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(&box, &enter);
    });
    EXPECT_EQ(box.Ask(c, QPoint(10, 10)), 0) << "Enter answers the first button";
  }
  // Escape answers "No"; a longer prompt makes a taller box.
  int shortHeight = 0;
  QTimer::singleShot(0, &box, [&] {
    shortHeight = box.BoxHeightTwips();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&box, &escape);
  });
  EXPECT_EQ(box.Ask({BoxPurpose::ReallyErase, "Sure?", "Yes", "No", "", 1, "Really Erase?"}, QPoint(10, 10)), 1);
  int tallHeight = 0;
  QTimer::singleShot(0, &box, [&] {
    tallHeight = box.BoxHeightTwips();
    // Escape on a box with no declining button does nothing ...
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&box, &escape);
    EXPECT_TRUE(box.isVisible());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);  // ... so the box is answered with Enter
  });
  box.Ask({BoxPurpose::NewGameOrExit, std::string(400, 'x').replace(50, 1, " ").replace(120, 1, " ").replace(200, 1, " "), "New Round",
           "Exit Game", "", 1, "New game or exit."},
          QPoint(10, 10));
  EXPECT_GT(tallHeight, shortHeight);
}

// A long name in the points panel takes the room its points leave: it was cut to
// "Bartholomew …" beside a lone "0".
TEST(TableView, LongNamesShowBesideTheirPointsAndBesideTheBidPanel) {
  Table table;
  table.pointsNames[kWest] = "Bartholomew Featherstone";
  TableView view(table);
  for (const auto& [points, whole] : {std::pair{"0", true}, std::pair{"-123456789012345", false}}) {
    table.pointsShown[kWest] = points;
    view.Mirror();
    const auto isWhole = [](const QLabel* l) { return l->text() == "Bartholomew Featherstone"; };
    EXPECT_EQ(whole, std::ranges::any_of(view.findChildren<QLabel*>(), isWhole)) << points;
  }
  // West's caption ends short of the bid panel while it is open (a long name ran under it).
  table.nameCaptions[kWest] = "Wilhelmina Montgomery passes.", table.bidPanelVisible = true;
  EXPECT_LT(view.Describe().back().rect.right(), view.ToPixels(layout::kBidPanel.left, 0, 0, 0).left());
}

TEST(TableView, AClickPlaysTheCardLyingOnTop) {
  Table table;
  TableView view(table);
  view.resize(view.sizeHint());
  // Two overlapping cards of South's row: the later one lies on top.
  for (int card : {10, 11}) {
    table.cards[card].Visible = true;
    table.cards[card].Picture = card;
    table.cards[card].Top = 6600;
    table.cards[card].Left = 3500 + (card - 10) * 300;
    table.BringToFront(table.cards[card]);
  }
  view.Mirror();
  const QPointF onlyFirst = view.ToPixels(3500 + 100, 7000, 0, 0).topLeft();
  const QPointF overlap = view.ToPixels(3500 + 600, 7000, 0, 0).topLeft();
  EXPECT_EQ(view.CardAt(onlyFirst.toPoint()), 10);
  EXPECT_EQ(view.CardAt(overlap.toPoint()), 11);
  EXPECT_EQ(view.CardAt(QPoint(1, 1)), 0);
  // A card lifted by a hint is drawn whole above its neighbour: a click on it, there or on
  // the strip it rose into, is on it; a click on the neighbour beside it still plays that.
  view.show();
  QApplication::setActiveWindow(&view);
  view.Highlight(10);
  ASSERT_TRUE(view.hasFocus());
  const QPointF risen = view.ToPixels(3500 + 100, 6600, 0, 0).topLeft() - QPointF(0, 5);
  const QPointF beside = view.ToPixels(3500 + 1200, 7000, 0, 0).topLeft();
  EXPECT_EQ(view.CardAt(overlap.toPoint()), 10);
  EXPECT_EQ(view.CardAt(risen.toPoint()), 10);
  EXPECT_EQ(view.CardAt(beside.toPoint()), 11);
}

}  // namespace
}  // namespace solo::ui

namespace solo::ui {
namespace {

// New Game or leaving while the hand is inside one of the window host's pauses, or inside its
// wait for the user's bid: the hand is abandoned at once and the hand loop ends cleanly.
TEST(QtHost, AHandIsAbandonedInsideAPauseAndInsideAWait) {
  struct Case {
    const char* what;
    Waiting when;  // what the game is doing when leaving is chosen
  };
  for (const Case& c : {Case{"pause", Waiting::Nothing}, Case{"wait", Waiting::Bid}}) {
    SCOPED_TRACE(c.what);
    const auto dir = test::FreshFolder();
    FolderStorage storage(dir.string());
    QtHost host(QString{});
    host.SetSpeed(20);
    Game g(host, storage, 3);
    SetUpTable(g);
    g.s.dealer = kWest;  // South speaks first: the bid wait comes early
    BuildPack(g.s);
    bool requested = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (requested || !g.flow.handRunning || g.flow.waiting != c.when) return;
      requested = true;
      g.flow.request = Request::Exit;
      host.Wake();
    });
    poll.start(5);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(RunHands(g), Next::Quit);
    EXPECT_TRUE(requested);
    EXPECT_FALSE(g.flow.handRunning);
    EXPECT_EQ(g.flow.waiting, Waiting::Nothing);
    EXPECT_LT(clock.elapsed(), 5000);
    std::filesystem::remove_all(dir);
  }
}

// The Expert's search runs on another thread while the window is served, and leaving the game
// during it stops it early and abandons the hand; a failure of the work reaches the game.
TEST(QtHost, ASearchRunsOffTheWindowThreadAndStopsWhenTheHandIsAbandoned) {
  struct Flag : Interruption {
    bool set = false;
    bool Interrupted() const override { return set; }
  } abandoned;
  QtHost host(QString{});
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (++ticks == 3) abandoned.set = true, host.Wake();
  });
  timer.start(5);
  bool elsewhere = false, stopped = false;
  const auto window = std::this_thread::get_id();
  host.Compute(
      [&](const std::atomic<bool>& stop) {
        elsewhere = std::this_thread::get_id() != window;
        for (int i = 0; i < 1000 && !stop; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        stopped = stop;
      },
      abandoned);
  EXPECT_TRUE(elsewhere);
  EXPECT_TRUE(stopped);
  EXPECT_GE(ticks, 3);
  EXPECT_THROW(host.Compute([](const std::atomic<bool>&) { throw std::runtime_error("no memory"); }, abandoned),
               std::runtime_error);

  // A whole game against Expert opponents, left while one of them searches.
  struct Watched : QtHost {
    using QtHost::QtHost;
    bool searching = false, stopped = false;
    std::atomic<bool> holdUntilStopped = false;  // the search waits (3 s at most) to be told to stop
    void Compute(const std::function<void(const std::atomic<bool>&)>& work, const Interruption& i) override {
      searching = true;
      QtHost::Compute(
          [&](const std::atomic<bool>& stop) {
            for (int ms = 0; ms < 3000 && holdUntilStopped && !stop; ++ms)
              std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (holdUntilStopped) stopped = stop;
            work(stop);
          },
          i);
      searching = false;
    }
  } watched(QString{});
  watched.SetSpeed(20);
  const auto dir = test::FreshFolder();
  FolderStorage storage(dir.string());
  Game g(watched, storage, 3);
  SetUpTable(g);
  ExpertSeats experts;
  experts.timeBudget = 0;
  SeatOpponents(g, experts, true);
  experts.Seat(g, {true, false, false, false});  // nobody waits for a person
  bool requested = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (requested || !watched.searching) return;
    requested = true;
    g.flow.request = Request::Exit;
    watched.Wake();
  });
  poll.start(1);
  EXPECT_EQ(RunHands(g), Next::Quit);
  EXPECT_TRUE(requested);
  EXPECT_FALSE(g.flow.handRunning);

  // An Expert's hint is searched the same way, by the wait for South's bid (a handler may not
  // wait); a hint whose search the person answers during stops early, is dropped, and the
  // answer is taken.
  SeatOpponents(g, experts, true);
  g.flow.request = Request::None, g.s.dealer = kWest;  // South speaks first
  std::vector<std::string> hints;
  poll.disconnect();
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (hints.size() < 2 && g.flow.Awaits(Waiting::Bid) && !g.flow.errand && !watched.searching)
      g.flow.errand = [&] {
        watched.holdUntilStopped = !hints.empty();
        hints.push_back(HintChosen(g, &experts.Adviser(g)).text);
        watched.holdUntilStopped = false;
      };
    else if (watched.holdUntilStopped && watched.searching) g.flow.answer = kPass;
    else if (hints.size() == 2 && !watched.searching) g.flow.request = Request::Exit;
    watched.Wake();
  });
  EXPECT_EQ(RunHands(g), Next::Quit);
  ASSERT_EQ(hints.size(), 2u);
  EXPECT_EQ(hints[0].rfind("Hint: ", 0), 0u) << hints[0];
  EXPECT_EQ(hints[1], "");
  EXPECT_TRUE(watched.stopped);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace solo::ui

namespace solo::ui {
namespace {

TEST(Window, FitsTheScreenAndKeepsItsPaceAndOneAboutWindow) {
  // A window larger than a small screen shrinks and comes on screen; on a large one it stays.
  struct Case {
    QRect wanted, available, expected;
  };
  const Case cases[] = {
      {{33, 33, 960, 720}, {0, 0, 800, 568}, {0, 0, 784, 520}},
      {{33, 33, 960, 720}, {0, 0, 2560, 1400}, {33, 33, 960, 720}},
      {{2400, 1300, 960, 720}, {0, 0, 2560, 1400}, {1584, 632, 960, 720}},
      {{-500, -40, 960, 720}, {1920, 0, 1920, 1050}, {1920, 0, 960, 720}},
  };
  for (const Case& c : cases) EXPECT_EQ(FitToScreen(c.wanted, c.available), c.expected) << c.wanted.x();
  // The first run fills about 85 % of the screen with the table's shape, centred; a kept place
  // comes back only on the same screen at the same scale, and on it.
  for (QRect screen : {QRect(0, 0, 1600, 1000), QRect(1920, 0, 1280, 1024), QRect(0, 0, 800, 568)}) {
    const QRect first = FirstPlace({960, 660}, 48, screen);
    EXPECT_NEAR(double(first.width()) / (first.height() - 48), 960.0 / 660, 0.01) << screen.width();
    EXPECT_TRUE(first.width() >= screen.width() * 0.8 || first.height() >= screen.height() * 0.8) << screen.width();
    EXPECT_TRUE(screen.contains(first));
    EXPECT_LE(std::abs(first.center().x() - screen.center().x()), 1);
  }
  const QRect kept(100, 80, 1200, 850), screen(0, 0, 1600, 1000);
  EXPECT_TRUE(MayRestore(kept, 1.0, screen.size(), screen, 1.0));
  EXPECT_FALSE(MayRestore(kept, 2.0, screen.size(), screen, 1.0)) << "another scale";
  EXPECT_FALSE(MayRestore(kept, 1.0, {2560, 1400}, screen, 1.0)) << "another screen";
  EXPECT_FALSE(MayRestore({1700, 80, 600, 400}, 1.0, screen.size(), screen, 1.0)) << "off the screen";

  test::TestGame tg;
  QtHost host(QString{});
  MainWindow window(tg.g, host);
  window.SetPace(3);
  EXPECT_DOUBLE_EQ(host.speed(), 4.0);
  {
    // The next window starts at the pace the person chose.
    QtHost again(QString{});
    MainWindow next(tg.g, again);
    EXPECT_DOUBLE_EQ(again.speed(), 4.0);
  }
  window.SetPace(1);
  window.FixPace(10);  // --fast wins over the menu
  window.SetPace(0);
  EXPECT_DOUBLE_EQ(host.speed(), 10.0);

  // Expert opponents sit at West, North and East from the moment they are chosen, and in the
  // next window; Classic brings the rules back.
  window.SetExpertOpponents(true);
  {
    QtHost again(QString{});
    MainWindow next(tg.g, again);
    for (int seat = kWest; seat <= kEast; ++seat) EXPECT_TRUE(dynamic_cast<ExpertPlayer*>(tg.g.players[seat]));
    EXPECT_FALSE(dynamic_cast<ExpertPlayer*>(tg.g.players[kSouth]));
    next.SetExpertOpponents(false);
  }
  for (int seat = kWest; seat <= kEast; ++seat) EXPECT_FALSE(dynamic_cast<ExpertPlayer*>(tg.g.players[seat]));

  // Sound off is kept for the next window too.
  for (QAction* action : window.findChildren<QAction*>())
    if (action->text() == "Sound") action->setChecked(false);
  EXPECT_FALSE(host.sound());
  {
    QtHost again(QString{});
    MainWindow next(tg.g, again);
    EXPECT_FALSE(again.sound());
  }

  window.ShowAbout();
  window.ShowAbout();
  EXPECT_EQ(window.findChildren<AboutWindow*>().size(), 1);

  // A long hint on the status bar is whole at any width it fits in: the bids' panel, then the
  // rules' note, give way to it (it was cut off at the width a 1024-wide screen gives the window).
  tg.g.options.standardRules = true;
  tg.g.t.status.prompt = "Hint: play the Two of Diamonds \u2014 makes your Proposal and Acceptance in 7 of 12 layouts";
  tg.g.t.status.bidding = "North Bot passes.";
  window.show();
  for (const int wide : {1300, 900, 700, 620}) {
    window.resize(wide, 600);
    window.Mirror();
    QApplication::processEvents();
    int panels = 0;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
      if (label->isVisible() && label->text().startsWith("Hint:")) {
        EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(label->text())) << wide;
      }
      panels += label->isVisible() && (label->text() == "North Bot passes." || label->text().contains("rules"));
    }
    if (wide == 1300) { EXPECT_EQ(panels, 2) << "room for all three"; }
  }
}

// A screen reader is told South's cards by name, the contract panel's lines and the seats'
// captions; the labels show the players' names as they stand.
TEST(TableView, SouthsCardsAndTheContractHaveAccessibleNamesAndNamesShowAsTyped) {
  test::TestGame tg;
  QtHost host(QString{});
  MainWindow window(tg.g, host);
  Game& g = tg.g;
  StartGame(g);
  NewHand(g);
  g.s.declarer = kWest;
  KindFlags(g.s, 1)[kWest] = true;
  g.show->ContractShown(g);
  window.Mirror();
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window.view());
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->childCount(), 13 + 3 + 4);
  std::vector<std::string> names;
  for (int i = 0; i < table->childCount(); ++i) names.push_back(table->child(i)->text(QAccessible::Name).toStdString());
  const int first = std::countr_zero(g.s.Hand[kSouth]) + 1;
  EXPECT_EQ(names[0], CardWords(first));
  EXPECT_EQ(names[13], "West Bot \u2014 Solo: 5 tricks");
  EXPECT_EQ(names[17], "West Bot");
  EXPECT_EQ(CardWords(51), "King of Spades");

  // A pair with long names: the panel grows upwards, but never over South's cards.
  g.s.userName = "Maximilianus Quintus";
  g.s.playerNames[kWest] = "Westmoreland Bartholomew";
  Welcome(g.t, g.s);
  g.s.standard = true;
  g.s.standardContract = kProposal;
  g.s.partner = kSouth;
  g.show->ContractShown(g);
  window.resize(800, 560);
  window.Mirror();
  const auto described = window.view()->Describe();
  for (int card = 0; card < 13; ++card)
    EXPECT_GE(described[13].rect.top(), described[card].rect.bottom()) << g.t.Contract[2];

  // A name that looks like markup is never read as markup (it had turned the status bar into a
  // heading, and hidden "has not yet bid" after a name on the bid panel).
  g.s.userName = "<h1>Ann</h1>";
  g.s.playerNames[kWest] = "<b>W</b>";
  Welcome(g.t, g.s);
  window.Mirror();
  int shown = 0;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->text().contains("Ann</h1>") && !label->text().contains("W</b>")) continue;
    ++shown;
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
  }
  EXPECT_GE(shown, 2);
}

// The keys follow the selected bid wherever it was selected from (a hint, say), so Enter sends
// what is highlighted.
TEST(TableView, TheKeysFollowTheSelectedBid) {
  test::TestGame tg;
  QtHost host(QString{});
  MainWindow window(tg.g, host);
  window.show();
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  Game& g = tg.g;
  g.t.bidPanelVisible = true;
  const auto options = window.view()->findChildren<QRadioButton*>();
  ASSERT_EQ(options.size(), 9) << "seven Classic bids, nine calls of the auction";
  for (int bid : {1, 0, 4}) {
    g.t.selectedBid = bid;
    window.Mirror();
    EXPECT_TRUE(options[bid]->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), options[bid]) << bid;
  }
  EXPECT_FALSE(options[7]->isVisible()) << "the Classic panel has seven";
  // The auction's panel: nine calls, those not allowed greyed.
  g.t.callLabels = std::vector<std::string>(9, "a call");
  g.t.callsAllowed = 0b101111001;
  window.Mirror();
  for (int call = 0; call < 9; ++call) {
    EXPECT_TRUE(options[call]->isVisible()) << call;
    EXPECT_EQ(options[call]->isEnabled(), (g.t.callsAllowed >> call & 1u) != 0) << call;
  }
}

// Enter answers a box's first button, but in "Really Erase?" the safe one: No.
TEST(DeluxeBox, EnterOnReallyEraseKeepsThePoints) {
  DeluxeBoxWindow box(nullptr);
  for (const auto& [purpose, expected] : {std::pair{BoxPurpose::ReallyErase, 1}, {BoxPurpose::Notice, 0}}) {
    QTimer::singleShot(0, &box, [&box] {
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(&box, &enter);
    });
    EXPECT_EQ(box.Ask({purpose, "Player are you sure you wish to erase all the statistics?", "Yes", "No", "", 1,
                       "Really Erase?"},
                      QPoint(10, 10)),
              expected);
  }
}

}  // namespace
}  // namespace solo::ui
