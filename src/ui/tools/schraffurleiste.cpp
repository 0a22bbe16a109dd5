#include "ui/tools/schraffurleiste.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <string>
#include <vector>

#include "styles/schraffurbibliothek.h"
#include "ui/tools/eigenschaftsleiste.h"
#include "ui/tools/schraffurliste.h"

namespace quarzel {

Schraffurleiste::Schraffurleiste(Eigenschaftsleiste& eigenschaften, QWidget* eltern)
    : QDockWidget(QStringLiteral("Schraffuren"), eltern), eigenschaften_(eigenschaften) {
  setObjectName(QStringLiteral("Schraffurleiste"));
  liste_ = new Schraffurliste(this);
  liste_->setObjectName(QStringLiteral("Schraffurliste"));
  setWidget(liste_);
  // The bar's field is the one place the tools read the hatch from; the list
  // only moves it.
  feld_ = eigenschaften_.findChild<QComboBox*>(QStringLiteral("Schraffur"));
  if (feld_ != nullptr) connect(feld_, &QComboBox::currentIndexChanged, this, &Schraffurleiste::ausFeld);
  connect(liste_, &QListWidget::currentItemChanged, this, &Schraffurleiste::ausListe);
}

void Schraffurleiste::auffrischen(const Schraffurbibliothek& bibliothek) {
  std::vector<QString> namen;
  for (const std::string& n : bibliothek.namen()) namen.push_back(QString::fromStdString(n));
  eigenschaften_.setzeSchraffuren(namen);
  liste_->fuellen(bibliothek);
  ausFeld();
}

void Schraffurleiste::ausFeld() {
  QSignalBlocker sperre(liste_);
  if (feld_ == nullptr || feld_->currentIndex() <= 0) {
    liste_->setCurrentItem(nullptr);
    liste_->clearSelection();
    return;
  }
  liste_->waehle(feld_->currentText().toStdString());
}

void Schraffurleiste::ausListe() {
  const std::string name = liste_->gewaehlt();
  if (feld_ == nullptr || name.empty()) return;
  const int index = feld_->findText(QString::fromStdString(name));
  // The field's signal tells the tools; it also brings the list back here.
  if (index > 0 && index != feld_->currentIndex()) feld_->setCurrentIndex(index);
}

}  // namespace quarzel
