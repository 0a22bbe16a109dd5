#include "ui/qt/druckausgabe.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "edit/fangformen.h"
#include "project/projektausgabe.h"
#include "project/projektbearbeitung.h"
#include "render/elementzeichnen.h"
#include "render/zeichenlauf.h"
#include "store/zeichnung.h"
#include "ui/qt/qtcanvas.h"

namespace quarzel {

namespace {

// The bytes one rasterised band may take, by the key "Segmente".
std::int64_t segmentgroesse(int segmente) {
  constexpr std::int64_t kMByte = 1024 * 1024;
  switch (segmente) {
    case 0:
      return 256 * kMByte;
    case 2:
      return 8 * kMByte;
    default:
      return 64 * kMByte;
  }
}

struct Seitenlauf {
  const Zeichnung& zeichnung;
  const Druckoptionen& optionen;
  const Anzeigeschalter& schalter;
  const Druckverfahren& verfahren;
};

void zeichneAusschnitt(const Seitenlauf& l, Canvas& canvas, int breite, int hoehe, double originX, double originY) {
  // On paper the marking colour and the centre marks of the screen would
  // look like drawn lines.
  Darstellungswahl darstellung = l.optionen.darstellung;
  darstellung.markierteEinfaerben = false;
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Ohne;
  Zeichenumgebung u{l.zeichnung, l.schalter, darstellung};
  u.schraffuren = l.optionen.schraffuren;
  // Paper shows the values of placeholders, whatever the screen shows.
  const Projektdatenersetzung platzhalter(heutigesDatum());
  u.textersetzung = &platzhalter;
  u.mindestbreite = l.verfahren.minimumWidthMode;
  // Some drivers refuse larger textures; our own raster takes any size.
  if (l.optionen.drucken.texturgrenze && !l.verfahren.rasterInProgram) u.texturgrenze = 64 * 1024;
  const Cliprechteck clip{0, 0, double(breite), double(hoehe)};
  drawElements(canvas, 1, l.zeichnung.speicher.anzahl(), l.zeichnung.ansicht.drawingScale, l.verfahren.printerZoom,
               clip, originX, originY, u);
}

// One page in white bands no larger than the segment size, each drawn by us
// and handed to the printer as a picture.
void rastereSeite(const Seitenlauf& l, QPainter& maler, int breite, int hoehe, const Druckblatt& blatt) {
  const std::int64_t zeilenbytes = std::int64_t(std::max(breite, 1)) * 4;
  const int band = static_cast<int>(
      std::clamp<std::int64_t>(segmentgroesse(l.optionen.drucken.segmente) / zeilenbytes, 1, std::max(hoehe, 1)));
  // A preview shows the page pictures scaled down; unsmoothed, thin lines
  // would break into dots.
  maler.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int oben = 0; oben < hoehe; oben += band) {
    QImage bild(breite, std::min(band, hoehe - oben), QImage::Format_RGB32);
    if (bild.isNull()) return;
    bild.fill(Qt::white);
    {
      QtCanvas canvas(bild, true);
      zeichneAusschnitt(l, canvas, bild.width(), bild.height(), blatt.originX,
                        blatt.originY + oben * l.verfahren.printerZoom);
    }
    maler.drawImage(QPoint(0, oben), bild);
  }
}

void zeichneSeite(const Seitenlauf& l, QPainter& maler, const Druckerseite& seite, const Druckblatt& blatt) {
  const int breite = seite.druckbar.breite, hoehe = seite.druckbar.hoehe;
  if (l.verfahren.rasterInProgram) {
    rastereSeite(l, maler, breite, hoehe, blatt);
  } else {
    QtCanvas canvas(maler, true);
    zeichneAusschnitt(l, canvas, breite, hoehe, blatt.originX, blatt.originY);
  }
  if (blatt.marken.empty()) return;
  QtCanvas canvas(maler, true);
  canvas.setzeStift(rgb(0, 0, 0), std::max(1.0, std::round(0.1 / l.verfahren.printerZoom)));
  for (const Schnittmarke& m : blatt.marken) {
    const Pixelpunkt linie[2] = {m.von, m.bis};
    canvas.polylinie(linie);
  }
}

Druckerseite seiteVon(const QPrinter& drucker) {
  Druckerseite s;
  s.dpi = drucker.resolution();
  const QRectF papier = drucker.paperRect(QPrinter::DevicePixel);
  const QRectF seite = drucker.pageRect(QPrinter::DevicePixel);
  s.papierBreite = papier.width();
  s.papierHoehe = papier.height();
  s.druckbar = {static_cast<int>(std::lround(seite.left() - papier.left())),
                static_cast<int>(std::lround(seite.top() - papier.top())), static_cast<int>(std::lround(seite.width())),
                static_cast<int>(std::lround(seite.height()))};
  return s;
}

// Switches the printer's orientation for a print job and back, telling the user each time.
class Ausrichtung {
 public:
  Ausrichtung(QPrinter& drucker, Benutzer& benutzer, bool behalten)
      : drucker_(drucker), benutzer_(benutzer), behalten_(behalten) {}
  ~Ausrichtung() {
    if (!geaendert_ || behalten_) return;
    drucker_.setPageOrientation(vorher_);
    benutzer_.meldung(MeldungAusrichtungWieder);
  }
  Ausrichtung(const Ausrichtung&) = delete;
  Ausrichtung& operator=(const Ausrichtung&) = delete;

  void setze(QPageLayout::Orientation gewuenscht) {
    const QPageLayout::Orientation jetzt = drucker_.pageLayout().orientation();
    if (jetzt == gewuenscht) return;
    // In a job of several prints the orientation from before the first one comes back.
    if (!drucker_.setPageOrientation(gewuenscht)) return;
    if (!geaendert_) vorher_ = jetzt;
    geaendert_ = true;
    if (!behalten_) benutzer_.meldung(MeldungAusrichtungGeaendert);
  }

 private:
  QPrinter& drucker_;
  Benutzer& benutzer_;
  bool behalten_;
  QPageLayout::Orientation vorher_ = QPageLayout::Portrait;
  bool geaendert_ = false;
};

}  // namespace

std::optional<Weltrechteck> gezeigterRahmen(const Zeichnung& z, const Anzeigeschalter& schalter,
                                            const Darstellungswahl& darstellung) {
  // The visibility test wants a drawing context; nothing is drawn on it.
  QImage bild(1, 1, QImage::Format_RGB32);
  QtCanvas canvas(bild);
  Zeichenlauf lauf(z.stifte, z.linienstile, Laufparameter{});
  const Zeichenkontext k{z, lauf, canvas, schalter, darstellung};
  std::optional<Weltrechteck> box;
  for (std::int32_t n = 1; n <= z.speicher.anzahl(); ++n) {
    if (!isDrawable(k, n)) continue;
    const auto b = fangumgebung(z.speicher, n);
    if (!b) continue;
    if (!box) {
      box = *b;
      continue;
    }
    box->x1 = std::min(box->x1, b->x1);
    box->y1 = std::min(box->y1, b->y1);
    box->x2 = std::max(box->x2, b->x2);
    box->y2 = std::max(box->y2, b->y2);
  }
  return box;
}

struct Druckauftrag::Zustand {
  Zustand(QPrinter& d, Benutzer& b, bool behalten) : drucker(d), benutzer(b), ausrichtung(d, b, behalten) {}
  QPrinter& drucker;
  Benutzer& benutzer;
  // Declared before the painter: the orientation comes back after the document has ended.
  Ausrichtung ausrichtung;
  QPainter maler;
  int seiten = 0;
};

Druckauftrag::Druckauftrag(QPrinter& drucker, Benutzer& benutzer, bool ausrichtungBehalten)
    : z_(std::make_unique<Zustand>(drucker, benutzer, ausrichtungBehalten)) {}

Druckauftrag::~Druckauftrag() {
  beende();
}

int Druckauftrag::seiten() const {
  return z_->seiten;
}

bool Druckauftrag::beende() {
  if (!z_->maler.isActive()) return false;
  return z_->maler.end();
}

Druckergebnis Druckauftrag::drucke(Zeichnung& z, const Druckoptionen& o) {
  Druckergebnis e;
  if (z.speicher.anzahl() == 0) return e;
  QPrinter& drucker = z_->drucker;
  Benutzer& benutzer = z_->benutzer;

  std::string name = o.druckername;
  if (name.empty()) name = drucker.printerName().toStdString();
  if (name.empty() && drucker.outputFormat() == QPrinter::PdfFormat) name = "PDF";
  const Anzeigeschalter schalter = druckschalter(o.schalter, o.drucken);
  const bool pdf = istPdfDrucker(name, o.drucken.pdfOptimieren);
  const bool transparent = hatTransparenteElemente(z, schalter, pdf);
  e.verfahren = waehleDruckverfahren(pdf, drucker.resolution(), static_cast<Druckmethode>(o.drucken.funktion),
                                     transparent, benutzer);
  if (o.immerRastern) e.verfahren.rasterInProgram = true;

  e.bereich = druckbereich(z.ansicht, o.drucken.ganzeZeichnung, gezeigterRahmen(z, schalter, o.darstellung));
  if (o.drucken.automatischeAusrichtung) {
    // Within a started document the new orientation applies from the next page on.
    z_->ausrichtung.setze(querformatFuer(e.bereich) ? QPageLayout::Landscape : QPageLayout::Portrait);
  }
  const Druckerseite seite = seiteVon(drucker);
  e.plan = planeSeiten(e.bereich, seite, o.drucken.raenderIgnorieren);
  const int seiten = static_cast<int>(e.plan.blaetter.size());
  if (o.nurEineSeite && !e.plan.eineSeite) {
    e.fehler = "Die Zeichnung passt nicht auf eine Seite.";
    return e;
  }
  if (seiten > kSeitenOhneFrage && !o.seitenzahlBestaetigt && !benutzer.jaNein(frageSeitenzahl(seiten))) return e;

  const Graudruck grau(z, o.grau);
  QPainter& maler = z_->maler;
  const Seitenlauf lauf{z, o, schalter, e.verfahren};
  for (int i = 0; i < seiten; ++i) {
    // The first page of the document comes with the painter, every other one is asked for.
    if (!maler.isActive()) {
      if (!maler.begin(&drucker)) {
        e.fehler = "Der Drucker " + name + " kann nicht angesprochen werden.";
        return e;
      }
    } else if (!drucker.newPage()) {
      e.fehler = "Der Drucker " + name + " hat die Seite " + std::to_string(z_->seiten + 1) + " nicht angenommen.";
      break;
    }
    zeichneSeite(lauf, maler, seite, e.plan.blaetter[static_cast<std::size_t>(i)]);
    ++z_->seiten;
  }
  e.gedruckt = seiten > 0 && e.fehler.empty();
  return e;
}

Druckergebnis druckeZeichnung(Zeichnung& z, QPrinter& drucker, const Druckoptionen& o, Benutzer& benutzer) {
  Druckauftrag auftrag(drucker, benutzer, o.ausrichtungBehalten);
  Druckergebnis e = auftrag.drucke(z, o);
  const bool beendet = auftrag.beende();
  e.gedruckt = e.gedruckt && beendet;
  return e;
}

}  // namespace quarzel
