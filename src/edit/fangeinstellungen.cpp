#include "edit/fangeinstellungen.h"

#include <algorithm>

namespace quarzel {

int Fangeinstellungen::radius() const {
  return std::clamp(fangradius, kleinsterRadius, groessterRadius);
}

std::uint16_t fangmodiAusKnoepfen(const std::array<int, Fangmodusanzahl>& knoepfe) {
  std::uint16_t modi = 0;
  for (int i = 0; i < Fangmodusanzahl; ++i)
    if (knoepfe[i] != 0) modi |= static_cast<std::uint16_t>(1u << i);
  return modi;
}

std::array<int, Fangmodusanzahl> knoepfeAusFangmodi(std::uint16_t modi) {
  std::array<int, Fangmodusanzahl> knoepfe{};
  for (int i = 0; i < Fangmodusanzahl; ++i) knoepfe[i] = (modi >> i) & 1;
  return knoepfe;
}

void uebernimmZeichenhilfen(const einstellung::Zeichenhilfen& z, Fangeinstellungen& f) {
  f.fangaktiv = z.fangaktiv;
  f.fangradius = std::clamp(z.fangradius, Fangeinstellungen::kleinsterRadius, Fangeinstellungen::groessterRadius);
  f.aktiveFolie = z.fangenSfsp;
  f.sichtbareFolienAktiveEbene = z.fangenSfap;
  f.alleSichtbarenEbenen = z.fangenAfap;
  f.modi = fangmodiAusKnoepfen(z.fangenButtons);
  f.winkelraster = z.winkelRaster;
  // The dialog offers 0 .. 90 degrees; anything else from a file is kept
  // out, 0 switches the rounding off.
  f.winkelschritt = z.schrittweite >= 0 && z.schrittweite <= 90 ? z.schrittweite : 15;
  f.winkelAuchGefangen = z.immerBenutzen;
  f.laengenraster = z.laengenRaster;
}

void schreibeZeichenhilfen(const Fangeinstellungen& f, einstellung::Zeichenhilfen& z) {
  z.fangaktiv = f.fangaktiv;
  z.fangradius = f.radius();
  z.fangenSfsp = f.aktiveFolie;
  z.fangenSfap = f.sichtbareFolienAktiveEbene;
  z.fangenAfap = f.alleSichtbarenEbenen;
  z.fangenButtons = knoepfeAusFangmodi(f.modi);
  z.winkelRaster = f.winkelraster;
  z.schrittweite = f.winkelschritt;
  z.immerBenutzen = f.winkelAuchGefangen;
  z.laengenRaster = f.laengenraster;
}

}  // namespace quarzel
