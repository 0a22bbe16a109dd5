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
    int x = 0, y = 0;
    Farbe farbe = 0;
    Stiftmodus modus = Stiftmodus::Kopieren;
  };
  struct Text {
    double x = 0, y = 0;
    std::string text;
    std::string schriftname;
    double hoehePixel = 0;
    double winkelGrad = 0;
    bool fett = false, kursiv = false, unterstrichen = false;
    Farbe farbe = 0;
    Stiftmodus modus = Stiftmodus::Kopieren;
  };
  // A decoded picture (rasterbild) or an SVG document (vektorbild) and its place.
  struct Bildaufruf {
    int breite = 0, hoehe = 0;  // picture size; 0 for SVG documents
    std::vector<std::uint8_t> svg;
    Bildlage lage;
    bool geclippt = false;
  };

  explicit Aufzeichnungscanvas(int breite = 800, int hoehe = 600) : breite_(breite), hoehe_(hoehe) {}

  int breite() const override { return breite_; }
  int hoehe() const override { return hoehe_; }

  void setzeStift(Farbe farbe, double breitePixel, Stiftart art = Stiftart::Durchgezogen) override {
    merke(stifte, zustand.stift = {farbe, breitePixel, art}, "setzeStift");
  }
  void setzePinsel(Farbe farbe, bool keinPinsel = false) override {
    merke(pinsel, zustand.pinsel = {farbe, keinPinsel}, "setzePinsel");
  }
  void setzeStiftmodus(Stiftmodus modus) override { merke(modi, zustand.modus = modus, "setzeStiftmodus"); }
  void polylinie(std::span<const Pixelpunkt> p) override {
    merke(polylinien, {{p.begin(), p.end()}, zustand}, "polylinie");
  }
  void mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) override;
  void polygon(std::span<const Pixelpunkt> p) override { merke(polygone, {{p.begin(), p.end()}, zustand}, "polygon"); }
  void flaeche(std::span<const Pixelpunkt> p) override {
    merke(flaechenOhneRand, {{p.begin(), p.end()}, zustand}, "flaeche");
  }
  void rechteckFuellen(const Pixelrechteck& r, Farbe f) override {
    merke(fuellungen, {r, f, zustand.modus}, "rechteckFuellen");
  }
  void pixel(int x, int y, Farbe farbe) override { merke(pixelListe, {x, y, farbe, zustand.modus}, "pixel"); }
  void text(double x, double y, std::string_view utf8, const Schriftangaben& s, Farbe farbe) override {
    merke(texte,
          {x, y, std::string(utf8), std::string(s.name), s.hoehePixel, s.winkelGrad, s.fett, s.kursiv, s.unterstrichen,
           farbe, zustand.modus},
          "text");
  }
  void bild(std::span<const std::uint8_t>, const Pixelrechteck&) override { protokoll.emplace_back("bild"); }
  void rasterbild(const Rasterbild& b, const Bildlage& lage) override {
    merke(rasterbilder, {b.breite, b.hoehe, {}, lage, zustand.geclippt}, "rasterbild");
  }
  // Answers as vektorbildSpielt says (true: as if the document was played).
  bool vektorbild(std::span<const std::uint8_t> svg, const Bildlage& lage) override {
    merke(vektorbilder, {0, 0, {svg.begin(), svg.end()}, lage, zustand.geclippt}, "vektorbild");
    return vektorbildSpielt;
  }
  void setzeClip(std::span<const Pixelpunkt> p) override {
    zustand.geclippt = true;
    merke(clips, {p.begin(), p.end()}, "setzeClip");
  }
  void clipAufheben() override {
    zustand.geclippt = false;
    ++clipAufhebungen;
    protokoll.emplace_back("clipAufheben");
  }

  // Forgets every recorded call; the current pen, brush, mode and clip state stay.
  void leeren();

  // The number of recorded pixels of a colour, and whether one was set at (x, y).
  std::size_t anzahlPixel(Farbe farbe) const;
  bool hatPixel(int x, int y) const;

  // The current state, as the next figure would be drawn with it.
  Zustand zustand;

  std::vector<Stift> stifte;  // every setzeStift, in order
  std::vector<Pinsel> pinsel;
  std::vector<Stiftmodus> modi;
  std::vector<Linienzug> polylinien;
  std::vector<Mehrfachlinie> mehrfachlinien;
  std::vector<Flaeche> polygone;
  std::vector<Flaeche> flaechenOhneRand;
  std::vector<Rechteckfuellung> fuellungen;
  std::vector<Punkt> pixelListe;
  std::vector<Text> texte;
  std::vector<Bildaufruf> rasterbilder;
  std::vector<Bildaufruf> vektorbilder;
  bool vektorbildSpielt = true;
  std::vector<std::vector<Pixelpunkt>> clips;  // every setzeClip
  int clipAufhebungen = 0;
  // Names of the calls in order: "setzeStift", "polylinie", "pixel", ...
  std::vector<std::string> protokoll;

 private:
  template <class T>
  void merke(std::vector<T>& liste, T eintrag, const char* aufruf) {
    liste.push_back(std::move(eintrag));
    protokoll.emplace_back(aufruf);
  }
  int breite_;
  int hoehe_;
};

}  // namespace quarzel
