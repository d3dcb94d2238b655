#pragma once
// The Standard rules' auction at the table: the computer players' calls by their point count,
// the person's panel of calls, and how each call is shown.
#include <string>

#include "bidding/Auction.h"
#include "table/Game.h"

namespace solo {

// The thresholds of the computer players' calls, on the Classic point count (under the Classic
// rules 5-8 bids a Solo, 9-13 Abundance Trumps, 14 or more Abundance Declared, 0 or less a
// Misere). Measured over 20,000 hands (seed 11) of four such players: a Solo from a count of 5
// or 6 was made only 53 % of the time, from 7 on 82 %, while a Proposal from 5 or 6 with an
// Acceptance from 3 to 6 made its eight tricks 60 % of the time (from 3 or 4: 36 %). So a count
// of 7 or 8 bids a Solo, 5 or 6 proposes while nothing is bid, 3 to 6 accepts a Proposal standing,
// and a proposer nobody accepted raises to a Solo (made 74 % of the time) rather than dropping.
// An Abundance is bid from a count of 13 (made 57 % of the time, against 21 % from the count's 9,
// seed 11): as Royal when counted with the suit turned up, else in the longest suit; a count
// of 14 or more bids no Abundance Declared (none of 25 was made) but a Royal Abundance. A
// Misere hand with nothing above a Nine is bid as Misere Ouverte.
inline constexpr int kSoloFrom = 7, kProposeFrom = 5, kAcceptFrom = 3, kRaiseProposalFrom = 5, kAbundanceFrom = 13;

// The Standard call of a Classic bid: the same contract, or the one played alike (Abundance
// Open as Abundance, Abundance Trumps as Royal Abundance, Misere Open as Misere Ouverte).
int StandardCallFor(int classicBid);

// The call a computer seat makes now: the bid its count gives when that is higher than the bid
// standing, else an Acceptance, a Proposal or a raise when its count allows, else a pass.
int ComputerCall(const GameState& s, int seat, const Auction& auction);
// The same for any thirteen cards, `hand`, against the suit turned up, `trumps`.
int ComputerCall(std::uint64_t hand, int trumps, const Auction& auction);

// A call in the words of a seat's caption (" proposes.", " bids Solo."...), and on the panel.
const char* CallCaption(int call);
const char* CallLabel(int call);

// Opens the person's panel for the auction: every call listed, those allowed now enabled (a
// Proposal's Acceptance only while one stands), Pass chosen.
void OpenAuctionPanel(Table& t, GameState& s, const Auction& auction);
// Shows a seat's call: its caption keeps the call, the status bar says it, the bidding pause.
void ShowCall(Game& g, int seat, int call);

// The Classic contract a Standard one is played like by the card rules (its bid flag is set on
// the declarer): a Proposal and Acceptance like a Solo, an Abundance like Abundance Open, a Royal
// Abundance like Abundance Trumps, a Misere Ouverte like Misere Open.
int ClassicLike(int standardContract);

}  // namespace solo
