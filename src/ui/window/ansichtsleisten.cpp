#include "ui/window/ansichtsleisten.h"

#include <QAbstractSlider>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <utility>

#include "view/ansicht.h"
#include "ui/tools/fangleiste.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/linealleiste.h"
#include "ui/window/sitzung.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"
#include "ui/window/zeichenrahmen.h"

namespace quarzel {

namespace {

const QString kGruppe = QStringLiteral("Hauptfenster");
const QString kLineale = QStringLiteral("Randlineale");

void setzeBalken(QScrollBar& balken, const Rollbalken& r) {
  balken.setRange(r.minimum, r.maximum);
  // The slider shows the page; the trough's step is set aside (seitenschritt).
  balken.setPageStep(std::max(1, r.seitengroesse));
  balken.setSingleStep(std::max(1, r.kleineAenderung));
  balken.setValue(r.position);
}

}  // namespace

Ansichtsleisten::Ansichtsleisten(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge, Zeichenrahmen& rahmen,
                                 Fangleiste* leiste, QMenu& ansichtMenue)
    : QObject(&fenster.fenster), fenster_(std::move(fenster)), werkzeuge_(werkzeuge), rahmen_(rahmen), leiste_(leiste) {
  lineal_ = ansichtMenue.addAction(QStringLiteral("Lineal"));
  lineal_->setObjectName(QStringLiteral("AktionLineal"));
  lineal_->setCheckable(true);
  lineal_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  connect(lineal_, &QAction::toggled, this, &Ansichtsleisten::setzeLineale);
  if (leiste_ != nullptr) {
    connect(leiste_->randlinealknopf(), &QAction::toggled, this, &Ansichtsleisten::setzeLineale);
  }

  QScrollBar& w = rahmen_.waagerecht();
  QScrollBar& s = rahmen_.senkrecht();
  connect(&w, &QAbstractSlider::valueChanged, this, [this](int v) { rollen(true, v); });
  connect(&s, &QAbstractSlider::valueChanged, this, [this](int v) { rollen(false, v); });
  connect(&w, &QAbstractSlider::actionTriggered, this, [this](int a) { seitenschritt(true, a); });
  connect(&s, &QAbstractSlider::actionTriggered, this, [this](int a) { seitenschritt(false, a); });

  Zeichenflaeche& f = rahmen_.flaeche();
  connect(&f, &Zeichenflaeche::neuGezeichnet, this, &Ansichtsleisten::abgleichen);
  connect(&f, &Zeichenflaeche::mausBewegt, this, [this](double x, double y) {
    rahmen_.linealOben().setzeCursor(x);
    rahmen_.linealLinks().setzeCursor(y);
  });
  connect(&f, &Zeichenflaeche::mausVerlassen, this, [this] {
    rahmen_.linealOben().setzeCursor(std::nullopt);
    rahmen_.linealLinks().setzeCursor(std::nullopt);
  });

  QSettings einstellungen;
  einstellungen.beginGroup(kGruppe);
  const bool an = einstellungen.value(kLineale, false).toBool();
  werkzeuge_.fangeinstellungen().randlineale = an;
  if (leiste_ != nullptr) leiste_->abgleichen();
  abgleichen();
}

void Ansichtsleisten::setzeLineale(bool an) {
  Fangeinstellungen& e = werkzeuge_.fangeinstellungen();
  // Only the user's switching arrives here (the program's own settings are
  // made with signals blocked); the tool bar has set the flag already when
  // its button was pressed.
  const bool geaendert = e.randlineale != an;
  e.randlineale = an;
  linealzustandSichern();
  abgleichen();
  // The button redraws through its own signal; the menu item needs it too,
  // so the marker and the picture agree with the new snapping.
  if (geaendert) fenster_.neuZeichnen();
}

void Ansichtsleisten::abgleichen() {
  const bool an = werkzeuge_.fangeinstellungen().randlineale;
  {
    const QSignalBlocker still(lineal_);
    lineal_->setChecked(an);
  }
  if (leiste_ != nullptr && leiste_->randlinealknopf()->isChecked() != an) leiste_->abgleichen();
  if (rahmen_.linealeSichtbar() != an) rahmen_.zeigeLineale(an);

  const Ansicht& a = fenster_.sitzung.zeichnung.ansicht;
  setztSelbst_ = true;
  setzeBalken(rahmen_.waagerecht(), a.rollbalkenWaagerecht());
  setzeBalken(rahmen_.senkrecht(), a.rollbalkenSenkrecht());
  setztSelbst_ = false;
  rahmen_.linealOben().update();
  rahmen_.linealLinks().update();
}

void Ansichtsleisten::seitenschritt(bool waagerecht, int aktion) {
  if (aktion != QAbstractSlider::SliderPageStepAdd && aktion != QAbstractSlider::SliderPageStepSub) return;
  const Ansicht& a = fenster_.sitzung.zeichnung.ansicht;
  const Rollbalken r = waagerecht ? a.rollbalkenWaagerecht() : a.rollbalkenSenkrecht();
  QScrollBar& balken = waagerecht ? rahmen_.waagerecht() : rahmen_.senkrecht();
  const std::int64_t schritt = aktion == QAbstractSlider::SliderPageStepAdd ? r.grosseAenderung : -r.grosseAenderung;
  const std::int64_t ziel = std::clamp<std::int64_t>(std::int64_t(balken.value()) + schritt, r.minimum, r.maximum);
  // Called before the bar applies its own page step; this position wins.
  balken.setSliderPosition(static_cast<int>(ziel));
}

void Ansichtsleisten::rollen(bool waagerecht, int position) {
  if (setztSelbst_) return;
  Ansicht& a = fenster_.sitzung.zeichnung.ansicht;
  if (position == (waagerecht ? a.viewOriginX : a.viewOriginY)) return;
  if (waagerecht)
    a.setzeUrsprungWaagerecht(position);
  else
    a.setzeUrsprungSenkrecht(position);
  fenster_.neuZeichnen();
}

void Ansichtsleisten::linealzustandSichern() const {
  QSettings einstellungen;
  einstellungen.beginGroup(kGruppe);
  einstellungen.setValue(kLineale, werkzeuge_.fangeinstellungen().randlineale);
}

}  // namespace quarzel
