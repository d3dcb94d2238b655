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
#include <optional>
#include <random>
#include <vector>

#include "play/BidCalibration.h"
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

// Who sits in a seat, as far as its bids tell of its hand: a Classic seat bids by its point
// count; an Expert computer seat by its search, which the count foretells only in part.
enum class Bidder { Unknown, Classic, Expert };

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
  // The solvers of the other threads (a solver's table is 16 MB): players that never decide at
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
  int StandardCard(Game& g, int seat, int position, bool playToLose) override;
  const char* Level() const override { return "expert"; }

  // The searches themselves, on a state nothing changes meanwhile; `stop` ends one early.
  // (For a pass, `reached` counts the layouts in which a Solo would have been made.)
  // The highest contract the seat makes often enough (kPass for none; at South only what the
  // user may bid now), the suit to name for an Abundance Open, and the card to play (`classic`
  // is the Classic rule's card, taken on a tie).
  ExpertChoice SearchBid(const GameState& s, int seat, const std::atomic<bool>* stop = nullptr);
  // The bid made of a search's answer: against three Classic defenders its pass, on a hand
  // counting 6 or more, becomes the count's Solo (where South may still bid it): measured on
  // seed 9940, such Solos at 6 were made 58 % of the time against them. Expert defenders beat
  // them: at a table of four Experts the Solos of a count of 7 or more that the search passed
  // were made 69 times in 229 (seeds 9980 and 9981), so there the search's pass stands.
  static constexpr int kCountsSoloAgainstClassicFrom = 6;
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
  static constexpr long kDecisionNodes = 1500000;
  // The most threads one decision solves its layouts on.
  static constexpr int kMostThreads = 8;

  // The card searched for, `classic` (the Classic rules' card) taking a tie; no search with one
  // legal card.
  int SearchedCard(Game& g, int seat, int position, int classic);
  // Runs `search` on a copy of the table's state through the host, then returns its choice.
  using Search = std::function<ExpertChoice(const GameState&, const std::atomic<bool>*)>;
  int Through(Game& g, const Search& search);
  // What one layout adds to a search's counts, given its thread's solver and the layout.
  using Each = std::function<void(Solver&, SolverPosition&, std::vector<int>&)>;
  int ForLayouts(const GameState& s, int seat, const SolverPosition& base, const std::atomic<bool>* stop,
                 std::vector<int>& counts, const Each& each);

  // Whether a side of two makes its eight tricks in kAcceptShare % of the layouts: `declarer`
  // and, in each layout, the partner `partnerIn` names (-1: the layout does not count); `call`
  // if so, else a pass.
  using PartnerIn = std::function<int(const SolverPosition&)>;
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

// How many of the seats other than `seat` play by the Classic rules; and the count from which
// an Expert in `seat` bids a Solo its search would pass (ExpertPlayer::OrCountsSolo), beyond any
// count (kNoCountsSolo) with an Expert or a person among the others.
inline constexpr int kNoCountsSolo = 1000;
int ClassicAmong(const std::array<Bidder, kSeats>& bidders, int seat);
int CountsSoloFrom(const std::array<Bidder, kSeats>& bidders, int seat);
// An Expert computer seat offers a Misere only up to a count of 5 (its search looks at none above).
inline constexpr int kExpertMisereCountTo = 5;
// How often an Expert computer seat shows each bid at each count (its point count by the
// Classic rules, 16 standing for 16 or more), as a share of the most often: measured in
// self-play by scripts/expert_bid_counts.py (four Experts, 1,500 hands, seeds 9943 and 9944:
// 4,500 seat-hands of West, North and East, 409 Solos and 127 Misere shown). A Solo is shown
// from a count of 4 (three in a thousand such hands) to 10 and more (over two thirds); a Misere
// most often at a count of 1. The 23 hands counting 16 or more showed no Solo (they bid higher):
// a tenth keeps such a Solo possible.
struct ShownBidShare {
  int code;
  std::array<float, 17> byCount;
};
inline constexpr std::array<ShownBidShare, 2> kExpertShownBids = {{
    {kSolo, {0, 0, 0, 0, 0.0035f, 0.011f, 0.095f, 0.18f, 0.46f, 0.62f, 0.82f, 0.89f, 0.97f, 1, 0.47f, 0.91f, 0.1f}},
    {kMisere, {0.29f, 1, 0.12f, 0.25f, 0.046f, 0.019f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
}};
// The share above for a seat counting `count` that showed `code` (1 for a bid with no row).
double ExpertShownBidShare(int code, int count);
// Whether a layout fits what the seats said in the bidding. A Classic seat's bid follows from
// its count, so a seat that bid holds a hand (its cards and those it has played) counting to
// that bid, and one that passed when no computer seat bid, a pass. An Expert computer seat
// never passes a hand counting to its count's Solo (against three Classic seats), and its
// Misere keeps to the count above.
bool FitsBids(const GameState& s, const std::array<Bidder, kSeats>& bidders, const std::array<std::uint64_t, 4>& hands);
// How likely the bid an Expert computer seat showed is with the hand a layout gives it, as a
// share of the likeliest (ExpertShownBidShare; 1 when no such seat other than `seat` bid): the
// layouts are kept in that proportion, so that they lie as the bids make likely.
double ShownBidLikelihood(const GameState& s, const std::array<Bidder, kSeats>& bidders,
                          const std::array<std::uint64_t, 4>& hands, int seat);
// Whether a layout fits the Standard auction heard so far (`s.calls`): every Classic seat
// among `callers` holds a hand that calls as it did.
bool FitsCalls(const GameState& s, const std::array<Bidder, kSeats>& callers, const std::array<std::uint64_t, 4>& hands);

// What the cards the Classic seats among `bidders` (other than `seat`) have played tell of their
// hands: each was the Classic rule's card for the hand the seat held then (a function of that
// hand and what the table saw), so a layout whose hand for the seat would have played another
// card all but cannot be. Made once for a decision from the order of play (under the Classic
// rules); each layout is then checked on a scratch copy of the state.
class ClassicPlays {
 public:
  ClassicPlays(const GameState& s, const std::array<Bidder, kSeats>& bidders, int seat);
  // How likely those cards are with the hands of `hands` (each seat's cards played since put
  // back): 1 when each would have been played as it was, kSeenOtherwise for each that would not
  // (not nothing: where no layout the sampler tries fits every card, the one that fits most is
  // all but always taken, and mended).
  double Fits(const std::array<std::uint64_t, 4>& hands);
  // How many cards are checked.
  int checks() const { return static_cast<int>(checks_.size()); }

 private:
  struct Check {
    int seat, position, card;
    std::uint64_t later, played;  // the seat's cards from this one on; the cards played before
    int declarersCard;
    Trick trick;
  };
  std::vector<Check> checks_;
  std::optional<GameState> scratch_;
  bool lose_ = false;
};

// The goal of the contract the declarer `seat` plays: at least 5, 9 or 13 tricks, or none.
SolverGoal GoalOf(int code);
SolverGoal GoalOf(const GameState& s, int declarer);
// The hand as it stands, for the solver: the cards each seat holds, the trumps, the trick in
// progress, the declarer and its tricks.
SolverPosition PositionNow(const GameState& s);

}  // namespace solo
