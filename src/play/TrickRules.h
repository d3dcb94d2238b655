#pragma once
// Who wins a trick, and the pairwise tests the third and fourth hands consult while the trick
// is still incomplete. The pairwise tests keep their own results where a card is of another
// suit: they are not the trick rule, and the computer players' choices depend on exactly them.
#include "state/GameState.h"

namespace solo {

// The seat that won the current, complete trick.
int GetWinner(const GameState& s);
// The rule step of a finished trick: its winner leads next and is counted one more trick.
// Returns the winner. Touches nothing but the state.
int ResolveTrick(GameState& s);
// Records the suits the complete trick showed its players to be void in (a seat that did not
// follow the led suit has none left).
void RecordVoids(GameState& s);

bool SecondBeatsFirst(const GameState& s);
bool ThirdBeatsFirst(const GameState& s);
bool ThirdBeatsSecond(const GameState& s);
bool FirstBeatsSecond(const GameState& s);
bool FirstBeatsThird(const GameState& s);
bool SecondBeatsThird(const GameState& s);
bool SecondIsTrump(const GameState& s);
bool ThirdIsTrump(const GameState& s);

}  // namespace solo
