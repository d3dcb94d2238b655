#include "table/Pacing.h"

namespace solo {

void ThrowIfAbandoned(const Game& g) {
  if (g.Interrupted()) throw HandAbandoned{};
}

void JustPause(Game& g) {
  ThrowIfAbandoned(g);
  g.host.Pause(g.s.pauseLength, g);
  ThrowIfAbandoned(g);
}

void CardSoundAndPause(Game& g) {
  g.host.PlaySound(Sound::Card);
  JustPause(g);
}

int WaitForAnswer(Game& g, Waiting what) {
  g.waiting = what;
  g.answer = kNoAnswer;
  WaitUntil(g, [&g] { return g.answer != kNoAnswer; });
  return g.answer;
}

void EndWait(Game& g) {
  g.waiting = Waiting::Nothing;
  g.answer = kNoAnswer;
}

void WaitUntil(Game& g, const std::function<bool()>& done) {
  ThrowIfAbandoned(g);
  g.host.WaitFor([&] { return done() || g.Interrupted(); });
  ThrowIfAbandoned(g);
}

}  // namespace solo
