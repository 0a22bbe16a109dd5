// Helpers shared by the tests of saving, automatic saving and the recent
// files: a temporary folder removed at the end of the test, whole-file reads
// and writes, and the names in a folder.
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

class Speicherordner {
 public:
  Speicherordner() {
    static std::atomic<int> zaehler{0};
    pfad_ = std::filesystem::temp_directory_path() /
            ("quarzel-speichern-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler++));
    std::filesystem::remove_all(pfad_);
    std::filesystem::create_directories(pfad_);
  }
  ~Speicherordner() {
    std::error_code ec;
    std::filesystem::remove_all(pfad_, ec);
  }
  Speicherordner(const Speicherordner&) = delete;
  Speicherordner& operator=(const Speicherordner&) = delete;

  // The path of a name in the folder, as the program passes names: a string.
  std::string operator/(std::string_view name) const { return (pfad_ / name).string(); }

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

inline void schreibeDatei(const std::string& pfad, std::string_view inhalt) {
  std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
  aus.write(inhalt.data(), std::streamsize(inhalt.size()));
}

inline std::string leseDatei(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
}

}  // namespace quarzel::test
