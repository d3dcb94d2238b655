#pragma once
// The rules and how to use the game: a window of its own, not modal, created once and shown
// again where the reader left it.
#include <QWidget>

class QTextEdit;

namespace solo::ui {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent);
  QTextEdit* text() const { return text1_; }

  // The rules sheet, as rich text.
  static QString RulesText();

 private:
  QTextEdit* text1_;
};

}  // namespace solo::ui
