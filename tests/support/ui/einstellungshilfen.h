// Helpers for the tests of dialogs: act inside a modal dialog once its own
// event loop runs or once it is open, press its buttons, find menu items by caption.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace quarzel::test {

// Runs `handeln` on the next modal dialog of type D as soon as it is shown.
template <class D>
void imDialog(std::function<void(D&)> handeln) {
  QTimer::singleShot(0, qApp, [handeln] {
    auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
    if (d == nullptr) {
      ADD_FAILURE() << "kein Dialog offen";
      if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget())) w->reject();
      return;
    }
    handeln(*d);
  });
}

// Runs `handeln` on the next modal widget of type D, waiting until one is
// open (a load may process events before it opens its dialog).
template <class D>
void wennOffen(std::function<void(D&)> handeln) {
  auto* warten = new QTimer;
  QObject::connect(warten, &QTimer::timeout, [warten, handeln] {
    auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
    if (d == nullptr) return;
    warten->stop();
    warten->deleteLater();
    handeln(*d);
  });
  warten->start(5);
}

inline void knopfDruecken(QDialog& d, QDialogButtonBox::StandardButton knopf) {
  auto* knoepfe = d.findChild<QDialogButtonBox*>();
  ASSERT_NE(knoepfe, nullptr);
  knoepfe->button(knopf)->click();
}
inline void okDruecken(QDialog& d) {
  knopfDruecken(d, QDialogButtonBox::Ok);
}

// The first item with this caption in any menu of the bar (submenus included).
inline QAction* menueeintrag(QMenuBar& leiste, const char* text) {
  const QString gesucht = QString::fromUtf8(text);
  for (QMenu* menue : leiste.findChildren<QMenu*>())
    for (QAction* a : menue->actions())
      if (a->text() == gesucht) return a;
  ADD_FAILURE() << "kein Menüeintrag " << text;
  static QAction leer;
  return &leer;
}

}  // namespace quarzel::test
