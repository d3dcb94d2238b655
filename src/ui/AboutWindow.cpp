#include "ui/AboutWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include "ui/CardArt.h"

namespace solo::ui {

namespace {

#ifdef Q_OS_WIN
// Reads one string value of the registry; false with an empty text when it is not there.
bool GetKeyValue(HKEY keyRoot, const QString& keyName, const QString& subKeyRef, QString& keyVal) {
  keyVal.clear();
  HKEY key;
  if (RegOpenKeyExW(keyRoot, reinterpret_cast<LPCWSTR>(keyName.utf16()), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return false;
  wchar_t buffer[1024];
  DWORD size = sizeof(buffer);
  DWORD type = 0;
  const bool ok = RegQueryValueExW(key, reinterpret_cast<LPCWSTR>(subKeyRef.utf16()), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  if (!ok) return false;
  int chars = static_cast<int>(size / sizeof(wchar_t));
  if (chars > 0 && buffer[chars - 1] == L'\0') --chars;
  keyVal = QString::fromWCharArray(buffer, chars);
  return true;
}

QString FindViewer() {
  QString path;
  if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) return path;
  if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path)) {
    const QString exe = path + "\\MSINFO32.EXE";
    if (QFileInfo::exists(exe)) return exe;
  }
  return {};
}
#else
// The system information viewers of the desktops, as they are named on the PATH.
QString FindViewer() {
  for (const char* name : {"hardinfo2", "hardinfo", "kinfocenter"}) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return path;
  }
  return {};
}
#endif

}  // namespace

QString VersionText(int major, int minor, int revision) {
  return QString("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

SysInfo SysInfo::ForThisSystem(QWidget* parent) {
  return {FindViewer, [](const QString& path) { return QProcess::startDetached(path, {}); },
          [parent](const QString& text) { QMessageBox::information(parent, QApplication::applicationName(), text); }};
}

void StartSysInfo(const SysInfo& sysInfo) {
  const QString viewer = sysInfo.find();
  if (!viewer.isEmpty() && sysInfo.start(viewer)) return;
  sysInfo.tell("System Information Is Unavailable At This Time");
}

AboutWindow::AboutWindow(QWidget* parent, int major, int minor, int revision) : QDialog(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  const QString title = QApplication::applicationName().isEmpty() ? "Solo Whist" : QApplication::applicationName();
  setWindowTitle("About " + title);

  auto* picIcon = new QLabel(this);
  picIcon->setPixmap(CardArt::AppIcon().pixmap(64, 64));
  auto* lblTitle = new QLabel(title, this);
  QFont big = lblTitle->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  lblTitle->setFont(big);
  lblVersion_ = new QLabel(VersionText(major, minor, revision), this);
  lblVersion_->setObjectName("lblVersion");
  auto* lblDescription = new QLabel(
      "A Whist game similar in many ways to Contract Bridge in which you play against three computer players.", this);
  lblDescription->setWordWrap(true);
  auto* lblDisclaimer = new QLabel("Free to play and to share; it comes with no warranty of any kind.", this);
  const auto line = [this] {
    auto* l = new QFrame(this);
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
  };

  auto* cmdOK = new QPushButton("OK", this);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  auto* cmdSysInfo = new QPushButton("&System Info...", this);
  cmdSysInfo->setObjectName("cmdSysInfo");
  connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(SysInfo::ForThisSystem(this)); });

  auto* top = new QGridLayout;
  top->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
  top->addWidget(lblTitle, 0, 1);
  top->addWidget(lblVersion_, 1, 1);
  top->addWidget(lblDescription, 2, 1);
  top->setColumnStretch(1, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdSysInfo);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblDisclaimer, 1, Qt::AlignBottom);
  bottom->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(line());
  layout->addWidget(line());
  layout->addLayout(bottom);
  setMinimumWidth(460);
}

}  // namespace solo::ui
