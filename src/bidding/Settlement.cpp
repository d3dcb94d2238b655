#include "bidding/Settlement.h"

#include "bidding/BidLadder.h"
#include "table/HandObserver.h"
#include "table/Messages.h"
#include "table/Saving.h"

namespace solo {

namespace {

struct ResultTexts {
  const char* madeTitle;
  const char* failedTitle;
  const char* madePrompt;
  const char* failedPrompt;
};

ResultTexts TextsFor(int code) {
  switch (code) {
    case kSolo:
      return {"Solo made", "Solo bid failed", " made Solo bid and receives 1 unit from each player",
              " failed in Solo bid and must pay 1 unit to each player"};
    case kMisere:
      return {"Misere made", "Misere bid failed", " made Misere bid and receives 2 units from each player",
              " failed in Misere bid and must pay 2 units to each player."};
    case kAbundanceOpen:
      return {"Abundance Open made", "Abundance Open bid fails.",
              " made Abundance Open bid and receives 3 units from each player",
              " failed in Abundance Open bid and must pay 3 units to each player"};
    case kAbundanceTrumps:
      return {"Abundance Trumps made.", "Abundance Trumps bid fails.",
              " made Abundance Trumps bid and receives 3 units from each player.",
              " failed in Abundance Trumps bid and must pay 3 units to each player"};
    case kMisereOpen:
      return {"Misere Open bid made.", "Misere Open bid fails.",
              " made Miser Open bid and receives 4 units from each player.",
              " failed in Misere Open bid and must pay 4 units to each player"};
    default:
      return {"Abundance Declared made.", "Abundance Declared bid fails.",
              " made Abundance Declared bid and receives 6 units from each player.",
              " failed in Abundance Declared bid and must pay 6 units to each player."};
  }
}

}  // namespace

Outcome DecideContract(const GameState& s, int code, int seat) {
  const int declarer = s.tricksWon[seat];
  int others = 0;
  for (int i = 0; i < kSeats; ++i)
    if (i != seat) others += s.tricksWon[i];
  switch (code) {
    case kSolo:
      return declarer >= 5 ? Outcome::Made : others >= 9 ? Outcome::Failed : Outcome::Open;
    case kMisere:
    case kMisereOpen:
      return s.tricksPlayed == 13 && declarer == 0 ? Outcome::Made
             : declarer >= 1                         ? Outcome::Failed
                                                     : Outcome::Open;
    case kAbundanceOpen:
    case kAbundanceTrumps:
      return declarer >= 9 ? Outcome::Made : others >= 5 ? Outcome::Failed : Outcome::Open;
    default:
      return declarer == 13 ? Outcome::Made : others >= 1 ? Outcome::Failed : Outcome::Open;
  }
}


void ShowResult(Game& g) {
  g.t.status.prompt.clear();
  g.t.status.bidding.clear();
}

void ShowPoints(Game& g) {
  for (int i = 0; i < kSeats; ++i) SetNumber(g.t.pointsShown[i], g.s.points[i]);
}

Settled EndOfHand(Game& g, int seat) {
  GameState& s = g.s;
  if (seat < 0 || seat >= kSeats) return Settled::No;
  const char* result = nullptr;
  for (int code = kSolo; code <= kAbundanceDeclared; ++code) {
    if (!KindFlags(s, code)[seat]) continue;
    const Outcome outcome = DecideContract(s, code, seat);
    if (outcome == Outcome::Open) continue;
    const bool made = outcome == Outcome::Made;
    const int units = kUnits[code];
    for (int i = 0; i < kSeats; ++i)
      s.points[i] = AddPoints(s.points[i], (i == seat ? 3 * units : -units) * (made ? 1 : -1));
    g.show->ResultShown(g);
    const ResultTexts texts = TextsFor(code);
    const int icon = made && code == kAbundanceOpen ? 1 : 2;
    DeluxeMsgBox(g, BoxPurpose::HandResult, {s.playerNames[seat], made ? texts.madePrompt : texts.failedPrompt}, "O.K", "", "", icon,
                 made ? texts.madeTitle : texts.failedTitle);
    result = made ? "made" : "failed";
    break;
  }
  if (!result) return Settled::No;

  g.show->PointsShown(g);
  // A points file that cannot be written is told; the settlement goes on, and the question
  // after it does not claim the points are saved.
  const bool saved = SavePoints(g);
  // The hand's record follows the points file, which stays the file of record.
  if (g.observer) g.observer->HandEnded(g, result);
  const int answer = DeluxeMsgBox(g, BoxPurpose::NewGameOrExit,
               {s.userName, " click New Round to play another or Exit Game to leave the game.",
                    saved ? " Your points are saved." : " Your points could not be saved."},
               "New Round", "Exit Game", "", 1, "New game or exit.");
  if (answer == 0) {
    s.noShuffle = false;
    return Settled::NewRound;
  }
  return Settled::ExitGame;
}

}  // namespace solo
