// TProjektmanager: the view manager ("Ansichtenmanager"). A list of sixty
// rows, one per view slot, takes the place of the sixty option buttons: the
// selected row is the slot every button works on. Rows of views not defined
// show the default name in grey.
//
// The buttons call the core (store/ansichtsverwaltung.h); showing a view goes
// through the window, which also takes the view's switches and redraws. The
// toggle "Bildausschnit beibehalten" edits the window's flag, so it stays as
// set the next time the manager opens and holds for the window's list too.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "store/ansichtstabelle.h"

class QAbstractButton;
class QListWidget;

namespace quarzel {

class Benutzer;
struct Zeichnung;

inline constexpr const char* MeldungAnsichtOhneNamen = "Eine Ansicht braucht einen Namen.";

class TProjektmanager final : public QDialog {
  Q_OBJECT

 public:
  struct Anschluss {
    Zeichnung& zeichnung;
    Benutzer& benutzer;  // asked for a new name
    // The window's element switches in force (for "Ansicht definieren").
    std::function<Elementschalter()> schalter;
    // Shows view n the window's way.
    std::function<void(int)> zeige;
    // After a view was defined, renamed, deleted or moved.
    std::function<void()> geaendert;
    // The folder of the help topics.
    QString hilfeordner;
  };

  TProjektmanager(Anschluss anschluss, bool& ausschnittBeibehalten, QWidget* eltern = nullptr);

  // The selected slot 1..60.
  int gewaehlt() const;
  void waehle(int slot);
  QListWidget* liste() const { return liste_; }
  // The button with this hint; nullptr when there is none.
  QAbstractButton* knopf(const QString& hinweis) const;

  void definieren();
  void zeigen();
  void umbenennen();
  void loeschen();
  // Moves the selected view by `zeilen` rows; the selection follows it.
  void verschiebe(int zeilen);
  // The topic "ansichtenmanager" in a help window of the dialog's own (a
  // window of the main window would be blocked while the manager is open).
  void hilfe();

 private:
  QAbstractButton* neuerKnopf(const QString& text, const QString& hinweis, std::function<void()> tat);
  void aktualisieren();
  void knoepfeSetzen();
  void tabelleGeaendert();

  Anschluss a_;
  bool& ausschnittBeibehalten_;
  QListWidget* liste_ = nullptr;
  QList<QAbstractButton*> knoepfe_;
};

}  // namespace quarzel
