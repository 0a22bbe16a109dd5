#include "ui/window/importbefehle.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <memory>

#include "exchange/cadformate.h"
#include "exchange/cadimport.h"
#include "ui/dialogs/cadimportdialog.h"
#include "ui/dialogs/konverterwarten.h"
#include "ui/window/ansichtsbefehle.h"
#include "ui/window/sitzung.h"

namespace quarzel {

Importbefehle::Importbefehle(Fensteranschluss fenster, QMenu& dateimenue, QAction* vor, QMenuBar& leiste)
    : QObject(&fenster.fenster), fenster_(fenster) {
  QMenu* import = new QMenu(QStringLiteral("Importieren"), &dateimenue);
  import->setObjectName(QStringLiteral("Importieren"));
  dateimenue.insertMenu(vor, import);
  // Both entries run the same command.
  for (const QString& text : {QStringLiteral("&DXF..."), QStringLiteral("DXF/DWG...")}) {
    QAction* a = import->addAction(text);
    connect(a, &QAction::triggered, this, &Importbefehle::importieren);
  }
  for (QAction* a : leiste.actions()) {
    QMenu* m = a->menu();
    if (m == nullptr || m->objectName() != QStringLiteral("Einstellungen")) continue;
    QAction* optionen = m->addAction(QStringLiteral("Im- und Export..."));
    connect(optionen, &QAction::triggered, this, &Importbefehle::optionenBearbeiten);
  }
}

bool Importbefehle::zeige(QDialog& dialog) {
  if (vorDialog) vorDialog(dialog);
  if (dialog.result() == QDialog::Accepted) return true;
  return dialog.exec() == QDialog::Accepted;
}

void Importbefehle::importieren() {
  Sitzung& s = fenster_.sitzung;
  TCadImport dialog(s.benutzer, s.cadImport, &fenster_.fenster);
  // The dialog opens on the file dialog, as the command asks for the file first.
  if (!vorDialog && !dialog.oeffneCad()) return;
  if (!zeige(dialog) || dialog.datei() == nullptr) return;
  s.cadImport = dialog.optionen();
  if (!cadVersionBestaetigt(dialog.datei()->pfad, s.benutzer)) return;
  const CadImportergebnis e = importiereCad(s.zeichnung, s.benutzer, *dialog.datei(), s.cadImport, dialog.layout());
  if (e.zielebene == 0) return;
  s.zeichnung.ansicht.gesamteZeichnung(gezeigteUmgebung(s), s.zeichnung.speicher.anzahl() == 0);
  fenster_.neuZeichnen();
}

void Importbefehle::importiere(const std::string& pfad, const std::string& layout) {
  Sitzung& s = fenster_.sitzung;
  std::unique_ptr<Konverterwarten> warten;
  std::function<bool()> abbruch;
  if (cadLeser(pfad) == CadLeser::Dwg) {
    warten = std::make_unique<Konverterwarten>(&fenster_.fenster, QStringLiteral("Die DWG-Datei wird gelesen..."));
    abbruch = warten->abbruch();
  }
  const CadImportergebnis e = importiereCadDatei(s.zeichnung, s.benutzer, pfad, s.cadImport, layout, abbruch);
  warten.reset();
  if (e.zielebene == 0) return;
  s.zeichnung.ansicht.gesamteZeichnung(gezeigteUmgebung(s), s.zeichnung.speicher.anzahl() == 0);
  fenster_.neuZeichnen();
}

void Importbefehle::optionenBearbeiten() {
  Sitzung& s = fenster_.sitzung;
  TImExport dialog(s.cadImport, &fenster_.fenster);
  if (zeige(dialog)) s.cadImport = dialog.optionen();
}

}  // namespace quarzel
