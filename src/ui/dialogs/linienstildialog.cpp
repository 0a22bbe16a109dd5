#include "ui/dialogs/linienstildialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "styles/linienstilstart.h"
#include "styles/tlmdatei.h"
#include "platform/benutzer.h"

namespace quarzel {

namespace {

QString qtext(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

constexpr const char* kKaestchentexte[TLinienstile::kKaestchen] = {
    "Punkt",   "kurze Linie", "lange Linie", "senkrechte Linie", "schräge Linie", "schräge Linie",
    "Quadrat", "Raute",       "Kreis",       "Füllung"};
// Columns of the three that exclude each other.
constexpr int kPunkt = 0, kKurz = 1, kLang = 2, kFuellung = 9;
constexpr std::uint8_t kFormen = linienstil::kQuadrat | linienstil::kRaute | linienstil::kKreis;

constexpr std::string_view kLadefrage =
    "Laden neuer Linienmuster überschreibt die vorhandenen selbstdefinierten Linienmuster in der Zeichnung! "
    "Fortfahren?";
constexpr std::string_view kFilter = "Linienmuster (*.tlm)|*.tlm;*.TLM|Alle Dateien|*.*";

struct Gruppenknopf {
  const char* text;
  bool alle;
  Linienstilauswahl::Gruppe gruppe;
  bool an;
};
constexpr Gruppenknopf kGruppenknoepfe[] = {
    {"Alle an", true, Linienstilauswahl::Gruppe::Standard, true},
    {"Alle aus", true, Linienstilauswahl::Gruppe::Standard, false},
    {"Standard an", false, Linienstilauswahl::Gruppe::Standard, true},
    {"Standard aus", false, Linienstilauswahl::Gruppe::Standard, false},
    {"Komplexe an", false, Linienstilauswahl::Gruppe::Komplexe, true},
    {"Komplexe aus", false, Linienstilauswahl::Gruppe::Komplexe, false},
    {"Einfache an", false, Linienstilauswahl::Gruppe::Einfache, true},
    {"Einfache aus", false, Linienstilauswahl::Gruppe::Einfache, false},
    {"Vordefinierte an", false, Linienstilauswahl::Gruppe::Partner, true},
    {"Vordefinierte aus", false, Linienstilauswahl::Gruppe::Partner, false},
};

}  // namespace

Abschnittswahl abschnittswahlAus(std::uint8_t code) {
  Abschnittswahl w{};
  const bool eins = (code & linienstil::kPunkt) != 0;
  const bool linie = (code & linienstil::kLinie) != 0;
  const bool form = (code & kFormen) != 0;
  w[kPunkt] = eins && !linie && !form;
  w[kKurz] = eins && linie;
  w[kLang] = !eins && linie;
  w[3] = (code & linienstil::kSenkrecht) != 0;
  w[4] = (code & linienstil::kSchraeg) != 0;
  w[5] = (code & linienstil::kSchraeg2) != 0;
  w[6] = (code & linienstil::kQuadrat) != 0;
  w[7] = (code & linienstil::kRaute) != 0;
  w[8] = (code & linienstil::kKreis) != 0;
  w[kFuellung] = eins && form && !linie;
  return w;
}

std::uint8_t abschnittscodeAus(const Abschnittswahl& w) {
  std::uint8_t c = 0;
  if (w[kPunkt]) c |= linienstil::kPunkt;
  if (w[kKurz]) c |= linienstil::kPunkt | linienstil::kLinie;
  if (w[kLang]) c |= linienstil::kLinie;
  if (w[3]) c |= linienstil::kSenkrecht;
  if (w[4]) c |= linienstil::kSchraeg;
  if (w[5]) c |= linienstil::kSchraeg2;
  if (w[6]) c |= linienstil::kQuadrat;
  if (w[7]) c |= linienstil::kRaute;
  if (w[8]) c |= linienstil::kKreis;
  if (w[kFuellung] && (c & kFormen) != 0) c |= linienstil::kPunkt;
  return c;
}

TLinienstile::TLinienstile(const Linienstiltabelle& tabelle, const Linienstilauswahl& auswahl, Benutzer& benutzer,
                           Umgebung umgebung, QWidget* eltern)
    : QDialog(eltern), tabelle_(tabelle), auswahl_(auswahl), benutzer_(benutzer), umgebung_(std::move(umgebung)) {
  setWindowTitle(QStringLiteral("Linienstile"));
  auto* lage = new QVBoxLayout(this);
  auto* oben = new QHBoxLayout;
  lage->addLayout(oben);
  reiter_ = new QTabWidget(this);
  oben->addWidget(reiter_, 2);

  // Complex patterns.
  auto* komplex = new QWidget(reiter_);
  auto* komplexLage = new QVBoxLayout(komplex);
  komplexWahl_ = new QComboBox(komplex);
  komplexLage->addWidget(komplexWahl_);
  auto* artLage = new QHBoxLayout;
  abschnittsart_ = new QButtonGroup(komplex);
  auto* abhaengig = new QRadioButton(QStringLiteral("Abschnittslänge abhängig von der Stiftbreite"), komplex);
  auto* fest = new QRadioButton(QStringLiteral("Abschnittslänge fest: "), komplex);
  abschnittsart_->addButton(abhaengig, 0);
  abschnittsart_->addButton(fest, 1);
  abschnittslaenge_ = new QDoubleSpinBox(komplex);
  abschnittslaenge_->setRange(KomplexesMuster::KleinsteAbschnittslaenge, KomplexesMuster::GroessteAbschnittslaenge);
  abschnittslaenge_->setDecimals(2);
  abschnittslaenge_->setSuffix(QStringLiteral(" mm"));
  artLage->addWidget(abhaengig);
  artLage->addWidget(fest);
  artLage->addWidget(abschnittslaenge_);
  komplexLage->addLayout(artLage);
  auto* raster = new QGridLayout;
  for (int s = 0; s < kKaestchen; ++s) {
    auto* kopf = new QLabel(QString::fromUtf8(kKaestchentexte[s]), komplex);
    raster->addWidget(kopf, 0, s + 1);
  }
  for (int a = 0; a < linienstil::kEintraege; ++a) {
    raster->addWidget(new QLabel(QString::number(a + 1), komplex), a + 1, 0);
    for (int s = 0; s < kKaestchen; ++s) {
      auto* k = new QCheckBox(komplex);
      k->setToolTip(QString::fromUtf8(kKaestchentexte[s]));
      kaestchen_[static_cast<std::size_t>(a)][static_cast<std::size_t>(s)] = k;
      raster->addWidget(k, a + 1, s + 1);
      connect(k, &QCheckBox::toggled, this, [this, a, s](bool an) { kaestchenGeklickt(a, s, an); });
    }
  }
  komplexLage->addLayout(raster);
  reiter_->addTab(komplex, QStringLiteral("Komplexe Muster"));

  // Simple patterns.
  auto* einfach = new QWidget(reiter_);
  auto* einfachLage = new QVBoxLayout(einfach);
  einfachWahl_ = new QComboBox(einfach);
  einfachLage->addWidget(einfachWahl_);
  auto* striche = new QFormLayout;
  anzahl_ = new QSpinBox(einfach);
  anzahl_->setRange(0, linienstil::kEintraege);
  striche->addRow(QStringLiteral("Anzahl:"), anzahl_);
  for (int i = 0; i < linienstil::kEintraege; ++i) {
    auto* feld = new QDoubleSpinBox(einfach);
    feld->setRange(0, 100);
    feld->setDecimals(2);
    feld->setSuffix(QStringLiteral(" mm"));
    striche_[static_cast<std::size_t>(i)] = feld;
    striche->addRow(i % 2 == 0 ? QStringLiteral("Stift unten:") : QStringLiteral("Stift oben:"), feld);
  }
  dxf_ = new QSpinBox(einfach);
  dxf_->setRange(0, 255);
  striche->addRow(QStringLiteral("Ins DXF-Format exportieren als :"), dxf_);
  einfachLage->addLayout(striche);
  reiter_->addTab(einfach, QStringLiteral("Einfache Muster"));

  // Available styles.
  auto* verfuegbar = new QGroupBox(QStringLiteral("Verfügbare Linienstile"), this);
  auto* verfuegbarLage = new QVBoxLayout(verfuegbar);
  liste_ = new QListWidget(verfuegbar);
  verfuegbarLage->addWidget(liste_, 1);
  auto* gruppen = new QGridLayout;
  int i = 0;
  for (const Gruppenknopf& g : kGruppenknoepfe) {
    auto* k = new QPushButton(QString::fromUtf8(g.text), verfuegbar);
    k->setAutoDefault(false);
    gruppen->addWidget(k, i / 2, i % 2);
    ++i;
    const QString text = k->text();
    connect(k, &QPushButton::clicked, this, [this, text] { gruppenknopf(text); });
  }
  verfuegbarLage->addLayout(gruppen);
  oben->addWidget(verfuegbar, 1);

  auto* befehle = new QHBoxLayout;
  const std::pair<const char*, void (TLinienstile::*)()> knoepfe[] = {
      {"Laden...", &TLinienstile::laden},
      {"Speichern...", &TLinienstile::speichern},
      {"Umbenennen...", &TLinienstile::umbenennen},
  };
  for (const auto& [text, befehl] : knoepfe) {
    auto* k = new QPushButton(QString::fromUtf8(text), this);
    k->setAutoDefault(false);
    befehle->addWidget(k);
    connect(k, &QPushButton::clicked, this, befehl);
  }
  auto* standard = new QPushButton(QStringLiteral("als Standard"), this);
  standard->setAutoDefault(false);
  befehle->addWidget(standard);
  connect(standard, &QPushButton::clicked, this, [this] { alsStandard(); });
  lage->addLayout(befehle);

  auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(ok, &QDialogButtonBox::rejected, this, &QDialog::reject);
  lage->addWidget(ok);

  connect(komplexWahl_, &QComboBox::currentIndexChanged, this, [this](int index) {
    komplexesMerken();
    komplexesZeigen(index);
  });
  connect(einfachWahl_, &QComboBox::currentIndexChanged, this, [this](int index) {
    einfachesMerken();
    einfachesZeigen(index);
  });
  alleZeigen();
}

void TLinienstile::alleZeigen() {
  {
    QSignalBlocker a(komplexWahl_), b(einfachWahl_);
    komplexWahl_->clear();
    einfachWahl_->clear();
    for (const KomplexesMuster& m : tabelle_.komplex) komplexWahl_->addItem(qtext(m.name));
    for (const EinfachesMuster& m : tabelle_.einfach) einfachWahl_->addItem(qtext(m.name));
    komplexWahl_->setCurrentIndex(komplexIndex_);
    einfachWahl_->setCurrentIndex(einfachIndex_);
  }
  komplexesZeigen(komplexIndex_);
  einfachesZeigen(einfachIndex_);
  listeFuellen();
}

void TLinienstile::komplexesZeigen(int index) {
  komplexIndex_ = std::clamp(index, 0, linienstil::kMuster - 1);
  const KomplexesMuster& m = tabelle_.komplex[static_cast<std::size_t>(komplexIndex_)];
  setzt_ = true;
  abschnittsart_->button(m.fixedSection != 0 ? 1 : 0)->setChecked(true);
  abschnittslaenge_->setValue(m.sectionLength);
  for (int a = 0; a < linienstil::kEintraege; ++a) {
    const Abschnittswahl w = abschnittswahlAus(m.section[static_cast<std::size_t>(a)]);
    for (int s = 0; s < kKaestchen; ++s) kaestchen(a, s)->setChecked(w[static_cast<std::size_t>(s)]);
  }
  setzt_ = false;
}

void TLinienstile::komplexesMerken() {
  KomplexesMuster& m = tabelle_.komplex[static_cast<std::size_t>(komplexIndex_)];
  m.fixedSection = abschnittsart_->checkedId() == 1 ? 1 : 0;
  m.sectionLength = abschnittslaenge_->value();
  for (int a = 0; a < linienstil::kEintraege; ++a) {
    Abschnittswahl w{};
    for (int s = 0; s < kKaestchen; ++s) w[static_cast<std::size_t>(s)] = kaestchen(a, s)->isChecked();
    m.section[static_cast<std::size_t>(a)] = abschnittscodeAus(w);
  }
}

void TLinienstile::einfachesZeigen(int index) {
  einfachIndex_ = std::clamp(index, 0, linienstil::kMuster - 1);
  const EinfachesMuster& m = tabelle_.einfach[static_cast<std::size_t>(einfachIndex_)];
  anzahl_->setValue(std::clamp(m.muster.dashCount, 0, linienstil::kEintraege));
  for (int i = 0; i < linienstil::kEintraege; ++i) strich(i)->setValue(m.muster.dash[static_cast<std::size_t>(i)]);
  dxf_->setValue(m.dxfLineType);
}

void TLinienstile::einfachesMerken() {
  EinfachesMuster& m = tabelle_.einfach[static_cast<std::size_t>(einfachIndex_)];
  std::vector<double> laengen;
  for (int i = 0; i < anzahl_->value(); ++i) laengen.push_back(strich(i)->value());
  m.muster.setze(laengen);
  // Entries beyond the count keep what the user typed, as the file keeps all twelve.
  for (int i = anzahl_->value(); i < linienstil::kEintraege; ++i) {
    m.muster.dash[static_cast<std::size_t>(i)] = strich(i)->value();
  }
  m.dxfLineType = static_cast<std::uint8_t>(dxf_->value());
}

void TLinienstile::kaestchenGeklickt(int abschnitt, int spalte, bool an) {
  if (setzt_ || !an || spalte > kLang) return;
  // "Punkt", "kurze Linie" and "lange Linie" exclude each other.
  for (int s = kPunkt; s <= kLang; ++s) {
    if (s != spalte) kaestchen(abschnitt, s)->setChecked(false);
  }
}

void TLinienstile::listeFuellen() {
  QSignalBlocker sperre(liste_);
  liste_->clear();
  for (int stil : Linienstilauswahl::liste()) {
    auto* eintrag = new QListWidgetItem(QStringLiteral("%1  %2").arg(stil).arg(qtext(tabelle_.name(stil))), liste_);
    eintrag->setFlags(eintrag->flags() | Qt::ItemIsUserCheckable);
    eintrag->setCheckState(auswahl_.angeboten(stil) ? Qt::Checked : Qt::Unchecked);
    eintrag->setData(Qt::UserRole, stil);
  }
}

void TLinienstile::listeMerken() {
  for (int i = 0; i < liste_->count(); ++i) {
    const QListWidgetItem* e = liste_->item(i);
    auswahl_.setze(e->data(Qt::UserRole).toInt(), e->checkState() == Qt::Checked);
  }
}

void TLinienstile::gruppenknopf(const QString& text) {
  for (const Gruppenknopf& g : kGruppenknoepfe) {
    if (text != QString::fromUtf8(g.text)) continue;
    listeMerken();
    if (g.alle) {
      auswahl_.setzeAlle(g.an);
    } else {
      auswahl_.setzeGruppe(g.gruppe, g.an);
    }
    listeFuellen();
    return;
  }
}

Linienstiltabelle TLinienstile::tabelle() const {
  auto* selbst = const_cast<TLinienstile*>(this);
  selbst->komplexesMerken();
  selbst->einfachesMerken();
  return tabelle_;
}

Linienstilauswahl TLinienstile::auswahl() const {
  const_cast<TLinienstile*>(this)->listeMerken();
  return auswahl_;
}

void TLinienstile::laden() {
  if (!benutzer_.jaNein(kLadefrage)) return;
  const std::optional<std::string> pfad = benutzer_.dateiOeffnen("Laden", kFilter, "");
  if (!pfad) return;
  Linienstiltabelle neu = tabelle();
  if (ladeTlm(*pfad, neu) == Tlmstatus::KeinMuster) {
    benutzer_.meldung("Die Datei enthält keine Linienmuster.", Meldungsart::Warnung);
    return;
  }
  tabelle_ = neu;
  alleZeigen();
}

void TLinienstile::speichern() {
  const std::optional<std::string> pfad = benutzer_.dateiSpeichern("Speichern", kFilter, "");
  if (!pfad) return;
  std::string fehler;
  if (!speichereTlm(*pfad, tabelle(), &fehler)) benutzer_.meldung(fehler, Meldungsart::Fehler);
}

bool TLinienstile::alsStandard() {
  std::string fehler;
  if (speichereStandardmuster(tabelle(), &fehler, umgebung_)) return true;
  benutzer_.meldung(fehler.empty() ? "Die Linienmuster konnten nicht gespeichert werden." : fehler,
                    Meldungsart::Fehler);
  return false;
}

void TLinienstile::umbenennen() {
  const bool komplex = reiter_->currentIndex() == 0;
  std::string& name = komplex ? tabelle_.komplex[static_cast<std::size_t>(komplexIndex_)].name
                              : tabelle_.einfach[static_cast<std::size_t>(einfachIndex_)].name;
  const std::optional<std::string> neu = benutzer_.eingabe("Linienstil-Namen ändern", "Name für Linienstil:", name);
  if (!neu || neu->empty()) return;
  // One line of the pattern file per name: a line break would shift every value after it.
  if (neu->find_first_of("\r\n") != std::string::npos) return;
  name = *neu;
  QComboBox* wahl = komplex ? komplexWahl_ : einfachWahl_;
  wahl->setItemText(wahl->currentIndex(), qtext(name));
  listeMerken();
  listeFuellen();
}

}  // namespace quarzel
