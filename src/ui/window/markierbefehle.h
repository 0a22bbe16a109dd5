// The main window's commands on the marked elements and on the drawing as a
// whole, in the menu "&Bearbeiten" unless said otherwise:
//
// - "Alles markieren" (Ctrl+A): every alive element on an editable layer;
// - "Nach hinten": the marked elements go to the start of the drawing order,
//   so they lie behind all others;
// - "Markierung aufheben": one entry per kind unmarks the elements of it;
// - "Nur gefüllte markiert lassen": marked elements that are not filled areas
//   lose their mark;
// - "Gruppen als Ganzes markieren" (a switch, kept as "Gruppen" of the section
//   "Zeichenhilfen"): a click on an element of a group marks the group;
// - "Doppelte Linien suchen...", "Doppelte Kreise und Ellipsen suchen...",
//   "Doppelte Polygone suchen...": find stacked copies and delete them on
//   the user's word, as one undo step;
// - "Statistik..." (menu "&Datei"): the element counts per kind in a dialog;
// - pen, line style, colour, fill colour, hatch, hatch angle and the filled
//   flag picked in the property bar also go to the marked elements, one undo
//   step each;
// - "&Rückgängig" and "&Wiederherstellen" as buttons of the edit bar (the
//   menu's actions, so they are enabled together);
// - the status bar tells how many elements are marked.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "store/duplikate.h"
#include "store/elementart.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/window/fensteranschluss.h"

class QAction;
class QDialog;
class QLabel;

namespace quarzel {

class Werkzeugbedienung;
struct Hauptmenue;
struct Werkzeugleisten;

class Markierbefehle final : public QObject {
  Q_OBJECT

 public:
  // `befehlsstand` refreshes title, undo and redo after a change.
  Markierbefehle(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge, Eigenschaftsleiste& eigenschaften,
                 std::function<void()> befehlsstand);

  void allesMarkieren();
  void nachHinten();
  void demarkiere(const std::vector<Elementart>& arten);
  void nurGefuellte();
  void setzeGruppenAlsGanzes(bool an);
  void doppelteSuchen(Duplikatsuche was);
  // Opens the dialog (window-modal, not blocking) and returns it.
  QDialog* statistikZeigen();
  // A value the user picked in the property bar, for the marked elements.
  void eigenschaftGewaehlt(Eigenschaftsleiste::Wahl was);
  // The status bar's count of marked elements.
  void markierteZeigen();

  QAction* allesMarkierenAktion = nullptr;
  QAction* nachHintenAktion = nullptr;
  QAction* nurGefuellteAktion = nullptr;
  QAction* gruppenAktion = nullptr;  // checkable
  QAction* statistikAktion = nullptr;
  std::vector<QAction*> demarkierenAktionen;  // in the order of the kind rows
  std::vector<QAction*> duplikatAktionen;     // lines, circles and ellipses, polygons

 private:
  friend Markierbefehle* markierbefehleEinrichten(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge,
                                                  Eigenschaftsleiste& eigenschaften, const Hauptmenue& menue,
                                                  const Werkzeugleisten& leisten, std::function<void()> befehlsstand);
  // Runs a change of the marks with the marking frame following it.
  void markenAendern(const std::function<void()>& aendern);
  // After a change of the drawing: picture, title and menus.
  void geaendert();

  Fensteranschluss fenster_;
  Werkzeugbedienung& werkzeuge_;
  Eigenschaftsleiste& eigenschaften_;
  std::function<void()> befehlsstand_;
  QLabel* anzeige_ = nullptr;
};

// Adds the entries to the menus and the undo buttons to the edit bar and
// connects the property bar; the returned object belongs to the window.
Markierbefehle* markierbefehleEinrichten(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge,
                                         Eigenschaftsleiste& eigenschaften, const Hauptmenue& menue,
                                         const Werkzeugleisten& leisten, std::function<void()> befehlsstand);

}  // namespace quarzel
