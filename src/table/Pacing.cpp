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
    const std::function<void()> errand = flow.errand;
    errand();
    flow.errand = nullptr;
  }
  flow.errand = nullptr;
  return flow.answer;
}

void EndWait(HandFlow& flow) {
  flow.waiting = Waiting::Nothing;
  flow.answer = kNoAnswer;
  flow.errand = nullptr;  // one that ended the hand as it ran
}

bool ComputeForErrand(Host& host, const HandFlow& flow, const std::function<void(const std::atomic<bool>&)>& work) {
  class AnsweredOrAbandoned final : public Interruption {
   public:
    explicit AnsweredOrAbandoned(const HandFlow& f) : flow_(f) {}
    bool Interrupted() const override { return flow_.Interrupted() || flow_.answer != kNoAnswer; }

   private:
    const HandFlow& flow_;
  };
  host.Compute(work, AnsweredOrAbandoned(flow));
  ThrowIfAbandoned(flow);
  return flow.answer == kNoAnswer;
}

void WaitUntil(Host& host, const HandFlow& flow, const std::function<bool()>& done) {
  ThrowIfAbandoned(flow);
  host.WaitFor([&] { return done() || flow.Interrupted(); });
  ThrowIfAbandoned(flow);
}

}  // namespace solo
