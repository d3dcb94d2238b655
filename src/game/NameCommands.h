#pragma once
// The Options menu: a new name for a seat, and erasing the points.
#include "table/Game.h"

namespace solo {

void RenameSouthChosen(Game& g);
void RenameWestChosen(Game& g);
void RenameNorthChosen(Game& g);
void RenameEastChosen(Game& g);
void ErasePointsChosen(Game& g);

}  // namespace solo
