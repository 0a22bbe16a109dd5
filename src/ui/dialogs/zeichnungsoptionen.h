// The dialog "Zeichnungsoptionen": the sheet format, the drawing unit, the
// drawing scale and the decimals of shown coordinates.
//
// The dialog edits a copy (Zeichnungsoptionenwahl); OK hands it back and the
// caller applies it to the drawing's Ansicht with wendeZeichnungsoptionenAn
// and writes it to the section "Projektoptionen".
#pragma once

#include <QDialog>
#include <QSizeF>
#include <cstdint>
#include <optional>

#include "view/ansicht.h"
#include "settings/einstellungen.h"

class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

namespace quarzel {

struct Zeichnungsoptionenwahl {
  std::int32_t blattBreite = 297;  // mm
  std::int32_t blattHoehe = 210;   // mm
  int einheitIndex = 2;            // radio order of masseinheiten ("m")
  double massstab = 100;           // n of 1 : n
  int dezimalen = 2;               // 0..3
  bool imperialDezimal = false;    // imperial values as decimal numbers
  double koordinatenwinkel = 0;    // degrees, the user's coordinate system
  bool rasterMitdrehen = false;    // the grid takes the same angle
  bool operator==(const Zeichnungsoptionenwahl&) const = default;
};

// The choices the view stands for (an unknown unit code shows as "m").
Zeichnungsoptionenwahl zeichnungsoptionenAus(const Ansicht& a);
// Sets sheet, unit, scale, decimals, notation and angle; the sheet is centred in the world
// again and the zero point and grid origin move with its corner, so they keep
// their place on the sheet.
void wendeZeichnungsoptionenAn(Ansicht& a, const Zeichnungsoptionenwahl& w);
// Sheet, unit and scale as the configuration file keeps them.
void schreibeZeichnungsoptionen(einstellung::Projektoptionen& p, const Zeichnungsoptionenwahl& w);

class TZeichnungsoptionen final : public QDialog {
  Q_OBJECT

 public:
  // Button ids of the group "Blattformat": 2 × index + (1 for landscape) for
  // the A series, then these two.
  static constexpr int kVomDrucker = 12;
  static constexpr int kBeliebig = 13;
  // Button id of "beliebiger Maßstab" in the scale group (the fixed scales
  // are 0..10).
  static constexpr int kBeliebigerMassstab = 11;

  explicit TZeichnungsoptionen(const Zeichnungsoptionenwahl& wahl, QWidget* eltern = nullptr);

  Zeichnungsoptionenwahl wahl() const;
  // The paper of the printer chosen for printing (millimetres, in its
  // orientation); without it "vom Drucker vorgegeben" takes the system's
  // default printer.
  void setzeDruckerpapier(QSizeF mm) { druckerpapier_ = mm; }

  QButtonGroup* formate() const { return formate_; }
  QButtonGroup* einheiten() const { return einheiten_; }
  QButtonGroup* massstaebe() const { return massstaebe_; }
  QDoubleSpinBox* breite() const { return breite_; }  // in drawing units
  QDoubleSpinBox* hoehe() const { return hoehe_; }
  QDoubleSpinBox* massstab() const { return massstab_; }
  QSpinBox* dezimalen() const { return dezimalen_; }
  QCheckBox* imperialDezimal() const { return imperialDezimal_; }
  QDoubleSpinBox* koordinatenwinkel() const { return winkel_; }
  QCheckBox* rasterMitdrehen() const { return rasterMitdrehen_; }

 private:
  double faktor() const;
  // The unit changed: new bounds, fields show the sheet in the new unit.
  void einheitGewechselt();
  void formatGewechselt();
  void feldGeaendert();

  QButtonGroup* formate_;
  QButtonGroup* einheiten_;
  QButtonGroup* massstaebe_;
  QDoubleSpinBox* breite_;
  QDoubleSpinBox* hoehe_;
  QDoubleSpinBox* massstab_;
  QSpinBox* dezimalen_;
  QCheckBox* imperialDezimal_;
  QDoubleSpinBox* winkel_;
  QCheckBox* rasterMitdrehen_;
  // The sheet in millimetres, kept apart from the fields so that switching
  // units back and forth does not round it away.
  std::int32_t breiteMm_;
  std::int32_t hoeheMm_;
  std::optional<QSizeF> druckerpapier_;
  bool setzt_ = false;
};

}  // namespace quarzel
