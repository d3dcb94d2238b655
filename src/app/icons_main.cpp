// solo-icons: writes the game's icon, drawn by the game's own code, as PNG files for the icon
// theme: <folder>/<size>x<size>/apps/solo-whist.png for every size given. Run at build time.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

#include "ui/CardArt.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fputs("usage: solo-icons FOLDER SIZE...\n", stderr);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const int side = QString::fromLocal8Bit(argv[i]).toInt();
    const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(side);
    if (side <= 0 || !QDir().mkpath(dir) || !solo::ui::CardArt::IconPicture(side).save(dir + "/solo-whist.png")) {
      std::fprintf(stderr, "solo-icons: cannot write the %s pixel icon in %s\n", argv[i], qUtf8Printable(dir));
      return 1;
    }
  }
  return 0;
}
