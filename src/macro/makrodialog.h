// Makrodialog: the dialog window a macro builds between BEGINDIALOG and
// ENDDIALOG, as plain data.
//
// The macro words fill it (makrointeraktion.h), the window side shows it and
// writes back what the user did (the value and the changed flag of each
// control, which button ended it), and the access words read and change it
// while a live dialog is open. Positions and sizes are dialog pixels; a size
// of 0 means "fit to the text". Controls are addressed by their kind and
// their number within that kind, counted from 1 in the order they were made
// ("edit" 2 is the second text field).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/farbe.h"

namespace quarzel {

enum class Steuerelementart : std::uint8_t {
  Label,
  Button,
  Hilfebutton,
  Radiobutton,
  Checkbox,
  Edit,
  Spinedit,
  Numiroedit,
  Combobox,
  Listbox,
  Imagelistbox,
  Radiogroup,
  Stringgrid,
  Image,
  Imagebutton,
  Paintbox,
  Livebutton,
  Frame,
  Panel,
};

// The kind a macro names ("combobox", "edit", … in any case); nullopt for
// another word.
std::optional<Steuerelementart> steuerelementartAus(std::string_view name);
std::string_view steuerelementname(Steuerelementart art);

// A line of a paint box, in its own pixels.
struct Malstrich {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Farbe farbe = 0;
};

struct Steuerelement {
  Steuerelementart art = Steuerelementart::Label;
  int nummer = 1;    // within its kind, from 1
  std::string text;  // caption; help topic of a help button; action of a live button
  int x = 0, y = 0, breite = 0, hoehe = 0;
  // Items of combo boxes, lists and radio groups; for an image list the
  // picture files beside them (`bilder`).
  std::vector<std::string> eintraege;
  std::vector<std::string> bilder;
  // The value as the access words read it: the text of an edit, number field
  // or combo box, "1"/"0" of a check box or radio button, the chosen item's
  // index (from 0, "-1" for none) of lists and radio groups.
  std::string wert;
  bool geaendert = false;  // the user changed the value since it was set
  bool fokus = false;      // holds the keyboard focus (live dialogs)
  bool sichtbar = true;
  bool aktiv = true;
  std::string hinweis;  // tool tip
  std::string bild;     // picture file (images, image buttons, live buttons)
  std::optional<Farbe> farbe;
  std::string schrift;  // "" = the dialog's font
  int schriftgroesse = 0;
  int schriftstil = 0;  // 1 bold, 2 italic, 4 underlined
  // Number fields: range, step and decimals.
  double minimum = 0, maximum = 0, schritt = 1;
  int nachkommastellen = 0;
  // String grid: cells row by row, fixed columns and rows, column widths.
  int spalten = 0, zeilen = 0, festeSpalten = 0, festeZeilen = 0;
  std::vector<std::string> zellen;
  std::vector<int> spaltenbreiten;
  // Paint box: what the macro drew into it.
  std::vector<Malstrich> striche;
  // Index (from 0) of the frame or panel around it; -1 for none.
  int rahmen = -1;
};

struct Makrodialog {
  static constexpr int HoechstLabels = 1000;
  static constexpr int HoechstRadiobuttons = 200;
  static constexpr int HoechstCheckboxen = 100;
  static constexpr int HoechstEdits = 100;

  std::string titel = "Makrodialog";
  std::string schrift = "Arial";
  int breite = 0, hoehe = 0;
  std::vector<Steuerelement> elemente;
  int standardknopf = 0;  // number of the button Enter presses; 0 none
  std::optional<Farbe> hintergrund;
  std::optional<Farbe> randfarbe;

  // nullptr when the dialog has no such control.
  Steuerelement* finde(Steuerelementart art, int nummer);
  int anzahl(Steuerelementart art) const;
};

// How a shown dialog ended: the number of the button (kind "button", from 1)
// that closed it, 0 when the window was closed without one. The values the
// user entered are written into the dialog's controls.
struct Dialogergebnis {
  int knopf = 0;
};

}  // namespace quarzel
