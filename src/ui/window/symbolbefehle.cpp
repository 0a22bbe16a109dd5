#include "ui/window/symbolbefehle.h"

#include <QAction>
#include <QMainWindow>
#include <filesystem>

#include "settings/konfiguration.h"
#include "store/symboldatei.h"
#include "store/symboleinfuegen.h"
#include "ui/dialogs/symbolinfodialog.h"
#include "ui/qt/symbolausgabe.h"
#include "ui/window/hauptmenue.h"
#include "ui/window/sitzung.h"
#include "ui/window/werkzeugbedienung.h"

namespace quarzel {

namespace fs = std::filesystem;

Symbolbefehle::Symbolbefehle(Fensteranschluss fenster, Werkzeugbedienung& werkzeuge, const Hauptmenue& menue)
    : QObject(&fenster.fenster), fenster_(fenster), werkzeuge_(werkzeuge) {
  connect(menue.symbolEinfuegen, &QAction::triggered, this, &Symbolbefehle::symbolEinfuegen);
  connect(menue.alsSymbolSpeichern, &QAction::triggered, this, &Symbolbefehle::alsSymbolSpeichern);
  connect(menue.alsDetailSpeichern, &QAction::triggered, this, &Symbolbefehle::alsDetailSpeichern);
  connect(menue.symbolinformationen, &QAction::triggered, this, &Symbolbefehle::symbolinformationen);
}

bool Symbolbefehle::zeige(QDialog& dialog) {
  if (vorDialog) vorDialog(dialog);
  if (dialog.result() == QDialog::Accepted) return true;
  return dialog.exec() == QDialog::Accepted;
}

std::string Symbolbefehle::symbolordner() const {
  const std::string& eingestellt = fenster_.sitzung.einstellungen.standardpfade.standardSymbole;
  if (!eingestellt.empty()) return (fs::path(eingestellt) / "").string();
  const std::optional<fs::path> benutzer = benutzerordner();
  if (!benutzer) return {};
  const fs::path ordner = *benutzer / "Symbole";
  std::error_code ec;
  fs::create_directories(ordner, ec);
  return fs::is_directory(ordner, ec) ? (ordner / "").string() : std::string();
}

std::string symbolquelle(const std::string& benutzerordner, const fs::path& bibliothek) {
  std::error_code ec;
  if (!benutzerordner.empty() && fs::directory_iterator(benutzerordner, ec) != fs::directory_iterator()) {
    return benutzerordner;
  }
  if (fs::is_directory(bibliothek, ec)) return (bibliothek / "").string();
  return benutzerordner;
}

std::string Symbolbefehle::symbolleseordner() const {
  if (!fenster_.sitzung.einstellungen.standardpfade.standardSymbole.empty()) return symbolordner();
  return symbolquelle(symbolordner(), programmordner() / "Symbole");
}

void Symbolbefehle::symbolEinfuegen() {
  const auto pfad = fenster_.sitzung.benutzer.dateiOeffnen("Symbol einfügen", Symboleinfuegefilter, symbolleseordner());
  if (pfad && !pfad->empty()) beginneSymbolEinfuegen(*pfad);
}

bool Symbolbefehle::beginneSymbolEinfuegen(const std::string& pfad) {
  Sitzung& s = fenster_.sitzung;
  Symbolladeergebnis e = ladeSymbol(pfad, s.benutzer);
  if (!e.symbol) {
    s.benutzer.meldung(e.fehler, Meldungsart::Fehler);
    return false;
  }
  for (const Ladehinweis& h : e.hinweise) s.benutzer.meldung(h.text, h.art);
  werkzeuge_.symbolPlatzieren(std::move(e.symbol), symbolgruppenname(pfad));
  return true;
}

bool Symbolbefehle::speichern(bool detail) {
  Sitzung& s = fenster_.sitzung;
  if (s.zeichnung.speicher.anzahlMarkierte() == 0) {
    s.benutzer.meldung(MeldungNichtsMarkiert, Meldungsart::Information);
    return false;
  }
  // A name to overwrite: the dialog would offer the folder's own name.
  const std::string vorschlag = symbolordner() + (detail ? "Detail.DET" : "Symbol.QZS");
  const auto pfad = s.benutzer.dateiSpeichern(detail ? "Als Detail speichern" : "Als Symbol speichern",
                                              detail ? Detailspeicherfilter : Symbolspeicherfilter, vorschlag);
  if (!pfad || pfad->empty()) return false;
  TSymbolinformationen dialog(symbolgruppenname(*pfad), leseSymbolinformationen(*pfad), {}, &fenster_.fenster);
  if (!zeige(dialog)) return false;
  const Symbolinformationen info = dialog.informationen();
  Symbolausgabewahl wahl{s.schalter, s.darstellung, &s.schraffuren};
  const std::string fehler = speichereMarkierteAlsSymbol(s.zeichnung, *pfad, wahl, s.benutzer, &info);
  if (!fehler.empty()) {
    s.benutzer.meldung(fehler, Meldungsart::Fehler);
    return false;
  }
  if (gespeichert) gespeichert(*pfad);
  return true;
}

void Symbolbefehle::symbolinformationen() {
  Sitzung& s = fenster_.sitzung;
  const auto pfad = s.benutzer.dateiOeffnen("Symbolinformationen", Symbolinfofilter, symbolleseordner());
  if (!pfad || pfad->empty()) return;
  const Symbolkopfergebnis kopf = ladeSymbolkopf(*pfad);
  if (!kopf.kopf) {
    s.benutzer.meldung(kopf.fehler, Meldungsart::Fehler);
    return;
  }
  TSymbolinformationen dialog(symbolgruppenname(*pfad), leseSymbolinformationen(*pfad), kopf.kopf->vorschau,
                              &fenster_.fenster);
  if (!zeige(dialog)) return;
  std::string fehler;
  if (!speichereSymbolinformationen(*pfad, dialog.informationen(), &fehler))
    s.benutzer.meldung("Die Symbolinformationen konnten nicht gespeichert werden: " + fehler, Meldungsart::Fehler);
}

}  // namespace quarzel
