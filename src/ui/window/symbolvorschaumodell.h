// Symbolvorschaumodell: the symbols of one folder as the catalogue's list —
// each with its name, its preview picture and, as the tooltip, its
// Symbolinformationen and the scale it was drawn at.
//
// The preview is the picture stored in the file's header. A file of an older
// format has none; its elements are then drawn through the renderer as
// "Als Symbol speichern..." draws them, unless the file is too big to read
// whole in passing: that one, like a file that cannot be read, shows a
// neutral picture. What was read is kept per file with the file's stamp
// (time and size), so a folder shown again reads only files that changed.
//
// Listing a folder is quick; reading the previews is not for a folder of
// thousands. So the rows come at once with a neutral picture, and the
// previews follow in batches of a few milliseconds each on the window's
// clock, between the user's events.
#pragma once

#include <QAbstractListModel>
#include <QImage>
#include <chrono>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/symbolverzeichnis.h"

class QTimer;

namespace quarzel {

class Symbolvorschaumodell final : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit Symbolvorschaumodell(QObject* eltern = nullptr);

  // The symbols of `ordner`, with `unterordner` also those of its
  // sub-folders. The previews not yet known are read after the call returns.
  void zeigeOrdner(const std::filesystem::path& ordner, bool unterordner);
  // More files than one list shows (kSymbolordnerHoechstzahl).
  bool abgeschnitten() const { return abgeschnitten_; }

  // Reads previews still missing for at most `zeit`; true while some remain.
  // The model's clock calls it; a caller may also to wait for all of them.
  bool ladeStapel(std::chrono::milliseconds zeit);

  // The file of a row, as the file system names it.
  const std::filesystem::path& pfad(int zeile) const { return zeilen_.at(static_cast<std::size_t>(zeile)).pfad; }

  int rowCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indizes) const override;

 private:
  struct Vorschau {
    Dateistempel stempel;
    QImage bild;  // null: a neutral picture is shown
    double massstab = 0;
    QString fehler;  // why the file could not be read
  };
  const Vorschau* bekannt(const Symboldateieintrag& zeile) const;
  QString tooltip(const Symboldateieintrag& zeile) const;

  std::filesystem::path ordner_;
  bool abgeschnitten_ = false;
  std::vector<Symboldateieintrag> zeilen_;
  std::size_t naechste_ = 0;  // rows before it have been looked at by the loader
  std::unordered_map<std::string, Vorschau> vorschauen_;
  QTimer* stapeltakt_ = nullptr;
};

}  // namespace quarzel
