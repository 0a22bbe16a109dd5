// Arcs, circles and ellipses: the outline as one styled polyline along the
// curve (so dash patterns run on), or as Bézier pieces where the device keeps
// curves and the outline is plain; fill or hatch when filled (an open arc is
// closed by its chord), and the centre mark.
#include <array>
#include <vector>

#include "render/formzeichnen.h"
#include "render/kurvenpunkte.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// Half the size of the centre mark, in pixels.
constexpr double kMarkeHalb = 4;

void zeichneMittelpunkt(Zeichenkontext& k, Pixelpunkt m, Farbe farbe) {
  using M = Darstellungswahl::Mittelpunkt;
  const M art = k.darstellung.mittelpunkt;
  if (art == M::Ohne || !cursorclip(k.clip, m.x, m.y)) return;
  k.canvas.setzeStift(farbe, 1);
  k.canvas.setzePinsel(farbe);
  const double h = kMarkeHalb;
  if (art == M::Punkt) {
    const std::array<Pixelpunkt, 4> q{{{m.x - 1, m.y - 1}, {m.x + 1, m.y - 1}, {m.x + 1, m.y + 1}, {m.x - 1, m.y + 1}}};
    k.canvas.polygon(q);
    return;
  }
  const std::array<Pixelpunkt, 4> plus{{{m.x - h, m.y}, {m.x + h, m.y}, {m.x, m.y - h}, {m.x, m.y + h}}};
  const std::array<Pixelpunkt, 4> kreuz{
      {{m.x - h, m.y - h}, {m.x + h, m.y + h}, {m.x - h, m.y + h}, {m.x + h, m.y - h}}};
  const std::array<int, 2> l{2, 2};
  k.canvas.mehrfachPolylinie(art == M::Plus ? plus : kreuz, l);
}

}  // namespace

void zeichneBogenelement(Zeichenkontext& k, std::int32_t n, Zeichenteil teil) {
  const tbogendaten& d = k.zeichnung.speicher.bogen(n);
  const auto form = ellipsenbogen(d);
  if (!form) return;
  const Pixelpunkt m = k.lauf.nachPixel(form->mitte.x, form->mitte.y);
  const double zoom = k.lauf.zoom();
  if (!bogenclip(k.clip, m.x, m.y, form->xr / zoom, form->yr / zoom)) return;
  static thread_local std::vector<Pixelpunkt> punkte;
  const Farbe farbe = k.elementfarbe(n, d.farbe);
  // Devices that keep curves get four Bézier pieces per circle instead of
  // hundreds of chords: a fraction of the file and of the time. Patterns
  // and fills still walk the sampled outline.
  const int stil = k.linienstil(d.linienstil);
  if (k.canvas.kurvenErhalten() && !d.fuellung.gefuellt && teil != Zeichenteil::NurFlaeche &&
      linienstilfamilie(stil) == Linienstilfamilie::Durchgezogen) {
    bogenBezier(*form, k.lauf, punkte);
    k.canvas.setzeStift(farbe, k.lauf.stiftbreitePixel(d.stift, stil));
    k.canvas.bezierzug(punkte);
    zeichneMittelpunkt(k, m, farbe);
    return;
  }
  bogenpunkte(*form, k.lauf, punkte);
  zeichneUmrissUndFlaeche(k, n, punkte, form->voll, &d.fuellung, {d.stift, d.linienstil, farbe}, teil);
  if (teil != Zeichenteil::NurFlaeche) zeichneMittelpunkt(k, m, farbe);
}

}  // namespace quarzel
