#pragma once
// The contracts, one row each: what the bidding, the settlement, the result texts, the solver's
// goals, the Expert, the hints, the statistics and the hand history know of a contract. A new
// contract is a row here and the rules that really differ.
#include <array>

namespace solo {

inline constexpr int kTricksInHand = 13;

// A bid's code is also the index of its option on the user's bid panel and of its row below;
// a higher code is a higher bid.
enum BidCode : int {
  kPass = 0,
  kSolo = 1,
  kMisere = 2,
  kAbundanceOpen = 3,
  kAbundanceTrumps = 4,
  kMisereOpen = 5,
  kAbundanceDeclared = 6,
};

// Which trumps a contract is played in.
enum class TrumpRule {
  None,      // no trumps (a computer's Abundance Declared is played without them)
  InForce,   // the trumps of the deal
  Named,     // named by the declarer once the bidding is over
};

struct Contract {
  int code;
  const char* name;
  int target;       // tricks the declarer must take; 0 with `toLose`: none at all
  bool toLose;
  TrumpRule trumps;
  int units;        // won from, or paid to, each other seat
  bool open;        // the declarer's cards are shown
  bool personOnly;  // only the person at South may bid it
  bool declarerLeads = false;  // the declarer leads to the first trick (else the dealer's left)
  bool partnership = false;    // two partners declare together, their tricks counted as one side's
};

inline constexpr std::array<Contract, 7> kContracts = {{
    {kPass, "Pass", 0, false, TrumpRule::InForce, 0, false, false},
    {kSolo, "Solo", 5, false, TrumpRule::InForce, 1, false, false},
    {kMisere, "Misere", 0, true, TrumpRule::None, 2, false, false},
    {kAbundanceOpen, "Abundance Open", 9, false, TrumpRule::Named, 3, false, true},
    {kAbundanceTrumps, "Abundance Trumps", 9, false, TrumpRule::InForce, 3, false, false},
    {kMisereOpen, "Misere Open", 0, true, TrumpRule::None, 4, true, false},
    {kAbundanceDeclared, "Abundance Declared", 13, false, TrumpRule::None, 6, false, false},
}};
inline constexpr int kBidKinds = static_cast<int>(kContracts.size());
inline constexpr int kHighestBidCode = kBidKinds - 1;

// The row of a bid code; a code outside the table reads as a pass.
constexpr const Contract& ContractOf(int code) { return kContracts[code > 0 && code < kBidKinds ? code : 0]; }

// The Standard rules, the second rule set: their calls, lowest first. A Proposal is bid by one
// seat; accepted by another it is the contract of the two, Proposal and Acceptance. Abundance
// takes trumps named by its declarer after the auction, Royal Abundance (which overcalls it)
// those turned up; Misere Ouverte is played with the declarer's hand face up after the first
// trick; Abundance Declared's declarer leads.
enum StandardCall : int {
  kStandardPass = 0,
  kProposal = 1,
  kAcceptance = 2,
  kStandardSolo = 3,
  kStandardMisere = 4,
  kAbundance = 5,
  kRoyalAbundance = 6,
  kMisereOuverte = 7,
  kStandardAbundanceDeclared = 8,
};

inline constexpr std::array<Contract, 9> kStandardContracts = {{
    {kStandardPass, "Pass", 0, false, TrumpRule::InForce, 0, false, false},
    // A Proposal nobody accepted is never played: it is raised or dropped.
    {kProposal, "Proposal", 8, false, TrumpRule::InForce, 1, false, false, false, true},
    {kAcceptance, "Proposal and Acceptance", 8, false, TrumpRule::InForce, 1, false, false, false, true},
    {kStandardSolo, "Solo", 5, false, TrumpRule::InForce, 1, false, false},
    {kStandardMisere, "Misere", 0, true, TrumpRule::None, 2, false, false},
    {kAbundance, "Abundance", 9, false, TrumpRule::Named, 3, false, false},
    {kRoyalAbundance, "Royal Abundance", 9, false, TrumpRule::InForce, 3, false, false},
    {kMisereOuverte, "Misere Ouverte", 0, true, TrumpRule::None, 4, true, false},
    {kStandardAbundanceDeclared, "Abundance Declared", 13, false, TrumpRule::None, 6, false, false, true},
}};

constexpr const Contract& StandardContractOf(int code) {
  return kStandardContracts[code > 0 && code < static_cast<int>(kStandardContracts.size()) ? code : 0];
}

// The row of contract `code` under the rules played (the codes of the two rules differ).
constexpr const Contract& ContractOf(int code, bool standard) {
  return standard ? StandardContractOf(code) : ContractOf(code);
}

}  // namespace solo
