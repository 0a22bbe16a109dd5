// The window's element switches as a named view keeps them: the eleven
// categories of the menu "Sichtbare Elemente" ("&Bemaßungen" ... "&Verläufe"),
// in the menu's order. The further switches of that menu are not part of a
// view and stay as they are.
#pragma once

#include "render/zeichenkontext.h"
#include "store/ansichtstabelle.h"

namespace quarzel {

Elementschalter elementschalterVon(const Anzeigeschalter& schalter);
void setzeElementschalter(Anzeigeschalter& schalter, const Elementschalter& werte);

}  // namespace quarzel
