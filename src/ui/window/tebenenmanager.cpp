#include "ui/window/tebenenmanager.h"

#include <QButtonGroup>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QRadioButton>
#include <QSettings>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/zahlformat.h"
#include "store/ebenenoperationen.h"
#include "store/ebenenverwaltung.h"
#include "store/zeichnung.h"
#include "ui/window/ebenenbefehle.h"
#include "ui/window/sitzung.h"

namespace quarzel {

namespace {

const QString Gruppe = QStringLiteral("Ebenenmanager");
constexpr int RolleEbene = Qt::UserRole;
constexpr int RolleFolie = Qt::UserRole + 1;
// Set on a "sichtbar" cell whose box the visibility mode overrides.
constexpr int RolleOhneWirkung = Qt::UserRole + 2;

const QString HinweisAlleEbenen = QStringLiteral(
    "Ohne Wirkung: im Modus \"Alle Ebenen sichtbar\" sind alle Ebenen sichtbar. "
    "Die Häkchen gelten mit \"Ausgewählte Ebenen sichtbar\".");
const QString HinweisNurAktive = QStringLiteral(
    "Ohne Wirkung: im Modus \"Nur aktive Ebene sichtbar\" ist nur die aktive Ebene sichtbar. "
    "Die Häkchen gelten mit \"Ausgewählte Ebenen sichtbar\".");
const QString HinweisAlles = QStringLiteral(
    "Ohne Wirkung: \"Alle Ebenen und Unterebenen sichtbar\" ist eingeschaltet.");

// Draws the "sichtbar" boxes that have no effect greyed and ignores clicks
// on them: a user cannot guess that the mode overrides them.
class Sichtbarkeitsspalte final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(RolleOhneWirkung).toBool()) return;
    // Styles draw the check mark from the palette in force, not from the state alone.
    option->state &= ~QStyle::State_Enabled;
    option->palette.setCurrentColorGroup(QPalette::Disabled);
  }
  bool editorEvent(QEvent* ereignis, QAbstractItemModel* modell, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
    if (index.data(RolleOhneWirkung).toBool()) return false;
    return QStyledItemDelegate::editorEvent(ereignis, modell, option, index);
  }
};

// Why a layer's box has no effect now; empty when it has one.
QString ebenenhinweis(const Ebenen& e) {
  if (e.allesSichtbar) return HinweisAlles;
  if (e.modus == Sichtbarkeitsmodus::Alle) return HinweisAlleEbenen;
  if (e.modus == Sichtbarkeitsmodus::NurAktive) return HinweisNurAktive;
  return {};
}

void wirkungZeigen(QTreeWidgetItem* zeile, const QString& hinweis) {
  zeile->setData(TEbenenmanager::SpalteSichtbar, RolleOhneWirkung, !hinweis.isEmpty());
  zeile->setToolTip(TEbenenmanager::SpalteSichtbar, hinweis);
}

int ebeneVon(const QTreeWidgetItem* z) {
  return z ? z->data(TEbenenmanager::SpalteEbene, RolleEbene).toInt() : 0;
}
int folieVon(const QTreeWidgetItem* z) {
  return z ? z->data(TEbenenmanager::SpalteEbene, RolleFolie).toInt() : 0;
}

QString massstabText(double nenner) {
  return QStringLiteral("M 1:") + QString::fromStdString(schreibeZahl(nenner));
}

Qt::CheckState haken(bool an) {
  return an ? Qt::Checked : Qt::Unchecked;
}

}  // namespace

void Ebenenbaum::dropEvent(QDropEvent* ereignis) {
  QTreeWidgetItem* quelle = currentItem();
  QTreeWidgetItem* ziel = itemAt(ereignis->position().toPoint());
  // The grid is rebuilt from the tables: Qt must not move the row itself.
  ereignis->setDropAction(Qt::IgnoreAction);
  ereignis->accept();
  if (quelle != nullptr && ziel != nullptr && quelle != ziel) emit abgelegt(quelle, ziel);
}

TEbenenmanager::TEbenenmanager(Ebenenbefehle& befehle, QWidget* eltern)
    : QDockWidget(QStringLiteral("Ebenenmanager"), eltern), befehle_(befehle) {
  setObjectName(QStringLiteral("TEbenenmanager"));
  auto* inhalt = new QWidget(this);
  auto* haupt = new QVBoxLayout(inhalt);
  haupt->setContentsMargins(4, 4, 4, 4);

  auto* modus = new QHBoxLayout;
  normal_ = new QRadioButton(QStringLiteral("Normaler Modus"), inhalt);
  reduziertKnopf_ = new QRadioButton(QStringLiteral("Reduzierter Modus"), inhalt);
  normal_->setChecked(true);
  modus->addWidget(normal_);
  modus->addWidget(reduziertKnopf_);
  modus->addStretch(1);
  connect(reduziertKnopf_, &QRadioButton::toggled, this, &TEbenenmanager::setzeReduziert);
  haupt->addLayout(modus);

  auto* massstab = new QHBoxLayout;
  massstab->addWidget(new QLabel(QStringLiteral("Zeichnungsmaßstab"), inhalt));
  zeichnungsmassstab_ = new QLabel(inhalt);
  zeichnungsmassstab_->setObjectName(QStringLiteral("Zeichnungsmassstab"));
  massstab->addWidget(zeichnungsmassstab_);
  massstab->addStretch(1);
  haupt->addLayout(massstab);

  raster_ = new Ebenenbaum(inhalt);
  raster_->setObjectName(QStringLiteral("Ebenenraster"));
  raster_->setHeaderLabels({QStringLiteral("Eb."), QStringLiteral("aktiv"), QStringLiteral("Ue."),
                            QStringLiteral("Bezeichnung"), QStringLiteral("sichtbar"), QStringLiteral("geschützt"),
                            QStringLiteral("Maßstab")});
  raster_->setColumnCount(7);
  raster_->setUniformRowHeights(true);
  raster_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  raster_->setSelectionMode(QAbstractItemView::SingleSelection);
  raster_->setDragDropMode(QAbstractItemView::InternalMove);
  raster_->setDefaultDropAction(Qt::MoveAction);
  raster_->header()->setStretchLastSection(false);
  raster_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  raster_->header()->setSectionResizeMode(SpalteBezeichnung, QHeaderView::Stretch);
  raster_->setItemDelegateForColumn(SpalteSichtbar, new Sichtbarkeitsspalte(raster_));
  connect(raster_, &QTreeWidget::itemChanged, this, &TEbenenmanager::zelleGeaendert);
  connect(raster_, &QTreeWidget::itemDoubleClicked, this, &TEbenenmanager::zelleDoppelklick);
  connect(raster_, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* z) {
    if (!baut_) eingeklappt_.insert(ebeneVon(z));
  });
  connect(raster_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* z) {
    if (!baut_) eingeklappt_.remove(ebeneVon(z));
  });
  connect(raster_, &Ebenenbaum::abgelegt, this, &TEbenenmanager::verschiebeZeile);
  haupt->addWidget(raster_, 1);

  knopfbereich_ = baueKnoepfe();
  haupt->addWidget(knopfbereich_);
  setWidget(inhalt);

  connect(&befehle_, &Ebenenbefehle::ebenenGeaendert, this, &TEbenenmanager::aktualisieren);
  aktualisieren();
}

QAbstractButton* TEbenenmanager::neuerKnopf(QWidget* eltern, const QString& text, bool umschalter,
                                            std::function<void(bool)> tat) {
  auto* k = new QToolButton(eltern);
  k->setText(text);
  k->setToolTip(text);
  k->setCheckable(umschalter);
  k->setToolButtonStyle(Qt::ToolButtonTextOnly);
  k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(k, &QToolButton::clicked, this, [tat = std::move(tat)](bool an) { tat(an); });
  knoepfe_.append(k);
  return k;
}

QWidget* TEbenenmanager::baueKnoepfe() {
  auto* bereich = new QWidget(this);
  auto* raster = new QGridLayout(bereich);
  raster->setContentsMargins(0, 0, 0, 0);
  raster->setSpacing(2);
  auto* modi = new QButtonGroup(bereich);
  auto modusKnopf = [&](const QString& text, Sichtbarkeitsmodus m) {
    QAbstractButton* k = neuerKnopf(bereich, text, true, [this, m](bool) {
      Zeichnung& z = befehle_.zeichnung();
      if (z.ebenen.modus == m) return;
      z.ebenen.modus = m;
      z.speicher.setzeModifiziert(true);
      befehle_.geaendert();
    });
    modi->addButton(k);
    return k;
  };
  auto schalter = [&](const QString& text, bool Ebenen::*feld) {
    return neuerKnopf(bereich, text, true, [this, feld](bool an) {
      Zeichnung& z = befehle_.zeichnung();
      z.ebenen.*feld = an;
      z.speicher.setzeModifiziert(true);
      befehle_.geaendert();
    });
  };
  int zeile = 0;
  raster->addWidget(modusKnopf(QStringLiteral("Nur aktive Ebene sichtbar"), Sichtbarkeitsmodus::NurAktive), zeile, 0);
  raster->addWidget(modusKnopf(QStringLiteral("Alle Ebenen sichtbar"), Sichtbarkeitsmodus::Alle), zeile++, 1);
  raster->addWidget(modusKnopf(QStringLiteral("Ausgewählte Ebenen sichtbar"), Sichtbarkeitsmodus::Ausgewaehlte), zeile,
                    0);
  raster->addWidget(schalter(QStringLiteral("Alle Ebenen und Unterebenen sichtbar"), &Ebenen::allesSichtbar), zeile++,
                    1);
  raster->addWidget(neuerKnopf(bereich, QStringLiteral("Inaktive Ebenen grau darstellen"), true,
                               [this](bool an) { befehle_.setzeGrauEbenen(an); }),
                    zeile, 0);
  raster->addWidget(neuerKnopf(bereich, QStringLiteral("Inaktive Unterebenen grau darstellen"), true,
                               [this](bool an) { befehle_.setzeGrauFolien(an); }),
                    zeile++, 1);
  raster->addWidget(
      neuerKnopf(bereich, QStringLiteral("Alle Unterebenen einklappen"), false, [this](bool) { alleEinklappen(); }),
      zeile, 0);
  raster->addWidget(
      neuerKnopf(bereich, QStringLiteral("Alle Unterebenen ausklappen"), false, [this](bool) { alleAusklappen(); }),
      zeile++, 1);
  raster->addWidget(neuerKnopf(bereich, QStringLiteral("Neue Ebene..."), false, [this](bool) { befehle_.neueEbene(); }),
                    zeile, 0);
  raster->addWidget(
      neuerKnopf(bereich, QStringLiteral("Neue Unterebene..."), false, [this](bool) { befehle_.neueUnterebene(); }),
      zeile++, 1);
  raster->addWidget(neuerKnopf(bereich, QStringLiteral("Nach oben"), false, [this](bool) { nachOben(); }), zeile, 0);
  raster->addWidget(neuerKnopf(bereich, QStringLiteral("Nach unten"), false, [this](bool) { nachUnten(); }), zeile++,
                    1);
  return bereich;
}

QAbstractButton* TEbenenmanager::knopf(const QString& text) const {
  for (QAbstractButton* k : knoepfe_)
    if (k->text() == text) return k;
  return nullptr;
}

// --- The grid ----------------------------------------------------------------

void TEbenenmanager::aktualisieren() {
  const Zeichnung& z = befehle_.zeichnung();
  const Ebenen& e = z.ebenen;
  baut_ = true;
  const QTreeWidgetItem* gewaehlt = raster_->currentItem();
  const int gewaehlteEbene = ebeneVon(gewaehlt);
  const int gewaehlteFolie = folieVon(gewaehlt);
  raster_->clear();
  QTreeWidgetItem* neueAuswahl = nullptr;
  for (int n = 1; n <= e.anzahl(); ++n) {
    auto* zeile = new QTreeWidgetItem(raster_);
    zeile->setData(SpalteEbene, RolleEbene, n);
    zeile->setData(SpalteEbene, RolleFolie, 0);
    zeile->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled |
                    Qt::ItemIsDropEnabled);
    zeile->setText(SpalteEbene, QString::number(n));
    zeile->setCheckState(SpalteAktiv, haken(n == e.aktiveEbene()));
    zeile->setText(SpalteBezeichnung, QString::fromStdString(e.name(n)));
    zeile->setCheckState(SpalteSichtbar, haken(e.sichtbarFlag(n) == 1));
    wirkungZeigen(zeile, ebenenhinweis(e));
    zeile->setCheckState(SpalteGeschuetzt, haken((e.anzeigezustand(n) & AnzeigeGeschuetzt) != 0));
    zeile->setText(SpalteMassstab, massstabText(massstabVon(z, n)));
    if (e.massstab(n) == 0) zeile->setToolTip(SpalteMassstab, QStringLiteral("Zeichnungsmaßstab"));
    if (n == e.aktiveEbene()) {
      QFont f = zeile->font(SpalteBezeichnung);
      f.setBold(true);
      zeile->setFont(SpalteBezeichnung, f);
    }
    if (n == gewaehlteEbene && gewaehlteFolie == 0) neueAuswahl = zeile;
    if (reduziert_) continue;
    for (int f = 1; f <= e.folienanzahl(n); ++f) {
      auto* unter = new QTreeWidgetItem(zeile);
      unter->setData(SpalteEbene, RolleEbene, n);
      unter->setData(SpalteEbene, RolleFolie, f);
      unter->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled |
                      Qt::ItemIsDropEnabled);
      unter->setCheckState(SpalteAktiv, haken(n == e.aktiveEbene() && f == e.aktiveFolie()));
      unter->setText(SpalteFolie, QString::number(f));
      unter->setText(SpalteBezeichnung, QString::fromStdString(e.folienname(n, f)));
      const std::uint8_t zustand = e.folienzustand(n, f);
      unter->setCheckState(SpalteSichtbar, haken((zustand & FolieAusgeblendet) == 0));
      wirkungZeigen(unter, e.allesSichtbar ? HinweisAlles : QString());
      unter->setCheckState(SpalteGeschuetzt, haken((zustand & FolieGeschuetzt) != 0));
      if (n == gewaehlteEbene && f == gewaehlteFolie) neueAuswahl = unter;
    }
    zeile->setExpanded(!eingeklappt_.contains(n));
  }
  if (neueAuswahl != nullptr) raster_->setCurrentItem(neueAuswahl);
  raster_->setRootIsDecorated(!reduziert_);
  for (int s : {int(SpalteFolie), int(SpalteSichtbar), int(SpalteGeschuetzt)}) raster_->setColumnHidden(s, reduziert_);
  zeichnungsmassstab_->setText(massstabText(z.ansicht.drawingScale));

  auto setze = [this](const QString& text, bool an) {
    if (QAbstractButton* k = knopf(text)) {
      const QSignalBlocker sperre(k);
      k->setChecked(an);
    }
  };
  setze(QStringLiteral("Nur aktive Ebene sichtbar"), e.modus == Sichtbarkeitsmodus::NurAktive);
  setze(QStringLiteral("Alle Ebenen sichtbar"), e.modus == Sichtbarkeitsmodus::Alle);
  setze(QStringLiteral("Ausgewählte Ebenen sichtbar"), e.modus == Sichtbarkeitsmodus::Ausgewaehlte);
  setze(QStringLiteral("Alle Ebenen und Unterebenen sichtbar"), e.allesSichtbar);
  setze(QStringLiteral("Inaktive Ebenen grau darstellen"), e.grauInaktiveEbenen);
  setze(QStringLiteral("Inaktive Unterebenen grau darstellen"), e.grauInaktiveFolien);
  baut_ = false;
}

QTreeWidgetItem* TEbenenmanager::zeile(int ebene, int folie) const {
  QTreeWidgetItem* oben = raster_->topLevelItem(ebene - 1);
  if (oben == nullptr || ebene < 1) return nullptr;
  if (folie == 0) return oben;
  return folie >= 1 && folie <= oben->childCount() ? oben->child(folie - 1) : nullptr;
}

void TEbenenmanager::spaeter(std::function<void()> tat) {
  QTimer::singleShot(0, this, std::move(tat));
}

void TEbenenmanager::zelleGeaendert(QTreeWidgetItem* zeile, int spalte) {
  if (baut_ || zeile == nullptr) return;
  const int e = ebeneVon(zeile);
  const int f = folieVon(zeile);
  const bool an = zeile->checkState(spalte) == Qt::Checked;
  // The same limit as the name fields of the dialogs; the drawing file keeps
  // names as short strings.
  const std::string text = zeile->text(SpalteBezeichnung).trimmed().left(200).toStdString();
  Ebenenbefehle& b = befehle_;
  switch (spalte) {
    case SpalteAktiv:
      spaeter([&b, e, f, an] {
        if (!an) {
          // Something is always active: unticking only puts the tick back.
          b.geaendert(false);
        } else if (f == 0) {
          b.aktiviereEbene(e);
        } else {
          b.aktiviereUnterebene(e, f);
        }
      });
      return;
    case SpalteSichtbar:
      spaeter([&b, e, f, an] {
        if (f == 0) {
          setzeEbeneSichtbar(b.zeichnung(), e, an);
        } else {
          setzeFolieSichtbar(b.zeichnung(), e, f, an);
        }
        b.geaendert();
      });
      return;
    case SpalteGeschuetzt:
      spaeter([&b, e, f, an] {
        if (f == 0) {
          setzeEbeneGeschuetzt(b.zeichnung(), e, an);
        } else {
          setzeFolieGeschuetzt(b.zeichnung(), e, f, an);
        }
        b.geaendert();
      });
      return;
    case SpalteBezeichnung:
      spaeter([&b, e, f, text] {
        if (f == 0) {
          benenneEbene(b.zeichnung(), e, text);
        } else {
          benenneFolie(b.zeichnung(), e, f, text);
        }
        // An empty name was refused: the grid shows the old one again.
        b.geaendert(false);
      });
      return;
    default:
      return;
  }
}

void TEbenenmanager::zelleDoppelklick(QTreeWidgetItem* zeile, int spalte) {
  if (zeile == nullptr) return;
  if (spalte == SpalteBezeichnung) {
    raster_->editItem(zeile, spalte);
    return;
  }
  const int e = ebeneVon(zeile);
  if (spalte != SpalteMassstab || folieVon(zeile) != 0) return;
  spaeter([this, e] {
    Zeichnung& z = befehle_.zeichnung();
    if (!z.ebenen.existiert(e)) return;
    const std::optional<std::string> antwort = befehle_.sitzung().benutzer.eingabe(
        "Maßstab", "Maßstab 1: (0 = Zeichnungsmaßstab)", schreibeZahl(z.ebenen.massstab(e)));
    if (!antwort) return;
    const std::optional<double> wert = leseZahl(*antwort);
    if (!wert) {
      befehle_.sitzung().benutzer.meldung("Bitte geben Sie eine Zahl ein.", Meldungsart::Warnung);
      return;
    }
    setzeEbenenmassstab(z, e, *wert);
    befehle_.geaendert();
  });
}

// --- Order and folding -------------------------------------------------------

void TEbenenmanager::waehle(int ebene, int folie) {
  if (QTreeWidgetItem* z = zeile(ebene, folie)) raster_->setCurrentItem(z);
}

void TEbenenmanager::verschiebeUm(int richtung) {
  QTreeWidgetItem* aktuell = raster_->currentItem();
  if (aktuell == nullptr) return;
  verschiebeZeile(aktuell, folieVon(aktuell) == 0 ? zeile(ebeneVon(aktuell) + richtung)
                                                  : zeile(ebeneVon(aktuell), folieVon(aktuell) + richtung));
}

void TEbenenmanager::nachOben() {
  verschiebeUm(-1);
}

void TEbenenmanager::nachUnten() {
  verschiebeUm(+1);
}

void TEbenenmanager::verschiebeZeile(QTreeWidgetItem* quelle, QTreeWidgetItem* ziel) {
  if (quelle == nullptr || ziel == nullptr) return;
  const int qe = ebeneVon(quelle), qf = folieVon(quelle);
  const int ze = ebeneVon(ziel), zf = folieVon(ziel);
  spaeter([this, qe, qf, ze, zf] {
    Zeichnung& z = befehle_.zeichnung();
    bool bewegt = false;
    if (qf == 0 && zf == 0) {
      bewegt = verschiebeEbene(z, qe, ze);
      if (bewegt) {
        befehle_.geaendert();
        waehle(ze, 0);
      }
    } else if (qf != 0 && zf != 0 && qe == ze) {
      bewegt = verschiebeFolie(z, qe, qf, zf);
      if (bewegt) {
        befehle_.geaendert();
        waehle(ze, zf);
      }
    }
  });
}

void TEbenenmanager::alleEinklappen() {
  for (int n = 1; n <= raster_->topLevelItemCount(); ++n) eingeklappt_.insert(n);
  raster_->collapseAll();
}

void TEbenenmanager::alleAusklappen() {
  eingeklappt_.clear();
  raster_->expandAll();
}

void TEbenenmanager::setzeReduziert(bool reduziert) {
  if (reduziertKnopf_->isChecked() != reduziert) {
    const QSignalBlocker sperre(reduziertKnopf_);
    reduziertKnopf_->setChecked(reduziert);
    normal_->setChecked(!reduziert);
  }
  if (reduziert_ == reduziert) return;
  reduziert_ = reduziert;
  knopfbereich_->setVisible(!reduziert);
  aktualisieren();
}

// --- Place in the per-user settings ------------------------------------------

void TEbenenmanager::ladeLage() {
  QSettings s;
  s.beginGroup(Gruppe);
  setzeReduziert(s.value(QStringLiteral("Reduziert"), false).toBool());
  auto* fenster = qobject_cast<QMainWindow*>(parentWidget());
  const int bereich = s.value(QStringLiteral("Bereich"), int(Qt::RightDockWidgetArea)).toInt();
  if (fenster != nullptr &&
      (bereich == Qt::LeftDockWidgetArea || bereich == Qt::RightDockWidgetArea || bereich == Qt::TopDockWidgetArea ||
       bereich == Qt::BottomDockWidgetArea) &&
      fenster->dockWidgetArea(this) != bereich) {
    fenster->addDockWidget(static_cast<Qt::DockWidgetArea>(bereich), this);
  }
  if (s.value(QStringLiteral("Schwebend"), false).toBool()) {
    setFloating(true);
    // restoreGeometry() checks what it reads and refuses damaged values.
    restoreGeometry(s.value(QStringLiteral("Geometrie")).toByteArray());
  }
  setVisible(s.value(QStringLiteral("Sichtbar"), true).toBool());
}

void TEbenenmanager::speichereLage() const {
  QSettings s;
  s.beginGroup(Gruppe);
  // isHidden(), not isVisible(): a closing window hides the dock with it.
  s.setValue(QStringLiteral("Sichtbar"), !isHidden());
  s.setValue(QStringLiteral("Schwebend"), isFloating());
  if (auto* fenster = qobject_cast<QMainWindow*>(parentWidget()))
    s.setValue(QStringLiteral("Bereich"), int(fenster->dockWidgetArea(const_cast<TEbenenmanager*>(this))));
  s.setValue(QStringLiteral("Geometrie"), saveGeometry());
  s.setValue(QStringLiteral("Reduziert"), reduziert_);
}

}  // namespace quarzel
