// Helpers of the macro tests: a temporary folder removed at the end of the
// test, and whole-file reads and writes.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace quarzel::test {

class Makroordner {
 public:
  Makroordner() {
    static std::atomic<int> zaehler{0};
    pfad_ = std::filesystem::temp_directory_path() /
            ("quarzel-makro-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler++));
    std::filesystem::remove_all(pfad_);
    std::filesystem::create_directories(pfad_);
  }
  ~Makroordner() {
    std::error_code ec;
    std::filesystem::remove_all(pfad_, ec);
  }
  Makroordner(const Makroordner&) = delete;
  Makroordner& operator=(const Makroordner&) = delete;

  std::filesystem::path operator/(std::string_view name) const { return pfad_ / name; }
  const std::filesystem::path& pfad() const { return pfad_; }

 private:
  std::filesystem::path pfad_;
};

inline void schreibeBytes(const std::filesystem::path& pfad, std::string_view inhalt) {
  std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
  aus.write(inhalt.data(), std::streamsize(inhalt.size()));
}

inline std::string leseBytes(const std::filesystem::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
}

}  // namespace quarzel::test
