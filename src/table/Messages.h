#pragma once
// The program's own message box, as the game calls it; it returns the button pressed (0-2).
// The prompt is given in parts, joined as they are: a name and a fixed text, say.
#include <initializer_list>
#include <string>
#include <string_view>

#include "table/Game.h"

namespace solo {

int DeluxeMsgBox(Host& host, BoxPurpose purpose, std::initializer_list<std::string_view> prompt,
                 std::string_view button1, std::string_view button2, std::string_view button3, int icon,
                 std::string_view title);

// The button that Escape or the window's close button answers: the box's declining button
// ("Cancel", "No") or its only button; -1 for a box without one, which Escape leaves open.
int DecliningButton(const DeluxeBox& box);

// The button Enter answers: the first, except in a box that destroys something ("Really
// Erase?"), where it is the safe, declining one.
int DefaultButton(const DeluxeBox& box);

// Tells the person something in the standard box with an OK button and the program's title.
void Tell(Host& host, const std::string& text, BoxIcon icon = BoxIcon::None);

inline constexpr const char* kAppTitle = "Solo Whist";

}  // namespace solo
