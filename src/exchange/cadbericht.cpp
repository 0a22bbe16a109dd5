#include "exchange/cadbericht.h"

#include <array>
#include <sstream>

namespace quarzel {

namespace {

// In the order of CadArt.
constexpr std::array<const char*, 17> kArtnamen = {
    "Linien",          "Punkte",      "Kreise",     "Bögen",         "Ellipsen",
    "Polylinien",      "Splines",     "Texte",      "Absätze",       "Blöcke eingefügt",
    "Flächen",         "Schraffuren", "Bemaßungen", "Hinweislinien", "Attributdefinitionen",
    "Ansichtsfenster", "Unbekannt"};

}  // namespace

std::string cadbericht(const CadModell& m) {
  std::array<std::size_t, kArtnamen.size()> anzahl{};
  for (const CadEntitaet& e : m.entitaeten) ++anzahl[static_cast<std::size_t>(e.art) % anzahl.size()];
  std::ostringstream aus;
  aus << "Version: " << (m.version.empty() ? "?" : m.version) << "\n";
  aus << "Einheiten: " << m.einheiten << "\n";
  aus << "Layer: " << m.layer.size() << "\n";
  aus << "Blockdefinitionen: " << m.bloecke.size() << "\n";
  if (!m.layouts.empty()) {
    aus << "Blätter:";
    for (std::size_t i = 0; i < m.layouts.size(); ++i) aus << (i ? ", " : " ") << m.layouts[i].name;
    aus << "\n";
  }
  aus << "Objekte: " << m.entitaeten.size() << "\n";
  for (std::size_t i = 0; i < anzahl.size(); ++i) {
    if (anzahl[i] > 0) aus << "  " << kArtnamen[i] << ": " << anzahl[i] << "\n";
  }
  if (!m.unbekannt.empty()) {
    aus << "Nicht übernommen:\n";
    for (const auto& [name, n] : m.unbekannt) aus << "  " << name << ": " << n << "\n";
  }
  return aus.str();
}

}  // namespace quarzel
