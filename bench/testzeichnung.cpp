// quarzel-testzeichnung ART ANZAHL ZIEL.qzz GEOMETRIE.txt: the drawings of the
// output comparison (bench/compare-output.sh). ART "linien" makes ANZAHL
// lines, "gemischt" a quarter each of lines, circles, arcs and 6-point
// polylines, all at random on an A3 sheet (420 × 297 mm). The same geometry
// goes as plain text (sheet millimetres, y downward) to GEOMETRIE.txt, from
// which the script writes the DXF file for the other program.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "base/sicheredatei.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "store/zeichnungsdatei.h"

using namespace quarzel;

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "Aufruf: quarzel-testzeichnung linien|gemischt ANZAHL ZIEL.qzz GEOMETRIE.txt\n");
    return 2;
  }
  const std::string art = argv[1];
  const long anzahl = std::strtol(argv[2], nullptr, 10);
  if ((art != "linien" && art != "gemischt") || anzahl <= 0) return 2;

  Zeichnung z;
  SkriptBenutzer benutzer;
  Elementspeicher& s = z.speicher;
  s.initialisiere(benutzer);
  s.beginneSchritt();
  Ansicht& a = z.ansicht;
  a.sheetWidth = 420;
  a.sheetHeight = 297;
  const double x0 = a.sheetLeft, y0 = a.sheetTop;

  std::ofstream geometrie(argv[4]);
  geometrie.precision(10);
  std::mt19937 zufall(4711);
  // Elements of a few millimetres up to two centimetres, as in real plans;
  // every point stays on the sheet.
  std::uniform_real_distribution<double> x(x0 + 20, x0 + 400), y(y0 + 20, y0 + 277), nah(-10, 10), radius(0.5, 10),
      winkel(0, 360);
  for (long i = 0; i < anzahl; ++i) {
    const int form = art == "linien" ? 0 : static_cast<int>(i % 4);
    const double px = x(zufall), py = y(zufall);
    std::int32_t n = 0;
    if (form == 0) {
      const double qx = px + nah(zufall), qy = py + nah(zufall);
      n = s.neueLinie(px, py, qx, qy, 0);
      geometrie << "L " << px - x0 << ' ' << py - y0 << ' ' << qx - x0 << ' ' << qy - y0 << '\n';
    } else if (form == 1 || form == 2) {
      tbogendaten d;
      d.xm = px;
      d.ym = py;
      d.xr = d.yr = radius(zufall);
      if (form == 2) {
        d.startwinkel = static_cast<float>(winkel(zufall));
        d.endwinkel = static_cast<float>(d.startwinkel + 30 + winkel(zufall) * 0.8);
        if (d.endwinkel >= 360) d.endwinkel -= 360;
      }
      n = s.neuerBogen(d);
      s.bogen(n) = d;
      geometrie << (form == 1 ? "K " : "B ") << d.xm - x0 << ' ' << d.ym - y0 << ' ' << d.xr << ' ' << d.startwinkel
                << ' ' << d.endwinkel << '\n';
    } else {
      s.punkte.leere();
      geometrie << "P";
      for (int j = 0; j < 6; ++j) {
        const double qx = px + nah(zufall), qy = py + nah(zufall);
        s.punkte.fuegeHinzu(qx, qy);
        geometrie << ' ' << qx - x0 << ' ' << qy - y0;
      }
      geometrie << '\n';
      n = s.neuesPolygon(Elementart::Polygon, Tpolygondaten{});
    }
    s.vervollstaendige(n);
    s.setzeMarkiert(n, 0);
  }
  const Schreibergebnis datei = schreibeZeichnung(z);
  const std::string_view inhalt(reinterpret_cast<const char*>(datei.daten.data()), datei.daten.size());
  if (!schreibeDateiAtomar(argv[3], inhalt) || !geometrie) {
    std::fprintf(stderr, "quarzel-testzeichnung: kann nicht schreiben\n");
    return 1;
  }
  return 0;
}
