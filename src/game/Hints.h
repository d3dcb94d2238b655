#pragma once
// A hint for the person: what the computer players' rules would do in South's place, now.
#include <string>

#include "table/Game.h"

namespace solo {

struct Hint {
  int bid = -1;   // the bid to make (0 to pass) when the bid panel waits, else -1
  int card = 0;   // the card to play when a card is awaited, else 0
  std::string text;  // the hint in words, for the status bar; empty when there is none
};

// Nothing when the game waits for no bid and no card of South's. The computer player itself
// is asked, so the hint is its choice by construction.
Hint HintFor(Game& g);

// Game > Hint: selects the hinted bid on the panel and writes the hint on the status bar.
// Returns the hint, so the window can also point at the hinted card.
Hint MnuHint_Click(Game& g);

}  // namespace solo
