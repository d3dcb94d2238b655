#include "bidding/Auction.h"

namespace solo {

Auction::Auction(int dealerSeat) : dealer(dealerSeat), turn(NextSeat(dealerSeat)) {}

bool Auction::MayCall(int seat) const {
  if (proposerToRaise) return seat == declarer;
  // The holders of the standing bid are asked again only once somebody bids over it.
  if (seat == declarer || seat == partner) return false;
  if (!out[seat]) return true;
  return seat == eldest() && lateAcceptance && standing == kProposal;
}

bool Auction::Allows(int call) const {
  if (over() || call < kStandardPass || call > kStandardAbundanceDeclared) return false;
  if (call == kStandardPass) return true;
  if (proposerToRaise) return call >= kStandardSolo;
  if (out[turn]) return call == kAcceptance;  // the dealer's left, coming back to accept
  if (call == kAcceptance) return standing == kProposal;
  if (call == kProposal) return standing == kStandardPass;
  return call > standing && call >= kStandardSolo;
}

bool Auction::Call(int call) {
  if (!Allows(call)) return false;
  const int seat = turn;
  calls.push_back({seat, call});
  if (call == kStandardPass) {
    if (proposerToRaise) {
      // The Proposal is dropped: nobody holds a bid, and everybody has passed.
      out[seat] = true;
      declarer = kNoSeat;
      standing = kStandardPass;
      proposerToRaise = false;
    } else if (out[seat]) {
      lateAcceptance = false;  // the late chance is declined
    } else {
      out[seat] = true;
      if (seat == eldest() && standing == kStandardPass) lateAcceptance = true;
    }
  } else if (call == kAcceptance) {
    partner = seat;
    out[seat] = false;
    standing = kAcceptance;
    lateAcceptance = false;
  } else {
    if (!proposerToRaise) {
      declarer = seat;
      partner = kNoSeat;
    }
    proposerToRaise = false;
    standing = call;
    if (call != kProposal) lateAcceptance = false;
  }
  PassTurn();
  return true;
}

void Auction::PassTurn() {
  for (int step = 1; step <= kSeats; ++step) {
    const int seat = (turn + step) % kSeats;
    if (MayCall(seat)) {
      turn = seat;
      return;
    }
  }
  if (standing == kProposal && !proposerToRaise) {
    proposerToRaise = true;
    turn = declarer;
    return;
  }
  turn = kNoSeat;
}

StandardDeal AuctionResult(const Auction& auction, int turnedUpSuit) {
  StandardDeal deal;
  if (!auction.over() || auction.thrownIn()) return deal;
  const Contract& contract = StandardContractOf(auction.standing);
  deal.contract = auction.standing;
  deal.declarer = auction.declarer;
  deal.partner = auction.partner;
  deal.trumps = contract.trumps == TrumpRule::InForce ? turnedUpSuit
                : contract.trumps == TrumpRule::None ? kNoTrumps
                                                     : kTrumpsNotSet;
  deal.leader = contract.declarerLeads ? auction.declarer : NextSeat(auction.dealer);
  return deal;
}

StandardOutcome DecideStandard(const StandardDeal& deal, const std::array<int, kSeats>& tricksWon) {
  const Contract& contract = StandardContractOf(deal.contract);
  int side = 0, played = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    played += tricksWon[seat];
    if (seat == deal.declarer || seat == deal.partner) side += tricksWon[seat];
  }
  if (contract.toLose) {
    if (side > 0) return StandardOutcome::Failed;
    return played == kTricksInHand ? StandardOutcome::Made : StandardOutcome::Open;
  }
  if (side >= contract.target) return StandardOutcome::Made;
  if (played - side > kTricksInHand - contract.target) return StandardOutcome::Failed;
  return StandardOutcome::Open;
}

std::array<int, kSeats> StandardUnits(const StandardDeal& deal, bool made) {
  const Contract& contract = StandardContractOf(deal.contract);
  const int each = made ? contract.units : -contract.units;
  std::array<int, kSeats> units{};
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat == deal.declarer)
      units[seat] = contract.partnership ? each : 3 * each;
    else
      units[seat] = seat == deal.partner ? each : -each;
  }
  return units;
}

}  // namespace solo
