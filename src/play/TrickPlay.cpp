#include "play/TrickPlay.h"

#include <bit>
#include <charconv>
#include <vector>

#include "bidding/Auction.h"
#include "bidding/Settlement.h"
#include "play/CardQueries.h"
#include "play/Claim.h"
#include "play/TrickRules.h"
#include "table/CardMovement.h"
#include "table/HandObserver.h"
#include "table/Messages.h"
#include "table/Pacing.h"

namespace solo {

namespace {

// What a seat that has no card to give says, by the rules it plays by and its position.
const char* NotFound(bool lose, int position) {
  static const char* const kTexts[2][4] = {
      {"error here card not found strategy first card", "error here card not found strategy second card",
       "error here card not found strategy third", "error here card not found strategy fourth card"},
      {"error here card not found firstcardlose", "error here card not found strategysecondcard win",
       "error here card not found strategythirdcardlose", "error here card not found strategy third card lost"}};
  return kTexts[lose ? 1 : 0][position - 1];
}

// The Standard rules ask their own card of each seat (a partnership plays as partners).
template <bool kStandard>
void PlayRound(Game& g, int leader, bool lose) {
  GameState& s = g.s;
  s.trick[0].card = s.trick[1].card = s.trick[2].card = s.trick[3].card = -1;
  if (leader < 0 || leader >= kSeats) return;
  s.trick[0].seat = leader;
  s.trick[1].seat = NextSeat(leader);
  s.trick[2].seat = NextSeat(s.trick[1].seat);
  s.trick[3].seat = NextSeat(s.trick[2].seat);
  const int seats[4] = {s.trick[0].seat, s.trick[1].seat, s.trick[2].seat, s.trick[3].seat};
  for (int position = 1; position <= 4; ++position) {
    const int seat = seats[position - 1];
    g.show->TurnShown(g, seat);
    // A claim of South's that holds is played out by South's whole side: the computer seats on it
    // play the cards that keep it (their own rules could give away a trick the claim denied).
    int card = 0;
    if (g.claimed && seat != kSouth && OnSouthsSide(s, seat)) {
      Solver solver;
      card = CardKeepingClaim(s, solver);
    }
    if (card == 0)
      card = kStandard ? g.players[seat]->StandardCard(g, seat, position, lose)
                       : g.players[seat]->Card(g, seat, position, lose);
    if (card < 1 || card > kCards) {
      Tell(g.host, NotFound(lose, position));
      continue;
    }
    TrickCard(s, position) = card;
    // A seat that does not follow has shown it holds none of the suit led: the players who
    // reason about the unseen cards know it from that card on, not only once the trick is over.
    if (s.KeepVoids) RecordVoids(s);
    PlayEm(g, seat, position);
  }
}

}  // namespace

bool PlayingToLose(const GameState& s) {
  if (s.standard) return StandardContractOf(s.standardContract).toLose;
  for (int seat = 0; seat < kSeats; ++seat)
    if (s.bidMisere[seat]) return true;
  return s.bidMisereOpen[kSouth];
}

void PlayRoundLose(Game& g, int leader) { PlayRound<false>(g, leader, true); }
void PlayRoundWin(Game& g, int leader) { PlayRound<false>(g, leader, false); }
void PlayStandardRound(Game& g, int leader, bool lose) { PlayRound<true>(g, leader, lose); }

void ShowTrickWon(Table& t, const GameState& s, int winner) {
  t.playedList.Add(winner == kSouth ? s.userName : s.playerNames[winner], " won the trick.");
  t.playedList.Add("========================");
}

int UsersPosition(int leader) {
  switch (leader) {
    case kSouth: return 1;
    case kEast: return 2;
    case kNorth: return 3;
    default: return 4;
  }
}

void CardClicked(Game& g, int index) {
  GameState& s = g.s;
  if (index < 1 || index > kCards) return;
  if (s.Pack[index].Owner != kSouth || !g.flow.Awaits(Waiting::Card)) return;
  if (!(LegalCards(s, kSouth, UsersPosition(s.leader)) & CardBit(index))) {
    SetText(g.t.status.prompt, {s.userName, " sorry, you must follow suit. Please try again"});
    return;
  }
  g.flow.answer = index;
}

namespace {

// The complete trick's winner found, counted and announced, and the trick carried to its pile.
inline int CollectTrick(Game& g) {
  const int w = ResolveTrick(g.s);
  g.show->TrickWonShown(g, w);
  if (g.observer) g.observer->TrickWon(g, w);
  JustMoveCardsOut(g, w);
  return w;
}

}  // namespace

TrickResult CheckWinnerOfTrick(Game& g) {
  GameState& s = g.s;
  CollectTrick(g);
  Settled settled = EndOfHand(g, s.declarer);
  if (settled == Settled::No && s.tricksPlayed == 13) {
    settled = EndOfHand(g, s.declarer);
    // Every contract is decided by the thirteenth trick; no further trick is played anyway.
    if (settled == Settled::No) return TrickResult::NewRound;
  }
  switch (settled) {
    case Settled::No: return TrickResult::NextTrick;
    case Settled::NewRound: return TrickResult::NewRound;
    default: return TrickResult::ExitGame;
  }
}

TrickResult PlayStandardTricks(Game& g, const StandardDeal& deal) {
  GameState& s = g.s;
  const bool lose = PlayingToLose(s);
  for (;;) {
    const int leader = s.leader;
    PlayStandardRound(g, leader, lose);
    if (s.ledFirst[leader] < 0 && s.trick[0].card > 0) s.ledFirst[leader] = s.Pack[s.trick[0].card].Suit;
    CollectTrick(g);
    // Once the first trick is over the turned-up card is turned down, and a Misere Ouverte's
    // declarer lays the hand face up.
    if (s.tricksPlayed == 1) g.show->TurnedUpShown(g);
    if (deal.contract == kMisereOuverte && s.tricksPlayed == 1) g.show->HandExposed(g, deal.declarer);
    const Settled settled = SettleStandard(g, deal);
    if (settled == Settled::NewRound || (settled == Settled::No && s.tricksPlayed == kTricksInHand))
      return TrickResult::NewRound;
    if (settled == Settled::ExitGame) return TrickResult::ExitGame;
  }
}

TrickResult PlayTricks(Game& g) {
  for (;;) {
    if (PlayingToLose(g.s))
      PlayRoundLose(g, g.s.leader);
    else
      PlayRoundWin(g, g.s.leader);
    const TrickResult result = CheckWinnerOfTrick(g);
    if (result != TrickResult::NextTrick) return result;
  }
}

int NextSouthCard(const GameState& s, int current, int step) {
  std::vector<int> hand;
  for (int card = 1; card <= kCards; ++card)
    if (s.Pack[card].Owner == kSouth) hand.push_back(card);
  if (hand.empty()) return 0;
  const long size = static_cast<long>(hand.size());
  for (long i = 0; i < size; ++i)
    if (hand[i] == current) return hand[((i + step) % size + size) % size];
  return step < 0 ? hand.back() : hand.front();
}

int FirstPlayableSouthCard(const GameState& s) {
  const std::uint64_t legal = LegalCards(s, kSouth, UsersPosition(s.trick[0].seat));
  return legal ? std::countr_zero(legal) + 1 : 0;
}

}  // namespace solo
