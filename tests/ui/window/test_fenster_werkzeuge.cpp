// The main window's tools as a user meets them: tool bars with their hints
// and codes, clicks on the drawing area that become elements, rubber bands
// that never touch the picture, the numeric entry panel; and a drawing made
// with the mouse surviving undo, redo, saving and opening.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

#include "edit/werkzeugsteuerung.h"
#include "support/ui/fensterhilfen.h"
#include "support/werkzeugnummer.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class FensterWerkzeuge : public test::Fensterfixture {
 protected:
  const Ansicht& ansicht() { return f->sitzung().zeichnung.ansicht; }
  void taste(Qt::Key k) { QTest::keyClick(&flaeche(), k); }
  Weltpunkt welt(QPoint p) { return ansicht().pixelToWorld(p.x(), p.y()); }
};

// --- Tool bars ---------------------------------------------------------------

TEST_F(FensterWerkzeuge, KnoepfeTragenDieDeutschenHinweiseUndSetzenIhrenWerkzeugcode) {
  const Werkzeugleisten& l = f->leisten();
  const struct {
    const QToolBar* leiste;
    const char* hinweis;
    Werkzeugcode code;
  } erwartet[] = {
      {l.linien, "Linie ", wz(1)},
      {l.linien, "Polygonzug ", wz(8)},
      {l.linien, "Rechteck", wz(3)},
      {l.linien, "Kreis ", wz(2)},
      {l.linien, "Kreisbogen ", wz(5)},
      {l.linien, "Ellipse ", wz(4)},
      {l.linien, "Bézierkurve", wz(10)},
      {l.linien, "Spline", wz(25)},
      {l.linien, "Freihandlinie", wz(40)},
      {l.linien, "Markerpunkt", wz(54)},
      {l.linien, "Vieleck mit n Ecken ", wz(36)},
      {l.flaechen, "Polygon", wz(9)},
      {l.flaechen, "Rechteck", wz(16)},
      {l.flaechen, "Vollkreis", wz(17)},
      {l.ansicht, "Markieren", wz(100)},
      {l.ansicht, "Auschnitt vergrößern", wz(107)},
  };
  for (const auto& e : erwartet) {
    QAction* a = l.aktionMitHinweis(e.leiste, QString::fromUtf8(e.hinweis));
    ASSERT_NE(a, nullptr) << e.hinweis;
    EXPECT_EQ(werkzeugcode(a), e.code) << e.hinweis;
    a->trigger();
    EXPECT_EQ(werkzeug(), e.code) << e.hinweis;
    EXPECT_TRUE(a->isChecked()) << "the pressed button shows the active tool";
  }
  EXPECT_EQ(l.numerischeEingabe->toolTip(), QStringLiteral("Numerische Eingabe "));
}

// --- Drawing with the mouse --------------------------------------------------

TEST_F(FensterWerkzeuge, LinieUndKreisUeberlebenUndoRedoSpeichernUndOeffnen) {
  waehle(wz(1));
  const QPoint a(200, 200), b(360, 260);
  klick(a);
  klick(b);
  ASSERT_EQ(speicher().anzahl(), 1);
  ASSERT_EQ(speicher().art(1), Elementart::Linie);
  const Weltpunkt wa = welt(a), wb = welt(b);

  waehle(wz(2));
  const QPoint m(450, 300), r(490, 300);
  klick(m);
  klick(r);
  const double radius = 40 * ansicht().zoom;

  f->menue().rueckgaengig->trigger();
  EXPECT_TRUE(speicher().lebendig(1));
  EXPECT_FALSE(speicher().lebendig(2)) << "undo takes the circle, the last step";
  f->menue().wiederherstellen->trigger();
  EXPECT_TRUE(speicher().lebendig(2));

  benutzer.dateinamen = {pfad("grundriss.QZZ"), pfad("grundriss.QZZ")};
  f->menue().speichernUnter->trigger();
  f->menue().neu->trigger();
  ASSERT_EQ(speicher().anzahl(), 0);
  f->menue().oeffnen->trigger();

  ASSERT_EQ(speicher().anzahl(), 2) << benutzer.letzteMeldung();
  EXPECT_EQ(speicher().art(1), Elementart::Linie);
  const Tliniendaten& l = speicher().linie(1);
  EXPECT_EQ(std::tuple(l.x1, l.y1, l.x2, l.y2), std::tuple(wa.x, wa.y, wb.x, wb.y)) << "world coordinates bit for bit";
  EXPECT_EQ(speicher().art(2), Elementart::Bogen);
  EXPECT_NEAR(speicher().bogen(2).xr, radius, 1e-9);
}

TEST_F(FensterWerkzeuge, KlickMarkiertUndEntfLoescht) {
  waehle(wz(1));
  klick({200, 200});
  klick({400, 200});
  ASSERT_EQ(speicher().anzahl(), 1);
  waehle(wz(100));
  // Press and release well apart in time: a click, not a double click.
  klick({300, 200});
  EXPECT_EQ(speicher().anzahlMarkierte(), 1);
  taste(Qt::Key_Delete);
  EXPECT_FALSE(speicher().lebendig(1));
  EXPECT_TRUE(f->menue().rueckgaengig->isEnabled());
}

TEST_F(FensterWerkzeuge, GummibandErscheintUndVerschwindetOhneDasBildZuAendern) {
  waehle(wz(1));
  klick({100, 100});
  const QImage vorher = flaeche().bild();
  bewege({180, 150});
  EXPECT_EQ(flaeche().bild(), vorher) << "the band lies over the picture, not in it";
  EXPECT_NE(flaeche().sichtbaresBild(), vorher) << "but the screen shows it";
  bewege({190, 160});
  taste(Qt::Key_Escape);
  EXPECT_EQ(flaeche().sichtbaresBild(), flaeche().bild()) << "Escape erases the band completely";
  EXPECT_EQ(werkzeug(), wz(1)) << "one Escape drops the point, the tool stays";
}

TEST_F(FensterWerkzeuge, MarkierrahmenFolgtDerAnsichtUndGehtMitDerZeichnung) {
  waehle(wz(1));
  klick({200, 200});
  klick({400, 200});
  waehle(wz(100));
  klick({300, 200});
  ASSERT_EQ(speicher().anzahlMarkierte(), 1);
  // The frame's pixels are exactly where the screen differs from the picture.
  auto rahmen = [this] {
    const QImage bild = flaeche().bild(), schirm = flaeche().sichtbaresBild();
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
      for (int x = 0; x < bild.width(); ++x)
        if (bild.pixel(x, y) != schirm.pixel(x, y)) r |= QRect(x, y, 1, 1);
    return r;
  };
  const QRect vorher = rahmen();
  ASSERT_FALSE(vorher.isEmpty());
  EXPECT_LT(vorher.left(), 200);
  EXPECT_GT(vorher.right(), 400);

  f->verkleinern();
  const QRect nachher = rahmen();
  ASSERT_FALSE(nachher.isEmpty());
  EXPECT_LT(nachher.width(), vorher.width()) << "the frame shrinks with its line";

  f->neu();
  EXPECT_EQ(flaeche().sichtbaresBild(), flaeche().bild()) << "no frame is left over the new drawing";
}

// --- Numeric entry -------------------------------------------------------------

class Numerisch : public FensterWerkzeuge {
 protected:
  void SetUp() override {
    FensterWerkzeuge::SetUp();
    f->leisten().numerischeEingabe->trigger();
    QApplication::processEvents();
    p = &f->werkzeuge().panel();
    ASSERT_TRUE(p->isVisible());
  }
  void tippe(int gruppe, bool y, const QString& text) {
    QLineEdit* e = p->feld(gruppe, y);
    e->setFocus();
    QApplication::processEvents();
    e->selectAll();
    QTest::keyClicks(e, text);
  }
  Koordinatenpanel* p = nullptr;
};

TEST_F(Numerisch, KurztastenMitStrgUndPos1WirkenAuchImFeld) {
  waehle(wz(1));
  const struct {
    QAction* aktion;
    QKeyCombination taste;
  } faelle[] = {{f->menue().speichern, Qt::CTRL | Qt::Key_S},
                {f->menue().oeffnen, Qt::CTRL | Qt::Key_O},
                {f->menue().gesamtesBlatt, QKeyCombination(Qt::Key_Home)}};
  for (const auto& fall : faelle) {
    int ausgeloest = 0;
    const auto verbindung = QObject::connect(fall.aktion, &QAction::triggered, [&] { ++ausgeloest; });
    tippe(0, false, QStringLiteral("1"));
    QTest::keyClick(p->feld(0, false), fall.taste.key(), fall.taste.keyboardModifiers());
    QObject::disconnect(verbindung);
    EXPECT_EQ(ausgeloest, 1) << fall.aktion->text().toStdString();
    benutzer.dateinamen.clear();
  }
}

TEST_F(Numerisch, KeineZahlGibtEineMeldungUndBleibtStehen) {
  waehle(wz(1));
  for (const QString& text : {QStringLiteral("abc"), QStringLiteral("2**"), QStringLiteral("1/0")}) {
    tippe(0, false, text);
    QTest::keyClick(p->feld(0, false), Qt::Key_Return);
    EXPECT_EQ(benutzer.letzteMeldung(), "Die Eingabe \"" + text.toStdString() + "\" ist keine gültige Zahl.");
    EXPECT_EQ(p->feld(0, false)->text(), text);
    EXPECT_EQ(f->werkzeuge().steuerung().zustand().schritt, 1) << "no point was set";
    flaeche().setFocus();
    QApplication::processEvents();
    EXPECT_EQ(p->feld(0, false)->text(), text) << "leaving the field keeps it";
  }
  EXPECT_EQ(speicher().anzahl(), 0);
}

TEST_F(Numerisch, EnterUndQSetzenDiePunkteEinerLinie) {
  waehle(wz(1));
  // Start at the user origin (absolute), end 1 m further right (relative).
  p->relativ(0)->setChecked(false);
  tippe(0, false, QStringLiteral("0"));
  tippe(0, true, QStringLiteral("0"));
  QTest::keyClick(p->feld(0, true), Qt::Key_Return);
  EXPECT_EQ(f->werkzeuge().steuerung().zustand().schritt, 2);
  EXPECT_TRUE(p->feld(1, false)->hasFocus()) << "the focus moves to the next group";
  tippe(1, false, QStringLiteral("1"));
  tippe(1, true, QStringLiteral("0"));
  p->feld(1, false)->setFocus();
  QTest::keyClick(p->feld(1, false), Qt::Key_Q);
  ASSERT_EQ(speicher().anzahl(), 1);
  const Tliniendaten& l = speicher().linie(1);
  const Weltpunkt null = ansicht().zeroPoint;
  // 1 m at 1:100 is 10 sheet millimetres.
  EXPECT_NEAR(l.x1, null.x, 1e-9);
  EXPECT_NEAR(l.x2, null.x + 10, 1e-9);
  EXPECT_NEAR(l.y2, null.y, 1e-9);
}

}  // namespace
}  // namespace quarzel
