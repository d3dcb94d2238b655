#include "store/FolderLock.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <sys/file.h>
#include <unistd.h>
#endif

#include "store/DataFiles.h"
#include "store/SafeFile.h"

namespace solo {

namespace fs = std::filesystem;

FolderLock::FolderLock(const std::string& folder) {
  const fs::path path = fs::path(folder) / kLockFileName;
#ifdef _WIN32
  // Windows: a file opened without sharing cannot be opened again until it is closed.
  const int err = ::_sopen_s(&fd_, path.string().c_str(), _O_RDWR | _O_CREAT, _SH_DENYRW, _S_IREAD | _S_IWRITE);
  if (err != 0) {
    state_ = err == EACCES ? State::Busy : State::Unavailable;
    problem_ = std::strerror(err);
    fd_ = -1;
    return;
  }
#else
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd_ < 0) {
    problem_ = std::strerror(errno);
    return;
  }
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    state_ = errno == EWOULDBLOCK ? State::Busy : State::Unavailable;
    problem_ = std::strerror(errno);
    ::close(fd_);
    fd_ = -1;
    return;
  }
#endif
  state_ = State::Held;
  for (const char* name : {kNamesFileName, kPointsFileName}) RemoveLeftoverTemporaries(fs::path(folder) / name);
}

FolderLock::~FolderLock() {
#ifdef _WIN32
  if (fd_ >= 0) ::_close(fd_);
#else
  if (fd_ >= 0) ::close(fd_);  // closing drops the lock
#endif
}

}  // namespace solo
