// Ansichtendruck: "Ansichten drucken" — the chosen named views one after the
// other as one print job, each printed as the print command prints the sheet,
// with the layers and element switches of the view. The section and zoom of
// a view do not matter on paper; the state in force comes back afterwards.
#pragma once

#include <span>
#include <string>

#include "ui/qt/druckausgabe.h"

class QPrinter;

namespace quarzel {

struct Ansichtendruckergebnis {
  int ansichten = 0;  // views that went to the printer
  int seiten = 0;     // pages of the job
  std::string fehler;
};

// `auswahl`: the slots of the views to print, in order; undefined ones are passed over.
Ansichtendruckergebnis druckeAnsichten(Zeichnung& zeichnung, QPrinter& drucker, const Druckoptionen& optionen,
                                       std::span<const int> auswahl, Benutzer& benutzer);

}  // namespace quarzel
