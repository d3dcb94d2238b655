#pragma once
// A game played without a window and without waiting: every seat is a computer player, the
// host answers every box at once by its purpose, and the names and points are kept in memory
// until the end. The simulator, its tests and the benchmarks play through it.
#include <functional>
#include <stdexcept>

#include <memory>

#include "game/TablePresentation.h"
#include "game/Opponents.h"
#include "store/Storage.h"
#include "table/Game.h"

namespace solo {

// Keeps the names and points in memory during a run and writes both files once at its end: a
// run plays far more hands a second than a file can be saved safely.
class DeferredStorage : public Storage {
 public:
  explicit DeferredStorage(std::string folder) : files_(std::move(folder)) {}
  NamesRead LoadNames() override { return files_.LoadNames(); }
  PointsRead LoadPoints() override { return files_.LoadPoints(); }
  SaveResult SaveNames(const SeatNames& names) override;
  SaveResult SavePoints(const SeatPoints& points) override;
  // Writes what changed; a plain-words message on failure. A file that could not be used at
  // loading and was left in place is not written (that was told when it was loaded).
  std::string Flush();

 private:
  FolderStorage files_;
  SeatNames names_;
  SeatPoints points_{};
  bool namesChanged_ = false, pointsChanged_ = false;
};

// Pauses take no time, boxes are answered by `answer` (the first button when unset), and what
// the game tells the person goes to `tell`. Nothing is ever waited for: no seat is a person.
class SimHost : public Host {
 public:
  std::function<int(const DeluxeBox&)> answer;
  std::function<void(const std::string&)> tell;

  void Pause(int, const Interruption&) override {}
  void WaitFor(const std::function<bool()>& done) override;
  int ShowDeluxeBox(const DeluxeBox& box) override { return answer ? answer(box) : 0; }
  bool ReadsBoxes() const override { return false; }
  BoxAnswer ShowMessageBox(BoxPurpose purpose, const std::string& text, const std::string&, BoxButtons buttons,
                           BoxIcon) override {
    // Only what the game tells; its questions (leave the game?) are answered, not shown.
    if (tell && purpose == BoxPurpose::Notice) tell(text);
    return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void Beep() override {}
  void PlaySound(Sound) override {}
};

// A whole game ready to play: host, storage and game, every seat played by the computer (South
// bids what its point count gives, never Abundance Open or Misere Open, passing when refused).
struct SimGame {
  SimGame(std::string folder, std::uint64_t seed) : storage(std::move(folder)), g(host, storage, seed) {
    SetUpHeadless(g);
  }
  SimHost host;
  DeferredStorage storage;
  Game g;
  ExpertSeats experts;
};

}  // namespace solo
