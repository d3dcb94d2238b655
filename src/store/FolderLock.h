#pragma once
// One program at a time keeps its names and points in a folder: two copies of the game (or the
// game and the simulator) saving into one folder would undo each other's points. The lock is
// an advisory lock on a small file in the folder, held while the program runs; the system
// drops it when the program ends in any way, so a crash never leaves the folder locked.
#include <string>

namespace solo {

inline constexpr const char* kLockFileName = ".solo-whist.lock";

class FolderLock {
 public:
  enum class State {
    Held,         // this program owns the folder
    Busy,         // another program holds the lock
    Unavailable,  // no lock can be made there (a read-only folder, say); `problem` says why
  };

  // Tries once, without waiting. Once held, the temporary files that earlier runs killed in
  // the middle of a save left in the folder are removed.
  explicit FolderLock(const std::string& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  State state() const { return state_; }
  const std::string& problem() const { return problem_; }

 private:
  State state_ = State::Unavailable;
  std::string problem_;
  int fd_ = -1;
};

}  // namespace solo
