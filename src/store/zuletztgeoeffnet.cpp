#include "store/zuletztgeoeffnet.h"

#include <algorithm>

#include "settings/konfiguration.h"

namespace quarzel {

namespace {

// Lower case for ASCII and for the letters U+00C0..U+00DE (two bytes C3 80..C3 9E
// in UTF-8, without the multiplication sign C3 97), which covers the umlauts
// and accents of German and its neighbours. Other bytes stay as they are.
std::string kleingeschrieben(std::string_view s) {
  std::string k(s);
  for (std::size_t i = 0; i < k.size(); ++i) {
    const auto c = static_cast<unsigned char>(k[i]);
    if (c >= 'A' && c <= 'Z') {
      k[i] = char(c + 32);
    } else if (c == 0xC3 && i + 1 < k.size()) {
      const auto d = static_cast<unsigned char>(k[i + 1]);
      if (d >= 0x80 && d <= 0x9E && d != 0x97) k[i + 1] = char(d + 0x20);
      ++i;
    }
  }
  return k;
}

}  // namespace

bool gleichOhneGross(std::string_view a, std::string_view b) {
  return a.size() == b.size() && kleingeschrieben(a) == kleingeschrieben(b);
}

void ZuletztGeoeffnet::nimmAuf(const std::string& pfad) {
  if (pfad.empty()) return;
  auto stelle = std::find_if(eintraege_.begin(), eintraege_.end(),
                             [&](const std::string& e) { return gleichOhneGross(e, pfad); });
  if (stelle == eintraege_.end()) --stelle;  // the sixth drops out
  std::rotate(eintraege_.begin(), stelle, stelle + 1);
  // The new spelling wins: it is the one the file was last reached by.
  eintraege_.front() = pfad;
}

std::vector<std::string> ZuletztGeoeffnet::angezeigt() const {
  std::vector<std::string> liste;
  for (const std::string& e : eintraege_) {
    if (!e.empty()) liste.push_back(e);
  }
  return liste;
}

einstellung::Dateien ZuletztGeoeffnet::alsAbschnitt() const {
  einstellung::Dateien d;
  d.datei = eintraege_;
  return d;
}

void ZuletztGeoeffnet::lese(const IniDatei& ini) {
  einstellung::Dateien d;
  d.lese(ini);
  eintraege_ = d.datei;
}

void ZuletztGeoeffnet::schreibe(IniDatei& ini) const {
  alsAbschnitt().schreibe(ini);
}

ZuletztGeoeffnet merkeZuletztGeoeffnet(Konfiguration& konfiguration, const std::string& pfad) {
  Einstellungsdatei datei = konfiguration.openSettings();
  ZuletztGeoeffnet liste;
  liste.lese(datei.ini());
  liste.nimmAuf(pfad);
  liste.schreibe(datei.ini());
  if (datei.pfad()) datei.speichern();
  return liste;
}

}  // namespace quarzel
