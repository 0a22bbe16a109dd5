#include "ui/qt/pdfcanvas.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

#include "ui/qt/pdfschrift.h"
#include "ui/qt/pixelclip.h"

namespace quarzel {

namespace {

// Coordinates go into the stream as whole tenths of a device pixel: at
// 600 dpi that is 4 µm, far below what any printer resolves.
constexpr double kTeile = 10;
constexpr double kMaxStiftbreite = 10000;
constexpr double kMaxTexthoehe = 100000;
// Pictures played from SVG are rastered at most this many pixels across.
constexpr double kGroessteVektorbildseite = 4000;
// Path text is handed to the document once it is this long.
constexpr std::size_t kZeilenstueck = 1 << 16;

void ganzzahl(std::string& s, long long v) {
  char text[24];
  const auto [ende, fehler] = std::to_chars(text, text + sizeof text, v);
  s.append(text, fehler == std::errc() ? ende : text);
}

long long teile(double px) {
  return std::llround(px * kTeile);
}

void anteil(std::string& s, int wert) {
  // Colour components with three decimals: 0 … 1 in steps of 1/255.
  char text[16];
  const auto [ende, fehler] = std::to_chars(text, text + sizeof text, wert / 255.0, std::chars_format::fixed, 3);
  s.append(text, fehler == std::errc() ? ende : text);
}

void farbe(std::string& s, Farbe f, const char* op) {
  anteil(s, rotAnteil(f));
  s += ' ';
  anteil(s, gruenAnteil(f));
  s += ' ';
  anteil(s, blauAnteil(f));
  s += ' ';
  s += op;
  s += '\n';
}

void zahl(std::string& s, double v) {
  char text[32];
  const auto [ende, fehler] = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 4);
  s.append(text, fehler == std::errc() ? ende : text);
}

}  // namespace

PdfCanvas::PdfCanvas(Pdfdokument& dokument, int breite, int hoehe, double dpi)
    : dok_(dokument), breite_(breite), hoehe_(hoehe) {
  // Device pixels, y downward, in tenths; the page's origin is its bottom left.
  const double s = 72.0 / dpi / kTeile;
  zeile_ = "q\n";
  zahl(zeile_, s);
  zeile_ += " 0 0 ";
  zahl(zeile_, -s);
  zeile_ += " 0 ";
  zahl(zeile_, dok_.hoehe());
  zeile_ += " cm\n";
  dok_.inhalt(zeile_);
}

PdfCanvas::~PdfCanvas() {
  raus();
  dok_.inhalt(clip_ ? "Q\nQ\n" : "Q\n");
}

Farbe PdfCanvas::wirksam(Farbe f) const {
  return modus_ == Stiftmodus::Weiss ? rgb(255, 255, 255) : f;
}

void PdfCanvas::setzeStift(Farbe farbe, double breitePixel, Stiftart art) {
  if (!std::isfinite(breitePixel) || breitePixel < 1) breitePixel = 1;
  stiftfarbe_ = farbe;
  stiftbreite_ = std::min(std::round(breitePixel), kMaxStiftbreite);
  stiftart_ = art;
}

void PdfCanvas::setzePinsel(Farbe farbe, bool keinPinsel) {
  pinselfarbe_ = farbe;
  keinPinsel_ = keinPinsel;
}

void PdfCanvas::raus() {
  if (!pfadOffen_) return;
  pfadOffen_ = false;
  dok_.inhalt("S\n");
}

void PdfCanvas::stiftSchreiben() {
  const Farbe f = wirksam(stiftfarbe_);
  // One-pixel and patterned pens are PDF's hairline (width 0: the thinnest
  // line the device shows), as Qt's cosmetic pens on the screen.
  const int breite =
      stiftart_ != Stiftart::Durchgezogen || stiftbreite_ <= 1 ? 0 : static_cast<int>(stiftbreite_ * kTeile);
  const bool farbeNeu = !geschrieben_.bekannt || geschrieben_.strich != f;
  const bool formNeu = !geschrieben_.bekannt || geschrieben_.breite != breite || geschrieben_.art != stiftart_;
  if (!farbeNeu && !formNeu) return;
  raus();
  zeile_.clear();
  if (farbeNeu) farbe(zeile_, f, "RG");
  if (formNeu) {
    ganzzahl(zeile_, breite);
    switch (stiftart_) {
      case Stiftart::Durchgezogen:
        // Wide pens end round like the screen's; hairlines square.
        zeile_ += breite > 0 ? " w 1 J 1 j [] 0 d\n" : " w 2 J 0 j [] 0 d\n";
        break;
      case Stiftart::Gestrichelt:
        zeile_ += " w 0 J [60 30] 0 d\n";
        break;
      case Stiftart::Gepunktet:
        zeile_ += " w 0 J [10 20] 0 d\n";
        break;
      case Stiftart::StrichPunkt:
        zeile_ += " w 0 J [60 30 10 30] 0 d\n";
        break;
      case Stiftart::StrichPunktPunkt:
        zeile_ += " w 0 J [60 30 10 30 10 30] 0 d\n";
        break;
    }
  }
  if (!geschrieben_.bekannt) {
    geschrieben_.flaeche = 0;  // the PDF default
    farbe(zeile_, 0, "rg");
  }
  geschrieben_.bekannt = true;
  geschrieben_.strich = f;
  geschrieben_.breite = breite;
  geschrieben_.art = stiftart_;
  dok_.inhalt(zeile_);
}

void PdfCanvas::flaecheSchreiben(Farbe f) {
  if (geschrieben_.bekannt && geschrieben_.flaeche == f) return;
  stiftSchreiben();  // makes the state known
  if (geschrieben_.flaeche == f) return;
  raus();
  zeile_.clear();
  farbe(zeile_, f, "rg");
  geschrieben_.flaeche = f;
  dok_.inhalt(zeile_);
}

void PdfCanvas::punkt(Pixelpunkt p, const char* op) {
  ganzzahl(zeile_, teile(p.x));
  zeile_ += ' ';
  ganzzahl(zeile_, teile(p.y));
  zeile_ += op;
}

void PdfCanvas::zug(std::span<const Pixelpunkt> punkte) {
  const auto schreibe = [this](std::span<const Pixelpunkt> p) {
    zeile_.clear();
    punkt(p[0], " m\n");
    for (std::size_t i = 1; i < p.size(); ++i) punkt(p[i], " l\n");
    dok_.inhalt(zeile_);
  };
  const Schutzrechteck r = schutzrechteckFuer(breite_, hoehe_, std::max(1024.0, 2 * stiftbreite_));
  if (allesInnerhalb(punkte, r)) {
    schreibe(punkte);
    return;
  }
  for (const auto& stueck : polylinieBeschneiden(punkte, r)) schreibe(stueck);
}

void PdfCanvas::polylinie(std::span<const Pixelpunkt> punkte) {
  if (punkte.size() < 2) return;
  stiftSchreiben();
  zug(punkte);
  pfadOffen_ = true;
}

void PdfCanvas::mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) {
  std::size_t anfang = 0;
  for (int laenge : laengen) {
    if (laenge < 0 || static_cast<std::size_t>(laenge) > punkte.size() - anfang) return;
    polylinie(punkte.subspan(anfang, static_cast<std::size_t>(laenge)));
    anfang += static_cast<std::size_t>(laenge);
  }
}

void PdfCanvas::strecken(std::span<const Pixelpunkt> paare) {
  if (paare.size() < 2) return;
  stiftSchreiben();
  const Schutzrechteck r = schutzrechteckFuer(breite_, hoehe_, std::max(1024.0, 2 * stiftbreite_));
  zeile_.clear();
  for (std::size_t i = 0; i + 1 < paare.size(); i += 2) {
    const std::span<const Pixelpunkt> paar = paare.subspan(i, 2);
    if (allesInnerhalb(paar, r)) {
      punkt(paar[0], " m ");
      punkt(paar[1], " l\n");
    } else {
      for (const auto& stueck : polylinieBeschneiden(paar, r)) {
        punkt(stueck.front(), " m ");
        punkt(stueck.back(), " l\n");
      }
    }
    // Handed on in pieces: a batch as one text would be held twice over.
    if (zeile_.size() >= kZeilenstueck) {
      dok_.inhalt(zeile_);
      zeile_.clear();
    }
  }
  dok_.inhalt(zeile_);
  pfadOffen_ = true;
}

void PdfCanvas::bezierzug(std::span<const Pixelpunkt> punkte) {
  if (punkte.size() < 4) return;
  if (!allesInnerhalb(punkte, schutzrechteckFuer(breite_, hoehe_, std::max(1024.0, 2 * stiftbreite_)))) {
    Canvas::bezierzug(punkte);  // cut as chords
    return;
  }
  stiftSchreiben();
  zeile_.clear();
  punkt(punkte[0], " m\n");
  for (std::size_t i = 0; i + 3 < punkte.size(); i += 3) {
    punkt(punkte[i + 1], " ");
    punkt(punkte[i + 2], " ");
    punkt(punkte[i + 3], " c\n");
  }
  dok_.inhalt(zeile_);
  pfadOffen_ = true;
}

void PdfCanvas::abschliessen() {
  raus();
}

void PdfCanvas::polygon(std::span<const Pixelpunkt> punkte) {
  if (punkte.size() < 2) return;
  const std::vector<Pixelpunkt> rest =
      polygonBeschneiden(punkte, schutzrechteckFuer(breite_, hoehe_, std::max(1024.0, 2 * stiftbreite_)));
  if (rest.size() < 2) return;
  stiftSchreiben();
  if (!keinPinsel_) flaecheSchreiben(wirksam(pinselfarbe_));
  raus();
  zeile_.clear();
  punkt(rest[0], " m\n");
  for (std::size_t i = 1; i < rest.size(); ++i) punkt(rest[i], " l\n");
  zeile_ += keinPinsel_ ? "h S\n" : "h B*\n";
  dok_.inhalt(zeile_);
}

void PdfCanvas::flaeche(std::span<const Pixelpunkt> punkte) {
  if (punkte.size() < 3 || keinPinsel_) return;
  const std::vector<Pixelpunkt> rest = polygonBeschneiden(punkte, schutzrechteckFuer(breite_, hoehe_, 1024.0));
  if (rest.size() < 3) return;
  flaecheSchreiben(wirksam(pinselfarbe_));
  raus();
  zeile_.clear();
  punkt(rest[0], " m\n");
  for (std::size_t i = 1; i < rest.size(); ++i) punkt(rest[i], " l\n");
  zeile_ += "h f*\n";
  dok_.inhalt(zeile_);
}

void PdfCanvas::rechteckFuellen(const Pixelrechteck& r, Farbe f) {
  if (r.breite <= 0 || r.hoehe <= 0) return;
  const long long l = std::max<long long>(r.links, -1);
  const long long o = std::max<long long>(r.oben, -1);
  const long long re = std::min<long long>(static_cast<long long>(r.links) + r.breite, breite_ + 1LL);
  const long long u = std::min<long long>(static_cast<long long>(r.oben) + r.hoehe, hoehe_ + 1LL);
  if (re <= l || u <= o) return;
  flaecheSchreiben(wirksam(f));
  raus();
  zeile_.clear();
  ganzzahl(zeile_, l * 10);
  zeile_ += ' ';
  ganzzahl(zeile_, o * 10);
  zeile_ += ' ';
  ganzzahl(zeile_, (re - l) * 10);
  zeile_ += ' ';
  ganzzahl(zeile_, (u - o) * 10);
  zeile_ += " re f\n";
  dok_.inhalt(zeile_);
}

void PdfCanvas::pixel(int x, int y, Farbe f) {
  if (x < 0 || y < 0 || x >= breite_ || y >= hoehe_) return;
  rechteckFuellen({x, y, 1, 1}, f);
}

void PdfCanvas::text(double x, double y, std::string_view utf8, const Schriftangaben& schrift, Farbe f) {
  if (utf8.empty() || utf8.size() > INT_MAX) return;
  const double hoehe = schrift.hoehePixel;
  if (!std::isfinite(hoehe) || hoehe < 1 || hoehe > kMaxTexthoehe) return;
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(schrift.winkelGrad)) return;
  const double reichweite = hoehe * (static_cast<double>(utf8.size()) + 2);
  if (!schutzrechteckFuer(breite_, hoehe_, reichweite).enthaelt({x, y})) return;

  const std::string bytes = winAnsi(utf8);
  const double h = std::max(1.0, std::round(hoehe));  // whole pixels, as the screen's font
  const double w = schrift.winkelGrad * M_PI / 180.0;
  const double c = std::cos(w), s = std::sin(w);
  // Baseline origin: below the cell's top by the ascent, across the turned text.
  const Pixelpunkt basis{x + kHelveticaOberlaenge * h * s, y + kHelveticaOberlaenge * h * c};
  flaecheSchreiben(wirksam(f));
  raus();
  const std::string name = dok_.schrift((schrift.fett ? 1 : 0) + (schrift.kursiv ? 2 : 0));
  zeile_ = "BT /" + name + " 1 Tf ";
  const double g = h * kTeile;
  for (double v : {g * c, -g * s, -g * s, -g * c}) {
    zahl(zeile_, v);
    zeile_ += ' ';
  }
  punkt(basis, " Tm ");
  zeile_ += pdfString(bytes);
  zeile_ += " Tj ET\n";
  if (schrift.unterstrichen) {
    // A bar a tenth of the size below the baseline, a twentieth thick.
    const double laenge = helveticaBreite(bytes) * h, tief = 0.1 * h, dick = std::max(1.0, 0.05 * h);
    const auto bei = [&](double entlang, double unter) {
      return Pixelpunkt{basis.x + entlang * c + unter * s, basis.y - entlang * s + unter * c};
    };
    punkt(bei(0, tief), " m ");
    punkt(bei(laenge, tief), " l ");
    punkt(bei(laenge, tief + dick), " l ");
    punkt(bei(0, tief + dick), " l h f\n");
  }
  dok_.inhalt(zeile_);
}

double PdfCanvas::textbreite(std::string_view utf8, const Schriftangaben& schrift) const {
  if (utf8.empty() || utf8.size() > INT_MAX) return 0;
  const double h = schrift.hoehePixel;
  if (!std::isfinite(h) || h < 1 || h > kMaxTexthoehe) return Canvas::textbreite(utf8, schrift);
  return helveticaBreite(winAnsi(utf8)) * std::max(1.0, std::round(h));
}

void PdfCanvas::bildZeichnen(const QImage& bild, const Bildlage& l) {
  const double werte[] = {l.obenLinks.x, l.obenLinks.y, l.obenRechts.x, l.obenRechts.y, l.untenLinks.x, l.untenLinks.y};
  for (double v : werte)
    if (!std::isfinite(v) || std::fabs(v) > 1e7) return;
  const double ax = l.obenRechts.x - l.obenLinks.x, ay = l.obenRechts.y - l.obenLinks.y;
  const double bx = l.obenLinks.x - l.untenLinks.x, by = l.obenLinks.y - l.untenLinks.y;
  if (std::fabs(ax * by - ay * bx) < 1e-9 || bild.isNull()) return;
  const double xs[] = {l.obenLinks.x, l.obenRechts.x, l.untenLinks.x, l.untenLinks.x + ax};
  const double ys[] = {l.obenLinks.y, l.obenRechts.y, l.untenLinks.y, l.untenLinks.y + ay};
  if (*std::max_element(xs, xs + 4) < 0 || *std::min_element(xs, xs + 4) > breite_ ||
      *std::max_element(ys, ys + 4) < 0 || *std::min_element(ys, ys + 4) > hoehe_)
    return;
  raus();
  if (modus_ == Stiftmodus::Weiss) {
    flaecheSchreiben(rgb(255, 255, 255));
    zeile_.clear();
    punkt(l.obenLinks, " m ");
    punkt(l.obenRechts, " l ");
    punkt({l.untenLinks.x + ax, l.untenLinks.y + ay}, " l ");
    punkt(l.untenLinks, " l h f\n");
    dok_.inhalt(zeile_);
    return;
  }
  const std::string name = dok_.bild(bild);
  // The picture's unit square: (0, 0) its bottom-left corner, (0, 1) its top-left.
  zeile_ = "q ";
  for (double v : {ax, ay, bx, by, l.untenLinks.x, l.untenLinks.y}) {
    zahl(zeile_, v * kTeile);
    zeile_ += ' ';
  }
  zeile_ += "cm /" + name + " Do Q\n";
  dok_.inhalt(zeile_);
}

void PdfCanvas::bild(std::span<const std::uint8_t> bilddatei, const Pixelrechteck& ziel) {
  if (bilddatei.empty() || bilddatei.size() > INT_MAX || ziel.breite <= 0 || ziel.hoehe <= 0) return;
  const double l = ziel.links, o = ziel.oben, r = l + ziel.breite, u = o + ziel.hoehe;
  if (r <= 0 || u <= 0 || l >= breite_ || o >= hoehe_) return;
  const Bildlage lage{{l, o}, {r, o}, {l, u}};
  if (modus_ == Stiftmodus::Weiss) {
    bildZeichnen(QImage(1, 1, QImage::Format_RGB32), lage);
    return;
  }
  const QImage b = QImage::fromData(bilddatei.data(), static_cast<int>(bilddatei.size()));
  if (!b.isNull()) bildZeichnen(b, lage);
}

void PdfCanvas::rasterbild(const Rasterbild& b, const Bildlage& lage) {
  if (b.breite <= 0 || b.hoehe <= 0 ||
      b.rgba.size() != static_cast<std::size_t>(b.breite) * static_cast<std::size_t>(b.hoehe) * 4)
    return;
  bildZeichnen(QImage(b.rgba.data(), b.breite, b.hoehe, b.breite * 4, QImage::Format_RGBA8888), lage);
}

bool PdfCanvas::vektorbild(std::span<const std::uint8_t> svg, const Bildlage& lage) {
  if (svg.empty() || svg.size() > INT_MAX) return false;
  QSvgRenderer spieler(QByteArray(reinterpret_cast<const char*>(svg.data()), static_cast<qsizetype>(svg.size())));
  if (!spieler.isValid()) return false;
  // Played onto a picture as fine as the page's pixels, then placed like one.
  const double seiteA = std::hypot(lage.obenRechts.x - lage.obenLinks.x, lage.obenRechts.y - lage.obenLinks.y);
  const double seiteB = std::hypot(lage.untenLinks.x - lage.obenLinks.x, lage.untenLinks.y - lage.obenLinks.y);
  if (!std::isfinite(seiteA) || !std::isfinite(seiteB)) return true;
  const int bw = static_cast<int>(std::clamp(std::ceil(seiteA), 1.0, kGroessteVektorbildseite));
  const int bh = static_cast<int>(std::clamp(std::ceil(seiteB), 1.0, kGroessteVektorbildseite));
  QImage bild(bw, bh, QImage::Format_ARGB32_Premultiplied);
  bild.fill(Qt::transparent);
  {
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing, true);
    spieler.render(&maler, QRectF(0, 0, bw, bh));
  }
  bildZeichnen(bild, lage);
  return true;
}

void PdfCanvas::setzeClip(std::span<const Pixelpunkt> polygon) {
  clipAufheben();
  dok_.inhalt("q\n");
  vorClip_ = geschrieben_;
  clip_ = true;
  const std::vector<Pixelpunkt> rest =
      polygonBeschneiden(polygon, schutzrechteckFuer(breite_, hoehe_, std::max(1024.0, 2 * stiftbreite_)));
  if (rest.size() < 3) {
    // A degenerate clip region lets nothing through.
    dok_.inhalt("0 0 0 0 re W n\n");
    return;
  }
  zeile_.clear();
  punkt(rest[0], " m\n");
  for (std::size_t i = 1; i < rest.size(); ++i) punkt(rest[i], " l\n");
  zeile_ += "h W* n\n";
  dok_.inhalt(zeile_);
}

void PdfCanvas::clipAufheben() {
  raus();
  if (!clip_) return;
  dok_.inhalt("Q\n");
  geschrieben_ = vorClip_;
  clip_ = false;
}

}  // namespace quarzel
