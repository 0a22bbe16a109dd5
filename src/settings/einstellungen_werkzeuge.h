// The settings sections of the editing tools: dimensions, freehand lines,
// construction lines, multiple lines, layer activation and the clipboard.
// See einstellungen.h for the pattern every section follows.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/inidatei.h"
#include "platform/farbe.h"

namespace quarzel::einstellung {

// Dimensions, and the options of the measuring panel that share the section.
struct Vermassung {
  static constexpr std::string_view kSektion = "Vermassung";
  bool architektengerecht = true;
  bool masstextAutomatisch = true;
  double masslinienUeberstand = 1.5;  // mm
  int masslinienStift = 3;
  int masslinienHilfslinienstift = 3;
  int masslinienstil = 1;
  double masshilfslinienLaenge = 2.5;      // mm
  double masshilfslinienUeberstand = 2.5;  // mm
  double begrenzungGroesse = 1.414;        // mm
  int begrenzungStift = 3;
  double symbollaenge = 20;
  std::string font = "Arial";
  double texthoehe = 3.5;  // mm
  double tth = 2.5;        // tolerance text height, mm
  Farbe editFarbe = 16711871;
  bool editDrucken = false;
  bool masstexthoeheAbhaengig = false;
  bool auchBeimMessen = false;
  double masslinienabstand = 10;
  int mtp = 0;
  int flags = 0;
  int tol = 0;
  int ende = 0;
  int tol1 = 0;
  int tol2 = 0;
  double mlabstand = 10;
  double kotengroesse = 4;
  int fensterhoehe = 1000;
  int messtexthoehe = 16;
  bool vortextflag = false;
  bool nachtextflag = false;
  std::string vortext;
  std::string nachtext;
  bool umfang = false;
  bool putzan = false;
  // One key, one default: 2, the plaster thickness in cm the measuring panel
  // starts with (the dimension dialog never shows this value).
  double putz = 2;

  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("&architektengerechte Darstellung", s.architektengerecht);
    f("&Maßtext automatisch positionieren", s.masstextAutomatisch);
    f(verbundenerSchluessel("Maßlinien", "Überstand:"), s.masslinienUeberstand);
    f(verbundenerSchluessel("Maßlinien", "Stift:"), s.masslinienStift);
    f(verbundenerSchluessel("Maßlinien", "Hilfslinienstift"), s.masslinienHilfslinienstift);
    f("Masslinienstil", s.masslinienstil);
    f(verbundenerSchluessel("Maßhilfslinien", "Länge:"), s.masshilfslinienLaenge);
    f(verbundenerSchluessel("Maßhilfslinien", "Überstand:"), s.masshilfslinienUeberstand);
    f(verbundenerSchluessel("Maßlinienbegrenzungen", "Größe:"), s.begrenzungGroesse);
    f(verbundenerSchluessel("Maßlinienbegrenzungen", "Stift:"), s.begrenzungStift);
    f("Symbollänge:", s.symbollaenge);
    f("Font:", s.font);
    f("Texthöhe:", s.texthoehe);
    f("tth", s.tth);
    f("EditFarbe", s.editFarbe);
    f("EditDrucken", s.editDrucken);
    f("mastexthoeheabhaengig", s.masstexthoeheAbhaengig);
    f("AuchbeimMessen", s.auchBeimMessen);
    f("Masslinienabstand", s.masslinienabstand);
    f("mtp", s.mtp);
    f("flags", s.flags);
    f("tol", s.tol);
    f("ende", s.ende);
    f("tol1", s.tol1);
    f("tol2", s.tol2);
    f("mlabstand", s.mlabstand);
    f("kotengroesse", s.kotengroesse);
    f("Fensterhoehe", s.fensterhoehe);
    f("messtexthoehe", s.messtexthoehe);
    f("Vortextflag", s.vortextflag);
    f("Nachtextflag", s.nachtextflag);
    f("Vortext", s.vortext);
    f("Nachtext", s.nachtext);
    f("Umfang", s.umfang);
    f("Putzan", s.putzan);
    f("Putz", s.putz);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Vermassung&) const = default;
};

struct FreihandLinien {
  static constexpr std::string_view kSektion = "FreihandLinien";
  double ueberstandRelativ = 10;
  double ueberstandAbsolut = 3;
  double auslenkung = 8;
  double faktor = 3;
  bool relativerUeberstand = true;
  bool beschleunigteDarstellung = true;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Überstand relativ", s.ueberstandRelativ);
    f("Überstand absolut", s.ueberstandAbsolut);
    f("Auslenkung", s.auslenkung);
    f("Faktor", s.faktor);
    f("Relativer Überstand", s.relativerUeberstand);
    f("Beschleunigte Bildschirmdarstellung", s.beschleunigteDarstellung);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const FreihandLinien&) const = default;
};

// Construction lines.
struct Hilfslinien {
  static constexpr std::string_view kSektion = "Hilfslinien";
  int art = 0;
  bool verschiebbar = false;
  Farbe farbe = 0;
  double teilung = 50.0;
  double winkel = 45.0;
  double abstand = 1.0;
  double pAbstand = 1.0;
  double kwinkel = 45;
  int kteiler = 50;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Art", s.art);
    f("verschiebbar", s.verschiebbar);
    f("Farbe", s.farbe);
    f("Teilung", s.teilung);
    f("Winkel", s.winkel);
    f("Abstand", s.abstand);
    f("PAbstand", s.pAbstand);
    f("kwinkel", s.kwinkel);
    f("kteiler", s.kteiler);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Hilfslinien&) const = default;
};

// Up to six parallel lines. Every list has exactly six entries; entries
// missing from the file or not readable keep their defaults.
struct Mehrfachlinien {
  static constexpr std::string_view kSektion = "Mehrfachlinien";
  static constexpr int kLinien = 6;
  std::array<int, kLinien> darstellen{1, 1, 1, 1, 1, 1};
  // The stored default text is "0;50;100;150,200;250;300;": six entries, the
  // fourth with a decimal comma.
  std::array<double, kLinien> abstand{0, 50, 100, 150.2, 250, 300};
  std::array<int, kLinien> stift{1, 1, 1, 1, 1, 1};
  std::array<int, kLinien> stil{1, 1, 2, 3, 4, 5};
  std::array<Farbe, kLinien> farbe{0, 0, 0, 0, 0, 0};
  int flag = 0;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("darstellen", s.darstellen);
    f("Abstand", s.abstand);
    f("Stift", s.stift);
    f("Stil", s.stil);
    f("Farbe", s.farbe);
    f("Flag", s.flag);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Mehrfachlinien&) const = default;
};

struct Clipboard {
  static constexpr std::string_view kSektion = "Clipboard";
  bool clipboardexport = true;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Clipboardexport", s.clipboardexport);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const Clipboard&) const = default;
};

struct EbeneAktivieren {
  static constexpr std::string_view kSektion = "Ebene aktivieren";
  bool objekttransfer = false;
  bool anpassen = false;
  bool kopieren = false;
  template <class S, class F>
  static void felder(S& s, F&& f) {
    f("Objekttransfer", s.objekttransfer);
    f("anpassen", s.anpassen);
    f("kopieren", s.kopieren);
  }
  void lese(const IniDatei& ini);
  void schreibe(IniDatei& ini) const;
  bool operator==(const EbeneAktivieren&) const = default;
};

}  // namespace quarzel::einstellung
