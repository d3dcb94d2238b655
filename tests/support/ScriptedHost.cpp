#include "support/ScriptedHost.h"

#include <stdexcept>

namespace solo {

void ScriptedHost::Pause(int ms, const Interruption& interruption) {
  // A fast-forward has no pauses, so no command can be chosen during one.
  if (fastForward) return;
  if (onPause) onPause(ms);
  if (interruption.Interrupted()) return;
  clock += ms;
}

void ScriptedHost::WaitFor(const std::function<bool()>& done) {
  // A player that does not answer would leave the game waiting for ever; say so instead.
  constexpr int kPatience = 100;
  for (int tries = 0; !done(); ++tries) {
    if (!player || tries == kPatience) throw std::logic_error("nobody answers what the game waits for");
    player();
  }
}

void ScriptedHost::Record(Box box) {
  if (recordBoxes) boxes.push_back(box);
  if (onBox) onBox(box);
}

int ScriptedHost::ShowDeluxeBox(const DeluxeBox& box) {
  if (fastForward) return 0;
  Record({Box::Deluxe, box.purpose, box.prompt, box.title, {box.button1, box.button2, box.button3}, box.icon});
  if (deluxeAnswers.empty()) return 0;
  const int answer = deluxeAnswers.front();
  deluxeAnswers.pop_front();
  return answer;
}

BoxAnswer ScriptedHost::ShowMessageBox(BoxPurpose purpose, const std::string& text, const std::string& title,
                                       BoxButtons buttons, BoxIcon icon) {
  if (fastForward) return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
  Record({Box::Message, purpose, text, title, {}, static_cast<int>(icon)});
  if (messageAnswers.empty()) return buttons == BoxButtons::YesNo ? BoxAnswer::Yes : BoxAnswer::Ok;
  const BoxAnswer answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedHost::InputBox(const std::string& prompt, const std::string& title,
                                                  const std::string& defaultText) {
  Record({Box::Input, BoxPurpose::Notice, prompt, title, {defaultText}, 0});
  if (inputAnswers.empty()) return std::nullopt;
  std::optional<std::string> answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

void ScriptedHost::PlaySound(Sound sound) {
  if (fastForward) return;
  if (recordSounds) sounds.push_back(sound);
  if (onHeard) onHeard(sound == Sound::Card ? "card" : "shuffle");
  if (sound == Sound::Shuffle) {
    volatile char probe = 0;
    shuffleStack.push_back(reinterpret_cast<std::uintptr_t>(&probe));
  }
}

}  // namespace solo
