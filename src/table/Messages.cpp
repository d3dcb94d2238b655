#include "table/Messages.h"

namespace solo {

int DeluxeMsgBox(Host& host, BoxPurpose purpose, std::initializer_list<std::string_view> prompt,
                 std::string_view button1, std::string_view button2, std::string_view button3, int icon,
                 std::string_view title) {
  host.Beep();
  DeluxeBox& box = host.box;
  box.purpose = purpose;
  if (!host.ReadsBoxes()) return host.ShowDeluxeBox(box);
  SetText(box.prompt, prompt);
  box.button1.assign(button1);
  box.button2.assign(button2);
  box.button3.assign(button3);
  box.icon = icon;
  box.title.assign(title);
  return host.ShowDeluxeBox(box);
}

int DecliningButton(const DeluxeBox& box) {
  const std::string* captions[3] = {&box.button1, &box.button2, &box.button3};
  for (int i = 0; i < 3; ++i)
    if (*captions[i] == "Cancel" || *captions[i] == "No") return i;
  if (box.button2.empty() && box.button3.empty()) return 0;
  return -1;
}

int DefaultButton(const DeluxeBox& box) {
  if (box.purpose == BoxPurpose::ReallyErase) {
    const int safe = DecliningButton(box);
    if (safe >= 0) return safe;
  }
  return 0;
}

void Tell(Host& host, const std::string& text, BoxIcon icon) {
  host.ShowMessageBox(BoxPurpose::Notice, text, kAppTitle, BoxButtons::Ok, icon);
}

}  // namespace solo
