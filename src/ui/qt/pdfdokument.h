// Pdfdokument: a one-page PDF file put together from a content stream, the
// standard fonts it names and its pictures. The content is deflated as it
// grows (at zlib's fastest level: for streams of path operators it packs
// nearly as tight as the default level at a seventh of the time), so a
// million lines never sit in memory uncompressed.
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quarzel {

class Pdfdokument {
 public:
  // The page in points (1/72 inch).
  Pdfdokument(double breitePunkte, double hoehePunkte);
  ~Pdfdokument();
  Pdfdokument(const Pdfdokument&) = delete;
  Pdfdokument& operator=(const Pdfdokument&) = delete;

  // Appends to the page's content stream.
  void inhalt(std::string_view text);

  // The resource name ("F1" … "F4") of a standard font: 0 Helvetica, 1 bold,
  // 2 oblique, 3 bold oblique; all with WinAnsi encoding.
  std::string schrift(int schnitt);
  // The resource name of a picture; transparent pixels come out transparent.
  std::string bild(const QImage& bild);

  double breite() const { return breite_; }
  double hoehe() const { return hoehe_; }

  void setzeTitel(const std::string& utf8) { titel_ = utf8; }

  // Writes the file; "" on success, otherwise why not.
  std::string speichern(const std::string& pfad);

 private:
  void packe(bool ende);  // the buffered text
  void packe(bool ende, std::string_view text);

  double breite_, hoehe_;
  std::string titel_;
  std::string puffer_;                 // content not yet deflated
  // Deflated content in the pieces deflate gave: one growing array would
  // hold up to twice the stream while it doubles (12 MB for 4.5 MB).
  std::vector<std::vector<std::uint8_t>> gepackt_;
  struct Strom;
  std::unique_ptr<Strom> strom_;
  bool schriften_[4] = {false, false, false, false};
  struct Bild {
    int breite = 0, hoehe = 0;
    QByteArray rgb, alpha;  // deflated rows; alpha empty when opaque
  };
  std::vector<Bild> bilder_;
};

}  // namespace quarzel
