// Shared fixture of the renderer tests: an initialised drawing, a recording
// canvas of 800 × 600 pixels, one millimetre per pixel with the world origin
// at the top-left pixel, and short ways to add complete elements.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "render/elementzeichnen.h"
#include "store/zeichnung.h"
#include "support/aufzeichnungscanvas.h"
#include "support/speicherhilfen.h"

namespace quarzel::test {

class Zeichnen : public ::testing::Test {
 protected:
  void SetUp() override {
    initialisiere(z.speicher);
    z.speicher.beginneSchritt();
  }

  Zeichenumgebung umgebung() { return Zeichenumgebung{z, schalter, darstellung}; }

  std::int32_t zeichne(std::int32_t erstes = 1, std::int32_t letztes = -1, double zoom = 1) {
    return zeichne(umgebung(), erstes, letztes, zoom);
  }
  std::int32_t zeichne(const Zeichenumgebung& u, std::int32_t erstes = 1, std::int32_t letztes = -1, double zoom = 1) {
    if (letztes < 0) letztes = z.speicher.anzahl();
    return drawElements(canvas, erstes, letztes, 100, zoom, {0, 0, 799, 599}, 0, 0, u);
  }

  // A complete, unmarked line with the given record.
  std::int32_t linie(Tliniendaten d, Elementart art = Elementart::Linie) {
    const std::int32_t n = z.speicher.neueLinie(d, art);
    z.speicher.linie(n) = d;  // the adder stamps the current pen and style
    fertig(n);
    return n;
  }
  std::int32_t linie(double x1, double y1, double x2, double y2) {
    return linie({.x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2});
  }
  std::int32_t gruppe(const std::string& name, std::array<double, 4> rahmen) {
    const std::int32_t n = z.speicher.neueGruppenklammer(Elementart::Gruppenanfang, {.name = name, .rahmen = rahmen});
    fertig(n);
    return n;
  }
  std::int32_t gruppenende() { return klammer(z.speicher, Elementart::Gruppenende); }
  std::int32_t polygon(std::initializer_list<std::pair<double, double>> ecken, Fuellangaben f = {},
                       Elementart art = Elementart::Polygon) {
    z.speicher.punkte.leere();
    for (auto [x, y] : ecken) z.speicher.punkte.fuegeHinzu(x, y);
    const std::int32_t n = z.speicher.neuesPolygon(art, {.fuellung = f});
    fertig(n);
    return n;
  }
  std::int32_t bogen(tbogendaten d) {
    const std::int32_t n = z.speicher.neuerBogen(d);
    z.speicher.bogen(n) = d;
    fertig(n);
    return n;
  }
  void fertig(std::int32_t n) {
    z.speicher.vervollstaendige(n);
    z.speicher.setzeMarkiert(n, 0);
  }

  // A context for the stateless tests (isDrawable, line ends) at zoom 1.
  Zeichenkontext kontext() {
    lauf.computePenPixelWidths(1);
    return Zeichenkontext{z, lauf, canvas, schalter, darstellung, nullptr, {0, 0, 799, 599}};
  }

  Zeichnung z;
  Aufzeichnungscanvas canvas{800, 600};
  Anzeigeschalter schalter;
  Darstellungswahl darstellung;
  Zeichenlauf lauf{z.stifte, z.linienstile, Laufparameter{}};
};

}  // namespace quarzel::test
