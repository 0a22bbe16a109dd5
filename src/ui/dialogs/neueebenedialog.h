// TPlanteilneu: the dialog "Neue Ebene erstellen". It collects the name, the
// sublayer fields with their check boxes (filled by the presets of "Folien
// erstellen für"), the scale and the unit of a new layer; the caller hands
// the result to neueEbene().
//
// The widgets carry object names, so tests and the context help reach them.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "store/ebenenoperationen.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace quarzel {

class TPlanteilneu final : public QDialog {
  Q_OBJECT

 public:
  explicit TPlanteilneu(QWidget* eltern = nullptr);

  // OK with a "beliebiger Maßstab" that is no positive number shows this
  // message (a message box without it) and keeps the dialog open.
  std::function<void(const std::string&)> melder;
  void accept() override;

  // What the fields say now; an unreadable "beliebiger Maßstab" gives 100.
  PlanteilNeuAngaben angaben() const;
  void setzeAngaben(const PlanteilNeuAngaben& a);
  // "Objekte dieser Ebene schützen".
  bool schuetzen() const;
  void wendeVorlageAn(Folienvorlage v);

  QLineEdit* bezeichnungsfeld() const { return bezeichnung_; }
  QLineEdit* folienfeld(int i) const { return folien_[static_cast<std::size_t>(i)]; }
  QCheckBox* folienhaken(int i) const { return haken_[static_cast<std::size_t>(i)]; }

 private:
  QWidget* baueFolien();
  QWidget* baueMassstab();
  QWidget* baueEinheit();
  void zustaendeSetzen();

  QLineEdit* bezeichnung_ = nullptr;
  std::array<QLineEdit*, PlanteilNeuAngaben::Folienfelder> folien_{};
  // Field 0 (sublayer 1) has no check box: it always exists.
  std::array<QCheckBox*, PlanteilNeuAngaben::Folienfelder> haken_{};
  QButtonGroup* massstabknoepfe_ = nullptr;
  QRadioButton* beliebig_ = nullptr;
  QLineEdit* freierMassstab_ = nullptr;
  QCheckBox* zeichnungsmassstab_ = nullptr;
  QCheckBox* zeichnungseinheit_ = nullptr;
  QComboBox* einheit_ = nullptr;
  QComboBox* nachkommastellen_ = nullptr;
  QCheckBox* einheitAnzeigen_ = nullptr;
  QCheckBox* schuetzen_ = nullptr;
};

}  // namespace quarzel
