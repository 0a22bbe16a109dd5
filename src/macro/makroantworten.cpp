#include "macro/makroantworten.h"

#include <fstream>
#include <ostream>

#include "base/textkodierung.h"
#include "macro/makrointeraktion.h"
#include "macro/makrointerpreter.h"
#include "macro/makrowerte.h"
#include "macro/schreibweise.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

constexpr std::string_view Abbruch = "<Abbruch>";

std::vector<double> zahlen(std::string_view text) {
  std::vector<double> z;
  std::size_t anfang = 0;
  while (true) {
    const std::size_t ende = text.find(';', anfang);
    const auto wert = liesMakrowert(text.substr(anfang, ende == std::string_view::npos ? text.npos : ende - anfang));
    if (!wert) return {};
    z.push_back(*wert);
    if (ende == std::string_view::npos) return z;
    anfang = ende + 1;
  }
}

std::string_view ohneRand(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
  return t;
}

}  // namespace

Makroantworten::Makroantworten(std::vector<std::string> zeilen, std::filesystem::path ordner, std::ostream* ausgabe,
                               std::ostream* fehlerausgabe)
    : zeilen_(std::move(zeilen)), ordner_(std::move(ordner)), ausgabe_(ausgabe), fehlerausgabe_(fehlerausgabe) {}

Makroantworten Makroantworten::ohneAntworten(std::ostream* ausgabe, std::ostream* fehlerausgabe) {
  Makroantworten a({}, {}, ausgabe, fehlerausgabe);
  a.ohneDatei_ = true;
  return a;
}

std::size_t Makroantworten::unbenutzteZeilen() const {
  std::size_t n = 0;
  for (std::size_t i = naechste_; i < zeilen_.size(); ++i)
    if (!zeilen_[i].starts_with('#')) ++n;
  return n;
}

std::string Makroantworten::makrozeile() const {
  if (!lauf_ || lauf_->befehlszaehler() >= lauf_->programm().laenge()) return "?";
  return std::to_string(lauf_->programm().zeile(lauf_->befehlszaehler()) + 1);
}

void Makroantworten::brichAb(std::string meldung) {
  if (!fehler_) fehler_ = std::move(meldung);
  if (lauf_) lauf_->stoppe();
}

std::optional<std::string> Makroantworten::naechste(std::string_view wort) {
  if (fehler_) return std::nullopt;
  while (naechste_ < zeilen_.size() && zeilen_[naechste_].starts_with('#')) ++naechste_;
  if (naechste_ >= zeilen_.size()) {
    const std::string wo = std::string(wort) + " in Makrozeile " + makrozeile();
    if (ohneDatei_) {
      brichAb(wo + " fragt den Benutzer; ohne Antwortdatei (--answers DATEI) kann quarzel-cli nicht antworten.");
    } else {
      brichAb("Für " + wo + " fehlt eine Antwort: die Antwortdatei ist nach " + std::to_string(zeilen_.size()) +
              " Zeilen zu Ende.");
    }
    return std::nullopt;
  }
  antwortzeile_ = naechste_ + 1;
  return zeilen_[naechste_++];
}

void Makroantworten::passtNicht(std::string_view wort, std::string_view erwartet, std::string_view gefunden) {
  brichAb("Antwortzeile " + std::to_string(antwortzeile_) + " passt nicht zu " + std::string(wort) + " in Makrozeile " +
          makrozeile() + ": erwartet wird " + std::string(erwartet) + ", gefunden \"" + std::string(gefunden) + "\".");
}

void Makroantworten::warnung(std::string_view text) {
  meldungen.emplace_back(text);
  if (fehlerausgabe_) *fehlerausgabe_ << "Warnung: " << text << '\n';
}

void Makroantworten::information(std::string_view text) {
  meldungen.emplace_back(text);
  if (ausgabe_) *ausgabe_ << text << '\n';
}

void Makroantworten::infobox(std::string_view text, const std::string& bild) {
  meldungen.emplace_back(text);
  if (ausgabe_) *ausgabe_ << text << (bild.empty() ? "" : " [" + bild + "]") << '\n';
}

void Makroantworten::zeigeHinweis(std::string_view text) {
  meldungen.emplace_back(text);
  if (ausgabe_) *ausgabe_ << "Hinweis: " << text << '\n';
}

bool Makroantworten::frage(std::string_view text) {
  meldungen.emplace_back(text);
  const auto a = naechste("QUESTION");
  if (!a) return false;
  const std::string klein = kleinschreibung(ohneRand(*a));
  if (klein == "ja") return true;
  if (klein != "nein") passtNicht("QUESTION", "\"Ja\" oder \"Nein\"", *a);
  return false;
}

std::optional<std::string> Makroantworten::eingabe(std::string_view) {
  auto a = naechste("INPUT");
  if (!a || *a == Abbruch) return std::nullopt;
  return a;
}

std::optional<std::string> Makroantworten::waehleDatei(std::string_view, std::string_view, const std::string&, bool) {
  const auto a = naechste("FILEOPEN");
  if (!a || *a == Abbruch) return std::nullopt;
  if (a->empty()) {
    passtNicht("FILEOPEN", "ein Dateiname", *a);
    return std::nullopt;
  }
  std::filesystem::path pfad(*a);
  if (pfad.is_relative() && !ordner_.empty()) pfad = ordner_ / pfad;
  return pfad.string();
}

Dialogergebnis Makroantworten::zeigeDialog(Makrodialog& dialog) {
  const std::string_view wort = "ENDDIALOG";
  while (true) {
    const auto a = naechste(wort);
    if (!a) return {};
    const std::string_view zeile = ohneRand(*a);
    if (kleinschreibung(zeile.substr(0, 6)) == "knopf ") {
      const auto n = liesGanzzahl(zeile.substr(6));
      if (n && (*n == 0 || dialog.finde(Steuerelementart::Button, static_cast<int>(*n)))) {
        return {static_cast<int>(*n)};
      }
      passtNicht(wort, "\"knopf N\" mit einem Knopf des Dialogs", *a);
      return {};
    }
    const std::size_t blank = zeile.find(' ');
    const std::size_t gleich = zeile.find('=');
    const auto art = blank < gleich ? steuerelementartAus(zeile.substr(0, blank)) : std::nullopt;
    const auto n = art ? liesGanzzahl(zeile.substr(blank + 1, gleich - blank - 1)) : std::nullopt;
    Steuerelement* e = n ? dialog.finde(*art, static_cast<int>(*n)) : nullptr;
    if (!e) {
      passtNicht(wort, "\"art nummer=wert\" für ein Element des Dialogs oder \"knopf N\"", *a);
      return {};
    }
    e->wert = std::string(zeile.substr(gleich + 1));
    e->geaendert = true;
  }
}

std::optional<Cursorantwort> Makroantworten::cursorantwort(const Cursoranfrage& anfrage, const Zeichnung& z) {
  const auto a = naechste(anfrage.wort);
  if (!a) return std::nullopt;
  Cursorantwort antwort;
  if (*a == Abbruch) {
    antwort.abgebrochen = true;
    return antwort;
  }
  const std::vector<double> w = zahlen(ohneRand(*a));
  const double m = z.massstabInKraft();
  switch (anfrage.art) {
    case Cursorart::Rechteck:
      if (w.size() != 4) {
        passtNicht(anfrage.wort, "\"x1;y1;x2;y2\"", *a);
        return std::nullopt;
      }
      antwort.erster = z.ansicht.userToWorld(w[0], w[1], m);
      antwort.punkt = z.ansicht.userToWorld(w[2], w[3], m);
      return antwort;
    case Cursorart::Linie:
    case Cursorart::Bogen:
    case Cursorart::Symbol:
      if (w.size() != 2) {
        passtNicht(anfrage.wort, "\"x;y\" an der Stelle des Elements", *a);
        return std::nullopt;
      }
      antwort.punkt = z.ansicht.userToWorld(w[0], w[1], m);
      if (elementAn) antwort.element = elementAn(antwort.punkt);
      return antwort;
    default:
      if (w.size() != 2 && !(w.size() == 3 && w[2] >= 1 && w[2] <= 3 && w[2] == static_cast<int>(w[2]))) {
        passtNicht(anfrage.wort, "\"x;y\" oder \"x;y;taste\" (taste 1, 2 oder 3)", *a);
        return std::nullopt;
      }
      antwort.punkt = z.ansicht.userToWorld(w[0], w[1], m);
      if (w.size() == 3) antwort.maustaste = static_cast<int>(w[2]);
      return antwort;
  }
}

Laufende Makroantworten::beantworteCursorwoerter(Laufende ende, Makrointeraktion& interaktion, const Zeichnung& z) {
  while (ende == Laufende::Wartet && interaktion.offeneAnfrage()) {
    const std::optional<Cursorantwort> antwort = cursorantwort(*interaktion.offeneAnfrage(), z);
    Cursorantwort abbruch;
    abbruch.abgebrochen = true;
    ende = interaktion.beantworteCursor(antwort ? *antwort : abbruch);
  }
  return ende;
}

std::optional<std::vector<std::string>> leseAntwortdatei(const std::filesystem::path& pfad, std::string& fehler) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(pfad, ec)) {
    fehler = "Die Antwortdatei " + pfad.string() + " wurde nicht gefunden.";
    return std::nullopt;
  }
  const auto groesse = std::filesystem::file_size(pfad, ec);
  if (ec || groesse > Makroantworten::HoechsteDateigroesse) {
    fehler = "Die Antwortdatei " + pfad.string() + " ist zu groß oder nicht lesbar.";
    return std::nullopt;
  }
  std::ifstream datei(pfad, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(groesse), '\0');
  if (!datei.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    fehler = "Die Antwortdatei " + pfad.string() + " konnte nicht gelesen werden.";
    return std::nullopt;
  }
  const std::string text = textdateiNachUtf8(bytes);
  std::vector<std::string> zeilen;
  std::size_t anfang = 0;
  while (anfang < text.size()) {
    std::size_t ende = text.find('\n', anfang);
    if (ende == std::string::npos) ende = text.size();
    std::string zeile = text.substr(anfang, ende - anfang);
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    zeilen.push_back(std::move(zeile));
    anfang = ende + 1;
  }
  return zeilen;
}

}  // namespace quarzel
