#include "ui/dialogs/textdialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/dialogs/dialogknoepfe.h"
#include "ui/qt/qtcanvas.h"

namespace quarzel {

Textdialog::Textdialog(const Textangaben& vorschlag, QWidget* eltern) : QDialog(eltern), angaben_(vorschlag) {
  setObjectName(QStringLiteral("TTextdialog"));
  setWindowTitle(QStringLiteral("Text"));
  auto* spalte = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("Text"));
  QStringList zeilen;
  for (const std::string& z : vorschlag.zeilen) zeilen << QString::fromStdString(z);
  text_->setPlainText(zeilen.join(QLatin1Char('\n')));
  spalte->addWidget(text_);

  auto* form = new QFormLayout;
  schrift_ = new QFontComboBox(this);
  schrift_->setObjectName(QStringLiteral("Schrift"));
  schrift_->setCurrentFont(QFont(QString::fromStdString(vorschlag.schrift)));
  // An uninstalled font keeps its name: the drawing may travel to where it is.
  schrift_->setEditText(QString::fromStdString(vorschlag.schrift));
  form->addRow(QStringLiteral("Schriftart:"), schrift_);
  hoehe_ = new QDoubleSpinBox(this);
  hoehe_->setObjectName(QStringLiteral("Hoehe"));
  hoehe_->setRange(0.01, 1000);
  hoehe_->setDecimals(2);
  hoehe_->setSuffix(QStringLiteral(" mm"));
  hoehe_->setValue(std::isfinite(vorschlag.hoehe) ? vorschlag.hoehe : 3.5);
  form->addRow(QStringLiteral("Texthöhe:"), hoehe_);
  winkel_ = new QDoubleSpinBox(this);
  winkel_->setObjectName(QStringLiteral("Winkel"));
  winkel_->setRange(-360, 360);
  winkel_->setDecimals(2);
  winkel_->setSuffix(QStringLiteral("°"));
  winkel_->setValue(std::isfinite(vorschlag.winkel) ? vorschlag.winkel : 0);
  form->addRow(QStringLiteral("Winkel:"), winkel_);
  ausrichtung_ = new QComboBox(this);
  ausrichtung_->setObjectName(QStringLiteral("Ausrichtung"));
  ausrichtung_->addItems({QStringLiteral("Linksbündig"), QStringLiteral("Zentriert"), QStringLiteral("Rechtsbündig")});
  ausrichtung_->setCurrentIndex(std::min<int>(vorschlag.ausrichtung, 2));
  form->addRow(QStringLiteral("Ausrichtung:"), ausrichtung_);
  if (vorschlag.hinterlegt) {
    farbe_ = new QPushButton(this);
    farbe_->setObjectName(QStringLiteral("Hintergrundfarbe"));
    farbknopfFaerben();
    connect(farbe_, &QPushButton::clicked, this, &Textdialog::farbeWaehlen);
    form->addRow(QStringLiteral("Hintergrundfarbe:"), farbe_);
  }
  spalte->addLayout(form);
  spalte->addWidget(okAbbrechenKnoepfe(this));
  text_->setFocus();
}

void Textdialog::farbeWaehlen() {
  const QColor c = QColorDialog::getColor(qfarbe(angaben_.hintergrund), this, QStringLiteral("Hintergrundfarbe"));
  if (!c.isValid()) return;
  angaben_.hintergrund = rgb(c.red(), c.green(), c.blue());
  farbknopfFaerben();
}

void Textdialog::farbknopfFaerben() {
  QPixmap p(32, 14);
  p.fill(qfarbe(angaben_.hintergrund));
  farbe_->setIcon(QIcon(p));
}

Textangaben Textdialog::wert() const {
  Textangaben a = angaben_;
  a.zeilen.clear();
  const QStringList zeilen = text_->toPlainText().split(QLatin1Char('\n'));
  for (const QString& z : zeilen) a.zeilen.push_back(z.toStdString());
  // Empty lines at the end only make the text taller.
  while (!a.zeilen.empty() && a.zeilen.back().empty()) a.zeilen.pop_back();
  const QString schrift = schrift_->currentText().trimmed();
  if (!schrift.isEmpty()) a.schrift = schrift.toStdString();
  a.hoehe = hoehe_->value();
  a.winkel = winkel_->value();
  a.ausrichtung = static_cast<std::uint8_t>(std::clamp(ausrichtung_->currentIndex(), 0, 2));
  return a;
}

std::optional<Textangaben> Textdialog::frage(const Textangaben& vorschlag, QWidget* eltern) {
  Textdialog d(vorschlag, eltern);
  if (d.exec() != QDialog::Accepted) return std::nullopt;
  return d.wert();
}

}  // namespace quarzel
