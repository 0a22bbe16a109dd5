#include "ui/tools/eigenschaftsleiste.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

#include "edit/werkzeugtabelle.h"
#include "styles/stifte.h"
#include "platform/farbe.h"

namespace quarzel {

namespace {

// The property field `f` belongs to tool `w` (its row in the tool table).
bool mitFeld(Werkzeugcode w, Eigenschaftsfeld f) {
  const Werkzeugzeile* z = werkzeugzeile(w);
  return z != nullptr && z->hatFeld(f);
}

Farbe alsFarbe(const QColor& c) {
  return rgb(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
             static_cast<std::uint8_t>(c.blue()));
}

QString breitentext(double mm) {
  return QString::number(mm, 'g', 4) + QStringLiteral(" mm");
}

}  // namespace

Eigenschaftsleiste::Eigenschaftsleiste(QWidget* eltern) : QToolBar(QStringLiteral("Eigenschaften"), eltern) {
  setObjectName(QStringLiteral("LeisteEigenschaften"));
  std::vector<QAction*> immer;

  stift_ = new QComboBox(this);
  stift_->setObjectName(QStringLiteral("Stift"));
  stift_->setToolTip(QStringLiteral("Stift"));
  feld(stift_, QStringLiteral("Stift:"), immer);
  setzeStifte(Stifttabelle{});
  connect(stift_, &QComboBox::currentIndexChanged, this, &Eigenschaftsleiste::geaendert);
  connect(stift_, &QComboBox::activated, this, [this] { emit gewaehlt(Wahl::Stift); });

  stil_ = new QComboBox(this);
  stil_->setObjectName(QStringLiteral("Linienstil"));
  stil_->setToolTip(QStringLiteral("Linienstil"));
  stil_->setMinimumContentsLength(16);
  // Long style and hatch names would otherwise widen the bar past the window;
  // the open list still shows them in full.
  stil_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  feld(stil_, QStringLiteral("Linienstil:"), immer);
  setzeLinienstile({{1, QStringLiteral("durchgezogen")}});
  connect(stil_, &QComboBox::currentIndexChanged, this, &Eigenschaftsleiste::geaendert);
  connect(stil_, &QComboBox::activated, this, [this] { emit gewaehlt(Wahl::Linienstil); });
  connect(stil_, &QComboBox::currentIndexChanged, this,
          [this] { stil_->setToolTip(QStringLiteral("Linienstil: ") + stil_->currentText()); });

  farbknopf_ = new QToolButton(this);
  farbknopf_->setObjectName(QStringLiteral("Farbe"));
  farbknopf_->setToolTip(QStringLiteral("Farbe"));
  knopfFaerben(farbknopf_, farbe_);
  feld(farbknopf_, QStringLiteral("Farbe:"), immer);
  connect(farbknopf_, &QToolButton::clicked, this, [this] { farbeWaehlen(farbe_, farbknopf_, Wahl::Farbe); });

  addSeparator();
  varianten_ = new QWidget(this);
  varianten_->setObjectName(QStringLiteral("Varianten"));
  auto* reihe = new QHBoxLayout(varianten_);
  reihe->setContentsMargins(4, 0, 4, 0);
  reihe->setSpacing(4);
  variantenAktion_ = addWidget(varianten_);

  eckradius_ = new QDoubleSpinBox(this);
  eckradius_->setObjectName(QStringLiteral("Eckradius"));
  eckradius_->setRange(0, 10000);
  eckradius_->setDecimals(2);
  eckradius_->setSuffix(QStringLiteral(" mm"));
  eckradius_->setToolTip(QStringLiteral("Radius der Ecken"));
  feld(eckradius_, QStringLiteral("Eckradius:"), eckradiusAktionen_);
  connect(eckradius_, &QDoubleSpinBox::valueChanged, this, &Eigenschaftsleiste::geaendert);

  ecken_ = new QSpinBox(this);
  ecken_->setObjectName(QStringLiteral("Eckenzahl"));
  ecken_->setRange(3, 1000);
  ecken_->setValue(6);
  ecken_->setToolTip(QStringLiteral("Anzahl der Ecken"));
  feld(ecken_, QStringLiteral("Ecken:"), eckenAktionen_);
  connect(ecken_, &QSpinBox::valueChanged, this, &Eigenschaftsleiste::geaendert);

  kreisradius_ = new QDoubleSpinBox(this);
  kreisradius_->setObjectName(QStringLiteral("Kreisradius"));
  kreisradius_->setRange(0.01, 10000);
  kreisradius_->setDecimals(2);
  kreisradius_->setValue(10);
  kreisradius_->setSuffix(QStringLiteral(" mm"));
  kreisradius_->setToolTip(QStringLiteral("Radius des Kreises"));
  feld(kreisradius_, QStringLiteral("r:"), kreisradiusAktionen_);
  connect(kreisradius_, &QDoubleSpinBox::valueChanged, this, &Eigenschaftsleiste::geaendert);

  fuellknopf_ = new QToolButton(this);
  fuellknopf_->setObjectName(QStringLiteral("Fuellfarbe"));
  fuellknopf_->setToolTip(QStringLiteral("Füllfarbe"));
  knopfFaerben(fuellknopf_, fuellfarbe_);
  feld(fuellknopf_, QStringLiteral("Füllung:"), flaechenAktionen_);
  connect(fuellknopf_, &QToolButton::clicked, this, [this] { farbeWaehlen(fuellfarbe_, fuellknopf_, Wahl::Fuellfarbe); });
  schraffur_ = new QComboBox(this);
  schraffur_->setObjectName(QStringLiteral("Schraffur"));
  schraffur_->setToolTip(QStringLiteral("Schraffur"));
  schraffur_->setMinimumContentsLength(6);
  schraffur_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  feld(schraffur_, QStringLiteral("Schraffur:"), flaechenAktionen_);
  setzeSchraffuren({});
  connect(schraffur_, &QComboBox::currentIndexChanged, this, &Eigenschaftsleiste::geaendert);
  connect(schraffur_, &QComboBox::activated, this, [this] { emit gewaehlt(Wahl::Schraffur); });
  schraffurwinkel_ = new QDoubleSpinBox(this);
  schraffurwinkel_->setObjectName(QStringLiteral("Schraffurwinkel"));
  schraffurwinkel_->setRange(-360, 360);
  schraffurwinkel_->setDecimals(1);
  schraffurwinkel_->setSuffix(QStringLiteral("°"));
  schraffurwinkel_->setToolTip(QStringLiteral("Winkel der Schraffur"));
  // A typed angle counts once, at Enter or when the field is left, not per digit.
  schraffurwinkel_->setKeyboardTracking(false);
  feld(schraffurwinkel_, QStringLiteral("Winkel:"), flaechenAktionen_);
  connect(schraffurwinkel_, &QDoubleSpinBox::valueChanged, this, [this] {
    emit geaendert();
    emit gewaehlt(Wahl::Schraffurwinkel);
  });
  gefuellt_ = new QCheckBox(QStringLiteral("gefüllt"), this);
  gefuellt_->setChecked(true);
  flaechenAktionen_.push_back(addWidget(gefuellt_));
  connect(gefuellt_, &QCheckBox::toggled, this, &Eigenschaftsleiste::geaendert);
  connect(gefuellt_, &QCheckBox::clicked, this, [this] { emit gewaehlt(Wahl::Gefuellt); });

  farbknopf2_ = new QToolButton(this);
  farbknopf2_->setObjectName(QStringLiteral("Farbe2"));
  farbknopf2_->setToolTip(QStringLiteral("Zweite Farbe des Verlaufs"));
  knopfFaerben(farbknopf2_, farbe2_);
  feld(farbknopf2_, QStringLiteral("Farbe 2:"), farbe2Aktionen_);
  connect(farbknopf2_, &QToolButton::clicked, this, [this] { farbeWaehlen(farbe2_, farbknopf2_, Wahl::Farbe2); });

  abrundradius_ = new QDoubleSpinBox(this);
  abrundradius_->setObjectName(QStringLiteral("Abrundradius"));
  abrundradius_->setRange(0.0001, 1e7);
  abrundradius_->setDecimals(4);
  abrundradius_->setValue(1);
  feld(abrundradius_, QStringLiteral("Radius:"), abrundungAktionen_);
  connect(abrundradius_, &QDoubleSpinBox::valueChanged, this, &Eigenschaftsleiste::geaendert);
  negativ_ = new QCheckBox(QStringLiteral("Negativ abrunden"), this);
  abrundungAktionen_.push_back(addWidget(negativ_));
  connect(negativ_, &QCheckBox::toggled, this, &Eigenschaftsleiste::geaendert);

  // The label is a button: it switches between chamfer length and distance.
  fasenschalter_ = new QToolButton(this);
  fasenschalter_->setObjectName(QStringLiteral("Fasenschalter"));
  fasenschalter_->setText(QStringLiteral("Fasenlänge: "));
  fasenschalter_->setToolTip(QStringLiteral("Umschaltung Länge/Abstand"));
  fasenschalter_->setAutoRaise(true);
  fasenAktionen_.push_back(addWidget(fasenschalter_));
  connect(fasenschalter_, &QToolButton::clicked, this, [this] {
    fasenAlsAbstand_ = !fasenAlsAbstand_;
    fasenschalter_->setText(fasenAlsAbstand_ ? QStringLiteral("Abstand: ") : QStringLiteral("Fasenlänge: "));
    emit geaendert();
  });
  fasenmass_ = new QDoubleSpinBox(this);
  fasenmass_->setObjectName(QStringLiteral("Fasenmass"));
  fasenmass_->setRange(0.0001, 1e7);
  fasenmass_->setDecimals(4);
  fasenmass_->setValue(1);
  fasenAktionen_.push_back(addWidget(fasenmass_));
  connect(fasenmass_, &QDoubleSpinBox::valueChanged, this, &Eigenschaftsleiste::geaendert);

  teilstuecke_ = new QSpinBox(this);
  teilstuecke_->setObjectName(QStringLiteral("Teilstuecke"));
  teilstuecke_->setRange(2, 100);
  teilstuecke_->setValue(2);
  feld(teilstuecke_, QStringLiteral("Teilstücke:"), teilstueckAktionen_);
  connect(teilstuecke_, &QSpinBox::valueChanged, this, &Eigenschaftsleiste::geaendert);

  // Construction. A number field takes its value at Enter or when it is
  // left, so that a half-typed distance is never used.
  const auto zahlfeld = [this](QDoubleSpinBox*& f, const char* name, double von, double bis, int stellen, double wert,
                               const QString& beschriftung, std::vector<QAction*>& gruppe) {
    f = new QDoubleSpinBox(this);
    f->setObjectName(QString::fromLatin1(name));
    f->setRange(von, bis);
    f->setDecimals(stellen);
    f->setValue(wert);
    f->setKeyboardTracking(false);
    feld(f, beschriftung, gruppe);
    connect(f, &QDoubleSpinBox::valueChanged, this, &Eigenschaftsleiste::geaendert);
  };
  zahlfeld(abstand_, "Abstand", 0, 1e7, 4, 1, QStringLiteral("Abstand zur Referenzlinie:"), abstandAktionen_);
  zahlfeld(winkel_, "Winkel", -360, 360, 4, 45, QStringLiteral("Winkel zur Referenzlinie:"), winkelAktionen_);
  winkel_->setSuffix(QStringLiteral("°"));
  zahlfeld(teilung_, "Teilung", 0, 100, 2, 50, QStringLiteral("Teilungsverhältnis:"), teilungAktionen_);
  teilung_->setSuffix(QStringLiteral(" %"));
  anzahl_ = new QSpinBox(this);
  anzahl_->setObjectName(QStringLiteral("Anzahl"));
  anzahl_->setRange(1, 99);
  anzahl_->setValue(1);
  feld(anzahl_, QStringLiteral("Anzahl:"), anzahlAktionen_);
  connect(anzahl_, &QSpinBox::valueChanged, this, &Eigenschaftsleiste::geaendert);
  uebernehmen_ = new QCheckBox(QStringLiteral("Eigenschaften übernehmen"), this);
  uebernehmenAktion_ = addWidget(uebernehmen_);
  connect(uebernehmen_, &QCheckBox::toggled, this, &Eigenschaftsleiste::geaendert);
  anker_ = new QCheckBox(QStringLiteral("Ankerlinien anzeigen"), this);
  ankerAktion_ = addWidget(anker_);
  connect(anker_, &QCheckBox::toggled, this, &Eigenschaftsleiste::geaendert);

  // The arc touching two circles.
  zahlfeld(tangentialradius_, "Tangentialradius", 0.0001, 1e7, 4, 1, QStringLiteral("Radius:"),
           tangentialradiusAktionen_);

  // What happens to a picked piece: one of two.
  stueckLoeschen_ = new QRadioButton(QStringLiteral("Löschen"), this);
  stueckLoeschen_->setObjectName(QStringLiteral("StueckLoeschen"));
  stueckLoeschen_->setChecked(true);
  stueckAendern_ = new QRadioButton(QStringLiteral("Ändern"), this);
  stueckAendern_->setObjectName(QStringLiteral("StueckAendern"));
  auto* stueckGruppe = new QButtonGroup(this);
  stueckGruppe->addButton(stueckLoeschen_);
  stueckGruppe->addButton(stueckAendern_);
  teilstueckmodusAktionen_.push_back(addWidget(stueckLoeschen_));
  teilstueckmodusAktionen_.push_back(addWidget(stueckAendern_));
  connect(stueckAendern_, &QRadioButton::toggled, this, &Eigenschaftsleiste::geaendert);

  // Measuring areas and lengths.
  umfangAngeben_ = new QCheckBox(QStringLiteral("Umfang angeben"), this);
  umfangAngeben_->setObjectName(QStringLiteral("UmfangAngeben"));
  umfangAngebenAktion_ = addWidget(umfangAngeben_);
  connect(umfangAngeben_, &QCheckBox::toggled, this, &Eigenschaftsleiste::geaendert);
  putzabzug_ = new QCheckBox(QStringLiteral("Mit Putzabzug "), this);
  putzabzug_->setObjectName(QStringLiteral("Putzabzug"));
  putzAktionen_.push_back(addWidget(putzabzug_));
  connect(putzabzug_, &QCheckBox::toggled, this, &Eigenschaftsleiste::geaendert);
  zahlfeld(putzstaerke_, "Putzstaerke", 0, 20, 1, 2, QStringLiteral("Putzstärke in cm"), putzAktionen_);
  const auto anzeige = [this](QLineEdit*& f, const char* name, const QString& beschriftung,
                              std::vector<QAction*>& gruppe) {
    f = new QLineEdit(this);
    f->setObjectName(QString::fromLatin1(name));
    f->setReadOnly(true);
    f->setMaximumWidth(110);
    feld(f, beschriftung, gruppe);
  };
  anzeige(flaechenwert_, "Flaechenwert", QStringLiteral("Fläche:"), flaechenanzeigeAktionen_);
  anzeige(umfangwert_, "Umfangwert", QStringLiteral("Umfang:"), flaechenanzeigeAktionen_);
  anzeige(gesamtwert_, "Gesamtmass", QStringLiteral("Gesamtmaß:"), gesamtAktionen_);
  gesamteinheit_ = new QLabel(this);
  gesamtAktionen_.push_back(addWidget(gesamteinheit_));

  // Placing a symbol.
  zahlfeld(symbolwinkel_, "Drehwinkel", -360, 360, 2, 0, QStringLiteral("Drehwinkel:"), symbolAktionen_);
  symbolwinkel_->setSuffix(QStringLiteral("°"));
  symbolSpiegeln_ = new QCheckBox(QStringLiteral("Gespiegelt"), this);
  symbolSpiegeln_->setObjectName(QStringLiteral("Gespiegelt"));
  symbolAktionen_.push_back(addWidget(symbolSpiegeln_));
  connect(symbolSpiegeln_, &QCheckBox::toggled, this, &Eigenschaftsleiste::geaendert);

  for (QAbstractSpinBox* f : std::initializer_list<QAbstractSpinBox*>{
           eckradius_, ecken_, kreisradius_, schraffurwinkel_, abstand_, winkel_, teilung_, symbolwinkel_})
    f->installEventFilter(this);
  zeigeFuer(Werkzeugcode::Keines);
}

Eigenschaftsleiste::~Eigenschaftsleiste() {
  // Focus events of fields being deleted must not reach a bar that is gone.
  eckradius_->removeEventFilter(this);
  ecken_->removeEventFilter(this);
  kreisradius_->removeEventFilter(this);
  schraffurwinkel_->removeEventFilter(this);
  abstand_->removeEventFilter(this);
  winkel_->removeEventFilter(this);
  teilung_->removeEventFilter(this);
  symbolwinkel_->removeEventFilter(this);
}

QAction* Eigenschaftsleiste::feld(QWidget* w, const QString& beschriftung, std::vector<QAction*>& gruppe) {
  auto* l = new QLabel(beschriftung, this);
  l->setContentsMargins(4, 0, 2, 0);
  l->setBuddy(w);
  gruppe.push_back(addWidget(l));
  QAction* a = addWidget(w);
  gruppe.push_back(a);
  return a;
}

void Eigenschaftsleiste::knopfFaerben(QToolButton* knopf, const QColor& farbe) {
  QPixmap p(16, 16);
  p.fill(farbe);
  knopf->setIcon(QIcon(p));
}

void Eigenschaftsleiste::farbeWaehlen(QColor& ziel, QToolButton* knopf, Wahl was) {
  const QColor neu = QColorDialog::getColor(ziel, this, QStringLiteral("Farbe"));
  if (!neu.isValid()) return;
  ziel = neu;
  knopfFaerben(knopf, ziel);
  emit geaendert();
  emit gewaehlt(was);
}

void Eigenschaftsleiste::setzeFarbe(const QColor& farbe) {
  if (!farbe.isValid()) return;
  farbe_ = farbe;
  knopfFaerben(farbknopf_, farbe_);
  emit geaendert();
}

void Eigenschaftsleiste::setzeFarbe2(const QColor& farbe) {
  if (!farbe.isValid()) return;
  farbe2_ = farbe;
  knopfFaerben(farbknopf2_, farbe2_);
  emit geaendert();
}

void Eigenschaftsleiste::setzeFuellung(const Fuellangaben& f) {
  {
    const QSignalBlocker sperren[] = {QSignalBlocker(schraffur_), QSignalBlocker(schraffurwinkel_),
                                      QSignalBlocker(gefuellt_)};
    // A texture number is no colour the field could show: the colour stays.
    if (f.fuellflag == 0) {
      fuellfarbe_ = QColor(rotAnteil(f.fuellwert), gruenAnteil(f.fuellwert), blauAnteil(f.fuellwert));
      knopfFaerben(fuellknopf_, fuellfarbe_);
    }
    const int hatch = f.schraffurName.empty() ? 0 : schraffur_->findText(QString::fromStdString(f.schraffurName));
    schraffur_->setCurrentIndex(std::max(hatch, 0));
    schraffurwinkel_->setValue(f.schraffurWinkel);
    gefuellt_->setChecked(f.gefuellt != 0);
  }
  emit geaendert();
}

void Eigenschaftsleiste::setzeStifte(const Stifttabelle& stifte) {
  const int vorher = stift();
  QSignalBlocker sperre(stift_);
  stift_->clear();
  for (int i = 1; i <= Stifttabelle::Benutzerstifte; ++i) {
    stift_->addItem(QStringLiteral("%1  %2").arg(i).arg(breitentext(stifte.penWidth[static_cast<std::size_t>(i)])), i);
  }
  setzeStift(vorher > 0 ? vorher : 1);
}

void Eigenschaftsleiste::setzeLinienstile(const std::vector<std::pair<int, QString>>& stile) {
  const int vorher = linienstil();
  QSignalBlocker sperre(stil_);
  stil_->clear();
  for (const auto& [nummer, name] : stile) {
    if (nummer >= 1 && nummer <= 32767) stil_->addItem(QStringLiteral("%1  %2").arg(nummer).arg(name), nummer);
  }
  if (stil_->count() == 0) stil_->addItem(QStringLiteral("1"), 1);
  // The closed box stays narrow for the bar's sake; the open list is as wide
  // as its longest entry, so no style name is cut there.
  int breitester = 0;
  for (int i = 0; i < stil_->count(); ++i)
    breitester = std::max(breitester, stil_->view()->fontMetrics().horizontalAdvance(stil_->itemText(i)));
  stil_->view()->setMinimumWidth(breitester + stil_->view()->verticalScrollBar()->sizeHint().width() + 16);
  setzeLinienstil(vorher > 0 ? vorher : 1);
}

void Eigenschaftsleiste::setzeSchraffuren(const std::vector<QString>& namen) {
  const QString vorher = schraffur_->currentIndex() > 0 ? schraffur_->currentText() : QString();
  QSignalBlocker sperre(schraffur_);
  schraffur_->clear();
  schraffur_->addItem(QStringLiteral("keine"));
  for (const QString& n : namen) {
    if (!n.isEmpty()) schraffur_->addItem(n);
  }
  const int i = vorher.isEmpty() ? 0 : schraffur_->findText(vorher);
  schraffur_->setCurrentIndex(std::max(0, i));
}

int Eigenschaftsleiste::stift() const {
  return stift_->currentData().toInt();
}
int Eigenschaftsleiste::linienstil() const {
  return stil_->currentData().toInt();
}

void Eigenschaftsleiste::setzeZeichnungseinheit(const QString& einheit) {
  const QString suffix = QLatin1Char(' ') + einheit;
  for (QDoubleSpinBox* feld : {abrundradius_, fasenmass_, abstand_, tangentialradius_}) {
    if (feld->suffix() != suffix) feld->setSuffix(suffix);
  }
}

void Eigenschaftsleiste::setzeStift(int s) {
  const int i = stift_->findData(s);
  if (i >= 0) stift_->setCurrentIndex(i);
}

void Eigenschaftsleiste::setzeLinienstil(int s) {
  const int i = stil_->findData(s);
  stil_->setCurrentIndex(i >= 0 ? i : 0);
  // The closed box may cut the name: the tooltip gives it whole.
  stil_->setToolTip(QStringLiteral("Linienstil: ") + stil_->currentText());
}

double Eigenschaftsleiste::symbolwinkel() const {
  return symbolwinkel_->value();
}

bool Eigenschaftsleiste::symbolGespiegelt() const {
  return symbolSpiegeln_->isChecked();
}

void Eigenschaftsleiste::setzeSymbollage(double winkel, bool gespiegelt) {
  const QSignalBlocker still1(symbolwinkel_), still2(symbolSpiegeln_);
  symbolwinkel_->setValue(winkel);
  symbolSpiegeln_->setChecked(gespiegelt);
}

void Eigenschaftsleiste::zeigeFuer(Werkzeugcode w) {
  for (QAction* a : eckradiusAktionen_) a->setVisible(mitFeld(w, kEckradius));
  for (QAction* a : eckenAktionen_) a->setVisible(mitFeld(w, kEcken));
  for (QAction* a : kreisradiusAktionen_) a->setVisible(mitFeld(w, kKreisradius));
  for (QAction* a : abrundungAktionen_) a->setVisible(mitFeld(w, kAbrundung));
  for (QAction* a : fasenAktionen_) a->setVisible(mitFeld(w, kFase));
  for (QAction* a : teilstueckAktionen_) a->setVisible(mitFeld(w, kTeilstuecke));
  for (QAction* a : abstandAktionen_) a->setVisible(mitFeld(w, kAbstand));
  for (QAction* a : winkelAktionen_) a->setVisible(mitFeld(w, kWinkel));
  for (QAction* a : teilungAktionen_) a->setVisible(mitFeld(w, kTeilung));
  for (QAction* a : anzahlAktionen_) a->setVisible(mitFeld(w, kAnzahl));
  uebernehmenAktion_->setVisible(mitFeld(w, kUebernehmen));
  ankerAktion_->setVisible(mitFeld(w, kAnker));
  for (QAction* a : tangentialradiusAktionen_) a->setVisible(mitFeld(w, kTangentialradius));
  for (QAction* a : teilstueckmodusAktionen_) a->setVisible(mitFeld(w, kTeilstueckmodus));
  umfangAngebenAktion_->setVisible(mitFeld(w, kUmfangAngeben));
  for (QAction* a : putzAktionen_) a->setVisible(mitFeld(w, kPutzabzug));
  for (QAction* a : flaechenanzeigeAktionen_) a->setVisible(mitFeld(w, kFlaechenanzeige));
  for (QAction* a : gesamtAktionen_) a->setVisible(mitFeld(w, kGesamtmass));
  for (QAction* a : symbolAktionen_) a->setVisible(mitFeld(w, kSymbollage));
  // With the select tool the fill fields change the marked areas.
  const bool markieren = w == Werkzeugcode::Markieren;
  for (QAction* a : flaechenAktionen_) a->setVisible(markieren || mitFeld(w, kFuellung));
  for (QAction* a : farbe2Aktionen_) a->setVisible(mitFeld(w, kFarbe2));
  zeigeVarianten(w);
}

void Eigenschaftsleiste::zeigeVarianten(Werkzeugcode w) {
  const Variantenknopf* knopf = variantenknopf(w);
  if (knopf != variantenknopf_) {
    // A button may be mid-click: the old ones go once its signal is through.
    for (QRadioButton* r : variantenknoepfe()) {
      r->hide();
      r->setParent(nullptr);
      r->deleteLater();
    }
    variantenknopf_ = knopf;
    if (knopf != nullptr) {
      for (const Werkzeugvariante& v : knopf->varianten) {
        auto* r = new QRadioButton(
            QString::fromUtf8(v.beschriftung.data(), static_cast<qsizetype>(v.beschriftung.size())), varianten_);
        r->setProperty("werkzeug", static_cast<int>(v.code));
        varianten_->layout()->addWidget(r);
        // A layout shows new children of a shown widget only later.
        r->show();
        const Werkzeugcode code = v.code;
        connect(r, &QRadioButton::clicked, this, [this, code] { emit varianteGewaehlt(code); });
      }
    }
  }
  for (QRadioButton* r : variantenknoepfe()) r->setChecked(r->property("werkzeug").toInt() == nr(w));
  variantenAktion_->setVisible(knopf != nullptr);
}

std::vector<QRadioButton*> Eigenschaftsleiste::variantenknoepfe() const {
  const QList<QRadioButton*> alle = varianten_->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
  return {alle.begin(), alle.end()};
}

bool Eigenschaftsleiste::kreisradiusSichtbar() const {
  return kreisradiusAktionen_.back()->isVisible();
}

bool Eigenschaftsleiste::eckradiusSichtbar() const {
  return eckradiusAktionen_.back()->isVisible();
}
bool Eigenschaftsleiste::eckenSichtbar() const {
  return eckenAktionen_.back()->isVisible();
}
bool Eigenschaftsleiste::flaecheSichtbar() const {
  return flaechenAktionen_.back()->isVisible();
}
bool Eigenschaftsleiste::farbe2Sichtbar() const {
  return farbe2Aktionen_.back()->isVisible();
}

Zeichenvorgabe Eigenschaftsleiste::vorgabe() const {
  Zeichenvorgabe v;
  v.farbe = alsFarbe(farbe_);
  v.farbe2 = alsFarbe(farbe2_);
  v.eckradius = eckradius_->value();
  v.eckenzahl = ecken_->value();
  v.kreisradius = kreisradius_->value();
  v.abrundradius = abrundradius_->value();
  v.negativAbrunden = negativ_->isChecked();
  v.fasenmass = fasenmass_->value();
  v.fasenAlsAbstand = fasenAlsAbstand_;
  v.teilstuecke = teilstuecke_->value();
  v.abstandZurReferenzlinie = abstand_->value();
  v.winkelZurReferenzlinie = winkel_->value();
  v.teilungsverhaeltnis = teilung_->value();
  v.anzahl = anzahl_->value();
  v.eigenschaftenUebernehmen = uebernehmen_->isChecked();
  v.ankerlinienAnzeigen = anker_->isChecked();
  v.tangentialradius = tangentialradius_->value();
  v.teilstueckAendern = stueckAendern_->isChecked();
  v.umfangAngeben = umfangAngeben_->isChecked();
  v.mitPutzabzug = putzabzug_->isChecked();
  v.putzstaerkeCm = putzstaerke_->value();
  return v;
}

void Eigenschaftsleiste::setzeMesswerte(const QString& flaeche, const QString& umfang, const QString& gesamt,
                                        const QString& einheit) {
  if (flaechenwert_->text() != flaeche) flaechenwert_->setText(flaeche);
  if (umfangwert_->text() != umfang) umfangwert_->setText(umfang);
  if (gesamtwert_->text() != gesamt) gesamtwert_->setText(gesamt);
  if (gesamteinheit_->text() != einheit) gesamteinheit_->setText(einheit);
}

QString Eigenschaftsleiste::messwert(int i) const {
  const QLineEdit* f = i == 0 ? flaechenwert_ : i == 1 ? umfangwert_ : gesamtwert_;
  return f->text();
}

Flaechenvorgabe Eigenschaftsleiste::flaeche() const {
  Flaechenvorgabe f;
  f.fuellwert = alsFarbe(fuellfarbe_);
  f.fuellflag = 0;  // a solid colour
  if (schraffur_->currentIndex() > 0) f.schraffurName = schraffur_->currentText().toStdString();
  f.schraffurWinkel = static_cast<float>(schraffurwinkel_->value());
  f.gefuellt = gefuellt_->isChecked() ? 1 : 0;
  return f;
}

bool Eigenschaftsleiste::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() == QEvent::FocusIn) {
    if (objekt == eckradius_) feldwertBeimFokus_ = eckradius_->value();
    if (objekt == ecken_) feldwertBeimFokus_ = ecken_->value();
    if (objekt == kreisradius_) feldwertBeimFokus_ = kreisradius_->value();
    if (objekt == schraffurwinkel_) feldwertBeimFokus_ = schraffurwinkel_->value();
    for (QDoubleSpinBox* f : {abstand_, winkel_, teilung_, symbolwinkel_})
      if (objekt == f) feldwertBeimFokus_ = f->value();
  }
  return QToolBar::eventFilter(objekt, ereignis);
}

bool Eigenschaftsleiste::feldEscape() {
  QWidget* fokus = QApplication::focusWidget();
  if (fokus == nullptr || !isAncestorOf(fokus)) return false;
  // A spin box's focus sits on its inner line edit.
  while (fokus != nullptr && fokus != eckradius_ && fokus != ecken_ && fokus != kreisradius_ &&
         fokus != schraffurwinkel_ && fokus != abstand_ && fokus != winkel_ && fokus != teilung_ &&
         fokus != symbolwinkel_ && fokus != this)
    fokus = fokus->parentWidget();
  if (fokus == abstand_ || fokus == winkel_ || fokus == teilung_ || fokus == symbolwinkel_) {
    static_cast<QDoubleSpinBox*>(fokus)->setValue(feldwertBeimFokus_);
  } else if (fokus == kreisradius_) {
    kreisradius_->setValue(feldwertBeimFokus_);
  } else if (fokus == schraffurwinkel_) {
    schraffurwinkel_->setValue(feldwertBeimFokus_);
  } else if (fokus == eckradius_) {
    eckradius_->setValue(feldwertBeimFokus_);
  } else if (fokus == ecken_) {
    ecken_->setValue(static_cast<int>(feldwertBeimFokus_));
  } else {
    return false;
  }
  return true;
}

}  // namespace quarzel
