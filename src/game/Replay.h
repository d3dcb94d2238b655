#pragma once
// A past hand, step by step, for the replay window: step 0 shows the four hands as dealt and
// the bids; step n shows the n-th trick on the table, the cards each seat still holds after
// it and the tricks won so far. Also the words the list of past hands shows for a hand.
#include <array>
#include <string>
#include <vector>

#include "store/HandRecord.h"

namespace solo {

struct ReplayStep {
  int trick = 0;                        // 0: before the first trick
  std::array<std::vector<int>, 4> held;  // each seat's cards, in pack order
  std::array<int, 4> played{};           // the trick's card of each seat (0: none)
  int leader = -1, winner = -1;
  std::array<int, 4> tricksWon{};
};

// The steps of a hand: one more than its tricks (only the deal for a damaged record).
int ReplaySteps(const HandRecord& hand);
// The hand at `step`, kept within 0..ReplaySteps - 1.
ReplayStep ReplayAt(const HandRecord& hand, int step);

// The seat's name as the hand kept it ("South" and so on when it kept none).
std::string SeatName(const HandRecord& hand, int seat);
// "Solo", "Misere Open"…; "none" for a hand nobody bid.
std::string ContractWords(const HandRecord& hand);
// "made", "failed", "thrown in", "abandoned", "damaged".
std::string ResultWords(const HandRecord& hand);
// The bids in speaking order: "West Bot passes, North Bot: Solo, …".
std::string BidsWords(const HandRecord& hand);

// The hands as JSON lines, in the simulator's trace format; damaged records are left out.
std::string ExportLines(const std::vector<HandRecord>& hands);

}  // namespace solo
