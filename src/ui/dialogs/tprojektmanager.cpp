#include "ui/dialogs/tprojektmanager.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/benutzer.h"
#include "store/ansichtsverwaltung.h"
#include "store/zeichnung.h"
#include "ui/dialogs/hilfefenster.h"

namespace quarzel {

namespace {

constexpr int kErsteZeile = 1;
constexpr int kLetzteZeile = Ansichtstabelle::Slotzahl - 1;

}  // namespace

TProjektmanager::TProjektmanager(Anschluss anschluss, bool& ausschnittBeibehalten, QWidget* eltern)
    : QDialog(eltern), a_(std::move(anschluss)), ausschnittBeibehalten_(ausschnittBeibehalten) {
  setObjectName(QStringLiteral("TProjektmanager"));
  setWindowTitle(QStringLiteral("Ansichtenmanager"));
  auto* zeile = new QHBoxLayout(this);

  liste_ = new QListWidget(this);
  liste_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int n = kErsteZeile; n <= kLetzteZeile; ++n) liste_->addItem(QString());
  zeile->addWidget(liste_, 1);

  auto* spalte = new QVBoxLayout;
  zeile->addLayout(spalte);
  auto hinzu = [&](const QString& text, const QString& hinweis, std::function<void()> tat) {
    spalte->addWidget(neuerKnopf(text, hinweis, std::move(tat)));
  };
  hinzu(QStringLiteral("Ansicht definieren"), QStringLiteral("Ansicht definieren"), [this] { definieren(); });
  hinzu(QStringLiteral("Ansicht zeigen"), QStringLiteral("Ansicht zeigen"), [this] { zeigen(); });
  hinzu(QStringLiteral("Ansicht umbennen"), QStringLiteral("Ansicht umbennen"), [this] { umbenennen(); });
  hinzu(QStringLiteral("Ansicht löschen"), QStringLiteral("Ansicht löschen"), [this] { loeschen(); });
  spalte->addSpacing(8);
  hinzu(QStringLiteral("▲"), QStringLiteral("Ansicht eine Zeile nach oben verschieben"), [this] { verschiebe(-1); });
  hinzu(QStringLiteral("▼"), QStringLiteral("Ansicht eine Zeile nach unten verschieben"), [this] { verschiebe(1); });
  hinzu(QStringLiteral("▲ 10"), QStringLiteral("Ansicht zehn Zeilen oben verschieben"), [this] { verschiebe(-10); });
  hinzu(QStringLiteral("▼ 10"), QStringLiteral("Ansicht 10 Zeilen nach unten verschieben"), [this] { verschiebe(10); });
  spalte->addSpacing(8);
  QAbstractButton* beibehalten =
      neuerKnopf(QStringLiteral("Bildausschnit beibehalten"), QStringLiteral("Bildausschnit beibehalten"), {});
  beibehalten->setCheckable(true);
  beibehalten->setChecked(ausschnittBeibehalten_);
  connect(beibehalten, &QAbstractButton::toggled, this, [this](bool an) { ausschnittBeibehalten_ = an; });
  spalte->addWidget(beibehalten);
  spalte->addStretch(1);
  hinzu(QStringLiteral("Hilfe"), QStringLiteral("Hilfe"), [this] { hilfe(); });
  auto* schliessen = new QDialogButtonBox(QDialogButtonBox::Close, this);
  schliessen->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
  connect(schliessen, &QDialogButtonBox::rejected, this, &QDialog::reject);
  spalte->addWidget(schliessen);

  connect(liste_, &QListWidget::currentRowChanged, this, [this] { knoepfeSetzen(); });
  connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { zeigen(); });
  aktualisieren();
  // The view shown last, or the first row.
  waehle(a_.zeichnung.ansichten.gezeigt() > 0 ? a_.zeichnung.ansichten.gezeigt() : kErsteZeile);
}

QAbstractButton* TProjektmanager::neuerKnopf(const QString& text, const QString& hinweis, std::function<void()> tat) {
  auto* k = new QPushButton(text, this);
  k->setToolTip(hinweis);
  k->setAutoDefault(false);
  if (tat) connect(k, &QPushButton::clicked, this, [tat = std::move(tat)] { tat(); });
  knoepfe_.append(k);
  return k;
}

QAbstractButton* TProjektmanager::knopf(const QString& hinweis) const {
  for (QAbstractButton* k : knoepfe_)
    if (k->toolTip() == hinweis) return k;
  return nullptr;
}

int TProjektmanager::gewaehlt() const {
  return liste_->currentRow() + kErsteZeile;
}

void TProjektmanager::waehle(int slot) {
  liste_->setCurrentRow(std::clamp(slot, kErsteZeile, kLetzteZeile) - kErsteZeile);
}

void TProjektmanager::aktualisieren() {
  const Ansichtstabelle& t = a_.zeichnung.ansichten;
  const QColor grau = palette().color(QPalette::Disabled, QPalette::Text);
  for (int n = kErsteZeile; n <= kLetzteZeile; ++n) {
    QListWidgetItem* eintrag = liste_->item(n - kErsteZeile);
    eintrag->setText(QStringLiteral("%1  %2").arg(n, 2).arg(QString::fromStdString(t.anzeigename(n))));
    eintrag->setForeground(t.definiert(n) ? palette().color(QPalette::Text) : grau);
  }
  knoepfeSetzen();
}

void TProjektmanager::knoepfeSetzen() {
  const bool definiert = a_.zeichnung.ansichten.definiert(gewaehlt());
  for (const char* hinweis : {"Ansicht zeigen", "Ansicht umbennen", "Ansicht löschen"}) {
    if (QAbstractButton* k = knopf(QString::fromUtf8(hinweis))) k->setEnabled(definiert);
  }
}

void TProjektmanager::tabelleGeaendert() {
  aktualisieren();
  if (a_.geaendert) a_.geaendert();
}

void TProjektmanager::definieren() {
  const Elementschalter schalter = a_.schalter ? a_.schalter() : Elementschalter{};
  if (definiereAnsicht(a_.zeichnung, gewaehlt(), schalter)) tabelleGeaendert();
}

void TProjektmanager::zeigen() {
  if (!a_.zeichnung.ansichten.definiert(gewaehlt()) || !a_.zeige) return;
  a_.zeige(gewaehlt());
}

void TProjektmanager::umbenennen() {
  const int slot = gewaehlt();
  if (!a_.zeichnung.ansichten.definiert(slot)) return;
  const auto name =
      a_.benutzer.eingabe("Ansicht umbennen", "Name der Ansicht:", a_.zeichnung.ansichten.anzeigename(slot));
  if (!name) return;
  if (name->empty()) {
    a_.benutzer.meldung(MeldungAnsichtOhneNamen, Meldungsart::Fehler);
    return;
  }
  if (benenneAnsichtUm(a_.zeichnung, slot, *name)) tabelleGeaendert();
}

void TProjektmanager::loeschen() {
  if (loescheAnsicht(a_.zeichnung, gewaehlt())) tabelleGeaendert();
}

void TProjektmanager::verschiebe(int zeilen) {
  const int vorher = gewaehlt();
  const int nachher = verschiebeAnsicht(a_.zeichnung, vorher, zeilen);
  if (nachher == vorher) return;
  waehle(nachher);
  tabelleGeaendert();
}

void TProjektmanager::hilfe() {
  auto* fenster = findChild<Hilfefenster*>();
  if (fenster == nullptr) fenster = new Hilfefenster(a_.hilfeordner, this);
  fenster->zeige(QStringLiteral("ansichtenmanager"));
}

}  // namespace quarzel
