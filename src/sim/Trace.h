#pragma once
// A record of every hand, one JSON object per line: the deal, the computer counts, the bids as
// shown, the contract, every trick and the result. The fingerprint is a hash (64-bit FNV-1a,
// one step per value) of every field of the record in its order, the same for the same seed on
// every run and machine; it is kept whether or not the lines are written.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "table/HandObserver.h"

namespace solo {

class TraceRecorder : public HandObserver {
 public:
  explicit TraceRecorder(std::uint64_t seed) : seed_(seed) {}

  // Called with each finished line (ending in a newline); the recorder reuses its buffer.
  void SetSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }

  std::uint64_t fingerprint() const { return hash_; }
  long hands() const { return hands_; }

  void HandStarts(const Game& g) override;
  void Dealt(const Game& g) override;
  void BiddingStarts(const Game& g) override;
  void BidShown(const Game& g, int seat, int code) override;
  void PlayStarts(const Game& g) override;
  void TrickWon(const Game& g, int winner) override;
  void HandEnded(const Game& g, const char* result) override;

  // The contract of the last hand (0 for a throw-in), its declarer and its result.
  int lastContract() const { return contract_; }
  int lastDeclarer() const { return declarer_; }
  const char* lastResult() const { return result_; }

 private:
  void Number(long long n);
  void Mix(long long value);
  const std::string& Line(const Game& g);

  std::uint64_t seed_;
  std::uint64_t hash_ = 14695981039346656037ull;  // FNV-1a offset basis
  std::function<void(const std::string&)> sink_;
  std::string line_;
  long hands_ = 0;
  bool goulash_ = false;
  std::array<std::array<Integer, 13>, kSeats> dealt_{};
  int dealer_ = 0, trumpsDealt_ = 0, trumps_ = 0, declarer_ = -1, contract_ = 0;
  std::array<int, 3> points_{};
  std::vector<std::array<int, 2>> bids_;
  struct Trick {
    int leader;
    std::array<int, 4> cards;
    int winner;
  };
  std::vector<Trick> tricks_;
  const char* result_ = "";
};

}  // namespace solo
