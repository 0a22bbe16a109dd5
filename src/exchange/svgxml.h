// The XML of an SVG file as a flat tree: every element and the character
// data of texts and style sheets, in document order. Built first so that
// `use` may point forward and a style sheet may stand anywhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quarzel {

struct SvgKnoten {
  std::string name;  // without a namespace prefix; "" = character data in `text`
  std::vector<std::pair<std::string, std::string>> attribute;  // names as written, with prefix
  std::string text;
  std::uint32_t ende = 0;  // one past the last descendant

  // The value of the attribute of this name, or of any prefix:name when
  // `mitPraefix`; null when there is none.
  const std::string* attribut(std::string_view n, bool mitPraefix = false) const;
};

struct SvgDokument {
  std::vector<SvgKnoten> knoten;
  std::unordered_map<std::string, std::uint32_t> ids;
  std::string fehler;  // German; empty when the XML was read whole
};

SvgDokument svgDokument(std::string_view daten);

}  // namespace quarzel
