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
  a->setData(static_cast<int>(nr(z.code)) | (static_cast<int>(z.knopfNr) << 16));
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

QToolBar* leiste(QMainWindow& fenster, const QString& titel, const QString& name,
                 Qt::ToolBarArea bereich = Qt::TopToolBarArea) {
  auto* t = new QToolBar(titel, &fenster);
  t->setObjectName(name);  // saveState() finds the bar by it
  t->setIconSize(QSize(24, 24));
  fenster.addToolBar(bereich, t);
  return t;
}

// The bars of the further tool groups: titles, and their names for the
// window's saved layout. They stand in columns at the left edge.
struct Weitereleiste {
  Leiste leiste;
  const char* titel;
  const char* name;
};
constexpr Weitereleiste kWeitereLeisten[] = {
    {Leiste::Konstruktion, "Konstruktion", "LeisteKonstruktion"},
    {Leiste::Werkzeuge, "Werkzeuge", "LeisteWerkzeuge"},
    {Leiste::Messen, "Messen", "LeisteMessen"},
    {Leiste::Hilfslinien, "Hilfslinien", "LeisteHilfslinien"},
    {Leiste::Text, "Text", "LeisteText"},
    {Leiste::Ursprung, "Ursprung", "LeisteUrsprung"},
    {Leiste::Verlaeufe, "Farbverläufe", "LeisteVerlaeufe"},
    {Leiste::Bitmaps, "Bitmaps", "LeisteBitmaps"},
    {Leiste::Farbwahl, "Farbwahl", "LeisteFarbwahl"},
};

bool hatKnoepfe(Leiste l) {
  for (const Werkzeugzeile& z : werkzeugtabelle()) {
    if (z.leiste == l && z.istKnopf() && z.verfuegbar) return true;
  }
  return false;
}

}  // namespace

Werkzeugcode werkzeugcode(const QAction* aktion) {
  if (aktion == nullptr) return Werkzeugcode::Keines;
  bool ok = false;
  const int daten = aktion->data().toInt(&ok);
  if (!ok || daten <= 0) return Werkzeugcode::Keines;
  return werkzeugcodeAus(static_cast<std::uint32_t>(daten) & 0xFFFFu).value_or(Werkzeugcode::Keines);
}

std::uint8_t knopfNr(const QAction* aktion) {
  if (aktion == nullptr) return 0;
  return static_cast<std::uint8_t>((aktion->data().toUInt() >> 16) & 0xFFu);
}

QAction* Werkzeugleisten::aktionFuer(Werkzeugcode code, std::uint8_t knopf) const {
  if (werkzeuge == nullptr) return nullptr;
  for (QAction* a : werkzeuge->actions()) {
    if (werkzeugcode(a) == code && knopfNr(a) == knopf) return a;
  }
  // A variant: the button that stands for it, whichever variant it holds now.
  const Variantenknopf* varianten = variantenknopf(code);
  if (varianten == nullptr) return nullptr;
  for (QAction* a : werkzeuge->actions()) {
    if (variantenknopf(werkzeugcode(a)) == varianten) return a;
  }
  return nullptr;
}

void Werkzeugleisten::merkeVariante(Werkzeugcode code) {
  if (variantenknopf(code) == nullptr) return;
  if (QAction* a = aktionFuer(code)) a->setData(static_cast<int>(nr(code)));
}

QAction* Werkzeugleisten::aktion(Werkzeugcode code) const {
  if (werkzeuge == nullptr) return nullptr;
  for (QAction* a : werkzeuge->actions()) {
    if (werkzeugcode(a) == code && knopfNr(a) == 0) return a;
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
  w.ansicht->addSeparator();
  w.numerischeEingabe =
      w.ansicht->addAction(werkzeugsymbol("numerischeeingabe"), QStringLiteral("Numerische Eingabe"));
  w.numerischeEingabe->setToolTip(QStringLiteral("Numerische Eingabe "));
  w.numerischeEingabe->setCheckable(true);

  w.linien = leiste(fenster, QStringLiteral("Linien"), QStringLiteral("LeisteLinien"));
  knoepfe(fenster, *w.werkzeuge, Leiste::Linien, *w.linien);

  fenster.addToolBarBreak();
  w.flaechen = leiste(fenster, QStringLiteral("Flächen"), QStringLiteral("LeisteFlaechen"));
  knoepfe(fenster, *w.werkzeuge, Leiste::Flaechen, *w.flaechen);

  w.bearbeiten = leiste(fenster, QStringLiteral("Bearbeiten"), QStringLiteral("LeisteBearbeiten"));
  w.loeschen = new QAction(werkzeugsymbol("loeschen"), QStringLiteral("&Löschen"), &fenster);
  w.loeschen->setToolTip(QStringLiteral("Markierte Objekte löschen"));
  w.loeschen->setShortcut(QKeySequence(Qt::Key_Delete));
  w.bearbeiten->addAction(w.loeschen);
  knoepfe(fenster, *w.werkzeuge, Leiste::Bearbeiten, *w.bearbeiten);
  w.alle[static_cast<std::size_t>(Leiste::Ansicht)] = w.ansicht;
  w.alle[static_cast<std::size_t>(Leiste::Linien)] = w.linien;
  w.alle[static_cast<std::size_t>(Leiste::Flaechen)] = w.flaechen;
  w.alle[static_cast<std::size_t>(Leiste::Bearbeiten)] = w.bearbeiten;

  for (const Weitereleiste& l : kWeitereLeisten) {
    if (!hatKnoepfe(l.leiste)) continue;
    QToolBar* t = leiste(fenster, QString::fromUtf8(l.titel), QString::fromLatin1(l.name), Qt::LeftToolBarArea);
    knoepfe(fenster, *w.werkzeuge, l.leiste, *t);
    w.alle[static_cast<std::size_t>(l.leiste)] = t;
  }

  bearbeitenMenue.addSeparator();
  bearbeitenMenue.addAction(w.loeschen);
  bearbeitenMenue.addAction(w.aktion(Werkzeugcode::Verschieben));
  w.spiegeln = bearbeitenMenue.addMenu(QStringLiteral("S&piegeln"));
  w.spiegeln->addAction(w.aktion(Werkzeugcode::SpiegelnOhneKopie));
  w.spiegeln->addAction(w.aktion(Werkzeugcode::SpiegelnMitKopie));
  w.mehrfachkopie = bearbeitenMenue.addMenu(QStringLiteral("&Mehrfachkopie"));
  w.mehrfachkopie->addAction(w.aktion(Werkzeugcode::RadialeKopie));
  w.mehrfachkopie->addAction(w.aktion(Werkzeugcode::Rotationskopie));
  bearbeitenMenue.addAction(w.aktion(Werkzeugcode::FarbeAuswaehlen));
  bearbeitenMenue.addAction(w.aktion(Werkzeugcode::EigenschaftenAuswaehlen));
  return w;
}

}  // namespace quarzel
