#include "macro/makroumgebung.h"

#include "macro/makrowerte.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// Sheet edges and size in macro units: drawing units at the scale in force,
// measured from the zero point, y upward.
struct Blattwerte {
  double workb, workh, paperleft, paperright, papertop, paperbottom, massstab;
};

Blattwerte blattwerte(const Zeichnung& z) {
  const Ansicht& a = z.ansicht;
  const double s = z.massstabInKraft();
  const double k = a.unitFactor * s;
  const double nx = a.zeroPoint.x, ny = a.zeroPoint.y;
  return {a.sheetWidth * k,
          a.sheetHeight * k,
          (a.sheetLeft - nx) * k,
          (a.sheetLeft + a.sheetWidth - nx) * k,
          (ny - a.sheetTop) * k,
          (ny - a.sheetTop - a.sheetHeight) * k,
          s};
}

}  // namespace

Makroumgebung makroumgebungAus(const Zeichnung& zeichnung) {
  const Blattwerte b = blattwerte(zeichnung);
  Makroumgebung u;
  u.workb = b.workb;
  u.workh = b.workh;
  u.paperleft = b.paperleft;
  u.paperright = b.paperright;
  u.papertop = b.papertop;
  u.paperbottom = b.paperbottom;
  u.massstab = b.massstab;
  u.einheit = zeichnung.ansicht.unitName;
  u.umrfaktor = zeichnung.ansicht.unitFactor;
  return u;
}

void schreibeBlattvariablen(Makrovariablen& v, const Zeichnung& zeichnung) {
  const Blattwerte b = blattwerte(zeichnung);
  // Before the predefined rows exist (a bare table) the names are defined.
  auto setze = [&](Vordefiniert zeile, std::string_view name, double wert) {
    if (v.anzahl() >= AnzahlVordefinierte) {
      v.setzeZeile(zeile, makrozahl(wert));
    } else {
      v.setze(name, makrozahl(wert));
    }
  };
  setze(Vordefiniert::Workb, "workb", b.workb);
  setze(Vordefiniert::Workh, "workh", b.workh);
  setze(Vordefiniert::Paperleft, "paperleft", b.paperleft);
  setze(Vordefiniert::Paperright, "paperright", b.paperright);
  setze(Vordefiniert::Papertop, "papertop", b.papertop);
  setze(Vordefiniert::Paperbottom, "paperbottom", b.paperbottom);
  setze(Vordefiniert::Massstab, "maßstab", b.massstab);
}

void wendeEinheitAn(Zeichnung& zeichnung, const Makroeinheit& einheit) {
  Ansicht& a = zeichnung.ansicht;
  a.unitCode = static_cast<std::uint8_t>(einheit.code);
  a.unitFactor = einheit.faktor;
  a.unitName = std::string(einheit.name);
}

}  // namespace quarzel
