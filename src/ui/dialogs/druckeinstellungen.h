// The dialog "Erweiterte Druckeinstellungen": the print method, the segment
// size and texture limit of our own rasterising, what is left out of a print,
// the PDF optimisation, where the print goes on the paper (whole drawing,
// orientation, margins) and the grey printing of inactive layers and
// sublayers. It edits copies of the sections "Drucken" and
// "Graueinstellungen"; the caller stores them.
#pragma once

#include <QDialog>

#include "settings/einstellungen_dateien.h"

class QCheckBox;
class QComboBox;

namespace quarzel {

class TDruckeinstellungen final : public QDialog {
  Q_OBJECT

 public:
  TDruckeinstellungen(const einstellung::Drucken& drucken, const einstellung::Graueinstellungen& grau,
                      QWidget* eltern = nullptr);

  // The sections with the dialog's values; keys it does not show stay as they came.
  einstellung::Drucken drucken() const;
  einstellung::Graueinstellungen grau() const;

  QComboBox* methode() const { return methode_; }
  QComboBox* segmente() const { return segmente_; }
  QCheckBox* texturgrenze() const { return texturgrenze_; }
  QCheckBox* keineHilfslinien() const { return keineHilfslinien_; }
  QCheckBox* keineMarker() const { return keineMarker_; }
  QCheckBox* pdfOptimieren() const { return pdfOptimieren_; }
  QCheckBox* ganzeZeichnung() const { return ganzeZeichnung_; }
  QCheckBox* automatischeAusrichtung() const { return automatischeAusrichtung_; }
  QCheckBox* raenderIgnorieren() const { return raenderIgnorieren_; }
  QCheckBox* grauEbenen() const { return grauEbenen_; }
  QCheckBox* grauFolien() const { return grauFolien_; }

 private:
  einstellung::Drucken drucken_;
  einstellung::Graueinstellungen grau_;
  QComboBox* methode_;
  QComboBox* segmente_;
  QCheckBox* texturgrenze_;
  QCheckBox* keineHilfslinien_;
  QCheckBox* keineMarker_;
  QCheckBox* pdfOptimieren_;
  QCheckBox* ganzeZeichnung_;
  QCheckBox* automatischeAusrichtung_;
  QCheckBox* raenderIgnorieren_;
  QCheckBox* grauEbenen_;
  QCheckBox* grauFolien_;
};

}  // namespace quarzel
