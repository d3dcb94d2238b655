#pragma once
// The window's host. Pauses and waits run a local event loop that a timer, or the handler that
// changed what is awaited, wakes: it never spins, so a waiting game uses no processor time,
// and the window repaints and its menus work throughout. Before every pause, wait and box the
// window is brought up to date with the table.
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "table/Host.h"

class QEventLoop;
class QSoundEffect;
class QWidget;

namespace solo::ui {

class DeluxeBoxWindow;

class QtHost : public Host {
 public:
  explicit QtHost(QString soundFolder);
  ~QtHost() override;

  // The window the boxes belong to, how to bring it up to date, and where a message box goes.
  void Attach(QWidget* window, std::function<void()> mirror, std::function<QPoint()> boxPlace);
  // Pause lengths are divided by this: above 1 the game goes faster, below 1 slower.
  void SetSpeed(double factor) { speed_ = factor < 0.1 ? 0.1 : factor; }
  double speed() const { return speed_; }

  // Marks the time the window spends in one of the game's event handlers (a click, a menu
  // command). A handler never pauses or waits: a nested wait inside it would let a second hand
  // run inside the first. Debug builds stop at once when one does.
  class HandlerScope {
   public:
    explicit HandlerScope(QtHost& host) : host_(host) { ++host_.handlers_; }
    ~HandlerScope() { --host_.handlers_; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

   private:
    QtHost& host_;
  };

  // For a test of the real window over many hands: answers every box at once, without showing
  // it (the standard boxes with their first button; their texts go to standard error).
  std::function<int(const DeluxeBox&)> answerBoxes;

  void Pause(int ms, const Interruption& interruption) override;
  void WaitFor(const std::function<bool()>& done) override;
  void Wake() override;
  void Compute(const std::function<void(const std::atomic<bool>& stop)>& work,
               const Interruption& interruption) override;
  int ShowDeluxeBox(const DeluxeBox& box) override;
  BoxAnswer ShowMessageBox(BoxPurpose purpose, const std::string& text, const std::string& title, BoxButtons buttons,
                           BoxIcon icon) override;
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) override;
  void ShowStatus(const std::string& text) override;
  void Beep() override;
  void PlaySound(Sound sound) override;
  void FastForward(bool on) override { fastForward_ = on; }
  // Options ▸ Sound: off, the cards and the shuffle are silent and the beeps too.
  void SetSound(bool on) { sound_ = on; }
  bool sound() const { return sound_; }

 private:
  bool sound_ = true;
  bool fastForward_ = false;
  void Mirror();
  void RunLoop(int timeoutMs);
  // Once a box has closed the table has the keyboard again.
  void ReturnFocus();

  QString soundFolder_;
  QWidget* window_ = nullptr;
  std::function<void()> mirror_;
  std::function<QPoint()> boxPlace_;
  std::vector<QEventLoop*> loops_;
  std::unique_ptr<QSoundEffect> card_, shuffle_;
  DeluxeBoxWindow* deluxe_ = nullptr;
  double speed_ = 1;
  int handlers_ = 0;
};

}  // namespace solo::ui
