// Makrogegenueber: whoever runs a macro and answers it — the macro editor
// window with real message boxes, dialogs and clicks in the drawing area,
// quarzel-cli with a file of prepared answers, tests with a script.
//
// The words that talk to the user (makrointeraktion.h) only ever go through
// this interface. All of it is called on the thread that runs the macro.
//
// Cursor words do not block: `erwartePunkt` tells the window what to wait
// for and the run returns `Laufende::Wartet`. When the user has clicked (or
// picked an element), the window calls `Makrointeraktion::beantworteCursor`
// with the click in world millimetres; that sets the cursor variables,
// pushes the answer and goes on with the run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macro/makrodialog.h"
#include "view/ansicht.h"

namespace quarzel {

enum class Cursorart : std::uint8_t {
  Punkt,     // GETCURSOR: one click
  Plus,      // GETCURSORPLUS: one click, a rectangle of known size at the cursor
  Rechteck,  // GETCURSORBOX: two clicks, a rubber rectangle between them
  Bewegung,  // GETCURSORMOVE: one click, a line that follows the cursor
  Linie,     // GETLINE: pick a line
  Bogen,     // GETARC: pick an arc or circle
  Symbol,    // GETSYMBOL: pick a placed symbol
};

struct Cursoranfrage {
  Cursorart art = Cursorart::Punkt;
  // What to draw at the cursor while it moves: a polyline in world
  // millimetres relative to the cursor (empty: nothing).
  std::vector<Weltpunkt> gummiband;
  // The command word, for a status line ("GETCURSOR").
  std::string wort;
};

struct Cursorantwort {
  bool abgebrochen = false;  // Escape: the run stops
  Weltpunkt punkt;           // the click, world mm (GETCURSORBOX: the second corner)
  Weltpunkt erster;          // GETCURSORBOX: the first corner
  int maustaste = 1;         // 1 left, 2 right, 3 middle
  // GETLINE, GETARC, GETSYMBOL: the element under the click; 0 for none.
  std::int32_t element = 0;
};

class Makrogegenueber {
 public:
  virtual ~Makrogegenueber() = default;

  // ALERT: a warning box with an OK button.
  virtual void warnung(std::string_view text) = 0;
  // INFO, and the messages a word shows without stopping the run.
  virtual void information(std::string_view text) = 0;
  // INFOBOX: a small window sized to the text; `bild` is a picture file to
  // show with it, "" for none.
  virtual void infobox(std::string_view text, const std::string& bild) = 0;
  // QUESTION: "Ja"/"Nein" box; true for Yes.
  virtual bool frage(std::string_view text) = 0;
  // INPUT: an input box captioned "Dateneingabe"; nullopt when cancelled.
  virtual std::optional<std::string> eingabe(std::string_view aufforderung) = 0;
  // SHOWHINT / HIDEHINT: the hint line of the main window.
  virtual void zeigeHinweis(std::string_view text) = 0;
  virtual void verbergeHinweis() = 0;
  // GETFKEY: 2…12 for the first of F2…F12 held down now, else 0.
  virtual int funktionstaste() = 0;
  // FILEOPEN with a title: an open (or, `speichern`, a save) dialog on
  // `vorschlag`; filter as "ext-Dateien|*ext". nullopt when cancelled.
  virtual std::optional<std::string> waehleDatei(std::string_view titel, std::string_view filter,
                                                 const std::string& vorschlag, bool speichern) = 0;
  // A cursor word: wait for the user in the drawing area, then call
  // Makrointeraktion::beantworteCursor. Must not call it from in here.
  virtual void erwartePunkt(const Cursoranfrage& anfrage) = 0;
  // ENDDIALOG: shows the finished dialog modally; writes the user's values
  // into its controls and says which button ended it.
  virtual Dialogergebnis zeigeDialog(Makrodialog& dialog) = 0;
  // SHOWLIVEDIALOG / ENDLIVEDIALOG: a dialog that stays open while the
  // macro goes on. The window keeps the values of `dialog` current; a live
  // button calls Makrointeraktion::livebuttonGedrueckt.
  virtual void zeigeLivedialog(Makrodialog& dialog) = 0;
  virtual void schliesseLivedialog() = 0;
  // A live dialog's model changed (SETVALUE, SETELEMENTVISIBLE …): show it anew.
  virtual void livedialogGeaendert() {}
};

}  // namespace quarzel
