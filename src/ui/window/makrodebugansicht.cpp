#include "ui/window/makrodebugansicht.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "macro/makrointerpreter.h"

namespace quarzel {

namespace {

// A stack of a million entries would make a million rows; the top is what matters.
constexpr std::size_t kHoechsteZeilen = 2000;

QTableWidget* tabelle(const QStringList& spalten) {
  auto* t = new QTableWidget(0, int(spalten.size()));
  t->setHorizontalHeaderLabels(spalten);
  t->horizontalHeader()->setStretchLastSection(true);
  t->verticalHeader()->setVisible(false);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return t;
}

QString qtext(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

Makrodebugansicht::Makrodebugansicht(QWidget* eltern) : QWidget(eltern) {
  lage_ = new QLabel(this);
  warnungen_ = new QLabel(this);
  warnungen_->setWordWrap(true);
  warnungen_->setStyleSheet(QStringLiteral("color: #b00000"));
  stapel_ = tabelle({QStringLiteral("Stack")});
  variablen_ = tabelle({QStringLiteral("Variable"), QStringLiteral("Wert")});
  unterprogramme_ = new QListWidget(this);
  einzelschritt_ = new QCheckBox(QStringLiteral("Einzelschritt"), this);
  naechster_ = new QPushButton(QStringLiteral("Nächster Schritt"), this);
  naechster_->setEnabled(false);

  auto* schritte = new QHBoxLayout;
  schritte->addWidget(einzelschritt_);
  schritte->addWidget(naechster_);
  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->addLayout(schritte);
  spalte->addWidget(lage_);
  spalte->addWidget(warnungen_);
  spalte->addWidget(stapel_, 2);
  spalte->addWidget(variablen_, 3);
  spalte->addWidget(new QLabel(QStringLiteral("Unterprogramme"), this));
  spalte->addWidget(unterprogramme_, 1);
}

void Makrodebugansicht::zeige(const Makrointerpreter& interpreter) {
  const Makrostapel& s = interpreter.stapel();
  const std::size_t zeilen = std::min(s.groesse(), kHoechsteZeilen);
  stapel_->setRowCount(int(zeilen));
  for (std::size_t i = 0; i < zeilen; ++i)
    stapel_->setItem(int(i), 0, new QTableWidgetItem(qtext(s.oben(i))));

  const Makrovariablen& v = interpreter.variablen();
  const std::size_t anzahl = std::min(v.anzahl(), kHoechsteZeilen);
  variablen_->setRowCount(int(anzahl));
  for (std::size_t i = 0; i < anzahl; ++i) {
    variablen_->setItem(int(i), 0, new QTableWidgetItem(qtext(v.name(i))));
    variablen_->setItem(int(i), 1, new QTableWidgetItem(qtext(v.wert(i))));
  }

  unterprogramme_->clear();
  for (const std::string& name : interpreter.unterprogramme()) unterprogramme_->addItem(qtext(name));

  const Tokenprogramm& p = interpreter.programm();
  const std::size_t pc = interpreter.befehlszaehler();
  QString lage = QStringLiteral("Aufruftiefe %1, Schleifentiefe %2")
                     .arg(interpreter.aufruftiefe())
                     .arg(interpreter.schleifentiefe());
  if (pc < p.laenge()) lage += QStringLiteral(", nächster Befehl: %1").arg(qtext(std::string(p.inhalt(pc))));
  lage_->setText(lage);

  QStringList w;
  for (const std::string& t : interpreter.warnungen()) w << qtext(t);
  warnungen_->setText(w.join(QLatin1Char('\n')));
  warnungen_->setVisible(!w.isEmpty());
}

void Makrodebugansicht::setzeHaelt(bool haelt) {
  naechster_->setEnabled(haelt);
}

}  // namespace quarzel
