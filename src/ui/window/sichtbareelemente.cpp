#include "ui/window/sichtbareelemente.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <memory>
#include <vector>

#include "render/zeichenkontext.h"

namespace quarzel {

namespace {

struct Schalterposten {
  const char* titel;
  bool Anzeigeschalter::*feld;
};

// The order of the menu: the categories first, then the further switches.
constexpr Schalterposten kKategorien[] = {
    {"&Bemaßungen", &Anzeigeschalter::bemassungen},
    {"B&itmaps", &Anzeigeschalter::bitmaps},
    {"&Flächen", &Anzeigeschalter::flaechen},
    {"&Hilfslinien", &Anzeigeschalter::hilfslinien},
    {"&Linien", &Anzeigeschalter::linien},
    {"M&arkerpunkte", &Anzeigeschalter::markerpunkte},
    {"&Schraffuren", &Anzeigeschalter::schraffuren},
    {"S&ymbole ", &Anzeigeschalter::symbole},
    {"&Texte", &Anzeigeschalter::texte},
    {"T&exturen", &Anzeigeschalter::texturen},
    {"&Verläufe", &Anzeigeschalter::verlaeufe},
};
constexpr Schalterposten kWeitere[] = {
    {"Linienstile", &Anzeigeschalter::linienstile},
    {"Stiftbrei&ten && Farben", &Anzeigeschalter::stiftbreitenUndFarben},
    {"Transparen&z", &Anzeigeschalter::transparenz},
    {"&Editierte Bemaßung", &Anzeigeschalter::editierteBemassung},
    {"&Platzhalter", &Anzeigeschalter::platzhalter},
    {"Kommentare", &Anzeigeschalter::kommentare},
};

}  // namespace

Sichtbarkeitsmenue sichtbareElementeFuellen(QMenu& menue, Anzeigeschalter& schalter,
                                            Sichtbarkeitsanschluesse anschluesse) {
  menue.setTitle(QStringLiteral("Sichtbare &Elemente"));
  auto a = std::make_shared<Sichtbarkeitsanschluesse>(std::move(anschluesse));
  auto neuZeichnen = [a] {
    if (a->neuZeichnen) a->neuZeichnen();
  };
  Sichtbarkeitsmenue ergebnis;
  // Pairs of action and switch, for the check marks when the menu opens.
  auto posten = std::make_shared<std::vector<std::pair<QAction*, bool Anzeigeschalter::*>>>();

  auto fuegeHinzu = [&](const Schalterposten& p) {
    QAction* aktion = menue.addAction(QString::fromUtf8(p.titel));
    aktion->setCheckable(true);
    aktion->setChecked(schalter.*(p.feld));
    bool Anzeigeschalter::*feld = p.feld;
    QObject::connect(aktion, &QAction::triggered, &menue, [&schalter, feld, neuZeichnen](bool an) {
      schalter.*feld = an;
      neuZeichnen();
    });
    posten->emplace_back(aktion, feld);
    return aktion;
  };
  for (const Schalterposten& p : kKategorien) {
    QAction* aktion = fuegeHinzu(p);
    if (p.feld == &Anzeigeschalter::hilfslinien) {
      aktion->setShortcut(QKeySequence(Qt::Key_F7));
      ergebnis.hilfslinien = aktion;
    }
  }
  menue.addSeparator();
  for (const Schalterposten& p : kWeitere) {
    QAction* aktion = fuegeHinzu(p);
    if (p.feld != &Anzeigeschalter::platzhalter) continue;
    ergebnis.platzhalter = aktion;
    QObject::connect(aktion, &QAction::triggered, &menue, [a](bool an) {
      if (a->platzhalterGesetzt) a->platzhalterGesetzt(an);
    });
  }

  menue.addSeparator();
  ergebnis.allesSichtbar = menue.addAction(QStringLiteral("Alle Ebenen und Unterebenen sichtbar"));
  ergebnis.allesSichtbar->setCheckable(true);
  ergebnis.allesSichtbar->setChecked(a->allesSichtbar && a->allesSichtbar());
  QObject::connect(ergebnis.allesSichtbar, &QAction::triggered, &menue, [a, neuZeichnen](bool an) {
    if (a->setzeAllesSichtbar) a->setzeAllesSichtbar(an);
    neuZeichnen();
  });

  menue.addSeparator();
  auto* gruppe = new QActionGroup(&menue);
  ergebnis.schnellerRefresh = menue.addAction(QStringLiteral("Schneller Refresh"));
  ergebnis.schnellerRefresh->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F5));
  ergebnis.langsamerRefresh = menue.addAction(QStringLiteral("Langsamer Refresh"));
  for (QAction* r : {ergebnis.schnellerRefresh, ergebnis.langsamerRefresh}) {
    r->setCheckable(true);
    gruppe->addAction(r);
  }
  const bool schnell = !a->schnellerRefresh || a->schnellerRefresh();
  (schnell ? ergebnis.schnellerRefresh : ergebnis.langsamerRefresh)->setChecked(true);
  auto refresh = [a, neuZeichnen](bool schnell) {
    if (a->setzeSchnellerRefresh) a->setzeSchnellerRefresh(schnell);
    neuZeichnen();
  };
  QObject::connect(ergebnis.schnellerRefresh, &QAction::triggered, &menue, [refresh] { refresh(true); });
  QObject::connect(ergebnis.langsamerRefresh, &QAction::triggered, &menue, [refresh] { refresh(false); });

  Sichtbarkeitsmenue kopie = ergebnis;
  QObject::connect(&menue, &QMenu::aboutToShow, &menue, [&schalter, posten, a, kopie] {
    for (auto& [aktion, feld] : *posten) aktion->setChecked(schalter.*feld);
    if (a->allesSichtbar) kopie.allesSichtbar->setChecked(a->allesSichtbar());
    if (a->schnellerRefresh) {
      (a->schnellerRefresh() ? kopie.schnellerRefresh : kopie.langsamerRefresh)->setChecked(true);
    }
  });
  return ergebnis;
}

}  // namespace quarzel
