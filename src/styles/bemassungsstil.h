// Bemassungsstil: the dimension style of the dialog "Bemaßung" — every field
// of its two tabs. It is the program run's default for new dimensions and
// what a dimension profile (".qzb") holds.
//
// felder() lists the fields in the fixed order of a profile file, each with
// the range the dialog allows; the profile reader and writer and the tests
// walk this one list, so a field added here is saved and loaded at once.
#pragma once

#include <string>
#include <string_view>

#include "platform/farbe.h"

namespace quarzel {

// "Fett", "Kursiv", "Unterstrichen", " Hintergrund": grey means the
// dimension keeps what it has.
enum class Dreiwert : int { Aus = 0, An = 1, Beibehalten = 2 };

struct Bemassungsstil {
  // "Grundeinstellungen": "Maßzahl"
  int dezimalmodus = 2;  // 0..3 decimals, 4 "architektengerechte Darstellung"
  bool keineNullen = false;
  bool bezugsgroesseAddieren = false;  // "+BG"
  Farbe editierteFarbe = 0x0000FF;     // "Farbe für editierte Maßzahlen"
  bool editierteDrucken = false;       // "drucken"
  // "Toleranzangaben"
  std::string toleranzOben, toleranzUnten;
  bool plusMinus = false;
  bool toleranzNichtHoch = false;
  bool zeichenTilde = false;
  // "Maßtext"
  bool zeichenR = true;
  bool zeichenD = false;
  bool zeichenDurchmesser = true;
  bool gradzeichen = true;
  bool einheitAnzeigen = false;
  bool dezimalEnglisch = false;
  bool zeichenM = false;
  std::string vortext, nachtext;
  // " Maßzahlposition ": 0 above, 1 on, 2 below the line, 3 by hand
  int textposition = 0;
  double versatzHorizontal = 0, versatzVertikal = 0;  // mm

  // "Erweiterte Einstellungen": "Texte"
  std::string schrift = "Arial";
  double texthoehe = 2.5;  // mm
  double toleranzhoehe = 1.8;
  bool hoehenMassstabsabhaengig = false;
  int messtexthoehe = 10;  // pixels
  Dreiwert fett = Dreiwert::Beibehalten, kursiv = Dreiwert::Beibehalten, unterstrichen = Dreiwert::Beibehalten,
           hintergrund = Dreiwert::Beibehalten;
  Farbe hintergrundfarbe = 0xFFFFFF;
  // "Stifte && Linienstil"
  int stiftMasslinien = 1, stiftHilfslinien = 1, stiftBegrenzungen = 1;
  Farbe farbe = 0;
  int linienstil = 0;
  // " Winkelbemaßung "
  double winkelsymbolgroesse = 5;
  bool waagerechteWinkelzahl = false;
  // "Linien"
  double ueberstandMasslinien = 2;
  double hilfslinienlaenge = -1;  // -1: to the measured point
  double ueberstandHilfslinien = 2;
  double mehrfachabstand = 7;
  // " Maßlinienbegrenzungen ": 0 "Pfeil", 1 "Schrägstrich", 2 "Kreis", 3 "ohne"
  int begrenzung = 1;
  double begrenzungsgroesse = 2.5;
  bool gefuellt = false;
  bool beimMessen = false;  // "auch beim Messen verwenden"
  // "Koten": 0 "als Dreieck", 1 "als Fadenkreuz"
  int kotendarstellung = 0;
  double bezugsgroesse = 0;
  double kotensymbolgroesse = 3;

  bool operator==(const Bemassungsstil&) const = default;

  struct Bereich {
    double min, max;
  };
  // f(field, Bereich) for numbers, f(field) for booleans and texts, in the
  // order of a profile file.
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f(s.dezimalmodus, Bereich{0, 4});
    f(s.keineNullen);
    f(s.bezugsgroesseAddieren);
    f(s.editierteFarbe, Bereich{0, 0xFFFFFF});
    f(s.editierteDrucken);
    f(s.toleranzOben);
    f(s.toleranzUnten);
    f(s.plusMinus);
    f(s.toleranzNichtHoch);
    f(s.zeichenTilde);
    f(s.zeichenR);
    f(s.zeichenD);
    f(s.zeichenDurchmesser);
    f(s.gradzeichen);
    f(s.einheitAnzeigen);
    f(s.dezimalEnglisch);
    f(s.zeichenM);
    f(s.vortext);
    f(s.nachtext);
    f(s.textposition, Bereich{0, 3});
    f(s.versatzHorizontal, Bereich{0, 25});
    f(s.versatzVertikal, Bereich{0, 25});
    f(s.schrift);
    f(s.texthoehe, Bereich{1, 25});
    f(s.toleranzhoehe, Bereich{1, 25});
    f(s.hoehenMassstabsabhaengig);
    f(s.messtexthoehe, Bereich{6, 36});
    f(s.fett, Bereich{0, 2});
    f(s.kursiv, Bereich{0, 2});
    f(s.unterstrichen, Bereich{0, 2});
    f(s.hintergrund, Bereich{0, 2});
    f(s.hintergrundfarbe, Bereich{0, 0xFFFFFF});
    f(s.stiftMasslinien, Bereich{0, 255});
    f(s.stiftHilfslinien, Bereich{0, 255});
    f(s.stiftBegrenzungen, Bereich{0, 255});
    f(s.farbe, Bereich{0, 0xFFFFFF});
    f(s.linienstil, Bereich{0, 255});
    f(s.winkelsymbolgroesse, Bereich{1, 25});
    f(s.waagerechteWinkelzahl);
    f(s.ueberstandMasslinien, Bereich{0, 25});
    f(s.hilfslinienlaenge, Bereich{-1, 25});
    f(s.ueberstandHilfslinien, Bereich{0, 25});
    f(s.mehrfachabstand, Bereich{0, 25});
    f(s.begrenzung, Bereich{0, 3});
    f(s.begrenzungsgroesse, Bereich{0, 25});
    f(s.gefuellt);
    f(s.beimMessen);
    f(s.kotendarstellung, Bereich{0, 1});
    f(s.bezugsgroesse, Bereich{-1e9, 1e9});
    f(s.kotensymbolgroesse, Bereich{1, 25});
  }
};

}  // namespace quarzel
