// Layers, sublayers and groups as macros create and switch them. Layers go
// through the same commands as the layer dialogs, so the current attributes
// and the tables stay in step.
#include <limits>

#include "macro/makrostapel.h"
#include "macro/makrovariablen.h"
#include "macro/makrowerte.h"
#include "macro/makrozeichner.h"
#include "macro/schreibweise.h"
#include "store/ebenenoperationen.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

// The layer unit code of a unit word ("mm" … "miles", any case); 0 for none.
std::uint8_t einheitscode(std::string_view wort) {
  const std::string klein = kleinschreibung(wort);
  for (std::uint8_t code = 1; code <= 8; ++code)
    if (kleinschreibung(einheitName(code)) == klein) return code;
  return 0;
}

}  // namespace

std::optional<Makrofehler> Makrozeichner::ebenenUndGruppen(Befehl b, Makrostapel& s, Makrovariablen& v) {
  const Befehlseintrag* e = eintrag(b);
  if (s.groesse() < static_cast<std::size_t>(e->mindestens)) return Makrofehler::ZuwenigParameter;
  Ebenen& ebenen = zeichnung_.ebenen;
  const int aktiv = ebenen.aktiveEbene();
  auto neuZeichnen = [&] {
    if (host_.neuZeichnen) host_.neuZeichnen();
  };

  switch (b) {
    case Befehl::CREATELAYER: {
      const auto m = liesMakrowert(s.oben(0));
      if (!m || !std::isfinite(*m)) return Makrofehler::UnbekannterFehler;
      PlanteilNeuAngaben angaben;
      angaben.bezeichnung = s.oben(1);
      angaben.beliebigerMassstab = true;
      angaben.freierMassstab = *m;
      if (neueEbene(zeichnung_, angaben) == 0) return Makrofehler::ZuvieleEbenen;
      s.entferne(2);
      schreibeBlattvariablen(v);
      neuZeichnen();
      return std::nullopt;
    }
    case Befehl::CREATESUBLAYER:
      if (neueFolie(zeichnung_, s.oben(0)) == 0) return Makrofehler::ZuvieleUnterebenen;
      s.entferne(1);
      return std::nullopt;
    case Befehl::SETLAYERVISIBLE:
      ebenen.setzeSichtbarFlag(aktiv, makrowahr(s.oben(0)) ? 1 : 0);
      s.entferne(1);
      neuZeichnen();
      return std::nullopt;
    case Befehl::SETSUBLAYERVISIBLE: {
      const int folie = ebenen.aktiveFolie();
      std::uint8_t zustand = ebenen.folienzustand(aktiv, folie);
      if (makrowahr(s.oben(0))) {
        zustand = static_cast<std::uint8_t>(zustand & ~FolieAusgeblendet);
      } else {
        zustand = static_cast<std::uint8_t>(zustand | FolieAusgeblendet);
      }
      ebenen.setzeFolienzustand(aktiv, folie, zustand);
      s.entferne(1);
      neuZeichnen();
      return std::nullopt;
    }
    case Befehl::GETLAYERVISIBLE:
      if (!s.hatPlatz()) return Makrofehler::SchwererFehler;
      s.legeWahrheit(ebenen.sichtbarFlag(aktiv) != 0);
      return std::nullopt;
    case Befehl::GETSUBLAYERVISIBLE:
      if (!s.hatPlatz()) return Makrofehler::SchwererFehler;
      s.legeWahrheit((ebenen.folienzustand(aktiv, ebenen.aktiveFolie()) & FolieAusgeblendet) == 0);
      return std::nullopt;
    case Befehl::SETLAYERUNIT: {
      const std::uint8_t code = einheitscode(s.oben(2));
      const auto stellen = liesGanzzahl(s.oben(1));
      if (code == 0 || !stellen) return Makrofehler::UngueltigerParameter;
      Ebeneneinheit einheit;
      einheit.code = code;
      einheit.nachkommastellen = static_cast<std::uint8_t>(std::clamp<std::int64_t>(*stellen, 0, 3));
      einheit.anzeigen = makrowahr(s.oben(0));
      ebenen.setzeEinheit(aktiv, packeEinheit(einheit));
      s.entferne(3);
      return std::nullopt;
    }
    case Befehl::BEGINGROUP: {
      // Groups of a macro do not nest: a new one closes the one still open.
      if (z_.gruppeOffen) ebenenUndGruppen(Befehl::ENDGROUP, s, v);
      zeichnung_.speicher.demarkiereAlle();
      constexpr double gross = std::numeric_limits<double>::max();
      z_.gruppeOffen = true;
      z_.gruppenanfang = 0;
      z_.gruppenname = s.oben(0);
      z_.gruppenrahmen = {gross, gross, -gross, -gross};
      s.entferne(1);
      return std::nullopt;
    }
    case Befehl::ENDGROUP: {
      if (!z_.gruppeOffen) return Makrofehler::EndgroupOhneGroup;
      z_.gruppeOffen = false;
      const std::int32_t anfang = z_.gruppenanfang;
      z_.gruppenanfang = 0;
      if (z_.schrittNachGruppe) {
        z_.schrittNachGruppe = false;
        z_.schrittOffen = false;
      }
      if (anfang == 0) return std::nullopt;  // no member: no group
      Elementspeicher& sp = zeichnung_.speicher;
      const Weltrechteck& r = z_.gruppenrahmen;
      if (anfang <= sp.gesamtanzahl() && sp.art(anfang) == Elementart::Gruppenanfang)
        sp.gruppe(anfang).rahmen = {r.x1, r.y1, r.x2, r.y2};
      tgruppendaten ende;
      ende.name = z_.gruppenname;
      const std::int32_t n = sp.neueGruppenklammer(Elementart::Gruppenende, std::move(ende));
      sp.vervollstaendige(n);
      return std::nullopt;
    }
    default:
      return Makrofehler::SchwererFehler;
  }
}

}  // namespace quarzel
