#include "support/edit/fanghilfen.h"

#include <algorithm>
#include <tuple>

#include "support/bogenhilfen.h"
#include "support/speicherhilfen.h"

namespace quarzel::test {

Fangzeichnung::Fangzeichnung() {
  initialisiere(z.speicher);
  z.ansicht.zoom = 1;
  z.ansicht.viewOriginX = 0;
  z.ansicht.viewOriginY = 0;
  z.ansicht.areaWidth = 800;
  z.ansicht.areaHeight = 600;
  z.speicher.beginneSchritt();
}

namespace {
std::int32_t fertig(Elementspeicher& s, std::int32_t n) {
  s.vervollstaendige(n);
  s.setzeMarkiert(n, 0);
  return n;
}
}  // namespace

std::int32_t Fangzeichnung::linie(double x1, double y1, double x2, double y2, Elementart art) {
  return fertig(z.speicher, z.speicher.neueLinie({.x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2}, art));
}

std::int32_t Fangzeichnung::bogen(double xm, double ym, double xr, double yr, float start, float ende, float dreh) {
  return fertig(z.speicher, z.speicher.neuerBogen(test::bogendaten(xm, ym, xr, yr, start, ende, dreh)));
}

std::int32_t Fangzeichnung::polygon(std::initializer_list<std::pair<double, double>> punkte, Elementart art) {
  Tpolygondaten d;
  for (auto [x, y] : punkte) d.x.push_back(x), d.y.push_back(y);
  return fertig(z.speicher, z.speicher.neuesPolygonMitPunkten(art, d));
}

std::int32_t Fangzeichnung::bezier(std::initializer_list<double> punkte) {
  Tbezierdaten d;
  std::copy_n(punkte.begin(), std::min(punkte.size(), d.punkte.size()), d.punkte.begin());
  return fertig(z.speicher, z.speicher.neueBezierkurve(d));
}

std::int32_t Fangzeichnung::bitmap(double x1, double y1, double x2, double y2) {
  Tbitmapdaten d;
  d.platzierung = {x1, y1, x2, y2, 0, 0};
  return fertig(z.speicher, z.speicher.neueBitmap(Elementart::Bitmap, d));
}

std::int32_t Fangzeichnung::bemassung(double x1, double y1, double x2, double y2) {
  tmessdaten d;
  d.geometrie = {x1, y1, x2, y2, x1, y1 - 10, x2, y2 - 10};
  return fertig(z.speicher, z.speicher.neueBemassung(d));
}

std::int32_t Fangzeichnung::text(double x, double y) {
  return fertig(z.speicher,
                z.speicher.neuerText(Elementart::Text, {.x = x, .y = y, .zeilen = {"Text"}, .formate = {}}));
}

void erwarteGleich(const Fangergebnis& a, const Fangergebnis& b) {
  const auto felder = [](const Fangergebnis& e) {
    return std::tuple(e.x, e.y, e.gefangen, e.art, e.element, e.element2, e.winkelGerundet, e.abgebrochen);
  };
  EXPECT_EQ(felder(a), felder(b));
}

Fangergebnis fange(const Zeichnung& z, int x, int y, const Fangeinstellungen& e, const Fangkontext& k) {
  Fangsuche mitIndex(z);
  Fangsuche ohneIndex(z);
  ohneIndex.mitIndex = false;
  const Fangergebnis a = mitIndex.fange(x, y, e, k);
  erwarteGleich(a, ohneIndex.fange(x, y, e, k));
  return a;
}

Fangeinstellungen nurModi(std::uint16_t modi, int radius) {
  return {.fangradius = radius,
          .aktiveFolie = true,
          .sichtbareFolienAktiveEbene = false,
          .alleSichtbarenEbenen = false,
          .modi = modi};
}

}  // namespace quarzel::test
