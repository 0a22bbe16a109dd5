// A temporary folder removed at the end of the test, and whole-file reads and
// writes, for the tests of everything that touches files.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace quarzel::test {

class TempOrdner {
 public:
  TempOrdner() {
    static std::atomic<int> zaehler{0};
    pfad_ = std::filesystem::temp_directory_path() /
            ("quarzel-test-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler++));
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

  // The file names in the folder, sorted.
  std::vector<std::string> inhalt() const {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(pfad_)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }

 private:
  std::filesystem::path pfad_;
};

inline void schreibeDatei(const std::filesystem::path& pfad, std::string_view inhalt) {
  std::ofstream(pfad, std::ios::binary | std::ios::trunc).write(inhalt.data(), std::streamsize(inhalt.size()));
}

inline std::string leseDatei(const std::filesystem::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
}

}  // namespace quarzel::test
