// CadEntitaetenliste: short records for the common entities, whole ones for the rest.
#include "exchange/cadmodell.h"

namespace quarzel {

CadEntitaetenliste::Kurz CadEntitaetenliste::kuerze(const CadEntitaet& e) {
  Kurz k;
  k.a = e.a;
  k.b = e.b;
  k.layer = e.layer;
  k.linientyp = e.linientyp;
  k.ersterScheitel = e.ersterScheitel;
  k.scheitelAnzahl = e.scheitelAnzahl;
  k.rgb = e.farbe.rgb;
  k.aci = e.farbe.aci;
  k.linienstaerke = e.linienstaerke;
  k.eigenerStift = e.eigenerStift;
  k.eigenerStil = e.eigenerStil;
  k.art = e.art;
  k.farbart = e.farbe.art;
  k.geschlossen = e.geschlossen;
  return k;
}

CadEntitaet CadEntitaetenliste::entfalte(const Kurz& k) {
  CadEntitaet e;
  e.a = k.a;
  e.b = k.b;
  e.layer = k.layer;
  e.linientyp = k.linientyp;
  e.ersterScheitel = k.ersterScheitel;
  e.scheitelAnzahl = k.scheitelAnzahl;
  e.farbe = {k.farbart, k.rgb, k.aci};
  e.linienstaerke = k.linienstaerke;
  e.eigenerStift = k.eigenerStift;
  e.eigenerStil = k.eigenerStil;
  e.art = k.art;
  e.geschlossen = k.geschlossen;
  return e;
}

void CadEntitaetenliste::push_back(const CadEntitaet& e) {
  Kurz k = kuerze(e);
  // Short only when nothing else differs from a fresh record.
  if (!(entfalte(k) == e)) {
    k = {};
    k.ganz = true;
    k.ersterScheitel = static_cast<std::uint32_t>(voll_.size());
    voll_.push_back(e);
  }
  kurz_.push_back(k);
}

CadEntitaet CadEntitaetenliste::operator[](std::size_t i) const {
  const Kurz& k = kurz_[i];
  return k.ganz ? voll_[k.ersterScheitel] : entfalte(k);
}

}  // namespace quarzel
