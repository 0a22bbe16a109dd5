#include "store/einstellungssaetze.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "base/textkodierung.h"
#include "store/dateiformat.h"

namespace quarzel::datei {

namespace {

void beginne(Schreibstrom& s, std::uint8_t tag) { s.u8(tag); }

// Angles are kept as floats: a double beyond their range would become
// infinite, and a later save would write a record no reader accepts.
bool alsFloatEndlich(double w) { return std::isfinite(w) && std::fabs(w) <= std::numeric_limits<float>::max(); }
void beende(Schreibstrom& s) { s.marke(); }

// --- "@": the reference point of all coordinates ---------------------------
// Coordinates are written relative to the world origin, so no subtraction can
// round them; readers of older files fall back to the view origin.
void schreibeBezug(Schreibstrom& s, const Zeichnung&) {
  beginne(s, tag::Bezug);
  s.f64(0);
  s.f64(0);
  beende(s);
}
bool leseBezug(Lesestrom& l, Zeichnung&, Lesekontext& k) {
  const double x = l.f64(), y = l.f64();
  if (l.fehler() || !std::isfinite(x) || !std::isfinite(y)) return false;
  k.bezugX = x;
  k.bezugY = y;
  return true;
}

// --- "Q"/"4": named views, "5": one switch byte per view ---------------------
void schreibeAnsichten(Schreibstrom& s, const Zeichnung& z) {
  for (int n = 1; n < Ansichtstabelle::Slotzahl; ++n) {
    if (!z.ansichten.definiert(n)) continue;
    const Ansichtsslot& slot = *z.ansichten.slot(n);
    beginne(s, 'Q');
    s.kurzString(slot.name);
    const std::vector<std::uint8_t> satz = slot.daten.alsBytes();
    s.u32(static_cast<std::uint32_t>(satz.size()));
    s.bytes(satz);
    beende(s);
  }
}
bool leseAnsicht(Lesestrom& l, Zeichnung& z, Lesekontext& k) {
  std::string name = l.kurzString();
  const std::uint32_t laenge = l.u32();
  if (l.fehler() || laenge > l.rest()) return false;
  const std::vector<std::uint8_t> satz = l.bytes(laenge);
  if (k.ansichtenGelesen + 1 >= Ansichtstabelle::Slotzahl) return true;  // more than 60: ignored
  Ansichtsslot& slot = *z.ansichten.slot(++k.ansichtenGelesen);
  slot.name = name.empty() ? Ansichtstabelle::standardname(k.ansichtenGelesen) : std::move(name);
  slot.daten = Ansichtsdaten::ausBytes(satz);
  return true;
}
void schreibeAnsichtsschalter(Schreibstrom& s, const Zeichnung& z) {
  if (z.ansichten.anzahlDefiniert() == 0) return;
  beginne(s, '5');
  for (int n = 1; n < Ansichtstabelle::Slotzahl; ++n)
    if (z.ansichten.definiert(n)) s.u8(z.ansichten.slot(n)->daten.schalter2[0]);
  beende(s);
}
bool leseAnsichtsschalter(Lesestrom& l, Zeichnung& z, Lesekontext& k) {
  for (int n = 1; n <= k.ansichtenGelesen; ++n) z.ansichten.slot(n)->daten.schalter2[0] = l.u8();
  return !l.fehler();
}

// --- Embedded definitions: name, length, bytes ----------------------------------
bool leseEinbettung(Lesestrom& l, std::vector<EingebetteteDatei>& liste) {
  EingebetteteDatei d;
  d.name = l.kurzString();
  const std::uint32_t laenge = l.u32();
  if (l.fehler() || laenge > l.rest() || laenge > HoechsteEinbettung) return false;
  d.daten = l.bytes(laenge);
  liste.push_back(std::move(d));
  return true;
}
void schreibeEinbettungen(Schreibstrom& s, std::uint8_t tag, const std::vector<EingebetteteDatei>& liste) {
  for (const EingebetteteDatei& d : liste) {
    beginne(s, tag);
    s.kurzString(d.name);
    s.u32(static_cast<std::uint32_t>(d.daten.size()));
    s.bytes(d.daten);
    beende(s);
  }
}
void schreibeTexturen(Schreibstrom& s, const Zeichnung& z) { schreibeEinbettungen(s, 'X', z.optionen.texturen); }
bool leseTextur(Lesestrom& l, Zeichnung& z, Lesekontext&) { return leseEinbettung(l, z.optionen.texturen); }
void schreibeSchraffuren(Schreibstrom& s, const Zeichnung& z) { schreibeEinbettungen(s, '=', z.optionen.schraffuren); }
bool leseSchraffur(Lesestrom& l, Zeichnung& z, Lesekontext&) { return leseEinbettung(l, z.optionen.schraffuren); }
void schreibeLinienstile(Schreibstrom& s, const Zeichnung& z) { schreibeEinbettungen(s, 'g', z.optionen.linienstile); }
bool leseLinienstil(Lesestrom& l, Zeichnung& z, Lesekontext&) { return leseEinbettung(l, z.optionen.linienstile); }
void schreibeLinienstile2(Schreibstrom& s, const Zeichnung& z) {
  schreibeEinbettungen(s, 'h', z.optionen.linienstile2);
}
bool leseLinienstil2(Lesestrom& l, Zeichnung& z, Lesekontext&) { return leseEinbettung(l, z.optionen.linienstile2); }

// --- "v"/"t": the bill of materials' data masks and symbol-information files ---
// Both are small ini files; a mask file of megabytes is damage, and a drawing
// needs no more than a few hundred of them.
constexpr std::uint32_t kGroessteListendatei = 1u << 20;
constexpr std::size_t kMeisteListendateien = 4096;

bool leseListendatei(Lesestrom& l, std::vector<EingebetteteDatei>& liste) {
  EingebetteteDatei d;
  d.name = l.kurzString();
  const std::uint32_t laenge = l.u32();
  if (l.fehler() || laenge > l.rest() || laenge > kGroessteListendatei) return false;
  d.daten = l.bytes(laenge);
  if (liste.size() < kMeisteListendateien) liste.push_back(std::move(d));
  return !l.fehler();
}
void schreibeDatenmasken(Schreibstrom& s, const Zeichnung& z) {
  schreibeEinbettungen(s, 'v', z.optionen.datenmasken);
}
bool leseDatenmaske(Lesestrom& l, Zeichnung& z, Lesekontext&) {
  return leseListendatei(l, z.optionen.datenmasken);
}
void schreibeSymbolattributdateien(Schreibstrom& s, const Zeichnung& z) {
  schreibeEinbettungen(s, 't', z.optionen.symbolattributdateien);
}
bool leseSymbolattributdatei(Lesestrom& l, Zeichnung& z, Lesekontext&) {
  return leseListendatei(l, z.optionen.symbolattributdateien);
}

// --- Zero point, grid and angles --------------------------------------------------
void schreibeNullpunkt(Schreibstrom& s, const Zeichnung& z) {
  beginne(s, '0');
  s.f64(z.ansicht.zeroPoint.x);
  s.f64(z.ansicht.zeroPoint.y);
  s.u16(z.optionen.rasterschalter[0]);
  s.u16(z.optionen.rasterschalter[1]);
  s.f64(z.ansicht.gridSpacingX);
  s.f64(z.ansicht.gridSpacingY);
  beende(s);
}
bool leseNullpunkt(Lesestrom& l, Zeichnung& z, Lesekontext&) {
  const double x = l.f64(), y = l.f64();
  const std::uint16_t a = l.u16(), b = l.u16();
  const double rx = l.f64(), ry = l.f64();
  if (l.fehler() || !std::isfinite(x) || !std::isfinite(y)) return false;
  z.ansicht.zeroPoint = {x, y};
  z.optionen.rasterschalter = {a, b};
  if (std::isfinite(rx) && rx > 0) z.ansicht.gridSpacingX = rx;
  if (std::isfinite(ry) && ry > 0) z.ansicht.gridSpacingY = ry;
  return true;
}
void schreibeWinkelraster(Schreibstrom& s, const Zeichnung& z) {
  beginne(s, '>');
  s.u8(z.optionen.winkelraster);
  s.f64(z.optionen.winkelschritt);
  beende(s);
}
bool leseWinkelraster(Lesestrom& l, Zeichnung& z, Lesekontext&) {
  z.optionen.winkelraster = l.u8();
  z.optionen.winkelschritt = l.f64();
  return !l.fehler();
}
void schreibeKoordinatenwinkel(Schreibstrom& s, const Zeichnung& z) {
  beginne(s, 0xA7 /* § */);
  s.f64(z.ansicht.coordAngle);
  beende(s);
}
bool leseKoordinatenwinkel(Lesestrom& l, Zeichnung& z, Lesekontext&) {
  const double w = l.f64();
  if (l.fehler() || !alsFloatEndlich(w)) return false;
  z.ansicht.coordAngle = static_cast<float>(w);
  return true;
}
void schreibeRasterursprung(Schreibstrom& s, const Zeichnung& z) {
  beginne(s, ']');
  s.f64(z.ansicht.gridOrigin.x);
  s.f64(z.ansicht.gridOrigin.y);
  s.f64(z.ansicht.gridAngle);
  beende(s);
}
bool leseRasterursprung(Lesestrom& l, Zeichnung& z, Lesekontext&) {
  const double x = l.f64(), y = l.f64(), w = l.f64();
  if (l.fehler() || !std::isfinite(x) || !std::isfinite(y) || !alsFloatEndlich(w)) return false;
  z.ansicht.gridOrigin = {x, y};
  z.ansicht.gridAngle = static_cast<float>(w);
  return true;
}
void schreibeBlatt(Schreibstrom& s, const Zeichnung& z) {
  beginne(s, '[');
  s.u8(z.optionen.blattnummer);
  s.kurzString(z.optionen.blattname);
  beende(s);
}
bool leseBlatt(Lesestrom& l, Zeichnung& z, Lesekontext&) {
  z.optionen.blattnummer = l.u8();
  z.optionen.blattname = l.kurzString();
  return !l.fehler();
}

// --- "1": the unit bytes of layers 1..250 ---------------------------------------
void schreibeEbeneneinheiten(Schreibstrom& s, const Zeichnung& z) {
  beginne(s, '1');
  for (int e = 1; e <= Ebenen::Hoechstzahl; ++e) s.u8(z.ebenen.existiert(e) ? z.ebenen.einheit(e) : 0);
  beende(s);
}
bool leseEbeneneinheiten(Lesestrom& l, Zeichnung& z, Lesekontext&) {
  std::array<std::uint8_t, Ebenen::Hoechstzahl> b{};
  for (auto& v : b) v = l.u8();
  if (l.fehler()) return false;
  for (int e = 1; e <= z.ebenen.anzahl(); ++e) z.ebenen.setzeEinheit(e, b[e - 1]);
  return true;
}

// --- "p": the project data, one record per row that holds a value ------------
// u16 row and a short string. A value longer than a short string goes on in
// further records of the same row with the top bit of the row number set.
// Lines are separated by CR LF in the file, as in texts.
constexpr std::uint16_t kFortsetzung = 0x8000;
constexpr std::size_t kLaengsterProjektwert = 1 << 16;

void schreibeProjektdaten(Schreibstrom& s, const Zeichnung& z) {
  for (int zeile = 0; zeile < Projektwerte::Zeilenzahl; ++zeile) {
    const std::string& wert = z.projektdaten.werte[static_cast<std::size_t>(zeile)];
    if (wert.empty()) continue;
    std::string datei;
    for (char c : wert) {
      if (c == '\n') datei += '\r';
      datei += c;
    }
    const std::string roh = nachCp1252(datei);
    for (std::size_t anfang = 0; anfang < roh.size(); anfang += 255) {
      const std::size_t n = std::min<std::size_t>(255, roh.size() - anfang);
      beginne(s, 'p');
      s.u16(static_cast<std::uint16_t>(zeile | (anfang > 0 ? kFortsetzung : 0)));
      s.u8(static_cast<std::uint8_t>(n));
      s.bytes({reinterpret_cast<const std::uint8_t*>(roh.data() + anfang), n});
      beende(s);
    }
  }
}
bool leseProjektdaten(Lesestrom& l, Zeichnung& z, Lesekontext&) {
  const std::uint16_t feld = l.u16();
  std::string stueck = l.kurzString();
  if (l.fehler()) return false;
  const int zeile = feld & ~kFortsetzung;
  // Rows beyond the table (a later version's) are read past.
  if (zeile >= Projektwerte::Zeilenzahl) return true;
  std::string& wert = z.projektdaten.werte[static_cast<std::size_t>(zeile)];
  if (!(feld & kFortsetzung)) wert.clear();
  // No field of a title block is longer; more would only slow the dialog.
  if (wert.size() + stueck.size() > kLaengsterProjektwert) return true;
  // A CR LF split between two pieces is joined before the lines are.
  const std::size_t naht = wert.empty() ? 0 : wert.size() - 1;
  wert += stueck;
  for (std::size_t i = wert.find("\r\n", naht); i != std::string::npos; i = wert.find("\r\n", i)) wert.erase(i, 1);
  return true;
}

// --- Records of tables this program does not keep yet: read past them ------------
bool ueberspringeFarbtabelle(Lesestrom& l, Zeichnung&, Lesekontext&) {
  const std::uint8_t n = l.u8();
  l.ueberspringe(std::size_t(n) * 4 + 4);
  return !l.fehler();
}
bool ueberspringeNamensliste(Lesestrom& l, Zeichnung&, Lesekontext&) {
  const std::uint32_t n = l.u32();
  for (std::uint32_t i = 0; i < n && !l.fehler(); ++i) {
    l.kurzString();
    l.ueberspringe(16);
  }
  return !l.fehler();
}
bool ueberspringeZweiBytes(Lesestrom& l, Zeichnung&, Lesekontext&) {
  l.ueberspringe(2);
  return !l.fehler();
}
bool ueberspringeEbenentabelle(Lesestrom& l, Zeichnung&, Lesekontext&) {
  l.ueberspringe(Ebenen::Hoechstzahl);
  return !l.fehler();
}
bool ueberspringeText(Lesestrom& l, Zeichnung&, Lesekontext&) {
  l.kurzString();
  return !l.fehler();
}
bool ueberspringeZweiTexte(Lesestrom& l, Zeichnung&, Lesekontext&) {
  l.kurzString();
  l.kurzString();
  return !l.fehler();
}

constexpr Einstellungssatz Tabelle[] = {
    {tag::Bezug, schreibeBezug, leseBezug},
    {'Q', schreibeAnsichten, leseAnsicht},
    {'5', schreibeAnsichtsschalter, leseAnsichtsschalter},
    {'4', nullptr, leseAnsicht},
    {'u', nullptr, ueberspringeNamensliste},
    {'p', schreibeProjektdaten, leseProjektdaten},
    {'U', nullptr, ueberspringeZweiBytes},
    {'r', nullptr, ueberspringeZweiBytes},
    {'c', nullptr, ueberspringeFarbtabelle},
    {'X', schreibeTexturen, leseTextur},
    {'x', nullptr, leseTextur},
    {'=', schreibeSchraffuren, leseSchraffur},
    {'g', schreibeLinienstile, leseLinienstil},
    {'h', schreibeLinienstile2, leseLinienstil2},
    {'0', schreibeNullpunkt, leseNullpunkt},
    {'>', schreibeWinkelraster, leseWinkelraster},
    {0xA7 /* § */, schreibeKoordinatenwinkel, leseKoordinatenwinkel},
    {']', schreibeRasterursprung, leseRasterursprung},
    {'[', schreibeBlatt, leseBlatt},
    {'1', schreibeEbeneneinheiten, leseEbeneneinheiten},
    {'2', nullptr, ueberspringeText},
    {'v', schreibeDatenmasken, leseDatenmaske},
    {'t', schreibeSymbolattributdateien, leseSymbolattributdatei},
    {'<', nullptr, ueberspringeEbenentabelle},
    {'+', nullptr, ueberspringeEbenentabelle},
    {0xFC /* ü */, nullptr, ueberspringeZweiTexte},
};

}  // namespace

std::span<const Einstellungssatz> einstellungssaetze() { return Tabelle; }

const Einstellungssatz* einstellungssatz(std::uint8_t tag) {
  for (const Einstellungssatz& e : Tabelle)
    if (e.tag == tag) return &e;
  return nullptr;
}

}  // namespace quarzel::datei
