#include "ui/window/fensteranordnung.h"

#include <QDockWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <initializer_list>
#include <vector>

namespace quarzel {

namespace {

// The bars by object name, row by row; bars not named here keep their place
// behind the last row.
const std::initializer_list<std::initializer_list<const char*>> kReihen = {
    {"LeisteAnsicht", "LeisteBearbeiten", "Ebenenleiste"},
    {"Fangleiste"},
    {"LeisteLinien", "LeisteFlaechen"},
    {"LeisteEigenschaften"},
};

// Height of the top bar rows: per row its tallest bar.
int hoeheObererLeisten(QMainWindow& fenster) {
  int summe = 0;
  for (const auto& reihe : kReihen) {
    int hoehe = 0;
    for (const char* name : reihe) {
      if (auto* t = fenster.findChild<QToolBar*>(QString::fromLatin1(name))) {
        hoehe = std::max(hoehe, t->sizeHint().height());
      }
    }
    summe += hoehe;
  }
  return summe;
}

void setzeDockbreite(QMainWindow& fenster) {
  std::vector<QDockWidget*> rechts;
  for (QDockWidget* d : fenster.findChildren<QDockWidget*>()) {
    if (!d->isFloating() && fenster.dockWidgetArea(d) == Qt::RightDockWidgetArea) rechts.push_back(d);
  }
  if (rechts.empty()) return;
  fenster.resizeDocks({rechts.begin(), rechts.end()}, QList<int>(static_cast<qsizetype>(rechts.size()), kDockbreite),
                      Qt::Horizontal);
}

}  // namespace

void dockbreiteBeimZeigen(QMainWindow& fenster) {
  // Before the first layout, so the drawing area gets its final width at once
  // and the sheet is fitted to it. A dock never gets narrower than its
  // contents' minimum width.
  setzeDockbreite(fenster);
}

void docksRollbar(QMainWindow& fenster) {
  for (QDockWidget* d : fenster.findChildren<QDockWidget*>()) {
    QWidget* inhalt = d->widget();
    if (inhalt == nullptr || qobject_cast<QScrollArea*>(inhalt) != nullptr) continue;
    auto* rolle = new QScrollArea(d);
    rolle->setFrameShape(QFrame::NoFrame);
    rolle->setWidgetResizable(true);
    rolle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As wide as the contents need; only the height may run short.
    rolle->setMinimumWidth(inhalt->minimumSizeHint().width() + rolle->verticalScrollBar()->sizeHint().width());
    rolle->setWidget(inhalt);
    d->setWidget(rolle);
  }
}

void ordneLinkeLeistenAn(QMainWindow& fenster, QSize fenstergroesse) {
  std::vector<QToolBar*> links;
  for (QToolBar* t : fenster.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
    if (fenster.toolBarArea(t) == Qt::LeftToolBarArea && !t->isFloating()) links.push_back(t);
  }
  // findChildren gives the order of creation, which is the order of the bars.
  const int rahmen = fenster.menuBar()->sizeHint().height() + fenster.statusBar()->sizeHint().height();
  const int frei = std::max(kMindesthoeheLeistenspalte, fenstergroesse.height() - rahmen - hoeheObererLeisten(fenster));
  const int hoechstSpalten = std::max(2, fenstergroesse.width() / kBreiteJeLeistenspalte);
  for (QToolBar* t : links) fenster.removeToolBar(t);
  int belegt = 0, spalten = 1;
  for (QToolBar* t : links) {
    const int hoehe = t->sizeHint().height();
    if (belegt > 0 && belegt + hoehe > frei && spalten < hoechstSpalten) {
      fenster.addToolBarBreak(Qt::LeftToolBarArea);
      belegt = 0;
      ++spalten;
    }
    fenster.addToolBar(Qt::LeftToolBarArea, t);
    t->show();
    belegt += hoehe;
  }
}

void ordneLeistenAn(QMainWindow& fenster) {
  std::vector<std::vector<QToolBar*>> reihen;
  for (const auto& reihe : kReihen) {
    std::vector<QToolBar*> leisten;
    for (const char* name : reihe) {
      if (auto* t = fenster.findChild<QToolBar*>(QString::fromLatin1(name))) leisten.push_back(t);
    }
    reihen.push_back(leisten);
  }
  for (const auto& reihe : reihen) {
    for (QToolBar* t : reihe) fenster.removeToolBar(t);
  }
  bool erste = true;
  for (const auto& reihe : reihen) {
    if (reihe.empty()) continue;
    if (!erste) fenster.addToolBarBreak(Qt::TopToolBarArea);
    erste = false;
    for (QToolBar* t : reihe) {
      fenster.addToolBar(Qt::TopToolBarArea, t);
      t->show();
    }
  }
  docksRollbar(fenster);
  setzeDockbreite(fenster);
}

}  // namespace quarzel
