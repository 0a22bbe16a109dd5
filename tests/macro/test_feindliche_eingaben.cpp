// Hostile sources and files: nothing crashes, hangs or grows without bound.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/quelltextpruefung.h"

namespace quarzel {
namespace {

std::string zufallsbytes(std::mt19937& zufall, std::size_t n, std::string_view alphabet = {}) {
  std::string t(n, '\0');
  for (char& c : t) {
    c = alphabet.empty() ? static_cast<char>(zufall() & 0xFF) : alphabet[zufall() % alphabet.size()];
  }
  return t;
}

// Spans lie inside their line, in order, without overlap.
void erwarteGueltigeSpannen(const std::string& zeile, const std::vector<Farbspanne>& spannen) {
  std::size_t bisher = 0;
  for (const Farbspanne& s : spannen) {
    ASSERT_GE(s.anfang, bisher);
    ASSERT_GT(s.laenge, 0u);
    ASSERT_LE(s.anfang + s.laenge, zeile.size());
    bisher = s.anfang + s.laenge;
  }
}

TEST(FeindlicheQuelle, RandomBytesCompileColourAndSurviveTheFile) {
  std::mt19937 zufall(4711);
  for (int runde = 0; runde < 300; ++runde) {
    const std::string text = zufallsbytes(zufall, zufall() % 400, runde % 2 ? "()% \t\r\nAD#$@\xC2\xA7x[]" : "");
    const Tokenprogramm p = kompiliereText(text);
    ASSERT_TRUE(p.abgeschlossen());
    for (const std::string& zeile : teileInZeilen(text)) erwarteGueltigeSpannen(zeile, faerbeZeile(zeile));
    const std::optional<Tokenprogramm> wieder = entschluessele(verschluessele(p));
    ASSERT_TRUE(wieder.has_value());
    ASSERT_EQ(wieder->laenge(), p.laenge());
    EXPECT_FALSE(entschluessele(text).has_value());
  }
}

TEST(FeindlicheQuelle, UnbalancedParenthesesNeverSpillIntoTheNextLine) {
  const Tokenprogramm p = kompiliereText("((((a\n)))) b\n) ( ) (");
  EXPECT_EQ(p.texte(), (std::vector<std::string>{"$@§(((a", "))))", "b", ")", "$@§ ", "$@§", "#", "#"}));
}

TEST(FeindlicheQuelle, TenMegabyteLinesAndDeepNestingStayLinear) {
  const auto start = std::chrono::steady_clock::now();
  const std::string tief = std::string(5'000'000, '(') + std::string(5'000'000, ')');
  Tokenprogramm p = kompiliereText(tief);
  ASSERT_EQ(p.laenge(), 3u);
  EXPECT_EQ(p.inhalt(0).size(), 9'999'998u);
  EXPECT_EQ(faerbeZeile(tief).size(), 3u);

  const std::string offen(10'000'000, '(');
  p = kompiliereText(offen);
  EXPECT_EQ(p.inhalt(0).size(), offen.size() - 1);

  std::string woerter;
  for (int i = 0; i < 1'000'000; ++i) woerter += "ADD ";
  p = kompiliereText(woerter);
  EXPECT_EQ(p.laenge(), 1'000'002u);
  EXPECT_EQ(faerbeZeile(woerter).size(), 1'000'000u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

TEST(FeindlicheDatei, RandomBytesBehindAValidHeaderAreNoMacro) {
  std::mt19937 zufall(815);
  const std::string kopf = verschluessele(kompiliereText("ADD")).substr(0, 24);
  for (int runde = 0; runde < 2000; ++runde) {
    std::string datei = kopf + zufallsbytes(zufall, zufall() % 64);
    // The length fits, so every file gets as far as the checksum.
    const std::size_t n = datei.size() - kopf.size();
    for (int i = 0; i < 4; ++i) datei[16 + std::size_t(i)] = static_cast<char>((n >> (8 * i)) & 0xFF);
    EXPECT_FALSE(entschluessele(datei).has_value());
  }
}

}  // namespace
}  // namespace quarzel
