#pragma once
#include <QString>

namespace solo::ui {

// Where the names and points files live: the given folder if any; else the program's own
// folder when it can be written to and the program is not installed (a build folder, a folder
// copied whole); else the per-user data folder. The folder is created.
QString ChooseDataFolder(const QString& requested, bool installed);

// True when a file can be created in the folder.
bool IsWritableFolder(const QString& folder);

}  // namespace solo::ui
