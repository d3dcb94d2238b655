#include "ui/QtHost.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QSoundEffect>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <exception>
#include <thread>

#include "ui/DeluxeBoxWindow.h"

namespace solo::ui {

namespace {

std::unique_ptr<QSoundEffect> LoadSound(const QString& path) {
  // A missing file simply gives a silent effect: nothing else changes.
  auto effect = std::make_unique<QSoundEffect>();
  if (QFileInfo::exists(path)) effect->setSource(QUrl::fromLocalFile(path));
  effect->setVolume(0.8f);
  return effect;
}

}  // namespace

QtHost::QtHost(QString soundFolder) : soundFolder_(std::move(soundFolder)) {}

QtHost::~QtHost() = default;

void QtHost::Attach(QWidget* window, std::function<void()> mirror, std::function<QPoint()> boxPlace) {
  window_ = window;
  mirror_ = std::move(mirror);
  boxPlace_ = std::move(boxPlace);
}

void QtHost::Mirror() {
  if (mirror_) mirror_();
}

void QtHost::RunLoop(int timeoutMs) {
  QEventLoop loop;
  QTimer timer;
  if (timeoutMs >= 0) {
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
  }
  loops_.push_back(&loop);
  loop.exec();
  loops_.pop_back();
}

void QtHost::Pause(int ms, const Interruption& interruption) {
  Q_ASSERT_X(handlers_ == 0, "QtHost::Pause", "a pause started inside an event handler");
  if (fastForward_) return;
  Mirror();
  QElapsedTimer clock;
  clock.start();
  const qint64 length = static_cast<qint64>(ms / speed_);
  // A wake-up from a handler ends the loop early; the pause then goes on for what is left.
  for (;;) {
    if (interruption.Interrupted()) return;
    const qint64 left = length - clock.elapsed();
    if (left <= 0) return;
    RunLoop(static_cast<int>(left));
  }
}

void QtHost::WaitFor(const std::function<bool()>& done) {
  Q_ASSERT_X(handlers_ == 0, "QtHost::WaitFor", "a wait started inside an event handler");
  Mirror();
  while (!done()) RunLoop(-1);
}

void QtHost::Wake() {
  for (QEventLoop* loop : loops_) loop->quit();
}

void QtHost::Compute(const std::function<void(const std::atomic<bool>&)>& work, const Interruption& interruption) {
  Q_ASSERT_X(handlers_ == 0, "QtHost::Compute", "a computation started inside an event handler");
  Mirror();
  std::atomic<bool> stop{false}, finished{false};
  std::exception_ptr failure;
  // The worker's wake-up is delivered through this object: one still queued when the work is
  // over goes with it, never to a host that may be gone by then.
  QObject wakeUp;
  std::thread worker([&] {
    try {
      work(stop);
    } catch (...) {
      failure = std::current_exception();
    }
    finished = true;
    // Wakes this thread's loop; the wake is queued, so it is never lost between the check of
    // `finished` and the start of the loop.
    QMetaObject::invokeMethod(&wakeUp, [this] { Wake(); }, Qt::QueuedConnection);
  });
  // Until the work ends the window is served; an abandoned hand asks the work to stop early,
  // and the thread is always joined before anything it uses goes away.
  while (!finished) {
    if (interruption.Interrupted()) stop = true;
    RunLoop(-1);
  }
  worker.join();
  if (failure) std::rethrow_exception(failure);
}

int QtHost::ShowDeluxeBox(const DeluxeBox& box) {
  if (fastForward_) return 0;
  Mirror();
  if (answerBoxes) return answerBoxes(box);
  if (!deluxe_) deluxe_ = new DeluxeBoxWindow(window_);
  const QPoint at = boxPlace_ ? boxPlace_() : QPoint(260, 260);
  const int answer = deluxe_->Ask(box, at);
  ReturnFocus();
  return answer;
}

void QtHost::ReturnFocus() {
  if (!window_) return;
  window_->activateWindow();
  Mirror();
}

BoxAnswer QtHost::ShowMessageBox(BoxPurpose, const std::string& text, const std::string& title, BoxButtons buttons,
                                 BoxIcon icon) {
  if (fastForward_) return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
  Mirror();
  if (answerBoxes) {
    std::fprintf(stderr, "solo-whist: told: %s\n", text.c_str());
    return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
  }
  QMessageBox box(window_);
  box.setTextFormat(Qt::PlainText);  // messages name the players and files
  box.setWindowTitle(QString::fromStdString(title));
  box.setText(QString::fromStdString(text));
  switch (icon) {
    case BoxIcon::Question: box.setIcon(QMessageBox::Question); break;
    case BoxIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case BoxIcon::Information: box.setIcon(QMessageBox::Information); break;
    case BoxIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case BoxIcon::None: break;
  }
  switch (buttons) {
    case BoxButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case BoxButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case BoxButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
  }
  const int answer = box.exec();
  ReturnFocus();
  switch (answer) {
    case QMessageBox::Ok: return BoxAnswer::Ok;
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    default: return BoxAnswer::Cancel;
  }
}

std::optional<std::string> QtHost::InputBox(const std::string& prompt, const std::string& title,
                                            const std::string& defaultText) {
  Mirror();
  if (answerBoxes) return std::nullopt;
  bool ok = false;
  const QString text = QInputDialog::getText(window_, QString::fromStdString(title), QString::fromStdString(prompt),
                                             QLineEdit::Normal, QString::fromStdString(defaultText), &ok);
  ReturnFocus();
  if (!ok) return std::nullopt;
  return text.toStdString();
}

void QtHost::ShowStatus(const std::string& text) {
  constexpr int kShownMs = 10000;
  if (auto* main = qobject_cast<QMainWindow*>(window_)) main->statusBar()->showMessage(QString::fromStdString(text), kShownMs);
}

void QtHost::Beep() {
  if (sound_ && !fastForward_) QApplication::beep();
}

void QtHost::PlaySound(Sound sound) {
  if (!sound_ || fastForward_) return;
  if (!card_) {
    card_ = LoadSound(QDir(soundFolder_).filePath("Card.wav"));
    shuffle_ = LoadSound(QDir(soundFolder_).filePath("shuffle.wav"));
  }
  // A new sound takes over from one still playing.
  card_->stop();
  shuffle_->stop();
  (sound == Sound::Card ? card_ : shuffle_)->play();
}

}  // namespace solo::ui
