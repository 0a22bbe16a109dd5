// PdfCanvas: the Canvas of the core written straight into the content stream
// of a one-page PDF file (Pdfdokument). The output path of "render … .pdf":
// Qt's PDF writer spent most of its time deflating coordinates with nine
// digits at zlib's default level; here coordinates are whole tenths of a
// device pixel, pen and brush are written only when they change, curves stay
// curves, and the stream is deflated at the fastest level.
//
// It keeps the conventions of QtCanvas (see qtcanvas.h) as far as paper has
// them: same pen widths, caps and dash patterns, texts placed by the top-left
// of their cell, geometry far outside the page cut away. Texts are set in
// Helvetica (bold, oblique) whatever font is asked for; XOR draws like copy.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "ui/qt/pdfdokument.h"

namespace quarzel {

class PdfCanvas final : public Canvas {
 public:
  // breite × hoehe device pixels at `dpi`, the top-left pixel at the page's
  // top-left corner.
  PdfCanvas(Pdfdokument& dokument, int breite, int hoehe, double dpi);
  ~PdfCanvas() override;

  int breite() const override { return breite_; }
  int hoehe() const override { return hoehe_; }

  void setzeStift(Farbe farbe, double breitePixel, Stiftart art = Stiftart::Durchgezogen) override;
  void setzePinsel(Farbe farbe, bool keinPinsel = false) override;
  void setzeStiftmodus(Stiftmodus modus) override { modus_ = modus; }

  void polylinie(std::span<const Pixelpunkt> punkte) override;
  void mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) override;
  void strecken(std::span<const Pixelpunkt> paare) override;
  void bezierzug(std::span<const Pixelpunkt> punkte) override;
  bool kurvenErhalten() const override { return true; }
  void abschliessen() override;
  void polygon(std::span<const Pixelpunkt> punkte) override;
  void flaeche(std::span<const Pixelpunkt> punkte) override;
  void rechteckFuellen(const Pixelrechteck& r, Farbe farbe) override;
  void pixel(int x, int y, Farbe farbe) override;
  void text(double x, double y, std::string_view utf8, const Schriftangaben& schrift, Farbe farbe) override;
  void bild(std::span<const std::uint8_t> bilddatei, const Pixelrechteck& ziel) override;
  void rasterbild(const Rasterbild& bild, const Bildlage& lage) override;
  bool vektorbild(std::span<const std::uint8_t> svg, const Bildlage& lage) override;
  double textbreite(std::string_view utf8, const Schriftangaben& schrift) const override;

  void setzeClip(std::span<const Pixelpunkt> polygon) override;
  void clipAufheben() override;

 private:
  // What the content stream has in force.
  struct Zustand {
    Farbe strich = 0, flaeche = 0;
    int breite = 10;  // tenths of a pixel
    Stiftart art = Stiftart::Durchgezogen;
    bool bekannt = false;
  };

  Farbe wirksam(Farbe f) const;
  void stiftSchreiben();
  void flaecheSchreiben(Farbe f);
  void punkt(Pixelpunkt p, const char* op);
  void zug(std::span<const Pixelpunkt> punkte);  // m, l …, cut to the guard rectangle
  void bildZeichnen(const QImage& bild, const Bildlage& lage);
  void raus();

  Pdfdokument& dok_;
  int breite_, hoehe_;
  // The stroke waiting for its S: consecutive figures of one pen go out as one path.
  bool pfadOffen_ = false;
  Farbe stiftfarbe_ = 0;
  double stiftbreite_ = 1;
  Stiftart stiftart_ = Stiftart::Durchgezogen;
  Farbe pinselfarbe_ = 0xFFFFFF;
  bool keinPinsel_ = false;
  Stiftmodus modus_ = Stiftmodus::Kopieren;
  Zustand geschrieben_, vorClip_;
  bool clip_ = false;
  std::string zeile_;
};

}  // namespace quarzel
