// The main window's tool bars: lines, areas, view and edit, built from the
// tool table (edit/werkzeugtabelle.h): every available row with a button of
// its own on one of these bars. Every tool button is a checkable action whose
// data is its tool code (for a button with variants: the variant chosen last)
// and whose tool tip is the German hint; the buttons of all bars form one exclusive group,
// so the pressed button always shows the active tool. The edit tools also
// appear in the menu "&Bearbeiten" ("S&piegeln", "&Mehrfachkopie").
//
// The bars only carry actions; the window connects them to the tool state
// machine (one signal for every tool button: the group's triggered()).
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "edit/werkzeugcode.h"

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

  // Every action that starts a tool; data() holds the tool code.
  QActionGroup* werkzeuge = nullptr;
  QAction* markieren = nullptr;               // 100
  QAction* ausschnittVergroessern = nullptr;  // 107
  // Commands, not tools.
  QAction* vergroessern = nullptr;
  QAction* verkleinern = nullptr;
  QAction* loeschen = nullptr;
  QAction* numerischeEingabe = nullptr;  // checkable: the panel is shown

  QMenu* spiegeln = nullptr;
  QMenu* mehrfachkopie = nullptr;

  // The button of exactly this code (menus find their tools by it); nullptr
  // when it has none.
  QAction* aktion(Werkzeugcode code) const;
  // The first action that sets `code`, or the button whose variants include
  // it (werkzeugvarianten.h); nullptr when no button does.
  QAction* aktionFuer(std::uint16_t code) const;
  // A button with variants remembers the one chosen last: its next click
  // starts that variant again.
  void merkeVariante(std::uint16_t code);
  // The action whose tool tip is `hinweis` on the given bar (tests, macros).
  QAction* aktionMitHinweis(const QToolBar* leiste, const QString& hinweis) const;
};

// Creates the bars in the window and the edit tools in `bearbeitenMenue`.
Werkzeugleisten baueWerkzeugleisten(QMainWindow& fenster, QMenu& bearbeitenMenue);

// The tool code an action sets, 0 for commands.
std::uint16_t werkzeugcode(const QAction* aktion);

}  // namespace quarzel
