#include "sim/SimGame.h"


namespace solo {

SaveResult DeferredStorage::SaveNames(const SeatNames& names) {
  names_ = names;
  namesChanged_ = true;
  return {};
}

SaveResult DeferredStorage::SavePoints(const SeatPoints& points) {
  points_ = points;
  pointsChanged_ = true;
  return {};
}

std::string DeferredStorage::Flush() {
  std::string error;
  if (namesChanged_) error = files_.SaveNames(names_).message;
  if (pointsChanged_) {
    const std::string points = files_.SavePoints(points_).message;
    error += (error.empty() || points.empty() ? "" : " ") + points;
  }
  namesChanged_ = pointsChanged_ = false;
  return error;
}

void SimGame::SeatExperts(const std::array<bool, 4>& expert, int samples, std::uint64_t seed) {
  for (int seat = 0; seat < kSeats; ++seat) {
    if (!expert[seat]) continue;
    experts[seat] = std::make_unique<ExpertPlayer>(seed ^ (0x5EEDull * (seat + 1) * 0x9E3779B97F4A7C15ull), samples);
    g.players[seat] = experts[seat].get();
    g.s.KeepVoids = true;
  }
}

void SimHost::WaitFor(const std::function<bool()>& done) {
  if (!done()) throw std::logic_error("the simulator's game waits for a person");
}

}  // namespace solo
