#include "edit/bearbeitungswerkzeuge.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "edit/elementumriss.h"
#include "edit/treffertest.h"

namespace quarzel {

namespace {

// Copies of the listed elements, the k-th mapped by abbildung(k).
template <class F>
std::int32_t kopiere(Zeichnung& z, int anzahl, F&& abbildung) {
  Elementspeicher& s = z.speicher;
  const std::vector<std::int32_t> liste = kopierbareMarkierte(z);
  if (liste.empty() || anzahl < 1) return 0;
  const std::int64_t hoechstens = kHoechsteKopien / std::int64_t(liste.size());
  if (hoechstens < 1) return 0;
  anzahl = int(std::min<std::int64_t>(anzahl, hoechstens));
  s.beginneSchritt();
  s.demarkiereAlle();
  std::int32_t neu = 0;
  for (int k = 1; k <= anzahl; ++k) {
    const Abbildung a = abbildung(k);
    for (std::int32_t n : liste) {
      // Inserting behind the live count leaves the numbers of the originals as they were.
      const std::int32_t m = s.dupliziere(n);
      if (m <= 0) continue;
      s.vervollstaendige(m);
      bildeAb(s, m, a);
      ++neu;
    }
  }
  s.setzeModifiziert(true);
  return neu;
}

}  // namespace

std::vector<std::int32_t> kopierbareMarkierte(Zeichnung& z) {
  nurAuswaehlbareMarkiert(z);
  const Elementspeicher& s = z.speicher;
  std::vector<std::int32_t> liste;
  std::vector<std::size_t> offen;  // positions of unmatched group begins
  std::vector<bool> weg;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
    if (!s.markiert(n) || !s.lebendig(n)) continue;
    const Elementart art = s.art(n);
    if (art == Elementart::Gruppenanfang) {
      offen.push_back(liste.size());
    } else if (art == Elementart::Gruppenende) {
      if (offen.empty()) continue;  // its begin is not marked
      offen.pop_back();
    }
    liste.push_back(n);
  }
  if (offen.empty()) return liste;
  weg.assign(liste.size(), false);
  for (std::size_t i : offen) weg[i] = true;
  std::vector<std::int32_t> gepaart;
  for (std::size_t i = 0; i < liste.size(); ++i)
    if (!weg[i]) gepaart.push_back(liste[i]);
  return gepaart;
}

std::optional<Weltrechteck> markierteUmgebung(const Zeichnung& z) {
  const Elementspeicher& s = z.speicher;
  std::optional<Weltrechteck> r;
  Umriss u;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
    if (!s.markiert(n) || !auswaehlbar(z, n) || !elementumriss(s, n, u)) continue;
    const std::optional<Weltrechteck> b = umrissumgebung(u);
    if (!b) continue;
    if (!r) {
      r = b;
    } else {
      r->x1 = std::min(r->x1, b->x1);
      r->y1 = std::min(r->y1, b->y1);
      r->x2 = std::max(r->x2, b->x2);
      r->y2 = std::max(r->y2, b->y2);
    }
  }
  return r;
}

std::int32_t loescheMarkierteElemente(Zeichnung& z) {
  const std::int32_t anzahl = nurAuswaehlbareMarkiert(z);
  if (anzahl == 0) return 0;
  z.speicher.loescheMarkierte();
  return anzahl;
}

std::int32_t bildeMarkierteAb(Zeichnung& z, const Abbildung& a) {
  if (!a.endlich() || nurAuswaehlbareMarkiert(z) == 0) return 0;
  Elementspeicher& s = z.speicher;
  s.bereiteAenderungVor();
  std::int32_t geaendert = 0;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
    if (!s.markiert(n) || !s.lebendig(n)) continue;
    bildeAb(s, n, a);
    ++geaendert;
  }
  s.setzeModifiziert(true);
  return geaendert;
}

std::int32_t kopiereMarkierte(Zeichnung& z, const Abbildung& a, int anzahl) {
  if (!a.endlich()) return 0;
  Abbildung potenz;  // a applied k times, built up as k grows
  return kopiere(z, anzahl, [&](int) {
    potenz = a.nach(potenz);
    return potenz;
  });
}

std::int32_t verschiebeMarkierte(Zeichnung& z, double dx, double dy) {
  return bildeMarkierteAb(z, Abbildung::verschiebung(dx, dy));
}

std::int32_t spiegleMarkierte(Zeichnung& z, Weltpunkt a, Weltpunkt b, bool mitKopie) {
  if (a.x == b.x && a.y == b.y) return 0;  // no axis
  const Abbildung s = Abbildung::spiegelung(a, b);
  return mitKopie ? kopiereMarkierte(z, s, 1) : bildeMarkierteAb(z, s);
}

std::int32_t radialeKopien(Zeichnung& z, Weltpunkt mitte, int anzahl, double winkelschritt) {
  if (!std::isfinite(winkelschritt)) return 0;
  const std::optional<Weltrechteck> box = markierteUmgebung(z);
  if (!box) return 0;
  const Weltpunkt m{(box->x1 + box->x2) / 2, (box->y1 + box->y2) / 2};
  return kopiere(z, anzahl, [&](int k) {
    const Weltpunkt ziel = Abbildung::drehung(mitte, k * winkelschritt)(m);
    return Abbildung::verschiebung(ziel.x - m.x, ziel.y - m.y);
  });
}

std::int32_t rotationskopien(Zeichnung& z, Weltpunkt mitte, int anzahl, double winkelschritt) {
  if (!std::isfinite(winkelschritt)) return 0;
  return kopiere(z, anzahl, [&](int k) { return Abbildung::drehung(mitte, k * winkelschritt); });
}

}  // namespace quarzel
