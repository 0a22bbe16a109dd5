// libFuzzer target for macro sources: any bytes compile to a closed token
// program, colour into spans that lie inside their lines, survive a trip
// through a compiled macro file unchanged, and are never taken for one.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/textkodierung.h"
#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/quelltextpruefung.h"

using namespace quarzel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view text(reinterpret_cast<const char*>(daten), groesse);

  const std::vector<std::string> zeilen = teileInZeilen(text);
  const Tokenprogramm programm = kompiliere(zeilen);
  if (!programm.abgeschlossen()) std::abort();

  for (const std::string& zeile : zeilen) {
    std::size_t bisher = 0;
    for (const Farbspanne& s : faerbeZeile(zeile)) {
      if (s.anfang < bisher || s.laenge == 0 || s.anfang + s.laenge > zeile.size()) std::abort();
      bisher = s.anfang + s.laenge;
    }
  }

  const std::optional<Tokenprogramm> wieder = entschluessele(verschluessele(programm));
  if (!wieder || wieder->laenge() != programm.laenge()) std::abort();
  for (std::size_t i = 0; i < programm.laenge(); ++i) {
    // Tokens cut from a line that is not UTF-8 come back as UTF-8; the rest
    // must come back byte for byte.
    if (istGueltigesUtf8(programm.text(i)) && wieder->text(i) != programm.text(i)) std::abort();
    if (wieder->text(i) == programm.text(i) && wieder->art(i) != programm.art(i)) std::abort();
    if (wieder->zeile(i) != programm.zeile(i) || wieder->spalte(i) != programm.spalte(i)) std::abort();
  }

  // The bytes themselves read as a compiled macro file: refused or a closed program.
  const std::optional<Tokenprogramm> alsDatei = entschluessele(text);
  if (alsDatei && !alsDatei->abgeschlossen()) std::abort();
  // The same bytes as the plain payload of a file with a right checksum, so
  // the token parsing behind it is reached too.
  const std::uint32_t anzahl = groesse > 0 ? daten[0] : 0;
  const std::optional<Tokenprogramm> verpackt = entschluessele(verpacke(text.substr(groesse > 0 ? 1 : 0), anzahl));
  if (verpackt && (!verpackt->abgeschlossen() || verpackt->laenge() != anzahl)) std::abort();
  return 0;
}
