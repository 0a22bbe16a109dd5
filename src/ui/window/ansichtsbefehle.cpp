#include "ui/window/ansichtsbefehle.h"

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <algorithm>

#include "edit/fangformen.h"
#include "render/elementzeichnen.h"
#include "render/zeichenlauf.h"
#include "ui/qt/qtcanvas.h"
#include "ui/window/sitzung.h"

namespace quarzel {

std::optional<Weltrechteck> gezeigteUmgebung(const Sitzung& sitzung) {
  const Zeichnung& z = sitzung.zeichnung;
  // The visibility test wants a drawing context; nothing is drawn on it.
  QImage bild(1, 1, QImage::Format_RGB32);
  QtCanvas canvas(bild);
  Zeichenlauf lauf(z.stifte, z.linienstile, Laufparameter{});
  const Zeichenkontext k{z, lauf, canvas, sitzung.schalter, sitzung.darstellung};
  std::optional<Weltrechteck> box;
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) {
    if (!isDrawable(k, n)) continue;
    const auto b = fangumgebung(z.speicher, n);
    if (!b) continue;
    if (!box) {
      box = *b;
      continue;
    }
    box->x1 = std::min(box->x1, b->x1);
    box->y1 = std::min(box->y1, b->y1);
    box->x2 = std::max(box->x2, b->x2);
    box->y2 = std::max(box->y2, b->y2);
  }
  return box;
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
