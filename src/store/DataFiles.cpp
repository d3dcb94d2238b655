#include "store/DataFiles.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "store/NameText.h"

namespace solo {

namespace fs = std::filesystem;

namespace {

struct Field {
  std::string text;
  bool quoted = false;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Splits the first line into fields. A quoted field runs to its closing quote and may hold a
// comma; an unquoted one ends at the next comma. Returns an error text, or empty.
std::string SplitFields(std::string_view text, std::vector<Field>& fields) {
  std::size_t lineEnd = text.find_first_of("\r\n");
  std::string_view line = text.substr(0, lineEnd);
  std::string_view rest = lineEnd == std::string_view::npos ? std::string_view{} : text.substr(lineEnd);
  if (rest.find_first_not_of(" \t\r\n") != std::string_view::npos) return "it holds more than one line";
  if (line.find_first_not_of(" \t") == std::string_view::npos) return "it is empty";

  std::size_t i = 0;
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    Field f;
    if (i < line.size() && line[i] == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) return "a name has no closing quote";
      f.text = std::string(line.substr(i + 1, close - i - 1));
      f.quoted = true;
      i = close + 1;
      while (i < line.size() && IsBlank(line[i])) ++i;
      if (i < line.size() && line[i] != ',') return "there is text after a quoted name";
    } else {
      const std::size_t comma = std::min(line.find(',', i), line.size());
      std::string_view raw = line.substr(i, comma - i);
      while (!raw.empty() && IsBlank(raw.back())) raw.remove_suffix(1);
      f.text = std::string(raw);
      i = comma;
    }
    fields.push_back(std::move(f));
    if (i >= line.size()) break;
    ++i;  // the comma
  }
  return {};
}

std::string CountProblem(std::size_t found) {
  std::ostringstream out;
  out << "it holds " << found << (found == 1 ? " value" : " values") << " where 4 are expected";
  return out.str();
}

std::optional<std::string> ReadWhole(const fs::path& path, bool& missing) {
  std::error_code ec;
  missing = !fs::exists(path, ec);
  if (missing) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return bytes.str();
}

// Moves a damaged file out of the way, under a name that keeps any older damaged copy.
std::string SetAside(const fs::path& path) {
  fs::path target = path;
  target += ".bad";
  std::error_code ec;
  for (int n = 2; fs::exists(target, ec); ++n) {
    target = path;
    target += ".bad" + std::to_string(n);
  }
  fs::rename(path, target, ec);
  if (ec) return {};
  return target.string();
}

std::string Quote(const fs::path& p) { return "\"" + p.string() + "\""; }

// Writes through a temporary file beside the target, flushed to disk, then renamed over it.
// Returns why it failed, or empty; on failure the target is untouched.
std::string WriteAtomically(const fs::path& path, const std::string& content) {
  fs::path temp = path;
  temp += ".tmp";
  const auto fail = [&](const std::string& why) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return why;
  };
  std::FILE* f = std::fopen(temp.string().c_str(), "wb");
  if (!f) return fail(std::strerror(errno));
  bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
  int err = ok ? 0 : errno;
  if (ok && std::fflush(f) != 0) ok = false, err = errno;
#ifdef _WIN32
  if (ok && _commit(_fileno(f)) != 0) ok = false, err = errno;
#else
  if (ok && fsync(fileno(f)) != 0) ok = false, err = errno;
#endif
  if (std::fclose(f) != 0 && ok) ok = false, err = errno;
  if (!ok) return fail(std::strerror(err ? err : EIO));
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) return fail(ec.message());
  return {};
}

std::string SaveMessage(const fs::path& path, const std::string& why) {
  if (why.empty()) return {};
  return "The file " + Quote(path) + " could not be saved: " + why + ". The old file is unchanged.";
}

// A missing file is created with the defaults; only a failure to do so is worth a message.
std::string CreateMissing(const fs::path& path, const std::string& content) {
  const std::string why = WriteAtomically(path, content);
  if (why.empty()) return {};
  return "The file " + Quote(path) + " did not exist and could not be created: " + why + ".";
}

// Sets a damaged file aside, puts a file with the defaults in its place, and says so.
// `usedInstead` says what the game uses now ("the default names are used").
std::string ReplaceDamaged(const fs::path& path, const std::string& problem, const std::string& usedInstead,
                           const std::string& defaults) {
  std::string message = "The file " + Quote(path) + " could not be read: " + problem + ". ";
  const std::string kept = SetAside(path);
  if (kept.empty()) return message + "It could not be set aside either; " + usedInstead + " for this game.";
  WriteAtomically(path, defaults);
  return message + "It has been kept as " + Quote(kept) + " and " + usedInstead + ".";
}

}  // namespace

SeatNames DefaultNames() { return {"Player", "West Bot", "North Bot", "East Bot"}; }

std::string FormatNames(const SeatNames& names) {
  std::string line;
  for (int i = 0; i < kSeats; ++i) {
    if (i > 0) line += ',';
    line += '"' + CleanName(names[i]) + '"';
  }
  return line + "\r\n";
}

std::string FormatPoints(const SeatPoints& points) {
  std::string line;
  for (int i = 0; i < kSeats; ++i) {
    if (i > 0) line += ',';
    line += std::to_string(points[i]);
  }
  return line + "\r\n";
}

namespace {

// Reads one data file. Returns its four fields, or nothing when there are no fields to use;
// then `message` says why (empty for a missing file that has been created with the defaults).
// `interpret` may find a problem with the fields themselves. `usedInstead` says in words what
// the game uses when the file cannot be used, and `defaults` is the file's text with them.
std::optional<std::vector<Field>> ReadFields(
    const fs::path& path, const std::string& usedInstead, const std::string& defaults, std::string& message,
    const std::function<std::string(const std::vector<Field>&)>& interpret) {
  bool missing = false;
  const std::optional<std::string> bytes = ReadWhole(path, missing);
  if (missing) {
    message = CreateMissing(path, defaults);
    return std::nullopt;
  }
  if (!bytes) {
    message = "The file " + Quote(path) + " could not be opened; " + usedInstead + ".";
    return std::nullopt;
  }
  std::vector<Field> fields;
  std::string problem = SplitFields(DecodeFileText(*bytes), fields);
  if (problem.empty() && fields.size() != kSeats) problem = CountProblem(fields.size());
  if (problem.empty()) problem = interpret(fields);
  if (!problem.empty()) {
    message = ReplaceDamaged(path, problem, usedInstead, defaults);
    return std::nullopt;
  }
  return fields;
}

// A points total: a whole number in the 32-bit range, unquoted, with an optional sign.
std::string ParsePoints(const Field& field, Long& points) {
  std::string_view text = field.text;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || field.quoted || ec == std::errc::invalid_argument || end != text.data() + text.size())
    return "\"" + field.text + "\" is not a whole number";
  if (ec == std::errc::result_out_of_range || value < INT32_MIN || value > INT32_MAX)
    return "\"" + field.text + "\" is too large for a points total";
  points = static_cast<Long>(value);
  return {};
}

}  // namespace

NamesRead ReadNamesFile(const std::string& folder) {
  NamesRead result{DefaultNames(), {}};
  const auto fields = ReadFields(fs::path(folder) / kNamesFileName, "the default names are used",
                                 FormatNames(result.names), result.message,
                                 [](const std::vector<Field>&) { return std::string(); });
  if (!fields) return result;
  // A name that is empty once cleaned falls back to the seat's default name.
  for (int i = 0; i < kSeats; ++i) {
    std::string name = CleanName((*fields)[i].text);
    if (!name.empty()) result.names[i] = std::move(name);
  }
  return result;
}

PointsRead ReadPointsFile(const std::string& folder) {
  PointsRead result;
  SeatPoints points{};
  const auto fields = ReadFields(fs::path(folder) / kPointsFileName, "the points start again from 0",
                                 FormatPoints(result.points), result.message, [&points](const std::vector<Field>& f) {
                                   for (int i = 0; i < kSeats; ++i)
                                     if (std::string problem = ParsePoints(f[i], points[i]); !problem.empty())
                                       return problem;
                                   return std::string();
                                 });
  if (fields) result.points = points;
  return result;
}

std::string WriteNamesFile(const std::string& folder, const SeatNames& names) {
  const fs::path path = fs::path(folder) / kNamesFileName;
  return SaveMessage(path, WriteAtomically(path, FormatNames(names)));
}

std::string WritePointsFile(const std::string& folder, const SeatPoints& points) {
  const fs::path path = fs::path(folder) / kPointsFileName;
  return SaveMessage(path, WriteAtomically(path, FormatPoints(points)));
}

}  // namespace solo
