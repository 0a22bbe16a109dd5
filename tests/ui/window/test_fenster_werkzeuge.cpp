// The main window's tools as a user meets them: tool bars with their hints
// and codes, clicks on the drawing area that become elements, rubber bands
// that never touch the picture, the numeric entry panel, Escape, wheel zoom,
// panning and the status bar's prompt; and a drawing made with the mouse
// surviving undo, redo, saving and opening.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <cmath>

#include "edit/werkzeugsteuerung.h"
#include "fensterhilfen.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/statusleiste.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

class FensterWerkzeuge : public ::testing::Test, public test::Fenstertest {
 protected:
  void SetUp() override {
    f = fenster(mitIni());
    ASSERT_TRUE(f->sitzung().startGelungen());
    zeigen(*f);
  }

  Zeichenflaeche& flaeche() { return f->zeichenflaeche(); }
  Elementspeicher& speicher() { return f->sitzung().zeichnung.speicher; }
  const Ansicht& ansicht() { return f->sitzung().zeichnung.ansicht; }
  std::uint16_t werkzeug() { return f->werkzeuge().steuerung().zustand().werkzeug; }

  void waehle(std::uint16_t code) {
    QAction* a = f->leisten().aktionFuer(code);
    ASSERT_NE(a, nullptr) << code;
    a->trigger();
    ASSERT_EQ(werkzeug(), code);
  }
  // Device pixels are widget pixels on the offscreen platform.
  void klick(QPoint p, Qt::MouseButton taste = Qt::LeftButton) { QTest::mouseClick(&flaeche(), taste, {}, p); }
  void bewege(QPoint p) { QTest::mouseMove(&flaeche(), p); }
  void taste(Qt::Key k) { QTest::keyClick(&flaeche(), k); }
  Weltpunkt welt(QPoint p) { return ansicht().pixelToWorld(p.x(), p.y()); }

  test::Testfenster f;
};

// --- Tool bars ---------------------------------------------------------------

TEST_F(FensterWerkzeuge, KnoepfeTragenDieDeutschenHinweiseUndSetzenIhrenWerkzeugcode) {
  const Werkzeugleisten& l = f->leisten();
  const struct {
    const QToolBar* leiste;
    const char* hinweis;
    std::uint16_t code;
  } erwartet[] = {
      {l.linien, "Linie ", 1},
      {l.linien, "Polygonzug ", 8},
      {l.linien, "Rechteck", 3},
      {l.linien, "Kreis ", 2},
      {l.linien, "Kreisbogen ", 5},
      {l.linien, "Ellipse ", 4},
      {l.linien, "Bézierkurve", 10},
      {l.linien, "Spline", 25},
      {l.linien, "Freihandlinie", 40},
      {l.linien, "Markerpunkt", 54},
      {l.linien, "Vieleck mit n Ecken ", 36},
      {l.flaechen, "Polygon", 9},
      {l.flaechen, "Rechteck", 16},
      {l.flaechen, "Vollkreis", 17},
      {l.ansicht, "Markieren", 100},
      {l.ansicht, "Auschnitt vergrößern", 107},
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

TEST_F(FensterWerkzeuge, EigenschaftsfelderErscheinenNurMitIhremWerkzeug) {
  Eigenschaftsleiste& e = f->eigenschaften();
  waehle(1);
  EXPECT_FALSE(e.eckradiusSichtbar());
  EXPECT_FALSE(e.eckenSichtbar());
  EXPECT_FALSE(e.flaecheSichtbar());
  waehle(3);
  EXPECT_TRUE(e.eckradiusSichtbar());
  waehle(36);
  EXPECT_TRUE(e.eckenSichtbar());
  EXPECT_FALSE(e.eckradiusSichtbar());
  waehle(9);
  EXPECT_TRUE(e.flaecheSichtbar());
}

TEST_F(FensterWerkzeuge, StiftwahlGehtInDieAktuellenAttribute) {
  f->eigenschaften().setzeStift(4);
  EXPECT_EQ(speicher().aktuell.stift, 4);
  waehle(1);
  klick({200, 200});
  klick({300, 240});
  ASSERT_EQ(speicher().anzahl(), 1);
  EXPECT_EQ(speicher().linie(1).stift, 4);
}

// --- Drawing with the mouse --------------------------------------------------

TEST_F(FensterWerkzeuge, LinieUndKreisUeberlebenUndoRedoSpeichernUndOeffnen) {
  waehle(1);
  const QPoint a(200, 200), b(360, 260);
  klick(a);
  klick(b);
  ASSERT_EQ(speicher().anzahl(), 1);
  ASSERT_EQ(speicher().art(1), Elementart::Linie);
  const Weltpunkt wa = welt(a), wb = welt(b);
  EXPECT_NEAR(speicher().linie(1).x1, wa.x, 1e-9);
  EXPECT_NEAR(speicher().linie(1).y1, wa.y, 1e-9);
  EXPECT_NEAR(speicher().linie(1).x2, wb.x, 1e-9);
  EXPECT_NEAR(speicher().linie(1).y2, wb.y, 1e-9);

  waehle(2);
  const QPoint m(450, 300), r(490, 300);
  klick(m);
  klick(r);
  ASSERT_EQ(speicher().anzahl(), 2);
  ASSERT_EQ(speicher().art(2), Elementart::Bogen);
  const double radius = 40 * ansicht().zoom;
  EXPECT_NEAR(speicher().bogen(2).xr, radius, 1e-9);

  f->menue().rueckgaengig->trigger();
  EXPECT_TRUE(speicher().lebendig(1));
  EXPECT_FALSE(speicher().lebendig(2)) << "undo takes the circle, the last step";
  f->menue().wiederherstellen->trigger();
  EXPECT_TRUE(speicher().lebendig(2));

  benutzer.dateinamen.push_back(pfad("grundriss.QZZ"));
  f->menue().speichernUnter->trigger();
  ASSERT_EQ(f->sitzung().zeichnung.dateiname, pfad("grundriss.QZZ"));
  f->menue().neu->trigger();
  ASSERT_EQ(speicher().anzahl(), 0);
  benutzer.dateinamen.push_back(pfad("grundriss.QZZ"));
  f->menue().oeffnen->trigger();

  ASSERT_EQ(speicher().anzahl(), 2) << benutzer.letzteMeldung();
  EXPECT_EQ(speicher().art(1), Elementart::Linie);
  EXPECT_EQ(speicher().linie(1).x1, wa.x) << "world coordinates survive bit for bit";
  EXPECT_EQ(speicher().linie(1).y2, wb.y);
  EXPECT_EQ(speicher().art(2), Elementart::Bogen);
  EXPECT_NEAR(speicher().bogen(2).xr, radius, 1e-9);
}

TEST_F(FensterWerkzeuge, FlaechenwerkzeugNimmtDieFuellungDerEigenschaftsleiste) {
  waehle(16);
  klick({200, 200});
  klick({300, 280});
  ASSERT_EQ(speicher().anzahl(), 1);
  EXPECT_EQ(speicher().art(1), Elementart::Polygon);
  EXPECT_EQ(speicher().polygon(1).fuellung.gefuellt, 1);
  EXPECT_EQ(speicher().polygon(1).fuellung.fuellwert, rgb(192, 192, 192)) << "the bar's default fill colour";
}

TEST_F(FensterWerkzeuge, KlickMarkiertUndEntfLoescht) {
  waehle(1);
  klick({200, 200});
  klick({400, 200});
  ASSERT_EQ(speicher().anzahl(), 1);
  waehle(100);
  // Press and release well apart in time: a click, not a double click.
  klick({300, 200});
  EXPECT_EQ(speicher().anzahlMarkierte(), 1);
  taste(Qt::Key_Delete);
  EXPECT_FALSE(speicher().lebendig(1));
  EXPECT_TRUE(f->menue().rueckgaengig->isEnabled());
}

TEST_F(FensterWerkzeuge, GummibandErscheintUndVerschwindetOhneDasBildZuAendern) {
  waehle(1);
  klick({100, 100});
  const QImage vorher = flaeche().bild();
  bewege({180, 150});
  EXPECT_EQ(flaeche().bild(), vorher) << "the band lies over the picture, not in it";
  EXPECT_NE(flaeche().sichtbaresBild(), vorher) << "but the screen shows it";
  bewege({190, 160});
  taste(Qt::Key_Escape);
  EXPECT_EQ(flaeche().sichtbaresBild(), flaeche().bild()) << "Escape erases the band completely";
  EXPECT_EQ(werkzeug(), 1) << "one Escape drops the point, the tool stays";
}

TEST_F(FensterWerkzeuge, NeueElementeOhneNeuaufbauDesBildes) {
  waehle(1);
  const int bilder = flaeche().bildzaehler();
  klick({200, 200});
  bewege({300, 200});
  klick({300, 200});
  ASSERT_EQ(speicher().anzahl(), 1);
  EXPECT_EQ(flaeche().bildzaehler(), bilder) << "objektzeichnen draws onto the picture";
  // The new line is in the picture (within the renderer's rounding).
  bool gezeichnet = false;
  for (int y = 198; y <= 202; ++y) gezeichnet |= flaeche().bild().pixel(250, y) != qRgb(255, 255, 255);
  EXPECT_TRUE(gezeichnet);
  EXPECT_EQ(flaeche().sichtbaresBild(), flaeche().bild()) << "no rubber band left behind";
  EXPECT_EQ(speicher().markiert(1), 0) << "a drawing tool does not select: no marking colour";
}

TEST_F(FensterWerkzeuge, ZweimalEscapeFuehrtZumMarkierwerkzeug) {
  waehle(1);
  klick({200, 200});
  taste(Qt::Key_Escape);
  EXPECT_EQ(werkzeug(), 1);
  taste(Qt::Key_Escape);
  EXPECT_EQ(werkzeug(), Werkzeugzustand::kMarkieren);
  EXPECT_TRUE(f->leisten().markieren->isChecked());
}

TEST_F(FensterWerkzeuge, StatusleisteZeigtDieAufforderungDesSchritts) {
  waehle(1);
  EXPECT_EQ(f->statusleiste().aufforderung(), QStringLiteral("Linie: 1.) Startpunkt"));
  klick({200, 200});
  EXPECT_EQ(f->statusleiste().aufforderung(), QStringLiteral("Linie: 2.) Endpunkt"));
}

// --- View ----------------------------------------------------------------------

TEST_F(FensterWerkzeuge, MausradZoomtUmDenCursor) {
  const QPoint c(300, 200);
  const Weltpunkt vorher = welt(c);
  const double zoom = ansicht().zoom;
  QWheelEvent rad(QPointF(c), flaeche().mapToGlobal(QPointF(c)), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
  QApplication::sendEvent(&flaeche(), &rad);
  EXPECT_NEAR(ansicht().zoom, zoom / 1.3, zoom * 1e-9) << "Mausradfaktor 3: one notch is 1.3 times";
  const Weltpunkt nachher = welt(c);
  // The view origin is a whole millimetre: the point stays within one.
  EXPECT_NEAR(nachher.x, vorher.x, 1.0);
  EXPECT_NEAR(nachher.y, vorher.y, 1.0);
}

TEST_F(FensterWerkzeuge, MittlereTasteVerschiebtDieAnsicht) {
  // Zoomed in, so that the world has room to move in both directions.
  for (int i = 0; i < 4; ++i) f->vergroessern();
  const std::int32_t x0 = ansicht().viewOriginX, y0 = ansicht().viewOriginY;
  QTest::mousePress(&flaeche(), Qt::MiddleButton, {}, QPoint(300, 300));
  QMouseEvent zug(QEvent::MouseMove, QPointF(200, 250), flaeche().mapToGlobal(QPointF(200, 250)), Qt::NoButton,
                  Qt::MiddleButton, Qt::NoModifier);
  QApplication::sendEvent(&flaeche(), &zug);
  QTest::mouseRelease(&flaeche(), Qt::MiddleButton, {}, QPoint(200, 250));
  EXPECT_NEAR(ansicht().viewOriginX - x0, 100 * ansicht().zoom, 1.0) << "dragging left shows what lies right";
  EXPECT_NEAR(ansicht().viewOriginY - y0, 50 * ansicht().zoom, 1.0);
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

TEST_F(Numerisch, FelderHeissenWieErwartetUndBeginnenMitNull) {
  for (int g = 0; g < 3; ++g) {
    EXPECT_EQ(p->feld(g, false)->objectName(), QStringLiteral("x%1eingabe").arg(g + 1));
    EXPECT_EQ(p->feld(g, true)->objectName(), QStringLiteral("y%1eingabe").arg(g + 1));
    EXPECT_EQ(p->feld(g, false)->text(), QStringLiteral("0"));
    EXPECT_TRUE(p->relativ(g)->isChecked());
    EXPECT_FALSE(p->polar(g)->isChecked());
  }
  waehle(2);
  EXPECT_EQ(p->gruppe(0)->title(), QStringLiteral("1.) Mittelpunkt"));
  EXPECT_EQ(p->gruppe(1)->title(), QStringLiteral("2.) Radius"));
  EXPECT_EQ(p->beschriftung(1, false), QStringLiteral("r:"));
  EXPECT_FALSE(p->gruppe(2)->isVisibleTo(p));
  EXPECT_TRUE(p->gruppe(0)->isEnabled());
  EXPECT_FALSE(p->gruppe(1)->isEnabled()) << "only the expected step takes input";
}

TEST_F(Numerisch, BeschriftungFolgtDenKontrollkaestchen) {
  waehle(1);
  EXPECT_EQ(p->beschriftung(0, false), QStringLiteral("dx:"));
  p->polar(0)->setChecked(true);
  EXPECT_EQ(p->beschriftung(0, false), QStringLiteral("d:"));
  EXPECT_EQ(p->beschriftung(0, true), QStringLiteral("phi:"));
  p->relativ(0)->setChecked(false);
  EXPECT_EQ(p->beschriftung(0, false), QStringLiteral("D:"));
  p->polar(0)->setChecked(false);
  EXPECT_EQ(p->beschriftung(0, false), QStringLiteral("x:"));
}

TEST_F(Numerisch, FeldWirdCyanSchaltetKurztastenAbUndRechnetBeimVerlassen) {
  waehle(1);
  tippe(0, false, QStringLiteral("2*3"));
  QLineEdit* x1 = p->feld(0, false);
  EXPECT_EQ(x1->palette().color(QPalette::Base), QColor(0, 255, 255));
  EXPECT_TRUE(f->leisten().loeschen->shortcut().isEmpty()) << "Delete belongs to the field while typing";
  p->feld(0, true)->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(x1->text(), QStringLiteral("6"));
  flaeche().setFocus();
  QApplication::processEvents();
  EXPECT_EQ(f->leisten().loeschen->shortcut(), QKeySequence(Qt::Key_Delete));
}

TEST_F(Numerisch, KurztastenMitStrgUndPos1WirkenAuchImFeld) {
  waehle(1);
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
  waehle(1);
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
  waehle(1);
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
  EXPECT_NEAR(l.y1, null.y, 1e-9);
  EXPECT_NEAR(l.x2, null.x + 10, 1e-9);
  EXPECT_NEAR(l.y2, null.y, 1e-9);
}

}  // namespace
}  // namespace quarzel
