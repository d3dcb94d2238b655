#include "table/Pacing.h"

namespace solo {

void ThrowIfAbandoned(const Game& g) {
  if (g.Interrupted()) throw HandAbandoned{};
}

void Pause(Game& g, int ms) {
  ThrowIfAbandoned(g);
  g.host.Pause(ms, g);
  ThrowIfAbandoned(g);
}

void CardSoundAndPause(Game& g, int ms) {
  g.host.PlaySound(Sound::Card);
  Pause(g, ms);
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
