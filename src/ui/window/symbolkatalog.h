// Symbolkatalog: the dock that offers the symbol files to place. At the top
// the folder tree — the symbols shipped with the program (read-only) and the
// user's own, each with its sub-folders ("Architektur/Bad") —, below it a
// search field and the symbols of the chosen folder as pictures with their
// names (Symbolvorschaumodell). A double click, Enter, or dragging a symbol
// onto the drawing area places it (Symbolziel).
//
// Whether the dock shows is the key "zeigen" of the section "Symbolkatalog":
// read at start, written when the user opens or closes it. The folder shown
// is listed anew when the file system reports a change in it, and at once
// when "Als Symbol speichern..." writes there.
#pragma once

#include <QDockWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ui/window/fensteranschluss.h"

class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QSortFilterProxyModel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace quarzel {

class Symbolbefehle;
class Symbolvorschaumodell;
class Werkzeugbedienung;
class Zeichenflaeche;

struct Symbolwurzeln {
  std::filesystem::path programm;  // shipped, read-only
  std::filesystem::path benutzer;  // the user's, where symbols are saved
};

class Symbolkatalog final : public QDockWidget {
 public:
  // `einfuegen` starts placing a symbol file (Symbolbefehle::beginneSymbolEinfuegen).
  Symbolkatalog(Symbolwurzeln wurzeln, std::function<bool(const std::string& pfad)> einfuegen,
                QWidget* eltern = nullptr);

  // The tree and the symbols shown, read anew.
  void aktualisieren();
  // A file was written: the catalogue follows when it shows that folder.
  void dateiGeschrieben(const std::filesystem::path& datei);

  // Called when the user closes the dock with its own button.
  std::function<void()> geschlossen;

 protected:
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  // Reads the tree anew; the folder chosen stays chosen while it exists.
  void baueBaum();
  // Makes the folder the tree's current item without showing it.
  bool markiereOrdner(const std::filesystem::path& ordner);
  void ordnerGewaehlt();
  void zeigeSymbole();
  void einfuegen(const QModelIndex& index);
  std::filesystem::path gewaehlterOrdner() const;
  void beobachte();

  Symbolwurzeln wurzeln_;
  std::function<bool(const std::string& pfad)> einfuegen_;
  std::vector<std::filesystem::path> ordnerpfade_;  // the tree items' folders, by their index
  QTreeWidget* baum_ = nullptr;
  QLineEdit* suche_ = nullptr;
  QListView* liste_ = nullptr;
  QLabel* hinweis_ = nullptr;
  Symbolvorschaumodell* modell_ = nullptr;
  QSortFilterProxyModel* filter_ = nullptr;
  QFileSystemWatcher* waechter_ = nullptr;
  QTimer* nachlauf_ = nullptr;
};

// The catalogue in the window: a dock on the right, its check entry
// "Symbolkatalog" in the menu "Symbole", drops onto the drawing area, and
// the key "zeigen" kept in step. Shown or hidden by that key (after the
// window restored its layout).
Symbolkatalog* symbolkatalogEinrichten(Fensteranschluss anschluss, Symbolbefehle& befehle, Werkzeugbedienung& werkzeuge,
                                       Zeichenflaeche& flaeche, QMenu& symbolmenue);

}  // namespace quarzel
