// Ebenenzuordnung: the layers of an imported file as sublayers of the
// import's target layer.
//
// Each file layer becomes the sublayer of that name, found or created: the
// target layer's 250 sublayers first, then the layers after it (up to layer
// 64), which are created on demand and named after the target layer with the
// difference of their numbers ("plan.dxf1", "plan.dxf2", …). Runs of entities
// on one layer are the rule, and a file may have thousands of entities per
// layer, so each name is looked up in the tables once and then remembered.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quarzel {

struct Zeichnung;

class Ebenenzuordnung {
 public:
  static constexpr int kLetzteEbene = 64;

  Ebenenzuordnung(Zeichnung& z, int zielebene) : z_(z), ziel_(zielebene) {}

  // Makes the sublayer of the file layer `name` current: active in the layer
  // tables and in the store's current attributes. False when every sublayer
  // up to layer 64 is taken; then the current one stays. A sublayer made for
  // a layer the file has switched off or frozen starts hidden.
  bool ordneZu(std::string_view name, bool ausgeblendet = false);

  int zielebene() const { return ziel_; }
  // The layers that took imported sublayers, in ascending order.
  const std::vector<int>& ebenen() const { return ebenen_; }

 private:
  struct Platz {
    std::uint8_t ebene, folie;
  };
  bool suche(const std::string& name, bool ausgeblendet, Platz& platz);
  void mache(Platz p);
  void merke(int ebene);

  Zeichnung& z_;
  int ziel_;
  std::unordered_map<std::string, Platz> bekannt_;
  std::vector<int> ebenen_;
  std::string letzter_;
  bool hatLetzten_ = false;
};

}  // namespace quarzel
