#pragma once
// Start-up, the menu commands of the Game menu and leaving the program, and the hand loop.
#include <functional>

#include "table/Game.h"
#include "table/NewHand.h"

namespace solo {

class HandKeeper;

// Start-up: names and points read, the pack shown and built, the first dealer drawn, then a
// hand left unfinished offered to resume (when a keeper is given), else the welcome box.
// StartHands when the person chose to play at once, or to resume.
Next StartGame(Game& g, HandKeeper* keeper = nullptr);

// New Game (F2): asks, then abandons the running hand or starts the first one.
Next NewGameChosen(Game& g);
// Exit Game (Ctrl+X): asks, then ends the program (once a running hand has been abandoned).
Next ExitChosen(Game& g);
// Closing the window; `reason` 0 means the person closed it. Sets `cancel` to keep it open.
Next CloseAsked(Game& g, int reason, bool& cancel);

// The one hand loop: plays hands until the program is to end. It starts each hand afresh, so
// the call depth is the same on every hand; an abandoned hand never resumes. `handBegins` is
// called as each new hand begins (not one played again), where a choice kept from the hand in
// play takes effect.
Next RunHands(Game& g, const std::function<void()>& handBegins = {});

}  // namespace solo
