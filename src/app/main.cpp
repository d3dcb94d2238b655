// Solo Whist: the window program.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStringList>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "game/TablePresentation.h"
#include "state/Random.h"
#include "store/FolderLock.h"
#include "table/Game.h"
#include "ui/DataFolder.h"
#include "ui/MainWindow.h"
#include "ui/QtHost.h"
#include "ui/SelfPlay.h"

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

// A wrong command line gets one clear line and status 2, as command-line tools do.
[[noreturn]] void Refuse(const QString& why) {
  std::fprintf(stderr, "solo-whist: %s\n", qUtf8Printable(why));
  std::exit(2);
}

// Two copies saving into one folder would undo each other's points: the second copy asks.
// Returns false when the person chooses to quit.
bool MayPlayBesideAnotherCopy(const QString& folder) {
  QMessageBox box(QMessageBox::Warning, "Solo Whist",
                  "Another copy of Solo Whist is already using the folder \"" + QDir::toNativeSeparators(folder) +
                      "\" for its names and points.\n\nIf both copies saved there, each would undo the other's "
                      "points. You can quit this copy, or play in it without saving names or points.");
  QPushButton* quit = box.addButton("Quit", QMessageBox::RejectRole);
  box.addButton("Play Without Saving", QMessageBox::AcceptRole);
  box.setDefaultButton(quit);
  box.exec();
  return box.clickedButton() != quit;
}

// What the command line asked for, checked.
struct CommandLine {
  QString dataDir;
  std::optional<qulonglong> seed;  // a fixed seed, or a fresh one each run
  bool fast = false;
  long selfPlayHands = 0;
};

// Reads the command line (--help and --version end the program here; a wrong one is refused).
CommandLine ReadCommandLine() {
  QCommandLineParser options;
  options.setApplicationDescription("Solo whist against three computer players.");
  const QCommandLineOption help = options.addHelpOption();
  const QCommandLineOption version = options.addVersionOption();
  const QCommandLineOption dataDir("data-dir", "Keep the names and points files in <dir>.", "dir");
  const QCommandLineOption seed("seed", "Deal from a fixed random seed <n> (the same deals every time).", "n");
  const QCommandLineOption fast("fast", "Play every pause ten times faster.");
  options.addOption(dataDir);
  options.addOption(seed);
  options.addOption(fast);
  // For the soak test of the real window only, so not in --help.
  QCommandLineOption selfPlay("self-play", "The computer plays <hands> hands at South, answering every box.", "hands");
  selfPlay.setFlags(QCommandLineOption::HiddenFromHelp);
  options.addOption(selfPlay);
  if (!options.parse(QCoreApplication::arguments())) Refuse(options.errorText());
  if (options.isSet(help)) options.showHelp(0);
  if (options.isSet(version)) options.showVersion();
  if (!options.positionalArguments().isEmpty()) Refuse("unexpected argument " + options.positionalArguments().first());

  CommandLine line;
  line.fast = options.isSet(fast);
  if (options.isSet(seed)) {
    const QString text = options.value(seed);
    bool ok = !text.isEmpty();
    for (const QChar c : text) ok = ok && c >= '0' && c <= '9';
    if (ok) line.seed = text.toULongLong(&ok);
    if (!ok) Refuse("--seed takes a whole number from 0 to 18446744073709551615, not \"" + text + "\"");
  }
  if (options.isSet(selfPlay)) {
    bool ok = false;
    line.selfPlayHands = options.value(selfPlay).toLong(&ok);
    if (!ok || line.selfPlayHands < 1) Refuse("--self-play takes a number of hands from 1");
  }
  if (options.isSet(dataDir)) {
    const QString dir = options.value(dataDir);
    if (dir.isEmpty()) Refuse("--data-dir needs a folder");
    if (QFileInfo(dir).exists() && !QFileInfo(dir).isDir()) Refuse("--data-dir: \"" + dir + "\" is not a folder");
    if (!QDir().mkpath(dir)) Refuse("--data-dir: the folder \"" + dir + "\" cannot be made");
    line.dataDir = dir;
  }
  return line;
}

// Plays in the window until the person leaves; returns the program's status.
int Play(const CommandLine& line) {
  const QString programDir = QCoreApplication::applicationDirPath();
  const bool installed = QString(SOLO_INSTALLED_DIRS).split(':').contains(QDir::cleanPath(programDir));
  const QString folder = solo::ui::ChooseDataFolder(line.dataDir, installed);
  const solo::FolderLock lock(folder.toStdString());
  solo::FileAccess access = solo::FileAccess::ReadWrite;
  if (lock.state() == solo::FolderLock::State::Busy) {
    if (!MayPlayBesideAnotherCopy(folder)) return 0;
    access = solo::FileAccess::ReadOnly;
  }

  // The sounds lie beside the program in a build folder, in share/solo-whist once installed.
  const QString sounds = installed ? QDir::cleanPath(programDir + "/../share/solo-whist") : programDir;
  solo::ui::QtHost host(sounds);

  solo::FolderStorage storage(folder.toStdString(), access);
  solo::Game game(host, storage, line.seed ? *line.seed : solo::FreshSeed());
  solo::SetUpTable(game);

  // Every hand is kept in the hand history too (read only beside another copy of the game).
  solo::HandHistory history(game, folder.toStdString(), access == solo::FileAccess::ReadOnly);
  // The hand in play is kept for resuming (not beside another copy, nor in a self-play run).
  std::unique_ptr<solo::HandKeeper> keeper;
  if (access == solo::FileAccess::ReadWrite && line.selfPlayHands == 0)
    keeper = std::make_unique<solo::HandKeeper>(game, folder.toStdString());
  solo::ui::MainWindow window(game, host);
  window.SetHistory(&history);
  window.SetKeeper(keeper.get());
  if (line.fast) {
    window.FixPace(10);
    window.SetPace(QSettings().value("options/speed", 1).toInt());
  }
  std::unique_ptr<solo::ui::SelfPlay> soak;
  if (line.selfPlayHands > 0) soak = std::make_unique<solo::ui::SelfPlay>(game, host, line.selfPlayHands);
  window.show();
  QTimer::singleShot(0, &window, [&window] { window.Start(); });
  const int status = QCoreApplication::exec();
  // Hands still waiting for a database another program held get one last chance.
  const std::string lost = history.Close();
  if (!lost.empty() && !soak) QMessageBox::warning(nullptr, "Solo Whist", QString::fromStdString(lost));
  if (!lost.empty() && soak) std::fprintf(stderr, "solo-whist: %s\n", lost.c_str());
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  // The command line is read before anything needs a display, so --help works anywhere.
  const bool display = HasDisplay();
  std::unique_ptr<QCoreApplication> app =
      display ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
  QCoreApplication::setApplicationName("Solo Whist");
  QCoreApplication::setOrganizationName("Solo Whist");
  QCoreApplication::setApplicationVersion(
      QString("%1.%2.%3").arg(SOLO_VERSION_MAJOR).arg(SOLO_VERSION_MINOR).arg(SOLO_VERSION_PATCH));

  // Qt reads the command line as text: bytes that are not text in this system's encoding would
  // come back as other characters, and a folder named so would be another folder.
  for (int i = 1; i < argc; ++i)
    if (QFile::encodeName(QFile::decodeName(argv[i])) != QByteArray(argv[i]))
      Refuse("an argument is not valid text in this system's encoding (UTF-8): rename the folder or use another");
  const CommandLine line = ReadCommandLine();

  if (!display) {
    std::fputs("Solo Whist needs a display: run it from a desktop session, or headless with: xvfb-run -a ./play.sh\n",
               stderr);
    return 2;
  }
  QGuiApplication::setDesktopFileName("net.solowhist.SoloWhist");
  return Play(line);
}
