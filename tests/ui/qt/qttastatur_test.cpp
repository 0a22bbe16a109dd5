// Escape polling over Qt: long operations must see an Escape typed while they
// run, and must not see one typed long before they started.
#include "ui/qt/qttastatur.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QThread>
#include <QWidget>

namespace quarzel {
namespace {

void taste(QWidget& w, QEvent::Type typ, int key) {
  QKeyEvent e(typ, key, Qt::NoModifier);
  QApplication::sendEvent(&w, &e);
}

TEST(QtTastatur, GehalteneEscapeTasteGiltBisZumLoslassen) {
  QtTastatur tastatur;
  QWidget w;
  EXPECT_FALSE(tastatur.escapeGedrueckt());
  taste(w, QEvent::KeyPress, Qt::Key_Escape);
  EXPECT_TRUE(tastatur.escapeGedrueckt());
  EXPECT_TRUE(tastatur.escapeGedrueckt());
  taste(w, QEvent::KeyRelease, Qt::Key_Escape);
  EXPECT_FALSE(tastatur.escapeGedrueckt());
}

TEST(QtTastatur, KurzerDruckZwischenZweiAbfragenWirdEinmalGemeldet) {
  QtTastatur tastatur;
  QWidget w;
  EXPECT_FALSE(tastatur.escapeGedrueckt());
  taste(w, QEvent::KeyPress, Qt::Key_Escape);
  taste(w, QEvent::KeyRelease, Qt::Key_Escape);
  EXPECT_TRUE(tastatur.escapeGedrueckt());
  EXPECT_FALSE(tastatur.escapeGedrueckt());
}

TEST(QtTastatur, AlterDruckVorDerOperationZaehltNicht) {
  QtTastatur tastatur;
  QWidget w;
  taste(w, QEvent::KeyPress, Qt::Key_Escape);
  taste(w, QEvent::KeyRelease, Qt::Key_Escape);
  QThread::msleep(600);
  EXPECT_FALSE(tastatur.escapeGedrueckt());
}

TEST(QtTastatur, FunktionstastenWerdenEinzelnVerfolgt) {
  QtTastatur tastatur;
  QWidget w;
  taste(w, QEvent::KeyPress, Qt::Key_F7);
  EXPECT_TRUE(tastatur.funktionstasteGedrueckt(7));
  EXPECT_FALSE(tastatur.funktionstasteGedrueckt(8));
  EXPECT_FALSE(tastatur.escapeGedrueckt());
  EXPECT_FALSE(tastatur.funktionstasteGedrueckt(0));
  EXPECT_FALSE(tastatur.funktionstasteGedrueckt(13));
  taste(w, QEvent::KeyRelease, Qt::Key_F7);
  EXPECT_FALSE(tastatur.funktionstasteGedrueckt(7));
}

}  // namespace
}  // namespace quarzel
