#include "render/textersetzung.h"

#include "store/zeichnung.h"

namespace quarzel {

namespace {

// As many as a text record holds; a remark of many lines cannot grow a text
// beyond what the renderer draws anyway.
constexpr std::size_t kMeisteZeilen = 256;

void haengeZeilenAn(std::vector<std::string>& ziel, std::string_view text) {
  for (std::size_t anfang = 0; ziel.size() < kMeisteZeilen;) {
    const std::size_t ende = text.find('\n', anfang);
    ziel.emplace_back(text.substr(anfang, ende == std::string_view::npos ? std::string_view::npos : ende - anfang));
    if (ende == std::string_view::npos) break;
    anfang = ende + 1;
  }
}

}  // namespace

AusgegebeneZeilen::AusgegebeneZeilen(const Zeichnung& z, std::int32_t n, const Textersetzung* ersetzung)
    : zeilen_(&z.speicher.text(n).zeilen) {
  if (ersetzung == nullptr) return;
  const std::vector<std::string>& eigene = *zeilen_;
  for (std::size_t i = 0; i < eigene.size(); ++i) {
    std::optional<std::string> anders = ersetzung->ersetze(z, n, eigene[i]);
    if (!anders) {
      if (zeilen_ == &ersetzt_ && ersetzt_.size() < kMeisteZeilen) ersetzt_.push_back(eigene[i]);
      continue;
    }
    if (zeilen_ != &ersetzt_) {
      ersetzt_.assign(eigene.begin(), eigene.begin() + static_cast<std::ptrdiff_t>(i));
      zeilen_ = &ersetzt_;
    }
    haengeZeilenAn(ersetzt_, *anders);
  }
}

}  // namespace quarzel
