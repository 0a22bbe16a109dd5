// The layer dialogs, the pickers and the layer manager in a real window,
// offscreen: each dialog is opened, filled and confirmed with its OK button;
// the drawing, the configuration file and the per-user settings show the
// result.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include "base/inidatei.h"
#include "fensterhilfen.h"
#include "store/ebenenschutz.h"
#include "support/speicherhilfen.h"
#include "ui/window/ebenenauswahl.h"
#include "ui/window/ebenenbefehle.h"
#include "ui/window/tebenenmanager.h"

namespace quarzel {
namespace {

// Presses a button of the dialog as soon as it runs its own event loop.
void spaeter(QDialog& d, QDialogButtonBox::StandardButton knopf = QDialogButtonBox::Ok) {
  QTimer::singleShot(0, &d, [&d, knopf] {
    auto* knoepfe = d.findChild<QDialogButtonBox*>();
    ASSERT_NE(knoepfe, nullptr);
    QTest::mouseClick(knoepfe->button(knopf), Qt::LeftButton);
  });
}

template <class T>
T* kind(QObject& eltern, const char* name) {
  T* w = eltern.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

class Ebenendialoge : public ::testing::Test {
 protected:
  void SetUp() override {
    // Per-user settings of their own, so the manager's place starts fresh.
    QApplication::setApplicationName(QStringLiteral("QuarzelTest-") + QUuid::createUuid().toString(QUuid::Id128));
    fenster = test.fenster(test.mitIni());
    befehle = &fenster->ebenenbefehle();
  }

  Zeichnung& z() { return fenster->sitzung().zeichnung; }

  QAction* aktion(const QString& text) {
    for (QAction* a : befehle->menue()->actions())
      if (a->text() == text) return a;
    ADD_FAILURE() << "kein Menüeintrag " << text.toStdString();
    return nullptr;
  }

  IniDatei konfiguration() {
    IniDatei ini;
    ini.laden(test.ini());
    return ini;
  }

  // One complete line on the active layer, marked.
  std::int32_t markierteLinie() {
    const std::int32_t n = test::linie(z().speicher, 100, 100, 200, 100);
    z().speicher.setzeMarkiert(n, 1);
    return n;
  }

  test::Fenstertest test;
  test::Testfenster fenster;
  Ebenenbefehle* befehle = nullptr;
};

// --- "Neue Ebene erstellen" ----------------------------------------------------------------

TEST_F(Ebenendialoge, NeueEbeneMitVorlageMassstabEinheitUndSchutz) {
  befehle->vorDialog = [](QDialog& d) {
    kind<QLineEdit>(d, "Bezeichnung")->setText(QStringLiteral("Wohnhaus"));
    for (QPushButton* k : d.findChildren<QPushButton*>())
      if (k->text() == QStringLiteral("Geschosse (10 Folien)")) k->click();
    kind<QRadioButton>(d, "Massstab50")->setChecked(true);
    kind<QCheckBox>(d, "Zeichnungseinheit")->setChecked(false);
    kind<QComboBox>(d, "Ebeneneinheit")->setCurrentIndex(1);  // cm
    kind<QComboBox>(d, "Nachkommastellen")->setCurrentIndex(2);
    kind<QCheckBox>(d, "EinheitAnzeigen")->setChecked(true);
    kind<QCheckBox>(d, "Schuetzen")->setChecked(true);
    spaeter(d);
  };
  aktion(QStringLiteral("Neue Ebene..."))->trigger();

  const Ebenen& e = z().ebenen;
  ASSERT_EQ(e.anzahl(), 2);
  EXPECT_EQ(e.aktiveEbene(), 2);
  EXPECT_EQ(e.aktiveFolie(), 1);
  EXPECT_EQ(e.name(2), "Wohnhaus");
  EXPECT_EQ(e.folienanzahl(2), 10);
  EXPECT_EQ(e.folienname(2, 3), "Erdgeschoss");
  EXPECT_EQ(e.folienname(2, 4), "1. Obergeschoss");
  EXPECT_EQ(e.massstab(2), 50);
  EXPECT_EQ(e.einheit(2), 162);
  EXPECT_TRUE(e.geschuetzt(2, 1));
  EXPECT_EQ(z().speicher.aktuell.planteil, 2);
  // The pickers and the manager show the new layer at once.
  EXPECT_EQ(befehle->auswahl()->ebenen()->currentText(), QStringLiteral("2 Wohnhaus"));
  EXPECT_EQ(befehle->auswahl()->folien()->count(), 10);
  QTreeWidgetItem* zeile = befehle->manager()->zeile(2);
  ASSERT_NE(zeile, nullptr);
  EXPECT_EQ(zeile->checkState(TEbenenmanager::SpalteGeschuetzt), Qt::Checked);
  EXPECT_EQ(zeile->text(TEbenenmanager::SpalteMassstab), QStringLiteral("M 1:50"));
  EXPECT_EQ(zeile->childCount(), 10);
}

TEST_F(Ebenendialoge, BeliebigerMassstabMitKommaUndZeichnungsmassstab) {
  befehle->vorDialog = [](QDialog& d) {
    kind<QRadioButton>(d, "BeliebigerMassstab")->setChecked(true);
    kind<QLineEdit>(d, "FreierMassstab")->setText(QStringLiteral("12,5"));
    spaeter(d);
  };
  befehle->neueEbene();
  befehle->vorDialog = [](QDialog& d) {
    kind<QCheckBox>(d, "Zeichnungsmassstab")->setChecked(true);
    spaeter(d);
  };
  befehle->neueEbene();
  ASSERT_EQ(z().ebenen.anzahl(), 3);
  EXPECT_EQ(z().ebenen.massstab(2), 12.5);
  EXPECT_EQ(z().ebenen.name(2), "Ebene 2");
  EXPECT_EQ(z().ebenen.folienname(2, 1), "Unterebene 1");
  EXPECT_EQ(z().ebenen.massstab(3), 0);
  EXPECT_EQ(z().ebenen.einheit(3), 0);
}

TEST_F(Ebenendialoge, BeliebigerMassstabDerKeineZahlIstWirdAbgewiesen) {
  for (const char* text : {"abc", "0", "-5", ""}) {
    bool nochOffen = false;
    befehle->vorDialog = [&](QDialog& d) {
      kind<QRadioButton>(d, "BeliebigerMassstab")->setChecked(true);
      kind<QLineEdit>(d, "FreierMassstab")->setText(QString::fromUtf8(text));
      spaeter(d);
      // After the refused OK the dialog is still there to be cancelled.
      QTimer::singleShot(0, &d, [&d, &nochOffen] {
        nochOffen = d.isVisible();
        spaeter(d, QDialogButtonBox::Cancel);
      });
    };
    befehle->neueEbene();
    EXPECT_TRUE(nochOffen) << text;
    EXPECT_EQ(z().ebenen.anzahl(), 1) << text;
    EXPECT_EQ(test.benutzer.letzteMeldung(),
              "Der Maßstab \"" + std::string(text) + "\" ist keine gültige Zahl größer als 0.");
  }
}

TEST_F(Ebenendialoge, AbbrechenLegtNichtsAn) {
  befehle->vorDialog = [](QDialog& d) { spaeter(d, QDialogButtonBox::Cancel); };
  befehle->neueEbene();
  EXPECT_EQ(z().ebenen.anzahl(), 1);
  EXPECT_FALSE(z().speicher.modifiziert());
}

TEST_F(Ebenendialoge, BeiZweihundertfuenfzigEbenenKommtDieMeldungStattDesDialogs) {
  for (int n = 2; n <= 250; ++n) z().ebenen.fuegeEbeneAn("");
  bool dialogGeoeffnet = false;
  befehle->vorDialog = [&](QDialog& d) {
    dialogGeoeffnet = true;
    spaeter(d, QDialogButtonBox::Cancel);
  };
  befehle->neueEbene();
  EXPECT_FALSE(dialogGeoeffnet);
  EXPECT_EQ(test.benutzer.letzteMeldung(),
            "Die maximale Anzahl von Ebenen ist bereits erreicht, eine neue Ebene kann nicht angelegt werden.");
}

// --- "Ebene aktivieren" -----------------------------------------------------------------------

TEST_F(Ebenendialoge, AktivierenMitUebertragungSkaliertInEinemSchrittUndMerktDieWahl) {
  z().ebenen.setzeMassstab(1, 100);
  z().ebenen.fuegeEbeneAn("Details");
  z().ebenen.fuegeFolieAn(2, "");
  z().ebenen.setzeMassstab(2, 50);
  const std::int32_t n = markierteLinie();
  const auto stufe = z().speicher.undoStufe();

  befehle->vorDialog = [](QDialog& d) {
    kind<QListWidget>(d, "Ebenenliste")->setCurrentRow(1);
    auto* frage = kind<QGroupBox>(d, "Objekttransfer");
    EXPECT_TRUE(frage->isEnabled());
    frage->setChecked(true);
    kind<QCheckBox>(d, "anpassen")->setChecked(true);
    kind<QCheckBox>(d, "kopieren")->setChecked(false);
    spaeter(d);
  };
  aktion(QStringLiteral("Ebene aktivieren..."))->trigger();

  EXPECT_EQ(z().ebenen.aktiveEbene(), 2);
  EXPECT_EQ(z().speicher.undoStufe(), stufe + 1);
  std::int32_t bewegt = 0;
  for (std::int32_t k = 1; k <= z().speicher.anzahl(); ++k)
    if (z().speicher.lebendig(k)) bewegt = k;
  ASSERT_NE(bewegt, 0);
  EXPECT_EQ(z().speicher.planteil(bewegt), 2);
  const Tliniendaten& l = z().speicher.linie(bewegt);
  EXPECT_NEAR(l.x2 - l.x1, 200, 1e-9);  // twice the length from 1:100 to 1:50
  EXPECT_TRUE(test.benutzer.fragen.empty());

  const IniDatei ini = konfiguration();
  EXPECT_TRUE(ini.leseBool("Ebene aktivieren", "Objekttransfer", false));
  EXPECT_TRUE(ini.leseBool("Ebene aktivieren", "anpassen", false));
  EXPECT_FALSE(ini.leseBool("Ebene aktivieren", "kopieren", true));

  z().speicher.rueckgaengig();
  EXPECT_TRUE(z().speicher.lebendig(n));
  EXPECT_EQ(z().speicher.planteil(n), 1);
}

TEST_F(Ebenendialoge, DieGemerkteWahlStehtBeimNaechstenMalImDialog) {
  Einstellungsdatei datei = fenster->sitzung().konfiguration.openSettings();
  datei.ini().schreibeText("Ebene aktivieren", "Objekttransfer", "1");
  datei.ini().schreibeText("Ebene aktivieren", "kopieren", "1");
  datei.speichern();
  auto zweites = test.fenster(test.mitIni());
  Ebenenbefehle* b = &zweites->ebenenbefehle();
  zweites->sitzung().zeichnung.ebenen.fuegeEbeneAn("");
  zweites->sitzung().zeichnung.ebenen.fuegeFolieAn(2, "");
  const std::int32_t n = test::linie(zweites->sitzung().zeichnung.speicher, 0, 0, 10, 0);
  zweites->sitzung().zeichnung.speicher.setzeMarkiert(n, 1);
  bool geprueft = false;
  b->vorDialog = [&](QDialog& d) {
    EXPECT_TRUE(kind<QGroupBox>(d, "Objekttransfer")->isChecked());
    EXPECT_TRUE(kind<QCheckBox>(d, "kopieren")->isChecked());
    EXPECT_FALSE(kind<QCheckBox>(d, "anpassen")->isChecked());
    // From a picker the layer is fixed: only the question shows.
    EXPECT_TRUE(kind<QListWidget>(d, "Ebenenliste")->isHidden());
    geprueft = true;
    spaeter(d);
  };
  b->aktiviereEbene(2);
  EXPECT_TRUE(geprueft);
  // Duplicated: the original stays on layer 1, a copy went to layer 2.
  int aufEins = 0, aufZwei = 0;
  for (std::int32_t k = 1; k <= zweites->sitzung().zeichnung.speicher.anzahl(); ++k) {
    if (!zweites->sitzung().zeichnung.speicher.lebendig(k)) continue;
    (zweites->sitzung().zeichnung.speicher.planteil(k) == 1 ? aufEins : aufZwei) += 1;
  }
  EXPECT_EQ(aufEins, 1);
  EXPECT_EQ(aufZwei, 1);
}

TEST_F(Ebenendialoge, AuswahlOhneMarkierteAktiviertOhneDialog) {
  z().ebenen.fuegeEbeneAn("Grundriss");
  z().ebenen.fuegeFolieAn(2, "Wände");
  z().ebenen.fuegeFolieAn(2, "Möbel");
  z().ebenen.setzeGemerkteFolie(2, 2);
  befehle->pruefeAenderung();
  bool dialog = false;
  befehle->vorDialog = [&](QDialog& d) {
    dialog = true;
    spaeter(d, QDialogButtonBox::Cancel);
  };
  QComboBox* ebenen = befehle->auswahl()->ebenen();
  ASSERT_EQ(ebenen->count(), 2);
  emit ebenen->activated(1);
  EXPECT_FALSE(dialog);
  EXPECT_EQ(z().ebenen.aktiveEbene(), 2);
  EXPECT_EQ(z().ebenen.aktiveFolie(), 2);
  EXPECT_EQ(befehle->auswahl()->folien()->currentText(), QStringLiteral("2 Möbel"));
  emit befehle->auswahl()->folien()->activated(0);
  EXPECT_EQ(z().ebenen.aktiveFolie(), 1);
}

TEST_F(Ebenendialoge, AbbrechenDerUebertragungLaesstAllesWieEsWar) {
  z().ebenen.fuegeEbeneAn("");
  z().ebenen.fuegeFolieAn(2, "");
  z().ebenen.fuegeFolieAn(2, "");
  markierteLinie();
  befehle->vorDialog = [](QDialog& d) { spaeter(d, QDialogButtonBox::Cancel); };
  befehle->aktiviereUnterebene(2, 2);
  EXPECT_EQ(z().ebenen.aktiveEbene(), 1);
  EXPECT_EQ(z().ebenen.gemerkteFolie(2), 1);
  EXPECT_EQ(befehle->auswahl()->ebenen()->currentIndex(), 0);
}

// --- Page Up/Down, delete, sublayers ----------------------------------------------------------

TEST_F(Ebenendialoge, BildTastenBlaetternDurchDieEbenen) {
  z().ebenen.fuegeEbeneAn("");
  z().ebenen.fuegeFolieAn(2, "");
  QAction* naechste = aktion(QStringLiteral("Nächste Ebene"));
  EXPECT_EQ(naechste->shortcut(), QKeySequence(Qt::Key_PageUp));
  EXPECT_EQ(aktion(QStringLiteral("Vorherige Ebene"))->shortcut(), QKeySequence(Qt::Key_PageDown));
  naechste->trigger();
  EXPECT_EQ(z().ebenen.aktiveEbene(), 2);
  naechste->trigger();
  EXPECT_EQ(z().ebenen.aktiveEbene(), 2);
  aktion(QStringLiteral("Vorherige Ebene"))->trigger();
  EXPECT_EQ(z().ebenen.aktiveEbene(), 1);
}

TEST_F(Ebenendialoge, LoeschenFragtUndNummeriertUm) {
  z().ebenen.fuegeEbeneAn("Zwei");
  z().ebenen.fuegeFolieAn(2, "");
  z().ebenen.fuegeEbeneAn("Drei");
  z().ebenen.fuegeFolieAn(3, "");
  befehle->aktiviereEbene(2);
  test.benutzer.antworten.push_back(Antwort::Ja);
  aktion(QStringLiteral("Aktuelle Ebene löschen"))->trigger();
  ASSERT_EQ(z().ebenen.anzahl(), 2);
  EXPECT_EQ(z().ebenen.name(2), "Drei");
  EXPECT_EQ(test.benutzer.fragen.back(), "Wollen Sie die aktuelle Ebene wirklich löschen?");
  EXPECT_EQ(befehle->manager()->raster()->topLevelItemCount(), 2);
}

TEST_F(Ebenendialoge, NeueUnterebeneAktivierenUndSchuetzen) {
  befehle->vorDialog = [](QDialog& d) {
    EXPECT_EQ(kind<QLineEdit>(d, "Bezeichnung")->text(), QStringLiteral("Unterebene 2"));
    kind<QLineEdit>(d, "Bezeichnung")->setText(QStringLiteral("  Möbel "));
    spaeter(d);
  };
  aktion(QStringLiteral("Neue Unterebene..."))->trigger();
  ASSERT_EQ(z().ebenen.folienanzahl(1), 2);
  EXPECT_EQ(z().ebenen.folienname(1, 2), "Möbel");
  EXPECT_EQ(z().ebenen.aktiveFolie(), 2);

  QAction* schuetzen = aktion(QStringLiteral("Unterebene schützen"));
  schuetzen->trigger();
  EXPECT_TRUE(z().ebenen.geschuetzt(1, 2));
  const std::int32_t n = test::linie(z().speicher, 0, 0, 1, 0);
  z().speicher.setzeFolie(n, 2);
  EXPECT_FALSE(bearbeitbar(z(), n));

  befehle->vorDialog = [](QDialog& d) {
    kind<QListWidget>(d, "Unterebenenliste")->setCurrentRow(0);
    spaeter(d);
  };
  aktion(QStringLiteral("Unterebene aktivieren..."))->trigger();
  EXPECT_EQ(z().ebenen.aktiveFolie(), 1);
  EXPECT_FALSE(schuetzen->isChecked());
}

TEST_F(Ebenendialoge, SichtbarkeitWechselnSchuetztDieAktiveEbene) {
  aktion(QStringLiteral("Sichtbarkeit wechseln"))->trigger();
  EXPECT_EQ(z().ebenen.anzeigezustand(1), 1);
  EXPECT_EQ(befehle->manager()->zeile(1)->checkState(TEbenenmanager::SpalteGeschuetzt), Qt::Checked);
}

// --- The layer manager -------------------------------------------------------------------------

TEST_F(Ebenendialoge, ManagerSpaltenSetzenSchutzUndSichtbarkeit) {
  TEbenenmanager* m = befehle->manager();
  const std::int32_t n = test::linie(z().speicher, 0, 0, 1, 0);
  m->zeile(1)->setCheckState(TEbenenmanager::SpalteGeschuetzt, Qt::Checked);
  QApplication::processEvents();
  EXPECT_FALSE(bearbeitbar(z(), n));
  m->zeile(1, 1)->setCheckState(TEbenenmanager::SpalteSichtbar, Qt::Unchecked);
  QApplication::processEvents();
  EXPECT_EQ(z().ebenen.folienzustand(1, 1), FolieAusgeblendet);
  EXPECT_EQ(m->zeile(1, 1)->checkState(TEbenenmanager::SpalteSichtbar), Qt::Unchecked);
  EXPECT_TRUE(z().speicher.modifiziert());
}

TEST_F(Ebenendialoge, ManagerKnoepfeSetzenModusUndGrauInDieKonfiguration) {
  TEbenenmanager* m = befehle->manager();
  m->knopf(QStringLiteral("Ausgewählte Ebenen sichtbar"))->click();
  EXPECT_EQ(z().ebenen.modus, Sichtbarkeitsmodus::Ausgewaehlte);
  EXPECT_FALSE(m->knopf(QStringLiteral("Alle Ebenen sichtbar"))->isChecked());
  m->knopf(QStringLiteral("Alle Ebenen und Unterebenen sichtbar"))->click();
  EXPECT_TRUE(z().ebenen.allesSichtbar);
  m->knopf(QStringLiteral("Inaktive Ebenen grau darstellen"))->click();
  EXPECT_TRUE(z().ebenen.grauInaktiveEbenen);
  EXPECT_TRUE(konfiguration().leseBool("Graueinstellungen", "Planteile", false));
  EXPECT_FALSE(konfiguration().leseBool("Graueinstellungen", "Folien", true));

  // A drawing replaced as a whole comes with the switches off; the window
  // gives it the user's setting again.
  z().ebenen.setzeZurueck();
  befehle->pruefeAenderung();
  EXPECT_TRUE(z().ebenen.grauInaktiveEbenen);
  EXPECT_TRUE(m->knopf(QStringLiteral("Inaktive Ebenen grau darstellen"))->isChecked());
}

TEST_F(Ebenendialoge, ManagerVerschiebtZeilenUndAnsichtenBleibenGleich) {
  z().ebenen.fuegeEbeneAn("Zwei");
  z().ebenen.fuegeFolieAn(2, "");
  z().ebenen.setzeAnzeigezustand(2, AnzeigeGeschuetzt);
  z().ansichten.definiere(1, z().ebenen);
  const std::int32_t n = test::linie(z().speicher, 0, 0, 1, 0);
  befehle->pruefeAenderung();
  TEbenenmanager* m = befehle->manager();
  m->raster()->setCurrentItem(m->zeile(1));
  m->knopf(QStringLiteral("Nach unten"))->click();
  QApplication::processEvents();
  EXPECT_EQ(z().ebenen.name(1), "Zwei");
  EXPECT_EQ(z().ebenen.name(2), "Ebene 1");
  EXPECT_EQ(z().speicher.planteil(n), 2);
  EXPECT_EQ(z().ansichten.slot(1)->daten.anzeigezustand(1), AnzeigeGeschuetzt);
  EXPECT_EQ(m->zeile(1)->text(TEbenenmanager::SpalteBezeichnung), QStringLiteral("Zwei"));
  EXPECT_EQ(m->raster()->currentItem(), m->zeile(2));

  // Dropping a sublayer row on a layer row moves nothing.
  m->verschiebeZeile(m->zeile(1, 1), m->zeile(2));
  QApplication::processEvents();
  EXPECT_EQ(z().ebenen.name(1), "Zwei");
}

TEST_F(Ebenendialoge, ManagerMassstabPerDoppelklick) {
  TEbenenmanager* m = befehle->manager();
  test.benutzer.eingaben.push_back(std::string("20"));
  emit m->raster()->itemDoubleClicked(m->zeile(1), TEbenenmanager::SpalteMassstab);
  QApplication::processEvents();
  EXPECT_EQ(z().ebenen.massstab(1), 20);
  EXPECT_EQ(m->zeile(1)->text(TEbenenmanager::SpalteMassstab), QStringLiteral("M 1:20"));
  test.benutzer.eingaben.push_back(std::string("Hundert"));
  emit m->raster()->itemDoubleClicked(m->zeile(1), TEbenenmanager::SpalteMassstab);
  QApplication::processEvents();
  EXPECT_EQ(z().ebenen.massstab(1), 20);
  EXPECT_EQ(test.benutzer.letzteMeldung(), "Bitte geben Sie eine Zahl ein.");
}

TEST_F(Ebenendialoge, ManagerReduziertUndEingeklappt) {
  z().ebenen.fuegeFolieAn(1, "");
  befehle->pruefeAenderung();
  TEbenenmanager* m = befehle->manager();
  m->knopf(QStringLiteral("Alle Unterebenen einklappen"))->click();
  EXPECT_FALSE(m->zeile(1)->isExpanded());
  befehle->geaendert(false);  // a rebuild keeps the layer folded
  EXPECT_FALSE(m->zeile(1)->isExpanded());
  m->knopf(QStringLiteral("Alle Unterebenen ausklappen"))->click();
  EXPECT_TRUE(m->zeile(1)->isExpanded());

  m->setzeReduziert(true);
  EXPECT_EQ(m->zeile(1)->childCount(), 0);
  EXPECT_TRUE(m->raster()->isColumnHidden(TEbenenmanager::SpalteGeschuetzt));
  EXPECT_FALSE(m->raster()->isColumnHidden(TEbenenmanager::SpalteMassstab));
}

TEST_F(Ebenendialoge, ManagerLageUndModusStehenInDenBenutzereinstellungen) {
  TEbenenmanager* m = befehle->manager();
  EXPECT_FALSE(m->isHidden());
  m->setzeReduziert(true);
  m->hide();
  fenster->close();
  QSettings s;
  s.beginGroup(QStringLiteral("Ebenenmanager"));
  EXPECT_FALSE(s.value(QStringLiteral("Sichtbar")).toBool());
  EXPECT_TRUE(s.value(QStringLiteral("Reduziert")).toBool());

  auto zweites = test.fenster(test.mitIni());
  Ebenenbefehle* b = &zweites->ebenenbefehle();
  EXPECT_TRUE(b->manager()->isHidden());
  EXPECT_TRUE(b->manager()->reduziert());
}

TEST_F(Ebenendialoge, AuswahlFolgtAenderungenVonAussen) {
  z().ebenen.fuegeEbeneAn("Geladen");
  z().ebenen.fuegeFolieAn(2, "");
  z().ebenen.setzeAktiv(2, 1);
  befehle->pruefeAenderung();
  EXPECT_EQ(befehle->auswahl()->ebenen()->currentText(), QStringLiteral("2 Geladen"));
  EXPECT_EQ(befehle->manager()->zeile(2)->checkState(TEbenenmanager::SpalteAktiv), Qt::Checked);
}

}  // namespace
}  // namespace quarzel
