#pragma once
// What an Expert reads of the hands it cannot see from what the table heard and saw: the bids
// (a Classic seat's follows from its count, an Expert seat's shown bid makes some counts more
// likely than others), the Standard auction's calls, and the cards the Classic seats played.
// The sampler keeps the layouts of the unseen cards as these make them likely.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "state/Contracts.h"
#include "state/GameState.h"

namespace solo {

// Who sits in a seat, as far as its bids tell of its hand: a Classic seat bids by its point
// count; an Expert computer seat by its search, which the count foretells only in part.
enum class Bidder { Unknown, Classic, Expert };

// An Expert's pass against three Classic defenders, on a hand counting this or more, becomes the
// count's Solo (ExpertPlayer::OrCountsSolo): measured on seed 9940, such Solos at 6 were made
// 58 % of the time against them. Expert defenders beat them: at a table of four Experts the
// Solos of a count of 7 or more that the search passed were made 69 times in 229 (seeds 9980
// and 9981), so there the search's pass stands.
inline constexpr int kCountsSoloAgainstClassicFrom = 6;
// How many of the seats other than `seat` play by the Classic rules; and the count from which
// an Expert in `seat` bids a Solo its search would pass (ExpertPlayer::OrCountsSolo), beyond any
// count (kNoCountsSolo) with an Expert or a person among the others.
inline constexpr int kNoCountsSolo = 1000;
int ClassicAmong(const std::array<Bidder, kSeats>& bidders, int seat);
int CountsSoloFrom(const std::array<Bidder, kSeats>& bidders, int seat);
// An Expert computer seat offers a Misere only up to a count of 5 (its search looks at none above).
inline constexpr int kExpertMisereCountTo = 5;
// How often an Expert computer seat shows each bid at each count (its point count by the
// Classic rules, 16 standing for 16 or more), as a share of the most often: measured in
// self-play by scripts/expert_bid_counts.py (four Experts, 1,500 hands, seeds 9943 and 9944:
// 4,500 seat-hands of West, North and East, 409 Solos and 127 Misere shown). A Solo is shown
// from a count of 4 (three in a thousand such hands) to 10 and more (over two thirds); a Misere
// most often at a count of 1. The 23 hands counting 16 or more showed no Solo (they bid higher):
// a tenth keeps such a Solo possible.
struct ShownBidShare {
  int code;
  std::array<float, 17> byCount;
};
inline constexpr std::array<ShownBidShare, 2> kExpertShownBids = {{
    {kSolo, {0, 0, 0, 0, 0.0035f, 0.011f, 0.095f, 0.18f, 0.46f, 0.62f, 0.82f, 0.89f, 0.97f, 1, 0.47f, 0.91f, 0.1f}},
    {kMisere, {0.29f, 1, 0.12f, 0.25f, 0.046f, 0.019f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
}};
// The share above for a seat counting `count` that showed `code` (1 for a bid with no row).
double ExpertShownBidShare(int code, int count);
// Whether a layout fits what the seats said in the bidding. A Classic seat's bid follows from
// its count, so a seat that bid holds a hand (its cards and those it has played) counting to
// that bid, and one that passed when no computer seat bid, a pass. An Expert computer seat
// never passes a hand counting to its count's Solo (against three Classic seats), and its
// Misere keeps to the count above.
bool FitsBids(const GameState& s, const std::array<Bidder, kSeats>& bidders, const std::array<std::uint64_t, 4>& hands);
// How likely the bid an Expert computer seat showed is with the hand a layout gives it, as a
// share of the likeliest (ExpertShownBidShare; 1 when no such seat other than `seat` bid): the
// layouts are kept in that proportion, so that they lie as the bids make likely.
double ShownBidLikelihood(const GameState& s, const std::array<Bidder, kSeats>& bidders,
                          const std::array<std::uint64_t, 4>& hands, int seat);
// Whether a layout fits the Standard auction heard so far (`s.calls`): every Classic seat
// among `callers` holds a hand that calls as it did.
bool FitsCalls(const GameState& s, const std::array<Bidder, kSeats>& callers, const std::array<std::uint64_t, 4>& hands);

// What the cards the Classic seats among `bidders` (other than `seat`) have played tell of their
// hands: each was the Classic rule's card for the hand the seat held then (a function of that
// hand and what the table saw), so a layout whose hand for the seat would have played another
// card all but cannot be. Made once for a decision from the order of play (under the Classic
// rules); each layout is then checked on a scratch copy of the state.
class ClassicPlays {
 public:
  ClassicPlays(const GameState& s, const std::array<Bidder, kSeats>& bidders, int seat);
  // How likely those cards are with the hands of `hands` (each seat's cards played since put
  // back): 1 when each would have been played as it was, kSeenOtherwise for each that would not
  // (not nothing: where no layout the sampler tries fits every card, the one that fits most is
  // all but always taken, and mended).
  double Fits(const std::array<std::uint64_t, 4>& hands);
  // How many cards are checked.
  int checks() const { return static_cast<int>(checks_.size()); }

 private:
  struct Check {
    int seat, position, card;
    std::uint64_t later, played;  // the seat's cards from this one on; the cards played before
    int declarersCard;
    Trick trick;
  };
  std::vector<Check> checks_;
  std::optional<GameState> scratch_;
  bool lose_ = false;
};

}  // namespace solo
