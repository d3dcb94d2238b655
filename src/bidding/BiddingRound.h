#pragma once
// The bidding round after every deal: the computer players' bids are decided before anything
// is shown (at most one of them bids), then the table goes round from the seat after the
// dealer, showing each computer seat's bid or pass and waiting for the user's on the bid panel.
#include "table/Game.h"

namespace solo {

// How the round ended.
enum class BidOutcome { PassedOut, PlayToWin, PlayToLose };

// The computer bidder chosen from the offers of seats 1-3 (bid codes): the highest bid first
// (Abundance Declared, Abundance Trumps, Misere, Solo), then the lowest seat. Seat -1 when all
// three pass.
struct ComputerBid {
  int seat = kNoSeat;
  int code = 0;
};
ComputerBid ChooseComputerBid(const PerSeat<int>& offers);

// Asks the computer seats for their offers, chooses the computer bidder and runs the round.
BidOutcome Bids(Game& g);
// The round itself, its trump changes, and which way the play goes.
BidOutcome MakeTheBids(Game& g);
void CheckAnnounceBid(Game& g, int seat);

// What the table shows of the round (the window's presentation).
void ShowNowBidding(Game& g, int seat);
void ShowPass(Table& t, const GameState& s, int seat);
// The pass shown, with the beep and the round's pause.
void ShowPassOnTable(Game& g, int seat);
void ShowComputerBid(Game& g, int seat, int code);
void ShowPassedOut(Game& g);

// Speaking order: the four seats from the one after the dealer.
std::array<int, kSeats> SpeakingOrder(int dealer);

}  // namespace solo
