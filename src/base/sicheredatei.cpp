#include "base/sicheredatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

namespace quarzel {

namespace {

class Dateideskriptor {
 public:
  explicit Dateideskriptor(int fd) : fd_(fd) {}
  ~Dateideskriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Dateideskriptor(const Dateideskriptor&) = delete;
  Dateideskriptor& operator=(const Dateideskriptor&) = delete;
  int get() const { return fd_; }
  // Closing can report a delayed write error, so the writer wants its result.
  bool schliessen() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The reasons a user meets in German; the rest in the system's words.
std::string systemfehler() {
  switch (errno) {
    case ENOENT:
      return "Ordner nicht vorhanden";
    case EACCES:
    case EPERM:
      return "keine Schreibberechtigung";
    case ENOSPC:
      return "kein Platz mehr auf dem Datenträger";
    case EDQUOT:
      return "Speicherkontingent erschöpft";
    case EROFS:
      return "Datenträger ist schreibgeschützt";
    case ENAMETOOLONG:
      return "Dateiname zu lang";
    case ENOTDIR:
      return "ein Teil des Pfads ist kein Ordner";
    default:
      return std::strerror(errno);
  }
}

bool schreibeAlles(int fd, std::string_view inhalt) {
  while (!inhalt.empty()) {
    const ssize_t n = ::write(fd, inhalt.data(), inhalt.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    inhalt.remove_prefix(std::size_t(n));
  }
  return true;
}

}  // namespace

Leseergebnis leseDateiBegrenzt(const std::filesystem::path& pfad, std::size_t hoechstens) {
  Leseergebnis ergebnis;
  // O_NONBLOCK: opening a FIFO for reading must not wait for a writer.
  Dateideskriptor fd(::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) {
    ergebnis.status = (errno == ENOENT || errno == ENOTDIR) ? Lesestatus::Fehlt : Lesestatus::Unlesbar;
    return ergebnis;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    ergebnis.status = Lesestatus::Unlesbar;
    return ergebnis;
  }
  // The size is only a hint (the file may change while it is read); the loop
  // below is what enforces the limit.
  if (info.st_size > 0) ergebnis.inhalt.reserve(std::min<std::size_t>(std::size_t(info.st_size), hoechstens));
  char puffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), puffer, sizeof puffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ergebnis.status = Lesestatus::Unlesbar;
      ergebnis.inhalt.clear();
      return ergebnis;
    }
    if (n == 0) break;
    const std::size_t platz = hoechstens - ergebnis.inhalt.size();
    if (std::size_t(n) > platz) {
      ergebnis.inhalt.append(puffer, platz);
      ergebnis.status = Lesestatus::Abgeschnitten;
      return ergebnis;
    }
    ergebnis.inhalt.append(puffer, std::size_t(n));
  }
  ergebnis.status = Lesestatus::Gelesen;
  return ergebnis;
}

bool schreibeDateiAtomar(const std::filesystem::path& pfad, std::string_view inhalt, std::string* fehler) {
  const auto melde = [fehler](std::string text) {
    if (fehler) *fehler = std::move(text);
    return false;
  };

  std::error_code ec;
  std::filesystem::path ziel = pfad;
  if (std::filesystem::is_symlink(pfad, ec)) {
    const auto aufgeloest = std::filesystem::canonical(pfad, ec);
    if (!ec) ziel = aufgeloest;
  }

  struct stat alt {};
  const bool altVorhanden = ::stat(ziel.c_str(), &alt) == 0;
  if (altVorhanden && !S_ISREG(alt.st_mode)) return melde("keine gewöhnliche Datei");

  // The temporary file sits beside the target: rename is atomic only within
  // one file system. O_EXCL keeps two writers from sharing a temporary file.
  std::filesystem::path temp;
  int rohFd = -1;
  for (int versuch = 0; versuch < 100 && rohFd < 0; ++versuch) {
    temp = ziel;
    temp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(versuch);
    rohFd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (rohFd < 0 && errno != EEXIST) return melde(systemfehler());
  }
  if (rohFd < 0) return melde("keine temporäre Datei möglich");
  Dateideskriptor fd(rohFd);

  const auto verwerfen = [&](std::string text) {
    ::unlink(temp.c_str());
    return melde(std::move(text));
  };
  if (altVorhanden) ::fchmod(fd.get(), alt.st_mode & 07777);
  if (!schreibeAlles(fd.get(), inhalt)) return verwerfen(systemfehler());
  if (::fsync(fd.get()) != 0) return verwerfen(systemfehler());
  if (!fd.schliessen()) return verwerfen(systemfehler());
  if (::rename(temp.c_str(), ziel.c_str()) != 0) return verwerfen(systemfehler());

  // Make the rename itself durable; failing here loses nothing already written.
  const auto ordner = ziel.parent_path().empty() ? std::filesystem::path(".") : ziel.parent_path();
  Dateideskriptor ordnerFd(::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (ordnerFd.get() >= 0) ::fsync(ordnerFd.get());
  return true;
}

}  // namespace quarzel
