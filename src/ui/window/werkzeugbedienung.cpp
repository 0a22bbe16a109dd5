#include "ui/window/werkzeugbedienung.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMainWindow>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "edit/bearbeitungswerkzeuge.h"
#include "edit/fangformen.h"
#include "edit/treffertest.h"
#include "edit/werkzeugkasten.h"
#include "platform/benutzer.h"
#include "settings/einstellungen.h"
#include "store/zeichnung.h"
#include "ui/dialogs/bildschirmdarstellung.h"
#include "ui/qt/qtcanvas.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/bearbeitungsbefehle.h"
#include "ui/window/statusleiste.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {

namespace {

// Cross-hair and reference point are marks on white.
QColor markenfarbe(int wahl) {
  return qfarbe(einstellung::darstellungsfarbe(wahl, einstellung::Farbgebrauch::Marke));
}

// One notch of the wheel zooms by this factor; "Mausradfaktor" 3 gives 1.3.
double radfaktor(double mausradfaktor) {
  const double f = 1.0 + (std::isfinite(mausradfaktor) ? mausradfaktor : 3.0) / 10.0;
  return std::clamp(f, 1.05, 4.0);
}

Maustaste taste(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return Maustaste::Links;
    case Qt::RightButton:
      return Maustaste::Rechts;
    case Qt::MiddleButton:
      return Maustaste::Mitte;
    default:
      return Maustaste::Keine;
  }
}

Mausereignis ereignis(const Mausdaten& m) {
  Mausereignis e{m.x, m.y, taste(m.taste), {}};
  const bool links = m.taste == Qt::LeftButton;
  e.umschaltung.shift = links && (m.umschaltung & Qt::ShiftModifier);
  e.umschaltung.strg = links && (m.umschaltung & Qt::ControlModifier);
  e.umschaltung.alt = links && (m.umschaltung & Qt::AltModifier);
  return e;
}

// The keys of the drawing area; numpad keys count with or without Num Lock.
Taste alsTaste(const QKeyEvent& e) {
  const bool block = e.modifiers() & Qt::KeypadModifier;
  switch (e.key()) {
    case Qt::Key_Escape:
      return Taste::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Taste::Enter;
    case Qt::Key_Left:
      return Taste::Links;
    case Qt::Key_Right:
      return Taste::Rechts;
    case Qt::Key_Up:
      return Taste::Hoch;
    case Qt::Key_Down:
      return Taste::Runter;
    case Qt::Key_PageUp:
      return block ? Taste::Num9 : Taste::Sonstige;  // else "Nächste Ebene", a menu key
    case Qt::Key_PageDown:
      return block ? Taste::Num3 : Taste::Sonstige;  // else "Vorherige Ebene"
    case Qt::Key_Home:
      return block ? Taste::Num7 : Taste::Sonstige;
    case Qt::Key_End:
      return block ? Taste::Num1 : Taste::Sonstige;
    case Qt::Key_Insert:
      return block ? Taste::Num0 : Taste::Sonstige;
    default:
      break;
  }
  if (!block) return Taste::Sonstige;
  switch (e.key()) {
    case Qt::Key_0:
      return Taste::Num0;
    case Qt::Key_1:
      return Taste::Num1;
    case Qt::Key_2:
      return Taste::Num2;
    case Qt::Key_3:
      return Taste::Num3;
    case Qt::Key_4:
      return Taste::Num4;
    case Qt::Key_6:
      return Taste::Num6;
    case Qt::Key_7:
      return Taste::Num7;
    case Qt::Key_8:
      return Taste::Num8;
    case Qt::Key_9:
      return Taste::Num9;
    case Qt::Key_Plus:
      return Taste::NumPlus;
    case Qt::Key_Minus:
      return Taste::NumMinus;
    default:
      return Taste::Sonstige;
  }
}

}  // namespace

Werkzeugbedienung::Werkzeugbedienung(QMainWindow& fenster, Werkzeugkasten& kasten, Zeichenflaeche& flaeche,
                                     Werkzeugleisten& leisten, Eigenschaftsleiste& eigenschaften, Statusleiste& status,
                                     const Einstellungen& einstellungen, Fensterdienste dienste)
    : QObject(&fenster),
      fenster_(fenster),
      kasten_(kasten),
      zeichnung_(kasten.steuerung.zeichnung()),
      flaeche_(flaeche),
      leisten_(leisten),
      eigenschaften_(eigenschaften),
      status_(status),
      einstellungen_(einstellungen),
      dienste_(std::move(dienste)) {
  uebernimmZeichenhilfen(einstellungen_.zeichenhilfen, kasten_.fang);
  kasten_.fangsuche.cursorposition = [this] {
    const auto c = flaeche_.cursor();
    return c ? Pixelpunkt{c->x(), c->y()} : Pixelpunkt{};
  };

  Werkzeugsteuerung& st = kasten_.steuerung;
  Werkzeugumgebung& u = st.umgebung();
  u.rueckmeldung = &flaeche_.rueckmeldung();
  u.neuZeichnen = [this] {
    if (dienste_.neuZeichnen) dienste_.neuZeichnen();
  };
  u.elementeZeichnen = [this](std::int32_t von, std::int32_t bis) {
    // Whether new elements are marked is the modules' business (figurablage.h).
    if (dienste_.objekteZeichnen) dienste_.objekteZeichnen(von, bis);
    if (dienste_.befehlsstand) dienste_.befehlsstand();
  };
  u.markierenAktivieren = [this] { kasten_.steuerung.pfeilaktiv(); };
  st.fangen = [this](int x, int y) { return fange(x, y); };
  st.panelsZeigen = [this](Werkzeugcode w) {
    eigenschaften_.setzeZeichnungseinheit(QString::fromStdString(zeichnung_.ansicht.unitName));
    eigenschaften_.zeigeFuer(w);
    panel_->werkzeugGestartet(w);
    QAction* a = leisten_.aktionFuer(w, kasten_.steuerung.zustand().knopf);
    if (a != nullptr) {
      a->setChecked(true);
    } else if (QAction* aktiv = leisten_.werkzeuge->checkedAction()) {
      aktiv->setChecked(false);
    }
  };
  st.cursorSetzen = [this](Werkzeugcode w) {
    flaeche_.setCursor(w == Werkzeugcode::Markieren ? Qt::ArrowCursor : Qt::CrossCursor);
  };
  st.verschiebenStarten = [this](double x, double y) {
    panX_ = x;
    panY_ = y;
    flaeche_.setCursor(Qt::ClosedHandCursor);
  };
  // Zooming in with Numpad + keeps the cursor in the area it zooms.
  st.cursorEinfangen = [this] {
    const QPoint hier = flaeche_.mapFromGlobal(QCursor::pos());
    const QRect r = flaeche_.rect();
    const QPoint drin(std::clamp(hier.x(), r.left(), r.right()), std::clamp(hier.y(), r.top(), r.bottom()));
    if (drin != hier) QCursor::setPos(flaeche_.mapToGlobal(drin));
  };
  st.pause = [](std::uint32_t ms) {
    // Events that arrive meanwhile are handled; scroll keys among them are
    // dropped by the state machine's busy flag.
    QApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(ms));
    QThread::msleep(std::min<std::uint32_t>(ms, 100));
  };
  st.feldEscape = [this] { return eigenschaften_.feldEscape(); };
  st.elementUnterCursor = [this](double x, double y) { return trefferTest(zeichnung_, x, y); };
  st.markierrahmenZeichnen = [this] { kasten_.markier.markierrahmenZeichnen(kasten_.steuerung.umgebung()); };

  panel_ = new Koordinatenpanel(st, &flaeche_, &fenster_);
  fenster_.addDockWidget(Qt::RightDockWidgetArea, panel_);
  panel_->hide();
  connect(panel_, &Koordinatenpanel::punktEingegeben, this, &Werkzeugbedienung::nachEreignis);
  connect(leisten_.numerischeEingabe, &QAction::toggled, panel_, &QWidget::setVisible);
  connect(panel_, &QDockWidget::visibilityChanged, leisten_.numerischeEingabe, &QAction::setChecked);

  connect(leisten_.werkzeuge, &QActionGroup::triggered, this,
          [this](QAction* a) { waehle(werkzeugcode(a), knopfNr(a)); });
  connect(leisten_.loeschen, &QAction::triggered, this, &Werkzeugbedienung::loeschen);
  connect(&eigenschaften_, &Eigenschaftsleiste::geaendert, this, &Werkzeugbedienung::vorgabenUebernehmen);
  connect(&eigenschaften_, &Eigenschaftsleiste::varianteGewaehlt, this, [this](Werkzeugcode w) {
    leisten_.merkeVariante(w);
    waehle(w);
  });

  // Every change of the view ends in a new picture: the marker follows its world point.
  connect(&flaeche_, &Zeichenflaeche::neuGezeichnet, this, &Werkzeugbedienung::bezugspunktZeigen);
  connect(&flaeche_, &Zeichenflaeche::neuGezeichnet, this,
          [this] { kasten_.markier.markierrahmenNachfuehren(kasten_.steuerung.umgebung()); });
  connect(&flaeche_, &Zeichenflaeche::mausGedrueckt, this, &Werkzeugbedienung::gedrueckt);
  connect(&flaeche_, &Zeichenflaeche::mausBewegt, this, &Werkzeugbedienung::bewegt);
  connect(&flaeche_, &Zeichenflaeche::mausLosgelassen, this, &Werkzeugbedienung::losgelassen);
  connect(&flaeche_, &Zeichenflaeche::mausDoppelklick, this, &Werkzeugbedienung::doppelklick);
  connect(&flaeche_, &Zeichenflaeche::mausrad, this, &Werkzeugbedienung::rad);
  flaeche_.setzeTastenfilter([this](QKeyEvent& e) { return taste(e); });
  bearbeitung_ = new Bearbeitungsbefehle(
      fenster_, st, kasten_.markier, flaeche_, [this](Werkzeugcode w) { waehle(w); },
      [this] {
        if (dienste_.befehlsstand) dienste_.befehlsstand();
      },
      this);

  const einstellung::Darstellung& d = einstellungen_.darstellung;
  flaeche_.setzeFadenkreuz(einstellungen_.zeichenhilfen.fadenkreuz, markenfarbe(d.fadenkreuz));

  vorgabenUebernehmen();
  st.pfeilaktiv();
  nachEreignis();
}

Werkzeugbedienung::~Werkzeugbedienung() {
  // The panel and the area's keys talk to the state machine until they are
  // gone or cut off.
  flaeche_.setzeTastenfilter({});
  delete panel_.data();
  // The tools outlive the window: nothing of it may be called any more.
  kasten_.fensterTrennen();
}

void Werkzeugbedienung::waehle(Werkzeugcode werkzeug, std::uint8_t knopf) {
  flaeche_.zeigeFang(nullptr);
  kasten_.steuerung.waehleWerkzeug(werkzeug, knopf);
  nachEreignis();
}

namespace {

// Larger files are no picture the renderer would draw (kGroesstePixelzahl).
constexpr std::streamoff kGroessteBilddatei = 256 * 1024 * 1024;

}  // namespace

bool Werkzeugbedienung::bildEinfuegen(Benutzer& benutzer) {
  constexpr std::string_view kFilter = "Bilder (*.png;*.jpg;*.jpeg)|*.png;*.jpg;*.jpeg|Alle Dateien|*.*";
  const auto pfad = benutzer.dateiOeffnen("Bild einfügen", kFilter, einstellungen_.standardpfade.standardBitmaps);
  if (!pfad) return false;
  std::ifstream datei(*pfad, std::ios::binary | std::ios::ate);
  std::vector<std::uint8_t> bytes;
  if (datei && datei.tellg() <= kGroessteBilddatei) {
    bytes.resize(static_cast<std::size_t>(datei.tellg()));
    datei.seekg(0);
    datei.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!datei) bytes.clear();
  }
  if (bytes.empty() || !kasten_.bitmaps.bildVormerken(std::move(bytes))) {
    benutzer.meldung("Die Datei \"" + *pfad + "\" ist kein lesbares Bild (PNG oder JPEG).", Meldungsart::Fehler);
    return false;
  }
  waehle(Werkzeugcode::BitmapEinpassen, kBildEinfuegenKnopf);
  return true;
}

void Werkzeugbedienung::symbolPlatzieren(std::unique_ptr<Symbol> symbol, std::string name) {
  kasten_.symbole.vormerken(kasten_.steuerung.umgebung(), std::move(symbol), std::move(name));
  waehle(Werkzeugcode::SymbolEinfuegen);
}

void Werkzeugbedienung::klickeBei(double x, double y) {
  bewegt(x, y);
  gedrueckt({x, y, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier});
  losgelassen({x, y, Qt::LeftButton, Qt::NoButton, Qt::NoModifier});
}

void Werkzeugbedienung::zeichnungGewechselt() {
  // The rubber band belongs to the old drawing's picture; the tool restarts.
  kasten_.steuerung.funktionsabbruch();
  kasten_.steuerung.waehleWerkzeug(kasten_.steuerung.zustand().werkzeug, kasten_.steuerung.zustand().knopf);
  vorgabenUebernehmen();
  nachEreignis();
}

void Werkzeugbedienung::loeschen() {
  kasten_.steuerung.rueckmeldungLoeschen();
  // The frame around the marked elements goes with them.
  kasten_.markier.markierrahmenLoeschen(kasten_.steuerung.umgebung());
  if (loescheMarkierteElemente(zeichnung_) > 0) {
    if (dienste_.neuZeichnen) dienste_.neuZeichnen();
    if (dienste_.befehlsstand) dienste_.befehlsstand();
  }
}

void Werkzeugbedienung::vorgabenUebernehmen() {
  AktuelleAttribute& a = zeichnung_.speicher.aktuell;
  a.stift = static_cast<std::uint8_t>(std::clamp(eigenschaften_.stift(), 1, 255));
  a.linienstil = static_cast<std::int16_t>(std::clamp(eigenschaften_.linienstil(), 1, 32767));
  Zeichenvorgabe v = eigenschaften_.vorgabe();
  v.hilfslinienfarbe = einstellungen_.hilfslinien.farbe;
  v.gummibandfarbe = einstellung::darstellungsfarbe(einstellungen_.darstellung.objekte);
  kasten_.linien.vorgabe = v;
  kasten_.flaechen.vorgabe = v;
  kasten_.verlaeufe.vorgabe = v;
  kasten_.bitmaps.gummibandfarbe = v.gummibandfarbe;
  kasten_.texte.farbe = v.farbe;
  kasten_.texte.gummibandfarbe = v.gummibandfarbe;
  kasten_.trimmen.gummibandfarbe = v.gummibandfarbe;
  kasten_.flaechen.flaechenvorgabe = eigenschaften_.flaeche();
  kasten_.trimmen.radius = v.abrundradius;
  kasten_.trimmen.negativAbrunden = v.negativAbrunden;
  kasten_.trimmen.fasenmass = v.fasenmass;
  kasten_.trimmen.fasenAlsAbstand = v.fasenAlsAbstand;
  kasten_.trimmen.teilstuecke = v.teilstuecke;
  kasten_.konstruktion.vorgabe = v;
  kasten_.kreise.vorgabe = v;
  kasten_.kreise.abstand = v.abstandZurReferenzlinie;
  kasten_.kreise.anzahl = v.anzahl;
  kasten_.kreise.radius = v.tangentialradius;
  kasten_.trimmen.teilstueckmodus = v.teilstueckAendern ? Teilstueckmodus::Aendern : Teilstueckmodus::Loeschen;
  kasten_.trimmen.farbe = v.farbe;
  kasten_.bemassung.gummibandfarbe = v.gummibandfarbe;
  Messvorgabe& m = kasten_.flaechenmessung.vorgabe;
  m.umfangAngeben = v.umfangAngeben;
  m.mitPutzabzug = v.mitPutzabzug;
  m.putzstaerkeCm = v.putzstaerkeCm;
  m.farbe = v.farbe;
  m.gummibandfarbe = v.gummibandfarbe;
  kasten_.symbole.setzeLage(kasten_.steuerung.umgebung(), eigenschaften_.symbolwinkel(),
                            eigenschaften_.symbolGespiegelt());
}

Weltpunkt Werkzeugbedienung::fange(int x, int y) {
  const Ansicht& a = zeichnung_.ansicht;
  const Werkzeugzustand& z = kasten_.steuerung.zustand();
  Fangkontext k;
  k.werkzeug = z.werkzeug;
  k.punktschritt = std::max(1, z.schritt);
  if (!z.punkte.empty()) k.vorigerPunkt = a.worldToPixel(z.punkte.back().x, z.punkte.back().y);
  if (z.schritt >= 3 && istBogenwerkzeug(z.werkzeug) && !z.punkte.empty())
    k.bogenmitte = a.worldToPixel(z.punkte.front().x, z.punkte.front().y);
  const Fangergebnis f = kasten_.fangsuche.fange(x, y, kasten_.fang, k);
  letzterFang_ = f;
  return a.pixelToWorld(f.x, f.y);
}

void Werkzeugbedienung::gedrueckt(const Mausdaten& m) {
  kasten_.steuerung.mausGedrueckt(ereignis(m));
  nachEreignis();
}

void Werkzeugbedienung::bewegt(double x, double y) {
  if (kasten_.steuerung.verschiebenAktiv()) {
    verschiebe(x, y);
    return;
  }
  letzterFang_.reset();
  kasten_.steuerung.mausBewegt({x, y, Maustaste::Keine, {}});
  const Werkzeugzustand& z = kasten_.steuerung.zustand();
  // The select tool snaps nothing the user aims at; a marker there would only distract.
  const bool marker = z.werkzeug != Werkzeugcode::Keines && z.werkzeug != Werkzeugcode::Markieren;
  flaeche_.zeigeFang(marker && letzterFang_ ? &*letzterFang_ : nullptr);
  bezugspunktZeigen();
}

void Werkzeugbedienung::bezugspunktZeigen() {
  const std::optional<Weltpunkt>& b = kasten_.steuerung.zustand().bezug;
  if (!b) {
    flaeche_.setzeBezugspunkt(std::nullopt, Qt::red);
    return;
  }
  const Pixelpunkt p = zeichnung_.ansicht.worldToPixel(b->x, b->y);
  flaeche_.setzeBezugspunkt(QPointF(p.x, p.y), markenfarbe(einstellungen_.darstellung.referenzpunkt));
}

void Werkzeugbedienung::verschiebe(double x, double y) {
  Ansicht& a = zeichnung_.ansicht;
  const std::int32_t dx = Ansicht::nearestInt32((panX_ - x) * a.zoom);
  const std::int32_t dy = Ansicht::nearestInt32((panY_ - y) * a.zoom);
  if (dx == 0 && dy == 0) return;
  const double mx = dx != 0 ? a.setzeUrsprungWaagerecht(a.viewOriginX + dx) : 0;
  const double my = dy != 0 ? a.setzeUrsprungSenkrecht(a.viewOriginY + dy) : 0;
  // Only what the view really moved counts; at the world's edge it stops.
  panX_ += mx;
  panY_ += my;
  if ((mx != 0 || my != 0) && dienste_.neuZeichnen) dienste_.neuZeichnen();
}

void Werkzeugbedienung::losgelassen(const Mausdaten& m) {
  const bool warVerschieben = kasten_.steuerung.verschiebenAktiv();
  kasten_.steuerung.mausLosgelassen(ereignis(m));
  if (warVerschieben && !kasten_.steuerung.verschiebenAktiv()) {
    kasten_.steuerung.cursorSetzen(kasten_.steuerung.zustand().werkzeug);
  }
  nachEreignis();
}

void Werkzeugbedienung::doppelklick(const Mausdaten& m) {
  kasten_.steuerung.mausDoppelklick(ereignis(m));
  nachEreignis();
}

void Werkzeugbedienung::rad(double x, double y, double stufen) {
  Ansicht& a = zeichnung_.ansicht;
  // The world point under the cursor stays under the cursor.
  const Weltpunkt mitte = a.pixelToWorld(x, y);
  const double faktor = std::pow(radfaktor(einstellungen_.zoom.mausradfaktor), -stufen);
  double neu = a.zoom * faktor;
  const double breite = std::max(1, a.areaWidth);
  const double hoehe = std::max(1, a.areaHeight);
  const double groesster = std::min(a.WorldWidth / breite, a.WorldHeight / hoehe);
  neu = std::min(neu, groesster);
  if (!(neu > 0) || neu == a.zoom) return;
  const double x1 = mitte.x - x * neu;
  const double y1 = mitte.y - y * neu;
  a.zoomeAufRechteck(x1, y1, x1 + breite * neu, y1 + hoehe * neu);
  if (dienste_.neuZeichnen) dienste_.neuZeichnen();
  nachEreignis();
}

bool Werkzeugbedienung::taste(QKeyEvent& e) {
  const Taste t = alsTaste(e);
  if (t == Taste::Sonstige) {
    // A letter for the active tool (placing a symbol: "R", "S").
    const QString text = e.text();
    if (text.size() != 1 || !text[0].isPrint() ||
        (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
      return false;
    const bool benutzt = kasten_.steuerung.taste({Taste::Sonstige, char32_t(text[0].unicode())});
    nachEreignis();
    return benutzt;
  }
  if (t == Taste::Enter) {
    if (!panel_->isVisible()) return false;
    panel_->ok();
    return true;
  }
  const bool benutzt = kasten_.steuerung.taste({t});
  nachEreignis();
  return benutzt;
}

QString Werkzeugbedienung::aufforderung() const {
  const Werkzeugzustand& z = kasten_.steuerung.zustand();
  if (z.werkzeug == Werkzeugcode::Keines) return {};
  const Eingabemaske m = eingabemaske(z.werkzeug, z.knopf);
  // Steps beyond the panel's groups (arcs' fourth point, further polyline
  // points) keep the prompt of the last group the tool shows.
  int g = std::clamp(z.schritt - 1, 0, 2);
  while (g > 0 && !m.gruppen[static_cast<std::size_t>(g)].sichtbar) --g;
  const QString schritt = QString::fromStdString(m.gruppen[static_cast<std::size_t>(g)].titel);
  const QAction* a = leisten_.aktionFuer(z.werkzeug, z.knopf);
  QString name = a != nullptr ? a->toolTip().trimmed() : QString();
  // Placing a picture borrows 450 through a button of its own that is a menu entry.
  if (z.werkzeug == Werkzeugcode::BitmapEinpassen && z.knopf == kBildEinfuegenKnopf)
    name = QStringLiteral("Bild einfügen");
  if (z.werkzeug == Werkzeugcode::SymbolEinfuegen)
    name = QStringLiteral("Symbol einfügen (%1)").arg(QString::fromStdString(kasten_.symbole.name()));
  if (name.isEmpty()) return schritt;
  return schritt.isEmpty() ? name : name + QStringLiteral(": ") + schritt;
}

void Werkzeugbedienung::nachEreignis() {
  panel_->schritteAktualisieren();
  eigenschaften_.setzeSymbollage(kasten_.symbole.winkel(), kasten_.symbole.gespiegelt());
  const Messanzeige& m = kasten_.flaechenmessung.anzeige;
  eigenschaften_.setzeMesswerte(QString::fromStdString(m.flaeche), QString::fromStdString(m.umfang),
                                QString::fromStdString(m.gesamt), QString::fromStdString(m.einheit));
  status_.setzeAufforderung(aufforderung());
  bezugspunktZeigen();
  if (dienste_.befehlsstand) dienste_.befehlsstand();
}

}  // namespace quarzel
