// HpglLeser: the byte stream. Instructions are two letters with numeric
// parameters up to a ';' or the next letter; printer wrappers around them
// (PJL lines, PCL escapes with their binary data) are stepped over.
#include <algorithm>
#include <cctype>
#include <cmath>

#include "exchange/hpglleserkern.h"

namespace quarzel {

namespace {

constexpr char kEsc = '\x1b';
constexpr double kZahlGrenze = 1e9;

bool istZahlzeichen(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

bool istTrenner(char c) {
  return c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

bool HpglLeser::naechsteAnweisung(char& a, char& b) {
  while (p_ < d_.size()) {
    const char c = d_[p_];
    if (c == kEsc) {
      ueberspringeEscape();
      continue;
    }
    if (pcl_) {
      // PCL text and commands: only an escape can lead back.
      const std::size_t esc = d_.find(kEsc, p_);
      p_ = esc == std::string_view::npos ? d_.size() : esc;
      continue;
    }
    if (hpglModus()) continue;
    if (std::isalpha(static_cast<unsigned char>(c)) && p_ + 1 < d_.size() &&
        std::isalpha(static_cast<unsigned char>(d_[p_ + 1]))) {
      a = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      b = static_cast<char>(std::toupper(static_cast<unsigned char>(d_[p_ + 1])));
      p_ += 2;
      return true;
    }
    ++p_;
  }
  return false;
}

// A PJL line; the language it enters decides whether PCL or HP-GL follows.
bool HpglLeser::hpglModus() {
  if (d_.compare(p_, 4, "@PJL") != 0) return false;
  const std::size_t zeilenende = std::min(d_.find('\n', p_), d_.size());
  std::string zeile(d_.substr(p_, zeilenende - p_));
  for (char& c : zeile) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  p_ = std::min(zeilenende + 1, d_.size());
  const std::size_t sprache = zeile.find("ENTER LANGUAGE");
  if (sprache != std::string::npos)
    pcl_ = zeile.find("HPGL", sprache) == std::string::npos && zeile.find("HP-GL", sprache) == std::string::npos;
  return true;
}

void HpglLeser::ueberspringeEscape() {
  ++p_;
  if (p_ >= d_.size()) return;
  const char c = d_[p_++];
  if (c == '.') {
    // A device control of the old plotters: ESC . letter, parameters, ':'.
    if (p_ < d_.size()) ++p_;
    while (p_ < d_.size() && (std::isdigit(static_cast<unsigned char>(d_[p_])) || d_[p_] == ';')) ++p_;
    if (p_ < d_.size() && d_[p_] == ':') ++p_;
    return;
  }
  if (c < 0x21 || c > 0x2F) return;                              // a two-character escape such as ESC E
  if (p_ < d_.size() && d_[p_] >= 0x60 && d_[p_] <= 0x7E) ++p_;  // the group
  while (p_ < d_.size()) {
    double wert = 0;
    bool negativ = false;
    while (p_ < d_.size() && istZahlzeichen(d_[p_])) {
      if (d_[p_] == '-') negativ = true;
      if (std::isdigit(static_cast<unsigned char>(d_[p_])) && wert < kZahlGrenze) wert = wert * 10 + (d_[p_] - '0');
      ++p_;
    }
    if (p_ >= d_.size()) return;
    const char t = d_[p_++];
    const bool weiter = t >= 0x60 && t <= 0x7E;
    const char gross = static_cast<char>(std::toupper(static_cast<unsigned char>(t)));
    if (c == '%' && gross == 'A') pcl_ = true;
    if (c == '%' && (gross == 'B' || gross == 'X')) pcl_ = false;
    // Binary data follows: raster rows, fonts, transparent print data.
    if (gross == 'W' && !negativ) p_ += static_cast<std::size_t>(std::min(wert, double(d_.size() - p_)));
    if (!weiter) return;
  }
}

bool HpglLeser::zahl(double& w) {
  while (p_ < d_.size() && istTrenner(d_[p_])) ++p_;
  if (p_ >= d_.size() || !istZahlzeichen(d_[p_])) return false;
  double vorzeichen = 1;
  if (d_[p_] == '+' || d_[p_] == '-') vorzeichen = d_[p_++] == '-' ? -1 : 1;
  double wert = 0, stelle = 0;
  while (p_ < d_.size()) {
    const char c = d_[p_];
    if (c == '.' && stelle == 0) {
      stelle = 0.1;
    } else if (c >= '0' && c <= '9') {
      if (stelle == 0) {
        wert = wert * 10 + (c - '0');
      } else {
        wert += (c - '0') * stelle;
        stelle /= 10;
      }
    } else {
      break;
    }
    ++p_;
  }
  w = std::clamp(vorzeichen * wert, -kZahlGrenze, kZahlGrenze);
  return true;
}

void HpglLeser::ende() {
  while (p_ < d_.size()) {
    const char c = d_[p_];
    if (istZahlzeichen(c) || istTrenner(c)) {
      ++p_;
    } else if (c == '"') {
      const std::size_t zu = d_.find('"', p_ + 1);
      p_ = zu == std::string_view::npos ? d_.size() : zu + 1;
    } else {
      if (c == ';') ++p_;
      return;
    }
  }
}

// PE: numbers in base 64 (8-bit bytes) or 32 (7-bit bytes), least
// significant digit first, the sign in the lowest bit; flags before a
// number say what it is.
bool HpglLeser::kodierteZahl(double& w) {
  std::uint64_t wert = 0, faktor = 1;
  int stellen = 0;
  while (p_ < d_.size()) {
    const auto c = static_cast<unsigned char>(d_[p_]);
    int ziffer = -1;
    bool letzte = false;
    if (basis32_) {
      if (c >= 63 && c <= 94) ziffer = c - 63;
      if (c >= 95 && c <= 126) ziffer = c - 95, letzte = true;
    } else {
      if (c >= 63 && c <= 126) ziffer = c - 63;
      if (c >= 191 && c <= 254) ziffer = c - 191, letzte = true;
    }
    if (ziffer < 0) return false;
    ++p_;
    if (stellen++ < 8) {
      wert += static_cast<std::uint64_t>(ziffer) * faktor;
      faktor *= basis32_ ? 32 : 64;
    }
    if (letzte) {
      const double betrag = static_cast<double>(wert >> 1);
      w = (wert & 1) != 0 ? -betrag : betrag;
      return true;
    }
  }
  return false;
}

void HpglLeser::kodiertePolylinie() {
  basis32_ = false;
  int bruchbits = 0;
  bool stiftwahl = false, bruch = false, hoch = false, absolut = false, habeX = false;
  double x = 0;
  while (p_ < d_.size() && d_[p_] != ';' && d_[p_] != kEsc) {
    const char c = d_[p_];
    if (c == ':' || c == '<' || c == '>' || c == '=' || c == '7') {
      stiftwahl |= c == ':';
      hoch |= c == '<';
      bruch |= c == '>';
      absolut |= c == '=';
      basis32_ |= c == '7';
      ++p_;
      continue;
    }
    double w = 0;
    if (!kodierteZahl(w)) {
      if (p_ < d_.size() && d_[p_] != ';' && d_[p_] != kEsc) ++p_;  // a byte outside the code: skipped
      continue;
    }
    if (stiftwahl) {
      stiftWaehlen(static_cast<int>(std::clamp(w, 0.0, 255.0)));
      stiftwahl = false;
    } else if (bruch) {
      bruchbits = static_cast<int>(std::clamp(w, 0.0, 26.0));
      bruch = false;
    } else if (!habeX) {
      x = w;
      habeX = true;
    } else {
      const double teiler = std::ldexp(1.0, bruchbits);
      const HpglPunkt u{x / teiler, w / teiler};
      HpglPunkt ziel;
      if (absolut) {
        ziel = plotter(u);
      } else {
        const HpglPunkt s = schritt(u);
        ziel = {pos_.x + s.x, pos_.y + s.y};
      }
      geheZu(ziel, !hoch);
      if (!platz()) return;
      habeX = hoch = absolut = false;
    }
  }
  if (p_ < d_.size() && d_[p_] == ';') ++p_;
}

}  // namespace quarzel
