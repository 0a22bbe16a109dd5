// The writer of the drawing file: header, settings records, then every alive
// element in drawing order, each preceded by the attribute records whose
// value changed since the last one written.
#include <algorithm>
#include <bit>
#include <cmath>

#include "base/textkodierung.h"
#include "store/dateiformat.h"
#include "store/einstellungssaetze.h"
#include "store/zeichnungsdatei.h"

namespace quarzel {

namespace {

using namespace datei;

class Schreiber {
 public:
  explicit Schreiber(const Zeichnung& z) : z_(z) {}

  Schreibergebnis schreibe() {
    // A line takes about 40 bytes; reserving avoids most regrowth.
    s_.daten().reserve(4096 + std::size_t(z_.speicher.anzahl()) * 40);
    schreibeKopf();
    for (const Einstellungssatz& e : einstellungssaetze())
      if (e.schreibe) e.schreibe(s_, z_);
    const Elementspeicher& sp = z_.speicher;
    for (std::int32_t n = 1; n <= sp.anzahl(); ++n)
      if (sp.lebendig(n) && !schreibeElement(n)) ++ergebnis_.nichtGeschrieben;
    s_.u8(tag::Ende);
    s_.marke();
    ergebnis_.daten = std::move(s_.daten());
    return std::move(ergebnis_);
  }

 private:
  void schreibeKopf() {
    const Ansicht& a = z_.ansicht;
    const Zeichnungsoptionen& o = z_.optionen;
    s_.u8(6);
    for (const char* c = Signatur; *c; ++c) s_.u8(static_cast<std::uint8_t>(*c));
    s_.u8(0);
    s_.u8(0);
    s_.u16(Version);
    s_.u8(a.layoutView ? 1 : 0);
    s_.u16(static_cast<std::uint16_t>(std::clamp(a.sheetWidth, 0, 65535)));
    s_.u16(static_cast<std::uint16_t>(std::clamp(a.sheetHeight, 0, 65535)));
    s_.u8(Stifttabelle::Benutzerstifte);
    for (int i = 1; i <= Stifttabelle::Benutzerstifte; ++i) s_.f64(z_.stifte.penWidth[i]);
    // Only a drawing with line styles of its own carries the file; the
    // marker then follows the pens directly.
    if (!o.linienstildatei.empty()) {
      s_.u32(static_cast<std::uint32_t>(o.linienstildatei.size()));
      s_.bytes(o.linienstildatei);
    }
    s_.marke();

    s_.u8(o.werkzeugWahl);
    s_.u32(o.werkzeugWert1);
    s_.u32(o.werkzeugWert2);
    s_.f64(o.werkzeugWert3);
    s_.u8(o.werkzeugWert4);
    s_.marke();

    schreibeEbenen();

    s_.u8(a.unitCode);
    s_.f64(a.unitFactor);
    s_.u8(static_cast<std::uint8_t>(a.displayDecimals));
    s_.u8(a.imperialDecimal ? 1 : 0);
    s_.u8(o.einheitAnzeigen ? 1 : 0);
    s_.f80(a.drawingScale);
    for (std::uint8_t b : o.zeichenhilfen) s_.u8(b);
    s_.u8(o.koordinatenanzeige);
    s_.u32(static_cast<std::uint32_t>(a.viewOriginX));
    s_.u32(static_cast<std::uint32_t>(a.viewOriginY));
    s_.u32(o.einheitenblockWerte[0]);
    s_.u32(o.einheitenblockWerte[1]);
    s_.f64(a.zoom);
    s_.u8(o.einheitenblockByte1);
    s_.u32(o.einheitenblockWert3);
    s_.kurzString(o.titel);
    s_.u8(o.einheitenblockByte2);
    s_.marke();
  }

  void schreibeEbenen() {
    const Ebenen& e = z_.ebenen;
    s_.u8(static_cast<std::uint8_t>(e.modus));
    for (int n = 1; n <= e.anzahl(); ++n) {
      s_.kurzString(e.name(n));
      s_.u8(e.sichtbarFlag(n));
      s_.f64(e.massstab(n));
      s_.u8(e.anzeigezustand(n));
      s_.u8(e.gemerkteFolie(n));
      for (int f = 1; f <= e.folienanzahl(n); ++f) {
        s_.kurzString(e.folienname(n, f));
        s_.u8(e.folienzustand(n, f));
      }
      s_.u8(0);
    }
    s_.u8(0);
    s_.u8(e.aktiveEbene());
    s_.u8(e.aktiveFolie());
  }

  // --- Attribute records --------------------------------------------------

  template <class T>
  void attribut(std::uint8_t tag, T& zuletzt, T wert, void (Schreiber::*felder)(T)) {
    if (zuletzt == wert) return;
    zuletzt = wert;
    s_.u8(tag);
    (this->*felder)(wert);
    s_.marke();
  }
  void feldU8(std::uint8_t v) { s_.u8(v); }
  void feldU32(std::uint32_t v) { s_.u32(v); }
  void feldU16(std::uint16_t v) { s_.u16(v); }
  void feldI16(std::int16_t v) { s_.i16(v); }

  void farbe(Farbe f) { attribut(tag::Farbe, a_.farbe, f, &Schreiber::feldU32); }
  void lage(std::int32_t n) {
    attribut(tag::Ebene, a_.ebene, z_.speicher.planteil(n), &Schreiber::feldU8);
    attribut(tag::Folie, a_.folie, z_.speicher.folie(n), &Schreiber::feldU8);
  }
  void stift(std::uint8_t p) { attribut(tag::Stift, a_.stift, p, &Schreiber::feldU8); }
  void stil(std::int16_t s) { attribut(tag::Stil16, a_.stil, s, &Schreiber::feldI16); }
  void attributwert(std::uint32_t wert, std::uint8_t flag) {
    if (a_.attribut == wert && a_.attributFlag == flag) return;
    a_.attribut = wert;
    a_.attributFlag = flag;
    s_.u8(tag::Attribut);
    s_.u32(wert);
    s_.u8(flag);
    s_.marke();
  }
  void paar(std::uint8_t tag, std::uint8_t& za, std::uint8_t& ze, std::uint8_t a, std::uint8_t e) {
    if (za == a && ze == e) return;
    za = a;
    ze = e;
    s_.u8(tag);
    s_.u8(a);
    s_.u8(e);
    s_.marke();
  }
  void fuellwerte(const Fuellangaben& f) {
    attribut(tag::Fuellwert, a_.fuellwert, std::bit_cast<std::uint32_t>(f.schraffurWinkel), &Schreiber::feldU32);
    attribut(tag::Schraffurwert, a_.schraffurwert, f.schraffurWert3, &Schreiber::feldU16);
  }
  template <class Satz>
  void strichattribute(std::int32_t n, const Satz& d) {
    lage(n);
    farbe(d.farbe);
    stift(d.stift);
    stil(d.linienstil);
    attributwert(d.attribut, d.attributFlag);
  }

  // --- Element records --------------------------------------------------

  void punkte(const std::vector<double>& x, const std::vector<double>& y) {
    for (std::size_t i = 0; i < x.size(); ++i) {
      s_.f64(x[i]);
      s_.f64(y[i]);
    }
  }

  bool schreibeElement(std::int32_t n) {
    const Elementspeicher& sp = z_.speicher;
    switch (sp.art(n)) {
      case Elementart::Linie:
      case Elementart::Wandlinie1:
      case Elementart::Wandlinie2: {
        const Tliniendaten& d = sp.linie(n);
        strichattribute(n, d);
        paar(tag::Linienenden, a_.linienAnfang, a_.linienEnde, d.anfang, d.ende);
        const bool mitHoehe = sp.art(n) == Elementart::Linie && (d.z1 != 0 || d.z2 != 0);
        s_.u8(sp.art(n) == Elementart::Wandlinie1   ? tag::Wand1
              : sp.art(n) == Elementart::Wandlinie2 ? tag::Wand2
              : mitHoehe                            ? tag::Linie3d
                                                    : tag::Linie);
        s_.f64(d.x1);
        s_.f64(d.y1);
        if (mitHoehe) s_.f64(d.z1);
        s_.f64(d.x2);
        s_.f64(d.y2);
        if (mitHoehe) s_.f64(d.z2);
        break;
      }
      case Elementart::Bogen: {
        const tbogendaten& d = sp.bogen(n);
        strichattribute(n, d);
        const bool gefuellt = d.fuellung != Fuellangaben{};
        if (gefuellt) fuellwerte(d.fuellung);
        s_.u8(gefuellt ? tag::BogenGefuellt : tag::Bogen);
        for (double v : {d.xm, d.ym, d.xr, d.yr}) s_.f64(v);
        s_.f32(d.startwinkel);
        s_.f32(d.endwinkel);
        s_.f32(d.drehwinkel);
        s_.u32(0);  // the four bytes of the 48-byte form, reserved
        if (gefuellt) schreibeSchraffurblock(s_, d.fuellung);
        break;
      }
      case Elementart::Bezier: {
        const Tbezierdaten& d = sp.bezier(n);
        strichattribute(n, d);
        const bool gefuellt = d.fuellung != Fuellangaben{};
        if (gefuellt) fuellwerte(d.fuellung);
        s_.u8(gefuellt ? tag::BezierGefuellt : tag::Bezier);
        for (double v : d.punkte) s_.f64(v);
        s_.u8(d.option);
        if (gefuellt) schreibeSchraffurblock(s_, d.fuellung);
        break;
      }
      case Elementart::Polygon:
      case Elementart::Spline:
      case Elementart::Verlauf:
        return schreibePolygon(n);
      case Elementart::Bemassung: {
        const tmessdaten& d = sp.bemassung(n);
        lage(n);
        farbe(d.farbe);
        stift(d.stift);
        s_.u8(tag::Bemassung);
        for (double v : d.geometrie) s_.f64(v);
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
        break;
      }
      case Elementart::Gruppenanfang: {
        const tgruppendaten& d = sp.gruppe(n);
        lage(n);
        s_.u8(tag::Gruppenanfang);
        for (double v : d.rahmen) s_.f64(v);
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
      case Elementart::Fuellung: {
        const Tbitmapdaten& d = sp.bitmap(n);
        if (d.daten.size() > UINT32_MAX) return false;
        lage(n);
        s_.u8(tag::Bitmap);
        for (double v : d.platzierung) s_.f64(v);
        s_.u32(static_cast<std::uint32_t>(d.daten.size()));
        s_.bytes(d.daten);
        s_.u8(d.gefuellt);
        s_.u8(sp.art(n) == Elementart::Fuellung ? 1 : 0);
        s_.marke();
        if (d.option == 0) return true;
        s_.u8(tag::Bitmapoption);
        s_.u32(d.option);
        break;
      }
      case Elementart::Metafile: {
        const Tmetafiledaten& d = sp.metafile(n);
        if (d.daten.size() > UINT32_MAX) return false;
        lage(n);
        s_.u8(tag::Metafile);
        for (double v : d.platzierung) s_.f64(v);
        s_.u32(static_cast<std::uint32_t>(d.daten.size()));
        s_.bytes(d.daten);
        break;
      }
      case Elementart::Frei:
        return false;
    }
    s_.marke();
    return true;
  }

  bool schreibePolygon(std::int32_t n) {
    const Elementspeicher& sp = z_.speicher;
    const Tpolygondaten& d = sp.polygon(n);
    // The point count is a 16-bit field.
    if (d.x.size() > 65535 || d.x.size() != d.y.size()) return false;
    const auto anzahl = static_cast<std::uint16_t>(d.x.size());
    strichattribute(n, d);
    const Elementart art = sp.art(n);
    if (art == Elementart::Verlauf) {
      s_.u8(tag::Verlauf);
      s_.u16(anzahl);
      s_.u8(d.verlaufstyp);
      s_.u16(d.wert2);
      s_.u32(d.farbe);
      s_.u32(d.farbe2);
      punkte(d.x, d.y);
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
    punkte(d.x, d.y);
    if (gefuellt) {
      schreibeSchraffurblock(s_, d.fuellung);
    } else {
      s_.u8(d.abschluss);
    }
    if (spline) s_.u8(d.splineoption);
    s_.marke();
    return true;
  }

  void schreibeText(std::int32_t n) {
    const Tfliestextdaten& d = z_.speicher.text(n);
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
    s_.u8(z_.speicher.art(n) == Elementart::Kommentar ? tag::Kommentar : tag::Text);
    s_.f64(d.x);
    s_.f64(d.y);
    s_.u32(d.farbe);
    s_.u32(d.farbe2);
    s_.u32(std::bit_cast<std::uint32_t>(d.winkel));
    s_.u8(d.stil[4]);
    s_.u8(d.stil[5]);
    s_.kurzString(text);
    s_.kurzString(formate);
    s_.kurzString(d.schrift);
  }

  const Zeichnung& z_;
  Schreibstrom s_;
  Attributzustand a_;
  Schreibergebnis ergebnis_;
};

}  // namespace

Schreibergebnis schreibeZeichnung(const Zeichnung& zeichnung) { return Schreiber(zeichnung).schreibe(); }

}  // namespace quarzel
