#include "game/GameStart.h"

#include "table/Deal.h"
#include "table/HandObserver.h"
#include "game/HandKeeper.h"
#include "game/HandLoop.h"
#include "table/Messages.h"
#include "table/Pacing.h"
#include "table/Trumps.h"

namespace solo {

namespace {

// Leaving or a new game during a hand: the hand's next pause or wait abandons it.
void RequestDuringHand(Game& g, Request request) {
  g.flow.request = request;
  g.host.Wake();
}

// After a hand ends, however it ends, nothing of its waits may accept a click.
void EndWaits(Game& g) {
  EndWait(g.flow);
  g.t.Dimmed = 0;
  g.t.Turn = kNoSeat;
  g.t.bidPanelVisible = false;
  g.t.trumpsPanelVisible = false;
}

}  // namespace

Next StartGame(Game& g, HandKeeper* keeper) {
  g.flow.loading = true;
  const NamesRead names = g.files.storage->LoadNames();
  const PointsRead points = g.files.storage->LoadPoints();
  g.s.userName = names.names[kSouth];
  for (int seat = kWest; seat <= kEast; ++seat) g.s.playerNames[seat] = names.names[seat];
  g.s.points = points.points;
  if (!names.message.empty()) Tell(g.host, names.message, BoxIcon::Warning);
  if (!points.message.empty()) Tell(g.host, points.message, BoxIcon::Warning);

  g.s.playerNames[kSouth] = g.s.userName;
  Welcome(g.t, g.s);
  for (int seat = 0; seat < kSeats; ++seat) SetNumber(g.t.pointsShown[seat], g.s.points[seat]);
  ShuffleThePackAtStart(g);
  BuildPack(g.s);
  g.s.dealer = (static_cast<int>(g.draw.rng.Uniform() * 4));
  g.flow.loading = false;

  // A command chosen while the table was being laid out is carried out now.
  const Request early = g.flow.request;
  g.flow.request = Request::None;
  if (early == Request::Exit) return Next::Quit;
  if (early == Request::NewGame) return Next::StartHands;

  if (keeper && keeper->OfferResume()) return Next::StartHands;
  const int answer = DeluxeMsgBox(g.host, BoxPurpose::Welcome,
               {"If this is your first time playing you may wish to view the Help File, change players names or look at "
                "other options. If so click on Cancel. After doing what you wish you may then start a new game by just "
                "pressing F2. If this is not your first time then just click on OK to start your game."},
               "O.K.", "Cancel", "", 1, "Welcome to Solo");
  return answer == 0 ? Next::StartHands : Next::Stay;
}

Next NewGameChosen(Game& g) {
  if (g.host.ShowMessageBox(BoxPurpose::ReallyNewGame, g.s.userName + " are you sure you wish to start a new game?  ",
                            "Really start a new game?", BoxButtons::YesNo, BoxIcon::Question) != BoxAnswer::Yes)
    return Next::Stay;
  if (g.flow.handRunning || g.flow.loading) {
    RequestDuringHand(g, Request::NewGame);
    return Next::Stay;
  }
  return Next::StartHands;
}

Next ExitChosen(Game& g) {
  if (g.host.ShowMessageBox(BoxPurpose::ReallyExit, g.s.userName + " are  you sure you wish to close everything down  ", "Really Exit?",
                            BoxButtons::OkCancel, BoxIcon::Question) != BoxAnswer::Ok)
    return Next::Stay;
  if (g.flow.handRunning || g.flow.loading) {
    RequestDuringHand(g, Request::Exit);
    return Next::Stay;
  }
  return Next::Quit;
}

Next CloseAsked(Game& g, int reason, bool& cancel) {
  cancel = false;
  if (reason == 0 &&
      g.host.ShowMessageBox(BoxPurpose::ReallyShutDown, "If you click OK then everything will shut down, else click on Cancel and carry on with your "
                            "game  ",
                            "Do you really wish to shut everything down?", BoxButtons::OkCancel,
                            BoxIcon::Critical) != BoxAnswer::Ok) {
    cancel = true;
    return Next::Stay;
  }
  if (g.flow.handRunning || g.flow.loading) {
    // The window closes once the hand has been unwound.
    cancel = true;
    RequestDuringHand(g, Request::Exit);
    return Next::Stay;
  }
  return Next::Quit;
}

Next RunHands(Game& g, const std::function<void()>& handBegins) {
  if (g.flow.handRunning) return Next::Stay;
  g.flow.handRunning = true;
  g.flow.request = Request::None;
  bool quit = false;
  while (!quit) {
    if (g.flow.restart) {
      const HandStart& from = *g.flow.restart;
      g.draw.seed = from.seed;
      g.draw.handNumber = from.handNumber;
      g.s.dealer = from.dealer;
      g.s.noShuffle = from.goulash;
      g.s.standard = from.standard;
      g.flow.takeBacks = from.takeBacks;
      g.flow.restart.reset();
    } else {
      g.flow.takeBacks = 0;
      g.flow.resumed = false;
      // The rules chosen take effect as a hand begins.
      g.s.standard = g.options.standardRules;
      if (handBegins) handBegins();
    }
    try {
      // A request to leave that came after the hand's last pause is honoured too.
      quit = PlayHand(g) == HandEnd::Exit || g.flow.request == Request::Exit;
      // A take-back that came after the hand's last pause comes too late: the hand is over.
      g.flow.restart.reset();
    } catch (const HandAbandoned&) {
      // A hand to be played again is not over.
      if (g.observer && g.flow.request != Request::Restart) g.observer->HandEnded(g, "abandoned");
      quit = g.flow.request == Request::Exit;
    }
    g.flow.request = Request::None;
    EndWaits(g);
  }
  g.flow.handRunning = false;
  return Next::Quit;
}

}  // namespace solo
