// Every text the table and its boxes show over whole games, compared with a transcript kept
// beside this file. The person's bids, trumps and cards come from a seeded stream, wrong bids
// and wrong cards included, so the refusals are shown too. The program's texts (their odd
// blanks and spellings) and its pauses are part of its behaviour: any change to one shows here
// as a line of difference. After an intended change, write the transcript anew with
// SOLO_WRITE_TRANSCRIPT=1 and read the difference before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "GameFixture.h"
#include "bidding/BidLadder.h"
#include "bidding/UserBid.h"
#include "game/GameStart.h"
#include "game/NameCommands.h"
#include "play/CardQueries.h"
#include "play/TrickPlay.h"
#include "state/Contracts.h"
#include "state/Random.h"

namespace solo {
namespace {

// Writes a line for every text of the table that differs from when it was last looked at.
class TableWatch {
 public:
  explicit TableWatch(std::ostream& out) : out_(out) {}

  void Look(const Table& t) {
    static const char* kSeatNames[] = {"South", "West", "North", "East"};
    for (int seat = 0; seat < kSeats; ++seat) {
      Note(std::string("caption ") + kSeatNames[seat], t.nameCaptions[seat]);
      Note(std::string("points name ") + kSeatNames[seat], t.pointsNames[seat]);
      Note(std::string("points ") + kSeatNames[seat], t.pointsShown[seat]);
      if (seat > 0) Note(std::string("bid panel ") + kSeatNames[seat], t.otherBids[seat]);
    }
    Note("status", t.status.prompt);
    Note("bidding", t.status.bidding);
    Note("trumps caption", t.trumpsCaptionVisible ? t.trumpsCaption : "");
    Note("trumps sign", t.trumpsSignVisible ? std::to_string(t.trumpsSign) : "");
    Note("bid panel sign", std::to_string(t.bidPanelTrumpsSign));
    Note("turned-up note", t.turnedUpNote);
    Note("bid button", t.bidButton);
    for (std::size_t line = 0; line < 3; ++line)
      Note("contract " + std::to_string(line), t.ContractVisible ? t.Contract[line] : "");
    if (t.playedList.size() < listed_) listed_ = 0;
    for (; listed_ < t.playedList.size(); ++listed_) out_ << "list: " << t.playedList[listed_] << "\n";
  }

  // A beep or sound belongs to the pause or box that follows it.
  void Heard(const char* what) { ++heard_[what]; }

  void Pause(int ms) {
    if (ms != lastPause_) {
      EndPauses();
      lastPause_ = ms;
    }
    ++repeats_;
    for (const auto& [what, times] : heard_) runHeard_[what] += times;
    heard_.clear();
  }

  void EndPauses() {
    if (repeats_ > 0) out_ << "pause " << lastPause_ << " x" << repeats_ << Sounds(runHeard_) << "\n";
    repeats_ = 0;
    lastPause_ = -1;
  }

  void Box(const ScriptedHost::Box& box) {
    EndPauses();
    out_ << "box [" << box.title << "] [" << box.prompt << "] icon " << box.icon;
    for (const std::string& button : box.buttons) out_ << " [" << button << "]";
    out_ << Sounds(heard_) << "\n";
  }

 private:
  void Note(const std::string& what, const std::string& now) {
    std::string& before = seen_[what];
    if (before == now) return;
    EndPauses();
    before = now;
    out_ << what << ": " << now << "\n";
  }

  // " with card x20, beep x1", and the counts cleared.
  static std::string Sounds(std::map<std::string, int>& heard) {
    std::string words;
    for (const auto& [what, times] : heard) words += (words.empty() ? " with " : ", ") + what + " x" + std::to_string(times);
    heard.clear();
    return words;
  }

  std::ostream& out_;
  std::map<std::string, std::string> seen_;
  std::map<std::string, int> heard_, runHeard_;
  std::size_t listed_ = 0;
  int lastPause_ = -1;
  int repeats_ = 0;
};

// The person: bids at random (a third of them passes), tries again after a refusal, names a random
// suit, and now and then clicks a card it may not play before the first card it may.
void PlayAsThePerson(Game& g, DealStream& choices) {
  if (g.flow.Awaits(Waiting::Bid)) {
    // Half the time the bid shown last is tried again, which is refused.
    int shown = kPass;
    for (int seat = kWest; seat <= kEast; ++seat)
      if (g.s.hasBid[seat]) shown = std::max(shown, HighestKind(g.s, seat));
    const int bid = shown != kPass && choices.Below(2) ? shown
                    : choices.Below(3)                 ? static_cast<int>(choices.Below(kHighestBidCode)) + 1
                                                       : kPass;
    BidSelected(g, bid);
    BidConfirmed(g);
  } else if (g.flow.Awaits(Waiting::Trumps)) {
    TrumpsChosen(g, static_cast<int>(choices.Below(4)) + 1);
  } else if (g.flow.Awaits(Waiting::Card)) {
    int position = 1;
    while (position <= 4 && g.s.trick[position - 1].card >= 1) ++position;
    const std::uint64_t legal = LegalCards(g.s, kSouth, position);
    const std::uint64_t illegal = g.s.Hand[kSouth] & ~legal;
    const std::uint64_t pick = illegal && choices.Below(4) == 0 ? illegal : legal;
    CardClicked(g, std::countr_zero(pick) + 1);
  }
}

std::string PlayGames() {
  std::ostringstream out;
  for (std::uint64_t seed : {3u, 8u, 13u, 21u, 34u, 55u}) {
    out << "game " << seed << "\n";
    test::TestGame tg(seed);
    Game& g = tg.g;
    ScriptedHost& host = tg.host;
    TableWatch watch(out);
    DealStream choices(seed, 1000);
    int hands = 0;
    bool renamed = false;
    host.onPause = [&](int ms) {
      watch.Look(g.t);
      watch.Pause(ms);
    };
    host.onHeard = [&](const char* what) { watch.Heard(what); };
    host.onBox = [&](const ScriptedHost::Box& box) {
      watch.Look(g.t);
      watch.Box(box);
      // The last hand's question is answered with Exit Game.
      if (box.purpose == BoxPurpose::NewGameOrExit && ++hands == 12) host.deluxeAnswers = {1};
    };
    host.player = [&] {
      watch.Look(g.t);
      // In the middle of the third hand: the menu's commands, each declined but the rename.
      if (hands == 2 && g.flow.Awaits(Waiting::Card) && g.s.tricksPlayed == 4 && !renamed) {
        renamed = true;
        host.inputAnswers = {std::string("Ann"), std::nullopt, std::nullopt, std::nullopt};
        RenameSouthChosen(g);
        RenameWestChosen(g);
        RenameNorthChosen(g);
        RenameEastChosen(g);
        host.deluxeAnswers = {1};
        ErasePointsChosen(g);
        host.messageAnswers = {BoxAnswer::No, BoxAnswer::Cancel, BoxAnswer::Cancel};
        NewGameChosen(g);
        ExitChosen(g);
        bool cancel = false;
        CloseAsked(g, 0, cancel);
        watch.Look(g.t);
      }
      PlayAsThePerson(g, choices);
    };
    if (StartGame(g) == Next::StartHands) RunHands(g);
    watch.Look(g.t);
    watch.EndPauses();
  }
  return out.str();
}

TEST(Transcript, EveryTextShownOverWholeGamesIsAsKept) {
  const std::string kept = SOLO_TEST_DATA "/game/transcript.txt";
  const std::string now = PlayGames();
  if (std::getenv("SOLO_WRITE_TRANSCRIPT")) {
    std::ofstream(kept, std::ios::binary) << now;
    GTEST_SKIP() << "transcript written to " << kept;
  }
  std::ifstream in(kept, std::ios::binary);
  ASSERT_TRUE(in) << kept;
  std::stringstream expected;
  expected << in.rdbuf();
  // The first line that differs, with its number, says more than two whole transcripts.
  std::istringstream a(expected.str()), b(now);
  for (int line = 1; a || b; ++line) {
    std::string keptLine, nowLine;
    std::getline(a, keptLine);
    std::getline(b, nowLine);
    ASSERT_EQ(keptLine, nowLine) << "line " << line << " of " << kept;
  }
}

}  // namespace
}  // namespace solo
