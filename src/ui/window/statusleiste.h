// The main window's status bar: the active tool's prompt, a message and
// progress area on the left and fixed panels for the sheet ("Blatt 1
// 297*210 mm"), the scale ("M 1:100") and the cursor's coordinates on the
// right.
#pragma once

#include <QString>

class QLabel;
class QProgressBar;
class QStatusBar;

namespace quarzel {

class Statusleiste {
 public:
  // Fills the bar with the panels; the widgets belong to the bar.
  explicit Statusleiste(QStatusBar& leiste);

  void setzeBlatt(const QString& text);
  void setzeMassstab(const QString& text);
  void setzeKoordinaten(const QString& text);
  // What the active tool expects next ("Linie: 2.) Endpunkt").
  void setzeAufforderung(const QString& text);
  // A note about a finished command ("Als DXF exportiert: plan.dxf").
  void setzeMeldung(const QString& text);
  // A long operation's text and percentage; -1 clears both.
  void fortschritt(const QString& text, int prozent);
  // A fault that ends the program ("Störung: ..."), on red in the message area.
  void stoerung(const QString& text);

  QString blatt() const;
  QString massstab() const;
  QString koordinaten() const;
  QString meldung() const;
  QString aufforderung() const;

 private:
  QStatusBar* leiste_;
  QLabel* aufforderung_;
  QLabel* meldung_;
  QProgressBar* balken_;
  QLabel* blatt_;
  QLabel* massstab_;
  QLabel* koordinaten_;
};

}  // namespace quarzel
