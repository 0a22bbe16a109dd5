#include "edit/figurwerkzeug.h"

#include <algorithm>
#include <vector>

#include "edit/figurablage.h"
#include "edit/figurgeometrie.h"
#include "edit/werkzeugtabelle.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// The point buffer bounds every collection: a figure never holds more.
constexpr std::size_t kHoechstPunkte = Punktpuffer::Hoechstzahl - 1;

}  // namespace

const Werkzeugzeile* Figurwerkzeug::suche(Werkzeugcode code) const {
  const Werkzeugzeile* z = werkzeugzeile(code);
  return z != nullptr && z->gruppe == gruppe_ && z->figur != nullptr ? z : nullptr;
}

std::size_t Figurwerkzeug::zielpunkte(const Werkzeugzeile& a) const {
  return a.punktzahl > 0 ? static_cast<std::size_t>(a.punktzahl) : 0;
}

Figurpunkte Figurwerkzeug::punkte(const Werkzeugumgebung& u, std::span<const Weltpunkt> p) const {
  Figurpunkte f;
  f.p = p;
  f.weltBreite = u.zeichnung.ansicht.WorldWidth;
  f.weltHoehe = u.zeichnung.ansicht.WorldHeight;
  ergaenze(f);
  return f;
}

void Figurwerkzeug::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  const Werkzeugzeile* a = suche(u.zustand.werkzeug);
  if (!a || !figur::endlich(p)) return;
  auto& pk = u.zustand.punkte;
  if (a->freihand) {
    // The state machine may have collected this point already on mouse down.
    if (pk.empty() || !figur::gleich(pk.back(), p)) pk.push_back(p);
  } else {
    // A new figure starts with the first step; leftovers of another tool go.
    if (u.zustand.schritt <= 1) pk.clear();
    pk.push_back(p);
  }
  const std::size_t ziel = zielpunkte(*a);
  if ((ziel > 0 && pk.size() >= ziel) || pk.size() >= kHoechstPunkte) {
    schliesseAb(u, *a);
    return;
  }
  const int schritt = static_cast<int>(pk.size()) + 1;
  u.zustand.schritt = std::min(schritt, a->punktzahl > 0 ? 4 : 2);
  u.zustand.bezug = p;
  bewegung(u, p);
}

void Figurwerkzeug::zweiteTaste(Werkzeugumgebung& u, Weltpunkt) {
  const Werkzeugzeile* a = suche(u.zustand.werkzeug);
  if (!a) return;
  if (a->mindestens > 0 && u.zustand.punkte.size() >= static_cast<std::size_t>(a->mindestens))
    schliesseAb(u, *a);
  else
    abbrechen(u);
}

void Figurwerkzeug::doppelklick(Werkzeugumgebung& u, Weltpunkt p) {
  const Werkzeugzeile* a = suche(u.zustand.werkzeug);
  if (!a || a->mindestens <= 0 || u.zustand.punkte.empty()) return;
  auto& pk = u.zustand.punkte;
  // The press before the double click usually brought this point already.
  if (figur::endlich(p) && !figur::gleich(pk.back(), p) && pk.size() < kHoechstPunkte) pk.push_back(p);
  if (pk.size() >= static_cast<std::size_t>(a->mindestens)) schliesseAb(u, *a);
}

void Figurwerkzeug::loslassen(Werkzeugumgebung& u, Weltpunkt, bool) {
  const Werkzeugzeile* a = suche(u.zustand.werkzeug);
  if (!a || !a->freihand || u.zustand.punkte.empty()) return;
  if (u.zustand.punkte.size() >= static_cast<std::size_t>(std::max(a->mindestens, 2)))
    schliesseAb(u, *a);
  else
    u.zustand.schritt = 2;  // a mere click: the right button may still end it
}

void Figurwerkzeug::getippterPunkt(Werkzeugumgebung& u, Weltpunkt p) {
  const Werkzeugzeile* a = suche(u.zustand.werkzeug);
  if (a && a->winkelgruppe && u.zustand.punkte.size() == 2 && u.zustand.schritt == 3) {
    if (!figur::endlich(p)) return;
    schliesseAb(u, *a, std::make_pair(p.x, p.y));
    return;
  }
  punkt(u, p);
}

void Figurwerkzeug::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  const Werkzeugzeile* a = suche(u.zustand.werkzeug);
  const auto& pk = u.zustand.punkte;
  // Free-hand strokes are painted point by point by the state machine.
  if (!a || a->freihand || pk.empty() || !figur::endlich(p)) {
    band_.loesche(u.rueckmeldung);
    return;
  }
  std::vector<Weltpunkt> mitMaus(pk.begin(), pk.end());
  if (!figur::gleich(mitMaus.back(), p)) mitMaus.push_back(p);
  const Zeichenfigur f = a->figur(punkte(u, mitMaus), vorgabe);
  band_.zeige(u.rueckmeldung, u.zeichnung.ansicht, f, f.hilfslinie ? vorgabe.hilfslinienfarbe : vorgabe.gummibandfarbe);
}

void Figurwerkzeug::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
}

void Figurwerkzeug::abbrechen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
  zurueck(u);
}

void Figurwerkzeug::zurueck(Werkzeugumgebung& u) {
  u.zustand.vonVorn();
}

void Figurwerkzeug::schliesseAb(Werkzeugumgebung& u, const Werkzeugzeile& a,
                                std::optional<std::pair<double, double>> winkel) {
  band_.loesche(u.rueckmeldung);
  Figurpunkte fp = punkte(u, u.zustand.punkte);
  fp.winkel = winkel;
  const Zeichenfigur f = a.figur(fp, vorgabe);
  legeFigurAb(u, f, vorgabe, flaeche());
  zurueck(u);
  // The stroke's points were painted straight onto the picture; only a
  // redraw takes them away again.
  if (a.freihand && u.neuZeichnen) u.neuZeichnen();
}

}  // namespace quarzel
