// An environment given as a map, so tests of the configuration never touch
// the process environment.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "settings/konfiguration.h"
#include "support/tempordner.h"

namespace quarzel::test {

inline Umgebung umgebungAus(std::map<std::string, std::string> werte) {
  return [werte = std::move(werte)](std::string_view name) -> std::optional<std::string> {
    const auto it = werte.find(std::string(name));
    if (it == werte.end()) return std::nullopt;
    return it->second;
  };
}

}  // namespace quarzel::test
