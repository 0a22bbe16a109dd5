#include "ui/window/ebenenbefehle.h"

#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QMenu>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <string>
#include <utility>

#include "settings/konfiguration.h"
#include "store/ebenenoperationen.h"
#include "store/ebenenverwaltung.h"
#include "ui/dialogs/ebeneaktivierendialog.h"
#include "ui/window/ebenenauswahl.h"
#include "ui/dialogs/neueebenedialog.h"
#include "ui/window/tebenenmanager.h"
#include "ui/window/sitzung.h"
#include "ui/dialogs/unterebenendialoge.h"

namespace quarzel {

namespace {

constexpr std::string_view MeldungEbenenVoll =
    "Die maximale Anzahl von Ebenen ist bereits erreicht, eine neue Ebene kann nicht angelegt werden.";
constexpr std::string_view MeldungFolienVoll =
    "Die maximale Anzahl von Unterebenen ist bereits erreicht, eine neue Unterebene kann nicht angelegt werden.";
// Often enough that the pickers follow a loaded drawing or an undo at once
// to the eye; the fingerprint of even 250 full layers costs well under a
// millisecond.
constexpr int WacheMs = 300;

// Sets one switch of the grey display and stores its section at once; false
// when the switch was set that way already.
bool setzeGrauschalter(Sitzung& sitzung, bool einstellung::Graueinstellungen::*schalter, bool an) {
  einstellung::Graueinstellungen& g = sitzung.einstellungen.graueinstellungen;
  if (g.*schalter == an) return false;
  g.*schalter = an;
  sitzung.konfiguration.speichereAbschnitt(g);
  return true;
}

// The transfer question was answered in "Ebene aktivieren" already: the
// core's question gets that answer, everything else goes to the real user.
class BeantworteterBenutzer final : public Benutzer {
 public:
  BeantworteterBenutzer(Benutzer& echt, bool antwort) : echt_(echt), antwort_(antwort) {}
  void meldung(std::string_view text, Meldungsart art) override { echt_.meldung(text, art); }
  bool jaNein(std::string_view) override { return antwort_; }
  Antwort jaNeinAbbrechen(std::string_view frage) override { return echt_.jaNeinAbbrechen(frage); }
  int auswahl(std::string_view titel, std::string_view text, const std::vector<std::string>& knoepfe) override {
    return echt_.auswahl(titel, text, knoepfe);
  }
  std::optional<std::string> eingabe(std::string_view titel, std::string_view frage, std::string_view vorgabe,
                                     std::string_view feldname) override {
    return echt_.eingabe(titel, frage, vorgabe, feldname);
  }
  std::optional<std::string> dateiOeffnen(std::string_view titel, std::string_view filter,
                                          std::string_view ordner) override {
    return echt_.dateiOeffnen(titel, filter, ordner);
  }
  std::optional<std::string> dateiSpeichern(std::string_view titel, std::string_view filter,
                                            std::string_view vorschlag) override {
    return echt_.dateiSpeichern(titel, filter, vorschlag);
  }
  void fortschritt(std::string_view text, int prozent) override { echt_.fortschritt(text, prozent); }

 private:
  Benutzer& echt_;
  bool antwort_;
};

void aktiviereMitUebertragung(Zeichnung& z, Benutzer& benutzer, const TEbeneAktivieren& dialog, int ebene,
                              const einstellung::EbeneAktivieren& wahl) {
  Uebertragung optionen;
  optionen.skalieren = wahl.anpassen;
  optionen.duplizieren = wahl.kopieren;
  BeantworteterBenutzer antwort(benutzer, dialog.uebertragen());
  quarzel::aktiviereEbene(z, antwort, ebene, optionen);
}

bool etwasMarkiert(const Elementspeicher& s) {
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.markiert(n) && s.lebendig(n)) return true;
  return false;
}

// FNV-1a over the bytes handed to it.
struct Abdruck {
  std::uint64_t h = 1469598103934665603ull;
  void bytes(const void* p, std::size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 1099511628211ull;
  }
  template <class T>
  void wert(const T& w) {
    bytes(&w, sizeof w);
  }
  void text(const std::string& s) {
    wert(s.size());
    bytes(s.data(), s.size());
  }
};

// Runs the closing part of the window's event filter: the manager's place
// is stored while the window still shows it.
class Schliesswache final : public QObject {
 public:
  Schliesswache(QObject* eltern, TEbenenmanager* manager) : QObject(eltern), manager_(manager) {}
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::Close && manager_ != nullptr) manager_->speichereLage();
    return QObject::eventFilter(objekt, ereignis);
  }

 private:
  TEbenenmanager* manager_;
};

}  // namespace

Ebenenbefehle::Ebenenbefehle(Fensteranschluss fenster) : QObject(&fenster.fenster), fenster_(std::move(fenster)) {
  setObjectName(QStringLiteral("Ebenenbefehle"));
}

Zeichnung& Ebenenbefehle::zeichnung() {
  return fenster_.sitzung.zeichnung;
}

bool Ebenenbefehle::zeigeDialog(QDialog& dialog) {
  if (vorDialog) vorDialog(dialog);
  return dialog.exec() == QDialog::Accepted;
}

// --- Layers ------------------------------------------------------------------

void Ebenenbefehle::neueEbene() {
  Zeichnung& z = zeichnung();
  if (z.ebenen.anzahl() >= Ebenen::Hoechstzahl) {
    fenster_.sitzung.benutzer.meldung(MeldungEbenenVoll, Meldungsart::Warnung);
    return;
  }
  TPlanteilneu dialog(&fenster_.fenster);
  dialog.melder = [this](const std::string& text) { fenster_.sitzung.benutzer.meldung(text, Meldungsart::Fehler); };
  if (!zeigeDialog(dialog)) return;
  const std::uint8_t nr = quarzel::neueEbene(z, dialog.angaben());
  if (nr != 0 && dialog.schuetzen()) setzeEbeneGeschuetzt(z, nr, true);
  geaendert();
}

void Ebenenbefehle::ebeneAktivieren() {
  Zeichnung& z = zeichnung();
  const bool markierte = etwasMarkiert(z.speicher);
  einstellung::EbeneAktivieren& wahl = fenster_.sitzung.einstellungen.ebeneAktivieren;
  TEbeneAktivieren dialog(z.ebenen, z.ebenen.aktiveEbene(), markierte, wahl, false, &fenster_.fenster);
  if (!zeigeDialog(dialog)) return;
  if (markierte) {
    wahl = dialog.wahl();
    fenster_.sitzung.konfiguration.speichereAbschnitt(wahl);
  }
  aktiviereMitUebertragung(z, fenster_.sitzung.benutzer, dialog, dialog.gewaehlteEbene(), wahl);
  geaendert();
}

void Ebenenbefehle::aktiviereEbene(int ebene) {
  Zeichnung& z = zeichnung();
  if (!z.ebenen.existiert(ebene)) return;
  if (!etwasMarkiert(z.speicher)) {
    quarzel::aktiviereEbene(z, fenster_.sitzung.benutzer, ebene);
    geaendert();
    return;
  }
  einstellung::EbeneAktivieren& wahl = fenster_.sitzung.einstellungen.ebeneAktivieren;
  TEbeneAktivieren dialog(z.ebenen, ebene, true, wahl, true, &fenster_.fenster);
  if (!zeigeDialog(dialog)) {
    // The pickers and the manager show the choice already: put them back.
    emit ebenenGeaendert();
    return;
  }
  wahl = dialog.wahl();
  fenster_.sitzung.konfiguration.speichereAbschnitt(wahl);
  aktiviereMitUebertragung(z, fenster_.sitzung.benutzer, dialog, ebene, wahl);
  geaendert();
}

void Ebenenbefehle::naechsteEbene() {
  if (quarzel::naechsteEbene(zeichnung(), +1)) geaendert();
}

void Ebenenbefehle::vorherigeEbene() {
  if (quarzel::naechsteEbene(zeichnung(), -1)) geaendert();
}

void Ebenenbefehle::ebeneLoeschen() {
  if (loescheAktiveEbene(zeichnung(), fenster_.sitzung.benutzer)) geaendert();
}

void Ebenenbefehle::sichtbarkeitWechseln() {
  wechsleSichtbarkeit(zeichnung());
  geaendert();
}

// --- Sublayers ---------------------------------------------------------------

void Ebenenbefehle::neueUnterebene() {
  Zeichnung& z = zeichnung();
  const int anzahl = z.ebenen.folienanzahl(z.ebenen.aktiveEbene());
  if (anzahl >= Ebenen::Hoechstzahl) {
    fenster_.sitzung.benutzer.meldung(MeldungFolienVoll, Meldungsart::Warnung);
    return;
  }
  TFolieneu dialog(QString::fromStdString(Ebenen::standardFolienname(anzahl + 1)), &fenster_.fenster);
  if (!zeigeDialog(dialog)) return;
  neueFolie(z, dialog.bezeichnung());
  geaendert();
}

void Ebenenbefehle::unterebeneAktivieren() {
  Zeichnung& z = zeichnung();
  TFolieAktivieren dialog(z.ebenen, z.ebenen.aktiveEbene(), z.ebenen.aktiveFolie(), &fenster_.fenster);
  if (!zeigeDialog(dialog)) return;
  aktiviereFolie(z, fenster_.sitzung.benutzer, dialog.gewaehlteFolie());
  geaendert();
}

void Ebenenbefehle::aktiviereUnterebene(int ebene, int folie) {
  Zeichnung& z = zeichnung();
  if (!z.ebenen.folieExistiert(ebene, folie)) return;
  if (ebene == z.ebenen.aktiveEbene()) {
    aktiviereFolie(z, fenster_.sitzung.benutzer, folie);
    geaendert();
    return;
  }
  const std::uint8_t vorher = z.ebenen.gemerkteFolie(ebene);
  z.ebenen.setzeGemerkteFolie(ebene, static_cast<std::uint8_t>(folie));
  aktiviereEbene(ebene);
  // Cancelled: the layer keeps the sublayer it remembered.
  if (z.ebenen.aktiveEbene() != ebene) z.ebenen.setzeGemerkteFolie(ebene, vorher);
}

void Ebenenbefehle::unterebeneLoeschen() {
  if (loescheAktiveFolie(zeichnung(), fenster_.sitzung.benutzer)) geaendert();
}

void Ebenenbefehle::unterebeneSchuetzen(bool geschuetzt) {
  schuetzeAktiveFolie(zeichnung(), geschuetzt);
  geaendert();
}

// --- Display switches --------------------------------------------------------

void Ebenenbefehle::setzeGrauEbenen(bool an) {
  if (setzeGrauschalter(fenster_.sitzung, &einstellung::Graueinstellungen::planteile, an)) geaendert();
}

void Ebenenbefehle::setzeGrauFolien(bool an) {
  if (setzeGrauschalter(fenster_.sitzung, &einstellung::Graueinstellungen::folien, an)) geaendert();
}

void Ebenenbefehle::wendeGrauAn() {
  const einstellung::Graueinstellungen& g = fenster_.sitzung.einstellungen.graueinstellungen;
  Ebenen& e = zeichnung().ebenen;
  e.grauInaktiveEbenen = g.planteile;
  e.grauInaktiveFolien = g.folien;
}

// --- Keeping in step ---------------------------------------------------------

std::uint64_t Ebenenbefehle::fingerabdruck() const {
  const Zeichnung& z = fenster_.sitzung.zeichnung;
  const Ebenen& e = z.ebenen;
  Abdruck a;
  a.wert(e.anzahl());
  a.wert(e.aktiveEbene());
  a.wert(e.aktiveFolie());
  a.wert(e.modus);
  a.wert(e.allesSichtbar);
  a.wert(e.grauInaktiveEbenen);
  a.wert(e.grauInaktiveFolien);
  a.wert(z.ansicht.drawingScale);
  for (int n = 1; n <= e.anzahl(); ++n) {
    a.text(e.name(n));
    a.wert(e.massstab(n));
    a.wert(e.einheit(n));
    a.wert(e.sichtbarFlag(n));
    a.wert(e.anzeigezustand(n));
    a.wert(e.folienanzahl(n));
    for (int f = 1; f <= e.folienanzahl(n); ++f) {
      a.text(e.folienname(n, f));
      a.wert(e.folienzustand(n, f));
    }
  }
  return a.h;
}

void Ebenenbefehle::geaendert(bool neuZeichnen) {
  wendeGrauAn();
  fingerabdruck_ = fingerabdruck();
  Zeichnung& z = zeichnung();
  const Ebenen& e = z.ebenen;
  if (unterebeneGeschuetzt_ != nullptr) {
    const QSignalBlocker sperre(unterebeneGeschuetzt_);
    unterebeneGeschuetzt_->setChecked((e.folienzustand(e.aktiveEbene(), e.aktiveFolie()) & FolieGeschuetzt) != 0);
  }
  if (neuZeichnen && fenster_.neuZeichnen) fenster_.neuZeichnen();
  emit ebenenGeaendert();
}

void Ebenenbefehle::pruefeAenderung() {
  // A drawing loaded or replaced comes with the switches off.
  wendeGrauAn();
  if (fingerabdruck() != fingerabdruck_) geaendert(false);
}

// --- Set-up ------------------------------------------------------------------

void Ebenenbefehle::baueMenue(QMenuBar& leiste) {
  menue_ = leiste.addMenu(QStringLiteral("E&benen"));
  menue_->setObjectName(QStringLiteral("Ebenenmenue"));
  auto eintrag = [this](const QString& text, auto befehl, const QKeySequence& taste = {}) {
    QAction* a = menue_->addAction(text);
    if (!taste.isEmpty()) a->setShortcut(taste);
    connect(a, &QAction::triggered, this, befehl);
    return a;
  };
  eintrag(QStringLiteral("Neue Ebene..."), &Ebenenbefehle::neueEbene);
  eintrag(QStringLiteral("Ebene aktivieren..."), &Ebenenbefehle::ebeneAktivieren);
  eintrag(QStringLiteral("Nächste Ebene"), &Ebenenbefehle::naechsteEbene, QKeySequence(Qt::Key_PageUp));
  eintrag(QStringLiteral("Vorherige Ebene"), &Ebenenbefehle::vorherigeEbene, QKeySequence(Qt::Key_PageDown));
  eintrag(QStringLiteral("Aktuelle Ebene löschen"), &Ebenenbefehle::ebeneLoeschen);
  eintrag(QStringLiteral("Sichtbarkeit wechseln"), &Ebenenbefehle::sichtbarkeitWechseln);
  menue_->addSeparator();
  eintrag(QStringLiteral("Neue Unterebene..."), &Ebenenbefehle::neueUnterebene);
  eintrag(QStringLiteral("Unterebene aktivieren..."), &Ebenenbefehle::unterebeneAktivieren);
  eintrag(QStringLiteral("Aktuelle Unterebene löschen"), &Ebenenbefehle::unterebeneLoeschen);
  unterebeneGeschuetzt_ = menue_->addAction(QStringLiteral("Unterebene schützen"));
  unterebeneGeschuetzt_->setCheckable(true);
  connect(unterebeneGeschuetzt_, &QAction::toggled, this, &Ebenenbefehle::unterebeneSchuetzen);
  menue_->addSeparator();
  QAction* managerZeigen = manager_->toggleViewAction();
  managerZeigen->setText(QStringLiteral("Ebenenmanager"));
  menue_->addAction(managerZeigen);
}

Ebenenbefehle* ebenenbefehleEinrichten(Fensteranschluss anschluss, QMenuBar& leiste) {
  QMainWindow& fenster = anschluss.fenster;
  auto* b = new Ebenenbefehle(std::move(anschluss));

  b->manager_ = new TEbenenmanager(*b, &fenster);
  fenster.addDockWidget(Qt::RightDockWidgetArea, b->manager_);
  b->manager_->ladeLage();
  fenster.installEventFilter(new Schliesswache(b, b->manager_));

  b->leiste_ = fenster.addToolBar(QStringLiteral("Ebenen"));
  b->leiste_->setObjectName(QStringLiteral("Ebenenleiste"));
  b->auswahl_ = new Ebenenauswahl(*b, b->leiste_);
  b->leiste_->addWidget(b->auswahl_);

  b->baueMenue(leiste);

  b->wache_ = new QTimer(b);
  b->wache_->setInterval(WacheMs);
  QObject::connect(b->wache_, &QTimer::timeout, b, &Ebenenbefehle::pruefeAenderung);
  b->wache_->start();
  b->geaendert(false);
  return b;
}

}  // namespace quarzel
