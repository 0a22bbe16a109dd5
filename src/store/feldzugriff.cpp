// Field accessors of the element store: each dispatches on the element's
// kind and ignores kinds that lack the field.
#include <type_traits>

#include "store/elementspeicher.h"

namespace quarzel {

namespace {

// Calls f with the element's record; f must accept every record type.
template <class Speicher, class F>
decltype(auto) besuche(Speicher& s, std::int32_t n, F&& f) {
  switch (satzart(s.art(n))) {
    case Satzart::Linie:
      return f(s.linie(n));
    case Satzart::Bogen:
      return f(s.bogen(n));
    case Satzart::Polygon:
      return f(s.polygon(n));
    case Satzart::Bezier:
      return f(s.bezier(n));
    case Satzart::Bemassung:
      return f(s.bemassung(n));
    case Satzart::Gruppe:
      return f(s.gruppe(n));
    case Satzart::Bitmap:
      return f(s.bitmap(n));
    case Satzart::Text:
      return f(s.text(n));
    case Satzart::Metafile:
      return f(s.metafile(n));
    case Satzart::Keine:
      break;
  }
  // A free slot has no record: answer as for a record without the field.
  static std::remove_cvref_t<decltype(s.gruppe(n))> leer;
  return f(leer);
}

template <class T>
concept HatStift = requires(T t) { t.stift; };
template <class T>
concept HatLinienstil = requires(T t) { t.linienstil; };
template <class T>
concept HatFarbe = requires(T t) { t.farbe; };
template <class T>
concept HatLinienenden = requires(T t) {
  t.anfang;
  t.ende;
};
template <class T>
concept HatAttribut = requires(T t) {
  t.attribut;
  t.attributFlag;
};
template <class T>
concept HatFuellung = requires(T t) { t.fuellung; };

template <class Satz>
constexpr std::uint8_t felderVon() {
  return (HatStift<Satz> ? MitStift : 0) | (HatLinienstil<Satz> ? MitLinienstil : 0) | (HatFarbe<Satz> ? MitFarbe : 0) |
         (HatFuellung<Satz> ? MitFuellung : 0);
}

// The kind table states the fields; the record types have them.
constexpr bool felderStimmen() {
  for (Elementart a : alleElementarten) {
    const Artangaben t = artangaben(a);
    std::uint8_t f = 0;
    switch (t.satz) {
      case Satzart::Keine: return false;
      case Satzart::Linie: f = felderVon<Tliniendaten>(); break;
      case Satzart::Bogen: f = felderVon<tbogendaten>(); break;
      case Satzart::Polygon: f = felderVon<Tpolygondaten>(); break;
      case Satzart::Bezier: f = felderVon<Tbezierdaten>(); break;
      case Satzart::Bemassung: f = felderVon<tmessdaten>(); break;
      case Satzart::Gruppe: f = felderVon<tgruppendaten>(); break;
      case Satzart::Bitmap: f = felderVon<Tbitmapdaten>(); break;
      case Satzart::Text: f = felderVon<Tfliestextdaten>(); break;
      case Satzart::Metafile: f = felderVon<Tmetafiledaten>(); break;
    }
    if (f != t.felder || t.art != a) return false;
  }
  return true;
}
static_assert(felderStimmen());

}  // namespace

std::uint8_t Elementspeicher::planteil(std::int32_t n) const {
  return besuche(*this, n, [](const auto& d) { return d.planteil; });
}

void Elementspeicher::setzePlanteil(std::int32_t n, std::uint8_t p) {
  if (art_[n] == Elementart::Frei) return;
  besuche(*this, n, [p](auto& d) { d.planteil = p; });
  modifiziert_ = true;
}

std::uint8_t Elementspeicher::folie(std::int32_t n) const {
  return besuche(*this, n, [](const auto& d) { return d.folie; });
}

void Elementspeicher::setzeFolie(std::int32_t n, std::uint8_t f) {
  if (art_[n] == Elementart::Frei) return;
  besuche(*this, n, [f](auto& d) { d.folie = f; });
  modifiziert_ = true;
}

std::optional<std::uint8_t> Elementspeicher::stift(std::int32_t n) const {
  return besuche(*this, n, [](const auto& d) -> std::optional<std::uint8_t> {
    if constexpr (HatStift<decltype(d)>) return d.stift;
    return std::nullopt;
  });
}

void Elementspeicher::setzeStift(std::int32_t n, std::uint8_t s) {
  besuche(*this, n, [&](auto& d) {
    if constexpr (HatStift<decltype(d)>) {
      d.stift = s;
      modifiziert_ = true;
    }
  });
}

std::optional<std::int16_t> Elementspeicher::linienstil(std::int32_t n) const {
  return besuche(*this, n, [](const auto& d) -> std::optional<std::int16_t> {
    if constexpr (HatLinienstil<decltype(d)>) return d.linienstil;
    return std::nullopt;
  });
}

void Elementspeicher::setzeLinienstil(std::int32_t n, std::int16_t s) {
  besuche(*this, n, [&](auto& d) {
    if constexpr (HatLinienstil<decltype(d)>) {
      d.linienstil = s;
      modifiziert_ = true;
    }
  });
}

std::optional<Farbe> Elementspeicher::farbe(std::int32_t n) const {
  return besuche(*this, n, [](const auto& d) -> std::optional<Farbe> {
    if constexpr (HatFarbe<decltype(d)>) return d.farbe;
    return std::nullopt;
  });
}

void Elementspeicher::setzeFarbe(std::int32_t n, Farbe f) {
  besuche(*this, n, [&](auto& d) {
    if constexpr (HatFarbe<decltype(d)>) {
      d.farbe = f;
      modifiziert_ = true;
    }
  });
}

std::optional<std::uint8_t> Elementspeicher::anfang(std::int32_t n) const {
  return besuche(*this, n, [](const auto& d) -> std::optional<std::uint8_t> {
    if constexpr (HatLinienenden<decltype(d)>) return d.anfang;
    return std::nullopt;
  });
}

std::optional<std::uint8_t> Elementspeicher::ende(std::int32_t n) const {
  return besuche(*this, n, [](const auto& d) -> std::optional<std::uint8_t> {
    if constexpr (HatLinienenden<decltype(d)>) return d.ende;
    return std::nullopt;
  });
}

void Elementspeicher::setzeLinienenden(std::int32_t n, std::uint8_t a, std::uint8_t e) {
  besuche(*this, n, [&](auto& d) {
    if constexpr (HatLinienenden<decltype(d)>) {
      d.anfang = a;
      d.ende = e;
      modifiziert_ = true;
    }
  });
}

std::optional<Elementspeicher::Attribut> Elementspeicher::attribut(std::int32_t n) const {
  return besuche(*this, n, [](const auto& d) -> std::optional<Attribut> {
    if constexpr (HatAttribut<decltype(d)>) return Attribut{d.attribut, d.attributFlag};
    return std::nullopt;
  });
}

void Elementspeicher::setzeAttribut(std::int32_t n, Attribut a) {
  besuche(*this, n, [&](auto& d) {
    if constexpr (HatAttribut<decltype(d)>) {
      d.attribut = a.wert;
      d.attributFlag = a.flag;
      modifiziert_ = true;
    }
  });
}

const Fuellangaben* Elementspeicher::fuellung(std::int32_t n) const {
  return besuche(*this, n, [](const auto& d) -> const Fuellangaben* {
    if constexpr (HatFuellung<decltype(d)>) return &d.fuellung;
    return nullptr;
  });
}

Fuellangaben* Elementspeicher::fuellung(std::int32_t n) {
  return besuche(*this, n, [](auto& d) -> Fuellangaben* {
    if constexpr (HatFuellung<decltype(d)>) return &d.fuellung;
    return nullptr;
  });
}

bool Elementspeicher::gefuellt(std::int32_t n) const {
  if (istBitmapart(art_[n])) return bitmap(n).gefuellt != 0;
  const Fuellangaben* f = fuellung(n);
  return f && f->gefuellt != 0;
}

std::optional<std::string> Elementspeicher::gruppenname(std::int32_t n) const {
  if (!istGruppenklammer(art_[n])) return std::nullopt;
  return gruppe(n).name;
}

void Elementspeicher::setzeGruppenname(std::int32_t n, const std::string& name) {
  if (!istGruppenklammer(art_[n])) return;
  gruppe(n).name = name;
  modifiziert_ = true;
}

std::optional<std::vector<std::string>> Elementspeicher::textzeilen(std::int32_t n) const {
  if (!istTextart(art_[n])) return std::nullopt;
  return text(n).zeilen;
}

bool Elementspeicher::istMarkerpunkt(std::int32_t n) const {
  if (art_[n] != Elementart::Linie) return false;
  const std::uint8_t a = linie(n).anfang;
  return a >= 21 && a <= 29;
}

std::optional<Verlaufstyp> Elementspeicher::verlaufstyp(std::int32_t n) const {
  if (art_[n] != Elementart::Verlauf) return std::nullopt;
  return entpackeVerlaufstyp(polygon(n).verlaufstyp);
}

void Elementspeicher::setzeVerlaufstyp(std::int32_t n, Verlaufstyp t) {
  if (art_[n] != Elementart::Verlauf) return;
  polygon(n).verlaufstyp = packeVerlaufstyp(t);
  modifiziert_ = true;
}

}  // namespace quarzel
