// The window tests run headless (QT_QPA_PLATFORM=offscreen) inside one application object.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  // Settings the tests save go to a folder of their own, never the player's.
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName("Solo Whist tests");
  QCoreApplication::setApplicationName("Solo Whist tests");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
