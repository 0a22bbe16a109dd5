// The module of the select and edit tools: the select tool (100) with click
// and selection frame, the zoom tool (107), free move (600), mirror without
// and with copy (601, 602) and the radial and rotational multiple copy (604,
// 605). The other codes of its group reach it and do nothing yet.
//
//   100  press: first corner; drag: XOR frame; release < 2 px: click marks
//        the element under the cursor (all other marks removed); otherwise
//        the frame marks (left to right: wholly inside; right to left:
//        touching, see treffertest.h). The marking frame then shows the box
//        of the marked elements. With gruppenAlsGanzes an element of a
//        group marks its whole outermost group.
//   107  button 0: two clicks (or press and drag) span the rectangle to zoom
//        to; the further buttons zoom by one click: in, the clicked point
//        made the centre (kZoomZentriert); in or out keeping the clicked
//        point under the cursor (kZoomVergroessern, kZoomVerkleinern).
//   130, 131  a click on an element takes its values into the window's
//        current ones (eigenschaftsaufnahme.h, aufgenommen).
//   600  the window's move panel owns the clicks; the moved outline follows
//        the mouse from where it entered, and the panel's OK applies it
//        (freiVerschieben).
//   601, 602  two clicks give the mirror axis; the mirrored outline follows.
//   604, 605  one click gives the centre; anzahlKopien and winkelschritt come
//        from the command's dialog.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "edit/eigenschaftsaufnahme.h"
#include "edit/umrissvorschau.h"
#include "edit/werkzeugmodul.h"

namespace quarzel {

// The buttons of the zoom tool (107) besides its first, the zoom rectangle.
inline constexpr std::uint8_t kZoomZentriert = 1;
inline constexpr std::uint8_t kZoomVergroessern = 2;
inline constexpr std::uint8_t kZoomVerkleinern = 3;

class Markierwerkzeug : public Werkzeugmodul {
 public:
  int anzahlKopien = 4;
  double winkelschritt = 90;  // degrees
  bool gruppenAlsGanzes = false;
  // A double click of the select tool on an element (its properties dialog).
  std::function<void(std::int32_t element)> elementDoppelklick;
  // A pick tool took values from a clicked element.
  std::function<void(const Aufnahme&)> aufgenommen;

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;
  void doppelklick(Werkzeugumgebung& u, Weltpunkt p) override;
  void loslassen(Werkzeugumgebung& u, Weltpunkt p, bool klick) override;

  // Free move (600): applies the displacement shown; 0 when none.
  std::int32_t freiVerschieben(Werkzeugumgebung& u);
  // Free move: the displacement the outline shows now (world millimetres);
  // none before the mouse entered the drawing area.
  std::optional<Weltpunkt> versatz() const;
  // Free move by a typed displacement (the move panel's OK): one undo step,
  // the moved elements stay marked; 0 when nothing was marked or moved.
  std::int32_t verschiebeUm(Werkzeugumgebung& u, double dx, double dy);
  // The marking frame around the marked elements (XOR, drawn or erased).
  void markierrahmenZeichnen(Werkzeugumgebung& u);
  void markierrahmenLoeschen(Werkzeugumgebung& u);
  // After a new picture (zoom, scroll, another drawing) a shown frame moves
  // to where its elements are now, or goes when nothing is marked any more.
  void markierrahmenNachfuehren(Werkzeugumgebung& u) {
    if (markierrahmen_.gezeichnet()) markierrahmenZeichnen(u);
  }

 private:
  void markiereKlick(Werkzeugumgebung& u, Weltpunkt p);
  void markiereRahmen(Werkzeugumgebung& u, Weltpunkt p);
  void zoome(Werkzeugumgebung& u, Weltpunkt p);
  void fertig(Werkzeugumgebung& u);

  Umrissvorschau vorschau_;
  Gummirahmen rahmen_;
  Gummirahmen markierrahmen_;
  Weltpunkt erster_;
  bool ziehen_ = false;
  std::optional<Weltpunkt> anker_;
  Abbildung verschiebung_;
};

}  // namespace quarzel
