// A drawing, the shared tool state and a recording canvas for driving the
// line and area modules directly, as the state machine would.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "edit/flaechenwerkzeuge.h"
#include "edit/linienwerkzeuge.h"
#include "edit/werkzeugcode.h"
#include "store/zeichnung.h"
#include "support/aufzeichnungscanvas.h"
#include "support/speicherhilfen.h"

namespace quarzel::test {

class Zeichenwerkzeuge : public ::testing::Test {
 protected:
  void SetUp() override {
    initialisiere(z.speicher);
    u.elementeZeichnen = [this](std::int32_t von, std::int32_t bis) { gezeichnet.emplace_back(von, bis); };
    u.neuZeichnen = [this] { ++neuZeichnungen; };
  }

  // Starts a tool as the state machine does: first point expected.
  void starte(Werkzeugcode werkzeug) {
    zs.werkzeug = werkzeug;
    zs.schritt = 1;
    zs.bezug.reset();
    zs.punkte.clear();
  }
  void klick(Werkzeugmodul& m, double x, double y) { m.punkt(u, {x, y}); }
  void klicks(Werkzeugmodul& m, std::initializer_list<Weltpunkt> punkte) {
    for (Weltpunkt p : punkte) m.punkt(u, p);
  }

  // The alive elements, in store order.
  std::vector<std::int32_t> lebende() const {
    std::vector<std::int32_t> n;
    for (std::int32_t i = 1; i <= z.speicher.anzahl(); ++i)
      if (z.speicher.lebendig(i)) n.push_back(i);
    return n;
  }
  std::size_t anzahl(Elementart art) const {
    std::size_t k = 0;
    for (std::int32_t i : lebende()) k += z.speicher.art(i) == art;
    return k;
  }
  const tbogendaten& ersterBogen() const {
    for (std::int32_t i : lebende())
      if (z.speicher.art(i) == Elementart::Bogen) return z.speicher.bogen(i);
    ADD_FAILURE() << "kein Bogen";
    static const tbogendaten leer;
    return leer;
  }

  Zeichnung z;
  Werkzeugzustand zs;
  Aufzeichnungscanvas canvas;
  Werkzeugumgebung u{z, zs, &canvas, {}, {}, {}, {}};
  Linienwerkzeuge linien;
  Flaechenwerkzeuge flaechen;
  std::vector<std::pair<std::int32_t, std::int32_t>> gezeichnet;
  int neuZeichnungen = 0;
};

}  // namespace quarzel::test
