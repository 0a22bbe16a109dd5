// The writer of the drawing file: header, settings records, then every alive
// element in drawing order through the record writer the symbol files share.
#include <algorithm>

#include "store/dateiformat.h"
#include "store/einstellungssaetze.h"
#include "store/satzschreiber.h"
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
    Satzschreiber elemente(s_, sp);
    for (std::int32_t n = 1; n <= sp.anzahl(); ++n)
      if (sp.lebendig(n) && !elemente.schreibeElement(n)) ++ergebnis_.nichtGeschrieben;
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

  const Zeichnung& z_;
  Schreibstrom s_;
  Schreibergebnis ergebnis_;
};

}  // namespace

Schreibergebnis schreibeZeichnung(const Zeichnung& zeichnung) {
  return Schreiber(zeichnung).schreibe();
}

}  // namespace quarzel
