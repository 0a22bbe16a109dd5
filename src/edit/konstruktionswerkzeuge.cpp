#include "edit/konstruktionswerkzeuge.h"

#include <algorithm>
#include <cmath>

#include "edit/fangsuche.h"
#include "edit/figurgeometrie.h"
#include "edit/geometrie.h"
#include "edit/konstruktionsgeometrie.h"
#include "edit/konstruktionsoperationen.h"
#include "edit/kreiskonstruktionen.h"
#include "edit/koordinateneingabe.h"
#include "edit/treffertest.h"
#include "edit/trimmoperationen.h"
#include "platform/benutzer.h"
#include "store/zeichnung.h"
#include "view/einheiten.h"

namespace quarzel {

namespace {

using W = Werkzeugcode;

// The picked reference line stands out in this colour ("Ankerlinien anzeigen").
constexpr Farbe kAnkerfarbe = rgb(255, 0, 0);
constexpr int kHoechstAnzahl = 99;

bool istHilfslinie(W w) {
  return nr(w) >= 803 && nr(w) <= 809;
}

// Tools whose second pick is another line.
bool zweiteLinie(W w) {
  return w == W::MittigeLinie || w == W::HilfslinieMittig || w == W::Winkelhalbierende ||
         w == W::HilfslinieWinkelhalbierende;
}

Weltpunkt plus(Weltpunkt p, Weltpunkt d, double t = 1) {
  return {p.x + t * d.x, p.y + t * d.y};
}

double punktprodukt(Weltpunkt a, Weltpunkt b) {
  return a.x * b.x + a.y * b.y;
}

// The unit normal of AB to the left on screen.
Weltpunkt normale(Weltpunkt a, Weltpunkt b) {
  const double l = std::hypot(b.x - a.x, b.y - a.y);
  return {(b.y - a.y) / l, -(b.x - a.x) / l};
}

// How far line AB reaches from S along the unit direction r.
double reichweite(Weltpunkt a, Weltpunkt b, Weltpunkt s, Weltpunkt r) {
  return std::max(punktprodukt({a.x - s.x, a.y - s.y}, r), punktprodukt({b.x - s.x, b.y - s.y}, r));
}

}  // namespace

Werkzeugmodul* Konstruktionswerkzeuge::kreismodul(const Werkzeugumgebung& u) const {
  return Kreiskonstruktionen::bedient(u.zustand.werkzeug) ? kreise : nullptr;
}

void Konstruktionswerkzeuge::melde(const std::string& text) {
  letzterFehler = text;
  if (benutzer != nullptr) benutzer->meldung(text, Meldungsart::Fehler);
}

bool Konstruktionswerkzeuge::waehleLinie(Werkzeugumgebung& u, Weltpunkt p, Bezugslinie& l) {
  const std::int32_t n = elementUnterKlick(u.zeichnung, p, fangsuche);
  if (n == 0) return false;  // a click beside every line starts nothing
  if (const std::string f = keineLinie(u.zeichnung, n); !f.empty()) {
    melde(f);
    return false;
  }
  const Tliniendaten& d = u.zeichnung.speicher.linie(n);
  l = {n, {d.x1, d.y1}, {d.x2, d.y2}, p};
  return true;
}

void Konstruktionswerkzeuge::zeigeAnker(Werkzeugumgebung& u) {
  if (!vorgabe.ankerlinienAnzeigen || erste_.n == 0 || anker_.sichtbar()) return;
  Zeichenfigur f;
  f.linien.push_back({erste_.a, erste_.b});
  anker_.zeige(u.rueckmeldung, u.zeichnung.ansicht, f, kAnkerfarbe);
}

void Konstruktionswerkzeuge::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  if (Werkzeugmodul* m = kreismodul(u)) return m->punkt(u, p);
  Werkzeugzustand& z = u.zustand;
  if (z.schritt <= 1) {
    Bezugslinie l;
    if (!waehleLinie(u, p, l)) return;
    letzterFehler.clear();
    erste_ = l;
    // The foot of the pick: the vertex of angles, where typed lengths start.
    const Weltpunkt fuss = lotfusspunkt(p, l.a, l.b);
    z.punkte.assign(1, fuss);
    z.bezug = fuss;
    z.schritt = 2;
    zeigeAnker(u);
    return;
  }
  if (zweiteLinie(z.werkzeug)) {
    Bezugslinie zweite;
    if (!waehleLinie(u, p, zweite)) return;
    if (zweite.n == erste_.n) {
      melde("Bitte zwei verschiedene Linien wählen.");
      return;
    }
    std::string fehler;
    const std::vector<Figurlinie> linien = zweiLinien(u, zweite, fehler);
    if (!fehler.empty()) {
      melde(fehler);
      abbrechen(u);
      return;
    }
    lege(u, linien);
    return;
  }
  double abstand = 0;
  if (z.werkzeug == W::ParalleleAbstandFest || z.werkzeug == W::HilfslinieParallelAbstandFest) {
    const std::optional<double> a = festerAbstand(u, p);
    if (!a) {
      abbrechen(u);  // "Abbrechen" ends the construction without a change
      return;
    }
    abstand = *a;
  }
  lege(u, konstruktion(u, p, std::nullopt, abstand));
}

std::optional<double> Konstruktionswerkzeuge::festerAbstand(Werkzeugumgebung& u, Weltpunkt p) {
  const double einheit = u.zeichnung.aufsBlatt(1);
  const double abstand = vorgabe.abstandZurReferenzlinie;
  if (abstand > 0 && !u.zustand.umschaltung.strg) return abstand * einheit;
  if (benutzer == nullptr) return std::nullopt;
  // Proposed: the panel's distance, or where the click lies when that is 0.
  const Weltpunkt fuss = lotfusspunkt(p, erste_.a, erste_.b);
  const double vorschlag = abstand > 0 ? abstand : std::hypot(p.x - fuss.x, p.y - fuss.y) / einheit;
  const std::optional<std::string> antwort =
      benutzer->eingabe("Abstand paralleler Linien", "Abstand zur Referenzlinie", formatiereDezimal(vorschlag, 4));
  if (!antwort) return std::nullopt;
  const std::optional<double> wert = zahlwert(*antwort);
  if (!wert || !(*wert > 0)) {
    melde("Bitte einen Abstand größer als 0 eingeben.");
    return std::nullopt;
  }
  return *wert * einheit;
}

std::vector<Figurlinie> Konstruktionswerkzeuge::konstruktion(const Werkzeugumgebung& u, Weltpunkt p,
                                                             std::optional<double> laenge, double abstand) const {
  const Weltpunkt a = erste_.a, b = erste_.b;
  const Ansicht& ansicht = u.zeichnung.ansicht;
  const auto gerade = [&](std::vector<Figurlinie>& r, Weltpunkt durch, Weltpunkt richtung) {
    if (auto l = figur::weltgerade(durch, richtung, ansicht.WorldWidth, ansicht.WorldHeight)) r.push_back(*l);
  };
  const Weltpunkt richtung{b.x - a.x, b.y - a.y};
  const int anzahl = std::clamp(vorgabe.anzahl, 1, kHoechstAnzahl);
  std::vector<Figurlinie> r;
  // Parallels at 1, 2, ... times the offset v.
  const auto parallelen = [&](Weltpunkt v, bool hilfs) {
    for (int i = 1; i <= anzahl; ++i) {
      if (hilfs)
        gerade(r, plus(a, v, i), richtung);
      else
        r.push_back({plus(a, v, i), plus(b, v, i)});
    }
  };
  const Weltpunkt fuss = lotfusspunkt(p, a, b);
  switch (u.zustand.werkzeug) {
    case W::Lot:
      if (laenge) {
        // Raised at the pick's foot, on the side the mouse was last.
        const Weltpunkt start = u.zustand.punkte.front();
        const int seite = maus_ ? seiteVon(a, b, *maus_) : 1;
        r.push_back({start, plus(start, normale(a, b), *laenge * (seite < 0 ? -1 : 1))});
      } else {
        r.push_back({fuss, p});
      }
      break;
    case W::HilfslinieLot:
      gerade(r, p, normale(a, b));
      break;
    case W::Parallele:
    case W::HilfslinieParallel:
      parallelen({p.x - fuss.x, p.y - fuss.y}, u.zustand.werkzeug == W::HilfslinieParallel);
      break;
    case W::ParalleleAbstandFest:
    case W::HilfslinieParallelAbstandFest:
      if (const auto v = versatzZurSeite(a, b, p, abstand))
        parallelen(*v, u.zustand.werkzeug == W::HilfslinieParallelAbstandFest);
      break;
    case W::LinieZumParallelogramm:
      for (const auto& [von, bis] : parallelogrammseiten(a, b, p)) r.push_back({von, bis});
      break;
    case W::WinkelKonstruieren:
    case W::HilfslinieWinklig:
      if (const auto d = gedrehteRichtung(a, b, vorgabe.winkelZurReferenzlinie)) {
        const Weltpunkt scheitel = u.zustand.punkte.front();
        if (u.zustand.werkzeug == W::HilfslinieWinklig) {
          gerade(r, p, *d);
        } else {
          const double t = laenge ? *laenge : punktprodukt({p.x - scheitel.x, p.y - scheitel.y}, *d);
          r.push_back({scheitel, plus(scheitel, *d, t)});
        }
      }
      break;
    default:
      break;
  }
  return r;
}

std::vector<Figurlinie> Konstruktionswerkzeuge::zweiLinien(const Werkzeugumgebung& u, const Bezugslinie& zweite,
                                                           std::string& fehler) const {
  const Ansicht& ansicht = u.zeichnung.ansicht;
  const bool hilfs = istHilfslinie(u.zustand.werkzeug);
  std::vector<Figurlinie> r;
  const auto linie = [&](Weltpunkt von, Weltpunkt bis) {
    if (!hilfs) {
      r.push_back({von, bis});
    } else if (auto l =
                   figur::weltgerade(von, {bis.x - von.x, bis.y - von.y}, ansicht.WorldWidth, ansicht.WorldHeight)) {
      r.push_back(*l);
    }
  };
  const auto teilung = [&](double anteil) {
    const auto [von, bis] = teilungslinie(erste_.a, erste_.b, zweite.a, zweite.b, anteil);
    if (von.x == bis.x && von.y == bis.y) {
      fehler = "Die Linien liegen so, dass keine Linie zwischen ihnen entsteht.";
      return;
    }
    linie(von, bis);
  };
  const W w = u.zustand.werkzeug;
  if (w == W::MittigeLinie || w == W::HilfslinieMittig) {
    teilung(vorgabe.teilungsverhaeltnis / 100);
    return r;
  }
  const Weltpunkt r1{erste_.b.x - erste_.a.x, erste_.b.y - erste_.a.y};
  const Weltpunkt r2{zweite.b.x - zweite.a.x, zweite.b.y - zweite.a.y};
  const double kreuz = r1.x * r2.y - r1.y * r2.x;
  if (std::fabs(kreuz) <= 1e-12 * std::hypot(r1.x, r1.y) * std::hypot(r2.x, r2.y)) {
    teilung(0.5);  // parallel lines: no corner, their middle halves them
    return r;
  }
  const std::optional<Ecke> e = ecke(erste_.a, erste_.b, erste_.klick, zweite.a, zweite.b, zweite.klick);
  if (!e) {
    fehler = keinSchnitt(linienschnitt(erste_.a, erste_.b, zweite.a, zweite.b))
                 ? kKeinSchnitt
                 : "Bitte die Linien neben ihrem Schnittpunkt anklicken.";
    return r;
  }
  const Weltpunkt h = halbierende(*e);
  const double laenge =
      std::min(reichweite(erste_.a, erste_.b, e->s, e->r1), reichweite(zweite.a, zweite.b, e->s, e->r2));
  linie(e->s, plus(e->s, h, laenge));
  return r;
}

void Konstruktionswerkzeuge::lege(Werkzeugumgebung& u, const std::vector<Figurlinie>& linien) {
  band_.loesche(u.rueckmeldung);
  anker_.loesche(u.rueckmeldung);
  Konstruktionsablage a;
  a.hilfslinie = istHilfslinie(u.zustand.werkzeug);
  a.farbe = a.hilfslinie ? vorgabe.hilfslinienfarbe : vorgabe.farbe;
  a.vorlage = vorgabe.eigenschaftenUebernehmen ? erste_.n : 0;
  // The marks of earlier results go: then the picture needs more than the new lines.
  const bool warMarkiert = u.zeichnung.speicher.anzahlMarkierte() > 0;
  const auto [von, bis] = legeKonstruktionAb(u.zeichnung, linien, a);
  if (von == 0) {
    if (letzterFehler.empty()) melde("Hier lässt sich keine Linie konstruieren.");
  } else if (warMarkiert && u.neuZeichnen) {
    letzterFehler.clear();
    u.neuZeichnen();
  } else {
    letzterFehler.clear();
    if (u.elementeZeichnen) u.elementeZeichnen(von, bis);
  }
  abbrechen(u);
}

void Konstruktionswerkzeuge::getippterPunkt(Werkzeugumgebung& u, Weltpunkt p) {
  if (Werkzeugmodul* m = kreismodul(u)) return m->getippterPunkt(u, p);
  const Werkzeugzustand& z = u.zustand;
  const bool mitLaenge = z.werkzeug == W::Lot || z.werkzeug == W::WinkelKonstruieren;
  if (!mitLaenge || z.schritt != 2 || z.punkte.empty()) return punkt(u, p);
  // "Länge bestimmen": the typed length arrives as a point that far along the
  // user's x axis from the previous point; its sign is kept.
  const Ansicht& a = u.zeichnung.ansicht;
  const Weltpunkt x0 = a.userToWorld(0, 0, 1), x1 = a.userToWorld(1, 0, 1);
  const double lx = std::hypot(x1.x - x0.x, x1.y - x0.y);
  if (!(lx > 0)) return;
  const Weltpunkt achse{(x1.x - x0.x) / lx, (x1.y - x0.y) / lx};
  const Weltpunkt start = z.punkte.back();
  const double laenge = punktprodukt({p.x - start.x, p.y - start.y}, achse);
  lege(u, konstruktion(u, p, laenge, 0));
}

void Konstruktionswerkzeuge::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  if (Werkzeugmodul* m = kreismodul(u)) return m->bewegung(u, p);
  const Werkzeugzustand& z = u.zustand;
  if (z.schritt != 2 || erste_.n == 0 || !figur::endlich(p)) {
    band_.loesche(u.rueckmeldung);
    return;
  }
  maus_ = p;
  zeigeAnker(u);
  Zeichenfigur f;
  if (zweiteLinie(z.werkzeug)) {
    // Over a second line the result shows; beside one, or where the two
    // give none, nothing (the click says why).
    const std::int32_t n = elementUnterKlick(u.zeichnung, p, fangsuche);
    if (n != 0 && n != erste_.n && keineLinie(u.zeichnung, n).empty()) {
      const Tliniendaten& d = u.zeichnung.speicher.linie(n);
      std::string fehler;
      f.linien = zweiLinien(u, {n, {d.x1, d.y1}, {d.x2, d.y2}, p}, fehler);
    }
  } else {
    double abstand = 0;
    if (z.werkzeug == W::ParalleleAbstandFest || z.werkzeug == W::HilfslinieParallelAbstandFest)
      abstand = vorgabe.abstandZurReferenzlinie * u.zeichnung.aufsBlatt(1);
    f.linien = konstruktion(u, p, std::nullopt, abstand);
  }
  const bool hilfs = istHilfslinie(z.werkzeug);
  band_.zeige(u.rueckmeldung, u.zeichnung.ansicht, f, hilfs ? vorgabe.hilfslinienfarbe : vorgabe.gummibandfarbe);
}

void Konstruktionswerkzeuge::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  if (Werkzeugmodul* m = kreismodul(u)) return m->rueckmeldungLoeschen(u);
  band_.loesche(u.rueckmeldung);
  anker_.loesche(u.rueckmeldung);
}

void Konstruktionswerkzeuge::abbrechen(Werkzeugumgebung& u) {
  if (Werkzeugmodul* m = kreismodul(u)) return m->abbrechen(u);
  band_.loesche(u.rueckmeldung);
  anker_.loesche(u.rueckmeldung);
  erste_ = {};
  maus_.reset();
  u.zustand.vonVorn();
}

void Konstruktionswerkzeuge::zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) {
  if (Werkzeugmodul* m = kreismodul(u)) return m->zweiteTaste(u, p);
  abbrechen(u);
}

void Konstruktionswerkzeuge::doppelklick(Werkzeugumgebung& u, Weltpunkt p) {
  if (Werkzeugmodul* m = kreismodul(u)) m->doppelklick(u, p);
}

void Konstruktionswerkzeuge::loslassen(Werkzeugumgebung& u, Weltpunkt p, bool klick) {
  if (Werkzeugmodul* m = kreismodul(u)) m->loslassen(u, p, klick);
}

}  // namespace quarzel
