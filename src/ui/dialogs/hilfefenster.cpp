#include "ui/dialogs/hilfefenster.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quarzel {

namespace {

constexpr qint64 kHoechstgroesse = 256 * 1024;

QString fehlt(const QString& thema) {
  return QStringLiteral("# Hilfe\n\nZu „%1“ gibt es keinen Hilfetext.\n\n[Inhalt](inhalt.md)\n").arg(thema);
}

}  // namespace

Hilfefenster::Hilfefenster(QString ordner, QWidget* eltern) : QDialog(eltern), ordner_(std::move(ordner)) {
  setObjectName(QStringLiteral("Hilfe"));
  setWindowTitle(QStringLiteral("Hilfe"));
  auto* spalte = new QVBoxLayout(this);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("Hilfetext"));
  browser_->setOpenLinks(false);
  spalte->addWidget(browser_);
  resize(520, 460);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    // Only the help's own topics: no other file and no web page opens from here.
    const QString name = url.path();
    if (url.isRelative() && name.endsWith(QStringLiteral(".md"))) zeige(name.chopped(3));
  });
}

bool Hilfefenster::gueltigesThema(const QString& thema) {
  static const QRegularExpression muster(QStringLiteral("^[a-z0-9_]{1,64}$"));
  return muster.match(thema).hasMatch();
}

QString Hilfefenster::hilfetext(const QString& ordner, const QString& thema) {
  if (!gueltigesThema(thema)) return fehlt(thema.left(64));
  QFile datei(QDir(ordner).filePath(thema + QStringLiteral(".md")));
  if (!datei.open(QIODevice::ReadOnly)) return fehlt(thema);
  const QByteArray inhalt = datei.read(kHoechstgroesse);
  if (inhalt.trimmed().isEmpty()) return fehlt(thema);
  return QString::fromUtf8(inhalt);
}

void Hilfefenster::zeige(const QString& thema) {
  thema_ = thema;
  browser_->setMarkdown(hilfetext(ordner_, thema));
  show();
  raise();
  activateWindow();
}

QString Hilfefenster::text() const {
  return browser_->toMarkdown();
}

}  // namespace quarzel
