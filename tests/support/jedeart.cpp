#include "support/jedeart.h"

#include <string>

#include "support/render/test_bild_hilfe.h"

namespace quarzel::test {

namespace {

template <class Satz>
Satz mitFarbe(Satz d) {
  if constexpr (requires { d.farbe; }) d.farbe = rgb(200, 10, 10);
  return d;
}

std::int32_t linie(Elementspeicher& s, Elementart art) {
  Tliniendaten d;
  d.x1 = 10, d.y1 = 20, d.x2 = 90, d.y2 = 70;
  return s.neueLinie(mitFarbe(d), art);
}

std::int32_t polygon(Elementspeicher& s, Elementart art) {
  s.punkte.leere();
  for (auto [x, y] : {std::pair{10.0, 10.0}, {80.0, 15.0}, {60.0, 70.0}, {15.0, 50.0}}) s.punkte.fuegeHinzu(x, y);
  Tpolygondaten d;
  d.farbe2 = rgb(0, 0, 255);
  return s.neuesPolygon(art, mitFarbe(d));
}

std::int32_t rahmenelement(Elementspeicher& s, Elementart art) {
  if (art == Elementart::Metafile) {
    Tmetafiledaten d;
    const std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\"><rect width=\"5\" "
        "height=\"5\"/></svg>";
    d.platzierung = {10, 10, 70, 50, 15, 0};
    d.daten.assign(svg.begin(), svg.end());
    return s.neuesMetafile(d);
  }
  Tbitmapdaten d;
  d.platzierung = {10, 10, 70, 50, 15, 0};
  d.daten = bildtest::alsPng(bildtest::verlaufsbild(4, 4));
  return s.neueBitmap(art, d);
}

std::int32_t text(Elementspeicher& s, Elementart art) {
  Tfliestextdaten d;
  d.x = 20, d.y = 40, d.hoehe = 5, d.winkel = 10;
  d.zeilen = {"Wand", "Süd"};
  d.schrift = "DejaVu Sans";
  return s.neuerText(art, mitFarbe(d));
}

// A group end comes after two begins (one for its copy), so the file reader
// finds the brackets paired.
std::int32_t klammer(Elementspeicher& s, Elementart art) {
  tgruppendaten d;
  d.name = "Tür";
  d.rahmen = {10, 10, 60, 40};
  if (art == Elementart::Gruppenanfang) return s.neueGruppenklammer(art, d);
  for (int i = 0; i < 2; ++i) s.vervollstaendige(s.neueGruppenklammer(Elementart::Gruppenanfang, d));
  return s.neueGruppenklammer(art, {});  // an end carries no frame
}

}  // namespace

std::int32_t legeElement(Elementspeicher& s, Elementart art) {
  using E = Elementart;
  switch (art) {
    case E::Linie:
    case E::Wandlinie1:
    case E::Wandlinie2:
      return linie(s, art);
    case E::Bogen: {
      tbogendaten d;
      d.xm = 50, d.ym = 40, d.xr = 30, d.yr = 15, d.startwinkel = 20, d.endwinkel = 250, d.drehwinkel = 15;
      return s.neuerBogen(mitFarbe(d));
    }
    case E::Polygon:
    case E::Spline:
    case E::Verlauf:
      return polygon(s, art);
    case E::Bezier: {
      Tbezierdaten d;
      d.punkte = {10, 60, 30, 10, 70, 10, 90, 60};
      return s.neueBezierkurve(mitFarbe(d));
    }
    case E::Bemassung: {
      tmessdaten d;
      d.geometrie = {10, 50, 60, 50, 30, 40, 0, 0};
      d.texthoehe = 2.5;
      d.werte = {static_cast<std::uint32_t>(-100), 0, 200, 300, 0};
      return s.neueBemassung(mitFarbe(d));
    }
    case E::Gruppenanfang:
    case E::Gruppenende:
      return klammer(s, art);
    case E::Bitmap:
    case E::Fuellung:
    case E::Metafile:
      return rahmenelement(s, art);
    case E::Text:
    case E::Kommentar:
      return text(s, art);
    case E::Frei:
      break;
  }
  return 0;
}

}  // namespace quarzel::test
