#include "game/HandKeeper.h"

#include <string_view>

#include "bidding/Auction.h"
#include "bidding/UserBid.h"
#include "game/ClaimCommand.h"
#include "play/CardQueries.h"
#include "store/SafeFile.h"
#include "table/Messages.h"

namespace solo {

namespace {
// A kept hand is a few hundred bytes; anything much larger is not one.
constexpr std::size_t kMaxKeptBytes = 16 * 1024;
}  // namespace

HandKeeper::HandKeeper(Game& g, const std::filesystem::path& folder)
    : g_(g), file_(folder / kHandInPlayFileName), next_(g.observer) {
  g.observer = this;
  RemoveLeftoverTemporaries(file_);
  Watch();
}

HandKeeper::~HandKeeper() {
  if (g_.observer == this) g_.observer = next_;
  for (int seat = 0; seat < kSeats; ++seat)
    if (g_.players[seat] == &seats_[seat]) g_.players[seat] = seats_[seat].inner;
}

void HandKeeper::Watch() {
  for (int seat = 0; seat < kSeats; ++seat) {
    if (g_.players[seat] == &seats_[seat] || !g_.players[seat]) continue;
    seats_[seat].keeper = this;
    seats_[seat].inner = g_.players[seat];
    g_.players[seat] = &seats_[seat];
  }
}

bool HandKeeper::Person(int seat) const {
  return seats_[seat].inner && std::string_view(seats_[seat].inner->Level()) == "person";
}

// --- Keeping -------------------------------------------------------------------------------

void HandKeeper::Save() {
  const std::string why = WriteAtomically(file_, KeptHandText(hand_));
  if (!why.empty() && !saveFailureTold_) {
    saveFailureTold_ = true;
    g_.host.ShowStatus("The hand in play cannot be kept for resuming: " + why);
  }
}

void HandKeeper::Drop() {
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
}

void HandKeeper::HandStarts(const Game& g) {
  bidsShown_ = 0;
  playStarted_ = false;
  if (replaying_) {
    hand_.decisions.clear();  // given again one by one
  } else {
    hand_ = KeptHand{};
    hand_.seed = g.draw.seed;
    hand_.handNumber = g.draw.handNumber;
    hand_.dealer = g.s.dealer;
    hand_.goulash = g.s.noShuffle;
    hand_.standard = g.s.standard;
    hand_.takeBacks = g.flow.takeBacks;
    hand_.points = g.s.points;
    for (int seat = 0; seat < kSeats; ++seat) hand_.levels[seat] = g.players[seat] ? g.players[seat]->Level() : "";
    // Kept before the deal, so a hand cut short while it is dealt comes back too.
    Save();
  }
  if (next_) next_->HandStarts(g);
}

void HandKeeper::BidShown(const Game& g, int seat, int code) {
  ++bidsShown_;
  if (next_) next_->BidShown(g, seat, code);
}

void HandKeeper::PlayStarts(const Game& g) {
  playStarted_ = true;
  if (next_) next_->PlayStarts(g);
}

void HandKeeper::HandEnded(const Game& g, const char* result) {
  if (next_) next_->HandEnded(g, result);
  // A hand left because the program is closing stays kept, to be resumed; any other end is final.
  if (std::string_view(result) == "abandoned" && g.flow.request == Request::Exit) return;
  if (replaying_) EndReplay();
  Drop();
}

void HandKeeper::PointsErased(const Game& g) {
  // The hand in play goes on from the points left: kept with them, it is not taken for a hand
  // settled since when it is resumed.
  std::error_code ignored;
  if (!replaying_ && std::filesystem::exists(file_, ignored)) {
    hand_.points = g.s.points;
    Save();
  }
  if (next_) next_->PointsErased(g);
}

template <typename Decide, typename Legal>
int HandKeeper::Decision(char kind, int seat, Decide decide, Legal legal) {
  if (replaying_ && replayed_ == replay_.size()) EndReplay();
  if (!replaying_) {
    const int value = decide();
    hand_.decisions.push_back({kind, seat, value, kind == 'C' && Person(seat) && g_.claimed});
    Save();
    return value;
  }
  const KeptDecision kept = replay_[replayed_++];
  if (kept.kind != kind || kept.seat != seat) Fail("its decisions come in another order");
  if (Person(seat)) {
    // The person's decision is given again as it was, once it is checked to be one they could make.
    if (!legal(kept.value)) Fail("it holds a decision that cannot be made");
    if (kept.claimed && !g_.claimed) ClaimHeld(g_);
  } else if (decide() != kept.value) {
    Fail("a computer player decides otherwise now");
  }
  hand_.decisions.push_back(kept);
  // The last decision kept is carried out as the person sees it.
  if (replayed_ == replay_.size()) EndReplay();
  return kept.value;
}

namespace {
bool Never(int) { return false; }
}  // namespace

int HandKeeper::Seat::OfferBid(Game& g, int seat) {
  return keeper->Decision('O', seat, [&] { return inner->OfferBid(g, seat); }, Never);
}
int HandKeeper::Seat::Bid(Game& g, int seat) {
  return keeper->Decision('B', seat, [&] { return inner->Bid(g, seat); },
                          [&](int bid) { return bid >= kPass && bid < kBidKinds && !UsersBidRefused(g.s, bid); });
}
int HandKeeper::Seat::Trumps(Game& g, int seat) {
  return keeper->Decision('T', seat, [&] { return inner->Trumps(g, seat); }, [](int suit) { return IsSuit(suit); });
}
int HandKeeper::Seat::Card(Game& g, int seat, int position, bool playToLose) {
  return keeper->Decision('C', seat, [&] { return inner->Card(g, seat, position, playToLose); },
                          [&](int card) { return (LegalCards(g.s, seat, position) & CardBit(card)) != 0; });
}
int HandKeeper::Seat::AuctionCall(Game& g, int seat, const Auction& auction) {
  return keeper->Decision('A', seat, [&] { return inner->AuctionCall(g, seat, auction); },
                          [&](int call) { return auction.Allows(call); });
}
int HandKeeper::Seat::StandardCard(Game& g, int seat, int position, bool playToLose) {
  return keeper->Decision('C', seat, [&] { return inner->StandardCard(g, seat, position, playToLose); },
                          [&](int card) { return (LegalCards(g.s, seat, position) & CardBit(card)) != 0; });
}

// --- Playing a hand again ------------------------------------------------------------------

void HandKeeper::Replay(std::vector<KeptDecision> decisions) {
  replay_ = std::move(decisions);
  replayed_ = 0;
  replaying_ = true;
  g_.flow.restart = HandStart{hand_.seed, hand_.handNumber, hand_.dealer, hand_.goulash, hand_.standard, hand_.takeBacks};
  g_.host.FastForward(true);
}

void HandKeeper::EndReplay() {
  replaying_ = false;
  replay_.clear();
  g_.host.FastForward(false);
}

void HandKeeper::Fail(const std::string& why) {
  EndReplay();
  Drop();
  Tell(g_.host, "The unfinished hand cannot be played on: " + why + ". A new hand is dealt instead.", BoxIcon::Warning);
  throw HandAbandoned{};
}

bool HandKeeper::OfferResume() {
  const SmallFile file = ReadSmallFile(file_, kMaxKeptBytes);
  if (file.kind == SmallFile::Kind::Missing) return false;
  std::string problem = file.problem;
  std::optional<KeptHand> kept;
  if (file.kind == SmallFile::Kind::Read) kept = ReadKeptHandText(file.bytes, problem);
  if (!kept) {
    const std::string aside = SetAside(file_);
    if (aside.empty()) Drop();
    Tell(g_.host, "The unfinished hand kept from the last game cannot be resumed: " + problem +
                 (aside.empty() ? "." : ". It is set aside as \"" + std::filesystem::path(aside).filename().string() + "\"."),
         BoxIcon::Warning);
    return false;
  }
  // Points that moved on since the hand began: it was settled before the game ended.
  if (kept->points != g_.s.points) {
    Drop();
    return false;
  }
  if (g_.host.ShowMessageBox(BoxPurpose::ResumeHand, "Resume the unfinished hand?", "Unfinished hand",
                             BoxButtons::YesNo, BoxIcon::Question) != BoxAnswer::Yes) {
    Drop();
    return false;
  }
  hand_ = std::move(*kept);
  g_.draw.seed = hand_.seed;
  Replay(hand_.decisions);
  g_.flow.resumed = true;
  return true;
}

bool HandKeeper::MayTakeBack() const {
  if (!g_.flow.handRunning || replaying_ || g_.claimed || g_.flow.request != Request::None) return false;
  for (auto d = hand_.decisions.rbegin(); d != hand_.decisions.rend(); ++d) {
    if (!Person(d->seat)) continue;
    if (d->kind == 'B') return bidsShown_ < kSeats && !playStarted_;
    if (d->kind == 'A') return g_.auction != nullptr;  // the auction goes on
    if (d->kind != 'C') return false;
    // The card is still in the trick on the table, and the trick is not complete.
    const Trick& trick = g_.s.trick;
    bool inTrick = false;
    for (const Play& play : trick) inTrick = inTrick || play.card == d->value;
    return inTrick && trick[3].card <= 0;
  }
  return false;
}

bool HandKeeper::TakeBackChosen() {
  if (!MayTakeBack()) return false;
  std::size_t last = hand_.decisions.size();
  while (!Person(hand_.decisions[last - 1].seat)) --last;
  hand_.decisions.resize(last - 1);
  ++hand_.takeBacks;
  Save();
  Replay(hand_.decisions);
  g_.flow.request = Request::Restart;
  g_.host.Wake();
  return true;
}

}  // namespace solo
