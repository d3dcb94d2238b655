#pragma once
// The program's own message box: a teal box with a title strip, the prompt, one of three
// pictures and up to three raised buttons. Modal; the clicked button's index is the answer.
// Beyond clicking: Enter answers the first button; Escape and the close button answer the
// declining button ("Cancel", "No") or a box's only button, and do nothing in a box without one.
#include <QDialog>

#include "table/Host.h"

class QLabel;

namespace solo::ui {

class DeluxeButton;

class DeluxeBoxWindow : public QDialog {
  Q_OBJECT
 public:
  explicit DeluxeBoxWindow(QWidget* parent);
  // Shows the box with its top-left corner at `topLeft` (screen pixels) and returns the index
  // of the button that answered it.
  int Ask(const DeluxeBox& box, QPoint topLeft);

  // Layout in twips, as the box is drawn (exposed for tests).
  int BoxHeightTwips() const { return height_; }
  int ButtonLeftTwips(int i) const;
  int ButtonTopTwips() const;
  bool ButtonShown(int i) const;
  QString TitleText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void Answer(int index);
  void Arrange();

  DeluxeBox box_;
  int answer_ = 0;
  int width_ = 4500, height_ = 1140;
  QLabel* label2_;
  QLabel* label3_;
  QLabel* picture1_;
  DeluxeButton* pic1_[3];
};

}  // namespace solo::ui
