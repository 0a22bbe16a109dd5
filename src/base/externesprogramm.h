// Runs an external converter program and waits for it, within limits.
//
// The program gets its own process group, dies with ours, may not take more
// than a given amount of memory, and is killed with everything it started
// when it runs past its time or the caller gives up. stdin is empty, stdout
// is thrown away, the end of stderr is kept for the log and for messages.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quarzel {

struct Programmaufruf {
  std::string programm;  // a path, or a name looked up in PATH
  std::vector<std::string> argumente;
  int zeitlimitMs = 60000;
  std::uint64_t speicherlimit = 0;  // bytes of data memory; 0: no limit
  // Asked about ten times a second while the program runs: true stops it.
  std::function<bool()> abbrechen;
};

enum class Programmende {
  Beendet,         // ended by itself; exitcode holds its code
  NichtGefunden,   // the program could not be started
  Zeitlimit,       // killed after zeitlimitMs
  Abgebrochen,     // killed because abbrechen() said so
  Signal,          // ended by a signal (a crash, or the memory limit)
};

struct Programmergebnis {
  Programmende ende = Programmende::NichtGefunden;
  int exitcode = -1;
  std::string fehlerausgabe;  // the last few kilobytes of stderr
};

Programmergebnis fuehreProgrammAus(const Programmaufruf& aufruf);

// The program's full path when `name` is found in PATH (or is a path to an
// executable file); empty otherwise.
std::string findeProgramm(const std::string& name);

}  // namespace quarzel
