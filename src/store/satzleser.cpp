#include "store/satzleser.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "base/textkodierung.h"
#include "store/dateiformat.h"
#include "store/ebenen.h"
#include "store/linienstilabbildung.h"

namespace quarzel {

namespace {

using namespace datei;

class Satzleser {
 public:
  Satzleser(Lesestrom& l, Elementspeicher& ziel, Lesekontext& k, const Satzleseart& art)
      : l_(l), sp_(ziel), k_(k), art_(art) {}

  Satzbilanz lies() {
    Satzbilanz e;
    const std::size_t schritt = std::max<std::size_t>(l_.groesse() / 100, 1);
    std::size_t naechsteMeldung = l_.position() + schritt;
    // After a damaged record the search for the next marker starts again at
    // its tag, so what a damaged record has read is read once more. A
    // hostile file of overlapping records that each claim much of the rest
    // would cost time quadratic in its size: what damaged records read is
    // counted, and past this much the rest of the file is given up.
    const std::size_t fehlarbeitGrenze = std::max<std::size_t>(2 * l_.groesse(), std::size_t(64) << 20);
    while (!l_.amEnde()) {
      if (l_.position() >= naechsteMeldung) {
        naechsteMeldung = l_.position() + schritt;
        if (art_.zwischendurch && !art_.zwischendurch(l_.position())) {
          e.abgebrochen = true;
          break;
        }
      }
      const std::size_t anfang = l_.position();
      const std::uint8_t tag = l_.u8();
      // In a marked file the end is "Z{|}" (or "Z" at the end of the file);
      // a damaged byte that reads "Z" must not end the drawing.
      if (tag == tag::Ende && (!k_.markiert || l_.rest() < 3 || marke())) break;
      const bool gelesen = tag != tag::Ende && leseSatz(tag);
      if (gelesen && kommtAusSeinemTag(tag) && !l_.fehler() && marke()) {
        uebernimm();
        continue;
      }
      verwerfe();
      if (!k_.markiert) break;  // without markers there is nothing to resynchronise on
      ++e.verworfeneSaetze;
      e.wiedergelesen += l_.position() - anfang;
      if (e.wiedergelesen > fehlarbeitGrenze) break;
      l_.setzePosition(anfang);
      if (!l_.sucheMarke()) break;
    }
    e.elemente = elemente_;
    return e;
  }

 private:
  bool marke() { return !k_.markiert || l_.marke(); }

  // What one record gives. It is kept until its marker proves it whole and
  // only then taken over (uebernimm); the current values an attribute record
  // sets wait in `neuerZustand_`, an element's data in `offen_`.
  struct Attributsatz {};  // also a settings record, which has written already
  struct Elementsatz {};   // `offen_.art` says which kind
  struct Bitmapoptionssatz {
    std::uint32_t option = 0;  // for the bitmap read last
  };
  struct Langtextsatz {
    std::string text, formate;  // for the next text
  };
  using Satz = std::variant<Attributsatz, Elementsatz, Bitmapoptionssatz, Langtextsatz>;

  // An element record's data, by kind.
  struct OffenesElement {
    Elementart art = Elementart::Frei;
    Tliniendaten linie;
    tbogendaten bogen;
    Tpolygondaten polygon;
    Tbezierdaten bezier;
    tmessdaten bemassung;
    tgruppendaten gruppe;
    Tbitmapdaten bitmap;
    Tfliestextdaten text;
    Tmetafiledaten metafile;
  };

  // Attribute records of other programs that are read and ignored, with
  // their length.
  struct Ignorierter {
    std::uint8_t tag;
    std::size_t laenge;
  };
  static constexpr Ignorierter kIgnorierteAttribute[] = {
      {'7', 1}, {'8', 1}, {'m', 1}, {0xC4 /* Ä */, 1}, {0xE4 /* ä */, 1}, {'N', 1}, {'#', 4}, {'l', 2},
  };

  // Reads the record of tag `t` into `satz_`; false when it is damaged.
  bool leseSatz(std::uint8_t t) {
    offen_.art = Elementart::Frei;
    satz_ = Attributsatz{};
    neuerZustand_ = a_;
    const bool gelesen = leseSatzinhalt(t);
    if (offen_.art != Elementart::Frei) satz_ = Elementsatz{};
    return gelesen;
  }

  bool leseSatzinhalt(std::uint8_t t) {
    for (const Ignorierter& i : kIgnorierteAttribute) {
      if (i.tag != t) continue;
      l_.ueberspringe(i.laenge);
      return true;
    }
    switch (t) {
      case tag::Farbe:
        neuerZustand_.farbe = l_.u32();
        return true;
      case tag::Attribut:
        neuerZustand_.attribut = l_.u32();
        neuerZustand_.attributFlag = l_.u8();
        return true;
      // Layers and sublayers are numbered 1..250; another number is damage.
      case tag::Ebene:
        neuerZustand_.ebene = l_.u8();
        return gueltigeEbene(neuerZustand_.ebene);
      case tag::Folie:
        neuerZustand_.folie = l_.u8();
        return gueltigeEbene(neuerZustand_.folie);
      case tag::Stift:
        neuerZustand_.stift = l_.u8();
        return true;
      case tag::Stil8:
        neuerZustand_.stil = bildeLinienstilAb(art_.stilSBreit ? l_.i16() : l_.i8(), k_.version, k_.vsVariante);
        return true;
      case tag::Stil16:
        neuerZustand_.stil = bildeLinienstilAb(l_.i16(), k_.version, k_.vsVariante);
        return true;
      case tag::Linienenden:
        neuerZustand_.linienAnfang = l_.u8();
        neuerZustand_.linienEnde = l_.u8();
        return true;
      case tag::Polygonenden:
        neuerZustand_.polygonAnfang = l_.u8();
        neuerZustand_.polygonEnde = l_.u8();
        return true;
      case tag::Muster:
        neuerZustand_.muster = l_.u32();
        neuerZustand_.musterFlag = l_.u8();
        return true;
      case tag::Fuellwert:
        neuerZustand_.fuellwert = l_.u32();
        return true;
      case tag::Schraffurwert:
        neuerZustand_.schraffurwert = l_.u16();
        return true;
      case tag::Textoptionen:
        neuerZustand_.texthoehe = std::bit_cast<float>(l_.u32());
        for (auto& b : neuerZustand_.textstil) b = l_.u8();
        return true;
      case '6':
        l_.ueberspringe(17);
        return true;
      case '&':
        l_.ueberspringe(13);
        return true;
      case tag::Langtext:
        return leseLangtext();
      case tag::Linie:
      case tag::LinieAlt:
        return leseLinie(Elementart::Linie, false);
      case tag::Linie3d:
        return leseLinie(Elementart::Linie, true);
      case tag::Wand1:
        return leseLinie(Elementart::Wandlinie1, false);
      case tag::Wand2:
        return leseLinie(Elementart::Wandlinie2, false);
      case tag::Bogen:
        return leseBogen(false);
      case tag::BogenGefuellt:
        return leseBogen(true);
      case tag::Bezier:
        return leseBezier(false);
      case tag::BezierGefuellt:
        return leseBezier(true);
      case tag::Polygon:
        return lesePolygon(Elementart::Polygon, false);
      case tag::PolygonGefuellt:
        return lesePolygon(Elementart::Polygon, true);
      case tag::Spline:
        return lesePolygon(Elementart::Spline, false);
      case tag::SplineGefuellt:
        return lesePolygon(Elementart::Spline, true);
      case tag::Verlauf:
        return leseVerlauf();
      case tag::Bemassung:
        return leseBemassung(true);
      case tag::BemassungAlt:
        return leseBemassung(false);
      case tag::Text:
        return leseText(Elementart::Text, false);
      case tag::Kommentar:
        return leseText(Elementart::Kommentar, false);
      case tag::TextAlt:
        return leseText(Elementart::Text, true);
      case tag::Gruppenanfang:
        return leseGruppe(Elementart::Gruppenanfang);
      case tag::Gruppenende:
        return leseGruppe(Elementart::Gruppenende);
      case tag::Bitmap:
        return leseBitmap(6, false);
      case tag::BitmapAlt:
        return leseBitmap(4, true);
      case tag::FuellungAlt:
        return leseAlteFuellung(4);
      case tag::FuellungAlt6:
        return leseAlteFuellung(6);
      case tag::Metafile:
      case tag::MetafileAlt:
        return leseMetafile();
      case tag::Bitmapoption:
        satz_ = Bitmapoptionssatz{l_.u32()};
        return true;
      default:
        return art_.weitererSatz && art_.weitererSatz(t);
    }
  }

  static bool gueltigeEbene(std::uint8_t n) { return n >= 1 && n <= Ebenen::Hoechstzahl; }

  // --- Element records ----------------------------------------------------------

  double x(double v) const { return v + k_.bezugX; }
  double y(double v) const { return v + k_.bezugY; }
  void punkt(double& px, double& py) {
    px = x(l_.f64());
    py = y(l_.f64());
  }
  template <class Werte>
  static bool endlich(const Werte& werte) {
    return std::all_of(std::begin(werte), std::end(werte), [](double v) { return std::isfinite(v); });
  }
  static bool endlich(std::initializer_list<double> werte) { return endlich<std::initializer_list<double>>(werte); }

  bool leseLinie(Elementart art, bool mitHoehe) {
    Tliniendaten& d = offen_.linie;
    d = {};
    const double fx1 = l_.f64(), fy1 = l_.f64(), fz1 = mitHoehe ? l_.f64() : 0;
    const double fx2 = l_.f64(), fy2 = l_.f64(), fz2 = mitHoehe ? l_.f64() : 0;
    if (l_.fehler()) return false;
    // Lines far outside any sensible range are dropped without a word. The
    // world values are checked too: they are what a later save writes, so a
    // line that loads once loads again.
    const double zoom = art_.zoom;
    auto innen = [zoom](double xa, double ya, double xb, double yb) {
      auto offen = [](double v, double grenze) { return v > -grenze && v < grenze; };
      return offen(xa / zoom, 1e8) && offen(xb / zoom, 1e8) && offen(ya / zoom, 1e7) && offen(yb / zoom, 1e7);
    };
    if (!innen(fx1, fy1, fx2, fy2) || !innen(x(fx1), y(fy1), x(fx2), y(fy2))) return true;
    d.x1 = x(fx1);
    d.y1 = y(fy1);
    d.z1 = fz1;
    d.x2 = x(fx2);
    d.y2 = y(fy2);
    d.z2 = fz2;
    d.farbe = neuerZustand_.farbe;
    d.anfang = neuerZustand_.linienAnfang;
    d.ende = neuerZustand_.linienEnde;
    d.attribut = neuerZustand_.attribut;
    d.attributFlag = neuerZustand_.attributFlag;
    offen_.art = art;
    return endlich({d.z1, d.z2});
  }

  template <class Satz>
  void strichwerte(Satz& d) {
    d.farbe = neuerZustand_.farbe;
    d.attribut = neuerZustand_.attribut;
    d.attributFlag = neuerZustand_.attributFlag;
  }
  void fuellwerte(Fuellangaben& f) {
    f.schraffurWinkel = std::bit_cast<float>(neuerZustand_.fuellwert);
    f.schraffurWert3 = neuerZustand_.schraffurwert;
  }

  bool leseBogen(bool gefuellt) {
    tbogendaten& d = offen_.bogen;
    d = {};
    punkt(d.xm, d.ym);
    d.xr = l_.f64();
    d.yr = l_.f64();
    d.startwinkel = l_.f32();
    d.endwinkel = l_.f32();
    d.drehwinkel = l_.f32();
    // Four more bytes since version 4 of the marked families, and in VS variants.
    if ((k_.markiert && k_.version >= 4) || k_.vsVariante) l_.ueberspringe(4);
    strichwerte(d);
    if (gefuellt) {
      leseSchraffurblock(l_, d.fuellung);
      fuellwerte(d.fuellung);
    }
    offen_.art = Elementart::Bogen;
    return endlich({d.xm, d.ym, d.xr, d.yr, d.startwinkel, d.endwinkel, d.drehwinkel});
  }

  bool leseBezier(bool gefuellt) {
    Tbezierdaten& d = offen_.bezier;
    d = {};
    for (int i = 0; i < 4; ++i) punkt(d.punkte[2 * i], d.punkte[2 * i + 1]);
    d.option = l_.u8();
    strichwerte(d);
    if (gefuellt) {
      leseSchraffurblock(l_, d.fuellung);
      fuellwerte(d.fuellung);
    }
    offen_.art = Elementart::Bezier;
    return std::all_of(d.punkte.begin(), d.punkte.end(), [](double v) { return std::isfinite(v); });
  }

  // The points are checked before anything is allocated for them: a damaged
  // count costs no more than the bytes it claims. A record without points
  // cannot be drawn; it is some other record read wrongly.
  bool lesePunkte(Tpolygondaten& d, std::uint16_t anzahl) {
    if (anzahl == 0 || std::size_t(anzahl) * 16 > l_.rest()) return false;
    const std::size_t anfang = l_.position();
    for (std::size_t i = 0; i < 2 * std::size_t(anzahl); ++i)
      if (!std::isfinite(l_.f64())) return false;
    l_.setzePosition(anfang);
    d.x.resize(anzahl);
    d.y.resize(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i) punkt(d.x[i], d.y[i]);
    return true;
  }

  bool lesePolygon(Elementart art, bool gefuellt) {
    Tpolygondaten& d = offen_.polygon;
    d = {};
    if (!lesePunkte(d, l_.u16())) return false;
    if (gefuellt) {
      leseSchraffurblock(l_, d.fuellung);
      fuellwerte(d.fuellung);
    } else {
      d.abschluss = l_.u8();
    }
    if (art == Elementart::Spline) d.splineoption = l_.u8();
    strichwerte(d);
    d.anfang = neuerZustand_.polygonAnfang;
    d.ende = neuerZustand_.polygonEnde;
    d.muster = neuerZustand_.muster;
    d.musterFlag = neuerZustand_.musterFlag;
    offen_.art = art;
    return true;
  }

  bool leseVerlauf() {
    Tpolygondaten& d = offen_.polygon;
    d = {};
    const std::uint16_t anzahl = l_.u16();
    d.verlaufstyp = l_.u8();
    d.wert2 = l_.u16();
    d.farbe = l_.u32();
    d.farbe2 = l_.u32();
    if (!lesePunkte(d, anzahl)) return false;
    d.abschluss = l_.u8();
    d.attribut = neuerZustand_.attribut;
    d.attributFlag = neuerZustand_.attributFlag;
    offen_.art = Elementart::Verlauf;
    return true;
  }

  bool leseBemassung(bool mitTexten) {
    tmessdaten& d = offen_.bemassung;
    d = {};
    for (int i = 0; i < 4; ++i) punkt(d.geometrie[2 * i], d.geometrie[2 * i + 1]);
    d.typ = l_.u8();
    d.texthoehe = l_.f64();
    d.textwinkel = l_.f64();
    d.masstext = l_.kurzString();
    d.textposition = l_.u8();
    d.begrenzung = l_.u8();
    d.schrift = l_.kurzString();
    if (d.schrift.empty()) d.schrift = "Arial";
    d.werte[0] = l_.u32();
    d.schalter[0] = l_.u8();
    d.werte[1] = l_.u32();
    d.schalter[1] = l_.u8();
    d.werte[2] = l_.u32();
    d.werte[3] = l_.u32();
    d.werte[4] = l_.u32();
    if (mitTexten) {
      d.vortext = l_.kurzString();
      d.nachtext = l_.kurzString();
      for (auto& b : d.optionen) b = l_.u8();
    }
    d.farbe = neuerZustand_.farbe;
    offen_.art = Elementart::Bemassung;
    return std::all_of(d.geometrie.begin(), d.geometrie.end(), [](double v) { return std::isfinite(v); }) &&
           endlich({d.texthoehe, d.textwinkel});
  }

  // The long text of the next text record; it counts only once its own
  // marker has been read.
  bool leseLangtext() {
    Langtextsatz satz;
    for (std::string* ziel : {&satz.text, &satz.formate}) {
      const std::uint32_t n = l_.u32();
      if (n > l_.rest()) return false;
      const std::size_t anfang = l_.position();
      l_.ueberspringe(n);
      *ziel = l_.fehler() ? std::string() : ausCp1252(l_.ausschnitt(anfang, n), UndefinierteBytes::Behalten);
    }
    satz_ = std::move(satz);
    return true;
  }

  bool leseText(Elementart art, bool alt) {
    Tfliestextdaten& d = offen_.text;
    d = {};
    punkt(d.x, d.y);
    d.farbe = l_.u32();
    d.farbe2 = l_.u32();
    d.winkel = std::bit_cast<float>(l_.u32());
    d.hoehe = neuerZustand_.texthoehe;
    std::string text, formate;
    if (alt) {
      for (auto& b : d.stil) b = l_.u8();
      text = l_.kurzString();
    } else {
      for (int i = 0; i < 4; ++i) d.stil[i] = neuerZustand_.textstil[i];
      d.stil[4] = l_.u8();
      d.stil[5] = l_.u8();
      text = l_.kurzString();
      formate = l_.kurzString();
    }
    d.schrift = l_.kurzString();
    if (langtextOffen_) {
      text = langtext_;
      formate = langformate_;
    }
    d.zeilen = trenneZeilen(text);
    d.formate = trenneZeilen(formate);
    offen_.art = art;
    return endlich({d.x, d.y, d.winkel, d.hoehe});
  }

  bool leseGruppe(Elementart art) {
    tgruppendaten& d = offen_.gruppe;
    d = {};
    if (art == Elementart::Gruppenanfang) {
      punkt(d.rahmen[0], d.rahmen[1]);
      punkt(d.rahmen[2], d.rahmen[3]);
      d.name = l_.kurzString();
    }
    offen_.art = art;
    return true;
  }

  bool leseDaten(std::vector<std::uint8_t>& daten) {
    const std::uint32_t n = l_.u32();
    if (n > l_.rest()) return false;
    daten = l_.bytes(n);
    return !l_.fehler();
  }

  // Two opposite corners of the upright frame, then, in the six-value forms,
  // the turn in degrees and a spare value: those two are no coordinates and
  // do not move with the reference point.
  void platzierung(std::array<double, 6>& q, int werte) {
    punkt(q[0], q[1]);
    punkt(q[2], q[3]);
    if (werte < 6) return;
    q[4] = l_.f64();
    q[5] = l_.f64();
  }

  bool leseBitmap(int rahmenwerte, bool mitName) {
    Tbitmapdaten& d = offen_.bitmap;
    d = {};
    platzierung(d.platzierung, rahmenwerte);
    if (mitName) {
      l_.u8();
      l_.kurzString();
    }
    if (!leseDaten(d.daten)) return false;
    d.gefuellt = l_.u8();
    offen_.art = l_.u8() == 1 ? Elementart::Fuellung : Elementart::Bitmap;
    return std::all_of(d.platzierung.begin(), d.platzierung.end(), [](double v) { return std::isfinite(v); });
  }

  bool leseAlteFuellung(int rahmenwerte) {
    Tbitmapdaten& d = offen_.bitmap;
    d = {};
    platzierung(d.platzierung, rahmenwerte);
    l_.ueberspringe(4);  // two 16-bit values of the older form
    if (!leseDaten(d.daten)) return false;
    offen_.art = Elementart::Fuellung;
    return endlich(d.platzierung);
  }

  bool leseMetafile() {
    Tmetafiledaten& d = offen_.metafile;
    d = {};
    platzierung(d.platzierung, 6);
    if (!leseDaten(d.daten)) return false;
    offen_.art = Elementart::Metafile;
    return endlich(d.platzierung);
  }

  // --- Taking a whole record over -------------------------------------------

  // A long text whose text record is damaged must not go to a later text.
  void verwerfe() {
    offen_.art = Elementart::Frei;
    satz_ = Attributsatz{};
    langtextOffen_ = false;
  }

  // The element-kind table names the tags that add each kind; the reader takes
  // an element only from one of them, so table and reader cannot drift apart.
  bool kommtAusSeinemTag(std::uint8_t tag) const {
    if (!std::holds_alternative<Elementsatz>(satz_)) return true;
    return artangaben(offen_.art).dateitags.find(static_cast<char>(tag)) != std::string_view::npos;
  }

  void uebernimm() {
    a_ = neuerZustand_;
    if (auto* lang = std::get_if<Langtextsatz>(&satz_)) {
      langtext_ = std::move(lang->text);
      langformate_ = std::move(lang->formate);
      langtextOffen_ = true;
      return;
    }
    if (const auto* option = std::get_if<Bitmapoptionssatz>(&satz_)) {
      if (letzteBitmap_) sp_.bitmap(letzteBitmap_).option = option->option;
      return;
    }
    if (!std::holds_alternative<Elementsatz>(satz_)) return;
    Elementspeicher& sp = sp_;
    // The adders stamp the current pen, line style, layer and sublayer; a
    // style below 1 (which they raise to 1) is set afterwards, so that it
    // stays as the file has it.
    sp.aktuell = {.stift = a_.stift, .linienstil = a_.stil, .planteil = a_.ebene, .folie = a_.folie};
    std::int32_t n = 0;
    switch (offen_.art) {
      case Elementart::Linie:
      case Elementart::Wandlinie1:
      case Elementart::Wandlinie2:
        n = sp.neueLinie(offen_.linie, offen_.art);
        break;
      case Elementart::Bogen:
        n = sp.neuerBogen(offen_.bogen);
        break;
      case Elementart::Polygon:
      case Elementart::Spline:
      case Elementart::Verlauf:
        n = sp.neuesPolygonMitPunkten(offen_.art, std::move(offen_.polygon));
        break;
      case Elementart::Bezier:
        n = sp.neueBezierkurve(offen_.bezier);
        break;
      case Elementart::Bemassung:
        n = sp.neueBemassung(offen_.bemassung);
        break;
      case Elementart::Gruppenanfang:
      case Elementart::Gruppenende:
        n = sp.neueGruppenklammer(offen_.art, offen_.gruppe);
        break;
      case Elementart::Bitmap:
      case Elementart::Fuellung:
        n = sp.neueBitmap(offen_.art, std::move(offen_.bitmap));
        letzteBitmap_ = n;
        break;
      case Elementart::Text:
      case Elementart::Kommentar:
        n = sp.neuerText(offen_.art, std::move(offen_.text));
        langtextOffen_ = false;
        break;
      case Elementart::Metafile:
        n = sp.neuesMetafile(std::move(offen_.metafile));
        break;
      case Elementart::Frei:
        return;
    }
    if (a_.stil < 1) sp.setzeLinienstil(n, a_.stil);
    sp.vervollstaendige(n);
    sp.setzeMarkiert(n, 0);
    ++elemente_;
    offen_.art = Elementart::Frei;
  }

  Lesestrom& l_;
  Elementspeicher& sp_;
  Lesekontext& k_;
  const Satzleseart& art_;
  Attributzustand a_;
  Attributzustand neuerZustand_;
  Satz satz_;
  OffenesElement offen_;
  std::string langtext_, langformate_;
  bool langtextOffen_ = false;
  std::int32_t letzteBitmap_ = 0;
  std::int32_t elemente_ = 0;
};

}  // namespace

Satzbilanz leseSaetze(Lesestrom& strom, Elementspeicher& ziel, datei::Lesekontext& kontext, const Satzleseart& art) {
  return Satzleser(strom, ziel, kontext, art).lies();
}

std::int32_t repariereGruppenklammern(Elementspeicher& sp) {
  // The brackets to remove, in drawing order: unmatched ends as they come,
  // then the begins left open.
  std::vector<std::int32_t> offen, weg;
  for (std::int32_t n = 1; n <= sp.anzahl(); ++n) {
    if (!sp.lebendig(n)) continue;
    if (sp.art(n) == Elementart::Gruppenanfang) offen.push_back(n);
    if (sp.art(n) == Elementart::Gruppenende) {
      if (offen.empty()) {
        weg.push_back(n);
      } else {
        offen.pop_back();
      }
    }
  }
  weg.insert(weg.end(), offen.begin(), offen.end());
  if (weg.empty()) return 0;
  std::sort(weg.begin(), weg.end());
  sp.entferneWenn([&](std::int32_t n) { return std::binary_search(weg.begin(), weg.end(), n); });
  return static_cast<std::int32_t>(weg.size());
}

std::string meldungDefekteGruppen(std::int32_t anzahl) {
  return "Es sind defekte Gruppen enthalten!\nAnzahl: " + std::to_string(anzahl) +
         "\nEs wird versucht, die Zeichnung zu reparieren!";
}

}  // namespace quarzel
