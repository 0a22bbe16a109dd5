#include "ui/dialogs/stuecklistendialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "platform/benutzer.h"
#include "project/stuecklistendatei.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

QString qtext(const std::string& s) {
  return QString::fromStdString(s);
}

// The list of a mask-box entry. A mask whose file has gone since the box was
// filled still lists its symbols, with empty headings.
Listenauftrag auftragFuer(const std::string& eintrag, const Zeichnung& zeichnung, const Umgebung& umgebung) {
  if (std::optional<Listenauftrag> auftrag = listenauftrag(eintrag, zeichnung, umgebung)) return *auftrag;
  Listenauftrag ohneDatei;
  ohneDatei.name = eintrag;
  ohneDatei.art = Listenart::Maske;
  ohneDatei.maske = Datenmaske{eintrag, {}};
  return ohneDatei;
}

}  // namespace

TStueckliste::TStueckliste(const Zeichnung& zeichnung, Benutzer& benutzer,
                           std::function<void(const QString&)> statusmeldung, QWidget* eltern, Umgebung umgebung)
    : QDialog(eltern),
      zeichnung_(zeichnung),
      benutzer_(benutzer),
      statusmeldung_(std::move(statusmeldung)),
      umgebung_(std::move(umgebung)) {
  setObjectName(QStringLiteral("Stueckliste"));
  setWindowTitle(QStringLiteral("Stückliste"));

  masken_ = new QComboBox(this);
  masken_->setObjectName(QStringLiteral("Maske"));
  maskenFuellen();
  nurSichtbare_ = new QCheckBox(QStringLiteral("nur sichtbare zählen"), this);
  auto* erzeugen = new QPushButton(QStringLiteral("Stückliste &erzeugen"), this);

  gitter_ = new QTableWidget(1, Gitterspalten, this);
  gitter_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  gitter_->verticalHeader()->hide();
  gitter_->setColumnHidden(Stueckliste::Spalten, true);
  gitter_->horizontalHeader()->setStretchLastSection(false);

  auto* speichern = new QPushButton(QStringLiteral("&Speichern..."), this);
  auto* schliessen = new QPushButton(QStringLiteral("Schl&ießen"), this);

  auto* oben = new QHBoxLayout;
  auto* maskentext = new QLabel(QStringLiteral("&Datenmaske:"), this);
  maskentext->setBuddy(masken_);
  oben->addWidget(maskentext);
  oben->addWidget(masken_, 1);
  oben->addWidget(nurSichtbare_);
  oben->addWidget(erzeugen);
  auto* unten = new QHBoxLayout;
  unten->addStretch(1);
  unten->addWidget(speichern);
  unten->addWidget(schliessen);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(oben);
  layout->addWidget(gitter_, 1);
  layout->addLayout(unten);
  resize(720, 420);

  connect(masken_, &QComboBox::currentIndexChanged, this, &TStueckliste::erzeuge);
  connect(nurSichtbare_, &QCheckBox::toggled, this, &TStueckliste::erzeuge);
  connect(erzeugen, &QPushButton::clicked, this, &TStueckliste::erzeuge);
  connect(speichern, &QPushButton::clicked, this, &TStueckliste::speichere);
  connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
  erzeuge();
}

void TStueckliste::maskenFuellen() {
  const QString gewaehlt = masken_->currentText();
  const QSignalBlocker still(masken_);
  masken_->clear();
  for (const std::string& name : datenmaskenauswahl(zeichnung_.optionen.datenmasken, umgebung_))
    masken_->addItem(qtext(name));
  if (const int i = masken_->findText(gewaehlt); i >= 0) masken_->setCurrentIndex(i);
}

void TStueckliste::zeichnungGewechselt() {
  maskenFuellen();
  erzeuge();
}

void TStueckliste::erzeuge() {
  if (statusmeldung_) statusmeldung_(QStringLiteral("Stückliste erzeugen..."));
  Listenauftrag auftrag = auftragFuer(masken_->currentText().toStdString(), zeichnung_, umgebung_);
  auftrag.nurSichtbare = nurSichtbare_->isChecked();
  liste_ = erzeugeStueckliste(zeichnung_, auftrag, attributleserFuer(zeichnung_, umgebung_));
  zeigeListe();
  if (statusmeldung_) statusmeldung_(QString());
}

void TStueckliste::zeigeListe() {
  gitter_->clearContents();
  gitter_->setRowCount(liste_.zeilenzahl() - 1);
  QStringList kopf;
  for (int s = 0; s < Gitterspalten; ++s) {
    kopf << qtext(liste_.zelle(0, s));
    if (s < Stueckliste::Spalten) gitter_->setColumnHidden(s, kopf.back().isEmpty());
  }
  gitter_->setHorizontalHeaderLabels(kopf);
  for (int z = 1; z < liste_.zeilenzahl(); ++z)
    for (int s = 0; s < Stueckliste::Spalten; ++s) {
      auto* zelle = new QTableWidgetItem(qtext(liste_.zelle(z, s)));
      if (s == 0) zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      gitter_->setItem(z - 1, s, zelle);
    }
  gitter_->resizeColumnsToContents();
}

bool TStueckliste::speichere() {
  std::string vorschlag;
  if (!zeichnung_.dateiname.empty())
    vorschlag = std::filesystem::path(zeichnung_.dateiname).replace_extension(".htm").string();
  const std::optional<std::string> gewaehlt =
      benutzer_.dateiSpeichern("Stückliste Speichern", Stuecklistenfilter, vorschlag);
  if (!gewaehlt || gewaehlt->empty()) return false;
  const Listenformat format = listenformatFuer(*gewaehlt, Listenformat::Html);
  const std::string pfad = listendateiname(*gewaehlt, format);
  std::string fehler;
  if (!speichereStueckliste(liste_, pfad, format, &fehler)) {
    benutzer_.meldung("Die Stückliste konnte nicht gespeichert werden: " + fehler, Meldungsart::Fehler);
    return false;
  }
  return true;
}

}  // namespace quarzel
