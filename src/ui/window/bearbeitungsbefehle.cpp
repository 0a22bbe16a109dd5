#include "ui/window/bearbeitungsbefehle.h"

#include <QMainWindow>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "edit/bearbeitungswerkzeuge.h"
#include "edit/koordinateneingabe.h"
#include "edit/markierwerkzeug.h"
#include "edit/treffertest.h"
#include "edit/werkzeugsteuerung.h"
#include "store/zeichnung.h"
#include "ui/tools/verschiebepanel.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {

namespace {

constexpr Werkzeugcode kFreiVerschieben = Werkzeugcode::Verschieben;

bool istMehrfachkopie(Werkzeugcode w) {
  return w == Werkzeugcode::RadialeKopie || w == Werkzeugcode::Rotationskopie;
}

// The mouse gives displacements with every bit of a pixel's world size; the
// panel shows them as the status bar shows coordinates.
double gerundet(double wert, int stellen) {
  const double f = std::pow(10.0, std::clamp(stellen, 0, 8));
  const double r = std::round(wert * f) / f;
  return std::isfinite(r) ? r : 0.0;
}

}  // namespace

Bearbeitungsbefehle::Bearbeitungsbefehle(QMainWindow& fenster, Werkzeugsteuerung& steuerung, Markierwerkzeug& markier,
                                         Zeichenflaeche& flaeche, std::function<void(Werkzeugcode)> waehle,
                                         std::function<void()> befehlsstand, QObject* eltern)
    : QObject(eltern),
      fenster_(fenster),
      steuerung_(steuerung),
      markier_(markier),
      waehle_(std::move(waehle)),
      befehlsstand_(std::move(befehlsstand)) {
  frage = [this](Werkzeugcode w, const Mehrfachkopie& vorgabe) {
    return Mehrfachkopiedialog::frage(w, vorgabe, &fenster_);
  };
  panel_ = new Verschiebepanel(&fenster_);
  fenster_.addDockWidget(Qt::RightDockWidgetArea, panel_);
  panel_->hide();
  connect(panel_, &Verschiebepanel::ok, this, &Bearbeitungsbefehle::verschiebenOk);
  connect(panel_, &Verschiebepanel::abgebrochen, this, &Bearbeitungsbefehle::verschiebenAbbrechen);
  // After the window's own handler: the tool has moved its outline by then.
  connect(&flaeche, &Zeichenflaeche::mausBewegt, this, &Bearbeitungsbefehle::mausBewegt);

  auto vorher = std::move(steuerung_.panelsZeigen);
  steuerung_.panelsZeigen = [this, vorher](Werkzeugcode w) {
    if (vorher) vorher(w);
    werkzeugGestartet(w);
  };
  auto abbrechenVorher = std::move(steuerung_.bearbeitungspanelAbbrechen);
  steuerung_.bearbeitungspanelAbbrechen = [this, abbrechenVorher] {
    if (panel_ != nullptr && panel_->isVisible()) {
      verschiebenAbbrechen();
      return true;
    }
    return abbrechenVorher ? abbrechenVorher() : false;
  };
}

Bearbeitungsbefehle::~Bearbeitungsbefehle() {
  delete panel_.data();
}

Verschiebepanel& Bearbeitungsbefehle::verschiebepanel() {
  return *panel_;
}

QString Bearbeitungsbefehle::hinweis() const {
  Zeichnung& z = steuerung_.zeichnung();
  return nurAuswaehlbareMarkiert(z) == 0 ? QStringLiteral("Keine Objekte markiert.") : QString();
}

void Bearbeitungsbefehle::werkzeugGestartet(Werkzeugcode w) {
  if (panel_ == nullptr) return;
  if (w == kFreiVerschieben) {
    const Ansicht& a = steuerung_.zeichnung().ansicht;
    panel_->zuruecksetzen();
    panel_->setzeEinheit(QString::fromStdString(a.unitName.empty() ? std::string("mm") : a.unitName));
    panel_->setzeHinweis(hinweis());
    panel_->show();
    panel_->raise();
  } else {
    panel_->hide();
  }
  if (istMehrfachkopie(w)) {
    // Not from inside the tool start: the dialog's answer may start another tool.
    QTimer::singleShot(0, this, [this, w] {
      if (steuerung_.zustand().werkzeug == w) mehrfachkopieFragen(w);
    });
  }
}

void Bearbeitungsbefehle::mehrfachkopieFragen(Werkzeugcode w) {
  const std::optional<Mehrfachkopie> antwort =
      frage ? frage(w, {markier_.anzahlKopien, markier_.winkelschritt}) : std::nullopt;
  if (!antwort || antwort->anzahl < 1 || !std::isfinite(antwort->winkel)) {
    if (steuerung_.zustand().werkzeug == w && waehle_) waehle_(Werkzeugcode::Markieren);
    return;
  }
  markier_.anzahlKopien = antwort->anzahl;
  markier_.winkelschritt = antwort->winkel;
}

void Bearbeitungsbefehle::mausBewegt() {
  if (steuerung_.zustand().werkzeug != kFreiVerschieben || panel_ == nullptr || !panel_->isVisible()) return;
  const std::optional<Weltpunkt> v = markier_.versatz();
  if (!v) return;
  Zeichnung& z = steuerung_.zeichnung();
  const Ansicht& a = z.ansicht;
  const double m = z.massstabInKraft();
  const Benutzerpunkt null = a.worldToUser(0, 0, m);
  const Benutzerpunkt p = a.worldToUser(v->x, v->y, m);
  panel_->zeigeVersatz(gerundet(p.x - null.x, a.displayDecimals), gerundet(p.y - null.y, a.displayDecimals));
}

void Bearbeitungsbefehle::verschiebenOk() {
  if (steuerung_.zustand().werkzeug != kFreiVerschieben) return;
  Zeichnung& z = steuerung_.zeichnung();
  const Weltpunkt d = eingabeZuWelt(panel_->dx(), panel_->dy(), true, false, {0, 0}, z.ansicht, z.massstabInKraft());
  if (markier_.verschiebeUm(steuerung_.umgebung(), d.x, d.y) > 0 && befehlsstand_) befehlsstand_();
  if (waehle_) waehle_(Werkzeugcode::Markieren);
  // The moved elements stay marked; their frame shows where they went.
  markier_.markierrahmenZeichnen(steuerung_.umgebung());
}

void Bearbeitungsbefehle::verschiebenAbbrechen() {
  markier_.abbrechen(steuerung_.umgebung());
  if (steuerung_.zustand().werkzeug == kFreiVerschieben && waehle_) waehle_(Werkzeugcode::Markieren);
}

}  // namespace quarzel
