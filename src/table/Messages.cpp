#include "table/Messages.h"

namespace solo {

int DeluxeMsgBox(Game& g, BoxPurpose purpose, const std::string& prompt, const std::string& button1,
                 const std::string& button2, const std::string& button3, int icon, const std::string& title) {
  g.host.Beep();
  return g.host.ShowDeluxeBox({purpose, prompt, button1, button2, button3, icon, title});
}

int DecliningButton(const DeluxeBox& box) {
  const std::string* captions[3] = {&box.button1, &box.button2, &box.button3};
  for (int i = 0; i < 3; ++i)
    if (*captions[i] == "Cancel" || *captions[i] == "No") return i;
  if (box.button2.empty() && box.button3.empty()) return 0;
  return -1;
}

void Tell(Game& g, const std::string& text, BoxIcon icon) {
  g.host.ShowMessageBox(BoxPurpose::Notice, text, kAppTitle, BoxButtons::Ok, icon);
}

}  // namespace solo
