// The dialog "Bildschirmdarstellung": the colours of cross-hair, reference
// point, elements being drawn and marked elements, the outline of closed
// elements whose fill is hidden, "Optimierter Bildaufbau" and the centre mark
// of circles and arcs.
//
// All choices are the configuration section "Darstellung"; the renderer
// follows them through the window's Darstellungswahl.
#pragma once

#include <QDialog>

#include "settings/einstellungen.h"
#include "render/zeichenkontext.h"

class QButtonGroup;
class QCheckBox;

namespace quarzel {

// The renderer's choices after the section: the marking colour, or none for
// "Nicht einfärben" (choice 3), the outline of hidden fills and the centre
// mark (a damaged value gives "Plus"); the other fields are kept from `basis`.
Darstellungswahl darstellungswahlAus(const einstellung::Darstellung& d, Darstellungswahl basis);

class TBildschirmdarstellung final : public QDialog {
  Q_OBJECT

 public:
  TBildschirmdarstellung(const einstellung::Darstellung& abschnitt, const Darstellungswahl& wahl,
                         QWidget* eltern = nullptr);

  einstellung::Darstellung abschnitt() const;
  Darstellungswahl wahl() const;

  // For tests: the radio groups, ids being the choice numbers.
  QButtonGroup* fadenkreuz() const { return fadenkreuz_; }
  QButtonGroup* referenzpunkt() const { return referenzpunkt_; }
  QButtonGroup* objekte() const { return objekte_; }
  QButtonGroup* markierung() const { return markierung_; }
  QButtonGroup* raender() const { return raender_; }  // 0 "nicht anzeigen", 1 "anzeigen"
  QButtonGroup* mittelpunkt() const { return mittelpunkt_; }
  QCheckBox* optimiert() const { return optimiert_; }

 private:
  einstellung::Darstellung ausgang_;
  Darstellungswahl ausgangswahl_;
  QButtonGroup* fadenkreuz_;
  QButtonGroup* referenzpunkt_;
  QButtonGroup* objekte_;
  QButtonGroup* markierung_;
  QButtonGroup* raender_;
  QButtonGroup* mittelpunkt_;
  QCheckBox* optimiert_;
};

}  // namespace quarzel
