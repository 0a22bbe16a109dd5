// Symbolinformationen: what a symbol is, for the user and for the bill of
// materials — "Bezeichnung:", "Beschreibung:", "Material:", "Gewicht:" and
// "Preis:". They are not part of the symbol file: each symbol has an ini file
// named after it (its file name without the extension, plus ".ini") in the
// folder "Symbolinformationen" below the program folder, with a section of
// the same name. The five values are its keys "e1" … "e5" (older files: "N",
// "B", "M", "G", "P"). For the bill of materials all ten values "e1" … "e10"
// count, with "Mask", the name of the data mask whose columns they fill.
//
// The shipped folder is read-only: a file the user changes is written to the
// per-user data folder, which is read first (konfiguration.h).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/inidatei.h"
#include "settings/konfiguration.h"

namespace quarzel {

inline constexpr std::string_view kSymbolinformationsordner = "Symbolinformationen";

struct Symbolinformationen {
  std::string bezeichnung;
  std::string beschreibung;
  std::string material;
  std::string gewicht;
  std::string preis;

  bool operator==(const Symbolinformationen&) const = default;
};

// The captions of the five fields, in key order ("e1" … "e5").
inline constexpr std::array<std::string_view, 5> kSymbolinformationsfelder = {
    "Bezeichnung:", "Beschreibung:", "Material:", "Gewicht:", "Preis:"};

// The ten values of the bill of materials ("e1" … "e10") and the data mask
// they belong to ("Mask").
struct Symbolattribute {
  static constexpr int Anzahl = 10;
  std::array<std::string, Anzahl> werte;
  std::string maske;

  bool operator==(const Symbolattribute&) const = default;
};

// "…/Bad/Wanne.QZS" -> "Wanne": the name of the section and of the ini file.
std::string symbolstamm(const std::string& symbolpfad);

Symbolinformationen symbolinformationenAus(const IniDatei& ini, std::string_view symbol);
// Sets "e1" … "e5"; false when the name cannot be a section.
bool setzeSymbolinformationen(IniDatei& ini, std::string_view symbol, const Symbolinformationen& info);

Symbolattribute symbolattributeAus(const IniDatei& ini, std::string_view symbol);
// The attributes of the symbol file `symbolpfad` from the user's file, else
// the shipped one; std::nullopt when neither exists.
std::optional<Symbolattribute> leseSymbolattribute(const std::string& symbolpfad,
                                                   const Umgebung& umgebung = prozessUmgebung());
// Sets one key of the user's file ("e1" … "e10" or "Mask"), keeping the
// others. False with the reason in `fehler` when it could not.
bool speichereSymbolattribut(const std::string& symbolpfad, std::string_view schluessel, std::string_view wert,
                             std::string* fehler = nullptr, const Umgebung& umgebung = prozessUmgebung());
// The name of the ini file of a symbol: "Wanne.QZS" -> "Wanne.ini".
std::string symbolinformationsdatei(const std::string& symbolpfad);

// The information of the symbol file `symbolpfad`: the user's file, else the
// shipped one; empty values when there is none.
Symbolinformationen leseSymbolinformationen(const std::string& symbolpfad,
                                            const Umgebung& umgebung = prozessUmgebung());
// Writes the user's file, starting from what is read now, so the data-mask
// values stay. False with the reason in `fehler` when it could not.
bool speichereSymbolinformationen(const std::string& symbolpfad, const Symbolinformationen& info,
                                  std::string* fehler = nullptr, const Umgebung& umgebung = prozessUmgebung());

}  // namespace quarzel
