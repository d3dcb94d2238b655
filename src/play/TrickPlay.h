#pragma once
// Playing a hand's tricks: the order of play from the leader, each seat's card asked of its
// player (the user's held to following suit), and the result of each trick.
#include "table/Game.h"

namespace solo {

// How the hand stands after a trick.
enum class TrickResult { NextTrick, NewRound, ExitGame };

// One trick led by `leader`, with the computer seats choosing by the lose or win rules.
void PlayRoundLose(Game& g, int leader);
void PlayRoundWin(Game& g, int leader);
// A click on card `index`: accepted only from South's hand while a trick waits for it, one
// card per wait; a card of another suit is refused while South can follow.
void CardClicked(Game& g, int index);
// Finds, counts and announces the winner, carries the trick away, and asks for settlement.
TrickResult CheckWinnerOfTrick(Game& g);
// The winner announced in the played-cards list (the window's presentation).
void ShowTrickWon(Table& t, const GameState& s, int winner);

// The tricks of a hand, from the first leader until the hand is settled. Tricks are a loop:
// the call depth is the same for the first trick and the thirteenth.
TrickResult PlayTricks(Game& g);
// The tricks of a hand of the Standard rules, settled by them; a Misere Ouverte's declarer's hand
// is laid face up after the first trick.
struct StandardDeal;
TrickResult PlayStandardTricks(Game& g, const StandardDeal& deal);
// Contracts played to lose (Misere, Misere Open; Misere and Misere Ouverte under the Standard
// rules) use the lose rules.
bool PlayingToLose(const GameState& s);

// The user's position in a trick led by `leader`.
int UsersPosition(int leader);
// For keyboard play: the card of South's hand `step` places (-1 or +1) from `current`, in the
// order the hand is laid out, going round from one end to the other; the first (or last) card
// when `current` is not in the hand.
int NextSouthCard(const GameState& s, int current, int step);
// The first card of South's hand, in that order, that South may play now (0 for none).
int FirstPlayableSouthCard(const GameState& s);

}  // namespace solo
