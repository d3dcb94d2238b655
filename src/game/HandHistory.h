#pragma once
// The game's hand history: every hand, played to its end or abandoned, is kept in History.sqlite
// in the data folder once the points file is saved. A history that cannot be opened or written
// is told about once; the game goes on as before, and the points file is never touched by it.
// The window never waits on the database for longer than a frame: while another program holds
// it, the hands wait in order and are written once it is free again, or when the game ends.
#include <array>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/HandRecorder.h"
#include "store/History.h"
#include "table/Game.h"

namespace solo {

class HandHistory {
 public:
  // Watches the game's hands and keeps them in the folder's history; `readOnly` (another copy
  // of the game has the folder) only reads what is there.
  HandHistory(Game& g, const std::filesystem::path& folder, bool readOnly);
  ~HandHistory();
  HandHistory(const HandHistory&) = delete;
  HandHistory& operator=(const HandHistory&) = delete;

  // What the person should be told about the history at the start (once), or empty.
  std::string TakeNotice() { return std::exchange(notice_, {}); }
  // The history to read from (the statistics, the past hands); null when there is none.
  History* history() const { return history_.get(); }

  // How long a write may wait for another program's lock during the game, and at its end.
  static constexpr int kPlayingWaitMs = 10, kClosingWaitMs = 1500;
  // Hands kept but not yet written (the database was busy).
  std::size_t waiting() const { return waiting_.size(); }
  // Writes the hands that wait, in order, as far as the database lets it. A failure other than
  // a busy database is told in a box the first time only when `mayTell` (never from a timer
  // that fires during a pause).
  void WriteWaiting(bool mayTell = false);
  // The game ends: one last try, waiting a little longer. What the person should be told of
  // hands that could still not be written, or empty.
  std::string Close();

 private:
  void Keep(const HandRecord& hand);
  // Writes the waiting hands, oldest first, until one fails; true when none is left.
  bool WriteInOrder();

  Game& g_;
  HandRecorder recorder_;
  std::unique_ptr<History> history_;
  std::deque<HandRecord> waiting_;
  bool writing_ = false, failureTold_ = false;
  std::string notice_;
};

// What the history shows about a set of hands.
struct ContractFigures {
  long bid = 0, made = 0, failed = 0;
  long long units = 0;  // won (or lost, below 0) by the seat in hands of this contract
  long long declaring = 0, defending = 0;  // the same units, as the declarer and as a defender
};
// The statistics' rows: the Classic contracts by their codes (0: hands thrown in or abandoned),
// then the Proposal and Acceptance; the other contracts of the Standard rules count in the row of
// the Classic contract they are played like (Abundance with Abundance Open, Royal Abundance with
// Abundance Trumps, Misere Ouverte with Misere Open).
inline constexpr int kPartnershipRow = 7, kStatisticsRows = 8;
int StatisticsRow(const HandRecord& hand);
struct Statistics {
  std::array<std::array<ContractFigures, kStatisticsRows>, 4> seats{};
  // Each hand's points after it, in order, and the hands at which a run of the game began.
  std::vector<std::array<long long, 4>> points;
  std::vector<int> runStarts;
};

// The units each seat won (or lost) in the hand's settlement; nothing for a hand not settled.
std::array<int, 4> UnitsWon(const HandRecord& hand);
// The figures of the hands; `leaveOutTakeBacks` leaves out hands in which the person took back
// a card or a bid.
Statistics ComputeStatistics(const std::vector<HandRecord>& hands, bool leaveOutTakeBacks = false);

}  // namespace solo
