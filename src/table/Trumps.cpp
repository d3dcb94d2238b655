#include "table/Trumps.h"

#include "table/Messages.h"

namespace solo {

namespace {

// First trumps by dealer: South Hearts, West Diamonds, North Clubs, East Spades.
constexpr int kFirstTrumps[kSeats] = {kHearts, kDiamonds, kClubs, kSpades};

}  // namespace

const char* SuitTitle(int suit) {
  switch (suit) {
    case kHearts: return "Hearts are trumps.";
    case kDiamonds: return "Diamonds are trumps.";
    case kClubs: return "Clubs are trumps.";
    case kSpades: return "Spades are trumps.";
    default: return "There are no trumps - NT.";
  }
}

const char* SuitWords(int suit) {
  switch (suit) {
    case kHearts: return "Hearts";
    case kDiamonds: return "Diamonds";
    case kClubs: return "Clubs";
    case kSpades: return "Spades";
    default: return "No Trumps - NT";
  }
}

int TrumpSign(int trumps) {
  switch (trumps) {
    case kHearts: return kSignHearts;
    case kClubs: return kSignClubs;
    case kDiamonds: return kSignDiamonds;
    case kSpades: return kSignSpades;
    case kNoTrumps: return kSignNoTrumps;
    default: return 0;
  }
}

void ShowTrumps(Table& t, int suit, bool onBidPanel) {
  t.trumpsCaptionVisible = true;
  t.trumpsSign = TrumpSign(suit);
  t.trumpsSignVisible = true;
  if (onBidPanel) t.bidPanelTrumpsSign = TrumpSign(suit);
}

int DealersTrumps(int dealer) { return kFirstTrumps[dealer >= 0 && dealer < kSeats ? dealer : 0]; }

void DecideTrumps(Game& g) {
  const int suit = DealersTrumps(g.s.dealer);
  g.s.trumps = suit;
  g.show->TrumpsShown(g, suit, true);
}

void AnnounceTrumps(Game& g, int suit) {
  if (suit < kDiamonds || suit > kNoTrumps) return;
  g.s.trumps = suit;
  g.show->TrumpsShown(g, suit, false);
  // The prompt has two blanks between "are" and "now", whatever the contract.
  DeluxeMsgBox(g.host, BoxPurpose::TrumpsChanged,
               {"Due to a Misere or Abundance Open being bid trumps are  now changed to ", SuitWords(suit), "."},
               "O.K", "", "", 2, SuitTitle(suit));
}

}  // namespace solo
