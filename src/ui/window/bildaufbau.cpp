#include "ui/window/bildaufbau.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

#include "ui/dialogs/bildschirmdarstellung.h"
#include "ui/qt/qtcanvas.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/sitzung.h"
#include "ui/window/statusleiste.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {

namespace {

// Held on the application while a redraw lets events through: Escape and
// mouse clicks stop the redraw, other input waits for none (it is dropped:
// a key or click meant for a picture not yet there would hit the wrong spot).
class Eingabesperre final : public QObject {
 public:
  bool abbruch = false;

 protected:
  bool eventFilter(QObject* /*ziel*/, QEvent* e) override {
    switch (e->type()) {
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) abbruch = true;
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        abbruch = true;
        return true;
      case QEvent::KeyRelease:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride:
      case QEvent::ContextMenu:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

Bildaufbau::Bildaufbau(Zeichenflaeche& flaeche, Statusleiste* status, bool unterbrechbar)
    : flaeche_(flaeche), status_(status), unterbrechbar_(unterbrechbar) {
  seitAnzeige_.start();
  seitEreignissen_.start();
}

Bildaufbau::~Bildaufbau() {
  if (fortschrittGezeigt_) status_->fortschritt({}, -1);
}

void Bildaufbau::fortschritt(int prozent) {
  if (status_ == nullptr || !unterbrechbar_) return;
  // Short redraws show no bar: it would only flicker.
  if (!fortschrittGezeigt_ && seitAnzeige_.elapsed() < flaeche_.bildtakt().ersteAnzeigeMs) return;
  fortschrittGezeigt_ = true;
  status_->fortschritt(QStringLiteral("Bildaufbau ... (Esc bricht ab)"), prozent);
}

bool Bildaufbau::abbrechen() {
  if (!unterbrechbar_ || flaeche_.imPaintEvent()) return false;
  if (abgebrochen_ || flaeche_.neuAngefordert()) return true;
  if (seitEreignissen_.elapsed() < flaeche_.bildtakt().ereignisabstandMs) return false;
  Eingabesperre sperre;
  QCoreApplication::instance()->installEventFilter(&sperre);
  QCoreApplication::processEvents();
  QCoreApplication::instance()->removeEventFilter(&sperre);
  seitEreignissen_.restart();
  abgebrochen_ = sperre.abbruch;
  return abgebrochen_ || flaeche_.neuAngefordert();
}

void Bildaufbau::insFenster() {
  if (seitAnzeige_.elapsed() < flaeche_.bildtakt().ersteAnzeigeMs) return;
  flaeche_.zwischenstandZeigen();
  seitAnzeige_.restart();
}

void darstellungAnwenden(Sitzung& sitzung, Zeichenflaeche& flaeche, Werkzeugbedienung& werkzeuge) {
  const Einstellungen& e = sitzung.einstellungen;
  sitzung.darstellung = darstellungswahlAus(e.darstellung, sitzung.darstellung);
  // The background keys belong to the drawing options' section of the file.
  sitzung.darstellung.flaechenInHintergrund = e.projektoptionen.flaechenInHintergrund;
  sitzung.darstellung.verlaeufeInHintergrund = e.projektoptionen.verlaeufeInHintergrund;
  flaeche.setzeFadenkreuz(e.zeichenhilfen.fadenkreuz, qfarbe(einstellung::darstellungsfarbe(
                                                          e.darstellung.fadenkreuz, einstellung::Farbgebrauch::Marke)));
  flaeche.setzeSchnellerRefresh(e.darstellung.schnellerRefresh);
  // The rubber band colour ("Farbe beim Zeichnen von Objekten") lives in the tools' settings.
  werkzeuge.vorgabenUebernehmen();
}

}  // namespace quarzel
