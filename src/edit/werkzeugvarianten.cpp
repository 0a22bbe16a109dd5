#include "edit/werkzeugvarianten.h"

#include <algorithm>
#include <array>

namespace quarzel {

namespace {

using V = Werkzeugvariante;

constexpr std::array kLinie{V{1, "2 Punkte"}, V{42, "Aus der Mitte"}, V{7, "Mehrfach"}};
constexpr std::array kLinienkreuz{V{43, "Gerade"}, V{53, "45°"}};
constexpr std::array kRechteck{V{3, "2 Ecken"}, V{47, "Gedreht"}};
constexpr std::array kKreis{V{2, "Mitte, Radius"}, V{26, "2 Punkte"}, V{15, "3 Punkte"},
                            V{55, "Fester Radius"}};
constexpr std::array kKreisbogen{V{5, "Gegen Uhrzeiger"}, V{11, "Im Uhrzeiger"}, V{14, "3 Punkte"}};
constexpr std::array kEllipse{V{4, "Mitte, Radien"}, V{28, "Im Rechteck"}, V{29, "Gedreht"}};
constexpr std::array kEllipsenbogen{V{6, "Gegen Uhrzeiger"}, V{12, "Im Uhrzeiger"}};

constexpr std::array kFlRechteck{V{16, "2 Ecken"}, V{51, "Gedreht"}};
constexpr std::array kFlVollkreis{V{17, "Mitte, Radius"}, V{52, "2 Punkte"}, V{30, "3 Punkte"},
                                  V{56, "Fester Radius"}};
constexpr std::array kFlKreisbogen{V{19, "Mitte, Winkel"}, V{20, "Mitte, Start, Ende"},
                                   V{31, "3 Punkte"}};
constexpr std::array kFlKreissegment{V{38, "3 Punkte"}, V{33, "Mitte, Start, Ende"}};
constexpr std::array kFlEllipse{V{18, "Mitte, Radien"}, V{32, "Im Rechteck"}, V{22, "Gedreht"}};

constexpr std::array kKnoepfe{
    Variantenknopf{1, kLinie},           Variantenknopf{43, kLinienkreuz},      Variantenknopf{3, kRechteck},
    Variantenknopf{2, kKreis},           Variantenknopf{5, kKreisbogen},        Variantenknopf{4, kEllipse},
    Variantenknopf{6, kEllipsenbogen},   Variantenknopf{16, kFlRechteck},       Variantenknopf{17, kFlVollkreis},
    Variantenknopf{19, kFlKreisbogen},   Variantenknopf{38, kFlKreissegment},   Variantenknopf{18, kFlEllipse},
};

}  // namespace

std::span<const Variantenknopf> variantenknoepfe() {
  return kKnoepfe;
}

const Variantenknopf* variantenknopf(std::uint16_t code) {
  for (const Variantenknopf& k : kKnoepfe) {
    if (std::any_of(k.varianten.begin(), k.varianten.end(), [&](const V& v) { return v.code == code; })) return &k;
  }
  return nullptr;
}

}  // namespace quarzel
