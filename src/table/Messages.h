#pragma once
// The program's own message box, as the game calls it; it returns the button pressed (0-2).
#include <string>

#include "table/Game.h"

namespace solo {

int DeluxeMsgBox(Game& g, BoxPurpose purpose, const std::string& prompt, const std::string& button1, const std::string& button2,
                  const std::string& button3, int icon, const std::string& title);

// The button that Escape or the window's close button answers: the box's declining button
// ("Cancel", "No") or its only button; -1 for a box without one, which Escape leaves open.
int DecliningButton(const DeluxeBox& box);

// Tells the person something in the standard box with an OK button and the program's title.
void Tell(Game& g, const std::string& text, BoxIcon icon = BoxIcon::None);

inline constexpr const char* kAppTitle = "Solo Whist";

}  // namespace solo
