#include "ui/tools/koordinatenpanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "edit/werkzeugsteuerung.h"

namespace quarzel {

namespace {

const QColor kFokusfarbe(0, 255, 255);
const char* const kStandardtitel[3] = {"1.) Erster Punkt", "2.) Zweiter Punkt", "3.) Dritter Punkt"};

QString qtext(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

Koordinatenpanel::Koordinatenpanel(Werkzeugsteuerung& steuerung, QWidget* zeichenflaeche, QWidget* eltern)
    : QDockWidget(QStringLiteral("Koordinateneingabe"), eltern),
      steuerung_(steuerung),
      zeichenflaeche_(zeichenflaeche) {
  setObjectName(QStringLiteral("Koordinateneingabe"));
  auto* innen = new QWidget(this);
  auto* spalte = new QVBoxLayout(innen);
  for (int g = 0; g < 3; ++g) baueGruppe(g, innen);
  for (const Gruppenfelder& f : gruppen_) spalte->addWidget(f.box);
  auto* knoepfe = new QHBoxLayout;
  okKnopf_ = new QPushButton(QStringLiteral("OK"), innen);
  abbrechenKnopf_ = new QPushButton(QStringLiteral("Abbrechen"), innen);
  knoepfe->addWidget(okKnopf_);
  knoepfe->addWidget(abbrechenKnopf_);
  spalte->addLayout(knoepfe);
  spalte->addStretch(1);
  setWidget(innen);
  connect(okKnopf_, &QPushButton::clicked, this, [this] { ok(); });
  connect(abbrechenKnopf_, &QPushButton::clicked, this, &Koordinatenpanel::abbrechen);
  connect(qApp, &QApplication::focusChanged, this, &Koordinatenpanel::fokusGewechselt);
  werkzeugGestartet(steuerung_.zustand().werkzeug);
}

Koordinatenpanel::~Koordinatenpanel() {
  // The fields lose the focus while the base classes delete them; by then
  // this object is no panel any more and must hear nothing of it.
  disconnect(qApp, nullptr, this, nullptr);
  for (Gruppenfelder& f : gruppen_) {
    f.x->removeEventFilter(this);
    f.y->removeEventFilter(this);
  }
}

void Koordinatenpanel::baueGruppe(int g, QWidget* innen) {
  Gruppenfelder& f = gruppen_[static_cast<std::size_t>(g)];
  f.box = new QGroupBox(QString::fromUtf8(kStandardtitel[g]), innen);
  auto* raster = new QGridLayout(f.box);
  f.lx = new QLabel(f.box);
  f.ly = new QLabel(f.box);
  f.x = new QLineEdit(QStringLiteral("0"), f.box);
  f.y = new QLineEdit(QStringLiteral("0"), f.box);
  f.x->setObjectName(QStringLiteral("x%1eingabe").arg(g + 1));
  f.y->setObjectName(QStringLiteral("y%1eingabe").arg(g + 1));
  f.relativ = new QCheckBox(QStringLiteral("relativ"), f.box);
  f.relativ->setChecked(true);
  f.polar = new QCheckBox(QStringLiteral("polar"), f.box);
  f.nurMaus = new QLabel(qtext(kNurMaus), f.box);
  raster->addWidget(f.lx, 0, 0);
  raster->addWidget(f.x, 0, 1);
  raster->addWidget(f.relativ, 0, 2);
  raster->addWidget(f.ly, 1, 0);
  raster->addWidget(f.y, 1, 1);
  raster->addWidget(f.polar, 1, 2);
  raster->addWidget(f.nurMaus, 2, 0, 1, 3);
  for (QLineEdit* e : {f.x, f.y}) e->installEventFilter(this);
  for (QCheckBox* c : {f.relativ, f.polar}) {
    connect(c, &QCheckBox::toggled, this, [this, g] { beschriftungenSetzen(g); });
  }
}

QLineEdit* Koordinatenpanel::feld(int g, bool y) const {
  if (g < 0 || g > 2) return nullptr;
  const Gruppenfelder& f = gruppen_[static_cast<std::size_t>(g)];
  return y ? f.y : f.x;
}

QString Koordinatenpanel::beschriftung(int g, bool y) const {
  if (g < 0 || g > 2) return {};
  const Gruppenfelder& f = gruppen_[static_cast<std::size_t>(g)];
  return y ? f.ly->text() : f.lx->text();
}

void Koordinatenpanel::beschriftungenSetzen(int g) {
  Gruppenfelder& f = gruppen_[static_cast<std::size_t>(g)];
  const Eingabegruppe& m = kern_.maske().gruppen[static_cast<std::size_t>(g)];
  const auto folgend = feldbeschriftung(f.relativ->isChecked(), f.polar->isChecked());
  f.lx->setText(m.beschriftungX.empty() ? qtext(folgend[0]) : qtext(m.beschriftungX));
  f.ly->setText(m.beschriftungY.empty() ? qtext(folgend[1]) : qtext(m.beschriftungY));
}

void Koordinatenpanel::werkzeugGestartet(Werkzeugcode werkzeug) {
  kern_.werkzeugGestartet(werkzeug, steuerung_.zustand().knopf);
  for (int g = 0; g < 3; ++g) {
    Gruppenfelder& f = gruppen_[static_cast<std::size_t>(g)];
    const Eingabegruppe& m = kern_.maske().gruppen[static_cast<std::size_t>(g)];
    f.box->setVisible(m.sichtbar);
    f.box->setTitle(qtext(m.titel));
    const bool felder = !m.nurMaus;
    for (QWidget* w : std::initializer_list<QWidget*>{f.lx, f.x, f.relativ, f.polar}) w->setVisible(felder);
    f.ly->setVisible(felder && !m.nurErstesFeld);
    f.y->setVisible(felder && !m.nurErstesFeld);
    f.nurMaus->setVisible(m.nurMaus);
    beschriftungenSetzen(g);
  }
  schritteAktualisieren();
}

void Koordinatenpanel::schritteAktualisieren() {
  const std::optional<int> erwartet = kern_.erwarteteGruppe(steuerung_);
  for (int g = 0; g < 3; ++g) gruppen_[static_cast<std::size_t>(g)].box->setEnabled(erwartet && *erwartet == g);
  okKnopf_->setEnabled(erwartet.has_value());
}

void Koordinatenpanel::inKernUebernehmen() {
  const bool winkel = kern_.maske().bogenwinkel;
  for (int g = 0; g < 3; ++g) {
    Gruppenfelder& f = gruppen_[static_cast<std::size_t>(g)];
    Koordinateneingabe::Gruppe& k = kern_.gruppen[static_cast<std::size_t>(g)];
    const double grenze = winkel && g == 2 ? kWinkelGrenze : kEingabeGrenze;
    // What a field holds counts as left: the value the tool gets is the one shown.
    for (QLineEdit* e : {f.x, f.y}) e->setText(qtext(quarzel::feldVerlassen(e->text().toStdString(), grenze)));
    k.x = f.x->text().toStdString();
    k.y = f.y->text().toStdString();
    k.relativ = f.relativ->isChecked();
    k.polar = f.polar->isChecked();
  }
}

bool Koordinatenpanel::ok() {
  inKernUebernehmen();
  if (!kern_.uebernehme(steuerung_)) {
    const std::optional<int> g = kern_.erwarteteGruppe(steuerung_);
    if (kern_.kaputtesFeld && g) {
      QLineEdit* f = feld(*g, *kern_.kaputtesFeld == 1);
      if (melder) melder("Die Eingabe \"" + f->text().toStdString() + "\" ist keine gültige Zahl.");
      f->setFocus(Qt::OtherFocusReason);
      f->selectAll();
    }
    return false;
  }
  emit punktEingegeben();
  schritteAktualisieren();
  const std::optional<int> naechste = kern_.erwarteteGruppe(steuerung_);
  QLineEdit* weiter = naechste ? gruppen_[static_cast<std::size_t>(*naechste)].x : nullptr;
  if (weiter != nullptr && !weiter->isHidden()) {
    weiter->setFocus(Qt::OtherFocusReason);
    weiter->selectAll();
  } else if (zeichenflaeche_ != nullptr) {
    zeichenflaeche_->setFocus(Qt::OtherFocusReason);
  }
  return true;
}

void Koordinatenpanel::abbrechen() {
  steuerung_.funktionsabbruch();
  schritteAktualisieren();
  emit kurztasten(true);
  if (zeichenflaeche_ != nullptr) zeichenflaeche_->setFocus(Qt::OtherFocusReason);
}

std::pair<int, bool> Koordinatenpanel::stelle(const QObject* f) const {
  for (int g = 0; g < 3; ++g) {
    if (gruppen_[static_cast<std::size_t>(g)].x == f) return {g, false};
    if (gruppen_[static_cast<std::size_t>(g)].y == f) return {g, true};
  }
  return {-1, false};
}

void Koordinatenpanel::feldBetreten(QLineEdit* f) {
  QPalette p = f->palette();
  p.setColor(QPalette::Base, kFokusfarbe);
  f->setPalette(p);
  emit kurztasten(false);
}

void Koordinatenpanel::feldVerlassen(QLineEdit* f) {
  f->setPalette(QPalette());
  const auto [g, y] = stelle(f);
  const double grenze = kern_.maske().bogenwinkel && g == 2 ? kWinkelGrenze : kEingabeGrenze;
  f->setText(qtext(quarzel::feldVerlassen(f->text().toStdString(), grenze)));
  if (g >= 0) {
    Koordinateneingabe::Gruppe& k = kern_.gruppen[static_cast<std::size_t>(g)];
    (y ? k.y : k.x) = f->text().toStdString();
  }
  emit kurztasten(true);
}

bool Koordinatenpanel::eventFilter(QObject* objekt, QEvent* ereignis) {
  auto* f = qobject_cast<QLineEdit*>(objekt);
  if (f == nullptr) return QDockWidget::eventFilter(objekt, ereignis);
  switch (ereignis->type()) {
    case QEvent::FocusIn:
      feldBetreten(f);
      break;
    case QEvent::FocusOut:
      feldVerlassen(f);
      break;
    case QEvent::ShortcutOverride:
      // "Gesamtes Blatt" is wanted more than the start of the line.
      if (static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Home) {
        ereignis->ignore();
        return true;
      }
      break;
    case QEvent::KeyPress: {
      const auto* k = static_cast<QKeyEvent*>(ereignis);
      const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
      // "Q" in a first field is the one-handed Enter of the numeric pad user.
      const bool q = k->key() == Qt::Key_Q && !stelle(f).second && (k->modifiers() & ~Qt::ShiftModifier) == 0;
      if (enter || q) {
        ok();
        return true;
      }
      if (k->key() == Qt::Key_Escape) {
        abbrechen();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QDockWidget::eventFilter(objekt, ereignis);
}

void Koordinatenpanel::fokusGewechselt(QWidget* alt, QWidget* neu) {
  const bool warDrin = alt != nullptr && isAncestorOf(alt);
  const bool istDrin = neu != nullptr && isAncestorOf(neu);
  if (warDrin && !istDrin) steuerung_.panelVerlassen();
}

}  // namespace quarzel
