// Symbolwerkzeug: the module of "Symbol einfügen" (tool code 950). The window
// hands it a loaded symbol; the symbol then hangs at the cursor as a rubber
// band of its outline, and each left click (or a typed point) places one copy
// there as a group (store/symboleinfuegen.h) — the band shows the very map
// the insertion uses. "R" turns the symbol by 90° counter-clockwise, "S"
// mirrors it left to right; the property bar sets any angle. Escape or the
// right button end the tool and let the symbol go.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "edit/umrissvorschau.h"
#include "edit/werkzeugmodul.h"
#include "store/symboleinfuegen.h"

namespace quarzel {

class Symbolwerkzeug : public Werkzeugmodul {
 public:
  // The symbol the next clicks place (the band of the one before goes);
  // `name` becomes its groups' name.
  void vormerken(Werkzeugumgebung& u, std::unique_ptr<Symbol> symbol, std::string name);
  bool bereit() const { return symbol_ != nullptr; }
  const std::string& name() const { return name_; }

  double winkel() const { return lage_.winkel; }
  bool gespiegelt() const { return lage_.gespiegelt; }
  // Angle (degrees, brought into 0 ≤ w < 360) and mirroring from the
  // property bar; the band follows.
  void setzeLage(Werkzeugumgebung& u, double winkel, bool gespiegelt);

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;
  bool zeichen(Werkzeugumgebung& u, char32_t zeichen) override;

 private:
  void zeigeBand(Werkzeugumgebung& u);

  std::unique_ptr<Symbol> symbol_;
  std::string name_;
  std::optional<Weltrechteck> rahmen_;  // of the symbol's elements, for the group's frame
  Symbolplatzierung lage_;              // its point: where the cursor was last
  bool zeigerBekannt_ = false;
  Umrissvorschau band_;
};

}  // namespace quarzel
