// Converts the file-type filters the core passes to file dialogs,
// "Zeichnungen (*.QZZ)|*.QZZ|Alle Dateien|*.*" (description and pattern
// alternating, patterns separated by ";"), into Qt's name filters,
// "Zeichnungen (*.QZZ *.qzz);;Alle Dateien (*)".
//
// File names on Linux are case-sensitive while the program's extensions are
// written in capitals, so every pattern also gets its lower-case twin; "*.*"
// becomes "*" because it would miss files without a dot.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace quarzel {

// One Qt name filter per description/pattern pair. A trailing description
// without a pattern is kept with "*". Empty input gives "Alle Dateien (*)".
QStringList qtDateifilter(std::string_view filter);

// The same joined with ";;", the form QFileDialog's static functions take.
QString qtDateifilterText(std::string_view filter);

// The extension of the first pattern of the first filter ("QZZ" for
// "*.QZZ"), or "" when it has none: appended to a typed name without one.
QString standardEndung(std::string_view filter);

}  // namespace quarzel
