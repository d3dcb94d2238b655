#include "game/Hints.h"

#include "bidding/BidLadder.h"
#include "bidding/StandardBidding.h"
#include "bidding/UserBid.h"
#include "play/Players.h"
#include "play/Sampler.h"
#include "play/StandardPlay.h"
#include "play/TrickPlay.h"
#include "table/Trumps.h"

namespace solo {

namespace {

std::string BidWords(int code) {
  return code > kPass && code < kBidKinds ? std::string("bid ") + ContractOf(code).name : "pass";
}

// A goulash shows South every hand (all but always): the one layout searched is the real one.
bool EveryHandKnown(const GameState& s, const ExpertChoice& c) {
  return c.layouts == 1 && GoulashLayouts(s, kSouth).size() == 1;
}

// During play, "makes your Solo in 8 of 10 layouts", or "beats West's Solo …" when South
// defends; for a bid or trumps, "made in 8 of 10 layouts"; on a goulash whose hands are known,
// "made, every hand known". Empty when the Expert did not search (one card to play).
std::string Chance(const GameState& s, const ExpertChoice& c, int declarer, bool playing = true) {
  if (c.layouts == 0 || declarer < 0 || declarer >= kSeats) return {};
  const int code = HighestKind(s, declarer);
  std::string contract = code > kPass && code < kBidKinds ? ContractOf(code).name : "contract";
  if (s.standard) contract = StandardContractOf(s.standardContract).name;
  std::string words;
  if (!playing)
    words = "made";
  else if (declarer == kSouth || s.partner == kSouth)
    words = "makes your " + contract;
  else
    words = "beats " + s.playerNames[declarer] + "'s " + contract;
  if (EveryHandKnown(s, c)) return " \u2014 " + (c.reached ? words : "nothing " + words) + ", every hand known";
  return " \u2014 " + words + " in " + std::to_string(c.reached) + " of " + std::to_string(c.layouts) + " layouts";
}

}  // namespace

Hint HintFor(Game& g, ExpertPlayer* adviser) {
  Hint hint;
  ComputerPlayer computer;
  const GameState& s = g.s;
  if (adviser) adviser->AdviseAt(g);
  if (g.flow.Awaits(Waiting::Bid) && s.standard && g.auction) {
    // The auction: what the computer's count would call in South's place (or the adviser).
    ExpertChoice c{ComputerCall(s, kSouth, *g.auction), 0, 0};
    if (adviser) c = adviser->AdvisedCall(g, *g.auction);
    hint.bid = c.choice;
    hint.text = std::string("Hint: ") + (hint.bid == kStandardPass ? "pass" : StandardContractOf(hint.bid).name);
    if (hint.bid == kAcceptance) hint.text = "Hint: accept the Proposal";
    if (hint.bid == kProposal) hint.text = "Hint: propose";
    if (hint.bid != kStandardPass && c.layouts > 0)
      hint.text += " \u2014 made in " + std::to_string(c.reached) + " of " + std::to_string(c.layouts) + " layouts";
  } else if (g.flow.Awaits(Waiting::Bid)) {
    ExpertChoice c{computer.Bid(g, kSouth), 0, 0};
    if (adviser) c = adviser->AdvisedBid(g);
    hint.bid = c.choice;
    hint.text = "Hint: " + BidWords(hint.bid);
    if (hint.bid)
      hint.text += Chance(s, c, kSouth, false);
    else if (EveryHandKnown(s, c) && !UsersBidRefused(s, kSolo))
      hint.text += " \u2014 no Solo is made, every hand known";
    else if (c.layouts > 0 && !UsersBidRefused(s, kSolo))
      hint.text += " \u2014 a Solo is made in only " + std::to_string(c.reached) + " of " + std::to_string(c.layouts) +
                   " layouts";
  } else if (g.flow.Awaits(Waiting::Trumps)) {
    ExpertChoice c{computer.Trumps(g, kSouth), 0, 0};
    if (adviser) c = adviser->AdvisedTrumps(g);
    hint.trumps = c.choice;
    hint.text = std::string("Hint: choose ") + SuitWords(c.choice) + Chance(s, c, kSouth, false);
  } else if (g.flow.Awaits(Waiting::Card)) {
    const int position = UsersPosition(s.leader);
    const bool lose = PlayingToLose(s);
    ExpertChoice c{s.standard ? ChooseStandardCard(s, kSouth, position, lose) : computer.Card(g, kSouth, position, lose), 0, 0};
    if (adviser) c = adviser->AdvisedCard(g, position, c.choice);
    hint.card = c.choice;
    if (hint.card) hint.text = "Hint: play the " + CardWords(hint.card) + Chance(s, c, s.declarer);
  }
  // The person answered while the adviser searched: its hint is of no use now.
  if (g.flow.answer != kNoAnswer) return {};
  return hint;
}

Hint HintChosen(Game& g, ExpertPlayer* adviser) {
  Hint hint = HintFor(g, adviser);
  if (hint.text.empty()) return hint;
  if (hint.bid >= 0) BidSelected(g, hint.bid);
  g.t.status.prompt = hint.text;
  return hint;
}

}  // namespace solo
