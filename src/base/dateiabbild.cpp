// Dateiabbild: mapping with mmap, reading as the fallback.
#include "base/dateiabbild.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace quarzel {

namespace {

class Deskriptor {
 public:
  explicit Deskriptor(int fd) : fd_(fd) {}
  ~Deskriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Deskriptor(const Deskriptor&) = delete;
  Deskriptor& operator=(const Deskriptor&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

Dateiabbild::~Dateiabbild() {
  schliessen();
}

Dateiabbild::Dateiabbild(Dateiabbild&& anderes) noexcept {
  *this = std::move(anderes);
}

Dateiabbild& Dateiabbild::operator=(Dateiabbild&& anderes) noexcept {
  if (this != &anderes) {
    schliessen();
    abbild_ = std::exchange(anderes.abbild_, nullptr);
    groesse_ = std::exchange(anderes.groesse_, 0);
    puffer_ = std::move(anderes.puffer_);
    fehler_ = std::move(anderes.fehler_);
  }
  return *this;
}

void Dateiabbild::gibFrei(std::size_t bis) {
  if (!abbild_) return;
  const std::size_t seite = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  const std::size_t laenge = std::min(bis, groesse_) / seite * seite;
  if (laenge > 0) ::madvise(const_cast<char*>(abbild_), laenge, MADV_DONTNEED);
}

void Dateiabbild::schliessen() {
  if (abbild_) ::munmap(const_cast<char*>(abbild_), groesse_);
  abbild_ = nullptr;
  groesse_ = 0;
  puffer_.clear();
}

bool Dateiabbild::oeffnen(const std::filesystem::path& pfad) {
  schliessen();
  fehler_.clear();
  Deskriptor datei(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
  if (datei.fd() < 0) {
    fehler_ = "Die Datei \"" + pfad.string() + "\" lässt sich nicht öffnen.";
    return false;
  }
  struct stat info {};
  if (::fstat(datei.fd(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    void* p = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, datei.fd(), 0);
    if (p != MAP_FAILED) {
      ::madvise(p, static_cast<std::size_t>(info.st_size), MADV_SEQUENTIAL);
      abbild_ = static_cast<const char*>(p);
      groesse_ = static_cast<std::size_t>(info.st_size);
      return true;
    }
  }
  // Pipes, devices and file systems without mapping: read to the end.
  char block[65536];
  for (;;) {
    ssize_t n = ::read(datei.fd(), block, sizeof block);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      fehler_ = "Die Datei \"" + pfad.string() + "\" lässt sich nicht lesen.";
      puffer_.clear();
      return false;
    }
    puffer_.append(block, static_cast<std::size_t>(n));
  }
}

}  // namespace quarzel
