#pragma once
// Where the window goes on a screen, and the pace of the game, as the person left them.
#include <QRect>

class QWidget;

namespace solo::ui {

// The wanted place of the window kept within the screen's available area: shrunk to fit (the
// table inside keeps its shape) and moved on screen when it would stand off it.
QRect FitToScreen(QRect wanted, const QRect& available);

// The window's first size: the table (`table`, its designed size, with `bars` of menu and status
// bar below it) as large as fits about 85 % of the available area, keeping its shape, and never
// smaller than designed unless the screen is; centred on the screen.
QRect FirstPlace(QSize table, int bars, const QRect& available);

// A dialog's size: `wanted`, or less where the screen it will show on (its parent's) is smaller,
// leaving room for the frame the window manager adds.
QSize WithinScreen(const QWidget* window, QSize wanted);

// Whether a window kept on a screen of `keptScreen` at scale `keptScale` may be put back as it
// was on a screen of `screen` at `scale`: the same scale, and the kept place within the screen.
bool MayRestore(const QRect& kept, double keptScale, const QSize& keptScreen, const QRect& screen, double scale);

// Options > Speed: the factor every pause is divided by, for each choice from slow to very fast.
inline constexpr double kPaces[4] = {0.6, 1.0, 2.0, 4.0};
inline constexpr const char* kPaceNames[4] = {"Slow", "Normal", "Fast", "Very fast"};

}  // namespace solo::ui
