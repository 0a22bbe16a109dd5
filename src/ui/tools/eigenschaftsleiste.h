// Eigenschaftsleiste: the tool bar with the current attributes and the
// property fields of the active tool. Always shown: pen (number and width in
// mm), line style and drawing colour. Shown with their tools: the variants of
// the active tool button as a radio group (werkzeugvarianten.h), the corner
// radius of rectangles, the number of corners of n-gons and stars, the radius
// of fixed circles, the fill of new areas (colour, hatch, filled), the
// second colour of gradients and the radius of the arc touching two circles.
//
// It writes nothing into the drawing itself: the window reads the values
// (vorgabe(), flaeche(), stift(), linienstil()) whenever they change and
// hands them to the store's current attributes and the tool modules. A
// value the user picks is also announced on its own (gewaehlt), so that the
// window can give it to the marked elements; the fill fields are shown with
// the select tool for that reason.
#pragma once

#include <QColor>
#include <QToolBar>
#include <cstdint>
#include <utility>
#include <vector>

#include "edit/werkzeugcode.h"
#include "edit/werkzeugvarianten.h"
#include "edit/zeichenvorgabe.h"
#include "store/datensaetze.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;
class QRadioButton;
class QToolButton;

namespace quarzel {

struct Stifttabelle;

class Eigenschaftsleiste final : public QToolBar {
  Q_OBJECT

 public:
  // What the user picked (gewaehlt()).
  enum class Wahl : std::uint8_t { Stift, Linienstil, Farbe, Fuellfarbe, Schraffur, Schraffurwinkel, Gefuellt, Farbe2 };

  explicit Eigenschaftsleiste(QWidget* eltern = nullptr);
  ~Eigenschaftsleiste() override;

  // Fills the pen list from the table ("1  0.18 mm" ...) keeping the choice.
  void setzeStifte(const Stifttabelle& stifte);
  // The line styles offered: number and name.
  void setzeLinienstile(const std::vector<std::pair<int, QString>>& stile);
  // The hatch names offered for areas; the first entry is always "keine".
  void setzeSchraffuren(const std::vector<QString>& namen);
  // Shows the fields that belong to `werkzeug` and hides the others.
  void zeigeFuer(Werkzeugcode werkzeug);

  int stift() const;
  int linienstil() const;
  // The unit shown after the fields that take drawing units (fillet
  // radius, chamfer measure, distance of parallels, radius of the tangential arc).
  void setzeZeichnungseinheit(const QString& einheit);
  void setzeStift(int stift);
  void setzeLinienstil(int stil);
  QColor farbe() const { return farbe_; }
  void setzeFarbe(const QColor& farbe);
  QColor farbe2() const { return farbe2_; }
  void setzeFarbe2(const QColor& farbe);
  // The fill fields from an element's fill (a solid colour, hatch, angle, filled).
  void setzeFuellung(const Fuellangaben& f);
  Zeichenvorgabe vorgabe() const;
  Flaechenvorgabe flaeche() const;

  // Placing a symbol: "Drehwinkel:" (degrees) and "Gespiegelt".
  double symbolwinkel() const;
  bool symbolGespiegelt() const;
  // Shows the placing tool's values (after "R" or "S") without announcing a change.
  void setzeSymbollage(double winkel, bool gespiegelt);

  // The measuring read-outs: "Fläche:", "Umfang:", "Gesamtmaß:" and its unit.
  void setzeMesswerte(const QString& flaeche, const QString& umfang, const QString& gesamt, const QString& einheit);
  QString messwert(int i) const;  // for tests: 0 Fläche, 1 Umfang, 2 Gesamtmaß

  // Escape in a number field: its value from when it got the focus comes
  // back. True when a field of the bar had the focus.
  bool feldEscape();

  // For tests: the corner radius and corner count fields and whether shown.
  QDoubleSpinBox* eckradiusFeld() const { return eckradius_; }
  QSpinBox* eckenFeld() const { return ecken_; }
  bool eckradiusSichtbar() const;
  bool eckenSichtbar() const;
  bool flaecheSichtbar() const;
  bool farbe2Sichtbar() const;
  QDoubleSpinBox* kreisradiusFeld() const { return kreisradius_; }
  QDoubleSpinBox* schraffurwinkelFeld() const { return schraffurwinkel_; }
  bool kreisradiusSichtbar() const;
  // The radio buttons of the variants now offered (empty when none).
  std::vector<QRadioButton*> variantenknoepfe() const;

 signals:
  void geaendert();
  // The user picked another variant of the active tool button.
  void varianteGewaehlt(Werkzeugcode werkzeug);
  // The user picked a value (not the program setting one); geaendert()
  // came before.
  void gewaehlt(Eigenschaftsleiste::Wahl was);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  QAction* feld(QWidget* w, const QString& beschriftung, std::vector<QAction*>& gruppe);
  void farbeWaehlen(QColor& ziel, QToolButton* knopf, Wahl was);
  void zeigeVarianten(Werkzeugcode werkzeug);
  static void knopfFaerben(QToolButton* knopf, const QColor& farbe);

  QComboBox* stift_ = nullptr;
  QComboBox* stil_ = nullptr;
  QToolButton* farbknopf_ = nullptr;
  QColor farbe_ = Qt::black;
  QDoubleSpinBox* eckradius_ = nullptr;
  QSpinBox* ecken_ = nullptr;
  QDoubleSpinBox* kreisradius_ = nullptr;
  QWidget* varianten_ = nullptr;
  QAction* variantenAktion_ = nullptr;
  const Variantenknopf* variantenknopf_ = nullptr;
  QToolButton* fuellknopf_ = nullptr;
  QColor fuellfarbe_ = QColor(192, 192, 192);
  QToolButton* farbknopf2_ = nullptr;
  QColor farbe2_ = Qt::white;
  std::vector<QAction*> farbe2Aktionen_;
  QComboBox* schraffur_ = nullptr;
  QDoubleSpinBox* schraffurwinkel_ = nullptr;
  QCheckBox* gefuellt_ = nullptr;
  std::vector<QAction*> eckradiusAktionen_;
  std::vector<QAction*> eckenAktionen_;
  std::vector<QAction*> kreisradiusAktionen_;
  std::vector<QAction*> flaechenAktionen_;
  // Trimming: fillet, chamfer, dividing.
  QDoubleSpinBox* abrundradius_ = nullptr;
  QCheckBox* negativ_ = nullptr;
  QToolButton* fasenschalter_ = nullptr;
  QDoubleSpinBox* fasenmass_ = nullptr;
  bool fasenAlsAbstand_ = false;
  QSpinBox* teilstuecke_ = nullptr;
  std::vector<QAction*> abrundungAktionen_;
  std::vector<QAction*> fasenAktionen_;
  std::vector<QAction*> teilstueckAktionen_;
  // Construction: distance, angle, ratio, count, the two switches.
  QDoubleSpinBox* abstand_ = nullptr;
  QDoubleSpinBox* winkel_ = nullptr;
  QDoubleSpinBox* teilung_ = nullptr;
  QSpinBox* anzahl_ = nullptr;
  QCheckBox* uebernehmen_ = nullptr;
  QCheckBox* anker_ = nullptr;
  std::vector<QAction*> abstandAktionen_;
  std::vector<QAction*> winkelAktionen_;
  std::vector<QAction*> teilungAktionen_;
  std::vector<QAction*> anzahlAktionen_;
  QAction* uebernehmenAktion_ = nullptr;
  QAction* ankerAktion_ = nullptr;
  // The arc touching two circles.
  QDoubleSpinBox* tangentialradius_ = nullptr;
  std::vector<QAction*> tangentialradiusAktionen_;
  // Editing a piece of a line or circle: "Löschen" or "Ändern".
  QRadioButton* stueckLoeschen_ = nullptr;
  QRadioButton* stueckAendern_ = nullptr;
  std::vector<QAction*> teilstueckmodusAktionen_;
  // Measuring: the label's options and the read-outs.
  QCheckBox* umfangAngeben_ = nullptr;
  QCheckBox* putzabzug_ = nullptr;
  QDoubleSpinBox* putzstaerke_ = nullptr;
  QLineEdit* flaechenwert_ = nullptr;
  QLineEdit* umfangwert_ = nullptr;
  QLineEdit* gesamtwert_ = nullptr;
  QLabel* gesamteinheit_ = nullptr;
  QAction* umfangAngebenAktion_ = nullptr;
  std::vector<QAction*> putzAktionen_;
  std::vector<QAction*> flaechenanzeigeAktionen_;
  std::vector<QAction*> gesamtAktionen_;
  // Placing a symbol.
  QDoubleSpinBox* symbolwinkel_ = nullptr;
  QCheckBox* symbolSpiegeln_ = nullptr;
  std::vector<QAction*> symbolAktionen_;
  // The value of the number field that has the focus, as it got it.
  double feldwertBeimFokus_ = 0;
};

}  // namespace quarzel
