#include "ui/window/tmakroeditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <system_error>

#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/quelltextdatei.h"
#include "macro/schreibweise.h"
#include "platform/benutzer.h"
#include "settings/konfiguration.h"
#include "ui/qt/quelltextfeld.h"
#include "ui/window/makrodebugansicht.h"
#include "ui/window/makrolauf.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

const QString kGruppe = QStringLiteral("Makroeditor");
// The open dialog offers the backups too; saving offers source and compiled macro.
const std::string kOeffnenfilter = std::string(Makrodateifilter) + "|Sicherung (*.PSB)|*.PSB";

QString qtext(const std::string& s) {
  return QString::fromStdString(s);
}

std::string endungGross(const std::string& pfad) {
  return grossschreibung(fs::path(pfad).extension().string());
}

std::string ordnerVon(const std::string& pfad) {
  return fs::path(pfad).parent_path().string();
}

QString sekunden(qint64 ms) {
  return QString::number(double(ms) / 1000.0, 'f', 3) + QStringLiteral(" s");
}

}  // namespace

TMakroeditor::TMakroeditor(Makrolauf& lauf, Benutzer& benutzer, std::optional<fs::path> autosaveordner, QWidget* eltern)
    : QWidget(eltern, Qt::Window), lauf_(lauf), benutzer_(benutzer), autosaveordner_(std::move(autosaveordner)) {
  setObjectName(QStringLiteral("TMakroeditor"));
  setWindowTitle(QStringLiteral("Makroeditor"));

  neu_ = new QPushButton(QStringLiteral("Neu"), this);
  oeffnen_ = new QPushButton(QStringLiteral("Öffnen..."), this);
  speichern_ = new QPushButton(QStringLiteral("Speichern"), this);
  speichernUnter_ = new QPushButton(QStringLiteral("Speichern unter..."), this);
  zuletzt_ = new QToolButton(this);
  zuletzt_->setText(QStringLiteral("Zuletzt"));
  zuletzt_->setPopupMode(QToolButton::InstantPopup);
  zuletzt_->setMenu(new QMenu(zuletzt_));
  ausfuehren_ = new QPushButton(QStringLiteral("Ausführen"), this);
  stopp_ = new QPushButton(QStringLiteral("Stopp"), this);
  pruefung_ = new QCheckBox(QStringLiteral("Quelltextprüfung"), this);
  automatisch_ = new QCheckBox(QStringLiteral("Automatisch speichern"), this);
  automatisch_->setToolTip(QStringLiteral("Beim Start eines Makros alle Quelltexte automatisch speichern"));
  debugmodus_ = new QCheckBox(QStringLiteral("Debugmodus"), this);

  reiterleiste_ = new QTabWidget(this);
  reiterleiste_->setTabsClosable(true);
  debug_ = new Makrodebugansicht(this);
  auto* teiler = new QSplitter(this);
  teiler->addWidget(reiterleiste_);
  teiler->addWidget(debug_);
  teiler->setStretchFactor(0, 3);
  teiler->setStretchFactor(1, 1);

  fehler_ = new QLabel(this);
  fehler_->setObjectName(QStringLiteral("Fehlertext"));
  fehler_->setWordWrap(true);
  fehler_->setStyleSheet(QStringLiteral("color: #b00000"));
  fehler_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_ = new QLabel(this);
  zeit_ = new QLabel(this);

  auto* knoepfe = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{neu_, oeffnen_, speichern_, speichernUnter_, zuletzt_}) {
    knoepfe->addWidget(w);
  }
  knoepfe->addSpacing(12);
  knoepfe->addWidget(ausfuehren_);
  knoepfe->addWidget(stopp_);
  knoepfe->addStretch();
  auto* schalter = new QHBoxLayout;
  schalter->addWidget(pruefung_);
  schalter->addWidget(automatisch_);
  schalter->addWidget(debugmodus_);
  schalter->addStretch();
  auto* statuszeile = new QHBoxLayout;
  statuszeile->addWidget(status_, 1);
  statuszeile->addWidget(zeit_);
  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(knoepfe);
  spalte->addLayout(schalter);
  spalte->addWidget(teiler, 1);
  spalte->addWidget(fehler_);
  spalte->addLayout(statuszeile);

  QSettings einstellungen;
  einstellungen.beginGroup(kGruppe);
  pruefung_->setChecked(einstellungen.value(QStringLiteral("Quelltextpruefung"), true).toBool());
  automatisch_->setChecked(einstellungen.value(QStringLiteral("AutomatischSpeichern"), true).toBool());
  debugmodus_->setChecked(einstellungen.value(QStringLiteral("Debugmodus"), false).toBool());
  restoreGeometry(einstellungen.value(QStringLiteral("Geometrie")).toByteArray());
  einstellungen.endGroup();
  if (size().width() < 300) resize(900, 600);
  debug_->setVisible(debugmodus_->isChecked());

  connect(neu_, &QPushButton::clicked, this, &TMakroeditor::neuerQuelltext);
  connect(oeffnen_, &QPushButton::clicked, this, &TMakroeditor::oeffnen);
  connect(speichern_, &QPushButton::clicked, this, &TMakroeditor::speichern);
  connect(speichernUnter_, &QPushButton::clicked, this, &TMakroeditor::speichernUnter);
  connect(zuletzt_->menu(), &QMenu::aboutToShow, this, &TMakroeditor::zuletztMenue);
  connect(ausfuehren_, &QPushButton::clicked, this, &TMakroeditor::ausfuehren);
  connect(stopp_, &QPushButton::clicked, this, &TMakroeditor::stopp);
  connect(reiterleiste_, &QTabWidget::tabCloseRequested, this, [this](int i) { schliesseReiter(i); });
  connect(reiterleiste_, &QTabWidget::currentChanged, this, [this] { knoepfeSetzen(); });
  connect(pruefung_, &QCheckBox::toggled, this, [this](bool an) {
    for (Reiter& r : reiter_) r.feld->setzePruefungEin(an);
  });
  connect(debugmodus_, &QCheckBox::toggled, debug_, &QWidget::setVisible);
  connect(&debug_->einzelschritt(), &QCheckBox::toggled, &lauf_, &Makrolauf::setzeEinzelschritt);
  connect(&debug_->naechsterSchritt(), &QPushButton::clicked, &lauf_, &Makrolauf::schritt);
  connect(&lauf_, &Makrolauf::begonnen, this, &TMakroeditor::knoepfeSetzen);
  connect(&lauf_, &Makrolauf::beendet, this, &TMakroeditor::laufBeendet);
  connect(&lauf_, &Makrolauf::angehalten, this, &TMakroeditor::angehalten);

  stellWiederHer();
  if (reiter_.empty()) neuerQuelltext();
  knoepfeSetzen();
}

TMakroeditor::~TMakroeditor() {
  sichereAutomatisch(true);
  einstellungenSpeichern();
}

// --- Tabs ---------------------------------------------------------------------

int TMakroeditor::reiteranzahl() const {
  return int(reiter_.size());
}

Quelltextfeld& TMakroeditor::feld(int reiter) {
  return *reiter_.at(std::size_t(reiter)).feld;
}

int TMakroeditor::aktuellerReiter() const {
  return reiterleiste_->currentIndex();
}

Quelltextfeld& TMakroeditor::aktuellesFeld() {
  return feld(aktuellerReiter());
}

std::string TMakroeditor::dateiname(int reiter) const {
  return reiter_.at(std::size_t(reiter)).pfad;
}

int TMakroeditor::reiterVon(const Quelltextfeld* feld) const {
  for (std::size_t i = 0; i < reiter_.size(); ++i)
    if (reiter_[i].feld == feld) return int(i);
  return -1;
}

Quelltextfeld& TMakroeditor::neuerReiter(const std::string& text, const std::string& pfad) {
  auto* feld = new Quelltextfeld(reiterleiste_);
  feld->setzePruefungEin(pruefung_->isChecked());
  feld->setzeQuelltext(text);
  feld->document()->setModified(false);
  reiter_.push_back({feld, pfad, pfad.empty() ? std::string() : ordnerVon(pfad)});
  reiterleiste_->addTab(feld, QString());
  titelSetzen(feld);
  connect(feld->document(), &QTextDocument::modificationChanged, this, [this, feld] { titelSetzen(feld); });
  connect(feld, &Quelltextfeld::statustext, status_, &QLabel::setText);
  connect(feld, &Quelltextfeld::zeileGewechselt, this,
          [this](int zeile) { status_->setText(QStringLiteral(" Zeile %1").arg(zeile)); });
  reiterleiste_->setCurrentWidget(feld);
  knoepfeSetzen();
  return *feld;
}

void TMakroeditor::titelSetzen(Quelltextfeld* feld) {
  const int i = reiterVon(feld);
  if (i < 0) return;
  const Reiter& r = reiter_[std::size_t(i)];
  QString titel = r.pfad.empty() ? qtext(std::string(NeuerQuelltextTitel)) : QFileInfo(qtext(r.pfad)).fileName();
  if (feld->document()->isModified()) titel += QLatin1Char('*');
  reiterleiste_->setTabText(i, titel);
  reiterleiste_->setTabToolTip(i, qtext(r.pfad));
}

void TMakroeditor::knoepfeSetzen() {
  const bool voll = reiteranzahl() >= HoechsteQuelltextreiter;
  const bool laeuft = lauf_.laeuft();
  neu_->setEnabled(!voll);
  oeffnen_->setEnabled(!voll);
  ausfuehren_->setEnabled(!laeuft && reiteranzahl() > 0);
  stopp_->setEnabled(laeuft);
}

void TMakroeditor::neuerQuelltext() {
  if (reiteranzahl() >= HoechsteQuelltextreiter) return;
  neuerReiter({}, {});
}

void TMakroeditor::oeffnen() {
  if (reiteranzahl() >= HoechsteQuelltextreiter) return;
  const std::string ordner = reiteranzahl() > 0 ? reiter_[std::size_t(aktuellerReiter())].ordner : std::string();
  const auto pfad = benutzer_.dateiOeffnen("Quelltext öffnen", kOeffnenfilter, ordner);
  if (pfad) oeffne(*pfad);
}

bool TMakroeditor::oeffne(const std::string& pfad) {
  if (endungGross(pfad) == Makroendung) {
    if (makrodateiAusfuehren) makrodateiAusfuehren(pfad);
    return false;
  }
  for (std::size_t i = 0; i < reiter_.size(); ++i) {
    std::error_code fehler;
    if (!reiter_[i].pfad.empty() && fs::equivalent(reiter_[i].pfad, pfad, fehler)) {
      reiterleiste_->setCurrentIndex(int(i));
      return true;
    }
  }
  if (reiteranzahl() >= HoechsteQuelltextreiter) return false;
  const Quelltextergebnis quelle = leseQuelltext(pfad);
  if (quelle.status != Quelltextstatus::Gelesen) {
    benutzer_.meldung(meldungQuelltext(quelle.status, pfad), Meldungsart::Fehler);
    return false;
  }
  // An empty new tab that was never touched gives way to the file.
  if (reiteranzahl() == 1 && reiter_[0].pfad.empty() && reiter_[0].feld->document()->isEmpty()) {
    reiterleiste_->removeTab(0);
    delete reiter_[0].feld;
    reiter_.clear();
  }
  // A backup is opened as what it backs up, so saving does not overwrite it.
  const bool sicherung = endungGross(pfad) == Quelltextsicherungsendung;
  Quelltextfeld& feld = neuerReiter(quelle.text, sicherung ? std::string() : pfad);
  if (sicherung) reiter_.back().ordner = ordnerVon(pfad);
  titelSetzen(&feld);
  if (dateiBenutzt) dateiBenutzt(pfad);
  return true;
}

bool TMakroeditor::schliesseReiter(int reiter) {
  if (reiter < 0 || reiter >= reiteranzahl()) return false;
  Reiter& r = reiter_[std::size_t(reiter)];
  if (r.feld->document()->isModified()) {
    const std::string name = r.pfad.empty() ? std::string(NeuerQuelltextTitel) : fs::path(r.pfad).filename().string();
    switch (benutzer_.jaNeinAbbrechen("Der Quelltext \"" + name + "\" wurde geändert. Änderungen speichern?")) {
      case Antwort::Ja:
        reiterleiste_->setCurrentIndex(reiter);
        if (!speichern()) return false;
        break;
      case Antwort::Nein:
        break;
      case Antwort::Abbrechen:
        return false;
    }
  }
  Quelltextfeld* feld = reiter_[std::size_t(reiter)].feld;
  reiterleiste_->removeTab(reiter);
  reiter_.erase(reiter_.begin() + reiter);
  delete feld;
  if (reiter_.empty()) neuerQuelltext();
  knoepfeSetzen();
  return true;
}

// --- Files --------------------------------------------------------------------

bool TMakroeditor::speichern() {
  const int i = aktuellerReiter();
  if (i < 0) return false;
  if (reiter_[std::size_t(i)].pfad.empty()) return speichernUnter();
  return speichereAls(i, reiter_[std::size_t(i)].pfad);
}

bool TMakroeditor::speichernUnter() {
  const int i = aktuellerReiter();
  if (i < 0) return false;
  const Reiter& r = reiter_[std::size_t(i)];
  const std::string vorschlag = r.pfad.empty() ? (fs::path(r.ordner) / "Makro.PSQ").string() : r.pfad;
  const auto pfad = benutzer_.dateiSpeichern("Quelltext speichern unter", Makrodateifilter, vorschlag);
  return pfad && speichereAls(i, *pfad);
}

bool TMakroeditor::speichereAls(int reiter, const std::string& pfad) {
  Reiter& r = reiter_[std::size_t(reiter)];
  std::string fehler;
  if (endungGross(pfad) == Makroendung) {
    // The compiled macro goes out; the tab stays with its source.
    if (!schreibeMakrodatei(pfad, kompiliere(r.feld->zeilen()), &fehler)) {
      benutzer_.meldung("Das Makro " + pfad + " konnte nicht gespeichert werden: " + fehler, Meldungsart::Fehler);
      return false;
    }
    status_->setText(QStringLiteral(" Makro gespeichert: %1").arg(qtext(pfad)));
    if (dateiBenutzt) dateiBenutzt(pfad);
    return true;
  }
  const std::string ziel = fs::path(pfad).has_extension() ? pfad : mitQuelltextendung(pfad);
  if (!speichereQuelltext(ziel, r.feld->quelltext(), &fehler)) {
    benutzer_.meldung("Der Quelltext " + ziel + " konnte nicht gespeichert werden: " + fehler, Meldungsart::Fehler);
    return false;
  }
  r.pfad = ziel;
  r.ordner = ordnerVon(ziel);
  r.feld->document()->setModified(false);
  titelSetzen(r.feld);
  if (dateiBenutzt) dateiBenutzt(ziel);
  return true;
}

void TMakroeditor::zuletztMenue() {
  QMenu* menue = zuletzt_->menu();
  menue->clear();
  const std::vector<std::string> dateien = zuletzt ? zuletzt() : std::vector<std::string>{};
  for (const std::string& pfad : dateien) menue->addAction(qtext(pfad), this, [this, pfad] { oeffne(pfad); });
  if (dateien.empty()) menue->addAction(QStringLiteral("(keine)"))->setEnabled(false);
}

// --- Automatic saving -----------------------------------------------------------

void TMakroeditor::sichereAutomatisch(bool alteEntfernen) {
  if (!autosaveordner_) return;
  std::vector<std::string> texte;
  QStringList pfade;
  for (const Reiter& r : reiter_) {
    texte.push_back(r.feld->quelltext());
    pfade << qtext(r.pfad);
  }
  std::error_code angelegt;
  fs::create_directories(*autosaveordner_, angelegt);
  for (const Quelltextsicherung& s : sichereQuelltexteAutomatisch(texte, *autosaveordner_)) {
    if (!s.gespeichert) status_->setText(qtext(s.fehler));
  }
  QSettings einstellungen;
  einstellungen.setValue(kGruppe + QStringLiteral("/Reiter"), pfade);
  if (!alteEntfernen) return;
  // A tab that is gone or holds a single line must not come back at the next start.
  for (int n = 1; n <= HoechsteQuelltextreiter; ++n) {
    const std::size_t i = std::size_t(n - 1);
    if (i < texte.size() && texte[i].find_first_of("\r\n") != std::string::npos) continue;
    std::error_code fehler;
    fs::remove(*autosaveordner_ / autosavenameQuelltext(n), fehler);
  }
}

void TMakroeditor::stellWiederHer() {
  if (!autosaveordner_) return;
  QSettings einstellungen;
  const QStringList pfade = einstellungen.value(kGruppe + QStringLiteral("/Reiter")).toStringList();
  for (int n = 1; n <= HoechsteQuelltextreiter; ++n) {
    const fs::path datei = *autosaveordner_ / autosavenameQuelltext(n);
    std::error_code fehler;
    if (!fs::is_regular_file(datei, fehler)) continue;
    const Quelltextergebnis quelle = leseQuelltext(datei);
    if (quelle.status != Quelltextstatus::Gelesen) continue;
    const std::string pfad = n - 1 < pfade.size() ? pfade[n - 1].toStdString() : std::string();
    Quelltextfeld& feld = neuerReiter(quelle.text, pfad);
    // Changes that were never saved to the source's own file stay marked.
    if (!pfad.empty()) {
      const Quelltextergebnis gespeichert = leseQuelltext(pfad);
      feld.document()->setModified(gespeichert.status != Quelltextstatus::Gelesen ||
                                   teileInZeilen(gespeichert.text) != teileInZeilen(feld.quelltext()));
    } else {
      feld.document()->setModified(true);
    }
  }
}

void TMakroeditor::einstellungenSpeichern() const {
  QSettings einstellungen;
  einstellungen.beginGroup(kGruppe);
  einstellungen.setValue(QStringLiteral("Quelltextpruefung"), pruefung_->isChecked());
  einstellungen.setValue(QStringLiteral("AutomatischSpeichern"), automatisch_->isChecked());
  einstellungen.setValue(QStringLiteral("Debugmodus"), debugmodus_->isChecked());
  einstellungen.setValue(QStringLiteral("Geometrie"), saveGeometry());
}

void TMakroeditor::closeEvent(QCloseEvent* ereignis) {
  sichereAutomatisch(true);
  einstellungenSpeichern();
  QWidget::closeEvent(ereignis);
}

// --- Running ------------------------------------------------------------------

void TMakroeditor::ausfuehren() {
  if (lauf_.laeuft() || reiteranzahl() == 0) return;
  if (automatisch_->isChecked()) sichereAutomatisch(false);
  const int i = aktuellerReiter();
  Quelltextfeld& feld = aktuellesFeld();
  laufFeld_ = &feld;
  feld.markiereZeile(std::nullopt);
  fehler_->clear();

  QElapsedTimer uhr;
  uhr.start();
  Tokenprogramm programm = kompiliere(feld.zeilen(), [this](const std::string& text) {
    status_->setText(qtext(text));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  });
  zeit_->setText(sekunden(uhr.elapsed()));

  Makrostart start;
  start.debugmodus = debugmodus_->isChecked();
  start.programmordner = programmordner().string();
  std::string ordner = reiter_[std::size_t(i)].ordner;
  if (ordner.empty() && autosaveordner_) ordner = autosaveordner_->string();
  eigenerLauf_ = true;
  knoepfeSetzen();
  status_->setText(QStringLiteral(" Makro läuft..."));
  laufzeit_.start();
  lauf_.starte(std::move(programm), start, ordner);
  knoepfeSetzen();
}

void TMakroeditor::stopp() {
  lauf_.stoppe();
}

void TMakroeditor::angehalten() {
  debug_->setzeHaelt(true);
  debug_->zeige(lauf_.interpreter());
  const Makrointerpreter& m = lauf_.interpreter();
  if (eigenerLauf_ && laufFeld_ && m.befehlszaehler() < m.programm().laenge())
    laufFeld_->markiereZeile(int(m.programm().zeile(m.befehlszaehler())), QColor(255, 240, 160));
}

void TMakroeditor::laufBeendet(Laufende ende) {
  debug_->setzeHaelt(false);
  debug_->zeige(lauf_.interpreter());
  const bool eigener = eigenerLauf_;
  eigenerLauf_ = false;
  knoepfeSetzen();
  if (!eigener) return;
  if (laufFeld_) laufFeld_->markiereZeile(std::nullopt);
  zeit_->setText(sekunden(laufzeit_.elapsed()));
  switch (ende) {
    case Laufende::Fehler: {
      const auto& f = lauf_.interpreter().letzterFehler();
      if (!f) break;
      fehler_->setText(QStringLiteral("Zeile %1: %2").arg(f->zeile + 1).arg(qtext(f->text)));
      if (laufFeld_) {
        reiterleiste_->setCurrentWidget(laufFeld_);
        laufFeld_->markiereZeile(int(f->zeile));
      }
      status_->setText(QStringLiteral(" Makro mit Fehler beendet"));
      break;
    }
    case Laufende::Gestoppt:
      status_->setText(QStringLiteral(" Makro abgebrochen"));
      break;
    case Laufende::Beendet:
    case Laufende::Wartet:
      status_->setText(QStringLiteral(" Makro beendet"));
      break;
  }
  const std::vector<std::string>& warnungen = lauf_.interpreter().warnungen();
  if (!warnungen.empty() && fehler_->text().isEmpty()) fehler_->setText(qtext(warnungen.front()));
}

QString TMakroeditor::statustext() const {
  return status_->text();
}

}  // namespace quarzel
