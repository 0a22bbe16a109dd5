// The main window's file and edit menus: new, open, save, save as, the recent
// files, the question about unsaved changes before a drawing is replaced or
// the window closes, the title, undo and redo, and the automatic save on the
// window's clock.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "fensterhilfen.h"
#include "support/speicherhilfen.h"
#include "ui/window/dateibefehle.h"
#include "ui/window/hauptmenue.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;

class FensterDatei : public ::testing::Test, public test::Fenstertest {
 protected:
  void SetUp() override {
    f = fenster(mitIni());
    ASSERT_TRUE(f->sitzung().startGelungen());
    zeigen(*f);
  }

  Elementspeicher& speicher() { return f->sitzung().zeichnung.speicher; }
  // What a tool does: one undo step, one line; the window notices on its next tick.
  void zeichneLinie() {
    test::linie(speicher(), 5000, 5000, 5100, 5100);
    f->takt();
  }
  std::size_t gefragt(std::string_view frage) const {
    return std::size_t(std::count(benutzer.fragen.begin(), benutzer.fragen.end(), frage));
  }

  test::Testfenster f;
};

TEST_F(FensterDatei, MenuesHabenDieDeutschenEintraege) {
  QStringList menues;
  for (QAction* a : f->menuBar()->actions()) menues.append(a->text());
  EXPECT_EQ(menues, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "E&benen", "Sichtbare &Elemente", "&Einstellungen"}));
  QStringList datei;
  for (QAction* a : f->menue().datei->actions()) {
    if (!a->isSeparator() && a->isVisible()) datei.append(a->text());
  }
  EXPECT_EQ(datei, (QStringList{"&Neu", "Ö&ffnen...", "&Speichern", "Speichern &unter...", "&Beenden"}));
  const Hauptmenue& m = f->menue();
  EXPECT_EQ(m.rueckgaengig->text(), QStringLiteral("&Rückgängig"));
  EXPECT_EQ(m.rueckgaengig->objectName(), QStringLiteral("Undo1"));
  EXPECT_EQ(m.rueckgaengig->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(m.wiederherstellen->text(), QStringLiteral("&Wiederherstellen"));
  EXPECT_EQ(m.wiederherstellen->objectName(), QStringLiteral("Redo1"));
  EXPECT_EQ(m.wiederherstellen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
}

TEST_F(FensterDatei, NeuFragtBeiGeaenderterZeichnungUndAbbrechenBehaeltSie) {
  zeichneLinie();
  benutzer.antworten.push_back(Antwort::Abbrechen);
  f->menue().neu->trigger();
  EXPECT_EQ(gefragt(FrageAenderungenSpeichern), 1u);
  EXPECT_EQ(speicher().anzahl(), 1);
  EXPECT_TRUE(speicher().modifiziert());

  benutzer.antworten.push_back(Antwort::Nein);
  f->menue().neu->trigger();
  EXPECT_EQ(gefragt(FrageAenderungenSpeichern), 2u);
  EXPECT_EQ(speicher().anzahl(), 0);
  EXPECT_FALSE(speicher().modifiziert());
  EXPECT_FALSE(f->menue().rueckgaengig->isEnabled()) << "a new drawing has no history";
}

TEST_F(FensterDatei, NeuOhneAenderungFragtNichtUndBehaeltDieFlaeche) {
  const int breite = f->sitzung().zeichnung.ansicht.areaWidth;
  f->menue().neu->trigger();
  EXPECT_TRUE(benutzer.fragen.empty());
  EXPECT_EQ(f->sitzung().zeichnung.ansicht.areaWidth, breite);
  EXPECT_TRUE(f->sitzung().zeichnung.ansicht.layoutView);
}

TEST_F(FensterDatei, JaSpeichertVorDemNeuenBlatt) {
  zeichneLinie();
  benutzer.antworten.push_back(Antwort::Ja);
  benutzer.dateinamen.push_back(pfad("erst"));  // no name yet: the save-as dialog
  f->menue().neu->trigger();
  EXPECT_TRUE(fs::exists(pfad("erst.QZZ")));
  EXPECT_EQ(speicher().anzahl(), 0);
}

TEST_F(FensterDatei, AbgebrochenesSpeichernBehaeltDieZeichnung) {
  zeichneLinie();
  benutzer.antworten.push_back(Antwort::Ja);  // save, but then cancel the dialog
  f->menue().neu->trigger();
  EXPECT_EQ(speicher().anzahl(), 1);
}

TEST_F(FensterDatei, OeffnenLaedtDieGewaehlteDatei) {
  const std::string plan = schreibeZeichnung("plan.QZZ", 4);
  benutzer.dateinamen.push_back(plan);
  f->menue().oeffnen->trigger();
  EXPECT_EQ(speicher().anzahl(), 4);
  EXPECT_EQ(f->sitzung().zeichnung.dateiname, plan);
  EXPECT_EQ(gefragt(TitelOeffnen), 1u);
}

TEST_F(FensterDatei, MisslungenesLadenLaesstDieOffeneZeichnung) {
  const std::string plan = schreibeZeichnung("plan.QZZ", 2);
  std::ifstream ein(plan, std::ios::binary);
  const std::string ganz{std::istreambuf_iterator<char>(ein), {}};
  // Not a drawing at all, and a drawing cut inside its header.
  for (const std::string& kaputt : {std::string("QZZ?"), ganz.substr(0, 200)}) {
    benutzer.dateinamen.push_back(plan);
    f->menue().oeffnen->trigger();
    benutzer.dateinamen.push_back(schreibeDatei("kaputt.QZZ", kaputt));
    f->menue().oeffnen->trigger();
    EXPECT_EQ(benutzer.letzteMeldung(), "Datei enthält keine gültige Zeichnung oder ist defekt!");
    EXPECT_EQ(speicher().anzahl(), 2);
    EXPECT_EQ(f->sitzung().zeichnung.dateiname, plan);
  }
}

TEST_F(FensterDatei, TitelZeigtNameUndAenderung) {
  EXPECT_TRUE(f->windowTitle().startsWith(QStringLiteral("Unbenannt[*]")));
  zeichneLinie();
  EXPECT_TRUE(f->isWindowModified());
  benutzer.dateinamen.push_back(pfad("haus"));
  f->menue().speichernUnter->trigger();
  EXPECT_TRUE(f->windowTitle().startsWith(QStringLiteral("haus.QZZ[*]"))) << f->windowTitle().toStdString();
  EXPECT_FALSE(f->isWindowModified());
}

TEST_F(FensterDatei, SpeichernUnterBildnamenExportiertStattZuSpeichern) {
  zeichneLinie();
  const struct {
    const char* name;
    const char* anfang;
  } faelle[] = {{"plan.PNG", "\x89PNG"}, {"plan.pdf", "%PDF"}, {"plan.svg", "<?xml"}};
  for (const auto& fall : faelle) {
    benutzer.dateinamen.push_back(pfad(fall.name));
    f->menue().speichernUnter->trigger();
    std::ifstream ein(pfad(fall.name), std::ios::binary);
    std::string kopf(std::strlen(fall.anfang), '\0');
    ein.read(kopf.data(), static_cast<std::streamsize>(kopf.size()));
    EXPECT_EQ(kopf, fall.anfang) << fall.name << ": " << benutzer.letzteMeldung();
  }
  EXPECT_TRUE(f->sitzung().zeichnung.dateiname.empty()) << "the drawing itself is not saved";
  EXPECT_TRUE(speicher().modifiziert());
  EXPECT_FALSE(fs::exists(pfad("plan.PNG.QZZ")));
}

TEST_F(FensterDatei, SpeichernMitNamenFragtNichtUndLegtEineSicherungAn) {
  benutzer.dateinamen.push_back(pfad("haus.QZZ"));
  zeichneLinie();
  f->menue().speichernUnter->trigger();
  zeichneLinie();
  f->menue().speichern->trigger();
  EXPECT_EQ(gefragt(TitelSpeichernUnter), 1u);
  EXPECT_TRUE(fs::exists(pfad("haus.BAK")));
  EXPECT_FALSE(speicher().modifiziert());
}

TEST_F(FensterDatei, ZuletztGeoeffneteDateienStehenImMenueUndOeffnen) {
  const std::string a = schreibeZeichnung("a.QZZ", 1);
  const std::string b = schreibeZeichnung("b.QZZ", 2);
  benutzer.dateinamen = {a, b};
  f->menue().oeffnen->trigger();
  f->menue().oeffnen->trigger();
  const Hauptmenue& m = f->menue();
  EXPECT_EQ(m.zuletzt[0]->text(), QStringLiteral("&1 ") + QString::fromStdString(b));
  EXPECT_EQ(m.zuletzt[1]->text(), QStringLiteral("&2 ") + QString::fromStdString(a));
  EXPECT_FALSE(m.zuletzt[2]->isVisible());

  m.zuletzt[1]->trigger();
  EXPECT_EQ(speicher().anzahl(), 1);
  EXPECT_EQ(m.zuletzt[0]->text(), QStringLiteral("&1 ") + QString::fromStdString(a));

  // A later window reads the list from the configuration file.
  auto zweites = fenster(mitIni());
  EXPECT_EQ(zweites->menue().zuletzt[1]->text(), QStringLiteral("&2 ") + QString::fromStdString(b));
}

TEST_F(FensterDatei, HoechstensSechsZuletztGeoeffnete) {
  for (int i = 0; i < 8; ++i) {
    benutzer.dateinamen.push_back(schreibeZeichnung("p" + std::to_string(i) + ".QZZ", 1));
    f->menue().oeffnen->trigger();
  }
  int sichtbar = 0;
  for (QAction* a : f->menue().zuletzt) sichtbar += a->isVisible() ? 1 : 0;
  EXPECT_EQ(sichtbar, 6);
  EXPECT_EQ(f->menue().zuletzt[0]->text(), QStringLiteral("&1 ") + QString::fromStdString(pfad("p7.QZZ")));
}

TEST_F(FensterDatei, SchliessenFragtUndAbbrechenLaesstDasFensterOffen) {
  zeichneLinie();
  benutzer.antworten.push_back(Antwort::Abbrechen);
  EXPECT_FALSE(f->close());
  EXPECT_TRUE(f->isVisible());
  benutzer.antworten.push_back(Antwort::Nein);
  EXPECT_TRUE(f->close());
  EXPECT_EQ(gefragt(FrageAenderungenSpeichern), 2u);
}

TEST_F(FensterDatei, UndoUndRedoFolgenDemSpeicher) {
  const Hauptmenue& m = f->menue();
  const auto folgtDemSpeicher = [&] {
    EXPECT_EQ(m.rueckgaengig->isEnabled(), speicher().undoMoeglich());
    EXPECT_EQ(m.wiederherstellen->isEnabled(), speicher().redoMoeglich());
  };
  EXPECT_FALSE(m.rueckgaengig->isEnabled());
  EXPECT_FALSE(m.wiederherstellen->isEnabled());
  for (int i = 0; i < 3; ++i) zeichneLinie();
  EXPECT_TRUE(m.rueckgaengig->isEnabled());
  EXPECT_FALSE(m.wiederherstellen->isEnabled());

  m.rueckgaengig->trigger();
  EXPECT_EQ(speicher().undoStufe(), 2);
  EXPECT_FALSE(speicher().lebendig(3));
  EXPECT_TRUE(m.wiederherstellen->isEnabled());
  folgtDemSpeicher();
  // The store keeps the first step once there is a redo branch; the menu
  // follows and a disabled item does nothing.
  m.rueckgaengig->trigger();
  EXPECT_EQ(speicher().undoStufe(), 1);
  EXPECT_FALSE(m.rueckgaengig->isEnabled());
  folgtDemSpeicher();
  m.rueckgaengig->trigger();
  EXPECT_EQ(speicher().undoStufe(), 1);

  m.wiederherstellen->trigger();
  m.wiederherstellen->trigger();
  EXPECT_EQ(speicher().undoStufe(), 3);
  EXPECT_TRUE(speicher().lebendig(3));
  EXPECT_TRUE(m.rueckgaengig->isEnabled());
  EXPECT_FALSE(m.wiederherstellen->isEnabled());
  folgtDemSpeicher();
}

TEST_F(FensterDatei, AutomatischesSpeichernLaeuftImTaktUndLaesstDieAenderungsmarke) {
  benutzer.dateinamen.push_back(pfad("auto.QZZ"));
  f->menue().speichernUnter->trigger();
  zeichneLinie();
  f->sitzung().einstellungen.speichern.alle = 1;  // ms
  const auto start = std::chrono::steady_clock::now();
  while (!fs::exists(pfad("auto_autosave.QZZ")) && std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
    f->takt();
    QApplication::processEvents();
  }
  EXPECT_TRUE(fs::exists(pfad("auto_autosave.QZZ")));
  EXPECT_TRUE(speicher().modifiziert());
  EXPECT_TRUE(f->isWindowModified());
}

// A user that answers like the scripted one, but records the filters of the
// file dialogs and lets a test act while a dialog is open.
class BeobachteterBenutzer final : public Benutzer {
 public:
  SkriptBenutzer skript;
  std::vector<std::string> filter;
  std::function<void()> imDialog;

  void meldung(std::string_view text, Meldungsart art) override { skript.meldung(text, art); }
  bool jaNein(std::string_view frage) override { return skript.jaNein(frage); }
  Antwort jaNeinAbbrechen(std::string_view frage) override { return skript.jaNeinAbbrechen(frage); }
  int auswahl(std::string_view titel, std::string_view text, const std::vector<std::string>& knoepfe) override {
    return skript.auswahl(titel, text, knoepfe);
  }
  std::optional<std::string> eingabe(std::string_view titel, std::string_view frage,
                                     std::string_view vorgabe) override {
    return skript.eingabe(titel, frage, vorgabe);
  }
  std::optional<std::string> dateiOeffnen(std::string_view titel, std::string_view f, std::string_view o) override {
    filter.emplace_back(f);
    if (imDialog) imDialog();
    return skript.dateiOeffnen(titel, f, o);
  }
  std::optional<std::string> dateiSpeichern(std::string_view titel, std::string_view f, std::string_view v) override {
    filter.emplace_back(f);
    if (imDialog) imDialog();
    return skript.dateiSpeichern(titel, f, v);
  }
  void fortschritt(std::string_view text, int prozent) override { skript.fortschritt(text, prozent); }
};

TEST(FensterDateidialog, OeffnenZeigtDieDateitypenUndSpeichertWaehrenddessenNichtAutomatisch) {
  test::Fenstertest t;
  BeobachteterBenutzer b;
  test::Testfenster tf(b, t.mitIni());
  TFenster& f = *tf;
  b.skript.dateinamen.push_back(t.pfad("auto.QZZ"));
  f.speichernUnter();
  test::linie(f.sitzung().zeichnung.speicher, 5000, 5000, 5100, 5100);
  f.sitzung().einstellungen.speichern.alle = 1;  // ms: due at every tick from now on
  QTest::qSleep(5);

  bool normal = true;
  b.imDialog = [&] {
    normal = f.normalerZustand();
    f.takt();
  };
  b.skript.antworten.push_back(Antwort::Nein);  // do not save the changes
  f.oeffnen();
  EXPECT_FALSE(normal);
  EXPECT_FALSE(fs::exists(t.pfad("auto_autosave.QZZ")));
  ASSERT_EQ(b.filter.size(), 2u);
  EXPECT_EQ(b.filter[1],
            "Zeichnungen (*.QZZ)|*.QZZ|RUZ-Dateien (*.RUZ)|*.RUZ|ZID-Dateien (*.ZID)|*.ZID|Backup-Dateien "
            "(*.BAK)|*.BAK|Alle geeigneten Dateien|*.qzz;*.zid;*.ruz;*.bak");

  // Back in the normal state, the next tick saves.
  b.imDialog = nullptr;
  EXPECT_TRUE(f.normalerZustand());
  f.takt();
  EXPECT_TRUE(fs::exists(t.pfad("auto_autosave.QZZ")));
}

}  // namespace
}  // namespace quarzel
