#include "table/Pacing.h"

namespace solo {

void ThrowIfAbandoned(const HandFlow& flow) {
  if (flow.Interrupted()) throw HandAbandoned{};
}

void Pause(Host& host, const HandFlow& flow, int ms) {
  ThrowIfAbandoned(flow);
  host.Pause(ms, flow);
  ThrowIfAbandoned(flow);
}

void CardSoundAndPause(Host& host, const HandFlow& flow, int ms) {
  host.PlaySound(Sound::Card);
  Pause(host, flow, ms);
}

int WaitForAnswer(Host& host, HandFlow& flow, Waiting what) {
  flow.waiting = what;
  flow.answer = kNoAnswer;
  flow.errand = nullptr;
  for (;;) {
    WaitUntil(host, flow, [&flow] { return flow.answer != kNoAnswer || flow.errand; });
    if (flow.answer != kNoAnswer) break;
    const std::function<void()> errand = std::move(flow.errand);
    flow.errand = nullptr;
    errand();
  }
  flow.errand = nullptr;
  return flow.answer;
}

void EndWait(HandFlow& flow) {
  flow.waiting = Waiting::Nothing;
  flow.answer = kNoAnswer;
}

void WaitUntil(Host& host, const HandFlow& flow, const std::function<bool()>& done) {
  ThrowIfAbandoned(flow);
  host.WaitFor([&] { return done() || flow.Interrupted(); });
  ThrowIfAbandoned(flow);
}

}  // namespace solo
