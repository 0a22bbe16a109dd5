#include "ui/window/ansichtsbefehle.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <algorithm>

#include "ui/qt/druckausgabe.h"
#include "ui/window/sitzung.h"

namespace quarzel {

std::optional<Weltrechteck> gezeigteUmgebung(const Sitzung& sitzung) {
  return gezeigterRahmen(sitzung.zeichnung, sitzung.schalter, sitzung.darstellung);
}

Ansichtsbefehle::Ansichtsbefehle(Fensteranschluss fenster, QMenu& menue, QAction& gesamtesBlatt,
                                 QAction& blattDarstellen)
    : QObject(&fenster.fenster), fenster_(std::move(fenster)), blattDarstellen_(blattDarstellen) {
  const QList<QAction*> alle = menue.actions();
  const auto nach = std::find(alle.begin(), alle.end(), &gesamtesBlatt);
  QAction* davor = nach != alle.end() && nach + 1 != alle.end() ? *(nach + 1) : nullptr;
  gesamteZeichnung_ = new QAction(QStringLiteral("Gesamte Zeichnung"), &menue);
  menue.insertAction(davor, gesamteZeichnung_);
  neuZeichnen_ = menue.addAction(QStringLiteral("Neu zeichnen"));
  normalansicht_ = menue.addAction(QStringLiteral("Normalansicht"));
  connect(gesamteZeichnung_, &QAction::triggered, this, &Ansichtsbefehle::gesamteZeichnung);
  connect(neuZeichnen_, &QAction::triggered, this, &Ansichtsbefehle::neuZeichnen);
  connect(normalansicht_, &QAction::triggered, this, &Ansichtsbefehle::normalansicht);
}

void Ansichtsbefehle::gesamteZeichnung() {
  const Sitzung& s = fenster_.sitzung;
  fenster_.sitzung.zeichnung.ansicht.gesamteZeichnung(gezeigteUmgebung(s), s.zeichnung.speicher.anzahl() == 0);
  fenster_.neuZeichnen();
}

void Ansichtsbefehle::neuZeichnen() {
  fenster_.neuZeichnen();
}

void Ansichtsbefehle::normalansicht() {
  // The window's handler of the check box switches the display and redraws.
  if (blattDarstellen_.isChecked()) {
    blattDarstellen_.setChecked(false);
  } else {
    fenster_.neuZeichnen();
  }
}

}  // namespace quarzel
