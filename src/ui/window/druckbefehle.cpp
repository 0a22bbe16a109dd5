#include "ui/window/druckbefehle.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>

#include "platform/skriptbenutzer.h"
#include "ui/dialogs/ansichtendruckdialog.h"
#include "ui/dialogs/druckeinstellungen.h"
#include "ui/qt/ansichtendruck.h"
#include "ui/tools/werkzeugsymbole.h"
#include "ui/window/sitzung.h"

namespace quarzel {

Druckbefehle::Druckbefehle(Fensteranschluss fenster) : QObject(&fenster.fenster), fenster_(std::move(fenster)) {}

QPrinter& Druckbefehle::drucker() {
  // Made at the first print: asking the print system costs time at every start.
  if (!drucker_) drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *drucker_;
}

Druckbefehle::~Druckbefehle() = default;

std::optional<QSizeF> Druckbefehle::gewaehltesPapier() const {
  if (!drucker_) return std::nullopt;
  return drucker_->pageLayout().fullRect(QPageLayout::Millimeter).size();
}

Druckoptionen Druckbefehle::optionen() const {
  const Sitzung& s = fenster_.sitzung;
  Druckoptionen o;
  o.drucken = s.einstellungen.drucken;
  o.grau = s.einstellungen.graueinstellungen;
  o.schalter = s.schalter;
  o.darstellung = s.darstellung;
  o.schraffuren = &fenster_.sitzung.schraffuren;
  return o;
}

void Druckbefehle::drucken() {
  Sitzung& s = fenster_.sitzung;
  QPrintDialog dialog(&drucker(), &fenster_.fenster);
  dialog.setWindowTitle(QStringLiteral("Drucken"));
  if (dialog.exec() != QDialog::Accepted) return;
  const Druckergebnis e = druckeZeichnung(s.zeichnung, drucker(), optionen(), s.benutzer);
  if (!e.fehler.empty()) s.benutzer.meldung(e.fehler, Meldungsart::Fehler);
}

void Druckbefehle::ansichtenDrucken() {
  Sitzung& s = fenster_.sitzung;
  if (s.zeichnung.ansichten.anzahlDefiniert() == 0) return;
  TAnsichtenDrucken dialog(s.zeichnung.ansichten, &fenster_.fenster);
  if (vorDialog) vorDialog(dialog);
  if (dialog.result() != QDialog::Accepted && dialog.exec() != QDialog::Accepted) return;
  const std::vector<int> auswahl = dialog.gewaehlt();
  if (auswahl.empty()) return;
  // The printer and paper of the last print; before the first one they are chosen here.
  if (!drucker_) {
    QPrintDialog wahl(&drucker(), &fenster_.fenster);
    wahl.setWindowTitle(QStringLiteral("Drucken"));
    if (wahl.exec() != QDialog::Accepted) return;
  }
  const Ansichtendruckergebnis e = druckeAnsichten(s.zeichnung, drucker(), optionen(), auswahl, s.benutzer);
  if (!e.fehler.empty()) s.benutzer.meldung(e.fehler, Meldungsart::Fehler);
}

void Druckbefehle::befehlsstandSetzen() {
  if (ansichtenAktion != nullptr)
    ansichtenAktion->setEnabled(fenster_.sitzung.zeichnung.ansichten.anzahlDefiniert() > 0);
}

void Druckbefehle::vorschau() {
  Sitzung& s = fenster_.sitzung;
  // A printer of its own: the preview keeps the orientation the print
  // chooses, and its low resolution keeps the page pictures small.
  QPrinter vorschauDrucker(QPrinter::ScreenResolution);
  if (!drucker().printerName().isEmpty()) vorschauDrucker.setPrinterName(drucker().printerName());
  vorschauDrucker.setPageLayout(drucker().pageLayout());
  QPrintPreviewDialog dialog(&vorschauDrucker, &fenster_.fenster);
  dialog.setWindowTitle(QStringLiteral("Druckvorschau"));
  auto* seiten = dialog.findChild<QPrintPreviewWidget*>();
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, &s, seiten](QPrinter* ziel) {
    const bool seitenbilder = ziel->paintEngine() != nullptr && ziel->paintEngine()->type() == QPaintEngine::Picture;
    if (!seitenbilder) {
      // The preview's own print button: a real print at the printer's
      // resolution, on the printer and paper chosen there.
      drucker().setPrinterName(ziel->printerName());
      drucker().setOutputFormat(ziel->outputFormat());
      drucker().setOutputFileName(ziel->outputFileName());
      drucker().setPageLayout(ziel->pageLayout());
      drucker().setCopyCount(ziel->copyCount());
      const Druckergebnis e = druckeZeichnung(s.zeichnung, drucker(), optionen(), s.benutzer);
      if (!e.fehler.empty()) s.benutzer.meldung(e.fehler, Meldungsart::Fehler);
      return;
    }
    // The preview shows the pages without the questions and messages of a
    // print; it is drawn anew whenever the paper changes.
    SkriptBenutzer still;
    still.standardJaNein = true;
    Druckoptionen o = optionen();
    o.ausrichtungBehalten = true;
    // Pictures of the pages scale with the preview's zoom; pens drawn
    // straight onto it would keep their width in screen pixels.
    o.immerRastern = true;
    const Druckergebnis e = druckeZeichnung(s.zeichnung, *ziel, o, still);
    if (seiten == nullptr || e.plan.blaetter.size() < 2) return;
    // After the preview has laid out the new pages.
    QTimer::singleShot(0, seiten, [seiten] {
      seiten->setViewMode(QPrintPreviewWidget::AllPagesView);
      seiten->fitInView();
    });
  });
  dialog.resize(fenster_.fenster.size() * 0.8);
  dialog.exec();
}

void Druckbefehle::einstellungenBearbeiten() {
  Sitzung& s = fenster_.sitzung;
  TDruckeinstellungen dialog(s.einstellungen.drucken, s.einstellungen.graueinstellungen, &fenster_.fenster);
  if (dialog.exec() != QDialog::Accepted) return;
  s.einstellungen.drucken = dialog.drucken();
  s.einstellungen.graueinstellungen = dialog.grau();
  s.konfiguration.speichereAbschnitt(s.einstellungen.drucken);
  s.konfiguration.speichereAbschnitt(s.einstellungen.graueinstellungen);
}

Druckbefehle* druckbefehleEinrichten(Fensteranschluss anschluss, QMenu& datei, QAction* davor, QToolBar& leiste) {
  auto* b = new Druckbefehle(std::move(anschluss));
  datei.insertSeparator(davor);
  auto eintrag = [&](const QString& text, void (Druckbefehle::*befehl)()) {
    auto* a = new QAction(text, &datei);
    datei.insertAction(davor, a);
    QObject::connect(a, &QAction::triggered, b, befehl);
    return a;
  };
  b->druckenAktion = eintrag(QStringLiteral("&Drucken..."), &Druckbefehle::drucken);
  b->druckenAktion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  b->druckenAktion->setIcon(werkzeugsymbol("drucken"));
  b->druckenAktion->setToolTip(QStringLiteral("Drucken"));
  b->ansichtenAktion = eintrag(QStringLiteral("Ansichten dru&cken..."), &Druckbefehle::ansichtenDrucken);
  QObject::connect(&datei, &QMenu::aboutToShow, b, &Druckbefehle::befehlsstandSetzen);
  b->vorschauAktion = eintrag(QStringLiteral("Druck&vorschau..."), &Druckbefehle::vorschau);
  b->einstellungenAktion =
      eintrag(QStringLiteral("Erweiterte Druckeinstellungen..."), &Druckbefehle::einstellungenBearbeiten);
  b->befehlsstandSetzen();
  const QList<QAction*> vorhanden = leiste.actions();
  leiste.insertAction(vorhanden.isEmpty() ? nullptr : vorhanden.first(), b->druckenAktion);
  return b;
}

}  // namespace quarzel
