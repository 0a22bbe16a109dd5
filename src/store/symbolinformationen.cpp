#include "store/symbolinformationen.h"

#include <filesystem>

namespace quarzel {

namespace {

constexpr std::array<std::string_view, 5> kSchluessel = {"e1", "e2", "e3", "e4", "e5"};
constexpr std::array<std::string_view, 5> kAlteSchluessel = {"N", "B", "M", "G", "P"};

std::array<std::string*, 5> felder(Symbolinformationen& i) {
  return {&i.bezeichnung, &i.beschreibung, &i.material, &i.gewicht, &i.preis};
}

std::string relativerName(const std::string& symbolpfad) {
  return std::string(kSymbolinformationsordner) + "/" + symbolstamm(symbolpfad) + ".ini";
}

}  // namespace

std::string symbolstamm(const std::string& symbolpfad) {
  return std::filesystem::path(symbolpfad).stem().string();
}

Symbolinformationen symbolinformationenAus(const IniDatei& ini, std::string_view symbol) {
  Symbolinformationen info;
  const std::array<std::string*, 5> ziel = felder(info);
  for (std::size_t i = 0; i < ziel.size(); ++i) {
    std::optional<std::string> wert = ini.wert(symbol, kSchluessel[i]);
    if (!wert) wert = ini.wert(symbol, kAlteSchluessel[i]);
    if (wert) *ziel[i] = std::move(*wert);
  }
  return info;
}

bool setzeSymbolinformationen(IniDatei& ini, std::string_view symbol, const Symbolinformationen& info) {
  Symbolinformationen kopie = info;
  const std::array<std::string*, 5> quelle = felder(kopie);
  for (std::size_t i = 0; i < quelle.size(); ++i)
    if (!ini.schreibeText(symbol, kSchluessel[i], *quelle[i])) return false;
  return true;
}

Symbolinformationen leseSymbolinformationen(const std::string& symbolpfad, const Umgebung& umgebung) {
  const std::optional<std::filesystem::path> datei = findeProgrammdatei(relativerName(symbolpfad), umgebung);
  if (!datei) return {};
  IniDatei ini;
  ini.laden(*datei);
  return symbolinformationenAus(ini, symbolstamm(symbolpfad));
}

bool speichereSymbolinformationen(const std::string& symbolpfad, const Symbolinformationen& info, std::string* fehler,
                                  const Umgebung& umgebung) {
  const std::string name = relativerName(symbolpfad);
  const std::optional<std::filesystem::path> ziel = schreibbareProgrammdatei(name, umgebung);
  if (!ziel) {
    if (fehler) *fehler = "Der Ordner für die Symbolinformationen ist nicht verfügbar.";
    return false;
  }
  IniDatei ini;
  if (const auto bisher = findeProgrammdatei(name, umgebung)) ini.laden(*bisher);
  if (!setzeSymbolinformationen(ini, symbolstamm(symbolpfad), info)) {
    if (fehler) *fehler = "Der Symbolname \"" + symbolstamm(symbolpfad) + "\" ist als Abschnitt nicht möglich.";
    return false;
  }
  return ini.speichern(*ziel, fehler);
}

}  // namespace quarzel
