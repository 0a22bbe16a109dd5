// Dateiabbild: a file's bytes, read-only, without copying them.
//
// Large drawings from other programs are parsed straight from the page
// cache: the file is mapped into memory. What cannot be mapped (a pipe, a
// device, an empty file) is read into a buffer instead, so the caller sees the
// same bytes either way.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace quarzel {

class Dateiabbild {
 public:
  Dateiabbild() = default;
  ~Dateiabbild();
  Dateiabbild(const Dateiabbild&) = delete;
  Dateiabbild& operator=(const Dateiabbild&) = delete;
  Dateiabbild(Dateiabbild&& anderes) noexcept;
  Dateiabbild& operator=(Dateiabbild&& anderes) noexcept;

  // False, with a German message in `fehler()`, when the file cannot be read.
  bool oeffnen(const std::filesystem::path& pfad);

  std::string_view daten() const { return abbild_ ? std::string_view(abbild_, groesse_) : std::string_view(puffer_); }
  // The pages before byte `bis` are read and may leave memory: a reader that
  // goes through the file once keeps its footprint small. Reading them again
  // still works (they come back from the file).
  void gibFrei(std::size_t bis);
  bool abgebildet() const { return abbild_ != nullptr; }
  const std::string& fehler() const { return fehler_; }

 private:
  void schliessen();

  const char* abbild_ = nullptr;
  std::size_t groesse_ = 0;
  std::string puffer_;
  std::string fehler_;
};

}  // namespace quarzel
