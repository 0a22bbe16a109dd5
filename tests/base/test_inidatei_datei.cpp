// IniDatei against real files and hostile bytes: encodings, limits, atomic
// writing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "base/inidatei.h"
#include "base/sicheredatei.h"
#include "base/textkodierung.h"
#include "settings/test_konfiguration_hilfe.h"

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

TEST(IniKodierung, GemischteDateiWirdZeilenweiseErkannt) {
  const auto ini = IniDatei::ausText(
      "[A]\nutf=Größe\nansi=Gr\xF6\xDF"
      "e\n");
  EXPECT_EQ(ini.wert("A", "utf"), "Größe");
  EXPECT_EQ(ini.wert("A", "ansi"), "Größe");
}

TEST(IniKodierung, Utf16MitByteOrderMark) {
  std::string le = "\xFF\xFE";
  std::string be = "\xFE\xFF";
  // Plain UTF-16 of a Latin-1 text: every character below U+0100.
  const std::u32string zeichen = U"[Stifte]\r\nTürbogenstift=4\r\n";
  for (char32_t c : zeichen) {
    le += char(c & 0xFF), le += char(c >> 8);
    be += char(c >> 8), be += char(c & 0xFF);
  }
  EXPECT_EQ(IniDatei::ausText(le).wert("Stifte", "Türbogenstift"), "4");
  EXPECT_EQ(IniDatei::ausText(be).wert("Stifte", "Türbogenstift"), "4");
  EXPECT_EQ(IniDatei::ausText(std::string("\xFF\xFE[\0A\0]\0\n\0k\0=\0\x3D\xD8\n\0", 18)).wert("A", "k"), "\uFFFD")
      << "a lone surrogate";
}

TEST(IniKodierung, Utf8ByteOrderMarkUndNulBytes) {
  const std::string mitNul("\xEF\xBB\xBF[A]\nk=1\0 2\n\0\0\0\n", 16);
  const auto ini = IniDatei::ausText(mitNul);
  EXPECT_EQ(ini.wert("A", "k"), "1 2");
  EXPECT_EQ(ini.text().find('\0'), std::string::npos);
  EXPECT_EQ(ini.text().rfind("\xEF\xBB\xBF", 0), std::string::npos);
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

TEST(IniGrenzen, LangeZeilenJaZuVieleZeilenNein) {
  const std::string lang(1 << 20, 'x');
  const auto ini = IniDatei::ausText("[A]\n" + lang + "\nk=" + lang + "\n" + lang + "=1\nnach=2\n");
  EXPECT_EQ(ini.wert("A", "k")->size(), lang.size());
  EXPECT_EQ(ini.wert("A", "nach"), "2");
  EXPECT_EQ(ini.leseZahl("A", "k", 5), 5);
  EXPECT_FALSE(ini.abgeschnitten());

  std::string viele = "[A]\nk=1\n";
  viele.append(IniDatei::kMaxZeilen + 10, '\n');
  viele += "spaet=1\n";
  const auto abgeschnitten = IniDatei::ausText(viele);
  EXPECT_TRUE(abgeschnitten.abgeschnitten());
  EXPECT_EQ(abgeschnitten.wert("A", "k"), "1");
  EXPECT_FALSE(abgeschnitten.wert("A", "spaet"));
}

TEST(IniDateien, FehlendeUndUnlesbareDateien) {
  TempOrdner ordner;
  IniDatei ini = IniDatei::ausText("[A]\nk=1\n");
  EXPECT_EQ(ini.laden(ordner / "fehlt.ini"), IniDatei::Ladestatus::Fehlt);
  EXPECT_FALSE(ini.hatSektion("A")) << "a failed load leaves nothing behind";
  EXPECT_EQ(ini.laden(ordner.pfad()), IniDatei::Ladestatus::Unlesbar);
  EXPECT_EQ(ini.laden(ordner / "fehlt" / "auch.ini"), IniDatei::Ladestatus::Fehlt);
  // Neither a FIFO nor a device may make the reader wait or read without end.
  ASSERT_EQ(::mkfifo((ordner / "rohr.ini").c_str(), 0600), 0);
  EXPECT_EQ(ini.laden(ordner / "rohr.ini"), IniDatei::Ladestatus::Unlesbar);
  EXPECT_EQ(ini.laden("/dev/zero"), IniDatei::Ladestatus::Unlesbar);
}

TEST(IniDateien, GrosseDateiWirdNurBisZurGrenzeGelesen) {
  TempOrdner ordner;
  std::string inhalt = "[A]\nk=1\n";
  inhalt.resize(IniDatei::kMaxBytes + 4096, 'z');
  schreibeDatei(ordner / "gross.ini", inhalt);
  IniDatei ini;
  EXPECT_EQ(ini.laden(ordner / "gross.ini"), IniDatei::Ladestatus::Gelesen);
  EXPECT_TRUE(ini.abgeschnitten());
  EXPECT_EQ(ini.wert("A", "k"), "1");
  EXPECT_TRUE(IniDatei::ausText(inhalt).abgeschnitten());
  const auto teil = leseDateiBegrenzt(ordner / "gross.ini", 4);
  EXPECT_EQ(teil.status, Lesestatus::Abgeschnitten);
  EXPECT_EQ(teil.inhalt, "[A]\n");
  EXPECT_EQ(leseDateiBegrenzt(ordner / "gross.ini", inhalt.size()).status, Lesestatus::Gelesen);
}

TEST(IniDateien, SpeichernUndLadenAlsUtf8) {
  TempOrdner ordner;
  IniDatei ini;
  ini.schreibeZahl("Projektoptionen", "varBlattformatHöhe:", 270);
  ASSERT_TRUE(ini.speichern(ordner / "q.ini"));
  EXPECT_EQ(leseDatei(ordner / "q.ini"), "[Projektoptionen]\nvarBlattformatHöhe:=270\n");
  IniDatei wieder;
  ASSERT_EQ(wieder.laden(ordner / "q.ini"), IniDatei::Ladestatus::Gelesen);
  EXPECT_EQ(wieder.leseZahl("Projektoptionen", "varBlattformatHöhe:", 0), 270);
}

TEST(AtomaresSchreiben, KeineTemporaerenDateienBleibenLiegen) {
  TempOrdner ordner;
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(schreibeDateiAtomar(ordner / "a.ini", "inhalt " + std::to_string(i)));
  EXPECT_EQ(leseDatei(ordner / "a.ini"), "inhalt 4");
  EXPECT_EQ(std::distance(fs::directory_iterator(ordner.pfad()), fs::directory_iterator()), 1);
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
