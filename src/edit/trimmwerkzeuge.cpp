#include "edit/trimmwerkzeuge.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "edit/elementumriss.h"
#include "edit/fangsuche.h"
#include "edit/konstruktionsgeometrie.h"
#include "edit/kreistrimmen.h"
#include "edit/lochschnitt.h"
#include "edit/polygonkanten.h"
#include "edit/treffertest.h"
#include "edit/trimmoperationen.h"
#include "platform/benutzer.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

using W = Werkzeugcode;

// The first pick stands out in red while the second is chosen.
constexpr Farbe kAuswahlfarbe = rgb(255, 0, 0);

// The outline of element n as lines, for the band.
Zeichenfigur umrissfigur(const Zeichnung& z, std::int32_t n) {
  Zeichenfigur f;
  Umriss u;
  if (!elementumriss(z.speicher, n, u)) return f;
  std::size_t i = 0;
  for (int laenge : u.laengen) {
    for (int k = 1; k < laenge; ++k) f.linien.push_back({u.punkte[i + k - 1], u.punkte[i + k]});
    i += static_cast<std::size_t>(laenge);
  }
  return f;
}

std::optional<int> ganzeZahl(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int n = 0;
  const auto [rest, fehler] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (fehler != std::errc() || rest != text.data() + text.size()) return std::nullopt;
  return n;
}

}  // namespace

bool Trimmwerkzeuge::ergebnis(Werkzeugumgebung& u, const std::string& fehler) {
  // Before the picture changes: an XOR band erased afterwards would stay.
  rueckmeldungLoeschen(u);
  letzterFehler = fehler;
  if (!fehler.empty()) {
    if (benutzer != nullptr) benutzer->meldung(fehler, Meldungsart::Fehler);
    return false;
  }
  if (u.neuZeichnen) u.neuZeichnen();
  return true;
}

std::string Trimmwerkzeuge::pruefeErste(const Werkzeugumgebung& u, std::int32_t n, Weltpunkt p) const {
  const Werkzeugzustand& z = u.zustand;
  if (z.werkzeug == W::KreiseTrimmen) return keinBogen(u.zeichnung, n);
  if (z.werkzeug == W::LochInPolygon) return keinFlaechenpolygon(u.zeichnung, n);
  if (z.werkzeug != W::LinienTrimmen && z.werkzeug != W::Abrunden && z.werkzeug != W::Befasen)
    return keineLinie(u.zeichnung, n);
  // Polygon edges: any where the first pick is not trimmed (the cutting line
  // of "Mehrere Linien trimmen", fillet and chamfer without trimming).
  const bool getrimmt = z.werkzeug == W::LinienTrimmen ? z.knopf != kTrimmenMehrere : z.knopf != 0;
  Trimmkante e;
  return trimmkante(u.zeichnung, n, p, getrimmt, e);
}

bool Trimmwerkzeuge::einzeln(Werkzeugumgebung& u, std::int32_t n, Weltpunkt p) {
  Zeichnung& z = u.zeichnung;
  const Fangindex* index = fangsuche != nullptr ? &fangsuche->index() : nullptr;
  const Stueckstil stil{z.speicher.aktuell.stift, z.speicher.aktuell.linienstil, farbe};
  switch (u.zustand.werkzeug) {
    case W::LinieTeilen:
    case W::KreisTeilen:
      teile(u, n);
      return true;
    case W::KreisAnLinieTrimmen:
      ergebnis(u, trimmeKreisAnLinien(z, n, p, index));
      return true;
    case W::BogenZumVollkreis:
      ergebnis(u, vollkreis(z, n));
      return true;
    case W::TeilstueckBearbeiten:
      ergebnis(u, bearbeiteLinienstueck(z, n, p, index, teilstueckmodus, stil));
      return true;
    case W::KreisausschnittBearbeiten:
      ergebnis(u, bearbeiteKreisstueck(z, n, p, index, teilstueckmodus, stil));
      return true;
    default:
      return false;
  }
}

void Trimmwerkzeuge::punkt(Werkzeugumgebung& u, Weltpunkt p) {
  Werkzeugzustand& z = u.zustand;
  const std::int32_t n = elementUnterKlick(u.zeichnung, p, fangsuche);
  if (n == 0) return;  // a click beside every element starts nothing
  if (einzeln(u, n, p)) return;
  if (z.schritt <= 1) {
    if (const std::string f = pruefeErste(u, n, p); !f.empty()) {
      ergebnis(u, f);
      return;
    }
    erste_ = n;
    ersterKlick_ = p;
    z.punkte.assign(1, p);
    z.schritt = 2;
    if (z.werkzeug == W::LinienTrimmen && z.knopf == kTrimmenMehrere) {
      Trimmkante e;
      trimmkante(u.zeichnung, n, p, false, e);
      schnittlinie_ = {e.a, e.b};
    }
    auswahlFigur_ = umrissfigur(u.zeichnung, n);
    zeigeAuswahl(u);
    return;
  }
  const auto modus = static_cast<Trimmodus>(std::min<int>(z.knopf, 2));
  switch (z.werkzeug) {
    case W::LinienTrimmen:
      if (schnittlinie_) {
        // The cutting line stays picked for the next line.
        ergebnis(u, trimmeAn(u.zeichnung, n, p, schnittlinie_->first, schnittlinie_->second));
        auswahlFigur_ = {};
        auswahlFigur_.linien.push_back({schnittlinie_->first, schnittlinie_->second});
        zeigeAuswahl(u);
        return;
      }
      ergebnis(u, trimmeLinien(u.zeichnung, erste_, ersterKlick_, n, p, z.knopf == kTrimmenBeide));
      break;
    case W::Abrunden:
      ergebnis(u, rundeAb(u.zeichnung, erste_, ersterKlick_, n, p, u.zeichnung.aufsBlatt(radius), negativAbrunden, modus));
      break;
    case W::Befasen:
      ergebnis(u, befase(u.zeichnung, erste_, ersterKlick_, n, p, u.zeichnung.aufsBlatt(fasenmass), fasenAlsAbstand, modus));
      break;
    case W::LinieAnKreisTrimmen:
      ergebnis(u, trimmeAnKante(u.zeichnung, erste_, ersterKlick_, n, Schnittkante::Kreis));
      break;
    case W::LinieAnKurveTrimmen:
      ergebnis(u, trimmeAnKante(u.zeichnung, erste_, ersterKlick_, n, Schnittkante::Kurve));
      break;
    case W::KreiseTrimmen:
      ergebnis(u, trimmeKreise(u.zeichnung, erste_, ersterKlick_, n, p, z.knopf == kKreiseBeide));
      break;
    case W::LochInPolygon:
      ergebnis(u, schneideLoch(u.zeichnung, erste_, n));
      break;
    default:
      break;
  }
  abbrechen(u);
}

void Trimmwerkzeuge::teile(Werkzeugumgebung& u, std::int32_t n) {
  const bool kreis = u.zustand.werkzeug == W::KreisTeilen;
  if (const std::string f = kreis ? keinBogen(u.zeichnung, n) : keineLinie(u.zeichnung, n); !f.empty()) {
    ergebnis(u, f);
    return;
  }
  int anzahl = teilstuecke;
  if (benutzer != nullptr) {
    const std::optional<std::string> antwort =
        kreis ? benutzer->eingabe("Kreis aufteilen", "In wieviel Teilstücke soll der Kreis zerlegt werden?",
                                  std::to_string(anzahl), "Teilstücke")
              : benutzer->eingabe("Linie aufteilen", "In wieviele Teilstücke soll die Linie zerlegt werden?",
                                  std::to_string(anzahl), "Teilstücke");
    if (!antwort) return;  // "A&bbrechen": nothing changes
    const std::optional<int> gelesen = ganzeZahl(*antwort);
    if (!gelesen) {
      ergebnis(u, "Bitte eine ganze Zahl von 2 bis 100 eingeben.");
      return;
    }
    anzahl = *gelesen;
  }
  const std::string f = kreis ? teileKreis(u.zeichnung, n, anzahl) : teileLinie(u.zeichnung, n, anzahl);
  if (ergebnis(u, f)) teilstuecke = anzahl;
}

void Trimmwerkzeuge::zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) {
  (void)p;
  abbrechen(u);
}

void Trimmwerkzeuge::zeigeAuswahl(Werkzeugumgebung& u) {
  auswahl_.zeige(u.rueckmeldung, u.zeichnung.ansicht, auswahlFigur_, kAuswahlfarbe);
}

Zeichenfigur Trimmwerkzeuge::vorschau(const Werkzeugumgebung& u, std::int32_t n, Weltpunkt p) const {
  Zeichenfigur f;
  const Werkzeugzustand& z = u.zustand;
  const bool trimmen = z.werkzeug == W::LinienTrimmen, abrunden = z.werkzeug == W::Abrunden;
  if ((!trimmen && !abrunden && z.werkzeug != W::Befasen) || n == erste_) return f;
  Trimmkante e1, e2;
  if (schnittlinie_) {
    e1.a = schnittlinie_->first, e1.b = schnittlinie_->second;
  } else if (!trimmkante(u.zeichnung, erste_, ersterKlick_, false, e1).empty()) {
    return f;
  }
  if (!trimmkante(u.zeichnung, n, p, false, e2).empty()) return f;
  if (trimmen) {
    const Weltpunkt s = linienschnitt(e1.a, e1.b, e2.a, e2.b);
    if (keinSchnitt(s)) return f;
    // What changes shows: the pieces cut away and the pieces added.
    const auto geschnitten = [&](const Trimmkante& k, Weltpunkt klick) {
      Weltpunkt a = k.a, b = k.b;
      schneideAb(a, b, s, klick);
      const double dx = k.b.x - k.a.x, dy = k.b.y - k.a.y, l2 = dx * dx + dy * dy;
      if (!(l2 > 0)) return;
      const auto t = [&](Weltpunkt q) { return ((q.x - k.a.x) * dx + (q.y - k.a.y) * dy) / l2; };
      const auto bei = [&](double u) { return Weltpunkt{k.a.x + u * dx, k.a.y + u * dy}; };
      const double von = std::min(t(a), t(b)), bis = std::max(t(a), t(b));
      if (von != 0) f.linien.push_back({bei(0), bei(von)});
      if (bis != 1) f.linien.push_back({bei(bis), bei(1)});
    };
    if (schnittlinie_) {
      geschnitten(e2, p);
    } else {
      geschnitten(e1, ersterKlick_);
      if (z.knopf == kTrimmenBeide) geschnitten(e2, p);
    }
    return f;
  }
  const std::optional<Ecke> e = ecke(e1.a, e1.b, ersterKlick_, e2.a, e2.b, p);
  if (!e) return f;
  if (abrunden) {
    if (const auto a = abrundung(*e, u.zeichnung.aufsBlatt(radius), negativAbrunden)) {
      f.boegen.push_back({a->mitte, a->radius, a->radius, a->start, a->ende, 0});
    }
  } else if (const auto c = fase(*e, u.zeichnung.aufsBlatt(fasenmass), fasenAlsAbstand)) {
    f.linien.push_back({c->t1, c->t2});
  }
  return f;
}

void Trimmwerkzeuge::bewegung(Werkzeugumgebung& u, Weltpunkt p) {
  if (u.zustand.schritt != 2 || erste_ == 0) return;
  const std::int32_t n = elementUnterKlick(u.zeichnung, p, fangsuche);
  const Zeichenfigur f = n != 0 ? vorschau(u, n, p) : Zeichenfigur{};
  // The result replaces the mark of the first pick: drawn over each other in
  // XOR the two would cancel out.
  if (f.leer()) {
    band_.loesche(u.rueckmeldung);
    if (!auswahl_.sichtbar()) zeigeAuswahl(u);
  } else {
    auswahl_.loesche(u.rueckmeldung);
    band_.zeige(u.rueckmeldung, u.zeichnung.ansicht, f, gummibandfarbe);
  }
}

void Trimmwerkzeuge::rueckmeldungLoeschen(Werkzeugumgebung& u) {
  band_.loesche(u.rueckmeldung);
  auswahl_.loesche(u.rueckmeldung);
}

void Trimmwerkzeuge::abbrechen(Werkzeugumgebung& u) {
  rueckmeldungLoeschen(u);
  auswahlFigur_ = {};
  erste_ = 0;
  schnittlinie_.reset();
  u.zustand.vonVorn();
}

}  // namespace quarzel
