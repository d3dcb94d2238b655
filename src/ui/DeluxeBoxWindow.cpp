#include "ui/DeluxeBoxWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "table/Messages.h"
#include "table/TableLayout.h"
#include "ui/CardArt.h"

namespace solo::ui {

namespace {

constexpr int kTw = layout::kTwipsPerPixel;
const QColor kTeal(0, 128, 128);
const QColor kPromptColour(192, 255, 255);
const QColor kTitleBack(0, 0, 64);
const QColor kLight(240, 240, 240);
const QColor kShadow(128, 128, 128);
constexpr int kButtonWidth = 1275, kButtonHeight = 300;

int Px(int twips) { return qRound(twips / double(kTw)); }

QFont BoxFont(int points) {
  QFont font("Times New Roman");
  font.setStyleHint(QFont::Serif);
  font.setBold(true);
  font.setPointSize(points);
  return font;
}

}  // namespace

// A button body with its caption: drawn raised, and sunken while the mouse is pressed on it.
class DeluxeButton : public QWidget {
 public:
  DeluxeButton(QWidget* parent, std::function<void()> clicked) : QWidget(parent), clicked_(std::move(clicked)) {
    setFixedSize(Px(kButtonWidth), Px(kButtonHeight));
    setCursor(Qt::PointingHandCursor);
    setFont(BoxFont(12));
  }
  void SetCaption(const QString& caption) {
    caption_ = caption;
    pressed_ = false;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(212, 208, 200));
    const int w = width(), h = height();
    // Raised: light all round, shadow along the bottom and right; sunken the other way.
    p.setPen(pressed_ ? kShadow : kLight);
    p.drawRect(0, 0, w - 1, h - 1);
    p.setPen(pressed_ ? kLight : kShadow);
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, 0, w - 1, h - 1);
    p.setPen(Qt::black);
    const QRect captionBox = pressed_ ? QRect(2, 2, w - 3, h - 3) : QRect(1, 1, w - 2, h - 2);
    p.drawText(captionBox, Qt::AlignCenter, caption_);
  }
  void mousePressEvent(QMouseEvent*) override {
    pressed_ = true;
    update();
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    const bool inside = rect().contains(event->position().toPoint());
    pressed_ = inside;
    update();
    if (inside) clicked_();
  }

 private:
  std::function<void()> clicked_;
  QString caption_;
  bool pressed_ = false;
};

DeluxeBoxWindow::DeluxeBoxWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(kAppTitle);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kTeal);
  setPalette(pal);
  setAutoFillBackground(true);

  label2_ = new QLabel(this);
  label2_->setTextFormat(Qt::PlainText);  // prompts hold the players' names
  label2_->setWordWrap(true);
  label2_->setFont(BoxFont(12));
  label2_->setStyleSheet(QString("color: %1;").arg(kPromptColour.name()));
  label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  label3_ = new QLabel(this);
  label3_->setTextFormat(Qt::PlainText);
  label3_->setFont(BoxFont(9));
  label3_->setAutoFillBackground(true);
  label3_->setStyleSheet(QString("color: white; background: %1;").arg(kTitleBack.name()));

  picture1_ = new QLabel(this);
  picture1_->setGeometry(Px(3960), Px(480), Px(510), Px(510));
  picture1_->setAlignment(Qt::AlignCenter);

  for (int i = 0; i < 3; ++i) pic1_[i] = new DeluxeButton(this, [this, i] { Answer(i); });
}

int DeluxeBoxWindow::Ask(const DeluxeBox& box, QPoint topLeft) {
  box_ = box;
  // The prompt wraps within its width and the box grows with it.
  const QString prompt = QString::fromStdString(box.prompt);
  label2_->setText(prompt);
  const QRect needed = label2_->fontMetrics().boundingRect(QRect(0, 0, Px(3375), 10000), Qt::TextWordWrap, prompt);
  label2_->setGeometry(Px(90), Px(450), Px(3375), needed.height() + 2);
  label3_->setText("   " + QString::fromStdString(box.title));
  picture1_->setPixmap(CardArt::BoxPicture(box.icon, 32, devicePixelRatioF()));
  pic1_[0]->SetCaption(QString::fromStdString(box.button1));
  pic1_[1]->SetCaption(QString::fromStdString(box.button2));
  pic1_[2]->SetCaption(QString::fromStdString(box.button3));
  Arrange();
  move(topLeft);
  answer_ = -1;
  exec();
  return answer_ < 0 ? 0 : answer_;
}

void DeluxeBoxWindow::Arrange() {
  width_ = 4500;
  height_ = label2_->height() * kTw + 1140;
  setFixedSize(Px(width_), Px(height_));
  label3_->setGeometry(Px(45), Px(60), Px(width_ - 90), Px(300));
  for (int i = 0; i < 3; ++i) {
    pic1_[i]->move(Px(ButtonLeftTwips(i)), Px(ButtonTopTwips()));
    pic1_[i]->setVisible(ButtonShown(i));
  }
}

bool DeluxeBoxWindow::ButtonShown(int i) const {
  if (i == 0) return true;
  return !(i == 1 ? box_.button2 : box_.button3).empty();
}

int DeluxeBoxWindow::ButtonTopTwips() const { return height_ - kButtonHeight - 90; }

int DeluxeBoxWindow::ButtonLeftTwips(int i) const {
  const int w = width_, w0 = kButtonWidth, w1 = kButtonWidth;
  const bool two = !box_.button2.empty(), three = two && !box_.button3.empty();
  if (three) {
    if (i == 0) return w / 2 - w0 - w1 / 2 - 45;
    if (i == 1) return w / 2 - w1 / 2;
    return w / 2 + w1 / 2 + 45;
  }
  if (two) return i == 0 ? w / 2 - w0 - 23 : w / 2 + 23;
  return w / 2 - w0 / 2;
}

QString DeluxeBoxWindow::TitleText() const { return label3_->text(); }

void DeluxeBoxWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  const int w = width(), h = height();
  const int inset = Px(15), far = Px(30);
  p.setPen(kLight);
  p.drawRect(inset, inset, w - far - inset, h - far - inset);
  p.setPen(kShadow);
  p.drawLine(inset, h - far, w - far, h - far);
  p.drawLine(w - far, inset, w - far, h - far);
}

void DeluxeBoxWindow::Answer(int index) {
  answer_ = index;
  accept();
}

void DeluxeBoxWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Answer(DefaultButton(box_));
    return;
  }
  QDialog::keyPressEvent(event);
}

void DeluxeBoxWindow::reject() {
  const int declining = DecliningButton(box_);
  if (declining >= 0) Answer(declining);
}

void DeluxeBoxWindow::closeEvent(QCloseEvent* event) {
  if (isVisible() && answer_ < 0) {
    event->ignore();
    reject();
  }
}

}  // namespace solo::ui
