// The core's "Beschreibung|Muster|..." filters become Qt name filters that
// find the program's files whatever case their extensions are written in.
#include "ui/qt/dateifilter.h"

#include <gtest/gtest.h>

namespace quarzel {
namespace {

TEST(Dateifilter, PaareWerdenZuQtFilternMitKleinschreibungsvariante) {
  const QStringList f = qtDateifilter("Zeichnungen (*.QZZ)|*.QZZ|Alle Dateien|*.*");
  ASSERT_EQ(f.size(), 2);
  EXPECT_EQ(f[0], QStringLiteral("Zeichnungen (*.QZZ *.qzz)"));
  EXPECT_EQ(f[1], QStringLiteral("Alle Dateien (*)"));
  EXPECT_EQ(qtDateifilterText("Zeichnungen (*.QZZ)|*.QZZ|Alle Dateien|*.*"),
            QStringLiteral("Zeichnungen (*.QZZ *.qzz);;Alle Dateien (*)"));
}

TEST(Dateifilter, MehrereMusterMitSemikolonWerdenLeerzeichenGetrennt) {
  EXPECT_EQ(qtDateifilterText("Zeichnungen|*.QZZ;*.BAK;*.pla"),
            QStringLiteral("Zeichnungen (*.QZZ *.qzz *.BAK *.bak *.pla)"));
}

TEST(Dateifilter, UmlauteInDerBeschreibungBleibenErhalten) {
  EXPECT_EQ(qtDateifilterText("Stücklisten-Masken|MASK_*.ini"),
            QStringLiteral("Stücklisten-Masken (MASK_*.ini mask_*.ini)"));
}

TEST(Dateifilter, LeererOderUnvollstaendigerFilterGibtSinnvolleVorgabe) {
  EXPECT_EQ(qtDateifilterText(""), QStringLiteral("Alle Dateien (*)"));
  EXPECT_EQ(qtDateifilterText("Makros|*.PSQ|Texte"), QStringLiteral("Makros (*.PSQ *.psq);;Texte (*)"));
  EXPECT_EQ(qtDateifilterText("|*.DXF"), QStringLiteral("Dateien (*.DXF *.dxf)"));
}

TEST(Dateifilter, ZeichenDieQtsFilterlesungStoerenWerdenEntfernt) {
  // A ")" or blank inside a pattern would make Qt take the whole text as pattern.
  EXPECT_EQ(qtDateifilterText("Böse|*.a)b (c"), QStringLiteral("Böse (*.ab c)"));
}

TEST(Dateifilter, HoechstensHundertEintraege) {
  std::string viel;
  for (int i = 0; i < 1000; ++i) viel += "X|*.X|";
  EXPECT_EQ(qtDateifilter(viel).size(), 100);
}

TEST(Dateifilter, StandardendungKommtAusDemErstenMuster) {
  EXPECT_EQ(standardEndung("Zeichnungen (*.QZZ)|*.QZZ|Alle Dateien|*.*"), QStringLiteral("QZZ"));
  EXPECT_EQ(standardEndung("Alle Dateien|*.*"), QString());
  EXPECT_EQ(standardEndung("ohne Muster"), QString());
}

}  // namespace
}  // namespace quarzel
