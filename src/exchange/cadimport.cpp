#include "exchange/cadimport.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/dateiabbild.h"
#include "exchange/cadaufloesung.h"
#include "exchange/cadelementbau.h"
#include "exchange/cadformate.h"
#include "exchange/cadlinientypen.h"
#include "exchange/cgmleser.h"
#include "exchange/dwgleser.h"
#include "exchange/dxfleser.h"
#include "exchange/ebenenzuordnung.h"
#include "exchange/hpglleser.h"
#include "exchange/svgleser.h"
#include "platform/benutzer.h"
#include "store/elementabbildung.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

constexpr std::int32_t kMeldeschritt = 1000;

// Millimetres per unit, by the file's unit code ($INSUNITS); unitless files
// (0) count as millimetres.
constexpr double kMillimeterJeEinheit[] = {1,
                                           25.4,
                                           304.8,
                                           1609344,
                                           1,
                                           10,
                                           1000,
                                           1e6,
                                           25.4e-6,
                                           0.0254,
                                           914.4,
                                           1e-7,
                                           1e-6,
                                           1e-3,
                                           100,
                                           1e4,
                                           1e5,
                                           1e12,
                                           1.495978707e14,
                                           9.4607304725808e18,
                                           3.0856775814913673e19};

double millimeterJeEinheit(int code) {
  return code >= 0 && code < static_cast<int>(std::size(kMillimeterJeEinheit)) ? kMillimeterJeEinheit[code] : 1;
}

bool istLayoutblock(const std::string& name) {
  return !name.empty() && name.front() == '*';
}

class Importlauf {
 public:
  Importlauf(Zeichnung& z, Benutzer& b, const CadDatei& d, const CadImportoptionen& o, int ziel, Importlage lage)
      : z_(z), b_(b), d_(d), zuordnung_(z, ziel), bau_(z, d.modell, lage, d.punktdarstellung) {
    aufloesen_.cliprahmenIgnorieren = o.cliprahmenIgnorieren;
    aufloesen_.zNichtFiltern = o.zNichtFiltern;
    aufloesen_.yzTauschen = o.yzTauschen;
    aufloesen_.punkte = o.punkte;
    bau_.grundstil = z.speicher.aktuell.linienstil;
  }

  void entitaeten(const CadEntitaetenliste& quelle) {
    erwartet_ += quelle.size();
    const CadAufloeseErgebnis e =
        cadAufloesen(d_.modell, quelle, aufloesen_, [this](const CadWeltelement& w) { element(w); });
    if (!e.warnung.empty() && warnung_.empty()) warnung_ = e.warnung;
  }

  // Every block but the layouts' own, each as a group named after it.
  void bloecke() {
    Elementspeicher& s = z_.speicher;
    for (const CadBlock& block : d_.modell.bloecke) {
      if (istLayoutblock(block.name)) continue;
      tgruppendaten anfang;
      anfang.name = block.name;
      bool geoeffnet = false;
      bau_.beginneBox();
      const std::int32_t vorher = bau_.anzahl();
      std::int32_t gruppe = 0;
      auto oeffne = [&] {
        if (geoeffnet) return;
        geoeffnet = true;
        gruppe = s.neueGruppenklammer(Elementart::Gruppenanfang, anfang);
        bau_.fertig(gruppe);
      };
      vorElement_ = oeffne;
      entitaeten(block.entitaeten);
      vorElement_ = nullptr;
      if (!geoeffnet) continue;
      if (bau_.anzahl() - vorher > 1 && !bau_.boxLeer()) {
        const Weltrechteck r = bau_.box();
        s.gruppe(gruppe).rahmen = {r.x1, r.y1, r.x2, r.y2};
      }
      tgruppendaten ende;
      ende.name = block.name;
      bau_.fertig(s.neueGruppenklammer(Elementart::Gruppenende, std::move(ende)));
    }
  }

  void abschliessen() {
    b_.fortschritt("", -1);
    if (!warnung_.empty()) b_.meldung(warnung_, Meldungsart::Warnung);
  }

  const CadElementbau& bau() const { return bau_; }

 private:
  void element(const CadWeltelement& w) {
    if (w.layer < d_.modell.namen.size() && !zuordnung_.ordneZu(d_.modell.namen[w.layer], ausgeblendet(w.layer))) {
      if (warnung_.empty())
        warnung_ = "Nicht alle Layer der Datei fanden eine Unterebene; der Rest liegt auf der zuletzt verwendeten.";
    }
    if (!w.stiftart.empty()) bau_.grundstil = linienstilAusStiftart(w.stiftart, bau_.grundstil);
    if (vorElement_) vorElement_();
    bau_.baue(w);
    if (bau_.anzahl() - gemeldet_ > kMeldeschritt) {
      gemeldet_ = bau_.anzahl();
      // The source's entity count is only an estimate: inserts expand.
      const double anteil = erwartet_ > 0 ? 100.0 * gemeldet_ / static_cast<double>(erwartet_) : 0;
      b_.fortschritt(std::to_string(gemeldet_) + " Objekte importiert", static_cast<int>(std::min(99.0, anteil)));
    }
  }

  // Whether the file shows the layer: switched off or frozen ones come in
  // hidden. Looked up once per name.
  bool ausgeblendet(std::uint32_t layer) {
    if (layer >= ausgeblendet_.size()) ausgeblendet_.resize(d_.modell.namen.size(), -1);
    std::int8_t& merk = ausgeblendet_[layer];
    if (merk < 0) {
      const CadLayer* l = d_.modell.layerNamens(d_.modell.namen[layer]);
      merk = l != nullptr && (l->aus || l->gefroren) ? 1 : 0;
    }
    return merk == 1;
  }

  Zeichnung& z_;
  Benutzer& b_;
  const CadDatei& d_;
  Ebenenzuordnung zuordnung_;
  CadElementbau bau_;
  CadAufloeseOptionen aufloesen_;
  std::function<void()> vorElement_;
  std::int32_t gemeldet_ = 0;
  std::size_t erwartet_ = 0;
  std::vector<std::int8_t> ausgeblendet_;  // per name: -1 not asked yet
  std::string warnung_;
};

// The first free layer, named after the file, visible, active.
int legeZielebeneAn(Zeichnung& z, const std::string& pfad) {
  Ebenen& e = z.ebenen;
  const int nr = e.fuegeEbeneAn(std::filesystem::path(pfad).filename().string());
  if (nr == 0) return 0;
  e.setzeSichtbarFlag(nr, 1);
  e.setzeAktiv(nr, 1);
  z.speicher.aktuell.planteil = static_cast<std::uint8_t>(nr);
  z.speicher.aktuell.folie = 1;
  return nr;
}

// Moves the import onto the sheet when it lies wholly beside it.
void legeAufsBlatt(Zeichnung& z, const CadElementbau& bau) {
  if (bau.boxLeer()) return;
  const Ansicht& a = z.ansicht;
  const Weltrechteck r = bau.box();
  const double bl = a.sheetLeft, bo = a.sheetTop, br = bl + a.sheetWidth, bu = bo + a.sheetHeight;
  if (r.x2 >= bl && r.x1 <= br && r.y2 >= bo && r.y1 <= bu) return;
  const Abbildung v = Abbildung::verschiebung((bl + br) / 2 - (r.x1 + r.x2) / 2, (bo + bu) / 2 - (r.y1 + r.y2) / 2);
  Elementspeicher& s = z.speicher;
  for (std::int32_t n = bau.erstes(); n <= s.anzahl(); ++n) bildeAb(s, n, v);
}

// The resolver and the adapter rely on every index of the model; a reader
// guarantees them, and this keeps a slip of one from becoming a crash.
CadDatei pruefeIndizes(CadDatei d) {
  if (d.gelesen && !d.modell.indizesGueltig()) {
    const std::string pfad = d.pfad;
    d = CadDatei{};
    d.pfad = pfad;
    d.fehler = "Die Datei \"" + pfad + "\" ist beschädigt und kann nicht importiert werden.";
  }
  return d;
}

}  // namespace

CadDatei ladeCadDatei(const std::string& pfad, const std::function<bool()>& abbrechen) {
  CadDatei d;
  d.pfad = pfad;
  const CadLeser leser = cadLeser(pfad);
  if (leser == CadLeser::Keiner) {
    d.fehler = "Dateien dieser Art können nicht importiert werden.";
    return d;
  }
  if (leser == CadLeser::Dwg) {
    const DwgErgebnis e = dwgLesen(pfad, d.modell, standardDwgKonverter(), abbrechen);
    d.fehler = e.fehler;
    d.punktdarstellung = e.punktdarstellung;
    d.gelesen = e.ok || !d.modell.entitaeten.empty() || !d.modell.bloecke.empty();
    return pruefeIndizes(std::move(d));
  }
  // Mapped, not copied, and released before the import fills the store.
  Dateiabbild abbild;
  if (!abbild.oeffnen(pfad)) {
    d.fehler = abbild.fehler();
    return d;
  }
  const std::string_view daten = abbild.daten();
  switch (leser) {
    case CadLeser::Dxf: {
      // Before the reader, which lets the pages it has read go.
      d.punktdarstellung = cadPunktdarstellung(daten);
      const DxfErgebnis e = dxfLesen(daten, d.modell, [&abbild](std::size_t bis) { abbild.gibFrei(bis); });
      d.fehler = e.fehler;
      d.gelesen = e.ok || !d.modell.entitaeten.empty() || !d.modell.bloecke.empty();
      break;
    }
    case CadLeser::Hpgl:
    case CadLeser::Svg:
    case CadLeser::Cgm: {
      const CadLeseergebnis e = leser == CadLeser::Hpgl  ? hpglLesen(daten, d.modell)
                                : leser == CadLeser::Svg ? svgLesen(daten, d.modell)
                                                         : cgmLesen(daten, d.modell);
      d.fehler = e.fehler;
      d.gelesen = e.ok || !d.modell.entitaeten.empty();
      break;
    }
    case CadLeser::Keiner:
    case CadLeser::Dwg:
      break;  // handled above
  }
  return pruefeIndizes(std::move(d));
}

CadImportergebnis importiereCad(Zeichnung& z, Benutzer& benutzer, const CadDatei& datei,
                                const CadImportoptionen& optionen, std::string_view layout) {
  const int ziel = legeZielebeneAn(z, datei.pfad);
  if (ziel == 0) {
    benutzer.meldung("Es ist keine Ebene mehr frei.", Meldungsart::Fehler);
    return {};
  }
  // CAD drawings are real-world sizes, shrunk by the layer's scale; plot
  // files, SVG and CGM pictures are paper already and keep their size.
  const CadLeser leser = cadLeser(datei.pfad);
  const bool papier = leser == CadLeser::Hpgl || leser == CadLeser::Svg || leser == CadLeser::Cgm;
  const double nenner = papier ? 1 : (z.ebenen.massstab(ziel) != 0 ? z.ebenen.massstab(ziel) : z.ansicht.drawingScale);
  Importlage lage;
  const double f = millimeterJeEinheit(datei.modell.einheiten) / (nenner > 0 ? nenner : 1);
  if (f != 0 && std::isfinite(f)) lage.f = f;
  lage.x0 = z.ansicht.sheetLeft;
  lage.y0 = double(z.ansicht.sheetTop) + z.ansicht.sheetHeight;

  const AktuelleAttribute vorher = z.speicher.aktuell;
  Importlauf lauf(z, benutzer, datei, optionen, ziel, lage);
  benutzer.fortschritt("0 Objekte importiert", 0);
  if (optionen.blockweise)
    lauf.bloecke();
  else
    lauf.entitaeten(entitaetenDesLayouts(datei.modell, layout));
  lauf.abschliessen();

  Ebenen& e = z.ebenen;
  if (e.folienanzahl(ziel) == 0) e.fuegeFolieAn(ziel, Ebenen::standardFolienname(1));
  e.setzeAktiv(ziel, 1);
  z.speicher.aktuell = vorher;
  z.speicher.aktuell.planteil = static_cast<std::uint8_t>(ziel);
  z.speicher.aktuell.folie = 1;
  const CadElementbau& bau = lauf.bau();
  if (bau.etwasGebaut()) {
    legeAufsBlatt(z, bau);
    z.speicher.demarkiereAlle();
    z.speicher.setzeModifiziert(true);
  }
  return {bau.anzahl(), ziel};
}

bool cadVersionBestaetigt(const std::string& pfad, Benutzer& benutzer) {
  std::ifstream ein(pfad, std::ios::binary);
  char anfang[512] = {};
  ein.read(anfang, sizeof anfang);
  const std::string code = cadVersionscode(std::string_view(anfang, static_cast<std::size_t>(ein.gcount())));
  const std::optional<std::string> frage = cadVersionsfrage(code);
  return !frage || benutzer.jaNein(*frage);
}

CadImportergebnis importiereCadDatei(Zeichnung& z, Benutzer& benutzer, const std::string& pfad,
                                     const CadImportoptionen& optionen, std::string_view layout,
                                     const std::function<bool()>& abbrechen) {
  if (cadLeser(pfad) == CadLeser::Keiner) return {};
  if (!cadVersionBestaetigt(pfad, benutzer)) return {};
  const CadDatei datei = ladeCadDatei(pfad, abbrechen);
  if (!datei.gelesen) {
    benutzer.meldung(datei.fehler, Meldungsart::Fehler);
    return {};
  }
  if (!datei.fehler.empty() &&
      !benutzer.jaNein(datei.fehler + "\r\nSoll der lesbare Teil der Datei importiert werden?"))
    return {};
  return importiereCad(z, benutzer, datei, optionen, layout);
}

}  // namespace quarzel
