#include "game/ClaimCommand.h"

#include "bidding/BidLadder.h"
#include "play/Claim.h"
#include "table/Messages.h"
#include "table/Pacing.h"

namespace solo {

namespace {
// Enough for the last eight tricks or so in a fraction of a second; earlier claims are refused
// as too early rather than keeping the window waiting.
constexpr long kClaimNodeLimit = 2000000;
}  // namespace

void ClaimHeld(Game& g) {
  g.claimed = true;
  g.paceBeforeClaim = g.pacing;
  g.pacing.cardPlay /= 4;
  g.pacing.gather /= 4;
}

void ClaimChosen(Game& g) {
  if (!g.flow.Awaits(Waiting::Card) || g.claimed) return;
  // Searched through the host, off the window's thread, on a copy of the hand; a card the person
  // plays meanwhile ends the search, and the claim with it.
  const GameState hand = g.s;
  ClaimCheck check = ClaimCheck::NotChecked;
  int card = 0;
  const bool awaited = ComputeForErrand(g.host, g.flow, [&](const std::atomic<bool>& stop) {
    Solver solver;
    solver.SetNodeLimit(kClaimNodeLimit);
    solver.SetStop(&stop);
    check = CheckClaim(hand, solver);
    if (check == ClaimCheck::Holds) card = CardKeepingClaim(hand, solver);
  });
  if (!awaited) return;
  const bool toLose = g.s.declarer == kSouth && ContractOf(HighestKind(g.s, kSouth)).toLose;
  switch (check) {
    case ClaimCheck::Holds: {
      if (card == 0) return;
      ClaimHeld(g);
      g.host.ShowStatus("Your claim holds: the rest of the hand is played out for you.");
      g.flow.answer = card;
      return;
    }
    case ClaimCheck::Fails:
      Tell(g.host, toLose ? "Your claim does not hold: with the best play by the others you could still be made to take a "
                       "trick. Play on."
                     : "Your claim does not hold: with the best play by the other side a trick could still be lost. "
                       "Play on.",
           BoxIcon::Information);
      return;
    case ClaimCheck::NotChecked:
      Tell(g.host, "Too much of the hand is still to play to check a claim now. Play on a little and claim again.",
           BoxIcon::Information);
      return;
    case ClaimCheck::NothingToClaim:
      Tell(g.host, "There is nothing to claim in this hand.", BoxIcon::Information);
      return;
  }
}

}  // namespace solo
