// The clear-text encoding of CGM: keywords, numbers, quoted strings and
// comments, split into elements at ';' and '/'.
#pragma once

#include <string>
#include <string_view>

namespace quarzel {

class CgmInterpreter;

bool cgmKlartextLesen(std::string_view daten, CgmInterpreter& i, std::string& fehler);

}  // namespace quarzel
