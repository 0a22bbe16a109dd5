#include "edit/elementwahl.h"

#include "edit/fangsuche.h"
#include "edit/treffertest.h"

namespace quarzel {

std::int32_t waehleElement(const Werkzeugumgebung& u, Weltpunkt p, Fangsuche* fangsuche) {
  const Pixelpunkt px = u.zeichnung.ansicht.worldToPixel(p.x, p.y);
  if (fangsuche == nullptr) return trefferTest(u.zeichnung, px.x, px.y);
  fangsuche->aktualisiereIndex();
  // Texts, pictures and dimensions are not in the index; when nothing indexed
  // is hit, the full test still finds them, so the user hears why not.
  const std::int32_t n = trefferTest(u.zeichnung, px.x, px.y, kTreffertoleranz, &fangsuche->index(), true);
  return n != 0 ? n : trefferTest(u.zeichnung, px.x, px.y, kTreffertoleranz, &fangsuche->index());
}

}  // namespace quarzel
