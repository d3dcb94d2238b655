#pragma once
// The two small files that keep a game between runs, in the folder the caller gives:
// "Names2.dat" (the user's name, then West, North, East) and "Points.dat" (the four totals).
// Each is one line ending in CR LF, four comma-separated fields, names in double quotes.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "state/Types.h"

namespace solo {

using SeatNames = std::array<std::string, kSeats>;
using SeatPoints = std::array<Long, kSeats>;

inline constexpr const char* kNamesFileName = "Names2.dat";
inline constexpr const char* kPointsFileName = "Points.dat";
inline constexpr const char* kHistoryFileName = "History.sqlite";

// A real data file is one short line; anything larger is damaged and is never read whole.
inline constexpr std::size_t kMaxDataFileBytes = 64 * 1024;

SeatNames DefaultNames();

// ReadOnly is for a copy of the game that must not write into the folder (another copy owns
// it): a missing or damaged file is then neither created, replaced nor set aside.
enum class FileAccess { ReadWrite, ReadOnly };

// A read always gives usable values. A missing file is created with the defaults. A file that
// cannot be understood, or cannot be opened, is set aside as "<name>.bad", the defaults are
// used, and `message` says in plain words what happened, for the window to show; it is empty
// when all went well. When such a file cannot even be set aside, `mustNotSave` is true: the
// file is left exactly as it is and nothing may be saved over it in this run.
struct NamesRead {
  SeatNames names;
  std::string message;
  bool mustNotSave = false;
};
struct PointsRead {
  SeatPoints points{};
  std::string message;
  bool mustNotSave = false;
};

NamesRead ReadNamesFile(const std::string& folder, FileAccess access = FileAccess::ReadWrite);
PointsRead ReadPointsFile(const std::string& folder, FileAccess access = FileAccess::ReadWrite);

// Writes replace the file atomically: the old file stays whole until the new one is complete,
// and two programs saving into one folder never tear each other's file.
// The result is empty on success, otherwise a plain-words message.
std::string WriteNamesFile(const std::string& folder, const SeatNames& names);
std::string WritePointsFile(const std::string& folder, const SeatPoints& points);

// The exact text of each file.
std::string FormatNames(const SeatNames& names);
std::string FormatPoints(const SeatPoints& points);

// The contents of a file understood, without touching any file: the values, or why they can't
// be used (a plain-words problem; then `names`/`points` are left as they were).
std::string ParseNamesText(std::string_view bytes, SeatNames& names);
std::string ParsePointsText(std::string_view bytes, SeatPoints& points);

}  // namespace solo
