#include "support/dateibauer.h"

namespace quarzel::test {

Dateibauer::Dateibauer(std::string_view signatur, std::optional<std::uint16_t> version, bool markiert)
    : markiert_(markiert) {
  s_.u8(6);
  for (std::size_t i = 0; i < 8; ++i) s_.u8(i < signatur.size() && i < 6 ? static_cast<std::uint8_t>(signatur[i]) : 0);
  if (version) s_.u16(*version);
  // The arc's geometry block grew by four bytes in version 4 of the marked
  // families; a VS-variant file (stored version 2) has the long form too.
  const bool vs = signatur == "VS1.00" && version == 2;
  langerBogen_ = vs || (markiert && version.value_or(0) >= 4);
}

Dateibauer Dateibauer::fuer(std::string_view signatur, std::uint16_t version) {
  const bool ohneVersion = signatur == "Ostrun" || signatur == "oStrun" || signatur == "oS1.01";
  const bool markiert = signatur == "VS1.00" || signatur == "ZEI.01";
  return Dateibauer(signatur, ohneVersion ? std::nullopt : std::optional<std::uint16_t>(version), markiert);
}

Dateibauer& Dateibauer::kopf(const Kopfwerte& k) {
  const auto extra = [&](int abschnitt) {
    if (k.zusatzmarken & (1u << abschnitt)) ende();
  };
  extra(1);
  u8(0);  // not in layout view
  extra(2);
  u16(k.blattBreite).u16(k.blattHoehe);
  extra(3);
  u8(k.stiftzahl);
  for (int i = 0; i < k.stiftzahl; ++i) f64(k.stiftbreite);
  if (k.mitLinienstildatei) {
    extra(4);
    u32(static_cast<std::uint32_t>(k.linienstildatei.size())).bytes(k.linienstildatei);
  }
  ende();
  u8(0).u32(0).u32(0).f64(0).u8(0).ende();  // tool panel
  u8(1);                                    // all layers visible
  for (const Kopfwerte::Ebene& e : k.ebenen) {
    text(e.name).u8(1).f64(0).u8(0).u8(1);  // visible, follows the drawing scale
    for (const std::string& f : e.folien) text(f).u8(0);
    u8(0);
  }
  u8(0).u8(k.aktiveEbene).u8(k.aktiveFolie);
  extra(8);
  u8(k.einheit).f64(1).u8(2).u8(0).u8(0);
  s_.f80(100);
  for (int i = 0; i < 7; ++i) u8(0);
  u32(k.ursprungX).u32(k.ursprungY).u32(0).u32(0).f64(k.zoom).u8(0).u32(0).text(k.titel).u8(0);
  return ende();
}

Dateibauer& Dateibauer::roh(std::string_view b) {
  for (char c : b) s_.u8(static_cast<std::uint8_t>(c));
  return *this;
}

Dateibauer& Dateibauer::bogen(double xm, double ym, double r) {
  satz('B').f64(xm).f64(ym).f64(r).f64(r).f32(0).f32(360).f32(0);
  if (langerBogen_) u32(0);
  return ende();
}

}  // namespace quarzel::test
