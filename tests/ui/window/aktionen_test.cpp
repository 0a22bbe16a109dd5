// Every action a user can reach in the menus and on the tool bars does
// something he can see: triggered on a small drawing in a window, it
// adds, changes or removes elements or marks, changes the view or the
// picture, starts a tool, opens a dialog or asks a question, writes the
// configuration, or closes the window. An action that does none of these is
// a button without a feature.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDialog>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWidgetAction>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>

#include "store/elementabbildung.h"
#include "support/jedeart.h"
#include "support/ui/fensterhilfen.h"
#include "ui/window/makrobefehle.h"
#include "ui/window/makrolauf.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {
namespace {

// Everything an action may visibly change, taken before and after it.
struct Sichtbares {
  std::uint64_t aenderungen = 0;
  std::int32_t elemente = 0, markiert = 0;
  double zoom = 0, x = 0, y = 0;
  bool blatt = false;
  Werkzeugcode werkzeug = Werkzeugcode::Keines;
  std::size_t meldungen = 0, fragen = 0, dialoge = 0;
  std::string ini, bild, fenster, ebenen;
  int zeiger = -1;
  Anzeigeschalter schalter;  // what the display shows of each kind
  bool allesSichtbar = false;
  bool offen = true;

  bool operator==(const Sichtbares&) const = default;
};

std::string dateiinhalt(const std::string& pfad) {
  std::ifstream d(pfad, std::ios::binary);
  std::ostringstream s;
  s << d.rdbuf();
  return s.str();
}

class Aktionen : public ::testing::Test, public test::Fenstertest {
 protected:
  // A window on a small drawing: one element of every kind and a copy of
  // each, one of them marked per kind, two layers, one undone step to redo,
  // zoomed in on the elements.
  test::Testfenster neuesFenster() {
    test::Testfenster f = fenster(mitIni());
    zeigen(*f);
    Zeichnung& z = f->sitzung().zeichnung;
    Elementspeicher& s = z.speicher;
    // Side by side, 4 x 4 kinds of 100 mm each, so none hides another.
    int platz = 0;
    for (Elementart art : alleElementarten) {
      s.beginneSchritt();
      const std::int32_t markiert = test::legeElement(s, art);
      s.vervollstaendige(markiert);
      const std::int32_t kopie = test::legeElement(s, art);
      s.vervollstaendige(kopie);
      s.setzeMarkiert(markiert, 1);
      s.setzeMarkiert(kopie, 0);
      const Abbildung hin = Abbildung::verschiebung(100.0 * (platz % 4), 100.0 * (platz / 4));
      for (std::int32_t n = markiert; n <= kopie; ++n) bildeAb(s, n, hin);
      ++platz;
    }
    s.beginneSchritt();
    s.vervollstaendige(test::legeElement(s, Elementart::Linie));
    s.rueckgaengig();
    // Three layers with a sublayer each, the middle one active: next and
    // previous both exist.
    for (int i = 0; i < 2; ++i) z.ebenen.fuegeFolieAn(z.ebenen.fuegeEbeneAn(""), "");
    z.ebenen.setzeAktiv(2, 1);
    z.ansicht.zoomeAufRechteck(0, 0, 400, 400);
    f->Figurzeichnen();
    f->takt();  // the undo commands follow the store
    QApplication::processEvents();
    return f;
  }

  Sichtbares sieh(test::Testfenster& f) {
    Sichtbares v;
    const Zeichnung& z = f->sitzung().zeichnung;
    v.aenderungen = z.speicher.aenderungszaehler();
    v.elemente = z.speicher.anzahl();
    v.markiert = z.speicher.anzahlMarkierte();
    v.zoom = z.ansicht.zoom;
    v.x = z.ansicht.viewOriginX;
    v.y = z.ansicht.viewOriginY;
    v.blatt = z.ansicht.layoutView;
    v.werkzeug = f->werkzeuge().steuerung().zustand().werkzeug;
    v.meldungen = benutzer.meldungen.size();
    v.fragen = benutzer.fragen.size() + benutzer.fortschritte.size();
    v.dialoge = dialoge_.size();
    v.ini = dateiinhalt(ini());
    const QImage bild = f->zeichenflaeche().grab().toImage();
    v.bild = QCryptographicHash::hash(QByteArrayView(bild.constBits(), bild.sizeInBytes()), QCryptographicHash::Md5)
                 .toHex()
                 .toStdString();
    for (const QDockWidget* d : f->findChildren<QDockWidget*>()) v.fenster += d->isVisible() ? '1' : '0';
    for (const QToolBar* t : f->findChildren<QToolBar*>()) v.fenster += t->isVisible() ? '1' : '0';
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != f.get() && w->isVisible() && qobject_cast<QMenu*>(w) == nullptr)
        v.fenster += w->objectName().toStdString();
    v.offen = f->isVisible();
    const Ebenen& e = z.ebenen;
    v.ebenen = std::to_string(e.aktiveEbene()) + "/" + std::to_string(e.aktiveFolie()) + "/" +
               std::to_string(static_cast<int>(e.modus));
    for (int n = 1; n <= e.anzahl(); ++n) {
      v.ebenen += " " + std::to_string(e.sichtbarFlag(n)) + std::to_string(e.anzeigezustand(n));
      for (int k = 1; k <= e.folienanzahl(n); ++k) v.ebenen += std::to_string(e.folienzustand(n, k));
    }
    if (const QCursor* c = QApplication::overrideCursor()) v.zeiger = c->shape();
    v.schalter = f->sitzung().schalter;
    v.allesSichtbar = e.allesSichtbar;
    return v;
  }

  // Dialogs an action opens modally are noted and closed.
  void dialogeSchliessen() {
    if (QWidget* w = QApplication::activeModalWidget()) {
      dialoge_.push_back(w->objectName().toStdString());
      if (auto* d = qobject_cast<QDialog*>(w))
        d->reject();
      else
        w->close();
    }
  }

  std::vector<std::string> dialoge_;
};

// Every action of the menu bar (with its sub-menus) and of the tool bars,
// once, with the path a user follows to it.
std::vector<std::pair<std::string, QAction*>> alleAktionen(TFenster& f) {
  std::vector<std::pair<std::string, QAction*>> alle;
  std::set<QAction*> gesehen;
  std::function<void(QMenu*, const std::string&)> menue = [&](QMenu* m, const std::string& weg) {
    for (QAction* a : m->actions()) {
      const std::string name = weg + " > " + a->text().remove(u'&').toStdString();
      if (a->menu() != nullptr) {
        menue(a->menu(), name);
      } else if (!a->isSeparator() && a->isVisible() && gesehen.insert(a).second) {
        alle.emplace_back(name, a);
      }
    }
  };
  for (QAction* a : f.menuBar()->actions())
    if (a->menu() != nullptr) menue(a->menu(), a->text().remove(u'&').toStdString());
  for (QToolBar* t : f.findChildren<QToolBar*>()) {
    for (QAction* a : t->actions()) {
      if (a->isSeparator() || !a->isVisible() || qobject_cast<QWidgetAction*>(a) != nullptr) continue;
      if (gesehen.insert(a).second)
        alle.emplace_back(t->windowTitle().toStdString() + " > " + a->toolTip().toStdString(), a);
    }
  }
  return alle;
}

TEST_F(Aktionen, JedeAktionDerMenuesUndLeistenZeigtEineWirkung) {
  test::Testfenster f = neuesFenster();
  std::vector<std::string> namen;
  for (const auto& [name, a] : alleAktionen(*f)) namen.push_back(name);
  ASSERT_GT(namen.size(), 40u);
  QTimer schliesser;
  QObject::connect(&schliesser, &QTimer::timeout, [this] { dialogeSchliessen(); });
  schliesser.start(20);
  // Whether action i shows an effect in f; nullopt while it is disabled or
  // the window no longer offers the same actions.
  auto wirkung = [&](test::Testfenster& f, std::size_t i) -> std::optional<bool> {
    const auto alle = alleAktionen(*f);
    if (alle.size() != namen.size() || alle[i].first != namen[i] || !alle[i].second->isEnabled()) return std::nullopt;
    // A tool's button shows its effect by starting it.
    f->werkzeuge().steuerung().funktionaus();
    const Sichtbares vorher = sieh(f);
    int bilder = 0;
    const auto verbindung =
        QObject::connect(&f->zeichenflaeche(), &Zeichenflaeche::neuGezeichnet, [&bilder] { ++bilder; });
    alle[i].second->trigger();
    QApplication::processEvents();
    QObject::disconnect(verbindung);
    // A macro that waits for a click shows its prompt; Escape ends it.
    if (f->makrobefehle().lauf().wartetAufKlick()) {
      QTest::keyClick(&f->zeichenflaeche(), Qt::Key_Escape);
      return true;
    }
    // Redrawing shows the same picture again: its effect is that it is drawn anew.
    return namen[i] == "Ansicht > Neu zeichnen" ? bilder > 0 : !(sieh(f) == vorher);
  };
  // A window is costly, so one serves action after action. Where what the
  // earlier ones left hides an effect or disables the action, a fresh window
  // decides, and serves the actions after it.
  std::vector<std::string> ohneWirkung, gesperrt;
  for (std::size_t i = 0; i < namen.size(); ++i) {
    std::optional<bool> wirkt;
    if (f->isVisible()) wirkt = wirkung(f, i);
    if (wirkt != true) {
      f = neuesFenster();
      wirkt = wirkung(f, i);
    }
    if (!wirkt)
      gesperrt.push_back(namen[i]);
    else if (!*wirkt)
      ohneWirkung.push_back(namen[i]);
  }
  EXPECT_TRUE(ohneWirkung.empty()) << [&] {
    std::string s = "actions without a visible effect:";
    for (const std::string& n : ohneWirkung) s += "\n  " + n;
    return s;
  }();
  // Disabled in this state; each must be one a user can see why.
  // "Ansichten drucken" waits for a view: the view list is not there either.
  const std::set<std::string> erwartetGesperrt{"Datei > Ansichten drucken..."};
  EXPECT_EQ(std::set<std::string>(gesperrt.begin(), gesperrt.end()), erwartetGesperrt);
}

}  // namespace
}  // namespace quarzel
