#pragma once
// The user's bid panel and trump panel, and the rules of a bid made at the user's place. The
// panels act only while the bidding round waits for them.
#include <array>
#include "table/Game.h"

namespace solo {

// An option of the bid panel was clicked (0 Pass ... 6 Abundance Declared).
void BidSelected(Game& g, int index);
// The bid button: refuses a bid that does not beat one already made, else records it.
void BidConfirmed(Game& g);
// A suit button of the trump panel (1 Diamonds, 2 Clubs, 3 Hearts, 4 Spades): its suit code
// is the answer.
void TrumpsChosen(Game& g, int index);

// Whether a bid at the user's place is refused: a computer seat that has already spoken bid as
// high or higher. A pass is never refused.
bool UsersBidRefused(const GameState& s, int bid);
// The rule step of the bid made at the user's place (or the pass): the bid records, and the
// computer bids it beats withdrawn. Returns, for each bid it can beat (Solo, Misere, Abundance
// Open, Abundance Trumps), the seat that withdrew it (kNoSeat where none did).
std::array<int, 4> RecordUsersBid(GameState& s, int bid);
// Records the bid and shows it: the withdrawn bids' captions, the panel closed and the bid
// announced.
void AcceptUsersBid(Game& g, int bid);
// What the table shows of it (the window's presentation).
void ShowUsersBid(Table& t, const GameState& s, int bid);
// Opens the bid panel: the computer seats that speak after the user have not yet bid, and Pass
// is chosen.
void OpenBidPanel(Table& t, GameState& s);

// The computer seats that speak before the user, by dealer.
std::vector<int> SeatsBeforeUser(int dealer);

}  // namespace solo
