// The settings commands of the main window: the menu "Sichtbare &Elemente"
// and the menu "&Einstellungen" with the settings dialogs of the drawing and
// the program, and the hatch list. They work on the session and reach the
// window only through Fensteranschluss and the parts named below.
#pragma once

#include <QObject>
#include <functional>

#include "ui/window/fensteranschluss.h"

class QMenuBar;

namespace quarzel {

class Eigenschaftsleiste;
class Schraffurleiste;
struct Stifttabelle;

class Einstellungsbefehle final : public QObject {
  Q_OBJECT

 public:
  // `darstellungAnwenden` hands the section "Darstellung" to the running
  // window (renderer, cross-hair, refresh mode, rubber band); the caller of a
  // command redraws afterwards.
  Einstellungsbefehle(Fensteranschluss fenster, Eigenschaftsleiste& eigenschaften,
                      std::function<void()> darstellungAnwenden);

  // "Bildschirmdarstellung": opens the dialog; OK writes the section
  // "Darstellung", updates the window's choices, cross-hair and refresh mode
  // and redraws.
  void bildschirmdarstellungBearbeiten();
  // "Zeichnungsoptionen": OK applies sheet, unit, scale and decimals to the
  // drawing's view, writes the section "Projektoptionen" and redraws.
  void zeichnungsoptionenBearbeiten();
  // "Stiftbreiten": OK takes the pens into the drawing, writes the section
  // "Stiftbreiten", refreshes the pen picker of the property bar and redraws;
  // "als Standard" writes the section at once.
  void stiftbreitenBearbeiten();
  // "Schraffuren": the hatch dialog on the user's hatch folder. OK takes over
  // "Mit Schraffur" as the display switch "&Schraffuren", offers the hatches
  // anew in the property bar and the hatch list, and redraws.
  void schraffurenBearbeiten();
  // "Linienstile": OK takes the patterns into the drawing (and its file
  // records), writes "Linien2.dat" and offers the chosen styles in the
  // property bar's style picker.
  void linienstileBearbeiten();
  // "Bemaßung": the dimension style of this run. With marked dimensions OK
  // also gives them the style (one undo step) and "Löschen" deletes them.
  void bemassungBearbeiten();
  // "Speichern": OK writes the section "Speichern"; the automatic save and
  // the next save follow it at once.
  void speichernBearbeiten();
  // "Undospeichereinstellung": OK writes the section "Undoschritte" and the
  // open drawing keeps that many steps from its next step on.
  void undospeicherBearbeiten();
  // The menu's refresh choice: kept, written to the configuration file and
  // applied (the menu redraws).
  void refreshmodusSetzen(bool schnell);
  // "&Platzhalter" as set in the menu: kept as "Projektdaten" of the section
  // "Zeichenhilfen" (1: values shown), for the next start.
  void platzhalterSetzen(bool an);

 private:
  friend Einstellungsbefehle* einstellungsbefehleEinrichten(Fensteranschluss fenster, Eigenschaftsleiste& eigenschaften,
                                                            std::function<void()> darstellungAnwenden,
                                                            QMenuBar& leiste);
  void stifteSpeichern(const Stifttabelle& stifte);

  Fensteranschluss fenster_;
  Eigenschaftsleiste& eigenschaften_;
  std::function<void()> darstellungAnwenden_;
  Schraffurleiste* schraffurleiste_ = nullptr;
};

// Adds the menus to `leiste` and the hatch list (a dock) to the window, and
// applies the display settings read at start; the returned object, the
// actions and their state belong to the window. Call once.
Einstellungsbefehle* einstellungsbefehleEinrichten(Fensteranschluss fenster, Eigenschaftsleiste& eigenschaften,
                                                   std::function<void()> darstellungAnwenden, QMenuBar& leiste);

}  // namespace quarzel
