#include "table/Saving.h"

#include "table/Messages.h"

namespace solo {

namespace {

// The first failure of a run is told in a box; the same failure again only in the status bar,
// so a folder that cannot be written does not ask for a click after every hand.
void TellFailure(Game& g, const SaveResult& result, bool& told) {
  if (result.message.empty()) return;
  if (told) {
    g.host.ShowStatus(result.message);
    return;
  }
  told = true;
  Tell(g, result.message, BoxIcon::Warning);
}

}  // namespace

void SaveNames(Game& g) {
  const SeatNames names = {g.s.userName, g.s.playerNames[kWest], g.s.playerNames[kNorth],
                           g.s.playerNames[kEast]};
  TellFailure(g, g.storage->SaveNames(names), g.saving.namesFailureTold);
}

bool SavePoints(Game& g) {
  const SaveResult result = g.storage->SavePoints(g.s.points);
  g.saving.pointsSaved = result.saved;
  TellFailure(g, result, g.saving.pointsFailureTold);
  return result.saved;
}

}  // namespace solo
