#pragma once
// Everything that happened in one hand, as the hand trace writes it and the history keeps it:
// the deal, the computer seats' counts, the bids as shown, the contract, every trick, the
// result and the points after it. The history adds when it was played, by whom and at what
// level.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/Contracts.h"

namespace solo {

struct TrickRecord {
  int leader = 0;
  std::array<int, 4> cards{};  // in playing order, from the leader
  int winner = 0;
};

struct HandRecord {
  std::uint64_t seed = 0;
  long hand = 0;  // the hand's number in its run of the game, from 1
  int dealer = 0;
  bool goulash = false;
  std::array<std::array<int, 13>, 4> hands{};  // the cards dealt to each seat, in pack order
  int trumpsDealt = 0;
  std::array<int, 3> points{};  // West's, North's and East's counts
  std::vector<std::array<int, 2>> bids;  // seat and bid code (0 a pass), in speaking order
  int declarer = -1, contract = 0, trumps = 0;
  // Played by the Standard rules: the contract is then a StandardCall, the partner that of a
  // Proposal and Acceptance (-1 otherwise), and the card turned up for trumps.
  bool standard = false;
  int partner = -1, turnedUp = 0;
  std::vector<TrickRecord> tricks;
  std::string result;  // "made", "failed", "passed" or "abandoned"
  std::array<long long, 4> pointsAfter{};

  // Kept by the history only.
  long long id = 0, run = 0;
  std::string when;                    // UTC, "2026-12-06 12:34:56"
  std::array<std::string, 4> names;    // South (the person) first
  std::array<std::string, 4> levels;   // "person", "classic" or "expert"
  int takeBacks = 0;                   // cards or bids the person took back in the hand
  // Resumed from a game that closed during it: written, it takes the place of the row that game
  // kept of it as abandoned, so a hand is one row however often it was left and resumed.
  bool resumed = false;
  std::string damage;                  // what is wrong with a row read back; empty when sound
};


// The row of the contract a hand was played in, by its rules (a pass for none).
inline const Contract& ContractOf(const HandRecord& hand) {
  return ContractOf(hand.contract, hand.standard);
}

// Whether `seat` played on the declaring side: the declarer, or its partner in a Proposal.
inline bool Declares(const HandRecord& hand, int seat) { return seat == hand.declarer || seat == hand.partner; }

// Appends the hand as one line of the trace: a JSON object ending in a newline.
void AppendTraceLine(const HandRecord& r, std::string& out);

// The time now in UTC, as the history writes it.
std::string NowUtc();

}  // namespace solo
