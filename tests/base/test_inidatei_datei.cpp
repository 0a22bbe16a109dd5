// IniDatei against real files: encodings, missing and unreadable files,
// atomic writing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/inidatei.h"
#include "base/sicheredatei.h"
#include "base/textkodierung.h"
#include "support/settings/test_konfiguration_hilfe.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;
using test::leseDatei;
using test::schreibeDatei;
using test::TempOrdner;

TEST(IniKodierung, Windows1252WirdUtf8) {
  // "Maßstab", "Höhe", "€" as single Windows-1252 bytes.
  const auto ini = IniDatei::ausText("[Projektoptionen]\nMa\xDFstab=50\nvarBlattformatH\xF6he:=297\nEuro=\x80\n");
  EXPECT_EQ(ini.wert("Projektoptionen", "Maßstab"), "50");
  EXPECT_EQ(ini.wert("Projektoptionen", "varBlattformatHöhe:"), "297");
  EXPECT_EQ(ini.wert("Projektoptionen", "Euro"), "€");
  EXPECT_TRUE(istGueltigesUtf8(ini.text()));
}

TEST(Textkodierung, StrengesUtf8) {
  EXPECT_TRUE(istGueltigesUtf8("Größe €𝄞"));
  EXPECT_FALSE(istGueltigesUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(istGueltigesUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(istGueltigesUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(istGueltigesUtf8("\xE2\x82"));          // cut short
  EXPECT_FALSE(istGueltigesUtf8("\x80"));
  EXPECT_EQ(cp1252NachUtf8("\x81\x8D\x9F\xA0\xFF"), "\uFFFD\uFFFD\u0178\u00A0\u00FF");
}

TEST(AtomaresSchreiben, FehlschlagLaesstDieAlteDateiUnberuehrt) {
  TempOrdner ordner;
  schreibeDatei(ordner / "a.ini", "alt");
  // A folder in the way of the target: the rename must fail.
  fs::create_directories(ordner / "b.ini" / "x");
  std::string fehler;
  EXPECT_FALSE(schreibeDateiAtomar(ordner / "b.ini", "neu", &fehler));
  EXPECT_FALSE(fehler.empty());
  EXPECT_FALSE(schreibeDateiAtomar(ordner / "fehlt" / "c.ini", "neu", &fehler));
  EXPECT_EQ(fehler, "Ordner nicht vorhanden") << "the user reads the reason in German";
  EXPECT_EQ(leseDatei(ordner / "a.ini"), "alt");
  EXPECT_EQ(std::distance(fs::directory_iterator(ordner.pfad()), fs::directory_iterator()), 2);
}

TEST(AtomaresSchreiben, RechteUndSymbolischeVerweiseBleiben) {
  TempOrdner ordner;
  schreibeDatei(ordner / "ziel.ini", "alt");
  fs::permissions(ordner / "ziel.ini", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(ordner / "ziel.ini", ordner / "verweis.ini");
  ASSERT_TRUE(schreibeDateiAtomar(ordner / "verweis.ini", "neu"));
  EXPECT_TRUE(fs::is_symlink(ordner / "verweis.ini"));
  EXPECT_EQ(leseDatei(ordner / "ziel.ini"), "neu");
  EXPECT_EQ(fs::status(ordner / "ziel.ini").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace quarzel
