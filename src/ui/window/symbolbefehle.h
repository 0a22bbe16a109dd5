// Symbolbefehle: the menu "S&ymbole" — placing a symbol file, saving the
// marked elements as a symbol or detail file, and the "Symbolinformationen"
// of a symbol file. Saving asks for the file, then for its information; the
// file gets the preview picture drawn by ui/qt/symbolausgabe.
//
// beginneSymbolEinfuegen is the one way in for every place that offers
// symbols (the menu's file dialog, the symbol catalogue): it reads the file
// and hands the symbol to the placing tool.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <string>

#include "ui/window/fensteranschluss.h"

class QAction;
class QDialog;

namespace quarzel {

class Werkzeugbedienung;
struct Hauptmenue;

inline constexpr std::string_view Symboleinfuegefilter =
    "Symbole und Details (*.QZS;*.DET;*.SY1;*.SY2;*.TMP)|*.QZS;*.DET;*.SY1;*.SY2;*.TMP|Symbole (*.QZS)|*.QZS|"
    "Details (*.DET)|*.DET|Ältere Symbole (*.SY1;*.SY2)|*.SY1;*.SY2|Alle Dateien|*.*";
inline constexpr std::string_view Symbolspeicherfilter = "Symbole (*.QZS)|*.QZS";
inline constexpr std::string_view Detailspeicherfilter = "Details (*.DET)|*.DET";
inline constexpr std::string_view Symbolinfofilter = "Symbole und Details (*.QZS;*.DET)|*.QZS;*.DET|Alle Dateien|*.*";

// `benutzerordner` (the user's symbol folder) once it holds anything, else
// the shipped library `bibliothek` when it exists, so a new user finds the
// library at once; else `benutzerordner`. Folders end in a separator.
std::string symbolquelle(const std::string& benutzerordner, const std::filesystem::path& bibliothek);

class Symbolbefehle final : public QObject {
 public:
  Symbolbefehle(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge, const Hauptmenue& menue);

  // "Symbol einfügen...": a file dialog, then the placing tool.
  void symbolEinfuegen();
  // Reads the symbol file and starts placing it. False when it could not be
  // read (the user was told; the drawing is unchanged).
  bool beginneSymbolEinfuegen(const std::string& pfad);
  // "Als Symbol speichern..." / "Als Detail speichern...". True when written.
  bool alsSymbolSpeichern() { return speichern(false); }
  bool alsDetailSpeichern() { return speichern(true); }
  // "Symbolinformationen...": a symbol file, then its information.
  void symbolinformationen();

  // The folder the dialogs start in, with a final separator:
  // "Standard_Symbole", or "Symbole" in the user's data folder (created when
  // missing).
  std::string symbolordner() const;
  // The folder the reading dialogs ("Symbol einfügen...",
  // "Symbolinformationen...") start in: "Standard_Symbole" when set, else
  // symbolquelle() of the user's folder and the shipped library.
  std::string symbolleseordner() const;

  // Called with the file after a symbol or detail file was written, so a
  // catalogue showing its folder shows it at once.
  std::function<void(const std::string& pfad)> gespeichert;

  // Test hook: called with each dialog right before it is shown modally; a
  // test may fill it and accept or reject it there.
  std::function<void(QDialog& dialog)> vorDialog;

 private:
  bool speichern(bool detail);
  bool zeige(QDialog& dialog);

  Fensteranschluss fenster_;
  Werkzeugbedienung& werkzeuge_;
};

}  // namespace quarzel
