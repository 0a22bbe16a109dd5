#include "settings/konfiguration.h"

#include <cstdlib>
#include <system_error>

#include "platform/benutzer.h"

#ifndef QUARZEL_DATA_DIR
#define QUARZEL_DATA_DIR "/usr/share/quarzel"
#endif
#ifndef QUARZEL_DATA_RELATIV
#define QUARZEL_DATA_RELATIV "../share/quarzel"
#endif

namespace quarzel {

namespace {

namespace fs = std::filesystem;

// XDG variables count only when they name an absolute folder; a relative
// value would make the file depend on the current folder.
std::optional<fs::path> absoluterOrdner(const Umgebung& umgebung, std::string_view name) {
  if (!umgebung) return std::nullopt;
  const auto wert = umgebung(name);
  if (!wert || wert->empty()) return std::nullopt;
  fs::path pfad(*wert);
  if (!pfad.is_absolute()) return std::nullopt;
  return pfad;
}

std::optional<fs::path> xdgOrdner(const Umgebung& umgebung, std::string_view variable, const fs::path& unterHeim) {
  if (auto ordner = absoluterOrdner(umgebung, variable)) return ordner;
  if (auto heim = absoluterOrdner(umgebung, "HOME")) return *heim / unterHeim;
  return std::nullopt;
}

}  // namespace

Umgebung prozessUmgebung() {
  return [](std::string_view name) -> std::optional<std::string> {
    const char* wert = std::getenv(std::string(name).c_str());
    if (!wert) return std::nullopt;
    return std::string(wert);
  };
}

Befehlszeile zerlegeBefehlszeile(std::span<const std::string> argumente) {
  Befehlszeile ergebnis;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& a = argumente[i];
    if (a.size() == 2 && a[0] == '-' && (a[1] == 'i' || a[1] == 'I')) {
      if (i + 1 < argumente.size()) ergebnis.iniDatei = argumente[++i];
      continue;
    }
    ergebnis.argumente.push_back(a);
  }
  return ergebnis;
}

Befehlszeile zerlegeBefehlszeile(int argc, const char* const* argv) {
  std::vector<std::string> argumente;
  for (int i = 1; i < argc && argv; ++i) argumente.emplace_back(argv[i] ? argv[i] : "");
  return zerlegeBefehlszeile(argumente);
}

std::optional<fs::path> standardKonfigurationsdatei(const Umgebung& umgebung, std::string_view namenszusatz) {
  auto ordner = xdgOrdner(umgebung, "XDG_CONFIG_HOME", ".config");
  if (!ordner) return std::nullopt;
  std::string name = "quarzel";
  if (!namenszusatz.empty()) {
    name += '_';
    name += namenszusatz;
  }
  name += ".ini";
  return *ordner / "quarzel" / name;
}

fs::path programmordner(const Umgebung& umgebung) {
  if (umgebung) {
    if (const auto wert = umgebung("QUARZEL_DATA_DIR"); wert && !wert->empty()) return fs::path(*wert);
  }
  // An installed program finds its data beside it, whatever the prefix or a
  // staging folder; a program in the build tree has none there and uses the
  // checkout's data.
  std::error_code ec;
  const fs::path programm = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const fs::path installiert = (programm.parent_path() / QUARZEL_DATA_RELATIV).lexically_normal();
    if (fs::is_directory(installiert, ec)) return installiert;
  }
  return fs::path(QUARZEL_DATA_DIR);
}

std::optional<fs::path> benutzerordner(const Umgebung& umgebung) {
  auto basis = xdgOrdner(umgebung, "XDG_DATA_HOME", fs::path(".local") / "share");
  if (!basis) return std::nullopt;
  fs::path ordner = *basis / "quarzel";
  std::error_code ec;
  fs::create_directories(ordner, ec);
  if (!fs::is_directory(ordner, ec)) return std::nullopt;
  return ordner;
}

std::optional<fs::path> zeichnungsordner(const Umgebung& umgebung) {
  auto heim = absoluterOrdner(umgebung, "HOME");
  if (!heim) return std::nullopt;
  return *heim / "Zeichnungen" / "";
}

std::optional<fs::path> relativerProgrammpfad(std::string_view name) {
  std::string text(name);
  for (char& c : text) {
    if (c == '\\') c = '/';
  }
  if (text.empty() || text.front() == '/' || text.find('\0') != std::string::npos) return std::nullopt;
  fs::path pfad(text);
  for (const fs::path& teil : pfad) {
    if (teil == "..") return std::nullopt;
  }
  return pfad;
}

std::optional<fs::path> findeProgrammdatei(std::string_view name, const Umgebung& umgebung) {
  const auto relativ = relativerProgrammpfad(name);
  if (!relativ) return std::nullopt;
  // Looking for the user's copy must not create the user's folder.
  if (auto basis = xdgOrdner(umgebung, "XDG_DATA_HOME", fs::path(".local") / "share")) {
    fs::path eigene = *basis / "quarzel" / *relativ;
    std::error_code ec;
    if (fs::exists(eigene, ec)) return eigene;
  }
  return programmordner(umgebung) / *relativ;
}

std::optional<fs::path> schreibbareProgrammdatei(std::string_view name, const Umgebung& umgebung) {
  const auto relativ = relativerProgrammpfad(name);
  if (!relativ) return std::nullopt;
  auto ordner = benutzerordner(umgebung);
  if (!ordner) return std::nullopt;
  fs::path pfad = *ordner / *relativ;
  std::error_code ec;
  fs::create_directories(pfad.parent_path(), ec);
  if (!fs::is_directory(pfad.parent_path(), ec)) return std::nullopt;
  return pfad;
}

Einstellungsdatei::Einstellungsdatei(Benutzer& benutzer, std::optional<fs::path> pfad)
    : benutzer_(&benutzer), pfad_(std::move(pfad)) {
  if (pfad_) unlesbar_ = ini_.laden(*pfad_) == IniDatei::Ladestatus::Unlesbar;
}

bool Einstellungsdatei::speichern() {
  if (!pfad_) {
    benutzer_->meldung(kMeldungIniNameFehlt, Meldungsart::Fehler);
    return false;
  }
  const std::string meldung = "Die Konfigurationsdatei \"" + pfad_->string() + "\" konnte nicht gespeichert werden";
  if (unlesbar_) {
    benutzer_->meldung(meldung + ", weil sie nicht gelesen werden konnte.", Meldungsart::Fehler);
    return false;
  }
  std::error_code ec;
  if (pfad_->has_parent_path()) fs::create_directories(pfad_->parent_path(), ec);
  std::string grund;
  if (!ini_.speichern(*pfad_, &grund)) {
    benutzer_->meldung(meldung + ": " + grund, Meldungsart::Fehler);
    return false;
  }
  return true;
}

Konfiguration::Konfiguration(Benutzer& benutzer, Umgebung umgebung, std::string namenszusatz)
    : benutzer_(&benutzer), umgebung_(std::move(umgebung)), namenszusatz_(std::move(namenszusatz)) {}

void Konfiguration::legeFest(std::optional<std::string> ausBefehlszeile) {
  if (festgelegt_) return;
  festgelegt_ = true;
  if (!ausBefehlszeile) {
    dateiname_ = standardKonfigurationsdatei(umgebung_, namenszusatz_);
    return;
  }
  if (ausBefehlszeile->empty()) return;
  // Fixed as an absolute name now: a later change of the current folder must
  // not send the settings elsewhere.
  std::error_code ec;
  fs::path pfad = fs::absolute(fs::path(*ausBefehlszeile), ec);
  dateiname_ = ec ? fs::path(*ausBefehlszeile) : pfad;
}

std::vector<std::string> Konfiguration::werteBefehlszeileAus(std::span<const std::string> argumente) {
  Befehlszeile zerlegt = zerlegeBefehlszeile(argumente);
  legeFest(std::move(zerlegt.iniDatei));
  return std::move(zerlegt.argumente);
}

std::vector<std::string> Konfiguration::werteBefehlszeileAus(int argc, const char* const* argv) {
  Befehlszeile zerlegt = zerlegeBefehlszeile(argc, argv);
  legeFest(std::move(zerlegt.iniDatei));
  return std::move(zerlegt.argumente);
}

const std::optional<fs::path>& Konfiguration::dateiname() {
  legeFest(std::nullopt);
  return dateiname_;
}

Einstellungsdatei Konfiguration::openSettings() {
  const auto& name = dateiname();
  if (!name) benutzer_->meldung(kMeldungIniNameFehlt, Meldungsart::Fehler);
  return Einstellungsdatei(*benutzer_, name);
}

bool Konfiguration::schreibe(const std::function<void(IniDatei&)>& aendern) {
  Einstellungsdatei datei = openSettings();
  aendern(datei.ini());
  return datei.speichern();
}

}  // namespace quarzel
