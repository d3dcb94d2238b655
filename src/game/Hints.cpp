#include "game/Hints.h"

#include "bidding/BidLadder.h"
#include "bidding/UserBid.h"
#include "play/Players.h"
#include "play/TrickPlay.h"

namespace solo {

namespace {

constexpr const char* kBidWords[kBidKinds] = {"pass",           "bid Solo",    "bid Misere",
                                              "bid Abundance Open", "bid Abundance Trumps", "bid Misere Open",
                                              "bid Abundance Declared"};

}  // namespace

Hint HintFor(Game& g) {
  Hint hint;
  ComputerPlayer computer;
  if (g.Awaits(Waiting::Bid)) {
    hint.bid = computer.Bid(g, kSouth);
    hint.text = std::string("Hint: ") + kBidWords[hint.bid];
  } else if (g.Awaits(Waiting::Card)) {
    hint.card = computer.Card(g, kSouth, UsersPosition(g.s.IntLeader), PlayingToLose(g.s));
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
