// IniDatei: the sectioned text format of the configuration file and of the
// program's other settings files ("[Sektion]" lines, then "Schlüssel=Wert").
//
// The whole file is held as its lines, so rewriting it keeps the order of
// sections and keys, comments, blank lines and lines the program does not
// understand. Section names and keys are compared without regard to case
// (ASCII and the Latin-1 letters such as "Ä"/"ä"); when a section or a key
// occurs twice, the first one counts, as on the platform the format comes from.
// Blanks around names and values are ignored; a value enclosed in double quotes
// loses them, which is how values with blanks at their ends are written.
//
// Input is untrusted: any bytes give a usable object. Text is UTF-8; lines in
// Windows-1252 and UTF-16 files are converted (see textkodierung.h); at most
// kMaxBytes and kMaxZeilen are taken from a file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quarzel {

// Keys shown in dialogs as a group caption and a field caption ("Maßlinien" /
// "Überstand:") are stored as the plain concatenation of the two captions
// ("MaßlinienÜberstand:"), with no separator and no prefix. Readers and writers
// build such keys only through this function.
std::string verbundenerSchluessel(std::string_view gruppe, std::string_view feld);

class IniDatei {
 public:
  static constexpr std::size_t kMaxBytes = 16u << 20;
  static constexpr std::size_t kMaxZeilen = 200'000;

  enum class Ladestatus { Gelesen, Fehlt, Unlesbar };

  IniDatei() = default;

  // The bytes of a file in any of the accepted encodings.
  static IniDatei ausText(std::string_view bytes);
  // Replaces the content by the file's. A missing or unreadable file leaves
  // the object empty.
  Ladestatus laden(const std::filesystem::path& pfad);
  // Writes UTF-8 atomically (see sicheredatei.h).
  bool speichern(const std::filesystem::path& pfad, std::string* fehler = nullptr) const;
  // The file text as it would be written.
  std::string text() const;

  // True when the input was longer than the limits and its end was dropped.
  bool abgeschnitten() const { return abgeschnitten_; }

  bool hatSektion(std::string_view sektion) const;
  bool hatSchluessel(std::string_view sektion, std::string_view schluessel) const;
  // Names as spelled in the file, in file order.
  std::vector<std::string> sektionen() const;
  std::vector<std::string> schluessel(std::string_view sektion) const;

  // The raw value, std::nullopt when the key is absent.
  std::optional<std::string> wert(std::string_view sektion, std::string_view schluessel) const;

  // Typed reads: the default whenever the key is absent or its value does not
  // have the form. Integers are decimal; booleans accept "1"/"0", any other
  // integer (non-zero is true) and "true"/"false"; numbers take "," or ".".
  std::string leseText(std::string_view sektion, std::string_view schluessel, std::string_view vorgabe) const;
  int leseGanzzahl(std::string_view sektion, std::string_view schluessel, int vorgabe) const;
  bool leseBool(std::string_view sektion, std::string_view schluessel, bool vorgabe) const;
  double leseZahl(std::string_view sektion, std::string_view schluessel, double vorgabe) const;
  // A ";"-separated list; a trailing ";" ends the list rather than adding an
  // empty entry. Absent key: empty list.
  std::vector<std::string> leseListe(std::string_view sektion, std::string_view schluessel) const;

  // Writes change the first occurrence of the key in place, or add the key
  // after the last key of the section, or add the section at the end of the
  // file. A name that cannot be written in this format (empty, with a line
  // break, "=" in a key, "]" in a section name, a key starting with "[", ";"
  // or "#") is refused with false and changes nothing. Line breaks in values
  // are written as blanks.
  bool schreibeText(std::string_view sektion, std::string_view schluessel, std::string_view wert);
  bool schreibeGanzzahl(std::string_view sektion, std::string_view schluessel, long long wert);
  bool schreibeBool(std::string_view sektion, std::string_view schluessel, bool wert);
  bool schreibeZahl(std::string_view sektion, std::string_view schluessel, double wert);
  // Every entry followed by ";", as in "1;1;2;".
  bool schreibeListe(std::string_view sektion, std::string_view schluessel, const std::vector<std::string>& werte);

  // Removes every occurrence of the key in the section; true when one was there.
  bool entferneSchluessel(std::string_view sektion, std::string_view schluessel);

 private:
  struct Zeile {
    std::string roh;         // the line as read or as last written
    std::string schluessel;  // entries only
    std::string wert;        // entries only, without quotes
    bool eintrag = false;
  };
  struct Sektion {
    std::string name;
    std::string kopf;                                    // the header line as read or written
    std::vector<Zeile> zeilen;                           // the lines after the header
    std::unordered_map<std::string, std::size_t> index;  // folded key -> first line
  };

  const Sektion* finde(std::string_view sektion) const;
  Sektion* finde(std::string_view sektion);
  Sektion& findeOderAnlegen(std::string_view sektion);
  static void indiziere(Sektion& s);
  void indiziereSektionen();

  std::vector<Zeile> vorspann_;  // lines before the first section
  std::vector<Sektion> sektionen_;
  std::unordered_map<std::string, std::size_t> sektionsindex_;  // folded name -> first section
  bool abgeschnitten_ = false;
};

}  // namespace quarzel
