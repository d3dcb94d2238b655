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

QString ChooseDataFolder(const QString& requested) {
  if (!requested.isEmpty()) {
    QDir().mkpath(requested);
    return QDir(requested).absolutePath();
  }
  const QString own = QCoreApplication::applicationDirPath();
  if (IsWritableFolder(own)) return own;
  const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(user);
  return user;
}

}  // namespace solo::ui
