// The figure functions of the drawing tools, one per tool code (or family);
// the tool table (werkzeugtabelle.cpp) names each tool's builder. Each takes the points given so
// far (during a rubber band, the last one is the mouse) and gives the figure
// they make; too few points give the part that is already fixed.
#pragma once

#include <span>

#include "edit/figurwerkzeug.h"

namespace quarzel::figurbau {

// Outline helpers: closed corner lists as lines or as one closed polygon.
Zeichenfigur umriss(std::span<const Weltpunkt> ecken, bool schliessen = true);
Zeichenfigur flaeche(std::vector<Weltpunkt> ecken);

// Lines.
Zeichenfigur linie(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur mehrfachlinie(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur linieAusMitte(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur polygonzug(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur linienkreuz(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur schraegkreuz(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur markerpunkt(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur rechteck(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur schraegesRechteck(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur parallelogramm(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur konus(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur stern(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur vieleck(const Figurpunkte& p, const Zeichenvorgabe& v);

// Circles, arcs and ellipses (outlines).
Zeichenfigur kreis(const Figurpunkte& p, const Zeichenvorgabe& v);            // centre, radius
Zeichenfigur kreisZweiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v);  // diameter
Zeichenfigur kreisDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur kreisMitFestemRadius(const Figurpunkte& p, const Zeichenvorgabe& v);  // centre; radius of the panel
Zeichenfigur bogen(const Figurpunkte& p, const Zeichenvorgabe& v);  // centre, radius, angles
Zeichenfigur bogenImUhrzeigersinn(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur bogenDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur ellipse(const Figurpunkte& p, const Zeichenvorgabe& v);  // centre, radii
Zeichenfigur ellipseImRechteck(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur gedrehteEllipse(const Figurpunkte& p, const Zeichenvorgabe& v);  // centre, axis end, second radius
Zeichenfigur ellipsenbogen(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur ellipsenbogenImUhrzeigersinn(const Figurpunkte& p, const Zeichenvorgabe& v);

// The arc a tool with an angle group describes (or none yet), shared by
// the arc outlines and the sectors: centre, radius point (radii), angles.
std::optional<Figurbogen> bogenAusPunkten(const Figurpunkte& p, bool elliptisch, bool imUhrzeigersinn);

// Curves.
Zeichenfigur bezierkurve(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur spline(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur freihandlinie(const Figurpunkte& p, const Zeichenvorgabe& v);

// Areas (filled outlines; full circles and ellipses are the outline builders).
Zeichenfigur polygonflaeche(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur rechteckflaeche(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur schraegeRechteckflaeche(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur parallelogrammflaeche(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur konusflaeche(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur sternflaeche(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur vieleckflaeche(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur kreissektor(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur ellipsensektor(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur kreissektorMitteStartEnde(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur kreissegmentMitteStartEnde(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur kreissektorDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur kreissegmentDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur ring(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur ringsegment(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur bezierflaeche(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur splineflaeche(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur freihandflaeche(const Figurpunkte& p, const Zeichenvorgabe& v);

// Single construction lines.
Zeichenfigur hilfslinieWaagerecht(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur hilfslinieSenkrecht(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur hilfslinieBeliebig(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur hilfskreis(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur hilfskreisZweiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur hilfskreisDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur hilfslinienkreuz(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur hilfslinienkreuzSchraeg(const Figurpunkte& p, const Zeichenvorgabe& v);

// Gradients (verlaufswerkzeuge.cpp): the outline of one gradient element.
inline constexpr int kHoechsteVerlaufsecken = 64;  // the renderer's n-gon limit
Zeichenfigur verlaufLinear(const Figurpunkte& p, const Zeichenvorgabe& v);   // start, end, width
Zeichenfigur verlaufRechteck(const Figurpunkte& p, const Zeichenvorgabe& v);  // two corners
Zeichenfigur verlaufPolygon(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur verlaufSpline(const Figurpunkte& p, const Zeichenvorgabe& v);
Zeichenfigur verlaufKreis(const Figurpunkte& p, const Zeichenvorgabe& v);   // centre, radius
Zeichenfigur verlaufRadial(const Figurpunkte& p, const Zeichenvorgabe& v);  // centre, start of the sweep
Zeichenfigur verlaufVieleck(const Figurpunkte& p, const Zeichenvorgabe& v);  // centre, first corner
Zeichenfigur verlaufZweiPolygone(const Figurpunkte& p, const Zeichenvorgabe& v);

}  // namespace quarzel::figurbau
