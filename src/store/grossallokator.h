// An allocator for the store's big arrays. Large blocks are aligned to 2 MiB
// and offered to the kernel as huge pages: a drawing of a million elements
// then costs a few hundred page faults instead of tens of thousands, which
// is most of the time of loading or building it.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quarzel {

namespace grossspeicher {
constexpr std::size_t Seitengroesse = std::size_t(2) << 20;

inline void* hole(std::size_t bytes) {
  if (bytes >= Seitengroesse) {
    // Only the whole huge pages are offered: a tail rounded up to one would
    // be resident in full as soon as its first byte is written (a block of
    // 2.3 MiB cost 4 MiB, a million lines 50 MiB more than their records).
    // posix_memalign: aligned_alloc wants a size that is a multiple of the alignment.
    void* p = nullptr;
    if (posix_memalign(&p, Seitengroesse, bytes) != 0) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    madvise(p, bytes / Seitengroesse * Seitengroesse, MADV_HUGEPAGE);
#endif
    return p;
  }
  void* p = std::malloc(bytes ? bytes : 1);
  if (!p) throw std::bad_alloc();
  return p;
}

inline void gib(void* p) noexcept { std::free(p); }
}  // namespace grossspeicher

template <class T>
struct Grossallokator {
  using value_type = T;
  Grossallokator() = default;
  template <class U>
  Grossallokator(const Grossallokator<U>&) noexcept {}
  T* allocate(std::size_t n) { return static_cast<T*>(grossspeicher::hole(n * sizeof(T))); }
  void deallocate(T* p, std::size_t) noexcept { grossspeicher::gib(p); }
  template <class U>
  bool operator==(const Grossallokator<U>&) const noexcept {
    return true;
  }
};

}  // namespace quarzel
