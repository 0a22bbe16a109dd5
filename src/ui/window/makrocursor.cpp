#include "ui/window/makrocursor.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "edit/gummiband.h"
#include "edit/textwerkzeuge.h"
#include "edit/treffertest.h"
#include "edit/werkzeugkasten.h"
#include "store/zeichnung.h"
#include "ui/window/statusleiste.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {

namespace {

QString aufforderungVon(const Cursoranfrage& a, bool zweiterPunkt) {
  QString text = QString::fromStdString(a.wort) + QStringLiteral(": ");
  switch (a.art) {
    case Cursorart::Linie:
      return text + QStringLiteral("Linie wählen");
    case Cursorart::Bogen:
      return text + QStringLiteral("Bogen oder Kreis wählen");
    case Cursorart::Symbol:
      return text + QStringLiteral("Symbol wählen");
    case Cursorart::Rechteck:
      return text + (zweiterPunkt ? QStringLiteral("2.) Zweite Ecke") : QStringLiteral("1.) Erste Ecke"));
    default:
      return text + QStringLiteral("Punkt angeben");
  }
}

bool waehltElement(Cursorart art) {
  return art == Cursorart::Linie || art == Cursorart::Bogen || art == Cursorart::Symbol;
}

}  // namespace

Makrocursor::Makrocursor(Zeichenflaeche& flaeche, Zeichnung& zeichnung, Werkzeugkasten& werkzeuge, Statusleiste* status,
                         QObject* eltern)
    : QObject(eltern),
      flaeche_(flaeche),
      flaecheLebt_(&flaeche),
      zeichnung_(zeichnung),
      werkzeuge_(werkzeuge),
      status_(status) {
  // A new picture has no band on it any more.
  connect(&flaeche_, &Zeichenflaeche::neuGezeichnet, this, [this] { band_.clear(); });
}

Makrocursor::~Makrocursor() {
  if (wartet() && flaecheLebt_) flaeche_.removeEventFilter(this);
}

void Makrocursor::erwarte(const Cursoranfrage& anfrage, Antwortgeber antwort) {
  if (!wartet()) flaeche_.installEventFilter(this);
  anfrage_ = anfrage;
  antwort_ = std::move(antwort);
  erster_.reset();
  if (status_) status_->setzeAufforderung(aufforderungVon(anfrage, false));
  flaeche_.setFocus();
  if (const auto c = flaeche_.cursor()) bewegt(fange(c->x(), c->y()));
}

void Makrocursor::beende() {
  if (!wartet()) return;
  if (!flaecheLebt_) {
    anfrage_.reset();
    return;
  }
  bandZeichnen({});
  flaeche_.zeigeFang(nullptr);
  flaeche_.removeEventFilter(this);
  anfrage_.reset();
  erster_.reset();
  if (status_) status_->setzeAufforderung({});
}

void Makrocursor::antworte(const Cursorantwort& antwort) {
  Antwortgeber geber = std::move(antwort_);
  beende();
  if (geber) geber(antwort);
}

Weltpunkt Makrocursor::fange(double x, double y) {
  Fangkontext k;
  if (erster_) k.vorigerPunkt = zeichnung_.ansicht.worldToPixel(erster_->x, erster_->y);
  const Fangergebnis f = werkzeuge_.fangsuche.fange(int(x), int(y), werkzeuge_.fang, k);
  flaeche_.zeigeFang(waehltElement(anfrage_->art) ? nullptr : &f);
  return zeichnung_.ansicht.pixelToWorld(f.x, f.y);
}

void Makrocursor::bandZeichnen(const std::vector<Pixelpunkt>& punkte) {
  Canvas& c = flaeche_.rueckmeldung();
  c.setzeStiftmodus(Stiftmodus::Xor);
  c.setzeStift(Gummiband::xorFarbe(0), 1);
  c.setzePinsel(0, true);
  if (band_.size() >= 2) c.polylinie(band_);
  band_ = punkte;
  if (band_.size() >= 2) c.polylinie(band_);
  c.setzeStiftmodus(Stiftmodus::Kopieren);
  flaeche_.update();
}

void Makrocursor::bewegt(Weltpunkt p) {
  const Ansicht& a = zeichnung_.ansicht;
  std::vector<Pixelpunkt> band;
  if (anfrage_->art == Cursorart::Rechteck && erster_) {
    const Pixelpunkt e = a.worldToPixel(erster_->x, erster_->y), z = a.worldToPixel(p.x, p.y);
    band = {e, {z.x, e.y}, z, {e.x, z.y}, e};
  } else {
    for (const Weltpunkt& v : anfrage_->gummiband) band.push_back(a.worldToPixel(p.x + v.x, p.y + v.y));
  }
  bandZeichnen(band);
}

void Makrocursor::geklickt(Weltpunkt p, int taste) {
  if (anfrage_->art == Cursorart::Rechteck && !erster_) {
    erster_ = p;
    if (status_) status_->setzeAufforderung(aufforderungVon(*anfrage_, true));
    bewegt(p);
    return;
  }
  Cursorantwort antwort;
  antwort.punkt = p;
  antwort.maustaste = taste;
  if (erster_) antwort.erster = *erster_;
  if (waehltElement(anfrage_->art)) antwort.element = elementUnterKlick(zeichnung_, p, &werkzeuge_.fangsuche);
  antworte(antwort);
}

bool Makrocursor::eventFilter(QObject* ziel, QEvent* ereignis) {
  if (ziel != &flaeche_ || !wartet()) return false;
  const double faktor = flaeche_.devicePixelRatioF();
  switch (ereignis->type()) {
    case QEvent::MouseMove: {
      const auto* m = static_cast<QMouseEvent*>(ereignis);
      // The middle button pans the view; the area handles that itself.
      if (m->buttons() & Qt::MiddleButton) return false;
      const double x = m->position().x() * faktor, y = m->position().y() * faktor;
      flaeche_.folgeCursor({x, y});
      if (status_)
        status_->setzeKoordinaten(
            QString::fromStdString(koordinatentext(zeichnung_, zeichnung_.ansicht.pixelToWorld(x, y))));
      bewegt(fange(x, y));
      return true;  // the active tool would move its own band and marker
    }
    case QEvent::MouseButtonPress: {
      const auto* m = static_cast<QMouseEvent*>(ereignis);
      if (m->button() == Qt::MiddleButton) return false;
      const int taste = m->button() == Qt::RightButton ? 2 : 1;
      geklickt(fange(m->position().x() * faktor, m->position().y() * faktor), taste);
      return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return static_cast<QMouseEvent*>(ereignis)->button() != Qt::MiddleButton;
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
        Cursorantwort abbruch;
        abbruch.abgebrochen = true;
        antworte(abbruch);
      }
      return true;
    default:
      return false;
  }
}

}  // namespace quarzel
