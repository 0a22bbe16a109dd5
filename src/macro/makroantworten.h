// Makroantworten: the user of a macro run without a window — quarzel-cli's
// "--answers DATEI" and the tests. Every word that asks the user takes the
// next line of the answers, in the order the words run:
//
//   QUESTION               Ja | Nein            (any case)
//   INPUT                  the text, as it stands; <Abbruch> cancels
//   FILEOPEN with a title  a file name (relative: to the answers' folder);
//                          <Abbruch> cancels
//   GETCURSOR, GETCURSORPLUS, GETCURSORMOVE
//                          x;y  or  x;y;taste   (macro coordinates; taste 1
//                          left, 2 right, 3 middle); <Abbruch> is Escape
//   GETCURSORBOX           x1;y1;x2;y2
//   GETLINE, GETARC, GETSYMBOL
//                          x;y  — the element under that point is picked
//   ENDDIALOG              lines "art nummer=wert" that set controls as the
//                          user would ("edit 1=Fenster 3", "checkbox 2=1",
//                          "combobox 1=Holz", "listbox 1=2"), then
//                          "knopf N" for the button that closes it (0: the
//                          window's close box)
// Empty lines count as answers (an empty INPUT); lines starting with "#"
// are comments. Messages (ALERT, INFO, INFOBOX, hints) are printed. GETFKEY
// finds no key held down.
//
// A missing or unfitting answer ends the run: the word gets a harmless
// default, the run is stopped after it, and `fehler()` says which word in
// which macro line wanted what.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "macro/makrogegenueber.h"

namespace quarzel {

class Makrointerpreter;
class Makrointeraktion;
struct Zeichnung;
enum class Laufende;

class Makroantworten final : public Makrogegenueber {
 public:
  static constexpr std::size_t HoechsteDateigroesse = 16u << 20;

  // `zeilen`: the answers; `ordner`: where relative file answers are. Messages
  // go to `ausgabe` (and warnings to `fehlerausgabe`) when given.
  explicit Makroantworten(std::vector<std::string> zeilen, std::filesystem::path ordner = {},
                          std::ostream* ausgabe = nullptr, std::ostream* fehlerausgabe = nullptr);
  // Without answers: every asking word ends the run, telling that answers are needed.
  static Makroantworten ohneAntworten(std::ostream* ausgabe = nullptr, std::ostream* fehlerausgabe = nullptr);

  // The run to stop when an answer is missing, and for the line in messages.
  void setzeLauf(Makrointerpreter* lauf) { lauf_ = lauf; }
  // Finds the element under a point (world mm) for the picking words; 0: none.
  std::function<std::int32_t(Weltpunkt)> elementAn;

  // Answers the cursor words the run waits for, one after another, until it
  // no longer waits or an answer is missing.
  Laufende beantworteCursorwoerter(Laufende ende, Makrointeraktion& interaktion, const Zeichnung& zeichnung);

  const std::optional<std::string>& fehler() const { return fehler_; }
  std::size_t unbenutzteZeilen() const;
  // Everything shown, one entry per message, for tests.
  std::vector<std::string> meldungen;

  void warnung(std::string_view text) override;
  void information(std::string_view text) override;
  void infobox(std::string_view text, const std::string& bild) override;
  bool frage(std::string_view text) override;
  std::optional<std::string> eingabe(std::string_view aufforderung) override;
  void zeigeHinweis(std::string_view text) override;
  void verbergeHinweis() override {}
  int funktionstaste() override { return 0; }
  std::optional<std::string> waehleDatei(std::string_view titel, std::string_view filter, const std::string& vorschlag,
                                         bool speichern) override;
  void erwartePunkt(const Cursoranfrage&) override {}
  Dialogergebnis zeigeDialog(Makrodialog& dialog) override;
  void zeigeLivedialog(Makrodialog&) override {}
  void schliesseLivedialog() override {}

 private:
  // The next answer for `wort`; nullopt (and the run stopped) when there is none.
  std::optional<std::string> naechste(std::string_view wort);
  // Ends the run with a message about the answer just taken.
  void passtNicht(std::string_view wort, std::string_view erwartet, std::string_view gefunden);
  void brichAb(std::string meldung);
  std::string makrozeile() const;
  std::optional<Cursorantwort> cursorantwort(const Cursoranfrage& anfrage, const Zeichnung& zeichnung);

  std::vector<std::string> zeilen_;
  std::size_t naechste_ = 0;
  std::size_t antwortzeile_ = 0;  // file line of the answer last taken, from 1
  std::filesystem::path ordner_;
  bool ohneDatei_ = false;
  std::ostream* ausgabe_;
  std::ostream* fehlerausgabe_;
  Makrointerpreter* lauf_ = nullptr;
  std::optional<std::string> fehler_;
};

// The lines of an answers file; nullopt with a German reason in `fehler`
// when it cannot be read.
std::optional<std::vector<std::string>> leseAntwortdatei(const std::filesystem::path& pfad, std::string& fehler);

}  // namespace quarzel
