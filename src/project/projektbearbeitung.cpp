#include "project/projektbearbeitung.h"

#include <cstdio>
#include <ctime>

#include "store/zeichnung.h"

namespace quarzel {

namespace {

namespace pz = projektzeile;

bool uebernimmtEingabe(int zeile) {
  return (zeile >= 0 && zeile <= 9) || (zeile >= 12 && zeile <= 27);
}

}  // namespace

std::string datumstext(int tag, int monat, int jahr) {
  char puffer[32];
  std::snprintf(puffer, sizeof puffer, "%02d.%02d.%d", tag, monat, jahr);
  return puffer;
}

std::string heutigesDatum() {
  const std::time_t jetzt = std::time(nullptr);
  std::tm t{};
  localtime_r(&jetzt, &t);
  return datumstext(t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
}

bool uebernimmProjekteingaben(Zeichnung& z, const Projekteingaben& eingaben, std::string_view heute) {
  Projektwerte neu = z.projektdaten;
  for (int i = 0; i < kProjektfelder; ++i) {
    const auto zeile = static_cast<std::size_t>(i);
    if (uebernimmtEingabe(i)) neu.werte[zeile] = eingaben[zeile];
    if (i >= pz::Dateiname && i <= pz::LetzteAenderungDatum) neu.werte[zeile] = projektfelder()[zeile].platzhalter;
  }
  for (int a = 0; a < pz::Aenderungen; ++a) {
    const auto name = static_cast<std::size_t>(pz::ErsteAenderung + 3 * a), anrede = name + 1, datum = name + 2;
    neu.werte[anrede] = eingaben[anrede];
    if (!eingaben[name].empty() && neu.werte[datum].empty()) {
      neu.werte[name] = eingaben[name];
      neu.werte[datum] = std::string(heute);
    }
  }
  if (neu == z.projektdaten) return false;
  z.projektdaten = std::move(neu);
  z.speicher.setzeModifiziert(true);
  return true;
}

bool setzeProjektwert(Zeichnung& z, int zeile, std::string wert) {
  if (zeile < 0 || zeile >= kProjektfelder) return false;
  std::string& ziel = z.projektdaten.werte[static_cast<std::size_t>(zeile)];
  if (ziel != wert) {
    ziel = std::move(wert);
    z.speicher.setzeModifiziert(true);
  }
  return true;
}

void leereProjektdaten(Zeichnung& z) {
  z.projektdaten = {};
}

void beginneProjektdaten(Zeichnung& z, std::string_view heute) {
  leereProjektdaten(z);
  z.projektdaten.werte[pz::Projektdatum] = std::string(heute);
}

}  // namespace quarzel
