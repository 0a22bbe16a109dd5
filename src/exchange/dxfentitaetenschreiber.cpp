#include "exchange/dxfentitaetenschreiber.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

#include "render/bemassungslayout.h"
#include "render/bemassungstext.h"
#include "render/bemassungswert.h"
#include "render/bogengeometrie.h"
#include "render/formzeichnen.h"
#include "render/kurvenpunkte.h"
#include "render/textersetzung.h"
#include "render/zeichenlauf.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

constexpr double kGrad = std::numbers::pi / 180;
// Line spacing and ascent of texts in heights, as the renderer sets them.
constexpr double kZeilenabstand = 1.25;
constexpr double kOberlaenge = 0.8;
// Fills of curves follow the renderer's sampling at this many mm per pixel.
constexpr double kFeinerZoom = 0.01;
constexpr int kKeiner = -1;

struct Attribute {
  int ebene = 1, folie = 1;
  int stift = kKeiner;  // kKeiner: the kind has no pen
  int stil = kKeiner;   // kKeiner: the kind has no line style
  Farbe farbe = 0;
};

}  // namespace

struct DxfEntitaetenschreiber::Innen {
  const Zeichnung& z;
  DxfAusgabe& aus;
  const DxfNamen& namen;
  DxfSchreibbericht& bericht;
  const Textersetzung* ersetzung;
  Zeichenlauf lauf;  // one millimetre per pixel: pixels are world millimetres
  Zeichenlauf feinerLauf;
  double minX = std::numeric_limits<double>::infinity(), minY = minX;
  double maxX = -minX, maxY = -minX;
  // Runs of one layer and colour are the rule; the last answers are kept.
  int letzterLayer = -1;
  const std::string* letzterLayername = nullptr;
  std::uint32_t letzteFarbe = 0xFFFFFFFFu;
  int letzteAci = 7;
  std::unordered_map<std::uint32_t, int> aciZuRgb;
  std::vector<Pixelpunkt> punkte, kurve;

  Innen(const Zeichnung& zeichnung, DxfAusgabe& a, const DxfNamen& n, DxfSchreibbericht& b, const Textersetzung* e)
      : z(zeichnung),
        aus(a),
        namen(n),
        bericht(b),
        ersetzung(e),
        lauf(zeichnung.stifte, zeichnung.linienstile, parameter(1)),
        feinerLauf(zeichnung.stifte, zeichnung.linienstile, parameter(kFeinerZoom)) {
    nullX = zeichnung.ansicht.sheetLeft;
    nullY = double(zeichnung.ansicht.sheetTop) + zeichnung.ansicht.sheetHeight;
  }

  static Laufparameter parameter(double zoom) {
    Laufparameter p;
    p.zoom = zoom;
    return p;
  }

  // --- Pieces every entity has -------------------------------------------

  // Takes the point (file axes) into the extents.
  void umfasse(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  // Sheet millimetres to the file's real-world millimetres: the origin at
  // the sheet's lower left corner, y upward, lengths times the scale of the
  // element's layer. The import does the reverse, so a drawing comes back
  // where it was.
  double faktor = 1, nullX = 0, nullY = 0;
  void setzeEbene(int ebene) {
    const double m = z.ebenen.massstab(ebene);
    faktor = m > 0 && std::isfinite(m) ? m : (z.ansicht.drawingScale > 0 ? z.ansicht.drawingScale : 1);
  }
  double fx(double x) const { return (x - nullX) * faktor; }
  double fy(double y) const { return (nullY - y) * faktor; }
  double lang(double l) const { return l * faktor; }

  void punkt(int code, double x, double y, double zk = 0) {
    umfasse(fx(x), fy(y));
    aus.punkt(code, fx(x), fy(y), zk);
  }
  void punkt(int code, Pixelpunkt p, double zoom = 1) { punkt(code, p.x * zoom, p.y * zoom); }

  const std::string& layername(int ebene, int folie) {
    const int schluessel = ebene * 256 + folie;
    if (schluessel != letzterLayer) {
      letzterLayer = schluessel;
      letzterLayername = &namen.layer.at(schluessel);
    }
    return *letzterLayername;
  }

  void kopf(std::string_view typ, const Attribute& a, std::uint64_t besitzer, std::string_view klasse) {
    aus.objekt(typ);
    aus.handle(330, besitzer);
    aus.text(100, "AcDbEntity");
    aus.text(8, layername(a.ebene, a.folie));
    const DxfLinientyp* typ2 = nullptr;
    if (a.stil != kKeiner) {
      typ2 = &namen.linientypen.at(linienstilBetrag(a.stil));
      aus.text(6, typ2->name);
    }
    const std::uint32_t rgb = dxfRgb(a.farbe);
    if (rgb != letzteFarbe) {
      letzteFarbe = rgb;
      const auto [i, neu] = aciZuRgb.try_emplace(rgb, 0);
      if (neu) i->second = naechsteAci(rgb);
      letzteAci = i->second;
    }
    aus.ganz(62, letzteAci);
    if (a.stift != kKeiner) {
      const double breite = z.stifte.blattbreite(a.stift, z.ansicht.drawingScale);
      aus.ganz(370, dxfLinienstaerke(breite));
      // Dashes are paper lengths (the built-in ones counted in pen widths);
      // the file's coordinates are real-world ones.
      if (typ2 && (!typ2->inStiftbreiten || breite > 0)) {
        const double skala = (typ2->inStiftbreiten ? breite : 1) * faktor;
        if (skala != 1) aus.zahl(48, skala);
      }
    }
    aus.ganz(420, rgb);
    aus.text(100, klasse);
    ++bericht.entitaeten;
  }

  void xdaten(const Attribute& a) {
    aus.text(1001, "QUARZEL");
    aus.ganz(1070, a.stift);
    aus.ganz(1070, a.stil);
  }

  // --- Entities -------------------------------------------------------------

  void linie(const Attribute& a, std::uint64_t b, double x1, double y1, double z1, double x2, double y2, double z2) {
    kopf("LINE", a, b, "AcDbLine");
    punkt(10, x1, y1, z1);
    punkt(11, x2, y2, z2);
    xdaten(a);
  }

  // Pixels of a run with `zoom` millimetres per pixel (origin 0).
  void polylinie(const Attribute& a, std::uint64_t b, std::span<const Pixelpunkt> p, bool zu, double zoom = 1) {
    kopf("LWPOLYLINE", a, b, "AcDbPolyline");
    aus.ganz(90, static_cast<long long>(p.size()));
    aus.ganz(70, zu ? 1 : 0);
    for (const Pixelpunkt& q : p) {
      const double x = fx(q.x * zoom), y = fy(q.y * zoom);
      aus.zahl(10, x);
      aus.zahl(20, y);
      umfasse(x, y);
    }
    xdaten(a);
  }

  void schraffur(const Attribute& a, std::uint64_t b, std::span<const Pixelpunkt> p, Farbe fuellfarbe,
                 double zoom = 1) {
    Attribute f = a;
    f.farbe = fuellfarbe;
    kopf("HATCH", f, b, "AcDbHatch");
    aus.punkt(10, 0, 0, 0);
    aus.punkt(210, 0, 0, 1);
    aus.text(2, "SOLID");
    aus.ganz(70, 1);
    aus.ganz(71, 0);
    aus.ganz(91, 1);
    aus.ganz(92, 3);  // external polyline path
    aus.ganz(72, 0);
    aus.ganz(73, 1);
    aus.ganz(93, static_cast<long long>(p.size()));
    for (const Pixelpunkt& q : p) {
      aus.zahl(10, fx(q.x * zoom));
      aus.zahl(20, fy(q.y * zoom));
    }
    aus.ganz(97, 0);
    aus.ganz(75, 0);
    aus.ganz(76, 1);
    aus.ganz(98, 0);
    xdaten(f);
  }

  // The solid interior of a filled element, before its outline; hatches and
  // textures keep only the outline.
  void fuellung(const Attribute& a, std::uint64_t b, const Fuellangaben& f, std::span<const Pixelpunkt> p,
                double zoom) {
    if (!f.gefuellt || p.size() < 3) return;
    if (fuellart(f) != Fuellart::Vollfarbe) {
      ++bericht.nurUmriss;
      return;
    }
    schraffur(a, b, p, f.fuellwert & 0xFFFFFF, zoom);
  }

  // Degree 3, clamped, the pieces joined at triple knots: exactly the chain
  // of Bézier pieces (start, then two controls and the end per piece).
  void spline(const Attribute& a, std::uint64_t b, std::span<const Pixelpunkt> p, bool zu) {
    const std::size_t stuecke = (p.size() - 1) / 3;
    kopf("SPLINE", a, b, "AcDbSpline");
    aus.punkt(210, 0, 0, 1);
    aus.ganz(70, 8 | (zu ? 1 : 0));
    aus.ganz(71, 3);
    aus.ganz(72, static_cast<long long>(3 * stuecke + 5));
    aus.ganz(73, static_cast<long long>(3 * stuecke + 1));
    aus.ganz(74, 0);
    aus.zahl(42, 1e-10);
    aus.zahl(43, 1e-10);
    for (int i = 0; i < 4; ++i) aus.zahl(40, 0);
    for (std::size_t k = 1; k < stuecke; ++k)
      for (int i = 0; i < 3; ++i) aus.zahl(40, static_cast<double>(k));
    for (int i = 0; i < 4; ++i) aus.zahl(40, static_cast<double>(stuecke));
    for (std::size_t i = 0; i < 3 * stuecke + 1; ++i) punkt(10, p[i].x, p[i].y);
    xdaten(a);
  }

  void text(const Attribute& a, std::uint64_t b, double x, double y, double hoehe, double winkel, int ausrichtung,
            std::string_view zeile) {
    kopf("TEXT", a, b, "AcDbText");
    punkt(10, x, y);
    aus.zahl(40, lang(hoehe));
    aus.text(1, dxfTextwert(zeile));
    if (winkel != 0) aus.zahl(50, winkel);
    aus.text(7, "Standard");
    if (ausrichtung != 0) aus.ganz(72, ausrichtung);
    // The renderer places a line by the top of its cell.
    punkt(11, x, y);
    aus.text(100, "AcDbText");
    aus.ganz(73, 3);
    xdaten(a);
  }

  // Several lines as one paragraph text, so that an import gets one text
  // back. Its lines are 5/3 of the height apart at factor 1, ours 1.25.
  void absatztext(const Attribute& a, std::uint64_t b, double x, double y, double hoehe, double winkel, int ausrichtung,
                  const std::vector<std::string>& zeilen) {
    kopf("MTEXT", a, b, "AcDbMText");
    punkt(10, x, y);
    aus.zahl(40, lang(hoehe));
    aus.zahl(41, 0);
    aus.ganz(71, 1 + ausrichtung);  // top left, centre or right
    aus.ganz(72, 1);
    std::string roh;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
      if (i > 0) roh += "\\P";
      for (char c : zeilen[i]) {
        // The paragraph text's own codes start with these.
        if (c == '\\' || c == '{' || c == '}') roh += '\\';
        roh += c;
      }
    }
    stueckweise(dxfTextwert(roh));
    aus.text(7, "Standard");
    aus.punkt(11, std::cos(winkel * kGrad), std::sin(winkel * kGrad), 0);
    aus.ganz(73, 2);
    aus.zahl(44, kZeilenabstand * 3 / 5);
    xdaten(a);
  }

  // A text value longer than 250 bytes goes out in pieces (code 3, the last
  // one code 1), never cutting through an escape sequence.
  void stueckweise(std::string_view t) {
    constexpr std::size_t kStueck = 250;
    while (t.size() > kStueck) {
      std::size_t n = kStueck;
      const std::size_t rueckstrich = t.rfind('\\', n - 1);
      if (rueckstrich != std::string_view::npos && rueckstrich + 7 > n && rueckstrich > 0) n = rueckstrich;
      aus.text(3, t.substr(0, n));
      t.remove_prefix(n);
    }
    aus.text(1, t);
  }

  // --- Kinds ------------------------------------------------------------------

  void bogen(std::int32_t n, std::uint64_t b) {
    const tbogendaten& d = z.speicher.bogen(n);
    const Attribute a{d.planteil, d.folie, d.stift, d.linienstil, d.farbe};
    const std::optional<Ellipsenbogen> e = ellipsenbogen(d);
    if (!e || e->xr == 0 || e->yr == 0) {
      ++bericht.uebersprungen["Bogen ohne Fläche"];
      return;
    }
    // The whole figure's box: a safe bound for any part of it.
    const Weltrechteck r = e->umgebung();
    umfasse(fx(r.x1), fy(r.y1));
    umfasse(fx(r.x2), fy(r.y2));
    if (d.fuellung.gefuellt) {
      bogenpunkte(*e, feinerLauf, punkte);
      fuellung(a, b, d.fuellung, punkte, kFeinerZoom);
    }
    if (e->xr == e->yr && d.drehwinkel == 0) {
      if (e->voll) {
        kopf("CIRCLE", a, b, "AcDbCircle");
        punkt(10, d.xm, d.ym);
        aus.zahl(40, lang(e->xr));
      } else {
        kopf("ARC", a, b, "AcDbCircle");
        punkt(10, d.xm, d.ym);
        aus.zahl(40, lang(e->xr));
        aus.text(100, "AcDbArc");
        aus.zahl(50, d.startwinkel);
        aus.zahl(51, d.endwinkel);
      }
      xdaten(a);
      return;
    }
    // Major axis along the turned x axis, or along the turned y axis when
    // that radius is the larger; the parameter then starts a quarter later.
    const bool xGross = e->xr >= e->yr;
    const double gross = xGross ? e->xr : e->yr;
    const double ax = xGross ? e->cosDreh : -e->sinDreh, ay = xGross ? e->sinDreh : e->cosDreh;
    const double versatz = xGross ? 0 : -90;
    kopf("ELLIPSE", a, b, "AcDbEllipse");
    punkt(10, d.xm, d.ym);
    aus.punkt(11, lang(gross * ax), lang(gross * ay), 0);
    aus.punkt(210, 0, 0, 1);
    aus.zahl(40, (xGross ? e->yr : e->xr) / gross);
    if (e->voll) {
      aus.zahl(41, 0);
      aus.zahl(42, 2 * std::numbers::pi);
    } else {
      aus.zahl(41, (e->start + versatz) * kGrad);
      aus.zahl(42, (e->start + e->spanne + versatz) * kGrad);
    }
    xdaten(a);
  }

  void polygon(std::int32_t n, std::uint64_t b) {
    const Tpolygondaten& d = z.speicher.polygon(n);
    const Attribute a{d.planteil, d.folie, d.stift, d.linienstil, d.farbe};
    const std::size_t m = std::min(d.x.size(), d.y.size());
    if (m < 2) {
      ++bericht.uebersprungen["Polygon mit weniger als zwei Punkten"];
      return;
    }
    punkte.clear();
    for (std::size_t i = 0; i < m; ++i) punkte.push_back({d.x[i], d.y[i]});
    const bool zu = (punkte.front().x == punkte.back().x && punkte.front().y == punkte.back().y) || d.fuellung.gefuellt;
    if (z.speicher.art(n) == Elementart::Spline) {
      if (d.fuellung.gefuellt) {
        // Sampled as finely as the fills of arcs: the renderer's chords are pixels.
        std::vector<Pixelpunkt> fein;
        for (const Pixelpunkt& p : punkte) fein.push_back({p.x / kFeinerZoom, p.y / kFeinerZoom});
        splinepunkte(fein, zu, kurve);
        fuellung(a, b, d.fuellung, kurve, kFeinerZoom);
      }
      splineBezier(punkte, zu, kurve);
      if (kurve.size() >= 4) {
        spline(a, b, kurve, zu);
        return;
      }
      polylinie(a, b, punkte, zu);
      return;
    }
    fuellung(a, b, d.fuellung, punkte, 1);
    polylinie(a, b, punkte, zu);
  }

  void bezier(std::int32_t n, std::uint64_t b) {
    const Tbezierdaten& d = z.speicher.bezier(n);
    const Attribute a{d.planteil, d.folie, d.stift, d.linienstil, d.farbe};
    if (d.fuellung.gefuellt) {
      bezierpunkte(d.punkte, feinerLauf, punkte);
      fuellung(a, b, d.fuellung, punkte, kFeinerZoom);
    }
    punkte.clear();
    for (int i = 0; i < 4; ++i) punkte.push_back({d.punkte[2 * i], d.punkte[2 * i + 1]});
    spline(a, b, punkte, punkte[0].x == punkte[3].x && punkte[0].y == punkte[3].y);
  }

  void fliestext(std::int32_t n, std::uint64_t b) {
    const Tfliestextdaten& d = z.speicher.text(n);
    const Attribute a{d.planteil, d.folie, kKeiner, kKeiner, d.farbe};
    const double h = d.hoehe, winkel = std::isfinite(d.winkel) ? d.winkel : 0;
    const int ausrichtung = d.stil[3] <= 2 ? d.stil[3] : 0;
    // Down to the next line on the sheet (its y grows downward); style 4
    // anchors the text at the first line's baseline instead of its top.
    const double ux = std::sin(winkel * kGrad), uy = std::cos(winkel * kGrad);
    const double oben = d.stil[4] == 1 ? -kOberlaenge * h : 0;
    const double x = oben == 0 ? d.x : d.x + oben * ux, y = oben == 0 ? d.y : d.y + oben * uy;
    // Placeholder lines go out as the values a print shows.
    const AusgegebeneZeilen ausgegeben(z, n, ersetzung);
    const std::vector<std::string>& zeilen = ausgegeben.zeilen();
    if (zeilen.size() > 1) {
      absatztext(a, b, x, y, h, winkel, ausrichtung, zeilen);
    } else if (!zeilen.empty() && !zeilen[0].empty()) {
      text(a, b, x, y, h, winkel, ausrichtung, zeilen[0]);
    }
  }

  void bemassung(std::int32_t n, std::uint64_t b) {
    const tmessdaten& d = z.speicher.bemassung(n);
    const Attribute a{d.planteil, d.folie, d.stift, kKeiner, d.farbe};
    const std::string wert =
        !d.masstext.empty() ? d.masstext : berechneterMasstext(d, einheitFuerEbene(z.ansicht, z.ebenen, d.planteil));
    const double h = std::isfinite(d.texthoehe) && d.texthoehe > 0 ? std::min(d.texthoehe, 1000.0) : 3.5;
    std::size_t zeichen = 0;
    for (char c : wert) zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    // The width an average glyph of 0.6 heights gives, as without font metrics.
    const std::optional<Bemassungsfigur> f = bemassungsfigur(d, lauf, 0.6 * h * static_cast<double>(zeichen));
    if (!f) {
      ++bericht.uebersprungen["Bemassung ohne Figur"];
      return;
    }
    auto strecke = [&](Pixelpunkt p, Pixelpunkt q) { linie(a, b, p.x, p.y, 0, q.x, q.y, 0); };
    strecke(f->masslinie.a, f->masslinie.b);
    for (const auto& s : f->hilfslinien) strecke(s.a, s.b);
    for (const auto& zug : f->zuege)
      if (zug.size() >= 2) polylinie(a, b, zug, false);
    for (std::size_t i = 0; i < f->spitzen.size(); ++i) {
      if (i == 0 ? !f->begrenzungAnfang : i == 1 ? !f->begrenzungEnde : false) continue;
      begrenzung(a, b, *f, f->spitzen[i].spitze, f->spitzen[i].innen);
    }
    text(a, b, f->textpunkt.x, f->textpunkt.y, f->texthoehePixel, f->textwinkel, 0, wert);
  }

  // The terminator's shape as the renderer draws it: an arrow a size long and
  // a third wide on each side, an oblique tick, a circle.
  void begrenzung(const Attribute& a, std::uint64_t b, const Bemassungsfigur& f, Pixelpunkt t, Pixelpunkt innen) {
    const double l = f.begrenzungPixel;
    const double dx = innen.x - t.x, dy = innen.y - t.y, n = std::hypot(dx, dy);
    if (!(l > 0) || !(n > 0)) return;
    const double ux = dx / n, uy = dy / n;
    switch (f.begrenzung) {
      case Begrenzung::Pfeil: {
        const Pixelpunkt m{t.x + l * ux, t.y + l * uy};
        const double w = l / 3;
        const Pixelpunkt spitze[4] = {{m.x - w * uy, m.y + w * ux}, t, {m.x + w * uy, m.y - w * ux}, t};
        if (f.gefuellt) schraffur(a, b, std::span(spitze, 3), a.farbe);
        polylinie(a, b, std::span(spitze, 3), f.gefuellt);
        break;
      }
      case Begrenzung::Schraegstrich: {
        // Turned 45 degrees against the dimension line.
        const double r = l / 2, cx = (ux - uy) * std::numbers::sqrt2 / 2, cy = (uy + ux) * std::numbers::sqrt2 / 2;
        linie(a, b, t.x - r * cx, t.y - r * cy, 0, t.x + r * cx, t.y + r * cy, 0);
        break;
      }
      case Begrenzung::Kreis:
        kopf("CIRCLE", a, b, "AcDbCircle");
        punkt(10, t.x, t.y);
        aus.zahl(40, lang(l / 2));
        xdaten(a);
        break;
      case Begrenzung::Ohne:
        break;
    }
  }
};

DxfEntitaetenschreiber::DxfEntitaetenschreiber(const Zeichnung& zeichnung, DxfAusgabe& aus, const DxfNamen& namen,
                                               DxfSchreibbericht& bericht, const Textersetzung* ersetzung)
    : innen_(std::make_unique<Innen>(zeichnung, aus, namen, bericht, ersetzung)) {}

DxfEntitaetenschreiber::~DxfEntitaetenschreiber() = default;

void DxfEntitaetenschreiber::element(std::int32_t n, std::uint64_t besitzer) {
  Innen& i = *innen_;
  const Elementart art = i.z.speicher.art(n);
  i.setzeEbene(i.z.speicher.planteil(n));
  switch (art) {
    case Elementart::Linie:
    case Elementart::Wandlinie2: {
      const Tliniendaten& d = i.z.speicher.linie(n);
      i.linie({d.planteil, d.folie, d.stift, d.linienstil, d.farbe}, besitzer, d.x1, d.y1, d.z1, d.x2, d.y2, d.z2);
      return;
    }
    case Elementart::Bogen:
      i.bogen(n, besitzer);
      return;
    case Elementart::Polygon:
    case Elementart::Spline:
      i.polygon(n, besitzer);
      return;
    case Elementart::Bezier:
      i.bezier(n, besitzer);
      return;
    case Elementart::Text:
    case Elementart::Kommentar:
      i.fliestext(n, besitzer);
      return;
    case Elementart::Bemassung:
      i.bemassung(n, besitzer);
      return;
    // Pictures and gradients have no DXF entity; the first wall-line flavour
    // is kept in the drawing but never drawn.
    case Elementart::Wandlinie1:
    case Elementart::Verlauf:
    case Elementart::Bitmap:
    case Elementart::Metafile:
    case Elementart::Fuellung:
      ++i.bericht.uebersprungen[std::string(artangaben(art).name)];
      return;
    case Elementart::Gruppenanfang:
    case Elementart::Gruppenende:
    case Elementart::Frei:
      return;
  }
}

void DxfEntitaetenschreiber::einfuegung(std::string_view name, int ebene, int folie, std::uint64_t besitzer) {
  Innen& i = *innen_;
  const Attribute a{ebene, folie, kKeiner, kKeiner, 0};
  i.setzeEbene(ebene);
  i.kopf("INSERT", a, besitzer, "AcDbBlockReference");
  i.aus.text(2, name);
  i.aus.punkt(10, 0, 0, 0);
  i.xdaten(a);
}

bool DxfEntitaetenschreiber::umgebung(double& minX, double& minY, double& maxX, double& maxY) const {
  if (!(innen_->minX <= innen_->maxX)) return false;
  minX = innen_->minX;
  minY = innen_->minY;
  maxX = innen_->maxX;
  maxY = innen_->maxY;
  return true;
}

}  // namespace quarzel
