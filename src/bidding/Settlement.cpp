#include "bidding/Settlement.h"

#include "bidding/BidLadder.h"
#include "bidding/Auction.h"

#include <charconv>
#include <string_view>
#include "table/HandObserver.h"
#include "table/Messages.h"
#include "table/Pacing.h"
#include "table/Saving.h"

namespace solo {

namespace {

// The words of the result boxes: the numbers come from the contract's row, the words around
// them (odd ends and spellings included) are the program's own.
// Views rather than pointers, so no length is counted while a hand is settled.
struct ResultWords {
  std::string_view madeTitle;
  std::string_view failedTitle;
  std::string_view madeName;  // as the made box names the contract
  std::string_view madeEnd;
  std::string_view failedEnd;
};
// How long a result stays on the table before the next hand, when nobody is asked.
constexpr int kResultPause = 2500;

constexpr ResultWords kResultWords[kBidKinds] = {
    {"", "", "", "", ""},
    {"Solo made", "Solo bid failed", "Solo", "", ""},
    {"Misere made", "Misere bid failed", "Misere", "", "."},
    {"Abundance Open made", "Abundance Open bid fails.", "Abundance Open", "", ""},
    {"Abundance Trumps made.", "Abundance Trumps bid fails.", "Abundance Trumps", ".", ""},
    {"Misere Open bid made.", "Misere Open bid fails.", "Miser Open", ".", ""},
    {"Abundance Declared made.", "Abundance Declared bid fails.", "Abundance Declared", ".", "."},
};


}  // namespace

namespace {
Settled AfterSettlement(Game& g, const char* result);
}  // namespace

Outcome DecideContract(const GameState& s, int code, int seat) {
  // Every trick played was won by someone: the others took the rest.
  const int declarer = s.tricksWon[seat];
  const int others = s.tricksPlayed - declarer;
  const Contract& c = ContractOf(code);
  if (c.toLose) return s.tricksPlayed == kTricksInHand && declarer == 0 ? Outcome::Made
                       : declarer >= 1                                  ? Outcome::Failed
                                                                        : Outcome::Open;
  // The defenders have beaten it once they have taken more tricks than the declarer may lose.
  return declarer >= c.target ? Outcome::Made : others > kTricksInHand - c.target ? Outcome::Failed : Outcome::Open;
}

void ShowResult(Table& t) {
  t.status.prompt.clear();
  t.status.bidding.clear();
}

void ShowPoints(Table& t, const GameState& s) {
  for (int i = 0; i < kSeats; ++i) SetNumber(t.pointsShown[i], s.points[i]);
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
    const int units = ContractOf(code).units;
    for (int i = 0; i < kSeats; ++i)
      s.points[i] = AddPoints(s.points[i], (i == seat ? 3 * units : -units) * (made ? 1 : -1));
    // The prompt is handed over in parts: it is joined only where a box is really read. When
    // nobody is asked, the same words stay on the contract panel instead, shown after saving.
    const ResultWords& words = kResultWords[code];
    char digits[4];
    const std::string_view count(digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, units).ptr - digits));
    const std::string_view unit = units == 1 ? std::string_view(" unit") : std::string_view(" units");
    const int icon = made && code == kAbundanceOpen ? 1 : 2;
    const auto tell = [&](std::initializer_list<std::string_view> prompt, std::string_view title) {
      if (g.options.nextHandWithoutAsking) {
        SetText(g.t.Contract[2], prompt);
        return;
      }
      g.show->ResultShown(g);
      DeluxeMsgBox(g.host, BoxPurpose::HandResult, prompt, "O.K", "", "", icon, title);
    };
    if (made)
      tell({s.playerNames[seat], " made ", words.madeName, " bid and receives ", count, unit, " from each player",
            words.madeEnd},
           words.madeTitle);
    else
      tell({s.playerNames[seat], " failed in ", ContractOf(code).name, " bid and must pay ", count, unit,
            " to each player", words.failedEnd},
           words.failedTitle);
    result = made ? "made" : "failed";
    break;
  }
  if (!result) return Settled::No;
  return AfterSettlement(g, result);
}

namespace {

std::string UnitWords(int units) { return std::to_string(units) + (units == 1 ? " unit" : " units"); }

}  // namespace

Settled SettleStandard(Game& g, const StandardDeal& deal) {
  GameState& s = g.s;
  const StandardOutcome outcome = DecideStandard(deal, s.tricksWon);
  if (outcome == StandardOutcome::Open) return Settled::No;
  const bool made = outcome == StandardOutcome::Made;
  const std::array<int, kSeats> units = StandardUnits(deal, made);
  for (int seat = 0; seat < kSeats; ++seat) s.points[seat] = AddPoints(s.points[seat], units[seat]);
  const Contract& contract = StandardContractOf(deal.contract);
  const auto name = [&](int seat) { return seat == kSouth ? s.userName : s.playerNames[seat]; };
  const std::string each = UnitWords(contract.units);
  std::string prompt;
  if (contract.partnership)
    prompt = name(deal.declarer) + " and " + name(deal.partner) + (made ? " made" : " failed in") + " their " +
             contract.name + (made ? " and each receive " : " and each pay ") + each + ".";
  else
    prompt = name(deal.declarer) + (made ? " made the " : " failed in the ") + contract.name +
             (made ? " and receives " + each + " from each player." : " and must pay " + each + " to each player.");
  const std::string title = std::string(contract.name) + (made ? " made" : " failed");
  if (g.options.nextHandWithoutAsking) {
    g.t.Contract[2] = prompt;
  } else {
    g.show->ResultShown(g);
    DeluxeMsgBox(g.host, BoxPurpose::HandResult, {prompt}, "O.K", "", "", made ? 1 : 2, title);
  }
  return AfterSettlement(g, made ? "made" : "failed");
}

namespace {

// After the result: the new points shown and saved, the hand's record kept, and the next hand
// asked for (or, without asking, the result left on the table for a moment).
Settled AfterSettlement(Game& g, const char* result) {
  GameState& s = g.s;
  g.show->PointsShown(g);
  // A points file that cannot be written is told; the settlement goes on, and the question
  // after it does not claim the points are saved.
  const bool saved = SavePoints(g.files, g.host, g.s);
  // The hand's record follows the points file, which stays the file of record.
  if (g.observer) g.observer->HandEnded(g, result);
  if (g.options.nextHandWithoutAsking) {
    g.host.ShowStatus(g.t.Contract[2]);
    Pause(g.host, g.flow, kResultPause);
    g.show->ResultShown(g);
    return Settled::NewRound;
  }
  const int answer = DeluxeMsgBox(g.host, BoxPurpose::NewGameOrExit,
               {s.userName, " click New Round to play another or Exit Game to leave the game.",
                    saved ? std::string_view(" Your points are saved.") : std::string_view(" Your points could not be saved.")},
               "New Round", "Exit Game", "", 1, "New game or exit.");
  if (answer == 0) {
    s.noShuffle = false;
    return Settled::NewRound;
  }
  return Settled::ExitGame;
}

}  // namespace

}  // namespace solo
