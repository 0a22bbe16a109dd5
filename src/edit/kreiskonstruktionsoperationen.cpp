#include "edit/kreiskonstruktionsoperationen.h"

#include <algorithm>
#include <cmath>

#include "edit/figurablage.h"
#include "edit/konstruktionsoperationen.h"
#include "edit/tangentengeometrie.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

double abstand(Weltpunkt a, Weltpunkt b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

Kreisform kreisform(const Ellipsenbogen& e) {
  return {e.mitte, e.xr};
}

Konstruktion fehler(std::string text) {
  Konstruktion k;
  k.fehler = std::move(text);
  return k;
}

Konstruktion linie(Weltpunkt a, Weltpunkt b) {
  Konstruktion k;
  k.figur.linien.push_back({a, b});
  return k;
}

}  // namespace

Kreiswahl waehleKreis(const Zeichnung& z, std::int32_t n, Kreisbedarf bedarf) {
  const Elementspeicher& s = z.speicher;
  Kreiswahl w;
  if (n <= 0 || n > s.anzahl() || !s.lebendig(n)) {
    w.fehler = "Hier liegt kein Kreis.";
    return w;
  }
  if (s.art(n) != Elementart::Bogen) {
    w.fehler = "Dieses Werkzeug braucht einen Kreis oder Kreisbogen; das gewählte Element ist keiner.";
    return w;
  }
  const std::optional<Ellipsenbogen> e = ellipsenbogen(s.bogen(n));
  if (!e || !(e->xr > 0) || !(e->yr > 0)) {
    w.fehler = "Dieser Kreis hat keinen Radius.";
    return w;
  }
  // Radii that differ only by rounding still make a circle.
  const bool kreis = std::fabs(e->xr - e->yr) <= 1e-9 * std::max(e->xr, e->yr);
  if (!kreis && bedarf == Kreisbedarf::Kreis) {
    w.fehler = "Gemeinsame Tangenten und Bögen lassen sich nur an Kreise und Kreisbögen legen, nicht an Ellipsen.";
    return w;
  }
  if (!kreis && bedarf == Kreisbedarf::Konzentrisch) {
    w.fehler =
        "Eine Ellipse hat keinen konzentrischen Bogen in überall gleichem Abstand; bitte einen Kreis oder "
        "Kreisbogen wählen.";
    return w;
  }
  w.bogen = e;
  return w;
}

Konstruktion tangenteVonPunkt(const Ellipsenbogen& e, Weltpunkt k, Weltpunkt p) {
  const Punktliste t = tangentenpunkte(e, p);
  if (t.size() == 0) return fehler("Der Punkt liegt innerhalb des Kreises; von dort gibt es keine Tangente.");
  if (t.size() == 1) return fehler("Der Punkt liegt auf dem Kreis; die Tangente hätte keine Länge.");
  const Weltpunkt beruehrt = abstand(t.p[0], k) <= abstand(t.p[1], k) ? t.p[0] : t.p[1];
  return linie(p, beruehrt);
}

Konstruktion tangenteAnZweiKreise(const Ellipsenbogen& e1, Weltpunkt k1, const Ellipsenbogen& e2, Weltpunkt k2) {
  const std::optional<Tangente> t = gemeinsameTangente(kreisform(e1), k1, kreisform(e2), k2);
  if (!t) return fehler("Ein Kreis liegt im anderen; sie haben keine gemeinsame Tangente.");
  if (abstand(t->a, t->b) <= 0) return fehler("Die Kreise berühren sich dort; die Tangente hätte keine Länge.");
  return linie(t->a, t->b);
}

Konstruktion bogenAnZweiKreise(const Ellipsenbogen& e1, Weltpunkt k1, const Ellipsenbogen& e2, Weltpunkt k2, double r) {
  if (!(r > 0)) return fehler("Der Radius muss größer als 0 sein.");
  const std::optional<Tangentialbogen> b = tangentialbogen(kreisform(e1), k1, kreisform(e2), k2, r);
  if (!b) return fehler("Kein Bogen mit diesem Radius berührt beide Kreise.");
  Konstruktion k;
  k.figur.boegen.push_back({b->mitte, r, r, b->start, b->ende, 0});
  return k;
}

Konstruktion konzentrisch(const Ellipsenbogen& e, double abstand, bool aussen, int anzahl, bool hilfslinie) {
  if (!(abstand > 0)) return fehler("Der Abstand muss größer als 0 sein.");
  Konstruktion k;
  k.figur.hilfslinie = hilfslinie;
  for (int i = 1; i <= std::max(anzahl, 1); ++i) {
    const std::optional<double> r = konzentrischerRadius(e.xr, abstand, i, aussen);
    if (!r) return fehler("Der Abstand ist größer als der Radius; nach innen ist kein Bogen mehr möglich.");
    Figurbogen b{e.mitte, *r, *r, 0, 360, 0};
    // A construction line runs all the way round; a copy keeps the arc's angles.
    if (!hilfslinie && !e.voll) b.start = e.start, b.ende = e.start + e.spanne;
    k.figur.boegen.push_back(b);
  }
  return k;
}

void legeKonstruktionAb(Werkzeugumgebung& u, const Zeichenfigur& f, const Zeichenvorgabe& v, std::int32_t vorlage) {
  Elementspeicher& s = u.zeichnung.speicher;
  const auto [von, bis] = legeFigurAb(u, f, v);
  if (von > bis) return;
  // Unlike drawing, a construction leaves its result marked, alone.
  s.demarkiereAlle();
  for (std::int32_t n = von; n <= bis; ++n) {
    if (v.eigenschaftenUebernehmen) uebernimmEigenschaften(s, n, vorlage, f.hilfslinie);
    s.setzeMarkiert(n, 1);
  }
  if (u.neuZeichnen) u.neuZeichnen();
}

}  // namespace quarzel
