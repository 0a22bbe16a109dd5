#include "styles/linienini.h"

#include <array>
#include <cmath>

#include "base/zahlformat.h"

namespace quarzel {

namespace {

constexpr std::string_view kSektionLinien = "Linien";
constexpr std::string_view kSektionNamen = "Namen";
constexpr std::array<double, 6> kVorgabeAbstand{2, 3, 4, 5, 6, 7};
constexpr double kGroessteLaenge = 100;  // mm, as the dialog allows

std::string mitKomma(double wert) {
  std::string text = schreibeZahl(wert);
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

std::string alsSektionsname(std::string_view name) {
  std::string n;
  for (const char c : name) n += (c == '=' || c == ']' || c == '\r' || c == '\n') ? '_' : c;
  // Blanks at the ends would be lost when reading.
  while (!n.empty() && (n.front() == ' ' || n.front() == '\t')) n.erase(n.begin());
  while (!n.empty() && (n.back() == ' ' || n.back() == '\t')) n.pop_back();
  if (!n.empty() && (n.front() == '[' || n.front() == ';' || n.front() == '#')) n.front() = '_';
  return n;
}

bool istNamen(std::string_view name) {
  if (name.size() != kSektionNamen.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] - 'A' + 'a') : name[i];
    if (c != "namen"[i]) return false;
  }
  return true;
}

}  // namespace

bool leseLinienIni(const IniDatei& ini, Linienstiltabelle& tabelle) {
  if (ini.leseText(kSektionLinien, "Version", "") != kLinienIniVersion) return false;
  const std::vector<std::string> namen = ini.schluessel(kSektionNamen);
  if (namen.size() > static_cast<std::size_t>(linienstil::kMuster)) return false;

  for (std::size_t i = 0; i < namen.size(); ++i) {
    EinfachesMuster& m = tabelle.einfaches(static_cast<int>(i) + 1);
    const std::string& name = namen[i];
    m.name = name;
    std::array<double, 6> laengen = kVorgabeAbstand;
    if (ini.hatSchluessel(name, "Abstand")) {
      const std::vector<std::string> eintraege = ini.leseListe(name, "Abstand");
      for (std::size_t j = 0; j < laengen.size(); ++j) {
        if (j >= eintraege.size() || eintraege[j].empty()) continue;
        const auto zahl = leseZahl(eintraege[j]);
        if (zahl && *zahl >= 0 && *zahl <= kGroessteLaenge) laengen[j] = *zahl;
      }
    }
    m.muster.setze(laengen);
    const int dxf = ini.leseGanzzahl(name, "DXF", 0);
    m.dxfLineType = dxf >= 0 && dxf <= 255 ? static_cast<std::uint8_t>(dxf) : 0;
  }
  return true;
}

bool ladeLinienIni(const std::filesystem::path& pfad, Linienstiltabelle& tabelle) {
  IniDatei ini;
  if (ini.laden(pfad) != IniDatei::Ladestatus::Gelesen) return false;
  return leseLinienIni(ini, tabelle);
}

IniDatei schreibeLinienIni(const Linienstiltabelle& tabelle) {
  IniDatei ini;
  ini.schreibeText(kSektionLinien, "Version", kLinienIniVersion);
  std::vector<std::string> namen;
  for (int n = 1; n <= linienstil::kMuster; ++n) {
    std::string name = alsSektionsname(tabelle.einfaches(n).name);
    if (name.empty()) name = Linienstiltabelle::einfacherStandardname(n);
    // Names compare as the format compares them; "Namen" is taken before
    // its section exists.
    const auto vergeben = [&](const std::string& kandidat) {
      return ini.hatSektion(kandidat) || ini.hatSchluessel(kSektionNamen, kandidat) || istNamen(kandidat);
    };
    if (vergeben(name)) {
      std::string kandidat;
      for (int zusatz = n; vergeben(kandidat = name + " (" + std::to_string(zusatz) + ")"); ++zusatz) {
      }
      name = kandidat;
    }
    ini.schreibeGanzzahl(kSektionNamen, name, n);
    const EinfachesMuster& m = tabelle.einfaches(n);
    std::vector<std::string> abstand;
    for (std::size_t j = 0; j < 6; ++j) {
      const double e = static_cast<int>(j) < m.muster.dashCount ? m.muster.dash[j] : 0;
      abstand.push_back(mitKomma(std::isfinite(e) && e > 0 ? e : 0));
    }
    ini.schreibeListe(name, "Abstand", abstand);
    ini.schreibeGanzzahl(name, "DXF", m.dxfLineType);
  }
  return ini;
}

bool speichereLinienIni(const std::filesystem::path& pfad, const Linienstiltabelle& tabelle, std::string* fehler) {
  return schreibeLinienIni(tabelle).speichern(pfad, fehler);
}

}  // namespace quarzel
