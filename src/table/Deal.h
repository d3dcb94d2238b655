#pragma once
// The shuffle display, the move of the deal, and the two deals: the normal one (packets of
// three, then one, every card drawn at random from the rest of the pack) and the goulash after
// a hand in which everybody passed (the unshuffled pack, cut, in packets of five, five, three).
#include <array>
#include <cstdint>

#include "table/Game.h"

namespace solo {

// What the table shows of the deal (the window's presentation).
void ShowPackOnTable(Game& g, int x, int y);
void ShowCardDealt(Game& g, int seat, int card, int pause);
void ShowPacketDealt(Game& g, int pause);
void ShowDealer(Table& t, const GameState& s);

void ShuffleThePackAtStart(Game& g);
void ShuffleThePack(Game& g);
void NextDealer(Game& g);
void DealCards(Game& g);
int DrawRandomCard(DealSource& draw, GameState& s);

// The goulash's cut: the pack is cut after a card between these two, the cuts at either end
// half as likely as each between (the cut is a rounded draw).
constexpr int kGoulashCutFrom = 15, kGoulashCutTo = 50;
// The goulash order for a cut: the first `cut` cards of the pack reversed, then the rest.
// Element 0 is unused so that positions run 1-52.
std::array<int, kCards + 1> GoulashOrder(int cut);
// The seat dealt each place of that order: packets of five, five and three, from the seat
// after the dealer. Element 0 is unused.
std::array<int, kCards + 1> GoulashSeats(int dealer);
// The hands a goulash deals for a cut: nothing in them is left to chance but the cut.
std::array<std::uint64_t, kSeats> GoulashHands(int dealer, int cut);

}  // namespace solo
