// Haarlinien: antialiased one-pixel lines written straight into a 32-bit
// image. Picture exports of large drawings are mostly such lines; Qt's
// stroker blends them pixel by pixel through its span machinery, which took
// over half of the run for a million lines. Here each column (or row) of a
// line costs two blends.
//
// Coverage follows the usual two-pixel split across the line (so a line
// between pixel centres is one full pixel), with partial coverage at the
// ends. Only for opaque colours in copy mode without clipping; the caller
// checks that.
#pragma once

#include <QImage>
#include <QLineF>
#include <span>

namespace quarzel {

// Whether the image's pixels can be written by zeichneHaarlinien.
bool haarlinienTauglich(const QImage& bild);

// Draws each line in the opaque colour; pixels outside the image are skipped.
void zeichneHaarlinien(QImage& bild, std::span<const QLineF> linien, QRgb farbe);

}  // namespace quarzel
