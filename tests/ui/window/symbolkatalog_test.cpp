// The symbol catalogue: tree, folder contents, search, kept previews, and in
// a real window double click, drop, a saved symbol showing, the key "zeigen".
#include "ui/window/symbolkatalog.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>
#include <chrono>

#include "platform/skriptbenutzer.h"
#include "settings/einstellungen.h"
#include "store/symboldatei.h"
#include "support/tempordner.h"
#include "support/ui/einstellungshilfen.h"
#include "support/ui/fensterhilfen.h"
#include "ui/window/symbolbefehle.h"
#include "ui/window/symbolvorschaumodell.h"
#include "ui/window/symbolziel.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A symbol file of one line whose stored preview is a plain picture of `farbe`.
void schreibeSymboldatei(const fs::path& datei, QColor farbe) {
  fs::create_directories(datei.parent_path());
  Zeichnung z;
  SkriptBenutzer b;
  ASSERT_TRUE(z.speicher.initialisiere(b));
  Elementspeicher& s = z.speicher;
  s.beginneSchritt();
  s.vervollstaendige(s.neueLinie(1000, 1000, 1020, 1010, 0));
  s.markiereAlleLebendigen();
  const std::int32_t elemente[] = {1};
  std::unique_ptr<Symbol> symbol = neuesSymbol(z, elemente, {1000, 1000}, b);
  ASSERT_NE(symbol, nullptr);
  QImage bild(64, 64, QImage::Format_RGB32);
  bild.fill(farbe);
  QByteArray png;
  QBuffer puffer(&png);
  ASSERT_TRUE(bild.save(&puffer, "PNG"));
  symbol->kopf.vorschau.assign(png.begin(), png.end());
  symbol->kopf.massstab = 50;
  const std::vector<std::uint8_t> bytes = schreibeSymbol(*symbol);
  test::schreibeDatei(datei, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::vector<QString> texte(const QTreeWidgetItem& item) {
  std::vector<QString> t;
  for (int i = 0; i < item.childCount(); ++i) t.push_back(item.child(i)->text(0));
  return t;
}

std::vector<QString> gezeigteNamen(QListView& liste) {
  std::vector<QString> n;
  for (int i = 0; i < liste.model()->rowCount(); ++i) n.push_back(liste.model()->index(i, 0).data().toString());
  return n;
}

QTreeWidget& baum(Symbolkatalog& k) {
  return *k.findChild<QTreeWidget*>(QStringLiteral("Symbolordner"));
}
QListView& liste(Symbolkatalog& k) {
  return *k.findChild<QListView*>(QStringLiteral("Symbolliste"));
}
QLineEdit& suchfeld(Symbolkatalog& k) {
  return *k.findChild<QLineEdit*>(QStringLiteral("Symbolsuche"));
}
Symbolvorschaumodell& modell(Symbolkatalog& k) {
  return *k.findChild<Symbolvorschaumodell*>(QStringLiteral("Symbolvorschauen"));
}

// Clicks the folder of that name in the tree (the fixtures' names are unique).
bool waehleOrdner(Symbolkatalog& k, const QString& name) {
  const QList<QTreeWidgetItem*> treffer = baum(k).findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
  if (treffer.size() != 1) return false;
  baum(k).setCurrentItem(treffer.front());
  return true;
}

QRgb mitte(const Symbolvorschaumodell& modell, int zeile) {
  return modell.data(modell.index(zeile), Qt::DecorationRole).value<QImage>().pixel(32, 32);
}

// programm/Architektur/Bad/{Wanne.QZS, Becken.DET}, programm/Möbel/{Tisch.QZS and
// unreadable ones in other cases}, eigene/Entwürfe/, eigene/Wandschrank.QZS
class Katalog_ : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(eigene / "Entwürfe");
    schreibeSymboldatei(programm / "Architektur" / "Bad" / "Wanne.QZS", Qt::green);
    schreibeSymboldatei(programm / "Architektur" / "Bad" / "Becken.DET", Qt::green);
    schreibeSymboldatei(programm / "Möbel" / "Tisch.QZS", Qt::green);
    schreibeSymboldatei(eigene / "Wandschrank.QZS", Qt::blue);
    for (const char* datei : {"Architektur/Bad/Liesmich.txt", "Möbel/Hocker.sy2", "Möbel/bank.Tmp", "Möbel/Plan.QZZ"})
      test::schreibeDatei(programm / datei, "kein Symbol");
    katalog.aktualisieren();
  }

  test::TempOrdner ordner;
  fs::path programm = ordner / "programm";
  fs::path eigene = ordner / "eigene";
  Symbolkatalog katalog{{programm, eigene}, [](const std::string&) { return true; }};
};

TEST_F(Katalog_, BaumZeigtBeideWurzelnMitUnterordnern) {
  QTreeWidget& baum = quarzel::baum(katalog);
  ASSERT_EQ(texte(*baum.invisibleRootItem()), (std::vector<QString>{"Programmsymbole", "Eigene Symbole"}));
  EXPECT_EQ(texte(*baum.topLevelItem(0)), (std::vector<QString>{"Architektur", "Möbel"}));
  EXPECT_EQ(texte(*baum.topLevelItem(1)), (std::vector<QString>{"Entwürfe"}));
  // A folder made meanwhile shows after the tree is read anew, the choice kept.
  ASSERT_TRUE(waehleOrdner(katalog, "Möbel"));
  fs::create_directories(eigene / "Küche");
  katalog.aktualisieren();
  EXPECT_EQ(texte(*baum.topLevelItem(1)), (std::vector<QString>{"Entwürfe", "Küche"}));
  EXPECT_EQ(baum.currentItem()->text(0), "Möbel");
}

TEST_F(Katalog_, OrdnerZeigtSeineSymboleUndDieSucheFiltert) {
  struct Fall {
    QString ordner;
    QString suche;
    std::vector<QString> erwartet;
  };
  const Fall faelle[] = {
      {"Bad", "", {"Becken", "Wanne"}},
      {"Architektur", "", {}},
      // Extensions in any case, no drawings; sorted with case aside.
      {"Möbel", "", {"bank", "Hocker", "Tisch"}},
      // The search looks into the sub-folders, case aside.
      {"Architektur", "wAN", {"Wanne"}},
      {"Programmsymbole", "e", {"Becken", "Hocker", "Wanne"}},
      {"Eigene Symbole", "", {"Wandschrank"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE((f.ordner + " / " + f.suche).toStdString());
    ASSERT_TRUE(waehleOrdner(katalog, f.ordner));
    suchfeld(katalog).setText(f.suche);
    EXPECT_EQ(gezeigteNamen(liste(katalog)), f.erwartet);
  }
  // The tooltip names the file, its information and its scale.
  suchfeld(katalog).clear();
  Symbolvorschaumodell& m = modell(katalog);
  m.ladeStapel(10s);
  const QString tip = m.data(m.index(0), Qt::ToolTipRole).toString();
  EXPECT_TRUE(tip.startsWith("Wandschrank.QZS")) << tip.toStdString();
  EXPECT_TRUE(tip.endsWith("M 1:50")) << tip.toStdString();
}

TEST_F(Katalog_, VorschauWirdNurBeiGeaenderterDateiNeuGelesen) {
  const fs::path datei = eigene / "Wandschrank.QZS";
  Symbolvorschaumodell& modell = quarzel::modell(katalog);
  ASSERT_TRUE(waehleOrdner(katalog, "Eigene Symbole"));
  modell.ladeStapel(10s);
  ASSERT_EQ(mitte(modell, 0), QColor(Qt::blue).rgb());
  const auto zeit = fs::last_write_time(datei);

  struct Fall {
    const char* was;
    std::function<void()> aendern;
    bool defekt;  // the file read anew: its garbage shows the broken picture
    QRgb erwartet;
  };
  const Fall faelle[] = {
      {"gleiche Größe und Zeit: nicht neu gelesen",
       [&] {
         test::schreibeDatei(datei, std::string(fs::file_size(datei), '\0'));
         fs::last_write_time(datei, zeit);
       },
       false, QColor(Qt::blue).rgb()},
      {"neue Zeit: neu gelesen", [&] { fs::last_write_time(datei, zeit + 2s); }, true, 0},
      {"neuer Inhalt", [&] { schreibeSymboldatei(datei, Qt::red); }, false, QColor(Qt::red).rgb()},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    f.aendern();
    katalog.aktualisieren();
    while (modell.ladeStapel(10s)) {
    }
    const QString tip = modell.data(modell.index(0), Qt::ToolTipRole).toString();
    EXPECT_EQ(tip.contains(MeldungFalschesDateiformat), f.defekt) << tip.toStdString();
    if (!f.defekt) {
      EXPECT_EQ(mitte(modell, 0), f.erwartet);
    }
  }
}

// A window whose own symbols are in "eigene", one in "Versuche" (unused by the shipped folder).
class Katalogfenster_ : public test::Fensterfixture {
 protected:
  void SetUp() override {
    schreibeSymboldatei(eigene() / "Versuche" / "Wanne.QZS", Qt::green);
    schreibeDatei("quarzel.ini", "[Standardpfade]\nStandard_Symbole=" + eigene().string() + "\n");
    test::Fensterfixture::SetUp();
  }
  fs::path eigene() const { return fs::path(pfad("eigene")); }
  Symbolkatalog& katalog() { return f->symbolkatalog(); }
};

TEST_F(Katalogfenster_, DoppelklickUndAbwurfPlatzierenDasSymbol) {
  ASSERT_TRUE(katalog().isVisible());
  ASSERT_TRUE(waehleOrdner(katalog(), "Versuche"));
  QListView& liste = quarzel::liste(katalog());
  ASSERT_EQ(gezeigteNamen(liste), std::vector<QString>{"Wanne"});
  const QRect feld = liste.visualRect(liste.model()->index(0, 0));
  // The press before the double click, as a mouse gives it.
  QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, feld.center());
  QTest::mouseDClick(liste.viewport(), Qt::LeftButton, {}, feld.center());
  EXPECT_EQ(werkzeug(), Werkzeugcode::SymbolEinfuegen);
  klick({300, 250});
  const std::int32_t einmal = speicher().anzahl();
  QTest::keyClick(&flaeche(), Qt::Key_Escape);
  ASSERT_NE(werkzeug(), Werkzeugcode::SymbolEinfuegen);

  // Dropped: placing starts and a copy lands at the drop point.
  const std::unique_ptr<QMimeData> daten(symbolMimeDaten(eigene() / "Versuche" / "Wanne.QZS"));
  QDragEnterEvent hinein(QPoint(200, 150), Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&flaeche(), &hinein);
  EXPECT_TRUE(hinein.isAccepted());
  QDropEvent abwurf(QPointF(200, 150), Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&flaeche(), &abwurf);
  EXPECT_TRUE(abwurf.isAccepted());
  EXPECT_EQ(werkzeug(), Werkzeugcode::SymbolEinfuegen);
  ASSERT_EQ(speicher().anzahl(), 2 * einmal);
  const Weltpunkt ziel = f->sitzung().zeichnung.ansicht.pixelToWorld(200, 150);
  const Tliniendaten& l = speicher().linie(speicher().anzahl() - 1);
  EXPECT_NEAR(l.x1, ziel.x, 1e-6);
  EXPECT_NEAR(l.y1, ziel.y, 1e-6);

  // Anything else is not taken.
  QMimeData text;
  text.setText("Wanne");
  QDragEnterEvent fremd(QPoint(200, 150), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&flaeche(), &fremd);
  EXPECT_FALSE(fremd.isAccepted());
}

TEST_F(Katalogfenster_, GespeichertesSymbolErscheintSofort) {
  ASSERT_TRUE(waehleOrdner(katalog(), "Versuche"));
  speicher().beginneSchritt();
  speicher().vervollstaendige(speicher().neueLinie(1000, 1000, 1050, 1000, 0));
  speicher().markiereAlleLebendigen();
  benutzer.dateinamen.push_back((eigene() / "Versuche" / "Ablage.QZS").string());
  f->symbolbefehle().vorDialog = [](QDialog& d) { d.accept(); };
  test::menueeintrag(*f->menuBar(), "Als &Symbol speichern...")->trigger();
  EXPECT_EQ(gezeigteNamen(liste(katalog())), (std::vector<QString>{"Ablage", "Wanne"}));
}

TEST_F(Katalogfenster_, MenueeintragSchaltetUndMerktSich) {
  QAction* eintrag = test::menueeintrag(*f->menuBar(), "Symbolkatalog");
  ASSERT_NE(eintrag, nullptr);
  for (const bool an : {false, true}) {
    SCOPED_TRACE(an);
    eintrag->trigger();
    EXPECT_EQ(katalog().isVisible(), an);
    einstellung::Symbolkatalog gelesen;
    gelesen.lese(konfiguration());
    EXPECT_EQ(gelesen.zeigen, an);
    // A new window starts as the key says.
    test::Testfenster neu = fenster(mitIni());
    zeigen(*neu);
    EXPECT_EQ(neu->symbolkatalog().isVisible(), an);
  }
}

}  // namespace
}  // namespace quarzel
