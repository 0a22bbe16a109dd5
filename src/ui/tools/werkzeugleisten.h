// The main window's tool bars, built from the tool table
// (edit/werkzeugtabelle.h): every available row with a button of its own on
// the bar its row names. A bar without available buttons is not built. Every
// tool button is a checkable action whose data is its tool code (for a button
// with variants: the variant chosen last) and the button's number among the
// buttons of one code, and whose tool tip is the German hint; the buttons of
// all bars form one exclusive group, so the pressed button always shows the
// active tool. The edit tools also appear in the menu "&Bearbeiten"
// ("S&piegeln", "&Mehrfachkopie", "Farbe aus&wählen", "&Eigenschaften
// auswählen ").
//
// The bars only carry actions; the window connects them to the tool state
// machine (one signal for every tool button: the group's triggered()).
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "edit/werkzeugcode.h"
#include "edit/werkzeugtabelle.h"

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

namespace quarzel {

struct Werkzeugleisten {
  QToolBar* linien = nullptr;
  QToolBar* flaechen = nullptr;
  QToolBar* ansicht = nullptr;
  QToolBar* bearbeiten = nullptr;
  // Every bar of the window by the table's name for it; nullptr when it has no buttons.
  std::array<QToolBar*, kLeisten> alle{};
  QToolBar* leiste(Leiste l) const { return alle[static_cast<std::size_t>(l)]; }

  // Every action that starts a tool; data() holds the tool code.
  QActionGroup* werkzeuge = nullptr;
  QAction* markieren = nullptr;               // 100
  QAction* ausschnittVergroessern = nullptr;  // 107, the zoom rectangle
  // Commands, not tools.
  QAction* loeschen = nullptr;
  QAction* numerischeEingabe = nullptr;  // checkable: the panel is shown

  QMenu* spiegeln = nullptr;
  QMenu* mehrfachkopie = nullptr;

  // The button of exactly this code (menus find their tools by it); nullptr
  // when it has none.
  QAction* aktion(Werkzeugcode code) const;
  // The action that sets `code` as its button number `knopf`, or the button
  // whose variants include it (werkzeugvarianten.h); nullptr when no button does.
  QAction* aktionFuer(Werkzeugcode code, std::uint8_t knopf = 0) const;
  // A button with variants remembers the one chosen last: its next click
  // starts that variant again.
  void merkeVariante(Werkzeugcode code);
  // The action whose tool tip is `hinweis` on the given bar (tests, macros).
  QAction* aktionMitHinweis(const QToolBar* leiste, const QString& hinweis) const;
};

// Creates the bars in the window and the edit tools in `bearbeitenMenue`.
Werkzeugleisten baueWerkzeugleisten(QMainWindow& fenster, QMenu& bearbeitenMenue);

// The tool code an action sets, Keines for commands.
Werkzeugcode werkzeugcode(const QAction* aktion);
// Which of the buttons of its code the action is (Werkzeugzeile::knopfNr).
std::uint8_t knopfNr(const QAction* aktion);

}  // namespace quarzel
