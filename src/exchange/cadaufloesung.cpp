// The model space without inserts: the first step of the resolver.
#include "exchange/cadaufloesung.h"

#include <cmath>
namespace quarzel {
CadAufloeseErgebnis cadAufloesen(const CadModell& m, const std::vector<CadEntitaet>& quelle,
                                 const CadAufloeseOptionen& o, const CadWeltziel& ziel) {
  CadAufloeseErgebnis r;
  for (const CadEntitaet& e : quelle) {
    CadWeltelement w;
    w.layer = e.layer;
    w.rgb = m.farbeAufgeloest(e).rgb;
    if (w.rgb == 0xFFFFFF) w.rgb = 0;
    w.linientyp = e.linientyp;
    w.a = e.a;
    w.b = e.b;
    switch (e.art) {
      case CadArt::Linie:
        w.art = CadWeltelement::Art::Linie;
        break;
      case CadArt::Punkt:
        if (!o.punkte) continue;
        w.art = CadWeltelement::Art::Punkt;
        break;
      case CadArt::Kreis:
        w.art = CadWeltelement::Art::Ellipse;
        w.rx = w.ry = e.radius;
        break;
      case CadArt::Bogen:
        w.art = CadWeltelement::Art::Ellipse;
        w.rx = w.ry = e.radius;
        w.anfang = e.anfang;
        w.ende = e.ende;
        if (w.ende < w.anfang) w.ende += 360;
        break;
      case CadArt::Polylinie:
        w.art = CadWeltelement::Art::Polylinie;
        w.punkte = {m.scheitel.data() + e.ersterScheitel, e.scheitelAnzahl};
        w.geschlossen = e.geschlossen;
        break;
      case CadArt::Text:
        w.art = CadWeltelement::Art::Text;
        w.text = m.texte[e.text];
        w.hoehe = e.hoehe;
        w.drehung = e.drehung;
        w.ausrichtungH = e.ausrichtungH;
        w.ausrichtungV = e.ausrichtungV;
        break;
      default:
        ++r.uebersprungen;
        continue;
    }
    ziel(w);
    ++r.elemente;
  }
  return r;
}
const std::vector<CadEntitaet>& entitaetenDesLayouts(const CadModell& m, std::string_view) {
  return m.entitaeten;
}
}  // namespace quarzel
