// The dialog "Schraffuren": picks a hatch by name and edits its six patterns
// (direction and five lines each: active, distance, line style, pen), with a
// 1:1 preview. New hatches are created empty or from the current one; user
// hatches can be deleted, the built-in ones not. OK and "als &Standard"
// store the current definition in the user's hatch folder.
//
// "Eigene Linien" opens the user's line styles, which the column "Art" refers
// to; "Mit Schraffur" is the display switch that shows hatched elements with
// their hatch (off: without), taken over by the window on OK.
//
// Definitions are read through and written to a Schraffurbibliothek; the
// user is asked and told through Benutzer.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "styles/schraffurdefinition.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace quarzel {

class Benutzer;
class Schraffurbibliothek;
class Schraffurvorschau;

class TSchraffuren final : public QDialog {
  Q_OBJECT

 public:
  TSchraffuren(Schraffurbibliothek& bibliothek, Benutzer& benutzer, const std::string& aktuell,
               QWidget* eltern = nullptr);

  // The definition as the fields show it.
  Schraffurdefinition definition() const;

  // The commands of the buttons; public for tests and the menu.
  void erstellen();        // "Schraffur erstellen"
  void neuAusAktueller();  // "Neu aus aktueller"
  void loeschen();         // "Schraffur löschen..."
  bool alsStandard();      // "als &Standard"
  // OK: stores a changed definition first; stays open when that fails.
  void accept() override;

  // "Eigene Linien": opens the line styles; unset, the button is disabled.
  // The preview is drawn anew afterwards, the styles may have changed.
  void setzeEigeneLinien(std::function<void()> oeffnen);
  // "Mit Schraffur".
  void setzeMitSchraffur(bool an);
  bool mitSchraffur() const;

  struct Linienfelder {
    QCheckBox* aktiv = nullptr;
    QDoubleSpinBox* abstand = nullptr;
    QSpinBox* art = nullptr;
    QSpinBox* stift = nullptr;
  };
  QComboBox* namen() const { return namen_; }
  QTabWidget* reiter() const { return reiter_; }
  QComboBox* richtung(int muster) const { return richtungen_[static_cast<std::size_t>(muster)]; }
  const Linienfelder& linie(int muster, int linie) const {
    return linien_[static_cast<std::size_t>(muster)][static_cast<std::size_t>(linie)];
  }
  QCheckBox* massstabsabhaengig() const { return massstab_; }
  QCheckBox* kombiniert() const { return kombiniert_; }
  QCheckBox* mitSchraffurFeld() const { return mitSchraffur_; }
  QPushButton* eigeneLinienKnopf() const { return eigeneLinien_; }
  Schraffurvorschau* vorschau() const { return vorschau_; }

 private:
  void zeige(const Schraffurdefinition& d);
  void nameGewaehlt(const QString& name);
  void vorschauErneuern();
  void namenFuellen(const std::string& waehlen);
  // Asks for a new name; std::nullopt when cancelled or refused.
  std::optional<std::string> neuerName();

  Schraffurbibliothek& bibliothek_;
  Benutzer& benutzer_;
  std::string name_;
  QComboBox* namen_;
  QTabWidget* reiter_;
  std::array<QComboBox*, Schraffurdefinition::Musteranzahl> richtungen_{};
  std::array<std::array<Linienfelder, Schraffurmuster::Linienanzahl>, Schraffurdefinition::Musteranzahl> linien_{};
  QCheckBox* massstab_;
  QCheckBox* kombiniert_;
  QCheckBox* mitSchraffur_;
  QPushButton* eigeneLinien_;
  std::function<void()> eigeneLinienOeffnen_;
  Schraffurvorschau* vorschau_;
  bool setzt_ = false;
};

}  // namespace quarzel
