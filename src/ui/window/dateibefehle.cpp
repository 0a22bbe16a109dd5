#include "ui/window/dateibefehle.h"

#include <filesystem>
#include <memory>
#include <new>
#include <string_view>
#include <system_error>

#include "exchange/cadformate.h"
#include "exchange/dxfschreiber.h"
#include "project/projektausgabe.h"
#include "project/projektbearbeitung.h"
#include "settings/konfiguration.h"
#include "store/autosicherung.h"
#include "store/speichern.h"
#include "store/zeichnungsdatei.h"
#include "styles/schraffurbibliothek.h"
#include "ui/qt/zeichnungsausgabe.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

// Marks a command as running for its whole length; nested commands (the save
// inside the question) keep the mark of the outer one.
class Beschaeftigt {
 public:
  explicit Beschaeftigt(bool& flag) : flag_(flag), vorher_(flag) { flag_ = true; }
  ~Beschaeftigt() { flag_ = vorher_; }
  Beschaeftigt(const Beschaeftigt&) = delete;
  Beschaeftigt& operator=(const Beschaeftigt&) = delete;

 private:
  bool& flag_;
  bool vorher_;
};

// The recent list must find the file again from any working folder.
std::string absolut(const std::string& pfad) {
  std::error_code ec;
  const fs::path a = fs::absolute(fs::path(pfad), ec);
  return ec ? pfad : a.lexically_normal().string();
}

}  // namespace

Dateibefehle::Dateibefehle(Zeichnung& zeichnung, Benutzer& benutzer, Tastatur& tastatur, Konfiguration& konfiguration,
                           const Einstellungen& einstellungen)
    : zeichnung_(&zeichnung),
      benutzer_(&benutzer),
      tastatur_(&tastatur),
      konfiguration_(&konfiguration),
      einstellungen_(&einstellungen),
      zuletzt_(einstellungen.dateien) {}

bool Dateibefehle::aenderungenSichern() {
  if (!zeichnung_->speicher.modifiziert()) return true;
  Beschaeftigt b(beschaeftigt_);
  switch (benutzer_->jaNeinAbbrechen(FrageAenderungenSpeichern)) {
    case Antwort::Ja:
      return speichern();
    case Antwort::Nein:
      return true;
    case Antwort::Abbrechen:
      break;
  }
  return false;
}

bool Dateibefehle::neu() {
  Beschaeftigt b(beschaeftigt_);
  if (!aenderungenSichern()) return false;
  // The store's tables are large; the drawing lives on the heap until it is
  // known to be usable.
  auto neue = std::make_unique<Zeichnung>();
  neue->ansicht.areaWidth = zeichnung_->ansicht.areaWidth;
  neue->ansicht.areaHeight = zeichnung_->ansicht.areaHeight;
  neue->ansicht.layoutView = zeichnung_->ansicht.layoutView;
  if (!starteZeichnung(*neue, zeichnungsvorgaben(*einstellungen_), *benutzer_)) return false;
  *zeichnung_ = std::move(*neue);
  return true;
}

bool Dateibefehle::oeffnen() {
  Beschaeftigt b(beschaeftigt_);
  if (!aenderungenSichern()) return false;
  const auto pfad = benutzer_->dateiOeffnen(TitelOeffnen, Oeffnenfilter, startordner());
  if (!pfad || pfad->empty()) return false;
  return oeffne(*pfad);
}

bool Dateibefehle::oeffneZuletzt(int index) {
  const std::vector<std::string> liste = zuletzt_.angezeigt();
  if (index < 0 || index >= static_cast<int>(liste.size())) return false;
  Beschaeftigt b(beschaeftigt_);
  if (!aenderungenSichern()) return false;
  return oeffne(liste[static_cast<std::size_t>(index)]);
}

namespace {
// How the loader's message about missing hatches begins.
constexpr std::string_view kFehlendeSchraffurenAnfang = "Zur fehlerfreien Darstellung dieser Zeichnung fehlen ";
}  // namespace

bool Dateibefehle::oeffne(const std::string& eingabe) {
  Beschaeftigt b(beschaeftigt_);
  const std::string pfad = absolut(eingabe);
  // A CAD file comes into the open drawing, as "Importieren" brings it.
  if (cadImport && cadLeser(pfad) != CadLeser::Keiner) {
    cadImport(pfad);
    return false;
  }
  if (dateiart(pfad) == Dateiart::Import) {
    benutzer_->meldung(meldungImportFehlt(pfad), Meldungsart::Warnung);
    return false;
  }
  Ladeoptionen optionen;
  optionen.tastatur = tastatur_;
  // Hatches the installation has need not travel in the file.
  optionen.schraffurBekannt = schraffurpruefung();
  Ladeergebnis ergebnis;
  try {
    ergebnis = ladeZeichnung(pfad, *zeichnung_, *benutzer_, optionen);
    const bool eigenerDialog = fehlendeSchraffuren && !ergebnis.fehlendeSchraffuren.empty();
    std::string schraffurmeldung;
    for (const Ladehinweis& h : ergebnis.hinweise) {
      if (eigenerDialog && h.text.starts_with(kFehlendeSchraffurenAnfang)) {
        schraffurmeldung = h.text;
        continue;
      }
      benutzer_->meldung(h.text, h.art);
    }
    if (eigenerDialog) fehlendeSchraffuren(schraffurmeldung, ergebnis.fehlendeSchraffuren);
  } catch (const std::bad_alloc&) {
    benutzer_->meldung("Für die Zeichnung " + pfad + " reicht der Arbeitsspeicher nicht aus.", Meldungsart::Fehler);
    return false;
  }
  if (!ergebnis.geladen) return false;
  zuletzt_ = merkeZuletztGeoeffnet(*konfiguration_, pfad);
  return true;
}

bool Dateibefehle::speichern() {
  if (zeichnung_->dateiname.empty()) return speichernUnter();
  Beschaeftigt b(beschaeftigt_);
  return speichereUnter(zeichnung_->dateiname);
}

bool Dateibefehle::speichernUnter() {
  Beschaeftigt b(beschaeftigt_);
  const std::string vorschlag = zeichnung_->dateiname.empty() ? startordner() : zeichnung_->dateiname;
  const auto name =
      benutzer_->dateiSpeichern(TitelSpeichernUnter, bildExport ? Speicherunterfilter : Zeichnungsfilter, vorschlag);
  if (!name || name->empty()) return false;
  return speichereUnter(absolut(*name));
}

bool Dateibefehle::speichereUnter(const std::string& name) {
  if (endungGross(name) == "DXF") {
    exportiereDxf(name);
    return false;
  }
  if (bildExport && ausgabeformatFuer(name)) {
    const std::string fehler = bildExport(name);
    if (!fehler.empty()) benutzer_->meldung(fehler, Meldungsart::Fehler);
    return false;
  }
  const Speicherergebnis e = speichereZeichnung(*zeichnung_, name, einstellungen_->speichern, *benutzer_);
  if (e.dateiGeschrieben()) zuletzt_ = merkeZuletztGeoeffnet(*konfiguration_, e.pfad);
  if (e.status == Speicherstatus::Gespeichert) autosaveAufraeumen(*zeichnung_, einstellungen_->speichern, false);
  // An incomplete file counts as not saved: whoever asked (closing, "Neu")
  // must not throw the drawing away.
  return e.status == Speicherstatus::Gespeichert;
}

void Dateibefehle::exportiereDxf(const std::string& name) {
  // The file carries the values of placeholders, as paper does.
  const Projektdatenersetzung platzhalter(heutigesDatum());
  const DxfDateiergebnis e = schreibeDxfDatei(*zeichnung_, name, &platzhalter);
  if (!e.geschrieben) {
    benutzer_->meldung(e.fehler, Meldungsart::Fehler);
    return;
  }
  if (statusmeldung) statusmeldung("Als DXF exportiert: " + fs::path(name).filename().string());
  if (const std::string bericht = dxfBerichtstext(e.bericht); !bericht.empty()) benutzer_->meldung(bericht);
}

std::string Dateibefehle::startordner() const {
  if (!zeichnung_->dateiname.empty()) return fs::path(zeichnung_->dateiname).parent_path().string();
  const std::string& eingestellt = einstellungen_->standardpfade.standardZeichnung;
  if (!eingestellt.empty()) return eingestellt;
  std::error_code ec;
  if (const auto ordner = zeichnungsordner(); ordner && fs::is_directory(*ordner, ec)) return ordner->string();
  return {};
}

}  // namespace quarzel
