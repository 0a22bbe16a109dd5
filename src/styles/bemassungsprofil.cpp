#include "styles/bemassungsprofil.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "base/sicheredatei.h"
#include "base/textkodierung.h"
#include "base/zahlformat.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

using Bereich = Bemassungsstil::Bereich;

std::string kleingeschrieben(std::string_view s) {
  std::string k(s);
  std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return k;
}

struct Schreiber {
  std::string& text;
  void zeile(std::string_view s) {
    text += s;
    text += '\n';
  }
  void operator()(const bool& b) { zeile(b ? "1" : "0"); }
  void operator()(const std::string& s) { zeile(s); }
  void operator()(const double& d, Bereich) {
    std::string s = schreibeZahl(d);
    std::replace(s.begin(), s.end(), '.', ',');
    zeile(s);
  }
  template <class Ganz>
  void operator()(const Ganz& g, Bereich) {
    zeile(std::to_string(static_cast<long long>(g)));
  }
};

struct Leser {
  const std::vector<std::string_view>& zeilen;
  std::size_t i = 0;
  std::string_view naechste() { return zeilen[i++]; }
  void operator()(bool& b) {
    if (auto g = leseGanzzahl(naechste())) b = *g != 0;
  }
  void operator()(std::string& s) { s = naechste(); }
  void operator()(double& d, Bereich r) {
    if (auto z = leseZahl(naechste()); z && *z >= r.min && *z <= r.max) d = *z;
  }
  template <class Ganz>
  void operator()(Ganz& g, Bereich r) {
    const auto z = leseGanzzahl(naechste());
    if (z && static_cast<double>(*z) >= r.min && static_cast<double>(*z) <= r.max) g = static_cast<Ganz>(*z);
  }
};

std::size_t anzahlFelder() {
  std::size_t n = 0;
  Bemassungsstil s;
  Bemassungsstil::felder(s, [&n](auto&&...) { ++n; });
  return n;
}

std::vector<fs::path> profilorte(const Umgebung& umgebung) {
  std::vector<fs::path> orte;
  if (auto eigener = benutzerordner(umgebung)) orte.push_back(*eigener / kProfilordner);
  const fs::path mitgeliefert = programmordner(umgebung) / kProfilordner;
  if (orte.empty() || orte.front() != mitgeliefert) orte.push_back(mitgeliefert);
  return orte;
}

bool istProfildatei(const fs::directory_entry& e) {
  std::error_code f;
  return e.is_regular_file(f) && kleingeschrieben(e.path().extension().string()) == kProfilendung;
}

// The file of the name in the first folder that has it, any case.
std::optional<fs::path> findeProfil(std::string_view name, const Umgebung& umgebung) {
  const std::string gesucht = kleingeschrieben(name) + std::string(kProfilendung);
  for (const fs::path& ort : profilorte(umgebung)) {
    std::error_code f;
    std::size_t gesehen = 0;
    for (fs::directory_iterator it(ort, f), ende; !f && it != ende && gesehen < 10000; it.increment(f), ++gesehen) {
      if (istProfildatei(*it) && kleingeschrieben(it->path().filename().string()) == gesucht) return it->path();
    }
  }
  return std::nullopt;
}

bool gueltigerName(std::string_view name) {
  return !name.empty() && name.find_first_of("/\\:") == std::string_view::npos && name != "." && name != "..";
}

std::string ohneEndung(std::string_view name) {
  if (name.size() > kProfilendung.size() &&
      kleingeschrieben(name.substr(name.size() - kProfilendung.size())) == kProfilendung)
    name.remove_suffix(kProfilendung.size());
  return std::string(name);
}

}  // namespace

std::string profiltext(const Bemassungsstil& stil) {
  std::string text;
  Bemassungsstil::felder(stil, Schreiber{text});
  return text;
}

std::optional<std::string> liesProfiltext(std::string_view text, Bemassungsstil& stil) {
  const std::string beschaedigt =
      "Die Datei ist keine gültige Bemaßungseinstellung. Die Einstellungen bleiben unverändert.";
  if (text.size() > kGroessteProfildatei || !istGueltigesUtf8(text)) return beschaedigt;
  if (std::any_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x20 && c != '\n' && c != '\r'; }))
    return beschaedigt;
  std::vector<std::string_view> zeilen;
  while (!text.empty()) {
    const auto ende = text.find('\n');
    std::string_view zeile = text.substr(0, ende);
    if (zeile.ends_with('\r')) zeile.remove_suffix(1);
    zeilen.push_back(zeile);
    text.remove_prefix(ende == std::string_view::npos ? text.size() : ende + 1);
  }
  if (zeilen.size() < anzahlFelder()) return beschaedigt;
  Bemassungsstil neu = stil;
  Bemassungsstil::felder(neu, Leser{zeilen});
  stil = std::move(neu);
  return std::nullopt;
}

std::vector<std::string> profilnamen(const Umgebung& umgebung) {
  std::vector<std::string> namen;
  for (const fs::path& ort : profilorte(umgebung)) {
    std::error_code f;
    std::size_t gesehen = 0;
    for (fs::directory_iterator it(ort, f), ende; !f && it != ende && gesehen < 10000; it.increment(f), ++gesehen) {
      if (!istProfildatei(*it)) continue;
      std::string name = it->path().stem().string();
      const std::string k = kleingeschrieben(name);
      if (std::none_of(namen.begin(), namen.end(), [&](const std::string& n) { return kleingeschrieben(n) == k; }))
        namen.push_back(std::move(name));
    }
  }
  std::sort(namen.begin(), namen.end(),
            [](const std::string& a, const std::string& b) { return kleingeschrieben(a) < kleingeschrieben(b); });
  return namen;
}

std::optional<std::string> ladeProfildatei(const fs::path& pfad, Bemassungsstil& stil) {
  const Leseergebnis r = leseDateiBegrenzt(pfad, kGroessteProfildatei + 1);
  if (r.status == Lesestatus::Fehlt || r.status == Lesestatus::Unlesbar)
    return "Die Bemaßungseinstellungen \"" + pfad.filename().string() + "\" konnten nicht gelesen werden.";
  if (r.status == Lesestatus::Abgeschnitten)
    return "Die Datei ist keine gültige Bemaßungseinstellung. Die Einstellungen bleiben unverändert.";
  return liesProfiltext(r.inhalt, stil);
}

std::optional<std::string> ladeProfil(std::string_view name, Bemassungsstil& stil, const Umgebung& umgebung) {
  const std::string ohne = ohneEndung(name);
  const auto pfad = gueltigerName(ohne) ? findeProfil(ohne, umgebung) : std::nullopt;
  if (!pfad) return "Das Bemaßungsprofil \"" + ohne + "\" wurde nicht gefunden.";
  return ladeProfildatei(*pfad, stil);
}

std::optional<std::string> speichereProfildatei(const fs::path& pfad, const Bemassungsstil& stil) {
  std::string fehler;
  if (schreibeDateiAtomar(pfad, profiltext(stil), &fehler)) return std::nullopt;
  return "Die Bemaßungseinstellungen konnten nicht gespeichert werden: " + fehler;
}

std::optional<std::string> speichereProfil(std::string_view name, const Bemassungsstil& stil,
                                           const Umgebung& umgebung) {
  const std::string ohne = ohneEndung(name);
  if (!gueltigerName(ohne)) return "Der Profilname \"" + ohne + "\" ist nicht zulässig.";
  const auto ordner = benutzerordner(umgebung);
  if (!ordner) return std::string("Der Ordner für Bemaßungsprofile ist nicht verfügbar.");
  const fs::path ziel = *ordner / kProfilordner;
  std::error_code f;
  fs::create_directories(ziel, f);
  // The same name in another case is the same profile: replace that file.
  if (auto vorhanden = findeProfil(ohne, umgebung); vorhanden && vorhanden->parent_path() == ziel)
    return speichereProfildatei(*vorhanden, stil);
  return speichereProfildatei(ziel / (ohne + std::string(kProfilendung)), stil);
}

}  // namespace quarzel
