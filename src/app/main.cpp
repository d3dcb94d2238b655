// Solo Whist: the window program.
#include <QApplication>
#include <QMainWindow>

#include <cstdio>
#include <cstdlib>

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
  QMainWindow window;
  window.setWindowTitle("Solo Whist");
  window.resize(969, 700);
  window.show();
  return QApplication::exec();
}
