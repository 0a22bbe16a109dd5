// The dialog "Bemaßung" (TVermassung): the dimension style on the tabs
// "Grundeinstellungen" and "Erweiterte Einstellungen", the profile list
// "Profilname:" (choosing a profile loads it at once, "Speichern" writes the
// fields under the typed name), loading and saving a profile file anywhere,
// and "Löschen" for the marked dimensions being edited.
#pragma once

#include <QDialog>
#include <array>

#include "platform/benutzer.h"
#include "settings/konfiguration.h"
#include "styles/bemassungsstil.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace quarzel {

class TVermassung final : public QDialog {
  Q_OBJECT

 public:
  // `markierteBemassungen`: the dialog edits marked dimensions, so "Löschen"
  // is offered.
  TVermassung(const Bemassungsstil& stil, bool markierteBemassungen, Benutzer& benutzer,
              Umgebung umgebung = prozessUmgebung(), QWidget* eltern = nullptr);

  Bemassungsstil stil() const;
  void setzeStil(const Bemassungsstil& stil);
  // "Löschen" closed the dialog: the caller deletes the marked dimensions.
  bool loeschenGewaehlt() const { return loeschen_; }

  QComboBox* profilname() const { return profil_; }
  QPushButton* speichernKnopf() const { return speichern_; }
  QToolButton* loeschenKnopf() const { return loeschenKnopf_; }

  // The profile of the typed or chosen name: loaded at once, saved.
  void profilLaden(const QString& name);
  void profilSpeichern();
  // Any profile file, through the file dialogs.
  void dateiLaden();
  void dateiSpeichern();

 private:
  void profileAuflisten();
  QWidget* grundeinstellungen();
  QWidget* erweiterteEinstellungen();

  Benutzer& benutzer_;
  Umgebung umgebung_;
  bool loeschen_ = false;
  // What the dialog shows but has no field for of its own.
  Farbe editierteFarbe_ = 0, hintergrundfarbe_ = 0, farbe_ = 0;
  QPushButton* editierteFarbeKnopf_ = nullptr;
  QPushButton* hintergrundfarbeKnopf_ = nullptr;
  QPushButton* farbeKnopf_ = nullptr;

  QComboBox* profil_ = nullptr;
  QPushButton* speichern_ = nullptr;
  QToolButton* loeschenKnopf_ = nullptr;

  QButtonGroup* dezimalen_ = nullptr;
  QCheckBox *keineNullen_, *bezugAddieren_, *editiertDrucken_;
  QLineEdit *toleranzOben_, *toleranzUnten_;
  QCheckBox *plusMinus_, *nichtHoch_, *tilde_;
  QCheckBox *zeichenR_, *zeichenD_, *zeichenDurchmesser_, *gradzeichen_, *einheit_, *englisch_, *zeichenM_;
  QLineEdit *vortext_, *nachtext_;
  QButtonGroup* position_ = nullptr;
  QDoubleSpinBox *horizontal_, *vertikal_;

  QComboBox* schrift_;
  QDoubleSpinBox *texthoehe_, *toleranzhoehe_;
  QCheckBox* massstabsabhaengig_;
  QSpinBox* messtexte_;
  std::array<QCheckBox*, 4> schriftart_{};  // "Fett", "Kursiv", "Unterstrichen", " Hintergrund"
  QSpinBox *stiftMasslinien_, *stiftHilfslinien_, *stiftBegrenzungen_, *linienstil_;
  QDoubleSpinBox* winkelsymbol_;
  QCheckBox* waagerecht_;
  QDoubleSpinBox *ueberstandMass_, *hilfslinienlaenge_, *ueberstandHilfs_, *mehrfachabstand_;
  QButtonGroup* begrenzung_ = nullptr;
  QDoubleSpinBox* begrenzungsgroesse_;
  QCheckBox *gefuellt_, *beimMessen_;
  QButtonGroup* koten_ = nullptr;
  QDoubleSpinBox *bezugsgroesse_, *kotensymbol_;
};

}  // namespace quarzel
