// The tool bars' icons, drawn at start-up with QPainter: simple line
// pictures in the manner of a drafting program, one per kind of tool
// (edit/werkzeugsymbol.h names them). No icon files to ship or to go missing.
#pragma once

#include <QIcon>

#include "edit/werkzeugsymbol.h"

namespace quarzel {

// The icon for `s`, in the sizes tool bars use.
QIcon werkzeugsymbol(Symbol s);

}  // namespace quarzel
