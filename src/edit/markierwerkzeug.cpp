#include "edit/markierwerkzeug.h"

#include <cmath>

#include "edit/bearbeitungswerkzeuge.h"
#include "edit/treffertest.h"
#include "edit/werkzeugcode.h"
#include "store/ebenenschutz.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

using W = Werkzeugcode;

// The marking frame keeps this many pixels from the marked elements.
constexpr double kMarkierrand = 4;

Pixelpunkt pixel(const Werkzeugumgebung& u, Weltpunkt p) {
  return u.zeichnung.ansicht.worldToPixel(p.x, p.y);
}

void neuZeichnen(Werkzeugumgebung& u) {
  if (u.neuZeichnen) u.neuZeichnen();
}

}  // namespace

void Markierwerkzeug::fertig(Werkzeugumgebung& u) {
  rueckmeldungLoeschen(u);
  ziehen_ = false;
  u.zustand.schritt = 1;
  u.zustand.bezug.reset();
}

void Markierwerkzeug::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  Werkzeugzustand& z = u.zustand;
  switch (z.werkzeug) {
    case Werkzeugcode::Markieren:
      rahmen_.loesche(u.rueckmeldung);
      erster_ = p;
      ziehen_ = true;
      z.schritt = 2;
      z.bezug = p;
      break;
    case W::AusschnittVergroessern:
      zoome(u, p);
      break;
    case W::FarbeAuswaehlen:
    case W::EigenschaftenAuswaehlen: {
      const Pixelpunkt px = pixel(u, p);
      const std::int32_t n = trefferTest(u.zeichnung, px.x, px.y);
      if (n > 0 && aufgenommen) aufgenommen(nimmAuf(u.zeichnung, n, z.werkzeug));
      break;
    }
    case W::SpiegelnOhneKopie:
    case W::SpiegelnMitKopie:
      if (z.schritt == 1) {
        erster_ = p;
        vorschau_.sammle(u.zeichnung);
        z.schritt = 2;
        z.bezug = p;
      } else if (!(p.x == erster_.x && p.y == erster_.y)) {
        fertig(u);
        // The frame would stay where the elements no longer are.
        markierrahmenLoeschen(u);
        spiegleMarkierte(u.zeichnung, erster_, p, z.werkzeug == W::SpiegelnMitKopie);
        neuZeichnen(u);
      }
      break;
    case W::RadialeKopie:
    case W::Rotationskopie:
      fertig(u);
      markierrahmenLoeschen(u);
      if (z.werkzeug == W::RadialeKopie)
        radialeKopien(u.zeichnung, p, anzahlKopien, winkelschritt);
      else
        rotationskopien(u.zeichnung, p, anzahlKopien, winkelschritt);
      neuZeichnen(u);
      break;
    default:
      break;
  }
}

void Markierwerkzeug::zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) {
  (void)p;
  fertig(u);
}

void Markierwerkzeug::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  const Werkzeugzustand& z = u.zustand;
  const Ansicht& a = u.zeichnung.ansicht;
  switch (z.werkzeug) {
    case Werkzeugcode::Markieren:
      if (ziehen_) rahmen_.zeige(u.rueckmeldung, pixel(u, erster_), pixel(u, p));
      break;
    case W::AusschnittVergroessern:
      if (z.knopf == 0 && z.schritt == 2) rahmen_.zeige(u.rueckmeldung, pixel(u, erster_), pixel(u, p));
      break;
    case W::Verschieben:
      if (!anker_) {
        anker_ = p;
        vorschau_.sammle(u.zeichnung);
      }
      verschiebung_ = Abbildung::verschiebung(p.x - anker_->x, p.y - anker_->y);
      vorschau_.zeige(u.rueckmeldung, a, verschiebung_);
      break;
    case W::SpiegelnOhneKopie:
    case W::SpiegelnMitKopie:
      if (z.schritt == 2 && !(p.x == erster_.x && p.y == erster_.y))
        vorschau_.zeige(u.rueckmeldung, a, Abbildung::spiegelung(erster_, p));
      break;
    case W::RadialeKopie:
    case W::Rotationskopie: {
      if (vorschau_.leer()) vorschau_.sammle(u.zeichnung);
      Abbildung erste = Abbildung::drehung(p, winkelschritt);
      if (z.werkzeug == W::RadialeKopie) {
        const std::optional<Weltrechteck> box = markierteUmgebung(u.zeichnung);
        if (!box) break;
        const Weltpunkt m{(box->x1 + box->x2) / 2, (box->y1 + box->y2) / 2};
        const Weltpunkt ziel = erste(m);
        erste = Abbildung::verschiebung(ziel.x - m.x, ziel.y - m.y);
      }
      vorschau_.zeige(u.rueckmeldung, a, erste);
      break;
    }
    default:
      break;
  }
}

void Markierwerkzeug::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  rahmen_.loesche(u.rueckmeldung);
  vorschau_.loesche(u.rueckmeldung);
}

void Markierwerkzeug::abbrechen(Werkzeugumgebung& u) {
  fertig(u);
  anker_.reset();
  verschiebung_ = {};
}

void Markierwerkzeug::doppelklick(Werkzeugumgebung& u, Weltpunkt p) {
  const Pixelpunkt px = pixel(u, p);
  const std::int32_t n = trefferTest(u.zeichnung, px.x, px.y);
  if (n > 0 && elementDoppelklick) elementDoppelklick(n);
}

void Markierwerkzeug::loslassen(Werkzeugumgebung& u, Weltpunkt p, bool klick) {
  const Werkzeugzustand& z = u.zustand;
  if (z.werkzeug == Werkzeugcode::Markieren && ziehen_) {
    fertig(u);
    markierrahmenLoeschen(u);
    if (klick)
      markiereKlick(u, erster_);
    else
      markiereRahmen(u, p);
    if (gruppenAlsGanzes) {
      u.zeichnung.speicher.markiereGanzeGruppen();
      // A group may reach onto a protected layer: that part stays unmarked.
      demarkiereNichtBearbeitbare(u.zeichnung);
    }
    markierrahmenZeichnen(u);
    neuZeichnen(u);
  } else if (z.werkzeug == W::AusschnittVergroessern && z.schritt == 2 && !klick && z.knopf == 0) {
    zoome(u, p);
  }
}

void Markierwerkzeug::markiereKlick(Werkzeugumgebung& u, Weltpunkt p) {
  Elementspeicher& s = u.zeichnung.speicher;
  s.demarkiereAlle();
  const Pixelpunkt px = pixel(u, p);
  const std::int32_t n = trefferTest(u.zeichnung, px.x, px.y);
  if (n > 0) s.setzeMarkiert(n, 1);
}

void Markierwerkzeug::markiereRahmen(Werkzeugumgebung& u, Weltpunkt p) {
  Elementspeicher& s = u.zeichnung.speicher;
  s.demarkiereAlle();
  // Spanned from right to left: touching is enough.
  const bool beruehrend = p.x < erster_.x;
  for (std::int32_t n : imRahmen(u.zeichnung, erster_, p, beruehrend)) s.setzeMarkiert(n, 1);
}

void Markierwerkzeug::zoome(Werkzeugumgebung& u, Weltpunkt p) {
  Werkzeugzustand& z = u.zustand;
  Ansicht& a = u.zeichnung.ansicht;
  switch (z.knopf) {
    case 0:
      if (z.schritt == 1) {
        erster_ = p;
        z.schritt = 2;
        z.bezug = p;
        return;
      }
      fertig(u);
      if (p.x == erster_.x || p.y == erster_.y) return;  // no area to show
      a.zoomeAufRechteck(erster_.x, erster_.y, p.x, p.y);
      break;
    case kZoomZentriert:
      a.vergroessern();
      a.zentriere(p.x, p.y);
      break;
    case kZoomVergroessern:
    case kZoomVerkleinern: {
      // Keep the clicked point under the cursor.
      const Pixelpunkt vorher = pixel(u, p);
      if (z.knopf == kZoomVergroessern)
        a.vergroessern();
      else
        a.verkleinern();
      const Weltpunkt jetzt = a.pixelToWorld(vorher.x, vorher.y);
      const Weltpunkt mitte = a.bereichsmitte();
      a.zentriere(mitte.x + (p.x - jetzt.x), mitte.y + (p.y - jetzt.y));
      break;
    }
    default:
      return;
  }
  neuZeichnen(u);
}

std::int32_t Markierwerkzeug::freiVerschieben(Werkzeugumgebung& u) {
  vorschau_.loesche(u.rueckmeldung);
  const Abbildung a = verschiebung_;
  anker_.reset();
  verschiebung_ = {};
  if (a.tx == 0 && a.ty == 0) return 0;
  const std::int32_t n = bildeMarkierteAb(u.zeichnung, a);
  neuZeichnen(u);
  return n;
}

std::optional<Weltpunkt> Markierwerkzeug::versatz() const {
  if (!anker_) return std::nullopt;
  return Weltpunkt{verschiebung_.tx, verschiebung_.ty};
}

std::int32_t Markierwerkzeug::verschiebeUm(Werkzeugumgebung& u, double dx, double dy) {
  vorschau_.loesche(u.rueckmeldung);
  anker_.reset();
  verschiebung_ = {};
  if (!std::isfinite(dx) || !std::isfinite(dy) || (dx == 0 && dy == 0)) return 0;
  const std::int32_t n = verschiebeMarkierte(u.zeichnung, dx, dy);
  neuZeichnen(u);
  return n;
}

void Markierwerkzeug::markierrahmenZeichnen(Werkzeugumgebung& u) {
  markierrahmenLoeschen(u);
  const std::optional<Weltrechteck> box = markierteUmgebung(u.zeichnung);
  if (!box) return;
  const Pixelpunkt a = pixel(u, {box->x1, box->y1}), b = pixel(u, {box->x2, box->y2});
  markierrahmen_.zeige(u.rueckmeldung, {a.x - kMarkierrand, a.y - kMarkierrand},
                       {b.x + kMarkierrand, b.y + kMarkierrand});
}

void Markierwerkzeug::markierrahmenLoeschen(Werkzeugumgebung& u) {
  markierrahmen_.loesche(u.rueckmeldung);
}

}  // namespace quarzel
