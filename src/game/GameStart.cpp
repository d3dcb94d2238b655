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
  g.request = request;
  g.host.Wake();
}

// After a hand ends, however it ends, nothing of its waits may accept a click.
void EndWaits(Game& g) {
  EndWait(g);
  g.t.Dimmed = 0;
  g.t.Turn = kNoSeat;
  g.t.bidPanelVisible = false;
  g.t.trumpsPanelVisible = false;
}

}  // namespace

Next StartGame(Game& g, HandKeeper* keeper) {
  g.loading = true;
  const NamesRead names = g.storage->LoadNames();
  const PointsRead points = g.storage->LoadPoints();
  g.s.userName = names.names[kSouth];
  for (int seat = kWest; seat <= kEast; ++seat) g.s.playerNames[seat] = names.names[seat];
  g.s.points = points.points;
  if (!names.message.empty()) Tell(g, names.message, BoxIcon::Warning);
  if (!points.message.empty()) Tell(g, points.message, BoxIcon::Warning);

  g.s.playerNames[kSouth] = g.s.userName;
  Welcome(g);
  for (int seat = 0; seat < kSeats; ++seat) SetNumber(g.t.pointsShown[seat], g.s.points[seat]);
  ShuffleThePackAtStart(g);
  BuildPack(g.s);
  g.s.dealer = (static_cast<int>(g.rng.Uniform() * 4));
  g.loading = false;

  // A command chosen while the table was being laid out is carried out now.
  const Request early = g.request;
  g.request = Request::None;
  if (early == Request::Exit) return Next::Quit;
  if (early == Request::NewGame) return Next::StartHands;

  if (keeper && keeper->OfferResume()) return Next::StartHands;
  const int answer = DeluxeMsgBox(g, BoxPurpose::Welcome,
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
  if (g.handRunning || g.loading) {
    RequestDuringHand(g, Request::NewGame);
    return Next::Stay;
  }
  return Next::StartHands;
}

Next ExitChosen(Game& g) {
  if (g.host.ShowMessageBox(BoxPurpose::ReallyExit, g.s.userName + " are  you sure you wish to close everything down  ", "Really Exit?",
                            BoxButtons::OkCancel, BoxIcon::Question) != BoxAnswer::Ok)
    return Next::Stay;
  if (g.handRunning || g.loading) {
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
  if (g.handRunning || g.loading) {
    // The window closes once the hand has been unwound.
    cancel = true;
    RequestDuringHand(g, Request::Exit);
    return Next::Stay;
  }
  return Next::Quit;
}

Next RunHands(Game& g) {
  if (g.handRunning) return Next::Stay;
  g.handRunning = true;
  g.request = Request::None;
  bool quit = false;
  while (!quit) {
    if (g.restart) {
      const HandStart& from = *g.restart;
      g.seed = from.seed;
      g.handNumber = from.handNumber;
      g.s.dealer = from.dealer;
      g.s.noShuffle = from.goulash;
      g.s.standard = from.standard;
      g.takeBacks = from.takeBacks;
      g.restart.reset();
    } else {
      g.takeBacks = 0;
      // The rules chosen take effect as a hand begins.
      g.s.standard = g.options.standardRules;
    }
    try {
      // A request to leave that came after the hand's last pause is honoured too.
      quit = PlayHand(g) == HandEnd::Exit || g.request == Request::Exit;
      // A take-back that came after the hand's last pause comes too late: the hand is over.
      g.restart.reset();
    } catch (const HandAbandoned&) {
      // A hand to be played again is not over.
      if (g.observer && g.request != Request::Restart) g.observer->HandEnded(g, "abandoned");
      quit = g.request == Request::Exit;
    }
    g.request = Request::None;
    EndWaits(g);
  }
  g.handRunning = false;
  return Next::Quit;
}

}  // namespace solo
