// Helpers shared by the tests of the configuration file: a temporary folder
// removed at the end of the test, whole-file reads and writes, and an
// environment given as a map so tests never touch the process environment.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "settings/konfiguration.h"

namespace quarzel::test {

class TempOrdner {
 public:
  TempOrdner() {
    static std::atomic<int> zaehler{0};
    pfad_ = std::filesystem::temp_directory_path() /
            ("quarzel-konfig-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler++));
    std::filesystem::remove_all(pfad_);
    std::filesystem::create_directories(pfad_);
  }
  ~TempOrdner() {
    std::error_code ec;
    // Tests may leave a folder without permissions behind.
    std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(pfad_, ec);
  }
  TempOrdner(const TempOrdner&) = delete;
  TempOrdner& operator=(const TempOrdner&) = delete;

  const std::filesystem::path& pfad() const { return pfad_; }
  std::filesystem::path operator/(std::string_view name) const { return pfad_ / name; }

 private:
  std::filesystem::path pfad_;
};

inline void schreibeDatei(const std::filesystem::path& pfad, std::string_view inhalt) {
  std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
  aus.write(inhalt.data(), std::streamsize(inhalt.size()));
}

inline std::string leseDatei(const std::filesystem::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
}

inline Umgebung umgebungAus(std::map<std::string, std::string> werte) {
  return [werte = std::move(werte)](std::string_view name) -> std::optional<std::string> {
    const auto it = werte.find(std::string(name));
    if (it == werte.end()) return std::nullopt;
    return it->second;
  };
}

}  // namespace quarzel::test
