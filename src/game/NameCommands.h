#pragma once
// The Options menu: a new name for a seat, and erasing the points.
#include "table/Game.h"

namespace solo {

void mnuYou_Click(Game& g);
void MnuWest_Click(Game& g);
void MnuNorth_Click(Game& g);
void MnuEast_Click(Game& g);
void MnuErase_Click(Game& g);

}  // namespace solo
