#include "ui/qt/zeichnungsausgabe.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "render/elementzeichnen.h"
#include "edit/fangformen.h"
#include "project/projektausgabe.h"
#include "project/projektbearbeitung.h"
#include "store/grossallokator.h"
#include "store/zeichnung.h"
#include "ui/qt/pdfcanvas.h"
#include "ui/qt/pdfdokument.h"
#include "ui/qt/qtcanvas.h"

namespace quarzel {

namespace {

struct Ausschnitt {
  double x = 0, y = 0, breite = 0, hoehe = 0;  // world millimetres
};

// Everything alive, with a small margin; the sheet when there is nothing.
Ausschnitt zeichnungsausschnitt(const Zeichnung& z) {
  const Elementspeicher& s = z.speicher;
  double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
    if (!s.lebendig(n)) continue;
    const std::optional<Weltrechteck> r = fangumgebung(s, n);
    if (!r || !std::isfinite(r->x1) || !std::isfinite(r->y1) || !std::isfinite(r->x2) || !std::isfinite(r->y2))
      continue;
    x0 = std::min({x0, r->x1, r->x2});
    y0 = std::min({y0, r->y1, r->y2});
    x1 = std::max({x1, r->x1, r->x2});
    y1 = std::max({y1, r->y1, r->y2});
  }
  const Ansicht& a = z.ansicht;
  if (!(x1 >= x0) || !(y1 >= y0))
    return {double(a.sheetLeft), double(a.sheetTop), double(a.sheetWidth), double(a.sheetHeight)};
  const double rand = std::max({(x1 - x0) * 0.02, (y1 - y0) * 0.02, 2.0});
  return {x0 - rand, y0 - rand, x1 - x0 + 2 * rand, y1 - y0 + 2 * rand};
}

void zeichne(const Zeichnung& z, const Ausgabewahl& w, Canvas& canvas, const Ausschnitt& a, double zoom) {
  // Centre marks help on screen; on paper they would look like drawn crosses.
  Darstellungswahl darstellung = w.darstellung;
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Ohne;
  Zeichenumgebung u{z, w.schalter, darstellung};
  u.schraffuren = w.schraffuren;
  // A picture file shows the values of placeholders, as paper does.
  const Projektdatenersetzung platzhalter(heutigesDatum());
  u.textersetzung = &platzhalter;
  const Cliprechteck clip{0, 0, static_cast<double>(canvas.breite()), static_cast<double>(canvas.hoehe())};
  drawElements(canvas, 1, z.speicher.anzahl(), z.ansicht.drawingScale, zoom, clip, a.x, a.y, u);
}

}  // namespace

std::optional<Ausgabeformat> ausgabeformatFuer(const std::string& pfad) {
  const QString endung = QFileInfo(QString::fromStdString(pfad)).suffix().toLower();
  if (endung == "png") return Ausgabeformat::Png;
  if (endung == "pdf") return Ausgabeformat::Pdf;
  if (endung == "svg") return Ausgabeformat::Svg;
  return std::nullopt;
}

std::string gibZeichnungAus(const Zeichnung& z, const Ausgabewahl& w) {
  const Ansicht& ansicht = z.ansicht;
  const Ausschnitt a = w.ganzeZeichnung ? zeichnungsausschnitt(z)
                                        : Ausschnitt{double(ansicht.sheetLeft), double(ansicht.sheetTop),
                                                     double(ansicht.sheetWidth), double(ansicht.sheetHeight)};
  if (!(a.breite > 0) || !(a.hoehe > 0) || !std::isfinite(a.breite) || !std::isfinite(a.hoehe))
    return "Die Zeichnung hat keine darstellbare Fläche.";
  const int vorgabe = w.format == Ausgabeformat::Png ? 150 : w.format == Ausgabeformat::Pdf ? 600 : 96;
  const int dpi = w.dpi > 0 ? w.dpi : vorgabe;
  const double zoom = 25.4 / dpi;  // millimetres per device pixel
  // A hair below the next whole pixel counts as that pixel: 297 mm at 254 dpi
  // are 2970 pixels, not 2971 from the rounding of 25.4 / 254.
  const double pxBreite = std::max(1.0, std::ceil(a.breite / zoom - 1e-6));
  const double pxHoehe = std::max(1.0, std::ceil(a.hoehe / zoom - 1e-6));
  if (w.format != Ausgabeformat::Pdf &&
      (pxBreite * pxHoehe > kGroesstePixelzahlAusgabe || pxBreite > 100000 || pxHoehe > 100000))
    return "Das Bild wäre mit " + std::to_string(static_cast<long long>(pxBreite)) + " × " +
           std::to_string(static_cast<long long>(pxHoehe)) +
           " Pixeln zu groß. Bitte eine kleinere Auflösung (--dpi) wählen.";
  const QString pfad = QString::fromStdString(w.pfad);

  switch (w.format) {
    case Ausgabeformat::Png: {
      // Opaque: the file gets three bytes a pixel instead of four. The pixels
      // lie on huge pages: a steep line steps to a new row, with small pages
      // to a new page, at every pixel, and the page walks cost more than
      // the drawing.
      const int b = static_cast<int>(pxBreite), h = static_cast<int>(pxHoehe);
      uchar* pixel = nullptr;
      try {
        pixel = static_cast<uchar*>(grossspeicher::hole(std::size_t(b) * std::size_t(h) * 4));
      } catch (const std::bad_alloc&) {
        return "Für das Bild ist nicht genug Speicher frei.";
      }
      QImage bild(
          pixel, b, h, b * 4, QImage::Format_RGB32, [](void* p) { grossspeicher::gib(p); }, pixel);
      if (bild.isNull()) return "Für das Bild ist nicht genug Speicher frei.";
      bild.fill(Qt::white);
      const int proMeter = static_cast<int>(std::lround(dpi / 0.0254));
      bild.setDotsPerMeterX(proMeter);
      bild.setDotsPerMeterY(proMeter);
      {
        QtCanvas canvas(bild, true);
        zeichne(z, w, canvas, a, zoom);
      }
      // Quality 85 is zlib level 1: line drawings pack nearly as tight as at
      // the default level, in a fraction of the time.
      if (!bild.save(pfad, "PNG", 85)) return "Die Datei " + w.pfad + " kann nicht geschrieben werden.";
      return "";
    }
    case Ausgabeformat::Pdf: {
      // Our own writer: see PdfCanvas for why not Qt's.
      constexpr double kPunkteProMm = 72.0 / 25.4;
      Pdfdokument pdf(a.breite * kPunkteProMm, a.hoehe * kPunkteProMm);
      pdf.setzeTitel(z.optionen.titel);
      {
        PdfCanvas canvas(pdf, static_cast<int>(std::min(pxBreite, 1e9)), static_cast<int>(std::min(pxHoehe, 1e9)), dpi);
        zeichne(z, w, canvas, a, zoom);
      }
      return pdf.speichern(w.pfad);
    }
    case Ausgabeformat::Svg: {
      QSvgGenerator svg;
      svg.setFileName(pfad);
      svg.setResolution(dpi);
      svg.setSize(QSize(static_cast<int>(pxBreite), static_cast<int>(pxHoehe)));
      svg.setViewBox(QRectF(0, 0, pxBreite, pxHoehe));
      svg.setTitle(QString::fromStdString(z.optionen.titel));
      QPainter maler;
      if (!maler.begin(&svg)) return "Die Datei " + w.pfad + " kann nicht geschrieben werden.";
      {
        QtCanvas canvas(maler, true);
        zeichne(z, w, canvas, a, zoom);
      }
      maler.end();
      if (!QFileInfo(pfad).exists()) return "Die Datei " + w.pfad + " kann nicht geschrieben werden.";
      return "";
    }
  }
  return "";
}

}  // namespace quarzel
