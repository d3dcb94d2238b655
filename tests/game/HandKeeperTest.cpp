#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <bit>
#include <chrono>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

#include "GameFixture.h"
#include "Players.h"
#include "game/GameStart.h"
#include "game/HandHistory.h"
#include "game/HandKeeper.h"
#include "game/HandRecorder.h"
#include "game/NameCommands.h"
#include "game/Opponents.h"
#include "play/CardQueries.h"
#include "play/TrickPlay.h"
#include "store/DataFiles.h"

namespace solo {
namespace {

namespace fs = std::filesystem;

// What the person sees of the table, as one text: every card's place, face and stacking, the
// captions, the lists and panels.
std::string TableSeen(const Game& g) {
  std::ostringstream out;
  const Table& t = g.t;
  // The stacking order as each card's place among the cards: a run that dealt a hand before this
  // one (thrown in) counted further, and stacks the cards alike.
  for (int card = 1; card <= kCards; ++card) {
    const CardBox& b = t.cards[card];
    int below = 0;
    for (int other = 1; other <= kCards; ++other) below += t.cards[other].Z < b.Z;
    out << b.Left << ',' << b.Top << ',' << b.Picture << ',' << b.Visible << ',' << below << ' ';
  }
  for (const PileBox& p : t.trickPiles) out << p.Visible << p.Left << ',' << p.Top << ' ';
  for (int seat = 0; seat < kSeats; ++seat) out << t.nameCaptions[seat] << '|' << t.pointsShown[seat] << '|';
  for (const std::string& line : t.Contract) out << line << '|';
  out << t.status.prompt << '|' << t.status.bidding << '|' << t.trumpsSign << t.trumpsSignVisible << '|'
      << t.LastTrickWinner << '|';
  for (std::size_t i = 0; i < t.playedList.size(); ++i) out << t.playedList[i] << '/';
  out << g.s.tricksWon[0] << g.s.tricksWon[1]
      << g.s.tricksWon[2] << g.s.tricksWon[3];
  return out.str();
}

// A game in a folder, with its hand kept there, and a South that decides from what it holds: a
// Solo on some hands (a pass when refused), the first card it may play, unless told to avoid one.
struct KeptGame {
  KeptGame(const fs::path& folder, std::uint64_t seed, bool expert = false, bool standard = false)
      : storage(folder.string()), g(host, storage, seed) {
    SetUpTable(g);
    g.options.standardRules = standard;
    // The game ends once `hands` hands are settled; their records are kept here.
    recorder.SetKeeper([this](const HandRecord& r) {
      takeBacksSeen = std::max(takeBacksSeen, r.takeBacks);
      if (r.result == "made" || r.result == "failed") settled.push_back(r);
      if (static_cast<int>(settled.size()) >= hands) g.flow.request = Request::Exit;
    });
    // Without a time budget: the same decisions on any machine.
    experts.timeBudget = 0;
    experts.threads = 1;
    experts.samples = 3;  // small
    experts.Choose(g, expert);
    g.options.nextHandWithoutAsking = true;  // no boxes at the settlement
    g.observer = &recorder;
    keeper.emplace(g, folder);
    host.recordSounds = false;
    host.player = [this] { Act(); };
  }
  void Act() {
    if (onWait) onWait();
    if (test::AnswerBidding(g, g.s.Hand[kSouth] % 3 == 0 ? kSolo : kPass)) return;
    int card = FirstPlayableSouthCard(g.s);
    if (avoid != 0 && card == avoid) {
      const std::uint64_t others = LegalCards(g.s, kSouth, UsersPosition(g.s.trick[0].seat)) & ~CardBit(avoid);
      forced = others == 0;
      if (others) card = std::countr_zero(others) + 1;
    }
    CardClicked(g, card);
  }
  // Starts the game (answering the resume question as told) and plays until a hand is settled.
  bool Play(bool resume = true) {
    host.messageAnswers = {resume ? BoxAnswer::Yes : BoxAnswer::No};
    const Next next = StartGame(g, &*keeper);
    if (g.flow.restart) SeatResumedHand(g, experts, *keeper);
    const bool offered = !host.boxes.empty() && host.boxes.back().purpose == BoxPurpose::ResumeHand;
    if (next == Next::StartHands && (offered || !onlyResume)) RunHands(g, handBegins);
    return offered;
  }
  FolderStorage storage;
  ScriptedHost host;
  Game g;
  ExpertSeats experts;
  HandRecorder recorder{0};
  std::vector<HandRecord> settled;
  int hands = 1;          // the game ends once this many hands are settled
  int takeBacksSeen = 0;  // the most take-backs of any hand kept
  std::optional<HandKeeper> keeper;
  std::function<void()> onWait;
  // Opponents chosen meanwhile sit down as a hand begins, as in the window.
  std::function<void()> handBegins = [this] {
    if (experts.SeatChoice(g)) keeper->Watch();
  };
  int avoid = 0;
  bool forced = false;  // the card to avoid was the only one South could play
  bool onlyResume = false;
};

SeatPoints PointsInFile(const fs::path& folder) { return ReadPointsFile(folder.string()).points; }

// The program killed at any moment (kill -9) resumes to the table it had, and the hand ends with
// the points it would have had without the interruption: never settled twice, never lost. The
// next run has another seed, and its Experts another stream: the kept hand brings its own.
TEST(HandKeeper, AHandKilledAtAnyMomentResumesToTheSameTableAndPoints) {
  constexpr int kKills = 50;
  std::mt19937 random(2026);
  int resumed = 0, tablesCompared = 0;
  for (int round = 0; round < kKills; ++round) {
    // Every fifth round a Standard hand against Expert opponents, who must decide after the
    // resume as they would have without it.
    const bool standard = round % 5 == 4;
    const std::uint64_t seed = standard ? 400 + round / 5 : 100 + round % 5;
    // The hand played through, and the table at each of the person's waits.
    const fs::path plain = test::FreshFolder();
    std::map<std::size_t, std::string> seen;
    SeatPoints expected{}, before{};
    {
      KeptGame reference(plain, seed, standard, standard);
      before = PointsInFile(plain);
      reference.onWait = [&] { seen[reference.keeper->hand().decisions.size()] = TableSeen(reference.g); };
      reference.Play();
      expected = PointsInFile(plain);
      ASSERT_FALSE(fs::exists(plain / kHandInPlayFileName)) << "a settled hand is no longer kept";
    }
    fs::remove_all(plain);

    // The same game in a child that is killed after a random while (each pause takes real time),
    // counted from its first pause: a busy machine may take long to start the child at all.
    const fs::path folder = test::FreshFolder();
    int started[2];
    ASSERT_EQ(::pipe(started), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(started[0]);
      KeptGame game(folder, seed, standard, standard);
      game.host.onPause = [&started](int) {
        if (started[1] >= 0) {
          const char byte = 1;
          [[maybe_unused]] const auto written = ::write(started[1], &byte, 1);
          ::close(started[1]);
          started[1] = -1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(300));
      };
      game.Play();
      ::_exit(0);
    }
    ::close(started[1]);
    char byte = 0;
    [[maybe_unused]] const auto got = ::read(started[0], &byte, 1);  // 0 at once if the child ended
    ::close(started[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 150000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    // The next run, from another seed: the kept hand's own seed deals it again.
    KeptGame next(folder, 999, standard, standard);
    next.onlyResume = true;
    bool compared = false;
    next.onWait = [&] {
      if (compared || next.keeper->replaying()) return;
      compared = true;
      ++tablesCompared;
      const auto at = seen.find(next.keeper->hand().decisions.size());
      ASSERT_NE(at, seen.end());
      EXPECT_EQ(TableSeen(next.g), at->second) << "round " << round;
    };
    const bool offered = next.Play();
    const SeatPoints points = PointsInFile(folder);
    if (offered) {
      ++resumed;
      EXPECT_EQ(points, expected) << "round " << round << ": the resumed hand ends as the hand played through";
    } else {
      EXPECT_TRUE(points == before || points == expected) << "round " << round;
    }
    fs::remove_all(folder);
  }
  EXPECT_GE(resumed, kKills / 3) << "too few kills fell inside a hand to test resuming";
  EXPECT_GE(tablesCompared, resumed / 2) << "too few resumed hands reached a wait of the person's";
  RecordProperty("resumed", resumed);
  RecordProperty("tablesCompared", tablesCompared);
}

// A take-back plays the hand again to just before the person's last card or bid; the computer
// players decide again as they did, so the same decision again gives the same hand. Expert
// opponents chosen in the middle of a hand ('E') sit down as the next hand begins, so the hand is
// played again by the players it began with.
TEST(HandKeeper, TakingBackACardOrABidReplaysTheSameHand) {
  struct Case {
    char kind;  // a card, a bid, a call of the Standard rules' auction, or Experts chosen
    std::uint64_t seed;
    bool expert;
  };
  for (const Case c : {Case{'C', 3, false}, Case{'C', 8, false}, Case{'B', 11, false}, Case{'B', 17, false},
                       Case{'C', 4, true}, Case{'B', 11, true}, Case{'A', 5, false}, Case{'A', 6, true},
                       Case{'E', 3, false}}) {
    SCOPED_TRACE(std::string(1, c.kind) + std::to_string(c.seed) + (c.expert ? " expert" : ""));
    const fs::path plain = test::FreshFolder(), taken = test::FreshFolder();
    const bool standard = c.kind == 'A', choose = c.kind == 'E';
    KeptGame reference(plain, c.seed, c.expert, standard);
    reference.Play();

    KeptGame game(taken, c.seed, c.expert, standard);
    game.hands = choose ? 2 : 1;
    int takenBack = 0;
    // Straight after the person's decision of the kind, while the others still play.
    game.host.onPause = [&](int) {
      if (takenBack > 0 || game.keeper->hand().decisions.empty()) return;
      const KeptDecision& last = game.keeper->hand().decisions.back();
      // A card that completed its trick cannot be taken back: the next one is.
      if (last.seat != kSouth || last.kind != (choose ? 'C' : c.kind) || !game.keeper->MayTakeBack()) return;
      EXPECT_FALSE(choose && game.experts.Choose(game.g, true)) << "seated in the middle of the hand";
      ASSERT_TRUE(game.keeper->TakeBackChosen());
      ++takenBack;
    };
    game.Play();
    ASSERT_EQ(takenBack, 1) << "the person never made such a decision";
    ASSERT_EQ(game.settled.size(), choose ? 2u : 1u);
    EXPECT_EQ(game.settled.back().levels[kWest], choose || c.expert ? "expert" : "classic");
    HandRecord again = game.settled[0], plainRecord = reference.settled[0];
    EXPECT_EQ(game.takeBacksSeen, 1) << "the hand is marked";
    EXPECT_EQ(reference.takeBacksSeen, 0);
    std::string a, b;
    again.takeBacks = 0;
    AppendTraceLine(again, a);
    AppendTraceLine(plainRecord, b);
    EXPECT_EQ(a, b);
    if (!choose) { EXPECT_EQ(PointsInFile(taken), PointsInFile(plain)); }
    fs::remove_all(plain);
    fs::remove_all(taken);
  }
}

// After a card is taken back another may be played; and there is nothing to take back once the
// trick is complete, before the person has decided anything, or once the bidding is over.
TEST(HandKeeper, ATakenBackCardMayBeChangedAndOnlyAnOpenTrickIsTakenBack) {
  const fs::path folder = test::FreshFolder();
  KeptGame game(folder, 5);
  int first = 0, second = 0, refusedComplete = 0, refusedBidding = 0;
  game.host.onPause = [&](int) {
    const auto& decisions = game.keeper->hand().decisions;
    if (decisions.empty()) {
      EXPECT_FALSE(game.keeper->MayTakeBack());
      return;
    }
    const KeptDecision& last = decisions.back();
    const bool trickComplete = game.g.s.trick[3].card > 0;
    // South's own last decision, whoever decided after it.
    const KeptDecision* own = nullptr;
    for (const KeptDecision& d : decisions)
      if (d.seat == kSouth) own = &d;
    if (own && own->kind == 'C' && trickComplete) refusedComplete += !game.keeper->MayTakeBack();

    if (last.seat == kSouth && last.kind == 'C' && !trickComplete && first == 0) {
      first = last.value;
      game.avoid = first;
      ASSERT_TRUE(game.keeper->TakeBackChosen());
    } else if (last.seat == kSouth && last.kind == 'C' && first != 0 && second == 0) {
      second = last.value;
    }
  };
  // At South's first card of a hand, the bid before it is past taking back.
  game.onWait = [&] {
    const auto& decisions = game.keeper->hand().decisions;
    int own = -1;
    for (std::size_t i = 0; i < decisions.size(); ++i)
      if (decisions[i].seat == kSouth) own = static_cast<int>(i);
    if (own >= 0 && decisions[own].kind == 'B' && game.g.flow.Awaits(Waiting::Card))
      refusedBidding += !game.keeper->MayTakeBack();
  };
  game.Play();
  ASSERT_NE(first, 0);
  EXPECT_EQ(game.settled.back().takeBacks, 1);
  EXPECT_GT(refusedComplete, 0);
  EXPECT_GT(refusedBidding, 0);
  ASSERT_NE(second, 0);
  EXPECT_TRUE(second != first || game.forced) << "the hand went on with another card";
  fs::remove_all(folder);
}

// A hand left by closing the game (its points erased meanwhile) is kept in the history as
// abandoned and offered to resume; resumed, its row with the result takes that row's place, so
// the hand shows once. Declined, the abandoned row stays.
TEST(HandKeeper, AResumedHandIsOneRowOfTheHistory) {
  for (const bool resume : {true, false}) {
    const fs::path folder = test::FreshFolder();
    ASSERT_EQ(WritePointsFile(folder.string(), {5, -1, -2, -2}), "");
    std::vector<HandRecord> rows;
    for (int run = 0; run < 2; ++run) {
      FolderStorage storage(folder.string());
      ScriptedHost host;
      Game g(host, storage, 11 + run);
      SetUpTable(g);
      host.recordSounds = false;
      HandHistory history(g, folder, false);
      HandKeeper keeper(g, folder);
      if (run == 1) host.messageAnswers = {resume ? BoxAnswer::Yes : BoxAnswer::No};
      host.player = [&] {
        if (test::AnswerBidding(g, kSolo)) return;
        if (run == 1 || g.s.tricksPlayed < 2) return CardClicked(g, FirstPlayableSouthCard(g.s));
        ErasePointsChosen(g);
        g.flow.request = Request::Exit;  // the window closes
      };
      // The first hand over, the game ends.
      host.onBox = [&](const ScriptedHost::Box& box) {
        if (box.purpose == BoxPurpose::NewGameOrExit) host.deluxeAnswers.push_back(1);
        if (box.purpose == BoxPurpose::PassedOut) ExitChosen(g);
      };
      if (StartGame(g, &keeper) == Next::StartHands) RunHands(g);
      rows = history.history()->Hands(HandsWanted::All);
      EXPECT_EQ(test::CountBoxes(host, "Unfinished hand"), run);
    }
    ASSERT_EQ(rows.size(), resume ? 1u : 2u) << resume;
    EXPECT_EQ(rows[0].result == "abandoned", !resume);
    EXPECT_NE(rows.back().result, "abandoned");
    EXPECT_GT(rows.back().tricks.size(), resume ? 2u : 0u) << "the resumed hand went on past its second trick";
    fs::remove_all(folder);
  }
}

// A kept hand that is damaged, cut short, from another version or already settled is never
// played on: the first three are set aside with a message, the last dropped quietly, and the
// game starts as usual. One whose computer decisions no longer replay is dropped mid-way, told,
// and a new hand is dealt.
TEST(HandKeeper, AKeptHandThatCannotBeTrustedIsNotResumed) {
  KeptHand sound;
  sound.seed = 7;
  sound.handNumber = 0;
  sound.dealer = 1;
  sound.levels = {"person", "classic", "classic", "classic"};
  const std::string good = KeptHandText(sound);
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  struct Case {
    const char* what;
    std::string text;
    bool told;  // a warning and the file set aside; otherwise dropped quietly
  };
  const Case cases[] = {
      {"not a kept hand", "hello\n", true},
      {"empty", "", true},
      {"another version", replaced("version 1", "version 9"), true},
      {"cut short", good.substr(0, good.size() - 4), true},
      {"a card out of range", replaced("decisions", "decisions C0=53"), true},
      {"a seat out of range", replaced("decisions", "decisions B7=0"), true},
      {"a line out of place", replaced("seed 7\nhand 0", "hand 0\nseed 7"), true},
      {"a dealer out of range", replaced("dealer 1", "dealer 4"), true},
      {"a huge number", replaced("seed 7", "seed 99999999999999999999999"), true},
      {"an unknown level", replaced("person classic", "person wizard"), true},
      {"too large", good + std::string(20000, 'x'), true},
      {"points settled since", replaced("points 0 0 0 0", "points 5 -1 -2 -2"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path folder = test::FreshFolder();
    std::ofstream(folder / kHandInPlayFileName, std::ios::binary) << c.text;
    KeptGame game(folder, 3);
    EXPECT_FALSE(game.Play());
    int warnings = 0;
    for (const auto& box : game.host.boxes) warnings += box.prompt.find("cannot be resumed") != std::string::npos;
    EXPECT_EQ(warnings, c.told ? 1 : 0);
    EXPECT_EQ(fs::exists(folder / (std::string(kHandInPlayFileName) + ".bad")), c.told);
    EXPECT_EQ(game.host.boxes.back().purpose, BoxPurpose::Welcome) << "the game starts as usual";
    fs::remove_all(folder);
  }

  // Sound, but a computer's decision kept differs from what it decides now.
  const fs::path folder = test::FreshFolder();
  KeptHand odd = sound;
  odd.decisions = {{'O', kWest, kAbundanceDeclared}};
  std::ofstream(folder / kHandInPlayFileName, std::ios::binary) << KeptHandText(odd);
  KeptGame game(folder, 3);
  EXPECT_TRUE(game.Play());
  int told = 0;
  for (const auto& box : game.host.boxes) told += box.prompt.find("cannot be played on") != std::string::npos;
  EXPECT_EQ(told, 1);
  EXPECT_FALSE(game.keeper->replaying());
  EXPECT_FALSE(game.settled.empty()) << "a new hand was dealt and played";
  fs::remove_all(folder);
}

// The file's text reads back to the same hand, decisions, claims and all.
TEST(HandKeeper, AKeptHandReadsBackAsWritten) {
  KeptHand h;
  h.seed = 18446744073709551615ull;
  h.handNumber = 41;
  h.dealer = 3;
  h.goulash = true;
  h.takeBacks = 2;
  h.points = {-12, 4, 4, 4};
  h.levels = {"person", "expert", "expert", "classic"};
  h.decisions = {{'O', 1, 0}, {'O', 2, 4}, {'B', 0, 0}, {'T', 0, 6}, {'C', 1, 52}, {'C', 0, 1, true}};
  std::string problem;
  const std::optional<KeptHand> back = ReadKeptHandText(KeptHandText(h), problem);
  ASSERT_TRUE(back) << problem;
  EXPECT_EQ(*back, h);
}

}  // namespace
}  // namespace solo
