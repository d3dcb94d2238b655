#pragma once
// Pauses and waits of the game. They let the table run (the window repaints, menus and clicks
// are served) and abandon the hand, by throwing HandAbandoned, when New Game or leaving the
// program was chosen meanwhile.
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
// Meanwhile it runs each errand a handler leaves in flow.errand.
int WaitForAnswer(Host& host, HandFlow& flow, Waiting what);
void EndWait(HandFlow& flow);
// What ends an errand's search early: the hand abandoned, or the person's answer given (the
// errand is of no use then).
class AnsweredOrAbandoned final : public Interruption {
 public:
  explicit AnsweredOrAbandoned(const HandFlow& flow) : flow_(flow) {}
  bool Interrupted() const override { return flow_.Interrupted() || flow_.answer != kNoAnswer; }

 private:
  const HandFlow& flow_;
};
// Throws HandAbandoned when the running hand has been abandoned.
void ThrowIfAbandoned(const HandFlow& flow);

}  // namespace solo
