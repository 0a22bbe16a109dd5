#include "store/linienstilzeichnung.h"

#include <string>
#include <string_view>

#include "styles/linienini.h"
#include "base/textkodierung.h"
#include "styles/tlmdatei.h"
#include "base/zahlformat.h"

namespace quarzel {

namespace {

std::string_view alsText(const std::vector<std::uint8_t>& daten) {
  return {reinterpret_cast<const char*>(daten.data()), daten.size()};
}

std::vector<std::uint8_t> alsBytes(std::string_view text) {
  return {text.begin(), text.end()};
}

// The number in the first line and the rest of the text after it.
std::optional<int> nummer(std::string_view& text) {
  const std::size_t ende = text.find('\n');
  if (ende == std::string_view::npos) return std::nullopt;
  std::string_view zeile = text.substr(0, ende);
  if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
  text.remove_prefix(ende + 1);
  const auto n = leseInt(zeile);
  if (!n || zeile.empty() || *n < 1 || *n > linienstil::kMuster) return std::nullopt;
  return n;
}

std::string name(const std::string& gelesen, std::string vorgabe) {
  return gelesen.empty() ? vorgabe : gelesen;
}

}  // namespace

void linienstileAusZeichnung(const Zeichnungsoptionen& optionen, Linienstiltabelle& tabelle) {
  if (!optionen.linienstildatei.empty()) {
    leseLinienIni(IniDatei::ausText(alsText(optionen.linienstildatei)), tabelle);
  }
  for (const EingebetteteDatei& d : optionen.linienstile) {
    std::string_view text = alsText(d.daten);
    const auto n = nummer(text);
    if (!n) continue;
    KomplexesMuster m = tabelle.komplexes(*n);
    if (!leseKomplexenBlock(text, m)) continue;
    m.name = name(d.name, Linienstiltabelle::komplexerStandardname(*n));
    tabelle.komplexes(*n) = std::move(m);
  }
  for (const EingebetteteDatei& d : optionen.linienstile2) {
    std::string_view text = alsText(d.daten);
    const auto n = nummer(text);
    if (!n) continue;
    EinfachesMuster m = tabelle.einfaches(*n);
    if (!leseEinfachenBlock(text, m)) continue;
    m.name = name(d.name, Linienstiltabelle::einfacherStandardname(*n));
    tabelle.einfaches(*n) = std::move(m);
  }
}

void linienstileInZeichnung(const Linienstiltabelle& tabelle, Zeichnungsoptionen& optionen) {
  optionen.linienstildatei = alsBytes(schreibeLinienIni(tabelle).text());
  optionen.linienstile.clear();
  optionen.linienstile2.clear();
  for (int n = 1; n <= linienstil::kMuster; ++n) {
    const KomplexesMuster& k = tabelle.komplexes(n);
    optionen.linienstile.push_back({k.name, alsBytes(std::to_string(n) + '\n' + schreibeKomplexenBlock(k))});
    const EinfachesMuster& e = tabelle.einfaches(n);
    optionen.linienstile2.push_back({e.name, alsBytes(std::to_string(n) + '\n' + schreibeEinfachenBlock(e))});
  }
}

}  // namespace quarzel
