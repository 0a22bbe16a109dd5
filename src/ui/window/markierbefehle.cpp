#include "ui/window/markierbefehle.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <string_view>
#include <utility>

#include "edit/markierwerkzeug.h"
#include "store/ebenenschutz.h"
#include "store/statistik.h"
#include "ui/dialogs/statistikdialog.h"
#include "ui/tools/werkzeugleisten.h"
#include "ui/window/hauptmenue.h"
#include "ui/window/sitzung.h"
#include "ui/window/werkzeugbedienung.h"

namespace quarzel {

namespace {

using A = Elementart;

// The kinds the user can unmark, under the names of the statistics. Group
// brackets are not offered: they are never marked without their content.
struct Artzeile {
  std::string_view name;
  std::vector<Elementart> arten;
};
const std::vector<Artzeile>& artzeilen() {
  static const std::vector<Artzeile> zeilen = {
      {"Bemaßungen", {A::Bemassung}}, {"Bézierkurven", {A::Bezier}},
      {"Bitmaps", {A::Bitmap}},       {"Bögen", {A::Bogen}},
      {"Füllungen", {A::Fuellung}},   {"Kommentare", {A::Kommentar}},
      {"Linien", {A::Linie}},         {"Metafiles", {A::Metafile}},
      {"Polygone", {A::Polygon}},     {"Splines", {A::Spline}},
      {"Textobjekte", {A::Text}},     {"Verläufe", {A::Verlauf}},
      {"Wandobjekte", {A::Wandlinie1, A::Wandlinie2}},
  };
  return zeilen;
}

QString qtext(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

Farbe alsFarbe(const QColor& c) {
  return rgb(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
             static_cast<std::uint8_t>(c.blue()));
}

bool klammerMarkiert(const Elementspeicher& s) {
  for (std::int32_t n = 1; n <= s.anzahl(); ++n)
    if (s.markiert(n) && (s.art(n) == A::Gruppenanfang || s.art(n) == A::Gruppenende)) return true;
  return false;
}

}  // namespace

Markierbefehle::Markierbefehle(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge,
                               Eigenschaftsleiste& eigenschaften, std::function<void()> befehlsstand)
    : QObject(&fenster.fenster),
      fenster_(std::move(fenster)),
      werkzeuge_(werkzeuge),
      eigenschaften_(eigenschaften),
      befehlsstand_(std::move(befehlsstand)) {}

void Markierbefehle::geaendert() {
  fenster_.neuZeichnen();
  if (befehlsstand_) befehlsstand_();
  markierteZeigen();
}

void Markierbefehle::markenAendern(const std::function<void()>& aendern) {
  Werkzeugumgebung& u = werkzeuge_.steuerung().umgebung();
  Markierwerkzeug& m = werkzeuge_.markierwerkzeug();
  m.markierrahmenLoeschen(u);
  aendern();
  m.markierrahmenZeichnen(u);
  geaendert();
}

void Markierbefehle::allesMarkieren() {
  markenAendern([this] {
    Zeichnung& z = fenster_.sitzung.zeichnung;
    z.speicher.markiereAlleLebendigen();
    demarkiereNichtBearbeitbare(z);
  });
}

void Markierbefehle::nachHinten() {
  Elementspeicher& s = fenster_.sitzung.zeichnung.speicher;
  if (s.anzahlMarkierte() == 0) return;
  markenAendern([&s] {
    // A bracket moved without its partner would break the group structure.
    if (klammerMarkiert(s)) s.markiereGanzeGruppen();
    s.markierteNachHinten();
  });
}

void Markierbefehle::demarkiere(const std::vector<Elementart>& arten) {
  markenAendern([&] {
    for (Elementart a : arten) fenster_.sitzung.zeichnung.speicher.demarkiereArt(a);
  });
}

void Markierbefehle::nurGefuellte() {
  markenAendern([this] { fenster_.sitzung.zeichnung.speicher.nurGefuellteMarkiert(); });
}

void Markierbefehle::setzeGruppenAlsGanzes(bool an) {
  werkzeuge_.markierwerkzeug().gruppenAlsGanzes = an;
  if (gruppenAktion != nullptr && gruppenAktion->isChecked() != an) gruppenAktion->setChecked(an);
  Sitzung& s = fenster_.sitzung;
  if (s.einstellungen.zeichenhilfen.gruppen == an) return;
  s.einstellungen.zeichenhilfen.gruppen = an;
  s.konfiguration.speichereAbschnitt(s.einstellungen.zeichenhilfen);
}

void Markierbefehle::doppelteSuchen(Duplikatsuche was) {
  Sitzung& s = fenster_.sitzung;
  Werkzeugumgebung& u = werkzeuge_.steuerung().umgebung();
  // The copies are deleted through the marks: the frame must not outlive them.
  werkzeuge_.markierwerkzeug().markierrahmenLoeschen(u);
  if (entferneDuplikate(s.zeichnung.speicher, was, s.benutzer) > 0) {
    geaendert();
  } else {
    werkzeuge_.markierwerkzeug().markierrahmenZeichnen(u);
  }
}

QDialog* Markierbefehle::statistikZeigen() {
  auto* dialog = new TStatistik(zeichnungsstatistik(fenster_.sitzung.zeichnung.speicher), &fenster_.fenster);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
  return dialog;
}

void Markierbefehle::eigenschaftGewaehlt(Eigenschaftsleiste::Wahl was) {
  Elementspeicher& s = fenster_.sitzung.zeichnung.speicher;
  if (s.anzahlMarkierte() == 0) return;
  const std::uint64_t vorher = s.aenderungszaehler();
  const Flaechenvorgabe f = eigenschaften_.flaeche();
  using W = Eigenschaftsleiste::Wahl;
  switch (was) {
    case W::Stift:
      s.setzeStiftMarkierte(static_cast<std::uint8_t>(std::clamp(eigenschaften_.stift(), 1, 255)));
      break;
    case W::Linienstil:
      s.setzeLinienstilMarkierte(static_cast<std::int16_t>(std::clamp(eigenschaften_.linienstil(), 1, 32767)));
      break;
    case W::Farbe:
      s.setzeFarbeMarkierte(alsFarbe(eigenschaften_.farbe()));
      break;
    case W::Fuellfarbe:
      s.aendereFuellungMarkierte([&f](Fuellangaben& z) {
        z.fuellwert = f.fuellwert;
        z.fuellflag = f.fuellflag;
      });
      break;
    case W::Schraffur:
      s.aendereFuellungMarkierte([&f](Fuellangaben& z) { z.schraffurName = f.schraffurName; });
      break;
    case W::Schraffurwinkel:
      s.aendereFuellungMarkierte([&f](Fuellangaben& z) { z.schraffurWinkel = f.schraffurWinkel; });
      break;
    case W::Gefuellt:
      s.aendereFuellungMarkierte([&f](Fuellangaben& z) { z.gefuellt = f.gefuellt; });
      break;
    case W::Farbe2:
      s.setzeFarbe2Markierte(eigenschaften_.vorgabe().farbe2);
      break;
  }
  if (s.aenderungszaehler() != vorher) geaendert();
}

void Markierbefehle::markierteZeigen() {
  if (anzeige_ == nullptr) return;
  const std::int32_t n = fenster_.sitzung.zeichnung.speicher.anzahlMarkierte();
  anzeige_->setText(n == 0 ? QString() : QStringLiteral("Markiert: %1").arg(n));
}

Markierbefehle* markierbefehleEinrichten(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge,
                                         Eigenschaftsleiste& eigenschaften, const Hauptmenue& menue,
                                         const Werkzeugleisten& leisten, std::function<void()> befehlsstand) {
  QMainWindow& f = fenster.fenster;
  auto* b = new Markierbefehle(std::move(fenster), werkzeuge, eigenschaften, std::move(befehlsstand));

  QMenu* m = menue.bearbeiten;
  m->addSeparator();
  b->allesMarkierenAktion = m->addAction(QStringLiteral("Alles markieren"));
  b->allesMarkierenAktion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  QObject::connect(b->allesMarkierenAktion, &QAction::triggered, b, &Markierbefehle::allesMarkieren);
  QMenu* aufheben = m->addMenu(QStringLiteral("Markierung aufheben"));
  for (const Artzeile& z : artzeilen()) {
    QAction* a = aufheben->addAction(qtext(z.name));
    QObject::connect(a, &QAction::triggered, b, [b, &z] { b->demarkiere(z.arten); });
    b->demarkierenAktionen.push_back(a);
  }
  b->nurGefuellteAktion = m->addAction(QStringLiteral("Nur gefüllte markiert lassen"));
  QObject::connect(b->nurGefuellteAktion, &QAction::triggered, b, &Markierbefehle::nurGefuellte);
  b->gruppenAktion = m->addAction(QStringLiteral("Gruppen als Ganzes markieren"));
  b->gruppenAktion->setCheckable(true);
  QObject::connect(b->gruppenAktion, &QAction::toggled, b, &Markierbefehle::setzeGruppenAlsGanzes);
  b->nachHintenAktion = m->addAction(QStringLiteral("Nach hinten"));
  QObject::connect(b->nachHintenAktion, &QAction::triggered, b, &Markierbefehle::nachHinten);

  m->addSeparator();
  const std::pair<const char*, Duplikatsuche> suchen[] = {
      {"Doppelte Linien suchen...", Duplikatsuche::Linien},
      {"Doppelte Kreise und Ellipsen suchen...", Duplikatsuche::KreiseUndEllipsen},
      {"Doppelte Polygone suchen...", Duplikatsuche::Polygone},
  };
  for (const auto& [text, was] : suchen) {
    QAction* a = m->addAction(QString::fromUtf8(text));
    const Duplikatsuche w = was;
    QObject::connect(a, &QAction::triggered, b, [b, w] { b->doppelteSuchen(w); });
    b->duplikatAktionen.push_back(a);
  }

  b->statistikAktion = new QAction(QStringLiteral("Statistik..."), &f);
  menue.datei->insertAction(menue.beenden, b->statistikAktion);
  menue.datei->insertSeparator(menue.beenden);
  QObject::connect(b->statistikAktion, &QAction::triggered, b, &Markierbefehle::statistikZeigen);

  // The undo buttons are the menu's actions: enabled and disabled together.
  QStyle* stil = f.style();
  menue.rueckgaengig->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"), stil->standardIcon(QStyle::SP_ArrowBack)));
  menue.wiederherstellen->setIcon(
      QIcon::fromTheme(QStringLiteral("edit-redo"), stil->standardIcon(QStyle::SP_ArrowForward)));
  QAction* erste = leisten.bearbeiten->actions().value(0);
  leisten.bearbeiten->insertAction(erste, menue.rueckgaengig);
  leisten.bearbeiten->insertAction(erste, menue.wiederherstellen);
  leisten.bearbeiten->insertSeparator(erste);

  QObject::connect(&eigenschaften, &Eigenschaftsleiste::gewaehlt, b, &Markierbefehle::eigenschaftGewaehlt);

  b->anzeige_ = new QLabel(&f);
  b->anzeige_->setObjectName(QStringLiteral("MarkiertAnzeige"));
  f.statusBar()->addPermanentWidget(b->anzeige_);

  b->setzeGruppenAlsGanzes(b->fenster_.sitzung.einstellungen.zeichenhilfen.gruppen);
  return b;
}

}  // namespace quarzel
