// The snap search's roundings that need no elements: to the ruler
// subdivision, to the nearest grid node, and of a direction to the angle
// grid; and which tools take part in which. All positions in pixels of the
// drawing area.
#pragma once

#include <cstdint>
#include <optional>

#include "edit/werkzeugcode.h"
#include "view/ansicht.h"
#include "platform/canvas.h"

namespace quarzel {

// c rounded to the nearest o + k s, a half step going away from o:
// o + Int((c - o + s/2) / s) s for c >= o, o - Int((o - c + s/2) / s) s below.
double rundeAufTeilung(double c, double o, double s);

// The ruler subdivision: the tick distance divided by 10 while above 10
// (250 -> 2.5, 7 -> 7). 0 for a distance that is not a positive number.
double linealfangschritt(double strichabstand);

// The cursor rounded to the ruler subdivision about the zero point; none
// when the ruler has no steps at this view.
std::optional<Pixelpunkt> linealfang(const Ansicht& a, bool modell, double x, double y);

// The grid node for the cursor: each coordinate rounded as above in the
// grid's frame, turned by the grid angle as the grid is drawn. None for a
// spacing that is not a positive number.
std::optional<Pixelpunkt> rasterknoten(const Ansicht& a, double x, double y);

// p moved on the circle about z so that the direction z -> p, measured
// counter-clockwise in the user's coordinate system (turned by coordAngle),
// becomes the nearest multiple of the step. The distance stays.
Pixelpunkt winkelrunden(Pixelpunkt z, Pixelpunkt p, double schrittGrad, double coordAngleGrad);

// p moved along the direction z -> p so that its distance from z becomes the
// nearest whole multiple of the step (pixels); a distance below half a step
// stays, so the point never falls onto z.
Pixelpunkt laengenrunden(Pixelpunkt z, Pixelpunkt p, double schrittPixel);

// Tools for which the search returns the cursor untouched (trimming, fillet,
// chamfer, zoom, 140).
bool ohneFangen(Werkzeugcode werkzeug);
// Tools that never round to the ruler.
bool ohneLineal(Werkzeugcode werkzeug);
// Whether the angle grid applies to this tool at this point step.
bool mitWinkelraster(Werkzeugcode werkzeug, int punktschritt);
// Arc tools at their third and fourth point round the angle about the centre.
bool winkelUmBogenmitte(Werkzeugcode werkzeug, int punktschritt);

}  // namespace quarzel
