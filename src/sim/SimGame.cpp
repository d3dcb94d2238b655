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
  // What could not be written stays changed, so a later flush tries it again.
  std::string error;
  if (namesChanged_) {
    error = files_.SaveNames(names_).message;
    namesChanged_ = !error.empty();
  }
  if (pointsChanged_) {
    const std::string points = files_.SavePoints(points_).message;
    pointsChanged_ = !points.empty();
    error += (error.empty() || points.empty() ? "" : " ") + points;
  }
  return error;
}

void SimHost::WaitFor(const std::function<bool()>& done) {
  if (!done()) throw std::logic_error("the simulator's game waits for a person");
}

}  // namespace solo
