#pragma once
// Where a hand was won or lost: for every card played, whether the declarer's goal could still
// be reached with best play by all four (every card known) before it and after it. A card after
// which the answer changed decided the hand, the other way from the side that played it.
#include <atomic>
#include <string>
#include <vector>

#include "play/Solver.h"
#include "store/HandRecord.h"

namespace solo {

struct CardVerdict {
  int trick = 0, place = 0;  // 0-12, and 0-3 in playing order
  int seat = 0, card = 0;    // the card as the game numbers it, 1-52
  bool before = false, after = false;  // the declarer's goal reachable before and after it
  int better = 0;  // when the card changed the answer: a card the seat could have played instead
  bool known = true;  // both answers were found within the solver's limit
  bool changed() const { return known && before != after; }
};

struct HandAnalysis {
  bool complete = false;  // every position was solved within the limit
  std::vector<CardVerdict> cards;
};

// Analyses a played hand of a contract (a hand thrown in, abandoned before its play or damaged
// has nothing to analyse); each position may take `nodeLimit` positions of the solver. Once
// `stop` is set it soon returns what it found (not complete).
constexpr long kAnalysisNodeLimit = 2000000;
HandAnalysis AnalyseHand(const HandRecord& hand, Solver& solver, long nodeLimit = kAnalysisNodeLimit,
                         const std::atomic<bool>* stop = nullptr);

// A card that changed the answer, in words: "West's Ten of Spades let the Solo through: the
// Three of Diamonds beats it" (a defender's), or "South's Ace of Hearts lost the Solo: the Two of
// Clubs makes it" (the declarer's).
std::string VerdictWords(const HandRecord& hand, const CardVerdict& verdict);

}  // namespace solo
