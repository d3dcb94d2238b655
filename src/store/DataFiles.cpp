#include "store/DataFiles.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "store/NameText.h"
#include "store/SafeFile.h"

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

std::string Quote(const fs::path& p) { return "\"" + p.string() + "\""; }

// A file that is there but cannot be used is never written over unless it was set aside first.
std::string CannotSetAside(const std::string& usedInstead) {
  return "It could not be set aside either, so it is left exactly as it is and nothing is saved over it: " +
         usedInstead + " for this game only. Make the file readable (or move it away) and start the game again.";
}

struct Unusable {
  std::string message;
  bool mustNotSave = false;
};

// Sets a file that cannot be used aside, puts a file with the defaults in its place, and says
// so. `usedInstead` says what the game uses now ("the default names are used").
Unusable SetAsideUnusable(const fs::path& path, const std::string& opening, const std::string& usedInstead,
                          const std::string& defaults, FileAccess access) {
  if (access == FileAccess::ReadOnly) return {opening + "; " + usedInstead + ".", true};
  const std::string kept = SetAside(path);
  if (kept.empty()) return {opening + ". " + CannotSetAside(usedInstead), true};
  std::string message = opening + ". It has been kept as " + Quote(kept) + " and " + usedInstead;
  if (const std::string why = WriteAtomically(path, defaults); !why.empty())
    message += ", but a new file could not be written in its place: " + why;
  return {message + ".", false};
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

// Fields of a file's text: four of them, or why not.
std::string SplitFour(std::string_view bytes, std::vector<Field>& fields) {
  if (bytes.size() > kMaxDataFileBytes) return "it is far too large for this file";
  std::string problem = SplitFields(DecodeFileText(bytes), fields);
  if (problem.empty() && fields.size() != kSeats) problem = CountProblem(fields.size());
  return problem;
}

void Report(const Unusable& u, std::string& message, bool& mustNotSave) {
  message = u.message;
  mustNotSave = u.mustNotSave;
}

// Reads one data file into `result` through `parse`, which gives the file's problem or stores
// the values. When the file can't be used, `result.message` says why (it stays empty for a
// missing file that has been created with the defaults). `usedInstead` says in words what the
// game uses then, and `defaults` is the file's text with them.
template <typename Read, typename Parse>
void ReadDataFile(const fs::path& path, FileAccess access, const std::string& usedInstead,
                  const std::string& defaults, Read& result, Parse parse) {
  const SmallFile file = ReadSmallFile(path, kMaxDataFileBytes);
  switch (file.kind) {
    case SmallFile::Kind::Missing:
      if (access == FileAccess::ReadOnly) return;
      if (const std::string why = WriteAtomically(path, defaults); !why.empty())
        result.message = "The file " + Quote(path) + " did not exist and could not be created: " + why + ".";
      return;
    case SmallFile::Kind::Unreadable:
      Report(SetAsideUnusable(path, "The file " + Quote(path) + " could not be opened: " + file.problem, usedInstead,
                              defaults, access),
             result.message, result.mustNotSave);
      return;
    case SmallFile::Kind::Damaged:
    case SmallFile::Kind::Read:
      break;
  }
  const std::string problem = file.kind == SmallFile::Kind::Read ? parse(file.bytes) : file.problem;
  if (problem.empty()) return;
  Report(SetAsideUnusable(path, "The file " + Quote(path) + " could not be read: " + problem, usedInstead, defaults,
                          access),
         result.message, result.mustNotSave);
}

// A points total: a whole number in the 32-bit range, unquoted, with an optional sign.
std::string ParsePoints(const Field& field, Long& points) {
  std::string_view text = field.text;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || field.quoted || ec == std::errc::invalid_argument || end != text.data() + text.size())
    return QuoteForMessage(field.text) + " is not a whole number";
  if (ec == std::errc::result_out_of_range || value < INT32_MIN || value > INT32_MAX)
    return QuoteForMessage(field.text) + " is too large for a points total";
  points = static_cast<Long>(value);
  return {};
}

std::string InterpretPoints(const std::vector<Field>& fields, SeatPoints& points) {
  SeatPoints read{};
  for (int i = 0; i < kSeats; ++i)
    if (std::string problem = ParsePoints(fields[i], read[i]); !problem.empty()) return problem;
  points = read;
  return {};
}

// A name that is empty once cleaned falls back to the seat's default name.
void InterpretNames(const std::vector<Field>& fields, SeatNames& names) {
  const SeatNames defaults = DefaultNames();
  for (int i = 0; i < kSeats; ++i) {
    names[i] = CleanName(fields[i].text);
    if (names[i].empty()) names[i] = defaults[i];
  }
}

std::string SaveMessage(const fs::path& path, bool existed, const std::string& why) {
  if (why.empty()) return {};
  return "The file " + Quote(path) + " could not be saved: " + why + "." + (existed ? " The old file is unchanged." : "");
}

std::string Save(const fs::path& path, const std::string& content) {
  std::error_code ec;
  const bool existed = fs::symlink_status(path, ec).type() != fs::file_type::not_found;
  return SaveMessage(path, existed, WriteAtomically(path, content));
}

}  // namespace

NamesRead ReadNamesFile(const std::string& folder, FileAccess access) {
  NamesRead result{DefaultNames(), {}, false};
  ReadDataFile(fs::path(folder) / kNamesFileName, access, "the default names are used", FormatNames(result.names),
               result, [&result](std::string_view bytes) { return ParseNamesText(bytes, result.names); });
  return result;
}

PointsRead ReadPointsFile(const std::string& folder, FileAccess access) {
  PointsRead result;
  ReadDataFile(fs::path(folder) / kPointsFileName, access, "the points start again from 0",
               FormatPoints(result.points), result,
               [&result](std::string_view bytes) { return ParsePointsText(bytes, result.points); });
  return result;
}

std::string ParseNamesText(std::string_view bytes, SeatNames& names) {
  std::vector<Field> fields;
  std::string problem = SplitFour(bytes, fields);
  if (problem.empty()) InterpretNames(fields, names);
  return problem;
}

std::string ParsePointsText(std::string_view bytes, SeatPoints& points) {
  std::vector<Field> fields;
  std::string problem = SplitFour(bytes, fields);
  if (problem.empty()) problem = InterpretPoints(fields, points);
  return problem;
}

std::string WriteNamesFile(const std::string& folder, const SeatNames& names) {
  return Save(fs::path(folder) / kNamesFileName, FormatNames(names));
}

std::string WritePointsFile(const std::string& folder, const SeatPoints& points) {
  return Save(fs::path(folder) / kPointsFileName, FormatPoints(points));
}

}  // namespace solo
