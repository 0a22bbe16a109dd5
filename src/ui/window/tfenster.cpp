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
#include <charconv>

#include "project/projektausgabe.h"
#include "project/projektbearbeitung.h"
#include "render/blockrahmen.h"
#include "render/elementzeichnen.h"
#include "styles/linienstile.h"
#include "styles/linienstilstart.h"
#include "styles/schraffurbibliothek.h"
#include "ui/dialogs/fehlendeschraffuren.h"
#include "ui/dialogs/rasterdialog.h"
#include "ui/qt/qtbenutzer.h"
#include "ui/qt/qttastatur.h"
#include "ui/qt/zeichnungsausgabe.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/tools/kontexthilfe.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/ansichtenbefehle.h"
#include "ui/window/ansichtsbefehle.h"
#include "ui/window/ansichtsleisten.h"
#include "ui/window/bildaufbau.h"
#include "ui/window/dateibefehle.h"
#include "ui/window/druckbefehle.h"
#include "ui/window/ebenenbefehle.h"
#include "ui/window/einstellungsbefehle.h"
#include "ui/window/fangbefehle.h"
#include "ui/window/farbwahl.h"
#include "ui/window/fensteranordnung.h"
#include "ui/window/importbefehle.h"
#include "ui/window/makrobefehle.h"
#include "ui/window/markierbefehle.h"
#include "ui/window/projektbefehle.h"
#include "ui/window/statusleiste.h"
#include "ui/window/strukturwache.h"
#include "ui/window/stuecklistenbefehle.h"
#include "ui/window/symbolbefehle.h"
#include "ui/window/symbolkatalog.h"
#include "ui/window/textbefehle.h"
#include "ui/window/ursprungsanzeige.h"
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

TFenster::TFenster(Sitzung& sitzung, QWidget* eltern) : QMainWindow(eltern), sitzung_(sitzung) {
  setObjectName(QStringLiteral("TFenster"));

  zeichenflaeche_ = new Zeichenflaeche(this);
  auto* rahmen = new Zeichenrahmen(*zeichenflaeche_, sitzung_.zeichnung.ansicht, [this] {
    return werkzeuge_ != nullptr && werkzeuge_->fangeinstellungen().linealModell;
  });
  setCentralWidget(rahmen);
  zeichenflaeche_->setFocus();
  statusleiste_ = std::make_unique<Statusleiste>(*statusBar());
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

  menue_.blattDarstellen->setChecked(sitzung_.zeichnung.ansicht.layoutView);
  new Ansichtsbefehle(anschluss(), *menue_.ansicht, *menue_.gesamtesBlatt, *menue_.blattDarstellen);
  dateibefehle_ = std::make_unique<Dateibefehle>(sitzung_.zeichnung, sitzung_.benutzer, *tastatur_,
                                                 sitzung_.konfiguration, sitzung_.einstellungen);
  dateibefehle_->bildExport = [this](const std::string& pfad) {
    Ausgabewahl wahl;
    wahl.pfad = pfad;
    wahl.format = ausgabeformatFuer(pfad).value_or(Ausgabeformat::Png);
    wahl.schalter = sitzung_.schalter;
    wahl.darstellung = sitzung_.darstellung;
    wahl.schraffuren = &sitzung_.schraffuren;
    if (wahl.format == Ausgabeformat::Png) {
      // A picture file has no paper size, so its resolution decides its pixels.
      einstellung::BitmapSpeichern& bild = sitzung_.einstellungen.bitmapSpeichern;
      const auto antwort = sitzung_.benutzer.eingabe("Als Bild speichern",
                                                     "Auflösung (dpi):", std::to_string(bild.dpi > 0 ? bild.dpi : 300));
      if (!antwort) return std::string();
      int dpi = 0;
      const auto [ende, ec] = std::from_chars(antwort->data(), antwort->data() + antwort->size(), dpi);
      if (ec != std::errc() || ende != antwort->data() + antwort->size() || dpi < 10 || dpi > 2400)
        return std::string("Die Auflösung muss eine ganze Zahl von 10 bis 2400 dpi sein.");
      wahl.dpi = dpi;
      if (bild.dpi != dpi) {
        bild.dpi = dpi;
        sitzung_.konfiguration.speichereAbschnitt(bild);
      }
    }
    return gibZeichnungAus(sitzung_.zeichnung, wahl);
  };
  dateibefehle_->statusmeldung = [this](const std::string& text) {
    statusleiste_->setzeMeldung(QString::fromStdString(text));
  };
  dateibefehle_->fehlendeSchraffuren = [this](const std::string& meldung, const std::vector<std::string>& namen) {
    TFehlendeSchraffuren(meldung, namen, this).exec();
  };

  connect(zeichenflaeche_, &Zeichenflaeche::groesseGeaendert, this, &TFenster::flaecheGeaendert);
  connect(zeichenflaeche_, &Zeichenflaeche::mausBewegt, this, &TFenster::mausBewegt);
  zeichenflaeche_->setzeMaler([this](Canvas& canvas) { zeichneFlaeche(canvas); });
  werkzeugeEinrichten();
  druckbefehleEinrichten(anschluss(), *menue_.datei, menue_.zuletztTrenner, *leisten_.ansicht);
  ebenenbefehle_ = ebenenbefehleEinrichten(anschluss(), *menuBar());
  einstellungsbefehleEinrichten(
      anschluss(), *eigenschaften_, [this] { darstellungAnwenden(sitzung_, *zeichenflaeche_, *werkzeuge_); },
      *menuBar());
  importbefehle_ = new Importbefehle(anschluss(), *menue_.datei, menue_.zuletztTrenner, *menuBar());
  dateibefehle_->cadImport = [this](const std::string& pfad) { importbefehle_->importiere(pfad); };
  markierbefehle_ = markierbefehleEinrichten(anschluss(), *werkzeuge_, *eigenschaften_, menue_, leisten_,
                                             [this] { befehlsstandSetzen(); });
  symbolbefehle_ = new Symbolbefehle(anschluss(), *werkzeuge_, menue_);
  new Projektbefehle(anschluss(), *menue_.datei, markierbefehle_->statistikAktion, [this] { befehlsstandSetzen(); });
  stuecklistenbefehle_ = new Stuecklistenbefehle(anschluss(), *menue_.symbole,
                                                 [this](const QString& text) { statusleiste_->setzeMeldung(text); });
  new Farbwahl(anschluss(), *eigenschaften_, leisten_);
  new Kontexthilfe(*this, *leisten_.ansicht, QString::fromStdString((programmordner() / "Hilfe").string()));
  ordneLeistenAn(*this);
  // After the bars are arranged: its list scrolls by itself.
  symbolkatalog_ =
      symbolkatalogEinrichten(anschluss(), *symbolbefehle_, *werkzeuge_, *zeichenflaeche_, *menue_.symbole);
  new Ansichtsleisten(anschluss(), *werkzeuge_, *rahmen, &fangbefehle_->leiste(), *menue_.ansicht);
  new Ursprungsanzeige(anschluss(), *werkzeuge_, *zeichenflaeche_, *menue_.ansicht);
  ansichtenbefehle_ = new Ansichtenbefehle(anschluss(), *ebenenbefehle_, *menue_.ansicht, *leisten_.ansicht,
                                           QString::fromStdString((programmordner() / "Hilfe").string()));

  Makrofenster makrofenster{anschluss(),
                            [this](std::int32_t von, std::int32_t bis) { objektzeichnen(von, bis); },
                            [this] { befehlsstandSetzen(); },
                            [this] { rueckgaengig(); },
                            zeichenflaeche_,
                            statusleiste_.get()};
  makrobefehle_ = new Makrobefehle(std::move(makrofenster), *menuBar());

  zuletztSetzen();
  befehlsstandSetzen();
  statustexteSetzen();
  fensterlageLaden();
  // The key decides, not the layout saved with the window.
  symbolkatalog_->setVisible(sitzung_.einstellungen.symbolkatalog.zeigen);

  takt_ = new QTimer(this);
  takt_->setInterval(kTaktMs);
  connect(takt_, &QTimer::timeout, this, &TFenster::takt);
  if (sitzung_.startGelungen()) takt_->start();
}

Fensteranschluss TFenster::anschluss() {
  return {*this, sitzung_, [this] { Figurzeichnen(); }};
}

TFenster::~TFenster() {
  // A macro waiting for a click holds the drawing area and the status bar;
  // it lets them go while they are still there.
  delete makrobefehle_;
  makrobefehle_ = nullptr;
  // A numeric field losing the focus while the widgets go would call back
  // into a window that is no longer one.
  if (werkzeuge_ != nullptr) disconnect(&werkzeuge_->panel(), nullptr, this, nullptr);
  delete werkzeuge_;
  werkzeuge_ = nullptr;
}

void TFenster::werkzeugeEinrichten() {
  leisten_ = baueWerkzeugleisten(*this, *menue_.bearbeiten);
  eigenschaften_ = new Eigenschaftsleiste(this);
  addToolBar(Qt::TopToolBarArea, eigenschaften_);
  eigenschaftenAuffrischen();

  Fensterdienste dienste;
  dienste.neuZeichnen = [this] { Figurzeichnen(); };
  dienste.objekteZeichnen = [this](std::int32_t von, std::int32_t bis) { objektzeichnen(von, bis); };
  dienste.befehlsstand = [this] { befehlsstandSetzen(); };
  werkzeuge_ = new Werkzeugbedienung(*this, sitzung_.werkzeuge, *zeichenflaeche_, leisten_, *eigenschaften_,
                                     *statusleiste_, sitzung_.einstellungen, std::move(dienste));
  connect(&werkzeuge_->panel(), &Koordinatenpanel::kurztasten, this, &TFenster::setzeKurztasten);
  textbefehleAnschliessen(sitzung_, *this, [this] {
    Figurzeichnen();
    befehlsstandSetzen();
  });
  werkzeuge_->panel().melder = [this](const std::string& text) {
    sitzung_.benutzer.meldung(text, Meldungsart::Fehler);
  };
  fangbefehle_ = new Fangbefehle(anschluss(), werkzeuge_->fangeinstellungen(), *menue_.ansicht);
  // Closing waits for the tool event that found the damage to return.
  strukturwache_ = std::make_unique<Strukturwache>(sitzung_, *statusleiste_,
                                                   [this] { QTimer::singleShot(0, this, &QWidget::close); });
  werkzeuge_->steuerung().strukturPruefen = [this] { strukturwache_->pruefen(); };
  werkzeuge_->steuerung().autosicherungPruefen = [this] { takt(); };
  // Numpad 0 frames what is shown, as "Gesamte Zeichnung" does.
  werkzeuge_->steuerung().allesZeigen = [this] {
    sitzung_.zeichnung.ansicht.gesamteZeichnung(gezeigteUmgebung(sitzung_), sitzung_.zeichnung.speicher.anzahl() == 0);
  };
  connect(menue_.bildEinfuegen, &QAction::triggered, this, [this] { werkzeuge_->bildEinfuegen(sitzung_.benutzer); });
}

void TFenster::eigenschaftenAuffrischen() {
  eigenschaften_->setzeStifte(sitzung_.zeichnung.stifte);
  // The styles the user chose to have offered ("Linien2.dat"), all without it.
  Linienstilauswahl auswahl;
  ladeVerfuegbareLinienstile(auswahl);
  std::vector<std::pair<int, QString>> stile;
  for (int stil : auswahl.angeboteneStile()) stile.emplace_back(stil, qtext(sitzung_.zeichnung.linienstile.name(stil)));
  eigenschaften_->setzeLinienstile(stile);
  std::vector<QString> schraffuren;
  for (const std::string& n : sitzung_.schraffuren.namen()) schraffuren.push_back(qtext(n));
  eigenschaften_->setzeSchraffuren(schraffuren);
  eigenschaften_->setzeStift(sitzung_.zeichnung.speicher.aktuell.stift);
  eigenschaften_->setzeLinienstil(sitzung_.zeichnung.speicher.aktuell.linienstil);
}

Tastatur& TFenster::tastatur() {
  return *tastatur_;
}

void TFenster::Figurzeichnen() {
  // A grid in drawing units follows a change of the scale in force.
  if (sitzung_.einstellungen.zeichenhilfen.rasterMasstabsabhaengig)
    rasterAusEinstellungen(sitzung_.einstellungen.zeichenhilfen, sitzung_.zeichnung.massstabInKraft(),
                           sitzung_.zeichnung.ansicht);
  statustexteSetzen();
  zeichenflaeche_->neuZeichnen();
}

void TFenster::objektzeichnen(std::int32_t von, std::int32_t bis) {
  if (von < 1 || bis < von) return;
  zeichenflaeche_->aufBildZeichnen([&](Canvas& canvas) { zeichneElemente(canvas, von, bis); });
}

void TFenster::zentriere(double cx, double cy) {
  sitzung_.zeichnung.ansicht.zentriere(cx, cy);
  Figurzeichnen();
}

void TFenster::vergroessern() {
  sitzung_.zeichnung.ansicht.vergroessern();
  Figurzeichnen();
}

void TFenster::verkleinern() {
  sitzung_.zeichnung.ansicht.verkleinern();
  Figurzeichnen();
}

void TFenster::gesamtesBlatt() {
  sitzung_.zeichnung.ansicht.gesamtesBlatt();
  Figurzeichnen();
}

void TFenster::setzeBlattDarstellen(bool an) {
  if (menue_.blattDarstellen->isChecked() != an) menue_.blattDarstellen->setChecked(an);
  if (sitzung_.zeichnung.ansicht.layoutView == an) return;
  sitzung_.zeichnung.ansicht.layoutView = an;
  Figurzeichnen();
}

// --- File commands -----------------------------------------------------------

void TFenster::neu() {
  if (dateibefehle_->neu()) zeichnungGewechselt(false);
  befehlsstandSetzen();
}

void TFenster::oeffnen() {
  const Sicht vorher = sichtVon(sitzung_.zeichnung.ansicht);
  if (dateibefehle_->oeffnen()) zeichnungGewechselt(sichtVon(sitzung_.zeichnung.ansicht) != vorher);
  zuletztSetzen();
  befehlsstandSetzen();
}

void TFenster::oeffneZuletzt(int index) {
  const Sicht vorher = sichtVon(sitzung_.zeichnung.ansicht);
  if (dateibefehle_->oeffneZuletzt(index)) zeichnungGewechselt(sichtVon(sitzung_.zeichnung.ansicht) != vorher);
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
  Ansicht& a = sitzung_.zeichnung.ansicht;
  menue_.blattDarstellen->setChecked(a.layoutView);
  // The view saved with the drawing is kept unless it would show nothing
  // recognisable of the sheet in this window's area.
  if (!gespeicherteSicht || !blattErkennbar(a)) a.gesamtesBlatt();
  eigenschaftenAuffrischen();
  werkzeuge_->zeichnungGewechselt();
  ansichtenbefehle_->aktualisieren();
  stuecklistenbefehle_->zeichnungGewechselt();
  Figurzeichnen();
}

void TFenster::startdateiOeffnen() {
  if (startdateiGeprueft_) return;
  startdateiGeprueft_ = true;
  const Startdatei datei = startdatei(sitzung_.argumente());
  switch (datei.art) {
    case Startdatei::Art::Keine:
      return;
    case Startdatei::Art::Fehlt:
      // A mistyped name is no reason to end: the empty drawing stays open.
      sitzung_.benutzer.meldung(meldungStartdateiFehlt(datei.pfad), Meldungsart::Fehler);
      return;
    case Startdatei::Art::Oeffnen: {
      const Sicht vorher = sichtVon(sitzung_.zeichnung.ansicht);
      if (dateibefehle_->oeffne(datei.pfad)) zeichnungGewechselt(sichtVon(sitzung_.zeichnung.ansicht) != vorher);
      zuletztSetzen();
      befehlsstandSetzen();
      return;
    }
  }
}

// --- Edit commands -----------------------------------------------------------

void TFenster::rueckgaengig() {
  sitzung_.zeichnung.speicher.rueckgaengig();
  befehlsstandSetzen();
  Figurzeichnen();
}

void TFenster::wiederherstellen() {
  sitzung_.zeichnung.speicher.wiederherstellen();
  befehlsstandSetzen();
  Figurzeichnen();
}

// --- Clock, title, menus -----------------------------------------------------

void TFenster::takt() {
  sitzung_.autosicherung.tick(sitzung_.uhr.ticks(), sitzung_.zeichnung, sitzung_.einstellungen.speichern,
                              normalerZustand(), sitzung_.benutzer);
  befehlsstandSetzen();
}

bool TFenster::normalerZustand() const {
  return !dateibefehle_->beschaeftigt() && !sitzung_.autosicherung.beschaeftigt() && !zeichenflaeche_->zeichnet() &&
         QApplication::activeModalWidget() == nullptr && QApplication::activePopupWidget() == nullptr;
}

void TFenster::befehlsstandSetzen() {
  const Elementspeicher& s = sitzung_.zeichnung.speicher;
  menue_.rueckgaengig->setEnabled(s.undoMoeglich());
  menue_.wiederherstellen->setEnabled(s.redoMoeglich());
  const std::string& datei = sitzung_.zeichnung.dateiname;
  const QString name = datei.empty() ? QStringLiteral("Unbenannt") : QFileInfo(qtext(datei)).fileName();
  setWindowTitle(name + QStringLiteral("[*] - ") + programmtitel());
  setWindowModified(s.modifiziert());
  if (markierbefehle_ != nullptr) markierbefehle_->markierteZeigen();
}

void TFenster::zuletztSetzen() {
  zeigeZuletztGeoeffnet(menue_, dateibefehle_->zuletzt());
}

// --- Drawing area and status bar ---------------------------------------------

void TFenster::flaecheGeaendert(int breite, int hoehe) {
  Ansicht& a = sitzung_.zeichnung.ansicht;
  a.areaWidth = breite;
  a.areaHeight = hoehe;
  if (ersteGroesse_ && breite > 0 && hoehe > 0) {
    ersteGroesse_ = false;
    a.gesamtesBlatt();
  }
  Figurzeichnen();
}

void TFenster::mausBewegt(double x, double y) {
  const Ansicht& a = sitzung_.zeichnung.ansicht;
  const Weltpunkt welt = a.pixelToWorld(x, y);
  statusleiste_->setzeKoordinaten(qtext(koordinatentext(sitzung_.zeichnung, welt)));
}

void TFenster::zeichneFlaeche(Canvas& canvas) {
  const bool raster = werkzeuge_ != nullptr && werkzeuge_->fangeinstellungen().raster;
  zeichneBlattansicht(canvas, sitzung_.zeichnung.ansicht, raster);
  zeichneElemente(canvas, 1, sitzung_.zeichnung.speicher.anzahl());
}

void TFenster::zeichneElemente(Canvas& canvas, std::int32_t von, std::int32_t bis) {
  const Ansicht& a = sitzung_.zeichnung.ansicht;
  Zeichenumgebung u{sitzung_.zeichnung, sitzung_.schalter, sitzung_.darstellung, &sitzung_.schraffuren};
  u.bildspeicher = &sitzung_.zeichnung.speicher;
  u.schnellerRefresh = sitzung_.einstellungen.darstellung.schnellerRefresh;
  const bool ganz = von == 1 && bis >= sitzung_.zeichnung.speicher.anzahl();
  // Only a full redraw may let events through; new elements are drawn at once.
  Bildaufbau bildaufbau(*zeichenflaeche_, statusleiste_.get(), ganz && zeichenflaeche_->zeichnet());
  u.beobachter = &bildaufbau;
  // The block boxes pay off for full redraws; a few new elements are drawn directly.
  if (ganz) u.bloecke = &sitzung_.bloecke;
  // Placeholders show the values as they are now, or with "&Platzhalter" themselves.
  const Projektdatenersetzung platzhalter(heutigesDatum(), sitzung_.schalter.platzhalter);
  u.textersetzung = &platzhalter;
  drawElements(canvas, von, bis, a.drawingScale, a.zoom, a.clipRechteck(), a.viewOriginX, a.viewOriginY, u);
}

// A key a text field needs for typing and editing: plain printable keys and
// the editing keys. Ctrl+S, Ctrl+O, F-keys or Home stay with the window.
static bool stoertBeimTippen(const QKeySequence& folge) {
  if (folge.isEmpty()) return false;
  const QKeyCombination k = folge[0];
  if (k.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const int taste = k.key();
  return taste < Qt::Key_Escape || taste == Qt::Key_Backspace || taste == Qt::Key_Delete || taste == Qt::Key_Left ||
         taste == Qt::Key_Right || taste == Qt::Key_End || taste == Qt::Key_Insert;
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
  const Ansicht& a = sitzung_.zeichnung.ansicht;
  statusleiste_->setzeBlatt(qtext(blattStatustext(sitzung_.zeichnung.optionen.blattname, a)));
  statusleiste_->setzeMassstab(qtext(massstabStatustext(a.drawingScale)));
}

// --- Start and stop ----------------------------------------------------------

void TFenster::fensterlageLaden() {
  QSettings einstellungen;
  einstellungen.beginGroup(kGruppe);
  // restoreGeometry() checks what it reads and refuses damaged values.
  if (!restoreGeometry(einstellungen.value(kGeometrie).toByteArray())) {
    // The first start takes most of the screen: a drawing wants room.
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const QRect frei = bildschirm ? bildschirm->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(1600, frei.width()), std::min(1000, frei.height()));
  }
  if (!restoreState(einstellungen.value(kZustand).toByteArray(), kAnordnungsversion)) {
    ordneLinkeLeistenAn(*this, size());
    dockbreiteBeimZeigen(*this);
  }
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
  // After the emergency save the damaged drawing must not be saved over the user's file.
  if (strukturwache_ && strukturwache_->beendet()) {
    takt_->stop();
    QMainWindow::closeEvent(ereignis);
    return;
  }
  // A file command or automatic save is waiting in a dialog or polling for
  // Escape: closing now would pull the drawing from under it.
  if (dateibefehle_->beschaeftigt() || sitzung_.autosicherung.beschaeftigt() || !dateibefehle_->aenderungenSichern()) {
    befehlsstandSetzen();
    ereignis->ignore();
    return;
  }
  takt_->stop();
  autosaveAufraeumen(sitzung_.zeichnung, sitzung_.einstellungen.speichern, true);
  fensterlageSpeichern();
  QMainWindow::closeEvent(ereignis);
}

}  // namespace quarzel
