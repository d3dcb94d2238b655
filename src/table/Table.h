#pragma once
// The table as data: every part of the table the game writes, named by what it shows, in the
// units of the original layout (twips). The window only mirrors this; tests assert on it.
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "state/GameState.h"

namespace solo {

// Pictures of the card image list.
constexpr int kPictureBack = 53;      // upright back: computer hands, the pack
constexpr int kPictureGathered = 57;  // the back lying sideways: a gathered trick
constexpr int kSignHearts = 60, kSignClubs = 61, kSignDiamonds = 62, kSignSpades = 63, kSignNoTrumps = 64;

struct CardBox {
  int Left = 0, Top = 0;
  int Picture = kPictureBack;
  bool Visible = false;
  std::uint32_t Z = 0;  // stacking order: higher lies above
};

struct PileBox {
  int Left = 0, Top = 0;
  bool Visible = false;
  std::uint32_t Z = 0;
};

struct StatusBar {
  std::string prompt, bidding;
};

// Writes the parts, joined, into a caption: the caption's storage is reused, so the many texts a
// hand writes do not allocate once their captions have grown.
inline void SetText(std::string& caption, std::initializer_list<std::string_view> parts) {
  std::size_t length = 0;
  for (std::string_view part : parts) length += part.size();
  caption.resize(length);
  char* out = caption.data();
  for (std::string_view part : parts) out = std::copy(part.begin(), part.end(), out);
}

// The decimal text of a number, written into a caption.
void SetNumber(std::string& caption, long long value);

// The played-cards list. Clearing keeps the lines' storage, so a long run of hands does not
// allocate for every line it writes.
class TextList {
 public:
  void Clear() { count_ = 0; }
  std::size_t size() const { return count_; }
  const std::string& operator[](std::size_t i) const { return lines_[i]; }
  const std::string& back() const { return lines_[count_ - 1]; }
  void Add(std::string_view a, std::string_view b = {}, std::string_view c = {}) {
    if (count_ == lines_.size()) lines_.emplace_back();
    SetText(lines_[count_], {a, b, c});
    ++count_;
  }

 private:
  std::vector<std::string> lines_;
  std::size_t count_ = 0;
};

struct Table {
  std::array<CardBox, kCards + 1> cards{};  // 1-52, one per card
  std::array<PileBox, 14> trickPiles{};      // 1-13, one pile per trick
  PerSeat<std::string> nameCaptions{}, pointsNames{}, pointsShown{};
  std::array<std::string, 4> otherBids{};  // 1-3, the computer seats' bids on the bid panel
  StatusBar status;
  TextList playedList;

  std::string trumpsCaption = "Trumps";
  bool trumpsCaptionVisible = false;
  int trumpsSign = 0;  // sign picture
  bool trumpsSignVisible = false;
  int bidPanelTrumpsSign = 0;  // the sign on the bid panel

  bool bidPanelVisible = false;
  int selectedBid = -1;  // the selected bid option, -1 none
  std::string bidButton = "&The Bid";
  bool bidConfirmVisible = false;
  bool trumpsPanelVisible = false;

  // Where the next trick pile of each seat goes: each pile steps on from the last.
  int southPileLeft = 0, westPileTop = 0, northPileLeft = 0, eastPileTop = 0;

  // What the table shows beyond the original controls, for today's players.
  int Turn = -1;                  // the seat that is to bid or play, -1 for none
  std::uint64_t Dimmed = 0;       // South's cards that may not be played now (one bit per card)
  std::uint64_t FaceUp = 0;       // other seats' cards shown face up (a turned-up card, an open hand)
  // The bid panel of the Standard rules' auction: its calls (empty: the Classic panel), and which
  // of them may be made now (one bit per call).
  std::vector<std::string> callLabels;
  unsigned callsAllowed = 0;
  // Beside its sign: the card the dealer turned up (North's hand lies under the panel).
  std::string turnedUpNote;
  bool ShowPlayable = true;       // the option "Show playable cards"
  bool ContractVisible = false;   // the contract panel, from the end of the bidding to the settlement
  std::array<std::string, 3> Contract{};  // its lines: declarer and contract, trumps, tricks
  Trick LastTrick{};              // the last completed trick, in playing order
  int LastTrickWinner = -1;       // its winner, -1 before the first trick of a hand
  int LastPile = 0;               // the number of the latest trick pile

  std::uint32_t topZ = 0;
  void BringToFront(CardBox& box) { box.Z = ++topZ; }
  void BringToFront(PileBox& box) { box.Z = ++topZ; }
  void Move(int card, int left, int top) {
    cards[card].Left = left;
    cards[card].Top = top;
  }
};

}  // namespace solo
