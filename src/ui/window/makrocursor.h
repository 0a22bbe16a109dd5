// Makrocursor: the drawing area's mode while a macro waits for a cursor word
// (GETCURSOR, GETCURSORBOX, GETLINE …). It takes the area's mouse and keys
// before the tools see them: every position passes the snap search, the
// snap marker and the word's rubber band follow the cursor, and a click of
// the left or right button is the answer (GETCURSORBOX takes two). Escape
// answers "cancelled", which ends the run. The middle button and the wheel
// stay with the view, so the user can pan and zoom to the point.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

#include "macro/makrogegenueber.h"
#include "platform/canvas.h"

namespace quarzel {

class Werkzeugkasten;
class Zeichenflaeche;
class Statusleiste;
struct Zeichnung;

class Makrocursor final : public QObject {
 public:
  using Antwortgeber = std::function<void(const Cursorantwort& antwort)>;

  Makrocursor(Zeichenflaeche& flaeche, Zeichnung& zeichnung, Werkzeugkasten& werkzeuge, Statusleiste* status,
              QObject* eltern = nullptr);
  ~Makrocursor() override;

  // Waits for the answer; `antwort` is called once, from the event loop.
  void erwarte(const Cursoranfrage& anfrage, Antwortgeber antwort);
  // Ends the wait without an answer (the run was stopped meanwhile).
  void beende();
  bool wartet() const { return anfrage_.has_value(); }

 protected:
  bool eventFilter(QObject* ziel, QEvent* ereignis) override;

 private:
  Weltpunkt fange(double x, double y);
  void bewegt(Weltpunkt p);
  void geklickt(Weltpunkt p, int taste);
  void antworte(const Cursorantwort& antwort);
  void bandZeichnen(const std::vector<Pixelpunkt>& punkte);

  Zeichenflaeche& flaeche_;
  // The area may go before this (both belong to the main window).
  QPointer<Zeichenflaeche> flaecheLebt_;
  Zeichnung& zeichnung_;
  Werkzeugkasten& werkzeuge_;
  Statusleiste* status_;
  std::optional<Cursoranfrage> anfrage_;
  Antwortgeber antwort_;
  std::optional<Weltpunkt> erster_;  // GETCURSORBOX after the first click
  std::vector<Pixelpunkt> band_;     // the XOR band on the area now
};

}  // namespace quarzel
