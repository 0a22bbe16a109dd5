// Makrozeichner: the macro words that draw and those that set up the drawing
// they draw into (groups Figur, Textfigur, Stil and Umgebung).
//
// A macro draws exactly as the user would: every figure is added through the
// store's adders with the current pen, line style, layer and sublayer and the
// run's colour, and all figures of one run form one undo step, opened on the
// first element (so a run that draws nothing leaves no empty step). Macro
// coordinates are user coordinates: from the zero point, in drawing units, at
// the scale in force, y upward, turned by `coordAngle`.
//
// Every word checks its operand count before it touches the stack: too few
// is error 1 and nothing changes. An operand that does not read as a number
// is error 99; a pen, line style or point setting that is not an integer is
// error 5. Operands are listed deepest first, as written before the word.
//
// Path and figures (the current point is the pen position of the path):
//   x y MOVETO            current point and path start := (x, y)
//   dx dy RMOVETO         current point moved by (dx, dy)
//   x y SETZEROPOINT      zero point := (x, y); rewrites paperleft … paperbottom
//   x y LINETO            line from the current point; current point := end
//   dx dy RLINETO         the same with an offset
//   CLOSEPATH             line from the current point to the path start
//   x y POINT             point element (a zero-length line); current := point
//   dx dy RPOINT          the same with an offset
//   style size SETPOINT   point style 0…14 and size 2…254 (clamped)
//   x y BOX               four lines, (x, y) the corner opposite the current point
//   dx dy RBOX            the same with an offset to the opposite corner
//   x y FBOX / dx dy RFBOX   one filled polygon instead of the four lines
//   xm ym r w1 w2 ARC     arc, radius r, from w1 to w2 degrees counter-clockwise
//   xm ym r w1 w2 ARCN    the same clockwise from w1 to w2
//   xm ym r w1 w2 PIE     filled sector (a polygon, 1 point per degree or finer)
//   r CIRCLE / r FCIRCLE  circle (filled) around the current point
//   rx ry ELLIPSE / rx ry FELLIPSE  ellipse (filled) around the current point,
//                         its axes along the turned coordinate axes
//   xc yc x y CURVETO     Bézier curve from the current point to (x, y) pulled
//                         towards the control point (xc, yc); current := (x, y)
//   xc yc x y FCURVETO    the same closed and filled
//   dxc dyc dx dy RCURVETO / RFCURVETO  both points as offsets from the current point
//   xm ym x y SECTION     circular segment: arc around (xm, ym) from the current
//                         point counter-clockwise to the ray through (x, y),
//                         closed by its chord; current := arc end
//   xm ym x y FSECTION    the same filled; RSECTION / RFSECTION with offsets
//   ri ra RING            filled ring around the current point, radii ri and ra
//   xm ym ri ra w RINGPART   filled part of a ring around (xm, ym) between the
//                         radii, from the direction of the current point sweeping
//                         w degrees counter-clockwise (negative: clockwise)
//   dxm dym ri ra w RRINGPART  the same with the centre as an offset
//   x1 y1 … xn yn n AREA      filled polygon; the pair written last is point 1
//   x1 y1 … xn yn n POLYLINE  open polygon
//   x1 y1 … xn yn n SPLINE / FSPLINE  spline (filled: closed)
//   dx1 dy1 … dxn dyn n RAREA / RPOLYLINE / RSPLINE / RFSPLINE  offsets, each
//                         from the previous point, the first from the current
//                         point; current := the last point
//
// Text figures:
//   text SHOW             text at the current point (font, height, angle, style,
//                         colour); its angle grows by coordAngle
//   text trenner SHOWBLOCK   text of several lines, split at `trenner` (at most 256)
//   name SETFONT          font for later texts
//   h SCALEFONT           text height in sheet mm; below 0.01 or above 1000: 3.5
//   w TEXTROTATE          text angle in degrees; outside −360…360: 0
//   bits SETTEXTSTYLE     1 bold, 2 italic, 4 underlined, bits 3…6 the alignment
//
// Styles:
//   n SETPEN              pen 0…24, other values ignored
//   n SETDASH             line style 1…31, 51…55, 61…65, 71…124, others ignored
//   r g b RGBCOLOR        line and fill colour (each component taken as a byte)
//   c m y CMYCOLOR        the same from cyan, magenta, yellow (0…255)
//   p SETGRAY             grey of p percent black
//   h l s HLSCOLOR        hue 0…360 degrees, lightness and saturation 0…100
//   0 SETMULTICOLOR | r g b 1 SETMULTICOLOR   second colour off / on
//   p SETTRANS            transparency byte round(255 − 2.55 p); unreadable p: 0
//   name SETPATTERN       hatch of filled figures; " " or "0" clears it
//   f SETBORDER           outline of filled figures unless f is "0"
//   b FINDPEN → n         the pen 1…24 whose width (mm) is nearest to b
//
// Drawing environment:
//   b h SETFORMAT         sheet size in mm (50…2500), sheet centred again
//   n b h SETPAGESIZE     size of sheet n
//   n SETPAGE             activates sheet n and shows the whole sheet
//   name b h NEWPAGE      adds a sheet
//   w ROTATE              coordAngle += w (kept in −360…360); exactly 0 resets it
//   name m CREATELAYER    new active layer of scale 1:m; error 25 at 250 layers
//   name CREATESUBLAYER   new active sublayer; error 26 at 250 sublayers
//   f SETLAYERVISIBLE / f SETSUBLAYERVISIBLE   shows ("0": hides) the active one
//   GETLAYERVISIBLE → f / GETSUBLAYERVISIBLE → f
//   einheit stellen zeigen SETLAYERUNIT   active layer's unit ("mm" … "miles"),
//                         0…3 decimals, unit shown unless "0"
//   name BEGINGROUP / ENDGROUP   later figures become one group; ENDGROUP
//                         without an open group: error 4
//   a MEASURE             dimension of the last line the run drew, its dimension
//                         line a macro units to the left of it
//   a text MEASURE        the same with its own text (the top is not a number)
//   x1 y1 x2 y2 xa ya MEASURELINE  dimension of (x1,y1)-(x2,y2) through (xa, ya)
//   n SETMASPOS           text position of later dimensions
//   name SETMASPROFILE    dimension profile (".QZB"); error 31 when missing
//   x y r CHECKAREA → f   "-1" when an alive element has a point within r of (x, y)
//   x y CHECKLINE → f     "-1" when the segment from the current point to (x, y)
//                         touches an alive line or polygon edge
//   datei x y b h w PICTURE   picture file, lower-left corner (x, y), size b × h,
//                         turned by w degrees; error 6 when the file is missing
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "macro/befehlstabelle.h"
#include "macro/makroanschluesse.h"
#include "macro/makrofehler.h"
#include "platform/farbe.h"
#include "store/datensaetze.h"
#include "store/elementart.h"
#include "styles/bemassungsstil.h"
#include "view/ansicht.h"

namespace quarzel {

struct Zeichnung;
class Makrostapel;
class Makrovariablen;

// What the main window offers a run. Every hook may be empty: the core then
// does without (no drawing on screen, a single sheet).
struct Makrozeichnerhost {
  std::function<void(std::int32_t element)> elementGezeichnet;  // draw one new element
  std::function<void()> neuZeichnen;                            // full redraw
  std::function<void()> attributeGeaendert;                     // pen/line-style boxes show the new values
  // Sheets: true when done. Without the hooks only the current sheet exists.
  std::function<bool(int nummer)> blattWaehlen;
  std::function<bool(const std::string& name, int breite, int hoehe)> blattAnlegen;
  std::function<bool(int nummer, int breite, int hoehe)> blattgroesseSetzen;
  // Where picture files and dimension profiles are looked for when the
  // name is relative ("" = the working directory).
  std::string dateiordner;
};

// Values a run starts from, taken from the main window.
struct Makrovorgaben {
  Farbe linienfarbe = 0;
  Farbe fuellfarbe = 0;
  int punktstil = 0;
  int punktgroesse = 4;
};

class Makrozeichner final : public Makrozeichenanschluss {
 public:
  // The drawing state of one run; a nested run saves and restores it.
  struct Zustand {
    Weltpunkt punkt;       // current point, world mm
    Weltpunkt pfadanfang;  // path start, world mm
    std::string schrift = "Arial";
    double texthoehe = 3.5;
    double textwinkel = 0;
    int textstil = 0;
    std::string muster;  // hatch name of filled figures
    bool rand = false;   // outline of filled figures
    std::uint8_t transparenz = 0;
    std::int16_t linienstil = 1;  // line style of macro figures
    int punktstil = 0;
    int punktgroesse = 4;
    Farbe linienfarbe = 0;
    Farbe fuellfarbe = 0;
    Farbe zweitfarbe = 0;
    bool zweitfarbeAn = false;
    bool schrittOffen = false;  // this run has its undo step
    // Group: the begin bracket is added with the first member, so an empty
    // group leaves nothing behind.
    bool gruppeOffen = false;
    std::int32_t gruppenanfang = 0;
    std::string gruppenname;
    bool schrittNachGruppe = false;  // NEWUNDO came while the group was open
    Weltrechteck gruppenrahmen;
    int masstextposition = 0;
    std::string massprofil;
    // The profile's style, which the macro's dimensions take from then on.
    std::optional<Bemassungsstil> massstil;
    std::int32_t letzteLinie = 0;  // for MEASURE
  };

  explicit Makrozeichner(Zeichnung& zeichnung, Makrozeichnerhost host = {});

  // Runs one word of the four groups. nullopt: done; otherwise the error,
  // with the stack unchanged when operands were missing.
  std::optional<Makrofehler> fuehreAus(Befehl befehl, Makrostapel& stapel, Makrovariablen& variablen) override;

  // What the message of the last error names when that is not the word
  // itself (the missing file of PICTURE or SETMASPROFILE); "" otherwise.
  const std::string& fehlerbezug() const { return fehlerbezug_; }

  // Resets the run's drawing state (current point at the zero point).
  void laufBeginnt() override;
  // Closes a group the macro left open, so the drawing stays well formed.
  void laufEndet() override;
  // NEWUNDO: the next figure opens a new undo step. Inside a group the new
  // step waits for ENDGROUP: undoing half a group would leave a begin
  // bracket without its end.
  void neuerUndoSchritt() override;
  // TEXTWIDTH: estimated from the text height (no font metrics in the
  // core), in macro units.
  double textbreite(std::string_view text) const override;

  Zustand zustand() const { return z_; }
  void setzeZustand(Zustand z) { z_ = std::move(z); }

  Makrovorgaben vorgaben;

  // GETLINE / GETARC: the picked element's values into rows 14–22 / 23–34,
  // lengths in macro units. False when the element is not of that kind.
  bool setzeLinienvariablen(std::int32_t element, Makrovariablen& variablen) const;
  bool setzeBogenvariablen(std::int32_t element, Makrovariablen& variablen) const;
  // Rows 0, 1 and 7–13 (sheet, zero point, scale, unit) from the drawing.
  void schreibeBlattvariablen(Makrovariablen& variablen) const;

  // Macro coordinates of a world point (the inverse of the figure words).
  Benutzerpunkt alsMakropunkt(Weltpunkt p) const;

 private:
  using Ergebnis = std::optional<Makrofehler>;

  Ergebnis pfad(Befehl b, Makrostapel& s, Makrovariablen& v);
  Ergebnis rundeFiguren(Befehl b, Makrostapel& s);
  Ergebnis punktlisten(Befehl b, Makrostapel& s);
  Ergebnis textfiguren(Befehl b, Makrostapel& s);
  Ergebnis stile(Befehl b, Makrostapel& s);
  Ergebnis umgebung(Befehl b, Makrostapel& s, Makrovariablen& v);
  Ergebnis ebenenUndGruppen(Befehl b, Makrostapel& s, Makrovariablen& v);
  Ergebnis bemassungUndPruefung(Befehl b, Makrostapel& s);

  // Operands --------------------------------------------------------------
  // Checks that n operands are there, reads them as numbers (deepest first
  // into w[0..n-1]) and pops them.
  static Ergebnis zahlen(Makrostapel& s, int n, double* w);
  // Hostile operands (1e308 at a fine scale) must not reach the store as
  // infinities.
  static bool endlich(std::initializer_list<double> werte) {
    for (double w : werte)
      if (!std::isfinite(w)) return false;
    return true;
  }

  // Coordinates -------------------------------------------------------------
  double massstab() const;
  Weltpunkt welt(double x, double y) const;
  // An offset turned into world millimetres (no zero point).
  Weltpunkt versatz(double dx, double dy) const;
  // A length in macro units as world millimetres.
  double laenge(double l) const;

  // Adding ------------------------------------------------------------------
  void vorElement();
  void nachElement(std::int32_t n, const Weltrechteck& rahmen);
  std::int32_t linie(Weltpunkt a, Weltpunkt e);
  // Polygon family from the store's point buffer (already filled).
  std::int32_t polygon(Elementart art, bool gefuellt);
  std::int32_t bogen(Weltpunkt m, double xr, double yr, double start, double ende, double dreh, bool gefuellt);
  void fuellangaben(Fuellangaben& f) const;
  Weltrechteck pufferrahmen() const;
  // Adds the arc points (centre m, radius r world mm, degrees on screen) to
  // the point buffer; false when it is full.
  bool bogenpunkte(Weltpunkt m, double r, double von, double spanne);

  Zeichnung& zeichnung_;
  Makrozeichnerhost host_;
  Zustand z_;
  std::string fehlerbezug_;
};

}  // namespace quarzel
