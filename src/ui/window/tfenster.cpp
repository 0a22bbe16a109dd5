#include "ui/window/tfenster.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "render/blockrahmen.h"
#include "render/elementzeichnen.h"
#include "styles/linienstile.h"
#include "styles/linienstilstart.h"
#include "styles/schraffurbibliothek.h"
#include "ui/dialogs/rasterdialog.h"
#include "ui/qt/qtbenutzer.h"
#include "ui/qt/qttastatur.h"
#include "ui/qt/zeichnungsausgabe.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/tools/kontexthilfe.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/ansichtsleisten.h"
#include "ui/window/bildaufbau.h"
#include "ui/window/dateibefehle.h"
#include "ui/window/ebenenbefehle.h"
#include "ui/window/einstellungsbefehle.h"
#include "ui/window/fangbefehle.h"
#include "ui/window/fensteranordnung.h"
#include "ui/window/statusleiste.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"
#include "ui/window/zeichenrahmen.h"
#include "view/blattdarstellung.h"
#include "view/einheiten.h"

namespace quarzel {

namespace {

const QString kGruppe = QStringLiteral("Hauptfenster");
const QString kGeometrie = QStringLiteral("Geometrie");
const QString kZustand = QStringLiteral("Zustand");
// Often enough for the automatic save's interval and for the title to follow
// a change within a moment; the tick itself costs nothing.
constexpr int kTaktMs = 1000;

QString qtext(const std::string& s) {
  return QString::fromStdString(s);
}

// Where the view looked before a drawing was loaded: the reader changes it
// only when the file carries a view of its own.
struct Sicht {
  double zoom;
  std::int32_t x;
  std::int32_t y;
  bool operator==(const Sicht&) const = default;
};

Sicht sichtVon(const Ansicht& a) {
  return {a.zoom, a.viewOriginX, a.viewOriginY};
}

// A view worth keeping shows a recognisable part of the sheet. A drawing
// saved by a program without a window (an area of 0 pixels) carries a view in
// which the whole sheet is a dot.
bool blattErkennbar(const Ansicht& a) {
  constexpr double kMindestPixel = 16;
  const Pixelpunkt lo = a.worldToPixel(a.sheetLeft, a.sheetTop);
  const Pixelpunkt ru = a.worldToPixel(double(a.sheetLeft) + a.sheetWidth, double(a.sheetTop) + a.sheetHeight);
  const double breite = std::min<double>(ru.x, a.areaWidth) - std::max(lo.x, 0.0);
  const double hoehe = std::min<double>(ru.y, a.areaHeight) - std::max(lo.y, 0.0);
  return breite >= kMindestPixel && hoehe >= kMindestPixel;
}

}  // namespace

TFenster::TFenster(Fensterstart start, QWidget* eltern)
    : QMainWindow(eltern), zeichnung_(std::make_unique<Zeichnung>()), autosicherung_(uhr_.ticks()), bloecke_(std::make_unique<Blockrahmen>()) {
  setObjectName(QStringLiteral("TFenster"));

  zeichenflaeche_ = new Zeichenflaeche(this);
  setCentralWidget(new Zeichenrahmen(*zeichenflaeche_, zeichnung_->ansicht, [this] {
    return werkzeuge_ != nullptr && werkzeuge_->fangeinstellungen().linealModell;
  }));
  zeichenflaeche_->setFocus();
  statusleiste_ = std::make_unique<Statusleiste>(*statusBar());
  if (start.benutzer != nullptr) {
    benutzer_ = start.benutzer;
  } else {
    eigenerBenutzer_ = std::make_unique<QtBenutzer>(
        this, [this](const QString& text, int prozent) { statusleiste_->fortschritt(text, prozent); });
    benutzer_ = eigenerBenutzer_.get();
  }
  tastatur_ = std::make_unique<QtTastatur>();

  menue_ = baueHauptmenue(*this);
  connect(menue_.neu, &QAction::triggered, this, &TFenster::neu);
  connect(menue_.oeffnen, &QAction::triggered, this, &TFenster::oeffnen);
  connect(menue_.speichern, &QAction::triggered, this, &TFenster::speichern);
  connect(menue_.speichernUnter, &QAction::triggered, this, &TFenster::speichernUnter);
  for (int i = 0; i < Hauptmenue::kZuletztAnzahl; ++i) {
    connect(menue_.zuletzt[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { oeffneZuletzt(i); });
  }
  connect(menue_.beenden, &QAction::triggered, this, &QWidget::close);
  connect(menue_.rueckgaengig, &QAction::triggered, this, &TFenster::rueckgaengig);
  connect(menue_.wiederherstellen, &QAction::triggered, this, &TFenster::wiederherstellen);
  connect(menue_.vergroessern, &QAction::triggered, this, &TFenster::vergroessern);
  connect(menue_.verkleinern, &QAction::triggered, this, &TFenster::verkleinern);
  connect(menue_.gesamtesBlatt, &QAction::triggered, this, &TFenster::gesamtesBlatt);
  connect(menue_.blattDarstellen, &QAction::toggled, this, &TFenster::setzeBlattDarstellen);

  // "-i" is taken out here, before anything reads the configuration file.
  schraffuren_ = std::make_unique<Schraffurbibliothek>(start.umgebung);
  konfiguration_ = std::make_unique<Konfiguration>(*benutzer_, std::move(start.umgebung));
  argumente_ = konfiguration_->werteBefehlszeileAus(start.argumente);
  einstellungen_ = leseEinstellungen(*konfiguration_);
  startGelungen_ = starteZeichnung(*zeichnung_, zeichnungsvorgaben(einstellungen_), *benutzer_);
  rasterAusEinstellungen(einstellungen_.zeichenhilfen, zeichnung_->massstabInKraft(), zeichnung_->ansicht);
  // Showing the sheet as a sheet is what one expects of an empty drawing.
  zeichnung_->ansicht.layoutView = true;
  menue_.blattDarstellen->setChecked(zeichnung_->ansicht.layoutView);
  dateibefehle_ = std::make_unique<Dateibefehle>(*zeichnung_, *benutzer_, *tastatur_, *konfiguration_, einstellungen_);
  dateibefehle_->bildExport = [this](const std::string& pfad) {
    Ausgabewahl wahl;
    wahl.pfad = pfad;
    wahl.format = ausgabeformatFuer(pfad).value_or(Ausgabeformat::Png);
    wahl.schalter = schalter_;
    wahl.darstellung = darstellung_;
    wahl.schraffuren = schraffuren_.get();
    return gibZeichnungAus(*zeichnung_, wahl);
  };

  connect(zeichenflaeche_, &Zeichenflaeche::groesseGeaendert, this, &TFenster::flaecheGeaendert);
  connect(zeichenflaeche_, &Zeichenflaeche::mausBewegt, this, &TFenster::mausBewegt);
  zeichenflaeche_->setzeMaler([this](Canvas& canvas) { zeichneFlaeche(canvas); });
  werkzeugeEinrichten();
  ebenenbefehleEinrichten(*this, *menuBar());
  einstellungsbefehleEinrichten(*this, *menuBar());
  new Kontexthilfe(*this, *leisten_.ansicht, QString::fromStdString((programmordner() / "Hilfe").string()));
  ordneLeistenAn(*this);
  ansichtsleistenEinrichten(*this);

  zuletztSetzen();
  befehlsstandSetzen();
  statustexteSetzen();
  fensterlageLaden();

  takt_ = new QTimer(this);
  takt_->setInterval(kTaktMs);
  connect(takt_, &QTimer::timeout, this, &TFenster::takt);
  if (startGelungen_) takt_->start();
}

TFenster::~TFenster() {
  // A numeric field losing the focus while the widgets go would call back
  // into a window that is no longer one.
  if (werkzeuge_ != nullptr) disconnect(&werkzeuge_->panel(), nullptr, this, nullptr);
  delete werkzeuge_;
  werkzeuge_ = nullptr;
}

void TFenster::werkzeugeEinrichten() {
  darstellung_.markierteEinfaerben = einstellungen_.darstellung.markierung != 3;
  if (darstellung_.markierteEinfaerben) {
    static constexpr Farbe kMarkierfarben[] = {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255)};
    darstellung_.markierfarbe = kMarkierfarben[std::clamp(einstellungen_.darstellung.markierung, 0, 2)];
  }

  leisten_ = baueWerkzeugleisten(*this, *menue_.bearbeiten);
  connect(leisten_.vergroessern, &QAction::triggered, this, &TFenster::vergroessern);
  connect(leisten_.verkleinern, &QAction::triggered, this, &TFenster::verkleinern);
  eigenschaften_ = new Eigenschaftsleiste(this);
  addToolBar(Qt::TopToolBarArea, eigenschaften_);
  eigenschaftenAuffrischen();

  Fensterdienste dienste;
  dienste.neuZeichnen = [this] { Figurzeichnen(); };
  dienste.objekteZeichnen = [this](std::int32_t von, std::int32_t bis) { objektzeichnen(von, bis); };
  dienste.befehlsstand = [this] { befehlsstandSetzen(); };
  werkzeuge_ = new Werkzeugbedienung(*this, *zeichnung_, *zeichenflaeche_, leisten_, *eigenschaften_, *statusleiste_,
                                     uhr_, einstellungen_, std::move(dienste));
  connect(&werkzeuge_->panel(), &Koordinatenpanel::kurztasten, this, &TFenster::setzeKurztasten);
  werkzeuge_->panel().melder = [this](const std::string& text) { benutzer_->meldung(text, Meldungsart::Fehler); };
  new Fangbefehle(*this, werkzeuge_->fangeinstellungen(), *menue_.ansicht);
}

void TFenster::eigenschaftenAuffrischen() {
  eigenschaften_->setzeStifte(zeichnung_->stifte);
  // The styles the user chose to have offered ("Linien2.dat"), all without it.
  Linienstilauswahl auswahl;
  ladeVerfuegbareLinienstile(auswahl);
  std::vector<std::pair<int, QString>> stile;
  for (int stil : auswahl.angeboteneStile()) stile.emplace_back(stil, qtext(zeichnung_->linienstile.name(stil)));
  eigenschaften_->setzeLinienstile(stile);
  std::vector<QString> schraffuren;
  for (const std::string& n : schraffuren_->namen()) schraffuren.push_back(qtext(n));
  eigenschaften_->setzeSchraffuren(schraffuren);
  eigenschaften_->setzeStift(zeichnung_->speicher.aktuell.stift);
  eigenschaften_->setzeLinienstil(zeichnung_->speicher.aktuell.linienstil);
}

Tastatur& TFenster::tastatur() {
  return *tastatur_;
}

void TFenster::Figurzeichnen() {
  // A grid in drawing units follows a change of the scale in force.
  if (einstellungen_.zeichenhilfen.rasterMasstabsabhaengig)
    rasterAusEinstellungen(einstellungen_.zeichenhilfen, zeichnung_->massstabInKraft(), zeichnung_->ansicht);
  statustexteSetzen();
  zeichenflaeche_->neuZeichnen();
}

void TFenster::objektzeichnen(std::int32_t von, std::int32_t bis) {
  if (von < 1 || bis < von) return;
  zeichenflaeche_->aufBildZeichnen([&](Canvas& canvas) { zeichneElemente(canvas, von, bis); });
}

void TFenster::zentriere(double cx, double cy) {
  zeichnung_->ansicht.zentriere(cx, cy);
  Figurzeichnen();
}

void TFenster::vergroessern() {
  zeichnung_->ansicht.vergroessern();
  Figurzeichnen();
}

void TFenster::verkleinern() {
  zeichnung_->ansicht.verkleinern();
  Figurzeichnen();
}

void TFenster::gesamtesBlatt() {
  zeichnung_->ansicht.gesamtesBlatt();
  Figurzeichnen();
}

void TFenster::setzeBlattDarstellen(bool an) {
  if (menue_.blattDarstellen->isChecked() != an) menue_.blattDarstellen->setChecked(an);
  if (zeichnung_->ansicht.layoutView == an) return;
  zeichnung_->ansicht.layoutView = an;
  Figurzeichnen();
}

// --- File commands -----------------------------------------------------------

void TFenster::neu() {
  if (dateibefehle_->neu()) zeichnungGewechselt(false);
  befehlsstandSetzen();
}

void TFenster::oeffnen() {
  const Sicht vorher = sichtVon(zeichnung_->ansicht);
  if (dateibefehle_->oeffnen()) zeichnungGewechselt(sichtVon(zeichnung_->ansicht) != vorher);
  zuletztSetzen();
  befehlsstandSetzen();
}

void TFenster::oeffneZuletzt(int index) {
  const Sicht vorher = sichtVon(zeichnung_->ansicht);
  if (dateibefehle_->oeffneZuletzt(index)) zeichnungGewechselt(sichtVon(zeichnung_->ansicht) != vorher);
  zuletztSetzen();
  befehlsstandSetzen();
}

void TFenster::speichern() {
  dateibefehle_->speichern();
  zuletztSetzen();
  befehlsstandSetzen();
}

void TFenster::speichernUnter() {
  dateibefehle_->speichernUnter();
  zuletztSetzen();
  befehlsstandSetzen();
}

void TFenster::zeichnungGewechselt(bool gespeicherteSicht) {
  Ansicht& a = zeichnung_->ansicht;
  menue_.blattDarstellen->setChecked(a.layoutView);
  // The view saved with the drawing is kept unless it would show nothing
  // recognisable of the sheet in this window's area.
  if (!gespeicherteSicht || !blattErkennbar(a)) a.gesamtesBlatt();
  eigenschaftenAuffrischen();
  werkzeuge_->zeichnungGewechselt();
  Figurzeichnen();
}

void TFenster::startdateiOeffnen() {
  if (startdateiGeprueft_) return;
  startdateiGeprueft_ = true;
  const Startdatei datei = startdatei(argumente_);
  switch (datei.art) {
    case Startdatei::Art::Keine:
      return;
    case Startdatei::Art::Fehlt:
      // A mistyped name is no reason to end: the empty drawing stays open.
      benutzer_->meldung(meldungStartdateiFehlt(datei.pfad), Meldungsart::Fehler);
      return;
    case Startdatei::Art::Oeffnen: {
      const Sicht vorher = sichtVon(zeichnung_->ansicht);
      if (dateibefehle_->oeffne(datei.pfad)) zeichnungGewechselt(sichtVon(zeichnung_->ansicht) != vorher);
      zuletztSetzen();
      befehlsstandSetzen();
      return;
    }
  }
}

// --- Edit commands -----------------------------------------------------------

void TFenster::rueckgaengig() {
  zeichnung_->speicher.rueckgaengig();
  befehlsstandSetzen();
  Figurzeichnen();
}

void TFenster::wiederherstellen() {
  zeichnung_->speicher.wiederherstellen();
  befehlsstandSetzen();
  Figurzeichnen();
}

// --- Clock, title, menus -----------------------------------------------------

void TFenster::takt() {
  autosicherung_.tick(uhr_.ticks(), *zeichnung_, einstellungen_.speichern, normalerZustand(), *benutzer_);
  befehlsstandSetzen();
}

bool TFenster::normalerZustand() const {
  return !dateibefehle_->beschaeftigt() && !autosicherung_.beschaeftigt() &&
         QApplication::activeModalWidget() == nullptr && QApplication::activePopupWidget() == nullptr;
}

void TFenster::befehlsstandSetzen() {
  const Elementspeicher& s = zeichnung_->speicher;
  menue_.rueckgaengig->setEnabled(s.undoMoeglich());
  menue_.wiederherstellen->setEnabled(s.redoMoeglich());
  const std::string& datei = zeichnung_->dateiname;
  const QString name = datei.empty() ? QStringLiteral("Unbenannt") : QFileInfo(qtext(datei)).fileName();
  setWindowTitle(name + QStringLiteral("[*] - ") + programmtitel());
  setWindowModified(s.modifiziert());
}

void TFenster::zuletztSetzen() {
  zeigeZuletztGeoeffnet(menue_, dateibefehle_->zuletzt());
}

// --- Drawing area and status bar ---------------------------------------------

void TFenster::flaecheGeaendert(int breite, int hoehe) {
  Ansicht& a = zeichnung_->ansicht;
  a.areaWidth = breite;
  a.areaHeight = hoehe;
  if (ersteGroesse_ && breite > 0 && hoehe > 0) {
    ersteGroesse_ = false;
    a.gesamtesBlatt();
  }
  Figurzeichnen();
}

void TFenster::mausBewegt(double x, double y) {
  const Ansicht& a = zeichnung_->ansicht;
  const Weltpunkt welt = a.pixelToWorld(x, y);
  const Benutzerpunkt p = a.worldToUser(welt.x, welt.y, zeichnung_->massstabInKraft());
  const std::string einheit = a.unitName.empty() ? std::string() : " " + a.unitName;
  const std::string text =
      "X: " + formatiereBenutzerwert(p.x, a.unitCode, a.displayDecimals, a.imperialDecimal) + einheit +
      "  Y: " + formatiereBenutzerwert(p.y, a.unitCode, a.displayDecimals, a.imperialDecimal) + einheit;
  statusleiste_->setzeKoordinaten(qtext(text));
}

void TFenster::zeichneFlaeche(Canvas& canvas) {
  zeichneBlattansicht(canvas, zeichnung_->ansicht, werkzeuge_ != nullptr && werkzeuge_->fangeinstellungen().raster);
  zeichneElemente(canvas, 1, zeichnung_->speicher.anzahl());
}

void TFenster::zeichneElemente(Canvas& canvas, std::int32_t von, std::int32_t bis) {
  const Ansicht& a = zeichnung_->ansicht;
  Zeichenumgebung u{*zeichnung_, schalter_, darstellung_, schraffuren_.get()};
  u.bildspeicher = &zeichnung_->speicher;
  u.schnellerRefresh = einstellungen_.darstellung.schnellerRefresh;
  Bildaufbau bildaufbau(*zeichenflaeche_);
  u.beobachter = &bildaufbau;
  // The block boxes pay off for full redraws; a few new elements are drawn directly.
  if (von == 1 && bis >= zeichnung_->speicher.anzahl()) u.bloecke = bloecke_.get();
  drawElements(canvas, von, bis, a.drawingScale, a.zoom, a.clipRechteck(), a.viewOriginX, a.viewOriginY, u);
}

// A key a text field needs for typing and editing: plain printable keys and
// the editing keys. Ctrl+S, Ctrl+O, F-keys or Home stay with the window.
static bool stoertBeimTippen(const QKeySequence& folge) {
  if (folge.isEmpty()) return false;
  const QKeyCombination k = folge[0];
  if (k.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const int taste = k.key();
  return taste < Qt::Key_Escape || taste == Qt::Key_Backspace || taste == Qt::Key_Delete ||
         taste == Qt::Key_Left || taste == Qt::Key_Right || taste == Qt::Key_End || taste == Qt::Key_Insert;
}

void TFenster::setzeKurztasten(bool an) {
  if (!an) {
    if (!ruhendeKurztasten_.empty()) return;
    for (QAction* a : findChildren<QAction*>()) {
      const QList<QKeySequence> alle = a->shortcuts();
      QList<QKeySequence> bleiben;
      for (const QKeySequence& t : alle)
        if (!stoertBeimTippen(t)) bleiben.push_back(t);
      if (bleiben.size() == alle.size()) continue;
      ruhendeKurztasten_.emplace_back(a, alle);
      a->setShortcuts(bleiben);
    }
    return;
  }
  for (auto& [aktion, tasten] : ruhendeKurztasten_) aktion->setShortcuts(tasten);
  ruhendeKurztasten_.clear();
}

void TFenster::statustexteSetzen() {
  const Ansicht& a = zeichnung_->ansicht;
  statusleiste_->setzeBlatt(qtext(blattStatustext(zeichnung_->optionen.blattname, a)));
  statusleiste_->setzeMassstab(qtext(massstabStatustext(a.drawingScale)));
}

// --- Start and stop ----------------------------------------------------------

void TFenster::fensterlageLaden() {
  QSettings einstellungen;
  einstellungen.beginGroup(kGruppe);
  // restoreGeometry() checks what it reads and refuses damaged values.
  if (!restoreGeometry(einstellungen.value(kGeometrie).toByteArray())) {
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const QRect frei = bildschirm ? bildschirm->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(1280, frei.width()), std::min(800, frei.height()));
  }
  if (!restoreState(einstellungen.value(kZustand).toByteArray(), kAnordnungsversion)) dockbreiteBeimZeigen(*this);
}

void TFenster::fensterlageSpeichern() const {
  QSettings einstellungen;
  einstellungen.beginGroup(kGruppe);
  einstellungen.setValue(kGeometrie, saveGeometry());
  einstellungen.setValue(kZustand, saveState(kAnordnungsversion));
}

void TFenster::showEvent(QShowEvent* ereignis) {
  QMainWindow::showEvent(ereignis);
  // After the event, so the window is on screen with its size when a message
  // about the file appears or the loaded view is fitted to the area.
  if (!startdateiGeprueft_) QTimer::singleShot(0, this, &TFenster::startdateiOeffnen);
}

void TFenster::closeEvent(QCloseEvent* ereignis) {
  // A file command or automatic save is waiting in a dialog or polling for
  // Escape: closing now would pull the drawing from under it.
  if (dateibefehle_->beschaeftigt() || autosicherung_.beschaeftigt() || !dateibefehle_->aenderungenSichern()) {
    befehlsstandSetzen();
    ereignis->ignore();
    return;
  }
  takt_->stop();
  autosaveAufraeumen(*zeichnung_, einstellungen_.speichern, true);
  fensterlageSpeichern();
  QMainWindow::closeEvent(ereignis);
}

}  // namespace quarzel
