#include "ui/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace solo::ui {

bool IsWritableFolder(const QString& folder) {
  // Asking the file system is the only sure test: permissions alone mislead (read-only mounts,
  // access lists, root).
  QTemporaryFile probe(QDir(folder).filePath("write-test-XXXXXX"));
  return probe.open();
}

QString ChooseDataFolder(const QString& requested, bool installed) {
  if (!requested.isEmpty()) {
    QDir().mkpath(requested);
    return QDir(requested).absolutePath();
  }
  // An installed program's folder is shared by every user (and writable by root): never there.
  const QString own = QCoreApplication::applicationDirPath();
  if (!installed && IsWritableFolder(own)) return own;
  const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(user);
  return user;
}

}  // namespace solo::ui
