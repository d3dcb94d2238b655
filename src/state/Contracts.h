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
  BidCode code;
  const char* name;
  int target;       // tricks the declarer must take; 0 with `toLose`: none at all
  bool toLose;
  TrumpRule trumps;
  int units;        // won from, or paid to, each other seat
  bool open;        // the declarer's cards are shown
  bool personOnly;  // only the person at South may bid it
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

}  // namespace solo
