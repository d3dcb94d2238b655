#pragma once
// Pieces the history's windows share.
#include <QString>

#include <string>

class QBoxLayout;
class QComboBox;

namespace solo::ui {

// The history keeps times in UTC; windows show them in the person's own time.
QString LocalTime(const std::string& utc);

// "Hands: [This run of the game | The last 100 hands | All time]" at the top of `layout`; the
// box's index is a HandsWanted.
QComboBox* AddHandsFilter(QBoxLayout* layout, const QString& accessibleName);

}  // namespace solo::ui
