#include "ui/qt/dateifilter.h"

#include <QRegularExpression>

namespace quarzel {

namespace {

// A dialog with more entries than this is not meant seriously.
constexpr qsizetype kMaxFilter = 100;

// Characters Qt accepts inside a name filter's parentheses that make sense
// in a file pattern; anything else would make Qt read the whole filter text
// as one pattern.
bool musterzeichen(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'*' || c == u'?' ||
         c == u'.' || c == u'_' || c == u'-' || c == u'[' || c == u']';
}

QStringList musterliste(const QString& text) {
  QStringList muster;
  static const QRegularExpression trenner(QStringLiteral("[;,\\s]+"));
  for (QString m : text.split(trenner, Qt::SkipEmptyParts)) {
    QString sauber;
    for (QChar c : m) {
      if (musterzeichen(c)) sauber.append(c);
    }
    if (sauber.isEmpty()) continue;
    if (sauber == QStringLiteral("*.*")) sauber = QStringLiteral("*");
    if (!muster.contains(sauber)) muster.append(sauber);
    const QString klein = sauber.toLower();
    if (!muster.contains(klein)) muster.append(klein);
  }
  if (muster.isEmpty()) muster.append(QStringLiteral("*"));
  return muster;
}

QString beschreibung(QString text) {
  text = text.trimmed();
  // "Zeichnungen (*.QZZ)" already names its patterns; they are added anew.
  static const QRegularExpression klammerAmEnde(QStringLiteral("\\s*\\([^()]*\\)$"));
  text.remove(klammerAmEnde);
  if (text.isEmpty()) text = QStringLiteral("Dateien");
  return text;
}

}  // namespace

QStringList qtDateifilter(std::string_view filter) {
  const QString text = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()));
  const QStringList teile = text.split(u'|');
  QStringList ergebnis;
  for (qsizetype i = 0; i < teile.size() && ergebnis.size() < kMaxFilter; i += 2) {
    if (i + 1 >= teile.size() && teile[i].trimmed().isEmpty()) break;
    const QString muster = i + 1 < teile.size() ? teile[i + 1] : QStringLiteral("*");
    ergebnis.append(beschreibung(teile[i]) + QStringLiteral(" (") + musterliste(muster).join(u' ') + u')');
  }
  if (ergebnis.isEmpty()) ergebnis.append(QStringLiteral("Alle Dateien (*)"));
  return ergebnis;
}

QString qtDateifilterText(std::string_view filter) {
  return qtDateifilter(filter).join(QStringLiteral(";;"));
}

QString standardEndung(std::string_view filter) {
  const QString text = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()));
  const QStringList teile = text.split(u'|');
  if (teile.size() < 2) return {};
  const QString erstes = musterliste(teile[1]).first();
  static const QRegularExpression endung(QStringLiteral("^\\*\\.([A-Za-z0-9_]+)$"));
  const auto treffer = endung.match(erstes);
  return treffer.hasMatch() ? treffer.captured(1) : QString();
}

}  // namespace quarzel
