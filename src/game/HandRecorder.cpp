#include "game/HandRecorder.h"

#include <bit>

#include "bidding/BidLadder.h"
#include "table/SeatPlayer.h"

namespace solo {

void HandRecorder::HandStarts(const Game& g) {
  open_ = true;
  dealt_ = false;
  // A resumed hand keeps the seed it was dealt from.
  record_.seed = g.draw.seed;
  record_.goulash = g.s.noShuffle;
  record_.standard = g.s.standard;
  record_.partner = -1;
  record_.bids.clear();
  record_.tricks.clear();
  record_.declarer = -1;
  record_.contract = 0;
}

void HandRecorder::Dealt(const Game& g) {
  dealt_ = true;
  record_.dealer = g.s.dealer;
  record_.trumpsDealt = g.s.trumps;
  record_.turnedUp = g.s.standard ? g.s.turnedUp : 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    int count = 0;
    for (std::uint64_t hand = g.s.Hand[seat]; hand && count < 13; hand &= hand - 1)
      record_.hands[seat][count++] = (std::countr_zero(hand) + 1);
  }
}

void HandRecorder::BiddingStarts(const Game& g) {
  for (int seat = 1; seat <= 3; ++seat) record_.points[seat - 1] = g.s.bidPoints[seat];
}

void HandRecorder::BidShown(const Game&, int seat, int code) { record_.bids.push_back({seat, code}); }

void HandRecorder::PlayStarts(const Game& g) {
  record_.declarer = g.s.declarer;
  record_.contract = g.s.standard              ? g.s.standardContract
                     : record_.declarer >= 0 ? HighestKind(g.s, record_.declarer)
                                             : 0;
  record_.partner = g.s.partner;
  record_.trumps = g.s.trumps;
}

void HandRecorder::TrickWon(const Game& g, int winner) {
  const Trick& t = g.s.trick;
  record_.tricks.push_back({t[0].seat, {t[0].card, t[1].card, t[2].card, t[3].card}, winner});
}

void HandRecorder::Mix(long long value) {
  hash_ ^= static_cast<std::uint64_t>(value);
  hash_ *= 1099511628211ull;  // the FNV prime
}

void HandRecorder::HandEnded(const Game& g, const char* result) {
  // Leaving between hands abandons none.
  if (!open_) return;
  open_ = false;
  HandRecord& r = record_;
  // A hand abandoned before its deal is over must not show the last hand's cards.
  if (!dealt_) r.hands = {};
  ++r.hand;
  r.result = result;
  if (r.result == "passed") r.trumps = g.s.trumps;
  for (int seat = 0; seat < kSeats; ++seat) r.pointsAfter[seat] = g.s.points[seat];

  // The fingerprint takes every field of the record in its order; it needs no text.
  Mix(static_cast<long long>(r.seed));
  Mix(r.hand);
  Mix(r.dealer);
  Mix(r.goulash);
  for (const auto& hand : r.hands)
    for (int card : hand) Mix(card);
  Mix(r.trumpsDealt);
  for (int p : r.points) Mix(p);
  Mix(static_cast<long long>(r.bids.size()));
  for (const auto& bid : r.bids) Mix(bid[0] * 8 + bid[1]);
  Mix(r.declarer);
  if (r.standard) {
    Mix(r.partner);
    Mix(r.turnedUp);
  }
  Mix(r.contract);
  Mix(r.trumps);
  Mix(static_cast<long long>(r.tricks.size()));
  for (const TrickRecord& trick : r.tricks) {
    Mix(trick.leader);
    for (int card : trick.cards) Mix(card);
    Mix(trick.winner);
  }
  for (char c : r.result) Mix(c);
  for (long long p : r.pointsAfter) Mix(p);
  if (sink_) {
    line_.clear();
    AppendTraceLine(r, line_);
    sink_(line_);
  }
  if (keeper_) {
    r.when = NowUtc();
    r.takeBacks = g.flow.takeBacks;
    r.resumed = g.flow.resumed;
    // Names and levels seldom change: they are copied only when they do.
    for (int seat = 0; seat < kSeats; ++seat) {
      const std::string& name = seat == kSouth ? g.s.userName : g.s.playerNames[seat];
      if (r.names[seat] != name) r.names[seat] = name;
      const char* level = g.players[seat] ? g.players[seat]->Level() : "";
      if (r.levels[seat] != level) r.levels[seat] = level;
    }
    keeper_(r);
  }
}

}  // namespace solo
