// The line-style files: "Linien.ini", pattern files, "Linien2.dat", the
// start-up sequence over the program folder, and damaged input of each.
#include <gtest/gtest.h>

#include <random>

#include "styles/linienauswahl.h"
#include "styles/linienini.h"
#include "styles/linienstilstart.h"
#include "styles/tlmdatei.h"
#include "settings/test_konfiguration_hilfe.h"

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

// --- "Linien.ini" ---------------------------------------------------------------

TEST(LinienIni, NamenFuellenDieMusterDerReiheNach) {
  const IniDatei ini = IniDatei::ausText(
      "[Linien]\nVersion=1.03\n[Namen]\nZaun=1\nGrenze=2\n"
      "[Zaun]\nAbstand=1,5;0,5;0;0,5;1,5;2;\nDXF=4\n[Grenze]\n");
  Linienstiltabelle t;
  ASSERT_TRUE(leseLinienIni(ini, t));
  EXPECT_EQ(t.einfaches(1).name, "Zaun");
  EXPECT_EQ(eintraege(t.einfaches(1).muster), (std::vector<double>{1.5, 0.5, 0, 0.5, 1.5, 2}));
  EXPECT_EQ(t.einfaches(1).muster.dashPeriod, 6);
  EXPECT_EQ(t.einfaches(1).dxfLineType, 4);
  // Without "Abstand" the default lengths apply.
  EXPECT_EQ(t.einfaches(2).name, "Grenze");
  EXPECT_EQ(eintraege(t.einfaches(2).muster), (std::vector<double>{2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(t.einfaches(2).dxfLineType, 0);
  EXPECT_EQ(t.einfaches(3), Linienstiltabelle::einfacheVorgabe(3));
}

TEST(LinienIni, AndereVersionOderMehrAlsZwanzigNamenWerdenNichtBenutzt) {
  Linienstiltabelle t;
  EXPECT_FALSE(leseLinienIni(IniDatei::ausText("[Linien]\nVersion=1.02\n[Namen]\nA=1\n"), t));
  EXPECT_FALSE(leseLinienIni(IniDatei::ausText("[Namen]\nA=1\n"), t));
  std::string viele = "[Linien]\nVersion=1.03\n[Namen]\n";
  for (int i = 0; i < 21; ++i) viele += "N" + std::to_string(i) + "=1\n";
  EXPECT_FALSE(leseLinienIni(IniDatei::ausText(viele), t));
  EXPECT_EQ(t, Linienstiltabelle());
}

TEST(LinienIni, UnbrauchbareLaengenNehmenDieVorgabeIhrerStelle) {
  const IniDatei ini =
      IniDatei::ausText("[Linien]\nVersion=1.03\n[Namen]\nX=1\n[X]\nAbstand=-1;abc;1e300;;101;1.25;99;99;\nDXF=999\n");
  Linienstiltabelle t;
  ASSERT_TRUE(leseLinienIni(ini, t));
  EXPECT_EQ(eintraege(t.einfaches(1).muster), (std::vector<double>{2, 3, 4, 5, 6, 1.25}));
  EXPECT_EQ(t.einfaches(1).dxfLineType, 0);
}

TEST(LinienIni, SchreibenUndLesenGebenNamenLaengenUndDxfZurueck) {
  Linienstiltabelle t;
  const std::array<double, 4> kurz{1.5, 0.5, 0, 0.5};
  t.einfaches(1).muster.setze(kurz);
  t.einfaches(1).name = "Strich-Punkt";
  t.einfaches(1).dxfLineType = 7;
  const IniDatei ini = schreibeLinienIni(t);
  EXPECT_EQ(ini.wert("Strich-Punkt", "Abstand"), "1,5;0,5;0;0,5;0;0;");
  Linienstiltabelle gelesen;
  ASSERT_TRUE(leseLinienIni(IniDatei::ausText(ini.text()), gelesen));
  EXPECT_EQ(gelesen.einfaches(1).name, "Strich-Punkt");
  EXPECT_EQ(eintraege(gelesen.einfaches(1).muster), (std::vector<double>{1.5, 0.5, 0, 0.5, 0, 0}));
  EXPECT_EQ(gelesen.einfaches(1).dxfLineType, 7);
  for (int n = 2; n <= 20; ++n) EXPECT_EQ(gelesen.einfaches(n), t.einfaches(n)) << n;
}

TEST(LinienIni, UnschreibbareUndDoppelteNamenBekommenEigeneAbschnitte) {
  Linienstiltabelle t;
  t.einfaches(1).name = "a=b]c";
  t.einfaches(2).name = "Namen";
  t.einfaches(3).name = "LINIEN";
  t.einfaches(4).name = "doppelt";
  t.einfaches(5).name = "Doppelt";
  t.einfaches(6).name = "[eckig";
  t.einfaches(7).name = "  ";
  const std::array<double, 2> eigen{9, 1};
  t.einfaches(5).muster.setze(eigen);
  Linienstiltabelle gelesen;
  ASSERT_TRUE(leseLinienIni(IniDatei::ausText(schreibeLinienIni(t).text()), gelesen));
  EXPECT_EQ(gelesen.einfaches(1).name, "a_b_c");
  EXPECT_EQ(gelesen.einfaches(2).name, "Namen (2)");
  EXPECT_EQ(gelesen.einfaches(3).name, "LINIEN (3)");
  EXPECT_EQ(gelesen.einfaches(4).name, "doppelt");
  EXPECT_EQ(gelesen.einfaches(5).name, "Doppelt (5)");
  EXPECT_EQ(eintraege(gelesen.einfaches(5).muster), (std::vector<double>{9, 1, 0, 0, 0, 0}));
  EXPECT_EQ(gelesen.einfaches(6).name, "_eckig");
  EXPECT_EQ(gelesen.einfaches(7).name, "Selbstdefiniert 7");
  for (int n = 8; n <= 20; ++n) EXPECT_EQ(gelesen.einfaches(n).name, t.einfaches(n).name);
}

TEST(LinienIni, MitgelieferteDateiIstGueltig) {
  Linienstiltabelle t;
  ASSERT_TRUE(ladeLinienIni(std::filesystem::path(QUARZEL_DATA_DIR) / "Linien.ini", t));
  EXPECT_EQ(t.einfaches(1).name, "Strich 1 mm");
  for (int n = 1; n <= 20; ++n) EXPECT_EQ(t.einfaches(n).muster.dashCount, 6) << n;
  EXPECT_EQ(eintraege(t.einfaches(9).muster), (std::vector<double>{0, 0.5, 0, 0.5, 0, 0.5}));
}

// --- Pattern files --------------------------------------------------------------------

TEST(Musterdatei, SchreibenUndLesenGebenAlleBenutzermusterZurueck) {
  const Linienstiltabelle t = bunteTabelle();
  const std::string text = schreibeTlm(t);
  EXPECT_EQ(text.substr(0, 4), "TLM\n");
  Linienstiltabelle gelesen;
  EXPECT_EQ(leseTlm(text, gelesen), Tlmstatus::Gelesen);
  EXPECT_EQ(gelesen, t);

  TempOrdner ordner;
  ASSERT_TRUE(speichereTlm(ordner / "a.tlm", t));
  Linienstiltabelle geladen;
  EXPECT_EQ(ladeTlm(ordner / "a.tlm", geladen), Tlmstatus::Gelesen);
  EXPECT_EQ(geladen, t);
  EXPECT_EQ(ladeTlm(ordner / "fehlt.tlm", geladen), Tlmstatus::KeinMuster);
  EXPECT_EQ(ladeTlm(ordner.pfad(), geladen), Tlmstatus::KeinMuster);  // a folder
}

TEST(Musterdatei, ZeilenfolgeWieFestgelegt) {
  Linienstiltabelle t;
  t.komplexes(1).fixedSection = 1;
  t.komplexes(1).sectionLength = 0.5;
  t.komplexes(1).section[0] = 33;
  const auto z = [&] {
    std::vector<std::string> zeilen;
    std::string text = schreibeTlm(t), zeile;
    for (char c : text) {
      if (c == '\n')
        zeilen.push_back(std::exchange(zeile, {}));
      else
        zeile += c;
    }
    return zeilen;
  }();
  ASSERT_EQ(z.size(), 1u + 20 * 15 + 20 * 15 + 20);
  EXPECT_EQ(z[1], "Komplexes Muster 1");
  EXPECT_EQ(z[2], "TRUE");
  EXPECT_EQ(z[3], "0.5");
  EXPECT_EQ(z[4], "33");
  EXPECT_EQ(z[17], "FALSE");
  EXPECT_EQ(z[301], "Selbstdefiniert 1");
  EXPECT_EQ(z[302], "12");  // period
  EXPECT_EQ(z[303], "6");   // count
  EXPECT_EQ(z[304], "2");
  EXPECT_EQ(z[601], "0");  // DXF line type of pattern 1
}

TEST(Musterdatei, OhneKennungWirdNichtsGelesen) {
  Linienstiltabelle t;
  std::string text = schreibeTlm(bunteTabelle());
  text[0] = 'X';
  EXPECT_EQ(leseTlm(text, t), Tlmstatus::KeinMuster);
  EXPECT_EQ(leseTlm("", t), Tlmstatus::KeinMuster);
  EXPECT_EQ(t, Linienstiltabelle());
}

TEST(Musterdatei, WindowsZeilenendenUndAltesZeichensatzformat) {
  std::string text = schreibeTlm(bunteTabelle());
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  // "Ä" as Windows-1252 instead of UTF-8 in the first name.
  const std::size_t pos = crlf.find("\xC3\x84");
  crlf.replace(pos, 2, "\xC4");
  Linienstiltabelle t;
  EXPECT_EQ(leseTlm(crlf, t), Tlmstatus::Gelesen);
  EXPECT_EQ(t, bunteTabelle());
}

TEST(Musterdatei, AbgeschnitteneDateiNimmtNurVollstaendigeMuster) {
  const Linienstiltabelle bunt = bunteTabelle();
  const std::string text = schreibeTlm(bunt);
  // Cut in the middle of complex pattern 3.
  std::size_t pos = 0;
  for (int zeile = 0; zeile < 1 + 2 * 15 + 7; ++zeile) pos = text.find('\n', pos) + 1;
  Linienstiltabelle t;
  EXPECT_EQ(leseTlm(text.substr(0, pos), t), Tlmstatus::Unvollstaendig);
  EXPECT_EQ(t.komplexes(1), bunt.komplexes(1));
  EXPECT_EQ(t.komplexes(2), bunt.komplexes(2));
  EXPECT_EQ(t.komplexes(3), Linienstiltabelle::komplexeVorgabe(3));
  EXPECT_EQ(t.einfaches(1), Linienstiltabelle::einfacheVorgabe(1));

  // A file of an older kind without the DXF block keeps the DXF types.
  Linienstiltabelle u;
  u.einfaches(20).dxfLineType = 77;
  const std::size_t dxfAnfang = [&] {
    std::size_t p = 0;
    for (int zeile = 0; zeile < 1 + 20 * 15 + 20 * 15; ++zeile) p = text.find('\n', p) + 1;
    return p;
  }();
  EXPECT_EQ(leseTlm(text.substr(0, dxfAnfang), u), Tlmstatus::Unvollstaendig);
  EXPECT_EQ(u.einfaches(20).dxfLineType, 77);
  EXPECT_EQ(u.einfaches(20).muster, bunt.einfaches(20).muster);
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
  EXPECT_EQ(k.fixedSection, 1);
  EXPECT_EQ(k.sectionLength, 10);
  EXPECT_EQ(k.section[0], 0);
  EXPECT_EQ(k.section[1], 0);
  EXPECT_EQ(k.section[2], 0);
  EXPECT_EQ(k.section[3], 0);
  EXPECT_EQ(k.section[5], 1);
  EXPECT_EQ(t.komplexes(2).fixedSection, 0);
  EXPECT_EQ(t.komplexes(2).sectionLength, 0.01);
  EXPECT_EQ(t.komplexes(3).name, "Komplexes Muster 3");
  EXPECT_EQ(t.komplexes(3).sectionLength, 1.0);
  const EinfachesMuster& e = t.einfaches(1);
  EXPECT_EQ(e.muster.dashCount, 12);
  EXPECT_EQ(e.muster.dash[0], 0);
  EXPECT_EQ(e.muster.dash[1], 100);
  EXPECT_EQ(e.muster.dash[3], 0);
  EXPECT_EQ(e.muster.dashPeriod, 110);
  EXPECT_EQ(t.einfaches(2).muster.dashCount, 0);
  EXPECT_EQ(t.einfaches(2).muster.dashPeriod, 0);
}

TEST(Musterdatei, ZufaelligeBytesStuerzenNichtAb) {
  std::mt19937 zufall(4711);
  const std::string gut = schreibeTlm(bunteTabelle());
  for (int runde = 0; runde < 300; ++runde) {
    std::string text = gut;
    const int aenderungen = 1 + static_cast<int>(zufall() % 40);
    for (int i = 0; i < aenderungen; ++i) text[zufall() % text.size()] = static_cast<char>(zufall() % 256);
    text.resize(zufall() % (text.size() + 1));
    if (runde % 2) text = "TLM\n" + text;
    Linienstiltabelle t;
    leseTlm(text, t);
    for (const auto& k : t.komplex) {
      EXPECT_GE(k.sectionLength, 0.01);
      EXPECT_LE(k.sectionLength, 10);
    }
    for (const auto& e : t.einfach) {
      EXPECT_GE(e.muster.dashCount, 0);
      EXPECT_LE(e.muster.dashCount, 12);
      EXPECT_TRUE(std::isfinite(e.muster.dashPeriod));
      EXPECT_LE(e.name.size(), 255u);
    }
  }
}

// --- "Linien2.dat" -------------------------------------------------------------------------

TEST(VerfuegbareStile, ListeUndGruppen) {
  const auto l = Linienstilauswahl::liste();
  EXPECT_EQ(l.size(), 97u);
  EXPECT_EQ(l.front(), 1);
  EXPECT_EQ(l.back(), 124);
  Linienstilauswahl a;
  a.setzeGruppe(Linienstilauswahl::Gruppe::Komplexe, false);
  EXPECT_FALSE(a.angeboten(12));
  EXPECT_FALSE(a.angeboten(31));
  EXPECT_TRUE(a.angeboten(71));
  a.setzeAlle(false);
  a.setzeGruppe(Linienstilauswahl::Gruppe::Partner, true);
  EXPECT_EQ(a.angeboteneStile().size(), 34u);
  EXPECT_FALSE(a.angeboten(45));  // not in the list
  a.setze(45, true);
  EXPECT_FALSE(a.angeboten(45));
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
  EXPECT_FALSE(a.angeboten(1));
  EXPECT_TRUE(a.angeboten(2));
  EXPECT_FALSE(a.angeboten(3));
  EXPECT_TRUE(a.angeboten(4));  // beyond the stated count
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

// --- Start-up over the program folder ----------------------------------------------------

TEST(Linienstilstart, ReihenfolgeVorgabenDannLinienIniDannStandardTlm) {
  TempOrdner ordner;
  std::filesystem::create_directories(ordner / "prog");
  test::schreibeDatei(ordner / "prog" / "Linien.ini",
                      "[Linien]\nVersion=1.03\n[Namen]\nAus Ini=1\nZweite=2\n[Aus Ini]\nAbstand=1;1;1;1;1;1;\n");
  Linienstiltabelle tlm;
  tlm.einfaches(2).name = "Aus Tlm";
  tlm.komplexes(1).section[0] = 4;
  test::schreibeDatei(ordner / "prog" / "standard.tlm", schreibeTlm(tlm));
  const Umgebung u = test::umgebungAus(
      {{"QUARZEL_DATA_DIR", (ordner / "prog").string()}, {"XDG_DATA_HOME", (ordner / "nutzer").string()}});

  Linienstiltabelle t = bunteTabelle();
  const Linienstilstart s = ladeLinienstileBeimStart(t, u);
  EXPECT_TRUE(s.linienIni);
  EXPECT_TRUE(s.standardTlm);
  // "standard.tlm" holds all 20 patterns of both kinds, so it wins.
  EXPECT_EQ(t.einfaches(1).name, "Selbstdefiniert 1");
  EXPECT_EQ(t.einfaches(2).name, "Aus Tlm");
  EXPECT_EQ(t.komplexes(1).section[0], 4);

  std::filesystem::remove(ordner / "prog" / "standard.tlm");
  const Linienstilstart s2 = ladeLinienstileBeimStart(t, u);
  EXPECT_FALSE(s2.standardTlm);
  EXPECT_EQ(t.einfaches(1).name, "Aus Ini");
  EXPECT_EQ(t.einfaches(3), Linienstiltabelle::einfacheVorgabe(3));
  EXPECT_EQ(t.komplexes(1), Linienstiltabelle::komplexeVorgabe(1));

  // Without either file the defaults remain.
  std::filesystem::remove(ordner / "prog" / "Linien.ini");
  t = bunteTabelle();
  EXPECT_FALSE(ladeLinienstileBeimStart(t, u).linienIni);
  EXPECT_EQ(t, Linienstiltabelle());
  Linienstilauswahl a;
  EXPECT_FALSE(ladeVerfuegbareLinienstile(a, u));
}

TEST(Linienstilstart, AlsStandardUndVerfuegbarkeitGehenInDenBenutzerordner) {
  TempOrdner ordner;
  const Umgebung u = test::umgebungAus(
      {{"QUARZEL_DATA_DIR", (ordner / "prog").string()}, {"XDG_DATA_HOME", (ordner / "nutzer").string()}});
  const Linienstiltabelle bunt = bunteTabelle();
  ASSERT_TRUE(speichereStandardmuster(bunt, nullptr, u));
  EXPECT_TRUE(std::filesystem::exists(ordner / "nutzer" / "quarzel" / "standard.tlm"));
  Linienstilauswahl a;
  a.setze(5, false);
  ASSERT_TRUE(speichereVerfuegbareLinienstile(a, nullptr, u));

  Linienstiltabelle t;
  EXPECT_TRUE(ladeLinienstileBeimStart(t, u).standardTlm);
  EXPECT_EQ(t, bunt);
  Linienstilauswahl b;
  EXPECT_TRUE(ladeVerfuegbareLinienstile(b, u));
  EXPECT_EQ(b, a);
}

}  // namespace
}  // namespace quarzel
