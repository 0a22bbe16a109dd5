// The settings sections about files and output: saving, printing, grey
// printing, image export, folders, import scaling, undo depth and the recent
// files. See einstellungen.h for the pattern every section follows.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/inidatei.h"

namespace quarzel::einstellung {

// Saving, automatic saving and the DXF export switches.
struct Speichern {
  static constexpr std::string_view kSektion = "Speichern";
  bool automatischSpeichern = true;
  int alle = 600000;  // ms between automatic saves
  bool sicherheitskopieAnlegen = true;
  bool autosaveLoeschen = true;
  bool beiProgrammende = true;
  int dxfSplinemodus = 1;
  bool dxfSchraffur = true;
  bool dxfHilfslinien = false;
  bool dxfUnsichtbar = false;
  bool autosaveverzeichnis = false;
  std::string autosavepfad;
  bool bogen360 = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Automatisch speichern", s.automatischSpeichern);
    f("Alle", s.alle);
    f("Sicherheitskopie anlegen", s.sicherheitskopieAnlegen);
    f("Autosave loeschen", s.autosaveLoeschen);
    f("bei Programmende", s.beiProgrammende);
    f("DXFSplinemodus", s.dxfSplinemodus);
    f("DXFSchraffur", s.dxfSchraffur);
    f("DXFHilfslinien", s.dxfHilfslinien);
    f("DXFunsichtbar", s.dxfUnsichtbar);
    f("Autosaveverzeichnis", s.autosaveverzeichnis);
    f("Autosavepfad", s.autosavepfad);
    f("Bogen360", s.bogen360);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Speichern&) const = default;
};

struct PlaExport {
  static constexpr std::string_view kSektion = "PLA-Export";
  bool aktiv = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("aktiv", s.aktiv);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const PlaExport&) const = default;
};

// "Erweiterte Druckeinstellungen".
struct Drucken {
  static constexpr std::string_view kSektion = "Drucken";
  int funktion = 0;  // 0 automatic, 1 raster in the driver, 2 raster in the program
  int segmente = 1;  // 0 256 MByte, 1 64 MByte, 2 8 MByte
  bool texturgrenze = false;
  bool hilfslinien = false;
  bool pdfOptimieren = false;
  bool keineHilfslinien = true;
  bool keineMarker = true;
  // Where a print goes on the paper: the whole drawing instead of the sheet,
  // the orientation that suits the area, no shift for the unprintable margins.
  bool ganzeZeichnung = false;
  bool automatischeAusrichtung = true;
  bool raenderIgnorieren = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Funktion", s.funktion);
    f("Segmente", s.segmente);
    f("Texturgrenze", s.texturgrenze);
    f("Hilfslinien", s.hilfslinien);
    f("PDFoptimieren", s.pdfOptimieren);
    f("Keine Hilfslinien", s.keineHilfslinien);
    f("Keine Marker", s.keineMarker);
    f("GanzeZeichnung", s.ganzeZeichnung);
    f("AutoAusrichtung", s.automatischeAusrichtung);
    f("RaenderIgnorieren", s.raenderIgnorieren);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Drucken&) const = default;
};

// Inactive layers and sublayers shown and printed in grey.
struct Graueinstellungen {
  static constexpr std::string_view kSektion = "Graueinstellungen";
  bool planteile = false;
  bool folien = false;
  bool grauplanteildruck = false;
  bool graufoliedruck = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Planteile", s.planteile);
    f("Folien", s.folien);
    f("grauplanteildruck", s.grauplanteildruck);
    f("graufoliedruck", s.graufoliedruck);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Graueinstellungen&) const = default;
};

// Saving the drawing as an image.
struct BitmapSpeichern {
  static constexpr std::string_view kSektion = "BitmapSpeichern";
  int breite = 1920;  // pixels
  int hoehe = 1080;   // pixels
  int aufloesung = 0;
  int format = 0;
  int farben = 24;  // bits per pixel
  int qualitaet = 90;
  bool alsBlatt = true;
  int dpi = 300;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Breite", s.breite);
    f("Hoehe", s.hoehe);
    f("Aufloesung", s.aufloesung);
    f("Format", s.format);
    f("Farben", s.farben);
    f("Qualitaet", s.qualitaet);
    f("AlsBlatt", s.alsBlatt);
    f("DPI", s.dpi);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const BitmapSpeichern&) const = default;
};

// Folders. An empty entry means the built-in folder: drawings in
// zeichnungsordner() (~/Zeichnungen/), everything else in the program folders
// (konfiguration.h).
struct Standardpfade {
  static constexpr std::string_view kSektion = "Standardpfade";
  std::string standardZeichnung;
  std::string standardImport;
  std::string standardBitmaps;
  std::string standardSymbole;
  std::array<std::string, 5> bibliothek;  // "Bibliothek_1".."Bibliothek_5"
  std::string texturen;
  std::array<std::string, 5> texturenN;  // "Texturen_1".."Texturen_5"
  std::string psq;
  std::string autostart;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Standard_Zeichnung", s.standardZeichnung);
    f("Standard_Import", s.standardImport);
    f("Standard_Bitmaps", s.standardBitmaps);
    f("Standard_Symbole", s.standardSymbole);
    for (int i = 0; i < 5; ++i) f("Bibliothek_" + std::to_string(i + 1), s.bibliothek[i]);
    f("Texturen", s.texturen);
    for (int i = 0; i < 5; ++i) f("Texturen_" + std::to_string(i + 1), s.texturenN[i]);
    f("PSQ", s.psq);
    f("Autostart", s.autostart);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Standardpfade&) const = default;
};

// Scaling of imported CAD files.
struct ImportSkalierung {
  static constexpr std::string_view kSektion = "Skalierungs-Maßstab oder Blattformat einstellen";
  int importEinheitIndex = 0;
  double importEinheitFaktor = 1000;
  int importfilter = 0;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f(verbundenerSchluessel("Import-Einheit", "Index"), s.importEinheitIndex);
    f(verbundenerSchluessel("Import-Einheit", "Faktor"), s.importEinheitFaktor);
    f("Importfilter", s.importfilter);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const ImportSkalierung&) const = default;
};

struct Undoschritte {
  static constexpr std::string_view kSektion = "Undoschritte";
  int anzahl = 100;  // steps kept: 100, 50 or 10
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Anzahl", s.anzahl);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Undoschritte&) const = default;
};

// The recent files, newest first, one key each ("Datei1".."Datei6"): file
// names may contain ";", so one list value could not hold them.
struct Dateien {
  static constexpr std::string_view kSektion = "Dateien";
  static constexpr int kAnzahl = 6;
  std::array<std::string, kAnzahl> datei;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    for (int i = 0; i < kAnzahl; ++i) f("Datei" + std::to_string(i + 1), s.datei[i]);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Dateien&) const = default;
};

}  // namespace quarzel::einstellung
