// The main window's file menu: new, open, save, save as, the recent files,
// the question about unsaved changes before a drawing is replaced, and the
// backup on saving.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "support/speicherhilfen.h"
#include "support/ui/fensterhilfen.h"
#include "ui/window/dateibefehle.h"
#include "ui/window/hauptmenue.h"
#include "ui/window/statusleiste.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;

class FensterDatei : public test::Fensterfixture {
 protected:
  // What a tool does: one undo step, one line; the window notices on its next tick.
  void zeichneLinie() {
    test::linie(speicher(), 5000, 5000, 5100, 5100);
    f->takt();
  }
  std::size_t gefragt(std::string_view frage) const {
    return std::size_t(std::count(benutzer.fragen.begin(), benutzer.fragen.end(), frage));
  }
};

TEST_F(FensterDatei, MenuesHabenDieDeutschenEintraege) {
  QStringList menues;
  for (QAction* a : f->menuBar()->actions()) menues.append(a->text());
  EXPECT_EQ(menues, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "S&ymbole", "E&benen", "Sichtbare &Elemente",
                                 "&Einstellungen", "&Makros"}));
  QStringList datei;
  for (QAction* a : f->menue().datei->actions()) {
    if (!a->isSeparator() && a->isVisible()) datei.append(a->text());
  }
  EXPECT_EQ(datei, (QStringList{"&Neu", "Ö&ffnen...", "&Speichern", "Speichern &unter...", "&Drucken...",
                                "Ansichten dru&cken...", "Druck&vorschau...", "Erweiterte Druckeinstellungen...",
                                "Importieren", "Zeichnungsinformationen...", "Statistik...", "&Beenden"}));
  const QAction* drucken =
      f->menue().datei->actions()[f->menue().datei->actions().indexOf(f->menue().speichernUnter) + 2];
  EXPECT_EQ(drucken->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
  const Hauptmenue& m = f->menue();
  const std::tuple<QAction*, const char*, QKeySequence> eintraege[] = {
      {m.rueckgaengig, "&Rückgängig", QKeySequence(Qt::CTRL | Qt::Key_Z)},
      {m.wiederherstellen, "&Wiederherstellen", QKeySequence(Qt::CTRL | Qt::Key_Y)},
      {m.vergroessern, "Vergrößern", QKeySequence(Qt::CTRL | Qt::Key_Plus)},
      {m.verkleinern, "Verkleinern", QKeySequence(Qt::CTRL | Qt::Key_Minus)},
      {m.gesamtesBlatt, "Gesamtes Blatt", QKeySequence(Qt::Key_Home)},
      {m.blattDarstellen, "Blatt darstellen", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B)}};
  for (const auto& [aktion, text, taste] : eintraege) {
    EXPECT_EQ(aktion->text(), QString::fromUtf8(text));
    EXPECT_EQ(aktion->shortcut(), taste) << text;
  }
  EXPECT_EQ(m.rueckgaengig->objectName(), QStringLiteral("Undo1"));
  EXPECT_EQ(m.wiederherstellen->objectName(), QStringLiteral("Redo1"));
  EXPECT_TRUE(m.blattDarstellen->isCheckable());
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

TEST_F(FensterDatei, MisslungenesLadenLaesstDieOffeneZeichnung) {
  const std::string plan = schreibeZeichnung("plan.QZZ", 2);
  std::ifstream ein(plan, std::ios::binary);
  const std::string ganz{std::istreambuf_iterator<char>(ein), {}};
  // Not a drawing at all, and a drawing cut inside its header.
  for (const std::string& kaputt : {std::string("QZZ?"), ganz.substr(0, 200)}) {
    benutzer.dateinamen = {plan, schreibeDatei("kaputt.QZZ", kaputt)};
    f->menue().oeffnen->trigger();
    EXPECT_EQ(speicher().anzahl(), 2);
    f->menue().oeffnen->trigger();
    EXPECT_EQ(benutzer.letzteMeldung(), "Datei enthält keine gültige Zeichnung oder ist defekt!");
    EXPECT_EQ(speicher().anzahl(), 2);
    EXPECT_EQ(f->sitzung().zeichnung.dateiname, plan);
  }
  EXPECT_EQ(gefragt(TitelOeffnen), 4u);
}

TEST_F(FensterDatei, SpeichernUnterBildnamenExportiertStattZuSpeichern) {
  zeichneLinie();
  const struct {
    const char* name;
    const char* anfang;
  } faelle[] = {{"plan.PNG", "\x89PNG"}, {"plan.pdf", "%PDF"}, {"plan.svg", "<?xml"}, {"plan.DXF", "  0\nSECTION"}};
  benutzer.eingaben = {"150"};  // the PNG's resolution
  for (const auto& fall : faelle) {
    benutzer.dateinamen.push_back(pfad(fall.name));
    f->menue().speichernUnter->trigger();
    std::ifstream ein(pfad(fall.name), std::ios::binary);
    std::string kopf(std::strlen(fall.anfang), '\0');
    ein.read(kopf.data(), static_cast<std::streamsize>(kopf.size()));
    EXPECT_EQ(kopf, fall.anfang) << fall.name << ": " << benutzer.letzteMeldung();
  }
  EXPECT_EQ(f->statusleiste().meldung(), QStringLiteral("Als DXF exportiert: plan.DXF"));
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

}  // namespace
}  // namespace quarzel
