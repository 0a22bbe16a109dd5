// Running an external converter: its end, its stderr, and that nothing it
// started outlives a timeout or a cancel.
#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

#include "base/externesprogramm.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

Programmaufruf shell(const std::string& befehl, int zeitlimitMs = 20000) {
  Programmaufruf a;
  a.programm = "sh";
  a.argumente = {"-c", befehl};
  a.zeitlimitMs = zeitlimitMs;
  return a;
}

// A process id is gone once it can no longer be signalled (SIGKILL is
// delivered at once, the reaping by init may take a moment).
bool verschwunden(pid_t pid) {
  for (int i = 0; i < 100; ++i) {
    if (::kill(pid, 0) != 0 && errno == ESRCH) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

TEST(ExternesProgramm, EndeUndFehlerausgabe) {
  struct Fall {
    const char* befehl;
    Programmende ende;
    int exitcode;
    const char* fehlerausgabe;
  };
  for (const Fall& f : {
           Fall{"exit 0", Programmende::Beendet, 0, ""},
           Fall{"echo Ausgabe; echo Fehler >&2; exit 3", Programmende::Beendet, 3, "Fehler\n"},
           Fall{"kill -SEGV $$", Programmende::Signal, -1, ""},
           // stdin is empty, not the caller's terminal.
           Fall{"read x; exit $?", Programmende::Beendet, 1, ""},
       }) {
    SCOPED_TRACE(f.befehl);
    const Programmergebnis e = fuehreProgrammAus(shell(f.befehl));
    EXPECT_EQ(e.ende, f.ende);
    EXPECT_EQ(e.exitcode, f.exitcode);
    EXPECT_EQ(e.fehlerausgabe, f.fehlerausgabe);
  }
  // Only the end of a long stderr is kept.
  const Programmergebnis lang = fuehreProgrammAus(shell("i=0; while [ $i -lt 3000 ]; do echo Zeile$i >&2; i=$((i+1)); done; echo Schluss >&2"));
  EXPECT_LE(lang.fehlerausgabe.size(), 8192u);
  EXPECT_NE(lang.fehlerausgabe.find("Zeile2999\nSchluss\n"), std::string::npos);
}

TEST(ExternesProgramm, UnbekanntesProgramm) {
  Programmaufruf a;
  a.programm = "quarzel-gibt-es-nicht";
  EXPECT_EQ(fuehreProgrammAus(a).ende, Programmende::NichtGefunden);
  EXPECT_EQ(findeProgramm("quarzel-gibt-es-nicht"), "");
  EXPECT_EQ(findeProgramm("/bin/sh"), "/bin/sh");
  EXPECT_NE(findeProgramm("sh"), "");
}

// A timeout and a cancel kill the program and what it started in the
// background; the call returns soon after the limit.
TEST(ExternesProgramm, ZeitlimitUndAbbruchLassenKeinenProzessZurueck) {
  test::TempOrdner ordner;
  for (const bool abbrechen : {false, true}) {
    SCOPED_TRACE(abbrechen ? "Abbruch" : "Zeitlimit");
    const std::string pidDatei = (ordner / "pid").string();
    Programmaufruf a = shell("sleep 60 & echo $! > " + pidDatei + "; sleep 60", abbrechen ? 60000 : 400);
    int gefragt = 0;
    if (abbrechen) a.abbrechen = [&gefragt] { return ++gefragt > 3; };
    const auto start = std::chrono::steady_clock::now();
    const Programmergebnis e = fuehreProgrammAus(a);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(e.ende, abbrechen ? Programmende::Abgebrochen : Programmende::Zeitlimit);
    std::ifstream ein(pidDatei);
    pid_t hintergrund = 0;
    ASSERT_TRUE(ein >> hintergrund);
    EXPECT_TRUE(verschwunden(hintergrund));
  }
}

// The memory limit holds: an allocation beyond it fails in the program.
TEST(ExternesProgramm, Speichergrenze) {
  Programmaufruf a;
  a.programm = "python3";
  a.argumente = {"-c", "b = bytearray(150 * 1024 * 1024)"};
  a.speicherlimit = std::uint64_t(80) << 20;
  if (findeProgramm(a.programm).empty()) GTEST_SKIP() << "python3 fehlt";
  const Programmergebnis begrenzt = fuehreProgrammAus(a);
  EXPECT_TRUE(begrenzt.ende != Programmende::Beendet || begrenzt.exitcode != 0);
  EXPECT_NE(begrenzt.fehlerausgabe.find("MemoryError"), std::string::npos);
  a.speicherlimit = std::uint64_t(1) << 30;
  EXPECT_EQ(fuehreProgrammAus(a).exitcode, 0);
}

}  // namespace
}  // namespace quarzel
