#include "fanghilfen.h"

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
  Tliniendaten d;
  d.x1 = x1;
  d.y1 = y1;
  d.x2 = x2;
  d.y2 = y2;
  return fertig(z.speicher, z.speicher.neueLinie(d, art));
}

std::int32_t Fangzeichnung::bogen(double xm, double ym, double xr, double yr, float start, float ende, float dreh) {
  return fertig(z.speicher, z.speicher.neuerBogen(test::bogendaten(xm, ym, xr, yr, start, ende, dreh)));
}

std::int32_t Fangzeichnung::polygon(std::initializer_list<std::pair<double, double>> punkte, Elementart art) {
  Tpolygondaten d;
  for (auto [x, y] : punkte) {
    d.x.push_back(x);
    d.y.push_back(y);
  }
  return fertig(z.speicher, z.speicher.neuesPolygonMitPunkten(art, d));
}

std::int32_t Fangzeichnung::bezier(std::initializer_list<double> punkte) {
  Tbezierdaten d;
  std::size_t i = 0;
  for (double v : punkte)
    if (i < d.punkte.size()) d.punkte[i++] = v;
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
  Tfliestextdaten d;
  d.x = x;
  d.y = y;
  d.zeilen = {"Text"};
  return fertig(z.speicher, z.speicher.neuerText(Elementart::Text, d));
}

void erwarteGleich(const Fangergebnis& a, const Fangergebnis& b) {
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  EXPECT_EQ(a.gefangen, b.gefangen);
  EXPECT_EQ(a.art, b.art);
  EXPECT_EQ(a.element, b.element);
  EXPECT_EQ(a.element2, b.element2);
  EXPECT_EQ(a.winkelGerundet, b.winkelGerundet);
  EXPECT_EQ(a.abgebrochen, b.abgebrochen);
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
  Fangeinstellungen e;
  e.modi = modi;
  e.fangradius = radius;
  e.aktiveFolie = true;
  e.sichtbareFolienAktiveEbene = false;
  e.alleSichtbarenEbenen = false;
  return e;
}

}  // namespace quarzel::test
