#include "edit/werkzeugsteuerung.h"

#include <cmath>

#include "edit/werkzeugtabelle.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

bool hat(Werkzeugcode w, Merkmal m) {
  const Werkzeugzeile* z = werkzeugzeile(w);
  return z != nullptr && z->hat(m);
}

bool freihand(Werkzeugcode w) {
  const Werkzeugzeile* z = werkzeugzeile(w);
  return z != nullptr && z->freihand;
}

constexpr Farbe kFreihandfarbe = rgb(0, 128, 0);
// XOR with white inverts what lies below, so the band shows on any background.
constexpr Farbe kRueckmeldungsfarbe = rgb(255, 255, 255);

}  // namespace

Werkzeuggruppe werkzeuggruppe(Werkzeugcode w) {
  const Werkzeugzeile* z = werkzeugzeile(w);
  return z != nullptr ? z->gruppe : Werkzeuggruppe::Keine;
}

bool panelgesteuert(Werkzeugcode w) {
  return hat(w, kPanelgesteuert);
}

Werkzeugsteuerung::Werkzeugsteuerung(Zeichnung& zeichnung, const Uhr& uhr)
    : zeichnung_(zeichnung), uhr_(uhr), umgebung_{zeichnung, zustand_, nullptr, {}, {}, {}, {}} {
  umgebung_.markierenAktivieren = [this] { pfeilaktiv(); };
}

void Werkzeugsteuerung::setzeModul(Werkzeuggruppe gruppe, Werkzeugmodul* modul) {
  module_[static_cast<std::size_t>(gruppe)] = modul;
}

void Werkzeugsteuerung::trenneFenster() {
  fangen = {};
  strukturPruefen = {};
  autosicherungPruefen = {};
  panelsZeigen = {};
  cursorSetzen = {};
  verschiebenStarten = {};
  allesZeigen = {};
  cursorEinfangen = {};
  pause = {};
  feldEscape = {};
  bearbeitungspanelAbbrechen = {};
  elementUnterCursor = {};
  markierrahmenZeichnen = {};
  umgebung_.rueckmeldung = nullptr;
  umgebung_.elementeZeichnen = {};
  umgebung_.neuZeichnen = {};
  umgebung_.ursprungGeaendert = {};
}

Werkzeugmodul* Werkzeugsteuerung::aktivesModul() const {
  const Werkzeuggruppe g = werkzeuggruppe(zustand_.werkzeug);
  return g == Werkzeuggruppe::Keine ? nullptr : module_[static_cast<std::size_t>(g)];
}

std::int32_t Werkzeugsteuerung::rollschritt(int pixel, double zoom) {
  const double mm = std::round(double(pixel) * zoom / 8.0);
  if (!(mm >= 1)) return 1;  // also NaN
  return mm > 1e9 ? 1000000000 : std::int32_t(mm);
}

Weltpunkt Werkzeugsteuerung::gefangen(double x, double y) const {
  if (fangen && std::isfinite(x) && std::isfinite(y) && std::fabs(x) < 1e9 && std::fabs(y) < 1e9)
    return fangen(int(std::lround(x)), int(std::lround(y)));
  return zeichnung_.ansicht.pixelToWorld(x, y);
}

// --- Tools -------------------------------------------------------------------

void Werkzeugsteuerung::rueckmeldungLoeschen() {
  if (Werkzeugmodul* m = aktivesModul()) m->rueckmeldungLoeschen(umgebung_);
}

void Werkzeugsteuerung::waehleWerkzeug(Werkzeugcode werkzeug, std::uint8_t knopf) {
  rueckmeldungLoeschen();
  zustand_.werkzeug = werkzeug;
  zustand_.knopf = knopf;
  const Werkzeuggruppe g = werkzeuggruppe(werkzeug);
  if (g == Werkzeuggruppe::Linien || g == Werkzeuggruppe::Flaechen) zustand_.letztesZeichenwerkzeug = werkzeug;
  if (g == Werkzeuggruppe::Konstruktion || g == Werkzeuggruppe::Trimmen)
    zustand_.letztesKonstruktionswerkzeug = werkzeug;
  zustand_.punkte.clear();
  startparameter();
}

void Werkzeugsteuerung::startparameter() {
  const Werkzeugcode w = zustand_.werkzeug;
  // Mirroring and the panel of 142 start on top of a selection whose frame must stay.
  if (!hat(w, kStartBehaeltRahmen)) {
    rueckmeldungLoeschen();
    if (cursorSetzen) cursorSetzen(w);
  }
  zustand_.schritt = 1;
  zustand_.bezug.reset();
  if (Canvas* c = umgebung_.rueckmeldung) {
    c->setzeStiftmodus(Stiftmodus::Xor);
    c->setzePinsel(0, true);
    c->setzeStift(kRueckmeldungsfarbe, 1);
  }
  const std::uint32_t jetzt = uhr_.ticks();
  if (!strukturGeprueft_ || std::uint32_t(jetzt - letzteStrukturpruefung_) > kStrukturpruefungAbstand) {
    strukturGeprueft_ = true;
    letzteStrukturpruefung_ = jetzt;
    if (strukturPruefen) strukturPruefen();
  }
  if (!hat(w, kOhneAutosicherung) && autosicherungPruefen) autosicherungPruefen();
  if (panelsZeigen) panelsZeigen(w);
}

void Werkzeugsteuerung::pfeilaktiv() {
  waehleWerkzeug(Werkzeugcode::Markieren);
}

void Werkzeugsteuerung::funktionaus() {
  rueckmeldungLoeschen();
  zustand_.werkzeug = Werkzeugcode::Keines;
  zustand_.knopf = 0;
  zustand_.schritt = 0;
  zustand_.bezug.reset();
  zustand_.punkte.clear();
}

void Werkzeugsteuerung::funktionsabbruch() {
  if (Werkzeugmodul* m = aktivesModul()) m->abbrechen(umgebung_);
  zustand_.schritt = 1;
  zustand_.bezug.reset();
  if (!zustand_.punkte.empty()) {
    zustand_.punkte.clear();
    if (umgebung_.neuZeichnen) umgebung_.neuZeichnen();
  }
}

// --- Mouse -------------------------------------------------------------------

void Werkzeugsteuerung::mausGedrueckt(const Mausereignis& e) {
  const Werkzeugcode w = zustand_.werkzeug;
  const bool strich = freihand(w);
  if (strich && e.taste == Maustaste::Links) {
    const Weltpunkt p = zeichnung_.ansicht.pixelToWorld(e.x, e.y);
    if (zustand_.punkte.size() < Punktpuffer::Hoechstzahl) zustand_.punkte.push_back(p);
    if (Canvas* c = umgebung_.rueckmeldung) {
      c->setzeStiftmodus(Stiftmodus::Kopieren);
      c->pixel(int(std::lround(e.x)), int(std::lround(e.y)), kFreihandfarbe);
      c->setzeStiftmodus(Stiftmodus::Xor);
    }
  }
  if (e.taste == Maustaste::Links) zustand_.umschaltung = e.umschaltung;

  if (e.taste == Maustaste::Mitte) {
    verschieben_ = true;
    verschiebenStart_ = {e.x, e.y};
    if (verschiebenStarten) verschiebenStarten(e.x, e.y);
    return;
  }

  if (e.taste == Maustaste::Links) {
    linksUnten_ = true;
    druck_ = {e.x, e.y};
    // Free-hand strokes are not snapped: the module sees the point just collected.
    const Weltpunkt p = strich ? zeichnung_.ansicht.pixelToWorld(e.x, e.y) : gefangen(e.x, e.y);
    if (w == Werkzeugcode::Markieren) {
      const std::uint32_t jetzt = uhr_.ticks();
      const bool doppelt = schnellLosgelassen_ && std::uint32_t(jetzt - loslassZeit_) <= kDoppelklickWiederDruecken;
      schnellLosgelassen_ = false;
      druckZeit_ = jetzt;
      if (doppelt) {
        if (Werkzeugmodul* m = aktivesModul()) m->doppelklick(umgebung_, p);
        // The second press of a double click is no new frame.
        linksUnten_ = false;
        return;
      }
    }
    if (panelgesteuert(w)) return;
    if (Werkzeugmodul* m = aktivesModul()) m->punkt(umgebung_, p);
    return;
  }

  if (e.taste == Maustaste::Rechts) {
    if (zustand_.schritt == 1) {
      rueckmeldungLoeschen();
      if (hat(w, kRechtsBrichtAb)) funktionsabbruch();
      const std::int32_t n = elementUnterCursor ? elementUnterCursor(e.x, e.y) : 0;
      if (n > 0) {
        zeichnung_.speicher.demarkiereAlle();
        zeichnung_.speicher.setzeMarkiert(n, 1);
        pfeilaktiv();
        if (markierrahmenZeichnen) markierrahmenZeichnen();
      }
      if (panelgesteuert(w) && bearbeitungspanelAbbrechen) bearbeitungspanelAbbrechen();
      return;
    }
    if (Werkzeugmodul* m = aktivesModul()) m->zweiteTaste(umgebung_, gefangen(e.x, e.y));
  }
}

void Werkzeugsteuerung::mausBewegt(const Mausereignis& e) {
  if (freihand(zustand_.werkzeug) && linksUnten_) {
    if (zustand_.punkte.size() < Punktpuffer::Hoechstzahl)
      zustand_.punkte.push_back(zeichnung_.ansicht.pixelToWorld(e.x, e.y));
    if (Canvas* c = umgebung_.rueckmeldung) {
      c->setzeStiftmodus(Stiftmodus::Kopieren);
      c->pixel(int(std::lround(e.x)), int(std::lround(e.y)), kFreihandfarbe);
      c->setzeStiftmodus(Stiftmodus::Xor);
    }
  }
  if (Werkzeugmodul* m = aktivesModul()) m->bewegung(umgebung_, gefangen(e.x, e.y));
}

void Werkzeugsteuerung::mausLosgelassen(const Mausereignis& e) {
  if (e.taste == Maustaste::Mitte) {
    verschieben_ = false;
    return;
  }
  if (e.taste != Maustaste::Links || !linksUnten_) return;
  linksUnten_ = false;
  if (zustand_.werkzeug == Werkzeugcode::Markieren) {
    const std::uint32_t jetzt = uhr_.ticks();
    schnellLosgelassen_ = std::uint32_t(jetzt - druckZeit_) <= kDoppelklickLoslassen;
    loslassZeit_ = jetzt;
  }
  const bool klick = std::fabs(e.x - druck_.x) < kKlickGrenze && std::fabs(e.y - druck_.y) < kKlickGrenze;
  if (Werkzeugmodul* m = aktivesModul()) m->loslassen(umgebung_, gefangen(e.x, e.y), klick);
}

void Werkzeugsteuerung::mausDoppelklick(const Mausereignis& e) {
  if (e.taste != Maustaste::Links || zustand_.werkzeug == Werkzeugcode::Markieren) return;
  if (Werkzeugmodul* m = aktivesModul()) m->doppelklick(umgebung_, gefangen(e.x, e.y));
}

void Werkzeugsteuerung::getippterPunkt(Weltpunkt p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  if (Werkzeugmodul* m = aktivesModul()) m->getippterPunkt(umgebung_, p);
}

void Werkzeugsteuerung::panelVerlassen() {
  zustand_.bezug.reset();
}

// --- Keys --------------------------------------------------------------------

void Werkzeugsteuerung::escape() {
  if (feldEscape && feldEscape()) return;
  if (bearbeitungspanelAbbrechen && bearbeitungspanelAbbrechen()) {
    zustand_.bezug.reset();
    return;
  }
  const Werkzeugzeile* zeile = werkzeugzeile(zustand_.werkzeug);
  const Escape art = zeile != nullptr ? zeile->escape : Escape::Steuerung;
  auto brichAb = [this, zeile] {
    if (Werkzeugmodul* m = module_[static_cast<std::size_t>(zeile->escapeModul)]) m->abbrechen(umgebung_);
  };
  const bool amAnfang = zustand_.schritt == 1;
  if (amAnfang && art == Escape::ModulSchonOhnePunkte) {
    brichAb();
  } else if (zustand_.punkte.empty() && amAnfang) {
    pfeilaktiv();
  } else if (art == Escape::Modul) {
    brichAb();
  } else {
    rueckmeldungLoeschen();
    zustand_.schritt = 1;
    zustand_.bezug.reset();
    if (!zustand_.punkte.empty()) {
      if (umgebung_.neuZeichnen) umgebung_.neuZeichnen();
      zustand_.punkte.clear();
    }
  }
}

void Werkzeugsteuerung::rolle(int dx, int dy) {
  if (beschaeftigt_) return;  // a step is running: the key is dropped
  beschaeftigt_ = true;
  Ansicht& a = zeichnung_.ansicht;
  if (dx != 0) {
    const Rollbalken r = a.rollbalkenWaagerecht();
    const std::int64_t ziel = std::int64_t(r.position) + std::int64_t(dx) * rollschritt(a.areaWidth, a.zoom);
    const std::int64_t pos = ziel < r.minimum ? r.minimum : ziel > r.maximum ? r.maximum : ziel;
    a.setzeUrsprungWaagerecht(std::int32_t(pos));
  }
  if (dy != 0) {
    const Rollbalken r = a.rollbalkenSenkrecht();
    const std::int64_t ziel = std::int64_t(r.position) + std::int64_t(dy) * rollschritt(a.areaHeight, a.zoom);
    const std::int64_t pos = ziel < r.minimum ? r.minimum : ziel > r.maximum ? r.maximum : ziel;
    a.setzeUrsprungSenkrecht(std::int32_t(pos));
  }
  if (umgebung_.neuZeichnen) umgebung_.neuZeichnen();
  if (pause) pause(kRollpause);
  beschaeftigt_ = false;
}

bool Werkzeugsteuerung::taste(const Tastenereignis& e) {
  switch (e.taste) {
    case Taste::Escape:
      escape();
      return true;
    case Taste::Links:
    case Taste::Num4:
      rolle(-1, 0);
      return true;
    case Taste::Rechts:
    case Taste::Num6:
      rolle(1, 0);
      return true;
    case Taste::Hoch:
    case Taste::Num8:
      rolle(0, -1);
      return true;
    case Taste::Runter:
    case Taste::Num2:
      rolle(0, 1);
      return true;
    case Taste::Num7:
      rolle(-1, -1);
      return true;
    case Taste::Num9:
      rolle(1, -1);
      return true;
    case Taste::Num1:
      rolle(-1, 1);
      return true;
    case Taste::Num3:
      rolle(1, 1);
      return true;
    case Taste::Num0:
      if (allesZeigen) allesZeigen();
      return true;
    case Taste::NumPlus:
    case Taste::NumMinus: {
      rueckmeldungLoeschen();
      Ansicht& a = zeichnung_.ansicht;
      if (e.taste == Taste::NumPlus)
        a.vergroessern();
      else
        a.verkleinern();
      if (e.taste == Taste::NumPlus && cursorEinfangen) cursorEinfangen();
      if (umgebung_.neuZeichnen) umgebung_.neuZeichnen();
      return true;
    }
    case Taste::Sonstige:
      if (Werkzeugmodul* m = aktivesModul(); m != nullptr && e.zeichen != 0) return m->zeichen(umgebung_, e.zeichen);
      break;
    case Taste::Enter:  // the numeric panel's OK button belongs to the window
      break;
  }
  return false;
}

}  // namespace quarzel
