// Makrolauf: a macro run on the main window's drawing, from the editor or
// from the menu "Makros".
//
// The run holds the user-interface thread, as the language demands, but lets
// the window process its messages every few commands: the picture follows
// each new element and the editor's "Stopp" button works. While the run
// holds the thread, input to the main window is held back (its commands
// would change the drawing under the run); closing it or pressing Escape
// there stops the run instead. The editor and the macro's own dialogs stay
// usable.
//
// All figures of a run form one undo step (the Makrozeichner opens it with
// the first element). For the debugging view a run can halt after every
// command (single step) until `schritt`, `stoppe` or the end of single
// stepping lets it go on.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "macro/makroanschluesse.h"
#include "macro/makrogegenueber.h"
#include "macro/makrointerpreter.h"
#include "macro/makrozeichner.h"
#include "project/makrostuecklistenanschluss.h"
#include "ui/window/fensteranschluss.h"

class QEventLoop;

namespace quarzel {

class Fenstergegenueber;
class Makrocursor;
class Makrointeraktion;
class Statusleiste;
class Zeichenflaeche;

// What a run needs of the main window.
struct Makrofenster {
  Fensteranschluss anschluss;  // session, window, full redraw
  std::function<void(std::int32_t von, std::int32_t bis)> objekteZeichnen;
  std::function<void()> befehlsstand;  // title and undo commands after a change
  std::function<void()> rueckgaengig;  // the window's undo, for UNDO
  // Where the cursor words wait for a click and SHOWHINT writes; null in
  // a window without them (the cursor words are then cancelled).
  Zeichenflaeche* flaeche = nullptr;
  Statusleiste* status = nullptr;
};

class Makrolauf final : public QObject, private Makroerweiterung {
  Q_OBJECT

 public:
  explicit Makrolauf(Makrofenster fenster, QObject* eltern = nullptr);
  ~Makrolauf() override;

  // Runs the program on the drawing. `makroordner` is where INCLUDE, pictures
  // and profiles are looked for. Returns when the run is over or waits for
  // the user; refused (Fehler) while another run is on.
  Laufende starte(Tokenprogramm programm, const Makrostart& start, const std::filesystem::path& makroordner);
  // Goes on after a word that waited for the user.
  Laufende setzeFort();
  // The run ends after the current command; a run waiting for a click is
  // cancelled from the event loop.
  void stoppe();
  // The answer to the cursor word the run waits for: goes on with the run.
  Laufende beantworteCursor(const Cursorantwort& antwort);

  // A run holds the thread or waits for the user.
  bool laeuft() const { return laeuft_; }
  const Makrointerpreter& interpreter() const { return interpreter_; }
  // The drawing area waits for a cursor word's click.
  bool wartetAufKlick() const;

  // Single step: halts after every command until schritt().
  void setzeEinzelschritt(bool an);
  bool einzelschritt() const { return einzelschritt_; }
  bool haelt() const { return halt_ != nullptr; }
  void schritt();

 signals:
  // A run has begun (the editor's buttons follow).
  void begonnen();
  // Halted after a command (single step); the debugging view refreshes.
  void angehalten();
  // The run is over (not when it only waits for the user).
  void beendet(Laufende ende);

 private:
  class Eingabesperre;

  // Makroerweiterung: the words that talk to the user go on to Makrointeraktion.
  std::optional<Makrofehlerfall> fuehreAus(Befehl b, Makrointerpreter& lauf) override;
  void verarbeiteNachrichten() override;
  void rueckgaengig() override;
  void laufEndet() override;

  Laufende nachLauf(Laufende ende);

  Makrofenster fenster_;
  Makrointerpreter interpreter_;
  std::unique_ptr<Makrozeichner> zeichner_;
  std::unique_ptr<Makrocursor> cursor_;
  std::unique_ptr<Fenstergegenueber> gegenueber_;
  std::unique_ptr<Makrostuecklistenanschluss> stueckliste_;
  std::unique_ptr<Makrointeraktion> interaktion_;
  std::unique_ptr<Eingabesperre> sperre_;
  QEventLoop* halt_ = nullptr;
  bool laeuft_ = false;
  bool einzelschritt_ = false;
};

}  // namespace quarzel
