#include "settings/einstellungen.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "base/zahlformat.h"

namespace quarzel {

namespace {

constexpr Farbe kGroessteFarbe = 0xFFFFFF;

// Reads one key into a field; the field holds the default when it is called.
class Leser {
 public:
  Leser(const IniDatei& ini, std::string_view sektion) : ini_(ini), sektion_(sektion) {}

  void operator()(std::string_view s, bool& w) const { w = ini_.leseBool(sektion_, s, w); }
  void operator()(std::string_view s, int& w) const { w = ini_.leseGanzzahl(sektion_, s, w); }
  void operator()(std::string_view s, double& w) const { w = ini_.leseZahl(sektion_, s, w); }
  void operator()(std::string_view s, std::string& w) const { w = ini_.leseText(sektion_, s, w); }
  void operator()(std::string_view s, Farbe& w) const {
    const auto text = ini_.wert(sektion_, s);
    if (text) w = farbe(*text).value_or(w);
  }
  // Lists of fixed length: entry i of the file fills slot i, a missing or
  // unreadable entry keeps the slot's default, surplus entries are ignored.
  void operator()(std::string_view s, std::span<int> w) const {
    liste(s, w, [](const std::string& t) { return t.empty() ? std::nullopt : leseInt(t); });
  }
  void operator()(std::string_view s, std::span<double> w) const {
    liste(s, w, [](const std::string& t) { return t.empty() ? std::nullopt : leseZahl(t); });
  }
  void operator()(std::string_view s, std::span<Farbe> w) const {
    liste(s, w, [](const std::string& t) { return farbe(t); });
  }

 private:
  static std::optional<Farbe> farbe(std::string_view text) {
    const auto zahl = leseGanzzahl(text);
    if (!zahl || text.find_first_not_of(" \t") == text.npos || *zahl < 0 || *zahl > kGroessteFarbe) {
      return std::nullopt;
    }
    return Farbe(*zahl);
  }

  template <class T, class Umwandlung>
  void liste(std::string_view s, std::span<T> w, Umwandlung umwandeln) const {
    const auto eintraege = ini_.leseListe(sektion_, s);
    const std::size_t n = std::min(eintraege.size(), w.size());
    for (std::size_t i = 0; i < n; ++i) {
      if (const auto wert = umwandeln(eintraege[i])) w[i] = *wert;
    }
  }

  const IniDatei& ini_;
  std::string_view sektion_;
};

class Schreiber {
 public:
  Schreiber(IniDatei& ini, std::string_view sektion) : ini_(ini), sektion_(sektion) {}

  void operator()(std::string_view s, const bool& w) const { ini_.schreibeBool(sektion_, s, w); }
  void operator()(std::string_view s, const int& w) const { ini_.schreibeGanzzahl(sektion_, s, w); }
  void operator()(std::string_view s, const double& w) const { ini_.schreibeZahl(sektion_, s, w); }
  void operator()(std::string_view s, const std::string& w) const { ini_.schreibeText(sektion_, s, w); }
  void operator()(std::string_view s, const Farbe& w) const { ini_.schreibeGanzzahl(sektion_, s, w & kGroessteFarbe); }
  void operator()(std::string_view s, std::span<const int> w) const {
    liste(s, w, [](int x) { return std::to_string(x); });
  }
  void operator()(std::string_view s, std::span<const double> w) const {
    liste(s, w, [](double x) { return schreibeZahl(x); });
  }
  void operator()(std::string_view s, std::span<const Farbe> w) const {
    liste(s, w, [](Farbe x) { return std::to_string(x & kGroessteFarbe); });
  }

 private:
  template <class T, class Umwandlung>
  void liste(std::string_view s, std::span<const T> w, Umwandlung umwandeln) const {
    std::vector<std::string> texte;
    for (const T& x : w) texte.push_back(umwandeln(x));
    ini_.schreibeListe(sektion_, s, texte);
  }

  IniDatei& ini_;
  std::string_view sektion_;
};

template <class T>
void leseAbschnitt(T& t, const IniDatei& ini) {
  t = T{};
  T::felder(t, Leser(ini, T::kSektion));
}

template <class T>
void schreibeAbschnitt(const T& t, IniDatei& ini) {
  T::felder(t, Schreiber(ini, T::kSektion));
}

// A value outside its sensible range falls back to the default.
template <class W, class Bedingung>
void nurWenn(W& wert, const W& vorgabe, Bedingung gueltig) {
  if (!gueltig(wert)) wert = vorgabe;
}

bool positiv(double x) {
  return x > 0;
}

}  // namespace

namespace einstellung {

// Sections without checks of their own.
#define QUARZEL_EINFACHER_ABSCHNITT(Name)    \
  void Name::lese(const IniDatei& ini) {     \
    leseAbschnitt(*this, ini);               \
  }                                          \
  void Name::schreibe(IniDatei& ini) const { \
    schreibeAbschnitt(*this, ini);           \
  }

QUARZEL_EINFACHER_ABSCHNITT(Stifte)
QUARZEL_EINFACHER_ABSCHNITT(Daemmung)
QUARZEL_EINFACHER_ABSCHNITT(Kreise)
QUARZEL_EINFACHER_ABSCHNITT(Rand)
QUARZEL_EINFACHER_ABSCHNITT(Importdialog)
QUARZEL_EINFACHER_ABSCHNITT(Ansicht)
QUARZEL_EINFACHER_ABSCHNITT(Symbolkatalog)
QUARZEL_EINFACHER_ABSCHNITT(Gruppen)
QUARZEL_EINFACHER_ABSCHNITT(Schutz)
QUARZEL_EINFACHER_ABSCHNITT(Updates)
QUARZEL_EINFACHER_ABSCHNITT(Darstellung)
QUARZEL_EINFACHER_ABSCHNITT(Werkzeugeinstellungen)
QUARZEL_EINFACHER_ABSCHNITT(Vermassung)
QUARZEL_EINFACHER_ABSCHNITT(Speichern)
QUARZEL_EINFACHER_ABSCHNITT(PlaExport)
QUARZEL_EINFACHER_ABSCHNITT(FreihandLinien)
QUARZEL_EINFACHER_ABSCHNITT(Hilfslinien)
QUARZEL_EINFACHER_ABSCHNITT(Graueinstellungen)
QUARZEL_EINFACHER_ABSCHNITT(Mehrfachlinien)
QUARZEL_EINFACHER_ABSCHNITT(BitmapSpeichern)
QUARZEL_EINFACHER_ABSCHNITT(Standardpfade)
QUARZEL_EINFACHER_ABSCHNITT(ImportSkalierung)
QUARZEL_EINFACHER_ABSCHNITT(Dateien)
QUARZEL_EINFACHER_ABSCHNITT(Clipboard)
QUARZEL_EINFACHER_ABSCHNITT(EbeneAktivieren)

#undef QUARZEL_EINFACHER_ABSCHNITT

template <const char* Name>
void Markerabschnitt<Name>::lese(const IniDatei& ini) {
  leseAbschnitt(*this, ini);
}
template <const char* Name>
void Markerabschnitt<Name>::schreibe(IniDatei& ini) const {
  schreibeAbschnitt(*this, ini);
}
template struct Markerabschnitt<kMarkerSektion>;
template struct Markerabschnitt<kHilfsmarkerSektion>;

void Projektoptionen::lese(const IniDatei& ini) {
  leseAbschnitt(*this, ini);
  const Projektoptionen v;
  // The sheet is centred in a world of 10000 x 10000 mm. A 0 stays: the
  // start-up turns it into the A4 landscape side.
  const auto passtInDieWelt = [](double x) { return x >= 0 && x <= 10000; };
  nurWenn(blattBreite, v.blattBreite, passtInDieWelt);
  nurWenn(blattHoehe, v.blattHoehe, passtInDieWelt);
  nurWenn(massstab, v.massstab, positiv);
  // A unit that cannot convert becomes "m" as a whole: code, factor and name
  // belong together.
  if (!positiv(faktor) || einheit < 1 || einheit > 8) {
    einheit = v.einheit;
    faktor = v.faktor;
    einheitenname = v.einheitenname;
  }
}

void Projektoptionen::schreibe(IniDatei& ini) const {
  schreibeAbschnitt(*this, ini);
}

void Stiftbreiten::lese(const IniDatei& ini) {
  leseAbschnitt(*this, ini);
  const auto vorgabe = vorgabeBreiten();
  for (int n = 1; n < kStifte; ++n) nurWenn(breite[n], vorgabe[n], [](double b) { return b >= 0 && b <= 10; });
}

void Stiftbreiten::schreibe(IniDatei& ini) const {
  schreibeAbschnitt(*this, ini);
  ini.schreibeZahl(kSektion, "StiftBreite0", 0);
}

void Texteinstellungen::lese(const IniDatei& ini) {
  leseAbschnitt(*this, ini);
  nurWenn(defTextHeigth, Texteinstellungen{}.defTextHeigth, positiv);
  nurWenn(defTextWinkel, 0.0, [](double w) { return w >= -360 && w <= 360; });
}

void Texteinstellungen::schreibe(IniDatei& ini) const {
  schreibeAbschnitt(*this, ini);
}

void Zoom::lese(const IniDatei& ini) {
  leseAbschnitt(*this, ini);
  nurWenn(mausradfaktor, Zoom{}.mausradfaktor, positiv);
}

void Zoom::schreibe(IniDatei& ini) const {
  schreibeAbschnitt(*this, ini);
}

void Zeichenhilfen::lese(const IniDatei& ini) {
  leseAbschnitt(*this, ini);
  const Zeichenhilfen v;
  // A grid or angle step of 0 would make grid drawing and angle snapping loop
  // without end.
  nurWenn(rasterabstand, v.rasterabstand, positiv);
  nurWenn(yRasterabstand, v.yRasterabstand, positiv);
  nurWenn(schrittweite, v.schrittweite, positiv);
  nurWenn(fangradius, v.fangradius, [](int r) { return r >= 1 && r <= 20; });
}

void Zeichenhilfen::schreibe(IniDatei& ini) const {
  schreibeAbschnitt(*this, ini);
}

void Drucken::lese(const IniDatei& ini) {
  leseAbschnitt(*this, ini);
  const Drucken v;
  const auto auswahl = [](int i) { return i >= 0 && i <= 2; };
  nurWenn(funktion, v.funktion, auswahl);
  nurWenn(segmente, v.segmente, auswahl);
}

void Drucken::schreibe(IniDatei& ini) const {
  schreibeAbschnitt(*this, ini);
}

void Undoschritte::lese(const IniDatei& ini) {
  leseAbschnitt(*this, ini);
  nurWenn(anzahl, Undoschritte{}.anzahl, [](int a) { return a > 0; });
}

void Undoschritte::schreibe(IniDatei& ini) const {
  schreibeAbschnitt(*this, ini);
}

Farbe darstellungsfarbe(int wahl, Farbgebrauch gebrauch) {
  switch (wahl) {
    case 0:
      return rgb(255, 0, 0);
    case 1:
      return gebrauch == Farbgebrauch::Marke ? rgb(0, 160, 0) : rgb(0, 255, 0);
    case 2:
      return rgb(0, 0, 255);
    default:
      return rgb(0, 0, 0);
  }
}

}  // namespace einstellung

void Einstellungen::lese(const IniDatei& ini) {
  abschnitte(*this, [&](auto& abschnitt) { abschnitt.lese(ini); });
}

void Einstellungen::schreibe(IniDatei& ini) const {
  abschnitte(*this, [&](const auto& abschnitt) { abschnitt.schreibe(ini); });
}

}  // namespace quarzel
