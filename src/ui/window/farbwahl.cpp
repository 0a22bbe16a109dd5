#include "ui/window/farbwahl.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QMainWindow>
#include <QPixmap>

#include "ui/tools/eigenschaftsleiste.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/sitzung.h"

namespace quarzel {

namespace {

QColor qfarbe(Farbe f) {
  return QColor(rotAnteil(f), gruenAnteil(f), blauAnteil(f));
}

Farbe farbeVon(const QColor& c) {
  return rgb(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
             static_cast<std::uint8_t>(c.blue()));
}

void zeigeFarbe(QAction* knopf, const QColor& farbe) {
  if (knopf == nullptr) return;
  QPixmap p(24, 24);
  p.fill(farbe);
  knopf->setIcon(QIcon(p));
}

}  // namespace

Farbwahl::Farbwahl(Fensteranschluss fenster, Eigenschaftsleiste& eigenschaften, const Werkzeugleisten& leisten)
    : QObject(&fenster.fenster), fenster_(std::move(fenster)), eigenschaften_(eigenschaften), leisten_(leisten) {
  const einstellung::Zeichenhilfen& z = fenster_.sitzung.einstellungen.zeichenhilfen;
  eigenschaften_.setzeFarbe(qfarbe(z.primaerfarbe));
  eigenschaften_.setzeFarbe2(qfarbe(z.sekundaerfarbe));
  connect(&eigenschaften_, &Eigenschaftsleiste::gewaehlt, this, [this](Eigenschaftsleiste::Wahl w) {
    if (w == Eigenschaftsleiste::Wahl::Farbe || w == Eigenschaftsleiste::Wahl::Farbe2) farbenMerken();
  });
  fenster_.sitzung.werkzeuge.markier.aufgenommen = [this](const Aufnahme& a) { uebernimm(a); };
  for (const Werkzeugcode feld : {Werkzeugcode::Primaerfarbe, Werkzeugcode::Sekundaerfarbe}) {
    QAction* knopf = leisten_.aktion(feld);
    if (knopf == nullptr) continue;
    // Out of the group the bars no longer find it by its code.
    (feld == Werkzeugcode::Primaerfarbe ? primaerKnopf_ : sekundaerKnopf_) = knopf;
    // A field, not a tool: the pressed tool button stays the active tool.
    leisten_.werkzeuge->removeAction(knopf);
    knopf->setCheckable(false);
    connect(knopf, &QAction::triggered, this, [this, feld] {
      const bool primaer = feld == Werkzeugcode::Primaerfarbe;
      const QColor alt = primaer ? eigenschaften_.farbe() : eigenschaften_.farbe2();
      setzeFeld(feld, QColorDialog::getColor(alt, &fenster_.fenster, primaer ? QStringLiteral("Primärfarbe")
                                                                             : QStringLiteral("Sekundärfarbe")));
    });
  }
  farbenMerken();
}

void Farbwahl::setzeFeld(Werkzeugcode feld, const QColor& farbe) {
  if (!farbe.isValid()) return;
  if (feld == Werkzeugcode::Primaerfarbe) eigenschaften_.setzeFarbe(farbe);
  if (feld == Werkzeugcode::Sekundaerfarbe) eigenschaften_.setzeFarbe2(farbe);
  farbenMerken();
}

Farbwahl::~Farbwahl() {
  // The tool box outlives the window.
  fenster_.sitzung.werkzeuge.markier.aufgenommen = {};
}

void Farbwahl::uebernimm(const Aufnahme& a) {
  if (a.stift) eigenschaften_.setzeStift(*a.stift);
  if (a.linienstil) eigenschaften_.setzeLinienstil(*a.linienstil);
  if (a.fuellung) eigenschaften_.setzeFuellung(*a.fuellung);
  if (a.farbe) eigenschaften_.setzeFarbe(qfarbe(*a.farbe));
  farbenMerken();
}

void Farbwahl::farbenMerken() {
  Sitzung& s = fenster_.sitzung;
  einstellung::Zeichenhilfen& z = s.einstellungen.zeichenhilfen;
  zeigeFarbe(primaerKnopf_, eigenschaften_.farbe());
  zeigeFarbe(sekundaerKnopf_, eigenschaften_.farbe2());
  const Farbe primaer = farbeVon(eigenschaften_.farbe()), sekundaer = farbeVon(eigenschaften_.farbe2());
  if (z.primaerfarbe == primaer && z.sekundaerfarbe == sekundaer) return;
  z.primaerfarbe = primaer;
  z.sekundaerfarbe = sekundaer;
  s.konfiguration.speichereAbschnitt(z);
}

}  // namespace quarzel
