#include "ui/window/makrobefehle.h"

#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <algorithm>
#include <system_error>

#include "macro/makrocompiler.h"
#include "macro/makrodatei.h"
#include "macro/makrofehler.h"
#include "macro/quelltextdatei.h"
#include "macro/schreibweise.h"
#include "settings/konfiguration.h"
#include "ui/window/sitzung.h"
#include "ui/window/tmakroeditor.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

const QString kZuletzt = QStringLiteral("Makroeditor/Zuletzt");

QString qtext(const std::string& s) {
  return QString::fromStdString(s);
}

// A "&" in a file name would otherwise underline the next letter.
QString menuename(const std::string& name) {
  return qtext(name).replace(u'&', QStringLiteral("&&"));
}

fs::path beispielordner() {
  return programmordner() / "Makros";
}

}  // namespace

Makrobefehle::Makrobefehle(Makrofenster fenster, QMenuBar& leiste)
    : QObject(&fenster.anschluss.fenster), fenster_(std::move(fenster)) {
  lauf_ = new Makrolauf(fenster_, this);
  menue_ = leiste.addMenu(QStringLiteral("&Makros"));
  beispiele_ = new QMenu(QStringLiteral("Beispiele"), menue_);
  connect(menue_, &QMenu::aboutToShow, this, &Makrobefehle::menueFuellen);
  menueFuellen();
}

Makrobefehle::~Makrobefehle() {
  // The editor works on the run; it saves its sources as it goes.
  delete editor_.data();
  lauf_->stoppe();
}

void Makrobefehle::menueFuellen() {
  menue_->clear();
  menue_->addAction(QStringLiteral("Makroeditor..."), this, [this] { makroeditor(); });
  QAction* ausfuehren = menue_->addAction(QStringLiteral("Makro ausführen..."), this, [this] { makroAusfuehren(); });
  ausfuehren->setEnabled(!lauf_->laeuft());

  beispiele_->clear();
  std::vector<fs::path> dateien;
  std::error_code fehler;
  for (fs::directory_iterator it(beispielordner(), fehler), ende; !fehler && it != ende; it.increment(fehler)) {
    const std::string endung = grossschreibung(it->path().extension().string());
    if ((endung == Quelltextendung || endung == Makroendung) && it->is_regular_file(fehler))
      dateien.push_back(it->path());
  }
  std::sort(dateien.begin(), dateien.end());
  for (const fs::path& d : dateien) {
    QAction* a = beispiele_->addAction(menuename(d.stem().string()), this, [this, d] { fuehreDateiAus(d.string()); });
    a->setEnabled(!lauf_->laeuft());
  }
  beispiele_->setEnabled(!dateien.empty());
  menue_->addMenu(beispiele_);

  const std::vector<std::string> liste = zuletzt();
  if (!liste.empty()) menue_->addSeparator();
  int n = 0;
  for (const std::string& pfad : liste) {
    ++n;
    QAction* a = menue_->addAction(QStringLiteral("&%1 %2").arg(n).arg(menuename(pfad)), this,
                                   [this, pfad] { fuehreDateiAus(pfad); });
    a->setEnabled(!lauf_->laeuft());
  }
}

TMakroeditor& Makrobefehle::makroeditor() {
  if (!editor_) {
    editor_ = new TMakroeditor(*lauf_, fenster_.anschluss.sitzung.benutzer, autosaveordnerQuelltext(""),
                               &fenster_.anschluss.fenster);
    editor_->dateiBenutzt = [this](const std::string& pfad) { zuletztMerken(pfad); };
    editor_->makrodateiAusfuehren = [this](const std::string& pfad) { fuehreDateiAus(pfad); };
    editor_->zuletzt = [this] { return zuletzt(); };
  }
  editor_->show();
  editor_->raise();
  editor_->activateWindow();
  return *editor_;
}

void Makrobefehle::makroAusfuehren() {
  const std::vector<std::string> liste = zuletzt();
  const std::string ordner = liste.empty() ? beispielordner().string() : fs::path(liste.front()).parent_path().string();
  const auto pfad = fenster_.anschluss.sitzung.benutzer.dateiOeffnen("Makro ausführen", Makrodateifilter, ordner);
  if (pfad) fuehreDateiAus(*pfad);
}

bool Makrobefehle::fuehreDateiAus(const std::string& pfad) {
  Benutzer& benutzer = fenster_.anschluss.sitzung.benutzer;
  if (lauf_->laeuft()) {
    benutzer.meldung("Es läuft bereits ein Makro.", Meldungsart::Warnung);
    return false;
  }
  Tokenprogramm programm;
  if (grossschreibung(fs::path(pfad).extension().string()) == Makroendung) {
    Makroleseergebnis gelesen = leseMakrodatei(pfad);
    if (gelesen.status != Makrolesestatus::Gelesen) {
      const Makrofehler code =
          gelesen.status == Makrolesestatus::Fehlt ? Makrofehler::MakroFehlt : Makrofehler::KeinMakro;
      benutzer.meldung(makrofehlertext(code, pfad), Meldungsart::Fehler);
      return false;
    }
    programm = std::move(gelesen.programm);
  } else {
    const Quelltextergebnis quelle = leseQuelltext(pfad);
    if (quelle.status != Quelltextstatus::Gelesen) {
      benutzer.meldung(meldungQuelltext(quelle.status, pfad), Meldungsart::Fehler);
      return false;
    }
    programm = kompiliereText(quelle.text);
  }
  zuletztMerken(pfad);
  Makrostart start;
  start.ausDatei = true;
  start.programmordner = programmordner().string();
  lauf_->starte(std::move(programm), start, fs::path(pfad).parent_path());
  return true;
}

std::vector<std::string> Makrobefehle::zuletzt() const {
  std::vector<std::string> liste;
  for (const QString& s : QSettings().value(kZuletzt).toStringList()) {
    if (!s.isEmpty() && int(liste.size()) < kZuletztAnzahl) liste.push_back(s.toStdString());
  }
  return liste;
}

void Makrobefehle::zuletztMerken(const std::string& pfad) {
  std::error_code fehler;
  const fs::path absolut = fs::absolute(pfad, fehler);
  const QString neu = qtext(fehler ? pfad : absolut.lexically_normal().string());
  QStringList liste = QSettings().value(kZuletzt).toStringList();
  liste.removeAll(neu);
  liste.prepend(neu);
  while (liste.size() > kZuletztAnzahl) liste.removeLast();
  QSettings().setValue(kZuletzt, liste);
}

}  // namespace quarzel
