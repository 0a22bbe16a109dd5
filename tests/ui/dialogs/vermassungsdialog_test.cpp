// The dialog "Bemaßung": its fields show and return every style field,
// profiles are saved and chosen by name, and from the menu it restyles or
// deletes the marked dimensions.
#include "ui/dialogs/vermassungsdialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

#include "support/ui/einstellungshilfen.h"
#include "support/ui/fensterhilfen.h"

namespace quarzel {
namespace {

using Bemassungsdialog = test::Fensterfixture;

Bemassungsstil anderer() {
  Bemassungsstil s;
  Bemassungsstil::felder(s, [](auto& feld, auto... bereich) {
    using T = std::decay_t<decltype(feld)>;
    if constexpr (std::is_same_v<T, bool>) {
      feld = !feld;
    } else if constexpr (std::is_same_v<T, std::string>) {
      feld = "Ä" + feld + "x";
    } else {
      // The upper end of each range differs from every default.
      ((feld = static_cast<T>(bereich.max > 1e6 ? 1234.5 : bereich.max)), ...);
    }
  });
  s.schrift = "DejaVu Sans";
  return s;
}

// The live dimension records, in store order.
std::vector<tmessdaten> bemassungen(const Elementspeicher& s) {
  std::vector<tmessdaten> v;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.lebendig(n) && s.art(n) == Elementart::Bemassung) v.push_back(s.bemassung(n));
  return v;
}

TEST_F(Bemassungsdialog, FelderUndProfile) {
  TVermassung d(Bemassungsstil(), false, benutzer);
  EXPECT_EQ(d.stil(), Bemassungsstil());
  d.setzeStil(anderer());
  EXPECT_EQ(d.stil(), anderer());
  EXPECT_FALSE(d.loeschenKnopf()->isEnabled());

  EXPECT_FALSE(d.speichernKnopf()->isEnabled());
  d.profilname()->setEditText(QStringLiteral("Werkplan"));
  ASSERT_TRUE(d.speichernKnopf()->isEnabled());
  d.speichernKnopf()->click();
  d.setzeStil(Bemassungsstil());
  ASSERT_GE(d.profilname()->findText(QStringLiteral("Werkplan")), 0);
  d.profilLaden(QStringLiteral("WERKPLAN"));
  EXPECT_EQ(d.stil(), anderer());
  EXPECT_TRUE(benutzer.meldungen.empty()) << benutzer.letzteMeldung();
  d.profilname()->setEditText(QStringLiteral("  "));
  EXPECT_FALSE(d.speichernKnopf()->isEnabled());
}

TEST_F(Bemassungsdialog, MarkierteBemassungenInEinemSchrittUmgestaltenOderLoeschen) {
  speicher().beginneSchritt();
  const std::int32_t n = speicher().neueBemassung({.geometrie = {0, 0, 50, 0, 25, 10, 0, 0}, .texthoehe = 3.5});
  speicher().vervollstaendige(n);
  speicher().setzeMarkiert(n, 1);
  const tmessdaten vorher = bemassungen(speicher()).at(0);
  test::imDialog<TVermassung>([](TVermassung& d) {
    EXPECT_TRUE(d.loeschenKnopf()->isEnabled());
    Bemassungsstil s = d.stil();
    s.dezimalmodus = 4;
    s.texthoehe = 5;
    d.setzeStil(s);
    test::okDruecken(d);
  });
  test::menueeintrag(*f->menuBar(), "Bemaßung...")->trigger();
  EXPECT_EQ(f->sitzung().bemassungsstil.dezimalmodus, 4);
  const auto nachher = bemassungen(speicher());
  ASSERT_EQ(nachher.size(), 1u);
  EXPECT_EQ(std::tuple(nachher[0].schalter[0], nachher[0].texthoehe, nachher[0].geometrie),
            std::tuple(4, 5.0, vorher.geometrie));
  speicher().rueckgaengig();
  EXPECT_EQ(bemassungen(speicher()), std::vector{vorher});

  for (std::int32_t i = 1; i <= speicher().anzahl(); ++i)
    if (speicher().lebendig(i)) speicher().setzeMarkiert(i, 1);
  test::imDialog<TVermassung>([](TVermassung& d) { d.loeschenKnopf()->click(); });
  test::menueeintrag(*f->menuBar(), "Bemaßung...")->trigger();
  EXPECT_TRUE(bemassungen(speicher()).empty());
}

}  // namespace
}  // namespace quarzel
