// The sub-commands of quarzel-cli, one function each, with the signature of
// the dispatch table in quarzel_cli_main.cpp: the checked call and the user
// whose messages go to the standard error stream. Each returns the exit code
// (0 success, 1 error).
#pragma once

#include <QGuiApplication>
#include <iosfwd>
#include <memory>
#include <string>

#include "platform/benutzer.h"
#include "ui/window/cliaufruf.h"

namespace quarzel {

struct Zeichnung;
class Schraffurbibliothek;

// A GUI application for the fonts, unless one runs already (then nullptr).
std::unique_ptr<QGuiApplication> starteCliAnwendung();
// The drawing file with the program's line styles and hatches, its load notes
// reported; false when it could not be loaded.
bool ladeCliZeichnung(const std::string& pfad, Zeichnung& zeichnung, Schraffurbibliothek& schraffuren,
                      Benutzer& benutzer);

// A CAD file (DXF, DWG, HPGL, SVG, CGM) imported into `zeichnung` as the
// window imports it, without questions; false when nothing could be read.
bool importiereCliCad(const std::string& pfad, Zeichnung& zeichnung, Benutzer& benutzer);

// info DATEI: statistics, layers and sheet of a drawing file on stdout.
int cliInfo(const Cliaufruf& aufruf, Benutzer& benutzer);
// The same with the report going to `aus`.
int cliInfo(const std::string& datei, std::ostream& aus, Benutzer& benutzer);

// render DATEI -o AUSGABE.png|pdf|svg [--sheet|--all] [--dpi N].
int cliRender(const Cliaufruf& aufruf, Benutzer& benutzer);

// print DATEI [--printer NAME] [--pdf AUSGABE.pdf] [--whole] [--tiles].
int cliPrint(const Cliaufruf& aufruf, Benutzer& benutzer);

// convert EINGABE -o AUSGABE.qzz|dxf: a drawing or CAD file saved as a drawing or exported as DXF.
int cliConvert(const Cliaufruf& aufruf, Benutzer& benutzer);

// macro run MAKRO [-i ZEICHNUNG] -o AUSGABE: runs a macro and saves the drawing.
int cliMacroRun(const Cliaufruf& aufruf, Benutzer& benutzer);

// symbol ZEICHNUNG -o AUSGABE.qzs|det [--massstab N] [--bezeichnung T] ...:
// the drawing's elements as a symbol file with its Symbolinformationen.
int cliSymbol(const Cliaufruf& aufruf, Benutzer& benutzer);
// projekt DATEI [--setze VARIABLE=WERT ...] [-o AUSGABE.qzz]: lists or sets the project data.
int cliProjekt(const Cliaufruf& aufruf, Benutzer& benutzer);
// stueckliste DATEI [--maske NAME | --gruppen] [--sichtbar] -o AUSGABE.htm|csv:
// the bill of materials saved as HTML or CSV.
int cliStueckliste(const Cliaufruf& aufruf, Benutzer& benutzer);

}  // namespace quarzel
