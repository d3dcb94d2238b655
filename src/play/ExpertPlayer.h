#pragma once
// The Expert computer player: it chooses its card by imagining layouts of the cards it cannot
// see (consistent with all it knows), solving each exactly for the contract's goal, and playing
// the card that reaches its side's goal in the most layouts; on a tie, the Classic rule's card.
// It bids the same way: it values each contract it may bid by the share of imagined layouts in
// which it would make it, and bids the highest one it makes often enough; at South it also
// values Abundance Open in each suit and names as trumps the suit it makes most often.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "play/BidCalibration.h"
#include "play/Inference.h"
#include "play/Players.h"
#include "play/Solver.h"
#include "state/Contracts.h"

namespace solo {

// What one search decided: a bid code, a suit or a card (as the game numbers them), and in
// how many of the layouts imagined that choice reached its side's goal. No layouts: it did not
// search (a single legal card, say) and `choice` is the Classic rule's.
struct ExpertChoice {
  int choice = 0;
  int reached = 0;
  int layouts = 0;
};

class ExpertPlayer : public SeatPlayer {
 public:
  // By default a contract is bid by its expectation: the share of the imagined layouts in which
  // it is made becomes a chance of making it in play (play/BidCalibration.h), and the contract
  // that wins most units on average is bid when that is more than nothing. A confidence of 0 to
  // 1 instead bids the highest contract made in at least that share of the layouts, a Misere
  // only when no other is (how the calibration is measured).
  static constexpr double kBidConfidence = -1;
  // `seed` starts its own random stream (apart from the deal's); `samples` is its strength:
  // the layouts it imagines for each decision.
  ExpertPlayer(std::uint64_t seed, int samples, double confidence = kBidConfidence)
      : seed_(seed), random_(seed), samples_(samples < 1 ? 1 : samples), confidence_(confidence) {}

  // A decision's work is bounded by its layouts and the solver's node limit, so the same seed
  // plays the same game on any machine at any load. This time is only a safety net, ten times
  // the slowest decisions measured at the table: a decision starts no new layout that would
  // likely end after it (judged by the longest layout so far). 0: no net at all (the tests).
  static constexpr double kTimeBudget = 2.0;
  void SetTimeBudget(double seconds) { budget_ = seconds; }
  // The solvers of the other threads (a solver's table is 13 MB): players that never decide at
  // the same time, like the opponents at one table, may share them.
  using SolverPool = std::vector<std::unique_ptr<Solver>>;
  // The threads a decision solves on (0: every core). With no time budget the choices depend
  // only on the seed, what the seat knows and this number.
  void SetThreads(int threads) { threads_ = threads; }
  void ShareHelpers(std::shared_ptr<SolverPool> pool) { helpers_ = std::move(pool); }

  // As a seat player the searches run through the host (off the window's thread) on a copy of
  // the state, and a hand abandoned meanwhile is abandoned here too.
  int OfferBid(Game& g, int seat) override;
  int Bid(Game& g, int seat) override;
  int Trumps(Game& g, int seat) override;
  int Card(Game& g, int seat, int position, bool playToLose) override;
  // Under the Standard rules the Expert values the contracts of one declarer with its search,
  // once a deal, and bids the one its expectation gives; it proposes and accepts a Proposal by
  // searching the pair's eight tricks. Its cards it searches in every contract, a partnership's
  // too (its tie goes to the Classic partnership rules' card).
  int AuctionCall(Game& g, int seat, const Auction& auction) override;
  // As the person's adviser (the hints, each readied by AdviseAt): the call an Expert would make
  // at South now, with the layouts its search counted (none where the count decided); and its
  // bid, trumps and card (`classic` the Classic rules' card). Each search runs through the host,
  // off the window's thread, and is given up early once the person answers meanwhile (the
  // advice is then of no use, and its choice means nothing).
  ExpertChoice AdvisedCall(Game& g, const Auction& auction);
  ExpertChoice AdvisedBid(Game& g);
  ExpertChoice AdvisedTrumps(Game& g);
  ExpertChoice AdvisedCard(Game& g, int position, int classic);
  // Readies the adviser for a hint: its stream and its solvers start afresh from its seed and
  // the moment of the hand, so a hint asked again at the same moment (after other hints, or
  // once a card is taken back) is the same hint.
  void AdviseAt(const Game& g);
  int StandardCard(Game& g, int seat, int position, bool playToLose) override;
  const char* Level() const override { return "expert"; }

  // The searches themselves, on a state nothing changes meanwhile; `stop` ends one early.
  // (For a pass, `reached` counts the layouts in which a Solo would have been made.)
  // The highest contract the seat makes often enough (kPass for none; at South only what the
  // user may bid now), the suit to name for an Abundance Open, and the card to play (`classic`
  // is the Classic rule's card, taken on a tie).
  ExpertChoice SearchBid(const GameState& s, int seat, const std::atomic<bool>* stop = nullptr);
  // The bid made of a search's answer: against three Classic defenders its pass, on a hand
  // counting kCountsSoloAgainstClassicFrom or more, becomes the count's Solo (where South may
  // still bid it).
  int OrCountsSolo(const Game& g, int seat, int searched) const;
  ExpertChoice SearchTrumps(const GameState& s, int seat, const std::atomic<bool>* stop = nullptr);
  // Under the Standard rules, whether to accept `proposer`'s Proposal: the pair's eight tricks
  // made in at least kAcceptShare % of the layouts solved.
  static constexpr int kAcceptShare = 30;
  ExpertChoice SearchPartnership(const GameState& s, int seat, int proposer, const std::atomic<bool>* stop = nullptr);
  // Whether to propose: in each layout the partner is the first seat after this one, still in
  // the auction, whose hand the Classic count would accept with (a seat before it that counts to
  // a Solo overcalls, and a layout nobody accepts in is left out: the Proposal then costs
  // nothing); proposed when the pair makes its eight tricks in kAcceptShare % of the others.
  ExpertChoice SearchProposal(const GameState& s, int seat, const std::array<bool, kSeats>& out,
                              const std::atomic<bool>* stop = nullptr);
  ExpertChoice SearchCard(const GameState& s, int seat, int position, int classic,
                          const std::atomic<bool>* stop = nullptr);

  // Told of every bid the seat makes: its code and the share of the layouts in which it was
  // made (for measuring the calibration).
  std::function<void(int code, double share)> bidWatch;
  // For measuring the calibration of the Solo: with a confidence set, a Solo is bid at any share
  // when no higher contract is made often enough (never a Misere).
  void ExploreSolos(bool on) { exploreSolos_ = on; }

  // Decisions made, and the longest one took, in seconds (for the measurements).
  long decisions() const { return decisions_; }
  double slowest() const { return slowest_; }
  // Card decisions searched (two or more legal cards), and those where several plays scored
  // best alike (cards of one run are one play) and the Classic card was played among them.
  long cardSearches() const { return cardSearches_; }
  long classicTies() const { return classicTies_; }
  // The same on goulashes, every hand known, where a tie is no lack of knowledge: every card
  // comes out alike with every card seen.
  long knownSearches() const { return knownSearches_; }
  long knownTies() const { return knownTies_; }
  // Of the ties on other deals, those where the tied cards reached their side's goal in every
  // layout or in none: whichever was played, no layout's outcome changed.
  long settledTies() const { return settledTies_; }
  // How long each decision took, in seconds, in order.
  const std::vector<float>& times() const { return times_; }

 private:
  // A layout too hard to solve within this many positions is left out of the decision.
  static constexpr long kNodeLimit = 100000;
  // A decision starts no new layout once its searches have taken this many positions in all
  // (each thread its share): the rare decision whose layouts are all hard stays quick, and
  // the same work is done on any machine.
  static constexpr long kDecisionNodes = 1200000;
  // Cards still alike after a decision's layouts are looked at again over as many more, and
  // again while they stay alike, up to kTieLooks times, all the looks together within this part
  // of the work: most such decisions are quick ones late in the hand, where a card that does
  // better in a few layouts shows only over many, and the slowest stay as slow.
  static constexpr int kTieShare = 4;
  static constexpr int kTieLooks = 3;
  // The most threads one decision solves its layouts on.
  static constexpr int kMostThreads = 8;

  // The card searched for, `classic` (the Classic rules' card) taking a tie; no search with one
  // legal card.
  int SearchedCard(Game& g, int seat, int position, int classic);
  // Runs `search` on a copy of the table's state through the host, then returns its choice;
  // `advising`: also ends early once the person has answered.
  using Search = std::function<ExpertChoice(const GameState&, const std::atomic<bool>*)>;
  ExpertChoice Through(Game& g, const Search& search, bool advising = false);
  // What one layout adds to a search's counts, given its thread's solver and the layout.
  using Each = std::function<void(Solver&, SolverPosition&, std::vector<int>&)>;
  // `work`: the positions it may search in all (a layout's limit is its part of the decision's);
  // `spent`, if given, is told how many it searched.
  int ForLayouts(const GameState& s, int seat, const SolverPosition& base, const std::atomic<bool>* stop,
                 std::vector<int>& counts, const Each& each, long work = kDecisionNodes, long* spent = nullptr);

  // Whether a side of two makes its eight tricks in kAcceptShare % of the layouts: `declarer`
  // and, in each layout, the partner `partnerIn` names (-1: the layout does not count); `call`
  // if so, else a pass.
  using PartnerIn = std::function<int(const SolverPosition&)>;
  // The Standard call given the contract the search valued (`valued`), with `run` to search
  // whether to accept or propose.
  ExpertChoice CallGiven(Game& g, int seat, const Auction& auction, const ExpertChoice& valued,
                         const std::function<ExpertChoice(const Search&)>& run);
  ExpertChoice SearchEightTricks(const GameState& s, int seat, int declarer, const PartnerIn& partnerIn, int call,
                                 const std::atomic<bool>* stop);
  // Of the contracts searched for a bid (Abundance Declared, Abundance Trumps, Abundance Open,
  // Misere, Solo), the place of the one `seat` is to bid given the layouts each was made and
  // solved in, and the share made when played out (by the Classic card rules; with the hands
  // known, as PlayedOutAmong plays; 0 when not played out), or -1 to pass; a Misere on the `deal`
  // it is bid on. With the hands `known`, the share made is the chance itself.
  int ChosenContract(int seat, MisereDeal deal, bool known, const std::array<int, 5>& codes,
                     const std::array<int, 5>& made, const std::array<int, 5>& solved,
                     const std::array<double, 5>& playedOut) const;
  // The tricks the declarer `seat` takes in contract `code` when the hands are known (`hands`,
  // from the start of play in `s`), each Classic seat playing by the Classic card rules and every
  // other one (a person's too) as the Expert plays with every card seen, on `solver`: what a
  // contract that only the best defence beats is worth with Classic seats among the defenders.
  int PlayedOutAmong(Solver& solver, const GameState& s, const std::array<std::uint64_t, 4>& hands, int seat,
                     int code) const;
  // Who sits in each seat, whose bids the layouts must fit; and the hand's own random stream,
  // started anew at every deal.
  void FollowGame(const Game& g);
  std::array<Bidder, kSeats> callers_{};  // under either rules
  std::array<Bidder, kSeats> bidders_{};  // the same, but none known under the Standard rules
  std::uint64_t seed_;
  long deal_ = -1;
  // The Standard call the search valued, and for which deal.
  long valuedDeal_ = -1;
  int valuedCall_ = 0;

  ComputerPlayer classic_;
  std::mt19937_64 random_;
  int samples_;
  double confidence_;
  bool exploreSolos_ = false;
  double budget_ = kTimeBudget;
  int threads_ = 0;
  Solver solver_;
  std::shared_ptr<SolverPool> helpers_ = std::make_shared<SolverPool>();  // kept between decisions
  long decisions_ = 0;
  long cardSearches_ = 0, classicTies_ = 0, knownSearches_ = 0, knownTies_ = 0, settledTies_ = 0;
  double slowest_ = 0;
  std::vector<float> times_;
  void Timed(std::chrono::steady_clock::time_point start);
};

// The goal of the contract the declarer `seat` plays: at least 5, 9 or 13 tricks, or none.
SolverGoal GoalOf(int code);
SolverGoal GoalOf(const GameState& s, int declarer);
// The hand as it stands, for the solver: the cards each seat holds, the trumps, the trick in
// progress, the declarer and its tricks.
SolverPosition PositionNow(const GameState& s);

}  // namespace solo
