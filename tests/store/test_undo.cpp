// Undo and redo through the state columns, checked on the cases that matter
// and against a plain reference model over thousands of random steps.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <tuple>

#include "store/elementspeicher.h"
#include "store/statistik.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

class Undo : public ::testing::Test {
 protected:
  void SetUp() override { test::initialisiere(s); }
  Elementspeicher s;

  std::int32_t lebende() const {
    std::int32_t k = 0;
    for (std::int32_t n = 1; n <= s.anzahl(); ++n) k += s.lebendig(n);
    return k;
  }
};

TEST_F(Undo, WiederherstellenGibtUndoFrei) {
  for (int i = 0; i < 3; ++i) test::linie(s, i, 0, i, 1);
  for (int i = 0; i < 3; ++i) s.rueckgaengig();
  EXPECT_FALSE(s.undoMoeglich());
  for (int stufe = 1; stufe <= 3; ++stufe) {
    s.wiederherstellen();
    EXPECT_TRUE(s.undoMoeglich()) << stufe;
    EXPECT_EQ(s.redoMoeglich(), stufe < 3) << stufe;
  }
}

TEST_F(Undo, UndoAufStufeNullAendertNichts) {
  s.rueckgaengig();
  EXPECT_EQ(s.undoStufe(), 0);
  s.wiederherstellen();
  EXPECT_EQ(std::tuple(s.undoStufe(), s.modifiziert()), std::tuple(0, false));
}

TEST_F(Undo, Schritt21BeiTiefe10Umnummeriert) {
  s.undoTiefe = 10;
  std::map<int, std::int32_t> erzeugt;  // step -> element
  std::map<int, std::int32_t> geloescht;
  for (int schritt = 1; schritt <= 20; ++schritt) {
    if (schritt % 2 == 1) {
      erzeugt[schritt] = test::linie(s, schritt, 0, schritt, 1);
    } else {
      // Delete the element created in the step before.
      const std::int32_t n = erzeugt[schritt - 1];
      s.setzeMarkiert(n, 1);
      s.loescheMarkierte();
      geloescht[schritt] = n;
    }
    ASSERT_EQ(s.undoStufe(), schritt);
  }
  // Keep one element created at step 15 alive for the check below.
  EXPECT_EQ(s.zustand(erzeugt[15]), -16);
  const double x15 = s.linie(erzeugt[15]).x1;

  test::linie(s, 21, 0, 21, 1);  // step 21
  EXPECT_EQ(std::tuple(s.undoStufe(), s.redoStufe()), std::tuple(11, 11));
  // Steps 2..10 deleted elements with states -2..-10 -> -1 -> purged.
  for (std::int32_t n = 1; n <= s.gesamtanzahl(); ++n) {
    EXPECT_NE(s.zustand(n), -1);
    // Created at step 15, deleted at step 16.
    if (s.linie(n).x1 == x15) {
      EXPECT_EQ(std::tuple(s.altZustand(n), s.zustand(n)), std::tuple(5, -6));
    }
  }
  EXPECT_EQ(s.gesamtanzahl(), 6) << "lines of steps 11/13/15/17/19 (deleted later) and 21";
}

// --- Reference model -----------------------------------------------------------

using Bild = std::vector<std::tuple<double, double>>;  // (x1, x2) of alive lines in order

Bild bildVon(const Elementspeicher& s) {
  Bild b;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.lebendig(n)) b.emplace_back(s.linie(n).x1, s.linie(n).x2);
  return b;
}

TEST_F(Undo, ZufallsfolgenStimmenMitDemReferenzmodellUeberein) {
  for (int tiefe : {10, 50}) {
    s.leere();
    s.undoTiefe = tiefe;
    std::mt19937 zufall(1234 + tiefe);
    std::map<int, Bild> verlauf;  // store level -> expected picture
    verlauf[0] = {};
    double naechstesX = 1;

    for (int runde = 0; runde < 4000; ++runde) {
      const int wahl = std::uniform_int_distribution<int>(0, 9)(zufall);
      const int vorher = s.undoStufe();
      if (wahl <= 2 && s.undoMoeglich()) {
        s.rueckgaengig();
      } else if (wahl <= 4 && s.redoMoeglich()) {
        s.wiederherstellen();
      } else {
        const Bild aktuell = bildVon(s);
        if (wahl <= 6 || aktuell.empty()) {
          test::linie(s, naechstesX, 0, naechstesX, 1);
          ++naechstesX;
        } else {
          s.demarkiereAlle();
          for (std::int32_t n = 1; n <= s.anzahl(); ++n)
            if (s.lebendig(n) && zufall() % 3 == 0) s.setzeMarkiert(n, 1);
          if (wahl == 7) {
            s.loescheMarkierte();
          } else {
            s.bereiteAenderungVor();
            for (std::int32_t n = 1; n <= s.anzahl(); ++n)
              if (s.markiert(n)) s.linie(n).x2 += 1;
            s.demarkiereAlle();
          }
        }
        // A new step forgets the redo branch; renumbering shifts levels by 10.
        for (auto it = verlauf.upper_bound(vorher); it != verlauf.end();) it = verlauf.erase(it);
        if (s.undoStufe() == vorher + 1 - 10) {
          std::map<int, Bild> verschoben;
          for (auto& [stufe, bild] : verlauf)
            if (stufe - 10 >= 1) verschoben[stufe - 10] = bild;
          verlauf = std::move(verschoben);
        } else {
          ASSERT_EQ(s.undoStufe(), vorher + 1);
        }
        verlauf[s.undoStufe()] = bildVon(s);
      }
      ASSERT_TRUE(verlauf.count(s.undoStufe())) << "runde " << runde;
      ASSERT_EQ(bildVon(s), verlauf[s.undoStufe()]) << "runde " << runde << " stufe " << int(s.undoStufe());
      ASSERT_LE(s.undoStufe(), tiefe + 10);
    }
  }
}

}  // namespace
}  // namespace quarzel
