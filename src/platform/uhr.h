// Clock and keyboard state: what long operations poll (Escape) and what the
// timers of automatic saving and the structure check compare against.
#pragma once

#include <cstdint>

namespace quarzel {

class Uhr {
 public:
  virtual ~Uhr() = default;
  // Milliseconds since some fixed start; wraps like a 32-bit tick counter.
  virtual std::uint32_t ticks() const = 0;
};

class Tastatur {
 public:
  virtual ~Tastatur() = default;
  virtual bool escapeGedrueckt() = 0;
  // Function keys F1..F12.
  virtual bool funktionstasteGedrueckt(int nummer) = 0;
};

// A clock that reads the system's monotonic time.
class Systemuhr final : public Uhr {
 public:
  std::uint32_t ticks() const override;
};

}  // namespace quarzel
