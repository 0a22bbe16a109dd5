#include "ui/window/symbolziel.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "store/symboldatei.h"
#include "ui/window/symbolbefehle.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {

namespace fs = std::filesystem;

QMimeData* symbolMimeDaten(const fs::path& datei) {
  auto* daten = new QMimeData;
  const std::string& name = datei.native();
  daten->setData(QString::fromLatin1(kSymbolMimeTyp), QByteArray(name.data(), static_cast<qsizetype>(name.size())));
  daten->setUrls({QUrl::fromLocalFile(QString::fromStdString(name))});
  return daten;
}

std::optional<fs::path> symboldateiAus(const QMimeData& daten) {
  const QString eigenes = QString::fromLatin1(kSymbolMimeTyp);
  if (daten.hasFormat(eigenes)) {
    const QByteArray name = daten.data(eigenes);
    if (!name.isEmpty()) return fs::path(std::string(name.constData(), static_cast<std::size_t>(name.size())));
  }
  const QList<QUrl> urls = daten.urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return std::nullopt;
  const std::string name = urls.front().toLocalFile().toStdString();
  if (!signaturfeldFuer(name)) return std::nullopt;
  return fs::path(name);
}

Symbolziel::Symbolziel(Zeichenflaeche& flaeche, Symbolbefehle& befehle, Werkzeugbedienung& werkzeuge)
    : QObject(&flaeche), flaeche_(flaeche), befehle_(befehle), werkzeuge_(werkzeuge) {
  flaeche_.setAcceptDrops(true);
  flaeche_.installEventFilter(this);
}

bool Symbolziel::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt != &flaeche_) return false;
  switch (ereignis->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* e = static_cast<QDragMoveEvent*>(ereignis);
      if (!e->mimeData() || !symboldateiAus(*e->mimeData())) return false;
      e->setDropAction(Qt::CopyAction);
      e->accept();
      return true;
    }
    case QEvent::Drop: {
      auto* e = static_cast<QDropEvent*>(ereignis);
      const std::optional<fs::path> datei = e->mimeData() ? symboldateiAus(*e->mimeData()) : std::nullopt;
      if (!datei) return false;
      e->setDropAction(Qt::CopyAction);
      e->accept();
      flaeche_.setFocus();
      if (!befehle_.beginneSymbolEinfuegen(datei->string())) return true;
      // The tool may have refused to start (a drawing it cannot change);
      // then only the placing begins, as from the menu.
      if (werkzeuge_.steuerung().zustand().werkzeug != Werkzeugcode::SymbolEinfuegen) return true;
      const double faktor = flaeche_.devicePixelRatioF();
      werkzeuge_.klickeBei(e->position().x() * faktor, e->position().y() * faktor);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace quarzel
