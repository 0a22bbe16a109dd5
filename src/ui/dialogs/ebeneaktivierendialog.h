// TEbeneAktivieren: the dialog "Ebene aktivieren". It lists the layers and,
// when elements are marked, asks whether they go along to the chosen layer,
// with the two options of the transfer. The three choices are kept in the
// configuration file (section "Ebene aktivieren"); the caller reads them
// before and writes them after.
//
// Opened from the layer manager or a picker for one given layer, it shows
// only the transfer question.
#pragma once

#include <QDialog>

#include "settings/einstellungen_werkzeuge.h"

class QCheckBox;
class QGroupBox;
class QListWidget;

namespace quarzel {

class Ebenen;

class TEbeneAktivieren final : public QDialog {
  Q_OBJECT

 public:
  // `vorgewaehlt`: the layer selected at first. `nurFrage`: the layer is
  // fixed and the list is hidden.
  TEbeneAktivieren(const Ebenen& ebenen, int vorgewaehlt, bool markierte, const einstellung::EbeneAktivieren& wahl,
                   bool nurFrage = false, QWidget* eltern = nullptr);

  int gewaehlteEbene() const;
  void waehleEbene(int ebene);
  // The three choices as they stand; "Objekttransfer" is only asked with
  // marked elements, so it is false otherwise.
  einstellung::EbeneAktivieren wahl() const;
  bool uebertragen() const;

  QListWidget* liste() const { return liste_; }
  QGroupBox* frage() const { return frage_; }
  QCheckBox* skalieren() const { return skalieren_; }
  QCheckBox* duplizieren() const { return duplizieren_; }

 private:
  QListWidget* liste_ = nullptr;
  QGroupBox* frage_ = nullptr;
  QCheckBox* skalieren_ = nullptr;
  QCheckBox* duplizieren_ = nullptr;
  bool markierte_ = false;
};

}  // namespace quarzel
