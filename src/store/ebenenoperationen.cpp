#include "store/ebenenoperationen.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "store/elementabbildung.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

constexpr std::string_view FrageUebertragen =
    "Sollen die markierten Objekte auf die aktivierte Ebene übertragen werden?";
constexpr std::string_view FrageVerschieben =
    "Sollen die markierten Objekte auf die neu gewählte Unterebene verschoben werden?";

std::string loeschfrage(std::string_view was) {
  return "Wollen Sie " + std::string(was) + " wirklich löschen?";
}

struct Vorlage {
  std::string_view text;
  std::vector<std::string_view> folien;  // empty names: "Unterebene " + k
};

const Vorlage& vorlage(Folienvorlage v) {
  static const Vorlage projektgrafiken{"Projektgrafiken (3 Folien)", {"Grundriss", "Bemaßung", "Beschriftung"}};
  static const Vorlage geschosse{"Geschosse (10 Folien)",
                                 {"Fundamente", "Kellergeschoss", "Erdgeschoss", "1. Obergeschoss", "2. Obergeschoss",
                                  "3. Obergeschoss", "4. Obergeschoss", "Dachgeschoss", "Spitzboden", "Dachaufsicht"}};
  static const Vorlage schnitte{"Schnitte (5 Folien)",
                                {"Schnitt A-A", "Schnitt B-B", "Schnitt C-C", "Schnitt D-D", "Schnitt E-E"}};
  static const Vorlage benutzerdefiniert{"Benutzerdefiniert (10 Folien)", std::vector<std::string_view>(10)};
  switch (v) {
    case Folienvorlage::Projektgrafiken:
      return projektgrafiken;
    case Folienvorlage::Geschosse:
      return geschosse;
    case Folienvorlage::Schnitte:
      return schnitte;
    case Folienvorlage::Benutzerdefiniert:
      break;
  }
  return benutzerdefiniert;
}

bool etwasMarkiert(const Elementspeicher& s) {
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.markiert(n) && s.lebendig(n)) return true;
  return false;
}

std::vector<std::int32_t> markierteLebende(const Elementspeicher& s) {
  std::vector<std::int32_t> liste;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.markiert(n) && s.lebendig(n)) liste.push_back(n);
  return liste;
}

// Moves the marked elements (or copies of them) to (ebene, folie) in one undo
// step, scaled from their own layer's scale to the new one when asked.
void uebertrage(Zeichnung& z, int ebene, int folie, const Uebertragung& o) {
  Elementspeicher& s = z.speicher;
  const double neuerNenner = massstabVon(z, ebene);
  const Weltpunkt p = o.bezugspunkt.value_or(z.ansicht.zeroPoint);
  auto aendere = [&](std::int32_t k) {
    if (o.skalieren) {
      // Keeping the size in drawing units: from 1:100 to 1:50 the elements
      // grow to twice their size on the sheet.
      const double alterNenner = massstabVon(z, s.planteil(k));
      if (alterNenner > 0 && neuerNenner > 0 && alterNenner != neuerNenner)
        bildeAb(s, k, Abbildung::streckung(p, alterNenner / neuerNenner));
    }
    s.setzePlanteil(k, static_cast<std::uint8_t>(ebene));
    s.setzeFolie(k, static_cast<std::uint8_t>(folie));
  };

  if (o.duplizieren) {
    // Opening the step may purge history and renumber: collect afterwards.
    s.beginneSchritt();
    const std::vector<std::int32_t> originale = markierteLebende(s);
    for (std::int32_t k : originale) {
      const std::int32_t kopie = s.dupliziere(k);
      if (kopie == 0) continue;
      s.vervollstaendige(kopie);
      s.setzeMarkiert(k, 0);
      aendere(kopie);
    }
  } else {
    // The marked elements become changeable copies; the originals stay in
    // the history, so one undo brings everything back.
    s.bereiteAenderungVor();
    for (std::int32_t k : markierteLebende(s)) aendere(k);
  }
  s.setzeModifiziert(true);
}

void geaendert(Zeichnung& z) {
  uebernimmAktive(z);
  z.speicher.setzeModifiziert(true);
}

}  // namespace

// --- New layer ---------------------------------------------------------------------

std::string_view vorlagenText(Folienvorlage v) {
  return vorlage(v).text;
}

void wendeVorlageAn(PlanteilNeuAngaben& a, Folienvorlage v) {
  const Vorlage& vo = vorlage(v);
  for (int i = 0; i < PlanteilNeuAngaben::Folienfelder; ++i) {
    const bool belegt = i < static_cast<int>(vo.folien.size());
    a.angehakt[i] = belegt;
    if (!belegt) {
      a.folien[i].clear();
    } else if (vo.folien[i].empty()) {
      a.folien[i] = Ebenen::standardFolienname(i + 1);
    } else {
      a.folien[i] = std::string(vo.folien[i]);
    }
  }
}

double massstabAus(const PlanteilNeuAngaben& a) {
  constexpr double Vorgabe = 100;
  if (a.zeichnungsmassstab) return 0;
  if (a.beliebigerMassstab) {
    if (!std::isfinite(a.freierMassstab)) return Vorgabe;
    return std::clamp(a.freierMassstab, 0.00001, 1000000.0);
  }
  if (a.massstabKnopf < 0 || a.massstabKnopf >= static_cast<int>(Massstabknoepfe.size())) return Vorgabe;
  return Massstabknoepfe[a.massstabKnopf];
}

std::uint8_t einheitAus(const PlanteilNeuAngaben& a) {
  if (a.zeichnungseinheit || a.einheitWahl < 0 || a.einheitWahl > 7) return 0;
  Ebeneneinheit e;
  e.code = static_cast<std::uint8_t>(a.einheitWahl + 1);
  e.nachkommastellen = static_cast<std::uint8_t>(std::clamp(a.nachkommastellen, 0, 3));
  e.anzeigen = a.einheitAnzeigen;
  return packeEinheit(e);
}

std::uint8_t neueEbene(Zeichnung& z, const PlanteilNeuAngaben& a) {
  Ebenen& e = z.ebenen;
  const std::uint8_t nr = e.fuegeEbeneAn(a.bezeichnung);
  if (nr == 0) return 0;
  e.fuegeFolieAn(nr, a.folien[0]);
  for (int i = 1; i < PlanteilNeuAngaben::Folienfelder; ++i)
    if (a.angehakt[i]) e.fuegeFolieAn(nr, a.folien[i]);
  e.setzeMassstab(nr, massstabAus(a));
  e.setzeEinheit(nr, einheitAus(a));
  e.setzeAktiv(nr, 1);
  geaendert(z);
  return nr;
}

// --- Activating ----------------------------------------------------------------------

void aktiviereEbene(Zeichnung& z, Benutzer& b, int ebene, const Uebertragung& optionen) {
  Ebenen& e = z.ebenen;
  if (!e.existiert(ebene)) return;
  e.setzeAktiv(ebene, e.gemerkteFolie(ebene));
  uebernimmAktive(z);
  if (!etwasMarkiert(z.speicher)) return;
  if (b.jaNein(FrageUebertragen)) {
    uebertrage(z, e.aktiveEbene(), e.aktiveFolie(), optionen);
  } else {
    z.speicher.demarkiereAlle();
  }
}

bool naechsteEbene(Zeichnung& z, int richtung) {
  Ebenen& e = z.ebenen;
  const int ziel = e.aktiveEbene() + (richtung > 0 ? 1 : -1);
  if (!e.existiert(ziel)) return false;
  e.setzeAktiv(ziel, e.gemerkteFolie(ziel));
  uebernimmAktive(z);
  return true;
}

void aktiviereFolie(Zeichnung& z, Benutzer& b, int folie) {
  Ebenen& e = z.ebenen;
  const int ebene = e.aktiveEbene();
  if (!e.folieExistiert(ebene, folie)) return;
  e.setzeAktiv(ebene, folie);
  uebernimmAktive(z);
  Elementspeicher& s = z.speicher;
  if (!etwasMarkiert(s)) return;
  if (!b.jaNein(FrageVerschieben)) {
    s.demarkiereAlle();
    return;
  }
  // "The newly chosen sublayer" is one of the active layer: marked elements
  // of other layers come along to it rather than onto a sublayer number
  // their own layer may not have.
  s.bereiteAenderungVor();
  for (std::int32_t k : markierteLebende(s)) {
    s.setzePlanteil(k, static_cast<std::uint8_t>(ebene));
    s.setzeFolie(k, static_cast<std::uint8_t>(folie));
  }
  s.setzeModifiziert(true);
}

// --- Deleting ----------------------------------------------------------------------------

bool loescheAktiveEbene(Zeichnung& z, Benutzer& b) {
  Ebenen& e = z.ebenen;
  Elementspeicher& s = z.speicher;
  const int n = e.aktiveEbene();
  if (!e.existiert(n)) return false;
  if (e.anzahl() <= 1) {
    b.meldung("Die einzige Ebene der Zeichnung kann nicht gelöscht werden.", Meldungsart::Warnung);
    return false;
  }
  if (!b.jaNein(loeschfrage("die aktuelle Ebene"))) return false;

  s.entferneWenn([&](std::int32_t k) { return s.planteil(k) == n; });
  for (std::int32_t k = 1; k <= s.gesamtanzahl(); ++k) {
    const int p = s.planteil(k);
    if (p > n) s.setzePlanteil(k, static_cast<std::uint8_t>(p - 1));
  }
  e.entferneEbene(n);
  z.ansichten.entferneEbene(n);
  geaendert(z);
  return true;
}

bool loescheAktiveFolie(Zeichnung& z, Benutzer& b) {
  Ebenen& e = z.ebenen;
  Elementspeicher& s = z.speicher;
  const int n = e.aktiveEbene();
  const int f = e.aktiveFolie();
  if (!e.folieExistiert(n, f)) return false;
  if (e.folienanzahl(n) <= 1) {
    b.meldung("Die einzige Unterebene einer Ebene kann nicht gelöscht werden.", Meldungsart::Warnung);
    return false;
  }
  if (!b.jaNein(loeschfrage("die aktuelle Unterebene"))) return false;

  s.entferneWenn([&](std::int32_t k) { return s.planteil(k) == n && s.folie(k) == f; });
  for (std::int32_t k = 1; k <= s.gesamtanzahl(); ++k) {
    if (s.planteil(k) != n) continue;
    const int fo = s.folie(k);
    if (fo > f) s.setzeFolie(k, static_cast<std::uint8_t>(fo - 1));
  }
  e.entferneFolie(n, f);
  z.ansichten.entferneFolie(n, f, e.folienanzahl(n));
  geaendert(z);
  return true;
}

// --- Sublayers, order, display ------------------------------------------------------------

std::uint8_t neueFolie(Zeichnung& z, std::string name) {
  Ebenen& e = z.ebenen;
  const int ebene = e.aktiveEbene();
  const std::uint8_t nr = e.fuegeFolieAn(ebene, std::move(name));
  if (nr == 0) return 0;
  e.setzeAktiv(ebene, nr);
  geaendert(z);
  return nr;
}

void schuetzeAktiveFolie(Zeichnung& z, bool geschuetzt) {
  Ebenen& e = z.ebenen;
  const int ebene = e.aktiveEbene();
  const int folie = e.aktiveFolie();
  if (!e.folieExistiert(ebene, folie)) return;
  std::uint8_t zustand = e.folienzustand(ebene, folie);
  zustand = geschuetzt ? (zustand | FolieGeschuetzt) : (zustand & ~FolieGeschuetzt);
  e.setzeFolienzustand(ebene, folie, zustand);
  z.speicher.setzeModifiziert(true);
}

void tauscheEbenen(Zeichnung& z, int a, int b) {
  Ebenen& e = z.ebenen;
  Elementspeicher& s = z.speicher;
  if (a == b || !e.existiert(a) || !e.existiert(b)) return;
  for (std::int32_t k = 1; k <= s.gesamtanzahl(); ++k) {
    const int p = s.planteil(k);
    if (p == a) {
      s.setzePlanteil(k, static_cast<std::uint8_t>(b));
    } else if (p == b) {
      s.setzePlanteil(k, static_cast<std::uint8_t>(a));
    }
  }
  e.tauscheEbenen(a, b);
  z.ansichten.tauscheEbenen(a, b);
  geaendert(z);
}

void tauscheFolien(Zeichnung& z, int a, int b) {
  Ebenen& e = z.ebenen;
  Elementspeicher& s = z.speicher;
  const int ebene = e.aktiveEbene();
  if (a == b || !e.folieExistiert(ebene, a) || !e.folieExistiert(ebene, b)) return;
  for (std::int32_t k = 1; k <= s.gesamtanzahl(); ++k) {
    if (s.planteil(k) != ebene) continue;
    const int f = s.folie(k);
    if (f == a) {
      s.setzeFolie(k, static_cast<std::uint8_t>(b));
    } else if (f == b) {
      s.setzeFolie(k, static_cast<std::uint8_t>(a));
    }
  }
  e.tauscheFolien(ebene, a, b);
  z.ansichten.tauscheFolien(ebene, a, b);
  geaendert(z);
}

std::uint8_t wechsleSichtbarkeit(Zeichnung& z) {
  Ebenen& e = z.ebenen;
  const int ebene = e.aktiveEbene();
  if (!e.existiert(ebene)) return 0;
  e.setzeAnzeigezustand(ebene, static_cast<std::uint8_t>((e.anzeigezustand(ebene) + 1) & 3));
  z.speicher.setzeModifiziert(true);
  return e.anzeigezustand(ebene);
}

// --- Helpers ------------------------------------------------------------------------------

double massstabVon(const Zeichnung& z, int ebene) {
  const double m = z.ebenen.massstab(ebene);
  return m != 0 ? m : z.ansicht.drawingScale;
}

void uebernimmAktive(Zeichnung& z) {
  z.speicher.aktuell.planteil = z.ebenen.aktiveEbene();
  z.speicher.aktuell.folie = z.ebenen.aktiveFolie();
}

std::string folienameBeimLaden(std::string name) {
  if (name == "LE-Bewehrungspunkte") return "LE-Lager";
  return name;
}

}  // namespace quarzel
