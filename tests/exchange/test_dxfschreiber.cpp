// The DXF export read back by our own reader (and, where installed, checked
// by an independent DXF library): kinds, layers, line types, weights,
// colours, our pen and style, coordinates bit for bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "exchange/dxfleser.h"
#include "exchange/dxfschreiber.h"
#include "exchange/dxftoken.h"
#include "support/dreiebenen.h"
#include "support/jedeart.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

struct Export {
  Zeichnung z;
  std::string text;
  DxfSchreibbericht bericht;
  CadModell m;
};

// Every kind on "Grundriss$Möbel" with pen 4 and the line style of the table
// below (1 for the others), then written and read back.
struct Stilfall {
  Elementart art;
  std::int16_t stil;
  CadArt cad;
  const char* linientyp;
};
constexpr Stilfall kFaelle[] = {
    {Elementart::Linie, 3, CadArt::Linie, "verdeckt"},
    {Elementart::Bogen, 95, CadArt::Ellipse, "strich_kreuz"},
    {Elementart::Polygon, 71, CadArt::Polylinie, "QUARZEL_71"},
    {Elementart::Wandlinie2, 1, CadArt::Linie, "CONTINUOUS"},
};

void exportiere(Export& e) {
  test::legeDreiEbenenAn(e.z);
  e.z.ebenen.setzeFolienzustand(3, 1, FolieAusgeblendet);
  Elementspeicher& s = e.z.speicher;
  s.aktuell.planteil = 2;
  s.aktuell.folie = 2;
  for (Elementart art : alleElementarten) {
    if (istGruppenklammer(art)) continue;
    s.aktuell.stift = 4;
    s.aktuell.linienstil = 1;
    for (const Stilfall& f : kFaelle)
      if (f.art == art) s.aktuell.linienstil = f.stil;
    s.vervollstaendige(test::legeElement(s, art));
  }
  Tfliestextdaten t;
  t.x = 5, t.y = 6, t.zeilen = {"Höhe → ±0"};
  s.vervollstaendige(s.neuerText(Elementart::Text, t));
  tgruppendaten g;
  g.name = "Tür";
  s.vervollstaendige(s.neueGruppenklammer(Elementart::Gruppenanfang, g));
  s.vervollstaendige(test::legeElement(s, Elementart::Linie));
  s.vervollstaendige(s.neueGruppenklammer(Elementart::Gruppenende, {}));
  e.bericht = dxfSchreiben(e.z, e.text);
  ASSERT_TRUE(dxfLesen(e.text, e.m).ok);
}

std::optional<CadEntitaet> erste(const CadEntitaetenliste& liste, CadArt art) {
  for (const CadEntitaet& x : liste)
    if (x.art == art) return x;
  return std::nullopt;
}

TEST(DxfSchreiber, JedeArtKommtMitLayerFarbeLinientypUndStaerkeZurueck) {
  Export e;
  exportiere(e);
  const CadModell& m = e.m;
  EXPECT_EQ(m.version, "AC1015");
  EXPECT_EQ(m.einheiten, 4);
  ASSERT_NE(m.layerNamens("Grundriss$Möbel"), nullptr);
  ASSERT_NE(m.layerNamens("Grundriss$Wände"), nullptr);
  EXPECT_FALSE(m.layerNamens("Grundriss$Wände")->aus);
  EXPECT_TRUE(m.layerNamens("Details$Unterebene 1")->aus) << "a hidden sublayer";
  for (const Stilfall& f : kFaelle) {
    SCOPED_TRACE(artangaben(f.art).name);
    std::optional<CadEntitaet> x = erste(m.entitaeten, f.cad);
    // The three layers' own lines come first.
    if (f.art == Elementart::Linie) x = m.entitaeten[4];
    // Dimensions come before it and have no line type of their own.
    if (f.art == Elementart::Wandlinie2)
      for (const CadEntitaet& y : m.entitaeten)
        if (y.art == CadArt::Linie && y.linientyp != kKeinIndex) x = y;
    ASSERT_TRUE(x);
    ASSERT_NE(x->linientyp, kKeinIndex);
    EXPECT_EQ(m.namen[x->layer], "Grundriss$Möbel");
    EXPECT_EQ(m.namen[x->linientyp], f.linientyp);
    EXPECT_EQ(x->linienstaerke, 50);  // pen 4, 0.5 mm
    EXPECT_EQ(x->farbe.rgb, 0xC80A0Au);
  }
  // Coordinates in real-world millimetres from the sheet's lower left
  // corner, y turned upward, computed as the writer does: bit for bit.
  const Ansicht& ans = e.z.ansicht;
  const double s = e.z.ebenen.massstab(2) > 0 ? e.z.ebenen.massstab(2) : ans.drawingScale;
  auto X = [&](double x) { return (x - ans.sheetLeft) * s; };
  auto Y = [&](double y) { return (double(ans.sheetTop) + ans.sheetHeight - y) * s; };
  const CadEntitaet& l = m.entitaeten[4];
  EXPECT_EQ(l.a.x, X(10.0));
  EXPECT_EQ(l.a.y, Y(20.0));
  EXPECT_EQ(l.b.y, Y(70.0));
  const std::optional<CadEntitaet> p = erste(m.entitaeten, CadArt::Polylinie);
  ASSERT_EQ(p->scheitelAnzahl, 4u);
  EXPECT_EQ(m.scheitel[p->ersterScheitel + 2].p.x, X(60.0));
  EXPECT_EQ(m.scheitel[p->ersterScheitel + 2].p.y, Y(70.0));
  // The turned ellipse: centre exact, major axis 30 along 15 degrees.
  const std::optional<CadEntitaet> b = erste(m.entitaeten, CadArt::Ellipse);
  EXPECT_EQ(b->a.y, Y(40.0));
  EXPECT_NEAR(std::hypot(b->b.x, b->b.y), 30 * s, 1e-9);
  EXPECT_NEAR(b->verhaeltnis, 0.5, 1e-15);
  // A line of text through the file's code page, with an escape for what it lacks.
  std::optional<CadEntitaet> t;
  for (const CadEntitaet& x : m.entitaeten)
    if (x.art == CadArt::Text && m.texte[x.text] == "Höhe → ±0") t = x;
  ASSERT_TRUE(t);
  EXPECT_EQ(t->a.y, Y(6.0));
  // Texts of several lines are paragraph texts.
  EXPECT_EQ(std::count_if(m.entitaeten.begin(), m.entitaeten.end(),
                          [](const CadEntitaet& x) { return x.art == CadArt::MText; }),
            2);
  // The named group is a block with an insert of it.
  const std::optional<CadEntitaet> ins = erste(m.entitaeten, CadArt::Einfuegung);
  ASSERT_TRUE(ins);
  ASSERT_NE(m.blockNamens(m.namen[ins->block]), nullptr);
  EXPECT_EQ(e.bericht.uebersprungen.at("Bitmap"), 1u);
  EXPECT_EQ(e.bericht.uebersprungen.at("Verlauf"), 1u);
}

TEST(DxfSchreiber, LayernamenSindGueltigUndTrennbar) {
  Ebenen e;
  e.setzeName(1, "Haus/Plan");
  e.setzeFolienname(1, 1, "a$b:c");
  e.fuegeFolieAn(1, "x");
  const std::pair<int, const char*> faelle[] = {{1, "Haus_Plan$a_b_c"}, {2, "Haus_Plan$x"}};
  for (const auto& [folie, name] : faelle) EXPECT_EQ(dxfLayername(e, 1, folie), name);
}

// Every entity ends with our pen and style.
TEST(DxfSchreiber, JedeEntitaetTraegtStiftUndStil) {
  Export e;
  exportiere(e);
  DxfToken t(e.text);
  DxfPaar p;
  std::size_t anzahl = 0;
  std::vector<std::string> linie;
  bool absatz = false;
  while (t.naechstes(p)) {
    absatz = absatz || (p.code == 1 && p.text ==
                                           "Wand\\PS\xFC"
                                           "d");
    if (p.code != 1001 || p.text != "QUARZEL") continue;
    ++anzahl;
    std::string werte;
    for (int i = 0; i < 2 && t.naechstes(p); ++i) werte += std::to_string(p.code) + ":" + std::string(p.text) + " ";
    linie.push_back(werte);
  }
  EXPECT_EQ(anzahl, e.bericht.entitaeten);
  EXPECT_TRUE(absatz) << "the two lines of a text as one paragraph";
  EXPECT_NE(std::find(linie.begin(), linie.end(), "1070:4 1070:3 "), linie.end());    // the line
  EXPECT_NE(std::find(linie.begin(), linie.end(), "1070:-1 1070:-1 "), linie.end());  // a text
}

// An independent reader accepts the file and finds nothing to repair.
TEST(DxfSchreiber, FremdeBibliothekPrueftOhneFehler) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null") != 0) GTEST_SKIP() << "python3-ezdxf fehlt";
  Export e;
  exportiere(e);
  test::TempOrdner ordner;
  const std::string pfad = (ordner / "a.dxf").string();
  test::schreibeDatei(pfad, e.text);
  const std::string befehl = "/usr/bin/python3 -c \"import ezdxf,sys; d=ezdxf.readfile('" + pfad +
                             "'); a=d.audit(); sys.exit(1 if a.has_errors else 0)\"";
  EXPECT_EQ(std::system(befehl.c_str()), 0);
}

}  // namespace
}  // namespace quarzel
