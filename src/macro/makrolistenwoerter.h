// Makrolistenwoerter: the bill-of-materials words of a macro (CREATEMASK,
// SETMASK, SETSYMMASK, SETSYMINFO, GETSYMINFO, CREATESYMLIST, GETLISTINFO;
// operand roles in makrostueckliste.h): they take the operands, hand them to
// the bill of materials and push what it answers.
#pragma once

#include <optional>

#include "macro/befehlstabelle.h"
#include "macro/makromelder.h"
#include "macro/makrostueckliste.h"

namespace quarzel {

class Makrostapel;

std::optional<Makrofehlerfall> stuecklistenwort(Befehl b, Makrostapel& s, Makrostueckliste& stueckliste);

}  // namespace quarzel
