#include "game/HandHistory.h"

#include "bidding/Auction.h"
#include "bidding/BidLadder.h"
#include "bidding/StandardBidding.h"
#include "store/DataFiles.h"
#include "table/Messages.h"

namespace solo {

HandHistory::HandHistory(Game& g, const std::filesystem::path& folder, bool readOnly)
    : g_(g), recorder_(g.draw.seed) {
  const std::filesystem::path path = folder / kHistoryFileName;
  if (readOnly) {
    history_ = History::OpenToRead(path);
    return;
  }
  History::Opened opened = History::Open(path);
  notice_ = opened.message;
  history_ = std::move(opened.history);
  if (history_) {
    history_->SetBusyWait(kPlayingWaitMs);
    // A run that another program keeps us from recording now is recorded with its first hand.
    writing_ = history_->BeginRun(g.draw.seed) || history_->busy();
    if (!writing_ && notice_.empty())
      notice_ = "The hand history could not be written (" + history_->error() + "), so hands are not kept in this run.";
  }
  recorder_.SetKeeper([this](const HandRecord& hand) { Keep(hand); });
  g.observer = &recorder_;
}

HandHistory::~HandHistory() {
  if (g_.observer == &recorder_) g_.observer = nullptr;
}

void HandHistory::Keep(const HandRecord& hand) {
  if (!writing_) return;
  waiting_.push_back(hand);
  WriteWaiting(true);
}

bool HandHistory::WriteInOrder() {
  while (!waiting_.empty() && history_->Append(waiting_.front())) waiting_.pop_front();
  return waiting_.empty();
}

void HandHistory::WriteWaiting(bool mayTell) {
  if (WriteInOrder()) return;
  if (history_->busy()) {
    g_.host.ShowStatus("The hand history is in use by another program: " + std::to_string(waiting_.size()) +
                       (waiting_.size() == 1 ? " hand waits" : " hands wait") + " to be kept.");
    return;
  }
  if (failureTold_ || !mayTell) {
    g_.host.ShowStatus("The hand history could not be written (" + history_->error() + ").");
    return;
  }
  failureTold_ = true;
  Tell(g_.host,
       "This hand could not be kept in the hand history (" + history_->error() + "). The game goes on" +
           (g_.files.pointsSaved ? ", and your points are saved as usual." : "."),
       BoxIcon::Warning);
}

std::string HandHistory::Close() {
  if (waiting_.empty()) return {};
  history_->SetBusyWait(kClosingWaitMs);
  if (WriteInOrder()) return {};
  const std::size_t lost = waiting_.size();
  waiting_.clear();
  return (lost == 1 ? std::string("The last hand") : "The last " + std::to_string(lost) + " hands") +
         " could not be kept in the hand history (" + history_->error() + ").";
}

std::array<int, 4> UnitsWon(const HandRecord& hand) {
  std::array<int, 4> units{};
  const bool made = hand.result == "made";
  const int highest = hand.standard ? kStandardAbundanceDeclared : kBidKinds - 1;
  if ((!made && hand.result != "failed") || hand.contract <= 0 || hand.contract > highest || hand.declarer < 0 ||
      hand.declarer > 3)
    return units;
  if (hand.standard) {
    StandardDeal deal;
    deal.contract = hand.contract;
    deal.declarer = hand.declarer;
    deal.partner = hand.partner;
    return StandardUnits(deal, made);
  }
  const int each = ContractOf(hand.contract).units * (made ? 1 : -1);
  for (int seat = 0; seat < 4; ++seat) units[seat] = seat == hand.declarer ? 3 * each : -each;
  return units;
}

int StatisticsRow(const HandRecord& hand) {
  if (!hand.standard) return hand.contract >= 0 && hand.contract < kBidKinds ? hand.contract : 0;
  return hand.contract == kAcceptance ? kPartnershipRow : ClassicLike(hand.contract);
}

Statistics ComputeStatistics(const std::vector<HandRecord>& hands, bool leaveOutTakeBacks) {
  Statistics stats;
  long long run = -1;
  for (const HandRecord& hand : hands) {
    if (!hand.damage.empty()) continue;  // its figures cannot be trusted
    if (leaveOutTakeBacks && hand.takeBacks > 0) continue;
    if (hand.run != run) {
      stats.runStarts.push_back(static_cast<int>(stats.points.size()));
      run = hand.run;
    }
    stats.points.push_back(hand.pointsAfter);
    const std::array<int, 4> units = UnitsWon(hand);
    const int contract = units[0] || units[1] || units[2] || units[3] ? StatisticsRow(hand) : 0;
    for (int seat = 0; seat < 4; ++seat) {
      ContractFigures& f = stats.seats[seat][contract];
      f.units += units[seat];
      (Declares(hand, seat) ? f.declaring : f.defending) += units[seat];
    }
    if (contract == 0) continue;
    // Both partners of a Proposal and Acceptance bid it.
    for (int seat : {hand.declarer, hand.partner}) {
      if (seat < 0) continue;
      ContractFigures& declared = stats.seats[seat][contract];
      ++declared.bid;
      ++(hand.result == "made" ? declared.made : declared.failed);
    }
  }
  return stats;
}

}  // namespace solo
