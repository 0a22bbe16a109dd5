#include "edit/werkzeugvarianten.h"

#include <algorithm>
#include <vector>

#include "edit/werkzeugtabelle.h"

namespace quarzel {

namespace {

// The buttons with variants, gathered once from the tool table in its order.
struct Varianten {
  std::vector<std::vector<Werkzeugvariante>> listen;
  std::vector<Variantenknopf> knoepfe;

  Varianten() {
    std::vector<Werkzeugcode> codes;
    for (const Werkzeugzeile& z : werkzeugtabelle()) {
      if (z.variante.empty()) continue;
      const Werkzeugcode knopf = z.knopf;
      auto it = std::find(codes.begin(), codes.end(), knopf);
      if (it == codes.end()) {
        codes.push_back(knopf);
        listen.emplace_back();
        it = codes.end() - 1;
      }
      listen[static_cast<std::size_t>(it - codes.begin())].push_back({z.code, z.variante});
    }
    for (std::size_t i = 0; i < codes.size(); ++i) knoepfe.push_back({codes[i], listen[i]});
  }
};

const Varianten& varianten() {
  static const Varianten v;
  return v;
}

}  // namespace

std::span<const Variantenknopf> variantenknoepfe() {
  return varianten().knoepfe;
}

const Variantenknopf* variantenknopf(Werkzeugcode code) {
  for (const Variantenknopf& k : variantenknoepfe()) {
    if (std::any_of(k.varianten.begin(), k.varianten.end(), [&](const Werkzeugvariante& v) { return v.code == code; }))
      return &k;
  }
  return nullptr;
}

}  // namespace quarzel
