// Makrolistenwoerter: the bill-of-materials words of a macro (CREATEMASK,
// SETMASK, SETSYMMASK, SETSYMINFO, GETSYMINFO, CREATESYMLIST, GETLISTINFO;
// operand roles in makrostueckliste.h). They keep the chosen mask and the
// last list of the run.
#pragma once

#include <optional>
#include <string>

#include "macro/befehlstabelle.h"
#include "macro/makromelder.h"
#include "macro/makrostueckliste.h"

namespace quarzel {

class Makrostapel;

struct Makrolistenstand {
  std::string maske = "Alle Symbole";
  std::optional<Makroliste> liste;
};

std::optional<Makrofehlerfall> stuecklistenwort(Befehl b, Makrostapel& s, Makrostueckliste& stueckliste,
                                                Makrolistenstand& stand);

}  // namespace quarzel
