#include "platform/uhr.h"

#include <chrono>

namespace quarzel {

std::uint32_t Systemuhr::ticks() const {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace quarzel
