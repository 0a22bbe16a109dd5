#include "ui/tools/werkzeugsymbole.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace quarzel {

QString symbolpfad(std::string_view name) {
  return QStringLiteral(":/symbole/%1.svg").arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QIcon werkzeugsymbol(std::string_view name) {
  // Painted by QSvgRenderer here rather than by the SVG icon plugin, which a
  // minimal installation may lack.
  QSvgRenderer bild(symbolpfad(name));
  QIcon icon;
  if (!bild.isValid()) return icon;
  for (int groesse : {16, 24, 32, 48}) {
    QPixmap p(groesse, groesse);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing, true);
    bild.render(&m);
    m.end();
    icon.addPixmap(p);
  }
  return icon;
}

}  // namespace quarzel
