// Makrodialogfenster: a dialog a macro built (Makrodialog) as a real window.
// The controls sit where the macro put them (dialog pixels); a size of 0
// fits the control to its text. Every change the user makes is written into
// the model at once (value and changed flag, focus), so the access words of
// a live dialog read what the window shows. A button (kind "button") ends a
// modal dialog and says which one it was; a live button calls `livebutton`,
// a help button `hilfe` with its topic.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "macro/makrodialog.h"

namespace quarzel {

class Makrodialogfenster final : public QDialog {
 public:
  Makrodialogfenster(Makrodialog& dialog, QWidget* eltern = nullptr);
  ~Makrodialogfenster() override;

  // Shows the dialog modally; the result names the button that ended it.
  Dialogergebnis zeigeModal();
  // Builds the controls anew from the model (a live dialog's model changed).
  void baueNeu();

  // A live button (its number) was pressed.
  std::function<void(int nummer)> livebutton;
  // A help button was pressed: show the help topic it names.
  std::function<void(const QString& thema)> hilfe;

 private:
  struct Eintrag {
    Steuerelementart art;
    int nummer;
    QWidget* widget;
  };

  QWidget* baue(Steuerelement& e, QWidget* eltern);
  void merke(Steuerelementart art, int nummer, const std::string& wert);
  void fokusGewechselt(QWidget* neu);

  Makrodialog& dialog_;
  std::vector<Eintrag> widgets_;
  int knopf_ = 0;
};

}  // namespace quarzel
