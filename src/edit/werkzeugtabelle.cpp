#include "edit/werkzeugtabelle.h"

#include <array>

#include "edit/figurbauer.h"
#include "edit/markierwerkzeug.h"

namespace quarzel {

namespace {

using W = Werkzeugcode;
using G = Werkzeuggruppe;
using M = Maskenart;
using L = Leiste;
using namespace figurbau;

// A row written as a chain: Z(code, group).figur(...).maske(...).knopf(...).
struct Z : Werkzeugzeile {
  constexpr Z(W c, G g) {
    code = c;
    gruppe = g;
    escapeModul = g;
    // Measuring picks points of elements: no angle or length grid.
    if (g == G::Messen) merkmale = kOhneWinkelraster;
  }
  // A figure tool of the line or area module.
  constexpr Z& fig(int n, int min, Figurbauer f) {
    punktzahl = n;
    mindestens = min;
    figur = f;
    verfuegbar = true;
    return *this;
  }
  constexpr Z& bogen() {
    winkelgruppe = true;
    return *this;
  }
  constexpr Z& hand() {
    freihand = true;
    return *this;
  }
  // A tool the module serves without a figure (select, zoom, edit).
  constexpr Z& da() {
    verfuegbar = true;
    return *this;
  }
  constexpr Z& m(M art) {
    maske = art;
    return *this;
  }
  constexpr Z& f(std::uint32_t bits) {
    felder = bits;
    return *this;
  }
  constexpr Z& mk(std::uint16_t bits) {
    merkmale = bits;
    return *this;
  }
  constexpr Z& esc(Escape e, G modul) {
    escape = e;
    escapeModul = modul;
    return *this;
  }
  // A button of its own.
  constexpr Z& k(L l, std::string_view s, std::string_view h, std::string_view menue = {}) {
    leiste = l;
    knopf = code;
    symbol = s;
    hinweis = h;
    menuetext = menue;
    return *this;
  }
  // A further button of the same code: `n` (1, 2, ...) tells the tool which.
  constexpr Z& weitererKnopf(std::uint8_t n, L l, std::string_view s, std::string_view h) {
    knopfNr = n;
    return k(l, s, h);
  }
  // A variant: of its own button (first variant) or of button `b`.
  constexpr Z& v(std::string_view beschriftung) {
    variante = beschriftung;
    return *this;
  }
  constexpr Z& v(L l, W b, std::string_view beschriftung) {
    leiste = l;
    knopf = b;
    variante = beschriftung;
    return *this;
  }
  // A button of a bar that has no tools yet (its hint, for the issue that builds it).
  constexpr Z& spaeter(L l, std::string_view h = {}) {
    leiste = l;
    hinweis = h;
    return *this;
  }
};

constexpr std::uint8_t kFl = kFuellung;
constexpr std::uint8_t kF2 = kFarbe2;
// The fields every construction shows.
constexpr std::uint16_t kKo = kUebernehmen | kAnker;
// The area measuring fields and read-outs.
constexpr std::uint32_t kFlaechenfelder = kUmfangAngeben | kPutzabzug | kFlaechenanzeige;

// One row per tool code. Per bar, buttons in their order; a button's variants
// follow it in the order the property bar offers them.
// clang-format off
constexpr std::array kTabelle{
    // --- Lines ---------------------------------------------------------------
    Werkzeugzeile(Z(W::Linie, G::Linien).fig(2, 0, linie).m(M::StartEnde).k(L::Linien, "linie", "Linie ").v("2 Punkte")),
    Werkzeugzeile(Z(W::LinieAusMitte, G::Linien).fig(2, 0, linieAusMitte).v(L::Linien, W::Linie, "Aus der Mitte")),
    Werkzeugzeile(Z(W::Mehrfachlinie, G::Linien).fig(2, 0, mehrfachlinie).v(L::Linien, W::Linie, "Mehrfach")),
    Werkzeugzeile(Z(W::Polygonzug, G::Linien).fig(0, 2, polygonzug).m(M::StartEnde).k(L::Linien, "polygonzug", "Polygonzug ")),
    Werkzeugzeile(Z(W::Linienkreuz, G::Linien).fig(2, 0, linienkreuz).k(L::Linien, "linienkreuz", "Linienkreuz").v("Gerade")),
    Werkzeugzeile(Z(W::Schraegkreuz, G::Linien).fig(2, 0, schraegkreuz).v(L::Linien, W::Linienkreuz, "45°")),
    Werkzeugzeile(Z(W::Rechteck, G::Linien).fig(2, 0, rechteck).m(M::Ecken).f(kEckradius).k(L::Linien, "rechteck", "Rechteck").v("2 Ecken")),
    Werkzeugzeile(Z(W::GedrehtesRechteck, G::Linien).fig(3, 0, schraegesRechteck).f(kEckradius).v(L::Linien, W::Rechteck, "Gedreht")),
    Werkzeugzeile(Z(W::Parallelogramm, G::Linien).fig(3, 0, parallelogramm).k(L::Linien, "parallelogramm", "Parallelogramm")),
    Werkzeugzeile(Z(W::Konus, G::Linien).fig(3, 0, konus).k(L::Linien, "konus", "Konus")),
    Werkzeugzeile(Z(W::Stern, G::Linien).fig(2, 0, stern).f(kEcken).k(L::Linien, "stern", "Stern")),
    Werkzeugzeile(Z(W::Vieleck, G::Linien).fig(2, 0, vieleck).m(M::MitteZweiterPunkt).f(kEcken).k(L::Linien, "vieleck", "Vieleck mit n Ecken ")),
    Werkzeugzeile(Z(W::Kreis, G::Linien).fig(2, 0, kreis).m(M::MitteRadius).k(L::Linien, "kreis", "Kreis ").v("Mitte, Radius")),
    Werkzeugzeile(Z(W::KreisZweiPunkte, G::Linien).fig(2, 0, kreisZweiPunkte).m(M::ZweiPunkte).v(L::Linien, W::Kreis, "2 Punkte")),
    Werkzeugzeile(Z(W::KreisDreiPunkte, G::Linien).fig(3, 0, kreisDreiPunkte).m(M::DreiPunkte).v(L::Linien, W::Kreis, "3 Punkte")),
    Werkzeugzeile(Z(W::KreisFesterRadius, G::Linien).fig(1, 0, kreisMitFestemRadius).f(kKreisradius).v(L::Linien, W::Kreis, "Fester Radius")),
    Werkzeugzeile(Z(W::Kreisbogen, G::Linien).mk(kWinkelUmBogenmitte).fig(4, 0, figurbau::bogen).bogen().m(M::Bogen).k(L::Linien, "kreisbogen", "Kreisbogen ").v("Gegen Uhrzeiger")),
    Werkzeugzeile(Z(W::KreisbogenImUhrzeigersinn, G::Linien).fig(4, 0, bogenImUhrzeigersinn).bogen().m(M::Bogen).v(L::Linien, W::Kreisbogen, "Im Uhrzeiger")),
    Werkzeugzeile(Z(W::KreisbogenDreiPunkte, G::Linien).fig(3, 0, bogenDreiPunkte).m(M::DreiPunkte).v(L::Linien, W::Kreisbogen, "3 Punkte")),
    Werkzeugzeile(Z(W::Ellipse, G::Linien).fig(2, 0, ellipse).m(M::MitteRadien).k(L::Linien, "ellipse", "Ellipse ").v("Mitte, Radien")),
    Werkzeugzeile(Z(W::EllipseImRechteck, G::Linien).fig(2, 0, ellipseImRechteck).m(M::Ecken).v(L::Linien, W::Ellipse, "Im Rechteck")),
    Werkzeugzeile(Z(W::GedrehteEllipse, G::Linien).fig(3, 0, gedrehteEllipse).v(L::Linien, W::Ellipse, "Gedreht")),
    Werkzeugzeile(Z(W::Ellipsenbogen, G::Linien).mk(kWinkelUmBogenmitte).fig(4, 0, ellipsenbogen).bogen().m(M::Ellipsenbogen).k(L::Linien, "ellipsenbogen", "Ellipsenbogen ").v("Gegen Uhrzeiger")),
    Werkzeugzeile(Z(W::EllipsenbogenImUhrzeigersinn, G::Linien).fig(4, 0, ellipsenbogenImUhrzeigersinn).bogen().m(M::Ellipsenbogen).v(L::Linien, W::Ellipsenbogen, "Im Uhrzeiger")),
    Werkzeugzeile(Z(W::Bezierkurve, G::Linien).fig(4, 3, bezierkurve).m(M::Bezier).k(L::Linien, "bezier", "Bézierkurve")),
    Werkzeugzeile(Z(W::Spline, G::Linien).fig(0, 2, spline).m(M::Spline).esc(Escape::Modul, G::Linien).k(L::Linien, "spline", "Spline")),
    Werkzeugzeile(Z(W::Freihandlinie, G::Linien).fig(0, 2, freihandlinie).hand().k(L::Linien, "freihand", "Freihandlinie")),
    Werkzeugzeile(Z(W::Markerpunkt, G::Linien).fig(1, 0, markerpunkt).k(L::Linien, "markerpunkt", "Markerpunkt")),

    // --- Areas ---------------------------------------------------------------
    Werkzeugzeile(Z(W::Polygon, G::Flaechen).fig(0, 3, polygonflaeche).m(M::StartEnde).f(kFl).esc(Escape::Modul, G::Flaechen).k(L::Flaechen, "flpolygon", "Polygon")),
    Werkzeugzeile(Z(W::FlRechteck, G::Flaechen).fig(2, 0, rechteckflaeche).m(M::Ecken).f(kFl | kEckradius).k(L::Flaechen, "flrechteck", "Rechteck").v("2 Ecken")),
    Werkzeugzeile(Z(W::FlGedrehtesRechteck, G::Flaechen).fig(3, 0, schraegeRechteckflaeche).f(kFl | kEckradius).v(L::Flaechen, W::FlRechteck, "Gedreht")),
    Werkzeugzeile(Z(W::FlParallelogramm, G::Flaechen).fig(3, 0, parallelogrammflaeche).f(kFl).k(L::Flaechen, "flparallelogramm", "Parallelogramm")),
    Werkzeugzeile(Z(W::FlKonus, G::Flaechen).fig(3, 0, konusflaeche).f(kFl).k(L::Flaechen, "flkonus", "Konus")),
    Werkzeugzeile(Z(W::FlStern, G::Flaechen).fig(2, 0, sternflaeche).f(kFl | kEcken).k(L::Flaechen, "flstern", "Stern")),
    Werkzeugzeile(Z(W::FlVieleck, G::Flaechen).fig(2, 0, vieleckflaeche).m(M::MitteZweiterPunkt).f(kFl | kEcken).k(L::Flaechen, "flvieleck", "Vieleck")),
    Werkzeugzeile(Z(W::Vollkreis, G::Flaechen).fig(2, 0, kreis).m(M::MitteRadius).f(kFl).k(L::Flaechen, "flvollkreis", "Vollkreis").v("Mitte, Radius")),
    Werkzeugzeile(Z(W::VollkreisZweiPunkte, G::Flaechen).fig(2, 0, kreisZweiPunkte).f(kFl).v(L::Flaechen, W::Vollkreis, "2 Punkte")),
    Werkzeugzeile(Z(W::VollkreisDreiPunkte, G::Flaechen).fig(3, 0, kreisDreiPunkte).m(M::DreiPunkte).f(kFl).v(L::Flaechen, W::Vollkreis, "3 Punkte")),
    Werkzeugzeile(Z(W::VollkreisFesterRadius, G::Flaechen).fig(1, 0, kreisMitFestemRadius).f(kFl | kKreisradius).v(L::Flaechen, W::Vollkreis, "Fester Radius")),
    Werkzeugzeile(Z(W::Kreissektor, G::Flaechen).mk(kWinkelUmBogenmitte).fig(4, 0, kreissektor).bogen().m(M::Bogen).f(kFl).k(L::Flaechen, "flkreisbogen", "Kreisbogen").v("Mitte, Winkel")),
    Werkzeugzeile(Z(W::KreissektorMitteStartEnde, G::Flaechen).fig(3, 0, kreissektorMitteStartEnde).f(kFl).v(L::Flaechen, W::Kreissektor, "Mitte, Start, Ende")),
    Werkzeugzeile(Z(W::KreissektorDreiPunkte, G::Flaechen).fig(3, 0, kreissektorDreiPunkte).m(M::DreiPunkte).f(kFl).v(L::Flaechen, W::Kreissektor, "3 Punkte")),
    Werkzeugzeile(Z(W::KreissegmentDreiPunkte, G::Flaechen).fig(3, 0, kreissegmentDreiPunkte).m(M::DreiPunkte).f(kFl).k(L::Flaechen, "flkreissegment", "Kreissegment durch drei Punkte").v("3 Punkte")),
    Werkzeugzeile(Z(W::KreissegmentMitteStartEnde, G::Flaechen).fig(3, 0, kreissegmentMitteStartEnde).f(kFl).v(L::Flaechen, W::KreissegmentDreiPunkte, "Mitte, Start, Ende")),
    Werkzeugzeile(Z(W::FlEllipse, G::Flaechen).fig(2, 0, ellipse).m(M::MitteRadien).f(kFl).k(L::Flaechen, "flellipse", "Ellipse").v("Mitte, Radien")),
    Werkzeugzeile(Z(W::FlEllipseImRechteck, G::Flaechen).fig(2, 0, ellipseImRechteck).f(kFl).v(L::Flaechen, W::FlEllipse, "Im Rechteck")),
    Werkzeugzeile(Z(W::FlGedrehteEllipse, G::Flaechen).fig(3, 0, gedrehteEllipse).f(kFl).v(L::Flaechen, W::FlEllipse, "Gedreht")),
    Werkzeugzeile(Z(W::Ellipsensektor, G::Flaechen).mk(kWinkelUmBogenmitte).fig(4, 0, ellipsensektor).bogen().m(M::Ellipsenbogen).f(kFl).k(L::Flaechen, "flellipsenbogen", "Ellipsenbogen")),
    Werkzeugzeile(Z(W::Ring, G::Flaechen).fig(3, 0, ring).f(kFl).k(L::Flaechen, "flring", "Ring")),
    Werkzeugzeile(Z(W::Ringsegment, G::Flaechen).fig(3, 0, ringsegment).f(kFl).k(L::Flaechen, "flringsegment", "Ringsegment")),
    Werkzeugzeile(Z(W::FlBezierkurve, G::Flaechen).fig(4, 3, bezierflaeche).m(M::Bezier).f(kFl).k(L::Flaechen, "flbezier", "Bézierkurve")),
    Werkzeugzeile(Z(W::FlSpline, G::Flaechen).fig(0, 3, splineflaeche).m(M::Spline).f(kFl).esc(Escape::Modul, G::Flaechen).k(L::Flaechen, "flspline", "Spline ")),
    Werkzeugzeile(Z(W::Freihandflaeche, G::Flaechen).fig(0, 3, freihandflaeche).hand().f(kFl).k(L::Flaechen, "flfreihand", "Freihandfläche")),

    // --- View ------------------------------------------------------------------
    Werkzeugzeile(Z(W::Markieren, G::Bearbeiten).da().m(M::Selektieren).mk(kOhneAutosicherung | kOhneLineal | kOhneWinkelraster).k(L::Ansicht, "markieren", "Markieren")),
    Werkzeugzeile(Z(W::AusschnittVergroessern, G::Bearbeiten).mk(kOhneFang | kOhneLineal | kOhneWinkelraster).da().esc(Escape::Modul, G::Bearbeiten).k(L::Ansicht, "ausschnittvergroessern", "Auschnitt vergrößern")),
    // Its further buttons zoom by one click: about the clicked point made the
    // centre, or keeping the clicked point under the cursor.
    Werkzeugzeile(Z(W::AusschnittVergroessern, G::Bearbeiten).mk(kOhneFang | kOhneLineal | kOhneWinkelraster).da().esc(Escape::Modul, G::Bearbeiten).weitererKnopf(kZoomZentriert, L::Ansicht, "ausschnittzentriert", "Ausschnitt zentriert vergrößern")),
    Werkzeugzeile(Z(W::AusschnittVergroessern, G::Bearbeiten).mk(kOhneFang | kOhneLineal | kOhneWinkelraster).da().esc(Escape::Modul, G::Bearbeiten).weitererKnopf(kZoomVergroessern, L::Ansicht, "vergroessern", "Vergrößern")),
    Werkzeugzeile(Z(W::AusschnittVergroessern, G::Bearbeiten).mk(kOhneFang | kOhneLineal | kOhneWinkelraster).da().esc(Escape::Modul, G::Bearbeiten).weitererKnopf(kZoomVerkleinern, L::Ansicht, "verkleinern", "Verkleinern")),

    // --- Edit bar and menu -------------------------------------------------------
    Werkzeugzeile(Z(W::Verschieben, G::Bearbeiten).da().mk(kPanelgesteuert).k(L::Bearbeiten, "verschieben", "Markierte Objekte verschieben", "&Verschieben")),
    Werkzeugzeile(Z(W::SpiegelnOhneKopie, G::Bearbeiten).da().m(M::Spiegelachse).mk(kStartBehaeltRahmen).k(L::Bearbeiten, "spiegelnohnekopie", "Spiegeln ohne Kopie", "&Ohne Kopie")),
    Werkzeugzeile(Z(W::SpiegelnMitKopie, G::Bearbeiten).da().m(M::Spiegelachse).mk(kStartBehaeltRahmen).k(L::Bearbeiten, "spiegelnmitkopie", "Spiegeln mit Kopie", "&Mit Kopie")),
    Werkzeugzeile(Z(W::RadialeKopie, G::Bearbeiten).da().m(M::Drehpunkt).k(L::Bearbeiten, "radial", "Radiale Mehrfachkopie", "&Radial...")),
    Werkzeugzeile(Z(W::Rotationskopie, G::Bearbeiten).da().m(M::Drehpunkt).k(L::Bearbeiten, "rotation", "Mehrfachkopie durch Rotation", "R&otation...")),
    // Pick from the element clicked: its colour; its pen, style, colour and fill.
    Werkzeugzeile(Z(W::FarbeAuswaehlen, G::Bearbeiten).da().mk(kOhneFang | kOhneWinkelraster).k(L::Bearbeiten, "farbeauswaehlen", "Farbe auswählen", "Farbe aus&wählen")),
    Werkzeugzeile(Z(W::EigenschaftenAuswaehlen, G::Bearbeiten).da().mk(kOhneFang | kOhneWinkelraster).k(L::Bearbeiten, "eigenschaftenauswaehlen", "Eigenschaften auswählen ", "&Eigenschaften auswählen ")),
    // Move a point: of an element (119), of the selection (606).
    Werkzeugzeile(Z(W::PunktVerschieben, G::Bearbeiten).m(M::Verschieben).mk(kOhneAutosicherung | kOhneWinkelraster)),
    Werkzeugzeile(Z(W::AuswahlpunktVerschieben, G::Bearbeiten).m(M::PunktVerschieben)),
    // Rotate, scale and mirror by their panels.
    Werkzeugzeile(Z(W::Drehen, G::Keine).mk(kPanelgesteuert)),
    Werkzeugzeile(Z(W::Skalieren, G::Keine).mk(kPanelgesteuert)),
    Werkzeugzeile(Z(W::Spiegeln, G::Keine).mk(kPanelgesteuert)),
    // Further codes of the select and edit module.
    Werkzeugzeile(Z(W::Bearbeiten108, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten110, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten111, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten112, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten114, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten115, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten116, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten117, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten118, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten120, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten139, G::Bearbeiten)),
    Werkzeugzeile(Z(W::Bearbeiten140, G::Bearbeiten).mk(kOhneFang)),
    Werkzeugzeile(Z(W::Bearbeiten141, G::Bearbeiten)),
    // Starts on top of a selection whose frame must stay.
    Werkzeugzeile(Z(W::Bearbeiten142, G::Bearbeiten).mk(kStartBehaeltRahmen)),
    // No tool yet; Escape and the tool start already know it.
    Werkzeugzeile(Z(W::Sonderwerkzeug39, G::Keine).mk(kOhneAutosicherung).esc(Escape::Modul, G::Linien)),

    // --- Construction: a picked reference line and what follows (konstruktionswerkzeuge.h);
    // the circle constructions are served by the module's `kreise` ------------------------
    Werkzeugzeile(Z(W::Lot, G::Konstruktion).da().mk(kOhneWinkelraster).m(M::LinieWaehlenLaenge).f(kKo).k(L::Konstruktion, "lot", "Lot fällen")),
    Werkzeugzeile(Z(W::Parallele, G::Konstruktion).da().f(kKo | kAnzahl).k(L::Konstruktion, "parallele", "Parallele zu einer Linie")),
    Werkzeugzeile(Z(W::ParalleleAbstandFest, G::Konstruktion).da().mk(kOhneFang | kOhneLineal).f(kKo | kAbstand | kAnzahl).k(L::Konstruktion, "parallelefest", "(Abstand fest)")),
    Werkzeugzeile(Z(W::TangenteAnKreis, G::Konstruktion).da().m(M::KreisWaehlenPunkt).f(kUebernehmen).k(L::Konstruktion, "tangenteankreis", "Tangente an einen Kreis")),
    Werkzeugzeile(Z(W::TangenteAnZweiKreise, G::Konstruktion).da().mk(kOhneFang | kOhneLineal).m(M::ZweiKreise).f(kUebernehmen).k(L::Konstruktion, "tangenteanzweikreise", "Tangente an zwei Kreise")),
    Werkzeugzeile(Z(W::LinieZumParallelogramm, G::Konstruktion).da().m(M::LinieWaehlenPunkt).f(kKo).k(L::Konstruktion, "linieparallelogramm", "Linie zum Parallelogramm erweitern")),
    // 205 is served here too, beside the other tangents (the circle module).
    Werkzeugzeile(Z(W::TangentialerBogen, G::Konstruktion).da().mk(kOhneFang | kOhneLineal).m(M::ZweiKreise).f(kTangentialradius | kUebernehmen).k(L::Konstruktion, "tangentialerbogen", "Tangentialer Bogen an zwei Kreise")),
    Werkzeugzeile(Z(W::KonzentrischerKreis, G::Konstruktion).da().m(M::KreisWaehlenRadius).f(kAnzahl | kUebernehmen).k(L::Konstruktion, "konzentrischerkreis", "Konzentrischer Kreis/Bogen")),
    Werkzeugzeile(Z(W::KonzentrischerBogenAbstandFest, G::Konstruktion).da().mk(kOhneFang | kOhneLineal).m(M::KreisWaehlenSeite).f(kAbstand | kAnzahl | kUebernehmen).k(L::Konstruktion, "konzentrischerbogenabstand", "Konzentrischer Bogen (Abstand fest)")),
    Werkzeugzeile(Z(W::WinkelKonstruieren, G::Konstruktion).da().mk(kOhneWinkelraster).m(M::LinieWaehlenLaenge).f(kKo | kWinkel).k(L::Konstruktion, "winkel", "Winkel konstruieren")),
    Werkzeugzeile(Z(W::MittigeLinie, G::Konstruktion).da().mk(kOhneFang | kOhneLineal).f(kKo | kTeilung).k(L::Konstruktion, "mittigelinie", "Mittige Linie konstruieren")),
    Werkzeugzeile(Z(W::Winkelhalbierende, G::Konstruktion).da().mk(kOhneFang | kOhneLineal).f(kKo).k(L::Konstruktion, "winkelhalbierende", "Winkelhalbierende konstruieren")),
    Werkzeugzeile(Z(W::Konstruktion207, G::Konstruktion)),
    Werkzeugzeile(Z(W::Konstruktion211, G::Konstruktion)),

    // --- Trimming, fillet, chamfer, dividing (101, 102, 103 and 105 have
    // several buttons that set a variant flag; 125 sits on the construction
    // bar). Only 101 to 105 take their picks unsnapped. -------------------------------------------
    Werkzeugzeile(Z(W::LinienTrimmen, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiLinien).k(L::Werkzeuge, "trimmenerste", "Linien trimmen (erste)")),
    Werkzeugzeile(Z(W::LinienTrimmen, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiLinien).weitererKnopf(1, L::Werkzeuge, "trimmenbeide", "Linien trimmen (beide)")),
    Werkzeugzeile(Z(W::LinienTrimmen, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiLinien).weitererKnopf(2, L::Werkzeuge, "trimmenmehrere", "Mehrere Linien trimmen")),
    Werkzeugzeile(Z(W::Abrunden, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiLinien).f(kAbrundung).k(L::Werkzeuge, "abrunden0", "Abrunden, keine Linie trimmen")),
    Werkzeugzeile(Z(W::Abrunden, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiLinien).f(kAbrundung).weitererKnopf(1, L::Werkzeuge, "abrunden1", "Abrunden, erste Linie trimmen")),
    Werkzeugzeile(Z(W::Abrunden, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiLinien).f(kAbrundung).weitererKnopf(2, L::Werkzeuge, "abrunden2", "Abrunden, beide Linien trimmen")),
    Werkzeugzeile(Z(W::Befasen, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiLinien).f(kFase).k(L::Werkzeuge, "befasen0", "Befasen, keine Linie trimmen")),
    Werkzeugzeile(Z(W::Befasen, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiLinien).f(kFase).weitererKnopf(1, L::Werkzeuge, "befasen1", "Befasen, erste Linie trimmen")),
    Werkzeugzeile(Z(W::Befasen, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiLinien).f(kFase).weitererKnopf(2, L::Werkzeuge, "befasen2", "Befasen, beide Linien trimmen")),
    Werkzeugzeile(Z(W::LinieAnKreisTrimmen, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::LinieKreis).k(L::Werkzeuge, "linieankreis", "Linie an Kreis/Ellipse trimmen")),
    Werkzeugzeile(Z(W::KreiseTrimmen, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiKreise).k(L::Werkzeuge, "kreisetrimmenersten", "Kreise trimmen (ersten)")),
    Werkzeugzeile(Z(W::KreiseTrimmen, G::Trimmen).da().mk(kOhneFang | kOhneLineal).m(M::ZweiKreise).weitererKnopf(1, L::Werkzeuge, "kreisetrimmenbeide", "Kreise trimmen (beide)")),
    Werkzeugzeile(Z(W::KreisAnLinieTrimmen, G::Trimmen).da().m(M::KreisWaehlen).k(L::Werkzeuge, "kreisanlinie", "Kreis / Ellipse / Bogen an Linie trimmen")),
    Werkzeugzeile(Z(W::LinieTeilen, G::Trimmen).da().mk(kOhneFang | kOhneLineal).f(kTeilstuecke).k(L::Werkzeuge, "linieteilen", "Linie in gleiche Segmente teilen")),
    // 124 has no name of its own; dividing a circle sits next to dividing a line.
    Werkzeugzeile(Z(W::KreisTeilen, G::Trimmen).da().k(L::Werkzeuge, "kreisteilen", "Kreis in gleiche Segmente teilen")),
    Werkzeugzeile(Z(W::BogenZumVollkreis, G::Trimmen).da().k(L::Konstruktion, "vollkreis", "Bogen zum Vollkreis erweitern")),
    Werkzeugzeile(Z(W::TeilstueckBearbeiten, G::Trimmen).da().f(kTeilstueckmodus).k(L::Werkzeuge, "teilstueck", "Teilstück aus einer Linie bearbeiten")),
    Werkzeugzeile(Z(W::KreisausschnittBearbeiten, G::Trimmen).da().f(kTeilstueckmodus).k(L::Werkzeuge, "kreisausschnitt", "Kreisausschnitt bearbeiten")),
    Werkzeugzeile(Z(W::LinieAnKurveTrimmen, G::Trimmen).da().k(L::Werkzeuge, "linieankurve", "Linie an Kurve trimmen")),
    // Says why it cannot work: the store keeps no holes in polygons.
    Werkzeugzeile(Z(W::LochInPolygon, G::Trimmen).da().k(L::Werkzeuge, "lochinpolygon", "Loch in Polygon schneiden")),
    Werkzeugzeile(Z(W::Trimmen121, G::Trimmen)),
    Werkzeugzeile(Z(W::Trimmen122, G::Trimmen)),
    Werkzeugzeile(Z(W::Trimmen128, G::Trimmen)),
    Werkzeugzeile(Z(W::Trimmen129, G::Trimmen)),

    // --- Measuring and dimensioning (not available yet) ------------------------------
    Werkzeugzeile(Z(W::StreckenMessen, G::Messen).da().k(L::Messen, "streckenmessen", "Strecken messen")),
    Werkzeugzeile(Z(W::StreckenMessen, G::Messen).da().weitererKnopf(1, L::Messen, "streckenmessenohne", "Strecken messen ohne Maßlinie")),
    Werkzeugzeile(Z(W::Radiusbemassung, G::Messen).da().k(L::Messen, "radiusbemassung", "Radiusbemaßung")),
    Werkzeugzeile(Z(W::Durchmesserbemassung, G::Messen).da().k(L::Messen, "durchmesserbemassung", "Durchmesserbemaßung")),
    Werkzeugzeile(Z(W::BogenlaengeMessen, G::Messen).da().k(L::Messen, "bogenlaenge", "Bogenlänge messen")),
    Werkzeugzeile(Z(W::MasspfeilLaenge, G::Messen).da().k(L::Messen, "masspfeillaenge", "Maßpfeil für Länge")),
    Werkzeugzeile(Z(W::MasspfeilRadius, G::Messen).da().k(L::Messen, "masspfeilradius", "Maßpfeil für Radius")),
    Werkzeugzeile(Z(W::MasspfeilDurchmesser, G::Messen).da().k(L::Messen, "masspfeildurchmesser", "Maßpfeil für Durchmesser")),
    Werkzeugzeile(Z(W::WinkelbemassungSymbol, G::Messen).da().k(L::Messen, "winkelsymbol", "Winkelbemaßung mit Symbol")),
    Werkzeugzeile(Z(W::WinkelbemassungBogen, G::Messen).da().k(L::Messen, "winkelbogen", "Winkelbemaßung mit Bogen")),
    Werkzeugzeile(Z(W::Masskette, G::Messen).da().esc(Escape::Modul, G::Messen).k(L::Messen, "massketteh", "Maßkette horizontal")),
    Werkzeugzeile(Z(W::Masskette, G::Messen).da().esc(Escape::Modul, G::Messen).weitererKnopf(1, L::Messen, "masskettev", "Maßkette vertikal")),
    Werkzeugzeile(Z(W::Masskette, G::Messen).da().esc(Escape::Modul, G::Messen).weitererKnopf(2, L::Messen, "massketted", "Maßkette diagonal")),
    Werkzeugzeile(Z(W::Mehrfachbemassung, G::Messen).da().k(L::Messen, "mehrfachbemassung", "Mehrfachbemaßung")),
    Werkzeugzeile(Z(W::Flaechenbemassung, G::Messen).da().m(M::StartEnde).f(kFlaechenfelder).k(L::Messen, "flaechenbemassung", "Flächenbemaßung")),
    Werkzeugzeile(Z(W::Flaechenbemassung, G::Messen).da().m(M::StartEnde).f(kFlaechenfelder).weitererKnopf(1, L::Messen, "flaechenmessen", "Flächen messen")),
    Werkzeugzeile(Z(W::MasseAddieren, G::Messen).da().f(kGesamtmass).mk(kOhneWinkelraster | kOhneFang).k(L::Messen, "masseaddieren", "Maße addieren")),
    Werkzeugzeile(Z(W::MasskettSenkrecht, G::Messen).da().k(L::Messen, "massketteref", "Maßkette senkrecht zur Referenzlinie")),
    Werkzeugzeile(Z(W::Messen300, G::Messen)),
    Werkzeugzeile(Z(W::Messen302, G::Messen)),
    Werkzeugzeile(Z(W::Messen303, G::Messen)),
    Werkzeugzeile(Z(W::Kotenbemassung, G::Messen).da().k(L::Messen, "kote", "Kotenbemaßung")),
    Werkzeugzeile(Z(W::AutomatischeMasskette, G::Messen).da().k(L::Messen, "automatischemasskette", "Automatische Maßkette")),
    Werkzeugzeile(Z(W::Messen317, G::Messen).mk(kWinkelrasterSchritt2)),

    // --- Origins: the buttons of 132 and 135 say what moves or turns (ursprungswerkzeuge.h) ---
    Werkzeugzeile(Z(W::Ursprung, G::Ursprung).da().m(M::Nullpunkt).mk(kRechtsBrichtAb).k(L::Ursprung, "ursprung", "Ursprung setzen")),
    Werkzeugzeile(Z(W::Ursprung, G::Ursprung).da().m(M::Nullpunkt).mk(kRechtsBrichtAb).weitererKnopf(1, L::Ursprung, "rasterursprung", "Rasterursprung setzen")),
    Werkzeugzeile(Z(W::Ursprung, G::Ursprung).da().m(M::Nullpunkt).mk(kRechtsBrichtAb).weitererKnopf(2, L::Ursprung, "koordinatenundrasterursprung", "Koordinaten- und Rasterursprung setzen")),
    Werkzeugzeile(Z(W::Referenzpunkt, G::Ursprung).da().m(M::Referenzpunkt).mk(kRechtsBrichtAb).k(L::Ursprung, "referenzpunkt", "Referenzpunkt setzen")),
    // Dispatched to the line module, which hands it to its Koordinatendrehung.
    Werkzeugzeile(Z(W::KoordinatensystemDrehen, G::Linien).da().m(M::ZweiPunkte).k(L::Ursprung, "koordinatensystemdrehen", "Koordinatensystem drehen")),
    Werkzeugzeile(Z(W::KoordinatensystemDrehen, G::Linien).da().m(M::ZweiPunkte).weitererKnopf(1, L::Ursprung, "rasterdrehen", "Raster und Koordinatensystem drehen")),

    // --- Construction lines: single lines in the line module, constructed ones in
    // the construction module. -------------------------------------------------------------
    Werkzeugzeile(Z(W::HilfslinieWaagerecht, G::Linien).fig(1, 0, hilfslinieWaagerecht).esc(Escape::ModulSchonOhnePunkte, G::Linien).k(L::Hilfslinien, "hilfsliniewaagerecht", "Horizontale Hilfslinie ziehen")),
    Werkzeugzeile(Z(W::HilfslinieSenkrecht, G::Linien).fig(1, 0, hilfslinieSenkrecht).esc(Escape::ModulSchonOhnePunkte, G::Linien).k(L::Hilfslinien, "hilfsliniesenkrecht", "Vertikale Hilfslinie ziehen")),
    Werkzeugzeile(Z(W::HilfslinieBeliebig, G::Linien).fig(2, 0, hilfslinieBeliebig).m(M::StartEnde).k(L::Hilfslinien, "hilfsliniebeliebig", "Beliebige Hilfslinie ziehen")),
    Werkzeugzeile(Z(W::Hilfskreis, G::Linien).fig(2, 0, hilfskreis).m(M::MitteRadius).k(L::Hilfslinien, "hilfskreis", "Runde Hilfslinie").v("Mitte, Radius")),
    Werkzeugzeile(Z(W::HilfskreisZweiPunkte, G::Linien).fig(2, 0, hilfskreisZweiPunkte).m(M::ZweiPunkte).v(L::Hilfslinien, W::Hilfskreis, "2 Punkte")),
    Werkzeugzeile(Z(W::HilfskreisDreiPunkte, G::Linien).fig(3, 0, hilfskreisDreiPunkte).m(M::DreiPunkte).v(L::Hilfslinien, W::Hilfskreis, "3 Punkte")),
    Werkzeugzeile(Z(W::Hilfslinienkreuz, G::Linien).fig(1, 0, hilfslinienkreuz).k(L::Hilfslinien, "hilfslinienkreuz", "Hilfslinienkreuz").v("Gerade")),
    Werkzeugzeile(Z(W::HilfslinienkreuzSchraeg, G::Linien).fig(1, 0, hilfslinienkreuzSchraeg).v(L::Hilfslinien, W::Hilfslinienkreuz, "45°")),
    Werkzeugzeile(Z(W::HilfslinieLot, G::Konstruktion).da().f(kKo).k(L::Hilfslinien, "hilfslinielot", "Senkrechte Hilfslinie ziehen")),
    Werkzeugzeile(Z(W::HilfslinieWinklig, G::Konstruktion).da().mk(kOhneWinkelraster).f(kKo | kWinkel).k(L::Hilfslinien, "hilfsliniewinklig", "Winklige Hilfslinie ziehen")),
    Werkzeugzeile(Z(W::HilfslinieParallel, G::Konstruktion).da().f(kKo | kAnzahl).k(L::Hilfslinien, "hilfslinieparallel", "Parallele Hilfslinie ziehen")),
    Werkzeugzeile(Z(W::HilfslinieMittig, G::Konstruktion).da().mk(kOhneFang | kOhneLineal).f(kKo | kTeilung).k(L::Hilfslinien, "hilfsliniemittig", "Mittige Hilfslinie ziehen")),
    Werkzeugzeile(Z(W::HilfslinieParallelAbstandFest, G::Konstruktion).da().mk(kOhneFang | kOhneLineal).f(kKo | kAbstand | kAnzahl).k(L::Hilfslinien, "hilfslinieparallelfest", "Parallele Hilfslinie ziehen (Abstand fest)")),
    Werkzeugzeile(Z(W::Hilfslinie808, G::Konstruktion)),
    Werkzeugzeile(Z(W::HilfslinieWinkelhalbierende, G::Konstruktion).da().mk(kOhneFang | kOhneLineal).f(kKo).k(L::Hilfslinien, "hilfsliniewinkelhalbierende", "Winkelhalbierende Hilfslinie")),
    Werkzeugzeile(Z(W::HilfskreisKonzentrisch, G::Konstruktion).da().m(M::KreisWaehlenRadius).f(kAnzahl | kUebernehmen).k(L::Hilfslinien, "hilfskreiskonzentrisch", "Konzentrische  Hilfslinie")),
    Werkzeugzeile(Z(W::HilfskreisKonzentrischAbstandFest, G::Konstruktion).da().mk(kOhneFang | kOhneLineal).m(M::KreisWaehlenSeite).f(kAbstand | kAnzahl | kUebernehmen).k(L::Hilfslinien, "hilfskreiskonzentrischabstand", "(Abstand fest)")),
    Werkzeugzeile(Z(W::Hilfsmarker, G::Keine).spaeter(L::Hilfslinien, "Hilfsmarker")),

    // --- Gradients: one element each, colours from the property bar ------------------
    Werkzeugzeile(Z(W::LinearerVerlauf, G::Verlaeufe).fig(3, 0, verlaufLinear).m(M::DreiPunkte).f(kF2).k(L::Verlaeufe, "verlauflinear", "Linearer Farbverlauf")),
    Werkzeugzeile(Z(W::RechteckigerVerlauf, G::Verlaeufe).fig(2, 0, verlaufRechteck).f(kF2).k(L::Verlaeufe, "verlaufrechteck", "Rechteckiger Farbverlauf")),
    Werkzeugzeile(Z(W::PolygonVerlauf, G::Verlaeufe).fig(0, 3, verlaufPolygon).f(kF2).k(L::Verlaeufe, "verlaufpolygon", "Polygonförmiger Farbverlauf")),
    Werkzeugzeile(Z(W::SplineVerlauf, G::Verlaeufe).fig(0, 3, verlaufSpline).f(kF2).k(L::Verlaeufe, "verlaufspline", "Splineförmiger Farbverlauf")),
    Werkzeugzeile(Z(W::KreisVerlauf, G::Verlaeufe).fig(2, 0, verlaufKreis).m(M::MitteRadius).f(kF2).k(L::Verlaeufe, "verlaufkreis", "Kreisförmiger Farbverlauf")),
    Werkzeugzeile(Z(W::RadialerVerlauf, G::Verlaeufe).fig(2, 0, verlaufRadial).f(kF2).k(L::Verlaeufe, "verlaufradial", "Radialer Farbverlauf")),
    Werkzeugzeile(Z(W::VieleckVerlauf, G::Verlaeufe).fig(2, 0, verlaufVieleck).m(M::MitteZweiterPunkt).f(kF2 | kEcken).k(L::Verlaeufe, "verlaufvieleck", "Verlauf mit n Ecken")),
    Werkzeugzeile(Z(W::ZweiPolygoneVerlauf, G::Verlaeufe).fig(0, 3, verlaufZweiPolygone).f(kF2).k(L::Verlaeufe, "verlaufzweipolygone", "Farbverlauf über zwei Polygone")),

    // --- Bitmaps: the first click picks the bitmap ---------------------------------------
    Werkzeugzeile(Z(W::BitmapEinpassen, G::Bitmaps).da().k(L::Bitmaps, "bitmapeinpassen", "Bitmap einpassen")),
    Werkzeugzeile(Z(W::BitmapBeschneiden, G::Bitmaps).da().k(L::Bitmaps, "bitmapbeschneiden", "Bitmap beschneiden")),
    Werkzeugzeile(Z(W::BitmapWaagerechtSpiegeln, G::Bitmaps).da().k(L::Bitmaps, "bitmapspiegelnh", "Bitmapinhalt horizontal spiegeln")),
    Werkzeugzeile(Z(W::BitmapSenkrechtSpiegeln, G::Bitmaps).da().k(L::Bitmaps, "bitmapspiegelnv", "Bitmapinhalt vertikal spiegeln")),
    Werkzeugzeile(Z(W::BitmapDrehen, G::Bitmaps).da().k(L::Bitmaps, "bitmapdrehen", "Bitmapinhalt drehen")),
    Werkzeugzeile(Z(W::BitmapMaskieren, G::Bitmaps).da().mk(kOhneFang).k(L::Bitmaps, "bitmapmaskieren", "Bitmapinhalt maskieren")),
    Werkzeugzeile(Z(W::BitmapPolygonalBeschneiden, G::Bitmaps).da().k(L::Bitmaps, "bitmappolygonal", "Bitmap polygonal beschneiden")),
    Werkzeugzeile(Z(W::BitmapRundBeschneiden, G::Bitmaps).da().k(L::Bitmaps, "bitmaprund", "Bitmap rund beschneiden")),

    // --- Text: the text comes from the text dialog -----------------------------------------
    Werkzeugzeile(Z(W::Fliesstext, G::Text).da().k(L::Text, "fliesstext", "Fließtext")),
    Werkzeugzeile(Z(W::FliesstextOben, G::Text).da().k(L::Text, "fliesstextoben", "Fliestext oben ausgerichtet")),
    Werkzeugzeile(Z(W::FliesstextLinks, G::Text).da().k(L::Text, "fliesstextlinks", "Fliestext links ausgerichtet")),
    Werkzeugzeile(Z(W::Hinweistext, G::Text).da().k(L::Text, "hinweistext", "Hinweistext")),
    Werkzeugzeile(Z(W::TextHinterlegen, G::Text).da().k(L::Text, "texthinterlegen", "Text mit Farbe hinterlegen")),
    Werkzeugzeile(Z(W::TextWiederholen, G::Text).da().k(L::Text, "textwiederholen", "Text wiederholen")),
    Werkzeugzeile(Z(W::HinweistextMitKoordinaten, G::Text).da().k(L::Text, "hinweistextkoordinaten", "Hinweistext mit Koordinaten")),
    Werkzeugzeile(Z(W::Kommentar, G::Text).da().k(L::Text, "kommentar", "Kommentar einfügen")),

    // --- Walls (not available yet; 702 is the wall chain) --------------------------------
    Werkzeugzeile(Z(W::Wand700, G::Waende)),
    Werkzeugzeile(Z(W::Wand701, G::Waende).m(M::StartEnde)),
    Werkzeugzeile(Z(W::Wand702, G::Waende).m(M::StartEnde).esc(Escape::Modul, G::Waende)),
    Werkzeugzeile(Z(W::Wand703, G::Waende)),
    Werkzeugzeile(Z(W::Wand704, G::Waende)),
    Werkzeugzeile(Z(W::Wand705, G::Waende)),
    Werkzeugzeile(Z(W::Wand706, G::Waende)),

    // --- Colour fields: no tool of the drawing area; their buttons choose the
    // colour (ui/window/farbwahl.h) ----------------------------------------------------------
    Werkzeugzeile(Z(W::Primaerfarbe, G::Keine).da().k(L::Farbwahl, "primaerfarbe", "Primärfarbe")),
    Werkzeugzeile(Z(W::Sekundaerfarbe, G::Keine).da().k(L::Farbwahl, "sekundaerfarbe", "Sekundärfarbe")),

    // --- Symbols: started by "Symbol einfügen..." with the file it places; Escape
    // and the right button end it --------------------------------------------------------
    Werkzeugzeile(Z(W::SymbolEinfuegen, G::Symbole).da().m(M::Einfuegepunkt).f(kSymbollage).mk(kRechtsBrichtAb).esc(Escape::ModulSchonOhnePunkte, G::Symbole)),
};
// clang-format on

// Code -> row, built once.
struct Index {
  std::array<const Werkzeugzeile*, 1024> zeile{};
  Index() {
    for (const Werkzeugzeile& z : kTabelle) {
      if (z.knopfNr == 0) zeile[nr(z.code)] = &z;
    }
  }
};

const Index& index() {
  static const Index i;
  return i;
}

}  // namespace

std::span<const Werkzeugzeile> werkzeugtabelle() {
  return kTabelle;
}

const Werkzeugzeile* werkzeugzeile(Werkzeugcode code) {
  return nr(code) < index().zeile.size() ? index().zeile[nr(code)] : nullptr;
}

std::optional<Werkzeugcode> werkzeugcodeAus(std::uint32_t nummer) {
  if (nummer >= index().zeile.size() || index().zeile[nummer] == nullptr) return std::nullopt;
  return index().zeile[nummer]->code;
}

std::string hilfethema(Werkzeugcode code) {
  const Werkzeugzeile* z = werkzeugzeile(code);
  const Werkzeugcode knopf = z != nullptr && z->knopf != Werkzeugcode::Keines ? z->knopf : code;
  return "werkzeug_" + std::to_string(nr(knopf));
}

}  // namespace quarzel
