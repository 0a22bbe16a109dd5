// The shipped symbol library (data/Symbole, made by scripts/symbole-erzeugen):
// every file must be one the program can place at the scale its folder and
// name promise, with its information and a data mask that exists.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/inidatei.h"
#include "platform/skriptbenutzer.h"
#include "store/symboldatei.h"
#include "store/symbolinformationen.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;

const fs::path kDaten = QUARZEL_DATA_DIR;

// Width and height from a PNG's header, 0 × 0 when it is none.
std::pair<std::uint32_t, std::uint32_t> pngGroesse(const std::vector<std::uint8_t>& png) {
  static constexpr std::uint8_t kSignatur[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (png.size() < 24 || !std::equal(std::begin(kSignatur), std::end(kSignatur), png.begin())) return {0, 0};
  auto be32 = [&](std::size_t i) {
    return std::uint32_t(png[i]) << 24 | std::uint32_t(png[i + 1]) << 16 | std::uint32_t(png[i + 2]) << 8 | png[i + 3];
  };
  return {be32(16), be32(20)};
}

TEST(Symbolbibliothek, JedeDateiIstPlatzierbarMitVorschauMassstabUndInformationen) {
  int symbole = 0;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(kDaten / "Symbole")) {
    if (!e.is_regular_file() || e.path().extension() != ".QZS") continue;
    ++symbole;
    const std::string pfad = e.path().string();
    SCOPED_TRACE(pfad);
    SkriptBenutzer benutzer;
    const Symbolladeergebnis geladen = ladeSymbol(pfad, benutzer);
    ASSERT_TRUE(geladen.geladen) << geladen.fehler;
    EXPECT_GT(geladen.elemente, 0);
    EXPECT_EQ(geladen.verworfeneSaetze, 0);
    EXPECT_EQ(pngGroesse(geladen.symbol->kopf.vorschau), std::make_pair(64u, 64u));

    // "…/M 1-50/Stuhl_M50.QZS": folder, name and header name the same scale.
    const double massstab = geladen.symbol->kopf.massstab;
    EXPECT_TRUE(massstab == 50 || massstab == 100) << massstab;
    const std::string n = std::to_string(static_cast<int>(massstab));
    EXPECT_EQ(e.path().parent_path().filename().string(), "M 1-" + n);
    EXPECT_TRUE(e.path().stem().string().ends_with("_M" + n));

    const fs::path info = kDaten / kSymbolinformationsordner / (symbolstamm(pfad) + ".ini");
    IniDatei ini;
    ASSERT_EQ(ini.laden(info), IniDatei::Ladestatus::Gelesen) << info;
    EXPECT_FALSE(symbolinformationenAus(ini, symbolstamm(pfad)).bezeichnung.empty());
  }
  EXPECT_GE(symbole, 70);  // 37 symbols, each at 1:50 and 1:100

  int mitMaske = 0;
  for (const fs::directory_entry& e : fs::directory_iterator(kDaten / kSymbolinformationsordner)) {
    SCOPED_TRACE(e.path().string());
    IniDatei ini;
    ASSERT_EQ(ini.laden(e.path()), IniDatei::Ladestatus::Gelesen);
    const std::optional<std::string> maske = ini.wert(e.path().stem().string(), "Mask");
    if (!maske) continue;
    ++mitMaske;
    IniDatei maskendatei;
    ASSERT_EQ(maskendatei.laden(kDaten / "Datenmasken" / ("MASK_" + *maske + ".ini")), IniDatei::Ladestatus::Gelesen);
    EXPECT_TRUE(maskendatei.hatSchluessel("Eingabemaske", "l1"));
  }
  EXPECT_GE(mitMaske, 16);  // the eight pieces of furniture at both scales
}

}  // namespace
}  // namespace quarzel
