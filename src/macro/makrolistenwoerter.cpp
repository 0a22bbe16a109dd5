#include "macro/makrolistenwoerter.h"

#include "macro/makroanschluesse.h"
#include "macro/makrostapel.h"
#include "macro/makrowerte.h"
#include "macro/schreibweise.h"

namespace quarzel {

namespace {

constexpr int Attributfelder = 10;

Makrofehlerfall fall(Makrofehler code, std::string x = {}) {
  return {code, std::move(x), {}, {}, {}};
}

std::vector<std::string> felderAus(const std::string& text) {
  std::vector<std::string> felder;
  std::size_t anfang = 0;
  while (felder.size() < Attributfelder) {
    const std::size_t ende = text.find(';', anfang);
    felder.push_back(text.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang));
    if (ende == std::string::npos) break;
    anfang = ende + 1;
  }
  return felder;
}

std::optional<int> attributfeld(const std::string& text) {
  const auto n = liesGanzzahl(text);
  if (!n || *n < 1 || *n > Attributfelder) return std::nullopt;
  return static_cast<int>(*n);
}

std::optional<Makrofehlerfall> listeninfo(Makrostapel& s, const Makrolistenstand& stand) {
  if (!stand.liste) return fall(Makrofehler::KeineStueckliste);
  const Makroliste& liste = *stand.liste;
  if (liste.zeilen.empty()) return fall(Makrofehler::StuecklisteLeer);
  const std::string& feld = s.oben(0);
  const std::string gross = grossschreibung(feld);
  int spalte = -1;  // -2 count, -3 name, 0… attribute
  if (gross == "SYMBOLNAME") {
    spalte = -3;
  } else if (gross == "ANZAHL") {
    spalte = -2;
  } else {
    for (std::size_t i = 0; i < liste.ueberschriften.size(); ++i) {
      if (!liste.ueberschriften[i].empty() && grossschreibung(liste.ueberschriften[i]) == gross) {
        spalte = static_cast<int>(i);
        break;
      }
    }
  }
  if (spalte == -1) return fall(Makrofehler::EintragFehlt, feld);
  const auto zeile = liesGanzzahl(s.oben(1));
  if (!zeile || *zeile < 1 || *zeile > static_cast<std::int64_t>(liste.zeilen.size())) {
    return fall(Makrofehler::StuecklistenZugriff, "GETLISTINFO");
  }
  const Makroliste::Zeile& z = liste.zeilen[static_cast<std::size_t>(*zeile - 1)];
  std::string wert;
  if (spalte == -3) {
    wert = z.name;
  } else if (spalte == -2) {
    wert = std::to_string(z.anzahl);
  } else if (static_cast<std::size_t>(spalte) < z.werte.size()) {
    wert = z.werte[static_cast<std::size_t>(spalte)];
  }
  s.entferne(1);
  s.oben() = std::move(wert);
  return std::nullopt;
}

}  // namespace

std::optional<Makrofehlerfall> stuecklistenwort(Befehl b, Makrostapel& s, Makrostueckliste& st,
                                                Makrolistenstand& stand) {
  switch (b) {
    case Befehl::CREATEMASK: {
      const std::string name = s.oben(1);
      if (name.empty() || !st.legeMaskeAn(name, felderAus(s.oben(0)))) {
        Makrofehlerfall f = fall(Makrofehler::DatenmaskeFehlt, name);
        f.eigenerText = "Die Datenmaske " + name + " konnte nicht angelegt werden.";
        return f;
      }
      s.entferne(2);
      return std::nullopt;
    }
    case Befehl::SETMASK:
      if (!st.maskeVorhanden(s.oben())) return fall(Makrofehler::DatenmaskeFehlt, s.oben());
      stand.maske = s.nimm();
      return std::nullopt;
    case Befehl::SETSYMMASK:
      if (!st.maskeVorhanden(s.oben(0))) return fall(Makrofehler::DatenmaskeFehlt, s.oben(0));
      if (!st.setzeSymbolmaske(s.oben(1), s.oben(0))) return fall(Makrofehler::StuecklistenZugriff, "SETSYMMASK");
      s.entferne(2);
      return std::nullopt;
    case Befehl::SETSYMINFO: {
      const auto feld = attributfeld(s.oben(1));
      if (!feld) return fall(Makrofehler::UngueltigerParameter);
      if (!st.setzeSymbolinfo(s.oben(2), *feld, s.oben(0))) return fall(Makrofehler::StuecklistenZugriff, "SETSYMINFO");
      s.entferne(3);
      return std::nullopt;
    }
    case Befehl::GETSYMINFO: {
      const auto feld = attributfeld(s.oben(0));
      if (!feld) return fall(Makrofehler::UngueltigerParameter);
      std::string wert = st.symbolinfo(s.oben(1), *feld);
      s.entferne(1);
      s.oben() = std::move(wert);
      return std::nullopt;
    }
    case Befehl::CREATESYMLIST: {
      std::optional<Makroliste> liste = st.erzeugeListe(stand.maske);
      if (!liste) return fall(Makrofehler::StuecklisteNichtErzeugbar, s.oben());
      s.oben() = std::to_string(liste->zeilen.size());
      stand.liste = std::move(liste);
      return std::nullopt;
    }
    case Befehl::GETLISTINFO:
      return listeninfo(s, stand);
    default:
      return nichtVerfuegbar(b);
  }
}

}  // namespace quarzel
