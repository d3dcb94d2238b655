#include "store/HandRecord.h"

#include <charconv>
#include <ctime>

namespace solo {

namespace {

void Number(std::string& out, long long n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  out.append(digits, end);
}

template <typename List>
void Numbers(std::string& out, const List& list) {
  out += '[';
  bool first = true;
  for (const auto n : list) {
    if (!first) out += ',';
    first = false;
    Number(out, n);
  }
  out += ']';
}

}  // namespace

void AppendTraceLine(const HandRecord& r, std::string& out) {
  out += "{\"seed\":";
  Number(out, static_cast<long long>(r.seed));
  out += ",\"hand\":";
  Number(out, r.hand);
  out += ",\"dealer\":";
  Number(out, r.dealer);
  out += r.goulash ? ",\"goulash\":true" : ",\"goulash\":false";
  out += ",\"hands\":[";
  for (int seat = 0; seat < 4; ++seat) {
    if (seat) out += ',';
    Numbers(out, r.hands[seat]);
  }
  out += "],\"trumps_dealt\":";
  Number(out, r.trumpsDealt);
  out += ",\"points\":";
  Numbers(out, r.points);
  out += ",\"bids\":[";
  for (std::size_t i = 0; i < r.bids.size(); ++i) {
    if (i) out += ',';
    Numbers(out, r.bids[i]);
  }
  out += "],\"declarer\":";
  Number(out, r.declarer);
  // A hand of the Standard rules says so, and names the partner of a Proposal and Acceptance;
  // the Classic rules' lines are as they always were.
  if (r.standard) {
    out += ",\"rules\":\"standard\",\"partner\":";
    Number(out, r.partner);
    out += ",\"turned_up\":";
    Number(out, r.turnedUp);
  }
  out += ",\"contract\":";
  Number(out, r.contract);
  out += ",\"trumps\":";
  Number(out, r.trumps);
  out += ",\"tricks\":[";
  for (std::size_t i = 0; i < r.tricks.size(); ++i) {
    out += i ? ",{\"leader\":" : "{\"leader\":";
    Number(out, r.tricks[i].leader);
    out += ",\"cards\":";
    Numbers(out, r.tricks[i].cards);
    out += ",\"winner\":";
    Number(out, r.tricks[i].winner);
    out += '}';
  }
  out += "],\"result\":\"";
  out += r.result;
  out += "\",\"points_after\":";
  Numbers(out, r.pointsAfter);
  out += "}\n";
}

std::string NowUtc() {
  // The simulator asks many times a second: the text is made again only when the second changes.
  thread_local std::time_t last = -1;
  thread_local char text[32];
  const std::time_t now = std::time(nullptr);
  if (now != last) {
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &utc);
    last = now;
  }
  return text;
}

}  // namespace solo
