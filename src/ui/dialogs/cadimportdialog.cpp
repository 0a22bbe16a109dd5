#include "ui/dialogs/cadimportdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <fstream>

#include "exchange/cadauflistung.h"
#include "exchange/cadformate.h"
#include "platform/benutzer.h"
#include "ui/dialogs/cadvorschau.h"
#include "ui/dialogs/dialogknoepfe.h"
#include "ui/dialogs/konverterwarten.h"

namespace quarzel {

namespace {

QCheckBox* kaestchen(QVBoxLayout* spalte, const QString& text, bool an) {
  auto* k = new QCheckBox(text);
  k->setChecked(an);
  spalte->addWidget(k);
  return k;
}

}  // namespace

CadImportgruppe::CadImportgruppe(const CadImportoptionen& o, QWidget* eltern)
    : QGroupBox(QStringLiteral("DXF/DWG-Import"), eltern) {
  auto* spalte = new QVBoxLayout(this);
  clip_ = kaestchen(spalte, QStringLiteral("Cliprahmen ignorieren"), o.cliprahmenIgnorieren);
  z_ = kaestchen(spalte, QStringLiteral("Z-Koordinaten nicht filtern"), o.zNichtFiltern);
  yz_ = kaestchen(spalte, QStringLiteral("Y- und Z-Achse tauschen"), o.yzTauschen);
  bloecke_ = kaestchen(spalte, QStringLiteral("Blockweise importieren"), o.blockweise);
  punkte_ = kaestchen(spalte, QStringLiteral("Punkte importieren"), o.punkte);
}

CadImportoptionen CadImportgruppe::optionen() const {
  CadImportoptionen o;
  o.cliprahmenIgnorieren = clip_->isChecked();
  o.zNichtFiltern = z_->isChecked();
  o.yzTauschen = yz_->isChecked();
  o.blockweise = bloecke_->isChecked();
  o.punkte = punkte_->isChecked();
  return o;
}

TImExport::TImExport(const CadImportoptionen& optionen, QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("ImExport"));
  setWindowTitle(QStringLiteral("Im- und Export"));
  auto* spalte = new QVBoxLayout(this);
  gruppe_ = new CadImportgruppe(optionen, this);
  spalte->addWidget(gruppe_);
  spalte->addWidget(okAbbrechenKnoepfe(this));
}

TCadImport::TCadImport(Benutzer& benutzer, const CadImportoptionen& optionen, QWidget* eltern)
    : QDialog(eltern), benutzer_(benutzer) {
  setObjectName(QStringLiteral("CadImport"));
  setWindowTitle(QStringLiteral("DWG/DXF-Importieren"));
  auto* zeilen = new QHBoxLayout(this);
  auto* links = new QVBoxLayout;
  auto* oeffnen = new QPushButton(QStringLiteral("Open CAD..."));
  oeffnen->setObjectName(QStringLiteral("OpenCad"));
  name_ = new QLabel;
  name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  vorschau_ = new CadVorschau;
  auto* kopf = new QHBoxLayout;
  kopf->addWidget(oeffnen);
  kopf->addWidget(name_, 1);
  links->addLayout(kopf);
  links->addWidget(vorschau_, 1);
  zeilen->addLayout(links, 1);

  auto* rechts = new QVBoxLayout;
  blaetterText_ = new QLabel(QStringLiteral("Die gewählte Datei enthält mehrere Blätter."));
  blaetterFrage_ = new QLabel(QStringLiteral("Bitte wählen Sie das Blatt, das importiert werden soll:"));
  blaetterFrage_->setWordWrap(true);
  blaetter_ = new QListWidget;
  blaetter_->setObjectName(QStringLiteral("Blaetter"));
  rechts->addWidget(blaetterText_);
  rechts->addWidget(blaetterFrage_);
  rechts->addWidget(blaetter_);
  gruppe_ = new CadImportgruppe(optionen, this);
  rechts->addWidget(gruppe_);
  alsText_ = new QPushButton(QStringLiteral("Save as text..."));
  alsText_->setObjectName(QStringLiteral("SaveAsText"));
  rechts->addWidget(alsText_);
  rechts->addStretch(1);
  QDialogButtonBox* knoepfe = okAbbrechenKnoepfe(this, QStringLiteral("&Importieren"));
  ok_ = knoepfe->button(QDialogButtonBox::Ok);
  rechts->addWidget(knoepfe);
  zeilen->addLayout(rechts);

  connect(oeffnen, &QPushButton::clicked, this, [this] { oeffneCad(); });
  connect(alsText_, &QPushButton::clicked, this, [this] { alsTextSpeichern(); });
  connect(blaetter_, &QListWidget::currentRowChanged, this, [this](int) {
    if (datei_) vorschau_->zeige(&datei_->modell, layout());
  });
  zeigeLayouts();
}

TCadImport::~TCadImport() = default;

bool TCadImport::oeffneCad() {
  const auto pfad = benutzer_.dateiOeffnen("CAD-Datei importieren", kCadDateifilter, "");
  return pfad && lade(*pfad);
}

bool TCadImport::lade(const std::string& pfad) {
  if (cadLeser(pfad) == CadLeser::Keiner) return false;
  std::unique_ptr<CadDatei> neu;
  if (cadLeser(pfad) == CadLeser::Dwg) {
    // Before the dialog itself is shown, over the window it belongs to.
    Konverterwarten warten(isVisible() ? this : parentWidget(), QStringLiteral("Die DWG-Datei wird gelesen..."));
    neu = std::make_unique<CadDatei>(ladeCadDatei(pfad, warten.abbruch()));
  } else {
    neu = std::make_unique<CadDatei>(ladeCadDatei(pfad));
  }
  if (!neu->gelesen) {
    benutzer_.meldung(neu->fehler, Meldungsart::Fehler);
    return false;
  }
  if (!neu->fehler.empty()) benutzer_.meldung(neu->fehler, Meldungsart::Warnung);
  vorschau_->zeige(nullptr, {});
  datei_ = std::move(neu);
  name_->setText(QString::fromStdString(pfad));
  zeigeLayouts();
  vorschau_->zeige(&datei_->modell, layout());
  return true;
}

std::string TCadImport::layout() const {
  const QListWidgetItem* zeile = blaetter_->currentItem();
  return zeile ? zeile->text().toStdString() : std::string("Model");
}

// The list only when there is a choice; the model space comes first.
void TCadImport::zeigeLayouts() {
  blaetter_->clear();
  const bool mehrere = datei_ && datei_->modell.layouts.size() > 1;
  if (mehrere) {
    for (const CadLayout& l : datei_->modell.layouts) blaetter_->addItem(QString::fromStdString(l.name));
    blaetter_->setCurrentRow(0);
  }
  blaetterText_->setVisible(mehrere);
  blaetterFrage_->setVisible(mehrere);
  blaetter_->setVisible(mehrere);
  alsText_->setEnabled(datei_ != nullptr);
  ok_->setEnabled(datei_ != nullptr);
}

void TCadImport::alsTextSpeichern() {
  if (!datei_) return;
  const auto pfad = benutzer_.dateiSpeichern("Save as text...", "Text file|*.txt", "");
  if (!pfad) return;
  std::ofstream aus(*pfad, std::ios::binary);
  aus << cadAuflistung(datei_->modell, layout());
  if (!aus) benutzer_.meldung("Die Datei \"" + *pfad + "\" konnte nicht geschrieben werden.", Meldungsart::Fehler);
}

}  // namespace quarzel
