#include "store/zeichnungsinfo.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

#include "base/zahlformat.h"
#include "store/statistik.h"

namespace quarzel {

namespace {

// Columns are counted in characters, not bytes: "Bögen" is five wide.
std::size_t breite(std::string_view utf8) {
  return std::size_t(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string links(std::string_view text, std::size_t spalte) {
  std::string s(text);
  s.append(spalte > breite(text) ? spalte - breite(text) : 0, ' ');
  return s;
}

std::string rechts(std::string_view text, std::size_t spalte) {
  return std::string(spalte > breite(text) ? spalte - breite(text) : 0, ' ') + std::string(text);
}

// Names come from the file: a line break or other control character in one
// must not break the layout of the report.
std::string lesbar(std::string_view name) {
  std::string s(name);
  for (char& c : s) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) c = '?';
  }
  return s;
}

void statistiktabelle(std::ostringstream& aus, const Statistik& statistik) {
  std::size_t namensspalte = 0;
  for (const Statistikzeile& z : statistik) namensspalte = std::max(namensspalte, breite(z.name));
  std::array<std::size_t, 3> spalten{};
  for (std::size_t i = 0; i < spalten.size(); ++i) spalten[i] = breite(StatistikSpalten[i]);
  for (const Statistikzeile& z : statistik) {
    const std::int64_t werte[] = {z.zeichnung, z.undoRedo, z.gesamt()};
    for (std::size_t i = 0; i < spalten.size(); ++i) spalten[i] = std::max(spalten[i], std::to_string(werte[i]).size());
  }
  aus << links("", namensspalte);
  for (std::size_t i = 0; i < spalten.size(); ++i) aus << "  " << rechts(StatistikSpalten[i], spalten[i]);
  aus << '\n';
  for (const Statistikzeile& z : statistik) {
    const std::int64_t werte[] = {z.zeichnung, z.undoRedo, z.gesamt()};
    aus << links(z.name, namensspalte);
    for (std::size_t i = 0; i < spalten.size(); ++i) aus << "  " << rechts(std::to_string(werte[i]), spalten[i]);
    aus << '\n';
  }
}

void ebenentabelle(std::ostringstream& aus, const Ebenen& ebenen) {
  aus << "Ebenen (aktiv: " << int(ebenen.aktiveEbene()) << " / " << int(ebenen.aktiveFolie()) << ")\n";
  std::size_t namensspalte = 0;
  for (int e = 1; e <= ebenen.anzahl(); ++e) namensspalte = std::max(namensspalte, breite(lesbar(ebenen.name(e))));
  for (int e = 1; e <= ebenen.anzahl(); ++e) {
    aus << rechts(std::to_string(e), 5) << "  " << links(lesbar(ebenen.name(e)), namensspalte) << "  "
        << massstabText(ebenen.massstab(e)) << '\n';
    for (int f = 1; f <= ebenen.folienanzahl(e); ++f) {
      aus << rechts(std::to_string(f), 12) << "  " << lesbar(ebenen.folienname(e, f)) << '\n';
    }
  }
}

}  // namespace

std::string massstabText(double nenner) {
  if (nenner == 0) return "Zeichnungsmaßstab";
  std::string zahl = schreibeZahl(nenner);
  std::replace(zahl.begin(), zahl.end(), '.', ',');
  return "M 1:" + zahl;
}

std::string zeichnungsinfo(const std::string& pfad, const Zeichnung& zeichnung, const Ladeergebnis& geladen) {
  std::ostringstream aus;
  const auto zeile = [&aus](std::string_view name, const std::string& wert) { aus << links(name, 19) << wert << '\n'; };
  zeile("Datei:", pfad);
  zeile("Signatur:", geladen.signatur + (geladen.vsVariante ? " (VS-Variante)" : ""));
  zeile("Version:", std::to_string(geladen.version));
  zeile("Blatt:",
        std::to_string(zeichnung.ansicht.sheetWidth) + " x " + std::to_string(zeichnung.ansicht.sheetHeight) + " mm");
  zeile("Zeichnungsmaßstab:", massstabText(zeichnung.ansicht.drawingScale));
  if (!zeichnung.optionen.titel.empty()) zeile("Titel:", lesbar(zeichnung.optionen.titel));
  if (geladen.verworfeneSaetze > 0) zeile("Defekte Datensätze:", std::to_string(geladen.verworfeneSaetze));
  if (geladen.defekteGruppen > 0) zeile("Defekte Gruppen:", std::to_string(geladen.defekteGruppen));
  if (geladen.abgebrochen) zeile("Hinweis:", "Laden abgebrochen");
  aus << '\n';
  statistiktabelle(aus, zeichnungsstatistik(zeichnung.speicher));
  aus << '\n';
  ebenentabelle(aus, zeichnung.ebenen);
  return aus.str();
}

std::optional<std::string> zeichnungsinfoAusDatei(const std::string& pfad, Benutzer& benutzer) {
  Zeichnung zeichnung;
  Ladeoptionen optionen;
  // Whether hatch definitions are missing depends on the installation that
  // shows the drawing, not on the file; the report leaves that question out.
  optionen.schraffurBekannt = [](const std::string&) { return true; };
  const Ladeergebnis geladen = ladeZeichnung(pfad, zeichnung, benutzer, optionen);
  meldeLadehinweise(geladen, benutzer);
  if (!geladen.geladen) return std::nullopt;
  return zeichnungsinfo(pfad, zeichnung, geladen);
}

std::string symbolinfo(const std::string& pfad, const Symbolladeergebnis& geladen, const Symbolinformationen& info) {
  std::ostringstream aus;
  const auto zeile = [&aus](std::string_view name, const std::string& wert) { aus << links(name, 20) << wert << '\n'; };
  const Symbol& symbol = *geladen.symbol;
  zeile("Datei:", pfad);
  zeile("Signatur:", lesbar(symbol.kopf.signatur));
  zeile("Symbolmaßstab:", symbol.kopf.massstab > 0 ? massstabText(symbol.kopf.massstab) : "keiner");
  zeile("Vorschau:", symbol.kopf.vorschau.empty() ? "keine" : std::to_string(symbol.kopf.vorschau.size()) + " Bytes");
  if (geladen.verworfeneSaetze > 0) zeile("Defekte Datensätze:", std::to_string(geladen.verworfeneSaetze));
  if (geladen.defekteGruppen > 0) zeile("Defekte Gruppen:", std::to_string(geladen.defekteGruppen));
  aus << '\n';
  statistiktabelle(aus, zeichnungsstatistik(symbol.zeichnung.speicher));
  aus << "\nSymbolinformationen\n";
  const std::string* werte[] = {&info.bezeichnung, &info.beschreibung, &info.material, &info.gewicht, &info.preis};
  for (std::size_t i = 0; i < kSymbolinformationsfelder.size(); ++i)
    zeile("  " + std::string(kSymbolinformationsfelder[i]), lesbar(*werte[i]));
  return aus.str();
}

std::optional<std::string> symbolinfoAusDatei(const std::string& pfad, Benutzer& benutzer) {
  const Symbolladeergebnis geladen = ladeSymbol(pfad, benutzer);
  if (!geladen.symbol) {
    benutzer.meldung(geladen.fehler, Meldungsart::Fehler);
    return std::nullopt;
  }
  for (const Ladehinweis& h : geladen.hinweise) benutzer.meldung(h.text, h.art);
  return symbolinfo(pfad, geladen, leseSymbolinformationen(pfad));
}

}  // namespace quarzel
