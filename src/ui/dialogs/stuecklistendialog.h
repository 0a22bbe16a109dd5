// The window "Stückliste" (TStueckliste): the data mask to list by, "nur
// sichtbare zählen", the list itself and saving it as HTML or CSV
// (project/stueckliste.h, project/stuecklistendatei.h).
//
// The grid keeps the list's form: 13 columns of which 12 are used, the
// heading row as its header; a column whose heading is empty is hidden. The
// window counts when it opens and whenever the mask, the check box or the
// button asks for it; it stays open beside the drawing, so the button counts
// again after the drawing changed.
#pragma once

#include <QDialog>
#include <functional>

#include "project/stueckliste.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTableWidget;

namespace quarzel {

class Benutzer;
struct Zeichnung;

// What the file dialog offers. The caption of CSV is the one users know; its
// pattern is "*.csv", so that the dialog appends the extension.
inline constexpr std::string_view Stuecklistenfilter = "HTML-Datei (*.htm)|*.htm|CSV-Datei (*.csv)|*.csv";

class TStueckliste final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int Gitterspalten = Stueckliste::Spalten + 1;

  // `statusmeldung` shows a text in the main window's status bar ("" clears it).
  TStueckliste(const Zeichnung& zeichnung, Benutzer& benutzer, std::function<void(const QString&)> statusmeldung,
               QWidget* eltern = nullptr, Umgebung umgebung = prozessUmgebung());

  // Counts the drawing's symbols for the chosen mask and shows the list.
  void erzeuge();
  // Another drawing was opened (or "Neu"): its carried masks join the box,
  // the chosen mask stays chosen if it is still there, the list is counted anew.
  void zeichnungGewechselt();
  // "&Speichern...": asks for the file and writes it. True when written.
  bool speichere();

 private:
  void maskenFuellen();
  void zeigeListe();

  const Zeichnung& zeichnung_;
  Benutzer& benutzer_;
  std::function<void(const QString&)> statusmeldung_;
  Umgebung umgebung_;
  Stueckliste liste_;
  QComboBox* masken_;
  QCheckBox* nurSichtbare_;
  QTableWidget* gitter_;
};

}  // namespace quarzel
