#include "exchange/dxfschreiber.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <unordered_map>
#include <vector>

#include "base/sicheredatei.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// A named group: its block and where its members end.
struct Gruppenblock {
  std::int32_t anfang = 0, ende = 0;
  std::string name;
  std::uint64_t satz = 0;  // the block record's handle
};

std::string blockname(const std::string& gruppenname) {
  std::string n = dxfTextwert(gruppenname);
  for (char& c : n)
    if (std::string_view("<>/\\\":;?*|=`").find(c) != std::string_view::npos) c = '_';
  return n;
}

std::string klein(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return s;
}

// The header needs the extents and the next free handle, known only at the
// end. It goes into room kept at the front, the rest of which a comment
// fills, so the entities need not move to make room for it.
constexpr std::size_t kKopfraum = 1024;

class Dokument {
 public:
  Dokument(const Zeichnung& z, std::string& aus, const Textersetzung* ersetzung)
      : z_(z), ersetzung_(ersetzung), puffer_(aus), a_(aus) {}

  DxfSchreibbericht schreiben() {
    const std::size_t beginn = puffer_.size();
    // Most of a file is entities: a quarter kilobyte each is enough for a
    // line, so the text of a large drawing grows without copying itself.
    puffer_.reserve(beginn + kKopfraum + 256 * static_cast<std::size_t>(z_.speicher.anzahl()) + 65536);
    puffer_.append(kKopfraum, ' ');
    erfasse();
    // Objects that others point to before they are written.
    wurzel_ = a_.neuerHandle();
    gruppen_ = a_.neuerHandle();
    layouts_ = a_.neuerHandle();
    modellLayout_ = a_.neuerHandle();
    papierLayout_ = a_.neuerHandle();
    modellSatz_ = a_.neuerHandle();
    papierSatz_ = a_.neuerHandle();
    for (Gruppenblock& g : bloecke_) g.satz = a_.neuerHandle();

    abschnitt("CLASSES");
    a_.text(0, "ENDSEC");
    tabellen();
    DxfEntitaetenschreiber schreiber(z_, a_, namen_, bericht_, ersetzung_);
    schreiber_ = &schreiber;
    bloecke();
    abschnitt("ENTITIES");
    bereich(1, z_.speicher.anzahl() + 1, modellSatz_);
    a_.text(0, "ENDSEC");
    objekte();
    a_.text(0, "EOF");

    std::string kopf;
    DxfAusgabe k(kopf);
    kopfabschnitt(k, schreiber);
    constexpr std::string_view kEnde = "  0\nENDSEC\n", kKommentar = "999\nQuarzel";
    if (kopf.size() + kKommentar.size() + 1 + kEnde.size() <= kKopfraum) {
      kopf += kKommentar;
      kopf.append(kKopfraum - kopf.size() - 1 - kEnde.size(), ' ');
      kopf += '\n';
      kopf += kEnde;
      std::copy(kopf.begin(), kopf.end(), puffer_.begin() + static_cast<std::ptrdiff_t>(beginn));
    } else {
      kopf += kEnde;
      puffer_.erase(beginn, kKopfraum);
      puffer_.insert(beginn, kopf);
    }
    return bericht_;
  }

 private:
  // --- What the drawing uses ---------------------------------------------------

  void erfasse() {
    const Elementspeicher& s = z_.speicher;
    std::vector<bool> layer(256 * 256, false), stile(65536, false);
    std::vector<std::int32_t> offen;
    std::unordered_map<std::int32_t, std::size_t> benannt;
    std::set<std::string> vergeben;
    stile[1] = true;
    for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
      if (!s.lebendig(n)) continue;
      const Elementart art = s.art(n);
      layer[s.planteil(n) * 256u + s.folie(n)] = true;
      if (artangaben(art).hat(MitLinienstil))
        if (const auto st = s.linienstil(n)) stile[static_cast<std::size_t>(linienstilBetrag(*st)) & 0xFFFF] = true;
      if (art == Elementart::Gruppenanfang) {
        offen.push_back(n);
        const std::string& name = s.gruppe(n).name;
        if (name.empty()) continue;
        std::string b = blockname(name);
        // Block names are compared without case.
        for (int k = 2; b.empty() || b[0] == '*' || vergeben.count(klein(b)); ++k)
          b = blockname(name) + "_" + std::to_string(k);
        vergeben.insert(klein(b));
        benannt[n] = bloecke_.size();
        bloecke_.push_back({n, 0, b, 0});
      } else if (art == Elementart::Gruppenende && !offen.empty()) {
        if (auto i = benannt.find(offen.back()); i != benannt.end()) bloecke_[i->second].ende = n;
        offen.pop_back();
      }
    }
    // A group left open ends with the drawing.
    for (Gruppenblock& g : bloecke_)
      if (g.ende == 0) g.ende = s.anzahl() + 1;
    for (std::size_t i = 0; i < bloecke_.size(); ++i) blockIndex_[bloecke_[i].anfang] = i;
    for (int k = 0; k < 256 * 256; ++k)
      if (layer[static_cast<std::size_t>(k)]) namen_.layer[k] = dxfTextwert(dxfLayername(z_.ebenen, k / 256, k % 256));
    for (int st = 0; st < 65536; ++st) {
      if (!stile[static_cast<std::size_t>(st)]) continue;
      DxfLinientyp t = dxfLinientyp(z_.linienstile, st);
      t.name = dxfTextwert(t.name);
      namen_.linientypen[st] = std::move(t);
    }
  }

  // --- Sections ----------------------------------------------------------------

  void abschnitt(std::string_view name) {
    a_.text(0, "SECTION");
    a_.text(2, name);
  }

  void kopfabschnitt(DxfAusgabe& k, const DxfEntitaetenschreiber& schreiber) {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    schreiber.umgebung(x1, y1, x2, y2);
    k.text(0, "SECTION");
    k.text(2, "HEADER");
    k.text(9, "$ACADVER");
    k.text(1, "AC1015");
    k.text(9, "$DWGCODEPAGE");
    k.text(3, "ANSI_1252");
    k.text(9, "$INSBASE");
    k.punkt(10, 0, 0, 0);
    k.text(9, "$EXTMIN");
    k.punkt(10, x1, y1, 0);
    k.text(9, "$EXTMAX");
    k.punkt(10, x2, y2, 0);
    k.text(9, "$HANDSEED");
    k.handle(5, a_.naechsterHandle());
    k.text(9, "$MEASUREMENT");
    k.ganz(70, 1);
    k.text(9, "$INSUNITS");
    k.ganz(70, 4);
  }

  std::uint64_t tabelle(std::string_view name, std::size_t anzahl) {
    const std::uint64_t h = a_.objekt("TABLE");
    a_.text(2, name);
    a_.handle(330, 0);
    a_.text(100, "AcDbSymbolTable");
    a_.ganz(70, static_cast<long long>(anzahl));
    return h;
  }
  void eintrag(std::string_view typ, std::uint64_t tabelle, std::string_view klasse, std::string_view name,
               int handlecode = 5) {
    a_.objekt(typ, handlecode);
    a_.handle(330, tabelle);
    a_.text(100, "AcDbSymbolTableRecord");
    a_.text(100, klasse);
    a_.text(2, name);
    a_.ganz(70, 0);
  }
  void tabellenende() { a_.text(0, "ENDTAB"); }

  void tabellen() {
    abschnitt("TABLES");
    std::uint64_t t = tabelle("VPORT", 1);
    eintrag("VPORT", t, "AcDbViewportTableRecord", "*Active");
    a_.zahl(10, 0);
    a_.zahl(20, 0);
    a_.zahl(11, 1);
    a_.zahl(21, 1);
    a_.zahl(12, 0);
    a_.zahl(22, 0);
    a_.zahl(40, 1000);
    a_.zahl(41, 1.5);
    tabellenende();

    t = tabelle("LTYPE", namen_.linientypen.size() + 2);
    for (std::string_view n : {"ByBlock", "ByLayer"}) {
      eintrag("LTYPE", t, "AcDbLinetypeTableRecord", n);
      a_.text(3, "");
      a_.ganz(72, 65);
      a_.ganz(73, 0);
      a_.zahl(40, 0);
    }
    std::vector<int> stile;
    for (const auto& [st, typ] : namen_.linientypen) stile.push_back(st);
    std::sort(stile.begin(), stile.end());
    for (int st : stile) {
      const DxfLinientyp& typ = namen_.linientypen.at(st);
      eintrag("LTYPE", t, "AcDbLinetypeTableRecord", typ.name);
      a_.text(3, "");
      a_.ganz(72, 65);
      a_.ganz(73, static_cast<long long>(typ.elemente.size()));
      double summe = 0;
      for (double e : typ.elemente) summe += std::abs(e);
      a_.zahl(40, summe);
      for (double e : typ.elemente) {
        a_.zahl(49, e);
        a_.ganz(74, 0);
      }
    }
    tabellenende();

    std::vector<int> layer;
    for (const auto& [k, n] : namen_.layer) layer.push_back(k);
    std::sort(layer.begin(), layer.end());
    t = tabelle("LAYER", layer.size() + 1);
    // A hidden sublayer is a layer switched off (negative colour).
    auto layereintrag = [&](std::string_view name, bool aus) {
      eintrag("LAYER", t, "AcDbLayerTableRecord", name);
      a_.ganz(62, aus ? -7 : 7);
      a_.text(6, "CONTINUOUS");
      a_.ganz(370, -3);
    };
    layereintrag("0", false);
    for (int k : layer)
      layereintrag(namen_.layer.at(k), (z_.ebenen.folienzustand(k / 256, k % 256) & FolieAusgeblendet) != 0);
    tabellenende();

    t = tabelle("STYLE", 1);
    eintrag("STYLE", t, "AcDbTextStyleTableRecord", "Standard");
    a_.zahl(40, 0);
    a_.zahl(41, 1);
    a_.zahl(50, 0);
    a_.ganz(71, 0);
    a_.zahl(42, 2.5);
    a_.text(3, "arial.ttf");
    a_.text(4, "");
    tabellenende();

    tabelle("VIEW", 0);
    tabellenende();
    tabelle("UCS", 0);
    tabellenende();

    t = tabelle("APPID", 2);
    for (std::string_view n : {"ACAD", "QUARZEL"}) eintrag("APPID", t, "AcDbRegAppTableRecord", n);
    tabellenende();

    t = tabelle("DIMSTYLE", 1);
    a_.text(100, "AcDbDimStyleTable");
    eintrag("DIMSTYLE", t, "AcDbDimStyleTableRecord", "Standard", 105);
    tabellenende();

    t = tabelle("BLOCK_RECORD", bloecke_.size() + 2);
    auto satz = [&](std::uint64_t h, std::string_view name, std::uint64_t layout) {
      a_.text(0, "BLOCK_RECORD");
      a_.handle(5, h);
      a_.handle(330, t);
      a_.text(100, "AcDbSymbolTableRecord");
      a_.text(100, "AcDbBlockTableRecord");
      a_.text(2, name);
      if (layout != 0) a_.handle(340, layout);
    };
    satz(modellSatz_, "*Model_Space", modellLayout_);
    satz(papierSatz_, "*Paper_Space", papierLayout_);
    for (const Gruppenblock& g : bloecke_) satz(g.satz, g.name, 0);
    tabellenende();
    a_.text(0, "ENDSEC");
  }

  void blockanfang(std::uint64_t satz, std::string_view name, bool papier) {
    a_.objekt("BLOCK");
    a_.handle(330, satz);
    a_.text(100, "AcDbEntity");
    if (papier) a_.ganz(67, 1);
    a_.text(8, "0");
    a_.text(100, "AcDbBlockBegin");
    a_.text(2, name);
    a_.ganz(70, 0);
    a_.punkt(10, 0, 0, 0);
    a_.text(3, name);
    a_.text(1, "");
  }
  void blockende(std::uint64_t satz, bool papier) {
    a_.objekt("ENDBLK");
    a_.handle(330, satz);
    a_.text(100, "AcDbEntity");
    if (papier) a_.ganz(67, 1);
    a_.text(8, "0");
    a_.text(100, "AcDbBlockEnd");
  }

  void bloecke() {
    abschnitt("BLOCKS");
    blockanfang(modellSatz_, "*Model_Space", false);
    blockende(modellSatz_, false);
    blockanfang(papierSatz_, "*Paper_Space", true);
    blockende(papierSatz_, true);
    for (const Gruppenblock& g : bloecke_) {
      blockanfang(g.satz, g.name, false);
      bereich(g.anfang + 1, g.ende, g.satz);
      blockende(g.satz, false);
    }
    a_.text(0, "ENDSEC");
  }

  // Elements von .. bis - 1: a named group as the insert of its block, the
  // members of an unnamed one directly.
  void bereich(std::int32_t von, std::int32_t bis, std::uint64_t besitzer) {
    const Elementspeicher& s = z_.speicher;
    for (std::int32_t n = von; n < bis; ++n) {
      if (!s.lebendig(n)) continue;
      if (s.art(n) == Elementart::Gruppenanfang) {
        const auto i = blockIndex_.find(n);
        if (i == blockIndex_.end()) continue;
        const Gruppenblock& g = bloecke_[i->second];
        schreiber_->einfuegung(g.name, s.planteil(n), s.folie(n), besitzer);
        n = g.ende;
        continue;
      }
      schreiber_->element(n, besitzer);
    }
  }

  void layout(std::uint64_t h, std::string_view name, int reihenfolge, std::uint64_t satz) {
    a_.text(0, "LAYOUT");
    a_.handle(5, h);
    a_.handle(330, layouts_);
    a_.text(100, "AcDbPlotSettings");
    a_.text(1, "");
    a_.text(4, "A3");
    a_.text(6, "");
    a_.zahl(40, 0);
    a_.zahl(41, 0);
    a_.zahl(42, 0);
    a_.zahl(43, 0);
    a_.zahl(44, 420);
    a_.zahl(45, 297);
    a_.ganz(70, 0);
    a_.ganz(72, 1);
    a_.ganz(73, 0);
    a_.ganz(74, 5);
    a_.text(100, "AcDbLayout");
    a_.text(1, name);
    a_.ganz(70, 1);
    a_.ganz(71, reihenfolge);
    a_.punkt(10, 0, 0);
    a_.punkt(11, 420, 297);
    a_.punkt(12, 0, 0, 0);
    a_.punkt(14, 0, 0, 0);
    a_.punkt(15, 0, 0, 0);
    a_.zahl(146, 0);
    a_.punkt(13, 0, 0, 0);
    a_.punkt(16, 1, 0, 0);
    a_.punkt(17, 0, 1, 0);
    a_.ganz(76, 0);
    a_.handle(330, satz);
  }

  void objekte() {
    abschnitt("OBJECTS");
    auto woerterbuch = [&](std::uint64_t h, std::uint64_t besitzer) {
      a_.text(0, "DICTIONARY");
      a_.handle(5, h);
      a_.handle(330, besitzer);
      a_.text(100, "AcDbDictionary");
      a_.ganz(281, 1);
    };
    woerterbuch(wurzel_, 0);
    a_.text(3, "ACAD_GROUP");
    a_.handle(350, gruppen_);
    a_.text(3, "ACAD_LAYOUT");
    a_.handle(350, layouts_);
    woerterbuch(gruppen_, wurzel_);
    woerterbuch(layouts_, wurzel_);
    a_.text(3, "Layout1");
    a_.handle(350, papierLayout_);
    a_.text(3, "Model");
    a_.handle(350, modellLayout_);
    layout(modellLayout_, "Model", 0, modellSatz_);
    layout(papierLayout_, "Layout1", 1, papierSatz_);
    a_.text(0, "ENDSEC");
  }

  const Zeichnung& z_;
  const Textersetzung* ersetzung_;
  std::string& puffer_;
  DxfAusgabe a_;
  DxfNamen namen_;
  DxfSchreibbericht bericht_;
  DxfEntitaetenschreiber* schreiber_ = nullptr;
  std::vector<Gruppenblock> bloecke_;
  std::unordered_map<std::int32_t, std::size_t> blockIndex_;
  std::uint64_t wurzel_ = 0, gruppen_ = 0, layouts_ = 0, modellLayout_ = 0, papierLayout_ = 0;
  std::uint64_t modellSatz_ = 0, papierSatz_ = 0;
};

}  // namespace

DxfSchreibbericht dxfSchreiben(const Zeichnung& zeichnung, std::string& aus, const Textersetzung* ersetzung) {
  return Dokument(zeichnung, aus, ersetzung).schreiben();
}

DxfDateiergebnis schreibeDxfDatei(const Zeichnung& zeichnung, const std::filesystem::path& pfad,
                                  const Textersetzung* ersetzung) {
  DxfDateiergebnis e;
  std::string text;
  e.bericht = dxfSchreiben(zeichnung, text, ersetzung);
  std::string grund;
  e.geschrieben = schreibeDateiAtomar(pfad, text, &grund);
  if (!e.geschrieben) e.fehler = "Die DXF-Datei " + pfad.string() + " konnte nicht geschrieben werden: " + grund;
  return e;
}

std::string dxfBerichtstext(const DxfSchreibbericht& bericht) {
  std::string text;
  for (const auto& [art, anzahl] : bericht.uebersprungen) {
    text += text.empty() ? "" : ", ";
    text += std::to_string(anzahl) + " " + art;
  }
  std::string satz;
  if (!text.empty()) satz = "Nicht in die DXF-Datei übernommen: " + text + ".";
  if (bericht.nurUmriss > 0) {
    satz += satz.empty() ? "" : " ";
    satz += std::to_string(bericht.nurUmriss) + " Schraffuren oder Texturen nur als Umriss.";
  }
  return satz;
}

}  // namespace quarzel
