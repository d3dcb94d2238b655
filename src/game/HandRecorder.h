#pragma once
// A record of every hand: the deal, the computer counts, the bids as shown, the contract, every
// trick and the result. It can be written as the simulator's trace (one JSON object per line)
// and kept in the hand history. The fingerprint is a hash (64-bit FNV-1a, one step per value)
// of every field of the record in its order, the same for the same seed on every run and
// machine; it is kept whether or not the records are written anywhere.
#include <cstdint>
#include <functional>
#include <string>

#include "store/HandRecord.h"
#include "table/HandObserver.h"

namespace solo {

class HandRecorder : public HandObserver {
 public:
  explicit HandRecorder(std::uint64_t seed) { record_.seed = seed; }

  // Called with each finished trace line (ending in a newline); the recorder reuses its buffer.
  void SetSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }
  // Called with each finished hand, with the names and levels of the seats and the time.
  void SetKeeper(std::function<void(const HandRecord&)> keeper) { keeper_ = std::move(keeper); }

  std::uint64_t fingerprint() const { return hash_; }
  long hands() const { return record_.hand; }

  void HandStarts(const Game& g) override;
  void Dealt(const Game& g) override;
  void BiddingStarts(const Game& g) override;
  void BidShown(const Game& g, int seat, int code) override;
  void PlayStarts(const Game& g) override;
  void TrickWon(const Game& g, int winner) override;
  void HandEnded(const Game& g, const char* result) override;

  // The last hand: its contract (0 for a throw-in), declarer and result.
  const HandRecord& last() const { return record_; }

 private:
  void Mix(long long value);

  std::uint64_t hash_ = 14695981039346656037ull;  // FNV-1a offset basis
  std::function<void(const std::string&)> sink_;
  std::function<void(const HandRecord&)> keeper_;
  std::string line_;
  HandRecord record_;
  bool open_ = false;   // a hand has started and not yet ended
  bool dealt_ = false;  // its deal is over
};

}  // namespace solo
