// Bitmapwerkzeuge: the bitmap module — placing a picture file and the tools
// that change a placed bitmap (kinds 16 and 39). Every change is one undo
// step: the bitmap is retired and a changed copy takes its place (marked).
// Content changes decode the embedded file, change the pixels and embed the
// result as PNG, so transparency made by masking or clipping is kept in the
// file; the frame follows, so the rest of the picture stays where it was.
//
// Tool codes and their points (the first click always picks the bitmap):
//  450 fit: two corners; the picture is stretched into that rectangle
//      (button 1, "Bild einfügen...": no pick; the picked file is placed,
//      fitted into the rectangle of two corners keeping its proportions,
//      or at its own size at 96 dpi when the right button follows the
//      first corner)
//  451 crop: two corners; what lies outside goes
//  452 / 453 flip the content left-right / top-bottom
//  454 turn the content a quarter turn clockwise (the frame turns with it)
//  455 mask: the colour of the pixel clicked becomes transparent everywhere
//  456 clip to a polygon: corners until the right button (at least three)
//  457 clip to an ellipse: two corners of its bounding rectangle
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "edit/gummiband.h"
#include "edit/werkzeugmodul.h"
#include "platform/farbe.h"

namespace quarzel {

// The button of 450 that places a new picture instead of fitting one.
inline constexpr std::uint8_t kBildEinfuegenKnopf = 1;

class Bitmapwerkzeuge : public Werkzeugmodul {
 public:
  // The picture file "Bild einfügen..." places next. False when the bytes
  // are no picture the renderer can draw (nothing is kept then).
  bool bildVormerken(std::vector<std::uint8_t> datei);

  // The rubber band's colour (the window's setting).
  Farbe gummibandfarbe = 0;

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;
  void doppelklick(Werkzeugumgebung& u, Weltpunkt p) override;

 private:
  struct Neubild {
    std::vector<std::uint8_t> datei;
    int breite = 0, hoehe = 0;
  };
  bool platziert(const Werkzeugumgebung& u) const;
  void fertig(Werkzeugumgebung& u, bool ausfuehren);

  std::optional<Neubild> neu_;
  std::int32_t bitmap_ = 0;  // the picked bitmap
  Gummiband band_;
};

}  // namespace quarzel
