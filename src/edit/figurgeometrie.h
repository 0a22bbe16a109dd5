// The plane constructions of the drawing tools: angles as the screen shows
// them, circles through three points, regular figures, arcs and curves as
// point lists, free-hand smoothing and lines across the whole world. All in
// world millimetres (y downward); nothing here knows the store or pixels.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "view/ansicht.h"
#include "edit/zeichenfigur.h"

namespace quarzel::figur {

inline Weltpunkt plus(Weltpunkt a, Weltpunkt b) {
  return {a.x + b.x, a.y + b.y};
}
inline Weltpunkt minus(Weltpunkt a, Weltpunkt b) {
  return {a.x - b.x, a.y - b.y};
}
inline Weltpunkt mal(Weltpunkt a, double f) {
  return {a.x * f, a.y * f};
}
inline bool gleich(Weltpunkt a, Weltpunkt b) {
  return a.x == b.x && a.y == b.y;
}
double abstand(Weltpunkt a, Weltpunkt b);
bool endlich(Weltpunkt p);

// The direction from `von` to `nach` in degrees 0..360, counter-clockwise as
// seen on the screen (0 to the right, 90 upward).
double bildschirmwinkel(Weltpunkt von, Weltpunkt nach);
// The point at distance r from c in the screen direction w (degrees).
Weltpunkt polarpunkt(Weltpunkt c, double r, double wGrad);
double normiereWinkel(double wGrad);  // into 0 .. 360
// Start normalised into 0..360 and the end after it: an end not beyond the
// start has 360 added, so start 60, end 30 gives 60 .. 390.
void ordneWinkel(double& start, double& ende);

// The centre of the circle through three points; none when they lie on one line.
std::optional<Weltpunkt> umkreismitte(Weltpunkt a, Weltpunkt b, Weltpunkt c);
// The arc from a through b to c; none for points on one line.
std::optional<Figurbogen> bogenDurchDreiPunkte(Weltpunkt a, Weltpunkt b, Weltpunkt c);
// The parameter angle of an ellipse (axis-parallel radii xr, yr) whose point
// lies in the direction of p as seen from the centre.
double ellipsenwinkel(Weltpunkt mitte, double xr, double yr, Weltpunkt p);

// Points along an arc from its start to its end (both included), at most
// one degree apart and never more than `hoechstens` of them.
std::vector<Weltpunkt> bogenpunkte(const Figurbogen& b, std::size_t hoechstens = 721);
// Points along a cubic Bézier curve, ends included.
std::vector<Weltpunkt> bezierpunkte(const std::array<Weltpunkt, 4>& k, std::size_t schritte = 64);

// Corners of figures, in drawing order (not closed).
std::array<Weltpunkt, 4> rechteck(Weltpunkt a, Weltpunkt b);
// The rectangle on the side AB reaching to the line through c parallel to AB.
std::array<Weltpunkt, 4> schraegesRechteck(Weltpunkt a, Weltpunkt b, Weltpunkt c);
std::array<Weltpunkt, 4> parallelogramm(Weltpunkt a, Weltpunkt b, Weltpunkt c);
// A symmetric trapezoid on the base AB whose top side passes through c and
// reaches as far from the axis as c does.
std::array<Weltpunkt, 4> konus(Weltpunkt a, Weltpunkt b, Weltpunkt c);
// Regular n-gon with centre c and first corner p; n is clamped to 3..1000.
std::vector<Weltpunkt> vieleck(Weltpunkt c, Weltpunkt p, int n);
// Star with n points, the first at p, inner radius = verhaeltnis * outer.
std::vector<Weltpunkt> stern(Weltpunkt c, Weltpunkt p, int n, double verhaeltnis);

// Outline of a rectangle with rounded corners: lines and quarter arcs, or
// sharp corners when the radius is 0 (it is limited to half the shorter side).
void abgerundetesRechteck(Weltpunkt a, Weltpunkt b, double radius, Zeichenfigur& f);

// Drops repeated points and smooths the rest with a 1-2-1 average (twice),
// keeping both ends; the result never has more points than the input.
std::vector<Weltpunkt> glaetteFreihand(std::span<const Weltpunkt> punkte);
std::vector<Weltpunkt> ohneWiederholungen(std::span<const Weltpunkt> punkte);

// The part of the line through p in direction d that lies inside the world
// square 0..breite x 0..hoehe; none when it misses it or d is zero.
std::optional<Figurlinie> weltgerade(Weltpunkt p, Weltpunkt d, double breite, double hoehe);

}  // namespace quarzel::figur
