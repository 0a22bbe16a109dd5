#include "support/ui/fensterhilfen.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <fstream>

#include "store/zeichnungsdatei.h"
#include "support/speicherhilfen.h"
#include "support/werkzeugnummer.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/programmstart.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel::test {

Fenstertest::Fenstertest() {
  EXPECT_TRUE(ordner_.isValid());
}

std::string Fenstertest::pfad(const std::string& name) const {
  return ordner_.filePath(QString::fromStdString(name)).toStdString();
}

std::string Fenstertest::schreibeDatei(const std::string& name, const std::string& text) const {
  const std::string p = pfad(name);
  std::ofstream aus(p, std::ios::binary);
  aus << text;
  EXPECT_TRUE(aus.good()) << p;
  return p;
}

std::string Fenstertest::schreibeZeichnung(const std::string& name, int linien) const {
  auto z = std::make_unique<Zeichnung>();
  SkriptBenutzer b;
  EXPECT_TRUE(starteZeichnung(*z, Zeichnungsvorgaben{}, b)) << b.letzteMeldung();
  for (int i = 0; i < linien; ++i) linie(z->speicher, 5000, 5000 + i, 5100, 5000 + i);
  const Schreibergebnis e = quarzel::schreibeZeichnung(*z);
  EXPECT_EQ(e.nichtGeschrieben, 0);
  return schreibeDatei(name, std::string(e.daten.begin(), e.daten.end()));
}

std::vector<std::string> Fenstertest::mitIni(std::vector<std::string> weitere) const {
  std::vector<std::string> a{"-i", ini()};
  a.insert(a.end(), weitere.begin(), weitere.end());
  return a;
}

Testfenster::Testfenster(Benutzer& benutzer, std::vector<std::string> argumente, Umgebung umgebung)
    : sitzung_(std::make_unique<Sitzung>(benutzer, std::move(argumente), std::move(umgebung))),
      fenster_(std::make_unique<TFenster>(*sitzung_)) {}

Testfenster& Testfenster::operator=(Testfenster&& anderes) noexcept {
  reset();
  sitzung_ = std::move(anderes.sitzung_);
  fenster_ = std::move(anderes.fenster_);
  return *this;
}

void Testfenster::reset() {
  fenster_.reset();
  sitzung_.reset();
}

Testfenster Fenstertest::fenster(std::vector<std::string> argumente) {
  return Testfenster(benutzer, std::move(argumente));
}

void Fenstertest::zeigen(TFenster& f) {
  // The size the window opens with; docks no longer stretch a smaller one.
  f.resize(1280, 800);
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
  QApplication::processEvents();
}

void Fensterfixture::SetUp() {
  f = fenster(mitIni());
  ASSERT_TRUE(f->sitzung().startGelungen());
  zeigen(*f);
}

Werkzeugcode Fensterfixture::werkzeug() {
  return f->werkzeuge().steuerung().zustand().werkzeug;
}

void Fensterfixture::waehle(Werkzeugcode code) {
  QAction* a = f->leisten().aktionFuer(code);
  ASSERT_NE(a, nullptr) << code;
  a->trigger();
}

void Fensterfixture::klick(QPoint p, Qt::MouseButton taste) {
  QTest::mouseClick(&flaeche(), taste, {}, p);
}

void Fensterfixture::bewege(QPoint p) {
  QTest::mouseMove(&flaeche(), p);
}

IniDatei Fensterfixture::konfiguration() const {
  IniDatei d;
  d.laden(ini());
  return d;
}

}  // namespace quarzel::test
