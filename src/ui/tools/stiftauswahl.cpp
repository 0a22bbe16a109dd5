#include "ui/tools/stiftauswahl.h"

#include <QSignalBlocker>
#include <cmath>

#include "styles/stifte.h"

namespace quarzel {

QString stifteintrag(int stift, double breite) {
  // 'g' with enough digits gives "0.18" and "1" rather than "0.180000".
  const QString text = std::isfinite(breite) ? QString::number(breite, 'g', 6) : QStringLiteral("0");
  return QStringLiteral("%1  %2 mm").arg(stift).arg(text);
}

Stiftauswahl::Stiftauswahl(QWidget* eltern) : QComboBox(eltern) {
  setzeStifte(Stifttabelle{});
}

void Stiftauswahl::setzeStifte(const Stifttabelle& stifte) {
  const int vorher = count() > 0 ? stift() : 1;
  QSignalBlocker sperre(this);
  clear();
  for (int i = 1; i <= Stifttabelle::Benutzerstifte; ++i) {
    addItem(stifteintrag(i, stifte.penWidth[static_cast<std::size_t>(i)]), i);
  }
  setzeStift(vorher);
}

int Stiftauswahl::stift() const {
  const QVariant v = currentData();
  return v.isValid() ? v.toInt() : 1;
}

void Stiftauswahl::setzeStift(int stift) {
  const int index = findData(stift);
  setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace quarzel
