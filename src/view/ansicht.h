// Ansicht: the sheet in the world, the drawing scale and units, and the view
// that maps world millimetres to pixels of the drawing area and back. Every
// part of the program that shows, edits or measures geometry converts through
// this one object; none keeps a transform of its own.
//
// World coordinates are sheet millimetres, x to the right, y downward. User
// coordinates are relative to the zero point, in drawing units, Y upward.
//
// The settings are plain data members named as the drawing's tables name them;
// the operations below keep them consistent (zoom limits, whole-millimetre
// view origin). A default-constructed Ansicht is the start-up state of an
// empty configuration (390 x 270 sheet, unit "m", scale 1:100) at zoom 1.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "view/clip.h"
#include "platform/canvas.h"

namespace quarzel {

struct Weltpunkt {
  double x = 0;
  double y = 0;
};

// Corners in world millimetres, in any order.
struct Weltrechteck {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
};

// Coordinates as shown to the user: drawing units, Y growing upward.
struct Benutzerpunkt {
  double x = 0;
  double y = 0;
};

// What one scroll bar shows, all in millimetres. `maximum` is the largest
// position (the world's extent less one page), as a slider range wants it.
struct Rollbalken {
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
  std::int32_t seitengroesse = 0;
  std::int32_t grosseAenderung = 0;
  std::int32_t kleineAenderung = 0;
  std::int32_t position = 0;
};

class Ansicht {
 public:
  // Zoom steps by this factor; at the finest zoom the world is this many
  // pixels wide (10000 mm -> 0.003125 mm per pixel).
  static constexpr double zoomSchritt = 1.414;
  static constexpr double feinsteWeltPixel = 3200000;
  // Whole sheet leaves this much world around the sheet (left/right, top/bottom).
  static constexpr int blattRandX = 15;
  static constexpr int blattRandY = 10;
  // Whole drawing enlarges the bounding box by this on every side.
  static constexpr int zeichnungsRand = 10;

  // World.
  std::int32_t WorldWidth = 10000;
  std::int32_t WorldHeight = 10000;

  // Sheet ("Blatt"), whole millimetres; sheetLeft/sheetTop is its top-left corner.
  std::int32_t sheetWidth = 390;
  std::int32_t sheetHeight = 270;
  std::int32_t sheetLeft = 4805;
  std::int32_t sheetTop = 4865;

  // Denominator n of the scale 1:n.
  double drawingScale = 100;

  // Drawing units: code (1..4 metric, 5.. imperial), units per model millimetre, name.
  std::uint8_t unitCode = 3;
  double unitFactor = 0.001;
  std::string unitName = "m";
  int displayDecimals = 2;
  bool imperialDecimal = false;

  // View: millimetres per pixel and the world point of the area's top-left pixel.
  double zoom = 1.0;
  std::int32_t viewOriginX = 4790;
  std::int32_t viewOriginY = 4855;
  // The drawing area's client size in pixels; the window keeps it current.
  int areaWidth = 0;
  int areaHeight = 0;
  bool layoutView = false;

  Weltpunkt zeroPoint{4825, 5115};
  Weltpunkt gridOrigin{4825, 5115};
  double gridSpacingX = 10;
  double gridSpacingY = 10;
  float gridAngle = 0;   // degrees
  float coordAngle = 0;  // degrees, rotation of the user's coordinate system

  // Pixels the clip rectangle reaches beyond the drawing area on every side.
  // Wide pens paint beyond their centre line, so the renderer raises this to
  // half its widest pen when that is more.
  int clipRand = 16;

  // The integer nearest to v, an exact half going to the even neighbour.
  static double nearest(double v);
  // nearest(), then clamped into the 32-bit range (NaN gives 0).
  static std::int32_t nearestInt32(double v);

  Pixelpunkt worldToPixel(double x, double y) const;
  Weltpunkt pixelToWorld(double px, double py) const;

  // `scale` is the scale in force (the active layer's, or drawingScale when
  // that layer has none); the caller decides, this class does not know layers.
  Benutzerpunkt worldToUser(double x, double y, double scale) const;
  // Exact inverse of worldToUser. A scale or unit factor of 0 gives the zero point.
  Weltpunkt userToWorld(double X, double Y, double scale) const;

  // The zoom operations return old zoom / new zoom: a tool in progress
  // multiplies the pixel values it holds by it to keep them on their world points.
  double vergroessern();
  double verkleinern();
  double zoomeAufRechteck(double x1, double y1, double x2, double y2);
  double gesamtesBlatt();
  // The bounding box of the shown elements, if any yields one. With none the
  // whole sheet is shown when the store is empty, else the sheet enlarged by
  // the drawing margin.
  double gesamteZeichnung(const std::optional<Weltrechteck>& umgebung, bool speicherLeer = true);

  // Puts a world point in the middle of the area, kept inside the world square.
  void zentriere(double cx, double cy);
  // Takes a stored view (zoom and origin) when it is a possible one: a zoom
  // between the finest and 1000 mm per pixel, an origin inside the world.
  // False, and nothing changed, otherwise.
  bool setzeSicht(double neuerZoom, std::int32_t x, std::int32_t y);
  Weltpunkt bereichsmitte() const;

  Rollbalken rollbalkenWaagerecht() const;
  Rollbalken rollbalkenSenkrecht() const;
  // Moves the view origin to a scroll bar's position. Returns how far, in
  // pixels, points held in pixels must move to stay on the same world point.
  double setzeUrsprungWaagerecht(std::int32_t position);
  double setzeUrsprungSenkrecht(std::int32_t position);

  // The drawing area enlarged by clipRand, for the quick rejection tests.
  Cliprechteck clipRechteck() const;
  bool clip(double x1, double y1, double x2, double y2) const { return quarzel::clip(clipRechteck(), x1, y1, x2, y2); }
  bool bogenclip(double xm, double ym, double rx, double ry) const {
    return quarzel::bogenclip(clipRechteck(), xm, ym, rx, ry);
  }
  bool polygonclip(std::span<const Pixelpunkt> punkte) const { return quarzel::polygonclip(clipRechteck(), punkte); }
  bool cursorclip(double x, double y) const { return quarzel::cursorclip(clipRechteck(), x, y); }

 private:
  // Keeps zoom at or above the finest zoom (also repairs 0 and NaN).
  void begrenzeFeinstenZoom();
  int bereichBreite() const { return areaWidth > 0 ? areaWidth : 1; }
  int bereichHoehe() const { return areaHeight > 0 ? areaHeight : 1; }
};

}  // namespace quarzel
