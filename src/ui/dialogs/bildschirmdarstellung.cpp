#include "ui/dialogs/bildschirmdarstellung.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>

namespace quarzel {

namespace {

constexpr int kNichtEinfaerben = 3;

// A titled box of radio buttons; the button ids are their positions, and the
// choice `gewaehlt` is checked (the first one when out of range).
QButtonGroup* auswahlgruppe(QWidget* eltern, QGridLayout* raster, int zeile, int spalte, const QString& titel,
                            std::initializer_list<const char*> texte, int gewaehlt) {
  auto* box = new QGroupBox(titel, eltern);
  auto* lage = new QVBoxLayout(box);
  auto* gruppe = new QButtonGroup(box);
  int id = 0;
  for (const char* text : texte) {
    auto* knopf = new QRadioButton(QString::fromUtf8(text), box);
    gruppe->addButton(knopf, id++);
    lage->addWidget(knopf);
  }
  QAbstractButton* wahl = gruppe->button(gewaehlt);
  (wahl != nullptr ? wahl : gruppe->button(0))->setChecked(true);
  raster->addWidget(box, zeile, spalte);
  return gruppe;
}

}  // namespace

Darstellungswahl darstellungswahlAus(const einstellung::Darstellung& d, Darstellungswahl basis) {
  // Black would hide marked elements among the others, so a damaged value
  // falls back to red rather than to "Nicht einfärben".
  basis.markierteEinfaerben = d.markierung != kNichtEinfaerben;
  if (basis.markierteEinfaerben)
    basis.markierfarbe = einstellung::darstellungsfarbe(d.markierung >= 0 && d.markierung < 3 ? d.markierung : 0);
  basis.objektraenderAnzeigen = d.objektraender;
  const int mitte = d.mittelpunktmarkierung >= 0 && d.mittelpunktmarkierung <= 3 ? d.mittelpunktmarkierung : 2;
  basis.mittelpunkt = static_cast<Darstellungswahl::Mittelpunkt>(mitte);
  return basis;
}

TBildschirmdarstellung::TBildschirmdarstellung(const einstellung::Darstellung& abschnitt, const Darstellungswahl& wahl,
                                               QWidget* eltern)
    : QDialog(eltern), ausgang_(abschnitt), ausgangswahl_(wahl) {
  setWindowTitle(QStringLiteral("Bildschirmdarstellung"));
  auto* lage = new QVBoxLayout(this);
  auto* raster = new QGridLayout;
  lage->addLayout(raster);
  const auto farben = {"Rot", "Grün", "Blau", "Schwarz"};
  fadenkreuz_ =
      auswahlgruppe(this, raster, 0, 0, QStringLiteral("Farbe des Fadenkreuzes"), farben, abschnitt.fadenkreuz);
  referenzpunkt_ =
      auswahlgruppe(this, raster, 0, 1, QStringLiteral("Farbe des Referenzpunktes"), farben, abschnitt.referenzpunkt);
  objekte_ =
      auswahlgruppe(this, raster, 1, 0, QStringLiteral("Farbe beim Zeichnen von Objekten"), farben, abschnitt.objekte);
  markierung_ = auswahlgruppe(this, raster, 1, 1, QStringLiteral("Farbe von markierten Objekten"),
                              {"Rot", "Grün", "Blau", "Nicht einfärben"},
                              wahl.markierteEinfaerben ? abschnitt.markierung : kNichtEinfaerben);
  raender_ =
      auswahlgruppe(this, raster, 2, 0, QStringLiteral("Bei ausgeblendeten Füllungen"),
                    {"Objektränder nicht anzeigen", "Objektränder anzeigen"}, wahl.objektraenderAnzeigen ? 1 : 0);
  mittelpunkt_ = auswahlgruppe(this, raster, 2, 1, QStringLiteral("Mittelpunktmarkierung"),
                               {"Ohne", "Punkt", "Plus", "Kreuz"}, static_cast<int>(wahl.mittelpunkt));
  optimiert_ = new QCheckBox(QStringLiteral("Optimierter Bildaufbau"), this);
  optimiert_->setChecked(abschnitt.optimiert);
  lage->addWidget(optimiert_);
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  lage->addWidget(knoepfe);
}

einstellung::Darstellung TBildschirmdarstellung::abschnitt() const {
  einstellung::Darstellung d = ausgang_;
  d.fadenkreuz = fadenkreuz_->checkedId();
  d.referenzpunkt = referenzpunkt_->checkedId();
  d.objekte = objekte_->checkedId();
  d.markierung = markierung_->checkedId();
  d.optimiert = optimiert_->isChecked();
  d.objektraender = raender_->checkedId() == 1;
  d.mittelpunktmarkierung = mittelpunkt_->checkedId();
  return d;
}

Darstellungswahl TBildschirmdarstellung::wahl() const {
  return darstellungswahlAus(abschnitt(), ausgangswahl_);
}

}  // namespace quarzel
