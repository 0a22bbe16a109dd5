#include "ui/tfenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <algorithm>

#include "display/ansichtstart.h"
#include "display/blattdarstellung.h"
#include "display/einheiten.h"
#include "ui/qtbenutzer.h"
#include "ui/qttastatur.h"
#include "ui/statusleiste.h"
#include "ui/zeichenflaeche.h"

namespace quarzel {

namespace {

const QString kGruppe = QStringLiteral("Hauptfenster");
const QString kGeometrie = QStringLiteral("Geometrie");
const QString kZustand = QStringLiteral("Zustand");

QString qtext(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

TFenster::TFenster(Befehlszeile befehlszeile, QWidget* eltern)
    : QMainWindow(eltern), zeichnung_(std::make_unique<Zeichnung>()), befehlszeile_(std::move(befehlszeile)) {
  setObjectName(QStringLiteral("TFenster"));
  setWindowTitle(programmtitel());

  zeichenflaeche_ = new Zeichenflaeche(this);
  setCentralWidget(zeichenflaeche_);
  zeichenflaeche_->setFocus();
  statusleiste_ = std::make_unique<Statusleiste>(*statusBar());
  benutzer_ = std::make_unique<QtBenutzer>(
      this, [this](const QString& text, int prozent) { statusleiste_->fortschritt(text, prozent); });
  tastatur_ = std::make_unique<QtTastatur>();

  menue_ = baueHauptmenue(*this);
  connect(menue_.beenden, &QAction::triggered, this, &QWidget::close);
  connect(menue_.vergroessern, &QAction::triggered, this, &TFenster::vergroessern);
  connect(menue_.verkleinern, &QAction::triggered, this, &TFenster::verkleinern);
  connect(menue_.gesamtesBlatt, &QAction::triggered, this, &TFenster::gesamtesBlatt);
  connect(menue_.blattDarstellen, &QAction::toggled, this, &TFenster::setzeBlattDarstellen);

  startGelungen_ = zeichnung_->speicher.initialisiere(*benutzer_);
  starteAnsicht(zeichnung_->ansicht, Ansichtsvorgaben{}, *benutzer_);
  // Showing the sheet as a sheet is what one expects of an empty drawing.
  zeichnung_->ansicht.layoutView = true;
  menue_.blattDarstellen->setChecked(zeichnung_->ansicht.layoutView);

  connect(zeichenflaeche_, &Zeichenflaeche::groesseGeaendert, this, &TFenster::flaecheGeaendert);
  connect(zeichenflaeche_, &Zeichenflaeche::mausBewegt, this, &TFenster::mausBewegt);
  zeichenflaeche_->setzeMaler([this](Canvas& canvas) { zeichneFlaeche(canvas); });

  statustexteSetzen();
  fensterlageLaden();
}

TFenster::~TFenster() = default;

Benutzer& TFenster::benutzer() {
  return *benutzer_;
}
Tastatur& TFenster::tastatur() {
  return *tastatur_;
}

void TFenster::Figurzeichnen() {
  statustexteSetzen();
  zeichenflaeche_->neuZeichnen();
}

void TFenster::zentriere(double cx, double cy) {
  zeichnung_->ansicht.zentriere(cx, cy);
  Figurzeichnen();
}

void TFenster::vergroessern() {
  zeichnung_->ansicht.vergroessern();
  Figurzeichnen();
}

void TFenster::verkleinern() {
  zeichnung_->ansicht.verkleinern();
  Figurzeichnen();
}

void TFenster::gesamtesBlatt() {
  zeichnung_->ansicht.gesamtesBlatt();
  Figurzeichnen();
}

void TFenster::setzeBlattDarstellen(bool an) {
  if (menue_.blattDarstellen->isChecked() != an) menue_.blattDarstellen->setChecked(an);
  if (zeichnung_->ansicht.layoutView == an) return;
  zeichnung_->ansicht.layoutView = an;
  Figurzeichnen();
}

void TFenster::flaecheGeaendert(int breite, int hoehe) {
  Ansicht& a = zeichnung_->ansicht;
  a.areaWidth = breite;
  a.areaHeight = hoehe;
  if (ersteGroesse_ && breite > 0 && hoehe > 0) {
    ersteGroesse_ = false;
    a.gesamtesBlatt();
  }
  Figurzeichnen();
}

void TFenster::mausBewegt(double x, double y) {
  const Ansicht& a = zeichnung_->ansicht;
  const Weltpunkt welt = a.pixelToWorld(x, y);
  const Benutzerpunkt p = a.worldToUser(welt.x, welt.y, zeichnung_->massstabInKraft());
  const std::string einheit = a.unitName.empty() ? std::string() : " " + a.unitName;
  const std::string text =
      "X: " + formatiereBenutzerwert(p.x, a.unitCode, a.displayDecimals, a.imperialDecimal) + einheit +
      "  Y: " + formatiereBenutzerwert(p.y, a.unitCode, a.displayDecimals, a.imperialDecimal) + einheit;
  statusleiste_->setzeKoordinaten(qtext(text));
}

void TFenster::zeichneFlaeche(Canvas& canvas) {
  zeichneBlattansicht(canvas, zeichnung_->ansicht, rasterSichtbar_);
}

void TFenster::statustexteSetzen() {
  const Ansicht& a = zeichnung_->ansicht;
  statusleiste_->setzeBlatt(qtext(blattStatustext(blattname_.toStdString(), a)));
  statusleiste_->setzeMassstab(qtext(massstabStatustext(a.drawingScale)));
}

void TFenster::fensterlageLaden() {
  QSettings einstellungen;
  einstellungen.beginGroup(kGruppe);
  // restoreGeometry() checks what it reads and refuses damaged values.
  if (!restoreGeometry(einstellungen.value(kGeometrie).toByteArray())) {
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const QRect frei = bildschirm ? bildschirm->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(1200, frei.width()), std::min(800, frei.height()));
  }
  restoreState(einstellungen.value(kZustand).toByteArray());
}

void TFenster::fensterlageSpeichern() const {
  QSettings einstellungen;
  einstellungen.beginGroup(kGruppe);
  einstellungen.setValue(kGeometrie, saveGeometry());
  einstellungen.setValue(kZustand, saveState());
}

void TFenster::closeEvent(QCloseEvent* ereignis) {
  fensterlageSpeichern();
  QMainWindow::closeEvent(ereignis);
}

}  // namespace quarzel
