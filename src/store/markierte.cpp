// Operations of the element store on the marked elements and on groups.
#include <vector>

#include "store/elementspeicher.h"

namespace quarzel {

void Elementspeicher::loescheMarkierte() {
  beginneSchritt();
  zaehleAenderung();
  const std::int8_t minusStufe = static_cast<std::int8_t>(-undoStufe_);
  bool geaendert = false;
  for (std::int32_t n = 1; n <= anzahl_; ++n) {
    if (!markiert_[n]) continue;
    markiert_[n] = 0;
    if (!lebendig(n)) continue;
    altZustand_[n] = zustand_[n];
    zustand_[n] = minusStufe;
    geaendert = true;
  }
  loescheLeereGruppen();
  if (geaendert) modifiziert_ = true;
}

void Elementspeicher::loescheLeereGruppen() {
  // One pass with a stack of open groups: a group whose begin is followed by
  // its end among the alive elements is retired, and so, in turn, is a
  // parent that held nothing else.
  const std::int8_t minusStufe = static_cast<std::int8_t>(-undoStufe_);
  struct Offen {
    std::int32_t anfang;
    bool hatInhalt;
  };
  std::vector<Offen> stapel;
  for (std::int32_t n = 1; n <= anzahl_; ++n) {
    if (!lebendig(n)) continue;
    const Elementart a = art_[n];
    if (a == Elementart::Gruppenanfang) {
      stapel.push_back({n, false});
    } else if (a == Elementart::Gruppenende) {
      if (stapel.empty()) continue;  // broken brackets are the structure check's business
      const Offen g = stapel.back();
      stapel.pop_back();
      if (!g.hatInhalt) {
        zaehleAenderung();
        for (std::int32_t k : {g.anfang, n}) {
          altZustand_[k] = zustand_[k];
          zustand_[k] = minusStufe;
          markiert_[k] = 0;
        }
        modifiziert_ = true;
      } else if (!stapel.empty()) {
        stapel.back().hatInhalt = true;
      }
    } else if (!stapel.empty()) {
      stapel.back().hatInhalt = true;
    }
  }
}

void Elementspeicher::markierteNachHinten() {
  std::vector<std::int32_t> reihenfolge;
  reihenfolge.reserve(anzahl_);
  for (std::int32_t n = 1; n <= anzahl_; ++n)
    if (markiert_[n]) reihenfolge.push_back(n);
  const std::size_t bewegt = reihenfolge.size();
  if (bewegt == 0) return;
  zaehleAenderung();
  for (std::int32_t n = 1; n <= anzahl_; ++n)
    if (!markiert_[n]) reihenfolge.push_back(n);

  auto ordne = [&](auto& spalte) {
    using T = typename std::remove_reference_t<decltype(spalte)>::value_type;
    std::vector<T> neu(reihenfolge.size());
    for (std::size_t i = 0; i < reihenfolge.size(); ++i) neu[i] = spalte[reihenfolge[i]];
    std::copy(neu.begin(), neu.end(), spalte.begin() + 1);
  };
  ordne(art_);
  ordne(slot_);
  ordne(markiert_);
  ordne(zustand_);
  ordne(altZustand_);
  ordne(gesichert_);
  ordne(temp_);
  for (auto& f : flags_) ordne(f);

  for (std::size_t i = 1; i <= bewegt; ++i) {
    markiert_[i] = 1;
    temp_[i] = 0;
    zustand_[i] = undoStufe_;
    altZustand_[i] = 0;
  }
  modifiziert_ = true;
}

void Elementspeicher::demarkiereArt(Elementart art, const std::function<bool(std::int32_t)>& filter) {
  for (std::int32_t n = 1; n <= anzahl_; ++n)
    if (art_[n] == art && lebendig(n) && (!filter || filter(n))) markiert_[n] = 0;
}

void Elementspeicher::nurGefuellteMarkiert() {
  for (std::int32_t n = 1; n <= anzahl_; ++n) {
    if (!markiert_[n]) continue;
    const Elementart a = art_[n];
    const bool geschlossen = artangaben(a).hat(MitFuellung) || istBitmapart(a);
    if (!geschlossen || !gefuellt(n)) markiert_[n] = 0;
  }
}

std::int32_t Elementspeicher::gruppenende(std::int32_t anfang) const {
  if (anfang < 1 || anfang > anzahl_ || art_[anfang] != Elementart::Gruppenanfang) return 0;
  int tiefe = 0;
  for (std::int32_t n = anfang; n <= anzahl_; ++n) {
    if (!lebendig(n)) continue;
    if (art_[n] == Elementart::Gruppenanfang) ++tiefe;
    if (art_[n] == Elementart::Gruppenende && --tiefe == 0) return n;
  }
  return 0;
}

void Elementspeicher::markiereGanzeGruppen() {
  // One pass over the outermost groups: remember where one began and
  // whether it holds a mark, then mark it whole at its end.
  std::int32_t anfang = 0;
  int tiefe = 0;
  bool getroffen = false;
  for (std::int32_t n = 1; n <= anzahl_; ++n) {
    if (!lebendig(n)) continue;
    const Elementart a = art_[n];
    if (a == Elementart::Gruppenanfang && tiefe++ == 0) {
      anfang = n;
      getroffen = false;
    }
    if (tiefe > 0 && markiert_[n]) getroffen = true;
    if (a == Elementart::Gruppenende && tiefe > 0 && --tiefe == 0 && getroffen)
      for (std::int32_t k = anfang; k <= n; ++k)
        if (lebendig(k)) markiert_[k] = 1;
  }
}

void Elementspeicher::markiereGruppe(std::int32_t anfang) {
  const std::int32_t ende = gruppenende(anfang);
  if (ende == 0) return;
  for (std::int32_t n = anfang; n <= ende; ++n)
    if (lebendig(n)) markiert_[n] = 1;
}

void Elementspeicher::fuerMarkierte(const std::function<bool(Elementart)>& passt,
                                    const std::function<void(std::int32_t)>& aendere) {
  // Marked elements of other kinds keep their mark but must not be copied:
  // park them on the temporary mark for the duration.
  constexpr std::uint8_t Geparkt = 2;
  bool etwas = false;
  for (std::int32_t n = 1; n <= anzahl_; ++n) {
    if (!markiert_[n] || !lebendig(n)) continue;
    if (passt(art_[n])) {
      etwas = true;
    } else {
      markiert_[n] = 0;
      temp_[n] = Geparkt;
    }
  }
  if (etwas) {
    bereiteAenderungVor();
    for (std::int32_t n = 1; n <= anzahl_; ++n)
      if (markiert_[n]) aendere(n);
  }
  for (std::int32_t n = 1; n <= anzahl_; ++n) {
    if (temp_[n] == Geparkt) {
      markiert_[n] = 1;
      temp_[n] = 0;
    }
  }
}

namespace {
bool hatStift(Elementart a) { return artangaben(a).hat(MitStift); }
bool hatLinienstil(Elementart a) { return artangaben(a).hat(MitLinienstil); }
bool hatFarbe(Elementart a) { return artangaben(a).hat(MitFarbe); }
bool jedeArt(Elementart a) { return a != Elementart::Frei; }
bool hatFuellung(Elementart a) { return artangaben(a).hat(MitFuellung); }
}  // namespace

void Elementspeicher::setzeStiftMarkierte(std::uint8_t s) {
  fuerMarkierte(hatStift, [&](std::int32_t n) { setzeStift(n, s); });
}
void Elementspeicher::setzeLinienstilMarkierte(std::int16_t s) {
  fuerMarkierte(hatLinienstil, [&](std::int32_t n) { setzeLinienstil(n, s); });
}
void Elementspeicher::setzeFarbeMarkierte(Farbe f) {
  fuerMarkierte(hatFarbe, [&](std::int32_t n) { setzeFarbe(n, f); });
}
void Elementspeicher::aendereFuellungMarkierte(const std::function<void(Fuellangaben&)>& aendere) {
  fuerMarkierte(hatFuellung, [&](std::int32_t n) {
    if (Fuellangaben* f = fuellung(n)) aendere(*f);
  });
}
void Elementspeicher::setzeFarbe2Markierte(Farbe f) {
  fuerMarkierte([](Elementart a) { return a == Elementart::Verlauf; },
                [&](std::int32_t n) {
                  polygon(n).farbe2 = f;
                  modifiziert_ = true;
                });
}
void Elementspeicher::setzePlanteilMarkierte(std::uint8_t p) {
  fuerMarkierte(jedeArt, [&](std::int32_t n) { setzePlanteil(n, p); });
}
void Elementspeicher::setzeFolieMarkierte(std::uint8_t f) {
  fuerMarkierte(jedeArt, [&](std::int32_t n) { setzeFolie(n, f); });
}

}  // namespace quarzel
