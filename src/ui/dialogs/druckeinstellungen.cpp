#include "ui/dialogs/druckeinstellungen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialogs/dialogknoepfe.h"

namespace quarzel {

namespace {

QLabel* hinweis(const QString& text, QWidget* eltern) {
  auto* l = new QLabel(text, eltern);
  l->setWordWrap(true);
  l->setObjectName(QStringLiteral("Hinweis"));
  QFont klein = l->font();
  klein.setPointSizeF(klein.pointSizeF() * 0.9);
  l->setFont(klein);
  return l;
}

QCheckBox* schalter(const QString& text, bool an, QWidget* eltern) {
  auto* k = new QCheckBox(text, eltern);
  k->setChecked(an);
  return k;
}

}  // namespace

TDruckeinstellungen::TDruckeinstellungen(const einstellung::Drucken& drucken,
                                         const einstellung::Graueinstellungen& grau, QWidget* eltern)
    : QDialog(eltern), drucken_(drucken), grau_(grau) {
  setWindowTitle(QStringLiteral("Erweiterte Druckeinstellungen"));
  auto* spalte = new QVBoxLayout(this);

  auto* verfahren = new QGroupBox(QStringLiteral("Druckmethode"), this);
  auto* vs = new QVBoxLayout(verfahren);
  methode_ = new QComboBox(verfahren);
  methode_->addItems({QStringLiteral("Automatisch auswählen"), QStringLiteral("Rastern im Druckertreiber"),
                      QStringLiteral("Rastern in Quarzel")});
  methode_->setCurrentIndex(std::clamp(drucken.funktion, 0, 2));
  vs->addWidget(methode_);
  vs->addWidget(
      hinweis(QStringLiteral("Rastern im Druckertreiber benötigt weniger Speicher und ist meistens schneller, "
                             "allerdings unterstützen viele Druckertreiber nicht alle in Quarzel möglichen "
                             "Effekte."),
              verfahren));
  auto* segmentzeile = new QFormLayout;
  segmente_ = new QComboBox(verfahren);
  segmente_->addItems({QStringLiteral("256 MByte"), QStringLiteral("64 MByte"), QStringLiteral("8 MByte")});
  segmente_->setCurrentIndex(std::clamp(drucken.segmente, 0, 2));
  segmentzeile->addRow(QStringLiteral("Maximale Segmentgröße"), segmente_);
  vs->addLayout(segmentzeile);
  vs->addWidget(
      hinweis(QStringLiteral("Maximale Größe eines Teilstücks, dass zum Drucker gesendet wird. Größere Stücke "
                             "sind schneller, aber erfordern entsprechend viel Speicherplatz."),
              verfahren));
  texturgrenze_ = schalter(QStringLiteral("Texturen auf 64 KB begrenzen"), drucken.texturgrenze, verfahren);
  vs->addWidget(texturgrenze_);
  vs->addWidget(
      hinweis(QStringLiteral("Einige Druckertreiber unterstützen Texturen nur bis zu einer Größe von 64 KB, für "
                             "größere Texturen bitte das  Rastern in Quarzel verwenden."),
              verfahren));
  spalte->addWidget(verfahren);

  keineHilfslinien_ =
      schalter(QStringLiteral("Hilfslinien beim Drucken immer ausblenden"), drucken.keineHilfslinien, this);
  keineMarker_ = schalter(QStringLiteral("Marker beim Drucken immer ausblenden"), drucken.keineMarker, this);
  pdfOptimieren_ = schalter(QStringLiteral("Für PDF-Ausgabe optimieren"), drucken.pdfOptimieren, this);
  spalte->addWidget(keineHilfslinien_);
  spalte->addWidget(keineMarker_);
  spalte->addWidget(pdfOptimieren_);

  auto* papier = new QGroupBox(QStringLiteral("Auf dem Papier"), this);
  auto* ps = new QVBoxLayout(papier);
  ganzeZeichnung_ =
      schalter(QStringLiteral("Gesamte Zeichnung drucken (sonst das Blatt)"), drucken.ganzeZeichnung, papier);
  automatischeAusrichtung_ =
      schalter(QStringLiteral("Hoch- oder Querformat automatisch wählen"), drucken.automatischeAusrichtung, papier);
  raenderIgnorieren_ = schalter(QStringLiteral("Druckränder ignorieren"), drucken.raenderIgnorieren, papier);
  ps->addWidget(ganzeZeichnung_);
  ps->addWidget(automatischeAusrichtung_);
  ps->addWidget(raenderIgnorieren_);
  spalte->addWidget(papier);

  auto* graudruck = new QGroupBox(QStringLiteral("Grau drucken"), this);
  auto* gs = new QVBoxLayout(graudruck);
  grauEbenen_ = schalter(QStringLiteral("Inaktive Ebenen grau drucken"), grau.grauplanteildruck, graudruck);
  grauFolien_ = schalter(QStringLiteral("Inaktive Unterebenen grau drucken"), grau.graufoliedruck, graudruck);
  gs->addWidget(grauEbenen_);
  gs->addWidget(grauFolien_);
  spalte->addWidget(graudruck);

  spalte->addWidget(okAbbrechenKnoepfe(this));
}

einstellung::Drucken TDruckeinstellungen::drucken() const {
  einstellung::Drucken d = drucken_;
  d.funktion = methode_->currentIndex();
  d.segmente = segmente_->currentIndex();
  d.texturgrenze = texturgrenze_->isChecked();
  d.keineHilfslinien = keineHilfslinien_->isChecked();
  d.keineMarker = keineMarker_->isChecked();
  d.pdfOptimieren = pdfOptimieren_->isChecked();
  d.ganzeZeichnung = ganzeZeichnung_->isChecked();
  d.automatischeAusrichtung = automatischeAusrichtung_->isChecked();
  d.raenderIgnorieren = raenderIgnorieren_->isChecked();
  return d;
}

einstellung::Graueinstellungen TDruckeinstellungen::grau() const {
  einstellung::Graueinstellungen g = grau_;
  g.grauplanteildruck = grauEbenen_->isChecked();
  g.graufoliedruck = grauFolien_->isChecked();
  return g;
}

}  // namespace quarzel
