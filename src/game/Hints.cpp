#include "game/Hints.h"

#include "bidding/BidEvaluation.h"
#include "bidding/BidLadder.h"
#include "bidding/UserBid.h"
#include "play/Strategy.h"
#include "play/TrickPlay.h"

namespace solo {

namespace {

constexpr const char* kBidWords[kBidKinds] = {"pass",           "bid Solo",    "bid Misere",
                                              "bid Abundance Open", "bid Abundance Trumps", "bid Misere Open",
                                              "bid Abundance Declared"};

}  // namespace

Hint HintFor(const Game& g) {
  Hint hint;
  const GameState& s = g.s;
  if (g.Awaits(Waiting::Bid)) {
    // The computer's own bid at the user's place: its point count, or a pass when that is refused.
    const int bid = BidForPoints(CountBidPoints(s, kSouth).points);
    hint.bid = UsersBidRefused(s, bid) ? kPass : bid;
    hint.text = std::string("Hint: ") + kBidWords[hint.bid];
  } else if (g.Awaits(Waiting::Card)) {
    hint.card = ChooseCard(s, kSouth, UsersPosition(s.IntLeader), PlayingToLose(s));
    if (hint.card) hint.text = "Hint: play the " + CardWords(hint.card);
  }
  return hint;
}

Hint MnuHint_Click(Game& g) {
  const Hint hint = HintFor(g);
  if (hint.text.empty()) return hint;
  if (hint.bid >= 0) OptBid_Click(g, hint.bid);
  g.t.StatusBar1.Panel1 = hint.text;
  return hint;
}

}  // namespace solo
