// Werkzeugkasten: everything the tools keep while the program runs — the tool
// state machine, one module per tool group, the snap settings and the snap
// search. Plain C++; the session owns it, so it outlives the window, and the
// window only connects its widgets to it (ui/window/werkzeugbedienung).
//
// Adding a tool group: its module as a member here, registered with the state
// machine in the constructor.
#pragma once

#include "edit/bemassungswerkzeuge.h"
#include "edit/bitmapwerkzeuge.h"
#include "edit/fangeinstellungen.h"
#include "edit/fangsuche.h"
#include "edit/flaechenmessung.h"
#include "edit/flaechenwerkzeuge.h"
#include "edit/konstruktionswerkzeuge.h"
#include "edit/kreiskonstruktionen.h"
#include "edit/linienwerkzeuge.h"
#include "edit/markierwerkzeug.h"
#include "edit/symbolwerkzeug.h"
#include "edit/textwerkzeuge.h"
#include "edit/trimmwerkzeuge.h"
#include "edit/ursprungswerkzeuge.h"
#include "edit/verlaufswerkzeuge.h"
#include "edit/werkzeugsteuerung.h"

namespace quarzel {

struct Zeichnung;
class Uhr;

class Werkzeugkasten {
 public:
  Werkzeugkasten(Zeichnung& zeichnung, const Uhr& uhr);
  Werkzeugkasten(const Werkzeugkasten&) = delete;
  Werkzeugkasten& operator=(const Werkzeugkasten&) = delete;

  // Cuts every connection a window made (hooks, rubber-band canvas), before
  // the window's widgets go.
  void fensterTrennen();

  Linienwerkzeuge linien;
  Flaechenwerkzeuge flaechen;
  Markierwerkzeug markier;
  Verlaufswerkzeuge verlaeufe;
  Bitmapwerkzeuge bitmaps;
  Textwerkzeuge texte;
  Ursprungswerkzeuge ursprung;
  Trimmwerkzeuge trimmen;
  Konstruktionswerkzeuge konstruktion;
  Kreiskonstruktionen kreise;
  Bemassungswerkzeuge bemassung;
  Flaechenmessung flaechenmessung;
  Symbolwerkzeug symbole;
  Fangeinstellungen fang;
  Fangsuche fangsuche;
  Werkzeugsteuerung steuerung;
};

}  // namespace quarzel
