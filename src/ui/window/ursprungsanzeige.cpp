#include "ui/window/ursprungsanzeige.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <cmath>
#include <utility>

#include "ui/window/sitzung.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {

Ursprungsanzeige::Ursprungsanzeige(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge, Zeichenflaeche& flaeche,
                                   QMenu& ansichtMenue)
    : QObject(&fenster.fenster), fenster_(std::move(fenster)), flaeche_(flaeche) {
  nullpunkt_ = ansichtMenue.addAction(QStringLiteral("Nullpunkt"));
  nullpunkt_->setObjectName(QStringLiteral("AktionNullpunkt"));
  nullpunkt_->setCheckable(true);
  nullpunkt_->setChecked(fenster_.sitzung.einstellungen.zeichenhilfen.nullpunktSichtbar);
  connect(nullpunkt_, &QAction::toggled, this, &Ursprungsanzeige::setzeSichtbar);
  connect(&flaeche_, &Zeichenflaeche::neuGezeichnet, this, &Ursprungsanzeige::markerSetzen);
  werkzeuge.steuerung().umgebung().ursprungGeaendert = [this] { ursprungGeaendert(); };
  markerSetzen();
}

void Ursprungsanzeige::setzeSichtbar(bool an) {
  Sitzung& s = fenster_.sitzung;
  if (s.einstellungen.zeichenhilfen.nullpunktSichtbar == an) return;
  s.einstellungen.zeichenhilfen.nullpunktSichtbar = an;
  s.konfiguration.speichereAbschnitt(s.einstellungen.zeichenhilfen);
  markerSetzen();
}

void Ursprungsanzeige::markerSetzen() {
  const Sitzung& s = fenster_.sitzung;
  const Ansicht& a = s.zeichnung.ansicht;
  const Pixelpunkt p = a.worldToPixel(a.zeroPoint.x, a.zeroPoint.y);
  // Far outside the area (or not a number) there is nothing to show.
  constexpr double kGrenze = 1e6;
  const bool zeigen = s.einstellungen.zeichenhilfen.nullpunktSichtbar && std::isfinite(p.x) && std::isfinite(p.y) &&
                      std::fabs(p.x) < kGrenze && std::fabs(p.y) < kGrenze;
  flaeche_.setzeNullpunkt(zeigen ? std::optional<QPointF>(QPointF(p.x, p.y)) : std::nullopt, a.coordAngle);
}

void Ursprungsanzeige::ursprungGeaendert() {
  Sitzung& s = fenster_.sitzung;
  einstellung::Zeichenhilfen& hilfen = s.einstellungen.zeichenhilfen;
  const double winkel = s.zeichnung.ansicht.gridAngle;
  if (hilfen.rasterwinkel != winkel) {
    hilfen.rasterwinkel = winkel;
    s.konfiguration.speichereAbschnitt(hilfen);
  }
  fenster_.neuZeichnen();
}

}  // namespace quarzel
