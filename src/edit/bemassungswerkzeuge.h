// The module of the measuring group: the dimensioning tools. Each finished
// dimension is one undo step and stands marked; while the mouse moves the
// rubber band shows the dimension a click would give.
//
//   301  "Strecken messen": two measured points, then where the dimension
//        line goes. It is horizontal when that point lies above or below the
//        two points, vertical when it lies beside them, else aligned. The
//        button "Strecken messen ohne Maßlinie" (knopf 1) only reports the
//        distance of the two points.
//   307  "Maßpfeil für Länge": as 301 aligned, without extension lines.
//   304, 305, 308, 309  a click on a circle or arc: the diameter or radius
//        through the clicked point; the arrows (308, 309) point in from outside.
//   306  "Bogenlänge messen": an arc, then a point of the dimension arc.
//   310, 319  two lines (the vertex where they meet) or three points (vertex,
//        first and second leg), then a point in the angle to dimension; 310
//        draws the angle symbol, 319 an arc through that point.
//   311  chains: points until the right button, whose point places the
//        dimension line; knopf 0 horizontal, 1 vertical, 2 along the first
//        two points. Escape drops the whole chain.
//   312  "Mehrfachbemaßung": every point measured from the first, each line
//        "Abstand der Maßlinien bei Mehrfachbemaßungen:" farther out; the right button places the first.
//   318  a reference line, then points as a chain perpendicular to it.
//   314  a level mark ("Kotenbemaßung") at the click: its height over the
//        user origin, labelled "±0,00" at that height.
//
// 313 and 316 are another module's: each operation is handed on to
// `flaechen` when it is set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "edit/bemassungsablage.h"
#include "edit/gummiband.h"
#include "edit/werkzeugmodul.h"
#include "styles/bemassungsstil.h"

namespace quarzel {

class Benutzer;
class Fangsuche;

class Bemassungswerkzeuge : public Werkzeugmodul {
 public:
  // The style of new dimensions (dialog "Bemaßung"), held by the session;
  // without one the defaults of a fresh style.
  const Bemassungsstil* stil = nullptr;
  Farbe gummibandfarbe = 0;
  Benutzer* benutzer = nullptr;
  Fangsuche* fangsuche = nullptr;
  // Area measuring and "Maße addieren"; connected by whoever owns both modules.
  Werkzeugmodul* flaechen = nullptr;
  // The last sentence the user was told: a refusal or a read-out.
  std::string letzteMeldung;

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;
  void getippterPunkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void doppelklick(Werkzeugumgebung& u, Weltpunkt p) override;
  void loslassen(Werkzeugumgebung& u, Weltpunkt p, bool klick) override;

  // Whether the code is served by `flaechen`.
  static bool flaechenwerkzeug(Werkzeugcode w);

 private:
  const Bemassungsstil& bemassungsstil() const;
  // The records a click at p would finish now (empty: it would not finish).
  std::vector<tmessdaten> ergebnis(const Werkzeugumgebung& u, Weltpunkt p, bool rechts) const;
  // Chains and baselines: the records through the collected points with the
  // dimension line at p.
  std::vector<tmessdaten> kette(const Werkzeugumgebung& u, Weltpunkt p) const;
  // 315: the chain through every crossing of the measuring line (the two
  // points) with the drawing, its line through p; empty when fewer than two.
  std::vector<tmessdaten> automatischeKette(const Werkzeugumgebung& u, Weltpunkt p) const;
  std::vector<tmessdaten> kreisbemassung(const Werkzeugumgebung& u, Weltpunkt p, std::string& fehler) const;
  std::vector<tmessdaten> winkel(const Werkzeugumgebung& u, Weltpunkt p) const;
  bool waehle(Werkzeugumgebung& u, Weltpunkt p);
  void lege(Werkzeugumgebung& u, const std::vector<tmessdaten>& saetze);
  void melde(const std::string& text, bool fehler);
  void zeigeBand(Werkzeugumgebung& u, const std::vector<tmessdaten>& saetze, Weltpunkt p);
  Werkzeugmodul* weiter(const Werkzeugumgebung& u) const;

  // Picked elements: lines of angles and of the reference, the arc.
  std::vector<std::int32_t> gewaehlt_;
  std::vector<Weltpunkt> klicks_;  // where they were picked
  Gummiband band_;
};

}  // namespace quarzel
