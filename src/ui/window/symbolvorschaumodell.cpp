#include "ui/window/symbolvorschaumodell.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QTimer>
#include <QUrl>

#include "platform/skriptbenutzer.h"
#include "store/symboldatei.h"
#include "store/symbolinformationen.h"
#include "ui/qt/symbolausgabe.h"
#include "ui/window/symbolziel.h"
#include "view/blattdarstellung.h"

namespace quarzel {

namespace fs = std::filesystem;

namespace {

// A batch leaves the window this much of each turn of its event loop.
constexpr std::chrono::milliseconds kStapelzeit{15};
// A file without a stored preview is read whole to draw one; a big detail
// would hold up the list for that, so it gets the neutral picture.
constexpr std::uintmax_t kHoechstgroesseZumZeichnen = 2u << 20;
// A stored preview is 64 × 64; a picture far larger is no preview.
constexpr int kHoechsteVorschaukante = 512;

QImage neutralesBild(bool defekt) {
  QImage bild(kSymbolvorschauPixel, kSymbolvorschauPixel, QImage::Format_ARGB32_Premultiplied);
  bild.fill(Qt::white);
  QPainter maler(&bild);
  maler.setPen(QColor(170, 170, 170));
  maler.drawRect(4, 4, kSymbolvorschauPixel - 9, kSymbolvorschauPixel - 9);
  if (defekt) {
    maler.setPen(QPen(QColor(200, 60, 60), 2));
    maler.drawLine(16, 16, 47, 47);
    maler.drawLine(47, 16, 16, 47);
  }
  return bild;
}

const QImage& platzhalter() {
  static const QImage bild = neutralesBild(false);
  return bild;
}

const QImage& defektbild() {
  static const QImage bild = neutralesBild(true);
  return bild;
}

QImage dekodiere(const std::vector<std::uint8_t>& png) {
  QByteArray bytes(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size()));
  QBuffer puffer(&bytes);
  QImageReader leser(&puffer, "PNG");
  const QSize groesse = leser.size();
  if (!groesse.isValid() || groesse.width() > kHoechsteVorschaukante || groesse.height() > kHoechsteVorschaukante)
    return {};
  QImage bild = leser.read();
  if (bild.isNull() || bild.size() == QSize(kSymbolvorschauPixel, kSymbolvorschauPixel)) return bild;
  return bild.scaled(kSymbolvorschauPixel, kSymbolvorschauPixel, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The elements of an older file drawn as a preview; null when it cannot be read.
QImage gezeichneteVorschau(const Symboldateieintrag& datei) {
  if (datei.stempel.groesse > kHoechstgroesseZumZeichnen) return {};
  SkriptBenutzer still;  // a broken group is repaired without asking
  const Symbolladeergebnis geladen = ladeSymbol(datei.pfad.string(), still);
  if (!geladen.symbol || geladen.elemente == 0) return {};
  return dekodiere(symbolvorschau(*geladen.symbol, Symbolausgabewahl{}));
}

}  // namespace

Symbolvorschaumodell::Symbolvorschaumodell(QObject* eltern) : QAbstractListModel(eltern) {
  setObjectName(QStringLiteral("Symbolvorschauen"));
  stapeltakt_ = new QTimer(this);
  stapeltakt_->setInterval(0);
  connect(stapeltakt_, &QTimer::timeout, this, [this] {
    if (!ladeStapel(kStapelzeit)) stapeltakt_->stop();
  });
}

void Symbolvorschaumodell::zeigeOrdner(const fs::path& ordner, bool unterordner) {
  Symboldateiliste liste = symboldateien(ordner, unterordner);
  beginResetModel();
  ordner_ = ordner;
  abgeschnitten_ = liste.abgeschnitten;
  zeilen_ = std::move(liste.dateien);
  naechste_ = 0;
  endResetModel();
  // The kept previews stay bounded: past a limit only the folder shown keeps its own.
  if (vorschauen_.size() > 2 * kSymbolordnerHoechstzahl) {
    std::unordered_map<std::string, Vorschau> behalten;
    for (const Symboldateieintrag& z : zeilen_) {
      auto it = vorschauen_.find(z.pfad.string());
      if (it != vorschauen_.end()) behalten.insert(*it);
    }
    vorschauen_ = std::move(behalten);
  }
  if (!zeilen_.empty()) stapeltakt_->start();
}

const Symbolvorschaumodell::Vorschau* Symbolvorschaumodell::bekannt(const Symboldateieintrag& zeile) const {
  const auto it = vorschauen_.find(zeile.pfad.string());
  return it != vorschauen_.end() && it->second.stempel == zeile.stempel ? &it->second : nullptr;
}

bool Symbolvorschaumodell::ladeStapel(std::chrono::milliseconds zeit) {
  QElapsedTimer uhr;
  uhr.start();
  const std::size_t erste = naechste_;
  while (naechste_ < zeilen_.size() && uhr.elapsed() < zeit.count()) {
    const Symboldateieintrag& zeile = zeilen_[naechste_++];
    if (bekannt(zeile)) continue;
    Vorschau v{zeile.stempel, {}, 0, {}};
    const Symbolkopfergebnis kopf = ladeSymbolkopf(zeile.pfad.string());
    if (kopf.kopf) {
      v.massstab = kopf.kopf->massstab;
      v.bild = kopf.kopf->vorschau.empty() ? gezeichneteVorschau(zeile) : dekodiere(kopf.kopf->vorschau);
    } else {
      v.fehler = QString::fromStdString(kopf.fehler);
    }
    vorschauen_[zeile.pfad.string()] = std::move(v);
  }
  if (naechste_ > erste)
    emit dataChanged(index(static_cast<int>(erste)), index(static_cast<int>(naechste_ - 1)), {Qt::DecorationRole});
  return naechste_ < zeilen_.size();
}

int Symbolvorschaumodell::rowCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

QVariant Symbolvorschaumodell::data(const QModelIndex& index, int rolle) const {
  if (!index.isValid() || index.row() < 0 || static_cast<std::size_t>(index.row()) >= zeilen_.size()) return {};
  const Symboldateieintrag& zeile = zeilen_[static_cast<std::size_t>(index.row())];
  switch (rolle) {
    case Qt::DisplayRole:
      return QString::fromStdString(zeile.name);
    case Qt::DecorationRole: {
      const Vorschau* v = bekannt(zeile);
      if (v == nullptr) return platzhalter();
      if (!v->fehler.isEmpty()) return defektbild();
      return v->bild.isNull() ? platzhalter() : v->bild;
    }
    case Qt::ToolTipRole:
      return tooltip(zeile);
    default:
      return {};
  }
}

QString Symbolvorschaumodell::tooltip(const Symboldateieintrag& zeile) const {
  const fs::path relativ = zeile.pfad.lexically_relative(ordner_);
  QStringList zeilen{QString::fromStdString((relativ.empty() ? zeile.pfad.filename() : relativ).string())};
  const Vorschau* v = bekannt(zeile);
  if (v != nullptr && !v->fehler.isEmpty()) {
    zeilen << v->fehler;
    return zeilen.join(u'\n');
  }
  // Read when asked, so a change made in "Symbolinformationen..." shows at once.
  const Symbolinformationen info = leseSymbolinformationen(zeile.pfad.string());
  const std::string* werte[] = {&info.bezeichnung, &info.beschreibung, &info.material, &info.gewicht, &info.preis};
  for (std::size_t i = 0; i < kSymbolinformationsfelder.size(); ++i) {
    if (werte[i]->empty()) continue;
    zeilen << QString::fromUtf8(kSymbolinformationsfelder[i].data(),
                                static_cast<qsizetype>(kSymbolinformationsfelder[i].size())) +
                  u' ' + QString::fromStdString(*werte[i]);
  }
  if (v != nullptr && v->massstab > 0) zeilen << QString::fromStdString(massstabStatustext(v->massstab));
  return zeilen.join(u'\n');
}

Qt::ItemFlags Symbolvorschaumodell::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList Symbolvorschaumodell::mimeTypes() const {
  return {QString::fromLatin1(kSymbolMimeTyp), QStringLiteral("text/uri-list")};
}

QMimeData* Symbolvorschaumodell::mimeData(const QModelIndexList& indizes) const {
  // One symbol is placed at a time: the first of the selection.
  for (const QModelIndex& i : indizes) {
    if (!i.isValid() || static_cast<std::size_t>(i.row()) >= zeilen_.size()) continue;
    return symbolMimeDaten(zeilen_[static_cast<std::size_t>(i.row())].pfad);
  }
  return nullptr;
}

}  // namespace quarzel
