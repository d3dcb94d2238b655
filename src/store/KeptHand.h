#pragma once
// The hand in play, kept in the data folder after every decision of every seat so that a hand
// cut short (the window closed, the program killed, the machine off) can be played on. It keeps
// where the hand started and the decisions made since, in order: played again from that start
// with the same decisions, the same hand comes back exactly, card for card.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "state/Types.h"

namespace solo {

inline constexpr const char* kHandInPlayFileName = "HandInPlay.txt";

// One decision of a seat: a computer's offer before the round ('O'), a bid ('B', 0 a pass), a
// call of the Standard rules' auction ('A'), trumps named ('T') or a card played ('C');
// `claimed` marks a card the person's claim played.
struct KeptDecision {
  char kind = 'C';
  int seat = 0;
  int value = 0;
  bool claimed = false;
  bool operator==(const KeptDecision&) const = default;
};

struct KeptHand {
  std::uint64_t seed = 0;
  long handNumber = 0;  // hands begun before it
  int dealer = 0;       // the dealer before it
  bool goulash = false;
  bool standard = false;  // played by the Standard rules
  int takeBacks = 0;
  std::array<Long, kSeats> points{};  // the points before the hand
  std::array<std::string, kSeats> levels;  // "person", "classic" or "expert" at each seat
  std::vector<KeptDecision> decisions;
  bool operator==(const KeptHand&) const = default;
};

// The kept hand as the file's text, and read back: nothing when the text is not a kept hand of
// this version (damaged, cut short, or written by another version), `problem` saying why.
std::string KeptHandText(const KeptHand& hand);
std::optional<KeptHand> ReadKeptHandText(const std::string& text, std::string& problem);

}  // namespace solo
