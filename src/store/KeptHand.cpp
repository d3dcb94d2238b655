#include "store/KeptHand.h"

#include <charconv>

#include "state/Contracts.h"
#include <sstream>

namespace solo {

namespace {

// The first line names the format and its version; a kept hand of another version is not
// played on, since its decisions may not replay the same.
constexpr const char* kFirstLine = "Solo Whist hand in play, version 1";

bool IsLevel(const std::string& level) { return level == "person" || level == "classic" || level == "expert"; }

// A whole number from `word`, and nothing else in it.
template <typename Number>
bool ReadNumber(const std::string& word, Number& value) {
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value);
  return error == std::errc{} && stop == end && !word.empty();
}

bool InRange(const KeptDecision& d) {
  if (d.seat < 0 || d.seat >= kSeats) return false;
  switch (d.kind) {
    case 'O':
    case 'B': return d.value >= kPass && d.value <= kAbundanceDeclared && !d.claimed;
    case 'T': return IsSuit(d.value) && !d.claimed;
    case 'A': return d.value >= kStandardPass && d.value <= kStandardAbundanceDeclared && !d.claimed;
    case 'C': return d.value >= 1 && d.value <= kCards;
    default: return false;
  }
}

// "C2=17" or "C0=17*": kind, seat, value, and a claimed card's mark.
bool ReadDecision(const std::string& word, KeptDecision& d) {
  const std::size_t equals = word.find('=');
  if (word.size() < 4 || equals != 2) return false;
  d.kind = word[0];
  d.seat = word[1] - '0';
  std::string value = word.substr(3);
  d.claimed = !value.empty() && value.back() == '*';
  if (d.claimed) value.pop_back();
  return ReadNumber(value, d.value) && InRange(d);
}

}  // namespace

std::string KeptHandText(const KeptHand& h) {
  std::ostringstream out;
  out << kFirstLine << "\nseed " << h.seed << "\nhand " << h.handNumber << "\ndealer " << h.dealer << "\ngoulash "
       << (h.goulash ? 1 : 0) << "\nrules " << (h.standard ? "standard" : "classic") << "\ntakebacks " << h.takeBacks << "\npoints";
  for (Long p : h.points) out << ' ' << p;
  out << "\nlevels";
  for (const std::string& level : h.levels) out << ' ' << level;
  out << "\ndecisions";
  for (const KeptDecision& d : h.decisions)
    out << ' ' << d.kind << d.seat << '=' << d.value << (d.claimed ? "*" : "");
  out << "\nend\n";
  return out.str();
}

std::optional<KeptHand> ReadKeptHandText(const std::string& text, std::string& problem) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kFirstLine) {
    problem = line.rfind("Solo Whist hand in play", 0) == 0 ? "it was kept by another version of the game"
                                                            : "it is not a kept hand";
    return std::nullopt;
  }
  KeptHand h;
  bool ended = false;
  // Each field once, in its order: a line out of place is damage.
  const char* const fields[] = {"seed",   "hand",   "dealer",    "goulash", "rules",
                                "takebacks", "points", "levels", "decisions", "end"};
  std::size_t next = 0;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string field;
    words >> field;
    if (next >= std::size(fields) || field != fields[next]) {
      problem = "a line is damaged or out of place";
      return std::nullopt;
    }
    ++next;
    std::vector<std::string> values;
    for (std::string word; words >> word;) values.push_back(word);
    bool ok = true;
    const auto one = [&](auto& value) { ok = values.size() == 1 && ReadNumber(values[0], value); };
    if (field == "seed") one(h.seed);
    else if (field == "hand") { one(h.handNumber); ok = ok && h.handNumber >= 0; }
    else if (field == "dealer") { one(h.dealer); ok = ok && h.dealer >= 0 && h.dealer < kSeats; }
    else if (field == "goulash") {
      int flag = 0;
      one(flag);
      ok = ok && (flag == 0 || flag == 1);
      h.goulash = flag == 1;
    } else if (field == "rules") {
      ok = values.size() == 1 && (values[0] == "classic" || values[0] == "standard");
      h.standard = ok && values[0] == "standard";
    } else if (field == "takebacks") { one(h.takeBacks); ok = ok && h.takeBacks >= 0; }
    else if (field == "points") {
      ok = values.size() == kSeats;
      for (int seat = 0; ok && seat < kSeats; ++seat) ok = ReadNumber(values[seat], h.points[seat]);
    } else if (field == "levels") {
      ok = values.size() == kSeats;
      for (int seat = 0; ok && seat < kSeats; ++seat) ok = IsLevel(h.levels[seat] = values[seat]);
    } else if (field == "decisions") {
      // A hand has at most a few dozen decisions; many more is damage, never read into memory.
      ok = values.size() <= 4 * kCards;
      for (std::size_t i = 0; ok && i < values.size(); ++i) ok = ReadDecision(values[i], h.decisions.emplace_back());
    } else {
      ok = values.empty();
      ended = ok;
    }
    if (!ok) {
      problem = "its " + field + " line is damaged";
      return std::nullopt;
    }
  }
  if (!ended) {
    problem = "it is cut short";
    return std::nullopt;
  }
  return h;
}

}  // namespace solo
