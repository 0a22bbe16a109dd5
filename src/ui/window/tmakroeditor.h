// TMakroeditor: the macro editor window. Up to ten sources are open at once,
// one per tab (a new one is titled "Neuer Quelltext"); each tab keeps its
// file and folder. Sources are ".PSQ" files (".PSB" backups open the same
// way); "Speichern unter" with ".MAK" writes the compiled, enciphered macro,
// and opening a ".MAK" runs it, since it has no source to show.
//
// "Ausführen" compiles the current tab and runs it on the open drawing
// (Makrolauf); "Stopp" ends a run. After a failed run the error's line is
// marked and its text shown below the source. With "Debugmodus" on, the run
// first checks the IF/ENDIF, /var/DEF and {/} counts, and the debugging view
// shows stack, variables and subroutines and offers single stepping.
//
// The sources are saved automatically as "Source_n_autosave.psq" when a run
// starts ("Automatisch speichern") and when the editor goes, in the folder
// given at construction (the user's data folder); the next editor opens
// them again in their tabs.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "macro/makrointerpreter.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace quarzel {

class Benutzer;
class Makrodebugansicht;
class Makrolauf;
class Quelltextfeld;

class TMakroeditor final : public QWidget {
  Q_OBJECT

 public:
  // `autosaveordner`: where the sources are saved automatically (nullopt: nowhere).
  TMakroeditor(Makrolauf& lauf, Benutzer& benutzer, std::optional<std::filesystem::path> autosaveordner,
               QWidget* eltern = nullptr);
  ~TMakroeditor() override;

  int reiteranzahl() const;
  Quelltextfeld& feld(int reiter);
  Quelltextfeld& aktuellesFeld();
  int aktuellerReiter() const;
  std::string dateiname(int reiter) const;

  // The buttons.
  void neuerQuelltext();
  void oeffnen();
  bool speichern();
  bool speichernUnter();
  void ausfuehren();
  void stopp();
  // Opens a source file in a new tab (or the tab that has it already); a
  // compiled macro is handed to `makrodateiAusfuehren`. False when nothing
  // was opened (the user was told why).
  bool oeffne(const std::string& pfad);
  // Closes a tab, asking to save a changed source; false when the user cancelled.
  bool schliesseReiter(int reiter);
  // Saves every source as "Source_n_autosave.psq" (see above).
  void sichereAutomatisch(bool alteEntfernen);

  QString statustext() const;
  QCheckBox& debugmodus() { return *debugmodus_; }
  QCheckBox& automatischSpeichern() { return *automatisch_; }

  // A file was opened or saved: the recent macros take it.
  std::function<void(const std::string& pfad)> dateiBenutzt;
  // A compiled macro was chosen in "Öffnen...".
  std::function<void(const std::string& pfad)> makrodateiAusfuehren;
  // The recent macros, newest first, for the button "Zuletzt".
  std::function<std::vector<std::string>()> zuletzt;

 protected:
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  struct Reiter {
    Quelltextfeld* feld = nullptr;
    std::string pfad;    // "" until saved
    std::string ordner;  // where its file dialogs start and INCLUDE looks
  };

  Quelltextfeld& neuerReiter(const std::string& text, const std::string& pfad);
  void titelSetzen(Quelltextfeld* feld);
  void knoepfeSetzen();
  void laufBeendet(Laufende ende);
  void angehalten();
  bool speichereAls(int reiter, const std::string& pfad);
  void stellWiederHer();
  void einstellungenSpeichern() const;
  void zuletztMenue();
  int reiterVon(const Quelltextfeld* feld) const;

  Makrolauf& lauf_;
  Benutzer& benutzer_;
  std::optional<std::filesystem::path> autosaveordner_;
  std::vector<Reiter> reiter_;
  QTabWidget* reiterleiste_;
  QPushButton* neu_;
  QPushButton* oeffnen_;
  QPushButton* speichern_;
  QPushButton* speichernUnter_;
  QToolButton* zuletzt_;
  QPushButton* ausfuehren_;
  QPushButton* stopp_;
  QCheckBox* pruefung_;
  QCheckBox* automatisch_;
  QCheckBox* debugmodus_;
  QLabel* fehler_;
  QLabel* status_;
  QLabel* zeit_;
  Makrodebugansicht* debug_;
  // The tab whose source runs; its lines get the marks.
  QPointer<Quelltextfeld> laufFeld_;
  bool eigenerLauf_ = false;
  QElapsedTimer laufzeit_;
};

}  // namespace quarzel
