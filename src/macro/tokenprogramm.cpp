#include "macro/tokenprogramm.h"

#include <limits>

#include "macro/schreibweise.h"

namespace quarzel {

namespace {

bool istLiteral(std::string_view text) {
  return text.substr(0, Literalmarke.size()) == Literalmarke;
}

// A token that `CALL name` reaches: it reads name + "#" in lower case.
bool istSprungziel(std::string_view text) {
  return text.size() > 1 && text.back() == '#' && !istLiteral(text);
}

}  // namespace

Tokenart tokenartVon(std::string_view text) {
  if (text.empty()) return Tokenart::Leer;
  if (istLiteral(text)) return Tokenart::Literal;
  if (findeBefehl(text) != Befehl::Keiner) return Tokenart::Befehl;
  if (text == Endmarke) return Tokenart::Ende;
  if (text.find('#') == text.size() - 1) return Tokenart::Label;
  return Tokenart::Daten;
}

std::string_view Tokenprogramm::inhalt(std::size_t i) const {
  std::string_view t = text(i);
  if (tokens_[i].art == Tokenart::Literal) t.remove_prefix(Literalmarke.size());
  return t;
}

std::optional<std::size_t> Tokenprogramm::findeLabel(std::string_view name) const {
  const auto it = labels_.find(kleinschreibung(name));
  if (it == labels_.end()) return std::nullopt;
  return it->second;
}

void Tokenprogramm::fuegeAn(std::string_view text, std::uint32_t zeile, std::uint32_t spalte) {
  // No source can hold a token of 4 GiB (the readers stop far earlier); the
  // cut only keeps the length field honest.
  if (text.size() > std::numeric_limits<std::uint32_t>::max())
    text = text.substr(0, std::numeric_limits<std::uint32_t>::max());

  Token t{};
  t.anfang = text_.size();
  t.laenge = static_cast<std::uint32_t>(text.size());
  t.zeile = zeile;
  t.spalte = spalte;
  t.art = tokenartVon(text);
  t.befehl = t.art == Tokenart::Befehl ? findeBefehl(text) : Befehl::Keiner;
  const std::size_t auf = text.find('[');
  t.hatIndex = auf != std::string_view::npos && text.find(']', auf + 1) != std::string_view::npos;

  const std::string klein = kleinschreibung(text);
  if (istSprungziel(text)) labels_.try_emplace(klein.substr(0, klein.size() - 1), tokens_.size());
  text_.append(text);
  klein_.append(klein);
  tokens_.push_back(t);
}

void Tokenprogramm::schliesseAb() {
  fuegeAn(Endmarke);
  fuegeAn(Endmarke);
}

bool Tokenprogramm::abgeschlossen() const {
  const std::size_t n = tokens_.size();
  return n >= 2 && tokens_[n - 1].art == Tokenart::Ende && tokens_[n - 2].art == Tokenart::Ende;
}

void Tokenprogramm::leere() {
  tokens_.clear();
  text_.clear();
  klein_.clear();
  labels_.clear();
}

std::size_t Tokenprogramm::haengeAn(const Tokenprogramm& teil) {
  if (&teil == this) {
    const Tokenprogramm kopie = teil;
    return haengeAn(kopie);
  }
  const std::size_t start = tokens_.size();
  tokens_.reserve(start + teil.tokens_.size());
  text_.reserve(text_.size() + teil.text_.size());
  klein_.reserve(klein_.size() + teil.klein_.size());
  for (std::size_t i = 0; i < teil.laenge(); ++i) fuegeAn(teil.text(i), teil.zeile(i), teil.spalte(i));
  return start;
}

std::vector<std::string> Tokenprogramm::texte() const {
  std::vector<std::string> t;
  t.reserve(tokens_.size());
  for (std::size_t i = 0; i < tokens_.size(); ++i) t.emplace_back(text(i));
  return t;
}

}  // namespace quarzel
