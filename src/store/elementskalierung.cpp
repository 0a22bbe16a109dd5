#include "store/elementskalierung.h"

#include <cmath>

namespace quarzel {

namespace {

struct Streckung {
  double f, px, py;
  void punkt(double& x, double& y) const {
    x = px + (x - px) * f;
    y = py + (y - py) * f;
  }
  // Arrays of x, y pairs.
  template <std::size_t N>
  void paare(std::array<double, N>& a, std::size_t paarzahl) const {
    for (std::size_t i = 0; i + 1 < N && i / 2 < paarzahl; i += 2) punkt(a[i], a[i + 1]);
  }
};

}  // namespace

void skaliereElement(Elementspeicher& s, std::int32_t n, double faktor, double px, double py) {
  if (!std::isfinite(faktor) || faktor <= 0 || n < 1 || n > s.gesamtanzahl()) return;
  const Streckung st{faktor, px, py};
  const Elementart art = s.art(n);
  if (istLinienart(art)) {
    Tliniendaten& d = s.linie(n);
    st.punkt(d.x1, d.y1);
    st.punkt(d.x2, d.y2);
  } else if (art == Elementart::Bogen) {
    tbogendaten& d = s.bogen(n);
    st.punkt(d.xm, d.ym);
    d.xr *= faktor;
    d.yr *= faktor;
  } else if (istPolygonart(art)) {
    Tpolygondaten& d = s.polygon(n);
    for (std::size_t i = 0; i < d.x.size() && i < d.y.size(); ++i) st.punkt(d.x[i], d.y[i]);
  } else if (art == Elementart::Bezier) {
    st.paare(s.bezier(n).punkte, 4);
  } else if (art == Elementart::Bemassung) {
    tmessdaten& d = s.bemassung(n);
    st.paare(d.geometrie, 4);
    d.texthoehe *= faktor;
  } else if (istGruppenklammer(art)) {
    st.paare(s.gruppe(n).rahmen, 2);
  } else if (istBitmapart(art)) {
    // The first four values are the frame's two corners; the rest is the
    // turn and stays.
    st.paare(s.bitmap(n).platzierung, 2);
  } else if (art == Elementart::Metafile) {
    st.paare(s.metafile(n).platzierung, 2);
  } else if (istTextart(art)) {
    Tfliestextdaten& d = s.text(n);
    st.punkt(d.x, d.y);
    d.hoehe *= faktor;
  }
  s.setzeModifiziert(true);
}

}  // namespace quarzel
