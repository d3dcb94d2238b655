// Solo Whist: the window program.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "state/Random.h"
#include "table/Game.h"
#include "ui/DataFolder.h"
#include "ui/FrmMain.h"
#include "ui/QtHost.h"

namespace {

// Without a display Qt would print a stack of platform errors; one clear line is kinder.
bool HasDisplay() {
#if defined(Q_OS_LINUX)
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
#else
  return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fputs("Solo Whist needs a display: run it from a desktop session, or headless with: xvfb-run -a ./play.sh\n",
               stderr);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Solo Whist");
  QApplication::setApplicationVersion(QString("%1.%2.%3").arg(SOLO_VERSION_MAJOR).arg(SOLO_VERSION_MINOR).arg(SOLO_VERSION_PATCH));
  QApplication::setDesktopFileName("solo-whist");

  QCommandLineParser options;
  options.setApplicationDescription("Solo whist against three computer players.");
  options.addHelpOption();
  options.addVersionOption();
  const QCommandLineOption dataDir("data-dir", "Keep the names and points files in <dir>.", "dir");
  const QCommandLineOption seed("seed", "Deal from a fixed random seed <n> (the same deals every time).", "n");
  const QCommandLineOption fast("fast", "Play every pause ten times faster.");
  options.addOption(dataDir);
  options.addOption(seed);
  options.addOption(fast);
  options.process(app);

  const QString folder = solo::ui::ChooseDataFolder(options.value(dataDir));
  bool seeded = false;
  const qulonglong fixedSeed = options.value(seed).toULongLong(&seeded);
  solo::ui::QtHost host(QCoreApplication::applicationDirPath());
  if (options.isSet(fast)) host.SetSpeed(10);
  solo::FolderStorage storage(folder.toStdString());
  solo::Game game(host, storage, seeded ? fixedSeed : solo::FreshSeed());

  solo::ui::FrmMain window(game, host);
  window.show();
  QTimer::singleShot(0, &window, [&window] { window.Start(); });
  return QApplication::exec();
}
