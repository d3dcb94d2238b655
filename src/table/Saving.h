#pragma once
// Saving the names and the points whenever they change. A failure is told to the person in
// plain words and the game goes on.
#include "table/Game.h"

namespace solo {

void SaveNames(SavedFiles& files, Host& host, const GameState& s);
// Says whether the points are now kept.
bool SavePoints(SavedFiles& files, Host& host, const GameState& s);

}  // namespace solo
