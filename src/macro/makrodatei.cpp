#include "macro/makrodatei.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <system_error>

#include "base/sicheredatei.h"
#include "base/textkodierung.h"
#include "macro/schreibweise.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Kennung = "QZMK";
constexpr std::uint16_t Version = 1;
constexpr std::size_t Kopfgroesse = 24;
// Each token takes at least three bytes: three one-byte numbers.
constexpr std::size_t KleinsterToken = 3;
// Folders with more entries are not searched for another spelling.
constexpr std::size_t HoechsteOrdnereintraege = 100000;

void schreibe32(std::string& aus, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) aus.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint32_t lies32(std::string_view d, std::size_t pos) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(d[pos + std::size_t(i)]);
  return v;
}

void schreibeZahl(std::string& aus, std::uint32_t v) {
  while (v >= 0x80) {
    aus.push_back(static_cast<char>((v & 0x7F) | 0x80));
    v >>= 7;
  }
  aus.push_back(static_cast<char>(v));
}

// An unsigned LEB128 number of at most 32 bits; false when it runs past the
// end or is longer.
bool liesZahl(std::string_view d, std::size_t& pos, std::uint32_t& v) {
  v = 0;
  for (int schritt = 0; schritt < 5; ++schritt) {
    if (pos >= d.size()) return false;
    const auto b = static_cast<unsigned char>(d[pos++]);
    if (schritt == 4 && b > 0x0F) return false;
    v |= std::uint32_t(b & 0x7F) << (7 * schritt);
    if ((b & 0x80) == 0) return true;
  }
  return false;
}

std::uint32_t pruefsumme(std::string_view d) {
  uLong crc = crc32(0L, Z_NULL, 0);
  // zlib takes lengths as uInt; feed large payloads in pieces.
  while (!d.empty()) {
    const std::size_t stueck = std::min<std::size_t>(d.size(), 1u << 30);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(d.data()), static_cast<uInt>(stueck));
    d.remove_prefix(stueck);
  }
  return static_cast<std::uint32_t>(crc);
}

class Schluesselstrom {
 public:
  explicit Schluesselstrom(std::uint32_t schluessel) : zustand_(schluessel ^ 0x9E3779B9u) {
    if (zustand_ == 0) zustand_ = 0x9E3779B9u;
  }
  std::uint32_t naechster() {
    zustand_ ^= zustand_ << 13;
    zustand_ ^= zustand_ >> 17;
    zustand_ ^= zustand_ << 5;
    return zustand_;
  }

 private:
  std::uint32_t zustand_;
};

unsigned char rotiereLinks(unsigned char b, unsigned n) {
  return static_cast<unsigned char>(((b << n) | (b >> ((8 - n) & 7))) & 0xFF);
}
unsigned char rotiereRechts(unsigned char b, unsigned n) {
  return static_cast<unsigned char>(((b >> n) | (b << ((8 - n) & 7))) & 0xFF);
}

void verschluesseleIn(std::string& d, std::size_t ab, std::uint32_t schluessel) {
  Schluesselstrom strom(schluessel);
  for (std::size_t i = ab; i < d.size(); ++i) {
    const std::uint32_t s = strom.naechster();
    d[i] = static_cast<char>(rotiereLinks(static_cast<unsigned char>(d[i]) ^ (s & 0xFF), (s >> 8) & 7));
  }
}

std::string entschluesselt(std::string_view d, std::uint32_t schluessel) {
  std::string klar(d);
  Schluesselstrom strom(schluessel);
  for (char& c : klar) {
    const std::uint32_t s = strom.naechster();
    c = static_cast<char>(rotiereRechts(static_cast<unsigned char>(c), (s >> 8) & 7) ^ (s & 0xFF));
  }
  return klar;
}

std::optional<fs::path> findeOhneGross(const fs::path& pfad) {
  std::error_code ec;
  if (fs::exists(pfad, ec)) return pfad;
  const fs::path ordner = pfad.has_parent_path() ? pfad.parent_path() : fs::path(".");
  const std::string gesucht = pfad.filename().string();
  std::size_t gesehen = 0;
  for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
    if (++gesehen > HoechsteOrdnereintraege) break;
    if (gleichInKleinschrift(it->path().filename().string(), gesucht)) return it->path();
  }
  return std::nullopt;
}

}  // namespace

std::string verpacke(std::string_view nutzlast, std::uint32_t anzahl) {
  const std::uint32_t summe = pruefsumme(nutzlast);
  const std::uint32_t schluessel = summe * 2654435761u + anzahl;

  std::string datei(Kennung);
  datei.push_back(static_cast<char>(Version & 0xFF));
  datei.push_back(static_cast<char>(Version >> 8));
  datei.append(2, '\0');
  schreibe32(datei, schluessel);
  schreibe32(datei, anzahl);
  schreibe32(datei, static_cast<std::uint32_t>(nutzlast.size()));
  schreibe32(datei, summe);
  datei.append(nutzlast);
  verschluesseleIn(datei, Kopfgroesse, schluessel);
  return datei;
}

std::string verschluessele(const Tokenprogramm& programm) {
  std::string nutzlast;
  for (std::size_t i = 0; i < programm.laenge(); ++i) {
    const std::string_view t = programm.text(i);
    schreibeZahl(nutzlast, programm.zeile(i));
    schreibeZahl(nutzlast, programm.spalte(i));
    schreibeZahl(nutzlast, static_cast<std::uint32_t>(t.size()));
    nutzlast.append(t);
  }
  return verpacke(nutzlast, static_cast<std::uint32_t>(programm.laenge()));
}

std::optional<Tokenprogramm> entschluessele(std::string_view bytes) {
  if (bytes.size() < Kopfgroesse || bytes.size() > HoechsteMakrodateigroesse) return std::nullopt;
  if (bytes.substr(0, 4) != Kennung) return std::nullopt;
  const auto version =
      static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[4]) | (static_cast<unsigned char>(bytes[5]) << 8));
  if (version != Version || bytes[6] != '\0' || bytes[7] != '\0') return std::nullopt;
  const std::uint32_t schluessel = lies32(bytes, 8);
  const std::uint32_t anzahl = lies32(bytes, 12);
  const std::uint32_t laenge = lies32(bytes, 16);
  const std::uint32_t summe = lies32(bytes, 20);
  if (laenge != bytes.size() - Kopfgroesse || anzahl > laenge / KleinsterToken) return std::nullopt;

  const std::string klar = entschluesselt(bytes.substr(Kopfgroesse), schluessel);
  if (pruefsumme(klar) != summe) return std::nullopt;

  Tokenprogramm programm;
  std::size_t pos = 0;
  for (std::uint32_t i = 0; i < anzahl; ++i) {
    std::uint32_t zeile = 0;
    std::uint32_t spalte = 0;
    std::uint32_t n = 0;
    if (!liesZahl(klar, pos, zeile) || !liesZahl(klar, pos, spalte) || !liesZahl(klar, pos, n)) return std::nullopt;
    if (n > klar.size() - pos) return std::nullopt;
    // Tokens are UTF-8 inside the program; a foreign byte must not reach the
    // editor or a file as a broken sequence.
    programm.fuegeAn(alsUtf8(std::string_view(klar).substr(pos, n)), zeile, spalte);
    pos += n;
  }
  if (pos != klar.size() || !programm.abgeschlossen()) return std::nullopt;
  return programm;
}

std::string mitMakroendung(std::string_view name) {
  std::string n(name);
  if (fs::path(n).extension().empty()) n.append(Makroendung);
  return n;
}

Makroleseergebnis leseMakrodatei(const fs::path& pfad) {
  Makroleseergebnis ergebnis;
  const std::optional<fs::path> gefunden = findeOhneGross(pfad);
  if (!gefunden) return ergebnis;
  ergebnis.pfad = *gefunden;
  Leseergebnis gelesen = leseDateiBegrenzt(*gefunden, HoechsteMakrodateigroesse);
  if (gelesen.status == Lesestatus::Fehlt) return ergebnis;
  ergebnis.status = Makrolesestatus::KeinMakro;
  if (gelesen.status != Lesestatus::Gelesen) return ergebnis;
  std::optional<Tokenprogramm> programm = entschluessele(gelesen.inhalt);
  if (!programm) return ergebnis;
  ergebnis.status = Makrolesestatus::Gelesen;
  ergebnis.programm = std::move(*programm);
  return ergebnis;
}

bool schreibeMakrodatei(const fs::path& pfad, const Tokenprogramm& programm, std::string* fehler) {
  try {
    const std::string datei = verschluessele(programm);
    // A file the reader would refuse is not written at all.
    if (datei.size() > HoechsteMakrodateigroesse) {
      if (fehler) *fehler = "Das Makro ist zu groß für eine Makrodatei.";
      return false;
    }
    return schreibeDateiAtomar(pfad, datei, fehler);
  } catch (const std::bad_alloc&) {
    if (fehler) *fehler = "Zu wenig Arbeitsspeicher";
    return false;
  }
}

}  // namespace quarzel
