#include "play/ExpertPlayer.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>
#include <tuple>
#include <vector>

#include "bidding/BidEvaluation.h"
#include "bidding/BidLadder.h"
#include "bidding/UserBid.h"
#include "play/CardQueries.h"
#include "play/PlayOut.h"
#include "play/Sampler.h"
#include "play/Strategy.h"
#include "play/TrickPlay.h"
#include "table/Pacing.h"

namespace solo {

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The deal a Misere would be played on, as the calibration tells deals apart: shuffled afresh,
// or other. The rows were measured under the Classic rules; the Standard rules shuffle every
// deal afresh (a deal thrown in is shuffled again) and play the same Misere on it, so theirs
// read the row of a shuffled deal too.
MisereDeal MisereDealOf(const GameState& s) { return s.goulash ? MisereDeal::Other : MisereDeal::Shuffled; }

// The cards still in play, the trick's among them (as PositionNow reads the trick).
std::uint64_t InPlay(const GameState& s) {
  std::uint64_t inPlay = ((std::uint64_t{1} << kCards) - 1) & ~s.PlayedCards;
  for (int i = 0; i < 3 && s.trick[i].card >= 1 && s.trick[i].card <= kCards; ++i)
    inPlay |= std::uint64_t{1} << (s.trick[i].card - 1);
  return inPlay;
}

// Adds what each card `seat` may play in `s` is worth in one layout (`p`, the hands as it has
// them) into three rows of kCards by bit: how often it keeps the seat's side on course for its
// goal; to tell apart cards that do so equally often, the tricks its side comes out with, toward
// the goal or beyond it (a declarer's) or short of the declarer's target (a defender's); and,
// for cards still alike, how they fare when every seat plays on by the Classic card rules, the
// goal first, then the tricks. `scratch` is a copy of `s` for the playing on.
void AddCardWorths(Solver& solver, const SolverPosition& p, const GameState& s, int seat, int position,
                   GameState& scratch, int* worths) {
  const SolverGoal goal = GoalOf(s, s.declarer);
  const bool declaring = seat == s.declarer || seat == s.partner;
  const bool lose = goal.toLose;
  const std::uint64_t inPlay = InPlay(s);
  int* score = worths;
  int* tricks = worths + kCards;
  int* playedOn = worths + 2 * kCards;
  for (const Solver::CardResult& r : solver.Cards(p, goal)) {
    const bool onCourse = r.reaches == declaring;
    const int graded = r.tricks < 0 ? 0 : declaring ? r.tricks : 13 - r.tricks;
    const int taken = PlayedOnTricks(scratch, s, p.hands, position, r.card + 1, lose);
    const bool madeOn = lose ? taken == 0 : taken >= goal.target;
    const int worth = (madeOn == declaring ? 16 : 0) + (declaring != lose ? taken : 13 - taken);
    // The solver answers once for a run of cards that play alike: the seat's cards below it
    // in the suit down to the next card held by another seat or lying on the table.
    const int suitBase = r.card / kCardsPerSuit * kCardsPerSuit;
    for (int c = r.card; c >= suitBase; --c) {
      const std::uint64_t bit = std::uint64_t{1} << c;
      if (p.hands[seat] & bit) {
        score[c] += onCourse;
        tricks[c] += graded;
        playedOn[c] += worth;
      } else if (inPlay & bit) {
        break;
      }
    }
  }
}

// The worth of the card of bit `c` in those rows, to compare: the goal first.
std::tuple<int, int, int> WorthOf(const int* worths, int c) {
  return {worths[c], worths[kCards + c], worths[2 * kCards + c]};
}

// The bit of the legal card worth most; the Classic rules' card (`classic`, numbered as the game
// numbers cards) among those worth as much.
int BestCard(const int* worths, std::uint64_t legal, int classic) {
  int best = classic >= 1 && (legal >> (classic - 1) & 1) ? classic - 1 : std::countr_zero(legal);
  for (std::uint64_t rest = legal; rest; rest &= rest - 1) {
    const int c = std::countr_zero(rest);
    if (WorthOf(worths, c) > WorthOf(worths, best)) best = c;
  }
  return best;
}

}  // namespace

SolverGoal GoalOf(int code) {
  const Contract& c = ContractOf(code);
  return {c.toLose, c.target};
}

SolverGoal GoalOf(const GameState& s, int declarer) {
  if (s.standard) {
    // The Standard rules' contract itself: a Proposal and Acceptance asks 8 tricks of two.
    const Contract& c = StandardContractOf(declarer >= 0 && declarer < kSeats ? s.standardContract : kPass);
    return {c.toLose, c.target};
  }
  return GoalOf(declarer >= 0 && declarer < kSeats ? HighestKind(s, declarer) : kPass);
}

SolverPosition PositionNow(const GameState& s) {
  SolverPosition p;
  p.hands = s.Hand;
  p.trumps = SuitPlace(s.trumps);
  p.leader = s.trick[0].seat;
  while (p.played < 3 && s.trick[p.played].card >= 1) {
    p.trick[p.played] = s.trick[p.played].card - 1;
    ++p.played;
  }
  p.declarer = s.declarer;
  p.partner = s.partner >= 0 && s.partner < kSeats ? s.partner : -1;
  p.declarerTricks = s.declarer >= 0 && s.declarer < kSeats ? s.tricksWon[s.declarer] : 0;
  if (p.partner >= 0) p.declarerTricks += s.tricksWon[p.partner];
  return p;
}

// Imagines up to samples_ layouts for `seat`, in order from the player's own stream (on a
// goulash, takes the hands it knows), then solves them on every core (within `work` positions):
// `each(solver, p, counts)` adds what one layout (in p.hands) shows into `counts`. Each thread
// takes every n-th layout with a solver of its own (its node limit set here for each decision),
// and the counts are summed, so with no time budget the answer never depends on the threads'
// timing. A thread starts no layout once the budget is spent or `stop` is set. Returns the
// layouts solved.
int ExpertPlayer::ForLayouts(const GameState& s, int seat, const SolverPosition& base, const std::atomic<bool>* stop,
                             std::vector<int>& counts, const Each& each, long work, long* spent) {
  std::vector<std::array<std::uint64_t, 4>> layouts;
  ClassicPlays plays(s, bidders_, seat);
  const LayoutFit fits = [&](const std::array<std::uint64_t, 4>& hands) {
    if (s.standard) return FitsCalls(s, callers_, hands) ? 1.0 : 0.0;
    return FitsBids(s, bidders_, hands) ? ShownBidLikelihood(s, bidders_, hands, seat) * plays.Fits(hands) : 0.0;
  };
  // A goulash's hands are known from the seat's own (or one of two ways): each way as often as
  // its cut is likely, a way known for sure once.
  const std::vector<KnownLayout> known = GoulashLayouts(s, seat);
  for (const KnownLayout& layout : known)
    for (int i = known.size() > 1 ? layout.weight : 1; i > 0; --i) layouts.push_back(layout.hands);
  for (int i = 0; i < samples_ && known.empty(); ++i) {
    std::array<std::uint64_t, 4> hands{};
    if (!SampleLayout(s, seat, random_, hands, fits)) break;
    layouts.push_back(hands);
  }
  const int cores = threads_ > 0 ? threads_ : static_cast<int>(std::thread::hardware_concurrency());
  const int threads = std::clamp(cores, 1, kMostThreads);
  SolverPool& helpers = *helpers_;
  while (static_cast<int>(helpers.size()) + 1 < threads) helpers.push_back(std::make_unique<Solver>());
  std::vector<std::vector<int>> part(threads, std::vector<int>(counts.size()));
  std::vector<int> solved(threads);
  std::vector<long> searched(threads);
  const auto run = [&](int t) {
    Solver& solver = t == 0 ? solver_ : *helpers[t - 1];
    // Hands known are worth the whole work: no layout stands in for them.
    solver.SetNodeLimit(known.empty() ? kNodeLimit * work / kDecisionNodes : work / static_cast<long>(layouts.size()));
    const long began = solver.nodes(), stopAt = began + work / threads;
    SolverPosition p = base;
    std::vector<int> one(counts.size());
    const auto start = std::chrono::steady_clock::now();
    double longest = 0;
    for (std::size_t i = t; i < layouts.size(); i += threads) {
      if (stop && stop->load(std::memory_order_relaxed)) break;
      if (solved[t] > 0 && solver.nodes() >= stopAt) break;
      const double gone = Seconds(start);
      if (budget_ > 0 && solved[t] > 0 && gone + longest > budget_) break;
      // The first layout may take its whole limit; a later one only what the thread has left,
      // and is left out if that runs out: a card decision makes a search for every card, so one
      // layout started near the end could take several limits more.
      const long ceiling = solved[t] > 0 ? stopAt : 0;
      solver.SetNodeCeiling(ceiling);
      p.hands = layouts[i];
      std::fill(one.begin(), one.end(), 0);
      each(solver, p, one);
      if (ceiling > 0 && solver.nodes() > ceiling) break;
      for (std::size_t k = 0; k < one.size(); ++k) part[t][k] += one[k];
      ++solved[t];
      longest = std::max(longest, Seconds(start) - gone);
    }
    solver.SetNodeCeiling(0);
    searched[t] = solver.nodes() - began;
  };
  std::vector<std::thread> workers;
  for (int t = 1; t < threads && static_cast<std::size_t>(t) < layouts.size(); ++t) workers.emplace_back(run, t);
  run(0);
  for (std::thread& worker : workers) worker.join();
  int total = 0;
  for (int t = 0; t < threads; ++t) {
    total += solved[t];
    for (std::size_t k = 0; k < counts.size(); ++k) counts[k] += part[t][k];
    if (spent) *spent += searched[t];
  }
  return total;
}

void ExpertPlayer::FollowGame(const Game& g) {
  // Each hand's layouts come from a stream of its own, started from the player's seed and the
  // hand's number: a hand played again from its start (resumed, or a card taken back) is
  // decided exactly as it was, whatever hands came before it in this run. The stream starts
  // anew with every deal, so also when the same hand is dealt again.
  if (g.draw.deals != deal_) {
    deal_ = g.draw.deals;
    random_.seed(seed_ ^ (0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(g.draw.handNumber + 1)));
    solver_.Forget();
    for (const auto& helper : *helpers_)
      if (helper) helper->Forget();
  }
  // Who calls by what; the bidding is valued against Classic defenders under the Classic rules
  // only (measured there).
  for (int seat = 0; seat < kSeats; ++seat) {
    const std::string_view level = g.players[seat] ? g.players[seat]->Level() : "";
    callers_[seat] = level == "classic" ? Bidder::Classic : level == "expert" ? Bidder::Expert : Bidder::Unknown;
    bidders_[seat] = g.s.standard ? Bidder::Unknown : callers_[seat];
  }
}

void ExpertPlayer::AdviseAt(const Game& g) {
  // Who sits where; the stream and the solvers start afresh below, at every hint, not only at a
  // new deal, so following the deal would clear the tables twice.
  deal_ = g.draw.deals;
  FollowGame(g);
  // The moment: the hand, the cards played and the calls made so far.
  std::uint64_t moment = static_cast<std::uint64_t>(g.s.playsMade) * 64 + g.s.calls.size();
  for (const int spoke : g.s.spoke) moment = moment * 16 + static_cast<std::uint64_t>(spoke + 1);
  random_.seed(seed_ ^ Mix64(static_cast<std::uint64_t>(g.draw.handNumber + 1)) ^ Mix64(moment));
  solver_.Forget();
  for (const auto& helper : *helpers_)
    if (helper) helper->Forget();
}

void ExpertPlayer::Timed(std::chrono::steady_clock::time_point start) {
  const double took = Seconds(start);
  slowest_ = std::max(slowest_, took);
  times_.push_back(static_cast<float>(took));
}

int ExpertPlayer::ChosenContract(int seat, MisereDeal deal, bool known, const std::array<int, 5>& codes,
                                 const std::array<int, 5>& made, const std::array<int, 5>& solved,
                                 const std::array<double, 5>& playedOut) const {
  int chosen = -1;
  if (confidence_ >= 0) {
    // The highest contract to win made in that share of the layouts, else a Misere made in it
    // (its share comes from play, not from the solver, so it is looked at on its own).
    for (int i : {0, 1, 2, 4, 3})
      if (chosen < 0 && solved[i] > 0 && made[i] >= confidence_ * solved[i]) chosen = i;
    if (exploreSolos_ && (chosen < 0 || chosen == 3) && solved[4] > 0) chosen = 4;
    return chosen;
  }
  // Classic defenders let more through than Expert ones: the chance is measured against three
  // of either, and taken in proportion at a table of both.
  const int classicDefenders = ClassicAmong(bidders_, seat);
  // The units the declarer wins on average: three times the contract's units from the others
  // when it is made, paid back three times when it fails.
  double best = 0;
  for (int i = 0; i < 5; ++i) {
    if (solved[i] == 0) continue;
    const double share = static_cast<double>(made[i]) / solved[i];
    const double chance =
        known ? std::max(playedOut[i], share)
            : std::max(playedOut[i], (classicDefenders * MadeInPlay(codes[i], share, true) +
                                      (3 - classicDefenders) * MadeInPlay(codes[i], share, false, deal)) /
                                         3);
    const double expected = 3.0 * ContractOf(codes[i]).units * (2 * chance - 1);
    if (expected > best) best = expected, chosen = i;
  }
  return chosen;
}

int ExpertPlayer::PlayedOutAmong(Solver& solver, const GameState& s, const std::array<std::uint64_t, 4>& hands,
                                 int seat, int code) const {
  const bool lose = ContractOf(code).toLose;
  std::optional<GameState> scratch;
  std::vector<int> worths(3 * kCards);
  return PlayOutBy(s, hands, seat, code, [&](const GameState& now, int player, int position) {
    const int classic = ChooseCard(now, player, position, lose);
    const std::uint64_t legal = LegalCards(now, player, position);
    if (bidders_[player] == Bidder::Classic || std::popcount(legal) <= 1) return classic;
    if (!scratch) scratch.emplace(now);
    std::fill(worths.begin(), worths.end(), 0);
    AddCardWorths(solver, PositionNow(now), now, player, position, *scratch, worths.data());
    return BestCard(worths.data(), legal, classic) + 1;
  });
}

ExpertChoice ExpertPlayer::SearchBid(const GameState& s, int seat, const std::atomic<bool>* stop) {
  const auto start = std::chrono::steady_clock::now();
  ++decisions_;
  // The contracts the seat may bid, from the highest, with the trumps each is played with (a
  // computer's Abundance Declared is played without) and its goal. Abundance Open, the user's
  // alone, takes the suit that makes it most often.
  // Misere Open is left to the Classic count: shown cards let the defenders see too much.
  struct Candidate {
    int code, trumps;
    SolverGoal goal;
  };
  const auto candidate = [&](int code) {
    const TrumpRule rule = ContractOf(code).trumps;
    return Candidate{code, rule == TrumpRule::InForce ? SuitPlace(s.trumps) : rule == TrumpRule::None ? -1 : -2,
                     GoalOf(code)};
  };
  const Candidate contracts[] = {candidate(kAbundanceDeclared), candidate(kAbundanceTrumps),
                                 candidate(kAbundanceOpen), candidate(kMisere), candidate(kSolo)};
  const bool user = seat == kSouth;
  // Layouts made and layouts solved, for each contract (and for Abundance Open each suit): a
  // layout too hard to solve within the node limit is left out, not counted a failure.
  // Against three Classic seats a contract to win is also played out on each layout with every
  // seat playing by the Classic card rules: such defenders let through contracts that the
  // solver, every card seen, finds beaten (it is the chance then when it is the higher).
  const bool playOut = ClassicAmong(bidders_, seat) == kSeats - 1;
  // On a goulash the hands are known: the share of the layouts is the chance itself. With
  // Classic seats among the defenders, a contract the best defence beats is also played out with
  // them playing by their rules and the others as the Expert does, every card seen (only while
  // no higher contract is made on the layout: the highest made is the one bid).
  const bool known = !GoulashLayouts(s, seat).empty();
  const bool playOutKnown = known && ClassicAmong(bidders_, seat) > 0;
  // Otherwise a Misere is looked ahead, only on a hand counting low enough for an Expert's,
  // counted with the trumps on the table (the turned-up suit under the Standard rules).
  const bool lookAhead = !playOut && CountBidPoints(s, seat).points <= kExpertMisereCountTo;
  // counts: made[5], solved[5], then made and solved for each suit of Abundance Open, then
  // made when played out[5].
  std::vector<int> counts(23);
  SolverPosition base;
  base.leader = s.leader;
  base.declarer = seat;
  // Returns whether the contract was made (or played out made) on the layout; `higherMade`: a
  // higher contract was, so this one need not be played out.
  const auto solve = [&](Solver& solver, SolverPosition& p, int code, int trumpIndex, const SolverGoal& goal,
                         int& madeCount, int& solvedCount, int* playedOutCount = nullptr, bool higherMade = false) {
    const auto playedOutKnown = [&] {
      if (!playOutKnown || higherMade) return false;
      const int tricks = PlayedOutAmong(solver, s, p.hands, seat, code);
      return goal.toLose ? tricks == 0 : tricks >= goal.target;
    };
    // A Misere is played out against defenders who see no more than their own cards: solved
    // with every card seen, it is all but never made. Against three Classic seats they play by
    // the Classic rules; otherwise every seat looks ahead as the Experts do, which beats far
    // more of them (a play-out many times the cost: only on hands that count low enough
    // for an Expert's Misere).
    if (ContractOf(code).toLose) {
      if (known) {
        // Expert defenders know the hands too, and beat it whenever it can be beaten; Classic
        // ones play as they always do.
        p.trumps = -1;
        const bool reaches = solver.Reaches(p, goal);
        if (solver.aborted()) return false;
        ++solvedCount;
        const bool made = reaches || playedOutKnown();
        madeCount += made;
        return made;
      }
      if (!playOut && !lookAhead) return false;
      ++solvedCount;
      const bool made =
          (playOut ? ClassicPlayOut(s, p.hands, seat, code) : LookaheadPlayOut(s, p.hands, seat, code)) == 0;
      madeCount += made;
      return made;
    }
    if (playedOutCount && playOut && !known) *playedOutCount += ClassicPlayOut(s, p.hands, seat, code) >= goal.target;
    p.trumps = trumpIndex;
    const bool reaches = solver.Reaches(p, goal);
    if (solver.aborted()) return false;
    ++solvedCount;
    madeCount += reaches;
    const bool made = reaches || (playedOutCount && playedOutKnown());
    if (playedOutCount && known) *playedOutCount += made;
    return made;
  };
  const int layouts = ForLayouts(s, seat, base, stop, counts, [&](Solver& solver, SolverPosition& p, std::vector<int>& c) {
    bool higherMade = false;
    for (int i = 0; i < 5; ++i) {
      const Candidate& candidate = contracts[i];
      if (user && UsersBidRefused(s, candidate.code)) continue;
      if (candidate.code == kAbundanceOpen) {
        if (user)
          for (int suit = 0; suit < 4; ++suit)
            higherMade |= solve(solver, p, candidate.code, suit, candidate.goal, c[10 + suit], c[14 + suit]);
        continue;
      }
      higherMade |=
          solve(solver, p, candidate.code, candidate.trumps, candidate.goal, c[i], c[5 + i], &c[18 + i], higherMade);
    }
  });
  std::array<int, 5> made{}, solved{};
  std::array<int, 4> openMade{}, openSolved{};
  for (int i = 0; i < 5; ++i) made[i] = counts[i], solved[i] = counts[5 + i];
  for (int suit = 0; suit < 4; ++suit) openMade[suit] = counts[10 + suit], openSolved[suit] = counts[14 + suit];
  const auto bestOpen = std::max_element(openMade.begin(), openMade.end()) - openMade.begin();
  made[2] = openMade[bestOpen];
  solved[2] = openSolved[bestOpen];
  Timed(start);
  std::array<int, 5> codes{};
  for (int i = 0; i < 5; ++i) codes[i] = contracts[i].code;
  std::array<double, 5> playedOut{};
  for (int i = 0; i < 5; ++i) playedOut[i] = layouts > 0 ? static_cast<double>(counts[18 + i]) / layouts : 0;
  const int chosen = ChosenContract(seat, MisereDealOf(s), known, codes, made, solved, playedOut);
  if (chosen >= 0) {
    if (bidWatch) bidWatch(contracts[chosen].code, static_cast<double>(made[chosen]) / solved[chosen]);
    return {contracts[chosen].code, made[chosen], solved[chosen]};
  }
  // A pass tells how often the lowest contract, the Solo, would have been made.
  return {kPass, made[4], solved[4] > 0 ? solved[4] : layouts};
}

ExpertChoice ExpertPlayer::SearchTrumps(const GameState& s, int seat, const std::atomic<bool>* stop) {
  const auto start = std::chrono::steady_clock::now();
  ++decisions_;
  std::vector<int> made(4);
  SolverPosition base;
  base.leader = s.leader;
  base.declarer = seat;
  const int layouts = ForLayouts(s, seat, base, stop, made, [&](Solver& solver, SolverPosition& p, std::vector<int>& c) {
    for (int suit = 0; suit < 4; ++suit) {
      p.trumps = suit;
      const bool reaches = solver.Reaches(p, GoalOf(kAbundanceOpen));
      c[suit] += !solver.aborted() && reaches;
    }
  });
  // Ties go to the longest suit, as the Classic choice would have it.
  int best = LongestSuit(s, seat) - kDiamonds;
  for (int suit = 0; suit < 4; ++suit)
    if (made[suit] > made[best]) best = suit;
  Timed(start);
  return {kDiamonds + best, made[best], layouts};
}

ExpertChoice ExpertPlayer::SearchCard(const GameState& s, int seat, int position, int classic,
                                      const std::atomic<bool>* stop) {
  const std::uint64_t legal = LegalCards(s, seat, position);
  const int declarer = s.declarer;
  if (std::popcount(legal) <= 1 || declarer < 0 || declarer >= kSeats) return {classic, 0, 0};
  ++decisions_;
  const auto start = std::chrono::steady_clock::now();

  // What each legal card is worth, summed over the layouts (AddCardWorths).
  std::vector<int> counts(3 * kCards);
  // The hands come from each layout: the Expert never sees the others' cards.
  SolverPosition base = PositionNow(s);
  base.hands = {};
  const std::uint64_t inPlay = InPlay(s);
  const auto solveLayouts = [&](long work, long* spent) {
    return ForLayouts(
        s, seat, base, stop, counts,
        [&](Solver& solver, SolverPosition& p, std::vector<int>& c) {
          GameState scratch = s;
          AddCardWorths(solver, p, s, seat, position, scratch, c.data());
        },
        work, spent);
  };
  const auto worth = [&](int c) { return WorthOf(counts.data(), c); };
  // A tie is another play scoring as the best: a card of the same run (no card still in play
  // between them) is the same play, not a tie.
  const auto tied = [&](int best) {
    for (std::uint64_t rest = legal; rest; rest &= rest - 1) {
      const int c = std::countr_zero(rest);
      if (c == best || worth(c) != worth(best)) continue;
      const int low = std::min(c, best), high = std::max(c, best);
      const std::uint64_t between = ((std::uint64_t{1} << high) - 1) & ~((std::uint64_t{2} << low) - 1);
      if (SuitOfBit(c) != SuitOfBit(best) || (between & inPlay & ~s.Hand[seat]) != 0) return true;
    }
    return false;
  };
  const bool known = !GoulashLayouts(s, seat).empty();
  int layouts = solveLayouts(kDecisionNodes, nullptr);
  int best = BestCard(counts.data(), legal, classic);
  bool tie = tied(best);
  // Cards alike over the layouts imagined may part over more (the hands known on a goulash have
  // nothing more to show), looked at with a part of a decision's work.
  long tieWork = kDecisionNodes / kTieShare;
  for (int look = 0; look < kTieLooks && tie && !known && tieWork > 0 && !(stop && stop->load(std::memory_order_relaxed));
       ++look) {
    long spent = 0;
    layouts += solveLayouts(tieWork, &spent);
    tieWork -= spent;
    best = BestCard(counts.data(), legal, classic);
    tie = tied(best);
  }
  ++cardSearches_;
  const bool classicTie = tie && best == classic - 1;
  classicTies_ += classicTie;
  if (known) ++knownSearches_, knownTies_ += classicTie;
  else settledTies_ += classicTie && (counts[best] == 0 || counts[best] == layouts);
  Timed(start);
  return {best + 1, counts[best], layouts};
}

ExpertChoice ExpertPlayer::Through(Game& g, const Search& search, bool advising) {
  // The window's handlers may change the table while the search runs; the search keeps to
  // its own copy.
  const GameState copy = g.s;
  ExpertChoice choice;
  const auto work = [&](const std::atomic<bool>& stop) { choice = search(copy, &stop); };
  if (advising) {
    ComputeForErrand(g.host, g.flow, work);
  } else {
    g.host.Compute(work, g.flow);
    ThrowIfAbandoned(g.flow);
  }
  return choice;
}

ExpertChoice ExpertPlayer::AdvisedBid(Game& g) {
  return Through(g, [&](const GameState& s, const std::atomic<bool>* stop) { return SearchBid(s, kSouth, stop); }, true);
}

ExpertChoice ExpertPlayer::AdvisedTrumps(Game& g) {
  return Through(g, [&](const GameState& s, const std::atomic<bool>* stop) { return SearchTrumps(s, kSouth, stop); },
                 true);
}

ExpertChoice ExpertPlayer::AdvisedCard(Game& g, int position, int classic) {
  return Through(
      g, [&](const GameState& s, const std::atomic<bool>* stop) { return SearchCard(s, kSouth, position, classic, stop); },
      true);
}

int ExpertPlayer::OfferBid(Game& g, int seat) {
  FollowGame(g);
  // The point count is still made: the table shows it, and it finds the long suit.
  classic_.OfferBid(g, seat);
  return OrCountsSolo(g, seat, Through(g, [&](const GameState& s, const std::atomic<bool>* stop) {
                                 return SearchBid(s, seat, stop);
                               }).choice);
}

int ExpertPlayer::Bid(Game& g, int seat) {
  FollowGame(g);
  return OrCountsSolo(g, seat, Through(g, [&](const GameState& s, const std::atomic<bool>* stop) {
                                 return SearchBid(s, seat, stop);
                               }).choice);
}

int ExpertPlayer::OrCountsSolo(const Game& g, int seat, int searched) const {
  // Solved with every card seen, a Solo is rarely safe, yet Classic defenders let many through
  // (when the hands are not known: then the search has said so).
  if (searched != kPass || CountBidPoints(g.s, seat).points < CountsSoloFrom(bidders_, seat) ||
      !GoulashLayouts(g.s, seat).empty())
    return searched;
  return seat == kSouth && UsersBidRefused(g.s, kSolo) ? kPass : kSolo;
}

int ExpertPlayer::Trumps(Game& g, int seat) {
  FollowGame(g);
  return Through(g, [&](const GameState& s, const std::atomic<bool>* stop) { return SearchTrumps(s, seat, stop); })
      .choice;
}

int ExpertPlayer::SearchedCard(Game& g, int seat, int position, int classic) {
  if (std::popcount(LegalCards(g.s, seat, position)) <= 1) return classic;
  return Through(g, [&](const GameState& s, const std::atomic<bool>* stop) {
           return SearchCard(s, seat, position, classic, stop);
         }).choice;
}

int ExpertPlayer::Card(Game& g, int seat, int position, bool playToLose) {
  FollowGame(g);
  return SearchedCard(g, seat, position, classic_.Card(g, seat, position, playToLose));
}

}  // namespace solo
