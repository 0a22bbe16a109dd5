#include "store/symbolinformationen.h"

#include <filesystem>
#include <functional>

namespace quarzel {

namespace {

constexpr std::array<std::string_view, 5> kSchluessel = {"e1", "e2", "e3", "e4", "e5"};
constexpr std::array<std::string_view, 5> kAlteSchluessel = {"N", "B", "M", "G", "P"};

std::array<std::string*, 5> felder(Symbolinformationen& i) {
  return {&i.bezeichnung, &i.beschreibung, &i.material, &i.gewicht, &i.preis};
}

std::string relativerName(const std::string& symbolpfad) {
  return std::string(kSymbolinformationsordner) + "/" + symbolinformationsdatei(symbolpfad);
}

// "e1" … "e5", else the older key of the same place.
std::optional<std::string> wertMitAltemSchluessel(const IniDatei& ini, std::string_view symbol, std::size_t i) {
  std::optional<std::string> wert = ini.wert(symbol, kSchluessel[i]);
  if (!wert) wert = ini.wert(symbol, kAlteSchluessel[i]);
  return wert;
}

// Changes the user's file, starting from what is read now, so the other keys
// stay.
bool aendereBenutzerdatei(const std::string& symbolpfad, const std::function<bool(IniDatei&)>& aendere,
                          std::string* fehler, const Umgebung& umgebung) {
  const std::string name = relativerName(symbolpfad);
  const std::optional<std::filesystem::path> ziel = schreibbareProgrammdatei(name, umgebung);
  if (!ziel) {
    if (fehler) *fehler = "Der Ordner für die Symbolinformationen ist nicht verfügbar.";
    return false;
  }
  IniDatei ini;
  if (const auto bisher = findeProgrammdatei(name, umgebung)) ini.laden(*bisher);
  if (!aendere(ini)) {
    if (fehler) *fehler = "Der Symbolname \"" + symbolstamm(symbolpfad) + "\" ist als Abschnitt nicht möglich.";
    return false;
  }
  return ini.speichern(*ziel, fehler);
}

}  // namespace

std::string symbolstamm(const std::string& symbolpfad) {
  // Group names of drawings made on Windows may still hold its separators.
  const std::size_t schnitt = symbolpfad.find_last_of("/\\");
  const std::string name = schnitt == std::string::npos ? symbolpfad : symbolpfad.substr(schnitt + 1);
  return std::filesystem::path(name).stem().string();
}

std::string symbolinformationsdatei(const std::string& symbolpfad) {
  return symbolstamm(symbolpfad) + ".ini";
}

Symbolinformationen symbolinformationenAus(const IniDatei& ini, std::string_view symbol) {
  Symbolinformationen info;
  const std::array<std::string*, 5> ziel = felder(info);
  for (std::size_t i = 0; i < ziel.size(); ++i) {
    if (std::optional<std::string> wert = wertMitAltemSchluessel(ini, symbol, i)) *ziel[i] = std::move(*wert);
  }
  return info;
}

Symbolattribute symbolattributeAus(const IniDatei& ini, std::string_view symbol) {
  Symbolattribute a;
  for (std::size_t i = 0; i < a.werte.size(); ++i) {
    if (i < kSchluessel.size()) {
      if (std::optional<std::string> wert = wertMitAltemSchluessel(ini, symbol, i)) a.werte[i] = std::move(*wert);
    } else {
      a.werte[i] = ini.leseText(symbol, "e" + std::to_string(i + 1), "");
    }
  }
  a.maske = ini.leseText(symbol, "Mask", "");
  return a;
}

std::optional<Symbolattribute> leseSymbolattribute(const std::string& symbolpfad, const Umgebung& umgebung) {
  const std::optional<std::filesystem::path> datei = findeProgrammdatei(relativerName(symbolpfad), umgebung);
  std::error_code ec;
  if (!datei || !std::filesystem::is_regular_file(*datei, ec)) return std::nullopt;
  IniDatei ini;
  ini.laden(*datei);
  return symbolattributeAus(ini, symbolstamm(symbolpfad));
}

bool speichereSymbolattribut(const std::string& symbolpfad, std::string_view schluessel, std::string_view wert,
                             std::string* fehler, const Umgebung& umgebung) {
  return aendereBenutzerdatei(
      symbolpfad, [&](IniDatei& ini) { return ini.schreibeText(symbolstamm(symbolpfad), schluessel, wert); }, fehler,
      umgebung);
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
  return aendereBenutzerdatei(
      symbolpfad, [&](IniDatei& ini) { return setzeSymbolinformationen(ini, symbolstamm(symbolpfad), info); }, fehler,
      umgebung);
}

}  // namespace quarzel
