#include "table/Saving.h"

#include "table/Messages.h"

namespace solo {

namespace {

// The first failure of a run is told in a box; the same failure again only in the status bar,
// so a folder that cannot be written does not ask for a click after every hand.
void TellFailure(Host& host, const SaveResult& result, bool& told) {
  if (result.message.empty()) return;
  if (told) {
    host.ShowStatus(result.message);
    return;
  }
  told = true;
  Tell(host, result.message, BoxIcon::Warning);
}

}  // namespace

void SaveNames(SavedFiles& files, Host& host, const GameState& s) {
  const SeatNames names = {s.userName, s.playerNames[kWest], s.playerNames[kNorth], s.playerNames[kEast]};
  TellFailure(host, files.storage->SaveNames(names), files.namesFailureTold);
}

bool SavePoints(SavedFiles& files, Host& host, const GameState& s) {
  const SaveResult result = files.storage->SavePoints(s.points);
  files.pointsSaved = result.saved;
  TellFailure(host, result, files.pointsFailureTold);
  return result.saved;
}

}  // namespace solo
