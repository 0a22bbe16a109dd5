// Tests name tools by the numbers users, macros and the help know them by.
#pragma once

#include <ostream>

#include "edit/werkzeugcode.h"

namespace quarzel {

constexpr Werkzeugcode wz(int nummer) {
  return static_cast<Werkzeugcode>(nummer);
}

inline std::ostream& operator<<(std::ostream& o, Werkzeugcode c) {
  return o << nr(c);
}

}  // namespace quarzel
