// Makrodialogbau: the words that build a macro's dialog window and those
// that read and change its controls (groups Dialog and Steuerelement).
//
// Building (every creating word outside BEGINDIALOG … ENDDIALOG is error 8,
// after SHOWLIVEDIALOG error 35):
//   titel b h BEGINDIALOG         starts a dialog b × h pixels
//   ENDDIALOG → knopf             shows it and waits; the number of the
//                                 button that closed it (0: none). After
//                                 SHOWLIVEDIALOG it only ends the definition
//                                 and pushes "0".
//   SHOWLIVEDIALOG / ENDLIVEDIALOG   shows it without waiting / closes it
//   The values stay readable after the dialog closed, until the next BEGINDIALOG.
//   text x y LABEL | BUTTON | RADIOBUTTON | CHECKBOX
//   thema x y HELPBUTTON          button "&Hilfe" for help topic `thema`
//   b x y EDIT / b x y text DEFAULTEDIT
//   b x y min max wert SPINEDIT   whole numbers min…max
//   b x y text min max stellen NUMIROEDIT   number with `stellen` decimals
//   b x y eintraege COMBOBOX      items separated by ";"; its value is the
//                                 chosen (or typed) text, at first the first item
//   b h x y eintraege LISTBOX
//   b h x y eintraege bilder IMAGELISTBOX   pictures separated by ";"
//   titel b h x y (eintraege) RADIOGROUP   the items in parentheses, "(a;b)"
//   Lists and radio groups have the chosen index (from 0, "-1": none) as value.
//   b h x y spalten zeilen festeSpalten festeZeilen spaltenbreite STRINGGRID
//   Controls inside a frame or panel are placed relative to it.
//   datei x y b h hinweis IMAGE | IMAGEBUTTON   error 6 without the file
//   x y b h PAINTBOX
//   text makro x y b h bild hinweis LIVEBUTTON  runs macro file `makro`;
//                                 error 6 when `bild` is given and missing
//   titel x y b h BEGINFRAME / x y b h BEGINPANEL / ENDFRAME / ENDPANEL
//                                 no nesting (34); closing without opening 32 / 33
// Access (art is the kind's name, n its number from 1):
//   n SETDEFAULT                  button n is pressed by Enter
//   art n wert SETVALUE           text, "1"/"0", or the chosen index from 0
//   art n GETVALUE → wert / art n ISCHANGED → f / art n ISFOCUSED → f
//   art n r g b SETELEMENTCOLOR   art n schrift groesse stil SETELEMENTFONT
//   art n f SETELEMENTVISIBLE     art n f SETELEMENTENABLED    art n text SETHINT
//   n wert SETSPINEDIT            value of spin edit n
//   n spalte breite SETCOLWIDTH   n spalte zeile text SETCELL
//   n spalte zeile GETCELL → text n GRIDCLEAR   n spalten zeilen GRIDDIM
//   n PBCLEAR                     empties paint box n
//   BEGINPAINT / n ENDPAINT       the lines the macro draws in between go into
//                                 paint box n instead of the drawing
//   r g b SETDIALOGCOLOR / r g b SETBORDERCOLOR
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "macro/befehlstabelle.h"
#include "macro/makrodialog.h"
#include "macro/makromelder.h"

namespace quarzel {

class Makrostapel;
class Makrogegenueber;
struct Zeichnung;

class Makrodialogbau {
 public:
  enum class Zustand : std::uint8_t {
    Keiner,      // no definition open (the last dialog's values stay readable)
    ImBau,       // between BEGINDIALOG and ENDDIALOG
    Live,        // shown by SHOWLIVEDIALOG, before its ENDDIALOG
    LiveFertig,  // a live dialog after its ENDDIALOG, until ENDLIVEDIALOG
  };

  // One word of the groups Dialog and Steuerelement.
  std::optional<Makrofehlerfall> fuehreAus(Befehl b, Makrostapel& s, Makrogegenueber& gegenueber, Zeichnung* zeichnung);
  // The end of a run closes a live dialog.
  void laufEndet(Makrogegenueber& gegenueber);

  // Where relative picture names are looked for.
  void setzeDateiordner(std::string ordner) { dateiordner_ = std::move(ordner); }
  // The dialog built last (a live button's action is read from it).
  Makrodialog& dialog() { return dialog_; }

 private:
  std::optional<Makrofehlerfall> baue(Befehl b, Makrostapel& s, Makrogegenueber& gegenueber);
  std::optional<Makrofehlerfall> greifeZu(Befehl b, Makrostapel& s, Makrogegenueber& gegenueber, Zeichnung* zeichnung);
  std::optional<Makrofehlerfall> fuegeHinzu(Befehl b, Makrostapel& s);
  std::optional<Makrofehlerfall> rahmenwort(Befehl b, Makrostapel& s);
  std::optional<Makrofehlerfall> tabellenwort(Befehl b, Makrostapel& s);
  std::optional<Makrofehlerfall> malwort(Befehl b, Makrostapel& s, Zeichnung* zeichnung);
  bool bildFehlt(const std::string& datei) const;

  Zustand zustand_ = Zustand::Keiner;
  bool hatDialog_ = false;  // the access words have something to reach
  Makrodialog dialog_;
  int offenerRahmen_ = -1;  // index of the open frame or panel
  std::string dateiordner_;
  // BEGINPAINT: the drawing's element count, so ENDPAINT knows what was drawn.
  std::optional<std::int32_t> malanfang_;
};

}  // namespace quarzel
