// The main window's menu bar: the actions and their German captions and
// shortcuts. The window connects the actions to its commands; keeping the
// captions here keeps TFenster about behaviour, and the menu grows here
// menu by menu.
#pragma once

#include <array>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace quarzel {

struct Hauptmenue {
  static constexpr int kZuletztAnzahl = 6;

  QMenu* datei = nullptr;
  QAction* neu = nullptr;
  QAction* oeffnen = nullptr;
  QAction* speichern = nullptr;
  QAction* speichernUnter = nullptr;
  // The recent files "&1 name" ... "&6 name"; hidden while empty.
  std::array<QAction*, kZuletztAnzahl> zuletzt{};
  QAction* zuletztTrenner = nullptr;
  QAction* beenden = nullptr;

  QMenu* bearbeiten = nullptr;
  QAction* rueckgaengig = nullptr;      // object name "Undo1"
  QAction* bildEinfuegen = nullptr;     // a picture file placed as a bitmap
  QAction* wiederherstellen = nullptr;  // object name "Redo1"

  QMenu* ansicht = nullptr;
  QAction* vergroessern = nullptr;
  QAction* verkleinern = nullptr;
  QAction* gesamtesBlatt = nullptr;
  QAction* blattDarstellen = nullptr;  // checkable

  // Symbol and detail files (ui/window/symbolbefehle.h).
  QMenu* symbole = nullptr;
  QAction* symbolEinfuegen = nullptr;
  QAction* alsSymbolSpeichern = nullptr;
  QAction* alsDetailSpeichern = nullptr;
  QAction* symbolinformationen = nullptr;
};

// Creates the menus in the window's menu bar; the actions belong to the window.
Hauptmenue baueHauptmenue(QMainWindow& fenster);

// Shows the non-empty names of `dateien` (newest first, at most six) as the
// recent-file entries and hides the others.
void zeigeZuletztGeoeffnet(Hauptmenue& menue, const std::vector<std::string>& dateien);

}  // namespace quarzel
