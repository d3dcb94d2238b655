#pragma once
// How the computer's fixed card rules play a Standard hand. Every contract of one declarer is
// played as the Classic contract it is like; in a Proposal and Acceptance each side is a pair of
// partners, and two rules of partnership play come first: never overtake a partner who is
// winning the trick (follow low, and throw a low card rather than trump it), and lead back the
// suit the partner led first.
#include "state/GameState.h"

namespace solo {

int ChooseStandardCard(const GameState& s, int seat, int position, bool playToLose);
// The other seat of `seat`'s side in a Proposal and Acceptance (kNoSeat in other contracts).
int PartnerOf(const GameState& s, int seat);

}  // namespace solo
