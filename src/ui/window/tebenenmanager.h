// TEbenenmanager: the layer manager, a dock window beside the drawing area.
//
// A grid lists every layer with its sublayers below it (collapsible) in the
// columns "Eb.", "aktiv", "Ue.", "Bezeichnung", "sichtbar", "geschützt" and
// "Maßstab". Ticking "aktiv" activates, the two state columns set the
// layer's visible flag and protection or the sublayer's state, a double
// click edits a name or the scale. Rows are reordered by dragging a row onto
// another of its kind or with "Nach oben"/"Nach unten"; elements and named
// views follow (ebenenverwaltung.h).
//
// "Reduzierter Modus" shows only the layers with number, activity, name and
// scale, for a narrow dock. Visibility, place and mode are kept in the
// per-user settings (group "Ebenenmanager").
//
// Commands from the grid run after the signal that carried them has
// returned: they rebuild the grid, which must not happen under the item
// that is still reporting its change.
#pragma once

#include <QDockWidget>
#include <QSet>
#include <QTreeWidget>
#include <functional>

class QAbstractButton;
class QLabel;
class QRadioButton;

namespace quarzel {

class Ebenenbefehle;

// The grid; a drop only reports which row went onto which.
class Ebenenbaum final : public QTreeWidget {
  Q_OBJECT

 public:
  using QTreeWidget::QTreeWidget;

 signals:
  void abgelegt(QTreeWidgetItem* quelle, QTreeWidgetItem* ziel);

 protected:
  void dropEvent(QDropEvent* ereignis) override;
};

class TEbenenmanager final : public QDockWidget {
  Q_OBJECT

 public:
  enum Spalte {
    SpalteEbene,
    SpalteAktiv,
    SpalteFolie,
    SpalteBezeichnung,
    SpalteSichtbar,
    SpalteGeschuetzt,
    SpalteMassstab
  };

  TEbenenmanager(Ebenenbefehle& befehle, QWidget* eltern = nullptr);

  // Rebuilds the grid and the switch buttons from the drawing.
  void aktualisieren();
  void setzeReduziert(bool reduziert);
  bool reduziert() const { return reduziert_; }

  // The row of layer e (f = 0) or of its sublayer f; nullptr when not shown.
  QTreeWidgetItem* zeile(int ebene, int folie = 0) const;
  Ebenenbaum* raster() const { return raster_; }
  // The button with this caption, for the window's tests.
  QAbstractButton* knopf(const QString& text) const;
  QLabel* zeichnungsmassstab() const { return zeichnungsmassstab_; }

  // Moves the selected row one place up or down.
  void nachOben();
  void nachUnten();
  // The drop of row `quelle` onto row `ziel`.
  void verschiebeZeile(QTreeWidgetItem* quelle, QTreeWidgetItem* ziel);
  void alleEinklappen();
  void alleAusklappen();

  void ladeLage();
  void speichereLage() const;

 private:
  QWidget* baueKnoepfe();
  QAbstractButton* neuerKnopf(QWidget* eltern, const QString& text, bool umschalter, std::function<void(bool)> tat);
  void zelleGeaendert(QTreeWidgetItem* zeile, int spalte);
  void zelleDoppelklick(QTreeWidgetItem* zeile, int spalte);
  void verschiebeUm(int richtung);
  void waehle(int ebene, int folie);
  void spaeter(std::function<void()> tat);

  Ebenenbefehle& befehle_;
  Ebenenbaum* raster_ = nullptr;
  QWidget* knopfbereich_ = nullptr;
  QLabel* zeichnungsmassstab_ = nullptr;
  QRadioButton* normal_ = nullptr;
  QRadioButton* reduziertKnopf_ = nullptr;
  QList<QAbstractButton*> knoepfe_;
  QSet<int> eingeklappt_;  // layer numbers whose sublayers are hidden
  bool reduziert_ = false;
  bool baut_ = false;
};

}  // namespace quarzel
