#include "ui/window/cliaufruf.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace quarzel {

namespace {

std::string kleinGeschrieben(std::string_view s) {
  std::string k(s);
  std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return k;
}

bool endetAuf(std::string_view name, std::string_view endung) {
  const std::string klein = kleinGeschrieben(name);
  return klein.size() > endung.size() && klein.ends_with(endung);
}

Cliauswertung fehler(std::string text) {
  return {std::nullopt, std::move(text)};
}

// Walks the arguments after the sub-command: one positional file and the
// options each sub-command allows.
struct Leser {
  std::span<const std::string> rest;
  std::size_t i = 0;

  bool fertig() const { return i >= rest.size(); }
  const std::string& naechstes() { return rest[i++]; }
};

bool istOption(std::string_view a) {
  return a.size() > 1 && a[0] == '-';
}

}  // namespace

std::string_view befehlsname(Clibefehl befehl) {
  switch (befehl) {
    case Clibefehl::Hilfe:
      return "--help";
    case Clibefehl::Info:
      return "info";
    case Clibefehl::Render:
      return "render";
    case Clibefehl::Print:
      return "print";
    case Clibefehl::Convert:
      return "convert";
    case Clibefehl::MacroRun:
      return "macro run";
    case Clibefehl::Symbol:
      return "symbol";
    case Clibefehl::Projekt:
      return "projekt";
    case Clibefehl::Stueckliste:
      return "stueckliste";
  }
  return "";
}

std::string cliVerwendung() {
  return "Aufruf: quarzel-cli BEFEHL ...\n"
         "  info DATEI\n"
         "      zeigt Statistik, Ebenen und Blatt einer Zeichnung, Maßstab, Inhalt und Symbolinformationen\n"
         "      eines Symbols (.QZS, .DET, ...) oder den Inhalt einer DXF-Datei\n"
         "  render DATEI -o AUSGABE.png|pdf|svg [--sheet|--all] [--dpi N]\n"
         "      gibt das Blatt (--sheet, Vorgabe) oder die ganze Zeichnung (--all) aus;\n"
         "      DATEI darf auch eine CAD-Datei (DXF, ...) sein\n"
         "  print DATEI [--printer NAME] [--pdf AUSGABE.pdf] [--whole] [--tiles]\n"
         "      druckt das Blatt (--whole: die ganze Zeichnung) in Originalgröße, mit --tiles\n"
         "      auch auf mehreren Seiten\n"
         "  convert EINGABE -o AUSGABE.qzz|dxf\n"
         "      speichert eine Zeichnung neu oder exportiert sie als DXF (R2000);\n"
         "      eine CAD-Datei (DXF, ...) wird dazu importiert wie im Programm\n"
         "  macro run MAKRO.psq [-i ZEICHNUNG] -o AUSGABE.qzz [--answers ANTWORTEN.txt]\n"
         "      führt ein Makro aus und speichert die Zeichnung; was das Makro fragt, beantworten\n"
         "      die Zeilen der Antwortdatei der Reihe nach: Ja/Nein (QUESTION), der Text (INPUT),\n"
         "      ein Dateiname (FILEOPEN), x;y oder x;y;taste (Cursorbefehle), x1;y1;x2;y2\n"
         "      (GETCURSORBOX), x;y des Elements (GETLINE, GETARC, GETSYMBOL), für Dialoge\n"
         "      Zeilen \"art nummer=wert\" und zuletzt \"knopf N\", \"livebutton N\" drückt den Knopf\n"
         "      eines Live-Dialogs, während ein Cursorbefehl wartet; <Abbruch> bricht ab, # kommentiert\n"
         "  symbol ZEICHNUNG -o AUSGABE.qzs|det [--massstab N] [--bezeichnung T] [--beschreibung T]\n"
         "         [--material T] [--gewicht T] [--preis T]\n"
         "      speichert alle Elemente der Zeichnung als Symbol oder Detail (im Maßstab 1:N,\n"
         "      ohne --massstab in dem der aktiven Ebene) mit ihren Symbolinformationen\n"
         "  projekt DATEI [--zeige VARIABLE ... | --setze VARIABLE=WERT ... -o AUSGABE.qzz]\n"
         "      zeigt die Zeichnungsinformationen (Variable, aktueller Wert, Bedeutung),\n"
         "      mit --zeige nur die Werte der genannten Variablen (etwa --zeige ProjName),\n"
         "      oder setzt Felder des Dialogs (etwa --setze ProjName=Neubau) und speichert\n"
         "  stueckliste DATEI [--maske NAME | --gruppen] [--sichtbar] -o AUSGABE.htm|csv\n"
         "      speichert die Stückliste der Zeichnung: alle Symbole, mit --maske die Symbole\n"
         "      einer Datenmaske mit ihren Werten, mit --gruppen alle benannten Gruppen;\n"
         "      --sichtbar zählt nur Elemente sichtbarer Ebenen\n"
         "Rückgabewerte: 0 erfolgreich, 1 Fehler, 2 falscher Aufruf\n";
}

Cliauswertung werteCliAus(std::span<const std::string> argumente) {
  if (argumente.empty()) return fehler("kein Befehl angegeben");
  const std::string& erstes = argumente[0];
  if (erstes == "-h" || erstes == "--help" || erstes == "hilfe") {
    if (argumente.size() > 1) return fehler("zu --help gehören keine weiteren Angaben");
    return {Cliaufruf{}, {}};
  }

  Cliaufruf a;
  std::size_t start = 1;
  if (erstes == "info") {
    a.befehl = Clibefehl::Info;
  } else if (erstes == "render") {
    a.befehl = Clibefehl::Render;
  } else if (erstes == "print") {
    a.befehl = Clibefehl::Print;
  } else if (erstes == "convert") {
    a.befehl = Clibefehl::Convert;
  } else if (erstes == "symbol") {
    a.befehl = Clibefehl::Symbol;
  } else if (erstes == "projekt") {
    a.befehl = Clibefehl::Projekt;
  } else if (erstes == "stueckliste") {
    a.befehl = Clibefehl::Stueckliste;
  } else if (erstes == "macro") {
    if (argumente.size() < 2 || argumente[1] != "run") return fehler("nach \"macro\" fehlt \"run\"");
    a.befehl = Clibefehl::MacroRun;
    start = 2;
  } else {
    return fehler("unbekannter Befehl \"" + erstes + "\"");
  }

  Leser l{argumente.subspan(start)};
  bool bereichGesetzt = false;
  while (!l.fertig()) {
    const std::string& arg = l.naechstes();
    auto wert = [&](std::string& ziel) -> bool {
      if (l.fertig()) return false;
      ziel = l.naechstes();
      return !ziel.empty();
    };
    if (arg == "-o" && a.befehl != Clibefehl::Info && a.befehl != Clibefehl::Print) {
      if (!a.ausgabe.empty()) return fehler("-o ist doppelt angegeben");
      if (!wert(a.ausgabe)) return fehler("nach -o fehlt der Name der Ausgabedatei");
    } else if (arg == "-i" && a.befehl == Clibefehl::MacroRun) {
      if (!a.zeichnung.empty()) return fehler("-i ist doppelt angegeben");
      if (!wert(a.zeichnung)) return fehler("nach -i fehlt der Name der Zeichnung");
    } else if (arg == "--answers" && a.befehl == Clibefehl::MacroRun) {
      if (!a.antworten.empty()) return fehler("--answers ist doppelt angegeben");
      if (!wert(a.antworten)) return fehler("nach --answers fehlt der Name der Antwortdatei");
    } else if ((arg == "--sheet" || arg == "--all") && a.befehl == Clibefehl::Render) {
      if (bereichGesetzt) return fehler("--sheet und --all schließen einander aus");
      bereichGesetzt = true;
      a.bereich = arg == "--all" ? Renderbereich::Alles : Renderbereich::Blatt;
    } else if (arg == "--dpi" && a.befehl == Clibefehl::Render) {
      std::string zahl;
      if (!wert(zahl)) return fehler("nach --dpi fehlt die Auflösung");
      int dpi = 0;
      const auto [ende, ec] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), dpi);
      if (ec != std::errc() || ende != zahl.data() + zahl.size() || dpi < 1 || dpi > kDpiHoechstens) {
        return fehler("--dpi braucht eine ganze Zahl von 1 bis " + std::to_string(kDpiHoechstens));
      }
      a.dpi = dpi;
    } else if (arg == "--printer" && a.befehl == Clibefehl::Print) {
      if (!a.drucker.empty()) return fehler("--printer ist doppelt angegeben");
      if (!wert(a.drucker)) return fehler("nach --printer fehlt der Name des Druckers");
    } else if (arg == "--pdf" && a.befehl == Clibefehl::Print) {
      if (!a.pdf.empty()) return fehler("--pdf ist doppelt angegeben");
      if (!wert(a.pdf)) return fehler("nach --pdf fehlt der Name der PDF-Datei");
    } else if (arg == "--setze" && a.befehl == Clibefehl::Projekt) {
      std::string zuweisung;
      if (!wert(zuweisung)) return fehler("nach --setze fehlt VARIABLE=WERT");
      const std::size_t gleich = zuweisung.find('=');
      if (gleich == std::string::npos || gleich == 0) return fehler("--setze braucht VARIABLE=WERT");
      a.projektwerte.emplace_back(zuweisung.substr(0, gleich), zuweisung.substr(gleich + 1));
    } else if (arg == "--zeige" && a.befehl == Clibefehl::Projekt) {
      std::string variable;
      if (!wert(variable)) return fehler("nach --zeige fehlt die Variable");
      a.projektfragen.push_back(std::move(variable));
    } else if (arg == "--maske" && a.befehl == Clibefehl::Stueckliste) {
      if (!a.stuecklistenmaske.empty()) return fehler("--maske ist doppelt angegeben");
      if (!wert(a.stuecklistenmaske)) return fehler("nach --maske fehlt der Name der Datenmaske");
    } else if (arg == "--gruppen" && a.befehl == Clibefehl::Stueckliste) {
      a.benannteGruppen = true;
    } else if (arg == "--sichtbar" && a.befehl == Clibefehl::Stueckliste) {
      a.nurSichtbare = true;
    } else if (arg == "--whole" && a.befehl == Clibefehl::Print) {
      a.ganzeZeichnung = true;
    } else if (arg == "--tiles" && a.befehl == Clibefehl::Print) {
      a.kacheln = true;
    } else if (arg == "--massstab" && a.befehl == Clibefehl::Symbol) {
      std::string zahl;
      if (!wert(zahl)) return fehler("nach --massstab fehlt der Maßstab");
      double m = 0;
      const auto [ende, ec] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), m);
      if (ec != std::errc() || ende != zahl.data() + zahl.size() || !(m > 0) || m > 1e7)
        return fehler("--massstab braucht eine Zahl größer als 0 (1:N), höchstens 10000000");
      a.massstab = m;
    } else if (const auto o = std::find(kSymbolinfoOptionen.begin(), kSymbolinfoOptionen.end(), arg);
               o != kSymbolinfoOptionen.end() && a.befehl == Clibefehl::Symbol) {
      auto& ziel = a.symbolinfo[static_cast<std::size_t>(o - kSymbolinfoOptionen.begin())];
      if (ziel) return fehler(arg + " ist doppelt angegeben");
      if (l.fertig()) return fehler("nach " + arg + " fehlt der Text");
      ziel = l.naechstes();
    } else if (istOption(arg)) {
      return fehler("unbekannte Option \"" + arg + "\" für " + std::string(befehlsname(a.befehl)));
    } else if (a.eingabe.empty()) {
      a.eingabe = arg;
    } else {
      return fehler("überzählige Angabe \"" + arg + "\"");
    }
  }

  if (a.eingabe.empty()) return fehler(std::string(befehlsname(a.befehl)) + ": die Eingabedatei fehlt");
  if (a.befehl == Clibefehl::Projekt && a.projektwerte.empty() != a.ausgabe.empty()) {
    return fehler(a.ausgabe.empty() ? "projekt: zu --setze gehört -o AUSGABE" : "projekt: zu -o gehört --setze");
  }
  if (a.befehl == Clibefehl::Projekt && !a.projektfragen.empty() && !a.projektwerte.empty()) {
    return fehler("projekt: --zeige und --setze schließen einander aus");
  }
  if (a.befehl == Clibefehl::Projekt && !a.ausgabe.empty() && !endetAuf(a.ausgabe, ".qzz")) {
    return fehler("projekt: die Ausgabe muss auf .qzz enden");
  }
  if (a.befehl != Clibefehl::Info && a.befehl != Clibefehl::Print && a.befehl != Clibefehl::Projekt &&
      a.ausgabe.empty()) {
    return fehler(std::string(befehlsname(a.befehl)) + ": -o AUSGABE fehlt");
  }
  if (a.befehl == Clibefehl::Render && !endetAuf(a.ausgabe, ".png") && !endetAuf(a.ausgabe, ".pdf") &&
      !endetAuf(a.ausgabe, ".svg")) {
    return fehler("render: die Ausgabe muss auf .png, .pdf oder .svg enden");
  }
  if (a.befehl == Clibefehl::Print && !a.pdf.empty() && !endetAuf(a.pdf, ".pdf")) {
    return fehler("print: die Ausgabe nach --pdf muss auf .pdf enden");
  }
  if (a.befehl == Clibefehl::Convert && !endetAuf(a.ausgabe, ".qzz") && !endetAuf(a.ausgabe, ".dxf")) {
    return fehler("convert: die Ausgabe muss auf .qzz oder .dxf enden");
  }
  if (a.befehl == Clibefehl::Symbol && !endetAuf(a.ausgabe, ".qzs") && !endetAuf(a.ausgabe, ".det")) {
    return fehler("symbol: die Ausgabe muss auf .qzs oder .det enden");
  }
  if (a.befehl == Clibefehl::Stueckliste && a.benannteGruppen && !a.stuecklistenmaske.empty()) {
    return fehler("stueckliste: --maske und --gruppen schließen einander aus");
  }
  if (a.befehl == Clibefehl::Stueckliste && !endetAuf(a.ausgabe, ".htm") && !endetAuf(a.ausgabe, ".csv")) {
    return fehler("stueckliste: die Ausgabe muss auf .htm oder .csv enden");
  }
  if (a.befehl == Clibefehl::MacroRun && !endetAuf(a.ausgabe, ".qzz")) {
    return fehler("macro run: die Ausgabe muss auf .qzz enden");
  }
  return {a, {}};
}

}  // namespace quarzel
