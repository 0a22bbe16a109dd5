#include "edit/kreistrimmen.h"

#include <cmath>

#include "edit/kurvenschnitt.h"
#include "edit/trimmoperationen.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// The piece of the first figure between its crossings with the second.
std::optional<Stueck> stueckZwischen(const Ellipsenbogen& e, const Ellipsenbogen& f, Weltpunkt k) {
  const Punktliste l = bogenBogenSchnitt(vollfigur(e), vollfigur(f));
  const std::optional<Stueck> st =
      bogenstueck(vollfigur(e), std::vector<Weltpunkt>(l.begin(), l.end()), e.winkelVon(k));
  // A click on a crossing picks no side.
  return st && !st->aufSchnitt ? st : std::nullopt;
}

}  // namespace

void setzeBogenwinkel(tbogendaten& d, double von, double bis) {
  if (bis - von >= 360) {
    d.startwinkel = 0, d.endwinkel = 360;
    return;
  }
  double start = std::fmod(von, 360.0);
  if (start < 0) start += 360;
  double ende = start + (bis - von);
  // Past a full turn the end is written below the start, as drawing files have it.
  if (ende > 360) ende -= 360;
  d.startwinkel = static_cast<float>(start);
  d.endwinkel = static_cast<float>(ende);
}

std::string keinBogen(const Zeichnung& z, std::int32_t n) {
  const Elementspeicher& s = z.speicher;
  if (n <= 0 || n > s.anzahl() || !s.lebendig(n)) return "Hier liegt kein Kreis.";
  if (s.art(n) != Elementart::Bogen) return "Dieses Werkzeug bearbeitet nur Kreise, Bögen und Ellipsen.";
  const tbogendaten& d = s.bogen(n);
  if (!bogenfigur(s, n) || !(d.xr != 0 && d.yr != 0)) return "Dieser Kreis hat keinen Radius.";
  return {};
}

std::string trimmeKreise(Zeichnung& z, std::int32_t n1, Weltpunkt k1, std::int32_t n2, Weltpunkt k2, bool beide) {
  if (std::string f = keinBogen(z, n1); !f.empty()) return f;
  if (std::string f = keinBogen(z, n2); !f.empty()) return f;
  if (n1 == n2) return "Bitte zwei verschiedene Kreise wählen.";
  Elementspeicher& s = z.speicher;
  const Ellipsenbogen e1 = *bogenfigur(s, n1), e2 = *bogenfigur(s, n2);
  const std::optional<Stueck> st1 = stueckZwischen(e1, e2, k1);
  const std::optional<Stueck> st2 = beide ? stueckZwischen(e2, e1, k2) : std::nullopt;
  if (!st1 || (beide && !st2)) return "Die Kreise schneiden sich nicht in zwei Punkten.";
  const std::vector<std::int32_t> kopien = bereiteVor(s, {n1, n2});
  setzeBogenwinkel(s.bogen(kopien[0]), st1->von, st1->bis);
  if (beide)
    setzeBogenwinkel(s.bogen(kopien[1]), st2->von, st2->bis);
  else
    s.setzeMarkiert(kopien[1], 0);
  s.setzeModifiziert(true);
  return {};
}

std::string trimmeKreisAnLinien(Zeichnung& z, std::int32_t n, Weltpunkt k, const Fangindex* index) {
  if (std::string f = keinBogen(z, n); !f.empty()) return f;
  Elementspeicher& s = z.speicher;
  const Ellipsenbogen e = *bogenfigur(s, n);
  Schnittfigur figur;
  figur.bogen = e;
  const std::optional<Stueck> st = bogenstueck(e, alleSchnittpunkte(s, index, figur, n, true), e.winkelVon(k));
  if (st && st->aufSchnitt) return kKlickAufSchnitt;
  if (!st || !(st->vonSchnitt || st->bisSchnitt)) return "Hier schneidet keine Linie den Kreis.";
  const std::int32_t kopie = bereiteVor(s, {n})[0];
  setzeBogenwinkel(s.bogen(kopie), st->von, st->bis);
  s.setzeModifiziert(true);
  return {};
}

std::string vollkreis(Zeichnung& z, std::int32_t n) {
  if (std::string f = keinBogen(z, n); !f.empty()) return f;
  Elementspeicher& s = z.speicher;
  if (bogenfigur(s, n)->voll) return "Das ist schon ein Vollkreis.";
  const std::int32_t kopie = bereiteVor(s, {n})[0];
  setzeBogenwinkel(s.bogen(kopie), 0, 360);
  s.setzeModifiziert(true);
  return {};
}

std::string teileKreis(Zeichnung& z, std::int32_t n, int teile) {
  if (std::string f = keinBogen(z, n); !f.empty()) return f;
  if (teile < 2 || teile > 100) return "Ein Kreis lässt sich in 2 bis 100 Teilstücke teilen.";
  Elementspeicher& s = z.speicher;
  const Ellipsenbogen e = *bogenfigur(s, n);
  const double schritt = e.spanne / teile;
  const std::int32_t erste = bereiteVor(s, {n})[0];
  setzeBogenwinkel(s.bogen(erste), e.start, e.start + schritt);
  for (int i = 1; i < teile; ++i) {
    const std::int32_t m = s.dupliziere(erste);
    s.vervollstaendige(m);
    setzeBogenwinkel(s.bogen(m), e.start + i * schritt, e.start + (i + 1) * schritt);
  }
  s.setzeModifiziert(true);
  return {};
}

}  // namespace quarzel
