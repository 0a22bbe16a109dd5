#include "support/aufzeichnungscanvas.h"

#include <algorithm>

namespace quarzel {

void Aufzeichnungscanvas::setzeStift(Farbe farbe, double breitePixel, Stiftart art) {
  zustand.stift = {farbe, breitePixel, art};
  stifte.push_back(zustand.stift);
  protokoll.emplace_back("setzeStift");
}

void Aufzeichnungscanvas::setzePinsel(Farbe farbe, bool keinPinsel) {
  zustand.pinsel = {farbe, keinPinsel};
  pinsel.push_back(zustand.pinsel);
  protokoll.emplace_back("setzePinsel");
}

void Aufzeichnungscanvas::setzeStiftmodus(Stiftmodus modus) {
  zustand.modus = modus;
  modi.push_back(modus);
  protokoll.emplace_back("setzeStiftmodus");
}

void Aufzeichnungscanvas::polylinie(std::span<const Pixelpunkt> punkte) {
  polylinien.push_back({{punkte.begin(), punkte.end()}, zustand});
  protokoll.emplace_back("polylinie");
}

void Aufzeichnungscanvas::mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) {
  // A caller's lengths that run past the points are cut to what is there, as a
  // real canvas must do too.
  Mehrfachlinie m{{}, zustand};
  std::size_t beginn = 0;
  for (int laenge : laengen) {
    const std::size_t n =
        std::min<std::size_t>(laenge > 0 ? static_cast<std::size_t>(laenge) : 0, punkte.size() - beginn);
    m.zuege.emplace_back(punkte.begin() + static_cast<std::ptrdiff_t>(beginn),
                         punkte.begin() + static_cast<std::ptrdiff_t>(beginn + n));
    beginn += n;
  }
  mehrfachlinien.push_back(std::move(m));
  protokoll.emplace_back("mehrfachPolylinie");
}

void Aufzeichnungscanvas::polygon(std::span<const Pixelpunkt> punkte) {
  polygone.push_back({{punkte.begin(), punkte.end()}, zustand});
  protokoll.emplace_back("polygon");
}

void Aufzeichnungscanvas::rechteckFuellen(const Pixelrechteck& r, Farbe farbe) {
  fuellungen.push_back({r, farbe, zustand.modus});
  protokoll.emplace_back("rechteckFuellen");
}

void Aufzeichnungscanvas::pixel(int x, int y, Farbe farbe) {
  pixelListe.push_back({x, y, farbe, zustand.modus});
  protokoll.emplace_back("pixel");
}

void Aufzeichnungscanvas::text(double x, double y, std::string_view utf8, const Schriftangaben& schrift, Farbe farbe) {
  texte.push_back({x, y, std::string(utf8), std::string(schrift.name), schrift.hoehePixel, schrift.winkelGrad,
                   schrift.fett, schrift.kursiv, schrift.unterstrichen, farbe, zustand.modus});
  protokoll.emplace_back("text");
}

void Aufzeichnungscanvas::rasterbild(const Rasterbild& bild, const Bildlage& lage) {
  rasterbilder.push_back({bild.breite, bild.hoehe, {}, lage, zustand.geclippt});
  protokoll.emplace_back("rasterbild");
}

bool Aufzeichnungscanvas::vektorbild(std::span<const std::uint8_t> svg, const Bildlage& lage) {
  vektorbilder.push_back({0, 0, {svg.begin(), svg.end()}, lage, zustand.geclippt});
  protokoll.emplace_back("vektorbild");
  return vektorbildSpielt;
}

void Aufzeichnungscanvas::bild(std::span<const std::uint8_t> bilddatei, const Pixelrechteck& ziel) {
  bilder.push_back({{bilddatei.begin(), bilddatei.end()}, ziel});
  protokoll.emplace_back("bild");
}

void Aufzeichnungscanvas::setzeClip(std::span<const Pixelpunkt> polygon) {
  clipPolygon.assign(polygon.begin(), polygon.end());
  zustand.geclippt = true;
  clips.push_back(clipPolygon);
  protokoll.emplace_back("setzeClip");
}

void Aufzeichnungscanvas::clipAufheben() {
  clipPolygon.clear();
  zustand.geclippt = false;
  ++clipAufhebungen;
  protokoll.emplace_back("clipAufheben");
}

void Aufzeichnungscanvas::leeren() {
  stifte.clear();
  pinsel.clear();
  modi.clear();
  polylinien.clear();
  mehrfachlinien.clear();
  polygone.clear();
  fuellungen.clear();
  pixelListe.clear();
  texte.clear();
  bilder.clear();
  rasterbilder.clear();
  vektorbilder.clear();
  clips.clear();
  clipAufhebungen = 0;
  protokoll.clear();
}

std::size_t Aufzeichnungscanvas::anzahlPixel(Farbe farbe) const {
  return static_cast<std::size_t>(
      std::count_if(pixelListe.begin(), pixelListe.end(), [&](const Punkt& p) { return p.farbe == farbe; }));
}

bool Aufzeichnungscanvas::hatPixel(int x, int y) const {
  return std::any_of(pixelListe.begin(), pixelListe.end(), [&](const Punkt& p) { return p.x == x && p.y == y; });
}

}  // namespace quarzel
