// quarzel-cli print DATEI [--printer NAME] [--pdf AUSGABE.pdf] [--whole] [--tiles]:
// the drawing printed at true scale through the same code as the window's
// print command, with the print settings' defaults. Without --tiles a print
// that needs more than one page is refused, so a script never fills a tray
// by surprise.
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "app/cli_befehle.h"
#include "store/zeichnung.h"
#include "store/zeichnungsdatei.h"
#include "styles/schraffurbibliothek.h"
#include "ui/qt/druckausgabe.h"

namespace quarzel {

int cliPrint(const Cliaufruf& aufruf, Benutzer& benutzer) {
  const auto anwendung = starteCliAnwendung();
  Schraffurbibliothek schraffuren;
  Zeichnung zeichnung;
  if (!ladeCliZeichnung(aufruf.eingabe, zeichnung, schraffuren, benutzer)) return 1;
  if (zeichnung.speicher.anzahl() == 0) {
    benutzer.meldung("quarzel-cli: Die Zeichnung ist leer; es wird nichts gedruckt.", Meldungsart::Warnung);
    return 1;
  }

  QPrinter drucker(QPrinter::HighResolution);
  if (!aufruf.drucker.empty()) {
    const QString name = QString::fromStdString(aufruf.drucker);
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull() && aufruf.pdf.empty()) {
      benutzer.meldung("quarzel-cli: Den Drucker " + aufruf.drucker + " gibt es nicht.", Meldungsart::Fehler);
      return 1;
    }
    drucker.setPrinterName(name);
    // The queue's own paper, as its settings say, not Qt's A4.
    if (!info.isNull()) drucker.setPageSize(info.defaultPageSize());
  }
  if (!aufruf.pdf.empty()) {
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromStdString(aufruf.pdf));
  } else if (drucker.outputFormat() == QPrinter::PdfFormat) {
    benutzer.meldung("quarzel-cli: Es ist kein Drucker eingerichtet; --pdf AUSGABE.pdf schreibt eine PDF-Datei.",
                     Meldungsart::Fehler);
    return 1;
  }

  Druckoptionen optionen;
  optionen.drucken.ganzeZeichnung = aufruf.ganzeZeichnung;
  optionen.schraffuren = &schraffuren;
  optionen.druckername = aufruf.drucker;
  optionen.seitenzahlBestaetigt = aufruf.kacheln;
  optionen.nurEineSeite = !aufruf.kacheln;
  const Druckergebnis e = druckeZeichnung(zeichnung, drucker, optionen, benutzer);
  if (!e.gedruckt) {
    if (!e.fehler.empty()) benutzer.meldung("quarzel-cli: " + e.fehler, Meldungsart::Fehler);
    if (!e.plan.eineSeite && !aufruf.kacheln)
      benutzer.meldung("quarzel-cli: --tiles druckt sie auf mehreren Seiten.", Meldungsart::Information);
    return 1;
  }
  return 0;
}

}  // namespace quarzel
