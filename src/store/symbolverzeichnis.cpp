#include "store/symbolverzeichnis.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "store/symboldatei.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

std::string kleinbuchstaben(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return s;
}

// Case does not decide the order, so "bad" and "Bad" stand together.
template <class T>
void sortiere(std::vector<T>& eintraege, const auto& name) {
  std::vector<std::pair<std::string, T>> mitSchluessel;
  mitSchluessel.reserve(eintraege.size());
  for (T& e : eintraege) mitSchluessel.emplace_back(kleinbuchstaben(name(e)), std::move(e));
  std::stable_sort(mitSchluessel.begin(), mitSchluessel.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  eintraege.clear();
  for (auto& [schluessel, e] : mitSchluessel) eintraege.push_back(std::move(e));
}

bool istOrdner(const fs::directory_entry& e) {
  std::error_code ec;
  return e.is_directory(ec);
}

// The entries of `ordner` in the order the folder gives them; an unreadable
// folder has none.
std::vector<fs::directory_entry> eintraege(const fs::path& ordner, std::size_t hoechstens) {
  std::vector<fs::directory_entry> liste;
  std::error_code ec;
  fs::directory_iterator it(ordner, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    if (liste.size() >= hoechstens) break;
    liste.push_back(*it);
  }
  return liste;
}

// `ordnerBisher` counts the folders walked: links may make a small tree look
// huge, and the search must still end soon.
void sammle(const fs::path& ordner, bool unterordner, int tiefe, std::size_t& ordnerBisher, Symboldateiliste& liste) {
  if (++ordnerBisher > kSymbolordnerHoechstzahl) {
    liste.abgeschnitten = true;
    return;
  }
  std::vector<fs::path> unter;
  for (const fs::directory_entry& e : eintraege(ordner, kSymbolordnerHoechstzahl + 1)) {
    if (istOrdner(e)) {
      unter.push_back(e.path());
      continue;
    }
    if (!signaturfeldFuer(e.path().string())) continue;
    if (liste.dateien.size() >= kSymbolordnerHoechstzahl) {
      liste.abgeschnitten = true;
      return;
    }
    liste.dateien.push_back({e.path(), e.path().stem().string(), dateistempel(e.path())});
  }
  if (!unterordner || tiefe >= kSymbolordnerTiefe) return;
  std::sort(unter.begin(), unter.end());
  for (const fs::path& u : unter) {
    sammle(u, true, tiefe + 1, ordnerBisher, liste);
    if (liste.abgeschnitten) return;
  }
}

void baue(Ordnerknoten& knoten, int tiefe, std::size_t& anzahl) {
  if (tiefe >= kSymbolordnerTiefe) return;
  for (const fs::directory_entry& e : eintraege(knoten.pfad, kSymbolordnerHoechstzahl)) {
    if (anzahl >= kSymbolordnerHoechstzahl) break;
    if (!istOrdner(e)) continue;
    ++anzahl;
    knoten.unterordner.push_back({e.path().filename().string(), e.path(), {}});
  }
  sortiere(knoten.unterordner, [](const Ordnerknoten& k) { return k.name; });
  for (Ordnerknoten& u : knoten.unterordner) baue(u, tiefe + 1, anzahl);
}

}  // namespace

Dateistempel dateistempel(const fs::path& datei) {
  std::error_code ec;
  const auto zeit = fs::last_write_time(datei, ec);
  if (ec) return {};
  const std::uintmax_t groesse = fs::file_size(datei, ec);
  if (ec) return {};
  return {static_cast<std::int64_t>(zeit.time_since_epoch().count()), groesse};
}

Symboldateiliste symboldateien(const fs::path& ordner, bool unterordner) {
  Symboldateiliste liste;
  std::size_t ordnerBisher = 0;
  sammle(ordner, unterordner, 0, ordnerBisher, liste);
  sortiere(liste.dateien, [](const Symboldateieintrag& e) { return e.name + '\0' + e.pfad.string(); });
  return liste;
}

Ordnerknoten symbolordnerbaum(const fs::path& wurzel, std::string name) {
  Ordnerknoten knoten{std::move(name), wurzel, {}};
  std::size_t anzahl = 0;
  baue(knoten, 0, anzahl);
  return knoten;
}

}  // namespace quarzel
