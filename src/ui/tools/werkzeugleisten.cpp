#include "ui/tools/werkzeugleisten.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include "edit/werkzeugtabelle.h"
#include "edit/werkzeugvarianten.h"
#include "ui/tools/werkzeugsymbole.h"

namespace quarzel {

namespace {

QString text(std::string_view t) {
  return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QAction* werkzeugaktion(QMainWindow& fenster, QActionGroup& gruppe, const Werkzeugzeile& z) {
  const QString hinweis = text(z.hinweis);
  auto* a = new QAction(werkzeugsymbol(z.symbol), hinweis.trimmed(), &fenster);
  if (!z.menuetext.empty()) a->setText(text(z.menuetext));
  a->setToolTip(hinweis);
  a->setStatusTip(hinweis);
  a->setCheckable(true);
  a->setData(static_cast<int>(nr(z.code)));
  gruppe.addAction(a);
  return a;
}

// The buttons of a bar: the rows of the tool table that are available and
// have a button of their own there, in the table's order.
void knoepfe(QMainWindow& fenster, QActionGroup& gruppe, Leiste l, QToolBar& bar) {
  for (const Werkzeugzeile& z : werkzeugtabelle()) {
    if (z.leiste == l && z.istKnopf() && z.verfuegbar) bar.addAction(werkzeugaktion(fenster, gruppe, z));
  }
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

QAction* Werkzeugleisten::aktion(Werkzeugcode code) const {
  if (werkzeuge == nullptr) return nullptr;
  for (QAction* a : werkzeuge->actions()) {
    if (werkzeugcode(a) == nr(code)) return a;
  }
  return nullptr;
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
  knoepfe(fenster, *w.werkzeuge, Leiste::Ansicht, *w.ansicht);
  w.markieren = w.aktion(Werkzeugcode::Markieren);
  w.ausschnittVergroessern = w.aktion(Werkzeugcode::AusschnittVergroessern);
  w.vergroessern = w.ansicht->addAction(werkzeugsymbol(Symbol::Vergroessern), QStringLiteral("Vergrößern"));
  w.verkleinern = w.ansicht->addAction(werkzeugsymbol(Symbol::Verkleinern), QStringLiteral("Verkleinern"));
  w.ansicht->addSeparator();
  w.numerischeEingabe =
      w.ansicht->addAction(werkzeugsymbol(Symbol::NumerischeEingabe), QStringLiteral("Numerische Eingabe"));
  w.numerischeEingabe->setToolTip(QStringLiteral("Numerische Eingabe "));
  w.numerischeEingabe->setCheckable(true);

  w.linien = leiste(fenster, QStringLiteral("Linien"), QStringLiteral("LeisteLinien"));
  knoepfe(fenster, *w.werkzeuge, Leiste::Linien, *w.linien);

  fenster.addToolBarBreak();
  w.flaechen = leiste(fenster, QStringLiteral("Flächen"), QStringLiteral("LeisteFlaechen"));
  knoepfe(fenster, *w.werkzeuge, Leiste::Flaechen, *w.flaechen);

  w.bearbeiten = leiste(fenster, QStringLiteral("Bearbeiten"), QStringLiteral("LeisteBearbeiten"));
  w.loeschen = new QAction(werkzeugsymbol(Symbol::Loeschen), QStringLiteral("&Löschen"), &fenster);
  w.loeschen->setToolTip(QStringLiteral("Markierte Objekte löschen"));
  w.loeschen->setShortcut(QKeySequence(Qt::Key_Delete));
  w.bearbeiten->addAction(w.loeschen);
  knoepfe(fenster, *w.werkzeuge, Leiste::Bearbeiten, *w.bearbeiten);

  bearbeitenMenue.addSeparator();
  bearbeitenMenue.addAction(w.loeschen);
  bearbeitenMenue.addAction(w.aktion(Werkzeugcode::Verschieben));
  w.spiegeln = bearbeitenMenue.addMenu(QStringLiteral("S&piegeln"));
  w.spiegeln->addAction(w.aktion(Werkzeugcode::SpiegelnOhneKopie));
  w.spiegeln->addAction(w.aktion(Werkzeugcode::SpiegelnMitKopie));
  w.mehrfachkopie = bearbeitenMenue.addMenu(QStringLiteral("&Mehrfachkopie"));
  w.mehrfachkopie->addAction(w.aktion(Werkzeugcode::RadialeKopie));
  w.mehrfachkopie->addAction(w.aktion(Werkzeugcode::Rotationskopie));
  return w;
}

}  // namespace quarzel
