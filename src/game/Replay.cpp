#include "game/Replay.h"

#include "bidding/StandardBidding.h"

#include <algorithm>

#include "bidding/BidLadder.h"

namespace solo {

// A damaged record is never stepped through: its tricks may name any seat or card.
int ReplaySteps(const HandRecord& hand) {
  return hand.damage.empty() ? static_cast<int>(std::min<std::size_t>(hand.tricks.size(), 13)) + 1 : 1;
}

ReplayStep ReplayAt(const HandRecord& hand, int step) {
  ReplayStep at;
  at.trick = std::clamp(step, 0, ReplaySteps(hand) - 1);
  std::array<std::array<bool, 53>, 4> gone{};
  for (int t = 0; t < at.trick; ++t) {
    const TrickRecord& trick = hand.tricks[t];
    for (int i = 0; i < 4; ++i) {
      const int seat = ((trick.leader % 4 + 4) % 4 + i) % 4, card = trick.cards[i];
      if (card >= 1 && card <= 52) gone[seat][card] = true;
      if (t == at.trick - 1) at.played[seat] = card;
    }
    if (trick.winner >= 0 && trick.winner < 4) ++at.tricksWon[trick.winner];
    if (t == at.trick - 1) at.leader = trick.leader, at.winner = trick.winner;
  }
  for (int seat = 0; seat < 4; ++seat)
    for (int card : hand.hands[seat])
      if (card >= 1 && card <= 52 && !gone[seat][card]) at.held[seat].push_back(card);
  return at;
}

std::string SeatName(const HandRecord& hand, int seat) {
  static const char* const kSeats[4] = {"South", "West", "North", "East"};
  if (seat < 0 || seat > 3) return "nobody";
  return hand.names[seat].empty() ? kSeats[seat] : hand.names[seat];
}

std::string ContractWords(const HandRecord& hand) {
  if (!hand.damage.empty() || hand.contract <= 0) return "none";
  return ContractOf(hand).name;
}

std::string ResultWords(const HandRecord& hand) {
  if (!hand.damage.empty()) return "damaged";
  const std::string words = hand.result == "passed" ? "thrown in" : hand.result;
  return hand.takeBacks > 0 ? words + " (with a take-back)" : words;
}

std::string BidsWords(const HandRecord& hand) {
  std::string words;
  for (const auto& [seat, code] : hand.bids) {
    if (!words.empty()) words += ", ";
    words += SeatName(hand, seat);
    if (hand.standard) {
      // The auction's calls in their own words, without the caption's full stop.
      const std::string call = CallCaption(code);
      words += call.substr(0, call.size() - 1);
      continue;
    }
    words += code > 0 && code < kBidKinds ? std::string(": ") + ContractOf(code).name : " passes";
  }
  return words.empty() ? "no bids" : words;
}

std::string ExportLines(const std::vector<HandRecord>& hands) {
  std::string lines;
  for (const HandRecord& hand : hands)
    if (hand.damage.empty()) AppendTraceLine(hand, lines);
  return lines;
}

}  // namespace solo
