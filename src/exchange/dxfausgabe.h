// DxfAusgabe: group-code/value pairs of an ASCII DXF file appended to a
// string, and the handles of the objects written.
//
// Numbers go out in the shortest form that reads back to the same double,
// so coordinates survive a round trip bit for bit.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace quarzel {

class DxfAusgabe {
 public:
  explicit DxfAusgabe(std::string& aus) : aus_(&aus) {}

  void text(int code, std::string_view wert) {
    gruppencode(code);
    aus_->append(wert);
    aus_->push_back('\n');
  }
  void ganz(int code, long long wert) {
    gruppencode(code);
    char b[24];
    const auto r = std::to_chars(b, b + sizeof b, wert);
    aus_->append(b, r.ptr);
    aus_->push_back('\n');
  }
  void zahl(int code, double wert) {
    gruppencode(code);
    char b[32];
    // A value that is no number would make the file unreadable.
    const auto r = std::to_chars(b, b + sizeof b, std::isfinite(wert) ? wert : 0.0);
    aus_->append(b, r.ptr);
    aus_->push_back('\n');
  }
  // x, y and z under code, code + 10 and code + 20.
  void punkt(int code, double x, double y, double z = 0) {
    zahl(code, x);
    zahl(code + 10, y);
    zahl(code + 20, z);
  }
  void handle(int code, std::uint64_t h) {
    gruppencode(code);
    char b[20];
    const auto r = std::to_chars(b, b + sizeof b, h, 16);
    for (char* c = b; c != r.ptr; ++c)
      if (*c >= 'a') *c = static_cast<char>(*c - 'a' + 'A');
    aus_->append(b, r.ptr);
    aus_->push_back('\n');
  }
  // The start of an object: its type and a new handle under `handlecode`
  // (5, or 105 for dimension styles); returns the handle.
  std::uint64_t objekt(std::string_view typ, int handlecode = 5) {
    text(0, typ);
    const std::uint64_t h = neuerHandle();
    handle(handlecode, h);
    return h;
  }

  std::uint64_t neuerHandle() { return ++handle_; }
  // The next handle that is still free ($HANDSEED).
  std::uint64_t naechsterHandle() const { return handle_ + 1; }
  std::string& puffer() { return *aus_; }

 private:
  void gruppencode(int code) {
    char b[8];
    char* p = b;
    // Codes right-aligned in three columns, as CAD programs write them.
    if (code >= 0 && code < 10) {
      *p++ = ' ';
      *p++ = ' ';
    } else if (code >= 10 && code < 100) {
      *p++ = ' ';
    }
    p = std::to_chars(p, b + sizeof b - 1, code).ptr;
    *p++ = '\n';
    aus_->append(b, p);
  }

  std::string* aus_;
  std::uint64_t handle_ = 0;
};

}  // namespace quarzel
