#include "macro/makrolistenwoerter.h"

#include "macro/makroanschluesse.h"
#include "macro/makrostapel.h"
#include "macro/makrowerte.h"

namespace quarzel {

namespace {

constexpr std::size_t Attributfelder = 10;

std::vector<std::string> felderAus(const std::string& text) {
  std::vector<std::string> felder;
  std::size_t anfang = 0;
  while (!text.empty()) {
    const std::size_t ende = text.find(';', anfang);
    felder.push_back(text.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang));
    if (ende == std::string::npos) break;
    anfang = ende + 1;
  }
  return felder;
}

std::optional<int> attributfeld(const std::string& text) {
  const auto n = liesGanzzahl(text);
  if (!n || *n < 1 || *n > static_cast<std::int64_t>(Attributfelder)) return std::nullopt;
  return static_cast<int>(*n);
}

// Replaces the `anzahl` operands by the answer's value, or passes its error on.
std::optional<Makrofehlerfall> antworte(Makrostapel& s, std::size_t anzahl, Makrolistenantwort antwort) {
  if (antwort.fehler) return antwort.fehler;
  s.entferne(anzahl - 1);
  s.oben() = std::move(antwort.wert);
  return std::nullopt;
}

std::optional<Makrofehlerfall> entferneBeiErfolg(Makrostapel& s, std::size_t anzahl,
                                                 std::optional<Makrofehlerfall> fehler) {
  if (!fehler) s.entferne(anzahl);
  return fehler;
}

}  // namespace

std::optional<Makrofehlerfall> stuecklistenwort(Befehl b, Makrostapel& s, Makrostueckliste& st) {
  const Makrofehlerfall ungueltig{Makrofehler::UngueltigerParameter, {}, {}, {}, {}};
  switch (b) {
    case Befehl::CREATEMASK: {
      const std::vector<std::string> felder = felderAus(s.oben(0));
      if (felder.size() > Attributfelder) return ungueltig;
      return entferneBeiErfolg(s, 2, st.erzeugeMaske(s.oben(1), felder));
    }
    case Befehl::SETMASK:
      return entferneBeiErfolg(s, 1, st.waehleMaske(s.oben()));
    case Befehl::SETSYMMASK:
      return entferneBeiErfolg(s, 2, st.setzeSymbolmaske(s.oben(1), s.oben(0)));
    case Befehl::SETSYMINFO: {
      const auto feld = attributfeld(s.oben(1));
      if (!feld) return ungueltig;
      return entferneBeiErfolg(s, 3, st.setzeSymbolinfo(s.oben(2), *feld, s.oben(0)));
    }
    case Befehl::GETSYMINFO: {
      const auto feld = attributfeld(s.oben(0));
      if (!feld) return ungueltig;
      return antworte(s, 2, st.symbolinfo(s.oben(1), *feld));
    }
    case Befehl::CREATESYMLIST:
      return antworte(s, 1, st.erzeugeListe(s.oben()));
    case Befehl::GETLISTINFO:
      return antworte(s, 2, st.listeninfo(s.oben(1), s.oben(0)));
    default:
      return nichtVerfuegbar(b);
  }
}

}  // namespace quarzel
