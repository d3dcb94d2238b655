#pragma once
// The whole state of a game: the pack (which also says who holds each card), the seats' names
// and points, the hand and trick in progress and the bid records. One object per game, no
// globals. What the table shows (pile places, the answer of a box) lives in the table.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/CardSets.h"
#include "state/Types.h"

namespace solo {

struct Card {
  int Number = 0;
  std::string FullName;
  std::string SuitName;
  int Suit = 0;
  int Value = 0;
  int Owner = 0;
  bool Played = false;
  std::string RankName;
};

template <typename T>
using PerSeat = std::array<T, kSeats>;

// One card of a trick: who played it, and the card (0 or -1 while it is not played yet).
struct Play {
  int seat = 0;
  int card = 0;
};
// A trick is four plays, in playing order from the leader.
using Trick = std::array<Play, 4>;

struct GameState {
  // Pack and players. Pack[0] is unused: a card is known by its number 1-52.
  std::array<Card, kCards + 1> Pack{};
  std::string userName;
  PerSeat<std::string> playerNames{};
  PerSeat<Long> points{};

  // The hand in play.
  int dealer = 0;
  int leader = 0;
  int trumps = 0;
  int newTrumps = 0;
  bool noShuffle = false;  // the next deal is a goulash
  bool goulash = false;    // the hand in play was dealt as a goulash (its hands run long in suits)
  int tricksPlayed = 0;
  PerSeat<int> tricksWon{};

  // The trick in progress: trick[0] is the lead, trick[3] the fourth card.
  Trick trick{};
  int declarersCard = 0;

  // Bidding.
  int declarer = 0;
  int usersBid = 0;
  PerSeat<int> bidPoints{};
  PerSeat<bool> hasBid{}, passed{}, bidSolo{}, bidMisere{}, bidMisereOpen{}, bidAbundanceOpen{},
      bidAbundanceTrumps{}, bidAbundanceDeclared{};
  // What every seat was seen to say in the round (a bid code, or kPass), -1 before it spoke;
  // and the cards each seat has played this hand: what the whole table knows.
  PerSeat<int> spoke{-1, -1, -1, -1};
  PerSeat<std::uint64_t> playedBy{};
  // The cards played this hand in the order they were played (the first `playsMade`), four to
  // a trick from its leader: what the whole table saw.
  std::array<std::uint8_t, kCards> playOrder{};
  int playsMade = 0;
  // The Standard auction's calls so far, each a seat and its call, in order.
  std::vector<std::array<int, 2>> calls;

  // The Standard rules, the second rule set: whether this hand is played by them, its contract
  // (a StandardCall; the bid flags above hold the Classic contract it is played like), the
  // declarer's partner in a Proposal and Acceptance, and the dealer's last card, turned up for
  // trumps. The rules are chosen for each hand as it begins.
  bool standard = false;
  int standardContract = 0;
  int partner = -1;
  int turnedUp = 0;
  PerSeat<int> ledFirst{-1, -1, -1, -1};  // the suit each seat led first in a Standard hand


  // Which cards each seat holds, one bit per card (bit n - 1 for card n), kept in step with
  // every Owner by SetOwner: the card queries answer from it without scanning the pack.
  PerSeat<std::uint64_t> Hand{};
  // The cards in no hand (in the pack, or played), one bit per card, and how many they are,
  // kept in step by SetOwner.
  std::uint64_t Unowned = 0;
  int UnownedCount = 0;
  // The cards played this hand, one bit per card, kept in step with every Played by SetPlayed.
  std::uint64_t PlayedCards = 0;
  // The suits each seat has shown it holds none of (it did not follow them), one bit per suit
  // from Diamonds (bit 0) to Spades: what every player at the table knows. Kept only while a
  // player that reasons about the unseen cards sits at the table (KeepVoids).
  PerSeat<std::uint8_t> Voids{};
  bool KeepVoids = false;
};

// A card in plain words, "Queen of Spades" (the pack's own names keep the program's odd blanks).
std::string CardWords(int card);

// Fills the fixed fields of the 52 cards and puts every card in no hand.
void BuildPack(GameState& s);

constexpr std::uint64_t CardBit(int card) { return std::uint64_t{1} << (card - 1); }
// A suit's thirteen cards are neighbouring bits, Two to Ace, and the suits follow in pack order.
constexpr int SuitShift(int suit) { return (suit - kDiamonds) * kCardsPerSuit; }
constexpr std::uint64_t SuitMask(int suit) { return IsSuit(suit) ? SuitBits(suit - kDiamonds) : 0; }
// A suit code (or a trump code, where no trumps and not set have no suit) as CardSets reads it.
constexpr int SuitPlace(int code) { return IsSuit(code) ? code - kDiamonds : -1; }
// The bit of a suit's card of a value, within the suit's thirteen bits.
constexpr std::uint64_t RankBit(int value) { return std::uint64_t{1} << (value - 2); }

// Every change of a card's place goes through here.
inline void SetOwner(GameState& s, int card, int owner) {
  int& current = s.Pack[card].Owner;
  const std::uint64_t bit = CardBit(card);
  if (current >= 0 && current < kSeats)
    s.Hand[current] &= ~bit;
  else if (current == kOwnerNone)
    s.Unowned &= ~bit, --s.UnownedCount;
  if (owner >= 0 && owner < kSeats)
    s.Hand[owner] |= bit;
  else if (owner == kOwnerNone)
    s.Unowned |= bit, ++s.UnownedCount;
  current = owner;
}

// Every card back in no hand and not played, as at the start of a hand.
inline void GatherAllCards(GameState& s) {
  for (int card = 1; card <= kCards; ++card) {
    s.Pack[card].Owner = kOwnerNone;
    s.Pack[card].Played = false;
  }
  s.Hand = {};
  s.playedBy = {};
  s.playsMade = 0;
  s.spoke = {-1, -1, -1, -1};
  s.calls.clear();
  s.Unowned = (std::uint64_t{1} << kCards) - 1;
  s.UnownedCount = kCards;
  s.PlayedCards = 0;
}

// Every change of a card's Played flag goes through here.
inline void SetPlayed(GameState& s, int card, bool played) {
  s.Pack[card].Played = played;
  if (played)
    s.PlayedCards |= CardBit(card);
  else
    s.PlayedCards &= ~CardBit(card);
}

// The rule step of playing a card: it leaves its hand and is played.
inline void PlayCardStep(GameState& s, int card) {
  SetOwner(s, card, kOwnerNone);
  SetPlayed(s, card, true);
}

}  // namespace solo
