#include "macro/makrodialog.h"

#include <array>
#include <utility>

#include "macro/schreibweise.h"

namespace quarzel {

namespace {

constexpr std::array<std::pair<std::string_view, Steuerelementart>, 19> Artnamen = {{
    {"label", Steuerelementart::Label},
    {"button", Steuerelementart::Button},
    {"helpbutton", Steuerelementart::Hilfebutton},
    {"radiobutton", Steuerelementart::Radiobutton},
    {"checkbox", Steuerelementart::Checkbox},
    {"edit", Steuerelementart::Edit},
    {"spinedit", Steuerelementart::Spinedit},
    {"numiroedit", Steuerelementart::Numiroedit},
    {"combobox", Steuerelementart::Combobox},
    {"listbox", Steuerelementart::Listbox},
    {"imagelistbox", Steuerelementart::Imagelistbox},
    {"radiogroup", Steuerelementart::Radiogroup},
    {"stringgrid", Steuerelementart::Stringgrid},
    {"image", Steuerelementart::Image},
    {"imagebutton", Steuerelementart::Imagebutton},
    {"paintbox", Steuerelementart::Paintbox},
    {"livebutton", Steuerelementart::Livebutton},
    {"frame", Steuerelementart::Frame},
    {"panel", Steuerelementart::Panel},
}};

}  // namespace

std::optional<Steuerelementart> steuerelementartAus(std::string_view name) {
  const std::string klein = kleinschreibung(name);
  for (const auto& [n, art] : Artnamen)
    if (n == klein) return art;
  return std::nullopt;
}

std::string_view steuerelementname(Steuerelementart art) {
  for (const auto& [n, a] : Artnamen)
    if (a == art) return n;
  return {};
}

Steuerelement* Makrodialog::finde(Steuerelementart art, int nummer) {
  for (Steuerelement& e : elemente)
    if (e.art == art && e.nummer == nummer) return &e;
  return nullptr;
}

int Makrodialog::anzahl(Steuerelementart art) const {
  int n = 0;
  for (const Steuerelement& e : elemente)
    if (e.art == art) ++n;
  return n;
}

}  // namespace quarzel
