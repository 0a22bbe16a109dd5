#include "ui/tools/schraffurliste.h"

#include <QPixmap>
#include <QSignalBlocker>

#include "styles/schraffurbibliothek.h"
#include "ui/dialogs/schraffurvorschau.h"

namespace quarzel {

namespace {

// The previews are drawn coarser than the dialog's 1:1 so that a few
// millimetres of spacing still show as separate lines in a small picture.
constexpr double kListenZoom = 0.5;

}  // namespace

Schraffurliste::Schraffurliste(QWidget* eltern) : QListWidget(eltern) {
  setIconSize(QSize(kBildBreite, kBildHoehe));
}

void Schraffurliste::fuellen(const Schraffurbibliothek& bibliothek) {
  const std::string vorher = gewaehlt();
  QSignalBlocker sperre(this);
  clear();
  for (const std::string& name : bibliothek.namen()) {
    const std::optional<Schraffurdefinition> d = bibliothek.lies(name);
    const QImage bild = schraffurbild(d ? *d : vorgabeSchraffur(name), kBildBreite, kBildHoehe, kListenZoom);
    addItem(new QListWidgetItem(QIcon(QPixmap::fromImage(bild)), QString::fromStdString(name)));
  }
  waehle(vorher);
}

std::string Schraffurliste::gewaehlt() const {
  const QListWidgetItem* eintrag = currentItem();
  return eintrag != nullptr ? eintrag->text().toStdString() : std::string();
}

void Schraffurliste::waehle(const std::string& name) {
  const QList<QListWidgetItem*> treffer = findItems(QString::fromStdString(name), Qt::MatchExactly);
  if (!treffer.isEmpty()) setCurrentItem(treffer.front());
}

}  // namespace quarzel
