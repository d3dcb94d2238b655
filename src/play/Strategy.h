#pragma once
// How a computer player chooses its card: fixed rules by its place in the trick, by whether
// the contract is played to lose tricks (Misere, Misere Open) or to take them, and by whether
// it is the declarer or a defender. No look-ahead and no randomness: the same table always
// gives the same card.
//
// Each Choose function is the choice alone, a pure function of the state (0 when the seat has
// no card); the computer player answers with it.
#include "state/GameState.h"

namespace solo {

Integer ChooseFirstCardLose(const GameState& s, int seat);
Integer ChooseFirstCard(const GameState& s, int seat);
Integer ChooseSecondCardLose(const GameState& s, int seat);
Integer ChooseSecondCard(const GameState& s, int seat);
Integer ChooseThirdCardLose(const GameState& s, int seat);
Integer ChooseThirdCard(const GameState& s, int seat);
Integer ChooseFourthCardLose(const GameState& s, int seat);
Integer ChooseFourthCard(const GameState& s, int seat);
// The choice for a position (1-4) of either family.
Integer ChooseCard(const GameState& s, int seat, int position, bool playToLose);

}  // namespace solo
