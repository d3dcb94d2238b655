#pragma once
// The two small files that keep a game between runs, in the folder the caller gives:
// "Names2.dat" (the user's name, then West, North, East) and "Points.dat" (the four totals).
// Each is one line ending in CR LF, four comma-separated fields, names in double quotes.
#include <array>
#include <string>

#include "state/Types.h"

namespace solo {

using SeatNames = std::array<std::string, kSeats>;
using SeatPoints = std::array<Long, kSeats>;

inline constexpr const char* kNamesFileName = "Names2.dat";
inline constexpr const char* kPointsFileName = "Points.dat";

SeatNames DefaultNames();

// A read always gives usable values. A missing file is created with the defaults. A file that
// cannot be understood is set aside as "<name>.bad", the defaults are used, and `message` says
// in plain words what happened, for the window to show; it is empty when all went well.
struct NamesRead {
  SeatNames names;
  std::string message;
};
struct PointsRead {
  SeatPoints points{};
  std::string message;
};

NamesRead ReadNamesFile(const std::string& folder);
PointsRead ReadPointsFile(const std::string& folder);

// Writes replace the file atomically: the old file stays whole until the new one is complete.
// The result is empty on success, otherwise a plain-words message; the old file is then intact.
std::string WriteNamesFile(const std::string& folder, const SeatNames& names);
std::string WritePointsFile(const std::string& folder, const SeatPoints& points);

// The exact text of each file.
std::string FormatNames(const SeatNames& names);
std::string FormatPoints(const SeatPoints& points);

}  // namespace solo
