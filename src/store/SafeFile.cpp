#include "store/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace solo {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
int OpenFile(const char* path, int flags, int mode = 0) { return ::_open(path, flags | _O_BINARY, mode); }
int CloseFile(int fd) { return ::_close(fd); }
long ReadSome(int fd, char* buf, std::size_t n) { return ::_read(fd, buf, static_cast<unsigned>(n)); }
long WriteSome(int fd, const char* buf, std::size_t n) { return ::_write(fd, buf, static_cast<unsigned>(n)); }
int FlushFile(int fd) { return ::_commit(fd); }
void FlushFolder(const fs::path&) {}  // NTFS orders the rename with the data it names
constexpr int kReadFlags = O_RDONLY;
#else
int OpenFile(const char* path, int flags, int mode = 0) { return ::open(path, flags | O_CLOEXEC, mode); }
int CloseFile(int fd) { return ::close(fd); }
long ReadSome(int fd, char* buf, std::size_t n) { return ::read(fd, buf, n); }
long WriteSome(int fd, const char* buf, std::size_t n) { return ::write(fd, buf, n); }
int FlushFile(int fd) { return ::fsync(fd); }
// A rename is only durable once the folder that holds the name is on disk too. Some file
// systems cannot flush a folder; the file itself is already safe then, so that is not an error.
void FlushFolder(const fs::path& folder) {
  const int fd = OpenFile(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  CloseFile(fd);
}
// Non-blocking, so a pipe put in the file's place cannot stall the game even if it appears
// between the check and the open.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY;
#endif

constexpr const char* kTempMark = ".tmp-";
constexpr int kTempSuffixLength = 6;
constexpr const char kTempAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";

std::string RandomSuffix() {
  thread_local std::mt19937_64 random = [] {
    std::random_device device;
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seq{device(), device(), static_cast<unsigned>(now), static_cast<unsigned>(now >> 32)};
    return std::mt19937_64(seq);
  }();
  std::string suffix;
  for (int i = 0; i < kTempSuffixLength; ++i) suffix += kTempAlphabet[random() % (sizeof kTempAlphabet - 1)];
  return suffix;
}

// Creates a new temporary file beside `path`; never opens one that is already there.
int CreateTemporary(const fs::path& path, fs::path& temp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = path;
    temp += kTempMark + RandomSuffix();
    const int fd = OpenFile(temp.string().c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const long n = WriteSome(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

SmallFile ReadSmallFile(const fs::path& path, std::size_t limit) {
  SmallFile file;
  const auto damaged = [&](const char* why) {
    file.kind = SmallFile::Kind::Damaged;
    file.problem = why;
    return file;
  };
  const auto unreadable = [&](int err) {
    file.kind = SmallFile::Kind::Unreadable;
    file.problem = std::strerror(err);
    return file;
  };
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return file;
  if (ec) return unreadable(ec.value());
  if (status.type() == fs::file_type::directory) return damaged("it is a folder, not a file");
  if (status.type() != fs::file_type::regular) return damaged("it is not an ordinary file");
  if (fs::file_size(path, ec) > limit && !ec) return damaged("it is far too large for this file");

  const int fd = OpenFile(path.string().c_str(), kReadFlags);
  if (fd < 0) return unreadable(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    CloseFile(fd);
    return damaged("it is not an ordinary file");
  }
  std::string bytes(limit + 1, '\0');
  std::size_t got = 0;
  while (got <= limit) {
    const long n = ReadSome(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int err = errno;
      CloseFile(fd);
      return unreadable(err);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  CloseFile(fd);
  if (got > limit) return damaged("it is far too large for this file");
  bytes.resize(got);
  file.kind = SmallFile::Kind::Read;
  file.bytes = std::move(bytes);
  return file;
}

std::string WriteAtomically(const fs::path& path, const std::string& content) {
  fs::path temp;
  const int fd = CreateTemporary(path, temp);
  if (fd < 0) return std::strerror(errno ? errno : EEXIST);
  bool ok = WriteAll(fd, content) && FlushFile(fd) == 0;
  int err = ok ? 0 : errno;
  if (CloseFile(fd) != 0 && ok) ok = false, err = errno;
  std::string why;
  if (ok) {
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (!ec) {
      FlushFolder(path.parent_path());
      return {};
    }
    why = ec.message();
  } else {
    why = std::strerror(err ? err : EIO);
  }
  std::error_code ignored;
  fs::remove(temp, ignored);
  return why;
}

std::string SetAside(const fs::path& path) {
  fs::path target = path;
  target += ".bad";
  std::error_code ec;
  for (int n = 2; fs::symlink_status(target, ec).type() != fs::file_type::not_found; ++n) {
    if (n > 10000) return {};
    target = path;
    target += ".bad" + std::to_string(n);
  }
  fs::rename(path, target, ec);
  if (ec) return {};
  return target.string();
}

void RemoveLeftoverTemporaries(const fs::path& file) {
  const std::string name = file.filename().string();
  const std::string oldName = name + ".tmp";  // the single name earlier versions used
  const std::string prefix = name + kTempMark;
  std::error_code ec;
  fs::directory_iterator it(file.parent_path().empty() ? fs::path(".") : file.parent_path(), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string other = it->path().filename().string();
    const bool ours =
        other == oldName || (other.size() == prefix.size() + kTempSuffixLength && other.rfind(prefix, 0) == 0 &&
                             other.find_first_not_of(kTempAlphabet, prefix.size()) == std::string::npos);
    std::error_code ignored;
    if (ours && it->symlink_status(ignored).type() == fs::file_type::regular) fs::remove(it->path(), ignored);
  }
}

}  // namespace solo
