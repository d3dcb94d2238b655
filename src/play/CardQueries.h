#pragma once
// Questions the playing rules ask about one seat's hand. A result of 0 means "no such card";
// where several cards match, the pack order decides (Diamonds, Clubs, Hearts, Spades, each
// from Two up to Ace). None of them changes the state.
#include <bit>

#include "state/GameState.h"

namespace solo {

// The three questions asked most often are answered here, where every rule can inline them.
inline std::uint64_t SuitCardsOf(const GameState& s, int seat, int suit) {
  return seat >= 0 && seat < kSeats ? s.Hand[seat] & SuitMask(suit) : 0;
}
inline bool HasSuit(const GameState& s, int seat, int suit) { return SuitCardsOf(s, seat, suit) != 0; }
// The cards the seat may play at `position` (1-4) of the trick in progress: the led suit when
// it holds any, otherwise every card it holds.
inline std::uint64_t LegalCards(const GameState& s, int seat, int position) {
  const std::uint64_t hand = seat >= 0 && seat < kSeats ? s.Hand[seat] : 0;
  const int led = s.trick[0].card;
  return Playable(hand, position <= 1 || led < 1 || led > kCards ? -1 : SuitOfBit(led - 1));
}
inline int LowestOfSuit(const GameState& s, int seat, int suit) {
  return FirstCardOf(SuitCardsOf(s, seat, suit));
}
inline int HighestOfSuit(const GameState& s, int seat, int suit) {
  return LastCardOf(SuitCardsOf(s, seat, suit));
}
// Lowest value in any suit; among equal values the first suit in pack order.
int LowestCard(const GameState& s, int seat);
// Highest value in any suit; among equal values the first suit in pack order.
int HighestCard(const GameState& s, int seat);
// The suit the seat holds more of than of each other suit; 0 when two or more share the most.
int StrictlyLongestSuit(const GameState& s, int seat);
int MasterAce(const GameState& s, int seat, int suit);
// The King once the Ace of its suit has been played.
int MasterKing(const GameState& s, int seat, int suit);
// The Queen once the King and Ace of its suit have been played.
int MasterQueen(const GameState& s, int seat, int suit);
// The Jack once the Queen and King have been played; the Ace is not looked at.
int MasterJack(const GameState& s, int seat, int suit);
// The seat's lowest card of the given card's suit that is higher than it.
int LowestCardAbove(const GameState& s, int seat, int card);
// The seat's highest card of the given card's suit that is lower than it.
int HighestCardUnderCardPlayed(const GameState& s, int seat, int card);
// The seat's highest card of the led suit whose value is below the given card's value.
int GetCardUnderCardPlayed(const GameState& s, int seat, int card);
// The seat's first card in pack order (its lowest card of the first suit it holds).
int FirstCardInPackOrder(const GameState& s, int seat);

}  // namespace solo
