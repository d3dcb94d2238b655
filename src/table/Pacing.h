#pragma once
// Pauses and waits of the game. They let the table run (the window repaints, menus and clicks
// are served) and abandon the hand, by throwing HandAbandoned, when New Game or leaving the
// program was chosen meanwhile.
#include <atomic>
#include <functional>

#include "table/Game.h"

namespace solo {

// Waits `ms` milliseconds of the game's time (one of the lengths in g.pacing).
void Pause(Host& host, const HandFlow& flow, int ms);
// Starts the card sound, then waits `ms` milliseconds.
void CardSoundAndPause(Host& host, const HandFlow& flow, int ms);
// Lets the table run until `done()`; abandons the hand if it is abandoned meanwhile.
void WaitUntil(Host& host, const HandFlow& flow, const std::function<bool()>& done);
// Waits for the person's answer of one kind (a bid, trumps, a card); the handler that takes it
// leaves it in flow.answer. The wait stays open, taking no second answer, until EndWait.
// Meanwhile it runs each errand a handler leaves in flow.errand, which stays there while it runs
// (so a handler asks for no second one meanwhile).
int WaitForAnswer(Host& host, HandFlow& flow, Waiting what);
void EndWait(HandFlow& flow);
// Runs the search an errand asked for through the host (`work` is told to stop early). It ends
// early once the hand is abandoned, which abandons it here too, or once the person has answered:
// false then, the search's result being of no use.
bool ComputeForErrand(Host& host, const HandFlow& flow, const std::function<void(const std::atomic<bool>&)>& work);
// Throws HandAbandoned when the running hand has been abandoned.
void ThrowIfAbandoned(const HandFlow& flow);

}  // namespace solo
