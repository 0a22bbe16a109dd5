// A canvas that draws nothing and remembers every call: the pens, brushes and
// pen modes set, and each figure with the pen, brush and mode it was drawn
// with. Tests read the lists; `protokoll` keeps the order of all calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quarzel {

class Aufzeichnungscanvas : public Canvas {
 public:
  struct Stift {
    Farbe farbe = 0;
    double breitePixel = 1;
    Stiftart art = Stiftart::Durchgezogen;
    bool operator==(const Stift&) const = default;
  };
  struct Pinsel {
    Farbe farbe = 0xFFFFFF;
    bool keinPinsel = false;
    bool operator==(const Pinsel&) const = default;
  };
  // The state a figure was drawn with.
  struct Zustand {
    Stift stift;
    Pinsel pinsel;
    Stiftmodus modus = Stiftmodus::Kopieren;
    bool geclippt = false;
  };
  struct Linienzug {
    std::vector<Pixelpunkt> punkte;
    Zustand zustand;
  };
  // One mehrfachPolylinie call, split into its polylines.
  struct Mehrfachlinie {
    std::vector<std::vector<Pixelpunkt>> zuege;
    Zustand zustand;
  };
  struct Flaeche {
    std::vector<Pixelpunkt> punkte;
    Zustand zustand;
  };
  struct Rechteckfuellung {
    Pixelrechteck rechteck;
    Farbe farbe = 0;
    Stiftmodus modus = Stiftmodus::Kopieren;
  };
  struct Punkt {
    int x = 0;
    int y = 0;
    Farbe farbe = 0;
    Stiftmodus modus = Stiftmodus::Kopieren;
  };
  struct Text {
    double x = 0;
    double y = 0;
    std::string text;
    std::string schriftname;
    double hoehePixel = 0;
    double winkelGrad = 0;
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    Farbe farbe = 0;
    Stiftmodus modus = Stiftmodus::Kopieren;
  };
  struct Bild {
    std::vector<std::uint8_t> daten;
    Pixelrechteck ziel;
  };

  // A decoded picture (rasterbild) or an SVG document (vektorbild) and its place.
  struct Bildaufruf {
    int breite = 0;  // picture size; 0 for SVG documents
    int hoehe = 0;
    std::vector<std::uint8_t> svg;
    Bildlage lage;
    bool geclippt = false;
  };

  explicit Aufzeichnungscanvas(int breite = 800, int hoehe = 600) : breite_(breite), hoehe_(hoehe) {}

  int breite() const override { return breite_; }
  int hoehe() const override { return hoehe_; }

  void setzeStift(Farbe farbe, double breitePixel, Stiftart art = Stiftart::Durchgezogen) override;
  void setzePinsel(Farbe farbe, bool keinPinsel = false) override;
  void setzeStiftmodus(Stiftmodus modus) override;
  void polylinie(std::span<const Pixelpunkt> punkte) override;
  void mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) override;
  void polygon(std::span<const Pixelpunkt> punkte) override;
  void rechteckFuellen(const Pixelrechteck& r, Farbe farbe) override;
  void pixel(int x, int y, Farbe farbe) override;
  void text(double x, double y, std::string_view utf8, const Schriftangaben& schrift, Farbe farbe) override;
  void bild(std::span<const std::uint8_t> bilddatei, const Pixelrechteck& ziel) override;
  void rasterbild(const Rasterbild& bild, const Bildlage& lage) override;
  // Answers as vektorbildSpielt says (true: as if the document was played).
  bool vektorbild(std::span<const std::uint8_t> svg, const Bildlage& lage) override;
  void setzeClip(std::span<const Pixelpunkt> polygon) override;
  void clipAufheben() override;

  // Forgets every recorded call; the current pen, brush, mode and clip stay.
  void leeren();

  // The number of recorded pixels of a colour, and whether one was set at (x, y).
  std::size_t anzahlPixel(Farbe farbe) const;
  bool hatPixel(int x, int y) const;

  // The current state, as the next figure would be drawn with it.
  Zustand zustand;
  std::vector<Pixelpunkt> clipPolygon;  // empty while no clip is set

  std::vector<Stift> stifte;  // every setzeStift, in order
  std::vector<Pinsel> pinsel;
  std::vector<Stiftmodus> modi;
  std::vector<Linienzug> polylinien;
  std::vector<Mehrfachlinie> mehrfachlinien;
  std::vector<Flaeche> polygone;
  std::vector<Rechteckfuellung> fuellungen;
  std::vector<Punkt> pixelListe;
  std::vector<Text> texte;
  std::vector<Bild> bilder;
  std::vector<Bildaufruf> rasterbilder;
  std::vector<Bildaufruf> vektorbilder;
  bool vektorbildSpielt = true;
  std::vector<std::vector<Pixelpunkt>> clips;  // every setzeClip
  int clipAufhebungen = 0;
  // Names of the calls in order: "setzeStift", "polylinie", "pixel", ...
  std::vector<std::string> protokoll;

 private:
  int breite_;
  int hoehe_;
};

}  // namespace quarzel
