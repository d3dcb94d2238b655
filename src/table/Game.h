#pragma once
// One game: its state, its table, the host it talks through, its random generator and where
// its files live. Every procedure of the game takes the game it works on.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "state/GameState.h"
#include "state/Random.h"
#include "store/Storage.h"
#include "table/Host.h"
#include "table/Presentation.h"
#include "table/SeatPlayer.h"
#include "table/Table.h"

namespace solo {

// Pause lengths in milliseconds, all in one place.
struct Pacing {
  int shuffle = 500;
  int deal = 55;
  int goulash = 100;
  int bidding = 750;
  int cardPlay = 500;
  int gather = 500;
};

// What a menu command or the end of the hand loop asks the window to do next.
enum class Next { Stay, StartHands, Quit };

// A request raised during a hand by New Game, by leaving or by taking back a card or a bid; the
// hand's next pause or wait sees it and abandons the hand (to be played again from its start,
// for a take-back).
enum class Request { None, NewGame, Exit, Restart };

// Where a hand starts from: enough to deal and play the same hand again (its seed and number
// give the deal; the dealer is the one before the hand's, who passes the deal on).
struct HandStart {
  std::uint64_t seed = 0;
  long handNumber = 0;  // hands begun before it
  int dealer = 0;
  bool goulash = false;
  bool standard = false;  // played by the Standard rules
  int takeBacks = 0;  // cards or bids the person has taken back in the hand so far
};

class HandObserver;
struct Auction;

enum class Waiting { Nothing, Bid, Trumps, Card };
inline constexpr int kNoAnswer = -1;

// Where the names and points are kept between runs, and how saving went: whether the points
// file holds the points now, and whether a failure to save each file has been told (a failure
// is told once a run, later ones in the status bar).
struct SavedFiles {
  Storage* storage;
  bool pointsSaved = true;
  bool pointsFailureTold = false, namesFailureTold = false;
};

// The game's random streams and its count of hands: everything a deal draws from.
struct DealSource {
  explicit DealSource(std::uint64_t gameSeed) : seed(gameSeed), rng(gameSeed), deal(gameSeed, 0) {}
  std::uint64_t seed;  // the game's seed, from which every random number of the game comes
  Random rng;          // the first dealer
  DealStream deal;     // the deal of the hand in play, made anew for every hand
  // The cards still in the pack during a deal, in a list the draw can pick from by place; it is
  // made again from the pack whenever it no longer matches it.
  struct PackList {
    std::array<int, kCards> cards{};
    int left = 0;
    std::uint64_t set = 0;
  } packList;
  long handNumber = 0;  // hands begun in this game
  long deals = 0;       // hands dealt in this run, a hand played again from its start counted again
};

// How the hands run: what the game waits for from the person and the answer, and the requests
// (New Game, leaving, a take-back) that abandon the hand in play.
struct HandFlow : Interruption {
  bool loading = false;      // start-up has not finished
  bool handRunning = false;  // the hand loop is running
  Request request = Request::None;
  // A hand to play again from its start before any other: set by a take-back or a resume.
  std::optional<HandStart> restart;
  // Cards or bids taken back in the hand in play (the history marks such hands).
  int takeBacks = 0;
  // The hand in play was resumed from a game that closed during it, which kept it in the history
  // as abandoned: its row, once it ends, takes the place of that one.
  bool resumed = false;

  // What the game waits for from the person, and the answer once it is given: a bid code, a
  // trump button (1-4) or a card number. A handler acts only while its kind of answer is
  // awaited and none has been given, so a wait takes exactly one answer.
  Waiting waiting = Waiting::Nothing;
  int answer = kNoAnswer;
  bool Awaits(Waiting what) const { return waiting == what && answer == kNoAnswer; }
  // Work a handler asks of the hand while it awaits the person (a hint, searched off the window's
  // thread): a handler may not wait, the hand's wait may. Run by the wait before the answer
  // comes, and dropped once it has come.
  std::function<void()> errand;

  // A pause or wait of the running hand ends early once New Game or leaving was chosen.
  bool Interrupted() const final { return handRunning && request != Request::None; }
};

// The person's choices in the Options menu that change how a hand runs (the window keeps them).
struct GameOptions {
  // Play a forced card by itself: the person's only legal card is played for them.
  bool playForcedCard = false;
  // Next hand without asking: a settled hand's result is shown on the table and in the status
  // bar, and the next hand follows after a pause, with no box to answer.
  bool nextHandWithoutAsking = false;
  // Options > Rules: the Standard rules instead of the Classic ones, from the next hand on.
  bool standardRules = false;
};

// One game, made of its parts: the rules' state, the table that shows it, the host it talks
// through, where its files live, what deals are drawn from, how its hands run, and who decides
// for each seat. A procedure that needs only some of the parts is handed only those.
struct Game {
  Game(Host& h, Storage& store, std::uint64_t gameSeed) : host(h), files{&store}, draw(gameSeed) {}

  GameState s;
  Table t;
  Host& host;
  SavedFiles files;
  DealSource draw;
  HandFlow flow;
  Pacing pacing;
  // The person's claim of the rest of the hand has held: their cards are played for them, at
  // four times the pace, until the next hand brings back the pace kept here.
  bool claimed = false;
  Pacing paceBeforeClaim;
  HandObserver* observer = nullptr;
  // Who decides for each seat, and how the hand is shown; set by whoever makes the game.
  PerSeat<SeatPlayer*> players{};
  Presentation* show = nullptr;
  GameOptions options;
  // The auction in progress under the Standard rules (for the hints), or null.
  const Auction* auction = nullptr;
};

}  // namespace solo
