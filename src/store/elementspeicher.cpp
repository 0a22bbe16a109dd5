#include "store/elementspeicher.h"

#include <algorithm>
#include <new>
#include <type_traits>

namespace quarzel {

std::uint8_t packeVerlaufstyp(Verlaufstyp t) {
  int wert = t.basis;
  if (t.b) wert += 50;
  if (t.a && t.b) wert += 100;
  return static_cast<std::uint8_t>(wert);
}

Verlaufstyp entpackeVerlaufstyp(std::uint8_t gespeichert) {
  if (gespeichert >= 151) return {static_cast<std::uint8_t>((gespeichert - 150) % 256), true, true};
  if (gespeichert >= 51) return {static_cast<std::uint8_t>(gespeichert - 50), false, true};
  return {gespeichert, false, false};
}

Elementspeicher::Elementspeicher() = default;

// --- Life cycle -------------------------------------------------------------

namespace {

// The "Kernelfehler" number of each pool's initialisation step.
constexpr int kernelschritt(Satzart s) {
  switch (s) {
    case Satzart::Keine:
      break;
    case Satzart::Linie:
      return 3;
    case Satzart::Bogen:
      return 4;
    case Satzart::Bezier:
      return 5;
    case Satzart::Polygon:
      return 6;
    case Satzart::Bemassung:
      return 8;
    case Satzart::Gruppe:
      return 9;
    case Satzart::Bitmap:
      return 10;
    case Satzart::Text:
      return 11;
    case Satzart::Metafile:
      return 12;
  }
  return 0;
}

}  // namespace

bool Elementspeicher::initialisiere(Benutzer& benutzer) {
  zaehleAenderung();
  // Step numbers are those of the "Kernelfehler" messages; there is no 7.
  auto schritt = [&](int nummer, auto&& tue) {
    try {
      if (allokationErlaubt && !allokationErlaubt(nummer)) throw std::bad_alloc();
      tue();
      return true;
    } catch (const std::bad_alloc&) {
      benutzer.meldung("Kernelfehler " + std::to_string(nummer), Meldungsart::Fehler);
      return false;
    }
  };
  auto allePools = [&] {
    bool gut = true;
    fuerJedenPool([&](Satzart art, auto& pool) {
      gut = gut && schritt(kernelschritt(art), [&] {
              pool.zuruecksetzen();
              pool.wachse();
            });
    });
    return gut;
  };
  return schritt(1,
                 [&] {
                   anzahl_ = gesamt_ = 0;
                   kapazitaet_ = 0;
                 }) &&
         schritt(2,
                 [&] {
                   art_.clear();
                   slot_.clear();
                   markiert_.clear();
                   zustand_.clear();
                   altZustand_.clear();
                   gesichert_.clear();
                   temp_.clear();
                   for (auto& f : flags_) f.clear();
                   wachseSpalten();
                 }) &&
         allePools() &&
         schritt(13, [&] {
           anzahl_ = gesamt_ = 0;
           undoStufe_ = redoStufe_ = 0;
           undoMoeglich_ = redoMoeglich_ = false;
           modifiziert_ = false;
         });
}

void Elementspeicher::leere() {
  zaehleAenderung();
  fuerJedenPool([](Satzart, auto& pool) { pool.leere(); });
  loescheSpalten(1, gesamt_);
  anzahl_ = gesamt_ = 0;
  undoStufe_ = redoStufe_ = 0;
  undoMoeglich_ = redoMoeglich_ = false;
  punkte.leere();
}

void Elementspeicher::wachseSpalten() {
  const std::size_t neu = std::size_t(kapazitaet_) + Spaltenschritt + 1;
  art_.resize(neu, Elementart::Frei);
  slot_.resize(neu, 0);
  markiert_.resize(neu, 0);
  zustand_.resize(neu, 0);
  altZustand_.resize(neu, 0);
  gesichert_.resize(neu, 0);
  temp_.resize(neu, 0);
  for (auto& f : flags_) f.resize(neu, 0);
  kapazitaet_ += Spaltenschritt;
}

void Elementspeicher::kopiereSpalten(std::int32_t von, std::int32_t nach) {
  art_[nach] = art_[von];
  slot_[nach] = slot_[von];
  markiert_[nach] = markiert_[von];
  zustand_[nach] = zustand_[von];
  altZustand_[nach] = altZustand_[von];
  gesichert_[nach] = gesichert_[von];
  temp_[nach] = temp_[von];
  for (auto& f : flags_) f[nach] = f[von];
}

void Elementspeicher::loescheSpalten(std::int32_t von, std::int32_t bis) {
  if (von > bis) return;
  auto leere = [&](auto& spalte, auto wert) { std::fill(spalte.begin() + von, spalte.begin() + bis + 1, wert); };
  leere(art_, Elementart::Frei);
  leere(slot_, 0u);
  leere(markiert_, std::uint8_t(0));
  leere(zustand_, std::int8_t(0));
  leere(altZustand_, std::int8_t(0));
  leere(gesichert_, std::uint8_t(0));
  leere(temp_, std::uint8_t(0));
  for (auto& f : flags_) leere(f, std::uint8_t(0));
}

// --- Marks --------------------------------------------------------------------

void Elementspeicher::sichereMarken() {
  std::copy(markiert_.begin() + 1, markiert_.begin() + gesamt_ + 1, gesichert_.begin() + 1);
}

void Elementspeicher::stelleMarkenWiederHer() {
  std::copy(gesichert_.begin() + 1, gesichert_.begin() + gesamt_ + 1, markiert_.begin() + 1);
}

void Elementspeicher::fixiereMarken() {
  std::copy(markiert_.begin() + 1, markiert_.begin() + gesamt_ + 1, temp_.begin() + 1);
}

void Elementspeicher::loescheTempMarken() { std::fill(temp_.begin() + 1, temp_.begin() + gesamt_ + 1, 0); }

void Elementspeicher::demarkiereAlle() { std::fill(markiert_.begin() + 1, markiert_.begin() + gesamt_ + 1, 0); }

void Elementspeicher::markiereAlleLebendigen() {
  for (std::int32_t n = 1; n <= anzahl_; ++n) markiert_[n] = lebendig(n) ? 1 : 0;
}

std::int32_t Elementspeicher::anzahlMarkierte() const {
  std::int32_t k = 0;
  for (std::int32_t n = 1; n <= gesamt_; ++n) k += markiert_[n] != 0;
  return k;
}

// --- Insertion ----------------------------------------------------------------

std::int32_t Elementspeicher::fuegeSlotEin(Elementart art, std::uint32_t slot) {
  zaehleAenderung();
  if (gesamt_ + 1 > kapazitaet_) wachseSpalten();
  ++gesamt_;
  ++anzahl_;
  // Make room in front of the tail; the tail keeps its order.
  for (std::int32_t n = gesamt_; n > anzahl_; --n) kopiereSpalten(n - 1, n);
  const std::int32_t neu = anzahl_;
  loescheSpalten(neu);
  art_[neu] = art;
  slot_[neu] = slot;
  modifiziert_ = true;
  return neu;
}

template <class Satz>
std::int32_t Elementspeicher::fuegeEin(Elementart art, Satzpool<Satz>& pool, Satz satz) {
  if (gesamt_ + 1 > kapazitaet_) wachseSpalten();  // before the record, so a failure leaves no orphan
  const std::uint32_t slot = pool.lege(std::move(satz));
  return fuegeSlotEin(art, slot);
}

template <class Satz>
void Elementspeicher::stempele(Satz& satz) const {
  satz.planteil = aktuell.planteil;
  satz.folie = aktuell.folie;
  if constexpr (requires { satz.stift; }) satz.stift = aktuell.stift;
  if constexpr (requires { satz.linienstil; }) satz.linienstil = aktuell.linienstil < 1 ? 1 : aktuell.linienstil;
}

std::int32_t Elementspeicher::neueLinie(double x1, double y1, double x2, double y2, Farbe farbe,
                                        std::uint32_t attribut, std::uint8_t attributFlag) {
  Tliniendaten d;
  d.x1 = x1;
  d.y1 = y1;
  d.x2 = x2;
  d.y2 = y2;
  d.farbe = farbe;
  d.attribut = attribut;
  d.attributFlag = attributFlag;
  return neueLinie(std::move(d), Elementart::Linie);
}

std::int32_t Elementspeicher::neueLinie(Tliniendaten d, Elementart art) {
  stempele(d);
  return fuegeEin(istLinienart(art) ? art : Elementart::Linie, linien_, std::move(d));
}

std::int32_t Elementspeicher::neuerBogen(tbogendaten d) {
  stempele(d);
  return fuegeEin(Elementart::Bogen, boegen_, std::move(d));
}

std::int32_t Elementspeicher::neuesPolygon(Elementart art, Tpolygondaten d) {
  d.x = punkte.x;
  d.y = punkte.y;
  const std::size_t n = d.x.size();
  // A style below 1 asks for a closed outline; one that already ends where it
  // starts is not closed a second time.
  if (aktuell.linienstil < 1 && n > 1 && (d.x[n - 1] != d.x[0] || d.y[n - 1] != d.y[0])) {
    d.x.push_back(d.x[0]);
    d.y.push_back(d.y[0]);
  }
  d.punktflags.resize(d.x.size(), 0);
  stempele(d);
  return fuegeEin(istPolygonart(art) ? art : Elementart::Polygon, polygone_, std::move(d));
}

std::int32_t Elementspeicher::neuesPolygonMitPunkten(Elementart art, Tpolygondaten d) {
  d.punktflags.assign(d.x.size(), 0);
  stempele(d);
  return fuegeEin(istPolygonart(art) ? art : Elementart::Polygon, polygone_, std::move(d));
}

std::int32_t Elementspeicher::neueBezierkurve(Tbezierdaten d) {
  stempele(d);
  return fuegeEin(Elementart::Bezier, beziers_, std::move(d));
}

std::int32_t Elementspeicher::neueBemassung(tmessdaten d) {
  stempele(d);
  return fuegeEin(Elementart::Bemassung, bemassungen_, std::move(d));
}

std::int32_t Elementspeicher::neueGruppenklammer(Elementart art, tgruppendaten d) {
  stempele(d);
  return fuegeEin(art == Elementart::Gruppenende ? art : Elementart::Gruppenanfang, gruppen_, std::move(d));
}

std::int32_t Elementspeicher::neueBitmap(Elementart art, Tbitmapdaten d) {
  stempele(d);
  return fuegeEin(art == Elementart::Fuellung ? art : Elementart::Bitmap, bitmaps_, std::move(d));
}

std::int32_t Elementspeicher::neuerText(Elementart art, Tfliestextdaten d) {
  stempele(d);
  if (d.zeilen.size() > 256) d.zeilen.resize(256);
  if (d.formate.size() > 256) d.formate.resize(256);
  return fuegeEin(art == Elementart::Kommentar ? art : Elementart::Text, texte_, std::move(d));
}

std::int32_t Elementspeicher::neuesMetafile(Tmetafiledaten d) {
  stempele(d);
  return fuegeEin(Elementart::Metafile, metafiles_, std::move(d));
}

void Elementspeicher::vervollstaendige(std::int32_t n) {
  zaehleAenderung();
  zustand_[n] = undoStufe_;
  altZustand_[n] = 0;
  markiert_[n] = 1;
  if (sonderHinzufuegen) flags_[0][n] = 1;
}

std::int32_t Elementspeicher::dupliziere(std::int32_t n) {
  if (art_[n] == Elementart::Frei) return 0;
  if (gesamt_ + 1 > kapazitaet_) wachseSpalten();
  const Elementart art = art_[n];
  return fuegeSlotEin(art, kopiereSatz(n));
}

std::uint32_t Elementspeicher::kopiereSatz(std::int32_t n) {
  const Satzart art = satzart(art_[n]);
  std::uint32_t neu = 0;
  fuerJedenPool([&](Satzart s, auto& pool) {
    using Satz = typename std::remove_cvref_t<decltype(pool)>::Satztyp;
    if (s == art) neu = pool.lege(Satz(pool[slot_[n]]));
  });
  return neu;
}

void Elementspeicher::gibSatzFrei(std::int32_t n) {
  const Satzart art = satzart(art_[n]);
  fuerJedenPool([&](Satzart s, auto& pool) {
    if (s == art) pool.gib(slot_[n]);
  });
}

}  // namespace quarzel
