#include "ui/window/einstellungsbefehle.h"

#include <QMenu>
#include <QMenuBar>
#include <string>
#include <utility>
#include <vector>

#include "styles/linienstilstart.h"
#include "store/linienstilzeichnung.h"
#include "styles/schraffurbibliothek.h"
#include "ui/window/bildaufbau.h"
#include "ui/dialogs/bildschirmdarstellung.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/dialogs/linienstildialog.h"
#include "ui/dialogs/schraffurdialog.h"
#include "ui/tools/schraffurleiste.h"
#include "ui/tools/schraffurliste.h"
#include "ui/window/sichtbareelemente.h"
#include "ui/dialogs/stiftbreitendialog.h"
#include "ui/window/tfenster.h"
#include "ui/dialogs/zeichnungsoptionen.h"

namespace quarzel {

void bildschirmdarstellungBearbeiten(TFenster& fenster) {
  TBildschirmdarstellung dialog(fenster.einstellungen().darstellung, fenster.darstellungswahl(), &fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  fenster.einstellungen().darstellung = dialog.abschnitt();
  fenster.darstellungswahl() = dialog.wahl();
  // Read the file anew so sections other dialogs wrote meanwhile survive.
  Einstellungsdatei datei = fenster.konfiguration().openSettings();
  fenster.einstellungen().darstellung.schreibe(datei.ini());
  datei.speichern();
  darstellungAnwenden(fenster);
  fenster.Figurzeichnen();
}

void zeichnungsoptionenBearbeiten(TFenster& fenster) {
  Ansicht& ansicht = fenster.zeichnung().ansicht;
  TZeichnungsoptionen dialog(zeichnungsoptionenAus(ansicht), &fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  const Zeichnungsoptionenwahl wahl = dialog.wahl();
  const bool neuesBlatt = wahl.blattBreite != ansicht.sheetWidth || wahl.blattHoehe != ansicht.sheetHeight;
  wendeZeichnungsoptionenAn(ansicht, wahl);
  schreibeZeichnungsoptionen(fenster.einstellungen().projektoptionen, wahl);
  Einstellungsdatei datei = fenster.konfiguration().openSettings();
  fenster.einstellungen().projektoptionen.schreibe(datei.ini());
  datei.speichern();
  // The redraw refreshes the status texts of sheet and scale too; a sheet of
  // another size is shown whole, as it would be after opening a drawing.
  if (neuesBlatt) {
    fenster.gesamtesBlatt();
  } else {
    fenster.Figurzeichnen();
  }
}

namespace {

void stifteSpeichern(TFenster& fenster, const Stifttabelle& stifte) {
  fenster.einstellungen().stiftbreiten = stifte.alsEinstellung();
  Einstellungsdatei datei = fenster.konfiguration().openSettings();
  schreibeStifte(stifte, datei.ini());
  datei.speichern();
}

}  // namespace

void stiftbreitenBearbeiten(TFenster& fenster) {
  Zeichnung& z = fenster.zeichnung();
  TStiftbreiten dialog(z.stifte, &fenster);
  dialog.alsStandard = [&fenster](const Stifttabelle& stifte) { stifteSpeichern(fenster, stifte); };
  if (dialog.exec() != QDialog::Accepted) return;
  z.stifte = dialog.tabelle();
  stifteSpeichern(fenster, z.stifte);
  fenster.eigenschaften().setzeStifte(z.stifte);
  fenster.Figurzeichnen();
}

void schraffurenBearbeiten(TFenster& fenster) {
  // The library reads the files anew on every lookup, so one of our own sees
  // the same definitions as the window's renderer.
  Schraffurbibliothek bibliothek;
  auto* leiste = fenster.findChild<Schraffurleiste*>();
  // The dialog opens on the hatch the area tools would use next.
  std::string aktuell = leiste != nullptr ? leiste->liste()->gewaehlt() : std::string();
  if (aktuell.empty()) aktuell = std::string(ErsatzSchraffur);
  TSchraffuren dialog(bibliothek, fenster.benutzer(), aktuell, &fenster);
  dialog.setzeMitSchraffur(fenster.anzeigeschalter().schraffuren);
  dialog.setzeEigeneLinien([&fenster] { linienstileBearbeiten(fenster); });
  const int ergebnis = dialog.exec();
  // Hatches created or deleted in the dialog stay so even after "Abbrechen".
  if (leiste != nullptr) leiste->auffrischen(bibliothek);
  if (ergebnis != QDialog::Accepted) return;
  fenster.anzeigeschalter().schraffuren = dialog.mitSchraffur();
  fenster.Figurzeichnen();
}

void linienstileBearbeiten(TFenster& fenster) {
  Zeichnung& z = fenster.zeichnung();
  Linienstilauswahl auswahl;
  ladeVerfuegbareLinienstile(auswahl);
  TLinienstile dialog(z.linienstile, auswahl, fenster.benutzer(), prozessUmgebung(), &fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  z.linienstile = dialog.tabelle();
  linienstileInZeichnung(z.linienstile, z.optionen);
  auswahl = dialog.auswahl();
  std::string fehler;
  if (!speichereVerfuegbareLinienstile(auswahl, &fehler) && !fehler.empty()) {
    fenster.benutzer().meldung(fehler, Meldungsart::Fehler);
  }
  std::vector<std::pair<int, QString>> stile;
  for (int stil : auswahl.angeboteneStile()) {
    stile.emplace_back(stil, QString::fromStdString(z.linienstile.name(stil)));
  }
  fenster.eigenschaften().setzeLinienstile(stile);
  fenster.Figurzeichnen();
}

void einstellungsbefehleEinrichten(TFenster& fenster, QMenuBar& leiste) {
  // The window sets them up itself; a second call adds nothing.
  if (leiste.findChild<QMenu*>(QStringLiteral("Einstellungen"), Qt::FindDirectChildrenOnly) != nullptr) return;
  auto* sichtbar = new QMenu(&leiste);
  Sichtbarkeitsanschluesse a;
  a.neuZeichnen = [&fenster] { fenster.Figurzeichnen(); };
  a.allesSichtbar = [&fenster] { return fenster.zeichnung().ebenen.allesSichtbar; };
  a.setzeAllesSichtbar = [&fenster](bool an) { fenster.zeichnung().ebenen.allesSichtbar = an; };
  a.schnellerRefresh = [&fenster] { return fenster.einstellungen().darstellung.schnellerRefresh; };
  a.setzeSchnellerRefresh = [&fenster](bool an) { refreshmodusSetzen(fenster, an); };
  sichtbareElementeFuellen(*sichtbar, fenster.anzeigeschalter(), std::move(a));
  leiste.addMenu(sichtbar);

  QMenu* einstellungen = leiste.addMenu(QStringLiteral("&Einstellungen"));
  einstellungen->setObjectName(QStringLiteral("Einstellungen"));
  QAction* optionen = einstellungen->addAction(QStringLiteral("Zeichnungsoptionen..."));
  QObject::connect(optionen, &QAction::triggered, &fenster, [&fenster] { zeichnungsoptionenBearbeiten(fenster); });
  QAction* stifte = einstellungen->addAction(QStringLiteral("Stiftbreiten..."));
  QObject::connect(stifte, &QAction::triggered, &fenster, [&fenster] { stiftbreitenBearbeiten(fenster); });
  QAction* schraffuren = einstellungen->addAction(QStringLiteral("Schraffuren..."));
  QObject::connect(schraffuren, &QAction::triggered, &fenster, [&fenster] { schraffurenBearbeiten(fenster); });
  QAction* linienstile = einstellungen->addAction(QStringLiteral("Linienstile..."));
  QObject::connect(linienstile, &QAction::triggered, &fenster, [&fenster] { linienstileBearbeiten(fenster); });
  QAction* darstellung = einstellungen->addAction(QStringLiteral("Bildschirmdarstellung..."));
  QObject::connect(darstellung, &QAction::triggered, &fenster,
                   [&fenster] { bildschirmdarstellungBearbeiten(fenster); });

  auto* schraffurleiste = new Schraffurleiste(fenster.eigenschaften(), &fenster);
  fenster.addDockWidget(Qt::RightDockWidgetArea, schraffurleiste);
  schraffurleiste->auffrischen(Schraffurbibliothek());
  darstellungAnwenden(fenster);
}

}  // namespace quarzel
