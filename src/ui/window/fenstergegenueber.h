// Fenstergegenueber: the main window as the counterpart of a macro run
// (Makrogegenueber). Messages, questions and the input box go through the
// window's Benutzer (real message boxes; the input box is captioned
// "Dateneingabe"); INFOBOX is a small window of its own sized to the text;
// SHOWHINT writes into the status bar's message area; GETFKEY reads which
// function keys are held down, which this object follows through an
// application-wide event filter; the cursor words hand over to the drawing
// area's Makrocursor; a macro's dialog becomes a Makrodialogfenster.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <set>

#include "macro/makrogegenueber.h"
#include "ui/qt/makrodialogfenster.h"

class QWidget;

namespace quarzel {

class Benutzer;
class Makrocursor;
class Statusleiste;

class Fenstergegenueber final : public QObject, public Makrogegenueber {
 public:
  Fenstergegenueber(QWidget& hauptfenster, Benutzer& benutzer, Statusleiste* status, Makrocursor* cursor);
  ~Fenstergegenueber() override;

  // The user answered a cursor word (or cancelled it with Escape).
  std::function<void(const Cursorantwort& antwort)> cursorBeantwortet;
  // A live dialog's button.
  std::function<void(int nummer)> livebuttonGedrueckt;

  void warnung(std::string_view text) override;
  void information(std::string_view text) override;
  void infobox(std::string_view text, const std::string& bild) override;
  bool frage(std::string_view text) override;
  std::optional<std::string> eingabe(std::string_view aufforderung) override;
  void zeigeHinweis(std::string_view text) override;
  void verbergeHinweis() override;
  int funktionstaste() override;
  std::optional<std::string> waehleDatei(std::string_view titel, std::string_view filter, const std::string& vorschlag,
                                         bool speichern) override;
  void erwartePunkt(const Cursoranfrage& anfrage) override;
  Dialogergebnis zeigeDialog(Makrodialog& dialog) override;
  void zeigeLivedialog(Makrodialog& dialog) override;
  void schliesseLivedialog() override;
  void livedialogGeaendert() override;

 protected:
  bool eventFilter(QObject* ziel, QEvent* ereignis) override;

 private:
  QWidget& hauptfenster_;
  Benutzer& benutzer_;
  Statusleiste* status_;
  Makrocursor* cursor_;
  std::set<int> gedrueckt_;  // Qt key codes of F2…F12 held down now
  QPointer<Makrodialogfenster> livedialog_;
};

}  // namespace quarzel
