// quarzel [-i config.ini] [drawing]: the desktop program.
#include <QApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "ui/qt/qtbenutzer.h"
#include "ui/window/sitzung.h"
#include "ui/window/statusleiste.h"
#include "ui/window/tfenster.h"

namespace {

constexpr const char* kOhneBildschirm =
    "Quarzel braucht eine grafische Oberfläche (DISPLAY ist nicht gesetzt) / Quarzel needs a graphical display "
    "(DISPLAY is not set). Ohne Bildschirm / without a screen: xvfb-run -a make run\n";
constexpr const char* kBildschirmFehlt =
    "Quarzel kann die grafische Oberfläche nicht öffnen (DISPLAY=%s) / Quarzel cannot open the graphical display. "
    "Ohne Bildschirm / without a screen: xvfb-run -a make run\n";

bool gesetzt(const char* name) {
  const char* wert = std::getenv(name);
  return wert != nullptr && *wert != '\0';
}

// Qt's messages while it connects to the display. When the display named in
// DISPLAY cannot be reached, Qt ends with a fatal message and a core dump; the
// user gets one sentence instead. Otherwise the messages are shown afterwards.
QStringList startmeldungen;

void startmeldung(QtMsgType typ, const QMessageLogContext&, const QString& text) {
  if (typ == QtFatalMsg) {
    const char* anzeige = std::getenv("DISPLAY");
    std::fprintf(stderr, kBildschirmFehlt, anzeige ? anzeige : "");
    std::_Exit(1);
  }
  startmeldungen.append(text);
}

}  // namespace

int main(int argc, char** argv) {
  if (!gesetzt("DISPLAY") && !gesetzt("WAYLAND_DISPLAY") && !gesetzt("QT_QPA_PLATFORM")) {
    std::fputs(kOhneBildschirm, stderr);
    return 1;
  }
  QtMessageHandler vorher = qInstallMessageHandler(startmeldung);
  QApplication app(argc, argv);
  qInstallMessageHandler(vorher);
  for (const QString& m : startmeldungen) std::fprintf(stderr, "%s\n", m.toLocal8Bit().constData());
  // Qt's own dialogs (file choice, colour, print) speak German as the rest does.
  QTranslator qtTexte;
  if (qtTexte.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexte);
  QApplication::setOrganizationName(QStringLiteral("Quarzel"));
  QApplication::setApplicationName(QStringLiteral("Quarzel"));

  // QApplication has taken its own options (-platform ...) out of argv.
  std::vector<std::string> argumente;
  for (int i = 1; i < argc; ++i) argumente.emplace_back(argv[i] ? argv[i] : "");
  // Declared in this order so the window goes first and the session it shows
  // is still there while Qt deletes the window's widgets.
  quarzel::QtBenutzer benutzer;
  quarzel::Sitzung sitzung(benutzer, std::move(argumente));
  if (!sitzung.startGelungen()) return 1;
  quarzel::TFenster fenster(sitzung);
  benutzer.zeigeIn(&fenster,
                   [&fenster](const QString& text, int prozent) { fenster.statusleiste().fortschritt(text, prozent); });
  fenster.show();
  // Without a window manager (Xvfb) nobody else gives the window the keyboard.
  fenster.activateWindow();
  return app.exec();
}
