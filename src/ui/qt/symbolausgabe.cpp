#include "ui/qt/symbolausgabe.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cmath>

#include "base/sicheredatei.h"
#include "edit/symbolablage.h"
#include "render/elementzeichnen.h"
#include "store/speichern.h"
#include "ui/qt/qtcanvas.h"

namespace quarzel {

std::vector<std::uint8_t> symbolvorschau(const Symbol& symbol, const Symbolausgabewahl& wahl) {
  QImage bild(kSymbolvorschauPixel, kSymbolvorschauPixel, QImage::Format_RGB32);
  bild.fill(Qt::white);
  if (const std::optional<Weltrechteck> box = symbolumgebung(symbol)) {
    // One pixel of margin, so lines on the box's edge stay whole.
    constexpr double kNutzbar = kSymbolvorschauPixel - 2;
    const double breite = std::fabs(box->x2 - box->x1), hoehe = std::fabs(box->y2 - box->y1);
    const double groesste = std::max(breite, hoehe);
    const double zoom = groesste > 0 && std::isfinite(groesste) ? groesste / kNutzbar : 1.0;
    const double mitteX = (box->x1 + box->x2) / 2, mitteY = (box->y1 + box->y2) / 2;
    const double halb = kSymbolvorschauPixel / 2.0 * zoom;
    // A symbol's elements are all marked; the picture shows them as drawn.
    Darstellungswahl darstellung = wahl.darstellung;
    darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Ohne;
    darstellung.markierteEinfaerben = false;
    Zeichenumgebung u{symbol.zeichnung, wahl.schalter, darstellung};
    u.schraffuren = wahl.schraffuren;
    QtCanvas canvas(bild, true);
    const Cliprechteck clip{0, 0, double(kSymbolvorschauPixel), double(kSymbolvorschauPixel)};
    drawElements(canvas, 1, symbol.zeichnung.speicher.anzahl(), symbol.zeichnung.ansicht.drawingScale, zoom, clip,
                 mitteX - halb, mitteY - halb, u);
  }
  QByteArray bytes;
  QBuffer puffer(&bytes);
  puffer.open(QIODevice::WriteOnly);
  bild.save(&puffer, "PNG");
  return {bytes.begin(), bytes.end()};
}

std::string speichereMarkierteAlsSymbol(Zeichnung& zeichnung, const std::string& pfad, const Symbolausgabewahl& wahl,
                                        Benutzer& benutzer, const Symbolinformationen* info) {
  std::unique_ptr<Symbol> symbol = symbolAusMarkierten(zeichnung, benutzer);
  if (!symbol) return MeldungNichtsMarkiert;
  if (wahl.massstab > 0) {
    symbol->kopf.massstab = wahl.massstab;
    symbol->zeichnung.ebenen.setzeMassstab(1, wahl.massstab);
    symbol->zeichnung.ansicht.drawingScale = wahl.massstab;
  }
  symbol->kopf.vorschau = symbolvorschau(*symbol, wahl);
  const std::vector<std::uint8_t> daten = schreibeSymbol(*symbol);
  if (!schreibeDateiAtomar(pfad, {reinterpret_cast<const char*>(daten.data()), daten.size()}))
    return meldungErstellenFehlgeschlagen(pfad);
  std::string fehler;
  if (info && !speichereSymbolinformationen(pfad, *info, &fehler))
    return "Die Symbolinformationen konnten nicht gespeichert werden: " + fehler;
  return "";
}

}  // namespace quarzel
