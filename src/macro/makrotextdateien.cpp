#include "macro/makrotextdateien.h"

#include "base/textkodierung.h"
#include "macro/makroanschluesse.h"
#include "macro/makrogegenueber.h"
#include "macro/makrostapel.h"
#include "macro/makrowerte.h"

namespace quarzel {

namespace {

Makrofehlerfall fall(Makrofehler code, std::string x = {}) {
  return {code, std::move(x), {}, {}, {}};
}

std::string dateifilter(const std::string& name) {
  const std::string endung = std::filesystem::path(name).extension().string();
  if (endung.empty() || endung == ".*") return "Alle Dateien|*.*";
  return endung + "-Dateien|*" + endung;
}

}  // namespace

std::filesystem::path Makrotextdateien::pfadFuer(const std::string& name) const {
  std::string n = name;
  for (char& c : n)
    if (c == '\\') c = '/';
  const bool ohneOrdner = n.find('/') == std::string::npos;
  if (ohneOrdner || n.starts_with("../")) return makroordner_ / n;
  return n;
}

void Makrotextdateien::schliesseAlle() {
  if (leseOffen_) lesen_.close();
  if (schreibOffen_) schreiben_.close();
  leseOffen_ = schreibOffen_ = false;
}

std::optional<Makrofehlerfall> Makrotextdateien::fuehreAus(Befehl b, Makrostapel& s, Makrogegenueber& gegenueber) {
  switch (b) {
    case Befehl::FILEOPEN:
      return oeffne(s, gegenueber);
    case Befehl::FILEREAD:
      return lies(s);
    case Befehl::FILEWRITE:
      if (!schreibOffen_) return fall(Makrofehler::KeineSchreibdatei);
      schreiben_ << s.oben() << '\n';
      schreiben_.flush();
      s.entferne(1);
      return std::nullopt;
    case Befehl::FILECLOSE: {
      const auto modus = liesGanzzahl(s.oben());
      if (!modus) return fall(Makrofehler::UngueltigerParameter);
      if (*modus != 0) {
        if (!schreibOffen_) return fall(Makrofehler::KeineSchreibdatei);
        schreiben_.close();
        schreibOffen_ = false;
      } else {
        if (!leseOffen_) return fall(Makrofehler::KeineLesedatei);
        lesen_.close();
        leseOffen_ = false;
      }
      s.entferne(1);
      return std::nullopt;
    }
    default:
      return nichtVerfuegbar(b);
  }
}

std::optional<Makrofehlerfall> Makrotextdateien::oeffne(Makrostapel& s, Makrogegenueber& gegenueber) {
  const auto modus = liesGanzzahl(s.oben(0));
  if (!modus) return fall(Makrofehler::UngueltigerParameter);
  const bool schreibend = *modus != 0;
  if (schreibend && schreibOffen_) return fall(Makrofehler::SchreibdateiOffen);
  if (!schreibend && leseOffen_) return fall(Makrofehler::LesedateiOffen);
  const std::string name = s.oben(2);
  const std::string titel = s.oben(1);
  std::filesystem::path pfad;
  if (titel.empty() || titel == " ") {
    pfad = pfadFuer(name);
  } else {
    std::optional<std::string> gewaehlt =
        gegenueber.waehleDatei(titel, dateifilter(name), pfadFuer(name).string(), schreibend);
    if (!gewaehlt) {
      s.entferne(3);  // cancelled: nothing is pushed
      return std::nullopt;
    }
    pfad = *gewaehlt;
  }
  s.entferne(3);
  s.lege(std::string());
  std::error_code fehler;
  if (schreibend) {
    schreiben_.open(pfad, std::ios::binary | std::ios::trunc);
    schreibOffen_ = schreiben_.is_open();
    if (!schreibOffen_) {
      s.oben() = "Error";
      gegenueber.information("Die Datei " + name + " kann nicht geschrieben werden.");
      return std::nullopt;
    }
  } else {
    if (std::filesystem::is_regular_file(pfad, fehler)) lesen_.open(pfad, std::ios::binary);
    leseOffen_ = lesen_.is_open();
    if (!leseOffen_) {
      s.oben() = "Error";
      gegenueber.information("Datei " + name + " nicht gefunden");
      return std::nullopt;
    }
    // A byte-order mark is not part of the first line.
    if (lesen_.peek() == 0xEF) {
      char bom[3] = {};
      lesen_.read(bom, 3);
      if (!(bom[1] == '\xBB' && bom[2] == '\xBF')) lesen_.seekg(0);
    }
  }
  s.oben() = pfad.string();
  return std::nullopt;
}

std::optional<Makrofehlerfall> Makrotextdateien::lies(Makrostapel& s) {
  if (!leseOffen_) return fall(Makrofehler::KeineLesedatei);
  if (!s.hatPlatz()) return fall(Makrofehler::SchwererFehler);
  std::string zeile;
  bool gelesen = false;
  for (int c = lesen_.get(); c != std::char_traits<char>::eof(); c = lesen_.get()) {
    gelesen = true;
    if (c == '\n') break;
    if (c == '\r') {
      if (lesen_.peek() == '\n') lesen_.get();
      break;
    }
    zeile.push_back(static_cast<char>(c));
    if (zeile.size() >= HoechsteZeilenlaenge) break;
  }
  if (!gelesen) {
    lesen_.clear(std::ios::eofbit);
    s.lege("EOF");
    return std::nullopt;
  }
  s.lege(alsUtf8(zeile));
  return std::nullopt;
}

}  // namespace quarzel
