#include "table/Pacing.h"

namespace solo {

namespace {

bool Abandoned(const Game& g) { return g.handRunning && g.request != Request::None; }

}  // namespace

void ThrowIfAbandoned(const Game& g) {
  if (Abandoned(g)) throw HandAbandoned{};
}

void JustPause(Game& g) {
  ThrowIfAbandoned(g);
  g.host.Pause(g.s.IntPauseLength, [&g] { return Abandoned(g); });
  ThrowIfAbandoned(g);
}

void CardSoundAndPause(Game& g) {
  g.host.PlaySound(Sound::Card);
  JustPause(g);
}

void WaitUntil(Game& g, const std::function<bool()>& done) {
  ThrowIfAbandoned(g);
  g.host.WaitFor([&] { return done() || Abandoned(g); });
  ThrowIfAbandoned(g);
}

}  // namespace solo
