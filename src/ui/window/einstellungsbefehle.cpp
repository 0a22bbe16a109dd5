#include "ui/window/einstellungsbefehle.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <string>
#include <utility>
#include <vector>

#include "edit/bearbeitungswerkzeuge.h"
#include "render/masszahloptionen.h"
#include "store/messdatenstil.h"
#include "store/linienstilzeichnung.h"
#include "styles/linienstilstart.h"
#include "styles/schraffurbibliothek.h"
#include "ui/dialogs/bildschirmdarstellung.h"
#include "ui/dialogs/linienstildialog.h"
#include "ui/dialogs/schraffurdialog.h"
#include "ui/dialogs/speicherdialoge.h"
#include "ui/dialogs/stiftbreitendialog.h"
#include "ui/dialogs/vermassungsdialog.h"
#include "ui/dialogs/zeichnungsoptionen.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/tools/schraffurleiste.h"
#include "ui/tools/schraffurliste.h"
#include "ui/window/druckbefehle.h"
#include "ui/window/sichtbareelemente.h"
#include "ui/window/sitzung.h"
#include "ui/window/werkzeugbedienung.h"

namespace quarzel {

Einstellungsbefehle::Einstellungsbefehle(Fensteranschluss fenster, Eigenschaftsleiste& eigenschaften,
                                         std::function<void()> darstellungAnwenden)
    : QObject(&fenster.fenster),
      fenster_(std::move(fenster)),
      eigenschaften_(eigenschaften),
      darstellungAnwenden_(std::move(darstellungAnwenden)) {}

void Einstellungsbefehle::bildschirmdarstellungBearbeiten() {
  Sitzung& s = fenster_.sitzung;
  TBildschirmdarstellung dialog(s.einstellungen.darstellung, s.darstellung, &fenster_.fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  s.einstellungen.darstellung = dialog.abschnitt();
  s.darstellung = dialog.wahl();
  s.konfiguration.speichereAbschnitt(s.einstellungen.darstellung);
  darstellungAnwenden_();
  fenster_.neuZeichnen();
}

void Einstellungsbefehle::zeichnungsoptionenBearbeiten() {
  Sitzung& s = fenster_.sitzung;
  Ansicht& ansicht = s.zeichnung.ansicht;
  TZeichnungsoptionen dialog(zeichnungsoptionenAus(ansicht), &fenster_.fenster);
  if (const auto* druck = fenster_.fenster.findChild<Druckbefehle*>())
    if (const auto papier = druck->gewaehltesPapier()) dialog.setzeDruckerpapier(*papier);
  if (dialog.exec() != QDialog::Accepted) return;
  const Zeichnungsoptionenwahl wahl = dialog.wahl();
  const bool neuesBlatt = wahl.blattBreite != ansicht.sheetWidth || wahl.blattHoehe != ansicht.sheetHeight;
  wendeZeichnungsoptionenAn(ansicht, wahl);
  schreibeZeichnungsoptionen(s.einstellungen.projektoptionen, wahl);
  s.konfiguration.speichereAbschnitt(s.einstellungen.projektoptionen);
  if (wahl.rasterMitdrehen) {
    // The grid's angle lives in the drawing aids; the redraw takes it from there.
    s.einstellungen.zeichenhilfen.rasterwinkel = ansicht.gridAngle;
    s.konfiguration.speichereAbschnitt(s.einstellungen.zeichenhilfen);
  }
  // The redraw refreshes the status texts of sheet and scale too; a sheet of
  // another size is shown whole, as it would be after opening a drawing.
  if (neuesBlatt) ansicht.gesamtesBlatt();
  fenster_.neuZeichnen();
}

void Einstellungsbefehle::bemassungBearbeiten() {
  Sitzung& s = fenster_.sitzung;
  Elementspeicher& speicher = s.zeichnung.speicher;
  const auto istBemassung = [](Elementart a) { return a == Elementart::Bemassung; };
  // Marked dimensions are edited: the dialog shows the first one's settings.
  Bemassungsstil anfang = s.bemassungsstil;
  bool markiert = false;
  for (std::int32_t n = 1; n <= speicher.anzahl() && !markiert; ++n) {
    markiert = speicher.markiert(n) && speicher.lebendig(n) && istBemassung(speicher.art(n));
    if (markiert) messdatenInStil(speicher.bemassung(n), anfang);
  }
  TVermassung dialog(anfang, markiert, s.benutzer, prozessUmgebung(), &fenster_.fenster);
  const int ergebnis = dialog.exec();
  if (dialog.loeschenGewaehlt()) {
    // The ordinary delete, so the marking frame goes with the elements.
    if (auto* werkzeuge = fenster_.fenster.findChild<Werkzeugbedienung*>()) {
      werkzeuge->loeschen();
    } else if (loescheMarkierteElemente(s.zeichnung) > 0) {
      fenster_.neuZeichnen();
    }
    return;
  }
  if (ergebnis != QDialog::Accepted) return;
  s.bemassungsstil = dialog.stil();
  if (!markiert) return;
  speicher.fuerMarkierte(istBemassung,
                         [&](std::int32_t n) {
                           stilInMessdaten(s.bemassungsstil, speicher.bemassung(n));
                           speicher.bemassung(n).nachtext = nachtextMitToleranz(s.bemassungsstil);
                         });
  fenster_.neuZeichnen();
}

void Einstellungsbefehle::stifteSpeichern(const Stifttabelle& stifte) {
  fenster_.sitzung.einstellungen.stiftbreiten = stifte.alsEinstellung();
  fenster_.sitzung.konfiguration.schreibe([&stifte](IniDatei& ini) { schreibeStifte(stifte, ini); });
}

void Einstellungsbefehle::stiftbreitenBearbeiten() {
  Zeichnung& z = fenster_.sitzung.zeichnung;
  TStiftbreiten dialog(z.stifte, &fenster_.fenster);
  dialog.alsStandard = [this](const Stifttabelle& stifte) { stifteSpeichern(stifte); };
  if (dialog.exec() != QDialog::Accepted) return;
  z.stifte = dialog.tabelle();
  stifteSpeichern(z.stifte);
  eigenschaften_.setzeStifte(z.stifte);
  fenster_.neuZeichnen();
}

void Einstellungsbefehle::schraffurenBearbeiten() {
  Sitzung& s = fenster_.sitzung;
  // The library reads the files anew on every lookup, so one of our own sees
  // the same definitions as the window's renderer.
  Schraffurbibliothek bibliothek;
  // The dialog opens on the hatch the area tools would use next.
  std::string aktuell = schraffurleiste_ != nullptr ? schraffurleiste_->liste()->gewaehlt() : std::string();
  if (aktuell.empty()) aktuell = std::string(ErsatzSchraffur);
  TSchraffuren dialog(bibliothek, s.benutzer, aktuell, &fenster_.fenster);
  dialog.setzeMitSchraffur(s.schalter.schraffuren);
  dialog.setzeEigeneLinien([this] { linienstileBearbeiten(); });
  const int ergebnis = dialog.exec();
  // Hatches created or deleted in the dialog stay so even after "Abbrechen".
  if (schraffurleiste_ != nullptr) schraffurleiste_->auffrischen(bibliothek);
  if (ergebnis != QDialog::Accepted) return;
  s.schalter.schraffuren = dialog.mitSchraffur();
  fenster_.neuZeichnen();
}

void Einstellungsbefehle::linienstileBearbeiten() {
  Sitzung& s = fenster_.sitzung;
  Zeichnung& z = s.zeichnung;
  Linienstilauswahl auswahl;
  ladeVerfuegbareLinienstile(auswahl);
  TLinienstile dialog(z.linienstile, auswahl, s.benutzer, prozessUmgebung(), &fenster_.fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  z.linienstile = dialog.tabelle();
  linienstileInZeichnung(z.linienstile, z.optionen);
  auswahl = dialog.auswahl();
  std::string fehler;
  if (!speichereVerfuegbareLinienstile(auswahl, &fehler) && !fehler.empty()) {
    s.benutzer.meldung(fehler, Meldungsart::Fehler);
  }
  std::vector<std::pair<int, QString>> stile;
  for (int stil : auswahl.angeboteneStile()) {
    stile.emplace_back(stil, QString::fromStdString(z.linienstile.name(stil)));
  }
  eigenschaften_.setzeLinienstile(stile);
  fenster_.neuZeichnen();
}

void Einstellungsbefehle::speichernBearbeiten() {
  Sitzung& s = fenster_.sitzung;
  TSpeichereinstellungen dialog(s.einstellungen.speichern, &fenster_.fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  s.einstellungen.speichern = dialog.abschnitt();
  s.konfiguration.speichereAbschnitt(s.einstellungen.speichern);
}

void Einstellungsbefehle::undospeicherBearbeiten() {
  Sitzung& s = fenster_.sitzung;
  TUndospeichereinstellung dialog(s.einstellungen.undoschritte.anzahl, &fenster_.fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  s.einstellungen.undoschritte.anzahl = dialog.schritte();
  s.konfiguration.speichereAbschnitt(s.einstellungen.undoschritte);
  s.zeichnung.speicher.undoTiefe = dialog.schritte();
}

void Einstellungsbefehle::refreshmodusSetzen(bool schnell) {
  fenster_.sitzung.einstellungen.darstellung.schnellerRefresh = schnell;
  // Only this key: the rest of the section stays as the file has it.
  fenster_.sitzung.konfiguration.schreibe([schnell](IniDatei& ini) {
    einstellung::Darstellung abschnitt;
    abschnitt.lese(ini);
    abschnitt.schnellerRefresh = schnell;
    abschnitt.schreibe(ini);
  });
  darstellungAnwenden_();
}

void Einstellungsbefehle::platzhalterSetzen(bool an) {
  // The key says whether values are shown: the switch's opposite.
  fenster_.sitzung.einstellungen.zeichenhilfen.projektdaten = !an;
  fenster_.sitzung.konfiguration.schreibe([an](IniDatei& ini) {
    einstellung::Zeichenhilfen abschnitt;
    abschnitt.lese(ini);
    abschnitt.projektdaten = !an;
    abschnitt.schreibe(ini);
  });
}

Einstellungsbefehle* einstellungsbefehleEinrichten(Fensteranschluss anschluss, Eigenschaftsleiste& eigenschaften,
                                                   std::function<void()> darstellungAnwenden, QMenuBar& leiste) {
  QMainWindow& fenster = anschluss.fenster;
  auto* b = new Einstellungsbefehle(std::move(anschluss), eigenschaften, std::move(darstellungAnwenden));
  Sitzung& s = b->fenster_.sitzung;

  auto* sichtbar = new QMenu(&leiste);
  Sichtbarkeitsanschluesse a;
  a.neuZeichnen = b->fenster_.neuZeichnen;
  a.allesSichtbar = [&s] { return s.zeichnung.ebenen.allesSichtbar; };
  a.setzeAllesSichtbar = [&s](bool an) { s.zeichnung.ebenen.allesSichtbar = an; };
  a.schnellerRefresh = [&s] { return s.einstellungen.darstellung.schnellerRefresh; };
  a.setzeSchnellerRefresh = [b](bool an) { b->refreshmodusSetzen(an); };
  a.platzhalterGesetzt = [b](bool an) { b->platzhalterSetzen(an); };
  sichtbareElementeFuellen(*sichtbar, s.schalter, std::move(a));
  leiste.addMenu(sichtbar);

  QMenu* einstellungen = leiste.addMenu(QStringLiteral("&Einstellungen"));
  einstellungen->setObjectName(QStringLiteral("Einstellungen"));
  auto eintrag = [&](const QString& text, void (Einstellungsbefehle::*befehl)()) {
    QAction* aktion = einstellungen->addAction(text);
    QObject::connect(aktion, &QAction::triggered, b, befehl);
  };
  eintrag(QStringLiteral("Zeichnungsoptionen..."), &Einstellungsbefehle::zeichnungsoptionenBearbeiten);
  eintrag(QStringLiteral("Stiftbreiten..."), &Einstellungsbefehle::stiftbreitenBearbeiten);
  eintrag(QStringLiteral("Schraffuren..."), &Einstellungsbefehle::schraffurenBearbeiten);
  eintrag(QStringLiteral("Linienstile..."), &Einstellungsbefehle::linienstileBearbeiten);
  eintrag(QStringLiteral("Bildschirmdarstellung..."), &Einstellungsbefehle::bildschirmdarstellungBearbeiten);
  eintrag(QStringLiteral("Bemaßung..."), &Einstellungsbefehle::bemassungBearbeiten);
  einstellungen->addSeparator();
  eintrag(QStringLiteral("Speichern..."), &Einstellungsbefehle::speichernBearbeiten);
  eintrag(QStringLiteral("Undospeichereinstellung..."), &Einstellungsbefehle::undospeicherBearbeiten);

  b->schraffurleiste_ = new Schraffurleiste(eigenschaften, &fenster);
  fenster.addDockWidget(Qt::RightDockWidgetArea, b->schraffurleiste_);
  b->schraffurleiste_->auffrischen(Schraffurbibliothek());
  b->darstellungAnwenden_();
  return b;
}

}  // namespace quarzel
