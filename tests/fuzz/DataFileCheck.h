#pragma once
// What must hold for any bytes at all in a names or points file: reading never fails hard, a
// file that reads is written back to the same values, and a problem is a short message.
// Shared by the libFuzzer target and the test that feeds it generated files.
#include <string>
#include <string_view>

#include "store/DataFiles.h"
#include "store/NameText.h"

namespace solo::fuzz {

// Empty when all holds; otherwise what did not.
inline std::string CheckDataFileText(std::string_view bytes) {
  constexpr std::size_t kLongestProblem = 200;
  SeatPoints points{};
  const std::string pointsProblem = ParsePointsText(bytes, points);
  if (pointsProblem.size() > kLongestProblem) return "a points problem runs to " + std::to_string(pointsProblem.size());
  if (pointsProblem.empty()) {
    SeatPoints again{};
    if (!ParsePointsText(FormatPoints(points), again).empty() || again != points) return "points do not round-trip";
  }
  SeatNames names = DefaultNames();
  const std::string namesProblem = ParseNamesText(bytes, names);
  if (namesProblem.size() > kLongestProblem) return "a names problem runs to " + std::to_string(namesProblem.size());
  if (namesProblem.empty()) {
    for (const std::string& name : names)
      if (name.empty() || name != CleanName(name)) return "a name was kept that cannot be stored: " + name;
    SeatNames again = DefaultNames();
    if (!ParseNamesText(FormatNames(names), again).empty() || again != names) return "names do not round-trip";
  }
  // A quoted field is at most 40 characters of up to 4 bytes, the ellipsis and two quotes.
  if (QuoteForMessage(bytes).size() > kMaxQuoted * 4 + 5) return "a quoted field is too long";
  return {};
}

}  // namespace solo::fuzz
