#include "project/projektfelder.h"

#include <algorithm>

namespace quarzel {

namespace {

using enum Wertquelle;

constexpr std::array<Projektfeld, kProjektfelder> kFelder{{
    {"$BauhName", "Auftraggeber Name", Dialog},
    {"$BauhAnrede", "Auftraggeber Anrede", Anrede},
    {"$BauhAdresse1", "Auftraggeber Straße", Dialog},
    {"$BauhAdresse2", "Auftraggeber Ort", Dialog},
    {"$BauhAdresse3", "Auftraggeber Land", Dialog},
    {"$BauhZusatz1", "Auftraggeber Zusatz 1", Dialog},
    {"$BauhZusatz2", "Auftraggeber Zusatz 2", Dialog},
    {"$BauhZusatz3", "Auftraggeber Zusatz 3", Dialog},
    {"$BauhBem", "Auftraggeber Bemerkung", Bemerkung},
    {"$ProjName", "Projekt Name", Dialog},
    {"$ProjDatum", "Projekt Datum", Erstellungsdatum},
    {"$ProjDateiName", "Projekt Dateiname", Speichername},
    {"$ProjAdresse1", "Projekt Straße", Dialog},
    {"$ProjAdresse2", "Projekt Ort", Dialog},
    {"$ProjAdresse3", "Projekt Land", Dialog},
    {"$ProjZusatz1", "Projekt Zusatz 1", Dialog},
    {"$ProjZusatz2", "Projekt Zusatz 2", Dialog},
    {"$ProjZusatz3", "Projekt Zusatz 3", Dialog},
    {"$ProjBem", "Projekt Bemerkung", Bemerkung},
    {"$ArchName", "Zeichner Name", Dialog},
    {"$ArchAnrede", "Zeichner Anrede", Anrede},
    {"$ArchAdresse1", "Zeichner Straße", Dialog},
    {"$ArchAdresse2", "Zeichner Ort", Dialog},
    {"$ArchAdresse3", "Zeichner Land", Dialog},
    {"$ArchZusatz1", "Zeichner Zusatz 1", Dialog},
    {"$ArchZusatz2", "Zeichner Zusatz 2", Dialog},
    {"$ArchZusatz3", "Zeichner Zusatz 3", Dialog},
    {"$ArchBem", "Zeichner Bemerkung", Bemerkung},
    {"$DateiName", "Dateiname", Berechnet},
    {"$GeschossName", "Name der aktiven Ebene", Berechnet},
    {"$MaszStab", "Maßstab der aktiven Ebene", Berechnet},
    {"$FreiText", "Freitext", Freitext},
    {"$PSVersion", "VU+ Version", Berechnet},
    {"$LetzteAenderungBenutzer", "Letzte Änderung Name", Berechnet},
    {"$LetzteAenderungDatum", "Letzte Änderung Datum", Berechnet},
    // "Anderung" in the first entry's meaning is how the program has always shown it.
    {"$ErsteAenderungName", "Erste Anderung Name", Aenderungsname},
    {"$ErsteAenderungAnrede", "Erste Änderung Anrede", Aenderungsanrede},
    {"$ErsteAenderungDatum", "Erste Änderung Datum", Aenderungsdatum},
    {"$ZweiteAenderungName", "Zweite Änderung Name", Aenderungsname},
    {"$ZweiteAenderungAnrede", "Zweite Änderung Anrede", Aenderungsanrede},
    {"$ZweiteAenderungDatum", "Zweite Änderung Datum", Aenderungsdatum},
    {"$DritteAenderungName", "Dritte Änderung Name", Aenderungsname},
    {"$DritteAenderungAnrede", "Dritte Änderung Anrede", Aenderungsanrede},
    {"$DritteAenderungDatum", "Dritte Änderung Datum", Aenderungsdatum},
    {"$VierteAenderungName", "Vierte Änderung Name", Aenderungsname},
    {"$VierteAenderungAnrede", "Vierte Änderung Anrede", Aenderungsanrede},
    {"$VierteAenderungDatum", "Vierte Änderung Datum", Aenderungsdatum},
    {"$LayerNr", "Ebenen Nr.", Berechnet},
    {"$SubLayerNr", "Unterebenen Nr.", Berechnet},
    {"$XKoor", "X-Koordinate", Berechnet},
    {"$YKoor", "Y-Koordinate", Berechnet},
    {"$Koor", "Koordinaten", Berechnet},
    {"$Blattname", "Blattname", Berechnet},
    {"$ZeiMaszstab", "Zeichnungsmaßstab", Berechnet},
    {"$Sublayername", "Name der aktiven Unterebene", Berechnet},
    {"$OLayername", "Name der Ebene", Berechnet},
    {"$OSublayername", "Name der Unterebene", Berechnet},
    {"$OLayerMaszStab", "Maßstab der Ebene", Berechnet},
}};

// Shortest and longest placeholder: other lines are rejected before the search.
constexpr std::size_t laenge(bool laengste) {
  std::size_t l = laengste ? 0 : kFelder[0].platzhalter.size();
  for (const Projektfeld& f : kFelder)
    l = laengste ? std::max(l, f.platzhalter.size()) : std::min(l, f.platzhalter.size());
  return l;
}
constexpr std::size_t kKuerzester = laenge(false), kLaengster = laenge(true);

}  // namespace

const std::array<Projektfeld, kProjektfelder>& projektfelder() {
  return kFelder;
}

bool wirdEingegeben(int zeile) {
  if (zeile < 0 || zeile >= kProjektfelder) return false;
  const Wertquelle q = kFelder[static_cast<std::size_t>(zeile)].quelle;
  return q == Wertquelle::Dialog || q == Wertquelle::Anrede || q == Wertquelle::Bemerkung;
}

std::optional<int> zeileDesPlatzhalters(std::string_view zeile) {
  // Every line of every text is asked on every redraw: most fail here.
  if (zeile.size() < kKuerzester || zeile.size() > kLaengster || zeile.front() != '$') return std::nullopt;
  for (int i = 0; i < kProjektfelder; ++i)
    if (kFelder[static_cast<std::size_t>(i)].platzhalter == zeile) return i;
  return std::nullopt;
}

}  // namespace quarzel
