#include "styles/schraffurbibliothek.h"

#include <algorithm>
#include <memory>
#include <system_error>
#include <unordered_map>

#include "styles/schraffurdatei.h"

namespace quarzel {

namespace {

namespace fs = std::filesystem;

std::string kleinASCII(std::string_view t) {
  std::string k(t);
  for (char& c : k)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return k;
}

bool istTsc(const fs::path& datei) {
  return kleinASCII(datei.extension().string()) == ".tsc";
}

bool istDatei(const fs::path& pfad) {
  std::error_code ec;
  return fs::is_regular_file(pfad, ec);
}

// Calls `tu` for at most `hoechstens` regular ".tsc" files of the folder.
template <typename F>
void fuerTscDateien(const fs::path& ordner, std::size_t hoechstens, F&& tu) {
  std::error_code ec;
  fs::directory_iterator it(ordner, ec);
  std::size_t gesehen = 0;
  for (; !ec && it != fs::directory_iterator() && gesehen < hoechstens; it.increment(ec), ++gesehen) {
    const fs::path& p = it->path();
    std::error_code ec2;
    if (istTsc(p) && it->is_regular_file(ec2)) {
      if (!tu(p)) return;
    }
  }
}

}  // namespace

Schraffurbibliothek::Schraffurbibliothek(Umgebung umgebung) : umgebung_(std::move(umgebung)) {}

// The user's folder (when it exists) and the shipped one.
std::vector<fs::path> Schraffurbibliothek::ordner(std::string_view relativ) const {
  std::vector<fs::path> liste;
  if (auto eigener = findeProgrammdatei(relativ, umgebung_)) liste.push_back(*eigener);
  if (auto r = relativerProgrammpfad(relativ)) {
    const fs::path mitgeliefert = programmordner(umgebung_) / *r;
    if (liste.empty() || liste.front() != mitgeliefert) liste.push_back(mitgeliefert);
  }
  return liste;
}

std::optional<fs::path> Schraffurbibliothek::findeDatei(std::string_view ordnerName, std::string_view name) const {
  return findeIn(ordner(ordnerName), name);
}

std::optional<fs::path> Schraffurbibliothek::findeIn(const std::vector<fs::path>& orte, std::string_view name) {
  if (!gueltigerSchraffurname(name)) return std::nullopt;
  for (const fs::path& o : orte) {
    for (std::string_view endung : {".tsc", ".TSC"}) {
      fs::path p = o / (std::string(name) + std::string(endung));
      if (istDatei(p)) return p;
    }
  }
  const std::string gesucht = kleinASCII(std::string(name) + ".tsc");
  for (const fs::path& o : orte) {
    std::optional<fs::path> treffer;
    fuerTscDateien(o, HoechsteOrdnereintraege, [&](const fs::path& p) {
      if (kleinASCII(p.filename().string()) != gesucht) return true;
      treffer = p;
      return false;
    });
    if (treffer) return treffer;
  }
  return std::nullopt;
}

const IniDatei& Schraffurbibliothek::ini() const {
  if (!ini_) {
    ini_.emplace();
    if (auto pfad = findeProgrammdatei(IniDateiname, umgebung_)) ini_->laden(*pfad);
  }
  return *ini_;
}

std::optional<Schraffurdefinition> Schraffurbibliothek::lies(std::string_view name,
                                                             std::span<const EingebetteteDatei> zeichnung) const {
  if (name.empty()) return std::nullopt;
  for (std::string_view o : {StandardOrdner, ZeichnungsOrdner}) {
    if (auto pfad = findeDatei(o, name)) {
      if (auto d = leseTscDatei(*pfad, std::string(name))) return d;
    }
  }
  if (auto d = leseSchraffurIni(ini(), name)) {
    d->name = std::string(name);
    return d;
  }
  for (const EingebetteteDatei& e : zeichnung) {
    if (e.name != name) continue;
    const std::string_view text(reinterpret_cast<const char*>(e.daten.data()), e.daten.size());
    if (auto d = leseTsc(text, std::string(name))) return d;
  }
  return standardSchraffur(name);
}

bool Schraffurbibliothek::bekannt(std::string_view name) const {
  if (name.empty()) return false;
  if (standardSchraffurNummer(name) != 0) return true;
  if (findeDatei(StandardOrdner, name) || findeDatei(ZeichnungsOrdner, name)) return true;
  return ini().hatSchluessel(SchraffurIniNamen, name);
}

std::vector<std::string> Schraffurbibliothek::namen(std::span<const EingebetteteDatei> zeichnung) const {
  std::vector<std::string> weitere;
  auto dazu = [&](std::string name) {
    if (!name.empty() && standardSchraffurNummer(name) == 0) weitere.push_back(std::move(name));
  };
  for (std::string_view o : {StandardOrdner, ZeichnungsOrdner}) {
    for (const fs::path& ort : ordner(o)) {
      fuerTscDateien(ort, HoechsteOrdnereintraege, [&](const fs::path& p) {
        dazu(p.stem().string());
        return true;
      });
    }
  }
  for (std::string& n : schraffurIniNamen(ini())) dazu(std::move(n));
  for (const EingebetteteDatei& e : zeichnung) dazu(e.name);

  // Names differing only in case are one hatch, as file names on the
  // platform the files come from.
  std::sort(weitere.begin(), weitere.end(), [](const std::string& a, const std::string& b) {
    const std::string ka = kleinASCII(a), kb = kleinASCII(b);
    return ka != kb ? ka < kb : a < b;
  });
  weitere.erase(std::unique(weitere.begin(), weitere.end(),
                            [](const std::string& a, const std::string& b) { return kleinASCII(a) == kleinASCII(b); }),
                weitere.end());

  std::vector<std::string> liste;
  for (int i = 1; i <= StandardSchraffurAnzahl; ++i) liste.push_back(standardSchraffurName(i));
  liste.insert(liste.end(), weitere.begin(), weitere.end());
  return liste;
}

bool Schraffurbibliothek::speichere(const Schraffurdefinition& definition, std::string* fehler) const {
  if (!gueltigerSchraffurname(definition.name)) {
    if (fehler) *fehler = "Ungültiger Name für eine Schraffur: \"" + definition.name + "\"";
    return false;
  }
  const auto pfad = schreibbareProgrammdatei(std::string(StandardOrdner) + definition.name + ".tsc", umgebung_);
  if (!pfad) {
    if (fehler) *fehler = "Der Ordner für Schraffuren kann nicht angelegt werden.";
    return false;
  }
  return schreibeTscDatei(*pfad, definition, fehler);
}

Schraffurbibliothek::Loeschung Schraffurbibliothek::loesche(std::string_view name) const {
  if (standardSchraffurNummer(name) != 0) return Loeschung::StandardSchraffur;
  // Only the user's folder: with two folders the first one is the user's.
  std::vector<fs::path> orte = ordner(StandardOrdner);
  if (orte.size() < 2) return Loeschung::NichtGefunden;
  orte.resize(1);
  const auto datei = findeIn(orte, name);
  if (!datei) return Loeschung::NichtGefunden;
  std::error_code ec;
  return fs::remove(*datei, ec) ? Loeschung::Geloescht : Loeschung::Fehlgeschlagen;
}

std::function<bool(const std::string&)> schraffurpruefung(Umgebung umgebung) {
  struct Zustand {
    Schraffurbibliothek bibliothek;
    std::unordered_map<std::string, bool> antworten;
  };
  auto zustand = std::make_shared<Zustand>(Zustand{Schraffurbibliothek(std::move(umgebung)), {}});
  return [zustand](const std::string& name) {
    const auto it = zustand->antworten.find(name);
    if (it != zustand->antworten.end()) return it->second;
    const bool bekannt = zustand->bibliothek.bekannt(name);
    if (zustand->antworten.size() < 4096) zustand->antworten.emplace(name, bekannt);
    return bekannt;
  };
}

}  // namespace quarzel
