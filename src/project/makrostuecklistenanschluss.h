// Makrostuecklistenanschluss: the bill of materials as the macro words
// reach it (macro/makrostueckliste.h). Masks and lists go to the
// `Stuecklistenzugriff` of the run; SETSYMINFO and GETSYMINFO read and write
// a symbol's attributes "e1" … "e10" in its information file.
#pragma once

#include "macro/makrostueckliste.h"
#include "project/stuecklistenzugriff.h"

namespace quarzel {

struct Zeichnung;

class Makrostuecklistenanschluss final : public Makrostueckliste {
 public:
  explicit Makrostuecklistenanschluss(const Zeichnung& zeichnung, Umgebung umgebung = prozessUmgebung());

  std::optional<Makrofehlerfall> erzeugeMaske(const std::string& name,
                                              const std::vector<std::string>& ueberschriften) override;
  std::optional<Makrofehlerfall> waehleMaske(const std::string& name) override;
  std::optional<Makrofehlerfall> setzeSymbolmaske(const std::string& symbol, const std::string& maske) override;
  std::optional<Makrofehlerfall> setzeSymbolinfo(const std::string& symbol, int feld, const std::string& wert) override;
  Makrolistenantwort symbolinfo(const std::string& symbol, int feld) override;
  Makrolistenantwort erzeugeListe(const std::string& name) override;
  Makrolistenantwort listeninfo(const std::string& eintrag, const std::string& spalte) override;

 private:
  const Zeichnung& zeichnung_;
  Stuecklistenzugriff zugriff_;
};

}  // namespace quarzel
