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

int ChooseFirstCardLose(const GameState& s, int seat);
int ChooseFirstCard(const GameState& s, int seat);
int ChooseSecondCardLose(const GameState& s, int seat);
int ChooseSecondCard(const GameState& s, int seat);
int ChooseThirdCardLose(const GameState& s, int seat);
int ChooseThirdCard(const GameState& s, int seat);
int ChooseFourthCardLose(const GameState& s, int seat);
int ChooseFourthCard(const GameState& s, int seat);
// The choice for a position (1-4) of either family. Written here, so that it is built into each
// of its callers: the computer seats and the playouts that value a Misere (a call of its own
// made the compiler stop building the rules into the computer seats' play, which cost every
// simulated hand 3 % more work).
inline int ChooseCard(const GameState& s, int seat, int position, bool playToLose) {
  switch (position) {
    case 1: return playToLose ? ChooseFirstCardLose(s, seat) : ChooseFirstCard(s, seat);
    case 2: return playToLose ? ChooseSecondCardLose(s, seat) : ChooseSecondCard(s, seat);
    case 3: return playToLose ? ChooseThirdCardLose(s, seat) : ChooseThirdCard(s, seat);
    case 4: return playToLose ? ChooseFourthCardLose(s, seat) : ChooseFourthCard(s, seat);
    default: return 0;
  }
}

}  // namespace solo
