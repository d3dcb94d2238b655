#pragma once
// Keeps the hand in play on disk after every decision of every seat, offers to resume a hand
// left unfinished, and takes back the person's last card or bid. Both play the hand again from
// its start: the person's decisions are given again from the kept list, the computer players
// decide again (they decide from the seed and what they know, so as they did), and the host
// fast-forwards (no pauses, sounds or boxes) until the hand is where it was.
#include <array>
#include <filesystem>
#include <string>

#include "store/KeptHand.h"
#include "table/Game.h"
#include "table/HandObserver.h"
#include "table/SeatPlayer.h"

namespace solo {

class HandKeeper : public HandObserver {
 public:
  // Watches the game's hands (in front of the observer it has now, which is told everything
  // as before) and keeps the hand in play in `folder`.
  HandKeeper(Game& g, const std::filesystem::path& folder);
  ~HandKeeper() override;
  HandKeeper(const HandKeeper&) = delete;
  HandKeeper& operator=(const HandKeeper&) = delete;

  // Puts the keeper between the game and each seat's player; called again whenever the game's
  // players change.
  void Watch();

  // At start-up, before any hand: a hand left unfinished is offered ("Resume the unfinished
  // hand?"). True when the person chose to resume it: the game's seed is the hand's, and the hand
  // loop plays it first. A kept hand that is damaged or from another version is set aside with a
  // message; one whose points were already settled (the points file shows it) is dropped quietly.
  bool OfferResume();
  // The seats' players of the resumed hand ("person", "classic" or "expert").
  const std::array<std::string, kSeats>& levels() const { return hand_.levels; }

  // Game ▸ Take Back: the person's last card while its trick is not complete, or their bid while
  // the bidding is not over. False (and nothing done) when there is nothing to take back.
  bool MayTakeBack() const;
  bool TakeBackChosen();

  void HandStarts(const Game& g) override;
  void Dealt(const Game& g) override { if (next_) next_->Dealt(g); }
  void BiddingStarts(const Game& g) override { if (next_) next_->BiddingStarts(g); }
  void BidShown(const Game& g, int seat, int code) override;
  void PlayStarts(const Game& g) override;
  void TrickWon(const Game& g, int winner) override { if (next_) next_->TrickWon(g, winner); }
  void HandEnded(const Game& g, const char* result) override;
  void PointsErased(const Game& g) override;

  // The hand in play as kept, and whether it is being brought back.
  const KeptHand& hand() const { return hand_; }
  bool replaying() const { return replaying_; }

 private:
  // Stands in front of one seat's player.
  class Seat final : public SeatPlayer {
   public:
    int OfferBid(Game& g, int seat) override;
    int Bid(Game& g, int seat) override;
    int Trumps(Game& g, int seat) override;
    int Card(Game& g, int seat, int position, bool playToLose) override;
    int AuctionCall(Game& g, int seat, const Auction& auction) override;
    int StandardCard(Game& g, int seat, int position, bool playToLose) override;
    const char* Level() const override { return inner->Level(); }
    HandKeeper* keeper = nullptr;
    SeatPlayer* inner = nullptr;
  };

  // A seat's decision: given again from the kept list while the hand is brought back (the
  // person's, checked to be legal; a computer's, checked to be the same), else made and kept.
  template <typename Decide, typename Legal>
  int Decision(char kind, int seat, Decide decide, Legal legal);
  bool Person(int seat) const;
  void Replay(std::vector<KeptDecision> decisions);
  void EndReplay();
  [[noreturn]] void Fail(const std::string& why);
  void Save();
  void Drop();

  Game& g_;
  std::filesystem::path file_;
  HandObserver* next_;
  std::array<Seat, kSeats> seats_;
  KeptHand hand_;
  std::vector<KeptDecision> replay_;  // the decisions still to give again
  std::size_t replayed_ = 0;
  bool replaying_ = false;
  int bidsShown_ = 0;
  bool playStarted_ = false;
  bool saveFailureTold_ = false;
};

}  // namespace solo
