// Zustandsfilter: a canvas in front of another that passes on every figure
// but drops pen, brush and mode settings equal to the ones already in force.
// The styled-segment routine sets the pen for every segment; on a paint
// engine each setting costs more than drawing a short line, and consecutive
// elements mostly share pen and colour.
//
// Plain straight segments are held back and handed on as one `strecken` call
// once anything else comes (another figure, a real change of state,
// abschliessen): a run of lines with one pen is then stroked as one batch, in
// the same order as before. How a batch is drawn faithfully (say, in XOR
// mode) is the target's business.
#pragma once

#include <vector>

#include "platform/canvas.h"

namespace quarzel {

class Zustandsfilter final : public Canvas {
 public:
  explicit Zustandsfilter(Canvas& ziel) : ziel_(ziel) {}
  ~Zustandsfilter() override { buendelZeichnen(); }
  Zustandsfilter(const Zustandsfilter&) = delete;
  Zustandsfilter& operator=(const Zustandsfilter&) = delete;

  int breite() const override { return ziel_.breite(); }
  int hoehe() const override { return ziel_.hoehe(); }

  void setzeStift(Farbe farbe, double breitePixel, Stiftart art = Stiftart::Durchgezogen) override;
  void setzePinsel(Farbe farbe, bool keinPinsel = false) override;
  void setzeStiftmodus(Stiftmodus modus) override;

  void polylinie(std::span<const Pixelpunkt> p) override;
  void strecken(std::span<const Pixelpunkt> p) override;
  void mehrfachPolylinie(std::span<const Pixelpunkt> p, std::span<const int> l) override {
    buendelZeichnen();
    ziel_.mehrfachPolylinie(p, l);
  }
  void bezierzug(std::span<const Pixelpunkt> p) override {
    buendelZeichnen();
    ziel_.bezierzug(p);
  }
  bool kurvenErhalten() const override { return ziel_.kurvenErhalten(); }
  void abschliessen() override {
    buendelZeichnen();
    ziel_.abschliessen();
  }
  void polygon(std::span<const Pixelpunkt> p) override {
    buendelZeichnen();
    ziel_.polygon(p);
  }
  void flaeche(std::span<const Pixelpunkt> p) override {
    buendelZeichnen();
    ziel_.flaeche(p);
  }
  void rechteckFuellen(const Pixelrechteck& r, Farbe f) override {
    buendelZeichnen();
    ziel_.rechteckFuellen(r, f);
  }
  void pixel(int x, int y, Farbe f) override {
    buendelZeichnen();
    ziel_.pixel(x, y, f);
  }
  void text(double x, double y, std::string_view t, const Schriftangaben& s, Farbe f) override {
    buendelZeichnen();
    ziel_.text(x, y, t, s, f);
  }
  void bild(std::span<const std::uint8_t> d, const Pixelrechteck& z) override {
    buendelZeichnen();
    ziel_.bild(d, z);
  }
  void rasterbild(const Rasterbild& b, const Bildlage& l) override {
    buendelZeichnen();
    ziel_.rasterbild(b, l);
  }
  bool vektorbild(std::span<const std::uint8_t> s, const Bildlage& l) override {
    buendelZeichnen();
    return ziel_.vektorbild(s, l);
  }
  double textbreite(std::string_view t, const Schriftangaben& s) const override { return ziel_.textbreite(t, s); }
  // A clip region may come with state of its own on some canvases: forget what is known.
  void setzeClip(std::span<const Pixelpunkt> p) override;
  void clipAufheben() override;

 private:
  void buendelZeichnen();

  Canvas& ziel_;
  std::vector<Pixelpunkt> buendel_;
  bool stiftBekannt_ = false;
  Farbe stiftfarbe_ = 0;
  double stiftbreite_ = 0;
  Stiftart stiftart_ = Stiftart::Durchgezogen;
  bool pinselBekannt_ = false;
  Farbe pinselfarbe_ = 0;
  bool keinPinsel_ = false;
  bool modusBekannt_ = false;
  Stiftmodus modus_ = Stiftmodus::Kopieren;
};

}  // namespace quarzel
