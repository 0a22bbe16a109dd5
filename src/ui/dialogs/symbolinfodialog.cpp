#include "ui/dialogs/symbolinfodialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

#include "ui/dialogs/dialogknoepfe.h"

namespace quarzel {

namespace {

QString qtext(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

TSymbolinformationen::TSymbolinformationen(const std::string& symbolname, const Symbolinformationen& info,
                                           const std::vector<std::uint8_t>& vorschau, QWidget* eltern)
    : QDialog(eltern) {
  setObjectName(QStringLiteral("Symbolinformationen"));
  setWindowTitle(QStringLiteral("Symbolinformationen"));
  auto* spalte = new QVBoxLayout(this);
  auto* kopf = new QHBoxLayout;
  QPixmap bild;
  if (!vorschau.empty() &&
      bild.loadFromData(vorschau.data(), static_cast<uint>(std::min<std::size_t>(vorschau.size(), UINT32_MAX)))) {
    auto* vorschaubild = new QLabel(this);
    vorschaubild->setObjectName(QStringLiteral("Vorschau"));
    vorschaubild->setPixmap(bild.scaled(128, 128, Qt::KeepAspectRatio, Qt::FastTransformation));
    vorschaubild->setFrameShape(QFrame::Box);
    kopf->addWidget(vorschaubild);
  }
  kopf->addWidget(new QLabel(qtext(symbolname), this), 1);
  spalte->addLayout(kopf);

  auto* formular = new QFormLayout;
  const std::string* werte[] = {&info.bezeichnung, &info.beschreibung, &info.material, &info.gewicht, &info.preis};
  for (std::size_t i = 0; i < felder_.size(); ++i) {
    felder_[i] = new QLineEdit(qtext(*werte[i]), this);
    felder_[i]->setMinimumWidth(280);
    formular->addRow(qtext(kSymbolinformationsfelder[i]), felder_[i]);
  }
  spalte->addLayout(formular);
  spalte->addWidget(okAbbrechenKnoepfe(this));
}

Symbolinformationen TSymbolinformationen::informationen() const {
  Symbolinformationen info;
  std::string* werte[] = {&info.bezeichnung, &info.beschreibung, &info.material, &info.gewicht, &info.preis};
  for (std::size_t i = 0; i < felder_.size(); ++i) *werte[i] = felder_[i]->text().trimmed().toStdString();
  return info;
}

}  // namespace quarzel
