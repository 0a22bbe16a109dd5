#include "project/projektausgabe.h"

#include <filesystem>

#include "base/zahlformat.h"
#include "macro/makroversion.h"
#include "project/projektbearbeitung.h"
#include "project/projektfelder.h"
#include "store/zeichnung.h"
#include "view/einheiten.h"

namespace quarzel {

namespace {

namespace pz = projektzeile;

std::string massstabtext(double nenner) {
  return "1:" + schreibeZahl(nenner);
}

// A layer following the drawing scale (0) shows that scale.
double massstabDerEbene(const Zeichnung& z, int ebene) {
  const double m = z.ebenen.massstab(ebene);
  return m != 0 ? m : z.ansicht.drawingScale;
}

// The name of the newest change entry that has one.
std::string letzteAenderung(const Zeichnung& z) {
  for (int i = pz::Aenderungen - 1; i >= 0; --i) {
    const std::string& name = z.projektdaten.werte[static_cast<std::size_t>(pz::ErsteAenderung + 3 * i)];
    if (!name.empty()) return name;
  }
  return {};
}

// The user coordinates of a text's insertion point, as the coordinate display writes them.
std::string koordinate(const Zeichnung& z, const Tfliestextdaten& d, bool x) {
  const Ansicht& a = z.ansicht;
  const Benutzerpunkt b = a.worldToUser(d.x, d.y, z.massstabInKraft());
  return formatiereBenutzerwert(x ? b.x : b.y, a.unitCode, a.displayDecimals, a.imperialDecimal);
}

bool istText(const Zeichnung& z, std::int32_t n) {
  if (n < 1 || n > z.speicher.gesamtanzahl()) return false;
  const Elementart art = z.speicher.art(n);
  return art == Elementart::Text || art == Elementart::Kommentar;
}

}  // namespace

std::string projektwert(const Zeichnung& z, int zeile, std::string_view heute, std::int32_t text) {
  if (zeile < 0 || zeile >= kProjektfelder) return {};
  const Ebenen& e = z.ebenen;
  const std::string& gespeichert = z.projektdaten.werte[static_cast<std::size_t>(zeile)];
  switch (zeile) {
    case pz::Dateiname:
      return std::filesystem::path(z.dateiname).filename().string();
    case pz::GeschossName:
      return e.name(e.aktiveEbene());
    case pz::Massstab:
      return massstabtext(z.massstabInKraft());
    // The dialog leaves the placeholder itself in an unset free text.
    case pz::Freitext:
      return gespeichert == projektfelder()[pz::Freitext].platzhalter ? std::string() : gespeichert;
    case pz::Sprachversion:
      return std::string(kMakroversion);
    case pz::LetzteAenderungName:
      return letzteAenderung(z);
    case pz::LetzteAenderungDatum:
      return std::string(heute);
    case pz::EbenenNr:
      return std::to_string(e.aktiveEbene());
    case pz::UnterebenenNr:
      return std::to_string(e.aktiveFolie());
    case pz::Blattname:
      return z.optionen.blattname;
    case pz::Zeichnungsmassstab:
      return massstabtext(z.ansicht.drawingScale);
    case pz::Unterebenenname:
      return e.folienname(e.aktiveEbene(), e.aktiveFolie());
    default:
      break;
  }
  const bool eigenerOrt = zeile == pz::XKoordinate || zeile == pz::YKoordinate || zeile == pz::Koordinaten ||
                          zeile == pz::EigeneEbene || zeile == pz::EigeneUnterebene || zeile == pz::EigenerMassstab;
  if (!eigenerOrt || !istText(z, text)) return gespeichert;
  const Tfliestextdaten& d = z.speicher.text(text);
  switch (zeile) {
    case pz::XKoordinate:
      return koordinate(z, d, true);
    case pz::YKoordinate:
      return koordinate(z, d, false);
    case pz::Koordinaten:
      return koordinate(z, d, true) + " / " + koordinate(z, d, false);
    case pz::EigeneEbene:
      return e.name(d.planteil);
    case pz::EigeneUnterebene:
      return e.folienname(d.planteil, d.folie);
    default:
      return massstabtext(massstabDerEbene(z, d.planteil));
  }
}

std::string projektwert(const Zeichnung& z, int zeile) {
  return projektwert(z, zeile, heutigesDatum());
}

std::optional<std::string> platzhalterwert(const Zeichnung& z, std::string_view platzhalter) {
  const std::optional<int> zeile = zeileDesPlatzhalters(platzhalter);
  if (!zeile) return std::nullopt;
  return projektwert(z, *zeile);
}

std::optional<std::string> Projektdatenersetzung::ersetze(const Zeichnung& z, std::int32_t n,
                                                          std::string_view zeile) const {
  const std::optional<int> r = zeileDesPlatzhalters(zeile);
  if (!r) return std::nullopt;
  if (platzhalterZeigen_) {
    if (*r > pz::LetzteMitBedeutung) return std::nullopt;
    return "$" + std::string(projektfelder()[static_cast<std::size_t>(*r)].bedeutung) + "$";
  }
  return projektwert(z, *r, heute_, n);
}

}  // namespace quarzel
