// The drawing environment: sheet size and sheets, the turned coordinate
// system, and the variables that mirror the sheet, the zero point and picked
// elements in macro units.
#include <cmath>

#include "macro/makrostapel.h"
#include "macro/makroumgebung.h"
#include "macro/makrovariablen.h"
#include "macro/makrowerte.h"
#include "macro/makrozeichner.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// The bounds of a sheet the options dialog accepts, in millimetres.
constexpr double KleinstesBlatt = 50;
constexpr double GroesstesBlatt = 2500;

std::optional<std::int32_t> blattmass(double mm) {
  if (!(mm >= KleinstesBlatt && mm <= GroesstesBlatt)) return std::nullopt;
  return static_cast<std::int32_t>(Ansicht::nearest(mm));
}

// Sets the sheet size and centres the sheet again; the zero point keeps its
// place relative to the sheet's lower-left corner, so macro coordinates keep
// meaning the same spot on the paper.
void setzeBlatt(Ansicht& a, std::int32_t breite, std::int32_t hoehe) {
  const double altX = a.sheetLeft, altY = a.sheetTop + a.sheetHeight;
  a.sheetWidth = breite;
  a.sheetHeight = hoehe;
  a.sheetLeft = Ansicht::nearestInt32(a.WorldWidth / 2.0 - breite / 2.0);
  a.sheetTop = Ansicht::nearestInt32(a.WorldHeight / 2.0 - hoehe / 2.0);
  const double dx = a.sheetLeft - altX, dy = a.sheetTop + a.sheetHeight - altY;
  a.zeroPoint = {a.zeroPoint.x + dx, a.zeroPoint.y + dy};
  a.gridOrigin = {a.gridOrigin.x + dx, a.gridOrigin.y + dy};
}

}  // namespace

std::optional<Makrofehler> Makrozeichner::umgebung(Befehl b, Makrostapel& s, Makrovariablen& v) {
  const Befehlseintrag* e = eintrag(b);
  if (s.groesse() < static_cast<std::size_t>(e->mindestens)) return Makrofehler::ZuwenigParameter;
  Ansicht& ansicht = zeichnung_.ansicht;
  double w[3];

  switch (b) {
    case Befehl::SETFORMAT:
    case Befehl::SETPAGESIZE: {
      const int n = b == Befehl::SETFORMAT ? 2 : 3;
      if (auto f = zahlen(s, n, w)) return f;
      const auto breite = blattmass(w[n - 2]), hoehe = blattmass(w[n - 1]);
      if (!breite || !hoehe) return Makrofehler::UngueltigerParameter;
      if (b == Befehl::SETPAGESIZE) {
        if (host_.blattgroesseSetzen) {
          if (!host_.blattgroesseSetzen(static_cast<int>(w[0]), *breite, *hoehe))
            return Makrofehler::UngueltigerParameter;
          schreibeBlattvariablen(v);
          return std::nullopt;
        }
        // Without a sheet list only the current sheet can be sized.
        if (w[0] != zeichnung_.optionen.blattnummer) return Makrofehler::UngueltigerParameter;
      }
      setzeBlatt(ansicht, *breite, *hoehe);
      schreibeBlattvariablen(v);
      if (host_.neuZeichnen) host_.neuZeichnen();
      return std::nullopt;
    }
    case Befehl::SETPAGE: {
      const auto n = liesGanzzahl(s.oben(0));
      if (!n) return Makrofehler::UnbekannterFehler;
      s.entferne(1);
      const bool ok = host_.blattWaehlen ? host_.blattWaehlen(static_cast<int>(std::clamp<std::int64_t>(*n, -1, 1000)))
                                         : *n == zeichnung_.optionen.blattnummer;
      if (!ok) return Makrofehler::UngueltigerParameter;
      ansicht.gesamtesBlatt();
      schreibeBlattvariablen(v);
      if (host_.neuZeichnen) host_.neuZeichnen();
      return std::nullopt;
    }
    case Befehl::NEWPAGE: {
      double mass[2];
      for (int i = 0; i < 2; ++i) {
        const auto z = liesMakrowert(s.oben(static_cast<std::size_t>(1 - i)));
        if (!z) return Makrofehler::UnbekannterFehler;
        mass[i] = *z;
      }
      const auto breite = blattmass(mass[0]), hoehe = blattmass(mass[1]);
      if (!breite || !hoehe) return Makrofehler::UngueltigerParameter;
      const std::string name = s.oben(2);
      s.entferne(3);
      if (host_.blattAnlegen) {
        if (!host_.blattAnlegen(name, *breite, *hoehe)) return Makrofehler::UngueltigerParameter;
      } else {
        // A drawing without the window has one sheet: it becomes the new one.
        zeichnung_.optionen.blattname = name;
        setzeBlatt(ansicht, *breite, *hoehe);
      }
      schreibeBlattvariablen(v);
      if (host_.neuZeichnen) host_.neuZeichnen();
      return std::nullopt;
    }
    case Befehl::ROTATE: {
      if (auto f = zahlen(s, 1, w)) return f;
      if (!endlich({w[0]})) return Makrofehler::UnbekannterFehler;
      // The cursor variables name a point on the sheet: they follow into
      // the turned system.
      const std::string* cx = v.finde("cursorx");
      const std::string* cy = v.finde("cursory");
      std::optional<Weltpunkt> cursor;
      if (cx && cy) cursor = welt(makrowert(*cx), makrowert(*cy));
      double winkel = w[0] == 0 ? 0.0 : ansicht.coordAngle + w[0];
      winkel = std::fmod(winkel, 360.0);
      ansicht.coordAngle = static_cast<float>(winkel);
      if (cursor) {
        const Benutzerpunkt neu = alsMakropunkt(*cursor);
        v.setze("cursorx", makrozahl(neu.x));
        v.setze("cursory", makrozahl(neu.y));
      }
      return std::nullopt;
    }
    case Befehl::CREATELAYER:
    case Befehl::CREATESUBLAYER:
    case Befehl::SETLAYERVISIBLE:
    case Befehl::SETSUBLAYERVISIBLE:
    case Befehl::GETLAYERVISIBLE:
    case Befehl::GETSUBLAYERVISIBLE:
    case Befehl::SETLAYERUNIT:
    case Befehl::BEGINGROUP:
    case Befehl::ENDGROUP:
      return ebenenUndGruppen(b, s, v);
    default:
      return bemassungUndPruefung(b, s);
  }
}

void Makrozeichner::schreibeBlattvariablen(Makrovariablen& v) const {
  quarzel::schreibeBlattvariablen(v, zeichnung_);
}

bool Makrozeichner::setzeLinienvariablen(std::int32_t n, Makrovariablen& v) const {
  const Elementspeicher& sp = zeichnung_.speicher;
  if (n < 1 || n > sp.gesamtanzahl() || !istLinienart(sp.art(n))) return false;
  const Tliniendaten& d = sp.linie(n);
  const Benutzerpunkt a = alsMakropunkt({d.x1, d.y1}), e = alsMakropunkt({d.x2, d.y2});
  v.setze("linex1", makrozahl(a.x));
  v.setze("liney1", makrozahl(a.y));
  v.setze("linex2", makrozahl(e.x));
  v.setze("liney2", makrozahl(e.y));
  v.setze("linewidth", makrozahl(d.stift));
  v.setze("linestyle", makrozahl(d.linienstil));
  v.setze("linered", makrozahl(rotAnteil(d.farbe)));
  v.setze("linegreen", makrozahl(gruenAnteil(d.farbe)));
  v.setze("lineblue", makrozahl(blauAnteil(d.farbe)));
  return true;
}

bool Makrozeichner::setzeBogenvariablen(std::int32_t n, Makrovariablen& v) const {
  const Elementspeicher& sp = zeichnung_.speicher;
  if (n < 1 || n > sp.gesamtanzahl() || sp.art(n) != Elementart::Bogen) return false;
  const tbogendaten& d = sp.bogen(n);
  const Benutzerpunkt m = alsMakropunkt({d.xm, d.ym});
  const double k = zeichnung_.ansicht.unitFactor * massstab();
  const double dreh = zeichnung_.ansicht.coordAngle;
  v.setze("arcxm", makrozahl(m.x));
  v.setze("arcym", makrozahl(m.y));
  v.setze("arcrx", makrozahl(d.xr * k));
  v.setze("arcry", makrozahl(d.yr * k));
  v.setze("arcw1", makrozahl(d.startwinkel - dreh));
  v.setze("arcw2", makrozahl(d.endwinkel - dreh));
  v.setze("arcw3", makrozahl(d.drehwinkel - dreh));
  v.setze("arcwidth", makrozahl(d.stift));
  v.setze("arcstyle", makrozahl(d.linienstil));
  v.setze("acred", makrozahl(rotAnteil(d.farbe)));
  v.setze("arcgreen", makrozahl(gruenAnteil(d.farbe)));
  v.setze("arcblue", makrozahl(blauAnteil(d.farbe)));
  return true;
}

}  // namespace quarzel
