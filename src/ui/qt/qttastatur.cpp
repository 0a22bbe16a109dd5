#include "ui/qt/qttastatur.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace quarzel {

namespace {

constexpr qint64 kHolabstandMs = 50;
constexpr qint64 kGedaechtnisMs = 500;

int tastenindex(int taste) {
  if (taste == Qt::Key_Escape) return 0;
  if (taste >= Qt::Key_F1 && taste <= Qt::Key_F12) return taste - Qt::Key_F1 + 1;
  return -1;
}

bool istEingabe(QEvent::Type typ) {
  switch (typ) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

}  // namespace

QtTastatur::QtTastatur() {
  uhr_.start();
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

QtTastatur::~QtTastatur() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool QtTastatur::eventFilter(QObject* objekt, QEvent* ereignis) {
  const QEvent::Type typ = ereignis->type();
  if (typ == QEvent::KeyPress || typ == QEvent::KeyRelease) {
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    const int i = tastenindex(taste->key());
    // The same key event passes the filter once per widget it propagates to;
    // only the first counts, the state is the same either way.
    if (i >= 0 && !taste->isAutoRepeat()) {
      if (typ == QEvent::KeyPress) {
        unten_.set(std::size_t(i));
        gedruecktUm_[std::size_t(i)] = uhr_.elapsed();
        ++druecke_[std::size_t(i)];
      } else {
        unten_.reset(std::size_t(i));
      }
    }
  }
  // Releases that happen in another application never reach us.
  if (typ == QEvent::ApplicationDeactivate) unten_.reset();
  if (holtGerade_ && istEingabe(typ)) return true;
  return QObject::eventFilter(objekt, ereignis);
}

void QtTastatur::ereignisseHolen() {
  if (holtGerade_) return;
  const qint64 jetzt = uhr_.elapsed();
  if (geholtUm_ >= 0 && jetzt - geholtUm_ < kHolabstandMs) return;
  geholtUm_ = jetzt;
  holtGerade_ = true;
  QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  holtGerade_ = false;
}

bool QtTastatur::escapeGedrueckt() {
  return abfragen(0);
}

bool QtTastatur::funktionstasteGedrueckt(int nummer) {
  if (nummer < 1 || nummer > 12) return false;
  return abfragen(std::size_t(nummer));
}

bool QtTastatur::abfragen(std::size_t i) {
  ereignisseHolen();
  const bool frisch = druecke_[i] != gesehen_[i] && uhr_.elapsed() - gedruecktUm_[i] <= kGedaechtnisMs;
  gesehen_[i] = druecke_[i];
  return unten_.test(i) || frisch;
}

}  // namespace quarzel
