#include "exchange/cadauflistung.h"

#include <charconv>
#include <cmath>

#include "exchange/cadaufloesung.h"

namespace quarzel {

namespace {

std::string_view klassenname(CadArt a) {
  switch (a) {
    case CadArt::Linie:
      return "LINE";
    case CadArt::Punkt:
      return "POINT";
    case CadArt::Kreis:
      return "CIRCLE";
    case CadArt::Bogen:
      return "ARC";
    case CadArt::Ellipse:
      return "ELLIPSE";
    case CadArt::Polylinie:
      return "POLYLINE";
    case CadArt::Spline:
      return "SPLINE";
    case CadArt::Text:
      return "TEXT";
    case CadArt::MText:
      return "MTEXT";
    case CadArt::Einfuegung:
      return "INSERT";
    case CadArt::Flaeche:
      return "SOLID";
    case CadArt::Schraffurrand:
      return "HATCH";
    case CadArt::Bemassung:
      return "DIMENSION";
    case CadArt::Hinweislinie:
      return "LEADER";
    case CadArt::Attributdefinition:
      return "ATTDEF";
    case CadArt::Ansichtsfenster:
      return "VIEWPORT";
    case CadArt::Unbekannt:
      break;
  }
  return "UNKNOWN";
}

class Auflistung {
 public:
  explicit Auflistung(const CadModell& m) : m_(m) {}

  void entitaet(const CadEntitaet& e) {
    text("\r\nClassName=");
    text(klassenname(e.art));
    text("; Entity name=");
    if (e.block != kKeinIndex && e.block < m_.namen.size()) text(m_.namen[e.block]);
    text(" layer = ");
    if (e.layer < m_.namen.size()) text(m_.namen[e.layer]);
    text(" style = ");
    text(e.linientyp != kKeinIndex && e.linientyp < m_.namen.size() ? std::string_view(m_.namen[e.linientyp])
                                                                    : std::string_view("BYLAYER"));
    switch (e.art) {
      case CadArt::Linie:
        text(" LineWeight=");
        zahl(e.linienstaerke);
        text(" LineTypeScale=");
        zahl(1);
        text(" ZThick=");
        zahl(0);
        punkt(" Begin point: ", e.a);
        punkt(" End point: ", e.b);
        break;
      case CadArt::Kreis:
      case CadArt::Bogen:
      case CadArt::Ellipse:
        punkt(" Center point: ", e.a);
        text("\r\n Start Angle: ");
        zahl(e.art == CadArt::Kreis ? 0 : e.anfang);
        text("\r\n End Angle: ");
        zahl(e.art == CadArt::Kreis ? 360 : e.ende);
        text("\r\n Rx: ");
        zahl(e.art == CadArt::Ellipse ? std::hypot(e.b.x, e.b.y) : e.radius);
        break;
      case CadArt::Polylinie:
      case CadArt::Flaeche:
      case CadArt::Hinweislinie:
        punkte(" 2D Points: ", e.ersterScheitel, e.scheitelAnzahl);
        break;
      case CadArt::Spline:
        punkte(" Fit points of Spline: ", e.ersterFitpunkt, e.fitpunktAnzahl);
        punkte(" Control points of Spline: ", e.ersterScheitel, e.scheitelAnzahl);
        break;
      case CadArt::Ansichtsfenster:
        text("Rect:\r\n   Left= ");
        zahl(e.a.x - e.breite / 2);
        text("\r\n   Top= ");
        zahl(e.a.y + e.hoehe / 2);
        text("\r\n   Z1= ");
        zahl(e.a.z);
        text("\r\n   Right= ");
        zahl(e.a.x + e.breite / 2);
        text("\r\n   Bottom= ");
        zahl(e.a.y - e.hoehe / 2);
        text("\r\n   Z2= ");
        zahl(e.a.z);
        text("\r\n---ENTITIES below are displayed in this VIEWPORT---");
        break;
      case CadArt::Schraffurrand:
        for (std::uint32_t i = 0; i < e.pfadAnzahl && e.ersterPfad + i < m_.pfade.size(); ++i) {
          const CadPfad& pfad = m_.pfade[e.ersterPfad + i];
          text("   SubEntity \u00b9 ");
          text(pfad.anzahl == 2 ? " - single line" : " - polyline");
          punkte(" 2D Points: ", pfad.ersterScheitel, pfad.anzahl);
        }
        break;
      default:
        break;
    }
  }

  std::string ergebnis() { return std::move(aus_); }

 private:
  void text(std::string_view s) { aus_ += s; }
  void zahl(double w) {
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, w);
    aus_.append(puffer, fehler == std::errc{} ? ende : puffer);
  }
  void punkt(std::string_view titel, const CadPunkt& p) {
    text(titel);
    text(" X=");
    zahl(p.x);
    text(" Y=");
    zahl(p.y);
    text(" Z=");
    zahl(p.z);
  }
  void punkte(std::string_view titel, std::uint32_t erster, std::uint32_t anzahl) {
    text(titel);
    for (std::uint32_t i = 0; i < anzahl && erster + i < m_.scheitel.size(); ++i) {
      text(" P");
      zahl(i + 1);
      text(": ");
      punkt("", m_.scheitel[erster + i].p);
    }
  }

  const CadModell& m_;
  std::string aus_;
};

}  // namespace

std::string cadAuflistung(const CadModell& modell, std::string_view layout) {
  Auflistung a(modell);
  for (const CadEntitaet& e : entitaetenDesLayouts(modell, layout)) a.entitaet(e);
  return a.ergebnis();
}

}  // namespace quarzel
