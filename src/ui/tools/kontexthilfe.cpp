#include "ui/tools/kontexthilfe.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

#include "edit/werkzeugtabelle.h"
#include "ui/dialogs/hilfefenster.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/tools/werkzeugsymbole.h"

namespace quarzel {

namespace {

bool mausklick(QEvent::Type t) {
  return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick;
}

}  // namespace

Kontexthilfe::Kontexthilfe(QMainWindow& fenster, QToolBar& leiste, QString ordner)
    : QObject(&fenster), fenster_(fenster), ordner_(std::move(ordner)) {
  aktion_ = leiste.addAction(werkzeugsymbol("hilfe"), QStringLiteral("Kontextsensitive Hilfe"));
  aktion_->setObjectName(QStringLiteral("Kontexthilfe"));
  aktion_->setCheckable(true);
  connect(aktion_, &QAction::toggled, this, &Kontexthilfe::umschalten);
}

Kontexthilfe::~Kontexthilfe() {
  if (qApp != nullptr) qApp->removeEventFilter(this);
}

Hilfefenster* Kontexthilfe::fenster() const {
  return hilfe_.data();
}

bool Kontexthilfe::aktiv() const {
  return aktion_->isChecked();
}

void Kontexthilfe::umschalten(bool an) {
  if (an) {
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
  } else {
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
  }
}

QString Kontexthilfe::thema(const QAction* a) {
  if (a == nullptr) return QStringLiteral("inhalt");
  if (const Werkzeugcode code = werkzeugcode(a); code != Werkzeugcode::Keines) return QString::fromStdString(hilfethema(code));
  QString text = a->text().remove(u'&').remove(QStringLiteral("...")).trimmed().toLower();
  text.replace(u'ä', QStringLiteral("ae")).replace(u'ö', QStringLiteral("oe")).replace(u'ü', QStringLiteral("ue"));
  text.replace(u'ß', QStringLiteral("ss"));
  QString thema;
  for (const QChar c : text) {
    const bool gut = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
    if (gut) {
      thema += c;
    } else if (!thema.isEmpty() && !thema.endsWith(u'_')) {
      thema += u'_';
    }
  }
  while (thema.endsWith(u'_')) thema.chop(1);
  return thema.isEmpty() ? QStringLiteral("inhalt") : thema.left(64);
}

void Kontexthilfe::hilfeFuer(const QAction* a) {
  const QString t = thema(a);
  aktion_->setChecked(false);
  // An open menu would keep the mouse; it goes before the help comes.
  while (QWidget* popup = QApplication::activePopupWidget()) {
    if (!popup->close()) break;
  }
  if (hilfe_ == nullptr) hilfe_ = new Hilfefenster(ordner_, &fenster_);
  hilfe_->zeige(t);
}

bool Kontexthilfe::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (!mausklick(ereignis->type()) || !aktiv()) return false;
  auto* maus = static_cast<QMouseEvent*>(ereignis);
  const QAction* ziel = nullptr;
  if (auto* menue = qobject_cast<QMenu*>(objekt)) {
    QAction* a = menue->actionAt(maus->position().toPoint());
    // Submenus open as usual; separators and gaps are nothing to explain.
    if (a == nullptr || a->menu() != nullptr || a->isSeparator()) return false;
    ziel = a;
  } else if (auto* knopf = qobject_cast<QToolButton*>(objekt)) {
    QAction* a = knopf->defaultAction();
    // The help button itself ends help mode the ordinary way.
    if (a == nullptr || a == aktion_) return false;
    ziel = a;
  } else {
    return false;
  }
  if (ereignis->type() == QEvent::MouseButtonRelease) hilfeFuer(ziel);
  return true;
}

}  // namespace quarzel
