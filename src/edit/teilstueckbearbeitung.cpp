#include "edit/teilstueckbearbeitung.h"

#include <functional>
#include <vector>

#include "edit/kreistrimmen.h"
#include "edit/kurvenschnitt.h"
#include "edit/trimmoperationen.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

struct Abschnitt {
  double von, bis;
  bool stueck;  // the picked piece
};

// The parts the element is cut into: what is left of it, with the piece
// itself when it is changed rather than deleted. `ende` is the element's
// own end (a line's 1, an arc's start + span).
std::vector<Abschnitt> abschnitte(const Stueck& st, double anfang, double ende, bool voll, Teilstueckmodus modus) {
  std::vector<Abschnitt> a;
  if (modus == Teilstueckmodus::Aendern) a.push_back({st.von, st.bis, true});
  if (voll) {
    a.push_back({st.bis, st.von + 360, false});
    return a;
  }
  if (st.vonSchnitt) a.push_back({anfang, st.von, false});
  if (st.bisSchnitt) a.push_back({st.bis, ende, false});
  return a;
}

// Writes the parts: the first into the element's copy, the others into
// duplicates of it; marks them and styles the piece.
void schreibe(Elementspeicher& s, std::int32_t n, const std::vector<Abschnitt>& teile, Teilstueckmodus modus,
              const Stueckstil& stil, const std::function<void(std::int32_t, const Abschnitt&)>& setze) {
  const std::int32_t kopie = bereiteVor(s, {n})[0];
  std::vector<std::int32_t> nummern{kopie};
  for (std::size_t i = 1; i < teile.size(); ++i) {
    nummern.push_back(s.dupliziere(kopie));
    s.vervollstaendige(nummern.back());
  }
  for (std::size_t i = 0; i < teile.size(); ++i) {
    setze(nummern[i], teile[i]);
    if (modus == Teilstueckmodus::Aendern && !teile[i].stueck) s.setzeMarkiert(nummern[i], 0);
    if (teile[i].stueck) {
      s.setzeStift(nummern[i], stil.stift);
      s.setzeLinienstil(nummern[i], stil.linienstil);
      s.setzeFarbe(nummern[i], stil.farbe);
    }
  }
  s.setzeModifiziert(true);
}

}  // namespace

std::string bearbeiteLinienstueck(Zeichnung& z, std::int32_t n, Weltpunkt k, const Fangindex* index,
                                  Teilstueckmodus modus, const Stueckstil& stil) {
  if (std::string f = keineLinie(z, n); !f.empty()) return f;
  Elementspeicher& s = z.speicher;
  const Tliniendaten l = s.linie(n);
  const Weltpunkt a{l.x1, l.y1}, b{l.x2, l.y2};
  const Stueck st = linienstueck(a, b, alleSchnittpunkte(s, index, Schnittfigur{a, b, false, std::nullopt}, n),
                                 linienparameter(a, b, k));
  if (st.aufSchnitt) return kKlickAufSchnitt;
  if (!st.vonSchnitt && !st.bisSchnitt) return "Diese Linie wird von keinem anderen Element geschnitten.";
  const auto punkt = [&](double t) {
    if (t <= 0) return a;
    if (t >= 1) return b;
    return Weltpunkt{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
  };
  schreibe(s, n, abschnitte(st, 0, 1, false, modus), modus, stil, [&](std::int32_t m, const Abschnitt& t) {
    Tliniendaten& d = s.linie(m);
    const Weltpunkt p = punkt(t.von), q = punkt(t.bis);
    d.x1 = p.x, d.y1 = p.y, d.x2 = q.x, d.y2 = q.y;
    // Arrow heads stay at the line's own ends.
    if (t.von > 0) d.anfang = 0;
    if (t.bis < 1) d.ende = 0;
  });
  return {};
}

std::string bearbeiteKreisstueck(Zeichnung& z, std::int32_t n, Weltpunkt k, const Fangindex* index,
                                 Teilstueckmodus modus, const Stueckstil& stil) {
  if (std::string f = keinBogen(z, n); !f.empty()) return f;
  Elementspeicher& s = z.speicher;
  const Ellipsenbogen e = *bogenfigur(s, n);
  Schnittfigur figur;
  figur.bogen = e;
  const std::optional<Stueck> st = bogenstueck(e, alleSchnittpunkte(s, index, figur, n), e.winkelVon(k));
  if (st && st->aufSchnitt) return kKlickAufSchnitt;
  if (!st || !(st->vonSchnitt || st->bisSchnitt)) return "Dieser Kreis wird hier nicht zweimal geschnitten.";
  schreibe(s, n, abschnitte(*st, e.start, e.start + e.spanne, e.voll, modus), modus, stil,
           [&](std::int32_t m, const Abschnitt& t) { setzeBogenwinkel(s.bogen(m), t.von, t.bis); });
  return {};
}

}  // namespace quarzel
