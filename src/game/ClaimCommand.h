#pragma once
// Game ▸ Claim the Rest, while the game waits for the person's card.
#include "table/Game.h"

namespace solo {

// Checks the person's claim on the real cards: if it holds, their cards are played for them
// from now on (starting with this one) at a quicker pace and the hand is settled as usual; if
// not, they are told in plain words, without any hidden card, and play goes on. It searches
// through the host, so it is asked from the hand's wait (a flow errand), never from a handler.
void ClaimChosen(Game& g);
// The claim held: from now on the person's cards are played for them, at four times the pace.
void ClaimHeld(Game& g);

}  // namespace solo
