#include "base/inidatei.h"

#include <algorithm>
#include <utility>

#include "base/sicheredatei.h"
#include "base/textkodierung.h"
#include "base/zahlformat.h"

namespace quarzel {

namespace {

std::string_view ohneRand(std::string_view text) {
  const auto istRand = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && istRand(text.front())) text.remove_prefix(1);
  while (!text.empty() && istRand(text.back())) text.remove_suffix(1);
  return text;
}

// Case folding for names: ASCII and the Latin-1 capitals U+00C0..U+00DE
// (two UTF-8 bytes C3 80..C3 9E, without the multiplication sign C3 97).
std::string falte(std::string_view name) {
  std::string ergebnis(name);
  for (std::size_t i = 0; i < ergebnis.size(); ++i) {
    const auto b = static_cast<unsigned char>(ergebnis[i]);
    if (b >= 'A' && b <= 'Z') {
      ergebnis[i] = char(b + 32);
    } else if (b == 0xC3 && i + 1 < ergebnis.size()) {
      const auto n = static_cast<unsigned char>(ergebnis[i + 1]);
      if (n >= 0x80 && n <= 0x9E && n != 0x97) ergebnis[i + 1] = char(n + 32);
      ++i;
    }
  }
  return ergebnis;
}

bool enthaeltZeilenbruch(std::string_view text) {
  return text.find_first_of(std::string_view("\n\r\0", 3)) != text.npos;
}

bool gueltigeSektion(std::string_view name) {
  return !name.empty() && ohneRand(name) == name && !enthaeltZeilenbruch(name) && name.find(']') == name.npos;
}

bool gueltigerSchluessel(std::string_view name) {
  return !name.empty() && ohneRand(name) == name && !enthaeltZeilenbruch(name) && name.find('=') == name.npos &&
         name.front() != '[' && name.front() != ';' && name.front() != '#';
}

std::string bereinigterWert(std::string_view wert) {
  std::string ergebnis;
  ergebnis.reserve(wert.size());
  for (char c : wert) {
    if (c == '\n' || c == '\r') {
      ergebnis += ' ';
    } else if (c != '\0') {
      ergebnis += c;
    }
  }
  return ergebnis;
}

bool inAnfuehrungszeichen(std::string_view wert) {
  return wert.size() >= 2 && wert.front() == '"' && wert.back() == '"';
}

// Blanks at the ends and enclosing quotes would be lost on reading; quoting
// the value keeps it exactly.
std::string gespeicherterWert(const std::string& wert) {
  if (ohneRand(wert) != wert || inAnfuehrungszeichen(wert)) return '"' + wert + '"';
  return wert;
}

}  // namespace

std::string verbundenerSchluessel(std::string_view gruppe, std::string_view feld) {
  std::string schluessel(gruppe);
  schluessel += feld;
  return schluessel;
}

IniDatei IniDatei::ausText(std::string_view bytes) {
  IniDatei datei;
  if (bytes.size() > kMaxBytes) {
    bytes = bytes.substr(0, kMaxBytes);
    datei.abgeschnitten_ = true;
  }
  const std::string text = textdateiNachUtf8(bytes);

  std::vector<Zeile>* ziel = &datei.vorspann_;
  std::size_t zeilen = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (zeilen == kMaxZeilen) {
      datei.abgeschnitten_ = true;
      break;
    }
    ++zeilen;
    // "\r\n", "\n" and a lone "\r" all end a line.
    std::size_t ende = text.find_first_of("\r\n", pos);
    if (ende == std::string::npos) ende = text.size();
    const std::string_view roh(text.data() + pos, ende - pos);
    pos = ende;
    if (pos < text.size()) pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;

    const std::string_view inhalt = ohneRand(roh);
    if (!inhalt.empty() && inhalt.front() == '[') {
      const std::size_t zu = inhalt.find(']');
      if (zu != std::string_view::npos) {
        Sektion s;
        s.name = std::string(ohneRand(inhalt.substr(1, zu - 1)));
        s.kopf = std::string(roh);
        datei.sektionen_.push_back(std::move(s));
        ziel = &datei.sektionen_.back().zeilen;
        continue;
      }
    }
    Zeile z;
    z.roh = std::string(roh);
    const std::size_t gleich = inhalt.find('=');
    if (!inhalt.empty() && inhalt.front() != ';' && inhalt.front() != '#' && gleich != std::string_view::npos) {
      const std::string_view schluessel = ohneRand(inhalt.substr(0, gleich));
      if (!schluessel.empty()) {
        std::string_view wert = ohneRand(inhalt.substr(gleich + 1));
        if (inAnfuehrungszeichen(wert)) wert = wert.substr(1, wert.size() - 2);
        z.eintrag = true;
        z.schluessel = std::string(schluessel);
        z.wert = std::string(wert);
      }
    }
    ziel->push_back(std::move(z));
  }
  for (Sektion& s : datei.sektionen_) indiziere(s);
  datei.indiziereSektionen();
  return datei;
}

IniDatei::Ladestatus IniDatei::laden(const std::filesystem::path& pfad) {
  Leseergebnis gelesen = leseDateiBegrenzt(pfad, kMaxBytes);
  switch (gelesen.status) {
    case Lesestatus::Fehlt:
      *this = IniDatei();
      return Ladestatus::Fehlt;
    case Lesestatus::Unlesbar:
      *this = IniDatei();
      return Ladestatus::Unlesbar;
    case Lesestatus::Gelesen:
    case Lesestatus::Abgeschnitten:
      break;
  }
  *this = ausText(gelesen.inhalt);
  if (gelesen.status == Lesestatus::Abgeschnitten) abgeschnitten_ = true;
  return Ladestatus::Gelesen;
}

bool IniDatei::speichern(const std::filesystem::path& pfad, std::string* fehler) const {
  return schreibeDateiAtomar(pfad, text(), fehler);
}

std::string IniDatei::text() const {
  std::string ergebnis;
  for (const Zeile& z : vorspann_) ergebnis.append(z.roh).push_back('\n');
  for (const Sektion& s : sektionen_) {
    ergebnis.append(s.kopf).push_back('\n');
    for (const Zeile& z : s.zeilen) ergebnis.append(z.roh).push_back('\n');
  }
  return ergebnis;
}

void IniDatei::indiziere(Sektion& s) {
  s.index.clear();
  for (std::size_t i = 0; i < s.zeilen.size(); ++i) {
    if (s.zeilen[i].eintrag) s.index.try_emplace(falte(s.zeilen[i].schluessel), i);
  }
}

void IniDatei::indiziereSektionen() {
  sektionsindex_.clear();
  for (std::size_t i = 0; i < sektionen_.size(); ++i) sektionsindex_.try_emplace(falte(sektionen_[i].name), i);
}

const IniDatei::Sektion* IniDatei::finde(std::string_view sektion) const {
  const auto it = sektionsindex_.find(falte(sektion));
  return it == sektionsindex_.end() ? nullptr : &sektionen_[it->second];
}

IniDatei::Sektion* IniDatei::finde(std::string_view sektion) {
  return const_cast<Sektion*>(std::as_const(*this).finde(sektion));
}

IniDatei::Sektion& IniDatei::findeOderAnlegen(std::string_view sektion) {
  if (Sektion* s = finde(sektion)) return *s;
  // A blank line before a new section, as people write these files by hand.
  std::vector<Zeile>& davor = sektionen_.empty() ? vorspann_ : sektionen_.back().zeilen;
  const bool dateiLeer = sektionen_.empty() && vorspann_.empty();
  if (!dateiLeer && (davor.empty() || !ohneRand(davor.back().roh).empty())) davor.push_back(Zeile{});
  Sektion neu;
  neu.name = std::string(sektion);
  neu.kopf = '[' + neu.name + ']';
  sektionen_.push_back(std::move(neu));
  sektionsindex_.emplace(falte(sektion), sektionen_.size() - 1);
  return sektionen_.back();
}

bool IniDatei::hatSektion(std::string_view sektion) const {
  return finde(sektion) != nullptr;
}

bool IniDatei::hatSchluessel(std::string_view sektion, std::string_view schluessel) const {
  return wert(sektion, schluessel).has_value();
}

std::vector<std::string> IniDatei::sektionen() const {
  std::vector<std::string> namen;
  for (std::size_t i = 0; i < sektionen_.size(); ++i) {
    // A repeated section is not a section of its own.
    if (sektionsindex_.at(falte(sektionen_[i].name)) == i) namen.push_back(sektionen_[i].name);
  }
  return namen;
}

std::vector<std::string> IniDatei::schluessel(std::string_view sektion) const {
  std::vector<std::string> namen;
  const Sektion* s = finde(sektion);
  if (!s) return namen;
  for (std::size_t i = 0; i < s->zeilen.size(); ++i) {
    const Zeile& z = s->zeilen[i];
    if (z.eintrag && s->index.at(falte(z.schluessel)) == i) namen.push_back(z.schluessel);
  }
  return namen;
}

std::optional<std::string> IniDatei::wert(std::string_view sektion, std::string_view schluessel) const {
  const Sektion* s = finde(sektion);
  if (!s) return std::nullopt;
  const auto it = s->index.find(falte(schluessel));
  if (it == s->index.end()) return std::nullopt;
  return s->zeilen[it->second].wert;
}

std::string IniDatei::leseText(std::string_view sektion, std::string_view schluessel, std::string_view vorgabe) const {
  auto w = wert(sektion, schluessel);
  return w ? std::move(*w) : std::string(vorgabe);
}

// An empty value counts as absent for integers and booleans, as on the
// platform the format comes from; decimal numbers follow the tolerant number
// rule, under which an empty text is 0.
int IniDatei::leseGanzzahl(std::string_view sektion, std::string_view schluessel, int vorgabe) const {
  const auto w = wert(sektion, schluessel);
  if (!w || ohneRand(*w).empty()) return vorgabe;
  return leseInt(*w).value_or(vorgabe);
}

bool IniDatei::leseBool(std::string_view sektion, std::string_view schluessel, bool vorgabe) const {
  const auto w = wert(sektion, schluessel);
  if (!w || ohneRand(*w).empty()) return vorgabe;
  const std::string gefaltet = falte(ohneRand(*w));
  if (gefaltet == "true") return true;
  if (gefaltet == "false") return false;
  const auto zahl = quarzel::leseGanzzahl(gefaltet);
  return zahl ? *zahl != 0 : vorgabe;
}

double IniDatei::leseZahl(std::string_view sektion, std::string_view schluessel, double vorgabe) const {
  const auto w = wert(sektion, schluessel);
  return w ? leseZahlOder(*w, vorgabe) : vorgabe;
}

std::vector<std::string> IniDatei::leseListe(std::string_view sektion, std::string_view schluessel) const {
  std::vector<std::string> liste;
  const auto w = wert(sektion, schluessel);
  if (!w) return liste;
  std::string_view rest = ohneRand(*w);
  while (!rest.empty()) {
    const std::size_t semikolon = rest.find(';');
    liste.emplace_back(ohneRand(rest.substr(0, semikolon)));
    if (semikolon == std::string_view::npos) break;
    rest.remove_prefix(semikolon + 1);
  }
  return liste;
}

bool IniDatei::schreibeText(std::string_view sektion, std::string_view schluessel, std::string_view wert) {
  if (!gueltigeSektion(sektion) || !gueltigerSchluessel(schluessel)) return false;
  Sektion& s = findeOderAnlegen(sektion);
  std::string neu = bereinigterWert(wert);
  const std::string gefaltet = falte(schluessel);
  if (const auto it = s.index.find(gefaltet); it != s.index.end()) {
    Zeile& z = s.zeilen[it->second];
    // An unchanged value keeps its line exactly as the user wrote it.
    if (z.wert == neu) return true;
    z.roh = z.schluessel + '=' + gespeicherterWert(neu);
    z.wert = std::move(neu);
    return true;
  }
  std::size_t pos = 0;
  for (std::size_t i = s.zeilen.size(); i > 0; --i) {
    if (s.zeilen[i - 1].eintrag) {
      pos = i;
      break;
    }
  }
  Zeile z;
  z.eintrag = true;
  z.schluessel = std::string(schluessel);
  z.roh = z.schluessel + '=' + gespeicherterWert(neu);
  z.wert = std::move(neu);
  s.zeilen.insert(s.zeilen.begin() + std::ptrdiff_t(pos), std::move(z));
  for (auto& [name, zeile] : s.index) {
    if (zeile >= pos) ++zeile;
  }
  s.index.emplace(gefaltet, pos);
  return true;
}

bool IniDatei::schreibeGanzzahl(std::string_view sektion, std::string_view schluessel, long long wert) {
  return schreibeText(sektion, schluessel, std::to_string(wert));
}

bool IniDatei::schreibeBool(std::string_view sektion, std::string_view schluessel, bool wert) {
  return schreibeText(sektion, schluessel, wert ? "1" : "0");
}

bool IniDatei::schreibeZahl(std::string_view sektion, std::string_view schluessel, double wert) {
  return schreibeText(sektion, schluessel, quarzel::schreibeZahl(wert));
}

bool IniDatei::schreibeListe(std::string_view sektion, std::string_view schluessel,
                             const std::vector<std::string>& werte) {
  std::string text;
  for (const std::string& w : werte) {
    if (w.find(';') != std::string::npos) return false;
    text += w;
    text += ';';
  }
  return schreibeText(sektion, schluessel, text);
}

bool IniDatei::entferneSchluessel(std::string_view sektion, std::string_view schluessel) {
  Sektion* s = finde(sektion);
  if (!s) return false;
  const std::string gefaltet = falte(schluessel);
  if (!s->index.contains(gefaltet)) return false;
  std::erase_if(s->zeilen, [&](const Zeile& z) { return z.eintrag && falte(z.schluessel) == gefaltet; });
  indiziere(*s);
  return true;
}

}  // namespace quarzel
