#include "ui/dialogs/vermassungsdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "styles/bemassungsprofil.h"
#include "ui/dialogs/dialogknoepfe.h"

namespace quarzel {

namespace {

constexpr std::string_view kFilter = "Quarzel Bemaßungseinstellungen (*.qzb)|*.qzb";

QString qt(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string utf8(const QString& s) {
  return s.toStdString();
}

QDoubleSpinBox* zahlfeld(QWidget* eltern, double von, double bis, double schritt, int stellen) {
  auto* f = new QDoubleSpinBox(eltern);
  f->setRange(von, bis);
  f->setSingleStep(schritt);
  f->setDecimals(stellen);
  return f;
}

QSpinBox* ganzfeld(QWidget* eltern, int von, int bis) {
  auto* f = new QSpinBox(eltern);
  f->setRange(von, bis);
  return f;
}

QCheckBox* schalter(QWidget* eltern, const char* text, QLayout* in) {
  auto* c = new QCheckBox(QString::fromUtf8(text), eltern);
  in->addWidget(c);
  return c;
}

// Radio buttons numbered 0.. in the order of `texte`.
QButtonGroup* auswahl(QWidget* eltern, std::initializer_list<const char*> texte, QLayout* in) {
  auto* g = new QButtonGroup(eltern);
  int i = 0;
  for (const char* t : texte) {
    auto* r = new QRadioButton(QString::fromUtf8(t), eltern);
    g->addButton(r, i++);
    in->addWidget(r);
  }
  return g;
}

void waehle(QButtonGroup* g, int id) {
  if (QAbstractButton* k = g->button(id)) k->setChecked(true);
}

// A label and its field as one row of a grid.
void zeile(QGridLayout* gitter, QWidget* eltern, const char* text, QWidget* feld) {
  const int r = gitter->rowCount();
  gitter->addWidget(new QLabel(QString::fromUtf8(text), eltern), r, 0);
  gitter->addWidget(feld, r, 1);
}

QColor qfarbe(Farbe f) {
  return QColor(rotAnteil(f), gruenAnteil(f), blauAnteil(f));
}

void faerbe(QPushButton* knopf, Farbe f) {
  knopf->setStyleSheet(QStringLiteral("background-color: %1").arg(qfarbe(f).name()));
}

Qt::CheckState zustand(Dreiwert w) {
  return w == Dreiwert::An ? Qt::Checked : w == Dreiwert::Aus ? Qt::Unchecked : Qt::PartiallyChecked;
}
Dreiwert dreiwert(Qt::CheckState s) {
  return s == Qt::Checked ? Dreiwert::An : s == Qt::Unchecked ? Dreiwert::Aus : Dreiwert::Beibehalten;
}

}  // namespace

TVermassung::TVermassung(const Bemassungsstil& stil, bool markierteBemassungen, Benutzer& benutzer, Umgebung umgebung,
                         QWidget* eltern)
    : QDialog(eltern), benutzer_(benutzer), umgebung_(std::move(umgebung)) {
  setWindowTitle(QStringLiteral("Bemaßung"));
  auto* spalte = new QVBoxLayout(this);

  auto* profilzeile = new QHBoxLayout;
  profilzeile->addWidget(new QLabel(QStringLiteral("Profilname:"), this));
  profil_ = new QComboBox(this);
  profil_->setEditable(true);
  profil_->setInsertPolicy(QComboBox::NoInsert);
  profil_->setToolTip(QStringLiteral("Bemaßungsprofile auswählen (wird autoamtisch geladen)"));
  profil_->setMinimumContentsLength(20);
  profilzeile->addWidget(profil_, 1);
  speichern_ = new QPushButton(QStringLiteral("Speichern"), this);
  speichern_->setAutoDefault(false);
  profilzeile->addWidget(speichern_);
  auto* laden = new QToolButton(this);
  laden->setText(QStringLiteral("Laden..."));
  laden->setToolTip(QStringLiteral("Bemaßungseinstellungen laden"));
  profilzeile->addWidget(laden);
  auto* sichern = new QToolButton(this);
  sichern->setText(QStringLiteral("Speichern..."));
  sichern->setToolTip(QStringLiteral("Bemaßungseinstellungen speichern"));
  profilzeile->addWidget(sichern);
  loeschenKnopf_ = new QToolButton(this);
  loeschenKnopf_->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
  loeschenKnopf_->setToolTip(QStringLiteral("Löschen"));
  loeschenKnopf_->setEnabled(markierteBemassungen);
  profilzeile->addWidget(loeschenKnopf_);
  spalte->addLayout(profilzeile);

  auto* reiter = new QTabWidget(this);
  reiter->addTab(grundeinstellungen(), QStringLiteral("Grundeinstellungen"));
  reiter->addTab(erweiterteEinstellungen(), QStringLiteral("Erweiterte Einstellungen"));
  spalte->addWidget(reiter);
  spalte->addWidget(okAbbrechenKnoepfe(this));

  profileAuflisten();
  profil_->setCurrentIndex(-1);
  profil_->setEditText(QString());
  speichern_->setEnabled(false);
  connect(profil_, &QComboBox::editTextChanged, this,
          [this](const QString& t) { speichern_->setEnabled(!t.trimmed().isEmpty()); });
  connect(profil_, &QComboBox::textActivated, this, &TVermassung::profilLaden);
  connect(speichern_, &QPushButton::clicked, this, &TVermassung::profilSpeichern);
  connect(laden, &QToolButton::clicked, this, &TVermassung::dateiLaden);
  connect(sichern, &QToolButton::clicked, this, &TVermassung::dateiSpeichern);
  connect(loeschenKnopf_, &QToolButton::clicked, this, [this] {
    loeschen_ = true;
    reject();
  });
  auto farbwahl = [this](QPushButton* knopf, Farbe* ziel) {
    connect(knopf, &QPushButton::clicked, this, [this, knopf, ziel] {
      const QColor c = QColorDialog::getColor(qfarbe(*ziel), this);
      if (!c.isValid()) return;
      *ziel = rgb(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                  static_cast<std::uint8_t>(c.blue()));
      faerbe(knopf, *ziel);
    });
  };
  farbwahl(editierteFarbeKnopf_, &editierteFarbe_);
  farbwahl(hintergrundfarbeKnopf_, &hintergrundfarbe_);
  farbwahl(farbeKnopf_, &farbe_);
  setzeStil(stil);
}

QWidget* TVermassung::grundeinstellungen() {
  auto* seite = new QWidget(this);
  auto* gitter = new QGridLayout(seite);

  auto* masszahl = new QGroupBox(QStringLiteral("Maßzahl"), seite);
  auto* mz = new QVBoxLayout(masszahl);
  dezimalen_ = auswahl(masszahl,
                       {"ohne Nachkommastellen (1)", "eine Nachkommastelle (1,0)", "zwei Nachkommastellen (1,00)",
                        "drei Nachkommastellen (1,000)", "architektengerechte Darstellung"},
                       mz);
  keineNullen_ = schalter(masszahl, "Keine Nullen anhängen", mz);
  bezugAddieren_ = schalter(masszahl, "+BG", mz);
  bezugAddieren_->setToolTip(QStringLiteral("Bezugsgröße addieren"));
  auto* farbzeile = new QHBoxLayout;
  farbzeile->addWidget(new QLabel(QStringLiteral("Farbe für editierte Maßzahlen"), masszahl));
  editierteFarbeKnopf_ = new QPushButton(masszahl);
  editierteFarbeKnopf_->setAutoDefault(false);
  farbzeile->addWidget(editierteFarbeKnopf_);
  editiertDrucken_ = new QCheckBox(QStringLiteral("drucken"), masszahl);
  editiertDrucken_->setToolTip(QStringLiteral("Editierte Maßzahl in der ausgewählten Farbe drucken"));
  farbzeile->addWidget(editiertDrucken_);
  mz->addLayout(farbzeile);
  gitter->addWidget(masszahl, 0, 0);

  auto* toleranz = new QGroupBox(QStringLiteral("Toleranzangaben"), seite);
  auto* tl = new QVBoxLayout(toleranz);
  auto* tg = new QGridLayout;
  toleranzOben_ = new QLineEdit(toleranz);
  toleranzUnten_ = new QLineEdit(toleranz);
  zeile(tg, toleranz, "obere Toleranzangabe:", toleranzOben_);
  zeile(tg, toleranz, "untere Toleranzangabe:", toleranzUnten_);
  tl->addLayout(tg);
  plusMinus_ = schalter(toleranz, "Zeichen ± vor einzeiligen Toleranzen", tl);
  nichtHoch_ = schalter(toleranz, "einzeilige Toleranzangaben nicht hochstellen", tl);
  tilde_ = schalter(toleranz, "Zeichen ~ vor der Maßzahl", tl);
  gitter->addWidget(toleranz, 1, 0);

  auto* masstext = new QGroupBox(QStringLiteral("Maßtext"), seite);
  auto* mt = new QVBoxLayout(masstext);
  zeichenR_ = schalter(masstext, "Zeichen \"R\" bei Radienbemaßung", mt);
  zeichenD_ = schalter(masstext, "Zeichen \"D\" bei Durchmesserbemaßung", mt);
  zeichenDurchmesser_ = schalter(masstext, "Zeichen \"Ø\" bei Durchmesserbemaßung", mt);
  gradzeichen_ = schalter(masstext, "Gradzeichen bei Winkelbemaßung", mt);
  einheit_ = schalter(masstext, "Maßeinheit anzeigen", mt);
  englisch_ = schalter(masstext, "Dezimaldarstellung englischer Einheiten", mt);
  zeichenM_ = schalter(masstext, "Zeichen \"M\" vor der Maßzahl", mt);
  auto* texte = new QGridLayout;
  vortext_ = new QLineEdit(masstext);
  nachtext_ = new QLineEdit(masstext);
  zeile(texte, masstext, "Text vor der Maßzahl", vortext_);
  zeile(texte, masstext, "Text hinter der Maßzahl", nachtext_);
  mt->addLayout(texte);
  gitter->addWidget(masstext, 0, 1);

  auto* position = new QGroupBox(QStringLiteral(" Maßzahlposition "), seite);
  auto* pl = new QVBoxLayout(position);
  position_ = auswahl(
      position, {"oberhalb der Maßlinie", "auf der Maßlinie", "unterhalb der Maßlinie", "manuell positioniert"}, pl);
  auto* versatz = new QGridLayout;
  horizontal_ = zahlfeld(position, 0, 25, 0.5, 3);
  vertikal_ = zahlfeld(position, 0, 25, 0.5, 3);
  zeile(versatz, position, "horizontal:", horizontal_);
  zeile(versatz, position, "vertikal:", vertikal_);
  pl->addLayout(versatz);
  gitter->addWidget(position, 1, 1);
  return seite;
}

QWidget* TVermassung::erweiterteEinstellungen() {
  auto* seite = new QWidget(this);
  auto* gitter = new QGridLayout(seite);

  auto* texte = new QGroupBox(QStringLiteral("Texte"), seite);
  auto* tg = new QGridLayout(texte);
  schrift_ = new QComboBox(texte);
  schrift_->setEditable(true);
  schrift_->addItems(QFontDatabase::families());
  texthoehe_ = zahlfeld(texte, 1, 25, 0.5, 1);
  toleranzhoehe_ = zahlfeld(texte, 1, 25, 0.5, 1);
  messtexte_ = ganzfeld(texte, 6, 36);
  zeile(tg, texte, "Font:", schrift_);
  zeile(tg, texte, "Maßtexthöhe:", texthoehe_);
  zeile(tg, texte, "Toleranztexthöhe:", toleranzhoehe_);
  massstabsabhaengig_ = new QCheckBox(QStringLiteral("Texthöhen maßstabsabhängig"), texte);
  tg->addWidget(massstabsabhaengig_, tg->rowCount(), 0, 1, 2);
  zeile(tg, texte, "Messtexte:", messtexte_);
  auto* art = new QHBoxLayout;
  const char* arten[] = {"Fett", "Kursiv", "Unterstrichen", " Hintergrund"};
  for (std::size_t i = 0; i < schriftart_.size(); ++i) {
    schriftart_[i] = schalter(texte, arten[i], art);
    schriftart_[i]->setTristate(true);
  }
  hintergrundfarbeKnopf_ = new QPushButton(texte);
  hintergrundfarbeKnopf_->setAutoDefault(false);
  art->addWidget(hintergrundfarbeKnopf_);
  tg->addLayout(art, tg->rowCount(), 0, 1, 2);
  gitter->addWidget(texte, 0, 0);

  auto* stifte = new QGroupBox(QStringLiteral("Stifte && Linienstil"), seite);
  auto* sg = new QGridLayout(stifte);
  stiftMasslinien_ = ganzfeld(stifte, 0, 255);
  stiftHilfslinien_ = ganzfeld(stifte, 0, 255);
  stiftBegrenzungen_ = ganzfeld(stifte, 0, 255);
  linienstil_ = ganzfeld(stifte, 0, 255);
  farbeKnopf_ = new QPushButton(stifte);
  farbeKnopf_->setAutoDefault(false);
  zeile(sg, stifte, "Maßlinien:", stiftMasslinien_);
  zeile(sg, stifte, "Maßhilfslinien:", stiftHilfslinien_);
  zeile(sg, stifte, "Maßbegrenzungen:", stiftBegrenzungen_);
  zeile(sg, stifte, "Farbe : ", farbeKnopf_);
  zeile(sg, stifte, "Linienstil:", linienstil_);
  gitter->addWidget(stifte, 1, 0);

  auto* winkel = new QGroupBox(QStringLiteral(" Winkelbemaßung "), seite);
  auto* wg = new QGridLayout(winkel);
  winkelsymbol_ = zahlfeld(winkel, 1, 25, 0.5, 1);
  zeile(wg, winkel, "Größe des Winkelsymbols:", winkelsymbol_);
  waagerecht_ = new QCheckBox(QStringLiteral("waagerechte Maßzahl wenn möglich"), winkel);
  wg->addWidget(waagerecht_, wg->rowCount(), 0, 1, 2);
  gitter->addWidget(winkel, 2, 0);

  auto* linien = new QGroupBox(QStringLiteral("Linien"), seite);
  auto* lg = new QGridLayout(linien);
  ueberstandMass_ = zahlfeld(linien, 0, 25, 0.5, 1);
  hilfslinienlaenge_ = zahlfeld(linien, -1, 25, 0.5, 1);
  hilfslinienlaenge_->setToolTip(QStringLiteral("Bei Eingabe von -1 verläuft die Maßhilfslinie bis zum Messpunkt"));
  ueberstandHilfs_ = zahlfeld(linien, 0, 25, 0.5, 1);
  mehrfachabstand_ = zahlfeld(linien, 0, 25, 0.5, 1);
  zeile(lg, linien, "Überstand der Maßlinien:", ueberstandMass_);
  zeile(lg, linien, "Länge der Maßhilfslinien:", hilfslinienlaenge_);
  zeile(lg, linien, "Überstand der Maßhilfslinien:", ueberstandHilfs_);
  zeile(lg, linien, "Abstand der Maßlinien bei Mehrfachbemaßungen:", mehrfachabstand_);
  gitter->addWidget(linien, 0, 1);

  auto* begrenzung = new QGroupBox(QStringLiteral(" Maßlinienbegrenzungen "), seite);
  auto* bl = new QVBoxLayout(begrenzung);
  auto* arten2 = new QHBoxLayout;
  begrenzung_ = auswahl(begrenzung, {"Pfeil", "Schrägstrich", "Kreis", "ohne"}, arten2);
  bl->addLayout(arten2);
  auto* bg = new QGridLayout;
  begrenzungsgroesse_ = zahlfeld(begrenzung, 0, 25, 0.5, 3);
  zeile(bg, begrenzung, "Größe:", begrenzungsgroesse_);
  bl->addLayout(bg);
  gefuellt_ = schalter(begrenzung, "gefüllt zeichnen", bl);
  beimMessen_ = schalter(begrenzung, "auch beim Messen verwenden", bl);
  gitter->addWidget(begrenzung, 1, 1);

  auto* koten = new QGroupBox(QStringLiteral("Koten"), seite);
  auto* kl = new QVBoxLayout(koten);
  kl->addWidget(new QLabel(QStringLiteral("Darstellung"), koten));
  koten_ = auswahl(koten, {"als Dreieck", "als Fadenkreuz"}, kl);
  auto* kg = new QGridLayout;
  bezugsgroesse_ = zahlfeld(koten, -1e9, 1e9, 1, 3);
  kotensymbol_ = zahlfeld(koten, 1, 25, 0.5, 1);
  zeile(kg, koten, "Bezugsgröße:", bezugsgroesse_);
  zeile(kg, koten, "Größe des Symbols:", kotensymbol_);
  kl->addLayout(kg);
  gitter->addWidget(koten, 2, 1);
  return seite;
}

void TVermassung::setzeStil(const Bemassungsstil& s) {
  waehle(dezimalen_, s.dezimalmodus);
  keineNullen_->setChecked(s.keineNullen);
  bezugAddieren_->setChecked(s.bezugsgroesseAddieren);
  editierteFarbe_ = s.editierteFarbe;
  faerbe(editierteFarbeKnopf_, editierteFarbe_);
  editiertDrucken_->setChecked(s.editierteDrucken);
  toleranzOben_->setText(qt(s.toleranzOben));
  toleranzUnten_->setText(qt(s.toleranzUnten));
  plusMinus_->setChecked(s.plusMinus);
  nichtHoch_->setChecked(s.toleranzNichtHoch);
  tilde_->setChecked(s.zeichenTilde);
  zeichenR_->setChecked(s.zeichenR);
  zeichenD_->setChecked(s.zeichenD);
  zeichenDurchmesser_->setChecked(s.zeichenDurchmesser);
  gradzeichen_->setChecked(s.gradzeichen);
  einheit_->setChecked(s.einheitAnzeigen);
  englisch_->setChecked(s.dezimalEnglisch);
  zeichenM_->setChecked(s.zeichenM);
  vortext_->setText(qt(s.vortext));
  nachtext_->setText(qt(s.nachtext));
  waehle(position_, s.textposition);
  horizontal_->setValue(s.versatzHorizontal);
  vertikal_->setValue(s.versatzVertikal);

  schrift_->setCurrentText(qt(s.schrift));
  texthoehe_->setValue(s.texthoehe);
  toleranzhoehe_->setValue(s.toleranzhoehe);
  massstabsabhaengig_->setChecked(s.hoehenMassstabsabhaengig);
  messtexte_->setValue(s.messtexthoehe);
  const Dreiwert art[] = {s.fett, s.kursiv, s.unterstrichen, s.hintergrund};
  for (std::size_t i = 0; i < schriftart_.size(); ++i) schriftart_[i]->setCheckState(zustand(art[i]));
  hintergrundfarbe_ = s.hintergrundfarbe;
  faerbe(hintergrundfarbeKnopf_, hintergrundfarbe_);
  stiftMasslinien_->setValue(s.stiftMasslinien);
  stiftHilfslinien_->setValue(s.stiftHilfslinien);
  stiftBegrenzungen_->setValue(s.stiftBegrenzungen);
  farbe_ = s.farbe;
  faerbe(farbeKnopf_, farbe_);
  linienstil_->setValue(s.linienstil);
  winkelsymbol_->setValue(s.winkelsymbolgroesse);
  waagerecht_->setChecked(s.waagerechteWinkelzahl);
  ueberstandMass_->setValue(s.ueberstandMasslinien);
  hilfslinienlaenge_->setValue(s.hilfslinienlaenge);
  ueberstandHilfs_->setValue(s.ueberstandHilfslinien);
  mehrfachabstand_->setValue(s.mehrfachabstand);
  waehle(begrenzung_, s.begrenzung);
  begrenzungsgroesse_->setValue(s.begrenzungsgroesse);
  gefuellt_->setChecked(s.gefuellt);
  beimMessen_->setChecked(s.beimMessen);
  waehle(koten_, s.kotendarstellung);
  bezugsgroesse_->setValue(s.bezugsgroesse);
  kotensymbol_->setValue(s.kotensymbolgroesse);
}

Bemassungsstil TVermassung::stil() const {
  Bemassungsstil s;
  s.dezimalmodus = std::max(0, dezimalen_->checkedId());
  s.keineNullen = keineNullen_->isChecked();
  s.bezugsgroesseAddieren = bezugAddieren_->isChecked();
  s.editierteFarbe = editierteFarbe_;
  s.editierteDrucken = editiertDrucken_->isChecked();
  s.toleranzOben = utf8(toleranzOben_->text());
  s.toleranzUnten = utf8(toleranzUnten_->text());
  s.plusMinus = plusMinus_->isChecked();
  s.toleranzNichtHoch = nichtHoch_->isChecked();
  s.zeichenTilde = tilde_->isChecked();
  s.zeichenR = zeichenR_->isChecked();
  s.zeichenD = zeichenD_->isChecked();
  s.zeichenDurchmesser = zeichenDurchmesser_->isChecked();
  s.gradzeichen = gradzeichen_->isChecked();
  s.einheitAnzeigen = einheit_->isChecked();
  s.dezimalEnglisch = englisch_->isChecked();
  s.zeichenM = zeichenM_->isChecked();
  s.vortext = utf8(vortext_->text());
  s.nachtext = utf8(nachtext_->text());
  s.textposition = std::max(0, position_->checkedId());
  s.versatzHorizontal = horizontal_->value();
  s.versatzVertikal = vertikal_->value();

  s.schrift = utf8(schrift_->currentText());
  s.texthoehe = texthoehe_->value();
  s.toleranzhoehe = toleranzhoehe_->value();
  s.hoehenMassstabsabhaengig = massstabsabhaengig_->isChecked();
  s.messtexthoehe = messtexte_->value();
  Dreiwert* art[] = {&s.fett, &s.kursiv, &s.unterstrichen, &s.hintergrund};
  for (std::size_t i = 0; i < schriftart_.size(); ++i) *art[i] = dreiwert(schriftart_[i]->checkState());
  s.hintergrundfarbe = hintergrundfarbe_;
  s.stiftMasslinien = stiftMasslinien_->value();
  s.stiftHilfslinien = stiftHilfslinien_->value();
  s.stiftBegrenzungen = stiftBegrenzungen_->value();
  s.farbe = farbe_;
  s.linienstil = linienstil_->value();
  s.winkelsymbolgroesse = winkelsymbol_->value();
  s.waagerechteWinkelzahl = waagerecht_->isChecked();
  s.ueberstandMasslinien = ueberstandMass_->value();
  s.hilfslinienlaenge = hilfslinienlaenge_->value();
  s.ueberstandHilfslinien = ueberstandHilfs_->value();
  s.mehrfachabstand = mehrfachabstand_->value();
  s.begrenzung = std::max(0, begrenzung_->checkedId());
  s.begrenzungsgroesse = begrenzungsgroesse_->value();
  s.gefuellt = gefuellt_->isChecked();
  s.beimMessen = beimMessen_->isChecked();
  s.kotendarstellung = std::max(0, koten_->checkedId());
  s.bezugsgroesse = bezugsgroesse_->value();
  s.kotensymbolgroesse = kotensymbol_->value();
  return s;
}

void TVermassung::profileAuflisten() {
  const QString text = profil_->currentText();
  const QSignalBlocker still(profil_);
  profil_->clear();
  for (const std::string& name : profilnamen(umgebung_)) profil_->addItem(qt(name));
  profil_->setEditText(text);
}

void TVermassung::profilLaden(const QString& name) {
  if (name.trimmed().isEmpty()) return;
  Bemassungsstil s = stil();
  if (auto fehler = ladeProfil(utf8(name.trimmed()), s, umgebung_)) {
    benutzer_.meldung(*fehler, Meldungsart::Fehler);
    return;
  }
  setzeStil(s);
}

void TVermassung::profilSpeichern() {
  const QString name = profil_->currentText().trimmed();
  if (name.isEmpty()) return;
  if (auto fehler = speichereProfil(utf8(name), stil(), umgebung_)) {
    benutzer_.meldung(*fehler, Meldungsart::Fehler);
    return;
  }
  profileAuflisten();
}

void TVermassung::dateiLaden() {
  const auto pfad = benutzer_.dateiOeffnen("Bemaßungseinstellungen laden", kFilter, "");
  if (!pfad) return;
  Bemassungsstil s = stil();
  if (auto fehler = ladeProfildatei(*pfad, s)) {
    benutzer_.meldung(*fehler, Meldungsart::Fehler);
    return;
  }
  setzeStil(s);
}

void TVermassung::dateiSpeichern() {
  auto pfad = benutzer_.dateiSpeichern("Bemaßungseinstellungen speichern", kFilter, "");
  if (!pfad) return;
  if (!pfad->ends_with(kProfilendung)) *pfad += kProfilendung;
  if (auto fehler = speichereProfildatei(*pfad, stil())) benutzer_.meldung(*fehler, Meldungsart::Fehler);
}

}  // namespace quarzel
