// The dialog "Neue Ebene erstellen" and the layer manager in a real window,
// offscreen: the drawing and the configuration file show the result.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include "support/ui/fensterhilfen.h"
#include "store/ebenenschutz.h"
#include "support/speicherhilfen.h"
#include "support/ui/einstellungshilfen.h"
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

class Ebenendialoge : public test::Fensterfixture {
 protected:
  void SetUp() override {
    // Per-user settings of their own, so the manager's place starts fresh.
    QApplication::setApplicationName(QStringLiteral("QuarzelTest-") + QUuid::createUuid().toString(QUuid::Id128));
    Fensterfixture::SetUp();
    befehle = &f->ebenenbefehle();
  }

  Zeichnung& z() { return f->sitzung().zeichnung; }
  QAction* aktion(const char* text) { return test::menueeintrag(*f->menuBar(), text); }

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
  aktion("Neue Ebene...")->trigger();

  const Ebenen& e = z().ebenen;
  ASSERT_EQ(e.anzahl(), 2);
  EXPECT_EQ(std::tuple(e.aktiveEbene(), e.aktiveFolie(), int(z().speicher.aktuell.planteil)), std::tuple(2, 1, 2));
  EXPECT_EQ(std::tuple(e.name(2), e.folienanzahl(2), e.folienname(2, 3), e.folienname(2, 4)),
            std::tuple("Wohnhaus", 10, "Erdgeschoss", "1. Obergeschoss"));
  EXPECT_EQ(std::tuple(e.massstab(2), e.einheit(2), e.geschuetzt(2, 1)), std::tuple(50, 162, true));
  // The pickers and the manager show the new layer at once.
  EXPECT_EQ(befehle->auswahl()->ebenen()->currentText(), QStringLiteral("2 Wohnhaus"));
  EXPECT_EQ(befehle->auswahl()->folien()->count(), 10);
  QTreeWidgetItem* zeile = befehle->manager()->zeile(2);
  ASSERT_NE(zeile, nullptr);
  EXPECT_EQ(zeile->checkState(TEbenenmanager::SpalteGeschuetzt), Qt::Checked);
  EXPECT_EQ(zeile->text(TEbenenmanager::SpalteMassstab), QStringLiteral("M 1:50"));
  EXPECT_EQ(zeile->childCount(), 10);
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
    EXPECT_EQ(benutzer.letzteMeldung(),
              "Der Maßstab \"" + std::string(text) + "\" ist keine gültige Zahl größer als 0.");
  }
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

TEST_F(Ebenendialoge, SichtbarSpalteZeigtWannIhreHaekchenNichtsBewirken) {
  TEbenenmanager* m = befehle->manager();
  const struct {
    const char* modus;
    bool ebeneWirkt;
  } faelle[] = {{"Alle Ebenen sichtbar", false}, {"Ausgewählte Ebenen sichtbar", true},
                {"Nur aktive Ebene sichtbar", false}};
  for (const auto& fall : faelle) {
    for (QAbstractButton* k : m->findChildren<QAbstractButton*>()) {
      if (k->text() == QString::fromUtf8(fall.modus)) k->click();
    }
    QApplication::processEvents();
    const QString hinweis = m->zeile(1)->toolTip(TEbenenmanager::SpalteSichtbar);
    EXPECT_EQ(hinweis.contains(QString::fromUtf8(fall.modus)), !fall.ebeneWirkt) << hinweis.toStdString();
    EXPECT_TRUE(m->zeile(1, 1)->toolTip(TEbenenmanager::SpalteSichtbar).isEmpty()) << "sublayer boxes work";
  }
}

}  // namespace
}  // namespace quarzel
