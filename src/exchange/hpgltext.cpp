// HpglLeser: labels. A label runs to the terminator of DT; each of its lines
// becomes a text at the pen in the size of SI/SR and the direction of DI/DR,
// and the pen ends behind the last character as on the plotter.
#include <cmath>
#include <numbers>

#include "exchange/hpglleserkern.h"

namespace quarzel {

namespace {

constexpr double kPlottereinheitenJeZentimeter = 400;
// The plotter's character cell is 1.5 widths wide and 2 heights high; its
// letters are 0.285 by 0.375 wide and high, our fonts' normal proportions.
constexpr double kZellbreite = 1.5, kZeilenabstand = 2, kNormalesSeitenverhaeltnis = 0.285 / 0.375;

// Latin-1 bytes to UTF-8, control characters dropped.
void anhaengen(std::string& s, unsigned char c) {
  if (c < 0x20 || c == 0x7F) return;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else {
    s += static_cast<char>(0xC0 | c >> 6);
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

void HpglLeser::beschriftung() {
  abschliessen();
  const std::size_t t = d_.find(terminator_, p_);
  const std::size_t ende = t == std::string_view::npos ? d_.size() : t;
  std::string_view inhalt = d_.substr(p_, ende - p_);
  std::string gedruckt = terminatorDrucken_ && t != std::string_view::npos ? std::string(1, terminator_) : "";
  p_ = t == std::string_view::npos ? d_.size() : t + 1;

  double breite = zeichenbreite_ * kPlottereinheitenJeZentimeter, hoehe = zeichenhoehe_ * kPlottereinheitenJeZentimeter;
  if (groesseRelativ_) {
    breite = relBreite_ / 100 * std::abs(p2_.x - p1_.x);
    hoehe = relHoehe_ / 100 * std::abs(p2_.y - p1_.y);
  }
  double dx = richtungDx_, dy = richtungDy_;
  if (richtungRelativ_) {
    dx *= (p2_.x - p1_.x) / 100;
    dy *= (p2_.y - p1_.y) / 100;
  }
  const double betrag = std::hypot(dx, dy);
  if (betrag == 0 || !std::isfinite(betrag)) return;
  dx /= betrag;
  dy /= betrag;
  const double grad = std::atan2(dy, dx) * 180 / std::numbers::pi + drehung_;

  HpglPunkt zeile = pos_;
  std::string text;
  std::size_t zeichen = 0;
  auto ausgeben = [&] {
    if (!text.empty() && stift_ != 0 && hoehe > 0) {
      CadEntitaet e = entitaet(CadArt::Text);
      e.a = e.b = modell(zeile);
      e.hoehe = hoehe * 0.025;
      e.breitenfaktor = breite / hoehe / kNormalesSeitenverhaeltnis;
      e.drehung = grad;
      e.text = static_cast<std::uint32_t>(m_.texte.size());
      m_.texte.push_back(text);
      m_.entitaeten.push_back(e);
    }
    text.clear();
  };
  for (char c : inhalt) {
    if (c == '\n') {
      ausgeben();
      zeile = {zeile.x + dy * hoehe * kZeilenabstand, zeile.y - dx * hoehe * kZeilenabstand};
      zeichen = 0;
    } else if (c != '\r') {
      anhaengen(text, static_cast<unsigned char>(c));
      ++zeichen;
    }
  }
  for (char c : gedruckt) anhaengen(text, static_cast<unsigned char>(c));
  ausgeben();
  const double weg = static_cast<double>(zeichen) * breite * kZellbreite;
  pos_ = {zeile.x + dx * weg, zeile.y + dy * weg};
  platz();
}

void HpglLeser::terminator() {
  // DT t[,mode]: the character right after the mnemonic; mode 0 prints it.
  terminator_ = '\x03';
  terminatorDrucken_ = false;
  if (p_ < d_.size() && d_[p_] != ';') {
    terminator_ = d_[p_++];
    double modus = 1;
    if (p_ < d_.size() && d_[p_] == ',') terminatorDrucken_ = zahl(modus) && modus == 0;
  }
  ende();
}

void HpglLeser::schriftgroesse(bool relativ) {
  double b = 0, h = 0;
  const bool gegeben = zahl(b) && zahl(h);
  groesseRelativ_ = relativ;
  if (relativ) {
    relBreite_ = gegeben ? b : 0.75;
    relHoehe_ = gegeben ? h : 1.5;
  } else {
    zeichenbreite_ = gegeben ? b : 0.285;
    zeichenhoehe_ = gegeben ? h : 0.375;
  }
}

void HpglLeser::richtung(bool relativ) {
  double lauf = 1, anstieg = 0;
  if (!(zahl(lauf) && zahl(anstieg))) lauf = 1, anstieg = 0;
  if (lauf == 0 && anstieg == 0) return;
  richtungDx_ = lauf;
  richtungDy_ = anstieg;
  richtungRelativ_ = relativ;
}

}  // namespace quarzel
