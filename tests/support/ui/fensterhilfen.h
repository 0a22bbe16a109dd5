// Helpers for the tests of the main window's start-up and file commands: a
// folder of its own per test, a configuration file, drawing files written
// with the real writer, and a session with a window on it, started with a
// scripted user.
#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "base/inidatei.h"
#include "edit/werkzeugcode.h"
#include "platform/skriptbenutzer.h"
#include "ui/window/sitzung.h"
#include "ui/window/tfenster.h"

namespace quarzel::test {

// A session and a window on it, as main() has them: the window goes first.
class Testfenster {
 public:
  Testfenster() = default;
  Testfenster(Benutzer& benutzer, std::vector<std::string> argumente = {}, Umgebung umgebung = prozessUmgebung());
  Testfenster(Testfenster&& anderes) noexcept = default;
  Testfenster& operator=(Testfenster&& anderes) noexcept;
  ~Testfenster() { reset(); }

  TFenster* operator->() const { return fenster_.get(); }
  TFenster& operator*() const { return *fenster_; }
  TFenster* get() const { return fenster_.get(); }
  void reset();

 private:
  std::unique_ptr<Sitzung> sitzung_;
  std::unique_ptr<TFenster> fenster_;
};

class Fenstertest {
 public:
  Fenstertest();

  // A path inside the test's folder.
  std::string pfad(const std::string& name) const;
  // Writes `text` as the file `name` and returns its path.
  std::string schreibeDatei(const std::string& name, const std::string& text) const;
  // Writes a drawing of `linien` lines (one undo step each) with the sheet
  // of the default configuration; returns its path.
  std::string schreibeZeichnung(const std::string& name, int linien) const;
  // "-i" and a configuration file of the test's folder (empty unless written).
  std::vector<std::string> mitIni(std::vector<std::string> weitere = {}) const;
  std::string ini() const { return pfad("quarzel.ini"); }

  // A window that asks `benutzer`, with the given arguments (add mitIni()).
  Testfenster fenster(std::vector<std::string> argumente);
  // Shows it and lets the start-up run (the command line's drawing).
  static void zeigen(TFenster& f);

  SkriptBenutzer benutzer;

 private:
  QTemporaryDir ordner_;
};

// A started and shown window with a configuration file of its own, and the
// gestures the window tests share.
class Fensterfixture : public ::testing::Test, public Fenstertest {
 protected:
  void SetUp() override;

  Elementspeicher& speicher() { return f->sitzung().zeichnung.speicher; }
  Zeichenflaeche& flaeche() { return f->zeichenflaeche(); }
  Werkzeugcode werkzeug();
  // Starts a tool by its button.
  void waehle(Werkzeugcode code);
  // Device pixels are widget pixels on the offscreen platform.
  void klick(QPoint p, Qt::MouseButton taste = Qt::LeftButton);
  void bewege(QPoint p);
  IniDatei konfiguration() const;

  Testfenster f;
};

}  // namespace quarzel::test
