#pragma once
// Where the window goes on a screen, and the pace of the game, as the person left them.
#include <QRect>

namespace solo::ui {

// The wanted place of the window kept within the screen's available area: shrunk to fit (the
// table inside keeps its shape) and moved on screen when it would stand off it.
QRect FitToScreen(QRect wanted, const QRect& available);

// Options > Speed: the factor every pause is divided by, for each choice from slow to very fast.
inline constexpr double kPaces[4] = {0.6, 1.0, 2.0, 4.0};
inline constexpr const char* kPaceNames[4] = {"Slow", "Normal", "Fast", "Very fast"};

}  // namespace solo::ui
