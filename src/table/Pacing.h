#pragma once
// Pauses and waits of the game. They let the table run (the window repaints, menus and clicks
// are served) and abandon the hand, by throwing HandAbandoned, when New Game or leaving the
// program was chosen meanwhile.
#include <functional>

#include "table/Game.h"

namespace solo {

// Waits IntPauseLength milliseconds.
void JustPause(Game& g);
// Starts the card sound, then waits IntPauseLength milliseconds.
void CardSoundAndPause(Game& g);
// Lets the table run until `done()`; abandons the hand if it is abandoned meanwhile.
void WaitUntil(Game& g, const std::function<bool()>& done);
// Throws HandAbandoned when the running hand has been abandoned.
void ThrowIfAbandoned(const Game& g);

}  // namespace solo
