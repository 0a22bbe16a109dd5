// The command line of quarzel-cli, read into one plain record. The sub-command
// functions get a checked call and never look at argv; everything the grammar
// refuses is a usage error (exit code 2) with a German reason.
//
//   quarzel-cli info DATEI
//   quarzel-cli render DATEI -o AUSGABE.png|pdf|svg [--sheet|--all] [--dpi N]
//   quarzel-cli print DATEI [--printer NAME] [--pdf AUSGABE.pdf] [--whole] [--tiles]
//   quarzel-cli convert EINGABE -o AUSGABE.qzz|dxf
//   quarzel-cli macro run MAKRO.psq [-i ZEICHNUNG] -o AUSGABE.qzz [--answers ANTWORTEN.txt]
//   quarzel-cli symbol ZEICHNUNG -o AUSGABE.qzs|det [--massstab N] [--bezeichnung T]
//               [--beschreibung T] [--material T] [--gewicht T] [--preis T]
//   quarzel-cli projekt DATEI [--zeige VARIABLE ... | --setze VARIABLE=WERT ... -o AUSGABE.qzz]
//   quarzel-cli stueckliste DATEI [--maske NAME | --gruppen] [--sichtbar] -o AUSGABE.htm|csv
//   quarzel-cli --help
//
// Plain C++ without Qt: the batch tool must also work where no display is.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarzel {

enum class Clibefehl {
  Hilfe,
  Info,
  Render,
  Print,
  Convert,
  MacroRun,
  Symbol,
  Projekt,
  Stueckliste,
};
enum class Renderbereich { Blatt, Alles };

struct Cliaufruf {
  Clibefehl befehl = Clibefehl::Hilfe;
  std::string eingabe;    // the drawing, exchange file or macro
  std::string ausgabe;    // -o
  std::string zeichnung;  // macro run: -i, the drawing the macro starts from
  std::string antworten;  // macro run: --answers, what the user would answer
  Renderbereich bereich = Renderbereich::Blatt;
  int dpi = 0;  // 0: the renderer's default
  // print: the queue ("": the default printer), a PDF file instead of the
  // queue's paper, the whole drawing instead of the sheet, several pages allowed.
  std::string drucker;
  std::string pdf;
  bool ganzeZeichnung = false;
  bool kacheln = false;
  // symbol: the scale the symbol is saved at (0: the drawing's scale in
  // force) and the Symbolinformationen given, in the order "--bezeichnung",
  // "--beschreibung", "--material", "--gewicht", "--preis".
  double massstab = 0;
  std::array<std::optional<std::string>, 5> symbolinfo;
  // projekt: the project data to set, variable (with or without "$") and
  // value; the variables whose values are asked for.
  std::vector<std::pair<std::string, std::string>> projektwerte;
  std::vector<std::string> projektfragen;
  // stueckliste: the data mask ("" for all symbols), or all named groups;
  // only elements on visible layers.
  std::string stuecklistenmaske;
  bool benannteGruppen = false;
  bool nurSichtbare = false;
};

// The options of the Symbolinformationen, in key order.
inline constexpr std::array<std::string_view, 5> kSymbolinfoOptionen = {"--bezeichnung", "--beschreibung", "--material",
                                                                        "--gewicht", "--preis"};

struct Cliauswertung {
  std::optional<Cliaufruf> aufruf;  // set when the command line is valid
  std::string fehler;               // otherwise the reason, in German
};

inline constexpr int kDpiHoechstens = 2400;

// argumente without the program name.
Cliauswertung werteCliAus(std::span<const std::string> argumente);

// The name of a sub-command as typed ("info", "macro run", ...).
std::string_view befehlsname(Clibefehl befehl);

// The usage text, ending with a newline.
std::string cliVerwendung();

}  // namespace quarzel
