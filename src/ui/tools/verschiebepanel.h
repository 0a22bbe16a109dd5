// Verschiebepanel: the panel of free move (tool 600), a dock widget "Verschieben"
// with the displacement dx / dy in the drawing's units, relative to where
// the marked elements are. While the mouse moves over the drawing area the
// fields follow the outline the tool shows; the user may also type
// arithmetic expressions. "OK" (or Enter in a field) asks to apply the
// displacement, "Abbrechen" to drop it; what that means is the owner's
// business (Bearbeitungsbefehle).
#pragma once

#include <QDockWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quarzel {

class Verschiebepanel final : public QDockWidget {
  Q_OBJECT

 public:
  explicit Verschiebepanel(QWidget* eltern = nullptr);

  // Shows the displacement the mouse gives, unless the user is typing.
  void zeigeVersatz(double dx, double dy);
  // Both fields back to 0, before a new move.
  void zuruecksetzen();
  // The unit shown behind the fields ("mm", "m" ...).
  void setzeEinheit(const QString& einheit);
  // A line below the fields ("Keine Objekte markiert" ...).
  void setzeHinweis(const QString& hinweis);

  // The typed values, evaluated (a formula error gives 0).
  double dx() const;
  double dy() const;

  QLineEdit* dxFeld() const { return dx_; }
  QLineEdit* dyFeld() const { return dy_; }
  QPushButton* okKnopf() const { return ok_; }
  QPushButton* abbrechenKnopf() const { return abbrechen_; }

 signals:
  void ok();
  void abgebrochen();

 private:
  QLineEdit* dx_ = nullptr;
  QLineEdit* dy_ = nullptr;
  QLabel* einheitX_ = nullptr;
  QLabel* einheitY_ = nullptr;
  QLabel* hinweis_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* abbrechen_ = nullptr;
};

}  // namespace quarzel
