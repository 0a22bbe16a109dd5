// Makroanschluesse: what a macro run hands to other parts of the program.
//
// The interpreter itself knows values, variables and program flow. Words
// that draw (groups Figur, Textfigur, Stil, Umgebung) go to a
// `Makrozeichenanschluss`, which holds the drawing state of the run. Words
// that talk to the user or the platform (groups Interaktion, Textdatei,
// Symbol, Dialog, Steuerelement) and the services of the main window (undo,
// starting other programs, letting the window breathe) go to a
// `Makroerweiterung`. Without one, those words stop the run with a message
// that names the word, so a macro never silently does nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "macro/befehlstabelle.h"
#include "macro/makrofehler.h"
#include "macro/makromelder.h"

namespace quarzel {

class Makrostapel;
class Makrovariablen;
class Makrointerpreter;

// A text's width estimated without font metrics (default text height).
double textbreiteOhneSchrift(std::string_view text);

class Makrozeichenanschluss {
 public:
  virtual ~Makrozeichenanschluss() = default;
  // One word of the drawing groups; the operand counts of the command table
  // are already checked. nullopt on success.
  virtual std::optional<Makrofehler> fuehreAus(Befehl b, Makrostapel& s, Makrovariablen& v) = 0;
  virtual void laufBeginnt() {}
  virtual void laufEndet() {}
  // NEWUNDO: the next element starts a new undo step.
  virtual void neuerUndoSchritt() {}
  // TEXTWIDTH: width of a text in the current font and text height, drawing units.
  virtual double textbreite(std::string_view text) const { return textbreiteOhneSchrift(text); }
  // What the message of the last error names when that is not the word
  // itself (a missing file); "" otherwise.
  virtual const std::string& fehlerbezug() const;
};

class Makroerweiterung {
 public:
  virtual ~Makroerweiterung() = default;
  // One word of the interaction, file, symbol and dialog groups. A word that
  // waits for the user (a cursor word) calls `lauf.warteAufEingabe()`; the
  // run then returns and goes on with `lauf.setzeFort()`.
  virtual std::optional<Makrofehlerfall> fuehreAus(Befehl b, Makrointerpreter& lauf);
  // RUNFILE: opens a file or program and waits for it; false when it cannot be started.
  virtual bool starteDatei(std::string_view datei, std::string_view parameter, std::string_view ordner);
  // UNDO: the main window's undo.
  virtual void rueckgaengig() {}
  // Called every few commands while a run holds the thread: the window may
  // repaint and the abort button may call `Makrointerpreter::stoppe`.
  virtual void verarbeiteNachrichten() {}
  // The run has ended (not when it waits): close files, restore tool state.
  virtual void laufEndet() {}
};

// The error of a word that no part of the program provides here.
Makrofehlerfall nichtVerfuegbar(Befehl b);

}  // namespace quarzel
