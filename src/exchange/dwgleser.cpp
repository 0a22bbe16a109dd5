#include "exchange/dwgleser.h"

#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <fstream>

#include "base/dateiabbild.h"
#include "base/externesprogramm.h"
#include "exchange/cadformate.h"
#include "exchange/dxfleser.h"
#include "settings/konfiguration.h"

namespace quarzel {

namespace {

// The converter's exit codes.
constexpr int kNichtLesbar = 2;
constexpr int kBibliothekFehlt = 3;

struct Version {
  std::string_view code;
  std::string_view name;
};
constexpr std::array<Version, 14> kVersionen = {{
    {"AC1001", "AutoCAD 2.2"},  {"AC1002", "AutoCAD 2.5"}, {"AC1003", "AutoCAD 2.6"},
    {"AC1004", "AutoCAD R9"},   {"AC1006", "AutoCAD R10"}, {"AC1009", "AutoCAD R11/R12"},
    {"AC1012", "AutoCAD R13"},  {"AC1014", "AutoCAD R14"}, {"AC1015", "AutoCAD 2000"},
    {"AC1018", "AutoCAD 2004"}, {"AC1021", "AutoCAD 2007"}, {"AC1024", "AutoCAD 2010"},
    {"AC1027", "AutoCAD 2013"}, {"AC1032", "AutoCAD 2018"},
}};

std::string anfangDerDatei(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  char anfang[6] = {};
  ein.read(anfang, sizeof anfang);
  return std::string(anfang, static_cast<std::size_t>(ein.gcount()));
}

// The files before R13 are another format, of which the library reads only
// the tables.
bool vorR13(std::string_view anfang) {
  return anfang.size() == 6 && anfang.substr(0, 2) == "AC" && anfang.substr(2) < "1012";
}

std::string letzteZeile(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  const std::size_t p = text.rfind('\n');
  return std::string(p == std::string_view::npos ? text : text.substr(p + 1));
}

// A file of our own for the converter's output, removed when it goes.
class Zwischendatei {
 public:
  Zwischendatei() {
    std::error_code f;
    std::filesystem::path ordner = std::filesystem::temp_directory_path(f);
    if (f) ordner = "/tmp";
    std::string muster = (ordner / "quarzel-dwg-XXXXXX.dxf").string();
    const int fd = ::mkstemps(muster.data(), 4);
    if (fd >= 0) {
      ::close(fd);
      pfad_ = muster;
    }
  }
  ~Zwischendatei() {
    if (!pfad_.empty()) ::unlink(pfad_.c_str());
  }
  Zwischendatei(const Zwischendatei&) = delete;
  Zwischendatei& operator=(const Zwischendatei&) = delete;
  const std::string& pfad() const { return pfad_; }

 private:
  std::string pfad_;
};

DwgErgebnis fehler(std::string text) {
  DwgErgebnis e;
  e.fehler = std::move(text);
  return e;
}

}  // namespace

DwgKonverter standardDwgKonverter() {
  DwgKonverter k;
  const char* node = std::getenv("QUARZEL_NODE");
  k.node = node && *node ? node : "node";
  const std::filesystem::path ordner = programmordner() / "DWG";
  k.skript = ordner / "dwgnachdxf.mjs";
  k.paket = ordner / "node_modules" / "@mlightcad" / "libredwg-web";
  return k;
}

std::string dwgVersionsname(std::string_view anfang) {
  const std::string_view code = anfang.substr(0, 6);
  for (const Version& v : kVersionen)
    if (v.code == code) return std::string(v.name) + ", " + std::string(code);
  if (code.size() == 6 && code.substr(0, 2) == "AC") return "unbekannte Version " + std::string(code);
  return "keine DWG-Kennung";
}

DwgErgebnis dwgLesen(const std::string& pfad, CadModell& modell, const DwgKonverter& konverter,
                     const std::function<bool()>& abbrechen) {
  const std::string anfang = anfangDerDatei(pfad);
  const std::string version = dwgVersionsname(anfang);
  const std::string datei = "Die DWG-Datei \"" + pfad + "\" (" + version + ")";
  if (vorR13(anfang))
    return fehler(datei + " ist älter als AutoCAD R13 und kann nicht importiert werden. Bitte speichern Sie sie "
                          "als DXF.");
  if (findeProgramm(konverter.node).empty())
    return fehler(
        "Für den DWG-Import wird Node.js (Version 20 oder neuer) benötigt, es wurde aber nicht gefunden. Bitte "
        "installieren Sie es, zum Beispiel mit \"make deps\" oder \"apt-get install nodejs\".");
  std::error_code f;
  if (!std::filesystem::is_regular_file(konverter.skript, f))
    return fehler("Der DWG-Konverter \"" + konverter.skript.string() + "\" fehlt.");
  const std::string paketFehlt = "Der DWG-Konverter ist nicht vollständig installiert: die Bibliothek \"" +
                                 konverter.paket.string() +
                                 "\" fehlt. Bitte führen Sie \"make deps\" aus oder \"npm ci\" im Ordner \"" +
                                 konverter.skript.parent_path().string() + "\".";
  if (!std::filesystem::is_directory(konverter.paket, f)) return fehler(paketFehlt);

  Zwischendatei ausgabe;
  if (ausgabe.pfad().empty()) return fehler("Für den DWG-Import kann keine Zwischendatei angelegt werden.");
  Programmaufruf aufruf;
  aufruf.programm = konverter.node;
  // Node's optimising compiler would take many seconds over the library;
  // its first compiler alone starts at once and is fast enough.
  aufruf.argumente = {"--liftoff-only", "--max-old-space-size=1024", konverter.skript.string(), pfad,
                      ausgabe.pfad()};
  aufruf.zeitlimitMs = konverter.zeitlimitMs;
  aufruf.speicherlimit = konverter.speicherlimit;
  aufruf.abbrechen = abbrechen;
  const Programmergebnis lauf = fuehreProgrammAus(aufruf);

  switch (lauf.ende) {
    case Programmende::NichtGefunden:
      return fehler("Node.js (\"" + konverter.node + "\") kann nicht gestartet werden.");
    case Programmende::Zeitlimit:
      return fehler("Der DWG-Konverter hat die DWG-Datei \"" + pfad + "\" (" + version + ") nicht innerhalb von " +
                    std::to_string(konverter.zeitlimitMs / 1000) + " Sekunden gelesen und wurde beendet.");
    case Programmende::Abgebrochen:
      return fehler("Der DWG-Import wurde abgebrochen.");
    case Programmende::Signal:
      return fehler("Der DWG-Konverter ist beim Lesen der Datei \"" + pfad + "\" (" + version +
                    ") abgestürzt oder an seine Speichergrenze gestoßen.");
    case Programmende::Beendet:
      break;
  }
  if (lauf.exitcode == kNichtLesbar)
    return fehler(datei + " kann nicht gelesen werden: sie ist beschädigt oder keine DWG-Datei.");
  if (lauf.exitcode == kBibliothekFehlt) return fehler(paketFehlt);
  if (lauf.exitcode != 0) {
    const std::string grund = letzteZeile(lauf.fehlerausgabe);
    return fehler("Der DWG-Konverter konnte die Datei \"" + pfad + "\" (" + version + ") nicht umwandeln" +
                  (grund.empty() ? std::string(".") : ": " + grund));
  }

  Dateiabbild abbild;
  if (!abbild.oeffnen(ausgabe.pfad())) return fehler(abbild.fehler());
  DwgErgebnis e;
  e.punktdarstellung = cadPunktdarstellung(abbild.daten());
  static_cast<CadLeseergebnis&>(e) =
      dxfLesen(abbild.daten(), modell, [&abbild](std::size_t bis) { abbild.gibFrei(bis); });
  if (!e.ok && !e.fehler.empty()) {
    e.fehler = datei + " wurde nur teilweise umgewandelt: " + e.fehler;
  } else if (lauf.fehlerausgabe.find("DWG beschädigt") != std::string::npos) {
    e.ok = false;
    e.fehler = datei + " ist beschädigt; nur ein Teil konnte gelesen werden.";
  }
  return e;
}

}  // namespace quarzel
