// Dateibauer: drawing-file bytes put together by hand, field by field, the
// way earlier versions of the program wrote them. Tests of the reader use it
// for what the current writer never produces: other signatures and versions,
// files without record markers, records only older files hold, and files
// damaged on purpose.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytestrom.h"

namespace quarzel::test {

// The header sections 2 to 9 with plain values; the defaults describe a
// drawing with one layer and one sublayer, seen at zoom 1 from (4790, 4855).
struct Kopfwerte {
  std::uint16_t blattBreite = 297, blattHoehe = 210;
  std::uint8_t stiftzahl = 24;
  double stiftbreite = 0.35;  // every pen
  std::vector<std::uint8_t> linienstildatei;
  struct Ebene {
    std::string name;
    std::vector<std::string> folien;
  };
  std::vector<Ebene> ebenen = {{"Ebene 1", {"Unterebene 1"}}};
  std::uint8_t aktiveEbene = 1, aktiveFolie = 1;
  std::uint8_t einheit = 3;  // "m"
  std::uint32_t ursprungX = 4790, ursprungY = 4855;
  double zoom = 1;
  std::string titel;
  // Writers differ in their header markers: bit n of `zusatzmarken` adds one
  // after section n (1 signature, 2 layout flag, 3 sheet, 4 pens, 8 layers);
  // without the line-style file the marker follows the pens.
  unsigned zusatzmarken = 0;
  bool mitLinienstildatei = true;
};

class Dateibauer {
 public:
  // Signature and, when given, the version word; with `markiert` every header
  // section and record ends with "{|}".
  Dateibauer(std::string_view signatur, std::optional<std::uint16_t> version, bool markiert);
  // The family's own choice of version word and markers: "Ostrun", "oStrun"
  // and "oS1.01" have no version word, only "VS1.00" and "ZEI.01" markers.
  static Dateibauer fuer(std::string_view signatur, std::uint16_t version);

  Dateibauer& kopf(const Kopfwerte& k = {});

  // A record is its tag, its fields and `ende()`.
  Dateibauer& satz(std::uint8_t tag) { return u8(tag); }
  Dateibauer& ende() { return markiert_ ? (s_.marke(), *this) : *this; }  // the marker, in marked files
  Dateibauer& u8(std::uint8_t v) { return s_.u8(v), *this; }
  Dateibauer& u16(std::uint16_t v) { return s_.u16(v), *this; }
  Dateibauer& u32(std::uint32_t v) { return s_.u32(v), *this; }
  Dateibauer& f32(float v) { return s_.f32(v), *this; }
  Dateibauer& f64(double v) { return s_.f64(v), *this; }
  Dateibauer& text(std::string_view utf8) { return s_.kurzString(utf8), *this; }  // a short string
  Dateibauer& bytes(std::span<const std::uint8_t> b) { return s_.bytes(b), *this; }
  Dateibauer& roh(std::string_view b);  // bytes as written

  // Whole records.
  Dateibauer& bezug(double x, double y) { return satz('@').f64(x).f64(y).ende(); }
  Dateibauer& linie(double x1, double y1, double x2, double y2, std::uint8_t tag = 'L') {
    return satz(tag).f64(x1).f64(y1).f64(x2).f64(y2).ende();
  }
  // "B": the geometry block in the length the family and version call for.
  Dateibauer& bogen(double xm, double ym, double r);
  Dateibauer& ebene(std::uint8_t e) { return satz('H').u8(e).ende(); }
  Dateibauer& gruppenanfang(std::string_view name) { return satz('G').f64(0).f64(0).f64(1).f64(1).text(name).ende(); }
  Dateibauer& gruppenende() { return satz('Y').ende(); }
  Dateibauer& schluss() { return satz('Z').ende(); }

  bool markiert() const { return markiert_; }
  bool langerBogen() const { return langerBogen_; }
  const std::vector<std::uint8_t>& daten() const { return s_.daten(); }

 private:
  Schreibstrom s_;
  bool markiert_;
  bool langerBogen_;
};

}  // namespace quarzel::test
