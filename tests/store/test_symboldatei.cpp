// Symbol files: every kind through save -> load -> save with the same bytes,
// the signature table with one hand-built file per accepted signature,
// wrong signatures and damaged headers and bodies, the header alone, and
// inputs the fuzzer made of every format (tests/data/fuzz_symboldatei).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "base/bytestrom.h"
#include "platform/skriptbenutzer.h"
#include "store/dateiformat.h"
#include "store/strukturpruefung.h"
#include "store/symboldatei.h"
#include "support/jedeart.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

// A drawing whose marked elements are one of every kind, at 1:50.
struct Quelle {
  Zeichnung z;
  std::vector<std::int32_t> elemente;

  explicit Quelle(bool attributflag = false) {
    test::initialisiere(z.speicher);
    z.ebenen.setzeMassstab(1, 50);
    Elementspeicher& s = z.speicher;
    s.beginneSchritt();
    // Every kind inside one group.
    tgruppendaten klammer{.name = "Tür", .rahmen = {1, 2, 3, 4}};
    s.vervollstaendige(s.neueGruppenklammer(Elementart::Gruppenanfang, klammer));
    for (Elementart art : alleElementarten)
      if (!istGruppenklammer(art)) s.vervollstaendige(test::legeElement(s, art));
    s.vervollstaendige(s.neueGruppenklammer(Elementart::Gruppenende, {}));
    // Unusual attributes that the stream must carry: a closed outline
    // (style below 1), a pen, a colour.
    for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
      if (s.art(n) == Elementart::Polygon) s.setzeLinienstil(n, -3);
      if (s.art(n) == Elementart::Bogen) s.setzeStift(n, 7);
      if (s.art(n) == Elementart::Linie && attributflag) s.setzeAttribut(n, {0xABCD, 1});
    }
    s.markiereAlleLebendigen();
    for (std::int32_t n = 1; n <= s.anzahl(); ++n)
      if (s.markiert(n)) elemente.push_back(n);
  }

  std::unique_ptr<Symbol> symbol(Weltpunkt bezug = {4000, 4100}) {
    SkriptBenutzer b;
    return neuesSymbol(z, elemente, bezug, b);
  }
};

Symbolladeergebnis lies(std::span<const std::uint8_t> daten, Signaturfeld feld = Signaturfeld::Kurz) {
  SkriptBenutzer b;
  return leseSymbol(daten, feld, b);
}

std::string signaturVon(const std::vector<std::uint8_t>& d) {
  return std::string(reinterpret_cast<const char*>(d.data() + 1), d[0]);
}

TEST(Symboldatei, SpeichernLadenSpeichernGibtDieselbenBytes) {
  for (const bool flag : {false, true}) {
    SCOPED_TRACE(flag);
    Quelle q(flag);
    std::unique_ptr<Symbol> s = q.symbol();
    ASSERT_NE(s, nullptr);
    s->kopf.vorschau.assign(250, 0x5A);  // three blocks of 100 bytes, the last one short
    const std::vector<std::uint8_t> erst = schreibeSymbol(*s);
    EXPECT_EQ(signaturVon(erst), flag ? "QuarzelXIVSym" : "Quarzel900Sym");
    const Symbolladeergebnis e = lies(erst);
    ASSERT_NE(e.symbol, nullptr) << e.fehler;
    EXPECT_EQ(e.elemente, std::int32_t(q.elemente.size()));
    EXPECT_EQ(e.verworfeneSaetze, 0);
    EXPECT_EQ(e.symbol->kopf.vorschau, s->kopf.vorschau);
    EXPECT_EQ(e.symbol->kopf.massstab, 50);
    EXPECT_EQ(schreibeSymbol(*e.symbol), erst);
  }
}

TEST(Symboldatei, KoordinatenSindRelativZumEinfuegepunktUndBitgenau) {
  Quelle q;
  const Weltpunkt bezug{4000.1, 4100.3};
  const Symbolladeergebnis e = lies(schreibeSymbol(*q.symbol(bezug)));
  ASSERT_NE(e.symbol, nullptr);
  const Elementspeicher& quelle = q.z.speicher;
  const Elementspeicher& gelesen = e.symbol->zeichnung.speicher;
  ASSERT_EQ(gelesen.anzahl(), quelle.anzahl());
  for (std::int32_t n = 1; n <= quelle.anzahl(); ++n) {
    ASSERT_EQ(gelesen.art(n), quelle.art(n));
    if (quelle.art(n) != Elementart::Linie) continue;
    Tliniendaten erwartet = quelle.linie(n);
    erwartet.x1 -= bezug.x, erwartet.x2 -= bezug.x, erwartet.y1 -= bezug.y, erwartet.y2 -= bezug.y;
    erwartet.planteil = erwartet.folie = 1;
    EXPECT_EQ(gelesen.linie(n), erwartet);
  }
  // A style below 1 (a closed outline) is kept, not raised to 1.
  for (std::int32_t n = 1; n <= gelesen.anzahl(); ++n)
    if (gelesen.art(n) == Elementart::Polygon) {
      EXPECT_EQ(gelesen.linienstil(n), -3);
    }
}

// Hand-built bytes: the signature field, the header the format carries,
// "S" with 20 and one line in the record stream, "Z".
std::vector<std::uint8_t> handgebaut(std::string_view signatur, Signaturfeld feld, bool vorschau, bool kopf,
                                     bool markiert) {
  Schreibstrom s;
  s.u8(static_cast<std::uint8_t>(signatur.size()));
  for (char c : signatur) s.u8(static_cast<std::uint8_t>(c));
  while (s.groesse() < static_cast<std::size_t>(feld)) s.u8(0);
  if (vorschau) {
    s.u32(3);
    for (std::uint8_t b : {1, 2, 3}) s.u8(b);
  }
  if (kopf) {
    s.u8(1);
    s.u8(24);
    for (int i = 0; i < 24; ++i) s.f64(0.5);
    for (int i = 0; i < 240; ++i) s.u8(0);
    s.f64(20);
  }
  auto ende = [&] {
    if (markiert) s.marke();
  };
  s.u8('S');
  s.i16(20);
  ende();
  s.u8('L');
  for (double v : {1.0, 2.0, 3.0, 4.0}) s.f64(v);
  ende();
  s.u8('Z');
  ende();
  return std::move(s.daten());
}

TEST(Symboldatei, JedeBekannteSignaturLaedtMitIhremKopf) {
  using F = Signaturfeld;
  struct Fall {
    std::string_view signatur;
    F feld;
    bool vorschau, kopf, markiert;
    std::int16_t stil;  // "S" 20 as read: older numbering moves it to 79
  };
  const Fall faelle[] = {
      {"Ostrun Detail", F::Kurz, false, false, false, 79},   {"vstrun Detail", F::Kurz, false, false, false, 79},
      {"LWK97 2D SYMBOL", F::Lang, false, false, false, 79}, {"QuarzelSymbol", F::Kurz, false, true, false, 79},
      {"Quarzel300Sym", F::Kurz, false, true, false, 79},    {"Quarzel400Sym", F::Kurz, false, true, false, 79},
      {"Quarzel450Sym", F::Kurz, false, true, false, 79},    {"Quarzel500Sym", F::Kurz, false, true, false, 79},
      {"Quarzel550Sym", F::Kurz, false, true, false, 79},    {"Quarzel600Sym", F::Kurz, true, true, true, 20},
      {"Quarzel650Sym", F::Kurz, true, true, true, 20},      {"Quarzel800Sym", F::Kurz, true, true, true, 20},
      {"Quarzel850Sym", F::Kurz, true, true, true, 20},      {"Quarzel900Sym", F::Kurz, true, true, true, 20},
      {"QuarzelXIVSym", F::Kurz, true, true, true, 20},      {"Quarzel900Sym", F::Lang, true, true, true, 20},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.signatur) + (f.feld == F::Lang ? " (16)" : " (14)"));
    const Symbolladeergebnis e = lies(handgebaut(f.signatur, f.feld, f.vorschau, f.kopf, f.markiert), f.feld);
    ASSERT_NE(e.symbol, nullptr) << e.fehler;
    EXPECT_EQ(e.symbol->kopf.signatur, f.signatur);
    EXPECT_EQ(e.symbol->kopf.massstab, f.kopf ? 20 : 0);
    EXPECT_EQ(e.symbol->kopf.vorschau.size(), f.vorschau ? 3u : 0u);
    const Elementspeicher& s = e.symbol->zeichnung.speicher;
    ASSERT_EQ(s.anzahl(), 1);
    EXPECT_EQ(s.linie(1).x2, 3);
    EXPECT_EQ(s.linienstil(1), f.stil);
    EXPECT_EQ(e.verworfeneSaetze, 0);
  }
}

TEST(Symboldatei, FremdeSignaturIstFalschesDateiformat) {
  const std::vector<std::vector<std::uint8_t>> dateien = {
      {},
      handgebaut("ZEI.01", Signaturfeld::Kurz, true, true, true),
      handgebaut("Quarzel901Sym", Signaturfeld::Kurz, true, true, true),
      // The field of ".QZS" holds 13 characters: the ".SY2" signature cannot stand in it.
      handgebaut("LWK97 2D SYMBOL", Signaturfeld::Lang, false, false, false),
  };
  for (std::size_t i = 0; i < dateien.size(); ++i) {
    const Symbolladeergebnis e = lies(dateien[i], Signaturfeld::Kurz);
    EXPECT_EQ(e.symbol, nullptr) << i;
    EXPECT_EQ(e.fehler, MeldungFalschesDateiformat) << i;
  }
  // A ".QZS" read with the 16-byte field of ".SY2" misses its header.
  EXPECT_EQ(lies(handgebaut("Quarzel900Sym", Signaturfeld::Kurz, true, true, true), Signaturfeld::Lang).symbol,
            nullptr);
}

TEST(Symboldatei, DieEndungBestimmtDasSignaturfeld) {
  EXPECT_EQ(signaturfeldFuer("a/Tür.qzs"), Signaturfeld::Kurz);
  EXPECT_EQ(signaturfeldFuer("x.DET"), Signaturfeld::Kurz);
  EXPECT_EQ(signaturfeldFuer("x.Tmp"), Signaturfeld::Kurz);
  EXPECT_EQ(signaturfeldFuer("x.SY1"), Signaturfeld::Kurz);
  EXPECT_EQ(signaturfeldFuer("x.sy2"), Signaturfeld::Lang);
  EXPECT_EQ(signaturfeldFuer("x.QZZ"), std::nullopt);
  SkriptBenutzer b;
  EXPECT_EQ(ladeSymbol("plan.QZZ", b).fehler, MeldungFalschesDateiformat);
}

TEST(Symboldatei, EinAbgeschnittenerKopfIstDefekt) {
  const std::vector<std::uint8_t> ganz = handgebaut("Quarzel900Sym", Signaturfeld::Kurz, true, true, true);
  // Within the preview, the pens, the table and the scale.
  for (std::size_t laenge : {std::size_t(16), std::size_t(20), std::size_t(60), std::size_t(300), std::size_t(460)}) {
    const Symbolladeergebnis e = lies(std::span(ganz).first(laenge));
    EXPECT_EQ(e.symbol, nullptr) << laenge;
    EXPECT_EQ(e.fehler, MeldungSymbolDefekt) << laenge;
  }
  std::vector<std::uint8_t> zuVieleStifte = ganz;
  zuVieleStifte[14 + 4 + 3 + 1] = 26;
  EXPECT_EQ(lies(zuVieleStifte).fehler, MeldungSymbolDefekt);
}

TEST(Symboldatei, EinBeschaedigterSatzWirdUebersprungen) {
  Quelle q;
  std::vector<std::uint8_t> d = schreibeSymbol(*q.symbol());
  // The marker behind the first element record (the first "{|}" after a
  // record tag of an element) loses a byte.
  const std::size_t kopf = 14 + 4 + 1 + 1 + 24 * 8 + 240 + 8;
  std::size_t marke = kopf;
  bool element = false;
  for (std::size_t i = kopf; i + 2 < d.size(); ++i) {
    if (d[i] == datei::tag::Linie) element = true;
    if (element && d[i] == '{' && d[i + 1] == '|' && d[i + 2] == '}') {
      marke = i;
      break;
    }
  }
  d[marke + 1] = 'x';
  const Symbolladeergebnis e = lies(d);
  ASSERT_NE(e.symbol, nullptr);
  EXPECT_GE(e.verworfeneSaetze, 1);
  EXPECT_EQ(e.elemente, std::int32_t(q.elemente.size()) - 1);
}

TEST(Symboldatei, ZufaelligBeschaedigteDateienLadenEinBrauchbaresSymbol) {
  Quelle q;
  const std::vector<std::uint8_t> daten = schreibeSymbol(*q.symbol());
  std::mt19937 zufall(7);
  // One symbol after another into the same two, as the program reads them.
  Symbol gelesen, nochmal;
  SkriptBenutzer b;
  for (int versuch = 0; versuch < 600; ++versuch) {
    std::vector<std::uint8_t> kaputt = daten;
    for (int i = 0; i < 3; ++i) kaputt[14 + zufall() % (kaputt.size() - 14)] ^= std::uint8_t(1u << (zufall() % 8));
    const Symbolladeergebnis e = leseSymbol(kaputt, Signaturfeld::Kurz, gelesen, b);
    if (!e.geladen) continue;  // the header was hit
    const Zeichnung& z = gelesen.zeichnung;
    ASSERT_EQ(pruefeStruktur(z.speicher, [&](std::uint8_t n) { return z.ebenen.existiert(n); }),
              Strukturbefund::InOrdnung)
        << versuch;
    // What was read saves and reads again without damage.
    const Symbolladeergebnis wieder = leseSymbol(schreibeSymbol(gelesen), Signaturfeld::Kurz, nochmal, b);
    ASSERT_TRUE(wieder.geladen) << versuch;
    ASSERT_EQ(wieder.verworfeneSaetze, 0) << versuch;
    ASSERT_EQ(wieder.elemente, e.elemente) << versuch;
  }
}

TEST(Symboldatei, GetrennteGruppenklammernWerdenRepariert) {
  Schreibstrom s;
  const std::vector<std::uint8_t> kopf = handgebaut("Quarzel900Sym", Signaturfeld::Kurz, true, true, true);
  // The header, then "Y", a line and "G": both brackets lack a partner.
  const std::size_t kopflaenge = 14 + 4 + 3 + 1 + 1 + 24 * 8 + 240 + 8;
  s.bytes(std::span(kopf).first(kopflaenge));
  s.u8('Y');
  s.marke();
  s.u8('L');
  for (double v : {1.0, 2.0, 3.0, 4.0}) s.f64(v);
  s.marke();
  s.u8('G');
  for (int i = 0; i < 4; ++i) s.f64(0);
  s.kurzString("offen");
  s.marke();
  const Symbolladeergebnis e = lies(s.daten());
  ASSERT_NE(e.symbol, nullptr);
  EXPECT_EQ(e.defekteGruppen, 2);
  EXPECT_EQ(e.elemente, 1);
  ASSERT_EQ(e.hinweise.size(), 1u);
}

TEST(Symboldatei, DerKopfAllein) {
  test::TempOrdner ordner;
  Quelle q;
  std::unique_ptr<Symbol> s = q.symbol();
  s->kopf.vorschau.assign(300000, 7);  // beyond what a catalogue reads first
  std::vector<std::uint8_t> d = schreibeSymbol(*s);
  d.resize(d.size() - 40);  // the body's end is of no concern
  const std::filesystem::path pfad = ordner / "Gross.QZS";
  std::ofstream(pfad, std::ios::binary).write(reinterpret_cast<const char*>(d.data()), std::streamsize(d.size()));
  const Symbolkopfergebnis k = ladeSymbolkopf(pfad.string());
  ASSERT_TRUE(k.kopf) << k.fehler;
  EXPECT_EQ(k.kopf->vorschau.size(), 300000u);
  EXPECT_EQ(k.kopf->massstab, 50);
  EXPECT_EQ(k.kopf->stiftbreiten.size(), 24u);
  EXPECT_EQ(ladeSymbolkopf((ordner / "fehlt.QZS").string()).fehler.find("existiert nicht") != std::string::npos, true);
}

TEST(Symboldatei, FundeDesFuzzersLadenOhneAbsturz) {
  const std::filesystem::path ordner = std::filesystem::path(QUARZEL_TEST_DATA) / "fuzz_symboldatei";
  int dateien = 0;
  for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
    std::ifstream f(eintrag.path(), std::ios::binary);
    const std::vector<std::uint8_t> daten((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ++dateien;
    for (Signaturfeld feld : {Signaturfeld::Kurz, Signaturfeld::Lang}) {
      const Symbolladeergebnis e = lies(daten, feld);
      if (!e.symbol) continue;
      const std::vector<std::uint8_t> geschrieben = schreibeSymbol(*e.symbol);
      const Symbolladeergebnis wieder = lies(geschrieben);
      ASSERT_NE(wieder.symbol, nullptr) << eintrag.path();
      EXPECT_EQ(wieder.elemente, e.elemente) << eintrag.path();
      EXPECT_EQ(schreibeSymbol(*wieder.symbol), geschrieben) << eintrag.path();
    }
  }
  EXPECT_GT(dateien, 0);
}

}  // namespace
}  // namespace quarzel
