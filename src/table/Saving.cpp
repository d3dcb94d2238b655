#include "table/Saving.h"

#include "table/Messages.h"

namespace solo {

void SaveNames(Game& g) {
  const SeatNames names = {g.s.StrUserName, g.s.StrPlayerName[kWest], g.s.StrPlayerName[kNorth],
                           g.s.StrPlayerName[kEast]};
  const SaveResult result = g.storage->SaveNames(names);
  if (!result.message.empty()) Tell(g, result.message, BoxIcon::Warning);
}

bool SavePoints(Game& g) {
  const SaveResult result = g.storage->SavePoints(g.s.LngPoints);
  if (!result.message.empty()) Tell(g, result.message, BoxIcon::Warning);
  return result.saved;
}

}  // namespace solo
