#include "store/symboldatei.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "base/bytestrom.h"
#include "base/sicheredatei.h"
#include "store/dateiformat.h"
#include "store/elementabbildung.h"
#include "store/elementkopie.h"
#include "store/satzleser.h"
#include "store/satzschreiber.h"

namespace quarzel {

namespace {

constexpr std::size_t HoechsteDateigroesse = std::size_t(1) << 30;
// A catalogue reads this much first; a header with a larger preview reads on.
constexpr std::size_t Kopflesegroesse = std::size_t(256) << 10;
constexpr std::size_t Vorschaublock = 100;
constexpr int HoechsteStiftzahl = 25;

// Older formats number line styles as drawing files of version 5 did; the
// later ones as today's.
constexpr int AlteStilnummern = 5;
constexpr Symbolformat Ohnekopf{false, false, false, AlteStilnummern};
constexpr Symbolformat Fruehformat{false, true, false, AlteStilnummern};
constexpr Symbolformat Heutiges{true, true, true, datei::Version};

struct Formatzeile {
  std::string_view signatur;
  Symbolformat format;
};
constexpr Formatzeile Formate[] = {
    {"Ostrun Detail", Ohnekopf},    {"vstrun Detail", Ohnekopf},    {"LWK97 2D SYMBOL", Ohnekopf},
    {"QuarzelSymbol", Fruehformat}, {"Quarzel300Sym", Fruehformat}, {"Quarzel400Sym", Fruehformat},
    {"Quarzel450Sym", Fruehformat}, {"Quarzel500Sym", Fruehformat}, {"Quarzel550Sym", Fruehformat},
    {"Quarzel600Sym", Heutiges},    {"Quarzel650Sym", Heutiges},    {"Quarzel800Sym", Heutiges},
    {"Quarzel850Sym", Heutiges},    {SignaturSymbol, Heutiges},     {SignaturSymbolMitAttributen, Heutiges},
};

std::string grossEndung(const std::string& pfad) {
  std::string endung = std::filesystem::path(pfad).extension().string();
  for (char& c : endung) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return endung;
}

bool gueltigerMassstab(double m) {
  return std::isfinite(m) && m > 0 && m <= 1e7;
}

// The header after the signature as the format has it. False when it is cut
// or holds impossible counts.
bool leseKopf(Lesestrom& l, const Symbolformat& f, Symbolkopf& k) {
  if (f.vorschau) {
    const std::uint32_t laenge = l.u32();
    if (l.fehler() || laenge > l.rest()) return false;
    k.vorschau = l.bytes(laenge);
  }
  if (f.kopf) {
    k.optionen = l.u8();
    const std::uint8_t stifte = l.u8();
    if (stifte > HoechsteStiftzahl || std::size_t(stifte) * 8 > l.rest()) return false;
    k.stiftbreiten.resize(stifte);
    for (double& b : k.stiftbreiten) b = l.f64();
    for (std::uint8_t& b : k.einstellungen) b = l.u8();
    const double massstab = l.f64();
    k.massstab = gueltigerMassstab(massstab) ? massstab : 0;
  }
  return !l.fehler();
}

// Signature and header from the start of the stream: "" when both are
// right, otherwise the message why not.
std::string leseAnfang(Lesestrom& l, Signaturfeld feld, Symbolkopf& k) {
  const auto groesse = static_cast<std::size_t>(feld);
  if (l.rest() < groesse) return MeldungFalschesDateiformat;
  const std::size_t anfang = l.position();
  const std::uint8_t laenge = l.u8();
  if (laenge > groesse - 1) return MeldungFalschesDateiformat;
  k.signatur = std::string(l.ausschnitt(anfang + 1, laenge));
  l.setzePosition(anfang + groesse);
  const std::optional<Symbolformat> format = symbolformat(k.signatur);
  if (!format) return MeldungFalschesDateiformat;
  if (!leseKopf(l, *format, k)) return MeldungSymbolDefekt;
  return {};
}

// The symbol's own drawing: its store set up (or emptied, keeping what it
// has allocated), one layer at the symbol's scale, the pens the header names.
bool richteEin(Symbol& s, Benutzer& benutzer) {
  Zeichnung& z = s.zeichnung;
  if (z.speicher.kapazitaet() > 0) {
    z.speicher.leere();
    z.stifte = {};
  } else if (!z.speicher.initialisiere(benutzer)) {
    return false;
  }
  z.speicher.beginneSchritt();  // elements completed now are alive
  z.ebenen.setzeZurueck();
  z.ebenen.setzeName(1, "Symbol");
  z.ebenen.setzeMassstab(1, s.kopf.massstab);
  if (s.kopf.massstab > 0) z.ansicht.drawingScale = s.kopf.massstab;
  for (std::size_t i = 0; i < s.kopf.stiftbreiten.size() && i < z.stifte.penWidth.size() - 1; ++i) {
    const double b = s.kopf.stiftbreiten[i];
    if (std::isfinite(b) && b >= 0 && b <= 100) z.stifte.penWidth[i + 1] = b;
  }
  return true;
}

// Every element on the symbol's one layer, alive and marked.
void aufSymbolebene(Elementspeicher& sp) {
  for (std::int32_t n = 1; n <= sp.anzahl(); ++n) {
    sp.setzePlanteil(n, 1);
    sp.setzeFolie(n, 1);
    if (sp.lebendig(n)) sp.setzeMarkiert(n, 1);
  }
}

bool mitAttributflag(const Elementspeicher& sp) {
  for (std::int32_t n = 1; n <= sp.anzahl(); ++n) {
    if (!sp.lebendig(n)) continue;
    const auto a = sp.attribut(n);
    if (a && a->flag != 0) return true;
  }
  return false;
}

}  // namespace

std::optional<Signaturfeld> signaturfeldFuer(const std::string& pfad) {
  const std::string endung = grossEndung(pfad);
  if (endung == ".QZS" || endung == ".DET" || endung == ".TMP" || endung == ".SY1") return Signaturfeld::Kurz;
  if (endung == ".SY2") return Signaturfeld::Lang;
  return std::nullopt;
}

std::optional<Symbolformat> symbolformat(std::string_view signatur) {
  for (const Formatzeile& f : Formate)
    if (f.signatur == signatur) return f.format;
  return std::nullopt;
}

std::unique_ptr<Symbol> neuesSymbol(const Zeichnung& zeichnung, std::span<const std::int32_t> elemente, Weltpunkt bezug,
                                    Benutzer& benutzer) {
  auto s = std::make_unique<Symbol>();
  Symbolkopf& k = s->kopf;
  k.signatur = SignaturSymbol;
  k.optionen =
      static_cast<std::uint8_t>((zeichnung.optionen.einheitAnzeigen ? 1 : 0) | (zeichnung.ansicht.layoutView ? 2 : 0));
  for (int i = 1; i <= Stifttabelle::Benutzerstifte; ++i) k.stiftbreiten.push_back(zeichnung.stifte.penWidth[i]);
  k.massstab = zeichnung.massstabInKraft();
  if (!gueltigerMassstab(k.massstab)) k.massstab = 0;
  s->zeichnung.stifte = zeichnung.stifte;
  s->zeichnung.linienstile = zeichnung.linienstile;
  if (!richteEin(*s, benutzer)) return nullptr;
  Elementspeicher& sp = s->zeichnung.speicher;
  const Abbildung verschiebung = Abbildung::verschiebung(-bezug.x, -bezug.y);
  for (std::int32_t n : elemente) {
    if (n < 1 || n > zeichnung.speicher.anzahl()) continue;
    const std::int32_t neu = kopiereElement(zeichnung.speicher, n, sp);
    if (neu == 0) continue;
    bildeAb(sp, neu, verschiebung);
    sp.vervollstaendige(neu);
  }
  aufSymbolebene(sp);
  return s;
}

std::vector<std::uint8_t> schreibeSymbol(const Symbol& symbol) {
  const Elementspeicher& sp = symbol.zeichnung.speicher;
  const Symbolkopf& k = symbol.kopf;
  Schreibstrom s;
  const std::string_view signatur = mitAttributflag(sp) ? SignaturSymbolMitAttributen : SignaturSymbol;
  s.u8(static_cast<std::uint8_t>(signatur.size()));
  for (char c : signatur) s.u8(static_cast<std::uint8_t>(c));
  for (auto i = signatur.size() + 1; i < static_cast<std::size_t>(Signaturfeld::Kurz); ++i) s.u8(0);

  s.u32(static_cast<std::uint32_t>(k.vorschau.size()));
  for (std::size_t i = 0; i < k.vorschau.size(); i += Vorschaublock)
    s.bytes(std::span(k.vorschau).subspan(i, std::min(Vorschaublock, k.vorschau.size() - i)));
  s.u8(k.optionen);
  const std::size_t stifte = std::min<std::size_t>(k.stiftbreiten.size(), HoechsteStiftzahl);
  s.u8(static_cast<std::uint8_t>(stifte));
  for (std::size_t i = 0; i < stifte; ++i) s.f64(k.stiftbreiten[i]);
  for (std::uint8_t b : k.einstellungen) s.u8(b);
  s.f64(k.massstab);

  Satzschreiber elemente(s, sp, {.mitLage = false, .stilAlsS = true});
  for (std::int32_t n = 1; n <= sp.anzahl(); ++n)
    if (sp.lebendig(n)) elemente.schreibeElement(n);
  s.u8(datei::tag::Ende);
  s.marke();
  return std::move(s.daten());
}

Symbolkopfergebnis leseSymbolkopf(std::span<const std::uint8_t> daten, Signaturfeld feld) {
  Symbolkopfergebnis e;
  Lesestrom l(daten);
  Symbolkopf k;
  e.fehler = leseAnfang(l, feld, k);
  if (e.fehler.empty()) e.kopf = std::move(k);
  return e;
}

Symbolladeergebnis leseSymbol(std::span<const std::uint8_t> daten, Signaturfeld feld, Symbol& ziel,
                              Benutzer& benutzer) {
  Symbolladeergebnis e;
  Lesestrom l(daten);
  Symbolkopf kopf;
  e.fehler = leseAnfang(l, feld, kopf);
  if (!e.fehler.empty()) return e;
  ziel.kopf = std::move(kopf);
  if (!richteEin(ziel, benutzer)) {
    e.fehler = MeldungSymbolDefekt;
    return e;
  }
  const Symbolformat format = *symbolformat(ziel.kopf.signatur);
  datei::Lesekontext kontext;
  kontext.version = format.version;
  kontext.markiert = format.markiert;
  Satzleseart art;
  art.stilSBreit = true;
  // Textures may stand between the elements of older files; a symbol keeps none.
  art.weitererSatz = [&l](std::uint8_t tag) {
    if (tag != 'X' && tag != 'x') return false;
    l.kurzString();
    const std::uint32_t laenge = l.u32();
    if (l.fehler() || laenge > l.rest()) return false;
    l.ueberspringe(laenge);
    return true;
  };
  Elementspeicher& sp = ziel.zeichnung.speicher;
  const Satzbilanz bilanz = leseSaetze(l, sp, kontext, art);
  e.verworfeneSaetze = bilanz.verworfeneSaetze;
  e.defekteGruppen = repariereGruppenklammern(sp);
  if (e.defekteGruppen > 0) e.hinweise.push_back({Meldungsart::Warnung, meldungDefekteGruppen(e.defekteGruppen)});
  e.elemente = bilanz.elemente - e.defekteGruppen;
  aufSymbolebene(sp);
  sp.setzeModifiziert(false);
  e.geladen = true;
  return e;
}

Symbolladeergebnis leseSymbol(std::span<const std::uint8_t> daten, Signaturfeld feld, Benutzer& benutzer) {
  auto s = std::make_unique<Symbol>();
  Symbolladeergebnis e = leseSymbol(daten, feld, *s, benutzer);
  if (e.geladen) e.symbol = std::move(s);
  return e;
}

Symbolladeergebnis ladeSymbol(const std::string& pfad, Benutzer& benutzer) {
  Symbolladeergebnis e;
  const std::optional<Signaturfeld> feld = signaturfeldFuer(pfad);
  if (!feld) {
    e.fehler = MeldungFalschesDateiformat;
    return e;
  }
  const Leseergebnis datei = leseDateiBegrenzt(pfad, HoechsteDateigroesse);
  if (datei.status != Lesestatus::Gelesen) {
    e.fehler = datei.status == Lesestatus::Fehlt ? "Die Datei " + pfad + " existiert nicht." : MeldungSymbolDefekt;
    return e;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(datei.inhalt.data());
  return leseSymbol({bytes, datei.inhalt.size()}, *feld, benutzer);
}

Symbolkopfergebnis ladeSymbolkopf(const std::string& pfad) {
  Symbolkopfergebnis e;
  const std::optional<Signaturfeld> feld = signaturfeldFuer(pfad);
  if (!feld) {
    e.fehler = MeldungFalschesDateiformat;
    return e;
  }
  for (std::size_t grenze : {Kopflesegroesse, HoechsteDateigroesse}) {
    const Leseergebnis datei = leseDateiBegrenzt(pfad, grenze);
    if (datei.status == Lesestatus::Fehlt || datei.status == Lesestatus::Unlesbar) {
      e.fehler = datei.status == Lesestatus::Fehlt ? "Die Datei " + pfad + " existiert nicht." : MeldungSymbolDefekt;
      return e;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(datei.inhalt.data());
    e = leseSymbolkopf({bytes, datei.inhalt.size()}, *feld);
    // Only a cut beginning can hide the rest of a header.
    if (e.kopf || datei.status == Lesestatus::Gelesen || e.fehler == MeldungFalschesDateiformat) return e;
  }
  return e;
}

}  // namespace quarzel
