// The reader of the drawing file. It accepts the current format and the five
// older signatures, reads into a new drawing and replaces the open one only
// when the file turned out to be a drawing. The record stream is read by the
// reader the symbol files share (satzleser.h); in files with record markers a
// damaged record is skipped up to the next "{|}" and reading goes on.
#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_set>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "base/sicheredatei.h"
#include "store/dateiformat.h"
#include "store/ebenenoperationen.h"
#include "store/einstellungssaetze.h"
#include "store/linienstilzeichnung.h"
#include "store/satzleser.h"
#include "store/zeichnungsdatei.h"

namespace quarzel {

namespace {

using namespace datei;

constexpr std::size_t HoechsteDateigroesse = std::size_t(2) << 30;
constexpr std::size_t Werkzeugblock = 18;  // the tool panel of the header: u8, u32, u32, f64, u8

struct Kennungseintrag {
  const char* signatur;
  bool mitVersion;
  bool markiert;
};
constexpr Kennungseintrag Kennungen[] = {
    {"Ostrun", false, false}, {"oStrun", false, false}, {"oS1.01", false, false},
    {"oS1.02", true, false},  {"VS1.00", true, true},   {"ZEI.01", true, true},
};

class Leser {
 public:
  Leser(std::span<const std::uint8_t> daten, Zeichnung& z, Benutzer& b, const Ladeoptionen& o,
        const Dateikennung& kennung, bool pufferFreigeben)
      : l_(daten), daten_(daten), z_(z), benutzer_(b), optionen_(o), kennung_(kennung),
        pufferFreigeben_(pufferFreigeben) {
    k_.version = kennung.version;
    k_.vsVariante = kennung.vsVariante;
    k_.markiert = kennung.markiert;
    // Without a reference of its own a file's coordinates are relative to
    // the view origin in force.
    k_.bezugX = z.ansicht.viewOriginX;
    k_.bezugY = z.ansicht.viewOriginY;
  }

  // The header into the scratch drawing; false when it is not consistent.
  // Nothing of the store is touched yet, so the caller can still give up.
  bool leseKopfteil() {
    l_.setzePosition(9 + (kennung_.version || kennungMitVersion() ? 2 : 0));
    return leseKopf() && !l_.fehler();
  }

  void lies(Ladeergebnis& e) {
    z_.speicher.beginneSchritt();
    leseSaetze(e);
    z_.speicher.aktuell.linienstil = 1;  // the last element's style is no choice of the user
    repariereGruppen(e);
    ergaenzeEbenen();
    pruefeSchraffuren(e);
    if (stiftproblem_)
      e.hinweise.push_back(
          {Meldungsart::Warnung,
           "Es gab Probleme beim Laden der Stiftbreiten.\rBitte Überprüfen Sie diese unter Optionen/Stiftbreiten."});
    z_.ebenen.setzeAktiv(aktiveEbene_, aktiveFolie_);
    z_.speicher.demarkiereAlle();
    z_.speicher.setzeModifiziert(false);
    e.elemente = elemente_;
  }

 private:
  bool kennungMitVersion() const {
    for (const auto& k : Kennungen)
      if (kennung_.signatur == k.signatur) return k.mitVersion;
    return false;
  }

  bool marke() { return !k_.markiert || l_.marke(); }

  // --- Header ---------------------------------------------------------------

  // Writers differ in where they put header markers: some end every section
  // with one, some leave out the line-style file and put the marker right
  // after the pens. A marker after any section is accepted; the ones after
  // the line-style file, the tool panel and the unit block are required.
  void freiwilligeMarke() {
    if (k_.markiert && l_.markeBei(l_.position())) l_.ueberspringe(3);
  }

  bool leseKopf() {
    freiwilligeMarke();
    Ansicht& a = z_.ansicht;
    a.layoutView = l_.u8() != 0;
    freiwilligeMarke();
    const std::int32_t breite = l_.u16(), hoehe = l_.u16();
    a.sheetWidth = breite ? breite : 297;
    a.sheetHeight = hoehe ? hoehe : 210;
    a.sheetLeft = Ansicht::nearestInt32(a.WorldWidth / 2.0 - a.sheetWidth / 2.0);
    a.sheetTop = Ansicht::nearestInt32(a.WorldHeight / 2.0 - a.sheetHeight / 2.0);
    freiwilligeMarke();

    const std::uint8_t stifte = l_.u8();
    if (stifte > 25) stiftproblem_ = true;
    for (int i = 1; i <= stifte; ++i) {
      const double b = l_.f64();
      if (l_.fehler()) return false;
      if (!std::isfinite(b) || b < 0 || b > 100) {
        stiftproblem_ = true;
      } else if (i <= 25) {
        z_.stifte.penWidth[i] = b;
      }
    }
    if (!leseLinienstildatei()) return false;

    Zeichnungsoptionen& o = z_.optionen;
    o.werkzeugWahl = l_.u8();
    o.werkzeugWert1 = l_.u32();
    o.werkzeugWert2 = l_.u32();
    o.werkzeugWert3 = l_.f64();
    o.werkzeugWert4 = l_.u8();
    if (!marke()) return false;

    leseEbenen();
    if (l_.fehler()) return false;
    freiwilligeMarke();
    if (!leseEinheitenblock()) return false;
    return marke();
  }

  // The embedded line-style file and the marker after it. A marker right
  // after the pens means the file may be left out: it is there only when
  // its length, a marker, the tool panel and its marker fit behind.
  bool leseLinienstildatei() {
    if (!k_.markiert) return leseEingebetteteLinienstile();
    if (l_.markeBei(l_.position())) {
      l_.ueberspringe(3);
      const std::size_t p = l_.position();
      Lesestrom probe(l_);
      const std::uint32_t laenge = probe.u32();
      const bool eingebettet = !probe.fehler() && laenge <= probe.rest() && probe.markeBei(p + 4 + laenge) &&
                               probe.markeBei(p + 4 + laenge + 3 + Werkzeugblock);
      if (!eingebettet) return true;
    }
    return leseEingebetteteLinienstile() && marke();
  }

  bool leseEingebetteteLinienstile() {
    const std::uint32_t laenge = l_.u32();
    if (l_.fehler() || laenge > l_.rest() || laenge > HoechsteEinbettung) return false;
    z_.optionen.linienstildatei = l_.bytes(laenge);
    return true;
  }

  void leseEbenen() {
    Ebenen& e = z_.ebenen;
    e.leere();
    const std::uint8_t modus = l_.u8();
    e.modus = modus <= 2 ? static_cast<Sichtbarkeitsmodus>(modus) : Sichtbarkeitsmodus::Alle;
    for (;;) {
      std::string name = l_.kurzString();
      if (l_.fehler() || name.empty()) break;
      const std::uint8_t nummer = e.fuegeEbeneAn(std::move(name));
      const std::uint8_t sichtbar = l_.u8();
      const double massstab = l_.f64();
      const std::uint8_t zustand = l_.u8(), gemerkt = l_.u8();
      if (nummer) {
        e.setzeSichtbarFlag(nummer, sichtbar);
        e.setzeMassstab(nummer, std::isfinite(massstab) && massstab > 0 && massstab <= 1e7 ? massstab : 0);
        e.setzeAnzeigezustand(nummer, zustand);
      }
      for (;;) {
        std::string folie = l_.kurzString();
        if (l_.fehler() || folie.empty()) break;
        const std::uint8_t folienzustand = l_.u8();
        if (folie == "LE-Bewehrungspunkte") folie = "LE-Lager";
        if (!nummer) continue;
        const std::uint8_t f = e.fuegeFolieAn(nummer, std::move(folie));
        if (f) e.setzeFolienzustand(nummer, f, folienzustand);
      }
      if (nummer) e.setzeGemerkteFolie(nummer, gemerkt);
    }
    aktiveEbene_ = l_.u8();
    aktiveFolie_ = l_.u8();
  }

  bool leseEinheitenblock() {
    Ansicht& a = z_.ansicht;
    Zeichnungsoptionen& o = z_.optionen;
    const std::uint8_t code = l_.u8();
    const double faktor = l_.f64();
    const std::uint8_t dezimalen = l_.u8(), imperial = l_.u8(), anzeigen = l_.u8();
    const double massstab = l_.f80();
    for (std::uint8_t& b : o.zeichenhilfen) b = l_.u8();
    o.koordinatenanzeige = l_.u8();
    const std::uint32_t ursprungX = l_.u32(), ursprungY = l_.u32();
    o.einheitenblockWerte[0] = l_.u32();
    o.einheitenblockWerte[1] = l_.u32();
    const double zoom = l_.f64();
    o.einheitenblockByte1 = l_.u8();
    o.einheitenblockWert3 = l_.u32();
    o.titel = l_.kurzString();
    o.einheitenblockByte2 = l_.u8();
    if (l_.fehler()) return false;

    if (code >= 1 && code <= 8 && std::isfinite(faktor) && faktor > 0) {
      a.unitCode = code;
      a.unitFactor = faktor;
      a.unitName = einheitenname(code);
    }
    a.displayDecimals = std::min<int>(dezimalen, 4);
    a.imperialDecimal = imperial != 0;
    o.einheitAnzeigen = anzeigen != 0;
    if (std::isfinite(massstab) && massstab > 0 && massstab <= 1e7) a.drawingScale = massstab;
    // The view the drawing was saved with, when it is a possible one.
    if (a.setzeSicht(zoom, static_cast<std::int32_t>(ursprungX), static_cast<std::int32_t>(ursprungY))) {
      k_.bezugX = a.viewOriginX;
      k_.bezugY = a.viewOriginY;
    }
    return true;
  }

  static std::string einheitenname(std::uint8_t code) {
    static constexpr const char* Namen[] = {"", "mm", "cm", "m", "km", "in", "ft", "yd", "mls"};
    return code <= 8 ? Namen[code] : "";
  }

  // --- Record stream ----------------------------------------------------------

  void leseSaetze(Ladeergebnis& e) {
    Satzleseart art;
    art.zoom = z_.ansicht.zoom;
    art.weitererSatz = [this](std::uint8_t tag) {
      const Einstellungssatz* satz = einstellungssatz(tag);
      return satz != nullptr && leseEinstellung(*satz);
    };
    art.zwischendurch = [this](std::size_t position) {
      gibGeleseneSeitenFrei();
      benutzer_.fortschritt("Zeichnung wird geladen", static_cast<int>(position * 100 / l_.groesse()));
      return !(optionen_.tastatur && optionen_.tastatur->escapeGedrueckt() &&
               benutzer_.auswahl("Zeichnung öffnen abbrechen?",
                                 "Das Laden wurde unterbrochen.\nWie wollen Sie fortfahren?",
                                 {"Alles Folgende verwerfen", "Weiterladen"}) == 0);
    };
    const Satzbilanz bilanz = quarzel::leseSaetze(l_, z_.speicher, k_, art);
    e.verworfeneSaetze = bilanz.verworfeneSaetze;
    e.wiedergelesen = bilanz.wiedergelesen;
    e.abgebrochen = bilanz.abgebrochen;
    elemente_ = bilanz.elemente;
    benutzer_.fortschritt("", -1);
  }

  // Nothing before the current record is read again (a damaged record is
  // read once more from its own start at most): when the buffer is the
  // loader's own, its pages go back to the system as the store fills, so a
  // big file and its drawing are not held in full at once.
  void gibGeleseneSeitenFrei() {
#if defined(__linux__) && defined(MADV_DONTNEED)
    if (!pufferFreigeben_) return;
    const auto seite = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto anfang = reinterpret_cast<std::uintptr_t>(daten_.data());
    const std::uintptr_t von = std::max(freigegebenBis_, (anfang + seite - 1) / seite * seite);
    const std::uintptr_t bis = (anfang + l_.position()) / seite * seite;
    if (bis <= von) return;
    madvise(reinterpret_cast<void*>(von), bis - von, MADV_DONTNEED);
    freigegebenBis_ = bis;
#endif
  }

  // A settings record writes into the drawing's tables as it reads, so it is
  // first read into a scratch drawing: only a record that proves whole (and,
  // in a marked file, ends at its marker) may change the drawing.
  bool leseEinstellung(const Einstellungssatz& e) {
    if (!probe_) probe_ = std::make_unique<Zeichnung>();
    probe_->optionen = {};
    Lesestrom probe = l_;
    Lesekontext k = k_;
    if (!e.lese(probe, *probe_, k) || probe.fehler() || (k_.markiert && !probe.marke())) {
      l_ = probe;
      return false;
    }
    return e.lese(l_, z_, k_);
  }

  // --- After the last record -----------------------------------------------------

  void repariereGruppen(Ladeergebnis& e) {
    const std::int32_t defekt = repariereGruppenklammern(z_.speicher);
    if (!defekt) return;
    e.hinweise.push_back({Meldungsart::Warnung, meldungDefekteGruppen(defekt)});
    e.defekteGruppen = defekt;
    elemente_ -= defekt;
  }

  // Elements on layers or sublayers the table lacks get them, named by their
  // number, so no element of a damaged file is lost or makes the structure
  // check end the program.
  void ergaenzeEbenen() {
    Ebenen& e = z_.ebenen;
    if (e.anzahl() == 0) e.fuegeEbeneAn("");
    const Elementspeicher& sp = z_.speicher;
    int zuletztEbene = 0, zuletztFolie = 0;  // neighbours mostly share both
    for (std::int32_t n = 1; n <= sp.anzahl(); ++n) {
      const int ebene = std::max<int>(sp.planteil(n), 1), folie = sp.folie(n);
      if (ebene == zuletztEbene && folie == zuletztFolie) continue;
      zuletztEbene = ebene;
      zuletztFolie = folie;
      while (e.anzahl() < ebene && e.fuegeEbeneAn("")) {
      }
      while (e.existiert(ebene) && e.folienanzahl(ebene) < folie && e.fuegeFolieAn(ebene, "")) {
      }
    }
    for (int n = 1; n <= e.anzahl(); ++n)
      if (e.folienanzahl(n) == 0) e.fuegeFolieAn(n, "");
  }

  void pruefeSchraffuren(Ladeergebnis& e) {
    const Elementspeicher& sp = z_.speicher;
    // Each name is looked at once, in a set: a file may carry or name a
    // hundred thousand hatches, and asking outside costs a file look-up.
    std::unordered_set<std::string> gesehen;
    for (const EingebetteteDatei& d : z_.optionen.schraffuren) gesehen.insert(d.name);
    std::vector<std::string> fehlend;
    for (std::int32_t n = 1; n <= sp.anzahl(); ++n) {
      if (!sp.lebendig(n)) continue;
      const Fuellangaben* f = sp.fuellung(n);
      if (!f || f->schraffurName.empty() || !gesehen.insert(f->schraffurName).second) continue;
      if (!optionen_.schraffurBekannt || !optionen_.schraffurBekannt(f->schraffurName))
        fehlend.push_back(f->schraffurName);
    }
    if (fehlend.empty()) return;
    std::string text = "Zur fehlerfreien Darstellung dieser Zeichnung fehlen " + std::to_string(fehlend.size()) +
                       " Schraffurdefinitionen:";
    for (const std::string& name : fehlend) text += "\n" + name;
    e.hinweise.push_back({Meldungsart::Warnung, std::move(text)});
    e.fehlendeSchraffuren = std::move(fehlend);
  }

  Lesestrom l_;
  std::span<const std::uint8_t> daten_;
  Zeichnung& z_;
  Benutzer& benutzer_;
  const Ladeoptionen& optionen_;
  const Dateikennung& kennung_;
  Lesekontext k_;
  std::unique_ptr<Zeichnung> probe_;  // scratch target of settings records
  std::int32_t elemente_ = 0;
  std::uint8_t aktiveEbene_ = 1, aktiveFolie_ = 1;
  bool stiftproblem_ = false;
  bool pufferFreigeben_;
  std::uintptr_t freigegebenBis_ = 0;
};

}  // namespace

bool leseKennung(std::span<const std::uint8_t> daten, Dateikennung& kennung) {
  if (daten.size() < 9 || daten[0] != 6) return false;
  const std::string signatur(reinterpret_cast<const char*>(daten.data() + 1), 6);
  for (const Kennungseintrag& k : Kennungen) {
    if (signatur != k.signatur) continue;
    kennung = {signatur, 0, false, k.markiert};
    if (k.mitVersion) {
      if (daten.size() < 11) return false;
      kennung.version = daten[9] | (daten[10] << 8);
      if (signatur == "VS1.00" && kennung.version == 2) {
        kennung.version = 1;
        kennung.vsVariante = true;
      }
    }
    return true;
  }
  return false;
}

namespace {

// `pufferFreigeben`: the bytes are the loader's own and may be given back
// while they are read.
Ladeergebnis leseZeichnungAus(std::span<const std::uint8_t> daten, Zeichnung& ziel, Benutzer& benutzer,
                              const Ladeoptionen& optionen, bool pufferFreigeben) {
  Ladeergebnis ergebnis;
  Dateikennung kennung;
  if (!leseKennung(daten, kennung)) {
    ergebnis.hinweise.push_back({Meldungsart::Fehler, MeldungKeineZeichnung});
    return ergebnis;
  }
  auto neu = std::make_unique<Zeichnung>();
  neu->ansicht = ziel.ansicht;
  // The drawing's own patterns are applied onto the ones in force; its pen
  // widths onto the pens in force, whose colours the file does not carry.
  neu->linienstile = ziel.linienstile;
  neu->stifte = ziel.stifte;
  Leser leser(daten, *neu, benutzer, optionen, kennung, pufferFreigeben);
  // A damaged header has no point to resynchronise on: rather nothing than
  // an empty drawing that a later save would write over the file.
  if (!leser.leseKopfteil()) {
    benutzer.meldung(MeldungKeineZeichnung, Meldungsart::Fehler);
    return ergebnis;
  }
  // The user's current pen and line style outlive the drawing; the records
  // overwrite them while they are read.
  const AktuelleAttribute aktuell = ziel.speicher.aktuell;
  const bool speicherUebernommen = ziel.speicher.kapazitaet() > 0;
  if (speicherUebernommen) {
    // Loading clears the store and keeps its capacity: a drawing loaded
    // after another costs no fresh memory (page faults are the dearest part
    // of a load) up to the size of the one before.
    neu->speicher = std::move(ziel.speicher);
    neu->speicher.leere();
    neu->speicher.sonderHinzufuegen = false;
    neu->speicher.schrittUnterdrueckt = false;
  } else {
    neu->speicher.undoTiefe = ziel.speicher.undoTiefe;
    if (!neu->speicher.initialisiere(benutzer)) return ergebnis;
  }
  try {
    leser.lies(ergebnis);
  } catch (...) {
    // Out of memory halfway: the target keeps a usable, empty store.
    if (speicherUebernommen) {
      ziel.speicher = std::move(neu->speicher);
      ziel.speicher.leere();
    }
    throw;
  }
  neu->speicher.aktuell = aktuell;
  linienstileAusZeichnung(neu->optionen, neu->linienstile);
  uebernimmAktive(*neu);
  neu->dateiname = ziel.dateiname;
  ziel = std::move(*neu);
  ergebnis.geladen = true;
  ergebnis.signatur = kennung.signatur;
  ergebnis.version = kennung.version;
  ergebnis.vsVariante = kennung.vsVariante;
  return ergebnis;
}

}  // namespace

Ladeergebnis leseZeichnung(std::span<const std::uint8_t> daten, Zeichnung& ziel, Benutzer& benutzer,
                           const Ladeoptionen& optionen) {
  return leseZeichnungAus(daten, ziel, benutzer, optionen, false);
}

Ladeergebnis ladeZeichnung(const std::string& pfad, Zeichnung& zeichnung, Benutzer& benutzer,
                           const Ladeoptionen& optionen) {
  Leseergebnis datei = leseDateiBegrenzt(pfad, HoechsteDateigroesse);
  if (datei.status != Lesestatus::Gelesen) {
    Ladeergebnis e;
    e.hinweise.push_back({Meldungsart::Fehler, datei.status == Lesestatus::Fehlt
                                                   ? "Die Datei " + pfad + " existiert nicht."
                                                   : std::string(MeldungKeineZeichnung)});
    return e;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(datei.inhalt.data());
  Ladeergebnis e = leseZeichnungAus({bytes, datei.inhalt.size()}, zeichnung, benutzer, optionen, true);
  if (e.geladen) zeichnung.dateiname = pfad;
  return e;
}

void meldeLadehinweise(const Ladeergebnis& ergebnis, Benutzer& benutzer) {
  for (const Ladehinweis& h : ergebnis.hinweise) benutzer.meldung(h.text, h.art);
}

}  // namespace quarzel
