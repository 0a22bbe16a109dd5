// The dialog "Linienstile": the user's complex patterns (section length and
// twelve sections of ten check boxes each) and simple patterns (twelve dash
// lengths and the DXF line type), their names, pattern files ("Laden...",
// "Speichern...", "als Standard") and the list "Verfügbare Linienstile" with
// its group buttons.
//
// The dialog edits copies of the table and the list; OK hands them back
// (tabelle(), auswahl()) and the caller takes them into the drawing and writes
// "Linien2.dat". Files and questions go through Benutzer.
#pragma once

#include <QDialog>
#include <array>

#include "settings/konfiguration.h"
#include "styles/linienauswahl.h"
#include "styles/linienstile.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QSpinBox;
class QTabWidget;

namespace quarzel {

class Benutzer;

// The ten check boxes of a section, in dialog order: "Punkt", "kurze Linie",
// "lange Linie", "senkrechte Linie", "schräge Linie", "schräge Linie",
// "Quadrat", "Raute", "Kreis", "Füllung".
using Abschnittswahl = std::array<bool, 10>;
// A section code and its check boxes. "Füllung" needs a shape (square,
// rhombus or circle) to mean anything and is dropped without one; a dot next
// to a shape cannot be stored apart from the fill and reads back as "Füllung".
Abschnittswahl abschnittswahlAus(std::uint8_t code);
std::uint8_t abschnittscodeAus(const Abschnittswahl& wahl);

class TLinienstile final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kKaestchen = 10;

  TLinienstile(const Linienstiltabelle& tabelle, const Linienstilauswahl& auswahl, Benutzer& benutzer,
               Umgebung umgebung = prozessUmgebung(), QWidget* eltern = nullptr);

  Linienstiltabelle tabelle() const;
  Linienstilauswahl auswahl() const;

  // The commands of the buttons; public for tests.
  void laden();        // "Laden..."
  void speichern();    // "Speichern..."
  bool alsStandard();  // "als Standard"
  void umbenennen();   // "Umbenennen..." of the pattern on the current tab

  QTabWidget* reiter() const { return reiter_; }  // 0 complex, 1 simple
  QComboBox* komplexesMuster() const { return komplexWahl_; }
  QComboBox* einfachesMuster() const { return einfachWahl_; }
  QCheckBox* kaestchen(int abschnitt, int spalte) const {
    return kaestchen_[static_cast<std::size_t>(abschnitt)][static_cast<std::size_t>(spalte)];
  }
  QButtonGroup* abschnittsart() const { return abschnittsart_; }  // 0 pen-dependent, 1 fixed
  QDoubleSpinBox* abschnittslaenge() const { return abschnittslaenge_; }
  QDoubleSpinBox* strich(int i) const { return striche_[static_cast<std::size_t>(i)]; }
  QSpinBox* strichanzahl() const { return anzahl_; }
  QSpinBox* dxfTyp() const { return dxf_; }
  QListWidget* verfuegbar() const { return liste_; }
  // The group buttons by caption ("Alle an", "Komplexe aus", ...).
  void gruppenknopf(const QString& text);

 private:
  void komplexesZeigen(int index);
  void einfachesZeigen(int index);
  void komplexesMerken();
  void einfachesMerken();
  void alleZeigen();
  void listeFuellen();
  void listeMerken();
  void kaestchenGeklickt(int abschnitt, int spalte, bool an);

  Linienstiltabelle tabelle_;
  Linienstilauswahl auswahl_;
  Benutzer& benutzer_;
  Umgebung umgebung_;
  int komplexIndex_ = 0;
  int einfachIndex_ = 0;
  bool setzt_ = false;

  QTabWidget* reiter_;
  QComboBox* komplexWahl_;
  QComboBox* einfachWahl_;
  std::array<std::array<QCheckBox*, kKaestchen>, linienstil::kEintraege> kaestchen_{};
  QButtonGroup* abschnittsart_;
  QDoubleSpinBox* abschnittslaenge_;
  std::array<QDoubleSpinBox*, linienstil::kEintraege> striche_{};
  QSpinBox* anzahl_;
  QSpinBox* dxf_;
  QListWidget* liste_;
};

}  // namespace quarzel
