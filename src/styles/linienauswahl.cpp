#include "styles/linienauswahl.h"

#include <algorithm>
#include <array>
#include <optional>

#include "base/sicheredatei.h"
#include "base/zahlformat.h"

namespace quarzel {

namespace {

constexpr std::string_view kKennung = "QZLA";
constexpr std::size_t kHoechsteDateigroesse = 64u << 10;

constexpr auto kListe = [] {
  std::array<int, 11 + 2 + 10 + 20 + 20 + 34> l{};
  std::size_t i = 0;
  for (int s = 1; s <= 11; ++s) l[i++] = s;
  l[i++] = 41;
  l[i++] = 42;
  for (int s = 51; s <= 55; ++s) l[i++] = s;
  for (int s = 61; s <= 65; ++s) l[i++] = s;
  for (int s = 12; s <= 31; ++s) l[i++] = s;
  for (int s = 71; s <= 90; ++s) l[i++] = s;
  for (int s = 91; s <= 124; ++s) l[i++] = s;
  return l;
}();

std::optional<std::size_t> index(int style) {
  const auto it = std::find(kListe.begin(), kListe.end(), style);
  if (it == kListe.end()) return std::nullopt;
  return static_cast<std::size_t>(it - kListe.begin());
}

std::string_view ohneRand(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::span<const int> Linienstilauswahl::liste() {
  return kListe;
}

Linienstilauswahl::Gruppe Linienstilauswahl::gruppe(int style) {
  if (style >= 12 && style <= 31) return Gruppe::Komplexe;
  if (style >= 71 && style <= 90) return Gruppe::Einfache;
  if (style >= 91 && style <= 124) return Gruppe::Partner;
  return Gruppe::Standard;
}

Linienstilauswahl::Linienstilauswahl() : an_(kListe.size(), true) {}

bool Linienstilauswahl::angeboten(int style) const {
  const auto i = index(style);
  return i && an_[*i];
}

void Linienstilauswahl::setze(int style, bool an) {
  if (const auto i = index(style)) an_[*i] = an;
}

void Linienstilauswahl::setzeAlle(bool an) {
  std::fill(an_.begin(), an_.end(), an);
}

void Linienstilauswahl::setzeGruppe(Gruppe g, bool an) {
  for (std::size_t i = 0; i < kListe.size(); ++i) {
    if (gruppe(kListe[i]) == g) an_[i] = an;
  }
}

std::vector<int> Linienstilauswahl::angeboteneStile() const {
  std::vector<int> s;
  for (std::size_t i = 0; i < kListe.size(); ++i) {
    if (an_[i]) s.push_back(kListe[i]);
  }
  return s;
}

bool leseLinien2(std::string_view text, Linienstilauswahl& auswahl) {
  text = text.substr(0, kHoechsteDateigroesse);
  std::size_t zeile = 0;
  std::optional<std::int64_t> anzahl;
  std::vector<bool> werte;
  std::vector<bool> gueltig;
  while (!text.empty()) {
    const std::size_t ende = text.find('\n');
    const std::string_view z = ohneRand(text.substr(0, ende));
    text = ende == std::string_view::npos ? std::string_view{} : text.substr(ende + 1);
    if (zeile == 0) {
      // A byte-order mark an editor may have added.
      if (z != kKennung && z != "\xEF\xBB\xBFQZLA") return false;
    } else if (zeile == 1) {
      anzahl = leseGanzzahl(z);
      if (!anzahl || *anzahl < 0) break;
    } else {
      if (werte.size() >=
          std::min<std::uint64_t>(static_cast<std::uint64_t>(*anzahl), Linienstilauswahl::liste().size()))
        break;
      werte.push_back(z == "1");
      gueltig.push_back(z == "1" || z == "0");
    }
    ++zeile;
  }
  if (zeile == 0) return false;
  const auto liste = Linienstilauswahl::liste();
  for (std::size_t i = 0; i < werte.size(); ++i) {
    if (gueltig[i]) auswahl.setze(liste[i], werte[i]);
  }
  return true;
}

bool ladeLinien2(const std::filesystem::path& pfad, Linienstilauswahl& auswahl) {
  const Leseergebnis r = leseDateiBegrenzt(pfad, kHoechsteDateigroesse);
  if (r.status != Lesestatus::Gelesen && r.status != Lesestatus::Abgeschnitten) return false;
  return leseLinien2(r.inhalt, auswahl);
}

std::string schreibeLinien2(const Linienstilauswahl& auswahl) {
  std::string t = std::string(kKennung) + '\n';
  const auto liste = Linienstilauswahl::liste();
  t += std::to_string(liste.size()) + '\n';
  for (const int s : liste) t += auswahl.angeboten(s) ? "1\n" : "0\n";
  return t;
}

bool speichereLinien2(const std::filesystem::path& pfad, const Linienstilauswahl& auswahl, std::string* fehler) {
  return schreibeDateiAtomar(pfad, schreibeLinien2(auswahl), fehler);
}

}  // namespace quarzel
