#include "sim/SimGame.h"

#include "bidding/BidEvaluation.h"
#include "bidding/BidLadder.h"
#include "bidding/UserBid.h"
#include "play/Strategy.h"
#include "play/TrickPlay.h"

namespace solo {

SaveResult DeferredStorage::SaveNames(const SeatNames& names) {
  names_ = names;
  namesChanged_ = true;
  return {};
}

SaveResult DeferredStorage::SavePoints(const SeatPoints& points) {
  points_ = points;
  pointsChanged_ = true;
  return {};
}

std::string DeferredStorage::Flush() {
  std::string error;
  if (namesChanged_) error = files_.SaveNames(names_).message;
  if (pointsChanged_) {
    const std::string points = files_.SavePoints(points_).message;
    error += (error.empty() || points.empty() ? "" : " ") + points;
  }
  namesChanged_ = pointsChanged_ = false;
  return error;
}

void SimHost::WaitFor(const std::function<bool()>& done) {
  for (int tries = 0; !done(); ++tries) {
    if (tries == 3 || !player) throw std::logic_error("South does not answer what the game waits for");
    player();
  }
}

void PlaySouth(Game& g) {
  if (g.Awaits(Waiting::Bid)) {
    OptBid_Click(g, BidForPoints(CountBidPoints(g.s, kSouth).points));
    CmdCnfBid_Click(g);
    if (g.answer == kNoAnswer) {
      OptBid_Click(g, kPass);
      CmdCnfBid_Click(g);
    }
  } else if (g.Awaits(Waiting::Trumps)) {
    CmdMarriage_Click(g, 1);
  } else if (g.Awaits(Waiting::Card)) {
    Cds_Click(g, ChooseCard(g.s, kSouth, UsersPosition(g.s.IntLeader), PlayingToLose(g.s)));
  }
}

}  // namespace solo
