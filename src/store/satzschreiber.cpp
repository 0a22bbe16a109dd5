#include "store/satzschreiber.h"

#include <bit>
#include <type_traits>

#include "base/textkodierung.h"

namespace quarzel {

using namespace datei;

Satzschreiber::Satzschreiber(Schreibstrom& s, const Elementspeicher& speicher, Satzschreibart art)
    : s_(s), sp_(speicher), art_(art) {}

void Satzschreiber::punkt(double px, double py) {
  s_.f64(x(px));
  s_.f64(y(py));
}

// --- Attribute records ------------------------------------------------------

template <class T>
void Satzschreiber::attribut(std::uint8_t tag, T& zuletzt, T wert) {
  if (zuletzt == wert) return;
  zuletzt = wert;
  s_.u8(tag);
  static_assert(std::is_unsigned_v<T> && (sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4));
  if constexpr (sizeof(T) == 1) {
    s_.u8(wert);
  } else if constexpr (sizeof(T) == 2) {
    s_.u16(wert);
  } else {
    s_.u32(wert);
  }
  s_.marke();
}

void Satzschreiber::lage(std::int32_t n) {
  if (!art_.mitLage) return;
  attribut(tag::Ebene, a_.ebene, sp_.planteil(n));
  attribut(tag::Folie, a_.folie, sp_.folie(n));
}

void Satzschreiber::stil(std::int16_t s) {
  if (a_.stil == s) return;
  a_.stil = s;
  s_.u8(art_.stilAlsS ? tag::Stil8 : tag::Stil16);
  s_.i16(s);
  s_.marke();
}

void Satzschreiber::attributwert(std::uint32_t wert, std::uint8_t flag) {
  if (a_.attribut == wert && a_.attributFlag == flag) return;
  a_.attribut = wert;
  a_.attributFlag = flag;
  s_.u8(tag::Attribut);
  s_.u32(wert);
  s_.u8(flag);
  s_.marke();
}

void Satzschreiber::paar(std::uint8_t tag, std::uint8_t& za, std::uint8_t& ze, std::uint8_t a, std::uint8_t e) {
  if (za == a && ze == e) return;
  za = a;
  ze = e;
  s_.u8(tag);
  s_.u8(a);
  s_.u8(e);
  s_.marke();
}

void Satzschreiber::fuellwerte(const Fuellangaben& f) {
  attribut(tag::Fuellwert, a_.fuellwert, std::bit_cast<std::uint32_t>(f.schraffurWinkel));
  attribut(tag::Schraffurwert, a_.schraffurwert, f.schraffurWert3);
}

template <class Satz>
void Satzschreiber::strichattribute(std::int32_t n, const Satz& d) {
  lage(n);
  attribut(tag::Farbe, a_.farbe, d.farbe);
  attribut(tag::Stift, a_.stift, d.stift);
  stil(d.linienstil);
  attributwert(d.attribut, d.attributFlag);
}

// --- Element records --------------------------------------------------------

bool Satzschreiber::schreibeElement(std::int32_t n) {
  switch (sp_.art(n)) {
    case Elementart::Linie:
    case Elementart::Wandlinie1:
    case Elementart::Wandlinie2:
      schreibeLinie(n);
      break;
    case Elementart::Bogen: {
      const tbogendaten& d = sp_.bogen(n);
      strichattribute(n, d);
      const bool gefuellt = d.fuellung != Fuellangaben{};
      if (gefuellt) fuellwerte(d.fuellung);
      s_.u8(gefuellt ? tag::BogenGefuellt : tag::Bogen);
      punkt(d.xm, d.ym);
      s_.f64(d.xr);
      s_.f64(d.yr);
      s_.f32(d.startwinkel);
      s_.f32(d.endwinkel);
      s_.f32(d.drehwinkel);
      s_.u32(0);  // the four bytes of the 48-byte form, reserved
      if (gefuellt) schreibeSchraffurblock(s_, d.fuellung);
      break;
    }
    case Elementart::Bezier: {
      const Tbezierdaten& d = sp_.bezier(n);
      strichattribute(n, d);
      const bool gefuellt = d.fuellung != Fuellangaben{};
      if (gefuellt) fuellwerte(d.fuellung);
      s_.u8(gefuellt ? tag::BezierGefuellt : tag::Bezier);
      for (std::size_t i = 0; i < d.punkte.size(); i += 2) punkt(d.punkte[i], d.punkte[i + 1]);
      s_.u8(d.option);
      if (gefuellt) schreibeSchraffurblock(s_, d.fuellung);
      break;
    }
    case Elementart::Polygon:
    case Elementart::Spline:
    case Elementart::Verlauf:
      return schreibePolygon(n);
    case Elementart::Bemassung:
      schreibeBemassung(n);
      break;
    case Elementart::Gruppenanfang: {
      const tgruppendaten& d = sp_.gruppe(n);
      lage(n);
      s_.u8(tag::Gruppenanfang);
      punkt(d.rahmen[0], d.rahmen[1]);
      punkt(d.rahmen[2], d.rahmen[3]);
      s_.kurzString(d.name);
      break;
    }
    case Elementart::Gruppenende:
      lage(n);
      s_.u8(tag::Gruppenende);
      break;
    case Elementart::Text:
    case Elementart::Kommentar:
      schreibeText(n);
      break;
    case Elementart::Bitmap:
    case Elementart::Fuellung:
    case Elementart::Metafile:
      return schreibeBild(n);
    case Elementart::Frei:
      return false;
  }
  s_.marke();
  return true;
}

void Satzschreiber::schreibeLinie(std::int32_t n) {
  const Tliniendaten& d = sp_.linie(n);
  strichattribute(n, d);
  paar(tag::Linienenden, a_.linienAnfang, a_.linienEnde, d.anfang, d.ende);
  const Elementart art = sp_.art(n);
  const bool mitHoehe = art == Elementart::Linie && (d.z1 != 0 || d.z2 != 0);
  s_.u8(art == Elementart::Wandlinie1   ? tag::Wand1
        : art == Elementart::Wandlinie2 ? tag::Wand2
        : mitHoehe                      ? tag::Linie3d
                                        : tag::Linie);
  punkt(d.x1, d.y1);
  if (mitHoehe) s_.f64(d.z1);
  punkt(d.x2, d.y2);
  if (mitHoehe) s_.f64(d.z2);
}

void Satzschreiber::schreibeBemassung(std::int32_t n) {
  const tmessdaten& d = sp_.bemassung(n);
  lage(n);
  attribut(tag::Farbe, a_.farbe, d.farbe);
  attribut(tag::Stift, a_.stift, d.stift);
  s_.u8(tag::Bemassung);
  for (std::size_t i = 0; i < d.geometrie.size(); i += 2) punkt(d.geometrie[i], d.geometrie[i + 1]);
  s_.u8(d.typ);
  s_.f64(d.texthoehe);
  s_.f64(d.textwinkel);
  s_.kurzString(d.masstext);
  s_.u8(d.textposition);
  s_.u8(d.begrenzung);
  s_.kurzString(d.schrift);
  s_.u32(d.werte[0]);
  s_.u8(d.schalter[0]);
  s_.u32(d.werte[1]);
  s_.u8(d.schalter[1]);
  s_.u32(d.werte[2]);
  s_.u32(d.werte[3]);
  s_.u32(d.werte[4]);
  s_.kurzString(d.vortext);
  s_.kurzString(d.nachtext);
  for (std::uint8_t b : d.optionen) s_.u8(b);
}

// Bitmaps, fills and metafiles: frame corners (coordinates), then the turn
// and a spare value, which are not.
bool Satzschreiber::schreibeBild(std::int32_t n) {
  const bool metafile = sp_.art(n) == Elementart::Metafile;
  const std::array<double, 6>& q = metafile ? sp_.metafile(n).platzierung : sp_.bitmap(n).platzierung;
  const std::vector<std::uint8_t>& daten = metafile ? sp_.metafile(n).daten : sp_.bitmap(n).daten;
  if (daten.size() > UINT32_MAX) return false;
  lage(n);
  s_.u8(metafile ? tag::Metafile : tag::Bitmap);
  punkt(q[0], q[1]);
  punkt(q[2], q[3]);
  s_.f64(q[4]);
  s_.f64(q[5]);
  s_.u32(static_cast<std::uint32_t>(daten.size()));
  s_.bytes(daten);
  if (!metafile) {
    const Tbitmapdaten& d = sp_.bitmap(n);
    s_.u8(d.gefuellt);
    s_.u8(sp_.art(n) == Elementart::Fuellung ? 1 : 0);
    s_.marke();
    if (d.option == 0) return true;
    s_.u8(tag::Bitmapoption);
    s_.u32(d.option);
  }
  s_.marke();
  return true;
}

bool Satzschreiber::schreibePolygon(std::int32_t n) {
  const Tpolygondaten& d = sp_.polygon(n);
  // The point count is a 16-bit field.
  if (d.x.size() > 65535 || d.x.size() != d.y.size()) return false;
  const auto anzahl = static_cast<std::uint16_t>(d.x.size());
  strichattribute(n, d);
  const Elementart art = sp_.art(n);
  if (art == Elementart::Verlauf) {
    s_.u8(tag::Verlauf);
    s_.u16(anzahl);
    s_.u8(d.verlaufstyp);
    s_.u16(d.wert2);
    s_.u32(d.farbe);
    s_.u32(d.farbe2);
    for (std::size_t i = 0; i < d.x.size(); ++i) punkt(d.x[i], d.y[i]);
    s_.u8(d.abschluss);
    s_.marke();
    return true;
  }
  paar(tag::Polygonenden, a_.polygonAnfang, a_.polygonEnde, d.anfang, d.ende);
  if (a_.muster != d.muster || a_.musterFlag != d.musterFlag) {
    a_.muster = d.muster;
    a_.musterFlag = d.musterFlag;
    s_.u8(tag::Muster);
    s_.u32(d.muster);
    s_.u8(d.musterFlag);
    s_.marke();
  }
  const bool gefuellt = d.fuellung != Fuellangaben{};
  if (gefuellt) fuellwerte(d.fuellung);
  const bool spline = art == Elementart::Spline;
  s_.u8(spline ? (gefuellt ? tag::SplineGefuellt : tag::Spline) : (gefuellt ? tag::PolygonGefuellt : tag::Polygon));
  s_.u16(anzahl);
  for (std::size_t i = 0; i < d.x.size(); ++i) punkt(d.x[i], d.y[i]);
  if (gefuellt) {
    schreibeSchraffurblock(s_, d.fuellung);
  } else {
    s_.u8(d.abschluss);
  }
  if (spline) s_.u8(d.splineoption);
  s_.marke();
  return true;
}

void Satzschreiber::schreibeText(std::int32_t n) {
  const Tfliestextdaten& d = sp_.text(n);
  lage(n);
  const std::uint32_t hoehe = std::bit_cast<std::uint32_t>(d.hoehe);
  const std::array<std::uint8_t, 4> stil = {d.stil[0], d.stil[1], d.stil[2], d.stil[3]};
  if (std::bit_cast<std::uint32_t>(a_.texthoehe) != hoehe || a_.textstil != stil) {
    a_.texthoehe = d.hoehe;
    a_.textstil = stil;
    s_.u8(tag::Textoptionen);
    s_.u32(hoehe);
    for (std::uint8_t b : stil) s_.u8(b);
    s_.marke();
  }
  const std::string text = verbindeZeilen(d.zeilen);
  const std::string formate = verbindeZeilen(d.formate);
  // A short string holds 255 bytes; longer texts go ahead in a record of
  // their own, so nothing of them is lost.
  if (text.size() > 255 || formate.size() > 255) {
    s_.u8(tag::Langtext);
    for (const std::string* t : {&text, &formate}) {
      const std::string roh = nachCp1252(*t);
      s_.u32(static_cast<std::uint32_t>(roh.size()));
      s_.bytes({reinterpret_cast<const std::uint8_t*>(roh.data()), roh.size()});
    }
    s_.marke();
  }
  s_.u8(sp_.art(n) == Elementart::Kommentar ? tag::Kommentar : tag::Text);
  punkt(d.x, d.y);
  s_.u32(d.farbe);
  s_.u32(d.farbe2);
  s_.u32(std::bit_cast<std::uint32_t>(d.winkel));
  s_.u8(d.stil[4]);
  s_.u8(d.stil[5]);
  s_.kurzString(text);
  s_.kurzString(formate);
  s_.kurzString(d.schrift);
}

}  // namespace quarzel
