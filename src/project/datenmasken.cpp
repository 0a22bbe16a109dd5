#include "project/datenmasken.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "base/inidatei.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kVorsilbe = "MASK_";
constexpr std::string_view kEndung = ".ini";
// A folder of masks holds a handful of files; a folder of thousands is a
// mistake and must not stall opening the window.
constexpr int kHoechstensDateien = 2000;

bool gleichOhneGross(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return (x >= 'a' && x <= 'z' ? x - 32 : x) == (y >= 'a' && y <= 'z' ? y - 32 : y);
         });
}

// The mask files of one folder by name, the first of equal names kept.
void sammleMasken(const fs::path& ordner, std::map<std::string, fs::path>& masken) {
  std::error_code ec;
  fs::directory_iterator it(ordner, ec);
  int gesehen = 0;
  for (; !ec && it != fs::directory_iterator() && gesehen < kHoechstensDateien; it.increment(ec), ++gesehen) {
    if (!it->is_regular_file(ec)) continue;
    if (std::optional<std::string> name = maskennameAusDatei(it->path().filename().string()))
      masken.emplace(std::move(*name), it->path());
  }
}

std::vector<fs::path> maskenordner(const Umgebung& umgebung) {
  std::vector<fs::path> ordner;
  if (std::optional<fs::path> eigener = benutzerordner(umgebung)) ordner.push_back(*eigener / kDatenmaskenordner);
  ordner.push_back(programmordner(umgebung) / kDatenmaskenordner);
  return ordner;
}

std::map<std::string, fs::path> maskendateien(const Umgebung& umgebung) {
  std::map<std::string, fs::path> masken;
  for (const fs::path& ordner : maskenordner(umgebung)) sammleMasken(ordner, masken);
  return masken;
}

Datenmaske maskeAus(const IniDatei& ini, std::string name) {
  Datenmaske maske;
  maske.name = std::move(name);
  for (int i = 0; i < Datenmaske::Spalten; ++i)
    maske.ueberschriften[static_cast<std::size_t>(i)] = ini.leseText(kMaskenabschnitt, "l" + std::to_string(i + 1), "");
  return maske;
}

}  // namespace

std::optional<std::string> maskennameAusDatei(std::string_view dateiname) {
  if (dateiname.size() <= kVorsilbe.size() + kEndung.size()) return std::nullopt;
  if (!gleichOhneGross(dateiname.substr(0, kVorsilbe.size()), kVorsilbe)) return std::nullopt;
  if (!gleichOhneGross(dateiname.substr(dateiname.size() - kEndung.size()), kEndung)) return std::nullopt;
  return std::string(dateiname.substr(kVorsilbe.size(), dateiname.size() - kVorsilbe.size() - kEndung.size()));
}

std::string maskendatei(std::string_view name) {
  return std::string(kVorsilbe) + std::string(name) + std::string(kEndung);
}

std::vector<std::string> datenmaskenauswahl(const std::vector<EingebetteteDatei>& mitgebracht,
                                            const Umgebung& umgebung) {
  std::vector<std::string> auswahl{std::string(kAlleSymbole), std::string(kAlleBenanntenGruppen)};
  const auto vorhanden = [&](const std::string& name) {
    return std::find(auswahl.begin(), auswahl.end(), name) != auswahl.end();
  };
  for (const auto& [name, pfad] : maskendateien(umgebung))
    if (!vorhanden(name)) auswahl.push_back(name);
  for (const EingebetteteDatei& datei : mitgebracht)
    if (std::optional<std::string> name = maskennameAusDatei(datei.name); name && !vorhanden(*name))
      auswahl.push_back(*name);
  return auswahl;
}

std::optional<Datenmaske> leseDatenmaske(std::string_view name, const std::vector<EingebetteteDatei>& mitgebracht,
                                         const Umgebung& umgebung) {
  if (name.empty()) return std::nullopt;
  const std::map<std::string, fs::path> dateien = maskendateien(umgebung);
  if (const auto it = dateien.find(std::string(name)); it != dateien.end()) {
    IniDatei ini;
    ini.laden(it->second);
    return maskeAus(ini, std::string(name));
  }
  for (const EingebetteteDatei& datei : mitgebracht)
    if (maskennameAusDatei(datei.name) == name) {
      const std::string_view bytes(reinterpret_cast<const char*>(datei.daten.data()), datei.daten.size());
      return maskeAus(IniDatei::ausText(bytes), std::string(name));
    }
  return std::nullopt;
}

bool speichereDatenmaske(const Datenmaske& maske, std::string* fehler, const Umgebung& umgebung) {
  const auto misslungen = [&] {
    if (fehler) *fehler = "Die Datenmaske \"" + maske.name + "\" kann nicht angelegt werden.";
    return false;
  };
  if (maske.name.empty() || maske.name.find_first_of("/\\") != std::string::npos) return misslungen();
  IniDatei ini;
  for (int i = 0; i < Datenmaske::Spalten; ++i)
    if (!ini.schreibeText(kMaskenabschnitt, "l" + std::to_string(i + 1),
                          maske.ueberschriften[static_cast<std::size_t>(i)]))
      return misslungen();
  const std::optional<fs::path> ziel =
      schreibbareProgrammdatei(std::string(kDatenmaskenordner) + "/" + maskendatei(maske.name), umgebung);
  if (!ziel) return misslungen();
  return ini.speichern(*ziel, fehler);
}

}  // namespace quarzel
