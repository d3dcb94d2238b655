#include "play/Inference.h"

#include <algorithm>

#include "bidding/Auction.h"
#include "bidding/BidEvaluation.h"
#include "bidding/BidLadder.h"
#include "bidding/StandardBidding.h"
#include "play/Sampler.h"
#include "play/Strategy.h"
#include "play/TrickPlay.h"
#include "table/Trumps.h"

namespace solo {

int ClassicAmong(const std::array<Bidder, kSeats>& bidders, int seat) {
  int count = 0;
  for (int other = 0; other < kSeats; ++other) count += other != seat && bidders[other] == Bidder::Classic;
  return count;
}

int CountsSoloFrom(const std::array<Bidder, kSeats>& bidders, int seat) {
  return ClassicAmong(bidders, seat) == kSeats - 1 ? kCountsSoloAgainstClassicFrom : kNoCountsSolo;
}

ClassicPlays::ClassicPlays(const GameState& s, const std::array<Bidder, kSeats>& bidders, int seat) {
  if (s.standard || s.playsMade > kCards) return;  // the Standard rules' cards are not checked
  lose_ = PlayingToLose(s);
  std::array<std::uint64_t, 4> later = s.playedBy;  // each seat's cards from the play looked at on
  std::uint64_t played = 0;
  int declarersCard = 0;
  Trick trick{};
  for (int i = 0; i < s.playsMade; ++i) {
    const int card = s.playOrder[static_cast<std::size_t>(i)], position = i % 4 + 1;
    if (card < 1 || card > kCards) break;
    const std::uint64_t bit = CardBit(card);
    int who = 0;
    while (who < kSeats && !(later[who] & bit)) ++who;
    if (position == 1)
      for (int k = 0; k < 4; ++k) trick[k] = {(who + k) % kSeats, -1};
    if (who == kSeats || trick[position - 1].seat != who) {  // a record out of step tells nothing
      checks_.clear();
      break;
    }
    if (bidders[who] == Bidder::Classic && who != seat)
      checks_.push_back({who, position, card, later[who], played, declarersCard, trick});
    trick[position - 1].card = card;
    later[who] &= ~bit;
    played |= bit;
    if (who == s.declarer) declarersCard = card;
  }
  if (!checks_.empty()) scratch_ = s;
}

double ClassicPlays::Fits(const std::array<std::uint64_t, 4>& hands) {
  double likely = 1;
  if (checks_.empty()) return likely;
  GameState& s = *scratch_;
  for (const Check& c : checks_) {
    s.Hand[c.seat] = hands[c.seat] | c.later;
    s.PlayedCards = c.played;
    s.declarersCard = c.declarersCard;
    s.trick = c.trick;
    // Three cards amiss are as good as impossible: no need to look further.
    if (ChooseCard(s, c.seat, c.position, lose_) != c.card && (likely *= kSeenOtherwise) < kSeenOtherwise * kSeenOtherwise)
      break;
  }
  return likely;
}

bool FitsCalls(const GameState& s, const std::array<Bidder, kSeats>& callers, const std::array<std::uint64_t, 4>& hands) {
  // The auction replayed with the layout's hands: each Classic seat's call, made by its count
  // and the calls before it, must come out as it was heard. A record the rules would not replay
  // tells no more from there on.
  const int turnedUp = s.turnedUp >= 1 && s.turnedUp <= kCards ? s.Pack[s.turnedUp].Suit : kNoTrumps;
  Auction auction(s.dealer);
  for (const auto& [seat, call] : s.calls) {
    if (seat != auction.turn || !auction.Allows(call)) return true;
    if (callers[seat] == Bidder::Classic && ComputerCall(hands[seat] | s.playedBy[seat], turnedUp, auction) != call)
      return false;
    auction.Call(call);
  }
  return true;
}

bool FitsBids(const GameState& s, const std::array<Bidder, kSeats>& bidders, const std::array<std::uint64_t, 4>& hands) {
  // At most one computer seat bids: the one whose offer came first (the higher bid, then the
  // lower seat). A computer seat that passed made an offer that lost to the bid shown; with no
  // computer bid shown, a pass says the count gave a pass only once the round is over and the
  // person passed too (a computer bid beaten by the person's is shown as a pass).
  bool roundOver = true;
  int bidder = kNoSeat, bid = kPass;
  for (int seat = 0; seat < kSeats; ++seat) {
    roundOver = roundOver && s.spoke[seat] >= 0;
    if (seat != kSouth && s.spoke[seat] > kPass) bidder = seat, bid = s.spoke[seat];
  }
  const bool passesTell = roundOver && s.spoke[kSouth] == kPass;
  for (int seat = 0; seat < kSeats; ++seat) {
    // South's bid may be refused by the rules, whatever its search said.
    if (bidders[seat] == Bidder::Unknown || (bidders[seat] == Bidder::Expert && seat == kSouth) || s.spoke[seat] < 0)
      continue;
    const bool passed = s.spoke[seat] == kPass;
    if (passed && bidder == kNoSeat && !passesTell) continue;
    // The offers the seat may have made: the bid it showed, a pass, or one that lost to the
    // computer bid shown.
    const auto shown = [&](int offer) {
      return !passed ? offer == s.spoke[seat] : bidder == kNoSeat ? offer == kPass : offer < bid || (offer == bid && seat > bidder);
    };
    // The offers the seat's count allows: a Classic seat's one, an Expert's several.
    const int count = CountBidPoints(hands[seat] | s.playedBy[seat], DealersTrumps(s.dealer)).points;
    const int soloFrom = CountsSoloFrom(bidders, seat);
    const auto mayOffer = [&](int offer) {
      if (bidders[seat] == Bidder::Classic) return offer == BidForPoints(count);
      return offer == kPass ? count < soloFrom
             : offer == kMisere ? count <= kExpertMisereCountTo
                                : true;
    };
    bool any = false;
    for (int offer = kPass; offer <= kAbundanceDeclared && !any; ++offer) any = shown(offer) && mayOffer(offer);
    if (!any) return false;
  }
  return true;
}

double ExpertShownBidShare(int code, int count) {
  for (const ShownBidShare& row : kExpertShownBids)
    if (row.code == code) return row.byCount[static_cast<std::size_t>(std::clamp(count, 0, 16))];
  return 1;
}

double ShownBidLikelihood(const GameState& s, const std::array<Bidder, kSeats>& bidders,
                          const std::array<std::uint64_t, 4>& hands, int seat) {
  // The computer seat whose bid is shown (South's, the person's place, is not a computer's).
  for (int other = 1; other < kSeats; ++other)
    if (other != seat && bidders[other] == Bidder::Expert && s.spoke[other] > kPass)
      return ExpertShownBidShare(s.spoke[other],
                                 CountBidPoints(hands[other] | s.playedBy[other], DealersTrumps(s.dealer)).points);
  return 1;
}

}  // namespace solo
