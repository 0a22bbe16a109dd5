#include "ui/window/textbefehle.h"

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cctype>

#include "ui/dialogs/textdialog.h"
#include "ui/window/sitzung.h"

namespace quarzel {

namespace {

constexpr std::size_t kLaengstesKuerzel = 3;

// Only font, height and angle: the rest of the section stays as the file has it.
void merke(Sitzung& s, const Textangaben& a) {
  einstellung::Texteinstellungen& t = s.einstellungen.texteinstellungen;
  if (t.defFontName == a.schrift && t.defTextHeigth == a.hoehe && t.defTextWinkel == a.winkel) return;
  t.defFontName = a.schrift;
  t.defTextHeigth = a.hoehe;
  t.defTextWinkel = a.winkel;
  s.konfiguration.schreibe([&t](IniDatei& ini) {
    einstellung::Texteinstellungen abschnitt;
    abschnitt.lese(ini);
    abschnitt.defFontName = t.defFontName;
    abschnitt.defTextHeigth = t.defTextHeigth;
    abschnitt.defTextWinkel = t.defTextWinkel;
    abschnitt.schreibe(ini);
  });
}

}  // namespace

std::string kuerzelAus(const std::string& name) {
  std::string k;
  bool wortanfang = true;
  for (char c : name) {
    const bool buchstabe = std::isalpha(static_cast<unsigned char>(c)) != 0;
    if (buchstabe && wortanfang && k.size() < kLaengstesKuerzel)
      k += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    wortanfang = !buchstabe;
  }
  // One word: its first two letters ("meier" -> "ME").
  if (k.size() == 1) {
    std::string buchstaben;
    for (char c : name)
      if (std::isalpha(static_cast<unsigned char>(c)) != 0)
        buchstaben += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    k = buchstaben.substr(0, 2);
  }
  return k;
}

void textbefehleAnschliessen(Sitzung& sitzung, QWidget& fenster, std::function<void()> geaendert) {
  Textwerkzeuge& t = sitzung.werkzeuge.texte;
  const einstellung::Texteinstellungen& e = sitzung.einstellungen.texteinstellungen;
  t.letzte.schrift = e.defFontName;
  t.letzte.hoehe = e.defTextHeigth;
  t.letzte.winkel = e.defTextWinkel;
  t.hinweispfeil = static_cast<std::uint8_t>(std::clamp(sitzung.einstellungen.stifte.hinweispfeil, 0, 255));
  QString name = qEnvironmentVariable("USER");
  if (name.isEmpty()) name = qEnvironmentVariable("USERNAME");
  t.kuerzel = kuerzelAus(name.toStdString());

  Sitzung* s = &sitzung;
  QWidget* f = &fenster;
  t.abfragen = [s, f](Werkzeugcode, const Textangaben& vorschlag) {
    std::optional<Textangaben> a = Textdialog::frage(vorschlag, f);
    if (a) merke(*s, *a);
    return a;
  };
  sitzung.werkzeuge.markier.elementDoppelklick = [s, f, geaendert](std::int32_t n) {
    Elementspeicher& sp = s->zeichnung.speicher;
    if (sp.art(n) != Elementart::Text && sp.art(n) != Elementart::Kommentar) return;
    const std::optional<Textangaben> a = Textdialog::frage(textangabenAus(sp.text(n)), f);
    if (a && aendereText(s->zeichnung, n, *a)) {
      merke(*s, *a);
      if (geaendert) geaendert();
    }
  };
}

}  // namespace quarzel
