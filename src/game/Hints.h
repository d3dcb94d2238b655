#pragma once
// A hint for the person: what the computer players' rules would do in South's place, now, or
// what an Expert would, with how often its choice reached the goal in the layouts it imagined.
#include <string>

#include "play/ExpertPlayer.h"
#include "table/Game.h"

namespace solo {

struct Hint {
  int bid = -1;   // the bid to make (0 to pass) when the bid panel waits, else -1
  int card = 0;   // the card to play when a card is awaited, else 0
  int trumps = 0;  // the suit to name when South's trumps are awaited, else 0
  std::string text;  // the hint in words, for the status bar; empty when there is none
};

// Nothing when the game waits for no bid, trumps or card of South's. The player itself is
// asked (the Classic rules, or `adviser` when set), so the hint is its choice by construction.
// The adviser searches through the host, so it is asked from the hand's wait (a flow errand),
// never from a handler; nothing either once the person answered while it searched.
Hint HintFor(Game& g, ExpertPlayer* adviser = nullptr);

// Game > Hint: selects the hinted bid on the panel and writes the hint on the status bar.
// Returns the hint, so the window can also point at the hinted card.
Hint HintChosen(Game& g, ExpertPlayer* adviser = nullptr);

}  // namespace solo
