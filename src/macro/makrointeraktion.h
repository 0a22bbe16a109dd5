// Makrointeraktion: the macro words that talk to the user, read and write
// text files, place symbols, read project data and bills of materials, and
// build dialogs (groups Interaktion, Textdatei, Symbol, Dialog,
// Steuerelement). Whatever asks or tells the user goes through the
// `Makrogegenueber`; the drawing is changed only through the store.
//
// Operands are listed deepest first, as written before the word.
//
// Talking to the user:
//   text ALERT / text INFO          warning / information box
//   text bild INFOBOX               text window, with the picture when the file exists
//   text QUESTION → "Ja" | "Nein"
//   prompt INPUT → text             "" when cancelled
//   text SHOWHINT / HIDEHINT
//   GETFKEY → n                     2…12, or 0
//   sel arg GETPINFO → value        see makroprogramminfo.h
// Cursor words (the run waits; the answer comes with beantworteCursor; each
// sets cursorx, cursory and mousebutton — 1 left, 2 right, 3 middle):
//   GETCURSOR → x y                 one click, in macro coordinates
//   x y b h GETCURSORPLUS → x y     the same with a b × h rectangle whose
//                                   lower-left corner is (x, y) from the cursor
//   GETCURSORBOX → x1 y1 x2 y2      two clicks, the corners of a rectangle
//   x1 y1 x2 y2 GETCURSORMOVE → x y one click, the line (x1,y1)-(x2,y2)
//                                   follows the cursor by its first end
//   GETLINE → f / GETARC → f        "-1" and rows 14–22 / 23–34 when a line /
//                                   arc was picked, "0" otherwise
//   GETSYMBOL → name                the symbol's file name, or "nosymbol"
//   Escape stops the run.
// Text files: makrotextdateien.h. Symbols: makrosymbole.h. Dialogs and
// their controls: makrodialogbau.h.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "macro/makroanschluesse.h"
#include "macro/makrodialog.h"
#include "macro/makrogegenueber.h"
#include "macro/makrolistenwoerter.h"

namespace quarzel {

struct Zeichnung;
class Makrozeichner;
class Makrotextdateien;
class Makrodialogbau;
enum class Laufende;

// What the words need besides the user.
struct Makrointeraktionsumfeld {
  Zeichnung* zeichnung = nullptr;
  // The run's drawing words: current colour, coordinate conversion, the
  // rows GETLINE and GETARC fill. May be null (then GETLINE/GETARC/cursor
  // answers use the drawing's plain view settings).
  Makrozeichner* zeichner = nullptr;
  std::filesystem::path programmordner;  // GETPINFO 48
  std::filesystem::path makroordner;     // FILEOPEN's relative names
  // Where LOADSYM and MOVESYMBOL look for a name without a folder, searched
  // in this order, each with its subfolders.
  std::vector<std::filesystem::path> symbolordner;
  // Project data rows (the project folder computes some of them); without
  // them the stored values are read and written.
  std::function<std::string(int zeile)> projektwert;
  std::function<bool(int zeile, std::string wert)> setzeProjektwert;
  // The bill of materials behind CREATEMASK … GETLISTINFO; null: those
  // words report that they are not available here.
  Makrostueckliste* stueckliste = nullptr;
  // The drawing changed outside the figure words (a symbol was placed).
  std::function<void()> neuZeichnen;
};

class Makrointeraktion final : public Makroerweiterung {
 public:
  Makrointeraktion(Makrogegenueber& gegenueber, Makrointeraktionsumfeld umfeld);
  ~Makrointeraktion() override;

  std::optional<Makrofehlerfall> fuehreAus(Befehl b, Makrointerpreter& lauf) override;
  // Closes the text files and a live dialog.
  void laufEndet() override;

  // The answer to the cursor word the run waits for: sets the variables,
  // pushes the answer and goes on with the run (Laufende::Gestoppt when the
  // user cancelled). Without a waiting run: Laufende::Beendet, nothing happens.
  Laufende beantworteCursor(const Cursorantwort& antwort);
  // The cursor word the run waits for, if any.
  const std::optional<Cursoranfrage>& offeneAnfrage() const { return anfrage_; }

  // A live button was pressed: runs the macro file it names inside the run.
  void livebuttonGedrueckt(int nummer);

 private:
  std::optional<Makrofehlerfall> benutzerwort(Befehl b, Makrointerpreter& lauf);
  std::optional<Makrofehlerfall> cursorwort(Befehl b, Makrointerpreter& lauf);

  Makrogegenueber& gegenueber_;
  Makrointeraktionsumfeld umfeld_;
  std::unique_ptr<Makrotextdateien> dateien_;
  std::unique_ptr<Makrodialogbau> dialogbau_;
  std::optional<Cursoranfrage> anfrage_;
  Makrointerpreter* wartenderLauf_ = nullptr;
  Makrointerpreter* letzterLauf_ = nullptr;  // the run a live button belongs to
};

}  // namespace quarzel
