#pragma once
// Reading and writing a small file so that nothing is ever lost: bounded reads that never
// block on a pipe or device, atomic replacement through a temporary file of its own, and
// setting a damaged file aside.
#include <cstddef>
#include <filesystem>
#include <string>

namespace solo {

struct SmallFile {
  enum class Kind {
    Read,        // `bytes` holds the whole file
    Missing,     // there is no file of that name
    Unreadable,  // it is there but could not be opened or read; `problem` says why
    Damaged,     // it is not an ordinary file, or it is too large; `problem` says why
  };
  Kind kind = Kind::Missing;
  std::string bytes;
  std::string problem;
};

// Reads a file of at most `limit` bytes. Something that is not an ordinary file (a folder, a
// pipe, a device) is never opened, so it can neither hang nor flood the reader.
SmallFile ReadSmallFile(const std::filesystem::path& path, std::size_t limit);

// Writes through a temporary file of a unique name beside the target (created exclusively),
// flushed to disk, then renamed over it, and the folder flushed too. Returns why it failed,
// or empty; on failure the target is untouched and the temporary file is gone.
std::string WriteAtomically(const std::filesystem::path& path, const std::string& content);

// Moves a damaged file out of the way as "<name>.bad" (".bad2", ".bad3"... when older damaged
// copies are there, so none is lost). Returns the new path, or empty when it could not.
std::string SetAside(const std::filesystem::path& path);

// Removes the temporary files that a program killed in the middle of a save left behind for
// `file` in its folder; only names our own saves make are touched.
void RemoveLeftoverTemporaries(const std::filesystem::path& file);

}  // namespace solo
