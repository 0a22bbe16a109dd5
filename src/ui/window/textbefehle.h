// Textbefehle: the window's side of the text tools. The text module asks
// the text dialog; a double click of the select tool on a text or comment
// opens the same dialog to change it. The dialog's font, height and angle
// are remembered in the section "Texteinstellungen" for the next start.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace quarzel {

class Sitzung;

// The initials of a login or full name ("anna-lena.meier" -> "ALM").
std::string kuerzelAus(const std::string& name);

// Connects the session's text module and the select tool's double click to
// the dialog (parent `fenster`); `geaendert` redraws after an edit.
// Werkzeugkasten::fensterTrennen cuts the connections again.
void textbefehleAnschliessen(Sitzung& sitzung, QWidget& fenster, std::function<void()> geaendert);

}  // namespace quarzel
