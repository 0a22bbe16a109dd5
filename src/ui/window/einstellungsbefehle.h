// The settings commands of the main window: the menu "Sichtbare &Elemente"
// and the menu "&Einstellungen" with the settings dialogs of the drawing and
// the program, built on the window's public interface only.
#pragma once

class QMenuBar;

namespace quarzel {

class TFenster;

// Adds the menus to `leiste` and the hatch list (a dock) to the window, and
// applies the display settings read at start; the actions and their state
// belong to the window.
void einstellungsbefehleEinrichten(TFenster& fenster, QMenuBar& leiste);

// "Bildschirmdarstellung": opens the dialog; OK writes the section
// "Darstellung", updates the window's choices, cross-hair and refresh mode
// and redraws.
void bildschirmdarstellungBearbeiten(TFenster& fenster);

// "Zeichnungsoptionen": OK applies sheet, unit, scale and decimals to the
// drawing's view, writes the section "Projektoptionen" and redraws.
void zeichnungsoptionenBearbeiten(TFenster& fenster);

// "Stiftbreiten": OK takes the pens into the drawing, writes the section
// "Stiftbreiten", refreshes the pen picker of the property bar and redraws;
// "als Standard" writes the section at once.
void stiftbreitenBearbeiten(TFenster& fenster);

// "Schraffuren": the hatch dialog on the user's hatch folder. OK takes over
// "Mit Schraffur" as the display switch "&Schraffuren", offers the hatches
// anew in the property bar and the hatch list, and redraws.
void schraffurenBearbeiten(TFenster& fenster);

// "Linienstile": OK takes the patterns into the drawing (and its file
// records), writes "Linien2.dat" and offers the chosen styles in the property
// bar's style picker.
void linienstileBearbeiten(TFenster& fenster);

}  // namespace quarzel
