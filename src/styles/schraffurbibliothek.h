// Schraffurbibliothek: where a hatch definition of a given name comes from,
// which names are available, and storing the user's own definitions.
//
// Sources, first match wins:
//   1. "Schraffuren\Standard\<name>.tsc": the user's copy, then the shipped one;
//   2. "Schraffuren\Zeichnung\<name>.tsc" (hatches taken over from elsewhere),
//      likewise;
//   3. the older combined file "Schraffur.ini" of the program folder;
//   4. the definitions the open drawing carries (bytes of a ".tsc" file);
//   5. the built-in "Windows-Standard 1" … "6".
// The user's files come before the drawing's copies, so a hatch changed in the
// dialog shows in every drawing; a drawing's copy fills in what this
// installation lacks. File names are matched exactly first (".tsc", ".TSC"),
// then without regard to ASCII case. Nothing here is cached except
// "Schraffur.ini"; the renderer's cache is `Schraffurlader`.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/inidatei.h"
#include "settings/konfiguration.h"
#include "styles/eingebettetedatei.h"
#include "styles/schraffurdefinition.h"

namespace quarzel {

class Schraffurbibliothek {
 public:
  static constexpr std::string_view StandardOrdner = "Schraffuren\\Standard\\";
  static constexpr std::string_view ZeichnungsOrdner = "Schraffuren\\Zeichnung\\";
  static constexpr std::string_view IniDateiname = "Schraffur.ini";
  // A folder listing looks at no more entries than this.
  static constexpr std::size_t HoechsteOrdnereintraege = 10000;

  explicit Schraffurbibliothek(Umgebung umgebung = prozessUmgebung());

  // Reads the definition anew from the first source that has it.
  std::optional<Schraffurdefinition> lies(std::string_view name,
                                          std::span<const EingebetteteDatei> zeichnung = {}) const;
  // Whether a definition of the name exists outside any drawing (files,
  // "Schraffur.ini", built-in).
  bool bekannt(std::string_view name) const;
  // Every available name once: the built-in ones first, then the others
  // sorted without regard to case.
  std::vector<std::string> namen(std::span<const EingebetteteDatei> zeichnung = {}) const;

  // Writes the definition as the user's "Schraffuren\Standard\<name>.tsc".
  bool speichere(const Schraffurdefinition& definition, std::string* fehler = nullptr) const;

  enum class Loeschung { Geloescht, StandardSchraffur, NichtGefunden, Fehlgeschlagen };
  // Removes the user's file of the name. Built-in names are refused
  // (MeldungStandardNichtLoeschbar); shipped files cannot be removed.
  Loeschung loesche(std::string_view name) const;

  // "Schraffur.ini" is read once; this makes the next lookup read it again.
  void iniNeuLesen() { ini_.reset(); }

 private:
  std::optional<std::filesystem::path> findeDatei(std::string_view ordner, std::string_view name) const;
  static std::optional<std::filesystem::path> findeIn(const std::vector<std::filesystem::path>& orte,
                                                      std::string_view name);
  std::vector<std::filesystem::path> ordner(std::string_view relativ) const;
  const IniDatei& ini() const;

  Umgebung umgebung_;
  mutable std::optional<IniDatei> ini_;
};

// The check the drawing-file reader asks for (`Ladeoptionen::schraffurBekannt`):
// whether a hatch name is available outside the drawing. Answers are
// remembered per name, so make a new one for every load.
std::function<bool(const std::string&)> schraffurpruefung(Umgebung umgebung = prozessUmgebung());

}  // namespace quarzel
