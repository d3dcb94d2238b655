#include "game/NameCommands.h"

#include "store/NameText.h"
#include "table/HandObserver.h"
#include "table/NewHand.h"
#include "table/Presentation.h"
#include "table/Messages.h"
#include "table/Saving.h"

namespace solo {

namespace {

// Asks for a seat's new name. Cancel, or an entry with nothing left once cleaned, keeps the
// old name: an empty name would leave the seat unnamed on the table and in the file.
void AskName(Game& g, int seat, const char* prompt, const char* title, const char* defaultText) {
  const std::optional<std::string> entry = g.host.InputBox(prompt, title, defaultText);
  if (!entry) return;
  std::string name = CleanName(*entry);
  if (name.empty()) return;
  // In the middle of a hand the captions show the bids and plays: they stay, with the new name
  // in the renamed seat's own caption; the greetings are for a table between hands.
  PerSeat<std::string> captions = g.t.nameCaptions;
  const std::string old = g.s.playerNames[seat];
  g.s.playerNames[seat] = name;
  if (seat == kSouth) g.s.userName = name;
  SaveNames(g.files, g.host, g.s);
  Welcome(g.t, g.s);
  if (!g.flow.handRunning) return;
  // The contract panel names the declaring side too: it shows the new name at once.
  if (g.t.ContractVisible && g.show) g.show->ContractShown(g);
  std::string& own = captions[seat];
  if (own.compare(0, old.size(), old) == 0) own.replace(0, old.size(), name);
  g.t.nameCaptions = std::move(captions);
}

}  // namespace

void RenameSouthChosen(Game& g) { AskName(g, kSouth, "Replace name Player?", "Enter your name ", "Your name please"); }

void RenameWestChosen(Game& g) {
  AskName(g, kWest, "Replace West Robot with name of your choice?", "Enter name of West Bot", "West Bot");
}

void RenameNorthChosen(Game& g) {
  AskName(g, kNorth, "Replace North Robot with name of your choice?", "Enter name of North Bot", "North Bot");
}

void RenameEastChosen(Game& g) {
  AskName(g, kEast, "Replace East Robot with name of your choice?", "Enter name of East Bot", "East Bot");
}

void ErasePointsChosen(Game& g) {
  if (DeluxeMsgBox(g.host, BoxPurpose::ReallyErase, {g.s.userName, " are you sure you wish to erase all the statistics?"},
                   "Yes", "No", "", 1, "Really Erase?") != 0)
    return;
  for (int seat = 0; seat < kSeats; ++seat) {
    g.s.points[seat] = 0;
    g.t.pointsShown[seat] = "0";
  }
  SavePoints(g.files, g.host, g.s);
  if (g.observer) g.observer->PointsErased(g);
}

}  // namespace solo
