#include "ui/window/programmstart.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "project/projektbearbeitung.h"
#include "settings/konfiguration.h"
#include "styles/linienstilstart.h"
#include "view/ansicht.h"

namespace quarzel {

namespace fs = std::filesystem;

Einstellungen leseEinstellungen(Konfiguration& konfiguration) {
  Einstellungen e;
  e.lese(konfiguration.openSettings().ini());
  return e;
}

Zeichnungsvorgaben zeichnungsvorgaben(const Einstellungen& einstellungen) {
  const einstellung::Projektoptionen& p = einstellungen.projektoptionen;
  Zeichnungsvorgaben v;
  // Out-of-range sizes stay out of range after rounding, so the view start-up
  // can refuse them with its numbered message instead of drawing a wrong sheet.
  v.ansicht.sheetWidth = Ansicht::nearestInt32(p.blattBreite);
  v.ansicht.sheetHeight = Ansicht::nearestInt32(p.blattHoehe);
  v.ansicht.unitCode = p.einheit;
  v.ansicht.unitFactor = p.faktor;
  v.ansicht.unitName = p.einheitenname;
  v.ansicht.drawingScale = p.massstab;
  v.undoTiefe = std::clamp(einstellungen.undoschritte.anzahl, 1, 100);
  v.stifte.uebernimm(einstellungen.stiftbreiten);
  ladeLinienstileBeimStart(v.linienstile);
  return v;
}

bool starteZeichnung(Zeichnung& zeichnung, const Zeichnungsvorgaben& vorgaben, Benutzer& benutzer) {
  zeichnung.stifte = vorgaben.stifte;
  zeichnung.linienstile = vorgaben.linienstile;
  zeichnung.speicher.undoTiefe = vorgaben.undoTiefe;
  if (!zeichnung.speicher.initialisiere(benutzer)) return false;
  starteAnsicht(zeichnung.ansicht, vorgaben.ansicht, benutzer);
  // The project's date is the day its drawing was begun.
  beginneProjektdaten(zeichnung, heutigesDatum());
  return true;
}

std::string endungGross(std::string_view pfad) {
  const std::string name = fs::path(std::string(pfad)).filename().string();
  const std::size_t punkt = name.rfind('.');
  if (punkt == std::string::npos || punkt == 0) return {};
  std::string endung = name.substr(punkt + 1);
  for (char& c : endung) {
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  }
  return endung;
}

Dateiart dateiart(std::string_view pfad) {
  const std::string endung = endungGross(pfad);
  if (endung == "QZZ" || endung == "BAK") return Dateiart::Zeichnung;
  if (endung == "PLA" || endung == "RUZ" || endung == "ZID") return Dateiart::Import;
  return Dateiart::Andere;
}

std::string meldungImportFehlt(std::string_view pfad) {
  return "Die Datei " + std::string(pfad) + " kann nicht geöffnet werden: Der Import von " + endungGross(pfad) +
         "-Dateien ist in dieser Version noch nicht verfügbar.";
}

std::string meldungStartdateiFehlt(std::string_view pfad) {
  return "Die Datei " + std::string(pfad) + " wurde nicht gefunden.";
}

Startdatei startdatei(const std::vector<std::string>& argumente) {
  Startdatei s;
  if (argumente.empty() || argumente.front().empty()) return s;
  s.pfad = argumente.front();
  std::error_code ec;
  const fs::file_status status = fs::status(s.pfad, ec);
  if (!fs::exists(status)) {
    s.art = Startdatei::Art::Fehlt;
  } else if (!fs::is_directory(status) && dateiart(s.pfad) != Dateiart::Andere) {
    s.art = Startdatei::Art::Oeffnen;
  }
  return s;
}

}  // namespace quarzel
