#pragma once
// A host that never sleeps: pauses add to a virtual clock, message boxes are answered from
// queues and recorded, and every wait for the user is met by a scripted player that clicks
// through the same handlers the window uses. Tests and the headless simulator use it.
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "table/Host.h"

namespace solo {

class ScriptedHost : public Host {
 public:
  struct Box {
    enum Kind { Deluxe, Message, Input } kind;
    BoxPurpose purpose = BoxPurpose::Notice;
    std::string prompt, title;
    std::vector<std::string> buttons;
    int icon = 0;
  };

  // Game time that has passed, in milliseconds.
  long long clock = 0;
  // Every box shown, in order; off when `recordBoxes` is false (long headless runs).
  bool recordBoxes = true;
  std::vector<Box> boxes;
  // Answers, taken in order; when a queue is empty the first button, OK or Yes answers, and
  // the input box is cancelled.
  std::deque<int> deluxeAnswers;
  std::deque<BoxAnswer> messageAnswers;
  std::deque<std::optional<std::string>> inputAnswers;
  int beeps = 0;
  // The status bar's passing lines, in order.
  std::vector<std::string> statusLines;
  std::vector<Sound> sounds;
  bool recordSounds = true;

  // Called whenever the game waits for the user; it should click what the game waits for.
  std::function<void()> player;
  // Called at the start of every pause with its length (a test may choose a menu command here).
  std::function<void(int ms)> onPause;
  // Called at every beep and sound, with what was heard ("beep", "card", "shuffle").
  std::function<void(const char* what)> onHeard;
  // Called as every box is shown, after it is recorded.
  std::function<void(const Box&)> onBox;
  // The stack address at each shuffle sound: it is played at the same depth on every hand,
  // so its spread shows whether the call depth grows with hands.
  std::vector<std::uintptr_t> shuffleStack;

  void Pause(int ms, const Interruption& interruption) override;
  void WaitFor(const std::function<bool()>& done) override;
  int ShowDeluxeBox(const DeluxeBox& box) override;
  BoxAnswer ShowMessageBox(BoxPurpose purpose, const std::string& text, const std::string& title,
                           BoxButtons buttons, BoxIcon icon) override;
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) override;
  void ShowStatus(const std::string& text) override { statusLines.push_back(text); }
  void Beep() override {
    ++beeps;
    if (onHeard) onHeard("beep");
  }
  void PlaySound(Sound sound) override;
  // Fast-forward: no game time passes, and boxes are answered by their first button, unrecorded.
  void FastForward(bool on) override { fastForward = on; }
  bool fastForward = false;

  // The last box recorded; the test must know there is one.
  const Box& LastBox() const { return boxes.back(); }

 private:
  void Record(Box box);
};

}  // namespace solo
