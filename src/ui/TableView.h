#pragma once
// The card table: a view of Table. It paints the felt, the cards in their stacking order, the
// trick piles, the names and the trump sign, and places the played-cards list, the points
// frame, the bid panel and the trump panel. Everything is laid out in twips times one scale,
// so the table keeps its shape at any window size and stays sharp on dense screens. Clicks and
// keys are handed on; the view decides nothing.
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "table/Table.h"
#include "ui/CardArt.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace solo::ui {

class TableView : public QWidget {
  Q_OBJECT
 public:
  TableView(const Table& table, QWidget* parent = nullptr);

  // Brings the widgets up to date with the table and schedules a repaint.
  void Mirror();

  // What the person did; the window passes it to the game.
  std::function<void(int card)> cardClicked;
  std::function<void(int index)> optionClicked;
  std::function<void()> confirmClicked;
  std::function<void(int index)> suitClicked;
  // Keyboard play: Left/Right (-1/+1) move along South's hand, Enter/Space play.
  std::function<int(int current, int step)> nextCard;
  // The card Enter or Space picks when none is picked yet (0 for none).
  std::function<int()> firstPlayable;
  std::function<void(int card)> cardChosenByKey;

  // The card under a point of the widget, the one lying on top; 0 for none.
  int CardAt(QPoint point) const;
  // A rectangle of the table (twips) in widget pixels.
  QRectF ToPixels(int left, int top, int width, int height) const;
  int highlighted() const { return highlighted_; }
  // Points at a card of South's (a hint); the keyboard then plays it with Enter.
  void Highlight(int card);
  // A refused card shakes briefly.
  void Shake(int card);
  // The last trick, face up where it was played, until HideLastTrick (or the next click).
  void ShowLastTrick();
  void HideLastTrick();
  QSize sizeHint() const override;

  // What a screen reader is told of the table: South's cards by name, the trick on the table,
  // the contract panel's lines, the seats' captions; each with its place in the view.
  struct Described {
    QString name;
    QRect rect;
  };
  std::vector<Described> Describe() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void Place(QWidget* w, int left, int top, int width, int height, QWidget* frame = nullptr);
  void PlaceAll();
  void BuildBidPanel();
  void BuildTrumpPanel();
  QFont ScaledFont(double pixelsAtOne, bool bold = false, bool serif = false) const;
  QRectF CardRect(const CardBox& box, int picture) const;
  void PaintFelt(QPainter& p);
  void PaintCards(QPainter& p, qreal dpr);
  void PaintCaptions(QPainter& p, qreal dpr);
  QString FitCaption(QPainter& p, const QRectF& box, const std::string& text) const;
  QRectF CaptionBox(int seat) const;
  void PaintLiftedCard(QPainter& p, qreal dpr);
  // The card lifted out of South's row by the keyboard, or 0.
  int Lifted() const;
  QRectF LiftedRect() const;  // where the lifted card is drawn
  int focusedBid_ = -1;  // the bid option the keys were last put on
  void PaintTurn(QPainter& p);
  // Where the contract panel lies, and the lines it writes there in which font.
  struct ContractPanel {
    QRectF box;
    QFont font;
    std::array<QString, 3> lines;
    std::array<qreal, 3> heights{};
  };
  ContractPanel LayOutContract() const;
  void PaintContract(QPainter& p);
  void PaintLastTrick(QPainter& p, qreal dpr);


  const Table& t_;
  CardArt art_;
  double scale_ = 1.0;
  QPointF origin_;
  int highlighted_ = 0;
  int shaking_ = 0;       // the card that shakes, and how far through its shake
  int shakeStep_ = 0;
  bool lastTrickShown_ = false;
  class QTimer* shakeTimer_ = nullptr;

  QListWidget* list_;
  std::size_t listShown_ = 0;
  QGroupBox* pointsPanel_;
  std::array<QLabel*, 4> pointsName_{}, pointsLabel_{};
  QGroupBox* bidPanel_;
  // Seven options for the Classic bids, nine for the calls of the Standard rules' auction.
  std::array<QRadioButton*, 9> bidOptions_{};
  bool auctionPanel_ = false;  // the options are laid out for the auction
  void PlaceBidOptions();
  void MirrorListAndPoints();
  void MirrorBidPanel(bool opening);
  QPushButton* bidButton_;
  QLabel* confirm_;
  QLabel* bidPanelSign_;
  QLabel* turnedUpNote_;
  std::array<QLabel*, 4> otherBids_{};
  QGroupBox* trumps_;
  std::array<QPushButton*, 5> trumpButtons_{};
};

}  // namespace solo::ui
