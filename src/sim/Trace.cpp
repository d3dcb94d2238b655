#include "sim/Trace.h"

#include <bit>
#include <charconv>

#include "bidding/BidLadder.h"

namespace solo {

void TraceRecorder::Number(long long n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  line_.append(digits, end);
}

void TraceRecorder::HandStarts(const Game& g) {
  goulash_ = g.s.BlnNoShuffle;
  bids_.clear();
  tricks_.clear();
  declarer_ = -1;
  contract_ = 0;
}

void TraceRecorder::Dealt(const Game& g) {
  dealer_ = g.s.IntDealer;
  trumpsDealt_ = g.s.IntTrumps;
  for (int seat = 0; seat < kSeats; ++seat) {
    int count = 0;
    for (std::uint64_t hand = g.s.Hand[seat]; hand && count < 13; hand &= hand - 1)
      dealt_[seat][count++] = static_cast<Integer>(std::countr_zero(hand) + 1);
  }
}

void TraceRecorder::BiddingStarts(const Game& g) {
  for (int seat = 1; seat <= 3; ++seat) points_[seat - 1] = g.s.IntBidPoints[seat];
}

void TraceRecorder::BidShown(const Game&, int seat, int code) { bids_.push_back({seat, code}); }

void TraceRecorder::PlayStarts(const Game& g) {
  declarer_ = g.s.IntBidder;
  contract_ = declarer_ >= 0 ? HighestKind(g.s, declarer_) : 0;
  trumps_ = g.s.IntTrumps;
}

void TraceRecorder::TrickWon(const Game& g, int winner) {
  tricks_.push_back({g.s.trick[0].seat, {g.s.trick[0].card, g.s.trick[1].card, g.s.trick[2].card, g.s.trick[3].card},
                     winner});
}

void TraceRecorder::Mix(long long value) {
  hash_ ^= static_cast<std::uint64_t>(value);
  hash_ *= 1099511628211ull;  // the FNV prime
}

void TraceRecorder::HandEnded(const Game& g, const char* result) {
  ++hands_;
  result_ = result;
  const std::string_view resultText(result);
  if (resultText == "passed") trumps_ = g.s.IntTrumps;

  // The fingerprint takes every field of the record in its order; it needs no text.
  Mix(static_cast<long long>(seed_));
  Mix(hands_);
  Mix(dealer_);
  Mix(goulash_);
  for (const auto& hand : dealt_)
    for (Integer card : hand) Mix(card);
  Mix(trumpsDealt_);
  for (int p : points_) Mix(p);
  Mix(static_cast<long long>(bids_.size()));
  for (const auto& bid : bids_) Mix(bid[0] * 8 + bid[1]);
  Mix(declarer_);
  Mix(contract_);
  Mix(trumps_);
  Mix(static_cast<long long>(tricks_.size()));
  for (const Trick& trick : tricks_) {
    Mix(trick.leader);
    for (int card : trick.cards) Mix(card);
    Mix(trick.winner);
  }
  for (char c : resultText) Mix(c);
  for (Long p : g.s.LngPoints) Mix(p);
  if (sink_) sink_(Line(g));
}

const std::string& TraceRecorder::Line(const Game& g) {
  line_.clear();
  line_ += "{\"seed\":";
  Number(static_cast<long long>(seed_));
  line_ += ",\"hand\":";
  Number(hands_);
  line_ += ",\"dealer\":";
  Number(dealer_);
  line_ += goulash_ ? ",\"goulash\":true" : ",\"goulash\":false";
  line_ += ",\"hands\":[";
  for (int seat = 0; seat < kSeats; ++seat) {
    line_ += seat ? ",[" : "[";
    for (int i = 0; i < 13; ++i) {
      if (i) line_ += ',';
      Number(dealt_[seat][i]);
    }
    line_ += ']';
  }
  line_ += "],\"trumps_dealt\":";
  Number(trumpsDealt_);
  line_ += ",\"points\":[";
  for (int i = 0; i < 3; ++i) {
    if (i) line_ += ',';
    Number(points_[i]);
  }
  line_ += "],\"bids\":[";
  for (std::size_t i = 0; i < bids_.size(); ++i) {
    line_ += i ? ",[" : "[";
    Number(bids_[i][0]);
    line_ += ',';
    Number(bids_[i][1]);
    line_ += ']';
  }
  line_ += "],\"declarer\":";
  Number(declarer_);
  line_ += ",\"contract\":";
  Number(contract_);
  line_ += ",\"trumps\":";
  Number(trumps_);
  line_ += ",\"tricks\":[";
  for (std::size_t i = 0; i < tricks_.size(); ++i) {
    line_ += i ? ",{\"leader\":" : "{\"leader\":";
    Number(tricks_[i].leader);
    line_ += ",\"cards\":[";
    for (int k = 0; k < 4; ++k) {
      if (k) line_ += ',';
      Number(tricks_[i].cards[k]);
    }
    line_ += "],\"winner\":";
    Number(tricks_[i].winner);
    line_ += '}';
  }
  line_ += "],\"result\":\"";
  line_ += result_;
  line_ += "\",\"points_after\":[";
  for (int i = 0; i < kSeats; ++i) {
    if (i) line_ += ',';
    Number(g.s.LngPoints[i]);
  }
  line_ += "]}\n";
  return line_;
}

}  // namespace solo
