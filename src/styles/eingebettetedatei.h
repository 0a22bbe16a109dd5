// A definition file a drawing carries along (hatch, line style, texture): its
// name and the bytes of the file. The hatch library reads such copies, the
// drawing file keeps them in its options.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quarzel {

struct EingebetteteDatei {
  std::string name;
  std::vector<std::uint8_t> daten;
  bool operator==(const EingebetteteDatei&) const = default;
};

}  // namespace quarzel
