// The bill of materials of an example drawing, saved as HTML and CSV and
// compared byte for byte with files written by hand (tests/data/stueckliste);
// the data masks found in the folders and in the drawing; the access of the
// macro words.
//
// The drawing, in drawing order (layer 2 is hidden):
//   Stuhl.QZS, Stuhl.QZS, Wanne.QZS             layer 1
//   Küche { Spüle { }, Stuhl.QZS }              layer 1
//   Tisch.QZS                                   layer 2
//   Wanne.QZS, { Lampe.DET }                    layer 1
//   Stuhl.QZS, deleted                          layer 1
// Stuhl and Tisch belong to the mask "Moebel" (Tisch with the older keys),
// Wanne to "Sanitaer", Lampe to "Moebel" through the copy of its file that
// the drawing carries.
#include <gtest/gtest.h>

#include "project/stuecklistendatei.h"
#include "project/stuecklistenzugriff.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

std::vector<std::uint8_t> bytesVon(std::string_view text) {
  return {text.begin(), text.end()};
}

struct Beispiel {
  test::TempOrdner ordner;
  std::filesystem::path programm = ordner / "programm";
  Umgebung umgebung = [this](std::string_view name) -> std::optional<std::string> {
    if (name == "QUARZEL_DATA_DIR") return programm.string();
    if (name == "XDG_DATA_HOME") return (ordner / "daten").string();
    return std::nullopt;
  };
  Zeichnung z;

  Beispiel() {
    std::filesystem::create_directories(programm / "Datenmasken");
    std::filesystem::create_directories(programm / "Symbolinformationen");
    schreibeMaske("l1=Bezeichnung\nl2=Hersteller\nl3=Farbe\nl4=Preis\n");
    test::schreibeDatei(programm / "Datenmasken" / "MASK_Sanitaer.ini", "[Eingabemaske]\nl1=Art\n");
    test::schreibeDatei(programm / "Symbolinformationen" / "Stuhl.ini",
                        "[Stuhl]\nMask=Moebel\ne1=Stuhl\ne2=Thonet & Söhne\ne3=Buche\ne4=89,00 €\ne5=6 kg\n");
    test::schreibeDatei(programm / "Symbolinformationen" / "Tisch.ini",
                        "[Tisch]\nMask=Moebel\nN=Esstisch\nB=Müller\nM=Eiche; geölt\nG=1.200,00 €\n");
    test::schreibeDatei(programm / "Symbolinformationen" / "Wanne.ini", "[Wanne]\nMask=Sanitaer\ne1=Badewanne\n");
    z.optionen.symbolattributdateien = {{"Lampe.ini", bytesVon("[Lampe]\r\nMask=Moebel\r\ne1=Leuchte\r\n")}};

    test::initialisiere(z.speicher);
    z.ebenen.fuegeEbeneAn("Möbel");
    z.ebenen.fuegeFolieAn(2, "Unterebene 1");
    z.ebenen.modus = Sichtbarkeitsmodus::Ausgewaehlte;
    z.ebenen.setzeSichtbarFlag(2, 0);
    z.speicher.beginneSchritt();
    symbol("Stuhl.QZS");
    symbol("Stuhl.QZS");
    symbol("Wanne.QZS");
    gruppe("Küche");
    gruppe("Spüle");
    ende();
    symbol("Stuhl.QZS");
    ende();
    symbol("Tisch.QZS", 2);
    symbol("Wanne.QZS");
    gruppe("");
    symbol("Lampe.DET");
    ende();
    z.speicher.setzeZustand(symbol("Stuhl.QZS"), 0);
  }

  void schreibeMaske(std::string_view zeilen) {
    test::schreibeDatei(programm / "Datenmasken" / "MASK_Moebel.ini", "[Eingabemaske]\n" + std::string(zeilen));
  }
  std::int32_t gruppe(const std::string& name, std::uint8_t ebene = 1) {
    z.speicher.aktuell.planteil = ebene;
    const std::int32_t n = test::klammer(z.speicher, Elementart::Gruppenanfang);
    z.speicher.setzeGruppenname(n, name);
    return n;
  }
  void ende(std::uint8_t ebene = 1) {
    z.speicher.aktuell.planteil = ebene;
    test::klammer(z.speicher, Elementart::Gruppenende);
  }
  std::int32_t symbol(const std::string& name, std::uint8_t ebene = 1) {
    const std::int32_t n = gruppe(name, ebene);
    test::linie(z.speicher, 0, 0, 1, 1, false);
    ende(ebene);
    return n;
  }

  Stueckliste liste(std::string_view eintrag, bool nurSichtbare) {
    std::optional<Listenauftrag> auftrag = listenauftrag(eintrag, z, umgebung);
    EXPECT_TRUE(auftrag) << eintrag;
    if (!auftrag) return {};
    auftrag->nurSichtbare = nurSichtbare;
    return erzeugeStueckliste(z, *auftrag, attributleserFuer(z, umgebung));
  }
};

TEST(Stueckliste, BeispielzeichnungGleichtDenVonHandGeschriebenenDateien) {
  const struct {
    const char* datei;
    std::string_view liste;
    bool nurSichtbare;
    const char* maske;  // lines of MASK_Moebel.ini, when it is changed
  } faelle[] = {
      {"moebel.htm", "Moebel", false, nullptr},
      {"moebel.csv", "Moebel", false, nullptr},
      // "l3" empty: its column is neither shown nor saved.
      {"moebel_ohne_farbe.csv", "Moebel", false, "l1=Bezeichnung\nl2=Hersteller\nl3=\nl4=Preis\n"},
      {"gruppen_sichtbar.csv", kAlleBenanntenGruppen, true, nullptr},
      {"symbole.htm", kAlleSymbole, false, nullptr},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.datei);
    Beispiel b;
    if (fall.maske) b.schreibeMaske(fall.maske);
    const Stueckliste liste = b.liste(fall.liste, fall.nurSichtbare);
    const std::filesystem::path ziel = b.ordner / fall.datei;
    std::string fehler;
    ASSERT_TRUE(speichereStueckliste(liste, ziel, listenformatFuer(fall.datei, Listenformat::Html), &fehler)) << fehler;
    EXPECT_EQ(test::leseDatei(ziel),
              test::leseDatei(std::filesystem::path(QUARZEL_TEST_DATA) / "stueckliste" / fall.datei));
  }
}

TEST(Stueckliste, NurSichtbareLaesstVerborgeneEbenenAusUndJedeDateiWirdEinmalGelesen) {
  Beispiel b;
  std::vector<std::string> gelesen;
  const Attributleser leser = attributleserFuer(b.z, b.umgebung);
  Listenauftrag auftrag = *listenauftrag("Moebel", b.z, b.umgebung);
  auftrag.nurSichtbare = true;
  const Stueckliste liste = erzeugeStueckliste(b.z, auftrag, [&](const std::string& symbol) {
    gelesen.push_back(symbol);
    return leser(symbol);
  });
  ASSERT_EQ(liste.zeilen.size(), 2u);
  EXPECT_EQ(std::tuple(liste.zeilen[0].name, liste.zeilen[0].anzahl, liste.zeilen[0].werte[4]),
            std::tuple("Stuhl.QZS", 3, "6 kg"));  // e5, whose column the mask leaves empty
  EXPECT_EQ(liste.zeilen[1].name, "Lampe.DET");
  // Wanne twice on the drawing, of another mask: read once, then passed over.
  EXPECT_EQ(gelesen, (std::vector<std::string>{"Stuhl.QZS", "Wanne.QZS", "Lampe.DET"}));
}

TEST(Stueckliste, EineLeereListeZeigtUndSpeichertEineLeereZeile) {
  Beispiel b;
  b.z.speicher.leere();
  const Stueckliste liste = b.liste(kAlleSymbole, false);
  EXPECT_EQ(stuecklisteAlsCsv(liste), "Anzahl;Dateiname;\r\n;;\r\n");
}

TEST(Stueckliste, DatenmaskenAusBenutzerordnerProgrammordnerUndZeichnung) {
  Beispiel b;
  const auto eigene = b.ordner / "daten" / "quarzel" / "Datenmasken";
  std::filesystem::create_directories(eigene);
  test::schreibeDatei(eigene / "mask_Moebel.INI", "[Eingabemaske]\nl1=Eigene\n");
  test::schreibeDatei(eigene / "MASK_.ini", "[Eingabemaske]\nl1=ohne Namen\n");
  test::schreibeDatei(eigene / "Notizen.ini", "");
  b.z.optionen.datenmasken = {{"MASK_Reise.ini", bytesVon("[Eingabemaske]\r\nl2=Ziel\r\n")},
                              {"MASK_Sanitaer.ini", bytesVon("[Eingabemaske]\r\nl1=verdeckt\r\n")},
                              {"Fremd.ini", {}}};
  EXPECT_EQ(datenmaskenauswahl(b.z.optionen.datenmasken, b.umgebung),
            (std::vector<std::string>{"Alle Symbole", "Alle benannten Gruppen", "Moebel", "Sanitaer", "Reise"}));
  // The user's file before the shipped one, the folders before the drawing.
  EXPECT_EQ(leseDatenmaske("Moebel", b.z.optionen.datenmasken, b.umgebung)->ueberschriften[0], "Eigene");
  EXPECT_EQ(leseDatenmaske("Sanitaer", b.z.optionen.datenmasken, b.umgebung)->ueberschriften[0], "Art");
  EXPECT_EQ(leseDatenmaske("Reise", b.z.optionen.datenmasken, b.umgebung)->ueberschriften[1], "Ziel");
  EXPECT_FALSE(leseDatenmaske("Fremd", b.z.optionen.datenmasken, b.umgebung));
  EXPECT_FALSE(listenauftrag("Keine", b.z, b.umgebung));
}

TEST(Stueckliste, DateinamenBekommenIhreEndung) {
  const struct {
    const char* name;
    Listenformat format;
    const char* gespeichert;
  } faelle[] = {
      {"liste", Listenformat::Html, "liste.htm"},        {"liste.", Listenformat::Csv, "liste.csv"},
      {"liste.HTM", Listenformat::Html, "liste.HTM"},    {"liste.html", Listenformat::Html, "liste.html"},
      {"liste.txt", Listenformat::Csv, "liste.txt.csv"},
  };
  for (const auto& f : faelle) EXPECT_EQ(listendateiname(f.name, f.format), f.gespeichert) << f.name;
  EXPECT_EQ(listenformatFuer("a.CSV", Listenformat::Html), Listenformat::Csv);
  EXPECT_EQ(listenformatFuer("a.txt", Listenformat::Csv), Listenformat::Csv);
}

TEST(Stueckliste, HtmlBehaeltZeichenOhneLatin1Byte) {
  Stueckliste liste;
  liste.kopf[0] = "Anzahl";
  liste.zeilen.push_back({1, "Ω<1>", {}});
  liste.kopf[1] = "Name";
  const std::string html = stuecklisteAlsHtml(liste);
  EXPECT_NE(html.find("    <td>&#937;&lt;1&gt;&nbsp;</td>\r\n"), std::string::npos) << html;
}

TEST(Stuecklistenzugriff, MaskenWahlListeUndEintraegeMitIhrenFehlern) {
  Beispiel b;
  Stuecklistenzugriff zugriff(b.umgebung);
  const auto code = [](const std::optional<Makrofehlerfall>& f) { return f ? static_cast<int>(f->code) : 0; };

  EXPECT_EQ(code(zugriff.listeninfo("1", "SYMBOLNAME").fehler), 16);
  EXPECT_EQ(code(zugriff.waehleMaske(b.z, "Keine")), 14);
  EXPECT_EQ(code(zugriff.erzeugeListe(b.z, "Keine").fehler), 15);
  const std::vector<std::string> kopf{"Typ", "", "Preis"};
  EXPECT_EQ(code(zugriff.erzeugeMaske("Leuchten", kopf)), 0);
  EXPECT_EQ(code(zugriff.erzeugeMaske("../Leuchten", kopf)), 5);
  EXPECT_EQ(code(zugriff.waehleMaske(b.z, "Leuchten")), 0);
  EXPECT_EQ(zugriff.erzeugeListe(b.z, "").wert, "0");
  EXPECT_EQ(code(zugriff.listeninfo("1", "Anzahl").fehler), 19);
  EXPECT_EQ(code(zugriff.setzeSymbolmaske(b.z, "Lampe.DET", "Keine")), 14);
  EXPECT_EQ(code(zugriff.setzeSymbolmaske(b.z, "Lampe.DET", "Leuchten")), 0);

  EXPECT_EQ(zugriff.symbolwert(b.z, "Lampe.DET", 1).wert, "Leuchte");  // the drawing's copy
  EXPECT_EQ(zugriff.symbolwert(b.z, "Tisch.QZS", 3).wert, "Eiche; geölt");
  EXPECT_EQ(code(zugriff.symbolwert(b.z, "Tisch.QZS", 11).fehler), 5);
  EXPECT_EQ(code(zugriff.setzeSymbolwert(b.z, "Tisch.QZS", 0, "x")), 5);
  EXPECT_EQ(code(zugriff.setzeSymbolwert(b.z, "Tisch.QZS", 10, "Nr. 7")), 0);
  EXPECT_EQ(std::tuple(zugriff.symbolwert(b.z, "Tisch.QZS", 10).wert, zugriff.symbolwert(b.z, "Tisch.QZS", 1).wert),
            std::tuple("Nr. 7", "Esstisch"));

  // Without a name, the chosen mask; the user's file now names it for Lampe.
  EXPECT_EQ(zugriff.erzeugeListe(b.z, "").wert, "1");
  const struct {
    const char* eintrag;
    const char* spalte;
    const char* wert;
    int fehler;
  } faelle[] = {
      {"1", "SYMBOLNAME", "Lampe.DET", 0},
      {"Lampe.DET", "Anzahl", "1", 0},
      {"1", "Typ", "Leuchte", 0},  // kept from the drawing's copy when Mask was set
      {"1", "0", "1", 0},
      {"2", "Typ", "", 18},
      {"Stuhl.QZS", "Typ", "", 17},
      {"1", "Farbe", "", 18},
      {"1", "12", "", 18},
  };
  for (const auto& f : faelle) {
    const Listenantwort a = zugriff.listeninfo(f.eintrag, f.spalte);
    EXPECT_EQ(std::tuple(a.wert, code(a.fehler)), std::tuple(f.wert, f.fehler)) << f.eintrag << " " << f.spalte;
  }
}

}  // namespace
}  // namespace quarzel
