#pragma once
// The About window: the program's title, version and description, and a button that starts
// the system's information viewer.
#include <QDialog>
#include <QString>

#include <functional>

class QLabel;

namespace solo::ui {

// "Version 2.0.15" for version numbers 2, 0 and 15.
QString VersionText(int major, int minor, int revision);

// Starts the system information viewer, or says it is unavailable. On Windows the viewer is
// found through the registry; elsewhere it is looked for on the PATH. Starting it never waits.
struct SysInfo {
  std::function<QString()> find;                  // the viewer's path, or empty
  std::function<bool(const QString&)> start;      // starts it, without waiting
  std::function<void(const QString&)> tell;       // shows a message
  static SysInfo ForThisSystem(QWidget* parent);
};
void StartSysInfo(const SysInfo& sysInfo);

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  AboutWindow(QWidget* parent, int major, int minor, int revision);
  QLabel* lblVersion() const { return lblVersion_; }

 private:
  QLabel* lblVersion_;
};

}  // namespace solo::ui
