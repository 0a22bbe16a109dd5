#include "render/ansichtsschalter.h"

#include <iterator>

namespace quarzel {

namespace {

constexpr bool Anzeigeschalter::*kKategorien[] = {
    &Anzeigeschalter::bemassungen, &Anzeigeschalter::bitmaps,   &Anzeigeschalter::flaechen,
    &Anzeigeschalter::hilfslinien, &Anzeigeschalter::linien,    &Anzeigeschalter::markerpunkte,
    &Anzeigeschalter::schraffuren, &Anzeigeschalter::symbole,   &Anzeigeschalter::texte,
    &Anzeigeschalter::texturen,    &Anzeigeschalter::verlaeufe,
};
static_assert(std::size(kKategorien) == std::tuple_size_v<Elementschalter>);

}  // namespace

Elementschalter elementschalterVon(const Anzeigeschalter& schalter) {
  Elementschalter werte{};
  for (std::size_t i = 0; i < werte.size(); ++i) werte[i] = schalter.*kKategorien[i] ? 1 : 0;
  return werte;
}

void setzeElementschalter(Anzeigeschalter& schalter, const Elementschalter& werte) {
  for (std::size_t i = 0; i < werte.size(); ++i) schalter.*kKategorien[i] = werte[i] != 0;
}

}  // namespace quarzel
