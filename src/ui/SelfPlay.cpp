#include "ui/SelfPlay.h"

#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

#include "ui/QtHost.h"

namespace solo::ui {

namespace {

// A figure of this process from /proc/self/status, in kB (0 where there is none).
long MemoryKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(status, line))
    if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
  return 0;
}

// The window's thread should serve a tick this often; a later tick means it was blocked.
constexpr int kTickMs = 5;
constexpr long kReportEvery = 50;

}  // namespace

SelfPlay::SelfPlay(Game& g, QtHost& host, long hands) : g_(g), host_(host), wanted_(hands) {
  g_.players[kSouth] = &south_;
  // Hands are counted, and the run ended, at the question after each hand: it must be asked.
  g_.options.nextHandWithoutAsking = false;
  host_.answerBoxes = [this](const DeluxeBox& box) {
    if (box.purpose == BoxPurpose::PassedOut) HandEnded();
    if (box.purpose != BoxPurpose::NewGameOrExit) return 0;
    HandEnded();
    return hands_ >= wanted_ ? 1 : 0;  // New Round, or at the end Exit Game
  };
  auto* tick = new QTimer(this);
  QObject::connect(tick, &QTimer::timeout, this, [this] {
    longestBlockMs_ = std::max(longestBlockMs_, sinceTick_.restart() - kTickMs);
  });
  sinceTick_.start();
  tick->setTimerType(Qt::PreciseTimer);
  tick->start(kTickMs);
}

SelfPlay::~SelfPlay() {
  Report("at the end");
  host_.answerBoxes = nullptr;
}

void SelfPlay::HandEnded() {
  if (++hands_ % kReportEvery == 0) Report("so far");
}

void SelfPlay::Report(const char* when) const {
  std::fprintf(stderr, "self-play: %ld hands %s, memory %ld kB, peak %ld kB, window blocked at most %lld ms\n", hands_,
               when, MemoryKb("VmRSS"), MemoryKb("VmHWM"), static_cast<long long>(longestBlockMs_));
}

}  // namespace solo::ui
