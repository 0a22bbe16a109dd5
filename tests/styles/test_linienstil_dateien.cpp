// The line-style files "Linien.ini", pattern files and "Linien2.dat": each
// written and read back, and read damaged.
#include <gtest/gtest.h>

#include "support/settings/test_konfiguration_hilfe.h"
#include "styles/linienauswahl.h"
#include "styles/linienini.h"
#include "styles/linienstilstart.h"
#include "styles/tlmdatei.h"

namespace quarzel {
namespace {

using test::TempOrdner;

std::vector<double> eintraege(const Strichmuster& m) {
  return {m.dash.begin(), m.dash.begin() + m.dashCount};
}

// A table with every field away from its default.
Linienstiltabelle bunteTabelle() {
  Linienstiltabelle t;
  for (int n = 1; n <= linienstil::kMuster; ++n) {
    KomplexesMuster& k = t.komplexes(n);
    k.name = "Komplex Ä" + std::to_string(n);
    k.fixedSection = n % 2;
    k.sectionLength = 0.25 * n;
    for (std::size_t i = 0; i < 12; ++i) k.section[i] = static_cast<std::uint8_t>((n * 13 + i * 7) % 256);
    EinfachesMuster& e = t.einfaches(n);
    e.name = "Einfach " + std::to_string(n);
    std::vector<double> l;
    for (int i = 0; i < 1 + n % 12; ++i) l.push_back(0.1 * (i + n));
    e.muster.setze(l);
    e.dxfLineType = static_cast<std::uint8_t>(n * 3);
  }
  return t;
}

TEST(LinienIni, LesenFuelltDieMusterDerReiheNachUndVerwirftFremdeDateien) {
  const std::string kopf = "[Linien]\nVersion=1.03\n[Namen]\n";
  std::string viele = kopf;
  for (int i = 0; i < 21; ++i) viele += "N" + std::to_string(i) + "=1\n";
  const struct {
    const char* name;
    std::string text;
    bool gelesen;
    std::vector<double> laengen;  // of pattern 1
    int dxf;
  } faelle[] = {
      {"names in order",
       kopf + "Zaun=1\nGrenze=2\n[Zaun]\nAbstand=1,5;0,5;0;0,5;1,5;2;\nDXF=4\n[Grenze]\n",
       true,
       {1.5, 0.5, 0, 0.5, 1.5, 2},
       4},
      // Unusable lengths take the default of their place.
      {"bad lengths",
       kopf + "X=1\n[X]\nAbstand=-1;abc;1e300;;101;1.25;99;99;\nDXF=999\n",
       true,
       {2, 3, 4, 5, 6, 1.25},
       0},
      {"other version", "[Linien]\nVersion=1.02\n[Namen]\nA=1\n", false, {2, 2, 2, 2, 2, 2}, 0},
      {"no header", "[Namen]\nA=1\n", false, {2, 2, 2, 2, 2, 2}, 0},
      {"more than twenty names", viele, false, {2, 2, 2, 2, 2, 2}, 0},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    Linienstiltabelle t;
    EXPECT_EQ(leseLinienIni(IniDatei::ausText(f.text), t), f.gelesen);
    EXPECT_EQ(eintraege(t.einfaches(1).muster), f.laengen);
    EXPECT_EQ(t.einfaches(1).dxfLineType, f.dxf);
    if (!f.gelesen) {
      EXPECT_EQ(t, Linienstiltabelle());
    }
  }
  Linienstiltabelle t;
  ASSERT_TRUE(leseLinienIni(IniDatei::ausText(faelle[0].text), t));
  // Without "Abstand" the default lengths apply; unnamed patterns keep their defaults.
  EXPECT_EQ(std::tuple(t.einfaches(1).name, t.einfaches(2).name, t.einfaches(1).muster.dashPeriod),
            std::tuple("Zaun", "Grenze", 6));
  EXPECT_EQ(eintraege(t.einfaches(2).muster), (std::vector<double>{2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(t.einfaches(3), Linienstiltabelle::einfacheVorgabe(3));
}

TEST(LinienIni, SchreibenUndLesenGebenNamenLaengenUndDxfZurueck) {
  // Names that cannot be section names or that repeat get sections of their own.
  Linienstiltabelle t;
  const std::vector<std::string> namen{"a=b]c",   "Namen",  "LINIEN", "doppelt",
                                       "Doppelt", "[eckig", "  ",     "Strich-Punkt"};
  for (std::size_t i = 0; i < namen.size(); ++i) t.einfaches(int(i) + 1).name = namen[i];
  const std::array<double, 4> kurz{1.5, 0.5, 0, 0.5};
  t.einfaches(8).muster.setze(kurz);
  t.einfaches(8).dxfLineType = 7;
  const std::array<double, 2> eigen{9, 1};
  t.einfaches(5).muster.setze(eigen);
  const IniDatei ini = schreibeLinienIni(t);
  EXPECT_EQ(ini.wert("Strich-Punkt", "Abstand"), "1,5;0,5;0;0,5;0;0;");
  Linienstiltabelle gelesen;
  ASSERT_TRUE(leseLinienIni(IniDatei::ausText(ini.text()), gelesen));
  std::vector<std::string> gelesenNamen;
  for (int n = 1; n <= 8; ++n) gelesenNamen.push_back(gelesen.einfaches(n).name);
  EXPECT_EQ(gelesenNamen, (std::vector<std::string>{"a_b_c", "Namen (2)", "LINIEN (3)", "doppelt", "Doppelt (5)",
                                                    "_eckig", "Selbstdefiniert 7", "Strich-Punkt"}));
  EXPECT_EQ(eintraege(gelesen.einfaches(5).muster), (std::vector<double>{9, 1, 0, 0, 0, 0}));
  EXPECT_EQ(eintraege(gelesen.einfaches(8).muster), (std::vector<double>{1.5, 0.5, 0, 0.5, 0, 0}));
  EXPECT_EQ(gelesen.einfaches(8).dxfLineType, 7);
  for (int n = 9; n <= 20; ++n) EXPECT_EQ(gelesen.einfaches(n), t.einfaches(n)) << n;
  TempOrdner ordner;
  test::schreibeDatei(ordner / "Linien.ini", ini.text());
  Linienstiltabelle ausDatei;
  EXPECT_TRUE(ladeLinienIni(ordner / "Linien.ini", ausDatei));
  EXPECT_EQ(ausDatei, gelesen);
}

TEST(Musterdatei, SchreibenUndLesenGebenAlleBenutzermusterZurueck) {
  const Linienstiltabelle t = bunteTabelle();
  const std::string text = schreibeTlm(t);
  Linienstiltabelle gelesen;
  EXPECT_EQ(leseTlm(text, gelesen), Tlmstatus::Gelesen);
  EXPECT_EQ(gelesen, t);
  // Windows line ends and "Ä" as Windows-1252 in the first name read the same.
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  crlf.replace(crlf.find("\xC3\x84"), 2, "\xC4");
  Linienstiltabelle alt;
  EXPECT_EQ(leseTlm(crlf, alt), Tlmstatus::Gelesen);
  EXPECT_EQ(alt, t);
  // Without the mark nothing is read.
  Linienstiltabelle ohne;
  EXPECT_EQ(leseTlm("X" + text.substr(1), ohne), Tlmstatus::KeinMuster);
  EXPECT_EQ(leseTlm("", ohne), Tlmstatus::KeinMuster);
  EXPECT_EQ(ohne, Linienstiltabelle());

  TempOrdner ordner;
  ASSERT_TRUE(speichereTlm(ordner / "a.tlm", t));
  Linienstiltabelle geladen;
  EXPECT_EQ(ladeTlm(ordner / "a.tlm", geladen), Tlmstatus::Gelesen);
  EXPECT_EQ(geladen, t);
  EXPECT_EQ(ladeTlm(ordner / "fehlt.tlm", geladen), Tlmstatus::KeinMuster);
  EXPECT_EQ(ladeTlm(ordner.pfad(), geladen), Tlmstatus::KeinMuster);  // a folder
}

TEST(Musterdatei, UnsinnigeWerteWerdenGeflickt) {
  std::string text = "TLM\n";
  // Complex 1: a fixed flag in any case, a huge length, codes out of range.
  text += "K\ntrue\n1e300\n-1\n256\nabc\n3.5\n\n1\n2\n3\n4\n5\n6\n7\n";
  // Complex 2: a negative length, "false" in lower case.
  text += "K2\nfalse\n-5\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n";
  for (int n = 3; n <= 20; ++n) text += "\nFALSE\nx\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n";
  // Simple 1: a lying period, a huge count, negative and huge lengths.
  text += "E\n9999\n1e9\n-3\n1e300\n2\nnan\n1\n1\n1\n1\n1\n1\n1\n1\n";
  // Simple 2: a count that is no number, zero lengths.
  text += "E2\n5\nzwei\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n";
  Linienstiltabelle t;
  EXPECT_EQ(leseTlm(text, t), Tlmstatus::Unvollstaendig);
  const KomplexesMuster& k = t.komplexes(1);
  EXPECT_EQ(
      std::tuple(k.fixedSection, k.sectionLength, k.section[0], k.section[1], k.section[2], k.section[3], k.section[5]),
      std::tuple(1, 10, 0, 0, 0, 0, 1));
  EXPECT_EQ(std::tuple(t.komplexes(2).fixedSection, t.komplexes(2).sectionLength, t.komplexes(3).name,
                       t.komplexes(3).sectionLength),
            std::tuple(0, 0.01, "Komplexes Muster 3", 1.0));
  const Strichmuster& e = t.einfaches(1).muster;
  EXPECT_EQ(std::tuple(e.dashCount, e.dash[0], e.dash[1], e.dash[3], e.dashPeriod), std::tuple(12, 0, 100, 0, 110));
  EXPECT_EQ(std::tuple(t.einfaches(2).muster.dashCount, t.einfaches(2).muster.dashPeriod), std::tuple(0, 0));
}

TEST(VerfuegbareStile, DateiformatUndRueckweg) {
  Linienstilauswahl a;
  a.setze(2, false);
  a.setze(124, false);
  const std::string text = schreibeLinien2(a);
  EXPECT_EQ(text.substr(0, 14), "QZLA\n97\n1\n0\n1\n");
  Linienstilauswahl b;
  ASSERT_TRUE(leseLinien2(text, b));
  EXPECT_EQ(b, a);
}

TEST(VerfuegbareStile, BeschaedigteDateien) {
  Linienstilauswahl a;
  EXPECT_FALSE(leseLinien2("QZLB\n1\n0\n", a));
  EXPECT_FALSE(leseLinien2("", a));
  EXPECT_EQ(a, Linienstilauswahl());
  // Fewer entries: the rest keep their state; "x" changes nothing.
  ASSERT_TRUE(leseLinien2("QZLA\r\n3\r\n0\r\nx\r\n0\r\n0\r\n", a));
  // 4 lies beyond the stated count.
  EXPECT_EQ(std::tuple(a.angeboten(1), a.angeboten(2), a.angeboten(3), a.angeboten(4)),
            std::tuple(false, true, false, true));
  // A huge count reads no further than the list.
  Linienstilauswahl b;
  std::string viele = "QZLA\n99999999999\n";
  for (int i = 0; i < 200; ++i) viele += "0\n";
  ASSERT_TRUE(leseLinien2(viele, b));
  EXPECT_TRUE(b.angeboteneStile().empty());
  Linienstilauswahl c;
  EXPECT_TRUE(leseLinien2("QZLA\n-4\n0\n", c));
  EXPECT_EQ(c, Linienstilauswahl());
}

}  // namespace
}  // namespace quarzel
