#pragma once
// What must hold for any row at all in the history's hands table: reading it never fails hard;
// a row called sound replays step by step with every card in range, is exported, and reads back
// the same once written again; a row called damaged is neither replayed nor exported.
// Shared by the libFuzzer target and the test that feeds it generated rows.
#include <string>
#include <string_view>
#include <vector>

#include "game/Replay.h"
#include "store/StoredHand.h"

namespace solo::fuzz {

// A row from bytes: its fields parted by '|', in the table's column order; the whole-number
// columns read as far as they are numbers.
inline StoredHand RowFromBytes(std::string_view bytes) {
  std::vector<std::string> fields;
  std::string field;
  for (const char c : bytes) {
    if (c == '|') {
      fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(field);
  fields.resize(21);
  std::size_t i = 0;
  const auto number = [&] { return std::strtoll(fields[i++].c_str(), nullptr, 10); };
  StoredHand row;
  row.played = fields[i++];
  row.dealer = number();
  row.goulash = number();
  row.dealt = fields[i++];
  row.trumpsDealt = number();
  row.counts = fields[i++];
  row.bids = fields[i++];
  row.declarer = number();
  row.contract = number();
  row.trumps = number();
  row.tricks = fields[i++];
  row.result = fields[i++];
  row.pointsAfter = fields[i++];
  for (std::string& name : row.names) name = fields[i++];
  row.levels = fields[i++];
  return row;
}

// The bytes of a row, the other way round.
inline std::string BytesFromRow(const StoredHand& row) {
  std::string out = row.played;
  for (const std::string& f :
       {std::to_string(row.dealer), std::to_string(row.goulash), row.dealt, std::to_string(row.trumpsDealt),
        row.counts, row.bids, std::to_string(row.declarer), std::to_string(row.contract), std::to_string(row.trumps),
        row.tricks, row.result, row.pointsAfter, row.names[0], row.names[1], row.names[2], row.names[3], row.levels})
    out += '|' + f;
  return out;
}

// Empty when all holds; otherwise what did not.
inline std::string CheckStoredRow(const StoredHand& row) {
  const HandRecord hand = DecodeHand(row);
  const int steps = ReplaySteps(hand);
  if (!hand.damage.empty()) {
    if (steps != 1) return "a damaged hand can be stepped through";
    if (!ExportLines({hand}).empty()) return "a damaged hand is exported";
    return {};
  }
  if (!CheckHand(hand).empty()) return "a hand read as sound fails its check: " + CheckHand(hand);
  for (int step = 0; step < steps; ++step) {
    const ReplayStep at = ReplayAt(hand, step);
    for (const auto& held : at.held)
      for (const int card : held)
        if (card < 1 || card > 52) return "a replay shows card " + std::to_string(card);
  }
  const std::string line = ExportLines({hand});
  if (line.empty()) return "a sound hand is not exported";
  StoredHand again;
  EncodeHand(hand, again);
  const HandRecord back = DecodeHand(again);
  if (!back.damage.empty() || ExportLines({back}) != line) return "a sound hand does not read back the same";
  return {};
}

}  // namespace solo::fuzz
