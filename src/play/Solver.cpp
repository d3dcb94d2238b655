#include "play/Solver.h"

#include <algorithm>
#include <bit>

namespace solo {

namespace {

// A card's suit, and a suit's cards, for what the solver holds: cards in play and suits 0-3,
// never "no card" or "no trumps" (the general forms check for those, at every position).
constexpr int SuitOf(int card) { return static_cast<int>(static_cast<unsigned>(card) / kCardsPerSuit); }
constexpr std::uint64_t SuitCards(int suit) { return kSuitBits << (suit * kCardsPerSuit); }
// Whether the declaring side (`side`, a bit for each declaring seat) is one seat, not a pair.
constexpr bool DeclarerAlone(int side) { return (side & (side - 1)) == 0; }
// The seat of a declarer alone (`side` holding one seat).
constexpr int LoneDeclarer(int side) { return std::countr_zero(static_cast<unsigned>(side)); }

// What the table remembers, and how it finds it again. A position's outcome seldom depends on
// every card: often only the top few cards of each suit decide, and the low cards could lie in
// any hand as long as each hand holds as many of each suit. So a fact is stored with the shape
// of its position (the seat to lead, the goal, the sides, the trumps and every hand's length in
// every suit), the owners of each suit's cards in play from the top, and how many of those top
// cards it depends on; any position of the same shape whose top cards lie the same way shares it.
constexpr int kBucketBits = 11;  // buckets of positions of one shape (or colliding shapes)
constexpr int kBucketSize = 192;
static_assert(kBucketSize <= 255, "a bucket counts its places filled in a byte");

// A position's shape and the owners of its cards: `owners[suit]` has two bits a card in play,
// the lowest card at the bottom, so that the top cards of two positions of one shape line up.
struct Layout {
  std::uint64_t shape = 0;
  std::array<std::uint32_t, 4> owners{};
  std::array<int, 4> counts{};  // the suit's cards in play
};

// `side` holds the declaring seats; a declarer alone keys as its seat, a pair apart from every seat.
Layout LayoutOf(const std::array<std::uint64_t, 4>& hands, int leader, int toLose, int side, int trumps) {
  Layout layout;
  const std::uint64_t inPlay = hands[0] | hands[1] | hands[2] | hands[3];
  // A card's owner in two bits: the low one set for seats 1 and 3, the high one for 2 and 3.
  const std::uint64_t lowBit = hands[1] | hands[3], highBit = hands[2] | hands[3];
  std::uint64_t lengths = 0;
  for (int suit = 0; suit < 4; ++suit) {
    int place = 0;
    std::uint32_t owners = 0;
    for (std::uint64_t rest = inPlay & SuitCards(suit); rest; rest &= rest - 1, ++place) {
      const std::uint64_t card = rest & (0 - rest);
      const int owner = ((lowBit & card) ? 1 : 0) | ((highBit & card) ? 2 : 0);
      owners |= static_cast<std::uint32_t>(owner) << (2 * place);
      lengths += std::uint64_t{1} << (4 * (suit * 4 + owner));  // a hand's length in the suit
    }
    layout.owners[suit] = owners;
    layout.counts[suit] = place;
  }
  const bool alone = DeclarerAlone(side);
  const int declarer = alone ? LoneDeclarer(side) : 0;
  const std::uint64_t header = (static_cast<std::uint64_t>(((trumps + 1) * 4 + declarer) * 8 + leader * 2 + toLose) + 1) |
                               (alone ? 0 : static_cast<std::uint64_t>(side) << 40);
  layout.shape = Mix64(Mix64(header) ^ lengths);
  return layout;
}

// The bits of a suit's owners (`Layout::owners`) that its top `depth` cards of `count` take.
constexpr std::uint32_t TopOwners(int depth, int count) {
  return ((std::uint32_t{1} << (2 * depth)) - 1) << (2 * (count - depth));
}

// How many of a suit's top cards a fact depends on, from its depths (four bits a suit).
constexpr int DepthOf(std::uint16_t depths, int suit) { return depths >> (4 * suit) & 15; }

// The top cards in play of each suit, as many as `depths` says.
std::uint64_t TopCards(std::uint64_t inPlay, std::uint16_t depths) {
  std::uint64_t cards = 0;
  for (int suit = 0; suit < 4; ++suit) {
    std::uint64_t rest = inPlay & SuitCards(suit);
    for (int i = DepthOf(depths, suit); i > 0; --i) {
      const std::uint64_t card = TopOf(rest);
      cards |= card;
      rest &= ~card;
    }
  }
  return cards;
}

// The cards worth trying: one of each run of cards the seat holds that no other card still in
// play separates (playing any of a run comes to the same), the highest of each run.
std::uint64_t DistinctMoves(std::uint64_t moves, std::uint64_t inPlay) {
  std::uint64_t keep = 0;
  for (std::uint64_t rest = moves; rest; rest &= rest - 1) {
    const int card = std::countr_zero(rest);
    const std::uint64_t above = inPlay & SuitCards(SuitOf(card)) & ~((std::uint64_t{2} << card) - 1);
    // The next card up in play is the seat's own: this one is the same as that one.
    if (above && (moves & (above & (0 - above)))) continue;
    keep |= std::uint64_t{1} << card;
  }
  return keep;
}

// Whether seats `a` and `b` play on one side (`side` holds the declaring seats, one bit each).
constexpr bool SameSide(int side, int a, int b) { return (side >> a & 1) == (side >> b & 1); }

// The lowest card of the run `card` heads in `hand`: the cards of its suit below it that no other
// card still in play separates from it.
std::uint64_t RunBottom(int card, std::uint64_t hand, std::uint64_t inPlay) {
  std::uint64_t bottom = std::uint64_t{1} << card;
  for (std::uint64_t below = inPlay & SuitCards(SuitOf(card)) & (bottom - 1); below & hand & TopOf(below);
       below &= ~bottom)
    bottom = TopOf(below);
  return bottom;
}

// The `n`th highest of `cards` (n >= 1, at most as many as there are).
std::uint64_t NthHighest(std::uint64_t cards, int n) {
  for (; n > 1; --n) cards &= ~TopOf(cards);
  return TopOf(cards);
}

// Tricks the side on lead is sure to take by leading its top cards at once: in each suit the
// run of highest cards still in play that the leader holds. With trumps, once the leader's top
// trumps have drawn every opponent's, each trump it holds and each run is a trick. Otherwise the
// run of every side suit counts only as far as each opponent able to ruff must still follow it
// (so no such opponent ruffs, or throws away a card of another suit, while the runs are led),
// and then the leader's sure trumps (`sure`, below) win tricks of their own. The leader's
// partners are no threat: a partner's ruff still wins the trick for the side.
// The count stops once it reaches `enough` (the tricks that settle the position), and `relied`
// gets the cards it depends on besides the hands' lengths (the position's shape).
int QuickTricks(const std::array<std::uint64_t, 4>& hands, int leader, int trumps, int side, std::uint64_t sure,
                int enough, std::uint64_t& relied) {
  const std::uint64_t inPlay = hands[0] | hands[1] | hands[2] | hands[3];
  std::array<int, 4> run{};
  std::array<std::uint64_t, 4> runCards{};
  for (int suit = 0; suit < 4; ++suit) {
    for (std::uint64_t cards = inPlay & SuitCards(suit); cards;) {
      const std::uint64_t top = TopOf(cards);
      if (!(hands[leader] & top)) break;
      ++run[suit];
      runCards[suit] |= top;
      cards &= ~top;
    }
  }
  // With trumps drawn, every trump the leader holds is a trick, and the count relies on the top
  // trumps that draw them. Otherwise the sure trumps come last, only as many as are needed.
  bool drawn = trumps < 0;
  std::array<int, 4> tricks = run;
  if (trumps >= 0) {
    const std::uint64_t trumpCards = SuitCards(trumps);
    int opponentTrumps = 0;
    for (int seat = 0; seat < 4; ++seat)
      if (!SameSide(side, seat, leader))
        opponentTrumps = std::max(opponentTrumps, CountCards(hands[seat] & trumpCards));
    drawn = run[trumps] >= opponentTrumps;
    tricks[trumps] = 0;
    if (!drawn)
      for (int seat = 0; seat < 4; ++seat)
        if (!SameSide(side, seat, leader) && (hands[seat] & trumpCards))
          for (int suit = 0; suit < 4; ++suit)
            if (suit != trumps) tricks[suit] = std::min(tricks[suit], CountCards(hands[seat] & SuitCards(suit)));
  }
  int total = trumps >= 0 && drawn ? CountCards(hands[leader] & SuitCards(trumps)) : 0;
  relied = trumps >= 0 && drawn ? runCards[trumps] : 0;
  // Short of `enough`, nothing is settled and nothing relied on.
  const int all = total + tricks[0] + tricks[1] + tricks[2] + tricks[3] + (drawn ? 0 : CountCards(sure));
  if (all < enough) return all;
  // The count settles the position with as few suits' top cards as it can, taking the longest
  // runs first: the fact learnt then holds wherever those alone lie the same.
  for (std::uint32_t used = 0; total < enough;) {
    int best = -1;
    for (int suit = 0; suit < 4; ++suit)
      if (!(used >> suit & 1) && tricks[suit] > 0 && (best < 0 || tricks[suit] > tricks[best])) best = suit;
    if (best < 0) break;
    used |= 1u << best;
    total += tricks[best];
    relied |= runCards[best];
  }
  if (!drawn && total < enough && sure) {
    const int wanted = std::min(enough - total, CountCards(sure));
    total += wanted;
    relied |= NthHighest(sure, wanted);
  }
  return total;
}

// Trumps sure to take tricks whoever leads. A trump wins the trick it falls in unless a higher
// trump falls in it too, and each higher trump of another seat can beat only one of a seat's
// trumps (a seat plays one card a trick): so a seat's trumps win at least as many tricks as are
// left over when every higher trump elsewhere is matched to one of them. Every card is played by
// the end, and one seat's winning trumps win different tricks. Whether a trump is sure depends
// only on the trumps above it.
std::array<std::uint64_t, 4> SureTrumps(const std::array<std::uint64_t, 4>& hands, int trumps) {
  std::array<std::uint64_t, 4> sure{};
  // One pass down the trumps in play, for every seat at once: each card is beaten by one of
  // the higher trumps of other seats not yet matched, or wins.
  std::array<int, 4> beaters{};
  for (std::uint64_t cards = (hands[0] | hands[1] | hands[2] | hands[3]) & SuitCards(trumps); cards;) {
    const std::uint64_t top = TopOf(cards);
    cards &= ~top;
    for (int seat = 0; seat < 4; ++seat) {
      if (!(hands[seat] & top)) ++beaters[seat];
      else if (beaters[seat] > 0) --beaters[seat];
      else sure[seat] |= top;
    }
  }
  return sure;
}

// Whether a declarer out to lose every trick is sure to: every card it holds lies below every
// opponent's card of its suit. Then an opponent's lead of such a suit beats its card, it throws
// a card away on any other (holding no trump, it never ruffs), so it never wins a trick and never
// leads; on lead itself, it leads a suit an opponent must follow, higher. `relied` gets the cards
// of the suits it holds, whose every owner the answer depends on.
bool DucksEveryTrick(const std::array<std::uint64_t, 4>& hands, int declarer, int leader, int trumps,
                     std::uint64_t& relied) {
  const std::uint64_t own = hands[declarer];
  if (trumps >= 0 && (own & SuitCards(trumps))) return false;
  const std::uint64_t others = (hands[0] | hands[1] | hands[2] | hands[3]) & ~own;
  bool followed = false;  // a suit it holds that an opponent holds too
  std::uint64_t cards = 0;
  for (int suit = 0; suit < 4; ++suit) {
    const std::uint64_t mine = own & SuitCards(suit), theirs = others & SuitCards(suit);
    if (!mine) continue;
    if (theirs && TopOf(mine) > (theirs & (0 - theirs))) return false;
    followed |= theirs != 0;
    cards |= mine | theirs;
  }
  if (leader == declarer && !followed) return false;
  relied = cards;
  return true;
}

// What makes a lead promising beyond its rank: the top card in play of its suit (a sure trick
// unless an opponent ruffs), a suit whose top card a partner holds or that a partner can ruff,
// where no opponent can ruff, and, led into a suit an opponent can ruff, a likely loss. A
// defender's top card is no better than its rank unless the defenders hold the suit's next card
// too: cashing it sets up the declarer's next card, or spends a trick the defence can take
// later, where a lead into a partner's suit more often beats the contract. (Measured: giving the
// bonus back where the top card is the suit's last in play does not pay.)
int LeadBonus(const std::array<std::uint64_t, 4>& hands, std::uint64_t inPlay, int card, int seat, int side,
              int trumps) {
  const int suit = SuitOf(card);
  const std::uint64_t topCard = TopOf(inPlay & SuitCards(suit));
  const std::uint64_t nextCard = TopOf(inPlay & SuitCards(suit) & ~topCard);
  const bool top = (std::uint64_t{1} << card) == topCard;
  // Who could ruff the lead (void in its suit, holding trumps), whether a partner holds the
  // suit's top card (a fellow defender, say: the lead reaches it), and whether the side holds
  // the next card.
  bool ruffed = false, partnerRuffs = false, toPartner = false, sideHoldsNext = (hands[seat] & nextCard) != 0;
  for (int other = 0; other < 4; ++other) {
    if (other == seat) continue;
    const bool ruffs =
        trumps >= 0 && suit != trumps && !(hands[other] & SuitCards(suit)) && (hands[other] & SuitCards(trumps));
    if (!SameSide(side, other, seat)) {
      ruffed = ruffed || ruffs;
    } else {
      partnerRuffs = partnerRuffs || ruffs;
      toPartner = toPartner || (hands[other] & topCard);
      sideHoldsNext = sideHoldsNext || (hands[other] & nextCard);
    }
  }
  const bool declaring = side >> seat & 1;
  const bool cashes = top && !ruffed && (declaring || sideHoldsNext);
  // A defender's trump lead seldom beats a contract: the declaring side holds the long trumps,
  // and the lead draws the defenders' own, which could ruff. A declarer alone, longer in trumps
  // than every defender holding some, leads them early (after the top cards it can cash) to draw
  // them before they ruff its other cards. (Measured: a pair's trump lead gains nothing by it.)
  int trumpLead = 0;
  if (suit == trumps && !declaring) {
    trumpLead = -20;
  } else if (suit == trumps && DeclarerAlone(side)) {
    int longest = 0;
    for (int other = 0; other < 4; ++other)
      if (other != seat) longest = std::max(longest, CountCards(hands[other] & SuitCards(trumps)));
    if (longest > 0 && CountCards(hands[seat] & SuitCards(trumps)) > longest) trumpLead = 10;
  }
  return trumpLead + (cashes ? 30 : 0) - (ruffed ? 30 : 0) + (!ruffed && (toPartner || partnerRuffs) ? 20 : 0);
}

// The cards `hand` may play in a trick led in suit `led` that beat `card`: higher cards of the
// led suit, or, void in it, trumps.
std::uint64_t CardsBeating(std::uint64_t hand, int card, int led, int trumps) {
  const std::uint64_t follow = hand & SuitCards(led);
  const std::uint64_t playable = follow ? follow : (trumps >= 0 ? hand & SuitCards(trumps) : 0);
  std::uint64_t beating = 0;
  for (std::uint64_t rest = playable; rest; rest &= rest - 1)
    if (Beats(std::countr_zero(rest), card, trumps)) beating |= rest & (0 - rest);
  return beating;
}

// Whether an opponent still to play in this trick can beat `card`.
bool HeldAbove(const std::array<std::uint64_t, 4>& hands, int card, int firstCard, int played, int leader, int seat,
               int side, int trumps) {
  for (int later = played + 1; later < 4; ++later) {
    const int other = (leader + later) % 4;
    if (!SameSide(side, other, seat) && CardsBeating(hands[other], card, SuitOf(firstCard), trumps)) return true;
  }
  return false;
}

// Whether a partner still to play can beat `top`, the card winning the trick, with a card no
// opponent after it can beat.
bool PartnerCovers(const std::array<std::uint64_t, 4>& hands, int top, int firstCard, int played, int leader, int seat,
                   int side, int trumps) {
  for (int later = played + 1; later < 4; ++later) {
    const int other = (leader + later) % 4;
    if (!SameSide(side, other, seat)) continue;
    for (std::uint64_t rest = CardsBeating(hands[other], top, SuitOf(firstCard), trumps); rest; rest &= rest - 1)
      if (!HeldAbove(hands, std::countr_zero(rest), firstCard, later, leader, other, side, trumps)) return true;
  }
  return false;
}

// The order to try the moves in, best guesses first, so the search can stop early. To take
// tricks: lead high cards (by rank, whatever the suit), into a partner's top card, or into a
// suit a partner can ruff and no opponent can. When following, let a partner's winning card
// stand with a low card, unless an opponent still to play can beat it and this seat can make the
// trick safe; beat the card winning so far as cheaply as possible, first where no opponent still
// to play can beat the card, then where one can (it must spend a higher card), and only then play
// low; but against a declarer alone play low first where a partner still to play can win the
// trick (the high card kept for a later trick); throw away a low card of a suit that holds no
// trick. To lose tricks (the declarer of a Misere): duck under the winning card with the highest
// card that does not win.
int OrderMoves(const std::array<std::uint64_t, 4>& hands, std::uint64_t inPlay, std::uint64_t moves,
               const std::array<int, 4>& trick, int played, int leader, int seat, int side, int trumps, bool toLose,
               std::array<int, 13>& order) {
  int count = 0;
  for (std::uint64_t rest = moves; rest; rest &= rest - 1) order[count++] = std::countr_zero(rest);
  const auto rank = [](int card) { return card % kCardsPerSuit; };
  std::array<int, 13> score{};
  const bool declaring = side >> seat & 1;
  // The card winning the trick so far, whether its seat is on this seat's side (it cannot be this
  // seat, still to play), and whether an opponent still to play can beat it then.
  const int winner = played > 0 ? WinningPlace(trick, played, trumps) : -1;
  const int top = played > 0 ? trick[winner] : -1;
  const bool partnerWinning = played > 0 && SameSide(side, (leader + winner) % 4, seat);
  const bool partnerBeatable =
      partnerWinning && !toLose && HeldAbove(hands, top, trick[0], played, leader, seat, side, trumps);
  // Only against a declarer alone: against a pair, playing low first searched more positions.
  const bool covered = played > 0 && !partnerWinning && !toLose && DeclarerAlone(side) &&
                       PartnerCovers(hands, top, trick[0], played, leader, seat, side, trumps);
  for (int i = 0; i < count; ++i) {
    const int card = order[i];
    if (played == 0) {
      score[i] = toLose ? -rank(card) : rank(card) + LeadBonus(hands, inPlay, card, seat, side, trumps);
      continue;
    }
    const bool beats = Beats(card, top, trumps);
    if (toLose) {
      // The declarer ducks as high as it can; a defender plays low.
      score[i] = declaring ? (beats ? -20 - rank(card) : rank(card)) : -rank(card);
    } else if (partnerBeatable && beats && !HeldAbove(hands, card, trick[0], played, leader, seat, side, trumps)) {
      score[i] = 40 - rank(card);  // the partner's card would be beaten: make the trick safe
    } else if (partnerWinning || !beats) {
      score[i] = -rank(card);  // nothing to gain: the lowest card
      // Thrown away off the led suit: not from a suit whose top card it holds (a trick to
      // come), nor a trump.
      const int suit = SuitOf(card);
      if (suit != SuitOf(trick[0])) {
        if (hands[seat] & TopOf(inPlay & SuitCards(suit))) score[i] -= 20;
        if (suit == trumps) score[i] -= 20;
      }
    } else if (HeldAbove(hands, card, trick[0], played, leader, seat, side, trumps)) {
      // An opponent still to play can beat it: still the cheapest such card before the low ones,
      // as it makes the opponent spend a higher card to win.
      score[i] = 20 - rank(card);
    } else {
      // The cheapest winning card first, or, where a partner can win instead, after the low cards.
      score[i] = covered ? -20 - rank(card) : 40 - rank(card);
    }
  }
  for (int i = 1; i < count; ++i)
    for (int j = i; j > 0 && score[j] > score[j - 1]; --j) {
      std::swap(score[j], score[j - 1]);
      std::swap(order[j], order[j - 1]);
    }
  return count;
}

}  // namespace

Solver::Solver()
    : tags_(std::size_t{kBucketSize} << kBucketBits), table_(tags_.size()), filled_(std::size_t{1} << kBucketBits) {}

void Solver::Forget() {
  forgotAt_ = nodes_;
  std::fill(filled_.begin(), filled_.end(), 0);
}

bool Solver::Search(std::array<std::uint64_t, 4>& hands, int leader, int played, std::array<int, 4>& trick, int toLose,
                    int need, int side, int trumps, std::uint64_t& relevant) {
  relevant = 0;
  if (++nodes_ > stopAt_ && limit_ > 0) aborted_ = true;
  if ((nodes_ & 1023) == 0 && stop_ && stop_->load(std::memory_order_relaxed)) aborted_ = true;
  if (aborted_) return false;
  // The goal as a number of further tricks: the declarer reaches it with at least `wanted`
  // (to take tricks), or, to lose, with fewer than one.
  const int wanted = toLose ? 1 : need;
  Entry* bucket = nullptr;
  // The bucket's tags (a few bits of each entry's shape), apart so that a search reads few.
  std::uint16_t* tags = nullptr;
  std::uint8_t* filled = nullptr;
  std::uint16_t tag = 0;
  Layout layout;
  int hint = -1;  // the lead that last settled a position of the same shape
  const std::uint64_t held = hands[0] | hands[1] | hands[2] | hands[3];
  if (played == 0) {
    const int tricksLeft = CountCards(held) / 4;
    if (toLose) {
      if (tricksLeft == 0) return true;
      if (DeclarerAlone(side) && DucksEveryTrick(hands, LoneDeclarer(side), leader, trumps, relevant))
        return true;
    } else {
      if (need <= 0) return true;
      if (need > tricksLeft) return false;
      std::array<std::uint64_t, 4> sure{};
      if (trumps >= 0) sure = SureTrumps(hands, trumps);
      std::uint64_t relied = 0;
      const bool leaderDeclares = side >> leader & 1;
      const int quick = QuickTricks(hands, leader, trumps, side, sure[leader],
                                    leaderDeclares ? need : tricksLeft - need + 1, relied);
      if (leaderDeclares ? quick >= need : need > tricksLeft - quick) {
        relevant = relied;
        return leaderDeclares;
      }
      // Each side's sure trumps win tricks of their own, however many seats hold them. The
      // answer depends on the trumps down to the last sure one it needs (each is sure by the
      // trumps above it).
      std::uint64_t declaring = 0, defending = 0;
      for (int seat = 0; seat < 4; ++seat) (side >> seat & 1 ? declaring : defending) |= sure[seat];
      if (CountCards(declaring) >= need) {
        relevant = NthHighest(declaring, need);
        return true;
      }
      if (CountCards(defending) > tricksLeft - need) {
        relevant = NthHighest(defending, tricksLeft - need + 1);
        return false;
      }
      // A declarer alone, holding trumps where no opponent holds any, takes the quick tricks it
      // would take on lead (every trump, and every card above all the opponents' of its suit)
      // whoever leads: void in the suit led it ruffs, holding such a card it plays it, and either
      // way it then leads them all out; holding neither it follows low and loses none of them.
      if (!leaderDeclares && DeclarerAlone(side) && trumps >= 0) {
        const int declarer = LoneDeclarer(side);
        if ((hands[declarer] & SuitCards(trumps)) && !(held & ~hands[declarer] & SuitCards(trumps)) &&
            QuickTricks(hands, declarer, trumps, side, sure[declarer], need, relied) >= need) {
          // Where the trumps lie is the position's shape: all of them the declarer's.
          relevant = relied & ~SuitCards(trumps);
          return true;
        }
      }
    }
    layout = LayoutOf(hands, leader, toLose, side, trumps);
    const std::size_t index = (layout.shape >> 1) & ((std::size_t{1} << kBucketBits) - 1);
    bucket = &table_[index * kBucketSize];
    tags = &tags_[index * kBucketSize];
    filled = &filled_[index];
    tag = static_cast<std::uint16_t>(layout.shape >> 48);
    for (int i = 0; i < *filled; ++i) {
      if (tags[i] != tag) continue;
      const Entry& e = bucket[i];
      if (e.shape != layout.shape) continue;
      // It settles the position if it bounds the tricks wanted and its top cards lie the same.
      bool settles = e.atLeast ? e.tricks >= wanted : e.tricks < wanted;
      for (int suit = 0; suit < 4 && settles; ++suit)
        settles = (layout.owners[suit] & TopOwners(DepthOf(e.depths, suit), layout.counts[suit])) == e.owners[suit];
      if (settles) {
        relevant = TopCards(held, e.depths);
        return e.atLeast != (toLose != 0);
      }
      if (e.lead >= 0) hint = e.lead;
    }
  }

  const int seat = (leader + played) % 4;
  const int led = played ? SuitOf(trick[0]) : -1;
  std::uint64_t inPlay = held;
  for (int i = 0; i < played; ++i) inPlay |= std::uint64_t{1} << trick[i];
  const std::uint64_t moves = DistinctMoves(Playable(hands[seat], led), inPlay);
  const bool declaring = side >> seat & 1;
  std::array<int, 13> order{};
  const int count = OrderMoves(hands, inPlay, moves, trick, played, leader, seat, side, trumps, toLose, order);
  if (hint >= 0) {
    // The card at the hint's place, if this seat holds it: the move standing for its run first.
    const std::uint64_t card = NthHighest(held & SuitCards(hint >> 4), (hint & 15) + 1);
    if (card & hands[seat])
      for (int m = 0; m < count; ++m)
        if (card <= (std::uint64_t{1} << order[m]) && card >= RunBottom(order[m], hands[seat], inPlay)) {
          std::rotate(order.begin(), order.begin() + m, order.begin() + m + 1);
          break;
        }
  }

  // The cards the answer depends on: those of the move that settled it, or of every move.
  bool result = !declaring;
  int settledBy = -1;
  std::uint64_t everyMove = 0;
  // Per suit, the cards that come to the same as one that has failed. A failed card's answer
  // depends only on the owners of its suit's cards from the lowest relevant one up (or on none of
  // them); where the card lies below those, any other card of the suit below them plays as it
  // did, and fails for the same reason.
  std::array<std::uint64_t, 4> failsBelow{};
  for (int m = 0; m < count; ++m) {
    const int card = order[m];
    if ((std::uint64_t{1} << card) < failsBelow[SuitOf(card)]) continue;
    hands[seat] &= ~(std::uint64_t{1} << card);
    trick[played] = card;
    bool reached;
    std::uint64_t depends = 0;
    if (played == 3) {
      const int place = WinningPlace(trick, 4, trumps);
      const int winner = (leader + place) % 4;
      const bool declarerWins = side >> winner & 1;
      // The next trick has an array of its own: this one's cards are still needed here.
      std::array<int, 4> nextTrick{};
      if (toLose && declarerWins)
        reached = false;
      else
        reached = Search(hands, winner, 0, nextTrick, toLose, need - (declarerWins ? 1 : 0), side, trumps, depends);
      // A card that won by its rank over another of its suit: its place among the cards matters,
      // and so does the place of the lowest card of its run in its seat's hand (any of the run
      // stood for all of them, and all of them win).
      for (int i = 0; i < 4; ++i)
        if (i != place && SuitOf(trick[i]) == SuitOf(trick[place]))
          depends |= RunBottom(trick[place], hands[winner] | std::uint64_t{1} << trick[place], inPlay);
    } else {
      reached = Search(hands, leader, played + 1, trick, toLose, need, side, trumps, depends);
    }
    hands[seat] |= std::uint64_t{1} << card;
    if (aborted_) break;  // cut short: the other moves would each count a position for nothing
    everyMove |= depends;
    if (reached == declaring) {
      result = reached;
      settledBy = card;
      everyMove = depends;
      break;
    }
    const int suit = SuitOf(card);
    const std::uint64_t relied = depends & SuitCards(suit);
    const std::uint64_t lowest = relied ? relied & (0 - relied) : TopOf(SuitCards(suit)) << 1;
    if ((std::uint64_t{1} << card) < lowest) failsBelow[suit] = std::max(failsBelow[suit], lowest);
  }
  relevant = everyMove;

  // A search cut short knows nothing: it leaves the table as it was.
  if (aborted_ || !bucket) return result;
  // What was learnt: the declarer's further tricks are at least `wanted`, or fewer.
  const bool atLeast = result != (toLose != 0);
  const int tricks = atLeast ? wanted : wanted - 1;
  std::array<std::uint32_t, 4> owners{};
  std::uint16_t depths = 0;
  for (int suit = 0; suit < 4; ++suit) {
    const std::uint64_t cards = relevant & SuitCards(suit);
    if (!cards) continue;
    // The fact depends on the suit's cards from its lowest relevant card up.
    const int depth = CountCards(held & SuitCards(suit) & ~((cards & (0 - cards)) - 1));
    depths |= static_cast<std::uint16_t>(depth << (4 * suit));
    owners[suit] = layout.owners[suit] & TopOwners(depth, layout.counts[suit]);
  }
  // The fact joins the bucket: it strengthens one learnt of the same cards, or takes the next
  // empty place, or, the bucket full, the places are taken in turn.
  int slot = -1;
  for (int i = 0; i < *filled && slot < 0; ++i) {
    const Entry& e = bucket[i];
    if (tags[i] == tag && e.shape == layout.shape && e.atLeast == atLeast && e.depths == depths && e.owners == owners)
      slot = i;
  }
  // A lead that settled it, by its place among its suit's cards in play (a position of this
  // shape has the same number of them).
  std::int8_t lead = -1;
  if (settledBy >= 0) {
    const int suit = SuitOf(settledBy);
    const int above = CountCards(held & SuitCards(suit) & ~((std::uint64_t{2} << settledBy) - 1));
    lead = static_cast<std::int8_t>(suit * 16 + above);
  }
  if (slot >= 0) {
    Entry& e = bucket[slot];
    e.tricks = static_cast<std::int8_t>(atLeast ? std::max<int>(e.tricks, tricks) : std::min<int>(e.tricks, tricks));
    if (lead >= 0) e.lead = lead;
  } else {
    const int free = *filled < kBucketSize ? (*filled)++ : static_cast<int>((nodes_ - forgotAt_) % kBucketSize);
    tags[free] = tag;
    bucket[free] = Entry{layout.shape, owners, depths, static_cast<std::int8_t>(tricks), atLeast, lead};
  }
  return result;
}

bool Solver::Reaches(const SolverPosition& p, const SolverGoal& goal) {
  aborted_ = false;
  stopAt_ = ceiling_ > 0 ? std::min(nodes_ + limit_, ceiling_) : nodes_ + limit_;
  if (goal.toLose && p.declarerTricks > 0) return false;
  std::array<std::uint64_t, 4> hands = p.hands;
  std::array<int, 4> trick{p.trick[0], p.trick[1], p.trick[2], 0};
  std::uint64_t relevant = 0;
  return Search(hands, p.leader, p.played, trick, goal.toLose ? 1 : 0, goal.target - p.declarerTricks, SideOf(p),
                p.trumps, relevant);
}

SolverPosition AfterCard(const SolverPosition& p, int card) {
  SolverPosition next = p;
  next.hands[(p.leader + p.played) % 4] &= ~(std::uint64_t{1} << card);
  if (p.played < 3) {
    next.trick[p.played] = card;
    next.played = p.played + 1;
    return next;
  }
  const int winner = (p.leader + WinningPlace({p.trick[0], p.trick[1], p.trick[2], card}, 4, p.trumps)) % 4;
  next.leader = winner;
  next.played = 0;
  next.declarerTricks += SideOf(p) >> winner & 1;
  return next;
}

std::vector<Solver::CardResult> Solver::Cards(const SolverPosition& p, const SolverGoal& goal) {
  std::vector<CardResult> results;
  const int seat = (p.leader + p.played) % 4;
  const int led = p.played ? SuitOf(p.trick[0]) : -1;
  std::uint64_t inPlay = p.hands[0] | p.hands[1] | p.hands[2] | p.hands[3];
  for (int i = 0; i < p.played; ++i) inPlay |= std::uint64_t{1} << p.trick[i];
  for (std::uint64_t rest = DistinctMoves(Playable(p.hands[seat], led), inPlay); rest; rest &= rest - 1) {
    const int card = std::countr_zero(rest);
    const SolverPosition next = AfterCard(p, card);
    const bool reached = Reaches(next, goal);
    if (aborted_) return {};  // cut short: no answer for this position
    // The tricks beyond the target (or short of it), probed one at a time: the table kept from
    // the first search makes each probe cheap.
    int tricks = -1;
    if (!goal.toLose) {
      tricks = goal.target;
      for (int step = 1; step <= kTrickMargin; ++step) {
        SolverGoal probe = goal;
        probe.target = reached ? goal.target + step : goal.target - step;
        if (probe.target < 0 || probe.target > 13) break;
        const bool more = Reaches(next, probe);
        if (aborted_) break;
        if (reached != more) break;
        tricks = probe.target;
      }
      if (!reached) tricks -= 1;  // the last target it fell short of, less one
      aborted_ = false;
    }
    results.push_back({card, reached, tricks});
  }
  return results;
}

}  // namespace solo
