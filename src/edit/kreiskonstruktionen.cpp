#include "edit/kreiskonstruktionen.h"

#include <cmath>

#include "edit/konstruktionswerkzeuge.h"
#include "edit/koordinateneingabe.h"
#include "edit/treffertest.h"
#include "platform/benutzer.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

using W = Werkzeugcode;

Kreisbedarf bedarf(W w) {
  switch (w) {
    case W::TangenteAnKreis:
      return Kreisbedarf::KreisOderEllipse;
    case W::TangenteAnZweiKreise:
    case W::TangentialerBogen:
      return Kreisbedarf::Kreis;
    default:
      return Kreisbedarf::Konzentrisch;
  }
}

bool festerAbstand(W w) {
  return w == W::KonzentrischerBogenAbstandFest || w == W::HilfskreisKonzentrischAbstandFest;
}

bool zweiKreise(W w) {
  return w == W::TangenteAnZweiKreise || w == W::TangentialerBogen;
}

double entfernung(Weltpunkt a, Weltpunkt b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

}  // namespace

bool Kreiskonstruktionen::bedient(Werkzeugcode code) {
  switch (code) {
    case W::TangenteAnKreis:
    case W::TangenteAnZweiKreise:
    case W::TangentialerBogen:
    case W::KonzentrischerKreis:
    case W::KonzentrischerBogenAbstandFest:
    case W::HilfskreisKonzentrisch:
    case W::HilfskreisKonzentrischAbstandFest:
      return true;
    default:
      return false;
  }
}

bool Kreiskonstruktionen::hilfslinie(const Werkzeugumgebung& u) const {
  const W w = u.zustand.werkzeug;
  return w == W::HilfskreisKonzentrisch || w == W::HilfskreisKonzentrischAbstandFest;
}

void Kreiskonstruktionen::melde(const std::string& fehler) {
  letzterFehler = fehler;
  if (!fehler.empty() && benutzer != nullptr) benutzer->meldung(fehler, Meldungsart::Fehler);
}

std::optional<double> Kreiskonstruktionen::frageAbstand(Werkzeugumgebung& u) {
  double einheiten = abstand;
  if (u.zustand.umschaltung.strg || !(einheiten > 0)) {
    if (benutzer == nullptr) {
      melde("Der Abstand muss größer als 0 sein.");
      return std::nullopt;
    }
    const std::optional<std::string> antwort =
        benutzer->eingabe("Abstand konzentrischer Bögen", "Abstand zum Referenzbogen",
                          zahltext(einheiten > 0 ? einheiten : letzterAbstand_));
    if (!antwort) return std::nullopt;  // "A&bbrechen": nothing changes
    const std::optional<double> wert = zahlwert(*antwort);
    if (!wert || !(*wert > 0)) {
      melde("Bitte einen Abstand größer als 0 eingeben.");
      return std::nullopt;
    }
    einheiten = *wert;
  }
  letzterAbstand_ = einheiten;
  return u.zeichnung.aufsBlatt(einheiten);
}

bool Kreiskonstruktionen::waehleErsten(Werkzeugumgebung& u, Weltpunkt p) {
  const std::int32_t n = elementUnterKlick(u.zeichnung, p, fangsuche);
  if (n == 0) return false;  // a click beside every element starts nothing
  const Kreiswahl k = waehleKreis(u.zeichnung, n, bedarf(u.zustand.werkzeug));
  if (!k.bogen) {
    melde(k.fehler);
    return false;
  }
  if (festerAbstand(u.zustand.werkzeug)) {
    const std::optional<double> a = frageAbstand(u);
    if (!a) return false;
    festerAbstand_ = *a;
  }
  erste_ = n;
  bogen_ = *k.bogen;
  ersterKlick_ = p;
  return true;
}

Konstruktion Kreiskonstruktionen::ergebnis(Werkzeugumgebung& u, Weltpunkt p, bool beimBewegen) {
  const W w = u.zustand.werkzeug;
  const double r = bogen_.xr;
  switch (w) {
    case W::TangenteAnKreis:
      return tangenteVonPunkt(bogen_, ersterKlick_, p);
    case W::TangenteAnZweiKreise:
    case W::TangentialerBogen: {
      const std::int32_t n = elementUnterKlick(u.zeichnung, p, fangsuche);
      if (beimBewegen && (n == 0 || n == erste_)) return {};
      if (n == erste_) return {{}, "Bitte zwei verschiedene Kreise wählen."};
      if (n == 0) return {};
      const Kreiswahl k = waehleKreis(u.zeichnung, n, Kreisbedarf::Kreis);
      if (!k.bogen) return {{}, beimBewegen ? std::string() : k.fehler};
      if (w == W::TangenteAnZweiKreise) return tangenteAnZweiKreise(bogen_, ersterKlick_, *k.bogen, p);
      return bogenAnZweiKreise(bogen_, ersterKlick_, *k.bogen, p, u.zeichnung.aufsBlatt(radius));
    }
    case W::KonzentrischerKreis:
    case W::HilfskreisKonzentrisch: {
      const double neu = entfernung(bogen_.mitte, p);
      if (std::fabs(neu - r) <= 1e-9 * r) return {{}, "Der neue Radius muss sich vom alten unterscheiden."};
      return konzentrisch(bogen_, std::fabs(neu - r), neu > r, anzahl, hilfslinie(u));
    }
    case W::KonzentrischerBogenAbstandFest:
    case W::HilfskreisKonzentrischAbstandFest:
      return konzentrisch(bogen_, festerAbstand_, entfernung(bogen_.mitte, p) >= r, anzahl, hilfslinie(u));
    default:
      return {};
  }
}

void Kreiskonstruktionen::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  Werkzeugzustand& z = u.zustand;
  if (!bedient(z.werkzeug)) return;
  if (z.schritt <= 1 || erste_ == 0) {
    if (!waehleErsten(u, p)) return;
    // Typed points of the second step count from the centre (radius "r:").
    z.punkte.assign(1, bogen_.mitte);
    z.schritt = 2;
    return;
  }
  const Konstruktion k = ergebnis(u, p, false);
  band_.loesche(u.rueckmeldung);
  if (!k.fehler.empty()) {
    melde(k.fehler);
  } else if (!k.figur.leer()) {
    letzterFehler.clear();
    legeKonstruktionAb(u, k.figur, vorgabe, erste_);
  } else if (zweiKreise(z.werkzeug)) {
    return;  // the second click missed every element: the first pick stays
  }
  abbrechen(u);
}

void Kreiskonstruktionen::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  if (!bedient(u.zustand.werkzeug) || u.zustand.schritt < 2 || erste_ == 0) {
    band_.loesche(u.rueckmeldung);
    return;
  }
  const Konstruktion k = ergebnis(u, p, true);
  if (!k.fehler.empty() || k.figur.leer()) {
    band_.loesche(u.rueckmeldung);
    return;
  }
  band_.zeige(u.rueckmeldung, u.zeichnung.ansicht, k.figur,
              k.figur.hilfslinie ? vorgabe.hilfslinienfarbe : vorgabe.gummibandfarbe);
}

void Kreiskonstruktionen::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
}

void Kreiskonstruktionen::zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) {
  (void)p;
  abbrechen(u);
}

void Kreiskonstruktionen::abbrechen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
  erste_ = 0;
  u.zustand.vonVorn();
}

}  // namespace quarzel
