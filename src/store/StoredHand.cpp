#include "store/StoredHand.h"

#include <charconv>
#include <sstream>
#include <string_view>
#include <vector>

namespace solo {

namespace {

void WriteNumber(std::string& out, long long n) {
  // Most numbers are cards and seats: one or two digits.
  if (n >= 0 && n < 100) {
    if (n >= 10) out += static_cast<char>('0' + n / 10);
    out += static_cast<char>('0' + n % 10);
    out += ' ';
    return;
  }
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
  out += ' ';
}

template <typename List>
void Write(std::string& out, const List& list) {
  for (const auto n : list) WriteNumber(out, n);
}

// The whole numbers of a list parted by blanks; false when anything else is in it.
bool ReadNumbers(std::string_view text, std::vector<long long>& numbers) {
  numbers.clear();
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    long long n = 0;
    const auto [next, ec] = std::from_chars(p, end, n);
    if (ec != std::errc() || (next != end && *next != ' ')) return false;
    numbers.push_back(n);
    p = next;
  }
  return true;
}

bool Within(long long n, long long low, long long high) { return n >= low && n <= high; }

bool IsTrumpCode(long long code) { return code == -1 || code == 0 || Within(code, 4, 8); }

}  // namespace

void EncodeHand(const HandRecord& r, StoredHand& row) {
  row.id = r.id;
  row.run = r.run;
  row.played = r.when;
  row.seed = static_cast<long long>(r.seed);
  row.hand = r.hand;
  row.dealer = r.dealer;
  row.goulash = r.goulash;
  for (std::string* text : {&row.dealt, &row.counts, &row.bids, &row.tricks, &row.pointsAfter, &row.levels})
    text->clear();
  for (const auto& hand : r.hands) Write(row.dealt, hand);
  row.trumpsDealt = r.trumpsDealt;
  Write(row.counts, r.points);
  for (const auto& bid : r.bids) Write(row.bids, bid);
  row.declarer = r.declarer;
  row.contract = r.contract;
  row.trumps = r.trumps;
  for (const TrickRecord& t : r.tricks) {
    WriteNumber(row.tricks, t.leader);
    Write(row.tricks, t.cards);
    WriteNumber(row.tricks, t.winner);
  }
  row.result = r.result;
  Write(row.pointsAfter, r.pointsAfter);
  row.names = r.names;
  for (const std::string& level : r.levels) {
    row.levels += level.empty() ? "?" : level;
    row.levels += ' ';
  }
  row.takeBacks = r.takeBacks;
  row.rules = r.standard ? "standard" : "classic";
  row.partner = r.partner;
  row.turnedUp = r.turnedUp;
}

HandRecord DecodeHand(const StoredHand& row) {
  HandRecord r;
  r.id = row.id;
  r.run = row.run;
  r.when = row.played;
  r.seed = static_cast<std::uint64_t>(row.seed);
  r.hand = static_cast<long>(row.hand);
  r.names = row.names;
  r.result = row.result;
  const auto damaged = [&](const char* what) {
    r.damage = what;
    return r;
  };
  // Numbers go into the record's int fields only once they are known to fit.
  constexpr long long kLargest = 1'000'000'000;
  if (!Within(row.dealer, 0, 3)) return damaged("the dealer");
  r.dealer = static_cast<int>(row.dealer);
  r.goulash = row.goulash != 0;
  std::vector<long long> numbers;
  if (!ReadNumbers(row.dealt, numbers) || (numbers.size() != 52 && !numbers.empty())) return damaged("the deal");
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    if (!Within(numbers[k], 0, 52)) return damaged("the deal");
    r.hands[k / 13][k % 13] = static_cast<int>(numbers[k]);
  }
  if (!IsTrumpCode(row.trumpsDealt) || !IsTrumpCode(row.trumps)) return damaged("the trumps");
  r.trumpsDealt = static_cast<int>(row.trumpsDealt);
  r.trumps = static_cast<int>(row.trumps);
  if (!ReadNumbers(row.counts, numbers) || numbers.size() != 3) return damaged("the counts");
  for (int k = 0; k < 3; ++k) {
    if (!Within(numbers[k], -kLargest, kLargest)) return damaged("the counts");
    r.points[k] = static_cast<int>(numbers[k]);
  }
  if (!ReadNumbers(row.bids, numbers) || numbers.size() % 2 != 0) return damaged("the bids");
  for (std::size_t k = 0; k < numbers.size(); k += 2) {
    if (!Within(numbers[k], 0, 3) || !Within(numbers[k + 1], 0, kHighestBidCode)) return damaged("the bids");
    r.bids.push_back({static_cast<int>(numbers[k]), static_cast<int>(numbers[k + 1])});
  }
  if (!Within(row.declarer, -1, 3) || !Within(row.contract, 0, kHighestBidCode)) return damaged("the contract");
  r.declarer = static_cast<int>(row.declarer);
  r.contract = static_cast<int>(row.contract);
  if (!ReadNumbers(row.tricks, numbers) || numbers.size() % 6 != 0 || numbers.size() > 13 * 6)
    return damaged("the tricks");
  for (std::size_t k = 0; k < numbers.size(); k += 6) {
    TrickRecord t;
    if (!Within(numbers[k], 0, 3) || !Within(numbers[k + 5], 0, 3)) return damaged("the tricks");
    t.leader = static_cast<int>(numbers[k]);
    t.winner = static_cast<int>(numbers[k + 5]);
    for (int i = 0; i < 4; ++i) {
      if (!Within(numbers[k + 1 + i], 1, 52)) return damaged("the tricks");
      t.cards[i] = static_cast<int>(numbers[k + 1 + i]);
    }
    r.tricks.push_back(t);
  }
  if (!ReadNumbers(row.pointsAfter, numbers) || numbers.size() != 4) return damaged("the points");
  for (int k = 0; k < 4; ++k) r.pointsAfter[k] = numbers[k];
  std::istringstream levels(row.levels);
  for (std::string& level : r.levels) levels >> level;
  if (row.takeBacks < 0 || row.takeBacks > 1000) return damaged("the take-backs");
  r.takeBacks = static_cast<int>(row.takeBacks);
  if (row.rules != "classic" && row.rules != "standard") return damaged("the rules");
  r.standard = row.rules == "standard";
  if (!Within(row.partner, -1, 3) || !Within(row.turnedUp, 0, 52)) return damaged("the contract");
  r.partner = static_cast<int>(row.partner);
  r.turnedUp = static_cast<int>(row.turnedUp);
  r.damage = CheckHand(r);
  return r;
}

std::string CheckHand(const HandRecord& r) {
  if (!Within(r.dealer, 0, 3)) return "the dealer";
  if (r.result != "made" && r.result != "failed" && r.result != "passed" && r.result != "abandoned")
    return "the result";
  // Who holds each card; a hand abandoned before its deal ended holds none at all.
  std::array<int, 53> holder;
  holder.fill(-1);
  int dealt = 0;
  for (int seat = 0; seat < 4; ++seat)
    for (const int card : r.hands[seat]) {
      if (card == 0) continue;
      if (!Within(card, 1, 52) || holder[card] != -1) return "the deal";
      holder[card] = seat;
      ++dealt;
    }
  if (dealt != 52 && (dealt != 0 || r.result != "abandoned" || !r.tricks.empty())) return "the deal";
  // The Standard rules' calls and contracts have codes of their own.
  const int highest = r.standard ? kStandardAbundanceDeclared : kHighestBidCode;
  for (const auto& [seat, code] : r.bids)
    if (!Within(seat, 0, 3) || !Within(code, 0, highest)) return "the bids";
  if (!Within(r.declarer, -1, 3) || !Within(r.contract, 0, highest)) return "the contract";
  // A pair's partner is another seat than its declarer (a hand thrown in has neither).
  if (r.standard && (!Within(r.partner, -1, 3) || !Within(r.turnedUp, 0, 52) ||
                     (r.partner >= 0) != (r.contract == kAcceptance) || (r.partner >= 0 && r.partner == r.declarer)))
    return "the contract";
  if ((r.result == "made" || r.result == "failed") && (r.declarer < 0 || r.contract == 0)) return "the contract";
  if (r.tricks.size() > 13) return "the tricks";
  // Each card is played once, by the seat that held it; each trick is led by the last one's winner.
  std::array<bool, 53> played{};
  for (std::size_t k = 0; k < r.tricks.size(); ++k) {
    const TrickRecord& t = r.tricks[k];
    if (!Within(t.leader, 0, 3) || !Within(t.winner, 0, 3)) return "the tricks";
    if (k > 0 && t.leader != r.tricks[k - 1].winner) return "the tricks";
    for (int i = 0; i < 4; ++i) {
      const int card = t.cards[i];
      if (!Within(card, 1, 52) || played[card] || holder[card] != (t.leader + i) % 4) return "the tricks";
      played[card] = true;
    }
  }
  return {};
}

}  // namespace solo
