#include "base/externesprogramm.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string_view>

namespace quarzel {

namespace {

constexpr std::size_t kBehalteneFehlerausgabe = 8192;

bool istAusfuehrbar(const std::string& pfad) {
  struct stat st {};
  return ::stat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(pfad.c_str(), X_OK) == 0;
}

void schliesse(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

// Between fork and exec only async-signal-safe calls: everything the child
// needs is prepared before the fork.
[[noreturn]] void kindprozess(const char* pfad, char* const* argv, int fehlerSchreiben, int meldungSchreiben,
                              pid_t eltern, std::uint64_t speicherlimit, long hoechsterDeskriptor) {
  ::setpgid(0, 0);
  // Dies with us, even when we crash; a parent that is already gone is caught
  // by the check after the call.
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != eltern) ::_exit(127);
  if (speicherlimit > 0) {
    rlimit grenze{speicherlimit, speicherlimit};
    ::setrlimit(RLIMIT_DATA, &grenze);
  }
  const int nichts = ::open("/dev/null", O_RDWR);
  if (nichts >= 0) {
    ::dup2(nichts, STDIN_FILENO);
    ::dup2(nichts, STDOUT_FILENO);
  }
  ::dup2(fehlerSchreiben, STDERR_FILENO);
  for (long fd = 3; fd < hoechsterDeskriptor; ++fd)
    if (fd != meldungSchreiben) ::close(static_cast<int>(fd));
  ::execv(pfad, argv);
  const int nummer = errno;
  [[maybe_unused]] ssize_t n = ::write(meldungSchreiben, &nummer, sizeof nummer);
  ::_exit(127);
}

void behalteEnde(std::string& text, const char* daten, std::size_t n) {
  text.append(daten, n);
  if (text.size() > 2 * kBehalteneFehlerausgabe) text.erase(0, text.size() - kBehalteneFehlerausgabe);
}

}  // namespace

std::string findeProgramm(const std::string& name) {
  if (name.empty()) return {};
  if (name.find('/') != std::string::npos) return istAusfuehrbar(name) ? name : std::string{};
  const char* pfade = std::getenv("PATH");
  std::string_view rest = pfade ? pfade : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    const std::size_t trenner = rest.find(':');
    std::string ordner(rest.substr(0, trenner));
    if (ordner.empty()) ordner = ".";
    const std::string kandidat = ordner + "/" + name;
    if (istAusfuehrbar(kandidat)) return kandidat;
    if (trenner == std::string_view::npos) return {};
    rest.remove_prefix(trenner + 1);
  }
}

Programmergebnis fuehreProgrammAus(const Programmaufruf& aufruf) {
  Programmergebnis ergebnis;
  const std::string pfad = findeProgramm(aufruf.programm);
  if (pfad.empty()) return ergebnis;

  std::vector<std::string> woerter;
  woerter.push_back(pfad);
  woerter.insert(woerter.end(), aufruf.argumente.begin(), aufruf.argumente.end());
  std::vector<char*> argv;
  for (std::string& w : woerter) argv.push_back(w.data());
  argv.push_back(nullptr);

  int fehlerrohr[2] = {-1, -1};   // the program's stderr
  int meldungsrohr[2] = {-1, -1};  // errno of a failed exec
  if (::pipe2(fehlerrohr, O_CLOEXEC) != 0) return ergebnis;
  if (::pipe2(meldungsrohr, O_CLOEXEC) != 0) {
    schliesse(fehlerrohr[0]);
    schliesse(fehlerrohr[1]);
    return ergebnis;
  }
  const long grenze = ::sysconf(_SC_OPEN_MAX);
  const long hoechsterDeskriptor = grenze > 0 && grenze < 65536 ? grenze : 65536;
  const pid_t eltern = ::getpid();

  const pid_t kind = ::fork();
  if (kind == 0)
    kindprozess(pfad.c_str(), argv.data(), fehlerrohr[1], meldungsrohr[1], eltern, aufruf.speicherlimit,
                hoechsterDeskriptor);
  schliesse(fehlerrohr[1]);
  schliesse(meldungsrohr[1]);
  if (kind < 0) {
    schliesse(fehlerrohr[0]);
    schliesse(meldungsrohr[0]);
    return ergebnis;
  }
  // Also from here, so that the group exists before we might signal it.
  ::setpgid(kind, kind);

  int execFehler = 0;
  ssize_t n;
  do n = ::read(meldungsrohr[0], &execFehler, sizeof execFehler);
  while (n < 0 && errno == EINTR);
  schliesse(meldungsrohr[0]);
  if (n == sizeof execFehler) {
    ::waitpid(kind, nullptr, 0);
    schliesse(fehlerrohr[0]);
    return ergebnis;
  }

  using Uhr = std::chrono::steady_clock;
  const Uhr::time_point ende = Uhr::now() + std::chrono::milliseconds(aufruf.zeitlimitMs);
  int status = 0;
  bool beendet = false;
  ergebnis.ende = Programmende::Beendet;
  char puffer[4096];
  while (!beendet) {
    pollfd p{fehlerrohr[0], POLLIN, 0};
    const int bereit = fehlerrohr[0] >= 0 ? ::poll(&p, 1, 100) : ::poll(nullptr, 0, 100);
    if (bereit > 0) {
      const ssize_t gelesen = ::read(fehlerrohr[0], puffer, sizeof puffer);
      if (gelesen > 0)
        behalteEnde(ergebnis.fehlerausgabe, puffer, static_cast<std::size_t>(gelesen));
      else if (gelesen == 0 || errno != EINTR)
        schliesse(fehlerrohr[0]);
    }
    const pid_t w = ::waitpid(kind, &status, WNOHANG);
    if (w == kind) {
      beendet = true;
    } else if (Uhr::now() >= ende) {
      ergebnis.ende = Programmende::Zeitlimit;
    } else if (aufruf.abbrechen && aufruf.abbrechen()) {
      ergebnis.ende = Programmende::Abgebrochen;
    }
    if (ergebnis.ende != Programmende::Beendet) {
      ::kill(-kind, SIGKILL);
      while (::waitpid(kind, &status, 0) < 0 && errno == EINTR) {
      }
      beendet = true;
    }
  }
  // Whatever it started goes with it.
  ::kill(-kind, SIGKILL);
  if (fehlerrohr[0] >= 0) {
    // What it wrote last, without waiting for a grandchild that kept the pipe.
    ::fcntl(fehlerrohr[0], F_SETFL, O_NONBLOCK);
    while ((n = ::read(fehlerrohr[0], puffer, sizeof puffer)) > 0)
      behalteEnde(ergebnis.fehlerausgabe, puffer, static_cast<std::size_t>(n));
    schliesse(fehlerrohr[0]);
  }
  if (ergebnis.fehlerausgabe.size() > kBehalteneFehlerausgabe)
    ergebnis.fehlerausgabe.erase(0, ergebnis.fehlerausgabe.size() - kBehalteneFehlerausgabe);
  if (ergebnis.ende == Programmende::Beendet) {
    if (WIFEXITED(status)) {
      ergebnis.exitcode = WEXITSTATUS(status);
    } else {
      ergebnis.ende = Programmende::Signal;
    }
  }
  return ergebnis;
}

}  // namespace quarzel
