// The reader of the drawing file. It accepts the current format and the five
// older signatures, reads into a new drawing and replaces the open one only
// when the file turned out to be a drawing. In files with record markers a
// damaged record is skipped up to the next "{|}" and reading goes on.
#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <unordered_set>
#include <variant>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "base/sicheredatei.h"
#include "base/textkodierung.h"
#include "store/dateiformat.h"
#include "store/ebenenoperationen.h"
#include "store/einstellungssaetze.h"
#include "store/linienstilabbildung.h"
#include "store/linienstilzeichnung.h"
#include "store/zeichnungsdatei.h"

namespace quarzel {

namespace {

using namespace datei;

constexpr std::size_t HoechsteDateigroesse = std::size_t(2) << 30;
constexpr std::size_t Werkzeugblock = 18;  // the tool panel of the header: u8, u32, u32, f64, u8

struct Kennungseintrag {
  const char* signatur;
  bool mitVersion;
  bool markiert;
};
constexpr Kennungseintrag Kennungen[] = {
    {"Ostrun", false, false}, {"oStrun", false, false}, {"oS1.01", false, false},
    {"oS1.02", true, false},  {"VS1.00", true, true},   {"ZEI.01", true, true},
};

class Leser {
 public:
  Leser(std::span<const std::uint8_t> daten, Zeichnung& z, Benutzer& b, const Ladeoptionen& o,
        const Dateikennung& kennung, bool pufferFreigeben)
      : l_(daten), daten_(daten), z_(z), benutzer_(b), optionen_(o), kennung_(kennung),
        pufferFreigeben_(pufferFreigeben) {
    k_.version = kennung.version;
    k_.vsVariante = kennung.vsVariante;
    k_.markiert = kennung.markiert;
    // Without a reference of its own a file's coordinates are relative to
    // the view origin in force.
    k_.bezugX = z.ansicht.viewOriginX;
    k_.bezugY = z.ansicht.viewOriginY;
  }

  // The header into the scratch drawing; false when it is not consistent.
  // Nothing of the store is touched yet, so the caller can still give up.
  bool leseKopfteil() {
    l_.setzePosition(9 + (kennung_.version || kennungMitVersion() ? 2 : 0));
    return leseKopf() && !l_.fehler();
  }

  void lies(Ladeergebnis& e) {
    z_.speicher.beginneSchritt();
    leseSaetze(e);
    z_.speicher.aktuell.linienstil = 1;  // the last element's style is no choice of the user
    repariereGruppen(e);
    ergaenzeEbenen();
    pruefeSchraffuren(e);
    if (stiftproblem_)
      e.hinweise.push_back(
          {Meldungsart::Warnung,
           "Es gab Probleme beim Laden der Stiftbreiten.\rBitte Überprüfen Sie diese unter Optionen/Stiftbreiten."});
    z_.ebenen.setzeAktiv(aktiveEbene_, aktiveFolie_);
    z_.speicher.demarkiereAlle();
    z_.speicher.setzeModifiziert(false);
    e.elemente = elemente_;
  }

 private:
  bool kennungMitVersion() const {
    for (const auto& k : Kennungen)
      if (kennung_.signatur == k.signatur) return k.mitVersion;
    return false;
  }

  bool marke() { return !k_.markiert || l_.marke(); }

  // --- Header ---------------------------------------------------------------

  // Writers differ in where they put header markers: some end every section
  // with one, some leave out the line-style file and put the marker right
  // after the pens. A marker after any section is accepted; the ones after
  // the line-style file, the tool panel and the unit block are required.
  void freiwilligeMarke() {
    if (k_.markiert && l_.markeBei(l_.position())) l_.ueberspringe(3);
  }

  bool leseKopf() {
    freiwilligeMarke();
    Ansicht& a = z_.ansicht;
    a.layoutView = l_.u8() != 0;
    freiwilligeMarke();
    const std::int32_t breite = l_.u16(), hoehe = l_.u16();
    a.sheetWidth = breite ? breite : 297;
    a.sheetHeight = hoehe ? hoehe : 210;
    a.sheetLeft = Ansicht::nearestInt32(a.WorldWidth / 2.0 - a.sheetWidth / 2.0);
    a.sheetTop = Ansicht::nearestInt32(a.WorldHeight / 2.0 - a.sheetHeight / 2.0);
    freiwilligeMarke();

    const std::uint8_t stifte = l_.u8();
    if (stifte > 25) stiftproblem_ = true;
    for (int i = 1; i <= stifte; ++i) {
      const double b = l_.f64();
      if (l_.fehler()) return false;
      if (!std::isfinite(b) || b < 0 || b > 100) {
        stiftproblem_ = true;
      } else if (i <= 25) {
        z_.stifte.penWidth[i] = b;
      }
    }
    if (!leseLinienstildatei()) return false;

    Zeichnungsoptionen& o = z_.optionen;
    o.werkzeugWahl = l_.u8();
    o.werkzeugWert1 = l_.u32();
    o.werkzeugWert2 = l_.u32();
    o.werkzeugWert3 = l_.f64();
    o.werkzeugWert4 = l_.u8();
    if (!marke()) return false;

    leseEbenen();
    if (l_.fehler()) return false;
    freiwilligeMarke();
    if (!leseEinheitenblock()) return false;
    return marke();
  }

  // The embedded line-style file and the marker after it. A marker right
  // after the pens means the file may be left out: it is there only when
  // its length, a marker, the tool panel and its marker fit behind.
  bool leseLinienstildatei() {
    if (!k_.markiert) return leseEingebetteteLinienstile();
    if (l_.markeBei(l_.position())) {
      l_.ueberspringe(3);
      const std::size_t p = l_.position();
      Lesestrom probe(l_);
      const std::uint32_t laenge = probe.u32();
      const bool eingebettet = !probe.fehler() && laenge <= probe.rest() && probe.markeBei(p + 4 + laenge) &&
                               probe.markeBei(p + 4 + laenge + 3 + Werkzeugblock);
      if (!eingebettet) return true;
    }
    return leseEingebetteteLinienstile() && marke();
  }

  bool leseEingebetteteLinienstile() {
    const std::uint32_t laenge = l_.u32();
    if (l_.fehler() || laenge > l_.rest() || laenge > HoechsteEinbettung) return false;
    z_.optionen.linienstildatei = l_.bytes(laenge);
    return true;
  }

  void leseEbenen() {
    Ebenen& e = z_.ebenen;
    e.leere();
    const std::uint8_t modus = l_.u8();
    e.modus = modus <= 2 ? static_cast<Sichtbarkeitsmodus>(modus) : Sichtbarkeitsmodus::Alle;
    for (;;) {
      std::string name = l_.kurzString();
      if (l_.fehler() || name.empty()) break;
      const std::uint8_t nummer = e.fuegeEbeneAn(std::move(name));
      const std::uint8_t sichtbar = l_.u8();
      const double massstab = l_.f64();
      const std::uint8_t zustand = l_.u8(), gemerkt = l_.u8();
      if (nummer) {
        e.setzeSichtbarFlag(nummer, sichtbar);
        e.setzeMassstab(nummer, std::isfinite(massstab) && massstab > 0 && massstab <= 1e7 ? massstab : 0);
        e.setzeAnzeigezustand(nummer, zustand);
      }
      for (;;) {
        std::string folie = l_.kurzString();
        if (l_.fehler() || folie.empty()) break;
        const std::uint8_t folienzustand = l_.u8();
        if (folie == "LE-Bewehrungspunkte") folie = "LE-Lager";
        if (!nummer) continue;
        const std::uint8_t f = e.fuegeFolieAn(nummer, std::move(folie));
        if (f) e.setzeFolienzustand(nummer, f, folienzustand);
      }
      if (nummer) e.setzeGemerkteFolie(nummer, gemerkt);
    }
    aktiveEbene_ = l_.u8();
    aktiveFolie_ = l_.u8();
  }

  bool leseEinheitenblock() {
    Ansicht& a = z_.ansicht;
    Zeichnungsoptionen& o = z_.optionen;
    const std::uint8_t code = l_.u8();
    const double faktor = l_.f64();
    const std::uint8_t dezimalen = l_.u8(), imperial = l_.u8(), anzeigen = l_.u8();
    const double massstab = l_.f80();
    for (std::uint8_t& b : o.zeichenhilfen) b = l_.u8();
    o.koordinatenanzeige = l_.u8();
    const std::uint32_t ursprungX = l_.u32(), ursprungY = l_.u32();
    o.einheitenblockWerte[0] = l_.u32();
    o.einheitenblockWerte[1] = l_.u32();
    const double zoom = l_.f64();
    o.einheitenblockByte1 = l_.u8();
    o.einheitenblockWert3 = l_.u32();
    o.titel = l_.kurzString();
    o.einheitenblockByte2 = l_.u8();
    if (l_.fehler()) return false;

    if (code >= 1 && code <= 8 && std::isfinite(faktor) && faktor > 0) {
      a.unitCode = code;
      a.unitFactor = faktor;
      a.unitName = einheitenname(code);
    }
    a.displayDecimals = std::min<int>(dezimalen, 4);
    a.imperialDecimal = imperial != 0;
    o.einheitAnzeigen = anzeigen != 0;
    if (std::isfinite(massstab) && massstab > 0 && massstab <= 1e7) a.drawingScale = massstab;
    // The view the drawing was saved with, when it is a possible one.
    if (a.setzeSicht(zoom, static_cast<std::int32_t>(ursprungX), static_cast<std::int32_t>(ursprungY))) {
      k_.bezugX = a.viewOriginX;
      k_.bezugY = a.viewOriginY;
    }
    return true;
  }

  static std::string einheitenname(std::uint8_t code) {
    static constexpr const char* Namen[] = {"", "mm", "cm", "m", "km", "in", "ft", "yd", "mls"};
    return code <= 8 ? Namen[code] : "";
  }

  // --- Record stream ----------------------------------------------------------

  void leseSaetze(Ladeergebnis& e) {
    const std::size_t schritt = std::max<std::size_t>(l_.groesse() / 100, 1);
    std::size_t naechsteMeldung = l_.position() + schritt;
    // After a damaged record the search for the next marker starts again at
    // its tag, so what a damaged record has read is read once more. A
    // hostile file of overlapping records that each claim much of the rest
    // would cost time quadratic in its size: what damaged records read is
    // counted, and past this much the rest of the file is given up.
    const std::size_t fehlarbeitGrenze = std::max<std::size_t>(2 * l_.groesse(), std::size_t(64) << 20);
    std::size_t& fehlarbeit = e.wiedergelesen;
    while (!l_.amEnde()) {
      if (l_.position() >= naechsteMeldung) {
        naechsteMeldung = l_.position() + schritt;
        gibGeleseneSeitenFrei();
        benutzer_.fortschritt("Zeichnung wird geladen", static_cast<int>(l_.position() * 100 / l_.groesse()));
        if (optionen_.tastatur && optionen_.tastatur->escapeGedrueckt() &&
            benutzer_.auswahl("Zeichnung öffnen abbrechen?", "Das Laden wurde unterbrochen.\nWie wollen Sie fortfahren?",
                              {"Alles Folgende verwerfen", "Weiterladen"}) == 0) {
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
      fehlarbeit += l_.position() - anfang;
      if (fehlarbeit > fehlarbeitGrenze) break;
      l_.setzePosition(anfang);
      if (!l_.sucheMarke()) break;
    }
    benutzer_.fortschritt("", -1);
  }

  // Nothing before the current record is read again (a damaged record is
  // read once more from its own start at most): when the buffer is the
  // loader's own, its pages go back to the system as the store fills, so a
  // big file and its drawing are not held in full at once.
  void gibGeleseneSeitenFrei() {
#if defined(__linux__) && defined(MADV_DONTNEED)
    if (!pufferFreigeben_) return;
    const auto seite = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto anfang = reinterpret_cast<std::uintptr_t>(daten_.data());
    const std::uintptr_t von = std::max(freigegebenBis_, (anfang + seite - 1) / seite * seite);
    const std::uintptr_t bis = (anfang + l_.position()) / seite * seite;
    if (bis <= von) return;
    madvise(reinterpret_cast<void*>(von), bis - von, MADV_DONTNEED);
    freigegebenBis_ = bis;
#endif
  }

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
      case tag::Farbe: neuerZustand_.farbe = l_.u32(); return true;
      case tag::Attribut:
        neuerZustand_.attribut = l_.u32();
        neuerZustand_.attributFlag = l_.u8();
        return true;
      // Layers and sublayers are numbered 1..250; another number is damage.
      case tag::Ebene: neuerZustand_.ebene = l_.u8(); return gueltigeEbene(neuerZustand_.ebene);
      case tag::Folie: neuerZustand_.folie = l_.u8(); return gueltigeEbene(neuerZustand_.folie);
      case tag::Stift: neuerZustand_.stift = l_.u8(); return true;
      case tag::Stil8: neuerZustand_.stil = bildeLinienstilAb(l_.i8(), k_.version, k_.vsVariante); return true;
      case tag::Stil16: neuerZustand_.stil = bildeLinienstilAb(l_.i16(), k_.version, k_.vsVariante); return true;
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
      case tag::Fuellwert: neuerZustand_.fuellwert = l_.u32(); return true;
      case tag::Schraffurwert: neuerZustand_.schraffurwert = l_.u16(); return true;
      case tag::Textoptionen:
        neuerZustand_.texthoehe = std::bit_cast<float>(l_.u32());
        for (auto& b : neuerZustand_.textstil) b = l_.u8();
        return true;
      case '6': l_.ueberspringe(17); return true;
      case '&': l_.ueberspringe(13); return true;
      case tag::Langtext: return leseLangtext();
      case tag::Linie: case tag::LinieAlt: return leseLinie(Elementart::Linie, false);
      case tag::Linie3d: return leseLinie(Elementart::Linie, true);
      case tag::Wand1: return leseLinie(Elementart::Wandlinie1, false);
      case tag::Wand2: return leseLinie(Elementart::Wandlinie2, false);
      case tag::Bogen: return leseBogen(false);
      case tag::BogenGefuellt: return leseBogen(true);
      case tag::Bezier: return leseBezier(false);
      case tag::BezierGefuellt: return leseBezier(true);
      case tag::Polygon: return lesePolygon(Elementart::Polygon, false);
      case tag::PolygonGefuellt: return lesePolygon(Elementart::Polygon, true);
      case tag::Spline: return lesePolygon(Elementart::Spline, false);
      case tag::SplineGefuellt: return lesePolygon(Elementart::Spline, true);
      case tag::Verlauf: return leseVerlauf();
      case tag::Bemassung: return leseBemassung(true);
      case tag::BemassungAlt: return leseBemassung(false);
      case tag::Text: return leseText(Elementart::Text, false);
      case tag::Kommentar: return leseText(Elementart::Kommentar, false);
      case tag::TextAlt: return leseText(Elementart::Text, true);
      case tag::Gruppenanfang: return leseGruppe(Elementart::Gruppenanfang);
      case tag::Gruppenende: return leseGruppe(Elementart::Gruppenende);
      case tag::Bitmap: return leseBitmap(6, false);
      case tag::BitmapAlt: return leseBitmap(4, true);
      case tag::FuellungAlt: return leseAlteFuellung(4);
      case tag::FuellungAlt6: return leseAlteFuellung(6);
      case tag::Metafile: case tag::MetafileAlt: return leseMetafile();
      case tag::Bitmapoption: satz_ = Bitmapoptionssatz{l_.u32()}; return true;
      default:
        if (const Einstellungssatz* e = einstellungssatz(t)) return leseEinstellung(*e);
        return false;
    }
  }

  static bool gueltigeEbene(std::uint8_t n) { return n >= 1 && n <= Ebenen::Hoechstzahl; }

  // A settings record writes into the drawing's tables as it reads, so it is
  // first read into a scratch drawing: only a record that proves whole (and,
  // in a marked file, ends at its marker) may change the drawing.
  bool leseEinstellung(const Einstellungssatz& e) {
    if (!probe_) probe_ = std::make_unique<Zeichnung>();
    probe_->optionen = {};
    Lesestrom probe = l_;
    Lesekontext k = k_;
    if (!e.lese(probe, *probe_, k) || probe.fehler() || (k_.markiert && !probe.marke())) {
      l_ = probe;
      return false;
    }
    return e.lese(l_, z_, k_);
  }

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
    const double zoom = z_.ansicht.zoom;
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
      if (letzteBitmap_) z_.speicher.bitmap(letzteBitmap_).option = option->option;
      return;
    }
    if (!std::holds_alternative<Elementsatz>(satz_)) return;
    Elementspeicher& sp = z_.speicher;
    // The adders stamp the current pen, line style, layer and sublayer; a
    // style below 1 (which they raise to 1) is set afterwards, so that it
    // stays as the file has it.
    sp.aktuell = {.stift = a_.stift, .linienstil = a_.stil, .planteil = a_.ebene, .folie = a_.folie};
    std::int32_t n = 0;
    switch (offen_.art) {
      case Elementart::Linie:
      case Elementart::Wandlinie1:
      case Elementart::Wandlinie2: n = sp.neueLinie(offen_.linie, offen_.art); break;
      case Elementart::Bogen: n = sp.neuerBogen(offen_.bogen); break;
      case Elementart::Polygon:
      case Elementart::Spline:
      case Elementart::Verlauf: n = sp.neuesPolygonMitPunkten(offen_.art, std::move(offen_.polygon)); break;
      case Elementart::Bezier: n = sp.neueBezierkurve(offen_.bezier); break;
      case Elementart::Bemassung: n = sp.neueBemassung(offen_.bemassung); break;
      case Elementart::Gruppenanfang:
      case Elementart::Gruppenende: n = sp.neueGruppenklammer(offen_.art, offen_.gruppe); break;
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
      case Elementart::Metafile: n = sp.neuesMetafile(std::move(offen_.metafile)); break;
      case Elementart::Frei: return;
    }
    if (a_.stil < 1) sp.setzeLinienstil(n, a_.stil);
    sp.vervollstaendige(n);
    sp.setzeMarkiert(n, 0);
    ++elemente_;
    offen_.art = Elementart::Frei;
  }

  // --- After the last record -----------------------------------------------------

  void repariereGruppen(Ladeergebnis& e) {
    Elementspeicher& sp = z_.speicher;
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
    const auto defekt = static_cast<std::int32_t>(weg.size());
    if (!defekt) return;
    std::sort(weg.begin(), weg.end());
    e.hinweise.push_back(
        {Meldungsart::Warnung, "Es sind defekte Gruppen enthalten!\nAnzahl: " + std::to_string(defekt) +
                                   "\nEs wird versucht, die Zeichnung zu reparieren!"});
    sp.entferneWenn([&](std::int32_t n) { return std::binary_search(weg.begin(), weg.end(), n); });
    e.defekteGruppen = defekt;
    elemente_ -= defekt;
  }

  // Elements on layers or sublayers the table lacks get them, named by their
  // number, so no element of a damaged file is lost or makes the structure
  // check end the program.
  void ergaenzeEbenen() {
    Ebenen& e = z_.ebenen;
    if (e.anzahl() == 0) e.fuegeEbeneAn("");
    const Elementspeicher& sp = z_.speicher;
    int zuletztEbene = 0, zuletztFolie = 0;  // neighbours mostly share both
    for (std::int32_t n = 1; n <= sp.anzahl(); ++n) {
      const int ebene = std::max<int>(sp.planteil(n), 1), folie = sp.folie(n);
      if (ebene == zuletztEbene && folie == zuletztFolie) continue;
      zuletztEbene = ebene;
      zuletztFolie = folie;
      while (e.anzahl() < ebene && e.fuegeEbeneAn("")) {
      }
      while (e.existiert(ebene) && e.folienanzahl(ebene) < folie && e.fuegeFolieAn(ebene, "")) {
      }
    }
    for (int n = 1; n <= e.anzahl(); ++n)
      if (e.folienanzahl(n) == 0) e.fuegeFolieAn(n, "");
  }

  void pruefeSchraffuren(Ladeergebnis& e) {
    const Elementspeicher& sp = z_.speicher;
    // Each name is looked at once, in a set: a file may carry or name a
    // hundred thousand hatches, and asking outside costs a file look-up.
    std::unordered_set<std::string> gesehen;
    for (const EingebetteteDatei& d : z_.optionen.schraffuren) gesehen.insert(d.name);
    std::vector<std::string> fehlend;
    for (std::int32_t n = 1; n <= sp.anzahl(); ++n) {
      if (!sp.lebendig(n)) continue;
      const Fuellangaben* f = sp.fuellung(n);
      if (!f || f->schraffurName.empty() || !gesehen.insert(f->schraffurName).second) continue;
      if (!optionen_.schraffurBekannt || !optionen_.schraffurBekannt(f->schraffurName))
        fehlend.push_back(f->schraffurName);
    }
    if (fehlend.empty()) return;
    std::string text = "Zur fehlerfreien Darstellung dieser Zeichnung fehlen " + std::to_string(fehlend.size()) +
                       " Schraffurdefinitionen:";
    for (const std::string& name : fehlend) text += "\n" + name;
    e.hinweise.push_back({Meldungsart::Warnung, std::move(text)});
    e.fehlendeSchraffuren = std::move(fehlend);
  }

  Lesestrom l_;
  std::span<const std::uint8_t> daten_;
  Zeichnung& z_;
  Benutzer& benutzer_;
  const Ladeoptionen& optionen_;
  const Dateikennung& kennung_;
  Lesekontext k_;
  Attributzustand a_;
  Attributzustand neuerZustand_;
  Satz satz_;
  OffenesElement offen_;
  std::unique_ptr<Zeichnung> probe_;  // scratch target of settings records
  std::string langtext_, langformate_;
  bool langtextOffen_ = false;
  std::int32_t letzteBitmap_ = 0;
  std::int32_t elemente_ = 0;
  std::uint8_t aktiveEbene_ = 1, aktiveFolie_ = 1;
  bool stiftproblem_ = false;
  bool pufferFreigeben_;
  std::uintptr_t freigegebenBis_ = 0;
};

}  // namespace

bool leseKennung(std::span<const std::uint8_t> daten, Dateikennung& kennung) {
  if (daten.size() < 9 || daten[0] != 6) return false;
  const std::string signatur(reinterpret_cast<const char*>(daten.data() + 1), 6);
  for (const Kennungseintrag& k : Kennungen) {
    if (signatur != k.signatur) continue;
    kennung = {signatur, 0, false, k.markiert};
    if (k.mitVersion) {
      if (daten.size() < 11) return false;
      kennung.version = daten[9] | (daten[10] << 8);
      if (signatur == "VS1.00" && kennung.version == 2) {
        kennung.version = 1;
        kennung.vsVariante = true;
      }
    }
    return true;
  }
  return false;
}

namespace {

// `pufferFreigeben`: the bytes are the loader's own and may be given back
// while they are read.
Ladeergebnis leseZeichnungAus(std::span<const std::uint8_t> daten, Zeichnung& ziel, Benutzer& benutzer,
                              const Ladeoptionen& optionen, bool pufferFreigeben) {
  Ladeergebnis ergebnis;
  Dateikennung kennung;
  if (!leseKennung(daten, kennung)) {
    ergebnis.hinweise.push_back({Meldungsart::Fehler, MeldungKeineZeichnung});
    return ergebnis;
  }
  auto neu = std::make_unique<Zeichnung>();
  neu->ansicht = ziel.ansicht;
  // The drawing's own patterns are applied onto the ones in force; its pen
  // widths onto the pens in force, whose colours the file does not carry.
  neu->linienstile = ziel.linienstile;
  neu->stifte = ziel.stifte;
  Leser leser(daten, *neu, benutzer, optionen, kennung, pufferFreigeben);
  // A damaged header has no point to resynchronise on: rather nothing than
  // an empty drawing that a later save would write over the file.
  if (!leser.leseKopfteil()) {
    benutzer.meldung(MeldungKeineZeichnung, Meldungsart::Fehler);
    return ergebnis;
  }
  // The user's current pen and line style outlive the drawing; the records
  // overwrite them while they are read.
  const AktuelleAttribute aktuell = ziel.speicher.aktuell;
  const bool speicherUebernommen = ziel.speicher.kapazitaet() > 0;
  if (speicherUebernommen) {
    // Loading clears the store and keeps its capacity: a drawing loaded
    // after another costs no fresh memory (page faults are the dearest part
    // of a load) up to the size of the one before.
    neu->speicher = std::move(ziel.speicher);
    neu->speicher.leere();
    neu->speicher.sonderHinzufuegen = false;
    neu->speicher.schrittUnterdrueckt = false;
  } else {
    neu->speicher.undoTiefe = ziel.speicher.undoTiefe;
    if (!neu->speicher.initialisiere(benutzer)) return ergebnis;
  }
  try {
    leser.lies(ergebnis);
  } catch (...) {
    // Out of memory halfway: the target keeps a usable, empty store.
    if (speicherUebernommen) {
      ziel.speicher = std::move(neu->speicher);
      ziel.speicher.leere();
    }
    throw;
  }
  neu->speicher.aktuell = aktuell;
  linienstileAusZeichnung(neu->optionen, neu->linienstile);
  uebernimmAktive(*neu);
  neu->dateiname = ziel.dateiname;
  ziel = std::move(*neu);
  ergebnis.geladen = true;
  ergebnis.signatur = kennung.signatur;
  ergebnis.version = kennung.version;
  ergebnis.vsVariante = kennung.vsVariante;
  return ergebnis;
}

}  // namespace

Ladeergebnis leseZeichnung(std::span<const std::uint8_t> daten, Zeichnung& ziel, Benutzer& benutzer,
                           const Ladeoptionen& optionen) {
  return leseZeichnungAus(daten, ziel, benutzer, optionen, false);
}

Ladeergebnis ladeZeichnung(const std::string& pfad, Zeichnung& zeichnung, Benutzer& benutzer,
                           const Ladeoptionen& optionen) {
  Leseergebnis datei = leseDateiBegrenzt(pfad, HoechsteDateigroesse);
  if (datei.status != Lesestatus::Gelesen) {
    Ladeergebnis e;
    e.hinweise.push_back({Meldungsart::Fehler, datei.status == Lesestatus::Fehlt
                                                   ? "Die Datei " + pfad + " existiert nicht."
                                                   : std::string(MeldungKeineZeichnung)});
    return e;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(datei.inhalt.data());
  Ladeergebnis e = leseZeichnungAus({bytes, datei.inhalt.size()}, zeichnung, benutzer, optionen, true);
  if (e.geladen) zeichnung.dateiname = pfad;
  return e;
}

void meldeLadehinweise(const Ladeergebnis& ergebnis, Benutzer& benutzer) {
  for (const Ladehinweis& h : ergebnis.hinweise) benutzer.meldung(h.text, h.art);
}

}  // namespace quarzel
