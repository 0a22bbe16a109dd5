// The Qt tests need a QApplication; without a display they run on the
// offscreen platform, which ctest's discovery run does not set for us.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

// The offscreen platform reports what it cannot do on every dialog; that
// noise would hide the messages that matter.
QtMessageHandler vorherigeBehandlung = nullptr;

void meldungenFiltern(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
  if (text.contains(QStringLiteral("propagateSizeHints")) || text.contains(QStringLiteral("XDG_RUNTIME_DIR"))) return;
  if (vorherigeBehandlung) {
    vorherigeBehandlung(typ, kontext, text);
  } else {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char* plattform = std::getenv("QT_QPA_PLATFORM");
  if (plattform == nullptr || *plattform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
  vorherigeBehandlung = qInstallMessageHandler(meldungenFiltern);
  ::testing::InitGoogleTest(&argc, argv);
  // Window geometry and other settings go to a test folder, not the user's.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  // The windows read and write the configuration file of the user running
  // the tests unless told otherwise; they get a folder of their own.
  QTemporaryDir benutzerordner;
  if (benutzerordner.isValid()) {
    setenv("XDG_CONFIG_HOME", benutzerordner.filePath(QStringLiteral("config")).toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", benutzerordner.filePath(QStringLiteral("data")).toLocal8Bit().constData(), 1);
  }
  QApplication::setOrganizationName(QStringLiteral("QuarzelTest"));
  QApplication::setApplicationName(QStringLiteral("QuarzelTest"));
  return RUN_ALL_TESTS();
}
