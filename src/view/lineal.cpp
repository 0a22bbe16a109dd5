#include "view/lineal.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "view/einheiten.h"
#include "platform/farbe.h"

namespace quarzel {

namespace {

constexpr double metrischKleinsterSchritt = 0.0001;  // mm
constexpr double metrischMindestPixel = 4;
constexpr double imperialMindestPixel = 2;
// Far more growth than any zoom and scale need; the limit only stops absurd
// values (a scale of 1e300) from looping long.
constexpr int hoechstensSchritte = 60;
// Ticks farther from the zero point than this many steps cannot be told apart in a double.
constexpr double groessterIndex = 1e15;
// A step that lands on the minimum up to rounding noise (0.0004 * 10^4) counts as reaching it.
constexpr double rundungsspiel = 1 - 1e-9;

double massstabFuer(const Ansicht& a, bool modell) {
  if (!modell) return 1;
  return a.drawingScale > 0 && std::isfinite(a.drawingScale) ? a.drawingScale : 1;
}

int dezimalenFuer(double schritt) {
  if (!(schritt > 0) || !std::isfinite(schritt)) return 0;
  return std::clamp(static_cast<int>(std::ceil(-std::log10(schritt) - 1e-9)), 0, 12);
}

}  // namespace

double linealMmProEinheit(int unitCode) {
  switch (unitCode) {
    case 5:
      return 25.4;
    case 6:
      return 305;
    case 7:
      return 914;
    case 8:
      return 1609000;
    default:
      return 0;
  }
}

Linealschritte linealschritte(const Ansicht& a, bool modell) {
  Linealschritte s;
  const double mmProPixel = a.zoom * massstabFuer(a, modell);
  if (!(mmProPixel > 0) || !std::isfinite(mmProPixel)) return s;
  const double mmProEinheit = linealMmProEinheit(a.unitCode);
  if (mmProEinheit == 0) {
    s.kleinPixel = metrischKleinsterSchritt / mmProPixel;
    s.grossWert = 0.001 * a.unitFactor;
    for (int n = 0; s.kleinPixel < metrischMindestPixel * rundungsspiel && n < hoechstensSchritte; ++n) {
      s.kleinPixel *= 10;
      s.grossWert *= 10;
    }
  } else if (a.imperialDecimal) {
    const double gross = mmProEinheit / 10000;
    s.kleinPixel = gross / 10 / mmProPixel;
    s.grossWert = 0.0001;
    for (int n = 0; s.kleinPixel < imperialMindestPixel * rundungsspiel && n < hoechstensSchritte; ++n) {
      s.kleinPixel *= 10;
      s.grossWert *= 10;
    }
  } else {
    s.bruch = true;
    s.mittelJe = 8;
    s.grossJe = 16;
    s.bruchZaehler = 1;
    s.kleinPixel = mmProEinheit / Linealschritte::bruchNenner / 16 / mmProPixel;
    for (int n = 0; s.kleinPixel < imperialMindestPixel * rundungsspiel && n < hoechstensSchritte; ++n) {
      s.kleinPixel *= 2;
      s.bruchZaehler *= 2;
    }
  }
  if (s.kleinPixel < imperialMindestPixel * rundungsspiel || !std::isfinite(s.kleinPixel)) {
    s.kleinPixel = 0;
  }
  return s;
}

std::string linealbeschriftung(const Linealschritte& s, std::int64_t k) {
  if (!s.bruch) return formatiereDezimal(static_cast<double>(k) * s.grossWert, dezimalenFuer(s.grossWert));
  const std::int64_t nenner = Linealschritte::bruchNenner;
  const std::int64_t teiler = std::gcd(s.bruchZaehler, nenner);
  const std::int64_t z = s.bruchZaehler / teiler, n = nenner / teiler;
  // Whole units per major tick: a plain count, which may exceed 64 bits far out.
  if (n == 1) return formatiereDezimal(static_cast<double>(k) * static_cast<double>(z), 0);
  // Here z < n <= 2048, and |k| stays below 10^15, so betrag * z fits.
  const bool negativ = k < 0;
  const std::uint64_t betrag = negativ ? 0 - static_cast<std::uint64_t>(k) : static_cast<std::uint64_t>(k);
  const std::uint64_t zaehler = betrag * static_cast<std::uint64_t>(z);
  const std::uint64_t ganz = zaehler / static_cast<std::uint64_t>(n);
  std::uint64_t rest = zaehler % static_cast<std::uint64_t>(n);
  std::uint64_t restNenner = static_cast<std::uint64_t>(n);
  const std::uint64_t g = std::gcd(rest, restNenner);
  rest /= g;
  restNenner /= g;
  std::string text = negativ && zaehler != 0 ? "-" : "";
  if (ganz != 0 || rest == 0) text += std::to_string(ganz);
  if (rest != 0) {
    if (ganz != 0) text += ' ';
    text += std::to_string(rest) + "/" + std::to_string(restNenner);
  }
  return text;
}

std::vector<Linealstrich> linealteilung(const Ansicht& a, bool waagerecht, int laengePixel, bool modell) {
  std::vector<Linealstrich> striche;
  const Linealschritte s = linealschritte(a, modell);
  if (s.kleinPixel <= 0 || laengePixel <= 0) return striche;
  const double nullpunkt =
      waagerecht ? (a.zeroPoint.x - a.viewOriginX) / a.zoom : (a.zeroPoint.y - a.viewOriginY) / a.zoom;
  if (!std::isfinite(nullpunkt) || std::fabs(nullpunkt / s.kleinPixel) > groessterIndex) return striche;
  const double kVon = std::ceil(-nullpunkt / s.kleinPixel);
  const double kBis = std::floor((laengePixel - nullpunkt) / s.kleinPixel);
  for (double kd = kVon; kd <= kBis; ++kd) {
    const auto k = static_cast<std::int64_t>(kd);
    Linealstrich strich;
    strich.position = nullpunkt + kd * s.kleinPixel;
    if (k % s.grossJe == 0) {
      strich.art = Strichart::Gross;
      // The vertical ruler counts upward, as user Y does.
      strich.beschriftung = linealbeschriftung(s, (waagerecht ? k : -k) / s.grossJe);
    } else if (k % s.mittelJe == 0) {
      strich.art = Strichart::Mittel;
    }
    striche.push_back(std::move(strich));
  }
  return striche;
}

void linealzeichnen(Canvas& canvas, const Ansicht& ansicht, bool waagerecht, bool modell, int versatz) {
  const int dicke = waagerecht ? canvas.hoehe() : canvas.breite();
  const int laenge = waagerecht ? ansicht.areaWidth : ansicht.areaHeight;
  const Farbe schwarz = rgb(0, 0, 0);
  canvas.setzeStiftmodus(Stiftmodus::Kopieren);
  canvas.rechteckFuellen({0, 0, canvas.breite(), canvas.hoehe()}, rgb(240, 240, 240));
  canvas.setzeStift(schwarz, 1);
  if (dicke <= 0) return;

  const std::vector<Linealstrich> striche = linealteilung(ansicht, waagerecht, laenge, modell);
  // The edge facing the drawing area: bottom of the top ruler, right of the left one.
  const double kante = dicke - 0.5;
  std::vector<Pixelpunkt> punkte;
  std::vector<int> laengen;
  punkte.reserve(2 * striche.size() + 2);
  laengen.reserve(striche.size() + 1);
  auto strecke = [&](double entlang1, double quer1, double entlang2, double quer2) {
    if (waagerecht) {
      punkte.push_back({entlang1, quer1});
      punkte.push_back({entlang2, quer2});
    } else {
      punkte.push_back({quer1, entlang1});
      punkte.push_back({quer2, entlang2});
    }
    laengen.push_back(2);
  };
  strecke(versatz, kante, versatz + laenge, kante);
  for (const Linealstrich& s : striche) {
    const double lang = s.art == Strichart::Gross ? dicke : (s.art == Strichart::Mittel ? dicke / 2.0 : dicke / 4.0);
    const double p = versatz + s.position;
    strecke(p, kante, p, kante - lang);
  }
  canvas.mehrfachPolylinie(punkte, laengen);

  Schriftangaben schrift;
  schrift.hoehePixel = std::clamp(dicke * 0.45, 6.0, 12.0);
  schrift.winkelGrad = waagerecht ? 0 : 90;
  for (const Linealstrich& s : striche) {
    if (s.beschriftung.empty()) continue;
    const double p = versatz + s.position;
    if (waagerecht) {
      canvas.text(p + 2, 1, s.beschriftung, schrift, schwarz);
    } else {
      canvas.text(1, p - 2, s.beschriftung, schrift, schwarz);
    }
  }
}

}  // namespace quarzel
