// Ansichtsverwaltung: the named views at work — define, show, rename, delete
// and move a view, and the list the main window offers ("Freie Ansicht"
// followed by the defined views).
//
// A view keeps the drawing's section and zoom, its layer state with the two
// grey switches, and the window's eleven element switches. Those switches
// belong to the window, not to the drawing, so they come in and go out as
// `Elementschalter`.
//
// Showing a view while "Freie Ansicht" is in force first keeps the state in
// force in slot 0 ("Originalansicht"); choosing "Freie Ansicht" brings it
// back. Showing is a change of the view like zooming: no undo step, and the
// drawing stays unmodified. Defining, renaming, deleting and moving change
// what is saved with the drawing, so they mark it modified.
#pragma once

#include <string>
#include <vector>

#include "store/ansichtstabelle.h"

namespace quarzel {

struct Zeichnung;

inline constexpr const char* FreieAnsicht = "Freie Ansicht";

// The state in force as a view record: section, zoom, element switches and
// the layer part.
Ansichtsdaten momentaufnahme(const Zeichnung& z, const Elementschalter& schalter);

// Puts a record in force: the layer part always, section and zoom unless
// `ausschnittBeibehalten` or the record holds no possible view. Returns the
// element switches the window is to take.
Elementschalter stelleHer(Zeichnung& z, const Ansichtsdaten& d, bool ausschnittBeibehalten);

// Stores the state in force into slot 1..60; a new view gets "Ansicht " + n.
bool definiereAnsicht(Zeichnung& z, int slot, const Elementschalter& schalter);

// Shows view 1..60, or with 0 goes back to the state from before the first
// view ("Freie Ansicht"). `schalter` holds the window's switches in force
// and receives those of the view. False when there is nothing to show.
bool zeigeAnsicht(Zeichnung& z, int slot, Elementschalter& schalter, bool ausschnittBeibehalten);

// Names a defined view; an empty name would undefine it and is refused.
bool benenneAnsichtUm(Zeichnung& z, int slot, std::string name);

// Clears the slot: its name and record go, the other views keep their rows.
bool loescheAnsicht(Zeichnung& z, int slot);

// Moves the view in `slot` by `zeilen` rows (negative is up) by exchanging
// it with the view there. A move beyond row 1 or row 60 stops at that row.
// Returns the slot the view is in afterwards.
int verschiebeAnsicht(Zeichnung& z, int slot, int zeilen);

struct Ansichtseintrag {
  int slot = 0;  // 0 for "Freie Ansicht"
  std::string name;
  bool operator==(const Ansichtseintrag&) const = default;
};

// "Freie Ansicht" followed by the defined views in slot order; empty when
// no view is defined (the window then hides its list).
std::vector<Ansichtseintrag> ansichtsliste(const Ansichtstabelle& t);

}  // namespace quarzel
