#include "ui/tools/werkzeugleisten.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include "edit/werkzeugvarianten.h"
#include "ui/tools/werkzeugsymbole.h"

namespace quarzel {

namespace {

struct Knopf {
  Symbol symbol;
  const char* hinweis;  // the German hint, exactly as the users know it
  std::uint16_t code;
};

// The hints keep their trailing blanks: they are the program's own texts.
constexpr Knopf kLinien[] = {
    {Symbol::Linie, "Linie ", 1},
    {Symbol::Polygonzug, "Polygonzug ", 8},
    {Symbol::Linienkreuz, "Linienkreuz", 43},
    {Symbol::Rechteck, "Rechteck", 3},
    {Symbol::Parallelogramm, "Parallelogramm", 44},
    {Symbol::Konus, "Konus", 45},
    {Symbol::Stern, "Stern", 46},
    {Symbol::Vieleck, "Vieleck mit n Ecken ", 36},
    {Symbol::Kreis, "Kreis ", 2},
    {Symbol::Kreisbogen, "Kreisbogen ", 5},
    {Symbol::Ellipse, "Ellipse ", 4},
    {Symbol::Ellipsenbogen, "Ellipsenbogen ", 6},
    {Symbol::Bezier, "Bézierkurve", 10},
    {Symbol::Spline, "Spline", 25},
    {Symbol::Freihand, "Freihandlinie", 40},
    {Symbol::Markerpunkt, "Markerpunkt", 54},
};

constexpr Knopf kFlaechen[] = {
    {Symbol::FlPolygon, "Polygon", 9},
    {Symbol::FlRechteck, "Rechteck", 16},
    {Symbol::FlParallelogramm, "Parallelogramm", 49},
    {Symbol::FlKonus, "Konus", 50},
    {Symbol::FlStern, "Stern", 48},
    {Symbol::FlVieleck, "Vieleck", 37},
    {Symbol::FlVollkreis, "Vollkreis", 17},
    {Symbol::FlKreisbogen, "Kreisbogen", 19},
    {Symbol::FlKreissegment, "Kreissegment durch drei Punkte", 38},
    {Symbol::FlEllipse, "Ellipse", 18},
    {Symbol::FlEllipsenbogen, "Ellipsenbogen", 21},
    {Symbol::FlRing, "Ring", 23},
    {Symbol::FlRingsegment, "Ringsegment", 24},
    {Symbol::FlBezier, "Bézierkurve", 34},
    {Symbol::FlSpline, "Spline ", 35},
    {Symbol::FlFreihand, "Freihandfläche", 41},
};

QAction* werkzeugaktion(QMainWindow& fenster, QActionGroup& gruppe, const Knopf& k) {
  const QString hinweis = QString::fromUtf8(k.hinweis);
  auto* a = new QAction(werkzeugsymbol(k.symbol), hinweis.trimmed(), &fenster);
  a->setToolTip(hinweis);
  a->setStatusTip(hinweis);
  a->setCheckable(true);
  a->setData(static_cast<int>(k.code));
  gruppe.addAction(a);
  return a;
}

QToolBar* leiste(QMainWindow& fenster, const QString& titel, const QString& name) {
  QToolBar* t = fenster.addToolBar(titel);
  t->setObjectName(name);  // saveState() finds the bar by it
  t->setIconSize(QSize(24, 24));
  return t;
}

}  // namespace

std::uint16_t werkzeugcode(const QAction* aktion) {
  if (aktion == nullptr) return 0;
  bool ok = false;
  const int code = aktion->data().toInt(&ok);
  return ok && code > 0 && code <= 0xFFFF ? static_cast<std::uint16_t>(code) : 0;
}

QAction* Werkzeugleisten::aktionFuer(std::uint16_t code) const {
  if (werkzeuge == nullptr) return nullptr;
  for (QAction* a : werkzeuge->actions()) {
    if (werkzeugcode(a) == code) return a;
  }
  // A variant: the button that stands for it, whichever variant it holds now.
  const Variantenknopf* knopf = variantenknopf(code);
  if (knopf == nullptr) return nullptr;
  for (QAction* a : werkzeuge->actions()) {
    if (variantenknopf(werkzeugcode(a)) == knopf) return a;
  }
  return nullptr;
}

void Werkzeugleisten::merkeVariante(std::uint16_t code) {
  if (variantenknopf(code) == nullptr) return;
  if (QAction* a = aktionFuer(code)) a->setData(static_cast<int>(code));
}

QAction* Werkzeugleisten::aktionMitHinweis(const QToolBar* l, const QString& hinweis) const {
  if (l == nullptr) return nullptr;
  for (QAction* a : l->actions()) {
    if (a->toolTip() == hinweis) return a;
  }
  return nullptr;
}

Werkzeugleisten baueWerkzeugleisten(QMainWindow& fenster, QMenu& bearbeitenMenue) {
  Werkzeugleisten w;
  w.werkzeuge = new QActionGroup(&fenster);
  w.werkzeuge->setExclusive(true);

  w.ansicht = leiste(fenster, QStringLiteral("Ansicht"), QStringLiteral("LeisteAnsicht"));
  w.markieren = werkzeugaktion(fenster, *w.werkzeuge, {Symbol::Markieren, "Markieren", 100});
  w.ansicht->addAction(w.markieren);
  w.ausschnittVergroessern =
      werkzeugaktion(fenster, *w.werkzeuge, {Symbol::AusschnittVergroessern, "Auschnitt vergrößern", 107});
  w.ansicht->addAction(w.ausschnittVergroessern);
  w.vergroessern = w.ansicht->addAction(werkzeugsymbol(Symbol::Vergroessern), QStringLiteral("Vergrößern"));
  w.verkleinern = w.ansicht->addAction(werkzeugsymbol(Symbol::Verkleinern), QStringLiteral("Verkleinern"));
  w.ansicht->addSeparator();
  w.numerischeEingabe =
      w.ansicht->addAction(werkzeugsymbol(Symbol::NumerischeEingabe), QStringLiteral("Numerische Eingabe"));
  w.numerischeEingabe->setToolTip(QStringLiteral("Numerische Eingabe "));
  w.numerischeEingabe->setCheckable(true);

  w.linien = leiste(fenster, QStringLiteral("Linien"), QStringLiteral("LeisteLinien"));
  for (const Knopf& k : kLinien) w.linien->addAction(werkzeugaktion(fenster, *w.werkzeuge, k));

  fenster.addToolBarBreak();
  w.flaechen = leiste(fenster, QStringLiteral("Flächen"), QStringLiteral("LeisteFlaechen"));
  for (const Knopf& k : kFlaechen) w.flaechen->addAction(werkzeugaktion(fenster, *w.werkzeuge, k));

  w.bearbeiten = leiste(fenster, QStringLiteral("Bearbeiten"), QStringLiteral("LeisteBearbeiten"));
  w.loeschen = new QAction(werkzeugsymbol(Symbol::Loeschen), QStringLiteral("&Löschen"), &fenster);
  w.loeschen->setToolTip(QStringLiteral("Markierte Objekte löschen"));
  w.loeschen->setShortcut(QKeySequence(Qt::Key_Delete));
  w.bearbeiten->addAction(w.loeschen);
  QAction* verschieben =
      werkzeugaktion(fenster, *w.werkzeuge, {Symbol::Verschieben, "Markierte Objekte verschieben", 600});
  verschieben->setText(QStringLiteral("&Verschieben"));
  w.bearbeiten->addAction(verschieben);
  QAction* ohneKopie = werkzeugaktion(fenster, *w.werkzeuge, {Symbol::SpiegelnOhneKopie, "Spiegeln ohne Kopie", 601});
  ohneKopie->setText(QStringLiteral("&Ohne Kopie"));
  QAction* mitKopie = werkzeugaktion(fenster, *w.werkzeuge, {Symbol::SpiegelnMitKopie, "Spiegeln mit Kopie", 602});
  mitKopie->setText(QStringLiteral("&Mit Kopie"));
  QAction* radial = werkzeugaktion(fenster, *w.werkzeuge, {Symbol::Radial, "Radiale Mehrfachkopie", 604});
  radial->setText(QStringLiteral("&Radial..."));
  QAction* rotation = werkzeugaktion(fenster, *w.werkzeuge, {Symbol::Rotation, "Mehrfachkopie durch Rotation", 605});
  rotation->setText(QStringLiteral("R&otation..."));
  for (QAction* a : {ohneKopie, mitKopie, radial, rotation}) w.bearbeiten->addAction(a);

  bearbeitenMenue.addSeparator();
  bearbeitenMenue.addAction(w.loeschen);
  bearbeitenMenue.addAction(verschieben);
  w.spiegeln = bearbeitenMenue.addMenu(QStringLiteral("S&piegeln"));
  w.spiegeln->addAction(ohneKopie);
  w.spiegeln->addAction(mitKopie);
  w.mehrfachkopie = bearbeitenMenue.addMenu(QStringLiteral("&Mehrfachkopie"));
  w.mehrfachkopie->addAction(radial);
  w.mehrfachkopie->addAction(rotation);
  return w;
}

}  // namespace quarzel
