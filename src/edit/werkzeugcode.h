// The tool codes. The number is what the drawing file, macros and the help
// topics ("werkzeug_<code>") know a tool by, so every enumerator keeps its
// number. Codes without a name of their own are reserved by their group's
// range and have no tool yet; werkzeugtabelle.cpp has one row per code.
#pragma once

#include <cstdint>

namespace quarzel {

enum class Werkzeugcode : std::uint16_t {
  Keines = 0,

  // Lines (line module).
  Linie = 1,
  Kreis = 2,
  Rechteck = 3,
  Ellipse = 4,
  Kreisbogen = 5,
  Ellipsenbogen = 6,
  Mehrfachlinie = 7,
  Polygonzug = 8,
  Bezierkurve = 10,
  KreisbogenImUhrzeigersinn = 11,
  EllipsenbogenImUhrzeigersinn = 12,
  KreisbogenDreiPunkte = 14,
  KreisDreiPunkte = 15,
  Spline = 25,
  KreisZweiPunkte = 26,
  EllipseImRechteck = 28,
  GedrehteEllipse = 29,
  Vieleck = 36,
  Freihandlinie = 40,
  LinieAusMitte = 42,
  Linienkreuz = 43,
  Parallelogramm = 44,
  Konus = 45,
  Stern = 46,
  GedrehtesRechteck = 47,
  Schraegkreuz = 53,
  Markerpunkt = 54,
  KreisFesterRadius = 55,

  // Areas (area module).
  Polygon = 9,
  FlRechteck = 16,
  Vollkreis = 17,
  FlEllipse = 18,
  Kreissektor = 19,
  KreissektorMitteStartEnde = 20,
  Ellipsensektor = 21,
  FlGedrehteEllipse = 22,
  Ring = 23,
  Ringsegment = 24,
  VollkreisDreiPunkte = 30,
  KreissektorDreiPunkte = 31,
  FlEllipseImRechteck = 32,
  KreissegmentMitteStartEnde = 33,
  FlBezierkurve = 34,
  FlSpline = 35,
  FlVieleck = 37,
  KreissegmentDreiPunkte = 38,
  Freihandflaeche = 41,
  FlStern = 48,
  FlParallelogramm = 49,
  FlKonus = 50,
  FlGedrehtesRechteck = 51,
  VollkreisZweiPunkte = 52,
  VollkreisFesterRadius = 56,

  // Escape aborts the line module for it; it has no tool yet.
  Sonderwerkzeug39 = 39,

  // Select, zoom and edit.
  Markieren = 100,
  AusschnittVergroessern = 107,
  Bearbeiten108 = 108,
  Bearbeiten110 = 110,
  Bearbeiten111 = 111,
  Bearbeiten112 = 112,
  Bearbeiten114 = 114,
  Bearbeiten115 = 115,
  Bearbeiten116 = 116,
  Bearbeiten117 = 117,
  Bearbeiten118 = 118,
  PunktVerschieben = 119,
  Bearbeiten120 = 120,
  FarbeAuswaehlen = 130,
  EigenschaftenAuswaehlen = 131,
  Bearbeiten139 = 139,
  Bearbeiten140 = 140,
  Bearbeiten141 = 141,
  Bearbeiten142 = 142,
  Verschieben = 600,
  SpiegelnOhneKopie = 601,
  SpiegelnMitKopie = 602,
  RadialeKopie = 604,
  Rotationskopie = 605,
  AuswahlpunktVerschieben = 606,
  Drehen = 608,
  Skalieren = 609,
  Spiegeln = 610,

  // Trimming, fillet, chamfer, dividing.
  LinienTrimmen = 101,
  Abrunden = 102,
  Befasen = 103,
  LinieAnKreisTrimmen = 104,
  KreiseTrimmen = 105,
  KreisAnLinieTrimmen = 106,
  Trimmen121 = 121,
  Trimmen122 = 122,
  LinieTeilen = 123,
  KreisTeilen = 124,
  BogenZumVollkreis = 125,
  TeilstueckBearbeiten = 126,
  KreisausschnittBearbeiten = 127,
  Trimmen128 = 128,
  Trimmen129 = 129,
  LinieAnKurveTrimmen = 137,
  LochInPolygon = 144,

  // Origins.
  Ursprung = 132,
  Referenzpunkt = 134,
  KoordinatensystemDrehen = 135,

  // Construction.
  Lot = 200,
  Parallele = 201,
  TangenteAnKreis = 202,
  TangenteAnZweiKreise = 203,
  LinieZumParallelogramm = 204,
  TangentialerBogen = 205,
  KonzentrischerKreis = 206,
  Konstruktion207 = 207,
  ParalleleAbstandFest = 208,
  WinkelKonstruieren = 209,
  MittigeLinie = 210,
  Konstruktion211 = 211,
  Winkelhalbierende = 212,
  KonzentrischerBogenAbstandFest = 213,

  // Measuring and dimensioning.
  Messen300 = 300,
  StreckenMessen = 301,
  Messen302 = 302,
  Messen303 = 303,
  Durchmesserbemassung = 304,
  Radiusbemassung = 305,
  BogenlaengeMessen = 306,
  MasspfeilLaenge = 307,
  MasspfeilRadius = 308,
  MasspfeilDurchmesser = 309,
  WinkelbemassungSymbol = 310,
  Masskette = 311,
  Mehrfachbemassung = 312,
  Flaechenbemassung = 313,
  Kotenbemassung = 314,  // level marks
  AutomatischeMasskette = 315,  // chain through every crossing of a measuring line
  MasseAddieren = 316,
  Messen317 = 317,
  MasskettSenkrecht = 318,
  WinkelbemassungBogen = 319,

  // Gradients.
  LinearerVerlauf = 400,
  RechteckigerVerlauf = 401,
  PolygonVerlauf = 402,
  SplineVerlauf = 403,
  KreisVerlauf = 404,
  RadialerVerlauf = 405,
  VieleckVerlauf = 406,
  ZweiPolygoneVerlauf = 407,

  // Bitmaps.
  BitmapEinpassen = 450,
  BitmapBeschneiden = 451,
  BitmapWaagerechtSpiegeln = 452,
  BitmapSenkrechtSpiegeln = 453,
  BitmapDrehen = 454,
  BitmapMaskieren = 455,
  BitmapPolygonalBeschneiden = 456,
  BitmapRundBeschneiden = 457,

  // Text.
  Fliesstext = 500,
  FliesstextOben = 502,
  FliesstextLinks = 503,
  Hinweistext = 504,
  TextHinterlegen = 505,
  TextWiederholen = 506,
  HinweistextMitKoordinaten = 507,
  Kommentar = 508,

  // Walls (702: the wall chain).
  Wand700 = 700,
  Wand701 = 701,
  Wand702 = 702,
  Wand703 = 703,
  Wand704 = 704,
  Wand705 = 705,
  Wand706 = 706,

  // Construction lines.
  HilfslinieWaagerecht = 800,
  HilfslinieSenkrecht = 801,
  HilfslinieBeliebig = 802,
  HilfslinieLot = 803,
  HilfslinieWinklig = 804,
  HilfslinieParallel = 805,
  HilfslinieMittig = 806,
  HilfslinieParallelAbstandFest = 807,
  Hilfslinie808 = 808,
  HilfslinieWinkelhalbierende = 809,
  Hilfskreis = 810,
  HilfskreisKonzentrisch = 811,
  HilfskreisKonzentrischAbstandFest = 812,
  HilfskreisZweiPunkte = 813,
  HilfskreisDreiPunkte = 814,
  Hilfslinienkreuz = 815,
  HilfslinienkreuzSchraeg = 816,
  Hilfsmarker = 817,

  // Colour pick from the primary and secondary colour fields.
  Primaerfarbe = 901,
  Sekundaerfarbe = 902,

  // Placing a symbol file ("Symbol einfügen..."); a code of this program's own.
  SymbolEinfuegen = 950,
};

// The number of a code, for the places that store or compare numbers.
constexpr std::uint16_t nr(Werkzeugcode c) {
  return static_cast<std::uint16_t>(c);
}

// The tool groups, each served by one module.
enum class Werkzeuggruppe : std::uint8_t {
  Keine,
  Linien,
  Flaechen,
  Trimmen,
  Bearbeiten,  // select, zoom, move, copy, rotate, mirror, search
  Konstruktion,
  Messen,
  Verlaeufe,
  Bitmaps,
  Text,
  Waende,
  Ursprung,  // zero point, grid origin, reference point
  Symbole,   // placing a symbol
};
inline constexpr int kWerkzeuggruppen = 13;

}  // namespace quarzel
