#pragma once
// Saving the names and the points whenever they change. A failure is told to the person in
// plain words and the game goes on.
#include "table/Game.h"

namespace solo {

void SaveNames(Game& g);
// Says whether the points are now kept.
bool SavePoints(Game& g);

}  // namespace solo
